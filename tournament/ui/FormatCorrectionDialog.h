#pragma once

#include <memory>
#include <vector>

#include <QDialog>

#include "tournament/format/FormatTournament.h"
#include "tournament/ui/KnockoutPartsFields.h"

class FormatSession;
class Platform;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QSpinBox;

// A Yes/No question of the format window; its buttons are named "Yes" and
// "No", so that a scripted desktop can answer it.
class FormatQuestion : public QDialog
{
    Q_OBJECT
public:
    FormatQuestion(const QString &caption, const QString &text, QWidget *parent = nullptr);
    QLabel *text;
};

// A recorded match of a tournament of any format: a group match by its
// index in the order recorded, a knock-out match by its number.
struct FormatMatchRef
{
    bool knockout = false;
    int key = -1;
};

// "Group C: Mexico 2-1 South Africa" or "Round of 32, match 74: Germany
// 2-2 a.e.t. (1-1), 4-3 pen. Paraguay"; empty for no such match.
QString formatMatchLine(const FormatTournament &t, const FormatMatchRef &ref);
// Every recorded match as Played Matchs lists them: the group matches in
// the order recorded, then the knock-out matches in the bracket's order.
std::vector<FormatMatchRef> formatPlayedMatches(const FormatTournament &t, const FormatStandings &s);

// "Correct a result" for a tournament of any format: a recorded group or
// knock-out match edited in place (its score, for a knock-out match also
// after extra time and the shoot-out), the table, the thirds and the later
// knock-out slots following from it. The goals of a match are not kept by
// scorer, so the scorers are corrected by crediting a goal to a player or
// taking one back. A correction that would take back played knock-out
// matches asks first and names them.
class FormatCorrectionDialog : public QDialog
{
    Q_OBJECT
public:
    FormatCorrectionDialog(FormatSession &session, Platform &platform, QWidget *parent = nullptr);

    QComboBox *match;                            // every recorded match
    QSpinBox *score1, *score2;                   // after 90 minutes
    QLabel *scoreLabel;                          // "Score", for a knock-out match "After 90 minutes"
    QLabel *extraLabel, *kicksLabel;             // knock-out only
    QSpinBox *extra1, *extra2, *kicks1, *kicks2; // blank where the match had no such part
    QComboBox *squad1, *squad2;
    QPushButton *add1, *add2, *take1, *take2, *undo1, *undo2;
    QListWidget *changes1, *changes2;            // "+ Name" a goal credited, "- Name" one taken back
    QLabel *info;                                // why a correction is refused
    QPushButton *correctButton, *cancelButton;

    // Opens on the row of Played Matchs (or the first match).
    void openOn(int row);
    void matchChanged();
    // Corrects the match when the entry holds and, where later knock-out
    // matches would be taken back, the user agrees; false otherwise.
    bool correctClick();

signals:
    // A correction was made; `what` says what it did in a sentence.
    void corrected(const QString &what);

private:
    FormatMatchRef chosen() const;
    // The correction as typed applied to t; the dropped knock-out matches
    // in *dropped. Returns why it cannot be made, or an empty text.
    QString apply(FormatTournament &t, std::vector<int> *dropped) const;

    FormatSession &m_session;
    Platform &m_platform;
    std::vector<FormatMatchRef> m_refs;
    std::unique_ptr<KnockoutPartsFields> m_parts;
};
