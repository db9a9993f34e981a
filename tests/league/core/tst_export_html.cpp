#include <QtTest>

#include "league/export/Exporters.h"
#include "league/model/League.h"
#include "league/standings/CrossTable.h"
#include "league/standings/RowBands.h"
#include "league/standings/Standings.h"

namespace {

// The lines of a document whose every line ends in CR LF.
QList<QByteArray> linesOf(const QByteArray &doc)
{
    QList<QByteArray> lines;
    if (!doc.endsWith("\r\n") || doc.count('\n') != doc.count("\r\n"))
        return {"<line ends are not CR LF>"};
    qsizetype from = 0;
    while (from < doc.size()) {
        const qsizetype end = doc.indexOf("\r\n", from);
        lines << doc.mid(from, end - from);
        from = end + 2;
    }
    return lines;
}

QList<QByteArray> skeletonStart(const QByteArray &title, const QByteArray &heading)
{
    return {
        "<HTML>",
        "<HEAD>",
        "  <TITLE>" + title + " (Tabulon '98)</TITLE>",
        "</HEAD>",
        R"(<BODY BGCOLOR="#FEFEE4" TEXT="#000000" LINK="#0000FF" VLINK="#D700D7" ALINK="#FF0080">)",
        "<!-- TN98 --- Beginn -->",
        "<CENTER>",
        R"(<TABLE BGCOLOR="#E3FFE3" BORDER=1 WIDTH=100%><TR><TD NOWRAP ALIGN="CENTER">)",
        "  <FONT SIZE=2><B>Tabulon '98 - die Ligaverwaltung</B>",
        "  <BR>Tabellen, Kreuztabellen, Spieltage und Fieberkurven f\xfcr jede Liga</FONT>",
        "</TD></TR></TABLE>",
        "<P><FONT SIZE=5><B><I>" + heading + "</I></B></FONT>",
    };
}

const QList<QByteArray> kSkeletonEnd{"</CENTER>", "<!-- TN98 --- Ende -->", "</BODY>", "</HTML>"};

// Row openings of the three tables: the lines at indent 2 that open a row,
// without the grey header rows.
QList<QByteArray> rowOpenings(const QList<QByteArray> &lines)
{
    QList<QByteArray> out;
    for (const QByteArray &l : lines)
        if (l.startsWith("  <TR") && l != R"(  <TR BGCOLOR="#EEEEEE">)")
            out << l;
    return out;
}

Standings tablesWithNames(const League &l)
{
    Standings s;
    TabBer(l, s);
    return s;
}

} // namespace

class TestExportHtml : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void skeleton_data();
    void skeleton();
    void leagueTableRowColours_data();
    void leagueTableRowColours();
    void dataRowAndEscaping();
    void crossPage();
    void emptyLeagueMatchdays();
    void matchdaySections();
};

void TestExportHtml::skeleton_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QByteArray>("title");
    QTest::addColumn<QByteArray>("heading");
    QTest::newRow("tables") << 0 << QByteArray("Tabelle und Bilanzen") << QByteArray("Tabelle");
    QTest::newRow("cross") << 1 << QByteArray("Kreuztabelle") << QByteArray("Kreuztabelle");
    QTest::newRow("matchdays") << 2 << QByteArray("Spieltage") << QByteArray("Spieltage");
}

void TestExportHtml::skeleton()
{
    QFETCH(int, page);
    QFETCH(QByteArray, title);
    QFETCH(QByteArray, heading);
    const League l;
    const QList<QByteArray> lines = linesOf(
        exportDocument(ExportDocument(page), ExportFormat::Html, l, RowBandColors::defaultLayout()));
    QList<QByteArray> start = skeletonStart(title, heading);
    if (page == 2)
        start.insert(6, R"(<A NAME="Top">)");
    QCOMPARE(lines.mid(0, start.size()), start);
    QCOMPARE(lines.mid(lines.size() - 4), kSkeletonEnd);
}

void TestExportHtml::leagueTableRowColours_data()
{
    QTest::addColumn<RowBandColors>("bands");
    QTest::addColumn<QString>("zones"); // one letter per row: M C U A or -

    QTest::newRow("default layout") << RowBandColors::defaultLayout() << "MCUUU----------AAA";
    QTest::newRow("after a home or away view") << RowBandColors::allWhite() << "------------------";
    League l;
    l.hasChampion = false;
    l.clPlaces = 0;
    l.ucPlaces = 2;
    l.relegationPlaces = 1;
    QTest::newRow("league settings after the league view")
        << bandsForView(TableView::Total, l) << "UU---------------A";
}

void TestExportHtml::leagueTableRowColours()
{
    QFETCH(RowBandColors, bands);
    QFETCH(QString, zones);
    const QHash<QChar, QByteArray> opening{{'M', R"(  <TR BGCOLOR="#BBFFFF">)"},
                                           {'C', R"(  <TR BGCOLOR="#FFBBFF">)"},
                                           {'U', R"(  <TR BGCOLOR="#BBFFBB">)"},
                                           {'A', R"(  <TR BGCOLOR="#FFBBBB">)"},
                                           {'-', "  <TR>"}};
    const League l;
    const QList<QByteArray> rows = rowOpenings(linesOf(Exp_tb_HTM(tablesWithNames(l), bands)));
    QCOMPARE(rows.size(), 54);
    for (int r = 0; r < 18; ++r)
        QCOMPARE(rows[r], opening.value(zones.at(r)));
    // Home and away tables are never coloured.
    for (int r = 18; r < 54; ++r)
        QCOMPARE(rows[r], QByteArray("  <TR>"));
}

void TestExportHtml::dataRowAndEscaping()
{
    League l;
    l.teamNames[2] = QStringLiteral("Blau & Weiß <Nord>");
    l.teamNames[5] = QStringLiteral("Süd");
    l.match(1, 1) = Match{5, 2, 1, 3};
    const QList<QByteArray> lines = linesOf(Exp_tb_HTM(tablesWithNames(l), RowBandColors::defaultLayout()));

    const QList<QByteArray> firstRow{
        R"(  <TR BGCOLOR="#BBFFFF">)",
        R"(    <TD ALIGN="CENTER"><B>1</B></TD>)",
        "    <TD ALIGN=\"CENTER\">Blau &amp; Wei\xdf &lt;Nord&gt;</TD>",
        R"(    <TD ALIGN="RIGHT">)",
        "      <TABLE WIDTH=100%><TR>",
        R"(        <TD WIDTH=25% ALIGN="RIGHT">1</TD>)",
        R"(        <TD WIDTH=25% ALIGN="RIGHT">1</TD>)",
        R"(        <TD WIDTH=25% ALIGN="RIGHT">0</TD>)",
        R"(        <TD WIDTH=25% ALIGN="RIGHT">0</TD>)",
        "      </TR></TABLE>",
        "    </TD>",
        R"(    <TD ALIGN="RIGHT">3</TD>)",
        R"(    <TD ALIGN="CENTER">)",
        "      <TABLE WIDTH=100%><TR>",
        R"(        <TD WIDTH=45% ALIGN="RIGHT">3</TD>)",
        R"(        <TD WIDTH=10% ALIGN="CENTER">:</TD>)",
        "        <TD WIDTH=45%>1</TD>",
        "      </TR></TABLE>",
        "    </TD>",
        R"(    <TD ALIGN="RIGHT">2</TD>)",
        R"(    <TD ALIGN="CENTER"><B>1</B></TD>)",
        "  </TR>",
    };
    const qsizetype at = lines.indexOf(R"(  <TR BGCOLOR="#BBFFFF">)");
    QVERIFY(at > 0);
    QCOMPARE(lines.mid(at, firstRow.size()), firstRow);

    // The loser is last, with a hyphen-minus before its difference.
    const qsizetype last = lines.indexOf("    <TD ALIGN=\"CENTER\">S\xfc" "d</TD>");
    QVERIFY(last > 0);
    QCOMPARE(lines[last - 1], QByteArray(R"(    <TD ALIGN="CENTER"><B>18</B></TD>)"));
    QCOMPARE(lines[last + 17], QByteArray(R"(    <TD ALIGN="RIGHT">-2</TD>)"));

    // The header row of each table, and the headings of the other two.
    const QList<QByteArray> header{
        R"(<TABLE BGCOLOR="#FFFFFF" WIDTH=100%><TR><TD>)",
        "<TABLE WIDTH=100% BORDER=1>",
        R"(  <TR BGCOLOR="#EEEEEE">)",
        "    <TD></TD><TD></TD>",
        R"(    <TD ALIGN="RIGHT">)",
        "      <TABLE WIDTH=100%><TR>",
        R"(        <TD WIDTH=25% ALIGN="RIGHT"><B>Sp.</B></TD>)",
        R"(        <TD WIDTH=25% ALIGN="RIGHT"><B>s</B></TD>)",
        R"(        <TD WIDTH=25% ALIGN="RIGHT"><B>u</B></TD>)",
        R"(        <TD WIDTH=25% ALIGN="RIGHT"><B>n</B></TD>)",
        "      </TR></TABLE>",
        "    </TD>",
        R"(    <TD ALIGN="RIGHT"><B>Pkt.</B></TD>)",
        R"(    <TD ALIGN="CENTER"><B>Tore</B></TD>)",
        R"(    <TD ALIGN="RIGHT"><B>Diff.</B></TD>)",
        "    <TD></TD>",
        "  </TR>",
    };
    QCOMPARE(lines.mid(12, header.size()), header);
    const qsizetype home = lines.indexOf("<HR><FONT SIZE=5><B><I>Heimbilanz</I></B></FONT>");
    const qsizetype away = lines.indexOf("<HR><FONT SIZE=5><B><I>Ausw&auml;rtsbilanz</I></B></FONT>");
    // Each table: 17 header lines, 18 rows of 22 lines, 2 closing lines.
    QCOMPARE(home, 12 + 17 + 18 * 22 + 2);
    QCOMPARE(away, home + 1 + 17 + 18 * 22 + 2);
    QCOMPARE(lines.mid(home + 1, header.size()), header);
    QCOMPARE(lines.size(), away + 1 + 17 + 18 * 22 + 2 + 4);
}

void TestExportHtml::crossPage()
{
    League l;
    l.teamNames[1] = QStringLiteral("A&B");
    l.match(2, 3) = Match{1, 2, 3, 1};
    l.match(2, 4) = Match{1, 3, 2, -1};
    CrossGrid g;
    KreuzBer(l, g);
    const QList<QByteArray> lines = linesOf(Exp_kt_HTM(g));

    QList<QByteArray> numberRow{"  <TR>", "    <TD></TD><TD></TD>"};
    for (int c = 1; c <= 18; ++c)
        numberRow << R"(    <TD ALIGN="CENTER"><B>)" + QByteArray::number(c) + "</B></TD>";
    numberRow << "    <TD></TD>" << "  </TR>";

    QList<QByteArray> teamOne{"  <TR>", R"(    <TD ALIGN="CENTER"><B>1</B></TD>)",
                              R"(    <TD ALIGN="CENTER" NOWRAP><B>A&amp;B</B></TD>)",
                              R"(    <TD ALIGN="CENTER" NOWRAP></TD>)",
                              R"(    <TD ALIGN="CENTER" NOWRAP>3 : 1</TD>)"};
    for (int c = 3; c <= 18; ++c)
        teamOne << R"(    <TD ALIGN="CENTER" NOWRAP></TD>)";
    teamOne << R"(    <TD ALIGN="CENTER"><B>1</B></TD>)" << "  </TR>";

    QCOMPARE(lines[12], QByteArray(R"(<TABLE BGCOLOR="#FFFFFF" WIDTH=100%><TR><TD>)"));
    QCOMPARE(lines[13], QByteArray("<TABLE WIDTH=100% BORDER=1>"));
    QCOMPARE(lines.mid(14, 22), numberRow);
    QCOMPARE(lines.mid(36, 23), teamOne);
    const qsizetype after = 36 + 18 * 23;
    QCOMPARE(lines.mid(after, 22), numberRow);
    QCOMPARE(lines.mid(after + 22),
             (QList<QByteArray>{"</TABLE>", "</TD></TR></TABLE>"} + kSkeletonEnd));
}

void TestExportHtml::emptyLeagueMatchdays()
{
    const League l;
    const QList<QByteArray> lines = linesOf(Exp_st_HTM(l));
    const QList<QByteArray> body{
        R"(<TABLE BGCOLOR="#FFFFFF" WIDTH=100%><TR><TD>)",
        "<TABLE WIDTH=100% BORDER=1>",
        "  <TR>", "  </TR>", "  <TR>", "  </TR>",
        "</TABLE>", "</TD></TR></TABLE>",
    };
    QCOMPARE(lines.mid(13), body + kSkeletonEnd);
}

void TestExportHtml::matchdaySections()
{
    League l;
    l.teamNames[3] = QStringLiteral("Kiel");
    l.teamNames[4] = QStringLiteral("\"Rot\" Essen");
    l.dates(18) = RoundDates{QStringLiteral("01.02.2027"), QStringLiteral("03.02.2027")};
    l.match(18, 1) = Match{3, 4, -1, -1}; // pairing, no result
    l.match(18, 2) = Match{0, 0, 2, 2};   // result, no teams
    l.match(2, 9) = Match{0, 0, -1, 0};   // only a goal value: used
    const QList<QByteArray> lines = linesOf(Exp_st_HTM(l));

    const QList<QByteArray> index{
        "  <TR>",
        R"(    <TD ALIGN="CENTER"><A HREF="#ST2">2</A></TD>)",
        "  </TR>",
        "  <TR>",
        R"(    <TD ALIGN="CENTER"><A HREF="#ST18">18</A></TD>)",
        "  </TR>",
    };
    QCOMPARE(lines.mid(15, 6), index);

    QList<QByteArray> section{
        R"(<A NAME="ST18">)",
        R"(<TABLE BGCOLOR="#FFFFFF" WIDTH=100%><TR><TD>)",
        "<TABLE WIDTH=100% BORDER=1>",
        "  <TR>",
        "    <TD NOWRAP><B>18. Spieltag - vom 01.02.2027 bis 03.02.2027</B></TD>",
        R"(    <TD ALIGN="CENTER"><A HREF="#Top">Auswahl</A></TD>)",
        "  </TR>",
        R"(  <TR><TD ALIGN="CENTER">)",
        "    <TABLE WIDTH=100%><TR>",
        R"(      <TD WIDTH=48% ALIGN="RIGHT">Kiel</TD>)",
        R"(      <TD WIDTH=4% ALIGN="CENTER">-</TD>)",
        "      <TD WIDTH=48%>&quot;Rot&quot; Essen</TD>",
        "    </TR></TABLE>",
        R"(  </TD><TD ALIGN="CENTER">)",
        "  </TD></TR>",
        R"(  <TR><TD ALIGN="CENTER">)",
        R"(  </TD><TD ALIGN="CENTER">)",
        "    <TABLE WIDTH=100%><TR>",
        R"(      <TD WIDTH=45% ALIGN="RIGHT">2</TD>)",
        R"(      <TD WIDTH=10% ALIGN="CENTER">:</TD>)",
        "      <TD WIDTH=45%>2</TD>",
        "    </TR></TABLE>",
        "  </TD></TR>",
    };
    for (int k = 3; k <= 9; ++k)
        section << R"(  <TR><TD ALIGN="CENTER">)" << R"(  </TD><TD ALIGN="CENTER">)" << "  </TD></TR>";
    section << "</TABLE>" << "</TD></TR></TABLE>";

    const qsizetype at = lines.indexOf(R"(<A NAME="ST18">)");
    QVERIFY(at > 0);
    QCOMPARE(lines.mid(at), section + kSkeletonEnd);
    // Matchday 2 comes first, with empty dates.
    QCOMPARE(lines[23], QByteArray(R"(<A NAME="ST2">)"));
    QCOMPARE(lines[27], QByteArray("    <TD NOWRAP><B>2. Spieltag - vom  bis </B></TD>"));
}

QTEST_GUILESS_MAIN(TestExportHtml)
#include "tst_export_html.moc"
