#pragma once

#include <QColor>
#include <QIcon>
#include <QString>
#include <QWidget>

#include <initializer_list>
#include <utility>

class Platform;
class QLabel;
class QPixmap;
class QTableWidget;

// Look shared by every window, and loading of the pictures from the data folder.
namespace Look {

// "Comic Sans MS", bold, 13 pixels, black: the font of every window unless one
// asks for another.
void applyFont(QWidget *w);
// The grey of the text of a disabled control.
QColor disabledTextColor();
// A bold "Comic Sans MS" of the given pixel height (the closing windows' big texts).
void setBoldFont(QWidget *w, int pixels);

// The largest picture file read: a flag or background is some kilobytes.
constexpr qint64 kMaxPictureBytes = 16 * 1024 * 1024;
// Loads a picture file into pixmap, but only a regular file of at most
// kMaxPictureBytes: a FIFO named like a flag would block the window for ever,
// a link to an endless device would fill the memory.
bool readPicture(QPixmap &pixmap, const QString &path);

// Shows dir/file in the label; file must be a plain file name of dir. On
// failure the label is emptied and, when a platform is given, "File Error !"
// names the file, the first time in the run that it fails. Returns whether it loaded.
bool loadPicture(QLabel *label, const QString &dir, const QString &file, Platform *platform,
                 QWidget *parent);
// As loadPicture, into a pixmap kept for a label made later; null on failure.
bool loadPixmap(QPixmap &pixmap, const QString &dir, const QString &file, Platform *platform, QWidget *parent);
// tpx.ico as the last window read it, and the state of the file then.
struct LoadedIcon
{
    QString state;
    QIcon icon;
};

// Sets tpx.ico as the window icon; "File Error !" when it cannot be read
// (once per run, as for every picture).
// The file is read again only when it changed since `derniere` was read.
bool loadIcon(QWidget *window, const QString &dir, Platform &platform, LoadedIcon &derniere);

// Creates a child control named after its role, at a fixed place, as every
// window of the program lays out its controls.
template <typename W, typename... Args>
W *make(QWidget *parent, const char *name, int x, int y, int w, int h, Args &&...args)
{
    auto *widget = new W(std::forward<Args>(args)..., parent);
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(x, y, w, h);
    return widget;
}

// A grid of fixed column widths and row height whose first row is a header
// drawn like a fixed row; every cell holds an item, so texts can be set directly.
QTableWidget *makeGrid(QWidget *parent, const char *name, int rows, std::initializer_list<int> widths,
                     int rowHeight);
// Sets a cell's text (the grids keep an item in every cell).
void setCell(QTableWidget *grid, int row, int column, const QString &text);
// Sets the row count, keeping the header row and giving new rows empty items.
void setGridRows(QTableWidget *grid, int rows);

// Lines up the labels from x, each as wide as its text (or its current width
// when that is larger, for value labels that are filled later), a blank apart.
void lineUp(std::initializer_list<QWidget *> labels, int x);

// Names of teams and players are shown as they are: a label that carries one
// never reads "&" as a shortcut mark nor "<b>" as markup.
void plainNameLabel(QLabel *label);
// A tooltip that shows its text as it is.
void plainToolTip(QWidget *w, const QString &text);

// Places a window in the middle of the primary screen.
void centreOnScreen(QWidget *window);

} // namespace Look

class TForm1;

namespace Look {

// What every dialog does when it is created: name, caption, the program's
// font, fixed size, centred, and the icon tpx.ico (with "File Error !" when it
// cannot be read).
void prepareDialog(QWidget *dialog, TForm1 &main, const char *name, const QString &caption, int width,
                     int height);
// The mascot image beside a dialog's text.
QLabel *mascot(QWidget *dialog, TForm1 &main, int x, int y);

} // namespace Look
