#include "league/ui/WindowLayoutStore.h"

#include "league/model/IniFile.h"
#include "league/ui/WindowPlacement.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMainWindow>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <algorithm>
#include <optional>

WindowLayoutStore::WindowLayoutStore(const QString &settingsFile, QMainWindow *window, QStatusBar *status,
                                     QList<QToolBar *> bars, const UiPlatform &platform)
    : m_settingsFile(settingsFile), m_window(window), m_status(status), m_bars(std::move(bars)), m_platform(platform)
{
}

void WindowLayoutStore::restore(const QList<QWidget *> &windows)
{
    const IniFile ini(m_settingsFile);
    // A settings file that is not a regular file or is far too large is not
    // read; the windows take their default places and the user learns why.
    // A folder in its place only shows at exit, where it cannot be written.
    if (ini.wasRefused() && !QFileInfo(m_settingsFile).isDir())
        m_platform.messages->error(m_window, ini.refusalMessage());
    for (int i = 0; i < ProgramSettings::windowSections().size(); ++i)
        restoreWindow(ini, i, windows.at(i));
    m_status->setVisible(ProgramSettings::readStatusVisible(ini));
    restoreToolbars(ini);
}

void WindowLayoutStore::placeLateWindows(const QList<QWidget *> &windows)
{
    const QStringList names = ProgramSettings::windowSections();
    std::optional<IniFile> ini;
    for (int i = 0; i < names.size(); ++i) {
        if (!windows.at(i) || !m_missingPlaces.contains(names.at(i)))
            continue;
        // A refused file was reported by restore() and reads as empty here.
        if (!ini)
            ini.emplace(m_settingsFile);
        m_missingPlaces.remove(names.at(i));
        restoreWindow(*ini, i, windows.at(i));
    }
}

void WindowLayoutStore::restoreWindow(const IniFile &ini, int index, QWidget *window)
{
    const QString name = ProgramSettings::windowSections().at(index);
    const QRect screenRect = (m_window->screen() ? m_window->screen() : QGuiApplication::primaryScreen())->geometry();
    const QSize size = window ? window->frameGeometry().size() : QSize();
    const ProgramSettings::WindowPlace place = ProgramSettings::readWindow(
        ini, name, ProgramSettings::centredOffset(screenRect.height(), size.height()),
        ProgramSettings::centredOffset(screenRect.width(), size.width()));
    if (window)
        window->move(WindowPlacement::reachable(QPoint(place.left, place.top), size, WindowPlacement::screens()));
    else
        m_missingPlaces.insert(name, QPoint(place.left, place.top));
}

void WindowLayoutStore::restoreToolbars(const IniFile &ini)
{
    const QStringList names = ProgramSettings::toolbarSections();
    struct Docked {
        QToolBar *bar;
        ProgramSettings::ToolbarPlace place;
    };
    QList<Docked> docked;
    QList<Docked> floating;
    // Without a valid section a toolbar keeps its design-time place: the
    // first row of the dock, where the bars stand side by side in their
    // order, each starting where the one before it ends. The stored places
    // of the others are pixels from the dock's start as well, so sorting
    // puts it between the same neighbours as at design time.
    int designPos = 0;
    for (int i = 0; i < m_bars.size(); ++i) {
        ProgramSettings::ToolbarPlace place;
        if (!ProgramSettings::readToolbar(ini, names.at(i), &place)) {
            place.name = names.at(i);
            place.dockRow = 0;
            place.dockPos = designPos;
        }
        designPos += m_bars.at(i)->sizeHint().width();
        if (place.dockedTo == ProgramSettings::kFloating)
            floating.append({m_bars.at(i), place});
        else
            docked.append({m_bars.at(i), place});
    }
    // The dock holds a single row; the stored row and position give the order.
    std::stable_sort(docked.begin(), docked.end(), [](const Docked &a, const Docked &b) {
        return std::pair(a.place.dockRow, a.place.dockPos) < std::pair(b.place.dockRow, b.place.dockPos);
    });
    for (const Docked &d : docked) {
        m_window->removeToolBar(d.bar);
        m_window->addToolBar(Qt::TopToolBarArea, d.bar);
        d.bar->setVisible(d.place.visible);
    }
    for (const Docked &f : floating) {
        m_window->removeToolBar(f.bar);
        m_window->addToolBar(Qt::TopToolBarArea, f.bar);
        f.bar->setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
        f.bar->move(WindowPlacement::reachable(QPoint(f.place.floatLeft, f.place.floatTop),
                                               f.bar->sizeHint(), WindowPlacement::screens()));
        f.bar->setVisible(f.place.visible);
        m_floatPlaces.insert(f.bar, f.place);
    }
}

QStringList WindowLayoutStore::readRecentFiles() const
{
    return ProgramSettings::readRecentFiles(IniFile(m_settingsFile));
}

bool WindowLayoutStore::write(const QList<QWidget *> &windows, const QStringList &recentFiles)
{
    const QStringList names = ProgramSettings::windowSections();
    QList<ProgramSettings::WindowPlace> places;
    for (int i = 0; i < names.size(); ++i) {
        const QWidget *w = windows.at(i);
        const QPoint p = w ? w->pos() : m_missingPlaces.value(names.at(i));
        places.append({names.at(i), p.y(), p.x()});
    }

    QList<int> rowsY;
    for (QToolBar *b : m_bars)
        if (!b->isFloating() && !rowsY.contains(b->y()))
            rowsY.append(b->y());
    std::sort(rowsY.begin(), rowsY.end());
    QList<ProgramSettings::ToolbarPlace> toolbars;
    for (int i = 0; i < m_bars.size(); ++i) {
        QToolBar *b = m_bars.at(i);
        ProgramSettings::ToolbarPlace t = m_floatPlaces.value(b);
        t.name = ProgramSettings::toolbarSections().at(i);
        t.visible = !b->isHidden();
        if (b->isFloating()) {
            t.dockedTo = ProgramSettings::kFloating;
            t.floatLeft = b->pos().x();
            t.floatTop = b->pos().y();
        } else {
            t.dockedTo = ProgramSettings::kDockName;
            t.dockRow = static_cast<int>(rowsY.indexOf(b->y()));
            t.dockPos = b->x();
        }
        toolbars.append(t);
    }

    IniFile ini(m_settingsFile);
    ProgramSettings::write(ini, places, !m_status->isHidden(), toolbars);
    ProgramSettings::writeRecentFiles(ini, recentFiles);
    QDir().mkpath(QFileInfo(m_settingsFile).absolutePath());
    QString error;
    if (!ini.save(&error)) {
        // The exit goes ahead all the same; the message tells what was lost.
        m_platform.messages->error(m_window, error);
        return false;
    }
    return true;
}
