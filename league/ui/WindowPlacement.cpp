#include "league/ui/WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <limits>

namespace WindowPlacement {

namespace {

constexpr int kStripRows = 20;
constexpr int kGripWidth = 40;
constexpr int kGripRows = 10;

bool hasGrip(const QRect &frame, const QRect &screen)
{
    const QRect strip(frame.left(), frame.top(), frame.width(), std::min(frame.height(), kStripRows));
    const QRect onScreen = strip.intersected(screen);
    return !onScreen.isEmpty() && onScreen.width() >= std::min(frame.width(), kGripWidth)
           && onScreen.height() >= std::min(strip.height(), kGripRows);
}

// Squared distance between two rectangles; 0 when they touch or overlap.
qint64 distance(const QRect &a, const QRect &b)
{
    const qint64 dx = std::max<qint64>({0, qint64(b.left()) - a.right(), qint64(a.left()) - b.right()});
    const qint64 dy = std::max<qint64>({0, qint64(b.top()) - a.bottom(), qint64(a.top()) - b.bottom()});
    return dx * dx + dy * dy;
}

int into(int start, int extent, int areaStart, int areaExtent)
{
    if (extent >= areaExtent)
        return areaStart;
    return std::clamp(start, areaStart, areaStart + areaExtent - extent);
}

} // namespace

QList<Screen> screens()
{
    QList<Screen> result;
    QList<QScreen *> all = QGuiApplication::screens();
    if (QScreen *primary = QGuiApplication::primaryScreen()) {
        all.removeAll(primary);
        all.prepend(primary);
    }
    for (const QScreen *s : all)
        result.append({s->geometry(), s->availableGeometry()});
    return result;
}

QPoint reachable(QPoint topLeft, QSize size, const QList<Screen> &screens)
{
    if (screens.isEmpty() || size.isEmpty())
        return topLeft;
    // A number from the file can be anything an integer holds; so far out
    // the window is off every screen anyway, and the rectangle's edges must
    // not overflow.
    constexpr int kFar = 1 << 24;
    const QRect frame(QPoint(std::clamp(topLeft.x(), -kFar, kFar), std::clamp(topLeft.y(), -kFar, kFar)),
                      size.boundedTo(QSize(kFar, kFar)));
    for (const Screen &s : screens)
        if (hasGrip(frame, s.geometry))
            return topLeft;
    const Screen *nearest = &screens.constFirst();
    qint64 best = std::numeric_limits<qint64>::max();
    for (const Screen &s : screens) {
        const qint64 d = distance(frame, s.geometry);
        if (d < best) {
            best = d;
            nearest = &s;
        }
    }
    const QRect area = nearest->available.isEmpty() ? nearest->geometry : nearest->available;
    return QPoint(into(frame.left(), frame.width(), area.left(), area.width()),
                  into(frame.top(), frame.height(), area.top(), area.height()));
}

} // namespace WindowPlacement
