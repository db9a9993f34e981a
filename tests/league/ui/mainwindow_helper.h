#pragma once

#include "league/model/League.h"
#include "league/ui/ScriptedPlatform.h"
#include "league/ui/TfrmTN.h"

#include <QAction>
#include <QTemporaryDir>
#include <QWidget>
#include <memory>

// The main window as the window tests start it: a settings folder of its
// own, every message box and file dialog answered by script, controls
// found by their names.
struct MainWindowFixture {
    QTemporaryDir dir;
    ScriptedPlatform platform;
    std::unique_ptr<TfrmTN> frm;

    MainWindowFixture();
    virtual ~MainWindowFixture();

    League &league() { return frm->league(); }
    QString iniPath() const { return dir.filePath(QStringLiteral("TN98.INI")); }
    // Shows the window and waits until it is on the screen; `activate`
    // also makes it the active window, as a click on it would.
    void showOnScreen(bool activate = true);

    // A control of the matchday panel; a row's control by its name and row.
    template <typename T> T *panel(const QString &name) const
    {
        return frm->centralWidget()->findChild<T *>(name);
    }
    template <typename T> T *row(const char *name, int k) const
    {
        return panel<T>(QString::fromLatin1(name) + QString::number(k));
    }
    QAction *action(const char *name) const { return frm->findChild<QAction *>(QString::fromLatin1(name)); }
    // Triggers the menu item or toolbar button; a test fails when it is missing.
    void trigger(const char *name) const;

    // Names the league's teams "<pattern with %1 = slot>".
    void nameTeams(const QString &pattern = QStringLiteral("Team %1"));
    // Teams 2k-1 and 2k in row k of matchdays 1..rounds, no results, shown.
    void pair(int rounds = 1);
    // Reloads the team lists and shows the current matchday again.
    void redisplay();
};
