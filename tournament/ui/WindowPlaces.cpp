#include "tournament/ui/WindowPlaces.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QWidget>

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

void restore(QWidget *window, const QString &key, QSize size)
{
    QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    QSettings s = places();
    s.beginGroup(key);
    const QRect saved = s.value(QStringLiteral("geometry")).toRect();
    const bool maximised = s.value(QStringLiteral("maximised"), false).toBool();
    s.endGroup();
    QRect r;
    if (saved.isValid()) {
        r = saved;
    } else if (size.isEmpty()) {
        r = area;
    } else {
        r = QRect(QPoint(), size);
        r.moveCenter(area.center());
    }
    // The smallest size the window allows still fits on a small screen.
    window->setGeometry(inside(r, area));
    if (maximised)
        window->setWindowState(window->windowState() | Qt::WindowMaximized);
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
