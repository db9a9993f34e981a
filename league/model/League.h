#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <QTime>
#include <array>

// One match row of a matchday. Team 0 means "no team", goals -1 "no result".
struct Match {
    Match() = default;
    // A pairing and its goals, as rows are written everywhere; the day and
    // kick-off are set apart.
    Match(int a, int b, int ga = -1, int gb = -1) : teamA(a), teamB(b), goalsA(ga), goalsB(gb) { }

    int teamA = 0;
    int teamB = 0;
    int goalsA = -1;
    int goalsB = -1;
    // The match's own day and kick-off, both optional: a row without a date
    // stands on its matchday's dates. timeZone is the zone a file named for
    // the kick-off ("UTC+1"); empty means the desktop's own.
    QDate date;
    QTime time;
    QString timeZone;

    // A row counts in standings, curves, cross table and printed matchdays
    // only when both goal values were entered: the entry fields store each
    // value as it is typed, so a half-entered row must count nowhere. Team
    // slot 0 never matches a real slot, so empty rows drop out on their own.
    bool counts() const { return goalsA >= 0 && goalsB >= 0; }
    bool operator==(const Match &) const = default;
};

// How teams level on points are ranked, in the numbering the league file
// stores: 1 goal difference, goals scored, then slot order; 2 the same, then
// the matches among the teams still level, then slot order; 3 the matches
// among the teams level on points first, then goal difference, goals
// scored and slot order.
enum class TieOrder { Goals = 1, GoalsThenDirect = 2, DirectThenGoals = 3 };

// The zones of the league table, in the order the settings dialog lists
// them: four counted down from the top, two counted up from the bottom.
enum class Zone { Champion, ChampionsLeague, EuropaLeague, ConferenceLeague, RelegationPlayoff, Relegation };
constexpr int kZoneCount = 6;

struct RoundDates {
    QString dateFrom;
    QString dateTo;
    bool operator==(const RoundDates &) const = default;
};

// The one league tabulon holds in memory: teamCount slots (2..24),
// roundCount matchdays (1..99) and rowCount() = teamCount / 2 match rows per
// matchday. Arrays are indexed from 1 like the slots, matchdays and rows
// they hold and are sized for the largest league; element 0 and everything
// past the league's shape is unused and kept empty. The main window owns the
// only instance in the program.
class League {
public:
    // The classic shape: a new league and every file of the old program.
    static constexpr int kTeams = 18;
    static constexpr int kRounds = 34;
    static constexpr int kRows = 9;
    static constexpr int kMinTeams = 2;
    static constexpr int kMaxTeams = 24;
    static constexpr int kMinRounds = 1;
    static constexpr int kMaxRounds = 99;
    static constexpr int kMaxRows = kMaxTeams / 2;
    static constexpr const char *kProgramTitle = "Tabulon '98";

    using TeamInts = std::array<int, kMaxTeams + 1>;

    // options
    int teamCount = kTeams;
    int roundCount = kRounds;
    bool hasChampion = true;
    int clPlaces = 1;
    int ucPlaces = 3;
    int relegationPlaces = 3;
    // The zones older files did not know: the Conference League places
    // after the Europa League (ucPlaces) and the relegation play-off above
    // the relegated teams; a name and a colour (0xRRGGBB) per Zone, empty
    // or -1 for the zone's default. An older file reads with all of them
    // unset and looks as before.
    int conferencePlaces = 0;
    int playoffPlaces = 0;
    std::array<QString, kZoneCount> zoneNames;
    std::array<int, kZoneCount> zoneRgb{-1, -1, -1, -1, -1, -1};
    // The competition and season ("Premier League 2023/24"); empty for a
    // league that has none, whose documents carry the program's title.
    QString leagueName;
    int currentRound = 1;
    // Points for a win (2 or 3; a draw is always worth one) and the order
    // for teams level on points. The defaults rank as every older file did.
    int winPoints = 3;
    TieOrder tieOrder = TieOrder::Goals;

    // team slots
    std::array<QString, kMaxTeams + 1> teamNames;
    TeamInts startWins{};
    TeamInts startDraws{};
    TeamInts startLosses{};
    TeamInts startGoalsFor{};
    TeamInts startGoalsAgainst{};
    TeamInts penaltyPoints{};

    // matchdays
    std::array<RoundDates, kMaxRounds + 1> roundDates;
    std::array<std::array<Match, kMaxRows + 1>, kMaxRounds + 1> results;

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
    // currentRound to it. firstRound is capped at roundCount so that a
    // league whose start values claim that many games or more still shows
    // its last matchday.
    void ErsterST();

    // Match rows per matchday: one game for every two teams.
    int rowCount() const { return teamCount / 2; }
    static int rowCountFor(int teams) { return teams / 2; }
    // A double round robin: every team meets every other twice. With an odd
    // count one team rests on each matchday, so a half takes n matchdays.
    static int defaultRounds(int teams);
    static bool validTeamCount(int n) { return n >= kMinTeams && n <= kMaxTeams; }
    static bool validRoundCount(int r) { return r >= kMinRounds && r <= kMaxRounds; }

    // Why the league cannot take the shape of `teams` slots and `rounds`
    // matchdays, or an empty text when it can: a shape that drops a
    // matchday or match row holding a pairing or a result, or a slot that a
    // pairing names, is refused, so nothing entered is lost. Dates alone do
    // not hold a matchday; the program fills them itself. Counts outside
    // their ranges are refused as well.
    QString reshapeRefusal(int teams, int rounds) const;
    // Takes the new shape when reshapeRefusal() allows it and returns true;
    // otherwise changes nothing and returns false. Slots, matchdays and
    // rows that the new shape drops are emptied, new ones start empty, and
    // currentRound and firstRound are held within the new matchdays.
    bool reshape(int teams, int rounds);
    // Empties every slot, matchday and row past teamCount, roundCount and
    // rowCount(), so that whole-array comparisons see only the league.
    void clearBeyondShape();

    // Range-checked access; an index outside 1..roundCount or 1..rowCount()
    // throws LeagueError("Bereichsüberschreitung").
    Match &match(int round, int row);
    const Match &match(int round, int row) const;
    RoundDates &dates(int round);
    const RoundDates &dates(int round) const;

    // The places of a zone as the table uses them: the champion's one or
    // none, each other zone its count.
    int zonePlaces(Zone z) const;
    // The zone's name and colour, its default where none is set.
    QString zoneName(Zone z) const;
    int zoneColorRgb(Zone z) const;
    static QString defaultZoneName(Zone z);
    static int defaultZoneRgb(Zone z);
    // True when the league uses a zone or look older files could not hold:
    // more than one Champions League place, Conference League or play-off
    // places, or a name or colour of its own. Only then do the documents
    // carry the legend of the zones, so an older league exports as before.
    bool hasZonesOfToday() const;
    // The day match row `row` of matchday `round` is played: its own date,
    // otherwise the first day ("vom") of its matchday; invalid when neither
    // is known.
    QDate matchDay(int round, int row) const;
    // A match dated after the last day of its matchday: postponed and
    // played later ("Nachholspiel").
    bool isPostponed(int round, int row) const;
    // The league as it stood at the end of `day`: the results of matches
    // played after it are taken out, everything else stays. A match whose
    // day is not known at all keeps its result.
    League playedBy(const QDate &day) const;

    // What is wrong with the pairings of a matchday, one German sentence
    // each: a team that plays against itself, a team named in two rows.
    // The entry allows both, so that a row can be changed in any order.
    QStringList pairingWarnings(int round) const;
    // The one team without a match on a matchday of a league with an odd
    // number of teams, once every row holds a pairing of two other teams;
    // 0 otherwise.
    int restingTeam(int round) const;

    // Everything that a league file stores (not the working state).
    bool sameContents(const League &other) const;
};
