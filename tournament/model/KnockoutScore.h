#pragma once

#include <QString>

// How a knock-out match that went beyond 90 minutes was decided: the score
// after 90 minutes, after extra time and the shoot-out, each -1 where the
// match had no such part (or, for the 90 minutes, where an older record does
// not tell). The match files keep one score a side with the kicks added, so
// that it names the winner; this keeps the parts apart, so that a kick is
// never counted as a goal.
struct KnockoutScore
{
    int regular1 = -1, regular2 = -1; // after 90 minutes
    int extra1 = -1, extra2 = -1;     // after extra time, the 90 minutes included
    int kicks1 = -1, kicks2 = -1;     // the shoot-out

    static constexpr int kMax = 999;

    bool hasRegular() const { return regular1 >= 0 && regular2 >= 0; }
    bool hasExtraTime() const { return extra1 >= 0 && extra2 >= 0; }
    bool hasShootout() const { return kicks1 >= 0 && kicks2 >= 0; }
    // Something beyond a plain score: extra time or a shoot-out.
    bool isSet() const { return hasExtraTime() || hasShootout(); }
    // Some part beyond the 90 minutes was given, whole or not.
    bool touched() const { return extra1 >= 0 || extra2 >= 0 || kicks1 >= 0 || kicks2 >= 0; }

    // The goals of the match itself, the kicks not counted.
    int goals1() const { return hasExtraTime() ? extra1 : regular1; }
    int goals2() const { return hasExtraTime() ? extra2 : regular2; }
    // The score the match files keep: the goals and the kicks.
    int total1() const { return goals1() + (hasShootout() ? kicks1 : 0); }
    int total2() const { return goals2() + (hasShootout() ? kicks2 : 0); }

    // The parts follow the game's order: extra time only after a level 90
    // minutes and never fewer goals than then, a shoot-out only after a
    // level match; each part whole, none beyond kMax. The end may still be
    // level (a shoot-out not typed in full): decided() says it is not.
    bool wellFormed() const;
    // Well formed and with a winner.
    bool decided() const { return wellFormed() && total1() != total2(); }
    // Decided and adding up to the stored score.
    bool fits(int score1, int score2) const { return decided() && total1() == score1 && total2() == score2; }

    // The other side's view, for a match stored the other way round.
    KnockoutScore swapped() const;
    // As Football.TXT writes it: "2-2 a.e.t. (1-1), 4-3 pen.", "1-0 a.e.t.
    // (0-0)", "1-1, 4-3 pen."; empty when not set.
    QString text() const;

    bool operator==(const KnockoutScore &) const = default;
};

// A knock-out result as typed: the score after 90 minutes (regular1,
// regular2) and whatever was typed beyond it. Parts that follow the game's
// order make the result: the files keep the goals and the kicks added, the
// scorers account for the goals alone. Parts typed out of order are kept for
// the checks to refuse, beside the plain score; without parts the plain
// score is all there is.
struct TypedKnockoutResult
{
    KnockoutScore parts;        // unset when nothing beyond the 90 minutes was typed
    int score1 = 0, score2 = 0; // as the match files keep it
    int goals1 = 0, goals2 = 0; // what the scorers account for
    bool malformed() const { return parts.touched() && !parts.wellFormed(); }
};
TypedKnockoutResult typedResult(const KnockoutScore &typed);

namespace FootballTxt {
struct Match;
}

// The parts of a Football.TXT match that went beyond 90 minutes ("2-2
// a.e.t. (1-1), 4-3 pen."); not set for a match decided in 90 minutes or
// parts that do not follow the game's order.
KnockoutScore knockoutParts(const FootballTxt::Match &m);
// Writes a knock-out result into a Football.TXT match: its parts where they
// add up to the stored score, else the stored score as the full-time score.
void putKnockoutScore(FootballTxt::Match &m, int score1, int score2, const KnockoutScore &parts);
