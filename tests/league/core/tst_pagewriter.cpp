#include <ctime>
#include <QFontMetricsF>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include "league/print/TPageWriter.h"
#include "tst_pagewriter_recorder.h"

// Text measuring needs the font database, which only a QGuiApplication
// provides, so this core test starts one (QTEST_MAIN below, no widgets).

namespace {

constexpr double kUnitsPerMm = 600 / 25.4;
// 6 x p with p = 600 / 300: the inset of left- and right-aligned cells.
constexpr double kInset = 12;
constexpr double kTolerance = 1.0;

double mm(double millimetres)
{
    return millimetres * kUnitsPerMm;
}

double advance(const RecordedText &t)
{
    return QFontMetricsF(t.font).horizontalAdvance(t.text);
}

// Lines are single-spaced at the font's size.
double pt(double points)
{
    return points * 600 / 72;
}

} // namespace

class TestPageWriter : public QObject {
    Q_OBJECT

private slots:
    void leagueHeaderBoxesOnlyThePointsColumn();
    void shortRowLeavesBoxedEmptyCells();
    void gridOffDrawsNoBox();
    void columnFormats_data();
    void columnFormats();
    void lineAlignment();
    void longTextIsCutToItsCell();
    void cutKeepsTheLongestStartThatFits_data();
    void cutKeepsTheLongestStartThatFits();
    void linesFillToBottomMarginAndContinue();
    void tableRowsBreakLikeLines();
    void newPageAfterPendingBreakAddsOnePage();
    void emptyDocumentHasOnePage();
    void beginDocDropsOldPages();
    void fontAndColourAreRecorded();
    void copiesBelowOneCountAsOne();
    void printSendsEveryPageCopiesTimes();
};

void TestPageWriter::leagueHeaderBoxesOnlyThePointsColumn()
{
    TPageWriter w;
    w.BeginDoc();
    w.setFont({QStringLiteral("Arial"), 11, true, false, Qt::black});
    w.setTableGrid(true);
    w.TableFormat(QStringLiteral("<-69|>-28|>-8|>-8|>-8|>10|^-22|>-12"));
    const double top = w.y();
    w.WriteTableLine(QStringLiteral("Tabelle|Spiele|s|u|n|Pkt|Tore|Diff"));
    w.EndDoc();

    const RecordedPage page = recordPage(w, 1);
    QCOMPARE(page.rects.size(), 1);
    const RecordedShape box = page.rects.first();
    // 25 mm margin plus 69 + 28 + 3 x 8 mm of unboxed columns.
    QVERIFY(qAbs(box.rect.left() - mm(146)) <= kTolerance);
    QVERIFY(qAbs(box.rect.width() - mm(10)) <= kTolerance);
    QVERIFY(qAbs(box.rect.top() - top) <= kTolerance);
    QVERIFY(qAbs(box.rect.height() - pt(w.font().size)) <= kTolerance);
    QVERIFY(qAbs(box.penWidth - 4) <= 0.01); // 2/300 inch at 600 dpi

    // First column left-aligned just inside the margin.
    const RecordedText first = page.textsMatching(QStringLiteral("Tabelle")).value(0);
    QVERIFY(qAbs(first.baseline.x() - (mm(25) + kInset)) <= kTolerance);
    // Seventh column centred in the 22 mm that start at 25 + 131 mm.
    const RecordedText goals = page.textsMatching(QStringLiteral("Tore")).value(0);
    QVERIFY(qAbs(goals.baseline.x() + advance(goals) / 2 - mm(167)) <= kTolerance);
    // Last column right-aligned: the row ends 165 mm from the margin.
    const RecordedText diff = page.textsMatching(QStringLiteral("Diff")).value(0);
    QVERIFY(qAbs(diff.baseline.x() + advance(diff) - (mm(190) - kInset)) <= kTolerance);
    // Points right-aligned inside its box.
    const RecordedText pts = page.textsMatching(QStringLiteral("Pkt")).value(0);
    QVERIFY(qAbs(pts.baseline.x() + advance(pts) - (mm(156) - kInset)) <= kTolerance);
    QCOMPARE(page.texts.size(), 8);
}

void TestPageWriter::shortRowLeavesBoxedEmptyCells()
{
    TPageWriter w;
    w.BeginDoc();
    w.setTableGrid(true);
    w.TableFormat(QStringLiteral(">7|^55|^17|^17"));
    w.WriteTableLine(QStringLiteral("3|Werder"));
    w.EndDoc();

    const RecordedPage page = recordPage(w, 1);
    QCOMPARE(page.texts.size(), 2);
    QCOMPARE(page.rects.size(), 4);
    const double lefts[] = {25, 32, 87, 104};
    for (int i = 0; i < 4; ++i)
        QVERIFY(qAbs(page.rects.at(i).rect.left() - mm(lefts[i])) <= kTolerance);
}

void TestPageWriter::gridOffDrawsNoBox()
{
    TPageWriter w;
    w.BeginDoc();
    w.setTableGrid(false);
    w.TableFormat(QStringLiteral("<69|>28|>8"));
    w.WriteTableLine(QStringLiteral("Heimbilanz|Spiele|s"));
    w.EndDoc();
    QCOMPARE(recordPage(w, 1).rects.size(), 0);
}

void TestPageWriter::columnFormats_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("row");
    QTest::addColumn<QString>("probe");
    QTest::addColumn<double>("expectedLeftMm"); // of the probe's box
    QTest::addColumn<int>("boxes");

    // No alignment character: the whole entry is the width.
    QTest::newRow("bare width") << "30|10" << "a|b" << "b" << 55.0 << 2;
    // An empty entry takes the default width of 20 mm.
    QTest::newRow("empty entry") << "|^10" << "a|b" << "b" << 45.0 << 2;
    QTest::newRow("decimal width") << ">12.5|<-4|^10" << "a|b|c" << "c" << 41.5 << 2;
    QTest::newRow("minus only unboxes") << "<-40|>-40|^5" << "a|b|c" << "c" << 105.0 << 1;
}

void TestPageWriter::columnFormats()
{
    QFETCH(QString, format);
    QFETCH(QString, row);
    QFETCH(QString, probe);
    QFETCH(double, expectedLeftMm);
    QFETCH(int, boxes);

    TPageWriter w;
    w.BeginDoc();
    w.setTableGrid(true);
    w.TableFormat(format);
    w.WriteTableLine(row);
    w.EndDoc();
    const RecordedPage page = recordPage(w, 1);
    QCOMPARE(page.rects.size(), boxes);
    QVERIFY(qAbs(page.rects.last().rect.left() - mm(expectedLeftMm)) <= kTolerance);
    QVERIFY(page.hasText(probe));
}

void TestPageWriter::lineAlignment()
{
    TPageWriter w;
    w.BeginDoc();
    w.WriteLine(QStringLiteral("links"));
    w.WriteLineAligned(TPageWriter::Right, QStringLiteral("rechts"));
    w.WriteLineAligned(TPageWriter::Center, QStringLiteral("mitte"));
    QCOMPARE(w.alignment(), TPageWriter::Left);
    w.WriteLine(QStringLiteral("wieder links"));
    w.EndDoc();

    const RecordedPage page = recordPage(w, 1);
    const RecordedText left = page.textsMatching(QStringLiteral("links")).value(0);
    const RecordedText right = page.textsMatching(QStringLiteral("rechts")).value(0);
    const RecordedText centre = page.textsMatching(QStringLiteral("mitte")).value(0);
    const RecordedText again = page.textsMatching(QStringLiteral("wieder links")).value(0);
    QVERIFY(qAbs(left.baseline.x() - mm(25)) <= kTolerance);
    QVERIFY(qAbs(right.baseline.x() + advance(right) - mm(190)) <= kTolerance);
    QVERIFY(qAbs(centre.baseline.x() + advance(centre) / 2 - mm(107.5)) <= kTolerance);
    QVERIFY(qAbs(again.baseline.x() - mm(25)) <= kTolerance);

    // Single spacing: consecutive lines are one font height apart.
    const double h = pt(w.font().size);
    QVERIFY(qAbs(right.baseline.y() - left.baseline.y() - h) <= kTolerance);
    QVERIFY(qAbs(again.baseline.y() - left.baseline.y() - 3 * h) <= kTolerance);
}

void TestPageWriter::longTextIsCutToItsCell()
{
    TPageWriter w;
    w.BeginDoc();
    w.TableFormat(QStringLiteral("<10|>10"));
    const QString longName = QStringLiteral("Borussia Mönchengladbach");
    w.WriteTableLine(longName + QLatin1Char('|') + longName);
    w.EndDoc();

    const RecordedPage page = recordPage(w, 1);
    QCOMPARE(page.texts.size(), 2);
    for (const RecordedText &t : page.texts) {
        QVERIFY(!t.text.isEmpty());
        QVERIFY(longName.startsWith(t.text));
        QVERIFY(t.text.size() < longName.size());
        QVERIFY(advance(t) <= mm(10) + 0.01);
    }
    // Both cells start at their own left edge, nothing spills over.
    QVERIFY(qAbs(page.texts.at(0).baseline.x() - mm(25)) <= kTolerance);
    QVERIFY(page.texts.at(1).baseline.x() >= mm(35) - kTolerance);
    QVERIFY(page.texts.at(1).baseline.x() + advance(page.texts.at(1)) <= mm(45) + kTolerance);
}

void TestPageWriter::cutKeepsTheLongestStartThatFits_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("width");
    QString letters;
    for (int i = 0; i < 100000; ++i)
        letters += QChar(i % 7 == 6 ? u' ' : char16_t(u'a' + i % 26));
    QString pairs = QStringLiteral("Wxyz");
    for (int i = 0; i < 40; ++i)
        pairs += QString::fromUcs4(U"\U0001D400") + QLatin1Char('i');
    QTest::newRow("club name") << QStringLiteral("Borussia Mönchengladbach") << 10;
    QTest::newRow("1,023 letters") << letters.left(1023) << 69;
    QTest::newRow("100,000 letters") << letters << 69;
    QTest::newRow("surrogate pairs") << pairs << 10;
    QTest::newRow("fits whole") << QStringLiteral("Rot-Weiß") << 69;
}

void TestPageWriter::cutKeepsTheLongestStartThatFits()
{
    // A table of 18 very long names must print in moments: every cell is
    // cut to the longest start of its text that fits, never half a
    // character, and the work must not grow with the square of the length.
    QFETCH(QString, text);
    QFETCH(int, width);
    // The thread's processor time, not the wall clock: a busy machine must
    // not fail the test, a quadratic cut still does.
    const auto cpuMs = [] {
        timespec ts{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
        return qint64(ts.tv_sec) * 1000 + ts.tv_nsec / 1000000;
    };
    const qint64 start = cpuMs();
    TPageWriter w;
    w.BeginDoc();
    w.TableFormat(QStringLiteral("<-%1").arg(width));
    for (int row = 0; row < 18; ++row)
        w.WriteTableLine(text);
    w.EndDoc();
    QVERIFY2(cpuMs() - start < 5000, qPrintable(QString::number(cpuMs() - start)));

    const RecordedPage page = recordPage(w, 1);
    QCOMPARE(page.texts.size(), 18);
    const RecordedText &t = page.texts.first();
    const QFontMetricsF metrics(t.font);
    QVERIFY(text.startsWith(t.text));
    QVERIFY(!t.text.isEmpty());
    QVERIFY(!t.text.back().isHighSurrogate());
    QVERIFY(metrics.horizontalAdvance(t.text) <= mm(width) + 0.01);
    if (t.text.size() < text.size()) {
        qsizetype longer = t.text.size() + 1;
        if (text.at(longer - 1).isHighSurrogate())
            ++longer;
        QVERIFY(metrics.horizontalAdvance(text.left(longer)) > mm(width) - 0.01);
    }
    for (const RecordedText &other : page.texts)
        QCOMPARE(other.text, t.text);
}

void TestPageWriter::linesFillToBottomMarginAndContinue()
{
    TPageWriter w;
    w.BeginDoc();
    w.setFont({QStringLiteral("Arial"), 14, true, false, Qt::black});
    w.WriteLineAligned(TPageWriter::Center, QStringLiteral("Kopf"));
    w.setFont({QStringLiteral("Arial"), 10, false, false, Qt::black});
    const int lines = 80;
    for (int i = 1; i <= lines; ++i)
        w.WriteLine(QStringLiteral("Zeile %1").arg(i));
    w.EndDoc();

    QCOMPARE(w.pageCount(), 2);
    const RecordedPage one = recordPage(w, 1);
    const RecordedPage two = recordPage(w, 2);
    QVERIFY(one.hasText(QStringLiteral("Kopf")));
    QVERIFY(!two.hasText(QStringLiteral("Kopf")));

    // 257 mm between the margins hold the 14 pt heading and as many 10 pt
    // lines as fit below it.
    const int fitting = int((mm(257) - pt(14)) / pt(10));
    QCOMPARE(int(one.texts.size()) - 1, fitting);
    QCOMPARE(two.texts.size(), lines - fitting);
    QCOMPARE(one.texts.last().text, QStringLiteral("Zeile %1").arg(fitting));
    // Page 2 carries on at the top margin with the next line.
    QCOMPARE(two.texts.first().text, QStringLiteral("Zeile %1").arg(fitting + 1));
    const RecordedText firstLine = one.textsMatching(QStringLiteral("Zeile 1")).value(0);
    QVERIFY(qAbs(two.texts.first().baseline.y() - (firstLine.baseline.y() - pt(14))) <= kTolerance);
}

void TestPageWriter::tableRowsBreakLikeLines()
{
    TPageWriter w;
    w.BeginDoc();
    w.setTableGrid(true);
    w.TableFormat(QStringLiteral(">7|^55"));
    for (int i = 1; i <= 120; ++i)
        w.WriteTableLine(QStringLiteral("%1|Team").arg(i));
    w.EndDoc();
    QVERIFY(w.pageCount() >= 2);
    for (int p = 1; p <= w.pageCount(); ++p) {
        const RecordedPage page = recordPage(w, p);
        for (const RecordedShape &box : page.rects)
            QVERIFY(box.rect.bottom() <= mm(277) + kTolerance);
    }
}

void TestPageWriter::newPageAfterPendingBreakAddsOnePage()
{
    // Fill page 1 until the writer has broken the page on its own, then ask
    // for a new page the way a job starts its next section.
    TPageWriter w;
    w.BeginDoc();
    int written = 0;
    while (w.pageNumber() == 1 && written < 500) {
        w.WriteLine(QStringLiteral("x"));
        ++written;
        const double h = w.lineHeight();
        if (w.y() + h > mm(277))
            break;
    }
    w.NewPage();
    w.WriteLine(QStringLiteral("Kreuztabelle"));
    w.EndDoc();
    QCOMPARE(w.pageCount(), 2);
    QVERIFY(recordPage(w, 2).hasText(QStringLiteral("Kreuztabelle")));

    // A break nothing used leaves no empty page at the end either.
    TPageWriter v;
    v.BeginDoc();
    for (int i = 0; i < written; ++i)
        v.WriteLine(QStringLiteral("x"));
    v.NewLine();
    v.EndDoc();
    QCOMPARE(v.pageCount(), 1);
}

void TestPageWriter::emptyDocumentHasOnePage()
{
    TPageWriter w;
    QCOMPARE(w.pageCount(), 0);
    w.BeginDoc();
    w.EndDoc();
    QCOMPARE(w.pageCount(), 1);
    const RecordedPage page = recordPage(w, 1);
    QVERIFY(page.texts.isEmpty());
    QVERIFY(page.rects.isEmpty());
}

void TestPageWriter::beginDocDropsOldPages()
{
    TPageWriter w;
    w.BeginDoc();
    w.WriteLine(QStringLiteral("alt"));
    w.NewPage();
    w.WriteLine(QStringLiteral("alt 2"));
    w.EndDoc();
    QCOMPARE(w.pageCount(), 2);
    w.BeginDoc();
    w.WriteLine(QStringLiteral("neu"));
    w.EndDoc();
    QCOMPARE(w.pageCount(), 1);
    const RecordedPage page = recordPage(w, 1);
    QVERIFY(page.hasText(QStringLiteral("neu")));
    QVERIFY(!page.hasText(QStringLiteral("alt")));
}

void TestPageWriter::fontAndColourAreRecorded()
{
    TPageWriter w;
    w.BeginDoc();
    w.setFont({QStringLiteral("Arial"), 9, true, true, QColor(0, 0, 255)});
    w.WriteLine(QStringLiteral("Werder"));
    w.setFontStyle(false, false);
    w.setFontColor(QColor(255, 0, 0));
    w.setFontSize(7);
    w.WriteLine(QStringLiteral("Stuttgart"));
    w.EndDoc();
    const RecordedPage page = recordPage(w, 1);
    const RecordedText blue = page.textsMatching(QStringLiteral("Werder")).value(0);
    const RecordedText red = page.textsMatching(QStringLiteral("Stuttgart")).value(0);
    QCOMPARE(blue.color, QColor(0, 0, 255));
    QVERIFY(blue.font.bold());
    QVERIFY(blue.font.italic());
    QCOMPARE(blue.font.pixelSize(), 75); // 9 pt at 600 dpi
    QCOMPARE(red.color, QColor(255, 0, 0));
    QVERIFY(!red.font.bold());
    QCOMPARE(red.font.pixelSize(), 58); // 7 pt at 600 dpi
}

void TestPageWriter::copiesBelowOneCountAsOne()
{
    TPageWriter w;
    QCOMPARE(w.copies(), 1);
    w.setCopies(0);
    QCOMPARE(w.copies(), 1);
    w.setCopies(-5);
    QCOMPARE(w.copies(), 1);
    w.setCopies(99);
    QCOMPARE(w.copies(), 99);
    QCOMPARE(w.mmToUnitsX(25.4), 600);
    QCOMPARE(w.mmToUnitsY(3.6), 85);
}

void TestPageWriter::printSendsEveryPageCopiesTimes()
{
    TPageWriter w;
    w.BeginDoc();
    w.WriteLine(QStringLiteral("Seite eins"));
    w.NewPage();
    w.WriteLine(QStringLiteral("Seite zwei"));
    w.EndDoc();
    w.setCopies(3);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("out.pdf"));
    {
        QPdfWriter pdf(path);
        QVERIFY(w.print(pdf));
    }
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString bytes = QString::fromLatin1(file.readAll());
    const qsizetype pages = bytes.count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]")));
    QCOMPARE(pages, 6);

    // An empty store prints nothing.
    TPageWriter empty;
    QPdfWriter none(dir.filePath(QStringLiteral("none.pdf")));
    QVERIFY(!empty.print(none));
}

QTEST_MAIN(TestPageWriter)
#include "tst_pagewriter.moc"
