#pragma once

#include <QString>
#include <array>

// One match row of a matchday. Team 0 means "no team", goals -1 "no result".
struct Match {
    int teamA = 0;
    int teamB = 0;
    int goalsA = -1;
    int goalsB = -1;

    // A row counts in standings, curves, cross table and printed matchdays
    // only when both goal values were entered: the entry fields store each
    // value as it is typed, so a half-entered row must count nowhere. Team
    // slot 0 never matches a real slot, so empty rows drop out on their own.
    bool counts() const { return goalsA >= 0 && goalsB >= 0; }
    bool operator==(const Match &) const = default;
};

struct RoundDates {
    QString dateFrom;
    QString dateTo;
    bool operator==(const RoundDates &) const = default;
};

// The one league tabulon holds in memory. Arrays are indexed from 1 like the
// team slots (1..18), matchdays (1..34) and match rows (1..9) they hold;
// element 0 is unused. The main window owns the only instance in the program.
class League {
public:
    static constexpr int kTeams = 18;
    static constexpr int kRounds = 34;
    static constexpr int kRows = 9;
    static constexpr const char *kProgramTitle = "Tabulon '98";

    using TeamInts = std::array<int, kTeams + 1>;

    // options
    int teamCount = kTeams;
    int roundCount = kRounds;
    bool hasChampion = true;
    int clPlaces = 1;
    int ucPlaces = 3;
    int relegationPlaces = 3;
    int currentRound = 1;

    // team slots
    std::array<QString, kTeams + 1> teamNames;
    TeamInts startWins{};
    TeamInts startDraws{};
    TeamInts startLosses{};
    TeamInts startGoalsFor{};
    TeamInts startGoalsAgainst{};
    TeamInts penaltyPoints{};

    // matchdays
    std::array<RoundDates, kRounds + 1> roundDates;
    std::array<std::array<Match, kRows + 1>, kRounds + 1> results;

    // derived
    int firstRound = 1;

    // working state
    QString leagueFileName;
    bool leagueSaved = true;
    QString programDir;

    League() { NeuSet(); }

    // Resets every league field to the defaults of a new league. programDir
    // is not part of the league and is kept.
    void NeuSet();

    // Recomputes firstRound from the start games of slot 1 and raises
    // currentRound to it. firstRound is capped at 34 so that a league whose
    // start values claim 34 or more games still shows its last matchday.
    void ErsterST();

    // Range-checked access; an index outside 1..34 or 1..9 throws
    // LeagueError("Bereichsüberschreitung").
    Match &match(int round, int row);
    const Match &match(int round, int row) const;
    RoundDates &dates(int round);
    const RoundDates &dates(int round) const;

    // Everything that a league file stores (not the working state).
    bool sameContents(const League &other) const;
};
