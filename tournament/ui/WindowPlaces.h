#pragma once

#include <QRect>
#include <QSize>
#include <QString>

class QWidget;

// Where the resizable windows of trophex were last, kept in the user's
// configuration folder (trophex/windows.ini): a window comes back at its
// place, size and maximised state, held inside the screen it opens on.
namespace WindowPlaces {

// Places the window as it was saved under key; without a saved place, at
// size (or, when size is empty, over the screen's whole free area), centred.
void restore(QWidget *window, const QString &key, QSize size);
void save(const QWidget *window, const QString &key);

// The rectangle r moved and cut so that it lies inside area.
QRect inside(QRect r, const QRect &area);

} // namespace WindowPlaces
