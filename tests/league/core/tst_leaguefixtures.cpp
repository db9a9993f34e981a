#include <QtTest>

#include "league/model/League.h"
#include "league/schedule/FixtureGenerator.h"
#include "league/schedule/LeagueFixtures.h"

#include <set>

// A fixture list meeting a league: what counts as already entered, what the
// list may replace, and what it must leave alone.

namespace {

League shaped(int teams, int rounds)
{
    League l;
    l.reshape(teams, rounds);
    return l;
}

// Two hand-made matchdays of a six-team league, dated when `dated`.
std::vector<FixtureMatchday> twoDays(bool dated)
{
    std::vector<FixtureMatchday> list(2);
    list[0].pairings = {{1, 2}, {3, 4}, {5, 6}};
    list[1].pairings = {{2, 3}, {4, 5}, {6, 1}};
    if (dated) {
        list[0].dateFrom = list[0].dateTo = QStringLiteral("01.08.2026");
        list[1].dateFrom = list[1].dateTo = QStringLiteral("08.08.2026");
    }
    return list;
}

} // namespace

class TestLeagueFixtures : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void conflictsTellPairingsFromResults();
    void resultsAndTheirMatchdaysAreNeverTouched();
    void datesOnlyWhenTheListCarriesThem();
    void oddLeagueRestsTheTeamOutsideTheRows();
    void listLongerOrShorterThanTheLeague();
    void confirmationSaysHowMany_data();
    void confirmationSaysHowMany();
    void newSlotsAndSeeds();
};

void TestLeagueFixtures::conflictsTellPairingsFromResults()
{
    League l = shaped(6, 10);
    l.match(2, 3) = Match{4, 0, -1, -1};  // one team picked, nothing else
    l.match(5, 1) = Match{0, 0, 2, -1};   // a single goal is a result already
    l.match(6, 2) = Match{1, 2, 0, 0};
    l.match(6, 3) = Match{3, 4, -1, -1};
    l.dates(7).dateFrom = QStringLiteral("01.09.2026"); // dates alone hold nothing
    const FixtureConflicts c = LeagueFixtures::conflicts(l);
    QCOMPARE(c.paired, (QList<int>{2}));
    QCOMPARE(c.played, (QList<int>{5, 6}));
    QCOMPARE(c.count(), 3);
    QVERIFY(!c.isEmpty());
    QVERIFY(LeagueFixtures::conflicts(shaped(6, 10)).isEmpty());
}

void TestLeagueFixtures::resultsAndTheirMatchdaysAreNeverTouched()
{
    League l = shaped(6, 2);
    l.match(1, 1) = Match{6, 5, 3, 1};
    l.match(1, 2) = Match{2, 4, -1, -1};
    l.dates(1) = RoundDates{QStringLiteral("02.08.2026"), QStringLiteral("03.08.2026")};
    l.match(2, 1) = Match{5, 3, -1, -1};
    l.match(2, 3) = Match{1, 1, -1, -1};
    const League before = l;

    const QList<int> written = LeagueFixtures::apply(l, twoDays(true));
    QCOMPARE(written, (QList<int>{2}));
    // Matchday 1 holds a result: its rows and dates stay exactly.
    for (int k = 1; k <= 3; ++k)
        QCOMPARE(l.match(1, k), before.match(1, k));
    QCOMPARE(l.dates(1), before.dates(1));
    // Matchday 2 held pairings only: every row is the list's, no goals.
    QCOMPARE(l.match(2, 1), (Match{2, 3, -1, -1}));
    QCOMPARE(l.match(2, 2), (Match{4, 5, -1, -1}));
    QCOMPARE(l.match(2, 3), (Match{6, 1, -1, -1}));
    QCOMPARE(l.dates(2), (RoundDates{QStringLiteral("08.08.2026"), QStringLiteral("08.08.2026")}));
    // Names, options and the saved state are not the list's business.
    QCOMPARE(l.teamNames, before.teamNames);
    QCOMPARE(l.currentRound, before.currentRound);
    QCOMPARE(l.leagueSaved, before.leagueSaved);
}

void TestLeagueFixtures::datesOnlyWhenTheListCarriesThem()
{
    League l = shaped(6, 2);
    l.dates(2) = RoundDates{QStringLiteral("09.08.2026"), QStringLiteral("10.08.2026")};
    LeagueFixtures::apply(l, twoDays(false));
    QCOMPARE(l.dates(1), RoundDates{});
    QCOMPARE(l.dates(2), (RoundDates{QStringLiteral("09.08.2026"), QStringLiteral("10.08.2026")}));
    QCOMPARE(l.match(1, 3), (Match{5, 6, -1, -1}));

    // The options carry the league's shape and the chosen dates through.
    const FixtureOptions o = LeagueFixtures::optionsFor(shaped(7, 12), 31u, QDate(2026, 8, 1), 3);
    QCOMPARE(o.teamCount, 7);
    QCOMPARE(o.roundCount, 12);
    QCOMPARE(o.seed, 31u);
    QCOMPARE(o.firstDate, QDate(2026, 8, 1));
    QCOMPARE(o.daysBetween, 3);
}

void TestLeagueFixtures::oddLeagueRestsTheTeamOutsideTheRows()
{
    // Seven teams: three rows a matchday, and the one slot missing from them
    // is the one that rests; over a half every slot rests once.
    League l = shaped(7, 14);
    QCOMPARE(l.rowCount(), 3);
    LeagueFixtures::apply(l, FixtureGenerator::generate(LeagueFixtures::optionsFor(l, 5u)));
    for (int first : {1, 8}) {
        std::multiset<int> resting;
        for (int j = first; j < first + 7; ++j) {
            std::set<int> playing;
            for (int k = 1; k <= 3; ++k) {
                const Match &m = l.match(j, k);
                QCOMPARE(m.goalsA, -1);
                QCOMPARE(m.goalsB, -1);
                QVERIFY(playing.insert(m.teamA).second);
                QVERIFY(playing.insert(m.teamB).second);
            }
            QCOMPARE(int(playing.size()), 6);
            for (int s = 1; s <= 7; ++s)
                if (!playing.count(s))
                    resting.insert(s);
        }
        QCOMPARE(resting, (std::multiset<int>{1, 2, 3, 4, 5, 6, 7}));
    }
}

void TestLeagueFixtures::listLongerOrShorterThanTheLeague()
{
    League shortLeague = shaped(6, 1);
    QCOMPARE(LeagueFixtures::apply(shortLeague, twoDays(false)), (QList<int>{1}));
    QCOMPARE(shortLeague.results[2][1], Match{}); // past the league: untouched

    League longLeague = shaped(6, 3);
    longLeague.match(3, 1) = Match{1, 2, -1, -1};
    QCOMPARE(LeagueFixtures::apply(longLeague, twoDays(false)), (QList<int>{1, 2}));
    QCOMPARE(longLeague.match(3, 1), (Match{1, 2, -1, -1}));
}

void TestLeagueFixtures::confirmationSaysHowMany_data()
{
    QTest::addColumn<QList<int>>("paired");
    QTest::addColumn<QList<int>>("played");
    QTest::addColumn<QString>("text");
    QTest::newRow("nothing") << QList<int>{} << QList<int>{} << QString();
    QTest::newRow("one paired") << QList<int>{4} << QList<int>{}
                                << QStringLiteral("1 Spieltag enthält bereits Paarungen, die der neue Spielplan "
                                                  "ersetzt.\nSoll der Spielplan trotzdem erstellt werden?");
    QTest::newRow("both") << QList<int>{1, 2, 3} << QList<int>{5, 9}
                          << QStringLiteral("3 Spieltage enthalten bereits Paarungen, die der neue Spielplan "
                                            "ersetzt.\n2 Spieltage mit Ergebnissen bleiben unverändert (5, 9). Ihre Paarungen zählen mit: die "
                                            "anderen Spieltage erhalten die Paarungen, die jeder Halbserie noch fehlen, "
                                            "sodass sich jedes Paar einmal je Halbserie trifft.\n"
                                            "Soll der Spielplan trotzdem erstellt werden?");
    QTest::newRow("one played") << QList<int>{} << QList<int>{12}
                                << QStringLiteral("1 Spieltag mit Ergebnissen bleibt unverändert (12). Ihre Paarungen zählen mit: die "
                                            "anderen Spieltage erhalten die Paarungen, die jeder Halbserie noch fehlen, "
                                            "sodass sich jedes Paar einmal je Halbserie trifft.\n"
                                                  "Soll der Spielplan trotzdem erstellt werden?");
}

void TestLeagueFixtures::confirmationSaysHowMany()
{
    QFETCH(QList<int>, paired);
    QFETCH(QList<int>, played);
    QFETCH(QString, text);
    FixtureConflicts c;
    c.paired = paired;
    c.played = played;
    QCOMPARE(LeagueFixtures::confirmationText(c), text);
}

void TestLeagueFixtures::newSlotsAndSeeds()
{
    League l = shaped(20, 38);
    for (int i = 1; i <= 20; ++i)
        l.teamNames[i] = QStringLiteral("Klub %1").arg(i);
    l.teamNames[4] = QStringLiteral("  ");
    LeagueFixtures::nameSlots(l, 19);
    QCOMPARE(l.teamNames[1], QStringLiteral("Klub 1"));
    QCOMPARE(l.teamNames[4], QStringLiteral("Team 4"));
    QCOMPARE(l.teamNames[18], QStringLiteral("Klub 18"));
    QCOMPARE(l.teamNames[19], QStringLiteral("Team 19"));
    QCOMPARE(l.teamNames[20], QStringLiteral("Team 20"));
    QCOMPARE(l.teamNames[21], QString());

    // A drawn seed is never 0 (slot order) and types back in nine digits.
    for (int i = 0; i < 2000; ++i) {
        const std::uint32_t s = LeagueFixtures::randomSeed();
        QVERIFY(s >= 1 && s <= FixtureGenerator::kMaxSeed);
    }
}

QTEST_GUILESS_MAIN(TestLeagueFixtures)
#include "tst_leaguefixtures.moc"
