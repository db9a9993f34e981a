#pragma once

#include <memory>

#include <QWidget>

#include "tournament/format/FormatTournament.h"

class FormatBracket;
class FormatChampion;
class FormatEntryPage;
class FormatGroupsPage;
class FormatLotsDialog;
class FormatMatchesPage;
class FormatSession;
class FormatStatsPage;
class FormatTeamPage;
class Platform;
class QLabel;
class QPushButton;
class QTabWidget;

// The main window for a tournament of any format but the classic one: the
// notebook of its pages (welcome, classifications, squads, played matches,
// result entry, statistics) and the bracket window. Resizable; it comes back
// where it was left. Every change is written to the folder at once.
class FormatWindow : public QWidget
{
    Q_OBJECT
public:
    enum Page { Welcome, Classifications, EditTeam, PlayedMatchs, NewResult, Statistics };

    FormatWindow(FormatTournament tournament, const QString &dir, Platform &platform, QWidget *parent = nullptr);
    ~FormatWindow() override;

    FormatSession &session() { return *m_session; }
    // The bracket window, made when first asked for.
    FormatBracket *bracket();
    void showBracket();
    // Opens the knock-out match's entry, as a click on the bracket does.
    void openMatch(int number);
    // The champion screen, made when first asked for; shown when a result or
    // a correction decides the champion, and again by "Champion".
    FormatChampion *champion();
    void showChampion();

    QTabWidget *tabs;
    QLabel *title;
    QPushButton *bracketButton;   // "Bracket"
    QPushButton *championButton;   // "Champion", there once the champion is known
    QPushButton *newButton;   // "New Tournament..."
    QPushButton *exitButton;   // "Exit"
    FormatGroupsPage *classificationsPage;
    FormatTeamPage *editTeamPage;
    FormatMatchesPage *playedMatchesPage;
    FormatEntryPage *newResultPage;
    FormatStatsPage *statisticsPage;
    FormatLotsDialog *lotsDialog; // "Drawing Lots", offered when a result leaves a tie to decide

signals:
    // "New Tournament..." was asked for; the program offers the dialog.
    void newTournamentRequested();
    void closed();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void refreshPage(int page);
    void report(const QString &error);
    void tournamentChanged();

    std::unique_ptr<FormatSession> m_session;
    Platform &m_platform;
    std::unique_ptr<FormatBracket> m_bracket;
    FormatChampion *m_champion = nullptr;
    bool m_placed = false;
    bool m_decided = false;   // whether the champion was known before the last change
};
