#pragma once

#include "league/model/ProgramSettings.h"
#include "league/ui/PlatformSeams.h"

#include <QHash>
#include <QList>
#include <QPoint>
#include <QString>
#include <QStringList>

class IniFile;
class QMainWindow;
class QStatusBar;
class QToolBar;
class QWidget;

// The places of the program's windows, the status line and the four
// toolbars of the main window in TN98.INI: read once when the main window
// is first shown, written once at a successful exit, together with the
// list of files last used.
class WindowLayoutStore {
public:
    // bars: the toolbars in the order of their sections.
    WindowLayoutStore(const QString &settingsFile, QMainWindow *window, QStatusBar *status,
                      QList<QToolBar *> bars, const UiPlatform &platform);

    QString settingsFile() const { return m_settingsFile; }

    // windows: one per window section, in their order; null for a window
    // this build does not have or has not made yet, whose place is written
    // back as read.
    void restore(const QList<QWidget *> &windows);
    // The same list once windows that were still null at restore() exist:
    // each of them goes where restore() would have put it.
    void placeLateWindows(const QList<QWidget *> &windows);
    // The files last opened or saved, as the file names them; read when
    // asked, since a file named on the command line joins the list before
    // the window is shown.
    QStringList readRecentFiles() const;
    // False when the file could not be written; the message was shown.
    bool write(const QList<QWidget *> &windows, const QStringList &recentFiles);

private:
    void restoreToolbars(const IniFile &ini);
    // Places window `index` from the file, or keeps its place for writing
    // back when it does not exist (yet).
    void restoreWindow(const IniFile &ini, int index, QWidget *window);

    QString m_settingsFile;
    QMainWindow *m_window;
    QStatusBar *m_status;
    QList<QToolBar *> m_bars;
    UiPlatform m_platform;
    // Places of windows that do not exist in this build, written back as read.
    QHash<QString, QPoint> m_missingPlaces;
    // Docked place of a floating toolbar, kept for when it is written again.
    QHash<QToolBar *, ProgramSettings::ToolbarPlace> m_floatPlaces;
};
