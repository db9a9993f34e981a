#pragma once

#include <array>
#include <vector>

#include <QString>
#include <QStringList>

#include "tournament/format/TournamentFormat.h"
#include "tournament/model/KnockoutScore.h"

// A tournament of any format: its groups with their teams in the order of
// the draw, the results, and the decisions that settle ties the rules
// cannot. Rankings and the bracket are never stored; they follow from these
// with rankFormat().
struct FormatTeam
{
    QString name;
    QString flag;        // base name of the flag picture, may be empty
    QStringList players; // squad in order, at most kMaxPlayers
    QList<int> goals;    // goals of each player, same length as players

    static constexpr int kMaxPlayers = 26;
    static constexpr int kMaxNameLength = 50;
};

struct FormatGroup
{
    char letter = 'A';
    std::array<FormatTeam, TournamentFormat::kTeamsPerGroup> teams;
};

// A group match; teams are numbered across the tournament, 4 × group + place
// in the draw.
struct FormatGroupMatch
{
    int team1 = 0;
    int team2 = 0;
    int score1 = 0;
    int score2 = 0;

    bool operator==(const FormatGroupMatch &) const = default;
};

// A knock-out match of the bracket, by its number in the format. A level
// match is decided by penalty kicks, whose goals are added, so the stored
// score is never level; parts says how it was decided when it went beyond
// 90 minutes (unset for older records), and always adds up to the score.
struct FormatKnockoutMatch
{
    int number = 0;
    int team1 = 0;
    int team2 = 0;
    int score1 = 0;
    int score2 = 0;
    KnockoutScore parts{};
};

// The order of teams that no rule separates, as the user (or lots, or the
// cards, or the import from the knock-out matches) decided it. It settles
// any tie whose teams are all in it, in the order given.
struct TieDecision
{
    std::vector<int> order; // team numbers, first to last
};

struct FormatTournament
{
    TournamentFormat format;
    QString formatKey;       // "world2026" for a shipped format, empty for a user's file
    std::vector<FormatGroup> groups;
    std::vector<FormatGroupMatch> groupMatches;     // in the order they were recorded
    std::vector<FormatKnockoutMatch> knockout;      // in the order they were recorded
    std::vector<TieDecision> decisions;

    int teamCount() const { return int(groups.size()) * TournamentFormat::kTeamsPerGroup; }
    FormatTeam &team(int n) { return groups[size_t(n / 4)].teams[size_t(n % 4)]; }
    const FormatTeam &team(int n) const { return groups[size_t(n / 4)].teams[size_t(n % 4)]; }
    QString teamName(int n) const { return n >= 0 && n < teamCount() ? team(n).name : QString(); }
    // The team of that exact name, or -1.
    int findTeam(const QString &name) const;
};

// One team's line in its group table.
struct FormatTableLine
{
    int team = -1;
    int played = 0;
    int won = 0;
    int drawn = 0;
    int lost = 0;
    int points = 0;
    int goalsFor = 0;
    int goalsAgainst = 0;
    int goalDifference() const { return goalsFor - goalsAgainst; }
};

// Teams the rules cannot separate and whose order matters, with no decision
// given: the user decides by putting them in order (a TieDecision).
struct OpenTie
{
    QString where;          // "Group C" or "third-placed teams"
    std::vector<int> teams; // in the order they stand until decided
    int group = -1;         // the group (0 = A), or -1 for the thirds
    int first = 0;          // the place of the first of them (0 = first), in the group or among the thirds
    int toChoose = 1;       // how many places, from the first, the user fills; the rest keep their order

    // The decision that puts chosen first, in that order, and the other
    // teams of the tie after them as they stand.
    TieDecision decision(const std::vector<int> &chosen) const;
};

struct FormatStandings
{
    struct Group
    {
        std::vector<FormatTableLine> lines; // in ranking order
        bool complete = false;              // all six matches played
        std::array<bool, TournamentFormat::kTeamsPerGroup> known{}; // the place is settled
    };
    std::vector<Group> groups;

    struct Third
    {
        FormatTableLine line;
        char group = 'A';
        bool qualified = false;
    };
    std::vector<Third> thirds; // in rank order, once every group's third is known
    bool thirdsKnown = false;  // the cut is settled

    struct Slot
    {
        int team1 = -1; // -1 while not known
        int team2 = -1;
        const FormatKnockoutMatch *result = nullptr;
        int winner = -1;
        int loser = -1;
    };
    std::vector<Slot> bracket; // in the format's match order
    int champion = -1;

    std::vector<OpenTie> open;
    // Per decision of the tournament: whether the rules leave exactly its
    // teams level with one another somewhere, so that it still settles the
    // tie it was taken for. A decision that settles nothing is stale.
    std::vector<bool> decisionHolds;
};

// Ranks every group by the format's points and order, ranks the thirds
// across groups, applies the decisions and resolves the bracket from the
// group results, the thirds' row and the knock-out results.
FormatStandings rankFormat(const FormatTournament &t);

// The ranking of one group on its own (teams numbered as in the
// tournament); used by rankFormat and by anyone who re-ranks one group.
// holds, when given, is marked for each decision that settles a tie of
// exactly its teams (sized as t.decisions).
FormatStandings::Group rankGroup(const FormatTournament &t, int group, std::vector<OpenTie> *open,
                                 std::vector<bool> *holds = nullptr);
