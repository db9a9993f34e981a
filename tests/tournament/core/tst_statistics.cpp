#include <QtTest>

#include "tournament/group/Statistics.h"
#include "tournament_helper.h"

class TestStatistics : public QObject
{
    Q_OBJECT

private slots:
    void pointsShare_data();
    void pointsShare();
    void averageGoals_data();
    void averageGoals();
    void averageCountsStageTwo();
    void bestScorers();
    void bestScorersEmptyWithoutGoals();
    void bestScorersFollowSquadChanges();
    void bestScorerLine();
    void playedMatchesText_data();
    void playedMatchesText();
};

void TestStatistics::pointsShare_data()
{
    QTest::addColumn<int>("points");
    QTest::addColumn<int>("played");
    QTest::addColumn<int>("share");
    QTest::newRow("no match") << 0 << 0 << 0;
    QTest::newRow("4 from 3") << 4 << 3 << 44;   // 44.44
    QTest::newRow("1 from 2") << 1 << 2 << 17;   // 16.67
    QTest::newRow("all won") << 9 << 3 << 100;
    QTest::newRow("12.5 down to even") << 3 << 8 << 12;
    QTest::newRow("37.5 up to even") << 18 << 16 << 38;
    QTest::newRow("none won") << 0 << 3 << 0;
}

void TestStatistics::pointsShare()
{
    QFETCH(int, points);
    QFETCH(int, played);
    QFETCH(int, share);
    TEquipe team;
    team.points = points;
    team.played = played;
    QCOMPARE(pointsPercent(&team), share);
}

void TestStatistics::averageGoals_data()
{
    QTest::addColumn<int>("goals");
    QTest::addColumn<int>("played");
    QTest::addColumn<QString>("text");
    QTest::newRow("7 in 4") << 7 << 4 << QStringLiteral("1,8");   // 1.75 up to even
    QTest::newRow("5 in 4") << 5 << 4 << QStringLiteral("1,2");   // 1.25 down to even
    QTest::newRow("3 in 6") << 3 << 6 << QStringLiteral("0,5");
    QTest::newRow("no match") << 0 << 0 << QStringLiteral("0,0");
    QTest::newRow("2 in 3") << 2 << 3 << QStringLiteral("0,7");
    QTest::newRow("21 in 2") << 21 << 2 << QStringLiteral("10,5");
}

void TestStatistics::averageGoals()
{
    QFETCH(int, goals);
    QFETCH(int, played);
    QFETCH(QString, text);
    TEquipe team;
    team.name = ShortName("T");
    team.goals_for = goals;
    team.played = played;
    QCOMPARE(moy_buts(&team, MatchList{}), text);
}

void TestStatistics::averageCountsStageTwo()
{
    TEquipe team;
    team.name = ShortName("T");
    team.goals_for = 4;
    team.goals_against = 9; // conceded goals never count
    team.played = 3;
    MatchList stage2;
    addMatch(stage2, '1', ShortName("T"), ShortName("U"), 2, 1);
    addMatch(stage2, 'A', ShortName("V"), ShortName("T"), 4, 5); // after penalty kicks
    addMatch(stage2, 'B', ShortName("V"), ShortName("W"), 9, 0);
    // (4 + 2 + 5) / (3 + 2) = 2.2
    QCOMPARE(moy_buts(&team, stage2), QStringLiteral("2,2"));
}

void TestStatistics::bestScorers()
{
    Tournament t;
    th::fillTournament(t, 3);
    const auto setGoals = [&](const char *team, int index, int goals) {
        t.cherche_equipe(ShortName(team))->squad[index].goals = goals;
    };
    setGoals("A2", 0, 5);
    setGoals("C1", 2, 3);
    setGoals("D4", 1, 2);
    setGoals("E3", 0, 4);
    setGoals("G1", 1, 5);
    setGoals("H2", 2, 3);
    setGoals("B1", 0, 1);

    QStringList lines;
    for (const TButeur &b : meilleurs_buteurs(t))
        lines << scorerLine(b);
    // Within one count the player met last in group and squad order is first.
    QCOMPARE(lines, QStringList({"G1p2(G1) 5", "A2p1(A2) 5", "E3p1(E3) 4", "H2p3(H2) 3", "C1p3(C1) 3"}));
}

void TestStatistics::bestScorersEmptyWithoutGoals()
{
    Tournament t;
    th::fillTournament(t);
    QVERIFY(meilleurs_buteurs(t).empty());

    // Only one distinct count: the lower levels stay empty, not "0 goals".
    t.cherche_equipe(ShortName("F3"))->squad[0].goals = 1;
    const auto list = meilleurs_buteurs(t);
    QCOMPARE(list.size(), size_t(1));
    QCOMPARE(list[0].team, t.cherche_equipe(ShortName("F3")));
    QCOMPARE(list[0].player.goals, 1);
}

void TestStatistics::bestScorersFollowSquadChanges()
{
    Tournament t;
    th::fillTournament(t);
    TEquipe *b2 = t.cherche_equipe(ShortName("B2"));
    b2->squad[0].goals = 3;
    b2->squad[2].goals = 1;
    QVERIFY(removePlayer(b2, ShortName("B2p1")));
    const auto list = meilleurs_buteurs(t);
    QCOMPARE(list.size(), size_t(1));
    QCOMPARE(scorerLine(list[0]), QStringLiteral("B2p3(B2) 1"));
}

void TestStatistics::bestScorerLine()
{
    TEquipe team;
    team.name = ShortName("C\xf4te d'Ivoire");
    const TButeur b{TJoueur{ShortName("Jos\xe9 P"), 12}, &team};
    QCOMPARE(scorerLine(b), QString::fromUtf8("José P(Côte d'Ivoire) 12"));
}

void TestStatistics::playedMatchesText_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("text");
    QTest::newRow("0") << 0 << QStringLiteral("no match was played.");
    QTest::newRow("1") << 1 << QStringLiteral("1 match(of 48) has already been played.");
    QTest::newRow("2") << 2 << QStringLiteral("2 matchs(of 48) have already been played.");
    QTest::newRow("12") << 12 << QStringLiteral("12 matchs(of 48) have already been played.");
    QTest::newRow("47") << 47 << QStringLiteral("47 matchs(of 48) have already been played.");
    QTest::newRow("48") << 48 << QStringLiteral("All the matchs have been played.");
}

void TestStatistics::playedMatchesText()
{
    QFETCH(int, n);
    QFETCH(QString, text);
    QCOMPARE(playedMatchesLabel(n), text);
}

QTEST_GUILESS_MAIN(TestStatistics)
#include "tst_statistics.moc"
