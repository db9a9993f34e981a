// tabulon --convert with Football.TXT and Football.JSON on either side: the
// format follows each name's extension, left-out parts are said on stderr,
// and a file that cannot be read whole leaves OUT as it was.
#include <QtTest>

#include "files_helper.h"

namespace {

QString data(const char *name)
{
    return QStringLiteral(TEST_SOURCE_DIR "/tests/data/open-football/") + QLatin1String(name);
}

} // namespace

class TestConvertOpenData : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyFormatLeadsBackToTheSameLeagueFile();
    void aTwentyTeamSeasonKeepsItsShape();
    void leftOutPartsAreSaid();
    void unreadableFileLeavesOutputUntouched_data();
    void unreadableFileLeavesOutputUntouched();
    void whatAnExportCannotCarryIsSaid();
    void usageNamesTheFormats();
};

void TestConvertOpenData::everyFormatLeadsBackToTheSameLeagueFile()
{
    QTemporaryDir dir;
    const QStringList steps[] = {{data("league/de-2025-26-bundesliga.txt"), "a.T98"},
                                 {"a.T98", "b.txt"},
                                 {"b.txt", "c.json"},
                                 {"c.json", "d.T98"}};
    for (const QStringList &step : steps) {
        const Run r = runTabulon({"--convert", step[0], step[1]}, dir.path());
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.err, QByteArray());
    }
    const QByteArray first = readAll(dir.filePath("a.T98"));
    QVERIFY(first.contains("[Round34]"));
    QVERIFY(first.contains("\r\n1=FC Bayern M\xfcnchen\r\n")); // Windows-1252
    QCOMPARE(readAll(dir.filePath("d.T98")), first);
    // The competition's title becomes the league's name and goes on as the
    // title of every file written from it.
    QVERIFY(first.contains("\r\nLiganame=Deutsche Bundesliga 2025/26\r\n"));
    QVERIFY(readAll(dir.filePath("b.txt")).startsWith("= Deutsche Bundesliga 2025/26\n"));
    QVERIFY(readAll(dir.filePath("c.json")).contains("\"name\": \"Deutsche Bundesliga 2025/26\""));

    // A league file without a name gives its file's name as the title.
    writeAll(dir.filePath("e.T98"), QByteArray(first).replace("Liganame=Deutsche Bundesliga 2025/26\r\n", ""));
    QCOMPARE(runTabulon({"--convert", "e.T98", "f.txt"}, dir.path()).exitCode, 0);
    QVERIFY(readAll(dir.filePath("f.txt")).startsWith("= e\n"));
}

void TestConvertOpenData::aTwentyTeamSeasonKeepsItsShape()
{
    QTemporaryDir dir;
    const Run r = runTabulon({"--convert", data("league/en-2023-24-premierleague.txt"), "pl.T98"}, dir.path());
    QCOMPARE(r.exitCode, 0);
    const QByteArray league = readAll(dir.filePath("pl.T98"));
    QVERIFY(league.contains("\r\nTeams=20\r\nRounds=38\r\n"));
    // Slots in the order of the first matchday's lines: Luton plays the fourth match.
    QVERIFY(league.contains("\r\n1=Burnley FC\r\n2=Manchester City FC\r\n"));
    QVERIFY(league.contains("\r\n8=Luton Town FC\r\n"));
    QVERIFY(league.contains("\r\n[Team20]\r\n"));
    QVERIFY(league.contains("[Round38]\r\nD1=19.05.2024\r\nD2=19.05.2024\r\n"));
    QVERIFY(league.contains("\r\nTA10="));
}

void TestConvertOpenData::leftOutPartsAreSaid()
{
    QTemporaryDir dir;
    writeAll(dir.filePath("liga.txt"), "= Liga 2024/25\nMatchday 1\n[Sat Aug/3]\n  A  1-0  B\n\n"
                                       "== Finals\n[Sat May/24]\n  A  2-2  B\n");
    const Run r = runTabulon({"--convert", "liga.txt", "liga.json"}, dir.path());
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(QString::fromUtf8(r.err), QStringLiteral("liga.txt: Zeile 6: Stufe \"Finals\" übersprungen (1 Spiel)\n"));
    const QByteArray json = readAll(dir.filePath("liga.json"));
    QVERIFY(json.contains("\"ft\": [1, 0]"));
    QVERIFY(!json.contains("[2, 2]"));
}

void TestConvertOpenData::unreadableFileLeavesOutputUntouched_data()
{
    QTest::addColumn<QString>("in");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("message");
    QTest::newRow("bad line") << "liga.txt" << QByteArray("= L 2024\nMatchday 1\n  A  2-\n") << "alt.T98"
                              << "Datei liga.txt, Zeile 3: Zeile nicht verstanden: A  2-";
    QTest::newRow("bad JSON") << "liga.json" << QByteArray("{\"matches\": [}") << "alt.txt"
                              << "Datei liga.json, Zeile 1: kein JSON: ";
    QTest::newRow("missing") << "fehlt.txt" << QByteArray() << "alt.json" << "Datei fehlt.txt kann nicht geöffnet werden";
    QTest::newRow("tournament") << "cup.txt" << QByteArray("= Cup 2022\n▪ Group A\nSun Nov 20\n  A  1-0  B\n") << "alt.T98"
                                << "Datei cup.txt: keine Spieltage einer Liga gefunden";
}

void TestConvertOpenData::unreadableFileLeavesOutputUntouched()
{
    QFETCH(QString, in);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, out);
    QFETCH(QString, message);
    QTemporaryDir dir;
    if (!bytes.isEmpty())
        writeAll(dir.filePath(in), bytes);
    writeAll(dir.filePath(out), "alt");
    const Run r = runTabulon({"--convert", in, out}, dir.path());
    QCOMPARE(r.exitCode, 1);
    QVERIFY2(QString::fromUtf8(r.err).startsWith(message), r.err.constData());
    QCOMPARE(r.err.count('\n'), 1);
    QCOMPARE(readAll(dir.filePath(out)), QByteArray("alt"));
}

void TestConvertOpenData::whatAnExportCannotCarryIsSaid()
{
    // The example season entered from matchday 11 carries start values and
    // penalty points, which the match files have no place for.
    QTemporaryDir dir;
    const Run r = runTabulon({"--convert", TEST_SOURCE_DIR "/examples/league/Rueckrunde2026.T98", "r.txt"}, dir.path());
    QCOMPARE(r.exitCode, 0);
    QVERIFY2(r.err.contains("r.txt: Startwerte und Strafpunkte nicht exportiert\n"), r.err.constData());
    QVERIFY(readAll(dir.filePath("r.txt")).startsWith("= Rueckrunde2026\n"));
}

void TestConvertOpenData::usageNamesTheFormats()
{
    const Run help = runTabulon({"--help"});
    QCOMPARE(help.exitCode, 0);
    QVERIFY(help.out.contains("Football.TXT *.txt"));
    QVERIFY(help.out.contains("Football.JSON *.json"));
}

QTEST_GUILESS_MAIN(TestConvertOpenData)
#include "tst_convert_opendata.moc"
