#include <QtTest>

#include "league/model/League.h"
#include "league/model/LeagueError.h"

class TestLeagueModel : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void defaultsAfterNeuSet();
    void firstRoundComesFromSlotOne();
    void firstRoundIsCappedAtLastMatchday();
    void rangeCheckedAccess();
};

void TestLeagueModel::defaultsAfterNeuSet()
{
    League l;
    l.teamNames[4] = "X";
    l.match(7, 3) = Match{1, 2, 3, 4};
    l.currentRound = 9;
    l.ucPlaces = 8;
    l.leagueSaved = false;
    l.leagueFileName = "/tmp/a.T98";
    l.programDir = "/opt/t/";
    l.NeuSet();
    QVERIFY(l.leagueSaved);
    QVERIFY(l.leagueFileName.isEmpty());
    QCOMPARE(l.programDir, QString("/opt/t/"));
    QVERIFY(l.hasChampion);
    QCOMPARE(l.clPlaces, 1);
    QCOMPARE(l.ucPlaces, 3);
    QCOMPARE(l.relegationPlaces, 3);
    QCOMPARE(l.currentRound, 1);
    QCOMPARE(l.firstRound, 1);
    for (int j = 1; j <= 34; ++j) {
        QVERIFY(l.dates(j).dateFrom.isEmpty());
        for (int k = 1; k <= 9; ++k)
            QCOMPARE(l.match(j, k), (Match{0, 0, -1, -1}));
    }
    for (int i = 1; i <= 18; ++i)
        QVERIFY(l.teamNames[i].isEmpty());
}

void TestLeagueModel::firstRoundComesFromSlotOne()
{
    League l;
    l.startWins[2] = 7; // other slots never move firstRound
    l.ErsterST();
    QCOMPARE(l.firstRound, 1);
    l.startWins[1] = 10;
    l.startDraws[1] = 5;
    l.startLosses[1] = 3;
    l.currentRound = 4;
    l.ErsterST();
    QCOMPARE(l.firstRound, 19);
    QCOMPARE(l.currentRound, 19);
    l.currentRound = 25;
    l.ErsterST();
    QCOMPARE(l.currentRound, 25);
    l.startWins[1] = l.startDraws[1] = l.startLosses[1] = 0;
    l.ErsterST();
    QCOMPARE(l.firstRound, 1);
    QCOMPARE(l.currentRound, 25);
}

void TestLeagueModel::firstRoundIsCappedAtLastMatchday()
{
    League l;
    l.startWins[1] = 30;
    l.startDraws[1] = 10;
    l.ErsterST();
    QCOMPARE(l.firstRound, 34);
    QCOMPARE(l.currentRound, 34);
}

void TestLeagueModel::rangeCheckedAccess()
{
    League l;
    QVERIFY_THROWS_EXCEPTION(LeagueError, l.match(0, 1));
    QVERIFY_THROWS_EXCEPTION(LeagueError, l.match(35, 1));
    QVERIFY_THROWS_EXCEPTION(LeagueError, l.match(1, 10));
    QVERIFY_THROWS_EXCEPTION(LeagueError, l.dates(35));
    try {
        l.match(1, 0);
        QFAIL("no exception");
    } catch (const LeagueError &e) {
        QCOMPARE(e.message(), QString("Bereichsüberschreitung"));
    }
}

QTEST_GUILESS_MAIN(TestLeagueModel)
#include "tst_leaguemodel.moc"
