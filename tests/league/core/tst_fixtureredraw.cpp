// A new draw around the matchdays already played: whatever was played
// stays, and each half of the season still has every pair meet once.
#include "league/model/League.h"
#include "league/schedule/FixtureGenerator.h"
#include "league/schedule/FixtureRedraw.h"
#include "league/schedule/LeagueFixtures.h"

#include <QtTest>

#include <map>
#include <set>

namespace {

// A league drawn with `seed` whose listed matchdays hold results.
League playedLeague(int teams, int rounds, std::uint32_t seed, const QList<int> &played)
{
    League l;
    l.reshape(teams, rounds);
    LeagueFixtures::apply(l, FixtureGenerator::generate(LeagueFixtures::optionsFor(l, seed)));
    for (int j : played)
        for (int k = 1; k <= l.rowCount(); ++k) {
            l.match(j, k).goalsA = (j + k) % 4;
            l.match(j, k).goalsB = k % 3;
        }
    return l;
}

// Within every half (matchdays 1..H, H+1..2H, ...) each two teams meet
// exactly once when the half is whole and at most once when the season
// cuts it short; no team plays twice on a matchday, and in an odd league
// each team rests once per whole half. With two whole halves every team
// has each opponent once at home and once away.
void checkHalves(const League &l)
{
    const int n = l.teamCount;
    const int half = FixtureGenerator::halfLength(n);
    std::map<std::pair<int, int>, int> meetings;
    std::set<std::pair<int, int>> homeAway;
    std::map<int, int> rests;
    for (int j = 1; j <= l.roundCount; ++j) {
        std::set<int> seen;
        for (int k = 1; k <= l.rowCount(); ++k) {
            const Match &m = l.match(j, k);
            QVERIFY2(m.teamA >= 1 && m.teamB >= 1 && m.teamA != m.teamB, qPrintable(QStringLiteral("%1/%2").arg(j).arg(k)));
            QVERIFY(seen.insert(m.teamA).second);
            QVERIFY(seen.insert(m.teamB).second);
            ++meetings[{std::min(m.teamA, m.teamB), std::max(m.teamA, m.teamB)}];
            homeAway.insert({m.teamA, m.teamB});
        }
        if (n % 2)
            for (int t = 1; t <= n; ++t)
                if (!seen.count(t))
                    ++rests[t];
        const bool halfEnds = j % half == 0;
        if (halfEnds || j == l.roundCount) {
            for (int a = 1; a <= n; ++a)
                for (int b = a + 1; b <= n; ++b) {
                    const int met = meetings[{a, b}];
                    QVERIFY2(halfEnds ? met == 1 : met <= 1,
                             qPrintable(QStringLiteral("%1-%2 meet %3 times by matchday %4").arg(a).arg(b).arg(met).arg(j)));
                }
            if (halfEnds)
                for (int t = 1; t <= n && n % 2; ++t)
                    QCOMPARE(rests[t], 1);
            meetings.clear();
            rests.clear();
        }
    }
    if (l.roundCount == 2 * half)
        QCOMPARE(int(homeAway.size()), n * (n - 1));
}

} // namespace

class TestFixtureRedraw : public QObject {
    Q_OBJECT

private slots:
    void playedMatchdaysStayAndEveryPairMeetsOncePerHalf_data()
    {
        QTest::addColumn<int>("teams");
        QTest::addColumn<int>("rounds");
        QTest::addColumn<QList<int>>("played");
        QTest::newRow("18, first three") << 18 << 34 << QList<int>{1, 2, 3};
        QTest::newRow("18, scattered over both halves") << 18 << 34 << QList<int>{2, 5, 11, 17, 18, 30};
        QTest::newRow("18, all but one of the first half") << 18 << 34
                                                           << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};
        QTest::newRow("20, one") << 20 << 38 << QList<int>{7};
        QTest::newRow("24, six") << 24 << 46 << QList<int>{1, 2, 3, 4, 24, 46};
        QTest::newRow("4, one each half") << 4 << 6 << QList<int>{1, 5};
        QTest::newRow("7 teams, rest days") << 7 << 14 << QList<int>{1, 3, 9};
        QTest::newRow("5 teams, four halves") << 5 << 20 << QList<int>{2, 7, 13, 19};
        QTest::newRow("10, season cut short") << 10 << 12 << QList<int>{1, 10};
        QTest::newRow("2 teams") << 2 << 2 << QList<int>{1};
    }

    void playedMatchdaysStayAndEveryPairMeetsOncePerHalf()
    {
        QFETCH(int, teams);
        QFETCH(int, rounds);
        QFETCH(QList<int>, played);
        for (std::uint32_t first : {1u, 77u, 20261208u}) {
            const League before = playedLeague(teams, rounds, first, played);
            for (std::uint32_t again : {0u, 3u, 999999999u}) {
                League l = before;
                const FixtureRedraw redraw = FixtureRedraw::make(l, LeagueFixtures::optionsFor(l, again));
                QVERIFY2(redraw.refusal.isEmpty(), qPrintable(redraw.refusal));
                QCOMPARE(int(redraw.list.size()), rounds);
                LeagueFixtures::apply(l, redraw.list);
                for (int j : played)
                    for (int k = 1; k <= l.rowCount(); ++k)
                        QCOMPARE(l.match(j, k), before.match(j, k));
                checkHalves(l);
                if (QTest::currentTestFailed())
                    qWarning("first draw %u, redraw %u", first, again);
                QVERIFY(!QTest::currentTestFailed());
            }
        }
    }

    void sameSeedSameRedraw()
    {
        const League l = playedLeague(18, 34, 5, {1, 2});
        const auto a = FixtureRedraw::make(l, LeagueFixtures::optionsFor(l, 42));
        const auto b = FixtureRedraw::make(l, LeagueFixtures::optionsFor(l, 42));
        const auto c = FixtureRedraw::make(l, LeagueFixtures::optionsFor(l, 43));
        QVERIFY(a.list == b.list);
        QVERIFY(a.list != c.list);
    }

    void pairingsThatCannotBePlacedAreRefusedWithTheReason()
    {
        // One game on matchday 1 and a stray goal on matchday 3 keep two
        // matchdays of the first half, but the other 152 pairings of 18
        // teams need 17 matchdays.
        League l;
        for (int i = 1; i <= 18; ++i)
            l.teamNames[i] = QStringLiteral("Klub %1").arg(i);
        // A name holding "%1" is shown as it is.
        l.teamNames[1] = QStringLiteral("Elf %1 %2");
        l.match(1, 1) = Match{7, 8, 2, 2};
        l.match(3, 9) = Match{0, 0, -1, 0};
        const FixtureRedraw redraw = FixtureRedraw::make(l, LeagueFixtures::optionsFor(l, 3));
        QVERIFY(redraw.list.empty());
        QVERIFY2(redraw.refusal.startsWith(QStringLiteral("Elf %1 %2 hat in der Hinrunde noch 17 Gegner, aber nur 15 "
                                                          "freie Spieltage")),
                 qPrintable(redraw.refusal));
    }
};

QTEST_GUILESS_MAIN(TestFixtureRedraw)
#include "tst_fixtureredraw.moc"
