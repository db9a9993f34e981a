#pragma once

#include <QWidget>

#include "tournament/group/ResultEntry.h"
#include "tournament/model/Tournament.h"
#include "tournament/ui/Apparence.h"
#include "tournament/ui/Fenetres.h"
#include "tournament/ui/PageContext.h"

class AboutPage;
class ClassificationsPage;
class EditTeamPage;
class NewResultPage;
class Plateforme;
class PlayedMatchesPage;
class QTimer;
class StatisticsPage;
class TabbedNotebook;
class WelcomePage;

// The main window: the notebook with the welcome page, the group standings,
// the squads, the played matches, the result entry and the statistics, each
// page a widget of its own. It owns the tournament and every other window,
// and carries what they ask of the pages: the entry, a match to open.
class TForm1 : public QWidget
{
    Q_OBJECT
public:
    enum Page { Welcome, Classifications, EditTeam, PlayedMatchs, NewResult, Statistics, AboutTheAuthor };

    // Loads the groups and the group matches from dir. When the groups cannot
    // be read, "File Error !" is shown and chargement_ok stays false.
    TForm1(const QString &dir, Plateforme &plateforme, QWidget *parent = nullptr);
    ~TForm1() override;

    // Creates the other windows in the start order; call once the load succeeded.
    void creeFenetres();

    Tournament &tournoi() { return m_tournoi; }
    const QString &dossier() const { return m_dossier; }
    Plateforme &plateforme() { return m_plateforme; }
    Apparence::IconeLue &iconeLue() { return m_iconeLue; }
    Fenetres &fenetres() { return m_fenetres; }

    bool sauveAuto() const;
    bool imagesAffichees() const;
    // The entry page's values as the result checks read them.
    ResultEntry saisie() const;
    // The line of the questions before a change that says when the files change.
    QString quandEcrit() const;
    // "Team 1 - Team 2  2-1", a recorded match as the questions name it.
    static QString texte_match(const TRencontre &m);
    // Shows the standard error box for a failed read or write.
    void signale(const FileResult &result);
    // Shows the window, or repeats the showing actions when it is already shown.
    void montre();
    // Locks the pages while "Confirm score" is open, so that the entry it
    // shows is the one its OK records.
    void verrouilleSaisie(bool verrou);
    // Ends the program: the window closes whatever the flags say.
    void termine();

    // The notebook's pages, in their order; each holds its widgets and handlers.
    WelcomePage *welcomePage;
    ClassificationsPage *classificationsPage;
    EditTeamPage *editTeamPage;
    PlayedMatchesPage *playedMatchesPage;
    NewResultPage *newResultPage;
    StatisticsPage *statisticsPage;
    AboutPage *aboutPage;

    TabbedNotebook *TabbedNotebook1;
    QTimer *Timer1;
    int ticks = 0;

    // Handlers, public so that tests can drive them as the events would.
    void Timer1Timer();
    bool TabbedNotebook1Change(int newPage);
    void tour2Click();
    void QuitterClick();
    void ImagesClick();

signals:
    // The window has closed for good: the program ends.
    void fermee();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void formShow();
    // Shows the dialog that answers a check of the entry page.
    void repond(EntryAnswer answer, const ResultEntry &entry, bool stage2);
    void montreDialogue(QWidget *dialog);
    // A stage-2 match opened on the bracket: the entry page takes its teams.
    void ouvreMatch(const QString &team1, const QString &team2);

    Tournament m_tournoi;
    QString m_dossier;
    Plateforme &m_plateforme;
    Apparence::IconeLue m_iconeLue;
    Fenetres m_fenetres;
    PageContext m_ctx;
    bool m_fin = false;
};
