#pragma once

#include <map>
#include <vector>

#include <QByteArray>
#include <QString>
#include <QStringList>

// The shape of a tournament: groups of four, points for a win, the ranking
// order of teams level on points, how many third-placed teams go on and
// which knock-out match takes which of them, and the bracket. The shipped
// formats are format files like the ones a user writes (see the README).
struct FormatSide
{
    enum Kind { GroupWinner, RunnerUp, Third, Winner, Loser };
    Kind kind = GroupWinner;
    char group = 'A';   // GroupWinner, RunnerUp
    QByteArray groups;  // Third: the groups whose third may take this side, sorted
    int match = 0;      // Winner, Loser: the number of the earlier match

    bool isGroupSide() const { return kind == GroupWinner || kind == RunnerUp || kind == Third; }
    // As the format file writes it: "1A", "2C", "3ADEF", "W37", "L49".
    QString text() const;
};

struct FormatMatch
{
    int number = 0;
    FormatSide sides[2];
    int round = 0; // 0 for the first knock-out round, then one more per round
    bool losers = false; // the match of the two losers of the semi-finals
    int line = 0;
};

struct TournamentFormat
{
    enum class Order { Goals, Direct };

    QString name;        // "World Cup 2026"
    int groups = 0;      // 2..12, letters 'A'.. in order
    int win = 3;         // points for a win; a draw is worth 1
    Order order = Order::Goals;
    int thirds = 0;      // third-placed teams that go on
    std::vector<int> thirdMatches;            // the matches that take a third, in row column order
    std::map<QByteArray, QByteArray> rows;    // qualified groups (sorted) -> group of each third match's third
    std::vector<FormatMatch> matches;         // in order of play
    QByteArray source;   // the format file as read, to be stored with a tournament

    static constexpr int kTeamsPerGroup = 4;
    static constexpr int kMaxGroups = 12;

    int teamCount() const { return groups * kTeamsPerGroup; }
    // Index into matches of the match with that number, or -1.
    int indexOf(int number) const;
    // "Round of 32", "Round of 16", "Quarter-finals", "Semi-finals",
    // "Match for third place", "Final".
    QString roundName(const FormatMatch &m) const;
    int firstRoundTeams() const { return 2 * groups + thirds; }
    // Matches whose sides name a group (the first knock-out round).
    int firstRoundMatches() const { return firstRoundTeams() / 2; }
};

namespace FormatFile {

// A format file is a few kilobytes (the 2026 one with its 495 rows under
// 15 KB); anything much larger is no format file.
constexpr qint64 kMaxBytes = 256 * 1024;
constexpr int kMaxLineLength = 1024;
constexpr int kMaxNameLength = 60;

struct Read
{
    bool ok = false;
    QString error; // "FILE: line N: what was expected" when ok is false
    TournamentFormat format;
};

// Reads and checks a format file; fileName only goes into the messages.
Read parse(const QByteArray &bytes, const QString &fileName);

// The format under the name of a tournament played by its rules ("Euro
// 2024" by those of "Euro 2020"): the name and its line in the text,
// everything else as read. False, with the format unchanged, for a name the
// file cannot hold or that it already has.
bool rename(TournamentFormat &f, const QString &name);
// Whether two format texts differ at most in their name lines.
bool sameRules(const QByteArray &a, const QByteArray &b);

// The names of the shipped formats, in the order --formats lists them.
QStringList shippedNames();
// The text of a shipped format, or an empty array for an unknown name.
QByteArray shippedText(const QString &key);

// A shipped format by its name ("world2026"), or else a format file by its
// path; the file is read with the usual bounds (no FIFOs, size limit).
Read load(const QString &nameOrPath);

// The shipped format whose key is the classic 32-team tournament.
inline constexpr const char *kClassicKey = "world1998";
// Whether the format is the classic one, whose tournaments keep today's files.
bool isClassic(const TournamentFormat &f);

} // namespace FormatFile
