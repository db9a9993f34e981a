#pragma once

#include <QMargins>
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
// Once a shown window's frame is known, moves and cuts it so that the frame
// too lies inside the free area of its screen (a maximised window is left as it is).
void keepInside(QWidget *window);

// The rectangle r moved and cut so that it lies inside area.
QRect inside(QRect r, const QRect &area);

// Where a window is shown, its frame (title bar and borders, when known)
// inside area, the free part of its screen: at saved when a place was
// remembered (an invalid rectangle when none was), else at size centred, or
// over the whole area when size is empty. Returns the inner geometry.
QRect placement(const QRect &saved, QSize size, const QRect &area, const QMargins &frame = {});

} // namespace WindowPlaces
