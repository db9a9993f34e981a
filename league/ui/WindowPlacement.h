#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

// Where a window restored from the settings file goes. A place written on
// another monitor layout, at another scale factor or by hand can lie beyond
// every screen, and the window could then never be reached.
namespace WindowPlacement {

struct Screen {
    QRect geometry;  // the whole screen
    QRect available; // without panels and docks
};

// The screens of the running desktop, the primary one first.
QList<Screen> screens();

// The top-left corner for a window of frame size `size` that the settings
// put at `topLeft`.
// A window stays exactly where it is while a grip of its title strip lies
// on some screen: its top 20 rows (or fewer on a smaller window) over a
// width of at least 40 pixels (or the whole window when it is narrower)
// and at least 10 of those rows high. Otherwise it is moved onto the
// nearest screen's available area, as little as needed to lie inside;
// a window larger than that area keeps to its top-left corner.
QPoint reachable(QPoint topLeft, QSize size, const QList<Screen> &screens);

} // namespace WindowPlacement
