// Which format a file is read in: its content where it tells, its name
// otherwise; the window, the script commands and --convert read a file the
// same way.
#include "league/model/LeagueOpen.h"

#include "files_helper.h"

#include <QtTest>

namespace {

using Format = LeagueOpen::Format;

// The previous version's fixed lines: free first line, 18 names, zone
// digits, then two dates and nine match rows per matchday.
QByteArray previousFile()
{
    QByteArray b = "Ligadatei\r\n";
    for (int i = 1; i <= 18; ++i)
        b += "Elf " + QByteArray::number(i) + "\r\n";
    b += "133\r\n";
    for (int j = 1; j <= 34; ++j) {
        b += "01.08.97\r\n03.08.97\r\n";
        for (int k = 1; k <= 9; ++k)
            b += k == 1 ? " 1 2 118\r\n" : " 0-1-1 0\r\n";
    }
    return b;
}

const QByteArray kLeague = "[Options]\r\nTitle=Tabulon '98\r\nTeams=18\r\n[Teams]\r\n1=Alpha\r\n";
const QByteArray kSeason = "= Deutsche Bundesliga 2023/24\n\nMatchday 1\n[Fri Aug/18]\n  Werder  0-4  Bayern\n";
const QByteArray kJson = "{\"name\": \"Liga\", \"matches\": []}\n";

} // namespace

class TestLeagueOpen : public QObject {
    Q_OBJECT

private slots:
    void formatComesFromContentThenName_data()
    {
        QTest::addColumn<QByteArray>("head");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("format");
        // Content that tells wins over any name.
        QTest::newRow("season text named .T98") << kSeason << "liga.T98" << int(Format::FootballTxt);
        QTest::newRow("season text named .tn3") << kSeason << "alt.tn3" << int(Format::FootballTxt);
        QTest::newRow("league file named .txt") << kLeague << "liga.txt" << int(Format::League);
        QTest::newRow("league file named .json") << kLeague << "liga.json" << int(Format::League);
        QTest::newRow("league file with a comment first") << ("; notiert\r\n" + kLeague) << "liga.t98"
                                                          << int(Format::League);
        QTest::newRow("JSON named .txt") << kJson << "liga.txt" << int(Format::FootballJson);
        QTest::newRow("JSON after a byte order mark") << ("\xEF\xBB\xBF  " + kJson) << "x.T98"
                                                      << int(Format::FootballJson);
        QTest::newRow("JSON list") << QByteArray("[\n {\"name\": 1}\n]") << "x.T98" << int(Format::FootballJson);
        QTest::newRow("previous version named .T98") << previousFile() << "alt.T98" << int(Format::Previous);
        QTest::newRow("previous version named .txt") << previousFile() << "alt.txt" << int(Format::Previous);
        QTest::newRow("comment opens a season") << QByteArray("# Spielzeit\nMatchday 1\n") << "x.T98"
                                                << int(Format::FootballTxt);
        // A day in brackets is no section: there are no keys below it.
        QTest::newRow("bracketed date, .txt") << QByteArray("[Sat Aug/3]\n  A  1-0  B\n") << "x.txt"
                                              << int(Format::FootballTxt);
        // Content that tells nothing: the name decides.
        QTest::newRow("empty .T98") << QByteArray() << "leer.T98" << int(Format::League);
        QTest::newRow("empty .txt") << QByteArray() << "leer.TXT" << int(Format::FootballTxt);
        QTest::newRow("empty .json") << QByteArray() << "leer.json" << int(Format::FootballJson);
        QTest::newRow("empty .tn3") << QByteArray() << "leer.TN3" << int(Format::Previous);
        QTest::newRow("blank lines, no name") << QByteArray("\r\n\r\n") << "liga" << int(Format::League);
        QTest::newRow("short rows named .tn3") << QByteArray("Kopf\r\nA\r\nB\r\n") << "alt.tn3"
                                               << int(Format::Previous);
        QTest::newRow("section without keys named .txt") << QByteArray("[Options]\r\n") << "x.txt"
                                                         << int(Format::FootballTxt);
    }

    void formatComesFromContentThenName()
    {
        QFETCH(QByteArray, head);
        QFETCH(QString, name);
        QFETCH(int, format);
        QCOMPARE(int(LeagueOpen::detect(head, name)), format);
    }

    void fileThatCannotBeReadGoesByItsName()
    {
        QTemporaryDir dir;
        QCOMPARE(LeagueOpen::detectFile(dir.filePath("fehlt.json")), Format::FootballJson);
        QCOMPARE(LeagueOpen::detectFile(dir.filePath("fehlt.T98")), Format::League);
        QVERIFY(QDir(dir.path()).mkdir("ordner.txt"));
        QCOMPARE(LeagueOpen::detectFile(dir.filePath("ordner.txt")), Format::FootballTxt);
    }

    void openGivesTheFormatsLeague()
    {
        QTemporaryDir dir;
        const QString season = dir.filePath("saison.T98");
        writeAll(season, kSeason);
        const LeagueOpen::Opened opened = LeagueOpen::open(season, QStringLiteral("/prog/"));
        QCOMPARE(opened.format, Format::FootballTxt);
        QCOMPARE(opened.title, QStringLiteral("Deutsche Bundesliga 2023/24"));
        QCOMPARE(opened.league.teamNames[1], QStringLiteral("Werder"));
        const Match &first = opened.league.match(1, 1);
        QCOMPARE((Match{first.teamA, first.teamB, first.goalsA, first.goalsB}), (Match{1, 2, 0, 4}));
        // Untitled, so that no save writes into the season's file.
        QVERIFY(opened.league.leagueFileName.isEmpty());
        QVERIFY(!opened.league.leagueSaved);
        QCOMPARE(opened.league.programDir, QStringLiteral("/prog/"));

        const QString league = dir.filePath("liga.txt");
        writeAll(league, kLeague);
        const LeagueOpen::Opened own = LeagueOpen::open(league, QStringLiteral("/prog/"));
        QCOMPARE(own.format, Format::League);
        QCOMPARE(own.league.teamNames[1], QStringLiteral("Alpha"));
        QCOMPARE(own.league.leagueFileName, league);
        QVERIFY(own.league.leagueSaved);
    }

    void commandsReadAFileInItsOwnFormat()
    {
        // --convert and the export commands load through the same detection.
        QTemporaryDir dir;
        writeAll(dir.filePath("saison.T98"), kSeason);
        writeAll(dir.filePath("alt.txt"), previousFile());
        Run r = runTabulon({"--convert", "saison.T98", "neu.T98"}, dir.path());
        QCOMPARE(r.exitCode, 0);
        QVERIFY(readAll(dir.filePath("neu.T98")).contains("1=Werder\r\n2=Bayern\r\n"));
        QCOMPARE(readAll(dir.filePath("saison.T98")), kSeason);
        r = runTabulon({"--convert", "alt.txt", "alt.T98"}, dir.path());
        QCOMPARE(r.exitCode, 0);
        QVERIFY(readAll(dir.filePath("alt.T98")).contains("1=Elf 1\r\n"));
        r = runTabulon({"--export=tables", "--format=txt", "--output=t.txt", "saison.T98"}, dir.path());
        QCOMPARE(r.exitCode, 0);
        QVERIFY(readAll(dir.filePath("t.txt")).contains("Bayern"));
    }
};

QTEST_GUILESS_MAIN(TestLeagueOpen)
#include "tst_leagueopen.moc"
