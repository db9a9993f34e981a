#pragma once

#include <array>

#include <QByteArray>
#include <QString>
#include <QStringList>

#include "tournament/format/FormatTournament.h"
#include "tournament/model/Tournament.h"

// Test data built by hand from the record layouts, independently of the
// program's own writers: 32-bit little-endian integers, names as a length
// byte and 20 bytes.
namespace th {

QByteArray le32(qint32 v);
QByteArray name21(const QByteArray &latin1); // length byte + 20 bytes, zero filled

struct Player
{
    QByteArray name;
    qint32 goals = 0;
};

// One 712-byte team record.
QByteArray teamRecord(const QByteArray &name, qint32 played, qint32 points, qint32 goalsFor,
                      qint32 goalsAgainst, const QByteArray &flag, const QList<Player> &players);
// One 56-byte match record.
QByteArray matchRecord(char code, const QByteArray &team1, const QByteArray &team2, qint32 s1, qint32 s2);

void writeFile(const QString &path, const QByteArray &bytes);
QByteArray readFile(const QString &path);

// Eight groups whose teams are named "A1".."A4" ... "H1".."H4", each with
// players "<team>p1".."<team>pN" (N = playersPerTeam), all figures 0.
void writeGroups(const QString &dir, int playersPerTeam = 3);

// A tournament in memory with the same teams as writeGroups.
void fillTournament(Tournament &t, int playersPerTeam = 3);

// Records a group match as the entry page would, without scorers.
void play(Tournament &t, const char *team1, const char *team2, int s1, int s2);

// What a run of the trophex program gave: exitCode is -1 when it crashed or
// did not end in time (it is killed then, so that a hang fails the test
// instead of stopping the run).
struct Run
{
    int exitCode = -1;
    QString out;
    QString err;
};
Run runTrophex(const QStringList &args, const QString &workDir = QString(), int timeoutMs = 60000);

// The lines of a report that start with kind and a tab.
QStringList outputLines(const QString &out, const QString &kind);

// A file of the open-football texts in tests/data.
QString openFootball(const QString &relative);

// A tournament of the shipped format `key` with its groups of four teams
// named "A1".."A4", "B1".."B4", ... by the draw, and no match yet.
FormatTournament drawnGroups(const QString &key);
// The six matches of group g in an orderly group: the first drawn beats
// all 1-0, the second beats the third and the fourth 1-0, the third beats
// the fourth by `margin`. In the order 1-2, 1-3, 1-4, 2-3, 2-4, 3-4, so that
// a test can change one to make its tie.
std::array<FormatGroupMatch, 6> orderlyGroupMatches(int g, int margin);

} // namespace th
