#include <QtTest>

#include "league/export/Exporters.h"
#include "league/model/FooterTexts.h"
#include "league/model/League.h"
#include "league/standings/CrossTable.h"
#include "league/standings/Standings.h"

namespace {

// Splits a document into its lines; every line, the last included, must
// end in CR LF and no bare LF may occur.
QList<QByteArray> linesOf(const QByteArray &doc)
{
    if (!doc.endsWith("\r\n"))
        return {"<no CR LF at the end>"};
    QList<QByteArray> lines = doc.chopped(2).split('\n');
    for (QByteArray &l : lines) {
        if (!l.endsWith('\r') && &l != &lines.last())
            return {"<bare LF>"};
        if (l.endsWith('\r'))
            l.chop(1);
    }
    return lines;
}

QByteArray spaces(int n)
{
    return QByteArray(n, ' ');
}

QByteArray dashes(int n)
{
    return QByteArray(n, '-');
}

StandingsRow row(int team, const QString &name, int g, int w, int d, int l, int p, int gf, int ga, int diff)
{
    return StandingsRow{team, name, g, w, d, l, p, gf, ga, diff};
}

// Tables filled by hand, so that each line is known without running the
// computation.
Standings handMadeTables()
{
    Standings s;
    for (Standings::Table *t : {&s.tableTotal, &s.tableHome, &s.tableAway})
        for (int r = 1; r <= 18; ++r)
            (*t)[r] = row(r, QStringLiteral("T%1").arg(r), 0, 0, 0, 0, 0, 0, 0, 0);
    s.tableTotal[7] = row(4, QStringLiteral("Adler"), 30, 12, 9, 9, 45, 40, 38, 2);
    s.tableTotal[10] = row(11, QStringLiteral("Borussia Neunkirchen Ost"), 30, 8, 6, 16, 30, 33, 45, -12);
    s.tableTotal[12] = row(5, QStringLiteral("Sportvereinigung Unterhaching"), 3, 1, 1, 1, 4, 5, 5, 0);
    s.tableTotal[13] = row(6, QStringLiteral("Spielvereinigung Unterhac"), 3, 1, 1, 1, 4, 5, 5, 0);
    s.tableTotal[14] = row(7, QStringLiteral("Spielvereinigung Unterhach"), 3, 1, 1, 1, 4, 5, 5, 0);
    s.tableTotal[15] = row(8, QStringLiteral("Spielvereinigung Unterhachi"), 3, 1, 1, 1, 4, 5, 5, 0);
    s.tableHome[3] = row(12, QStringLiteral("Turn- und Sportverein Neustadt"), 1, 0, 0, 1, 0, 0, 1, -1);
    s.tableAway[18] = row(9, QStringLiteral("Würzburger Kickers"), 100, 1, 2, 97, 5, 1234, 99999, -98765);
    return s;
}

} // namespace

class TestExportText : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void tablesDocumentShape();
    void tableLines_data();
    void tableLines();
    void emptyLeagueTables();
    void explainedTableNamesDeductions();
    void crossTable();
    void matchdays();
    void emptyLeagueMatchdaysHoldHeaderOnly();
};

void TestExportText::tablesDocumentShape()
{
    const QList<QByteArray> lines = linesOf(Exp_tb_TXT(handMadeTables()));
    QCOMPARE(lines.size(), 7 + 1 + 22 + 1 + 22 + 1 + 22);
    QCOMPARE(lines[0], dashes(77));
    QCOMPARE(lines[1], spaces(16) + "Tabulon '98" + FooterTexts::credit().toLatin1());
    QCOMPARE(lines[2], dashes(77));
    QCOMPARE(lines[4], dashes(77));
    QCOMPARE(lines[5], QByteArray());
    QCOMPARE(lines[6], spaces(22) + "Tabelle und Bilanzen");
    QCOMPARE(lines[7], QByteArray());

    const QByteArray columns = "Sp  s  u  n  Pkt     Tore      Diff";
    const struct { int at; QByteArray label; } tables[] = {
        {8, "Tabelle"}, {31, "Heimbilanz"}, {54, "Ausw\xe4rtsbilanz"}};
    for (const auto &t : tables) {
        QCOMPARE(lines[t.at], dashes(65));
        QCOMPARE(lines[t.at + 1], t.label + spaces(30 - t.label.size()) + columns);
        QCOMPARE(lines[t.at + 2], dashes(65));
        QCOMPARE(lines[t.at + 21], dashes(65));
        if (t.at != 54)
            QCOMPARE(lines[t.at + 22], QByteArray());
    }
}

void TestExportText::tableLines_data()
{
    QTest::addColumn<int>("lineIndex");
    QTest::addColumn<QByteArray>("text");

    // League table rows start at line 11 (row 1); the away table at 57.
    QTest::newRow("row 7, 65 characters")
        << 17 << QByteArray(" 7 Adler" + spaces(22) + "30 12  9  9   45    40 : 38       2");
    QTest::newRow("row 10 without leading space, difference -12")
        << 20 << QByteArray("10 Borussia Neunkirchen Ost   30  8  6 16   30    33 : 45     -12");
    QTest::newRow("29 letters: cut to 23 and dots")
        << 22 << QByteArray("12 Sportvereinigung Unterh...  3  1  1  1    4     5 : 5        0");
    QTest::newRow("25 letters: two spaces")
        << 23 << QByteArray("13 Spielvereinigung Unterhac   3  1  1  1    4     5 : 5        0");
    QTest::newRow("26 letters: one space")
        << 24 << QByteArray("14 Spielvereinigung Unterhach  3  1  1  1    4     5 : 5        0");
    QTest::newRow("27 letters: cut")
        << 25 << QByteArray("15 Spielvereinigung Unterh...  3  1  1  1    4     5 : 5        0");
    QTest::newRow("30 letters: first 23 and dots")
        << 36 << QByteArray(" 3 Turn- und Sportverein N...  1  0  0  1    0     0 : 1       -1");
    QTest::newRow("numbers wider than their fields push the line on")
        << 74 << QByteArray("18 W\xfcrzburger Kickers" + spaces(9) + "100  1  2 97    5  1234 : 99999-98765");
}

void TestExportText::tableLines()
{
    QFETCH(int, lineIndex);
    QFETCH(QByteArray, text);
    const QList<QByteArray> lines = linesOf(Exp_tb_TXT(handMadeTables()));
    QCOMPARE(lines.value(lineIndex), text);
    if (lineIndex != 74)
        QCOMPARE(text.size(), 65);
}

void TestExportText::emptyLeagueTables()
{
    League l;
    l.teamNames[2] = QStringLiteral("Eintracht");
    Standings s;
    TabBer(l, s);
    const QList<QByteArray> lines = linesOf(Exp_tb_TXT(s));
    QCOMPARE(lines.size(), 76);
    QCOMPARE(lines[11], QByteArray(" 1 " + spaces(27) + " 0  0  0  0    0     0 : 0        0"));
    QCOMPARE(lines[12], QByteArray(" 2 Eintracht" + spaces(18) + " 0  0  0  0    0     0 : 0        0"));
    QCOMPARE(lines[51], QByteArray("18 " + spaces(27) + " 0  0  0  0    0     0 : 0        0"));
}

void TestExportText::explainedTableNamesDeductions()
{
    // Slot 1 wins and loses a point, still first; slot 5 loses three points
    // without a game and ends last. The note of the deduction follows the
    // reason of the place, and stands alone on row 1, which has none.
    League l;
    for (int i = 1; i <= 18; ++i)
        l.teamNames[i] = QStringLiteral("Team %1").arg(i);
    l.penaltyPoints[1] = 1;
    l.penaltyPoints[5] = 3;
    l.match(1, 1) = Match{1, 2, 1, 0};
    Standings s;
    TabBer(l, s);
    const QList<QByteArray> plain = linesOf(Exp_tb_TXT(s));
    const QList<QByteArray> explained = linesOf(Exp_tb_TXT(s, true));
    QCOMPARE(plain[11], QByteArray(" 1 Team 1" + spaces(21) + " 1  1  0  0    2     1 : 0        1"));
    QCOMPARE(explained[11], plain[11] + "   Punktabzug: 1");
    QCOMPARE(explained[12], plain[12] + "   Punkte");
    QCOMPARE(plain[28], QByteArray("18 Team 5" + spaces(21) + " 0  0  0  0   -3     0 : 0        0"));
    QCOMPARE(explained[28], plain[28] + "   Punkte, Punktabzug: 3");
    // The home and away tables know nothing of deductions.
    QVERIFY(!explained.join('\n').mid(explained.join('\n').indexOf("Heimbilanz")).contains("Punktabzug"));
}

void TestExportText::crossTable()
{
    League l;
    for (int i = 1; i <= 18; ++i)
        l.teamNames[i] = QStringLiteral("Team %1").arg(i);
    l.match(1, 1) = Match{1, 2, 2, 1};
    l.match(1, 2) = Match{1, 3, 10, 2};
    l.match(1, 3) = Match{1, 4, 1, 10};
    l.match(1, 4) = Match{1, 18, 999, 999};
    l.match(1, 5) = Match{1, 5, 3, -1}; // half entered: empty cell
    CrossGrid g;
    KreuzBer(l, g);
    const QList<QByteArray> lines = linesOf(Exp_kt_TXT(g));
    QCOMPARE(lines.size(), 7 + 1 + 3 + 18 + 1);
    QCOMPARE(lines[6], spaces(26) + "Kreuztabelle");
    QCOMPARE(lines[7], QByteArray());
    QCOMPARE(lines[8], dashes(210));
    QCOMPARE(lines[10], dashes(210));
    QCOMPARE(lines[29], dashes(210));

    QByteArray numbers = spaces(26);
    for (int c = 1; c <= 9; ++c)
        numbers += spaces(9) + QByteArray::number(c);
    for (int c = 10; c <= 18; ++c)
        numbers += spaces(8) + QByteArray::number(c);
    QCOMPARE(lines[9].size(), 206);
    QCOMPARE(lines[9], numbers);

    const QByteArray first = " 1 Team 1" + spaces(21)
        + spaces(10) // the diagonal
        + "   2 : 1  " + "  10 : 2  " + "   1 : 10 " + spaces(10) + spaces(10 * 12) + " 999 : 999";
    QCOMPARE(lines[11].size(), 210);
    QCOMPARE(lines[11], first);
    // Each ":" of column c sits under the last digit of its number.
    for (int c = 2; c <= 4; ++c) {
        const int colon = 30 + 10 * (c - 1) + 5;
        QCOMPARE(lines[11].at(colon), ':');
        QCOMPARE(lines[9].mid(colon - 1, 2), QByteArray::number(c).rightJustified(2, ' '));
    }
    QCOMPARE(lines[28], QByteArray("18 Team 18" + spaces(20) + spaces(180)));
}

void TestExportText::matchdays()
{
    League l;
    l.teamNames[1] = QStringLiteral("Hamburg");
    l.teamNames[2] = QStringLiteral("Sportvereinigung Unterhaching");
    l.dates(3) = RoundDates{QStringLiteral("05.09.2026"), QStringLiteral("07.09.2026")};
    l.match(3, 1) = Match{1, 2, 2, 1};
    l.match(3, 2) = Match{2, 1, -1, -1};
    l.match(3, 4) = Match{0, 0, 3, 0};
    l.match(3, 5) = Match{1, 2, 4, -1};
    l.match(20, 9) = Match{0, 1, -1, -1}; // one team only: the matchday is used

    const QList<QByteArray> lines = linesOf(Exp_st_TXT(l));
    QCOMPARE(lines.size(), 7 + 14 + 14);
    QCOMPARE(lines[6], spaces(28) + "Spieltage");
    const QByteArray hamburg = "Hamburg" + spaces(20);
    const QByteArray unterhaching = "Sportvereinigung Unterh... ";
    const QList<QByteArray> third{
        "", dashes(65), "3. Spieltag vom 05.09.2026 bis 07.09.2026", dashes(65),
        hamburg + "- " + unterhaching + "  2 : 1",
        unterhaching + "- " + hamburg,
        "",
        "  3 : 0",
        hamburg + "- " + unterhaching,
        "", "", "", "",
        dashes(65)};
    QCOMPARE(lines.mid(7, 14), third);
    QCOMPARE(lines[7 + 14 + 2], QByteArray("20. Spieltag vom  bis "));
    QCOMPARE(lines[7 + 14 + 12], QByteArray());
    QCOMPARE(lines.last(), dashes(65));
}

void TestExportText::emptyLeagueMatchdaysHoldHeaderOnly()
{
    const League l;
    const QByteArray doc = Exp_st_TXT(l);
    const QByteArray expected = dashes(77) + "\r\n" + spaces(16) + "Tabulon '98" + FooterTexts::credit().toLatin1()
        + "\r\n" + dashes(77) + "\r\n" + "Tabellen, Kreuztabellen, Spieltage und Fieberkurven f\xfcr jede Liga\r\n"
        + dashes(77) + "\r\n\r\n" + spaces(28) + "Spieltage\r\n";
    QCOMPARE(doc, expected);
}

QTEST_GUILESS_MAIN(TestExportText)
#include "tst_export_text.moc"
