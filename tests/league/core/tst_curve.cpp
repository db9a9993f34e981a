#include <QtTest>

#include "league/model/League.h"
#include "league/model/LeagueError.h"
#include "league/standings/FeverCurve.h"
#include "league/standings/Standings.h"

namespace {

const QRgb kBlue = qRgb(0, 0, 255);
const QRgb kGrey = qRgb(221, 221, 221);
const QRgb kWhite = qRgb(255, 255, 255);

// Slot 1's season, positions worked out by hand:
//  1: loses 0:1 at home to 2       -> 0 pts, -1: last, position 18
//  2: beats 3 3:0 at home          -> 3 pts, +2: above 2 (3 pts, +1), 1
//  3: does not play (4 - 5 2:2)    -> not plotted
//  4: draws 1:1 at 6               -> 4 pts: 1
//  5: 1 - 7 half entered, 2 - 8 5:0 -> not plotted
//  6: loses 0:2 at home to 9       -> 4 pts behind 2 (6 pts): 2
//  7: 10 - 11 1:0 without slot 1   -> not plotted, the curve ends at 6
League seasonOfSlotOne()
{
    League l;
    for (int i = 1; i <= 18; ++i)
        l.teamNames[i] = QStringLiteral("Mannschaft %1").arg(i);
    l.match(1, 1) = Match{1, 2, 0, 1};
    l.match(2, 1) = Match{1, 3, 3, 0};
    l.match(3, 1) = Match{4, 5, 2, 2};
    l.match(4, 1) = Match{6, 1, 1, 1};
    l.match(5, 1) = Match{1, 7, 2, -1};
    l.match(5, 2) = Match{2, 8, 5, 0};
    l.match(6, 1) = Match{1, 9, 0, 2};
    l.match(7, 1) = Match{10, 11, 1, 0};
    return l;
}

CurvePositions expectedSlotOne()
{
    CurvePositions p{};
    p[0] = 1;
    p[1] = 18;
    p[2] = 1;
    p[4] = 1;
    p[6] = 2;
    return p;
}

bool columnHasBlue(const QImage &img, int x)
{
    for (int y = 27; y < 245; ++y)
        if (img.pixel(x, y) == kBlue)
            return true;
    return false;
}

} // namespace

class TestCurve : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void positions();
    void laterStartBeginsAtFirstRound();
    void fullTiesFollowSlotOrder();
    void lastMatchdayAgreesWithTheTable_data();
    void lastMatchdayAgreesWithTheTable();
    void nothingSelected();
    void slotOutOfRange();
    void emptyChartGrid();
    void curvePixels();
};

void TestCurve::initTestCase()
{
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
}

void TestCurve::positions()
{
    const League l = seasonOfSlotOne();
    CurvePositions pos;
    pos.fill(7);
    KurveBer(l, 1, pos);
    QCOMPARE(pos, expectedSlotOne());

    // Slot 2 after matchday 5 (two wins, 6 points, +6): first; after 1: first.
    KurveBer(l, 2, pos);
    CurvePositions two{};
    two[0] = 2;
    two[1] = 1;
    two[5] = 1;
    QCOMPARE(pos, two);
}

void TestCurve::laterStartBeginsAtFirstRound()
{
    League l;
    for (int i = 1; i <= 18; ++i) {
        l.startWins[i] = 5;
        l.startLosses[i] = 5;
    }
    // Slot 3 carries a better start: 9 wins of 10.
    l.startWins[3] = 9;
    l.startLosses[3] = 1;
    l.ErsterST();
    QCOMPARE(l.firstRound, 11);
    l.match(4, 1) = Match{3, 4, 0, 9}; // before the first entered matchday
    l.match(11, 1) = Match{3, 4, 0, 1};
    l.match(12, 1) = Match{5, 3, 2, 0};
    CurvePositions pos{};
    KurveBer(l, 3, pos);
    CurvePositions want{};
    want[0] = 3;
    want[11] = 1; // 27 points against 18
    want[12] = 1; // still 27 against 18
    QCOMPARE(pos, want);
}

void TestCurve::fullTiesFollowSlotOrder()
{
    League l;
    l.match(1, 1) = Match{12, 5, 1, 1};
    CurvePositions pos{};
    KurveBer(l, 12, pos);
    QCOMPARE(pos[1], 2);
    KurveBer(l, 5, pos);
    QCOMPARE(pos[1], 1);
}

void TestCurve::lastMatchdayAgreesWithTheTable_data()
{
    QTest::addColumn<bool>("laterStart");
    QTest::newRow("from matchday 1") << false;
    QTest::newRow("from matchday 5 with penalty points") << true;
}

// The curve ranks the league by itself; after the last matchday of a full
// season its positions must be those of the league table.
void TestCurve::lastMatchdayAgreesWithTheTable()
{
    QFETCH(bool, laterStart);
    League l;
    // Double round robin by the circle method, goals from a formula that
    // gives many draws and equal records.
    int ring[18];
    for (int i = 0; i < 18; ++i)
        ring[i] = i + 1;
    for (int j = 1; j <= 17; ++j) {
        for (int k = 0; k < 9; ++k) {
            const int a = ring[k];
            const int b = ring[17 - k];
            l.match(j, k + 1) = Match{a, b, (a + j) % 3, (b * j) % 3};
            l.match(j + 17, k + 1) = Match{b, a, (a * b) % 2, (j % 2)};
        }
        const int last = ring[17];
        for (int i = 17; i > 1; --i)
            ring[i] = ring[i - 1];
        ring[1] = last;
    }
    if (laterStart) {
        for (int i = 1; i <= 18; ++i) {
            l.startWins[i] = i % 3;
            l.startDraws[i] = 4 - i % 3;
            l.startGoalsFor[i] = i % 4;
            l.startGoalsAgainst[i] = 2;
            l.penaltyPoints[i] = i == 9 ? 3 : 0;
        }
        l.ErsterST();
        QCOMPARE(l.firstRound, 5);
    }
    Standings s;
    TabBer(l, s);
    for (int r = 1; r <= 18; ++r) {
        CurvePositions pos{};
        KurveBer(l, s.tableTotal[r].team, pos);
        QCOMPARE(pos[34], r);
    }
}

void TestCurve::nothingSelected()
{
    const League l = seasonOfSlotOne();
    CurvePositions pos{};
    QImage picture;
    KurveBer(l, 0, pos, &picture);
    QCOMPARE(pos, CurvePositions{});
    QCOMPARE(picture, Grafik());
}

void TestCurve::slotOutOfRange()
{
    const League l;
    CurvePositions pos{};
    QVERIFY_THROWS_EXCEPTION(LeagueError, KurveBer(l, 19, pos));
}

void TestCurve::emptyChartGrid()
{
    const QImage img = Grafik();
    QCOMPARE(img.size(), QSize(465, 300));

    // Column borders at 28, 40, ..., 424 and the frame's right edge at 437;
    // row borders at 27, 40, ..., 232 and the frame's bottom edge at 244.
    QList<int> xs{437};
    for (int x = 28; x <= 424; x += 12)
        xs << x;
    QList<int> ys{27, 244};
    for (int y = 40; y <= 232; y += 12)
        ys << y;
    for (int x : xs)
        for (int y = 27; y <= 244; ++y)
            QVERIFY2(img.pixel(x, y) == kGrey, qPrintable(QStringLiteral("vertical %1,%2").arg(x).arg(y)));
    for (int y : ys)
        for (int x = 28; x <= 437; ++x)
            QVERIFY2(img.pixel(x, y) == kGrey, qPrintable(QStringLiteral("horizontal %1,%2").arg(x).arg(y)));

    // Nothing grey just outside the frame or inside the cells.
    for (int y = 27; y <= 244; ++y) {
        QVERIFY(img.pixel(27, y) != kGrey);
        QVERIFY(img.pixel(438, y) != kGrey);
    }
    for (int j = 1; j <= 34; ++j)
        for (int p = 1; p <= 18; ++p)
            QCOMPARE(img.pixel(FeverCurve::cellX(j), FeverCurve::cellY(p)), kWhite);
    QVERIFY(!columnHasBlue(img, 34));

    // The labels are black, the footer red.
    int black = 0, red = 0;
    for (int y = 70; y < 202; ++y)
        for (int x = 5; x < 20; ++x)
            black += img.pixel(x, y) == qRgb(0, 0, 0);
    for (int y = 273; y < 300; ++y)
        for (int x = 0; x < 465; ++x)
            red += img.pixel(x, y) == qRgb(255, 0, 0);
    QVERIFY(black > 50);
    QVERIFY(red > 50);
}

void TestCurve::curvePixels()
{
    const League l = seasonOfSlotOne();
    CurvePositions pos{};
    QImage img;
    KurveBer(l, 1, pos, &img);
    QCOMPARE(img.size(), QSize(465, 300));

    const CurvePositions want = expectedSlotOne();
    for (int j = 1; j <= 34; ++j)
        if (want[j] > 0)
            QCOMPARE(img.pixel(12 * j + 22, 12 * want[j] + 22), kBlue);

    // The line runs straight across the skipped matchdays 3 and 5: halfway
    // between (46, 34) and (70, 34), and between (70, 34) and (94, 46).
    QCOMPARE(img.pixel(58, 34), kBlue);
    QCOMPARE(img.pixel(82, 40), kBlue);
    // ... and not through the cells it skips.
    QCOMPARE(img.pixel(82, 34), kWhite);
    QCOMPARE(img.pixel(82, 58), kWhite);
    // Nothing after the last played matchday.
    for (int j = 7; j <= 34; ++j)
        QVERIFY(!columnHasBlue(img, 12 * j + 22));

    // The name in blue at the top left, above the grid.
    int nameBlue = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 2; x < 200; ++x)
            nameBlue += img.pixel(x, y) == kBlue;
    QVERIFY(nameBlue > 30);
}

// Text needs the font database of a GUI application (no widgets): QTEST_MAIN
// gives a QGuiApplication in a test that links Qt Gui only.
QTEST_MAIN(TestCurve)
#include "tst_curve.moc"
