#pragma once

#include "league/model/League.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QObject;
class QString;
class QWidget;

// One match row of the matchday panel: the two team lists with the dash
// between them, the two goal fields with the colon, the field of the
// match's own day and kick-off, and the mark of a postponed match. The
// controls are children of the panel, placed at the row's height and named
// with the row's number; the panel connects them and writes the league.
class MatchRow {
public:
    // row counts from 1.
    MatchRow(QWidget *panel, int row);

    // Shows or hides every control of the row; a hidden row never shows its
    // postponed mark.
    void setShown(bool shown);
    // Both lists offer "---" and the league's team names, "---" selected.
    void fillTeams(const League &league);
    void selectNoTeams();
    // The match's teams and goals; a goal value of -1 is an empty field.
    void showMatch(const Match &match);
    // The typed goals, -1 for an empty field.
    int goalsA() const;
    int goalsB() const;
    // A result with one goal field empty is not counted anywhere; both
    // fields say so in colour and in their tooltip.
    void markHalfEntered();
    // The match's own day as typed text, or empty with the day it falls
    // back to shown greyed, and the mark of a postponed match.
    void showDay(const QString &dayText, const QString &fallbackDay, bool postponed);
    // Marks the list of a team named twice or playing itself; warning is
    // the tooltip of a marked list.
    void markPairing(bool wrongA, bool wrongB, const QString &warning);
    bool isGoalField(const QObject *o) const;

    QComboBox *cboTeamA = nullptr;
    QComboBox *cboTeamB = nullptr;
    QLineEdit *meTorA = nullptr;
    QLineEdit *meTorB = nullptr;
    QLineEdit *edTag = nullptr;

private:
    QLabel *lblStrich = nullptr;
    QLabel *lblDoppelpunkt = nullptr;
    QLabel *lblNachhol = nullptr;
};
