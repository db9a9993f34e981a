#include <QtTest>

#include "files_helper.h"

#include "league/model/IniFile.h"
#include "league/model/League.h"
#include "league/model/LeagueFile.h"

namespace {

// The file of an untouched league of n teams and r matchdays, typed from
// the layout: Options, n names, six start values per slot, then per
// matchday two dates and n / 2 rows {0, 0, -1, -1}.
QByteArray emptyFile(int n, int r, int actual = 1)
{
    QByteArray b = "[Options]\r\nTitle=Tabulon '98\r\nTeams=" + QByteArray::number(n) + "\r\nRounds="
        + QByteArray::number(r) + "\r\nChamp=1\r\nCL=1\r\nUC=3\r\nAB=3\r\nActual=" + QByteArray::number(actual)
        + "\r\n[Teams]\r\n";
    for (int i = 1; i <= n; ++i)
        b += QByteArray::number(i) + "=\r\n";
    for (int i = 1; i <= n; ++i)
        b += "[Team" + QByteArray::number(i) + "]\r\nSS=0\r\nSU=0\r\nSN=0\r\nGE=0\r\nGA=0\r\nSP=0\r\n";
    for (int j = 1; j <= r; ++j) {
        b += "[Round" + QByteArray::number(j) + "]\r\nD1=\r\nD2=\r\n";
        for (int k = 1; k <= n / 2; ++k) {
            const QByteArray s = QByteArray::number(k);
            b += "TA" + s + "=0\r\nTB" + s + "=0\r\nGA" + s + "=-1\r\nGB" + s + "=-1\r\n";
        }
    }
    return b;
}

League loadFrom(const QByteArray &bytes)
{
    IniFile ini;
    ini.fromBytes(bytes);
    League l;
    LeagueFile::read(ini, l);
    return l;
}

QByteArray written(const League &l)
{
    IniFile ini;
    LeagueFile::write(l, ini);
    return ini.toBytes();
}

} // namespace

class TestLeagueSize : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void defaultShape_data();
    void defaultShape();
    void twentyTeamFileKeysAndOrder();
    void twentyTeamLeagueReadsBack();
    void shapeFromFile_data();
    void shapeFromFile();
    void savingASmallerLeagueDropsItsOldKeys();
    void shrinkingIsRefusedWhileSomethingWouldBeLost_data();
    void shrinkingIsRefusedWhileSomethingWouldBeLost();
    void allowedReshape();
};

void TestLeagueSize::defaultShape_data()
{
    QTest::addColumn<int>("teams");
    QTest::addColumn<int>("rounds");
    QTest::addColumn<int>("rows");
    QTest::newRow("2") << 2 << 2 << 1;
    QTest::newRow("3 (one rests)") << 3 << 6 << 1;
    QTest::newRow("6") << 6 << 10 << 3;
    QTest::newRow("7") << 7 << 14 << 3;
    QTest::newRow("18") << 18 << 34 << 9;
    QTest::newRow("20") << 20 << 38 << 10;
    QTest::newRow("24") << 24 << 46 << 12;
}

void TestLeagueSize::defaultShape()
{
    QFETCH(int, teams);
    QFETCH(int, rounds);
    QFETCH(int, rows);
    QCOMPARE(League::defaultRounds(teams), rounds);
    League l;
    QVERIFY(l.reshape(teams, rounds));
    QCOMPARE(l.rowCount(), rows);
    QCOMPARE(l.teamCount, teams);
    QCOMPARE(l.roundCount, rounds);
}

void TestLeagueSize::twentyTeamFileKeysAndOrder()
{
    League l;
    QVERIFY(l.reshape(20, 38));
    QCOMPARE(written(l), emptyFile(20, 38));

    // Values of the slots, matchdays and rows that only a larger league has.
    l.teamNames[20] = "Letzter";
    l.startWins[19] = 4;
    l.roundDates[38].dateFrom = "1.5.2027";
    l.results[38][10] = Match{19, 20, 2, 0};
    QByteArray expected = emptyFile(20, 38);
    expected.replace("\r\n20=\r\n", "\r\n20=Letzter\r\n");
    expected.replace("[Team19]\r\nSS=0", "[Team19]\r\nSS=4");
    expected.replace("[Round38]\r\nD1=\r\n", "[Round38]\r\nD1=01.05.2027\r\n");
    QVERIFY(expected.endsWith("TA10=0\r\nTB10=0\r\nGA10=-1\r\nGB10=-1\r\n"));
    expected.chop(QByteArray("TA10=0\r\nTB10=0\r\nGA10=-1\r\nGB10=-1\r\n").size());
    expected += "TA10=19\r\nTB10=20\r\nGA10=2\r\nGB10=0\r\n";
    QCOMPARE(written(l), expected);
    QCOMPARE(expected.count('='), 8 + 20 + 20 * 6 + 38 * (2 + 10 * 4));
}

void TestLeagueSize::twentyTeamLeagueReadsBack()
{
    League l;
    QVERIFY(l.reshape(20, 38));
    for (int i = 1; i <= 20; ++i)
        l.teamNames[i] = QStringLiteral("Verein %1").arg(i);
    l.results[37][10] = Match{20, 1, 3, 3};
    l.currentRound = 37;
    const League back = loadFrom(written(l));
    QVERIFY(back.sameContents(l));
    QCOMPARE(back.results[37][10], (Match{20, 1, 3, 3}));
    QCOMPARE(back.currentRound, 37);
}

void TestLeagueSize::shapeFromFile_data()
{
    QTest::addColumn<QByteArray>("options");
    QTest::addColumn<int>("teams");
    QTest::addColumn<int>("rounds");
    QTest::newRow("old file") << QByteArray("Teams=18\r\nRounds=34") << 18 << 34;
    QTest::newRow("no counts") << QByteArray("Champ=1") << 18 << 34;
    QTest::newRow("20 teams, rounds missing") << QByteArray("Teams=20") << 20 << 38;
    QTest::newRow("7 teams, 3 rounds") << QByteArray("Teams=7\r\nRounds=3") << 7 << 3;
    QTest::newRow("99 rounds") << QByteArray("Teams=4\r\nRounds=99") << 4 << 99;
    QTest::newRow("25 teams") << QByteArray("Teams=25\r\nRounds=34") << 18 << 34;
    QTest::newRow("1 team") << QByteArray("Teams=1") << 18 << 34;
    QTest::newRow("0 rounds") << QByteArray("Teams=20\r\nRounds=0") << 20 << 38;
    QTest::newRow("100 rounds") << QByteArray("Teams=5\r\nRounds=100") << 5 << 10;
    QTest::newRow("Actual past the last") << QByteArray("Teams=6\r\nRounds=10\r\nActual=30") << 6 << 10;
}

void TestLeagueSize::shapeFromFile()
{
    QFETCH(QByteArray, options);
    QFETCH(int, teams);
    QFETCH(int, rounds);
    // A row and a slot that only a larger league has are not part of this one.
    const League l = loadFrom("[Options]\r\n" + options + "\r\n[Teams]\r\n19=Gast\r\n[Round2]\r\nTA10=19\r\nTB10=2\r\n"
                              "GA10=1\r\nGB10=1\r\nTA1=20\r\nTB1=1\r\nGA1=2\r\nGB1=0\r\n");
    QCOMPARE(l.teamCount, teams);
    QCOMPARE(l.roundCount, rounds);
    QVERIFY(l.currentRound <= rounds);
    if (teams < 19)
        QCOMPARE(l.teamNames[19], QString());
    if (teams / 2 < 10)
        QCOMPARE(l.results[2][10], Match{});
    if (rounds >= 2)
        QCOMPARE(l.results[2][1], (Match{teams >= 20 ? 20 : 0, 1, 2, 0}));
}

void TestLeagueSize::savingASmallerLeagueDropsItsOldKeys()
{
    QTemporaryDir dir;
    League l;
    l.leagueFileName = dir.filePath("gross.T98");
    QVERIFY(l.reshape(24, 46));
    SaveDatei(l);
    QByteArray before = readAll(l.leagueFileName);
    QVERIFY(before.contains("[Round46]\r\n") && before.contains("\r\nGB12=-1\r\n"));
    before.replace("[Round1]\r\n", "[Round1]\r\nNotiz=bleibt\r\n");
    writeAll(l.leagueFileName, before);

    QVERIFY(l.reshape(20, 38));
    SaveDatei(l);
    QByteArray expected = emptyFile(20, 38);
    expected.replace("[Round1]\r\n", "[Round1]\r\nNotiz=bleibt\r\n");
    QCOMPARE(readAll(l.leagueFileName), expected);

    // And back to the classic shape: the file is the old program's again.
    QVERIFY(l.reshape(18, 34));
    SaveDatei(l);
    expected = emptyFile(18, 34);
    expected.replace("[Round1]\r\n", "[Round1]\r\nNotiz=bleibt\r\n");
    QCOMPARE(readAll(l.leagueFileName), expected);
}

void TestLeagueSize::shrinkingIsRefusedWhileSomethingWouldBeLost_data()
{
    QTest::addColumn<int>("round");
    QTest::addColumn<int>("row");
    QTest::addColumn<Match>("match");
    QTest::addColumn<int>("teams");
    QTest::addColumn<int>("rounds");
    QTest::addColumn<QString>("says");
    QTest::newRow("pairing on a dropped matchday")
        << 36 << 1 << Match{1, 2, -1, -1} << 20 << 34 << "Spieltag 36";
    QTest::newRow("result alone on a dropped matchday")
        << 35 << 3 << Match{0, 0, 1, 0} << 20 << 34 << "Spieltag 35";
    QTest::newRow("pairing in a dropped row") << 5 << 10 << Match{1, 2, -1, -1} << 18 << 38 << "Zeile 10";
    QTest::newRow("dropped slot in a kept row") << 5 << 2 << Match{3, 19, 1, 1} << 18 << 38 << "Mannschaft 19";
    QTest::newRow("too few teams") << 1 << 1 << Match{} << 1 << 38 << "2 bis 24";
    QTest::newRow("too many rounds") << 1 << 1 << Match{} << 20 << 100 << "1 bis 99";
}

void TestLeagueSize::shrinkingIsRefusedWhileSomethingWouldBeLost()
{
    QFETCH(int, round);
    QFETCH(int, row);
    QFETCH(Match, match);
    QFETCH(int, teams);
    QFETCH(int, rounds);
    QFETCH(QString, says);
    League l;
    QVERIFY(l.reshape(20, 38));
    for (int i = 1; i <= 20; ++i)
        l.teamNames[i] = QStringLiteral("T%1").arg(i);
    l.results[round][row] = match;
    l.currentRound = 37;
    const League before = l;
    const QString why = l.reshapeRefusal(teams, rounds);
    QVERIFY2(why.contains(says), qPrintable(why));
    QVERIFY(!l.reshape(teams, rounds));
    QVERIFY(l.sameContents(before));
    QCOMPARE(l.currentRound, 37);
}

void TestLeagueSize::allowedReshape()
{
    League l;
    QVERIFY(l.reshape(20, 38));
    for (int i = 1; i <= 20; ++i)
        l.teamNames[i] = QStringLiteral("T%1").arg(i);
    l.startWins[20] = 3;
    // Dates on the matchdays that go are filled by the program; they hold
    // nothing the user entered.
    for (int j = 1; j <= 38; ++j)
        l.roundDates[j] = RoundDates{"01.08.2026", "02.08.2026"};
    l.results[34][9] = Match{18, 17, 0, 0};
    l.currentRound = 38;
    QCOMPARE(l.reshapeRefusal(18, 34), QString());
    QVERIFY(l.reshape(18, 34));
    QCOMPARE(l.teamNames[19], QString());
    QCOMPARE(l.startWins[20], 0);
    QCOMPARE(l.roundDates[35], RoundDates{});
    QCOMPARE(l.results[34][9], (Match{18, 17, 0, 0}));
    QCOMPARE(l.currentRound, 34);

    // Growing gives empty slots, matchdays and rows.
    QVERIFY(l.reshape(24, 46));
    QCOMPARE(l.rowCount(), 12);
    QCOMPARE(l.teamNames[24], QString());
    QCOMPARE(l.results[46][12], Match{});
    QCOMPARE(l.results[34][9], (Match{18, 17, 0, 0}));
}

QTEST_GUILESS_MAIN(TestLeagueSize)
#include "tst_leaguesize.moc"
