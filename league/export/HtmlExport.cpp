#include "league/export/Exporters.h"
#include "league/export/ExportText.h"

using namespace ExportHelpers;

#include "league/model/FooterTexts.h"
#include "league/model/League.h"
#include "league/standings/CrossTable.h"
#include "league/standings/RowBands.h"
#include "league/standings/Standings.h"
#include "league/standings/TableTrend.h"

#include <algorithm>
#include <cstdlib>

namespace {

QString num(int v)
{
    return QString::number(v);
}

// Names and dates are typed by the user; a "<" or "&" in them must not turn
// into markup on the page.
QString esc(const QString &text)
{
    // Most names hold none of the four; they are used as they are.
    const auto special = [](QChar c) {
        return c == QLatin1Char('&') || c == QLatin1Char('<') || c == QLatin1Char('>') || c == QLatin1Char('"');
    };
    if (std::none_of(text.begin(), text.end(), special))
        return text;
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        switch (c.unicode()) {
        case '&': out += QStringLiteral("&amp;"); break;
        case '<': out += QStringLiteral("&lt;"); break;
        case '>': out += QStringLiteral("&gt;"); break;
        case '"': out += QStringLiteral("&quot;"); break;
        default: out += c;
        }
    }
    return out;
}

void pageStart(ExportText &t, const QString &title, const QString &heading, bool topAnchor,
               const League *league = nullptr)
{
    const QString app = QString::fromLatin1(League::kProgramTitle);
    const QString name = league ? league->leagueName.trimmed() : QString();
    t.line(0, QStringLiteral("<HTML>"));
    t.line(0, QStringLiteral("<HEAD>"));
    t.line(2, QStringLiteral("<TITLE>") + title + QStringLiteral(" (") + (name.isEmpty() ? app : esc(name))
                  + QStringLiteral(")</TITLE>"));
    t.line(0, QStringLiteral("</HEAD>"));
    t.line(0, QStringLiteral(R"(<BODY BGCOLOR="#FEFEE4" TEXT="#000000" LINK="#0000FF" VLINK="#D700D7" ALINK="#FF0080">)"));
    t.line(0, QStringLiteral("<!-- TN98 --- Beginn -->"));
    if (topAnchor)
        t.line(0, QStringLiteral(R"(<A NAME="Top">)"));
    t.line(0, QStringLiteral("<CENTER>"));
    t.line(0, QStringLiteral(R"(<TABLE BGCOLOR="#E3FFE3" BORDER=1 WIDTH=100%><TR><TD NOWRAP ALIGN="CENTER">)"));
    t.line(2, QStringLiteral("<FONT SIZE=2><B>") + esc(FooterTexts::headline(name)) + QStringLiteral("</B>"));
    t.line(2, QStringLiteral("<BR>") + esc(FooterTexts::contact()) + QStringLiteral("</FONT>"));
    t.line(0, QStringLiteral("</TD></TR></TABLE>"));
    t.line(0, QStringLiteral("<P><FONT SIZE=5><B><I>") + heading + QStringLiteral("</I></B></FONT>"));
}

void pageEnd(ExportText &t)
{
    t.line(0, QStringLiteral("</CENTER>"));
    t.line(0, QStringLiteral("<!-- TN98 --- Ende -->"));
    t.line(0, QStringLiteral("</BODY>"));
    t.line(0, QStringLiteral("</HTML>"));
}

void outerTableStart(ExportText &t)
{
    t.line(0, QStringLiteral(R"(<TABLE BGCOLOR="#FFFFFF" WIDTH=100%><TR><TD>)"));
    t.line(0, QStringLiteral("<TABLE WIDTH=100% BORDER=1>"));
}

void outerTableEnd(ExportText &t)
{
    t.line(0, QStringLiteral("</TABLE>"));
    t.line(0, QStringLiteral("</TD></TR></TABLE>"));
}

QString hexColor(const QColor &c)
{
    return QStringLiteral("#%1").arg(c.rgb() & 0xFFFFFF, 6, 16, QLatin1Char('0')).toUpper();
}

// A coloured band as the row's background; a white one stays plain.
QString rowOpening(const QColor &band, const QString &title = QString())
{
    const QString titled = title.isEmpty() ? QString() : QStringLiteral(" TITLE=\"") + esc(title) + QLatin1Char('"');
    if (band == ZoneColor::none)
        return QStringLiteral("<TR") + titled + QLatin1Char('>');
    return QStringLiteral("<TR BGCOLOR=\"") + hexColor(band) + QLatin1Char('"') + titled + QLatin1Char('>');
}

// "&uarr;2", "&darr;1" or "=" for no change; nothing without a previous table.
QString movementCell(const TableTrend &trend, int slot, int place)
{
    if (!trend.previousPlace[slot])
        return QString();
    const int gained = placesGained(trend, slot, place);
    if (gained == 0)
        return QStringLiteral("=");
    return (gained > 0 ? QStringLiteral("&uarr;") : QStringLiteral("&darr;")) + num(std::abs(gained));
}

// What the league table adds to its rows besides the numbers.
struct RowExtras {
    const League *league = nullptr;
    const Standings::Reasons *why = nullptr;
    const TableTrend *trend = nullptr;
    bool form = false;
    bool movement = false;
};

// The title of row r: the reason of its place and a deduction, as the
// explained text tables give them.
QString rowTitle(const RowExtras &x, int r, const StandingsRow &row)
{
    if (!x.why)
        return QString();
    QStringList parts;
    if (r == 1)
        parts << QStringLiteral("Platz 1");
    else if ((*x.why)[r] != RankReason::None)
        parts << QStringLiteral("Platz %1 hinter Platz %2: %3").arg(r).arg(r - 1).arg(rankReasonText((*x.why)[r]));
    if (row.deducted)
        parts << deductionText(row);
    return parts.join(QStringLiteral(", "));
}

// The zones' names on their colours below the league table.
void legendTable(ExportText &t, const League &league)
{
    t.line(0, QStringLiteral("<P><TABLE BORDER=1><TR>"));
    for (const ZoneLegendEntry &entry : zoneLegendEntries(league))
        t.line(2, QStringLiteral("<TD BGCOLOR=\"") + hexColor(entry.colour) + QStringLiteral("\">") + entry.places
                      + QLatin1Char(' ') + esc(entry.name) + QStringLiteral("</TD>"));
    t.line(0, QStringLiteral("</TR></TABLE>"));
}

// One of the three tables; `bands` is null for the uncoloured home and away
// tables.
void standingsTable(ExportText &t, const Standings::Table &table, int teams, const RowBandColors *bands,
                    const RowExtras &extras = {})
{
    const QString quarter = QStringLiteral(R"(<TD WIDTH=25% ALIGN="RIGHT">)");
    outerTableStart(t);
    t.line(2, QStringLiteral(R"(<TR BGCOLOR="#EEEEEE">)"));
    t.line(4, QStringLiteral("<TD></TD><TD></TD>"));
    t.line(4, QStringLiteral(R"(<TD ALIGN="RIGHT">)"));
    t.line(6, QStringLiteral("<TABLE WIDTH=100%><TR>"));
    for (const char *label : {"Sp.", "s", "u", "n"})
        t.line(8, quarter + QStringLiteral("<B>") + QLatin1String(label) + QStringLiteral("</B></TD>"));
    t.line(6, QStringLiteral("</TR></TABLE>"));
    t.line(4, QStringLiteral("</TD>"));
    t.line(4, QStringLiteral(R"(<TD ALIGN="RIGHT"><B>Pkt.</B></TD>)"));
    t.line(4, QStringLiteral(R"(<TD ALIGN="CENTER"><B>Tore</B></TD>)"));
    t.line(4, QStringLiteral(R"(<TD ALIGN="RIGHT"><B>Diff.</B></TD>)"));
    if (extras.form)
        t.line(4, QStringLiteral(R"(<TD ALIGN="CENTER"><B>Form</B></TD>)"));
    if (extras.movement)
        t.line(4, QStringLiteral(R"(<TD ALIGN="CENTER"><B>+/-</B></TD>)"));
    t.line(4, QStringLiteral("<TD></TD>"));
    t.line(2, QStringLiteral("</TR>"));

    for (int r = 1; r <= teams; ++r) {
        const StandingsRow &row = table[r];
        const QString pos = QStringLiteral(R"(<TD ALIGN="CENTER"><B>)") + num(r) + QStringLiteral("</B></TD>");
        const QString title = rowTitle(extras, r, row);
        t.line(2, bands ? rowOpening((*bands)[r], title) : rowOpening(ZoneColor::none, title));
        t.line(4, pos);
        t.line(4, QStringLiteral(R"(<TD ALIGN="CENTER">)") + esc(row.name) + QStringLiteral("</TD>"));
        t.line(4, QStringLiteral(R"(<TD ALIGN="RIGHT">)"));
        t.line(6, QStringLiteral("<TABLE WIDTH=100%><TR>"));
        for (int v : {row.games, row.wins, row.draws, row.losses})
            t.line(8, quarter + num(v) + QStringLiteral("</TD>"));
        t.line(6, QStringLiteral("</TR></TABLE>"));
        t.line(4, QStringLiteral("</TD>"));
        t.line(4, QStringLiteral(R"(<TD ALIGN="RIGHT">)") + num(row.points) + QStringLiteral("</TD>"));
        t.line(4, QStringLiteral(R"(<TD ALIGN="CENTER">)"));
        t.line(6, QStringLiteral("<TABLE WIDTH=100%><TR>"));
        t.line(8, QStringLiteral(R"(<TD WIDTH=45% ALIGN="RIGHT">)") + num(row.goalsFor) + QStringLiteral("</TD>"));
        t.line(8, QStringLiteral(R"(<TD WIDTH=10% ALIGN="CENTER">:</TD>)"));
        t.line(8, QStringLiteral("<TD WIDTH=45%>") + num(row.goalsAgainst) + QStringLiteral("</TD>"));
        t.line(6, QStringLiteral("</TR></TABLE>"));
        t.line(4, QStringLiteral("</TD>"));
        t.line(4, QStringLiteral(R"(<TD ALIGN="RIGHT">)") + num(row.goalDiff) + QStringLiteral("</TD>"));
        if (extras.form)
            t.line(4, QStringLiteral(R"(<TD ALIGN="CENTER"><TT>)") + extras.trend->form[row.team]
                          + QStringLiteral("</TT></TD>"));
        if (extras.movement)
            t.line(4, QStringLiteral(R"(<TD ALIGN="CENTER">)") + movementCell(*extras.trend, row.team, r)
                          + QStringLiteral("</TD>"));
        t.line(4, pos);
        t.line(2, QStringLiteral("</TR>"));
    }
    outerTableEnd(t);
}

void crossNumberRow(ExportText &t, int teams)
{
    t.line(2, QStringLiteral("<TR>"));
    t.line(4, QStringLiteral("<TD></TD><TD></TD>"));
    for (int c = 1; c <= teams; ++c)
        t.line(4, QStringLiteral(R"(<TD ALIGN="CENTER"><B>)") + num(c) + QStringLiteral("</B></TD>"));
    t.line(4, QStringLiteral("<TD></TD>"));
    t.line(2, QStringLiteral("</TR>"));
}

} // namespace

QByteArray Exp_tb_HTM(const Standings &standings, const RowBandColors &rowBandColor, const League *league,
                      const ExportOptions &options)
{
    ExportText t;
    pageStart(t, QStringLiteral("Tabelle und Bilanzen"), QStringLiteral("Tabelle"), false, league);
    // Form and movement need the league's matches; the reasons are the
    // standings' own.
    TableTrend trend;
    RowExtras extras;
    extras.league = league;
    extras.why = options.explain ? &standings.reasonTotal : nullptr;
    if (league && (options.form || options.movement)) {
        trend = tableTrend(*league, standings.lastRound);
        extras.trend = &trend;
        extras.form = options.form;
        extras.movement = options.movement;
    }
    standingsTable(t, standings.tableTotal, standings.teamCount, &rowBandColor, extras);
    if (league && league->hasZonesOfToday())
        legendTable(t, *league);
    t.line(0, QStringLiteral("<HR><FONT SIZE=5><B><I>Heimbilanz</I></B></FONT>"));
    standingsTable(t, standings.tableHome, standings.teamCount, nullptr);
    t.line(0, QStringLiteral("<HR><FONT SIZE=5><B><I>Ausw&auml;rtsbilanz</I></B></FONT>"));
    standingsTable(t, standings.tableAway, standings.teamCount, nullptr);
    pageEnd(t);
    return t.bytes();
}

QByteArray Exp_kt_HTM(const CrossGrid &grid, const League *league)
{
    ExportText t;
    pageStart(t, QStringLiteral("Kreuztabelle"), QStringLiteral("Kreuztabelle"), false, league);
    const int n = grid.teamCount();
    outerTableStart(t);
    crossNumberRow(t, n);
    for (int r = 1; r <= n; ++r) {
        const QString pos = QStringLiteral(R"(<TD ALIGN="CENTER"><B>)") + num(r) + QStringLiteral("</B></TD>");
        t.line(2, QStringLiteral("<TR>"));
        t.line(4, pos);
        t.line(4, QStringLiteral(R"(<TD ALIGN="CENTER" NOWRAP><B>)") + esc(grid.cell(1, r)) + QStringLiteral("</B></TD>"));
        for (int c = 1; c <= n; ++c)
            t.line(4, QStringLiteral(R"(<TD ALIGN="CENTER" NOWRAP>)") + esc(grid.cell(c + 1, r)) + QStringLiteral("</TD>"));
        t.line(4, pos);
        t.line(2, QStringLiteral("</TR>"));
    }
    crossNumberRow(t, n);
    outerTableEnd(t);
    pageEnd(t);
    return t.bytes();
}

QByteArray Exp_st_HTM(const League &league)
{
    ExportText t;
    pageStart(t, QStringLiteral("Spieltage"), QStringLiteral("Spieltage"), true, &league);

    // Two index rows, one for each half of the season: 1-17 and 18-34 in
    // the classic league; the first half takes the middle matchday of an
    // odd count.
    const int firstHalf = (league.roundCount + 1) / 2;
    outerTableStart(t);
    for (int half = 0; half < 2; ++half) {
        t.line(2, QStringLiteral("<TR>"));
        const int from = half == 0 ? 1 : firstHalf + 1;
        const int to = half == 0 ? firstHalf : league.roundCount;
        for (int j = from; j <= to; ++j)
            if (roundUsed(league, j))
                t.line(4, QStringLiteral(R"(<TD ALIGN="CENTER"><A HREF="#ST)") + num(j) + QStringLiteral("\">")
                           + num(j) + QStringLiteral("</A></TD>"));
        t.line(2, QStringLiteral("</TR>"));
    }
    outerTableEnd(t);

    const bool dayColumn = anyMatchDates(league);
    for (int j = 1; j <= league.roundCount; ++j) {
        if (!roundUsed(league, j))
            continue;
        const RoundDates &d = league.roundDates[j];
        t.line(0, QStringLiteral(R"(<A NAME="ST)") + num(j) + QStringLiteral("\">"));
        outerTableStart(t);
        t.line(2, QStringLiteral("<TR>"));
        t.line(4, QStringLiteral("<TD NOWRAP><B>") + num(j) + QStringLiteral(". Spieltag - vom ") + esc(d.dateFrom)
                      + QStringLiteral(" bis ") + esc(d.dateTo) + QStringLiteral("</B></TD>"));
        t.line(4, QStringLiteral(R"(<TD ALIGN="CENTER"><A HREF="#Top">Auswahl</A></TD>)"));
        t.line(2, QStringLiteral("</TR>"));
        for (int k = 1; k <= league.rowCount(); ++k) {
            const Match &m = league.results[j][k];
            t.line(2, u"<TR><TD ALIGN=\"CENTER\">");
            if (m.teamA != 0 && m.teamB != 0) {
                t.line(4, u"<TABLE WIDTH=100%><TR>");
                t.line(6, {u"<TD WIDTH=48% ALIGN=\"RIGHT\">", esc(teamName(league, m.teamA)), u"</TD>"});
                t.line(6, u"<TD WIDTH=4% ALIGN=\"CENTER\">-</TD>");
                t.line(6, {u"<TD WIDTH=48%>", esc(teamName(league, m.teamB)), u"</TD>"});
                t.line(4, u"</TR></TABLE>");
            }
            t.line(2, u"</TD><TD ALIGN=\"CENTER\">");
            if (m.counts()) {
                t.line(4, u"<TABLE WIDTH=100%><TR>");
                t.line(6, {u"<TD WIDTH=45% ALIGN=\"RIGHT\">", num(m.goalsA), u"</TD>"});
                t.line(6, u"<TD WIDTH=10% ALIGN=\"CENTER\">:</TD>");
                t.line(6, {u"<TD WIDTH=45%>", num(m.goalsB), u"</TD>"});
                t.line(4, u"</TR></TABLE>");
            }
            if (dayColumn) {
                t.line(2, u"</TD><TD NOWRAP>");
                const QString day = matchDateText(league, j, k);
                if (!day.isEmpty())
                    t.line(4, esc(day));
            }
            t.line(2, u"</TD></TR>");
        }
        outerTableEnd(t);
    }
    pageEnd(t);
    return t.bytes();
}
