#pragma once

#include "league/model/League.h"

#include <QElapsedTimer>
#include <QWidget>
#include <functional>
#include <vector>

class MatchRow;
class QDateEdit;
class QLabel;
class QLineEdit;

// The matchday panel of the main window: the caption and dates of the
// current matchday and one row per match with its two team lists and two
// goal fields. Every edit goes straight into the league the panel was given;
// the display routines show the league's current matchday again.
class MatchdayPanel : public QWidget {
    Q_OBJECT

public:
    explicit MatchdayPanel(League &league, QWidget *parent = nullptr);
    ~MatchdayPanel() override;

    // Both leave leagueSaved as it was. UpdateST throws a LeagueError for a
    // stored date that is not one, after the caption is shown.
    void UpdateST();
    void UpdateCBO();
    // Shows as many rows as the league has; cheap when nothing changed.
    void syncShape();
    // Every list, also those of rows the league does not use, shows "---".
    void selectNoTeams();

    bool isGoalField(const QObject *o) const;

signals:
    // The caption of the shown matchday, for the navigator's label.
    void captionChanged(const QString &caption);
    // An edit could not be taken; the window shows the message.
    void failed(const QString &message);
    // The context menu of the matchday caption, at a global position.
    void captionMenuRequested(const QPoint &globalPos);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildRows();
    // Match row k, counted from 1.
    MatchRow &row(int k);
    void connectAll();
    void focusGoal(QLineEdit *field);
    // Runs one edit and reports a LeagueError instead of passing it on.
    void guarded(const std::function<void()> &edit);

    void cboTeamAChange(int k, int index);
    void cboTeamBChange(int k, int index);
    void meTorAChange(int k);
    void meTorBChange(int k);
    void edDatum1Change();
    void edDatum2Change();
    // A match's own day and kick-off, typed in its row's compact field.
    void edTagChange(int k);
    // Shows a row's own day, or the matchday's first day greyed as what the
    // row falls back to, and marks a postponed match.
    void showMatchDay(int k);
    // Marks the lists of a team named twice or against itself and says so
    // at the top right, or names the team with a bye in an odd league.
    void showPairings();

    League &m_league;
    QLabel *lblST = nullptr;
    QDateEdit *edDatum1 = nullptr;
    QDateEdit *edDatum2 = nullptr;
    // One per row of the largest league.
    std::vector<MatchRow> m_rows;
    QLabel *lblHinweis = nullptr;
    // Set while the display routines fill the fields, whose change handlers
    // must then not judge what they are given as an edit.
    bool m_showing = false;
    // When the focus last left a goal field: a digit meant for the goals
    // that lands in the next team list just after must not pick a team.
    QElapsedTimer m_leftGoalField;
    int m_shownRows = -1; // none laid out yet: the first sync hides the rows beyond the league
};
