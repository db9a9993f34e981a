#include <QtTest>

#include "league/model/League.h"
#include "league/standings/FeverCurve.h"
#include "league/standings/Standings.h"

#include <QRandomGenerator>
#include <algorithm>

using Order = QList<int>;
using Season = QList<QList<Match>>; // matchday 1, 2, ... of match rows

namespace {

League leagueOf(int teams, const Season &season, TieOrder order, int winPoints = 3)
{
    League l;
    l.reshape(teams, std::max<int>(int(season.size()), 1));
    for (int i = 1; i <= teams; ++i)
        l.teamNames[i] = QStringLiteral("Verein %1").arg(i);
    for (int j = 0; j < season.size(); ++j)
        for (int k = 0; k < season[j].size(); ++k)
            l.match(j + 1, k + 1) = season[j][k];
    l.tieOrder = order;
    l.winPoints = winPoints;
    return l;
}

Order slotsOf(const Standings::Table &t, int teams)
{
    Order o;
    for (int r = 1; r <= teams; ++r)
        o << t[r].team;
    return o;
}

QStringList reasonsOf(const Standings::Reasons &why, int teams)
{
    QStringList out;
    for (int r = 2; r <= teams; ++r)
        out << rankReasonText(why[r]);
    return out;
}

// Four teams, one round. 1, 2 and 3 end level on 6 points and 4:3 goals.
// Among the three each has 3 points and a goal difference of 0, but slot 3
// scored 3 goals in those games and slots 1 and 2 only 2 each; between
// those two alone, slot 2's 1:0 over slot 1 decides.
const Season kThreeLevel{
    {{2, 1, 1, 0}, {3, 4, 1, 0}},
    {{3, 2, 2, 1}, {1, 4, 2, 1}},
    {{1, 3, 2, 1}, {2, 4, 2, 1}},
};

// Slots 1 and 2 end on 6 points, slot 1 with +5, slot 2 with +1, but slot
// 2 won their game. Slots 3 and 4 end on 3 points, 1:4 goals each, and
// slot 4 won theirs.
const Season kTwoPairs{
    {{2, 1, 1, 0}, {4, 3, 1, 0}},
    {{1, 3, 3, 0}, {2, 4, 1, 0}},
    {{1, 4, 3, 0}, {3, 2, 1, 0}},
};

// Slots 1, 2 and 3 beat each other in a circle, each 1:0, and all beat
// slot 4: slot 1 by 1:0, slot 2 by 3:0, slot 3 by 2:0. Their games among
// themselves leave them level; the overall goal difference decides.
const Season kCircle{
    {{1, 2, 1, 0}, {3, 4, 2, 0}},
    {{2, 3, 1, 0}, {1, 4, 1, 0}},
    {{3, 1, 1, 0}, {2, 4, 3, 0}},
};

// Slot 1 beats 2 and loses twice (W 1:0, L 0:2, L 0:2: 1:4); slot 2 draws
// twice and loses (L 0:1, D 1:1, D 1:1: 2:3); slot 3 wins twice and draws
// (5:2); slot 4 wins, draws and loses (4:3).
const Season kOldTimes{
    {{1, 2, 1, 0}, {3, 4, 2, 1}},
    {{3, 1, 2, 0}, {2, 4, 1, 1}},
    {{4, 1, 2, 0}, {3, 2, 1, 1}},
};

// A league of random results from a fixed seed: small scores for many
// ties, some rows without a result or half entered, point deductions in
// some leagues, and now and then a season entered from a later matchday
// with start values.
League randomLeague(QRandomGenerator &rng)
{
    League l;
    const int teams = rng.bounded(2, League::kMaxTeams + 1);
    const int rounds = rng.bounded(1, 2 * teams + 1);
    l.reshape(teams, rounds);
    for (int i = 1; i <= teams; ++i)
        l.teamNames[i] = QStringLiteral("T%1").arg(i);
    for (int j = 1; j <= rounds; ++j) {
        QList<int> drawn;
        for (int i = 1; i <= teams; ++i)
            drawn << i;
        std::shuffle(drawn.begin(), drawn.end(), rng);
        for (int k = 1; k <= l.rowCount(); ++k) {
            Match &m = l.match(j, k);
            m.teamA = drawn[2 * (k - 1)];
            m.teamB = drawn[2 * (k - 1) + 1];
            const int kind = rng.bounded(12);
            m.goalsA = kind == 0 ? -1 : rng.bounded(3);
            m.goalsB = kind == 0 || kind == 1 ? -1 : rng.bounded(3);
        }
    }
    if (rounds > 2 && rng.bounded(4) == 0) {
        const int games = rng.bounded(1, rounds - 1);
        for (int i = 1; i <= teams; ++i) {
            l.startWins[i] = rng.bounded(games + 1);
            l.startDraws[i] = rng.bounded(games - l.startWins[i] + 1);
            l.startLosses[i] = games - l.startWins[i] - l.startDraws[i];
            l.startGoalsFor[i] = rng.bounded(2 * games + 1);
            l.startGoalsAgainst[i] = rng.bounded(2 * games + 1);
        }
        l.ErsterST();
    }
    if (rng.bounded(3) == 0)
        for (int i = 1; i <= teams; ++i)
            l.penaltyPoints[i] = rng.bounded(4) == 0 ? rng.bounded(1, 4) : 0;
    l.winPoints = rng.bounded(2) == 0 ? 2 : 3;
    l.tieOrder = static_cast<TieOrder>(rng.bounded(1, 4));
    return l;
}

// The league as if nothing after matchday `last` had been entered: the
// pairings stay, the goals go.
League cutAfter(const League &l, int last)
{
    League cut = l;
    for (int j = last + 1; j <= cut.roundCount; ++j)
        for (int k = 1; k <= cut.rowCount(); ++k)
            cut.match(j, k).goalsA = cut.match(j, k).goalsB = -1;
    return cut;
}

// The default order by its definition: points (wins times three plus
// draws, start values only in a league entered from a later matchday,
// less the deducted points of any league), goal difference, goals scored,
// then slot order.
Order rankedByOldRule(const League &l)
{
    struct Row {
        int slot, points, diff, goals;
    };
    QList<Row> rows;
    const bool later = l.firstRound > 1;
    for (int i = 1; i <= l.teamCount; ++i) {
        int w = later ? l.startWins[i] : 0, d = later ? l.startDraws[i] : 0;
        int gf = later ? l.startGoalsFor[i] : 0, ga = later ? l.startGoalsAgainst[i] : 0;
        for (int j = l.firstRound; j <= l.roundCount; ++j)
            for (int k = 1; k <= l.rowCount(); ++k) {
                const Match &m = l.results[j][k];
                if (m.goalsA < 0 || m.goalsB < 0)
                    continue;
                if (m.teamA == i) {
                    w += m.goalsA > m.goalsB;
                    d += m.goalsA == m.goalsB;
                    gf += m.goalsA;
                    ga += m.goalsB;
                }
                if (m.teamB == i) {
                    w += m.goalsB > m.goalsA;
                    d += m.goalsA == m.goalsB;
                    gf += m.goalsB;
                    ga += m.goalsA;
                }
            }
        rows << Row{i, 3 * w + d - l.penaltyPoints[i], gf - ga, gf};
    }
    std::stable_sort(rows.begin(), rows.end(), [](const Row &a, const Row &b) {
        return std::tie(a.points, a.diff, a.goals) > std::tie(b.points, b.diff, b.goals);
    });
    Order o;
    for (const Row &r : rows)
        o << r.slot;
    return o;
}

} // namespace

class TestRankingRules : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void tableByRules_data();
    void tableByRules();
    void twoPointsForAWin();
    void homeAndAwayTablesCompareTheirOwnGames();
    void startValuesAndEarlierMatchdaysStayOutOfTheDirectComparison();
    void defaultOrderRanksAsBefore();
    void tableAfterMatchdayIsTheTableOfTheCutLeague();
    void curvesAreThePositionsOfTheseTables();
};

void TestRankingRules::tableByRules_data()
{
    QTest::addColumn<Season>("season");
    QTest::addColumn<int>("order");
    QTest::addColumn<Order>("total");
    QTest::addColumn<QStringList>("reasons");

    const QString points = QStringLiteral("Punkte");
    const QString diff = QStringLiteral("Tordifferenz");
    const QString slot = QStringLiteral("Reihenfolge der Mannschaften");
    const QString directPoints = QStringLiteral("direkter Vergleich: Punkte");
    const QString directGoals = QStringLiteral("direkter Vergleich: Tore");

    QTest::newRow("three level, goals only: slot order") << kThreeLevel << 1 << Order{1, 2, 3, 4}
                                                          << QStringList{slot, slot, points};
    // The games among the three put slot 3 first; slots 1 and 2, still
    // level, are compared again on their own game alone.
    QTest::newRow("three level, direct last: one ahead, the pair by its game")
        << kThreeLevel << 2 << Order{3, 2, 1, 4} << QStringList{directGoals, directPoints, points};
    QTest::newRow("three level, direct first: the same")
        << kThreeLevel << 3 << Order{3, 2, 1, 4} << QStringList{directGoals, directPoints, points};

    // One league, three tables.
    QTest::newRow("two pairs, goals only") << kTwoPairs << 1 << Order{1, 2, 3, 4}
                                           << QStringList{diff, points, slot};
    QTest::newRow("two pairs, direct last: only the pair level in goals")
        << kTwoPairs << 2 << Order{1, 2, 4, 3} << QStringList{diff, points, directPoints};
    QTest::newRow("two pairs, direct first: both pairs by their games")
        << kTwoPairs << 3 << Order{2, 1, 4, 3} << QStringList{directPoints, points, directPoints};

    // Nothing separates the three in their games, so the next rule decides.
    QTest::newRow("circle, goals only") << kCircle << 1 << Order{2, 3, 1, 4} << QStringList{diff, diff, points};
    QTest::newRow("circle, direct first: falls back to the difference")
        << kCircle << 3 << Order{2, 3, 1, 4} << QStringList{diff, diff, points};
}

void TestRankingRules::tableByRules()
{
    QFETCH(Season, season);
    QFETCH(int, order);
    QFETCH(Order, total);
    QFETCH(QStringList, reasons);
    const League l = leagueOf(4, season, static_cast<TieOrder>(order));
    Standings s;
    TabBer(l, s);
    QCOMPARE(slotsOf(s.tableTotal, 4), total);
    QCOMPARE(reasonsOf(s.reasonTotal, 4), reasons);
    QCOMPARE(s.reasonTotal[1], RankReason::None);
}

void TestRankingRules::twoPointsForAWin()
{
    // With three points slot 1's win and two defeats (3) beat slot 2's two
    // draws (2); with two points both have 2 and slot 2's -1 beats slot
    // 1's -3.
    Standings s;
    TabBer(leagueOf(4, kOldTimes, TieOrder::Goals, 3), s);
    QCOMPARE(slotsOf(s.tableTotal, 4), (Order{3, 4, 1, 2}));
    QCOMPARE(s.tableTotal[1].points, 7);

    TabBer(leagueOf(4, kOldTimes, TieOrder::Goals, 2), s);
    QCOMPARE(s.tableTotal[1], (StandingsRow{3, "Verein 3", 3, 2, 1, 0, 5, 5, 2, 3}));
    QCOMPARE(s.tableTotal[2], (StandingsRow{4, "Verein 4", 3, 1, 1, 1, 3, 4, 3, 1}));
    QCOMPARE(s.tableTotal[3], (StandingsRow{2, "Verein 2", 3, 0, 2, 1, 2, 2, 3, -1}));
    QCOMPARE(s.tableTotal[4], (StandingsRow{1, "Verein 1", 3, 1, 0, 2, 2, 1, 4, -3}));
    QCOMPARE(reasonsOf(s.reasonTotal, 4), (QStringList{"Punkte", "Punkte", "Tordifferenz"}));
    // Slot 4's one home game, the 2:0 over slot 1.
    QCOMPARE(s.accHome[4].points, 2);

    // Start values count two per win as well: one start game each, a win
    // for every team but slot 1, which drew and lost a penalty point.
    League later = leagueOf(4, kOldTimes, TieOrder::Goals, 2);
    for (int i = 1; i <= 4; ++i) {
        later.startWins[i] = 1;
        later.startDraws[i] = 0;
        later.startLosses[i] = 0;
    }
    later.startWins[1] = 0;
    later.startDraws[1] = 1;
    later.penaltyPoints[1] = 1;
    later.ErsterST();
    QCOMPARE(later.firstRound, 2);
    TabBer(later, s);
    // Slot 1 after the start and matchdays 2 and 3 (0:2, 0:2): one draw,
    // two defeats, 1 point minus 1.
    QCOMPARE(s.accTotal[1].points, 0);
    // Slot 3: a start win, 2:0 and 1:1: 2 + 2 + 1.
    QCOMPARE(s.accTotal[3].points, 5);
}

void TestRankingRules::homeAndAwayTablesCompareTheirOwnGames()
{
    // Each wins at home, slot 1 by 1:0, slot 2 by 3:2. In the home table
    // both have 3 points and +1, and in their home games slot 2 scored
    // more; counted both ways the two games would leave them level and the
    // table's own goals would decide. In the away table both lost by one,
    // slot 1 scoring two, slot 2 none.
    const League l = leagueOf(2, Season{{{1, 2, 1, 0}}, {{2, 1, 3, 2}}}, TieOrder::DirectThenGoals);
    Standings s;
    TabBer(l, s);
    QCOMPARE(slotsOf(s.tableHome, 2), (Order{2, 1}));
    QCOMPARE(s.reasonHome[2], RankReason::DirectGoalsFor);
    QCOMPARE(slotsOf(s.tableAway, 2), (Order{1, 2}));
    QCOMPARE(s.reasonAway[2], RankReason::DirectGoalsFor);
    // In the league table both have 3 points and 3:3: nothing separates
    // them, in their games or overall.
    QCOMPARE(slotsOf(s.tableTotal, 2), (Order{1, 2}));
    QCOMPARE(s.reasonTotal[2], RankReason::SlotOrder);
}

void TestRankingRules::startValuesAndEarlierMatchdaysStayOutOfTheDirectComparison()
{
    // Entered from matchday 2: slot 2's 5:0 over slot 1 on matchday 1 is
    // not counted, in the direct comparison neither. Slots 1 and 2 end on 6
    // points: slot 1 with a start win 1:0, a 1:0 over slot 2 and a 0:1 at
    // slot 3 (+1); slot 2 with a start win 3:0, that defeat and a 3:0 over
    // slot 4 (+5).
    League l = leagueOf(4,
                        Season{{{2, 1, 5, 0}, {3, 4, 0, 0}},
                               {{1, 2, 1, 0}, {3, 4, 0, 0}},
                               {{3, 1, 1, 0}, {2, 4, 3, 0}}},
                        TieOrder::DirectThenGoals);
    const int start[5][5] = {{}, {1, 0, 0, 1, 0}, {1, 0, 0, 3, 0}, {0, 0, 1, 0, 1}, {0, 0, 1, 0, 3}};
    for (int i = 1; i <= 4; ++i) {
        l.startWins[i] = start[i][0];
        l.startDraws[i] = start[i][1];
        l.startLosses[i] = start[i][2];
        l.startGoalsFor[i] = start[i][3];
        l.startGoalsAgainst[i] = start[i][4];
    }
    l.ErsterST();
    QCOMPARE(l.firstRound, 2);
    Standings s;
    TabBer(l, s);
    QCOMPARE(s.tableTotal[1], (StandingsRow{1, "Verein 1", 3, 2, 0, 1, 6, 2, 1, 1}));
    QCOMPARE(s.tableTotal[2], (StandingsRow{2, "Verein 2", 3, 2, 0, 1, 6, 6, 1, 5}));
    QCOMPARE(s.reasonTotal[2], RankReason::DirectPoints);

    l.tieOrder = TieOrder::GoalsThenDirect;
    TabBer(l, s);
    QCOMPARE(slotsOf(s.tableTotal, 4), (Order{2, 1, 3, 4}));
    QCOMPARE(s.reasonTotal[2], RankReason::GoalDiff);
}

void TestRankingRules::defaultOrderRanksAsBefore()
{
    QRandomGenerator rng(19980101u);
    for (int n = 0; n < 300; ++n) {
        League l = randomLeague(rng);
        l.tieOrder = TieOrder::Goals;
        l.winPoints = 3;
        Standings s;
        TabBer(l, s);
        QCOMPARE(slotsOf(s.tableTotal, l.teamCount), rankedByOldRule(l));
        for (int r = 2; r <= l.teamCount; ++r)
            for (const Standings::Reasons *why : {&s.reasonTotal, &s.reasonHome, &s.reasonAway})
                QVERIFY((*why)[r] == RankReason::Points || (*why)[r] == RankReason::GoalDiff
                        || (*why)[r] == RankReason::GoalsFor || (*why)[r] == RankReason::SlotOrder);
    }
}

void TestRankingRules::tableAfterMatchdayIsTheTableOfTheCutLeague()
{
    QRandomGenerator rng(20260807u);
    for (int n = 0; n < 300; ++n) {
        const League l = randomLeague(rng);
        const int last = rng.bounded(0, l.roundCount + 1);
        Standings after;
        TabBer(l, after, last);
        Standings cut;
        TabBer(cutAfter(l, last), cut);
        QCOMPARE(after.lastRound, last);
        for (int r = 1; r <= l.teamCount; ++r) {
            QCOMPARE(after.tableTotal[r], cut.tableTotal[r]);
            QCOMPARE(after.tableHome[r], cut.tableHome[r]);
            QCOMPARE(after.tableAway[r], cut.tableAway[r]);
        }
        QCOMPARE(after.reasonTotal, cut.reasonTotal);
        QCOMPARE(after.reasonHome, cut.reasonHome);
        QCOMPARE(after.reasonAway, cut.reasonAway);
    }
}

void TestRankingRules::curvesAreThePositionsOfTheseTables()
{
    QRandomGenerator rng(340018u);
    for (int n = 0; n < 60; ++n) {
        const League l = randomLeague(rng);
        std::array<Standings, League::kMaxRounds + 1> after;
        for (int m = l.firstRound; m <= l.roundCount; ++m)
            TabBer(l, after[m], m);
        for (int team = 1; team <= l.teamCount; ++team) {
            CurvePositions pos{};
            KurveBer(l, team, pos);
            for (int m = l.firstRound; m <= l.roundCount; ++m) {
                bool played = false;
                for (int k = 1; k <= l.rowCount(); ++k) {
                    const Match &g = l.results[m][k];
                    played = played || (g.counts() && (g.teamA == team || g.teamB == team));
                }
                const int expected = played ? int(slotsOf(after[m].tableTotal, l.teamCount).indexOf(team)) + 1 : 0;
                QCOMPARE(pos[m], expected);
            }
        }
    }
}

QTEST_GUILESS_MAIN(TestRankingRules)
#include "tst_rankingrules.moc"
