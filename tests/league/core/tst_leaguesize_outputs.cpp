#include <QtTest>

#include "league/model/League.h"
#include "league/model/LeagueError.h"
#include "league/standings/CrossTable.h"
#include "league/standings/FeverCurve.h"
#include "league/standings/RowBands.h"
#include "league/standings/Standings.h"

// Tables, zones, cross table and curves of leagues other than 18 teams and
// 34 matchdays. Every expected value is worked out by hand below from the
// points rule (3/1), the tie-breaks (points, difference, goals, slot) and
// the layouts.

namespace {

const QRgb kBlue = qRgb(0, 0, 255);
const QRgb kGrey = qRgb(221, 221, 221);
const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kRed = qRgb(255, 0, 0);

League named(int teams, int rounds)
{
    League l;
    if (!l.reshape(teams, rounds))
        qFatal("reshape refused");
    for (int i = 1; i <= teams; ++i)
        l.teamNames[i] = QStringLiteral("Klub %1").arg(i);
    return l;
}

// 20 teams, 38 matchdays of 10 rows:
//  MD 1  row 1: 19 - 20 3:1, row 2: 1 - 2 0:0, row 10: 5 - 6 2:1
//  MD 2  row 1: 2 - 19 1:2
//  MD 38 row 10: 20 - 3 4:0
// Totals: 19 6 pts 5:2; 20 3 pts 5:3; 5 3 pts 2:1; 1 1 pt 0:0; 2 1 pt 1:2;
// 4 and 7..18 nothing; 6 0 pts 1:2; 3 0 pts 0:4.
League twentyTeams()
{
    League l = named(20, 38);
    l.match(1, 1) = Match{19, 20, 3, 1};
    l.match(1, 2) = Match{1, 2, 0, 0};
    l.match(1, 10) = Match{5, 6, 2, 1};
    l.match(2, 1) = Match{2, 19, 1, 2};
    l.match(38, 10) = Match{20, 3, 4, 0};
    return l;
}

// 6 teams, 10 matchdays of 3 rows, one matchday played:
// 1 - 2 1:0, 3 - 4 2:2, 5 - 6 0:3.
League sixTeams()
{
    League l = named(6, 10);
    l.match(1, 1) = Match{1, 2, 1, 0};
    l.match(1, 2) = Match{3, 4, 2, 2};
    l.match(1, 3) = Match{5, 6, 0, 3};
    return l;
}

// 5 teams, 10 matchdays of 2 rows: slot 5 rests on matchday 1, slot 4 on
// matchday 2.  MD 1: 1 - 2 2:0, 3 - 4 1:1.  MD 2: 5 - 1 0:3, 2 - 3 2:2.
League fiveTeams()
{
    League l = named(5, 10);
    l.match(1, 1) = Match{1, 2, 2, 0};
    l.match(1, 2) = Match{3, 4, 1, 1};
    l.match(2, 1) = Match{5, 1, 0, 3};
    l.match(2, 2) = Match{2, 3, 2, 2};
    return l;
}

QList<int> slotsOf(const Standings::Table &t, int teams)
{
    QList<int> out;
    for (int r = 1; r <= teams; ++r)
        out << t[r].team;
    return out;
}

// One letter per row: C champion, M Champions League, U UEFA Cup,
// A relegation, - none.
QString zoneLetters(const RowBandColors &bands, int rows)
{
    QString out;
    for (int r = 1; r <= rows; ++r) {
        const QColor &c = bands[r];
        out += c == ZoneColor::champion          ? QLatin1Char('C')
               : c == ZoneColor::championsLeague ? QLatin1Char('M')
               : c == ZoneColor::uefaCup         ? QLatin1Char('U')
               : c == ZoneColor::relegation      ? QLatin1Char('A')
                                                 : QLatin1Char('-');
    }
    return out;
}

bool anyPixel(const QImage &img, const QRect &area, QRgb colour)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (img.pixel(x, y) == colour)
                return true;
    return false;
}

} // namespace

class TestLeagueSizeOutputs : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void twentyTeamTables();
    void smallTables();
    void zonesHeldWithinTheTable_data();
    void zonesHeldWithinTheTable();
    void crossTableFollowsTheTeams();
    void curvePositionsOfSmallAndLargeLeagues();
    void curvePictureSize_data();
    void curvePictureSize();
    void twentyTeamCurvePicture();
    void tinyChartKeepsAxesAndLabels();
};

void TestLeagueSizeOutputs::twentyTeamTables()
{
    const League l = twentyTeams();
    Standings s;
    TabBer(l, s);
    QCOMPARE(s.teamCount, 20);
    QCOMPARE(slotsOf(s.tableTotal, 20),
             (QList<int>{19, 20, 5, 1, 2, 4, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 6, 3}));
    const StandingsRow &top = s.tableTotal[1];
    QCOMPARE(top.games, 2);
    QCOMPARE(top.wins, 2);
    QCOMPARE(top.points, 6);
    QCOMPARE(top.goalsFor, 5);
    QCOMPARE(top.goalsAgainst, 2);
    // The result of the tenth row and of matchday 38 count like any other.
    QCOMPARE(s.tableTotal[2].points, 3);
    QCOMPARE(s.tableTotal[2].goalsFor, 5);
    QCOMPARE(s.tableTotal[3].team, 5);
    QCOMPARE(s.tableTotal[20].goalDiff, -4);
    QCOMPARE(s.tableTotal[20].losses, 1);
    // The scratch row below the last team holds none.
    QCOMPARE(s.tableTotal[21].team, -32000);

    // Home: 20 (3, +4), 19 (3, +2), 5 (3, +1), 1 (1), then the teams
    // without a home game in slot order, 2 (0, -1) last.
    QCOMPARE(slotsOf(s.tableHome, 20),
             (QList<int>{20, 19, 5, 1, 3, 4, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 2}));
    // Away: 19 (3, +1), 2 (the 0:0 at slot 1), the teams without an away
    // game in slot order, then 6 (-1), 20 (-2), 3 (-4).
    QCOMPARE(slotsOf(s.tableAway, 20),
             (QList<int>{19, 2, 1, 4, 5, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 6, 20, 3}));
}

void TestLeagueSizeOutputs::smallTables()
{
    // Six teams: 6 (3, +3), 1 (3, +1), 3 and 4 level in every key (slot
    // order), 2 (0, -1), 5 (0, -3).
    Standings s;
    TabBer(sixTeams(), s);
    QCOMPARE(s.teamCount, 6);
    QCOMPARE(slotsOf(s.tableTotal, 6), (QList<int>{6, 1, 3, 4, 2, 5}));
    QCOMPARE(s.tableTotal[7].team, -32000);

    // Five teams, one resting per matchday: 1 (6, 5:0), 3 (2 draws, 3:3),
    // 4 (1 draw, 1:1, one game), 2 (1 pt, 2:4), 5 (0, 0:3, one game).
    const League five = fiveTeams();
    TabBer(five, s);
    QCOMPARE(slotsOf(s.tableTotal, 5), (QList<int>{1, 3, 4, 2, 5}));
    const int games[] = {2, 2, 1, 2, 1};
    for (int r = 1; r <= 5; ++r)
        QCOMPARE(s.tableTotal[r].games, games[r - 1]);
    QCOMPARE(s.tableTotal[1].points, 6);
    QCOMPARE(s.tableTotal[2].points, 2);
    QCOMPARE(s.tableTotal[4].goalDiff, -2);

    // A smaller league computed into the tables of a larger one leaves
    // nothing of it behind.
    Standings reused;
    TabBer(twentyTeams(), reused);
    TabBer(five, reused);
    QCOMPARE(reused.teamCount, 5);
    for (int r = 7; r <= League::kMaxTeams; ++r)
        QCOMPARE(reused.tableTotal[r].team, 0);
    QCOMPARE(reused.accTotal[19].points, 0);
}

void TestLeagueSizeOutputs::zonesHeldWithinTheTable_data()
{
    QTest::addColumn<int>("teams");
    QTest::addColumn<bool>("champion");
    QTest::addColumn<int>("cl");
    QTest::addColumn<int>("uc");
    QTest::addColumn<int>("relegated");
    QTest::addColumn<QString>("zones");

    QTest::newRow("18 default") << 18 << true << 1 << 3 << 3 << "CMUUU----------AAA";
    QTest::newRow("18 widest") << 18 << true << 1 << 8 << 8 << "CMUUUUUUUUAAAAAAAA";
    QTest::newRow("20 default") << 20 << true << 1 << 3 << 3 << "CMUUU------------AAA";
    QTest::newRow("24 relegation 8") << 24 << false << 0 << 2 << 8 << "UU--------------AAAAAAAA";
    // Five UEFA rows and three relegated would meet in rows 4 and 5: the
    // top zones keep them.
    QTest::newRow("6 default") << 6 << true << 1 << 3 << 3 << "CMUUUA";
    QTest::newRow("6 widest") << 6 << true << 1 << 8 << 8 << "CMUUUU";
    QTest::newRow("5 no champion") << 5 << false << 0 << 2 << 8 << "UUAAA";
    QTest::newRow("2 teams") << 2 << true << 1 << 3 << 3 << "CM";
    QTest::newRow("2 without top zones") << 2 << false << 0 << 0 << 5 << "AA";
}

void TestLeagueSizeOutputs::zonesHeldWithinTheTable()
{
    QFETCH(int, teams);
    QFETCH(bool, champion);
    QFETCH(int, cl);
    QFETCH(int, uc);
    QFETCH(int, relegated);
    QFETCH(QString, zones);

    League l = named(teams, League::defaultRounds(teams));
    l.hasChampion = champion;
    l.clPlaces = cl;
    l.ucPlaces = uc;
    l.relegationPlaces = relegated;
    const RowBandColors bands = zoneColors(l);
    QCOMPARE(zoneLetters(bands, teams), zones);
    // Rows past the table stay white.
    QCOMPARE(zoneLetters(bands, League::kMaxTeams).mid(teams), QString(League::kMaxTeams - teams, QLatin1Char('-')));
    QCOMPARE(bandsForView(TableView::Total, l), bands);
}

void TestLeagueSizeOutputs::crossTableFollowsTheTeams()
{
    CrossGrid g;
    KreuzBer(twentyTeams(), g);
    QCOMPARE(g.teamCount(), 20);
    QCOMPARE(g.columnCount(), 22);
    QCOMPARE(g.rowCount(), 21);
    QCOMPARE(g.cell(0, 20), QStringLiteral("20"));
    QCOMPARE(g.cell(21, 0), QStringLiteral("20"));
    QCOMPARE(g.cell(1, 19), QStringLiteral("Klub 19"));
    QCOMPARE(g.cell(21, 19), QStringLiteral("3 : 1")); // home 19, away 20
    QCOMPARE(g.cell(20, 20), QString());               // 20 never hosted 19
    QCOMPARE(g.cell(4, 20), QStringLiteral("4 : 0"));  // matchday 38, row 10
    QCOMPARE(g.cell(7, 5), QStringLiteral("2 : 1"));   // row 10 of matchday 1
    QCOMPARE(g.cell(20, 2), QStringLiteral("1 : 2"));
    QCOMPARE(g.cell(21, 20), QString()); // diagonal of slot 20
    QCOMPARE(g.cell(2, 20), QString());  // 20 never hosted 1
    QCOMPARE(g.columnWidth(21), 42);

    // The six-team grid, filled into the grid of the larger league: 6 x 6
    // results and nothing left of slots 7..20.
    KreuzBer(sixTeams(), g);
    QCOMPARE(g.teamCount(), 6);
    QCOMPARE(g.columnCount(), 8);
    QCOMPARE(g.rowCount(), 7);
    QCOMPARE(g.cell(3, 1), QStringLiteral("1 : 0"));
    QCOMPARE(g.cell(5, 3), QStringLiteral("2 : 2"));
    QCOMPARE(g.cell(7, 5), QStringLiteral("0 : 3"));
    QCOMPARE(g.cell(1, 6), QStringLiteral("Klub 6"));
    for (int c = 0; c < CrossGrid::kMaxColumns; ++c)
        for (int r = 7; r < CrossGrid::kMaxRowCount; ++r)
            QCOMPARE(g.cell(c, r), QString());
    for (int c = 8; c < CrossGrid::kMaxColumns; ++c)
        QCOMPARE(g.cell(c, 0), QString());
    QCOMPARE(g.cell(4, 19), QString());
}

void TestLeagueSizeOutputs::curvePositionsOfSmallAndLargeLeagues()
{
    CurvePositions pos{};
    // Slot 20 loses 1:3 on matchday 1: last of 20 (0 points, -2). It rests
    // until matchday 38, after which it is second (3 points, +2).
    const League twenty = twentyTeams();
    KurveBer(twenty, 20, pos);
    CurvePositions want{};
    want[0] = 20;
    want[1] = 20;
    want[38] = 2;
    QCOMPARE(pos, want);
    QVERIFY_THROWS_EXCEPTION(LeagueError, KurveBer(twenty, 21, pos));

    // Five teams. After matchday 1: 1 (3), 3 and 4 (1, 1:1, slot order),
    // 5 (nothing) above 2 (0:2). Slot 4 rests on matchday 2, slot 5 on
    // matchday 1; after matchday 2 slot 5 (0:3) is last.
    const League five = fiveTeams();
    KurveBer(five, 4, pos);
    QCOMPARE(pos[1], 3);
    QCOMPARE(pos[2], 0);
    KurveBer(five, 5, pos);
    QCOMPARE(pos[1], 0);
    QCOMPARE(pos[2], 5);
    KurveBer(five, 2, pos);
    QCOMPARE(pos[1], 5);
    QCOMPARE(pos[2], 4);
    QVERIFY_THROWS_EXCEPTION(LeagueError, KurveBer(five, 6, pos));
}

void TestLeagueSizeOutputs::curvePictureSize_data()
{
    QTest::addColumn<int>("teams");
    QTest::addColumn<int>("rounds");
    QTest::addColumn<QSize>("size");
    // 465 + 12 (r - 34) by 300 + 12 (n - 18), never below 25 matchday
    // columns (357 pixels) or 11 position rows (216 pixels).
    QTest::newRow("18/34") << 18 << 34 << QSize(465, 300);
    QTest::newRow("20/38") << 20 << 38 << QSize(465 + 48, 300 + 24);
    QTest::newRow("24/46") << 24 << 46 << QSize(609, 372);
    QTest::newRow("24/99") << 24 << 99 << QSize(1245, 372);
    QTest::newRow("12/26") << 12 << 26 << QSize(369, 228);
    QTest::newRow("11/25 smallest") << 11 << 25 << QSize(357, 216);
    QTest::newRow("6/10") << 6 << 10 << QSize(357, 216);
    QTest::newRow("2/1") << 2 << 1 << QSize(357, 216);
    QTest::newRow("2/99") << 2 << 99 << QSize(1245, 216);
}

void TestLeagueSizeOutputs::curvePictureSize()
{
    QFETCH(int, teams);
    QFETCH(int, rounds);
    QFETCH(QSize, size);
    QCOMPARE(Grafik(teams, rounds).size(), size);
    QCOMPARE(QSize(FeverCurve::width(rounds), FeverCurve::height(teams)), size);
    const League l = named(teams, rounds);
    CurvePositions pos{};
    QImage picture;
    KurveBer(l, 1, pos, &picture);
    QCOMPARE(picture.size(), size);
}

void TestLeagueSizeOutputs::twentyTeamCurvePicture()
{
    CurvePositions pos{};
    QImage img;
    KurveBer(twentyTeams(), 20, pos, &img);
    QCOMPARE(img.size(), QSize(513, 324));
    // Cell centres (12 j + 22, 12 p + 22): matchday 1 at position 20 and
    // matchday 38 at position 2, joined by one straight line.
    QCOMPARE(img.pixel(34, 262), kBlue);
    QCOMPARE(img.pixel(478, 46), kBlue);
    QCOMPARE(img.pixel((34 + 478) / 2, (262 + 46) / 2), kBlue);
    // The frame ends one pixel short of 438 + 48 and 245 + 24.
    QCOMPARE(img.pixel(485, 100), kGrey);
    QCOMPARE(img.pixel(300, 268), kGrey);
    QVERIFY(img.pixel(486, 100) != kGrey);
    QVERIFY(img.pixel(300, 269) != kGrey);
    // Position 20 is numbered on both sides, matchday 38 above and below.
    QVERIFY(anyPixel(img, QRect(16, 256, 10, 10), kBlack));
    QVERIFY(anyPixel(img, QRect(488, 256, 10, 10), kBlack));
    QVERIFY(anyPixel(img, QRect(475, 16, 10, 10), kBlack));
    QVERIFY(anyPixel(img, QRect(475, 270, 10, 10), kBlack));
}

void TestLeagueSizeOutputs::tinyChartKeepsAxesAndLabels()
{
    // Two teams and one matchday: drawn on the smallest chart of 25 x 11
    // cells, 357 x 216 pixels.
    const QImage img = Grafik(2, 1);
    QCOMPARE(img.size(), QSize(357, 216));
    // Frame up to 438 - 108 and 245 - 84, with every 12-pixel border.
    QCOMPARE(img.pixel(329, 100), kGrey);
    QCOMPARE(img.pixel(100, 160), kGrey);
    QVERIFY(img.pixel(330, 100) != kGrey);
    QVERIFY(img.pixel(100, 161) != kGrey);
    for (int x = 40; x <= 316; x += 12)
        QCOMPARE(img.pixel(x, 33), kGrey);
    for (int y = 40; y < 160; y += 12)
        QCOMPARE(img.pixel(33, y), kGrey);

    // Matchday 1 is numbered, matchday 2 is not; positions 1 and 2 are,
    // position 3 is not.
    QVERIFY(anyPixel(img, QRect(31, 16, 7, 10), kBlack));
    QVERIFY(!anyPixel(img, QRect(43, 16, 7, 10), kBlack));
    QVERIFY(anyPixel(img, QRect(21, 28, 7, 22), kBlack));
    QVERIFY(!anyPixel(img, QRect(20, 52, 8, 100), kBlack));
    QVERIFY(anyPixel(img, QRect(332, 28, 7, 22), kBlack));
    QVERIFY(!anyPixel(img, QRect(332, 52, 8, 100), kBlack));
    // The vertical caption runs down the left edge of the grid, and both
    // captions of the matchday axis are there.
    QVERIFY(anyPixel(img, QRect(5, 28, 12, 12), kBlack));
    QVERIFY(anyPixel(img, QRect(5, 148, 12, 12), kBlack));
    QVERIFY(anyPixel(img, QRect(242, 2, 80, 12), kBlack));
    QVERIFY(anyPixel(img, QRect(142, 172, 80, 12), kBlack));

    // The footer stands whole below the chart: red, and clear of both edges.
    QVERIFY(anyPixel(img, QRect(0, 189, 357, 27), kRed));
    QVERIFY(!anyPixel(img, QRect(0, 0, 3, 216), kRed));
    QVERIFY(!anyPixel(img, QRect(354, 0, 3, 216), kRed));
    QVERIFY(!anyPixel(img, QRect(0, 0, 357, 189), kRed));
}

// Text needs the font database of a GUI application (no widgets).
QTEST_MAIN(TestLeagueSizeOutputs)
#include "tst_leaguesize_outputs.moc"
