#include <QtTest>

#include "league/export/Exporters.h"
#include "league/model/League.h"
#include "league/model/LeagueError.h"
#include "league/print/PrintJobs.h"
#include "league/print/TPageWriter.h"
#include "league/standings/CrossTable.h"
#include "league/standings/FeverCurve.h"
#include "league/standings/RowBands.h"
#include "league/standings/Standings.h"
#include "tst_pagewriter_recorder.h"

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
//  MD 19, 20, 21 row 1: a pairing without a result (7 - 8, 9 - 10, 11 - 12)
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
    l.match(19, 1) = Match{7, 8, -1, -1};
    l.match(20, 1) = Match{9, 10, -1, -1};
    l.match(21, 1) = Match{11, 12, -1, -1};
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

QList<QByteArray> linesOf(const QByteArray &bytes)
{
    QList<QByteArray> lines = bytes.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (QByteArray &line : lines) {
        if (!line.endsWith('\r'))
            qFatal("line without CR LF");
        line.chop(1);
    }
    return lines;
}

int countOf(const QList<QByteArray> &lines, const QByteArray &line)
{
    return int(std::count(lines.begin(), lines.end(), line));
}

QByteArray spaces(int n)
{
    return QByteArray(n, ' ');
}

QByteArray document(ExportDocument d, ExportFormat f, const League &l)
{
    return exportDocument(d, f, l, zoneColors(l));
}

quint32 le32(const QByteArray &b, int at)
{
    return quint8(b[at]) | quint8(b[at + 1]) << 8 | quint8(b[at + 2]) << 16 | quint32(quint8(b[at + 3])) << 24;
}

quint16 le16(const QByteArray &b, int at)
{
    return quint16(quint8(b[at]) | quint8(b[at + 1]) << 8);
}

double mm(double millimetres)
{
    return millimetres * TPageWriter::kDpi / 25.4;
}

QList<RecordedPage> printed(const League &l, const PrintSelection &s)
{
    TPageWriter w;
    LeaguePrintJobs jobs(l, zoneColors(l), w);
    jobs.build(s);
    QList<RecordedPage> pages;
    for (int p = 1; p <= w.pageCount(); ++p)
        pages.append(recordPage(w, p));
    return pages;
}

PrintSelection only(const League &l, bool tables, bool cross, bool rounds, bool curves)
{
    PrintSelection s = defaultPrintSelection(l);
    s.tables = tables;
    s.crossTable = cross;
    if (!rounds)
        s.rounds.fill(false);
    if (!curves)
        s.teams.fill(false);
    return s;
}

// The outer frames of the curve charts on a page: rectangles of `columns` x
// `rows` cells of the given size in millimetres. Cells are whole device
// dots, so each may come out up to one dot smaller.
QList<QRectF> chartFrames(const RecordedPage &page, int columns, double cellWidthMm, int rows, double cellHeightMm)
{
    QList<QRectF> frames;
    const double w = mm(columns * cellWidthMm);
    const double h = mm(rows * cellHeightMm);
    for (const RecordedShape &r : page.rects)
        if (r.rect.width() <= w + 1 && r.rect.width() >= w - columns - 1 && r.rect.height() <= h + 1
            && r.rect.height() >= h - rows - 1)
            frames.append(r.rect);
    return frames;
}

int textCount(const QList<RecordedPage> &pages, const QString &text)
{
    int n = 0;
    for (const RecordedPage &p : pages)
        n += int(p.textsMatching(text).size());
    return n;
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

    void textTablesOfTwentyTeams();
    void textCrossTableOfTwentyTeams();
    void textMatchdaysOfTenRows();
    void textOfSmallLeagues_data();
    void textOfSmallLeagues();
    void htmlOfTwentyTeams();
    void rtfOfTwentyTeams();
    void rtfCrossTableOfSixTeams();
    void picturesFollowTheCurveSize();

    void twentyTeamPrintPages();
    void printedCrossTableBlocks_data();
    void printedCrossTableBlocks();
    void matchdaysPerPageFollowTheRows();
    void printedCurveOfTwentyTeams();
    void printedCurveGridShrinksToThePage();
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
    QCOMPARE(s.tableTotal[21].team, 0);

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
    QCOMPARE(s.tableTotal[7].team, 0);

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

void TestLeagueSizeOutputs::textTablesOfTwentyTeams()
{
    const QList<QByteArray> lines = linesOf(document(ExportDocument::Tables, ExportFormat::Text, twentyTeams()));
    const QByteArray rule65(65, '-');
    // Header block (7 lines), an empty line, then per table: rule, column
    // header, rule, 20 rows, rule; one empty line between the tables.
    QCOMPARE(lines.size(), 7 + 1 + 3 * 24 + 2);
    QCOMPARE(lines.at(8), rule65);
    QVERIFY(lines.at(9).startsWith("Tabelle "));
    // Row 1: slot 19, 2 games, 2 wins, 6 points, 5:2, +3.
    const QByteArray first = " 1 Klub 19" + spaces(20) + " 2  2  0  0    6     5 : 2        3";
    QCOMPARE(first.size(), 65);
    QCOMPARE(lines.at(11), first);
    // Row 20: slot 3, one lost game 0:4.
    QCOMPARE(lines.at(30), "20 Klub 3" + spaces(21) + " 1  0  0  1    0     0 : 4       -4");
    QCOMPARE(lines.at(31), rule65);
    QCOMPARE(lines.at(32), QByteArray());
    // Home table, row 1: slot 20's 4:0.
    QVERIFY(lines.at(34).startsWith("Heimbilanz "));
    QCOMPARE(lines.at(36), " 1 Klub 20" + spaces(20) + " 1  1  0  0    3     4 : 0        4");
    QCOMPARE(lines.at(55), "20 Klub 2" + spaces(21) + " 1  0  0  1    0     1 : 2       -1");
    QCOMPARE(lines.last(), rule65);
}

void TestLeagueSizeOutputs::textCrossTableOfTwentyTeams()
{
    const QList<QByteArray> lines = linesOf(document(ExportDocument::Cross, ExportFormat::Text, twentyTeams()));
    // Header block, an empty line, rule, numbers, rule, 20 team lines, rule.
    QCOMPARE(lines.size(), 7 + 1 + 3 + 20 + 1);
    const QByteArray rule(30 + 10 * 20, '-');
    QCOMPARE(lines.at(8), rule);
    QCOMPARE(lines.at(10), rule);
    QCOMPARE(lines.last(), rule);

    // 26 spaces, then per column 8 spaces and the number in two places.
    const QByteArray numbers = lines.at(9);
    QCOMPARE(numbers.size(), 26 + 20 * 10);
    QVERIFY(numbers.startsWith(spaces(26) + spaces(9) + "1" + spaces(9) + "2"));
    QVERIFY(numbers.endsWith(spaces(8) + "18" + spaces(8) + "19" + spaces(8) + "20"));

    // Slot 19 beat slot 20 3:1 at home: the last of the 20 cells, its ":"
    // on the cell's sixth character, under the last digit of "20".
    const QByteArray team19 = lines.at(11 + 18);
    QCOMPARE(team19.size(), 30 + 20 * 10);
    QCOMPARE(team19.left(30), "19 Klub 19" + spaces(20));
    QCOMPARE(team19.mid(30, 190), spaces(190));
    QCOMPARE(team19.mid(220), "   3 : 1  ");
    QCOMPARE(team19.indexOf(':'), numbers.size() - 1);
    // Slot 20's 4:0 against slot 3 in the third cell.
    QCOMPARE(lines.at(11 + 19).mid(50, 10), "   4 : 0  ");
}

void TestLeagueSizeOutputs::textMatchdaysOfTenRows()
{
    const QList<QByteArray> lines = linesOf(document(ExportDocument::Matchdays, ExportFormat::Text, twentyTeams()));
    const QByteArray rule65(65, '-');
    // Six used matchdays of an empty line, rule, title, rule, 10 rows, rule.
    QCOMPARE(lines.size(), 7 + 6 * 15);
    const int first = int(lines.indexOf("1. Spieltag vom  bis "));
    QCOMPARE(first, 7 + 2);
    QCOMPARE(lines.at(first + 1), rule65);
    QCOMPARE(lines.at(first + 2), "Klub 19" + spaces(20) + "- Klub 20" + spaces(20) + "  3 : 1");
    QCOMPARE(lines.at(first + 3), "Klub 1" + spaces(21) + "- Klub 2" + spaces(21) + "  0 : 0");
    for (int k = 3; k <= 9; ++k)
        QCOMPARE(lines.at(first + 1 + k), QByteArray());
    QCOMPARE(lines.at(first + 11), "Klub 5" + spaces(21) + "- Klub 6" + spaces(21) + "  2 : 1");
    QCOMPARE(lines.at(first + 12), rule65);

    const int last = int(lines.indexOf("38. Spieltag vom  bis "));
    QCOMPARE(last, lines.size() - 13);
    QCOMPARE(lines.at(last + 11), "Klub 20" + spaces(20) + "- Klub 3" + spaces(21) + "  4 : 0");
    QCOMPARE(lines.at(last + 12), rule65);
    // A pairing without a result makes its matchday used.
    QCOMPARE(lines.at(int(lines.indexOf("21. Spieltag vom  bis ")) + 2),
             "Klub 11" + spaces(20) + "- Klub 12" + spaces(20));
    QVERIFY(!lines.contains("3. Spieltag vom  bis "));
}

void TestLeagueSizeOutputs::textOfSmallLeagues_data()
{
    QTest::addColumn<int>("teams");
    QTest::newRow("6") << 6;
    QTest::newRow("5") << 5;
}

void TestLeagueSizeOutputs::textOfSmallLeagues()
{
    QFETCH(int, teams);
    const League l = teams == 6 ? sixTeams() : fiveTeams();
    const QList<QByteArray> tables = linesOf(document(ExportDocument::Tables, ExportFormat::Text, l));
    QCOMPARE(tables.size(), 7 + 1 + 3 * (teams + 4) + 2);
    QVERIFY(tables.at(11 + teams - 1).startsWith(QByteArray::number(teams).rightJustified(2, ' ') + " Klub "));
    QCOMPARE(tables.at(11 + teams), QByteArray(65, '-'));

    const QList<QByteArray> cross = linesOf(document(ExportDocument::Cross, ExportFormat::Text, l));
    QCOMPARE(cross.size(), 7 + 1 + 3 + teams + 1);
    QCOMPARE(cross.at(8), QByteArray(30 + 10 * teams, '-'));
    QCOMPARE(cross.at(9).size(), 26 + 10 * teams);
    for (int r = 1; r <= teams; ++r)
        QCOMPARE(cross.at(10 + r).size(), 30 + 10 * teams);

    // Matchday 1 of the five teams: two rows, slot 5 rests.
    const QList<QByteArray> days = linesOf(document(ExportDocument::Matchdays, ExportFormat::Text, l));
    const int first = int(days.indexOf("1. Spieltag vom  bis "));
    QCOMPARE(days.at(first + 2 + teams / 2), QByteArray(65, '-'));
}

void TestLeagueSizeOutputs::htmlOfTwentyTeams()
{
    const League l = twentyTeams();
    const QList<QByteArray> tables = linesOf(document(ExportDocument::Tables, ExportFormat::Html, l));
    QList<QByteArray> openings;
    for (const QByteArray &line : tables)
        if (line.startsWith("  <TR") && !line.contains("#EEEEEE"))
            openings << line;
    QCOMPARE(openings.size(), 3 * 20);
    const QByteArray plain = "  <TR>";
    QList<QByteArray> want{R"(  <TR BGCOLOR="#BBFFFF">)", R"(  <TR BGCOLOR="#FFBBFF">)"};
    for (int r = 3; r <= 5; ++r)
        want << R"(  <TR BGCOLOR="#BBFFBB">)";
    for (int r = 6; r <= 17; ++r)
        want << plain;
    for (int r = 18; r <= 20; ++r)
        want << R"(  <TR BGCOLOR="#FFBBBB">)";
    for (int r = 21; r <= 60; ++r)
        want << plain;
    QCOMPARE(openings, want);
    QCOMPARE(countOf(tables, R"(    <TD ALIGN="CENTER"><B>20</B></TD>)"), 3 * 2);
    QCOMPARE(countOf(tables, R"(    <TD ALIGN="CENTER"><B>21</B></TD>)"), 0);
    QCOMPARE(countOf(tables, R"(    <TD ALIGN="CENTER">Klub 3</TD>)"), 3);

    const QList<QByteArray> cross = linesOf(document(ExportDocument::Cross, ExportFormat::Html, l));
    int results = 0;
    for (const QByteArray &line : cross)
        results += line.startsWith(R"(    <TD ALIGN="CENTER" NOWRAP>)") && !line.contains("<B>");
    QCOMPARE(results, 20 * 20);
    // Numbers 1..20 in both number rows; 20 also opens and closes its row.
    QCOMPARE(countOf(cross, R"(    <TD ALIGN="CENTER"><B>20</B></TD>)"), 2 + 2);
    QCOMPARE(countOf(cross, R"(    <TD ALIGN="CENTER"><B>1</B></TD>)"), 2 + 2);
    QCOMPARE(countOf(cross, R"(    <TD ALIGN="CENTER" NOWRAP><B>Klub 20</B></TD>)"), 1);
    QCOMPARE(countOf(cross, R"(    <TD ALIGN="CENTER" NOWRAP>3 : 1</TD>)"), 1);

    // The index has one row per half of the season: 1-19 and 20-38.
    const QList<QByteArray> days = linesOf(document(ExportDocument::Matchdays, ExportFormat::Html, l));
    const auto link = [](int j) {
        return QByteArray(R"(    <TD ALIGN="CENTER"><A HREF="#ST)") + QByteArray::number(j) + "\">"
            + QByteArray::number(j) + "</A></TD>";
    };
    const int index = int(days.indexOf(link(1))) - 1;
    QCOMPARE(days.at(index), plain);
    const QList<QByteArray> indexRows = days.mid(index, 10);
    QCOMPARE(indexRows, (QList<QByteArray>{plain, link(1), link(2), link(19), QByteArray("  </TR>"), plain, link(20), link(21),
                                           link(38), QByteArray("  </TR>")}));
    // Ten match rows in each of the six sections.
    QCOMPARE(countOf(days, R"(  <TR><TD ALIGN="CENTER">)"), 6 * 10);
    QCOMPARE(countOf(days, R"(      <TD WIDTH=45% ALIGN="RIGHT">4</TD>)"), 1);
}

void TestLeagueSizeOutputs::rtfOfTwentyTeams()
{
    const League l = twentyTeams();
    const QByteArray tables = document(ExportDocument::Tables, ExportFormat::Rtf, l);
    // Four header paragraphs, then per table an empty paragraph, the column
    // header and 20 rows.
    QCOMPARE(tables.count("\\par\r\n"), 4 + 3 * 22);
    QCOMPARE(tables.count("\\fs20\\cf"), 3 * 20 + 2); // rows and two empty paragraphs
    // Relegation (red, colour 5) from row 18 on, row 17 black.
    QVERIFY(tables.contains("\\fs20\\cf1 17\\tab Klub 17\\tab 0\\tab"));
    QVERIFY(tables.contains("\\fs20\\cf5 18\\tab Klub 18\\tab 0\\tab"));
    QVERIFY(tables.contains("\\fs20\\cf5 20\\tab Klub 3\\tab 1\\tab 0\\tab 0\\tab 1\\tab 0\\tab 0\\tab : "
                            "\\tab 4\\tab -4\\par"));
    // Row 20 of the home table, black.
    QVERIFY(tables.contains("\\fs20\\cf1 20\\tab Klub 2\\tab 1\\tab 0\\tab 0\\tab 1\\tab 0\\tab 1\\tab : "
                            "\\tab 2\\tab -1\\par"));
    QVERIFY(!tables.contains(" 21\\tab "));

    // Four blocks of six columns, the last one of two.
    const QByteArray cross = document(ExportDocument::Cross, ExportFormat::Rtf, l);
    QVERIFY(cross.contains("\\b\\cf1 \\tab \\tab 1\\tab 2\\tab 3\\tab 4\\tab 5\\tab 6\\par"));
    QVERIFY(cross.contains("\\b\\cf1 \\tab \\tab 13\\tab 14\\tab 15\\tab 16\\tab 17\\tab 18\\par"));
    QVERIFY(cross.contains("\\b\\cf1 \\tab \\tab 19\\tab 20\\par"));
    QCOMPARE(cross.count("\\fs18\\cf1 "), 4 * 20);
    QCOMPARE(cross.count("\\fs18\\b\\cf1\\par"), 3);
    QVERIFY(cross.contains("\\fs18\\cf1 19\\tab Klub 19\\tab \\tab 3 : 1\\par"));
    QVERIFY(cross.contains("\\fs18\\cf1 20\\tab Klub 20\\tab \\tab \\par"));

    // Ten match paragraphs per used matchday.
    const QByteArray days = document(ExportDocument::Matchdays, ExportFormat::Rtf, l);
    QCOMPARE(days.count("\\par\r\n"), 4 + 6 * (2 + 10));
    QVERIFY(days.contains("\\fs20\\cf1 Klub 20\\tab -\\tab Klub 3\\tab 4\\tab :\\tab 0\\par"));
}

void TestLeagueSizeOutputs::rtfCrossTableOfSixTeams()
{
    const QByteArray cross = document(ExportDocument::Cross, ExportFormat::Rtf, sixTeams());
    QVERIFY(cross.contains("\\b\\cf1 \\tab \\tab 1\\tab 2\\tab 3\\tab 4\\tab 5\\tab 6\\par"));
    QVERIFY(!cross.contains("\\tab 7"));
    QCOMPARE(cross.count("\\fs18\\cf1 "), 6);
    QCOMPARE(cross.count("\\fs18\\b\\cf1\\par"), 0);
    QVERIFY(cross.contains("\\fs18\\cf1 5\\tab Klub 5\\tab \\tab \\tab \\tab \\tab \\tab 0 : 3\\par"));
}

void TestLeagueSizeOutputs::picturesFollowTheCurveSize()
{
    const League l = twentyTeams();
    // 513 pixels of 3 bytes = 1539, padded to 1540 per row.
    const QByteArray bmp = exportCurve(20, ExportFormat::Bmp, l);
    QCOMPARE(bmp.size(), 54 + 1540 * 324);
    QCOMPARE(le32(bmp, 18), quint32(513));
    QCOMPARE(le32(bmp, 22), quint32(324));
    const QByteArray gif = exportCurve(20, ExportFormat::Gif, l);
    QCOMPARE(le16(gif, 6), quint16(513));
    QCOMPARE(le16(gif, 8), quint16(324));
    QVERIFY_THROWS_EXCEPTION(LeagueError, exportCurve(21, ExportFormat::Bmp, l));

    const QByteArray small = exportCurve(5, ExportFormat::Bmp, fiveTeams());
    QCOMPARE(le32(small, 18), quint32(357));
    QCOMPARE(le32(small, 22), quint32(216));
    QVERIFY_THROWS_EXCEPTION(LeagueError, exportCurve(6, ExportFormat::Gif, fiveTeams()));
}

void TestLeagueSizeOutputs::twentyTeamPrintPages()
{
    // What the dialog preselects: tables, cross table, the six matchdays
    // with an entry and all 20 curves. In points of 1/72 inch, a page holds
    // 728.5 below the top margin; a heading takes 38 and an empty line.
    //  tables:  52 + 3 x (11 + 20 x 11) + 2 x 11 = 767: the away table's
    //           rows 17..20 go on page 2
    //  cross:   52 + 3 x (12 + 200) + 2 x 20 = 728 on page 3, block 4 on 4
    //  matchdays of 10 rows: 52 + 110 + 4 x 120 = 642, five on page 5,
    //           matchday 38 on page 6
    //  curves:  three to a page, pages 7..13
    const League l = twentyTeams();
    const QList<RecordedPage> pages = printed(l, defaultPrintSelection(l));
    QCOMPARE(pages.size(), 13);
    QVERIFY(pages.at(0).hasText(QStringLiteral("Tabelle und Bilanzen")));
    QVERIFY(pages.at(1).hasText(QStringLiteral("Klub 3")));
    QVERIFY(!pages.at(1).hasText(QStringLiteral("Tabelle und Bilanzen")));
    QCOMPARE(textCount(pages.mid(0, 2), QStringLiteral("Klub 3")), 3);
    QVERIFY(pages.at(2).hasText(QStringLiteral("Kreuztabelle")));
    QVERIFY(pages.at(3).hasText(QStringLiteral("19")));
    QVERIFY(!pages.at(3).hasText(QStringLiteral("Kreuztabelle")));
    QCOMPARE(pages.at(4).textsMatching(QStringLiteral("Spieltage")).size(), 1);
    for (int j : {1, 2, 19, 20, 21})
        QVERIFY(pages.at(4).hasText(QStringLiteral("%1.Spieltag - vom  bis ").arg(j)));
    QVERIFY(pages.at(5).hasText(QStringLiteral("Spieltage")));
    QVERIFY(pages.at(5).hasText(QStringLiteral("38.Spieltag - vom  bis ")));
    for (int p = 6; p < 12; ++p)
        QCOMPARE(pages.at(p).textsMatching(QStringLiteral("Fieberkurven")).size(), 1);
    QVERIFY(pages.at(12).hasText(QStringLiteral("Klub 19")));
    QVERIFY(pages.at(12).hasText(QStringLiteral("Klub 20")));
}

void TestLeagueSizeOutputs::printedCrossTableBlocks_data()
{
    QTest::addColumn<int>("teams");
    QTest::addColumn<int>("blocks");
    QTest::newRow("24 teams, 4 blocks") << 24 << 4;
    QTest::newRow("20 teams, 4 blocks") << 20 << 4;
    QTest::newRow("6 teams, 1 block") << 6 << 1;
    QTest::newRow("5 teams, 1 block") << 5 << 1;
}

void TestLeagueSizeOutputs::printedCrossTableBlocks()
{
    QFETCH(int, teams);
    QFETCH(int, blocks);
    const League l = teams == 24 ? named(24, 46) : teams == 20 ? twentyTeams() : teams == 6 ? sixTeams() : fiveTeams();
    const QList<RecordedPage> pages = printed(l, only(l, false, true, false, false));
    QCOMPARE(pages.size(), teams >= 20 ? 2 : 1);
    if (teams == 24) {
        // 52 + 2 x (12 + 240) + 20 = 576 points: a third block would end at
        // 848, beyond 728.5, so blocks 3 and 4 are on page 2, whole.
        QCOMPARE(textCount(pages.mid(0, 1), QStringLiteral("Klub 4")), 2);
        QCOMPARE(textCount(pages.mid(1, 1), QStringLiteral("Klub 4")), 2);
        QCOMPARE(pages.at(1).texts.first().text, QStringLiteral("13"));
    }
    // Every home row once per block, every column of a block boxed: the
    // number column, the name and one column per away team of the block.
    QCOMPARE(textCount(pages, QStringLiteral("Klub 4")), blocks);
    int boxes = 0;
    for (const RecordedPage &p : pages)
        boxes += int(p.rects.size());
    QCOMPARE(boxes, (teams + 1) * (2 * blocks + teams));
    // The away numbers head their columns once; beyond the teams none.
    for (const RecordedPage &p : pages)
        for (const RecordedText &t : p.texts)
            if (t.font.bold() && t.font.pixelSize() == 100)
                QVERIFY2(t.text.toInt() >= 1 && t.text.toInt() <= teams, qPrintable(t.text));
    QCOMPARE(textCount(pages, QString::number(teams)), 1 + blocks);
    QCOMPARE(textCount(pages, QString::number(teams + 1)), 0);
    if (teams == 20) {
        QCOMPARE(textCount(pages, QStringLiteral("3 : 1")), 1);
        QCOMPARE(textCount(pages, QStringLiteral("4 : 0")), 1);
    } else if (teams == 6) {
        QCOMPARE(textCount(pages, QStringLiteral("0 : 3")), 1);
    }
}

void TestLeagueSizeOutputs::matchdaysPerPageFollowTheRows()
{
    // 52 + 10 (rows + 1) for the first matchday, 10 (rows + 2) for each
    // further one, within 728.5 points.
    QCOMPARE(LeaguePrintJobs::matchdaysPerPage(9), 6);
    QCOMPARE(LeaguePrintJobs::matchdaysPerPage(10), 5);
    QCOMPARE(LeaguePrintJobs::matchdaysPerPage(12), 4);
    QCOMPARE(LeaguePrintJobs::matchdaysPerPage(2), 17);
    QCOMPARE(LeaguePrintJobs::matchdaysPerPage(1), 22);

    // Five teams, all ten matchdays: one page.
    const League five = fiveTeams();
    PrintSelection s = only(five, false, false, true, false);
    s.rounds.fill(true);
    QList<RecordedPage> pages = printed(five, s);
    QCOMPARE(pages.size(), 1);
    QVERIFY(pages.first().hasText(QStringLiteral("10.Spieltag - vom  bis ")));

    // 24 teams, five matchdays of twelve rows: four, then one, each page
    // with its heading; the twelfth row of the fourth is on page 1.
    League big = named(24, 46);
    for (int j = 1; j <= 5; ++j)
        big.match(j, 12) = Match{23, 24, j, 0};
    pages = printed(big, only(big, false, false, true, false));
    QCOMPARE(pages.size(), 2);
    QCOMPARE(pages.at(0).textsMatching(QStringLiteral("Klub 23")).size(), 4);
    QVERIFY(pages.at(0).hasText(QStringLiteral("4")));
    QVERIFY(pages.at(1).hasText(QStringLiteral("Spieltage")));
    QVERIFY(pages.at(1).hasText(QStringLiteral("5.Spieltag - vom  bis ")));
}

void TestLeagueSizeOutputs::printedCurveOfTwentyTeams()
{
    // 38 + 2 columns of 3.6 mm fit the 155 mm from the chart's left edge to
    // the right margin; 20 + 2 rows do not fit the 75 mm the lowest chart
    // has above the bottom margin, so rows are 75 / 22 mm.
    const League l = twentyTeams();
    PrintSelection s = only(l, false, false, false, false);
    s.teams[18] = s.teams[19] = s.teams[20] = true;
    const QList<RecordedPage> pages = printed(l, s);
    QCOMPARE(pages.size(), 1);
    const double rowMm = 75.0 / 22;
    const QList<QRectF> frames = chartFrames(pages.first(), 40, 3.6, 22, rowMm);
    QCOMPARE(frames.size(), 3);
    const double tops[] = {38, 120, 202};
    for (int i = 0; i < 3; ++i) {
        QVERIFY(qAbs(frames.at(i).left() - mm(35)) <= 2);
        QVERIFY(qAbs(frames.at(i).top() - mm(tops[i])) <= 2);
    }
    QVERIFY(frames.at(2).bottom() <= mm(277) + 2);

    // Slot 20 (third chart): 20th after matchday 1, 2nd after matchday 38.
    QList<QPolygonF> blue;
    for (const RecordedShape &line : pages.first().polylines)
        if (line.color == QColor(0, 0, 255))
            blue.append(line.points);
    // Slot 18 has no match, so only slots 19 and 20 have a line.
    QCOMPARE(blue.size(), 2);
    const QPolygonF curve = blue.last();
    QCOMPARE(curve.size(), 2);
    const double T = mm(202);
    QVERIFY(qAbs(curve.at(0).x() - mm(35 + 1.5 * 3.6)) <= 3);
    // Rows are whole dots, up to one short of 75 / 22 mm each.
    QVERIFY(qAbs(curve.at(0).y() - (T + mm(20.5 * rowMm))) <= 22);
    QVERIFY(qAbs(curve.at(1).x() - mm(35 + 38.5 * 3.6)) <= 3);
    QVERIFY(qAbs(curve.at(1).y() - (T + mm(2.5 * rowMm))) <= 4);
    // Position 20 and matchday 38 are numbered.
    QCOMPARE(pages.first().textsMatching(QStringLiteral("38")).size(), 3 * 2);
    QCOMPARE(pages.first().textsMatching(QStringLiteral("20")).size(), 3 * 4);
}

void TestLeagueSizeOutputs::printedCurveGridShrinksToThePage()
{
    // 46 + 2 columns of 3.6 mm would need 172.8 mm: cells of 155 / 48 mm
    // end the chart at the right margin. 26 rows take 75 / 26 mm each.
    const League l = named(24, 46);
    QCOMPARE(LeaguePrintJobs::curveCellWidthMm(34), 3.6);
    QCOMPARE(LeaguePrintJobs::curveCellWidthMm(41), 3.6);
    QCOMPARE(LeaguePrintJobs::curveCellWidthMm(46), 155.0 / 48);
    QCOMPARE(LeaguePrintJobs::curveCellHeightMm(18), 3.6);
    QCOMPARE(LeaguePrintJobs::curveCellHeightMm(24), 75.0 / 26);
    PrintSelection s = only(l, false, false, false, false);
    s.teams[1] = true;
    const QList<RecordedPage> pages = printed(l, s);
    QCOMPARE(pages.size(), 1);
    const QList<QRectF> frames = chartFrames(pages.first(), 48, 155.0 / 48, 26, 75.0 / 26);
    QCOMPARE(frames.size(), 1);
    QVERIFY(frames.first().right() <= mm(190));
    QVERIFY(frames.first().right() >= mm(190) - 48 - 1);
    QVERIFY(frames.first().bottom() <= mm(38 + 75));
    // The numbers shrink with the cells and stay inside them.
    const double cell = std::floor(mm(155.0 / 48)); // whole dots
    const QList<RecordedText> numbers = pages.first().textsMatching(QStringLiteral("46"));
    QCOMPARE(numbers.size(), 2);
    for (const RecordedText &t : numbers) {
        const double left = mm(35) + 46 * cell; // the column of matchday 46
        const double width = QFontMetricsF(t.font).horizontalAdvance(t.text);
        QVERIFY(width < cell);
        QVERIFY(t.baseline.x() >= left - 1 && t.baseline.x() + width <= left + cell + 1);
    }
}

// Text needs the font database of a GUI application (no widgets).
QTEST_MAIN(TestLeagueSizeOutputs)
#include "tst_leaguesize_outputs.moc"
