#include "tournament/ui/WindowPlaces.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QWidget>
#include <QWindow>

namespace {

QSettings places()
{
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return QSettings(dir + QStringLiteral("/trophex/windows.ini"), QSettings::IniFormat);
}

} // namespace

namespace WindowPlaces {

QRect inside(QRect r, const QRect &area)
{
    r.setWidth(std::min(r.width(), area.width()));
    r.setHeight(std::min(r.height(), area.height()));
    r.moveLeft(std::clamp(r.left(), area.left(), area.right() + 1 - r.width()));
    r.moveTop(std::clamp(r.top(), area.top(), area.bottom() + 1 - r.height()));
    return r;
}

QRect placement(const QRect &saved, QSize size, const QRect &area, const QMargins &frame)
{
    QRect r;
    if (saved.isValid()) {
        r = saved.marginsAdded(frame);
    } else if (size.isEmpty()) {
        r = area;
    } else {
        r = QRect(QPoint(), size).marginsAdded(frame);
        r.moveCenter(area.center());
    }
    return inside(r, area).marginsRemoved(frame);
}

void restore(QWidget *window, const QString &key, QSize size)
{
    QSettings s = places();
    s.beginGroup(key);
    const QRect saved = s.value(QStringLiteral("geometry")).toRect();
    const bool maximised = s.value(QStringLiteral("maximised"), false).toBool();
    s.endGroup();
    // The screen the window was last on, when it is still there; a place on
    // a screen that has gone comes back on the window's own screen.
    QScreen *screen = saved.isValid() ? QGuiApplication::screenAt(saved.center()) : nullptr;
    if (!screen)
        screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    // The frame is known once the window has been shown; before, only the
    // inner rectangle can be held inside the area.
    const QMargins frame = window->windowHandle() ? window->windowHandle()->frameMargins() : QMargins();
    // The windows' smallest sizes fit on any screen of 1024 x 768, so the
    // minimum never pushes the window out again.
    window->setGeometry(placement(saved, size, area, frame));
    if (maximised)
        window->setWindowState(window->windowState() | Qt::WindowMaximized);
}

void keepInside(QWidget *window)
{
    QWindow *handle = window->windowHandle();
    if (!handle || !window->isVisible() || window->isMaximized() || window->isFullScreen() || !window->screen())
        return;
    const QRect inner = placement(window->geometry(), QSize(), window->screen()->availableGeometry(),
                                  handle->frameMargins());
    if (inner != window->geometry())
        window->setGeometry(inner);
}

void save(const QWidget *window, const QString &key)
{
    QSettings s = places();
    s.beginGroup(key);
    // The normal place, so that a window maximised last comes back maximised
    // and unmaximises to where it was.
    s.setValue(QStringLiteral("geometry"), window->isMaximized() ? window->normalGeometry() : window->geometry());
    s.setValue(QStringLiteral("maximised"), window->isMaximized());
    s.endGroup();
}

} // namespace WindowPlaces
