#pragma once

#include <QWidget>

#include "tournament/group/ResultEntry.h"
#include "tournament/model/Tournament.h"
#include "tournament/ui/ClassicNotebook.h"
#include "tournament/ui/Look.h"
#include "tournament/ui/DialogSet.h"
#include "tournament/ui/PageContext.h"

class Platform;
class QTimer;

// The main window: the notebook with the welcome page, the group standings,
// the squads, the played matches, the result entry and the statistics, each
// page a widget of its own. It owns the tournament and every other window,
// and carries what they ask of the pages: the entry, a match to open.
class TForm1 : public QWidget
{
    Q_OBJECT
public:
    // The size the window opens at the first time, the smallest it takes.
    static constexpr QSize kUsualSize{651, 367};

    using Page = ClassicNotebook::Page;
    using enum ClassicNotebook::Page;

    // Loads the groups and the group matches from dir. When the groups cannot
    // be read, "File Error !" is shown and chargement_ok stays false.
    TForm1(const QString &dir, Platform &platform, QWidget *parent = nullptr);
    ~TForm1() override;

    // Creates the other windows not made yet, in the start order; without
    // it each is made when first needed.
    void makeDialogs();

    Tournament &tournament() { return m_tournament; }
    const QString &folder() const { return m_folder; }
    Platform &platform() { return m_platform; }
    Look::LoadedIcon &loadedIcon() { return m_iconeLue; }
    DialogSet &dialogs() { return m_dialogs; }

    bool autoSave() const;
    bool picturesShown() const;
    // The entry page's values as the result checks read them.
    ResultEntry saisie();
    // The line of the questions before a change that says when the files change.
    QString whenWritten() const;
    // "Team 1 - Team 2  2-1", a recorded match as the questions name it.
    static QString matchText(const TRencontre &m);
    // Shows the standard error box for a failed read or write.
    void reportResult(const FileResult &result);
    // Shows the window, or repeats the showing actions when it is already shown.
    void showMain();
    // Locks the pages while "Confirm score" is open, so that the entry it
    // shows is the one its OK records.
    void lockEntry(bool locked);
    // Ends the program: the window closes whatever the flags say.
    void quitProgram();

    // The notebook's pages, in their order; each holds its widgets and
    // handlers. A page is built when it is first shown or asked for here.
    WelcomePage *welcomePage() { return TabbedNotebook1->welcomePage(); }
    ClassificationsPage *classificationsPage() { return TabbedNotebook1->classificationsPage(); }
    EditTeamPage *editTeamPage() { return TabbedNotebook1->editTeamPage(); }
    PlayedMatchesPage *playedMatchesPage() { return TabbedNotebook1->playedMatchesPage(); }
    NewResultPage *newResultPage() { return TabbedNotebook1->newResultPage(); }
    StatisticsPage *statisticsPage() { return TabbedNotebook1->statisticsPage(); }
    AboutPage *aboutPage() { return TabbedNotebook1->aboutPage(); }

    ClassicNotebook *TabbedNotebook1;
    QTimer *Timer1;
    int ticks = 0;

    // Handlers, public so that tests can drive them as the events would.
    void Timer1Timer();
    bool TabbedNotebook1Change(int newPage);
    void tour2Click();
    void QuitterClick();
    void ImagesClick();
    // A stage-2 match opened on the bracket: the entry page takes its teams.
    void openMatchEntry(const QString &team1, const QString &team2);
    // "Confirm score" found the entry changed or no longer valid: it is checked anew.
    void reviewEntry();

signals:
    // The window has closed for good: the program ends.
    void closed();

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void formShow();
    // Shows the dialog that answers a check of the entry page.
    void answers(EntryAnswer answer, const ResultEntry &entry, bool stage2);
    void showDialog(QWidget *dialog);

    Tournament m_tournament;
    QString m_folder;
    Platform &m_platform;
    Look::LoadedIcon m_iconeLue;
    DialogSet m_dialogs{*this};
    PageContext m_ctx;
    WelcomePage *m_welcome = nullptr;
    bool m_end = false;
};
