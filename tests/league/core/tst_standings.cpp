#include <QtTest>

#include "league/model/League.h"
#include "league/model/LeagueError.h"
#include "league/standings/RowBands.h"
#include "league/standings/Standings.h"

#include <climits>

using Order = QList<int>;

// Readable failure output for row comparisons.
char *toString(const StandingsRow &r)
{
    return qstrdup(QStringLiteral("{team %1 \"%2\" g%3 w%4 d%5 l%6 p%7 %8:%9 diff %10}")
                       .arg(r.team).arg(r.name).arg(r.games).arg(r.wins).arg(r.draws).arg(r.losses)
                       .arg(r.points).arg(r.goalsFor).arg(r.goalsAgainst).arg(r.goalDiff)
                       .toUtf8().constData());
}

namespace {

Order slotsOf(const Standings::Table &t)
{
    Order o;
    for (int r = 1; r <= 18; ++r)
        o << t[r].team;
    return o;
}

Order slotOrder()
{
    Order o;
    for (int i = 1; i <= 18; ++i)
        o << i;
    return o;
}

// team, games, wins, draws, losses, points, goals for, goals against, difference
StandingsRow row(int team, int g, int w, int d, int l, int p, int gf, int ga, int diff, const QString &name = {})
{
    return StandingsRow{team, name, g, w, d, l, p, gf, ga, diff};
}

StandingsRow deducted(StandingsRow r, int points)
{
    r.deducted = points;
    return r;
}

void setStart(League &l, int slot, int w, int d, int lo, int gf, int ga, int penalty = 0)
{
    l.startWins[slot] = w;
    l.startDraws[slot] = d;
    l.startLosses[slot] = lo;
    l.startGoalsFor[slot] = gf;
    l.startGoalsAgainst[slot] = ga;
    l.penaltyPoints[slot] = penalty;
}

} // namespace

class TestStandings : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void emptyLeagueKeepsSlotOrder();
    void homeWinCountsInHomeAwayAndTotal();
    void ordering_data();
    void ordering();
    void ranksAboveKeys_data();
    void ranksAboveKeys();
    void startValuesOnlyAfterLaterStart();
    void laterStartExample();
    void negativePointsSortBelowZeroGames_data();
    void negativePointsSortBelowZeroGames();
    void halfEnteredMatchCountsNowhere();
    void overflowEndsTheCommand();
    void zoneColours_data();
    void zoneColours();
    void homeAndAwayViewsLeaveWhite();
};

void TestStandings::emptyLeagueKeepsSlotOrder()
{
    League l;
    for (int i = 1; i <= 18; ++i)
        l.teamNames[i] = QStringLiteral("Team %1").arg(i);
    Standings s;
    TabBer(l, s);
    for (const Standings::Table *t : {&s.tableTotal, &s.tableHome, &s.tableAway}) {
        QCOMPARE(slotsOf(*t), slotOrder());
        for (int r = 1; r <= 18; ++r)
            QCOMPARE((*t)[r], row(r, 0, 0, 0, 0, 0, 0, 0, 0, QStringLiteral("Team %1").arg(r)));
        // The row after the last never holds a team.
        QCOMPARE((*t)[19].team, 0);
    }
}

void TestStandings::homeWinCountsInHomeAwayAndTotal()
{
    League l;
    l.match(1, 1) = Match{3, 7, 2, 1};
    Standings s;
    TabBer(l, s);
    QCOMPARE(s.accHome[3], row(3, 1, 1, 0, 0, 3, 2, 1, 1));
    QCOMPARE(s.accAway[3], row(3, 0, 0, 0, 0, 0, 0, 0, 0));
    QCOMPARE(s.accTotal[3], row(3, 1, 1, 0, 0, 3, 2, 1, 1));
    QCOMPARE(s.accAway[7], row(7, 1, 0, 0, 1, 0, 1, 2, -1));
    QCOMPARE(s.accHome[7], row(7, 0, 0, 0, 0, 0, 0, 0, 0));
    QCOMPARE(s.accTotal[7], row(7, 1, 0, 0, 1, 0, 1, 2, -1));

    QCOMPARE(s.tableTotal[1], row(3, 1, 1, 0, 0, 3, 2, 1, 1));
    QCOMPARE(s.tableTotal[18], row(7, 1, 0, 0, 1, 0, 1, 2, -1));
    QCOMPARE(s.tableHome[1].team, 3);
    QCOMPARE(s.tableAway[18].team, 7);
    // Slot 7 has no home game, so it stays in slot order in the home table.
    QCOMPARE(s.tableHome[7].team, 7);
}

void TestStandings::ordering_data()
{
    QTest::addColumn<QList<Match>>("matchdayOne");
    QTest::addColumn<Order>("total");

    // Both draw 1:1 with each other: equal in every key, so slot 4 (the
    // away team) still comes before slot 9.
    QTest::newRow("full tie keeps slot order")
        << QList<Match>{{9, 4, 1, 1}}
        << Order{4, 9, 1, 2, 3, 5, 6, 7, 8, 10, 11, 12, 13, 14, 15, 16, 17, 18};
    // 3 points and +1 each; goals scored decide, also among the two losers.
    QTest::newRow("goals scored after difference")
        << QList<Match>{{12, 13, 1, 0}, {10, 11, 3, 2}}
        << Order{10, 12, 1, 2, 3, 4, 5, 6, 7, 8, 9, 14, 15, 16, 17, 18, 11, 13};
    // 3:0 beats 4:2 on difference although fewer goals were scored.
    QTest::newRow("difference before goals scored")
        << QList<Match>{{15, 16, 4, 2}, {17, 18, 3, 0}}
        << Order{17, 15, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 16, 18};
    // Slot 0 matches no team, so a row with one team chosen counts for that
    // team alone: both lose 0:4 and tie, slot 5 first.
    QTest::newRow("one-sided rows")
        << QList<Match>{{0, 5, 4, 0}, {6, 0, 0, 4}}
        << Order{1, 2, 3, 4, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 5, 6};
    QTest::newRow("rows without any team")
        << QList<Match>{{0, 0, 4, 0}, {0, 0, 0, 4}}
        << slotOrder();
}

void TestStandings::ordering()
{
    QFETCH(QList<Match>, matchdayOne);
    QFETCH(Order, total);
    League l;
    for (int k = 0; k < matchdayOne.size(); ++k)
        l.match(1, k + 1) = matchdayOne[k];
    Standings s;
    TabBer(l, s);
    QCOMPARE(slotsOf(s.tableTotal), total);
}

void TestStandings::ranksAboveKeys_data()
{
    QTest::addColumn<StandingsRow>("cand");
    QTest::addColumn<StandingsRow>("other");
    QTest::addColumn<bool>("above");

    QTest::newRow("+5 (8:3) over +4 (12:8) at 10 points")
        << row(2, 10, 3, 1, 6, 10, 8, 3, 5) << row(1, 10, 3, 1, 6, 10, 12, 8, 4) << true;
    QTest::newRow("+4 (12:8) not over +5 (8:3)")
        << row(1, 10, 3, 1, 6, 10, 12, 8, 4) << row(2, 10, 3, 1, 6, 10, 8, 3, 5) << false;
    QTest::newRow("more points beat a better difference")
        << row(5, 3, 1, 0, 2, 3, 1, 9, -8) << row(6, 3, 0, 2, 1, 2, 9, 1, 8) << true;
    QTest::newRow("equal points and difference, more goals")
        << row(5, 2, 1, 0, 1, 3, 5, 4, 1) << row(6, 2, 1, 0, 1, 3, 2, 1, 1) << true;
    QTest::newRow("full tie is not above")
        << row(9, 2, 1, 0, 1, 3, 2, 1, 1) << row(4, 2, 1, 0, 1, 3, 2, 1, 1) << false;
    QTest::newRow("goals against alone do not count")
        << row(9, 2, 1, 0, 1, 3, 2, 1, 1) << row(4, 9, 1, 0, 8, 3, 2, 1, 1) << false;
    QTest::newRow("negative points below an empty row")
        << row(7, 0, 0, 0, 0, -2, 0, 0, 0) << row(8, 0, 0, 0, 0, 0, 0, 0, 0) << false;
    QTest::newRow("any team above the empty marker")
        << row(7, 0, 0, 0, 0, -5, 0, 0, 0)
        << row(-32000, -32000, -32000, -32000, -32000, -32000, -32000, -32000, -32000) << true;
}

void TestStandings::ranksAboveKeys()
{
    QFETCH(StandingsRow, cand);
    QFETCH(StandingsRow, other);
    QFETCH(bool, above);
    QCOMPARE(ranksAbove(cand, other), above);
}

void TestStandings::startValuesOnlyAfterLaterStart()
{
    League l;
    // Stored start values of slot 2 do not move firstRound, which stays 1:
    // then they count nowhere, while its deducted points are a ruling on
    // the team and cost it its place at the top.
    setStart(l, 2, 5, 1, 0, 20, 3, 4);
    l.ErsterST();
    QCOMPARE(l.firstRound, 1);
    Standings s;
    TabBer(l, s);
    QCOMPARE(s.accTotal[2], deducted(row(2, 0, 0, 0, 0, -4, 0, 0, 0), 4));
    QCOMPARE(slotsOf(s.tableTotal), (Order{1, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 2}));
    QCOMPARE(s.accHome[2].deducted, 0);
    QCOMPARE(slotsOf(s.tableHome), slotOrder());
    QCOMPARE(deductionText(s.tableTotal[18]), QStringLiteral("Punktabzug: 4"));
    QCOMPARE(deductionText(s.tableTotal[1]), QString());

    // A deduction of a league started at matchday 1 counts from the first
    // result on: slot 2 wins twice and still stands below slot 1's one win.
    l.match(1, 1) = Match{2, 3, 1, 0};
    l.match(2, 1) = Match{4, 2, 0, 2};
    l.match(2, 2) = Match{1, 5, 3, 0};
    TabBer(l, s);
    QCOMPARE(s.accTotal[2], deducted(row(2, 2, 2, 0, 0, 2, 3, 0, 3), 4));
    QCOMPARE(s.tableTotal[1].team, 1);
    QCOMPARE(s.tableTotal[2].team, 2);
    QCOMPARE(s.reasonTotal[2], RankReason::Points);
}

void TestStandings::laterStartExample()
{
    League l;
    for (int i = 1; i <= 18; ++i)
        setStart(l, i, 0, 10, 0, 0, 0);
    setStart(l, 1, 6, 2, 2, 15, 9, 2);
    l.ErsterST();
    QCOMPARE(l.firstRound, 11);
    // Before the first entered matchday: ignored although it has a result.
    l.match(10, 1) = Match{1, 2, 5, 0};

    Standings s;
    TabBer(l, s);
    QCOMPARE(s.accTotal[1], deducted(row(1, 10, 6, 2, 2, 18, 15, 9, 6), 2));
    QCOMPARE(s.accHome[1], row(1, 0, 0, 0, 0, 0, 0, 0, 0));
    QCOMPARE(s.accAway[1], row(1, 0, 0, 0, 0, 0, 0, 0, 0));
    QCOMPARE(s.accTotal[2], row(2, 10, 0, 10, 0, 10, 0, 0, 0));
    QCOMPARE(s.tableTotal[1].team, 1);

    // The first entered matchday counts on top of the start values.
    l.match(11, 1) = Match{2, 1, 3, 1};
    TabBer(l, s);
    QCOMPARE(s.accTotal[1], deducted(row(1, 11, 6, 2, 3, 18, 16, 12, 4), 2));
    QCOMPARE(s.accAway[1], row(1, 1, 0, 0, 1, 0, 1, 3, -2));
    QCOMPARE(s.accTotal[2], row(2, 11, 1, 10, 0, 13, 3, 1, 2));
    QCOMPARE(s.accHome[2], row(2, 1, 1, 0, 0, 3, 3, 1, 2));
}

void TestStandings::negativePointsSortBelowZeroGames_data()
{
    QTest::addColumn<int>("penalty");
    QTest::newRow("5 penalty points") << 5;
    // Any number of points is a place in the table: a team far below zero
    // still has its row, last.
    QTest::newRow("32000 penalty points") << 32000;
    QTest::newRow("32001 penalty points") << 32001;
    QTest::newRow("a billion penalty points") << 1000000000;
}

void TestStandings::negativePointsSortBelowZeroGames()
{
    QFETCH(int, penalty);
    League l;
    setStart(l, 1, 1, 0, 0, 1, 0);
    setStart(l, 7, 0, 0, 0, 0, 0, penalty);
    l.ErsterST();
    QCOMPARE(l.firstRound, 2);
    Standings s;
    TabBer(l, s);
    QCOMPARE(s.accTotal[7], deducted(row(7, 0, 0, 0, 0, -penalty, 0, 0, 0), penalty));
    QCOMPARE(slotsOf(s.tableTotal), (Order{1, 2, 3, 4, 5, 6, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 7}));
    QCOMPARE(s.tableTotal[18], deducted(row(7, 0, 0, 0, 0, -penalty, 0, 0, 0, l.teamNames[7]), penalty));
    // Penalty points are never part of the home and away tables.
    QCOMPARE(s.accHome[7].points, 0);
    QCOMPARE(slotsOf(s.tableHome), slotOrder());
}

void TestStandings::halfEnteredMatchCountsNowhere()
{
    League l;
    l.match(1, 1) = Match{3, 7, 2, -1};
    l.match(2, 1) = Match{7, 3, -1, 4};
    Standings s;
    TabBer(l, s);
    for (int slot : {3, 7}) {
        QCOMPARE(s.accTotal[slot], row(slot, 0, 0, 0, 0, 0, 0, 0, 0));
        QCOMPARE(s.accHome[slot], row(slot, 0, 0, 0, 0, 0, 0, 0, 0));
        QCOMPARE(s.accAway[slot], row(slot, 0, 0, 0, 0, 0, 0, 0, 0));
    }
    QCOMPARE(slotsOf(s.tableTotal), slotOrder());
}

void TestStandings::overflowEndsTheCommand()
{
    League l;
    setStart(l, 1, 1, 0, 0, INT_MAX, 0);
    l.ErsterST();
    l.match(2, 1) = Match{1, 2, 1, 0};
    Standings s;
    QVERIFY_THROWS_EXCEPTION(LeagueError, TabBer(l, s));
}

void TestStandings::zoneColours_data()
{
    QTest::addColumn<bool>("champion");
    QTest::addColumn<int>("cl");
    QTest::addColumn<int>("uc");
    QTest::addColumn<int>("relegated");
    // One letter per row 1..18: M champion, C Champions League, U UEFA Cup,
    // A relegation, - white.
    QTest::addColumn<QString>("bands");

    QTest::newRow("defaults") << true << 1 << 3 << 3 << "MCUUU----------AAA";
    QTest::newRow("no champion, no CL, 2 UEFA") << false << 0 << 2 << 3 << "UU-------------AAA";
    QTest::newRow("only a CL place") << false << 1 << 0 << 0 << "C-----------------";
    QTest::newRow("champion without CL") << true << 0 << 1 << 1 << "MU---------------A";
    QTest::newRow("zones stop at 8 rows") << true << 1 << 8 << 8 << "MCUUUUUUUUAAAAAAAA";
    QTest::newRow("values above 8 are capped") << false << 0 << 12 << 9 << "UUUUUUUU--AAAAAAAA";
}

void TestStandings::zoneColours()
{
    QFETCH(bool, champion);
    QFETCH(int, cl);
    QFETCH(int, uc);
    QFETCH(int, relegated);
    QFETCH(QString, bands);
    League l;
    l.hasChampion = champion;
    l.clPlaces = cl;
    l.ucPlaces = uc;
    l.relegationPlaces = relegated;
    const QHash<QChar, QColor> colours{{'M', QColor(187, 255, 255)}, {'C', QColor(255, 187, 255)},
                                       {'U', QColor(187, 255, 187)}, {'A', QColor(255, 187, 187)},
                                       {'-', QColor(255, 255, 255)}};
    const RowBandColors c = bandsForView(TableView::Total, l);
    for (int r = 1; r <= 18; ++r)
        QCOMPARE(c[r], colours.value(bands.at(r - 1)));
}

void TestStandings::homeAndAwayViewsLeaveWhite()
{
    League l;
    for (TableView v : {TableView::Home, TableView::Away}) {
        const RowBandColors c = bandsForView(v, l);
        for (int r = 1; r <= 18; ++r)
            QCOMPARE(c[r], QColor(255, 255, 255));
    }
    // Before any view: the default layout whatever the settings.
    const RowBandColors d = RowBandColors::defaultLayout();
    const QString expected = QStringLiteral("MCUUU----------AAA");
    for (int r = 1; r <= 18; ++r) {
        const QColor want = expected[r - 1] == 'M' ? QColor(187, 255, 255)
            : expected[r - 1] == 'C'               ? QColor(255, 187, 255)
            : expected[r - 1] == 'U'               ? QColor(187, 255, 187)
            : expected[r - 1] == 'A'               ? QColor(255, 187, 187)
                                                   : QColor(255, 255, 255);
        QCOMPARE(d[r], want);
    }
}

QTEST_GUILESS_MAIN(TestStandings)
#include "tst_standings.moc"
