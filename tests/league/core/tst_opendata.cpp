// Leagues from and to the open football data files: real seasons give the
// published tables, a half-played season keeps its open pairings, whatever
// is not a league matchday is listed and left out, a file that cannot be
// taken whole changes nothing and names its line, and an export reads back
// into the same league.
#include "files_helper.h"

#include "league/model/League.h"
#include "league/model/LeagueError.h"
#include "league/model/LeagueOpenData.h"
#include "league/standings/Standings.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

using LeagueOpenData::Format;

namespace {

QString dataPath(const QString &name)
{
    return QStringLiteral(TEST_SOURCE_DIR "/tests/data/open-football/") + name;
}

QByteArray dataFile(const QString &name)
{
    QFile f(dataPath(name));
    if (!f.open(QIODevice::ReadOnly))
        qFatal("missing test file %s", qPrintable(name));
    return f.readAll();
}

struct Row {
    QString name;
    int games = 0, wins = 0, draws = 0, losses = 0, goalsFor = 0, goalsAgainst = 0, deducted = 0;
    int points() const { return 3 * wins + draws - deducted; }
    int diff() const { return goalsFor - goalsAgainst; }
};

void tally(QHash<QString, Row> &rows, const QString &a, const QString &b, int ga, int gb)
{
    Row &x = rows[a];
    Row &y = rows[b];
    x.name = a;
    y.name = b;
    ++x.games;
    ++y.games;
    x.goalsFor += ga;
    x.goalsAgainst += gb;
    y.goalsFor += gb;
    y.goalsAgainst += ga;
    if (ga > gb) {
        ++x.wins;
        ++y.losses;
    } else if (ga < gb) {
        ++y.wins;
        ++x.losses;
    } else {
        ++x.draws;
        ++y.draws;
    }
}

QList<Row> sorted(const QHash<QString, Row> &rows)
{
    QList<Row> out = rows.values();
    std::sort(out.begin(), out.end(), [](const Row &p, const Row &q) {
        if (p.points() != q.points())
            return p.points() > q.points();
        if (p.diff() != q.diff())
            return p.diff() > q.diff();
        if (p.goalsFor != q.goalsFor)
            return p.goalsFor > q.goalsFor;
        return p.name < q.name;
    });
    return out;
}

// The table straight from the file's text, without the reader: every line
// "Team1  2-1 (1-0)  Team2" or "Team1 v Team2  2-1 (1-0)"; `deductions`
// are points taken from the teams they name.
QList<Row> tableOfText(const QByteArray &bytes, const QHash<QString, int> &deductions = {})
{
    static const QRegularExpression plain(
        QStringLiteral("^\\s*(?:\\d\\d\\.\\d\\d\\s+)?(\\S.*?)\\s+(\\d+)-(\\d+)(?:\\s+\\(\\d+-\\d+\\))?\\s+(\\S.*?)\\s*$"));
    static const QRegularExpression versus(
        QStringLiteral("^\\s*(?:\\d\\d\\.\\d\\d\\s+)?(\\S.*?)\\s+v\\s+(\\S.*?)\\s+(\\d+)-(\\d+)(?:\\s+\\(\\d+-\\d+\\))?\\s*$"));
    QHash<QString, Row> rows;
    for (const QByteArray &raw : bytes.split('\n')) {
        const QString line = QString::fromUtf8(raw);
        if (line.trimmed().startsWith('#'))
            continue;
        QRegularExpressionMatch m = versus.match(line);
        if (m.hasMatch()) {
            tally(rows, m.captured(1), m.captured(2), m.captured(3).toInt(), m.captured(4).toInt());
            continue;
        }
        if (line.contains(QStringLiteral(" v ")))
            continue; // not played yet
        m = plain.match(line);
        if (m.hasMatch())
            tally(rows, m.captured(1), m.captured(4), m.captured(2).toInt(), m.captured(3).toInt());
    }
    for (auto it = deductions.begin(); it != deductions.end(); ++it)
        rows[it.key()].deducted = it.value();
    return sorted(rows);
}

// The table of the imported league's rows.
QList<Row> tableOfLeague(const League &l)
{
    QHash<QString, Row> rows;
    for (int j = 1; j <= l.roundCount; ++j)
        for (int k = 1; k <= l.rowCount(); ++k) {
            const Match &m = l.match(j, k);
            if (m.counts())
                tally(rows, l.teamNames[m.teamA], l.teamNames[m.teamB], m.goalsA, m.goalsB);
        }
    return sorted(rows);
}

QString rowText(const Row &r)
{
    return QStringLiteral("%1 %2 %3-%4-%5 %6:%7 %8")
        .arg(r.name)
        .arg(r.games)
        .arg(r.wins)
        .arg(r.draws)
        .arg(r.losses)
        .arg(r.goalsFor)
        .arg(r.goalsAgainst)
        .arg(r.points());
}

QString refusal(const QByteArray &bytes, Format format = Format::Txt)
{
    try {
        LeagueOpenData::importBytes(bytes, format, QStringLiteral("liga.txt"));
    } catch (const LeagueError &e) {
        return e.message();
    }
    return QString();
}

QByteArray season(int teams, int rounds, const QString &extra = QString())
{
    QString text = QStringLiteral("= Testliga 2024/25\n");
    for (int j = 1; j <= rounds; ++j) {
        text += QStringLiteral("Matchday %1\n[Sat Aug/%2]\n").arg(j).arg(j + 2);
        for (int k = 1; k + 1 <= teams; k += 2)
            text += QStringLiteral("  Verein %1  1-0  Verein %2\n").arg(k).arg(k + 1);
    }
    return (text + extra).toUtf8();
}

} // namespace

class TestOpenData : public QObject {
    Q_OBJECT
private slots:
    void seasonsGiveThePublishedTables_data();
    void seasonsGiveThePublishedTables();
    void wellKnownFinalTables();
    void deductionsGiveThePublishedTable();
    void matchdaysTakeTheirDaysAndPostponedMatches();
    void halfPlayedSeasonKeepsItsOpenPairings();
    void writtenBackReadsEqual_data();
    void writtenBackReadsEqual();
    void whatIsNoMatchdayIsListedAndLeftOut();
    void headingsNumberTheMatchdays();
    void notesAndShootOutsAreSaid();
    void refusals_data();
    void refusals();
    void unreadableFiles();
    void exportSaysWhatItCannotCarry();
    void exportRefusesWhatCannotReadBack();
    void suggestedFileNames();
};

void TestOpenData::seasonsGiveThePublishedTables_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("teams");
    QTest::addColumn<int>("rounds");
    QTest::newRow("Bundesliga 2023/24") << "league/de-2023-24-bundesliga.txt" << 18 << 34;
    QTest::newRow("3. Liga 2023/24") << "league/de-2023-24-3-liga.txt" << 20 << 38;
    QTest::newRow("Premier League 2023/24") << "league/en-2023-24-premierleague.txt" << 20 << 38;
    QTest::newRow("Bundesliga 2025/26") << "league/de-2025-26-bundesliga.txt" << 18 << 34;
}

void TestOpenData::seasonsGiveThePublishedTables()
{
    QFETCH(QString, file);
    QFETCH(int, teams);
    QFETCH(int, rounds);
    const QByteArray bytes = dataFile(file);
    const LeagueOpenData::Imported im = LeagueOpenData::importBytes(bytes, Format::Txt, file);
    const League &l = im.league;
    QCOMPARE(l.teamCount, teams);
    QCOMPARE(l.roundCount, rounds);
    QVERIFY(im.skipped.isEmpty());
    QVERIFY(l.leagueFileName.isEmpty());
    QVERIFY(!l.leagueSaved);
    QVERIFY(im.title.endsWith(file.contains("2025") ? "2025/26" : "2023/24"));

    const QList<Row> expected = tableOfText(bytes);
    const QList<Row> got = tableOfLeague(l);
    QCOMPARE(got.size(), teams);
    QCOMPARE(expected.size(), teams);
    for (int i = 0; i < teams; ++i)
        QCOMPARE(rowText(got[i]), rowText(expected[i]));
    // Every matchday is full, in a finished season and a half-played one.
    for (int j = 1; j <= rounds; ++j)
        for (int k = 1; k <= l.rowCount(); ++k)
            QVERIFY(l.match(j, k).teamA > 0 && l.match(j, k).teamB > 0);
}

void TestOpenData::wellKnownFinalTables()
{
    // Bayer Leverkusen 2023/24: champion, 90 points, unbeaten; Darmstadt last.
    const League bl = LeagueOpenData::importBytes(dataFile("league/de-2023-24-bundesliga.txt"), Format::Txt, "bl").league;
    Standings s;
    TabBer(bl, s);
    QCOMPARE(s.tableTotal[1].name, QStringLiteral("Bayer 04 Leverkusen"));
    QCOMPARE(s.tableTotal[1].points, 90);
    QCOMPARE(s.tableTotal[1].losses, 0);
    QCOMPARE(s.tableTotal[1].games, 34);
    QCOMPARE(s.tableTotal[2].name, QStringLiteral("VfB Stuttgart"));
    QCOMPARE(s.tableTotal[2].points, 73);
    QCOMPARE(s.tableTotal[18].name, QStringLiteral("SV Darmstadt 98"));
    QCOMPARE(s.tableTotal[18].points, 17);

    // Premier League 2023/24: Manchester City 91, Arsenal 89.
    const QList<Row> pl =
        tableOfLeague(LeagueOpenData::importBytes(dataFile("league/en-2023-24-premierleague.txt"), Format::Txt, "pl").league);
    QCOMPARE(pl[0].name, QStringLiteral("Manchester City FC"));
    QCOMPARE(pl[0].points(), 91);
    QCOMPARE(pl[1].name, QStringLiteral("Arsenal FC"));
    QCOMPARE(pl[1].points(), 89);
    QCOMPARE(pl[19].name, QStringLiteral("Sheffield United FC"));
    QCOMPARE(pl[19].points(), 16);
}

void TestOpenData::deductionsGiveThePublishedTable()
{
    // Premier League 2023/24 with Everton's 8 and Nottingham Forest's 4
    // deducted points, entered in a league that starts at matchday 1.
    const QByteArray bytes = dataFile("league/en-2023-24-premierleague.txt");
    const QHash<QString, int> deductions{{QStringLiteral("Everton FC"), 8},
                                         {QStringLiteral("Nottingham Forest FC"), 4}};
    League l = LeagueOpenData::importBytes(bytes, Format::Txt, "pl").league;
    for (int i = 1; i <= l.teamCount; ++i)
        l.penaltyPoints[i] = deductions.value(l.teamNames[i]);
    QCOMPARE(l.firstRound, 1);

    const QList<Row> expected = tableOfText(bytes, deductions);
    Standings s;
    TabBer(l, s);
    QCOMPARE(expected.size(), 20);
    for (int r = 1; r <= 20; ++r) {
        const Row &e = expected[r - 1];
        const StandingsRow &got = s.tableTotal[r];
        QCOMPARE(got.name, e.name);
        QCOMPARE(got.points, e.points());
        QCOMPARE(got.goalDiff, e.diff());
        QCOMPARE(got.deducted, e.deducted);
    }
    // The published final table.
    QCOMPARE(s.tableTotal[15].name, QStringLiteral("Everton FC"));
    QCOMPARE(s.tableTotal[15].points, 40);
    QCOMPARE(s.tableTotal[17].name, QStringLiteral("Nottingham Forest FC"));
    QCOMPARE(s.tableTotal[17].points, 32);
    QCOMPARE(deductionText(s.tableTotal[15]), QStringLiteral("Punktabzug: 8"));
}

void TestOpenData::matchdaysTakeTheirDaysAndPostponedMatches()
{
    const League bl = LeagueOpenData::importBytes(dataFile("league/de-2023-24-bundesliga.txt"), Format::Txt, "bl").league;
    // "[Fri Aug/18]" .. "[Sun Aug/20]"; slots in the order of first appearance.
    QCOMPARE(bl.dates(1).dateFrom, QStringLiteral("18.08.2023"));
    QCOMPARE(bl.dates(1).dateTo, QStringLiteral("20.08.2023"));
    QCOMPARE(bl.dates(34).dateFrom, QStringLiteral("18.05.2024"));
    QCOMPARE(bl.teamNames[1], QStringLiteral("SV Werder Bremen"));
    QCOMPARE(bl.teamNames[2], QStringLiteral("FC Bayern München"));
    Match opener{1, 2, 0, 4};
    opener.date = QDate(2023, 8, 18);
    opener.time = QTime(20, 30);
    QCOMPARE(bl.match(1, 1), opener);

    // 2025/26: matchday 16 comes again after matchday 19 with two matches
    // played on January 27; they belong to matchday 16 as postponed matches,
    // and the matchday keeps the days of its first heading.
    const League now = LeagueOpenData::importBytes(dataFile("league/de-2025-26-bundesliga.txt"), Format::Txt, "bl").league;
    QCOMPARE(now.dates(16).dateFrom, QStringLiteral("09.01.2026"));
    QCOMPARE(now.dates(16).dateTo, QStringLiteral("11.01.2026"));
    const Match &late = now.match(16, 9);
    QCOMPARE(late.date, QDate(2026, 1, 27));
    QCOMPARE(late.time, QTime(20, 30));
    QVERIFY(now.isPostponed(16, 9));
    QVERIFY(now.isPostponed(16, 8));
    QVERIFY(!now.isPostponed(16, 7));
    QCOMPARE(now.teamNames[late.teamA], QStringLiteral("FC St. Pauli 1910"));
    QCOMPARE(now.teamNames[late.teamB], QStringLiteral("RB Leipzig"));
    QCOMPARE(late.goalsA, 1);
    QCOMPARE(late.goalsB, 1);
    QCOMPARE(now.dates(1).dateFrom, QStringLiteral("22.08.2025"));
    QCOMPARE(now.dates(34).dateTo, QStringLiteral("16.05.2026"));
}

void TestOpenData::halfPlayedSeasonKeepsItsOpenPairings()
{
    const QByteArray bytes = dataFile("league/de-2025-26-bundesliga.txt");
    // Open pairings in the text: "Team v Team" without a score at the end.
    static const QRegularExpression score(QStringLiteral("\\s\\d+-\\d+(\\s+\\(\\d+-\\d+\\))?\\s*$"));
    int openInText = 0;
    for (const QByteArray &l : bytes.split('\n'))
        if (l.contains(" v ") && !score.match(QString::fromUtf8(l)).hasMatch())
            ++openInText;
    QVERIFY(openInText > 0);

    const League l = LeagueOpenData::importBytes(bytes, Format::Txt, "bl").league;
    int open2 = 0, played = 0, lastPlayed = 0;
    for (int j = 1; j <= l.roundCount; ++j)
        for (int k = 1; k <= l.rowCount(); ++k) {
            const Match &m = l.match(j, k);
            QVERIFY(m.teamA > 0 && m.teamB > 0 && m.teamA != m.teamB);
            if (m.goalsA == -1 && m.goalsB == -1)
                ++open2;
            else {
                QVERIFY(m.counts());
                ++played;
                lastPlayed = j;
            }
        }
    QCOMPARE(open2, openInText);
    QCOMPARE(open2 + played, 306);
    for (int k = 1; k <= 9; ++k)
        QCOMPARE(l.match(34, k).goalsA, -1);
    // The window shows the last matchday with a result.
    QCOMPARE(l.currentRound, lastPlayed);
}

void TestOpenData::writtenBackReadsEqual_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("format");
    for (const char *f : {"league/de-2023-24-bundesliga.txt", "league/de-2023-24-3-liga.txt",
                          "league/de-2025-26-bundesliga.txt", "league/en-2023-24-premierleague.txt"}) {
        QTest::addRow("%s as text", f) << f << int(Format::Txt);
        QTest::addRow("%s as JSON", f) << f << int(Format::Json);
    }
}

void TestOpenData::writtenBackReadsEqual()
{
    QFETCH(QString, file);
    QFETCH(int, format);
    const LeagueOpenData::Imported im = LeagueOpenData::importBytes(dataFile(file), Format::Txt, file);
    QStringList notes;
    const QByteArray written = LeagueOpenData::exportBytes(im.league, im.title, Format(format), &notes);
    QVERIFY2(notes.isEmpty(), qPrintable(notes.join('\n')));
    const LeagueOpenData::Imported back = LeagueOpenData::importBytes(written, Format(format), "back");
    QVERIFY(back.league.sameContents(im.league));
    QCOMPARE(back.title, im.title);
    QVERIFY(back.skipped.isEmpty());

    // Through a file as well, whole and UTF-8.
    QTemporaryDir dir;
    const QString path = dir.filePath(format == int(Format::Txt) ? "liga.txt" : "liga.json");
    QVERIFY(LeagueOpenData::exportFile(im.league, im.title, path, Format(format)).isEmpty());
    QVERIFY(LeagueOpenData::importFile(path, Format(format)).league.sameContents(im.league));
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    QCOMPARE(bytes, written);
    QVERIFY(!bytes.contains('\r'));
    for (int i = 1; i <= im.league.teamCount; ++i)
        QVERIFY(QString::fromUtf8(bytes).contains(im.league.teamNames[i]));
}

void TestOpenData::whatIsNoMatchdayIsListedAndLeftOut()
{
    const QByteArray text = season(4, 2,
                                   "\n▪ Round of 16\n[Sat Sep/20]\n  Verein 1  2-0  Verein 3\n"
                                   "\n== Finals\n▪ Final\n[Sat May/24]\n  Verein 1  1-0  Verein 2\n  Verein 3  0-0  Verein 4\n")
        + QByteArray("== Relegation\n  Verein 9  1-1  Verein 10\n");
    const LeagueOpenData::Imported im = LeagueOpenData::importBytes(text, Format::Txt, "liga.txt");
    QCOMPARE(im.league.teamCount, 4);
    QCOMPARE(im.league.roundCount, 2);
    QCOMPARE(im.skipped,
             QStringList({"Zeile 11: Runde \"Round of 16\" ist kein Spieltag, übersprungen (1 Spiel)",
                          "Zeile 15: Stufe \"Finals\" übersprungen (2 Spiele)",
                          "Zeile 20: Stufe \"Relegation\" übersprungen (1 Spiel)"}));
    // The teams of the left-out parts take no slot.
    QCOMPARE(im.league.teamNames[4], QStringLiteral("Verein 4"));

    // Matches without a matchday heading are not put on one.
    const LeagueOpenData::Imported loose = LeagueOpenData::importBytes(
        QByteArray("= Liga 2024\n[Sat Aug/3]\n  A  1-0  B\nMatchday 1\n  C  1-0  D\n"), Format::Txt, "x");
    QCOMPARE(loose.skipped, QStringList({"Zeile 3: 1 Spiel ohne Spieltag übersprungen"}));
    QCOMPARE(loose.league.teamNames[1], QStringLiteral("C"));

    // A tournament has no league at all.
    QCOMPARE(refusal(dataFile("worldcup-2022/cup.txt")), QStringLiteral("Datei liga.txt: keine Spieltage einer Liga gefunden"));
}

void TestOpenData::headingsNumberTheMatchdays()
{
    // Numbers decide; a heading without one follows the highest so far; a
    // heading that comes again adds to its matchday.
    const QByteArray text = "= Liga 2024\n"
                            "» 2. Round\n  A  1-0  B\n"
                            "» 1. Round\n  C  1-0  D\n"
                            "Rückrunde\n  A  0-1  C\n"
                            "▪ Spieltag 2\n  C v D\n"
                            "Rückrunde\n  B v D\n";
    const League l = LeagueOpenData::importBytes(text, Format::Txt, "x").league;
    QCOMPARE(l.roundCount, 3);
    QCOMPARE(l.teamCount, 4);
    QCOMPARE(l.match(1, 1), (Match{3, 4, 1, 0}));
    QCOMPARE(l.match(2, 1), (Match{1, 2, 1, 0}));
    QCOMPARE(l.match(2, 2), (Match{3, 4, -1, -1}));
    QCOMPARE(l.match(3, 1), (Match{1, 3, 0, 1}));
    QCOMPARE(l.match(3, 2), (Match{2, 4, -1, -1}));
    QCOMPARE(l.teamNames[1], QStringLiteral("A"));
    QCOMPARE(l.teamNames[3], QStringLiteral("C"));
}

void TestOpenData::notesAndShootOutsAreSaid()
{
    // An awarded result stands; an annulled match has none; a shoot-out
    // has no place in a table, where the result after extra time counts.
    const QByteArray text = season(4, 1,
                                   "Matchday 2\n  Verein 1  0-2 [awarded]  Verein 3\n"
                                   "  Verein 2  1-1 a.e.t., 5-4 pen.  Verein 4\n"
                                   "Matchday 3\n  Verein 1  4-3 pen.  Verein 4\n"
                                   "  Verein 2 v Verein 3  3-0 [annulled]\n");
    const LeagueOpenData::Imported im = LeagueOpenData::importBytes(text, Format::Txt, "liga.txt");
    QCOMPARE(im.league.match(2, 1), (Match{1, 3, 0, 2}));
    QCOMPARE(im.league.match(2, 2), (Match{2, 4, 1, 1}));
    QCOMPARE(im.league.match(3, 1), (Match{1, 4, -1, -1}));
    QCOMPARE(im.league.match(3, 2), (Match{2, 3, -1, -1}));
    QCOMPARE(im.skipped,
             QStringList({"Zeile 7: Verein 1 - Verein 3 0:2 am grünen Tisch gewertet [awarded]",
                          "Zeile 8: Verein 2 - Verein 4 Elfmeterschießen 5:4 übergangen, es zählt 1:1",
                          "Zeile 10: Verein 1 - Verein 4 Elfmeterschießen 4:3 übergangen, das Spiel steht ohne Ergebnis",
                          "Zeile 11: Verein 2 - Verein 3 ohne Ergebnis übernommen [annulled]"}));
}

void TestOpenData::refusals_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("format");
    QTest::addColumn<QString>("message");

    QTest::newRow("line not understood") << QByteArray("= Liga 2024\nMatchday 1\n  A  B\n") << int(Format::Txt)
                                         << "Datei liga.txt, Zeile 3: Zeile nicht verstanden: A  B";
    QTest::newRow("25 teams") << season(26, 1) << int(Format::Txt)
                              << "Datei liga.txt, Zeile 16: mehr als 24 Mannschaften (\"Verein 25\")";
    // A team playing itself would be a win and a loss at once.
    QTest::newRow("one team") << QByteArray("= Liga 2024\nMatchday 1\n  A  1-1  A\n") << int(Format::Txt)
                              << "Datei liga.txt, Zeile 3: \"A\" spielt gegen sich selbst";
    QTest::newRow("a team playing itself") << season(4, 1, "Matchday 2\n  Verein 2  3-1  Verein 2\n") << int(Format::Txt)
                                           << "Datei liga.txt, Zeile 7: \"Verein 2\" spielt gegen sich selbst";
    QTest::newRow("one team in JSON, spelt two ways")
        << QByteArray("{\"matches\": [\n {\"round\": \"Matchday 1\", \"team1\": \"Alpha\", \"team2\": \" Alpha\"}]}")
        << int(Format::Json) << "Datei liga.txt, Zeile 2: \"Alpha\" spielt gegen sich selbst";
    QTest::newRow("JSON name of a blank")
        << QByteArray("{\"matches\": [\n {\"round\": \"Matchday 1\", \"team1\": \"A\", \"team2\": \" \"}]}")
        << int(Format::Json) << "Datei liga.txt, Zeile 2: Feld \"team2\" fehlt oder ist falsch";
    QTest::newRow("not Windows-1252") << season(4, 1, "Matchday 2\n  Verein 1  2-0  Đakovo\n") << int(Format::Txt)
                                      << "Datei liga.txt, Zeile 7: der Name \"Đakovo\" lässt sich nicht in Windows-1252 speichern";
    QTest::newRow("too many matches") << season(4, 1, "Matchday 1\n  Verein 1  2-0  Verein 3\n") << int(Format::Txt)
                                      << "Datei liga.txt, Zeile 7: Spieltag 1 hat mehr als 2 Spiele";
    QTest::newRow("matchday 100") << season(4, 1, "Matchday 100\n  Verein 1  2-0  Verein 3\n") << int(Format::Txt)
                                  << "Datei liga.txt, Zeile 6: Spieltag 100, höchstens 99 Spieltage möglich";
    // Every number outside 1..99 is refused, never taken for another matchday.
    QTest::newRow("matchday 0") << season(4, 1, "Matchday 0\n  Verein 1  2-0  Verein 3\n") << int(Format::Txt)
                                << "Datei liga.txt, Zeile 6: Spieltag 0 gibt es nicht, Spieltage zählen ab 1";
    QTest::newRow("matchday -3") << season(4, 1, "Matchday -3\n  Verein 1  2-0  Verein 3\n") << int(Format::Txt)
                                 << "Datei liga.txt, Zeile 6: Spieltag -3 gibt es nicht, Spieltage zählen ab 1";
    QTest::newRow("matchday of seven digits") << season(4, 1, "Matchday 1234567\n  Verein 1  2-0  Verein 3\n")
                                              << int(Format::Txt)
                                              << "Datei liga.txt, Zeile 6: Spieltag 1234567, höchstens 99 Spieltage möglich";
    QTest::newRow("JSON matchday 0")
        << QByteArray("{\"matches\": [\n {\"round\": \"Matchday 0\", \"team1\": \"A\", \"team2\": \"B\"}]}")
        << int(Format::Json) << "Datei liga.txt, Zeile 2: Spieltag 0 gibt es nicht, Spieltage zählen ab 1";
    QTest::newRow("JSON field") << QByteArray("{\"name\": \"L\",\n \"matches\": [\n {\"round\": \"Matchday 1\", \"team1\": \"A\"}]}")
                                << int(Format::Json) << "Datei liga.txt, Zeile 3: Feld \"team2\" fehlt oder ist falsch";
    QTest::newRow("name too long") << QByteArray("= L 2024\nMatchday 1\n  A  1-0  ") + QByteArray(1024, 'b') + "\n"
                                   << int(Format::Txt) << "Datei liga.txt, Zeile 3: Name länger als 1023 Zeichen";
}

void TestOpenData::refusals()
{
    QFETCH(QByteArray, text);
    QFETCH(int, format);
    QFETCH(QString, message);
    QCOMPARE(refusal(text, Format(format)), message);
}

void TestOpenData::unreadableFiles()
{
    QTemporaryDir dir;
    const QString missing = dir.filePath("fehlt.txt");
    try {
        LeagueOpenData::importFile(missing, Format::Txt);
        QFAIL("a missing file was read");
    } catch (const LeagueError &e) {
        QCOMPARE(e.message(), LeagueError::cannotOpen(missing));
    }
    try {
        LeagueOpenData::importFile(dir.path(), Format::Json);
        QFAIL("a folder was read");
    } catch (const LeagueError &e) {
        QCOMPARE(e.message(), LeagueError::cannotOpen(dir.path(), QStringLiteral("keine gewöhnliche Datei")));
    }
    const QString big = dir.filePath("gross.txt");
    QFile f(big);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QVERIFY(f.resize(4 * 1024 * 1024 + 1));
    f.close();
    try {
        LeagueOpenData::importFile(big, Format::Txt);
        QFAIL("a file over the limit was read");
    } catch (const LeagueError &e) {
        QCOMPARE(e.message(), LeagueError::cannotOpen(big, QStringLiteral("größer als 4 MB")));
    }
    // A file the user may not read says so.
    const QString locked = dir.filePath("gesperrt.json");
    writeAll(locked, "{}");
    QVERIFY(QFile::setPermissions(locked, QFileDevice::Permissions()));
    QString message;
    {
        AsUnprivileged guard;
        try {
            LeagueOpenData::importFile(locked, Format::Json);
        } catch (const LeagueError &e) {
            message = e.message();
        }
    }
    QCOMPARE(message, LeagueError::cannotOpen(locked, QStringLiteral("Dateizugriff verweigert")));
}

void TestOpenData::exportSaysWhatItCannotCarry()
{
    League l;
    l.reshape(4, 3);
    for (int i = 1; i <= 4; ++i)
        l.teamNames[i] = QStringLiteral("Elf %1").arg(i);
    l.match(1, 1) = Match{2, 1, 3, 1}; // slot 2 plays first
    l.match(1, 2) = Match{3, 0, -1, -1};
    l.match(2, 1) = Match{1, 3, 2, -1}; // half entered
    l.dates(2) = RoundDates{"01.09.2024", "03.09.2024"};
    l.startWins[1] = 1;
    QStringList notes;
    const QByteArray text = LeagueOpenData::exportBytes(l, "Liga", Format::Txt, &notes);
    QCOMPARE(notes, QStringList({"Spieltag 1, Zeile 2: ohne beide Mannschaften nicht exportiert",
                                 "Spieltag 2: mit einem Spiel nur ein Datum (01.09.2024)",
                                 "halb eingetragene Ergebnisse als nicht gespielt exportiert",
                                 "Mannschaften ohne Spiel fehlen: Elf 4",
                                 "beim Einlesen stehen die Mannschaften in der Reihenfolge ihres ersten Spiels",
                                 "Startwerte und Strafpunkte nicht exportiert"}));
    // What is carried reads back: three matchdays, the open row without result.
    const League back = LeagueOpenData::importBytes(text, Format::Txt, "x").league;
    QCOMPARE(back.roundCount, 3);
    QCOMPARE(back.teamCount, 3);
    QCOMPARE(back.teamNames[1], QStringLiteral("Elf 2"));
    QCOMPARE(back.match(1, 1), (Match{1, 2, 3, 1}));
    // A match without a day of its own is written on its matchday's first
    // day and comes back with it.
    Match open{2, 3, -1, -1};
    open.date = QDate(2024, 9, 1);
    QCOMPARE(back.match(2, 1), open);
    QCOMPARE(back.dates(2).dateFrom, QStringLiteral("01.09.2024"));

    // JSON has no empty matchdays.
    notes.clear();
    LeagueOpenData::exportBytes(l, "Liga", Format::Json, &notes);
    QCOMPARE(notes.last(), QStringLiteral("Spieltage ohne Spiel fehlen: 3"));

    // A league entered in slot order, with rows left open, comes back whole.
    League whole;
    whole.reshape(4, 2);
    for (int i = 1; i <= 4; ++i)
        whole.teamNames[i] = QStringLiteral("Süd %1").arg(i);
    whole.match(1, 1) = Match{1, 2, 0, 0};
    whole.match(1, 2) = Match{3, 4, -1, -1};
    whole.match(2, 1) = Match{4, 1, 5, 2};
    whole.dates(1) = RoundDates{"02.08.2024", "04.08.2024"};
    whole.dates(2) = RoundDates{"09.08.2024", "09.08.2024"};
    whole.currentRound = 2;
    // The title written is the league's name, read back as its name.
    whole.leagueName = QStringLiteral("Süd");
    // The file gives every match a day: the matchday's first match its
    // first day, the others its last; read back, each match keeps its day.
    League dated = whole;
    dated.match(1, 1).date = QDate(2024, 8, 2);
    dated.match(1, 2).date = QDate(2024, 8, 4);
    dated.match(2, 1).date = QDate(2024, 8, 9);
    for (Format f : {Format::Txt, Format::Json}) {
        notes.clear();
        const QByteArray bytes = LeagueOpenData::exportBytes(whole, "Süd", f, &notes);
        QVERIFY2(notes.isEmpty(), qPrintable(notes.join('\n')));
        QVERIFY(LeagueOpenData::importBytes(bytes, f, "x").league.sameContents(dated));
        QCOMPARE(LeagueOpenData::exportBytes(dated, "Süd", f, nullptr), bytes);
    }
}

void TestOpenData::exportRefusesWhatCannotReadBack()
{
    League l;
    l.reshape(4, 1);
    l.teamNames = {"", "Elf", "Elf", "C", "D"};
    l.match(1, 1) = Match{1, 2, 1, 0};
    QStringList notes;
    try {
        LeagueOpenData::exportBytes(l, "L", Format::Json, &notes);
        QFAIL("two teams of one name were exported");
    } catch (const LeagueError &e) {
        QCOMPARE(e.message(), QStringLiteral("Zwei Mannschaften heißen \"Elf\""));
    }
    l.teamNames[2] = QStringLiteral("Elf #2");
    try {
        LeagueOpenData::exportBytes(l, "L", Format::Txt, &notes);
        QFAIL("a name with a comment sign was exported");
    } catch (const LeagueError &e) {
        QCOMPARE(e.message(), QStringLiteral("Der Name \"Elf #2\" lässt sich in Football.TXT nicht schreiben"));
    }
    // JSON holds it.
    const QByteArray json = LeagueOpenData::exportBytes(l, "L", Format::Json, &notes);
    QCOMPARE(LeagueOpenData::importBytes(json, Format::Json, "x").league.teamNames[2], QStringLiteral("Elf #2"));
    // Names that would read back as another name, or not at all.
    const struct {
        const char *name;
        Format format;
        const char *formatName;
    } unreadable[] = {{"Elf\t2", Format::Json, "JSON"}, {" Elf 2", Format::Json, "JSON"},
                      {"Elf\u00a02", Format::Json, "JSON"}, {"Pen(zberg)", Format::Txt, "TXT"},
                      {"aet(1)", Format::Txt, "TXT"}, {"Elf\u00a02", Format::Txt, "TXT"}};
    for (const auto &u : unreadable) {
        l.teamNames[2] = QString::fromUtf8(u.name);
        try {
            LeagueOpenData::exportBytes(l, "L", u.format, &notes);
            QFAIL(u.name);
        } catch (const LeagueError &e) {
            QCOMPARE(e.message(), QStringLiteral("Der Name \"%1\" lässt sich in Football.%2 nicht schreiben")
                                      .arg(QString::fromUtf8(u.name), QLatin1String(u.formatName)));
        }
    }
    l.teamNames[2] = QStringLiteral("Elf #2");

    // Nothing is written when the export is refused, and an old file stays.
    QTemporaryDir dir;
    const QString path = dir.filePath("liga.txt");
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("alt");
    old.close();
    QVERIFY_THROWS_EXCEPTION(LeagueError, LeagueOpenData::exportFile(l, "L", path, Format::Txt));
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), QByteArray("alt"));
    old.close();
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList({"liga.txt"}));
    try {
        LeagueOpenData::exportFile(l, "L", dir.filePath("fehlt/liga.json"), Format::Json);
        QFAIL("a file in a missing folder was written");
    } catch (const LeagueError &e) {
        QCOMPARE(e.message(), LeagueError::cannotWrite(dir.filePath("fehlt/liga.json")));
    }
}

void TestOpenData::suggestedFileNames()
{
    QCOMPARE(LeagueOpenData::suggestedFileName("Deutsche Bundesliga 2023/24"), QStringLiteral("Deutsche Bundesliga 2023-24.T98"));
    QCOMPARE(LeagueOpenData::suggestedFileName("a:b*c?\"<>|"), QStringLiteral("a-b-c-----.T98"));
    QCOMPARE(LeagueOpenData::suggestedFileName(".."), QStringLiteral("Liga.T98"));
    QCOMPARE(LeagueOpenData::suggestedFileName(""), QStringLiteral("Liga.T98"));
    League l;
    QCOMPARE(LeagueOpenData::exportTitle(l), QStringLiteral("Liga"));
    l.leagueFileName = QStringLiteral("/tmp/Liga2026.T98");
    QCOMPARE(LeagueOpenData::exportTitle(l), QStringLiteral("Liga2026"));
}

QTEST_GUILESS_MAIN(TestOpenData)
#include "tst_opendata.moc"
