#pragma once

#include "league/ui/PlatformSeams.h"

#include <QString>
#include <QStringList>
#include <functional>

class QWidget;
class League;

// The file commands of the main window: a new league, open, save, save as
// and the question whether to save first. Each command throws a LeagueError
// when it fails; the window shows it. What a command changes on the screen
// is left to the window, which says how through the two display hooks.
class LeagueFileCommands {
public:
    struct Display {
        // The title bar names the league's file.
        std::function<void()> showTitle;
        // Another league was read: title, first matchday, lists and rows.
        std::function<void()> showLeague;
        // The list of files last opened or saved changed.
        std::function<void()> showRecentFiles;
    };

    LeagueFileCommands(League &league, const UiPlatform &platform, QWidget *window, Display display);

    FileDialogState &dlgOpen() { return m_dlgOpen; }
    FileDialogState &dlgSave() { return m_dlgSave; }

    // The save prompt of "Neu", "Öffnen" and the exit. False = cancelled.
    bool askToSave();
    // A new league was started: its export no longer carries the title of
    // an imported file.
    void forgetImport() { m_importTitle.clear(); }
    // "Öffnen", "Speichern" and "Speichern unter...", each whole.
    void open();
    void save();
    void saveAs();

    // The files last opened or saved, newest first: each league file opened
    // or saved, and each file a league was imported from.
    const QStringList &recentFiles() const { return m_recent; }
    void setRecentFiles(const QStringList &files);
    // Opens entry `index` of that list as "Öffnen" would without a dialog;
    // a file that is gone is dropped from the list with a message, and the
    // open league stays.
    void openRecent(int index);

    void SaveDatei();
    // Opens leagueFileName in the format its content and name give: a
    // league file keeps its name and is saved; the previous version's file
    // and a Football.TXT or .JSON give an untitled, unsaved league (for a
    // Football file the save dialog offers the competition's name, and
    // what the file holds besides the league is listed in a message).
    void OpenDatei();

private:
    // True when leagueFileName names a file of another format, which a
    // league file must not overwrite; the save dialog then offers the
    // name with the league file's extension.
    bool saveTargetIsForeign();
    // The save dialog was confirmed: saves the league file, or exports the
    // league as Football.TXT or .JSON when that file type was chosen (the
    // league keeps its file name and its unsaved state then).
    void saveAsChosen();
    // Opens path as the league's file; a failed open keeps the old name.
    void openPath(const QString &path);
    void remember(const QString &path);

    League &m_league;
    UiPlatform m_platform;
    QWidget *m_window;
    Display m_display;
    FileDialogState m_dlgOpen;
    FileDialogState m_dlgSave;
    // The competition of an imported Football file, the title of its export.
    QString m_importTitle;
    QStringList m_recent;
};
