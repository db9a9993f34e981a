#include "tournament_helper.h"

#include <QFile>
#include <QProcess>
#include <QtTest>

#include "tournament/format/TournamentFormat.h"
#include "tournament/group/Ranking.h"

namespace th {

QByteArray le32(qint32 v)
{
    const quint32 u = quint32(v);
    QByteArray b(4, '\0');
    b[0] = char(u & 0xFF);
    b[1] = char((u >> 8) & 0xFF);
    b[2] = char((u >> 16) & 0xFF);
    b[3] = char((u >> 24) & 0xFF);
    return b;
}

QByteArray name21(const QByteArray &s)
{
    QByteArray b(21, '\0');
    b[0] = char(s.size());
    for (int i = 0; i < s.size() && i < 20; ++i)
        b[1 + i] = s[i];
    return b;
}

QByteArray teamRecord(const QByteArray &name, qint32 played, qint32 points, qint32 goalsFor,
                      qint32 goalsAgainst, const QByteArray &flag, const QList<Player> &players)
{
    QByteArray r;
    r += name21(name);                 // 0..20
    r += QByteArray(3, '\0');          // 21..23
    r += le32(played);                 // 24
    r += le32(points);                 // 28
    r += le32(goalsFor);               // 32
    r += le32(goalsAgainst);           // 36
    r += name21(flag);                 // 40..60
    r += QByteArray(3, '\0');          // 61..63
    r += le32(0);                      // 64 link
    for (int i = 0; i < 23; ++i) {     // 68 + 28 i
        if (i < players.size()) {
            r += name21(players[i].name);
            r += QByteArray(3, '\0');
            r += le32(players[i].goals);
        } else {
            r += QByteArray(28, '\0');
        }
    }
    Q_ASSERT(r.size() == 712);
    return r;
}

QByteArray matchRecord(char code, const QByteArray &team1, const QByteArray &team2, qint32 s1, qint32 s2)
{
    QByteArray r;
    r += code;
    r += name21(team1);   // 1..21
    r += name21(team2);   // 22..42
    r += '\0';            // 43
    r += le32(s1);        // 44
    r += le32(s2);        // 48
    r += le32(0);         // 52 link
    Q_ASSERT(r.size() == 56);
    return r;
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY2(f.open(QIODevice::WriteOnly | QIODevice::Truncate), qPrintable(path));
    QCOMPARE(f.write(bytes), bytes.size());
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray("<missing>");
    return f.readAll();
}

void writeGroups(const QString &dir, int playersPerTeam)
{
    for (char g = 'A'; g <= 'H'; ++g) {
        QByteArray bytes;
        for (int i = 1; i <= 4; ++i) {
            const QByteArray team = QByteArray(1, g) + QByteArray::number(i);
            QList<Player> players;
            for (int p = 1; p <= playersPerTeam; ++p)
                players.append({team + "p" + QByteArray::number(p), 0});
            bytes += teamRecord(team, 0, 0, 0, 0, "flag" + team, players);
        }
        writeFile(dir + "/groupe" + QChar(g) + ".dat", bytes);
    }
}

void fillTournament(Tournament &t, int playersPerTeam)
{
    t.groupes.clear();
    for (char g = 'A'; g <= 'H'; ++g) {
        TGroupe group;
        group.letter = g;
        for (int i = 1; i <= 4; ++i) {
            auto team = std::make_unique<TEquipe>();
            const QByteArray name = QByteArray(1, g) + QByteArray::number(i);
            team->name = ShortName(name);
            team->flag = ShortName("flag" + name);
            for (int p = 1; p <= playersPerTeam; ++p)
                team->squad[p - 1].name = ShortName(name + "p" + QByteArray::number(p));
            group.teams.push_back(std::move(team));
        }
        t.groupes.push_back(std::move(group));
    }
    t.chargement_ok = true;
}

void play(Tournament &t, const char *team1, const char *team2, int s1, int s2)
{
    TGroupe *group = t.findGroup(QString(QLatin1Char(team1[0])));
    TEquipe *a = findTeamInGroup(group, ShortName(team1));
    TEquipe *b = findTeamInGroup(group, ShortName(team2));
    QVERIFY(a && b);
    enregistre_resultat(a, b, s1, s2);
    addMatch(t.liste_matchs, group->letter, a->name, b->name, s1, s2);
    trie_groupe(t.liste_matchs, *group);
}

Run runTrophex(const QStringList &args, const QString &workDir, int timeoutMs)
{
    QProcess p;
    if (!workDir.isEmpty())
        p.setWorkingDirectory(workDir);
    p.start(QStringLiteral(TROPHEX_BIN), args);
    Run r;
    if (!p.waitForFinished(timeoutMs)) {
        p.kill();
        p.waitForFinished();
        return r;
    }
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

QStringList outputLines(const QString &out, const QString &kind)
{
    QStringList result;
    for (const QString &line : out.split(QLatin1Char('\n')))
        if (line.startsWith(kind + QLatin1Char('\t')))
            result << line;
    return result;
}

QString openFootball(const QString &relative)
{
    return QStringLiteral(TEST_SOURCE_DIR "/tests/data/open-football/") + relative;
}

FormatTournament drawnGroups(const QString &key)
{
    FormatTournament t;
    t.format = FormatFile::load(key).format;
    t.formatKey = key;
    for (int g = 0; g < t.format.groups; ++g) {
        FormatGroup group;
        group.letter = char('A' + g);
        for (int k = 0; k < 4; ++k)
            group.teams[size_t(k)].name = QStringLiteral("%1%2").arg(QChar('A' + g)).arg(k + 1);
        t.groups.push_back(group);
    }
    return t;
}

std::array<FormatGroupMatch, 6> orderlyGroupMatches(int g, int margin)
{
    const int a = 4 * g;
    return {{{a, a + 1, 1, 0}, {a, a + 2, 1, 0}, {a, a + 3, 1, 0},
             {a + 1, a + 2, 1, 0}, {a + 1, a + 3, 1, 0}, {a + 2, a + 3, margin, 0}}};
}

} // namespace th
