#include <QtTest>

#include "league/model/League.h"
#include "league/print/PrintJobs.h"
#include "league/print/TPageWriter.h"
#include "league/standings/RowBands.h"
#include "tst_pagewriter_recorder.h"

// The jobs measure text, which needs the font database of a QGuiApplication
// (QTEST_MAIN below, no widgets).

namespace {

constexpr double kTolerance = 1.0;

double mm(double millimetres)
{
    return millimetres * 600 / 25.4;
}

League namedLeague()
{
    League l;
    for (int i = 1; i <= League::kTeams; ++i)
        l.teamNames[i] = QStringLiteral("Team %1").arg(QChar(QLatin1Char('A' + i - 1)));
    return l;
}

// Matchday `round` with nine complete pairings of slots 1..18.
void fillRound(League &l, int round)
{
    for (int k = 1; k <= League::kRows; ++k)
        l.results[round][k] = Match{2 * k - 1, 2 * k, k % 4, (k + round) % 3};
}

PrintSelection nothingSelected(const League &l)
{
    PrintSelection s = defaultPrintSelection(l);
    s.tables = false;
    s.crossTable = false;
    s.rounds.fill(false);
    s.teams.fill(false);
    return s;
}

QList<RecordedPage> pagesOf(const TPageWriter &w)
{
    QList<RecordedPage> pages;
    for (int p = 1; p <= w.pageCount(); ++p)
        pages.append(recordPage(w, p));
    return pages;
}

// Outer chart frames: 36 x 20 cells of 3.6 mm.
QList<QRectF> curveFrames(const RecordedPage &page)
{
    QList<QRectF> frames;
    for (const RecordedShape &r : page.rects)
        if (qAbs(r.rect.width() - mm(36 * 3.6)) <= 3 && qAbs(r.rect.height() - mm(20 * 3.6)) <= 3)
            frames.append(r.rect);
    return frames;
}

} // namespace

class TestPrintJobs : public QObject {
    Q_OBJECT

private slots:
    void roundEntries_data();
    void roundEntries();
    void defaultsOfAnUntouchedLeague();
    void numberLists_data();
    void numberLists();
    void nothingSelectedGivesOneEmptyPage();
    void eightMatchdaysGiveTwoPages();
    void matchRows();
    void emptyCheckedMatchdayPrintsColonsOnly();
    void noFilledRoundsPrintsNoMatchdays();
    void crossTableStartsOnNewPage();
    void crossTableBlocks();
    void fourCurvesAfterTables();
    void curveOfPlayedMatchdays();
    void leagueTableColours_data();
    void leagueTableColours();
    void progressIsReported();
    void tablesAfterChosenMatchdayAndByTheLeaguesOrder();
};

void TestPrintJobs::roundEntries_data()
{
    QTest::addColumn<Match>("row");
    QTest::addColumn<bool>("entry");
    QTest::newRow("untouched") << Match{} << false;
    QTest::newRow("home team only") << Match{5, 0, -1, -1} << true;
    QTest::newRow("away team only") << Match{0, 1, -1, -1} << true;
    QTest::newRow("goal zero only") << Match{0, 0, 0, -1} << true;
    QTest::newRow("complete") << Match{3, 7, 2, 1} << true;
}

void TestPrintJobs::roundEntries()
{
    QFETCH(Match, row);
    QFETCH(bool, entry);
    League l;
    l.results[12][9] = row;
    QCOMPARE(roundHasEntry(l, 12), entry);
    QCOMPARE(roundHasEntry(l, 11), false);
    QCOMPARE(filledRounds(l), entry ? 1 : 0);
    QCOMPARE(defaultPrintSelection(l).rounds[12], entry);
}

void TestPrintJobs::defaultsOfAnUntouchedLeague()
{
    const League l;
    const PrintSelection s = defaultPrintSelection(l);
    QVERIFY(s.tables);
    QVERIFY(s.crossTable);
    QCOMPARE(s.filledRounds, 0);
    for (int j = 1; j <= 34; ++j)
        QVERIFY(!s.rounds[j]);
    for (int t = 1; t <= 18; ++t)
        QVERIFY(s.teams[t]);
}

void TestPrintJobs::numberLists_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("last");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QList<int>>("numbers");
    QTest::newRow("ranges and single") << "1-6,9" << 34 << true << QList<int>{1, 2, 3, 4, 5, 6, 9};
    QTest::newRow("spaces") << " 3 , 5-6 " << 34 << true << QList<int>{3, 5, 6};
    QTest::newRow("last allowed") << "18" << 18 << true << QList<int>{18};
    QTest::newRow("above last") << "19" << 18 << false << QList<int>{};
    QTest::newRow("zero") << "0-3" << 34 << false << QList<int>{};
    QTest::newRow("reversed") << "6-1" << 34 << false << QList<int>{};
    QTest::newRow("empty item") << "1,,2" << 34 << false << QList<int>{};
    QTest::newRow("word") << "alle" << 34 << false << QList<int>{};
    QTest::newRow("double dash") << "1-2-3" << 34 << false << QList<int>{};
}

void TestPrintJobs::numberLists()
{
    QFETCH(QString, text);
    QFETCH(int, last);
    QFETCH(bool, valid);
    QFETCH(QList<int>, numbers);
    const auto parsed = parseNumberList(text, last);
    QCOMPARE(parsed.has_value(), valid);
    if (valid)
        QCOMPARE(*parsed, numbers);
}

void TestPrintJobs::nothingSelectedGivesOneEmptyPage()
{
    League l = namedLeague();
    fillRound(l, 1);
    TPageWriter w;
    LeaguePrintJobs jobs(l, RowBandColors::defaultLayout(), w);
    jobs.build(nothingSelected(l));
    QCOMPARE(w.pageCount(), 1);
    const RecordedPage page = recordPage(w, 1);
    QVERIFY(page.texts.isEmpty());
    QVERIFY(page.rects.isEmpty());
    QVERIFY(page.lines.isEmpty());
}

void TestPrintJobs::eightMatchdaysGiveTwoPages()
{
    League l = namedLeague();
    const QList<int> rounds{2, 3, 5, 8, 13, 21, 30, 34};
    for (int j : rounds)
        fillRound(l, j);
    l.roundDates[13] = {QStringLiteral("01.11.2026"), QStringLiteral("02.11.2026")};
    PrintSelection s = nothingSelected(l);
    s.filledRounds = filledRounds(l);
    for (int j : rounds)
        s.rounds[j] = true;

    TPageWriter w;
    LeaguePrintJobs jobs(l, RowBandColors::defaultLayout(), w);
    jobs.build(s);
    QCOMPARE(w.pageCount(), 2);
    const QList<RecordedPage> pages = pagesOf(w);
    for (const RecordedPage &page : pages) {
        QCOMPARE(page.textsMatching(QStringLiteral("Spieltage")).size(), 1);
        // The program heading's first line starts with the program title.
        QVERIFY(page.texts.first().text.startsWith(QStringLiteral("Tabulon '98")));
    }
    const auto headingOf = [](int j) {
        return QStringLiteral("%1.Spieltag - vom  bis ").arg(j);
    };
    for (int n = 0; n < 8; ++n) {
        const int j = rounds.at(n);
        const QString text = j == 13 ? QStringLiteral("13.Spieltag - vom 01.11.2026 bis 02.11.2026")
                                     : headingOf(j);
        QVERIFY2(pages.at(n < 6 ? 0 : 1).hasText(text), qPrintable(text));
        QVERIFY(!pages.at(n < 6 ? 1 : 0).hasText(text));
    }
    // Every matchday heading line starts at the left margin.
    const RecordedText first = pages.at(0).textsMatching(headingOf(2)).value(0);
    QVERIFY(qAbs(first.baseline.x() - mm(25)) <= kTolerance);
    QVERIFY(first.font.bold());
}

void TestPrintJobs::matchRows()
{
    League l = namedLeague();
    l.results[4][1] = Match{3, 7, 2, 1};   // complete
    l.results[4][2] = Match{5, 6, -1, -1}; // paired, no result
    l.results[4][3] = Match{0, 9, 1, 0};   // no home team
    l.results[4][4] = Match{10, 11, 4, -1}; // only the home goals typed so far
    PrintSelection s = nothingSelected(l);
    s.filledRounds = filledRounds(l);
    s.rounds[4] = true;
    TPageWriter w;
    LeaguePrintJobs jobs(l, RowBandColors::defaultLayout(), w);
    jobs.build(s);
    const RecordedPage page = recordPage(w, 1);

    // Row 1: names, "-", both goals around ":".
    const RecordedText home = page.textsMatching(QStringLiteral("Team C")).value(0);
    const RecordedText away = page.textsMatching(QStringLiteral("Team G")).value(0);
    QCOMPARE(home.baseline.y(), away.baseline.y());
    const double y1 = home.baseline.y();
    QStringList row1;
    for (const RecordedText &t : page.texts)
        if (qAbs(t.baseline.y() - y1) < 0.5)
            row1 << t.text;
    QCOMPARE(row1, (QStringList{QStringLiteral("Team C"), QStringLiteral("-"), QStringLiteral("Team G"),
                                QStringLiteral("2"), QStringLiteral(":"), QStringLiteral("1")}));
    // Home name right-aligned at the end of its 50 mm column (15 + 50 mm
    // from the margin), the away name left-aligned after the 4 mm "-".
    QVERIFY(qAbs(home.baseline.x() + QFontMetricsF(home.font).horizontalAdvance(home.text)
                 - (mm(90) - 12)) <= kTolerance);
    QVERIFY(qAbs(away.baseline.x() - (mm(94) + 12)) <= kTolerance);

    const auto rowTexts = [&](const QString &anchor) {
        QStringList texts;
        const double y = page.textsMatching(anchor).value(0).baseline.y();
        for (const RecordedText &t : page.texts)
            if (qAbs(t.baseline.y() - y) < 0.5)
                texts << t.text;
        return texts;
    };
    QCOMPARE(rowTexts(QStringLiteral("Team E")),
             (QStringList{QStringLiteral("Team E"), QStringLiteral("-"), QStringLiteral("Team F"),
                          QStringLiteral(":")}));
    QCOMPARE(rowTexts(QStringLiteral("Team J")),
             (QStringList{QStringLiteral("Team J"), QStringLiteral("-"), QStringLiteral("Team K"),
                          QStringLiteral(":")}));
    // Row 3 has no pairing: no names, no "-", but its score.
    QVERIFY(!page.hasText(QStringLiteral("Team I")));
    QCOMPARE(page.textsMatching(QStringLiteral("-")).size(), 3);
    QCOMPARE(page.textsMatching(QStringLiteral(":")).size(), 9);
    QCOMPARE(page.textsMatching(QStringLiteral("0")).size(), 1);
}

void TestPrintJobs::emptyCheckedMatchdayPrintsColonsOnly()
{
    League l = namedLeague();
    fillRound(l, 1);
    PrintSelection s = nothingSelected(l);
    s.filledRounds = filledRounds(l);
    s.rounds[20] = true;
    TPageWriter w;
    LeaguePrintJobs jobs(l, RowBandColors::defaultLayout(), w);
    jobs.build(s);
    QCOMPARE(w.pageCount(), 1);
    const RecordedPage page = recordPage(w, 1);
    QVERIFY(page.hasText(QStringLiteral("20.Spieltag - vom  bis ")));
    QCOMPARE(page.textsMatching(QStringLiteral(":")).size(), 9);
    // Three heading lines, the matchday line and nine colons.
    QCOMPARE(page.texts.size(), 3 + 1 + 9);
}

void TestPrintJobs::noFilledRoundsPrintsNoMatchdays()
{
    const League l = namedLeague();
    PrintSelection s = nothingSelected(l);
    s.rounds.fill(true); // "Alle markieren" in an untouched league
    TPageWriter w;
    LeaguePrintJobs jobs(l, RowBandColors::defaultLayout(), w);
    jobs.build(s);
    QCOMPARE(w.pageCount(), 1);
    QVERIFY(recordPage(w, 1).texts.isEmpty());
}

void TestPrintJobs::crossTableStartsOnNewPage()
{
    League l = namedLeague();
    fillRound(l, 1);
    PrintSelection s = nothingSelected(l);
    s.tables = true;
    s.crossTable = true;
    TPageWriter w;
    LeaguePrintJobs jobs(l, RowBandColors::defaultLayout(), w);
    jobs.build(s);
    QVERIFY(w.pageCount() >= 2);
    const QList<RecordedPage> pages = pagesOf(w);
    QVERIFY(pages.first().hasText(QStringLiteral("Tabelle und Bilanzen")));
    QVERIFY(!pages.first().hasText(QStringLiteral("Kreuztabelle")));
    int crossPage = -1;
    for (int p = 0; p < pages.size(); ++p)
        if (pages.at(p).hasText(QStringLiteral("Kreuztabelle")))
            crossPage = p;
    QVERIFY(crossPage >= 1);
    // The heading is the first thing on its page: the title line on top.
    QCOMPARE(pages.at(crossPage).texts.first().text, QStringLiteral("Tabulon '98 - die Ligaverwaltung"));

    // Only the cross table: it starts on the first page.
    s.tables = false;
    jobs.build(s);
    QVERIFY(recordPage(w, 1).hasText(QStringLiteral("Kreuztabelle")));
}

void TestPrintJobs::crossTableBlocks()
{
    League l = namedLeague();
    l.results[1][1] = Match{4, 9, 2, 0};
    l.results[1][2] = Match{17, 13, 1, 3};
    PrintSelection s = nothingSelected(l);
    s.crossTable = true;
    TPageWriter w;
    LeaguePrintJobs jobs(l, RowBandColors::defaultLayout(), w);
    jobs.build(s);

    QList<RecordedText> texts;
    QList<RecordedShape> boxes;
    for (const RecordedPage &page : pagesOf(w)) {
        texts += page.texts;
        boxes += page.rects;
    }
    const auto count = [&](const QString &text) {
        int n = 0;
        for (const RecordedText &t : texts)
            n += t.text == text;
        return n;
    };
    // 18 home rows in each of the three blocks, every column boxed.
    QCOMPARE(count(QStringLiteral("Team D")), 3);
    QCOMPARE(boxes.size(), 3 * 19 * 8);
    QCOMPARE(count(QStringLiteral("2 : 0")), 1);
    QCOMPARE(count(QStringLiteral("1 : 3")), 1);
    // Away numbers 1..18 appear once in the block headers; home numbers in
    // every block.
    QCOMPARE(count(QStringLiteral("13")), 3 + 1);
    // The header numbers are bold 12 pt, the rows regular 10 pt.
    for (const RecordedText &t : texts) {
        if (t.text == QLatin1String("2 : 0")) {
            QVERIFY(!t.font.bold());
            QCOMPARE(t.font.pixelSize(), 83);
        }
    }
    // 2:0 of slot 4 against slot 9 sits in the second block, the column of
    // away slot 9 (third of 7..12): 25 + 7 + 55 + 2 x 17 mm to the left edge.
    for (const RecordedText &t : texts) {
        if (t.text == QLatin1String("2 : 0")) {
            const double centre = t.baseline.x() + QFontMetricsF(t.font).horizontalAdvance(t.text) / 2;
            QVERIFY(qAbs(centre - mm(121 + 8.5)) <= kTolerance);
        }
    }
}

void TestPrintJobs::fourCurvesAfterTables()
{
    League l = namedLeague();
    fillRound(l, 1);
    fillRound(l, 2);
    PrintSelection s = nothingSelected(l);
    s.tables = true;
    s.teams[2] = s.teams[5] = s.teams[11] = s.teams[18] = true;
    TPageWriter w;
    LeaguePrintJobs jobs(l, RowBandColors::defaultLayout(), w);
    jobs.build(s);

    const QList<RecordedPage> pages = pagesOf(w);
    QCOMPARE(pages.size(), 3);
    QVERIFY(pages.at(0).hasText(QStringLiteral("Tabelle und Bilanzen")));
    QVERIFY(curveFrames(pages.at(0)).isEmpty());

    const QList<QRectF> frames = curveFrames(pages.at(1));
    QCOMPARE(frames.size(), 3);
    const double tops[] = {38, 120, 202};
    for (int i = 0; i < 3; ++i) {
        QVERIFY(qAbs(frames.at(i).left() - mm(35)) <= 2);
        QVERIFY(qAbs(frames.at(i).top() - mm(tops[i])) <= 2);
    }
    QCOMPARE(pages.at(1).textsMatching(QStringLiteral("Fieberkurven")).size(), 1);
    // Names in blue above their chart, in slot order.
    const QStringList names{QStringLiteral("Team B"), QStringLiteral("Team E"), QStringLiteral("Team K")};
    for (int i = 0; i < 3; ++i) {
        const RecordedText name = pages.at(1).textsMatching(names.at(i)).value(0);
        QCOMPARE(name.color, QColor(0, 0, 255));
        QVERIFY(name.font.bold() && name.font.italic());
        QVERIFY(name.baseline.y() > mm(tops[i] - 3.6));
        QVERIFY(name.baseline.y() < mm(tops[i]));
    }

    const QList<QRectF> last = curveFrames(pages.at(2));
    QCOMPARE(last.size(), 1);
    QVERIFY(qAbs(last.first().top() - mm(38)) <= 2);
    QVERIFY(pages.at(2).hasText(QStringLiteral("Team R")));
    QVERIFY(pages.at(2).hasText(QStringLiteral("Fieberkurven")));
}

void TestPrintJobs::curveOfPlayedMatchdays()
{
    // Slot 1 wins on matchday 1, has no result on matchday 2 and loses on
    // matchday 3: points at matchdays 1 and 3 only.
    League l = namedLeague();
    l.results[1][1] = Match{1, 2, 3, 0};
    l.results[2][1] = Match{1, 3, -1, -1};
    l.results[3][1] = Match{4, 1, 5, 0};
    PrintSelection s = nothingSelected(l);
    s.teams[1] = true;
    TPageWriter w;
    LeaguePrintJobs jobs(l, RowBandColors::defaultLayout(), w);
    jobs.build(s);
    const RecordedPage page = recordPage(w, 1);
    QList<RecordedShape> blue;
    for (const RecordedShape &line : page.polylines + page.lines)
        if (line.color == QColor(0, 0, 255))
            blue.append(line);
    QCOMPARE(blue.size(), 1);
    const QPolygonF curve = blue.first().points;
    QCOMPARE(curve.size(), 2);
    QVERIFY(qAbs(blue.first().penWidth - 3) < 0.01);
    // After matchday 1 slot 1 leads; after matchday 3 (3 points, 3:5) it is
    // behind slot 4 (3 points, 5:0) and ahead of the goal-less teams: 2nd.
    const double cell = mm(3.6);
    QVERIFY(qAbs(curve.at(0).x() - (mm(35) + 1 * cell + mm(1.8))) <= 2);
    QVERIFY(qAbs(curve.at(0).y() - (mm(38) + 1 * cell + mm(1.8))) <= 2);
    QVERIFY(qAbs(curve.at(1).x() - (mm(35) + 3 * cell + mm(1.8))) <= 2);
    QVERIFY(qAbs(curve.at(1).y() - (mm(38) + 2 * cell + mm(1.8))) <= 2);
}

void TestPrintJobs::leagueTableColours_data()
{
    QTest::addColumn<bool>("zones");
    QTest::newRow("league view bands") << true;
    QTest::newRow("home view bands") << false;
}

void TestPrintJobs::leagueTableColours()
{
    QFETCH(bool, zones);
    // No results: the table lists the slots in slot order, so row r is "Team"
    // plus the r-th letter.
    const League l = namedLeague();
    PrintSelection s = nothingSelected(l);
    s.tables = true;
    const RowBandColors bands = zones ? RowBandColors::defaultLayout() : RowBandColors::allWhite();
    TPageWriter w;
    LeaguePrintJobs jobs(l, bands, w);
    jobs.build(s);
    const RecordedPage page = recordPage(w, 1);

    const QColor blue(0, 0, 255), magenta(255, 0, 255), green(0, 255, 0), red(255, 0, 0), black(0, 0, 0);
    for (int r = 1; r <= 18; ++r) {
        const QString name = QStringLiteral("Team %1").arg(QChar(QLatin1Char('A' + r - 1)));
        const QList<RecordedText> rows = page.textsMatching(name);
        QCOMPARE(rows.size(), 3); // league, home and away table
        QColor expected = black;
        if (zones)
            expected = r == 1 ? blue : r == 2 ? magenta : r <= 5 ? green : r >= 16 ? red : black;
        QCOMPARE(rows.at(0).color, expected);
        QCOMPARE(rows.at(1).color, black);
        QCOMPARE(rows.at(2).color, black);
    }
    // Only the 18 points cells and the header's points cell are boxed.
    QCOMPARE(page.rects.size(), 19);
    for (const RecordedShape &box : page.rects)
        QVERIFY(qAbs(box.rect.left() - mm(25 + 8 + 81 + 32)) <= kTolerance);
}

void TestPrintJobs::progressIsReported()
{
    const League l = namedLeague();
    TPageWriter w;
    LeaguePrintJobs jobs(l, RowBandColors::defaultLayout(), w);
    QList<int> steps;
    jobs.build(nothingSelected(l), [&](int p) { steps << p; });
    QCOMPARE(steps, (QList<int>{25, 50, 75, 100}));
}

void TestPrintJobs::tablesAfterChosenMatchdayAndByTheLeaguesOrder()
{
    // Matchday 1: B beats A 1:0. Matchday 2: A beats C 3:0. After both, A
    // (3 points, +2) leads B (3, +1) on goal difference; by the games
    // between them B leads; after matchday 1 B leads and A is last (-1).
    League l = namedLeague();
    l.match(1, 1) = Match{2, 1, 1, 0};
    l.match(2, 1) = Match{1, 3, 3, 0};
    const auto leagueTableRow = [](const RecordedPage &page, const QString &name) {
        const QList<RecordedText> rows = page.textsMatching(name);
        return rows.isEmpty() ? -1.0 : rows.at(0).baseline.y();
    };
    const auto firstPage = [&](const League &league, int tablesRound) {
        PrintSelection s = nothingSelected(league);
        s.tables = true;
        s.tablesRound = tablesRound;
        TPageWriter w;
        LeaguePrintJobs jobs(league, RowBandColors::defaultLayout(), w);
        jobs.build(s);
        return recordPage(w, 1);
    };

    RecordedPage page = firstPage(l, League::kMaxRounds);
    QVERIFY(leagueTableRow(page, "Team A") < leagueTableRow(page, "Team B"));
    page = firstPage(l, 1);
    QVERIFY(leagueTableRow(page, "Team B") < leagueTableRow(page, "Team C"));
    QVERIFY(leagueTableRow(page, "Team R") < leagueTableRow(page, "Team A"));
    l.tieOrder = TieOrder::DirectThenGoals;
    page = firstPage(l, League::kMaxRounds);
    QVERIFY(leagueTableRow(page, "Team B") < leagueTableRow(page, "Team A"));
    QVERIFY(leagueTableRow(page, "Team A") < leagueTableRow(page, "Team C"));
}

QTEST_MAIN(TestPrintJobs)
#include "tst_printjobs.moc"
