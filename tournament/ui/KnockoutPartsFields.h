#pragma once

#include <QString>

#include "tournament/model/KnockoutScore.h"

class QLabel;
class QSpinBox;
class QWidget;

// The fields of a knock-out match beyond its 90 minutes: the score after
// extra time and the shoot-out with their captions. A part the match did not
// have is blank (-1). The form owns the two boxes of the 90 minutes and
// places everything; these fields read and show a result together with them,
// so that every window shows and reads the parts alike.
class KnockoutPartsFields
{
public:
    // What differs between the windows: the score range, the captions and
    // the names of the controls, and whether the kicks can be blank (the
    // format entry page asks for them only once the match is level).
    struct Kind
    {
        int maxScore;
        QString extraCaption, kicksCaption;
        const char *extraLabelName, *kicksLabelName, *kicks1Name, *kicks2Name;
        bool blankKicks;
        int boxWidth; // a fixed width for a laid-out window, 0 where placed by hand
    };
    // The classic windows: "a.e.t." and "pen.", scores up to 100.
    static Kind classic();
    // The windows of any format: "After extra time" and "Penalty shoot-out".
    static Kind format(int maxScore);

    // The controls are made children of parent, in the order extra-time
    // caption and boxes, then shoot-out caption and boxes; with no parent
    // they wait for a layout.
    KnockoutPartsFields(QSpinBox *score1, QSpinBox *score2, const Kind &kind, QWidget *parent = nullptr);

    // Places the controls in one row at y, as the classic windows do: the
    // extra time from the left edge, the shoot-out caption at penX and its
    // boxes from kicksX.
    void placeRow(int y, int penX, int kicksX);

    // Hands the controls to the form's own members, named as the form names them.
    void expose(QLabel *&extraCaption, QSpinBox *&extraBox1, QSpinBox *&extraBox2, QLabel *&kicksCaption,
                QSpinBox *&kicksBox1, QSpinBox *&kicksBox2) const;

    void setShown(bool shown);
    // Blanks the parts (the kicks to their lowest value) without signals.
    void clear();
    // Shows a recorded result: its parts where they add up to the stored
    // score, the 90 minutes (or the goals, where an older record does not
    // tell them) in the score boxes; otherwise the stored score alone.
    void showResult(const KnockoutScore &parts, int score1, int score2);
    // The result as typed, the 90 minutes from the score boxes.
    KnockoutScore typed() const;
    // Which part of it applies (typedResult).
    TypedKnockoutResult result() const { return typedResult(typed()); }

    QLabel *extraLabel, *kicksLabel;
    QSpinBox *extra1, *extra2, *kicks1, *kicks2;

private:
    QSpinBox *m_score1, *m_score2;
};
