#pragma once

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTime>

// The plain-text match format of the open football data projects
// ("Football.TXT"): a title, stages, rounds with their matches, dates and
// times, scores, venues and goal scorers, and the squad files that go with
// a tournament. The reader turns UTF-8 bytes into the plain structure below
// and names the line of every item and of the first fault; the writer turns
// the structure back into text that reads back equal.
namespace FootballTxt {

// A season of 380 matches is about 26 KB; anything near this is no file of
// the format.
constexpr qint64 kMaxBytes = 4 * 1024 * 1024;
// Real lines stay under 200 characters; the limit bounds the work per line.
constexpr int kMaxLineLength = 4096;
// Dates have four-digit years, in the text as in JSON and in the league.
constexpr int kMinYear = 1000;
constexpr int kMaxYear = 9999;
// A goals list may run over a few lines; one that does not close within
// this many is a fault, not a list.
constexpr int kMaxGoalsLines = 50;
constexpr int kMaxGoals = 999;

struct Score {
    int a = -1;
    int b = -1;
    bool isSet() const { return a >= 0 && b >= 0; }
    bool operator==(const Score &) const = default;
};

enum class Side { None, Team1, Team2 };

struct GoalMinute {
    int minute = 0;
    int offset = 0; // stoppage time: 90+9' is minute 90, offset 9
    bool penalty = false;
    bool ownGoal = false;
    bool operator==(const GoalMinute &) const = default;
};

// One scorer of a match with every minute he scored in. An own goal is
// listed on the side it counted for. A player may be empty (a minute the
// file gives to nobody); side None means the file does not tell which team
// the goals counted for.
struct Goal {
    QString player;
    QList<GoalMinute> minutes;
    Side side = Side::None;
    int line = 0;
};

struct Match {
    int line = 0;
    QDate date;       // invalid when the file gives none
    QTime time;       // invalid when the file gives none
    QString timeZone; // "UTC-3" after the time, or empty
    QString team1;
    QString team2;
    Score ft;  // full time
    Score ht;  // half time
    Score et;  // after extra time
    Score pen; // penalty shoot-out
    QString venue; // everything after "@": "Al Bayt Stadium, Al Khor"
    // A note in brackets after the score: "awarded" for "0-2 [awarded]",
    // "annulled", "cancelled". The score stands as written; what the note
    // means for a table is the reader's caller's to decide.
    QString note;
    QList<Goal> goals;

    bool played() const { return ft.isSet() || et.isSet(); }
    // The score the match ended with before any shoot-out.
    Score result() const { return et.isSet() ? et : ft; }
};

// A round as its heading starts it ("Matchday 5", "Group A", "Final").
// Every heading gives a round of its own, also one that comes again later
// in the file; number is the first number in the heading, 0 when it has
// none. Matches before any heading of their stage form a round with an
// empty heading.
struct Round {
    QString heading;
    int number = 0;
    int line = 0;
    QList<Match> matches;

    QDate firstDay() const;
    QDate lastDay() const;
};

// "▪ Matchday 1 | June 10-15": the days of a round, given apart from its
// matches.
struct RoundDays {
    QString heading;
    int number = 0;
    QString days;
    int line = 0;
};

// "Group A | Qatar  Ecuador  Senegal  Netherlands".
struct Group {
    QString name;
    QStringList teams;
    int line = 0;
};

// "== Finals". The lines before the first such heading form a stage with
// an empty name and line 0.
struct Stage {
    QString name;
    int line = 0;
    QList<Group> groups;
    QList<RoundDays> roundDays;
    QList<Round> rounds;
};

enum class Problem {
    // faults: the file is not read
    NotUtf8,
    CrLineEnds,
    TooLarge,
    LineTooLong,
    ControlCharacter,
    UnknownLine,
    BadScore,
    MissingTeam,
    BadName,
    BadDate,
    BadTime,
    GoalsWithoutMatch,
    GoalsUnclosed,
    GoalsTwice,
    GoalsSides,
    BadPlayer,
    JsonSyntax,
    JsonField,
    // warnings: the file is read, the item is left out or credited to no one
    DateWithoutYear,
    GoalsNoSide,
    GoalNoPlayer,
    ScorerNoMinute,
    SecondTitle,
};

struct Issue {
    int line = 0; // 1-based; 0 when the fault is the file's as a whole
    Problem problem = Problem::UnknownLine;
    QString detail;
};

// The problem in words, without the line.
QString message(const Issue &issue);
// "line 12: score not understood: 2-"
QString lineMessage(const Issue &issue);

struct Document {
    QString title;
    int titleLine = 0;
    QList<Stage> stages; // at least one
    QList<Issue> warnings;

    int matchCount() const;
};

struct ReadResult {
    bool ok = false;
    Issue error;
    Document document;
};

ReadResult read(const QByteArray &utf8);

// Why the writer cannot put the document into text that reads back equal
// (a name holding "#" or "@", a heading that would read as a match, ...),
// or an empty text when it can. Every document the reader returns can be
// written.
QString unwritable(const Document &doc);
// UTF-8 with LF line ends, in the first form of every line: "Matchday 1",
// "[Fri Aug/18]", "  20.30  Team 1  2-1 (1-0)  Team 2  @ Ground".
QByteArray write(const Document &doc);

// Same title, stages, groups, rounds, matches and goals; line numbers and
// warnings are not compared.
bool sameContent(const Document &a, const Document &b);

// Whether name can stand as a team name on a match line: it starts with a
// letter or digit, holds no "#", "@", "|", no run of two blanks, no score,
// no "v" and no score mark of its own, and no time or date at its start.
bool isTeamName(const QString &name);

// --- squad files: "(10)  FW  Ronaldo  ## club"
struct Player {
    int number = 0; // 0 when the line gives none
    QString position; // "GK", "DF", "MF", "FW", or empty
    QString name;
    int line = 0;
    bool operator==(const Player &o) const
    {
        return number == o.number && position == o.position && name == o.name;
    }
};

struct SquadResult {
    bool ok = false;
    Issue error;
    QString title; // "= Brazil" when the file has one
    QList<Player> players;
};

// A caller's own reading of squad lines, tried on every line first (the
// line decoded and checked, its comment still on it): it reads the line into
// *player and returns true, or returns false and leaves the line, rewritten
// or not, to the reader.
using SquadLineForm = bool (*)(QString &line, Player *player);

SquadResult readSquad(QByteArrayView utf8, SquadLineForm otherForm = nullptr);
QByteArray writeSquad(const QString &title, const QList<Player> &players);

} // namespace FootballTxt
