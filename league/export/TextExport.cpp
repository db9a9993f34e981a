#include "league/export/Exporters.h"
#include "league/export/ExportText.h"

#include "league/model/FooterTexts.h"
#include "league/model/League.h"
#include "league/standings/CrossTable.h"
#include "league/standings/RowBands.h"
#include "league/standings/Standings.h"

using namespace ExportHelpers;

namespace {

// A number wider than its field is written whole and pushes the line on.
QString right(const QString &text, int n)
{
    return text.rightJustified(n, QLatin1Char(' '));
}

QString right(int v, int n)
{
    return right(QString::number(v), n);
}

QString left(const QString &text, int n)
{
    return text.leftJustified(n, QLatin1Char(' '));
}

QString left(int v, int n)
{
    return left(QString::number(v), n);
}

// Names take 27 columns; a longer one keeps 23 letters and "... " shows the
// cut.
QString nameField(const QString &name)
{
    if (name.size() < 27)
        return left(name, 27);
    return name.left(23) + QStringLiteral("... ");
}

QString rule(int n)
{
    return QString(n, QLatin1Char('-'));
}

QString leagueName(const League *league)
{
    return league ? league->leagueName : QString();
}

void header(ExportText &t, const QString &titleLine, const QString &name)
{
    t.line(rule(77));
    t.line(QString(16, QLatin1Char(' ')) + FooterTexts::headline(name));
    t.line(rule(77));
    t.line(FooterTexts::contact());
    t.line(rule(77));
    t.line();
    t.line(titleLine);
}

// The reason a row stands below the one above it, and a point deduction
// beside it, since the deduction may be what put the team there.
QString placeNote(RankReason reason, const StandingsRow &row)
{
    QStringList parts;
    if (reason != RankReason::None)
        parts << rankReasonText(reason);
    if (row.deducted)
        parts << deductionText(row);
    return parts.isEmpty() ? QString() : QStringLiteral("   ") + parts.join(QStringLiteral(", "));
}

void standingsTable(ExportText &t, const QString &label, const Standings::Table &table, int teams,
                    const Standings::Reasons *why = nullptr)
{
    t.line(rule(65));
    t.line(left(label, 30) + QStringLiteral("Sp  s  u  n  Pkt     Tore      Diff"));
    t.line(rule(65));
    for (int r = 1; r <= teams; ++r) {
        const StandingsRow &row = table[r];
        t.line(right(r, 2) + QLatin1Char(' ') + nameField(row.name) + right(row.games, 2) + QLatin1Char(' ')
               + right(row.wins, 2) + QLatin1Char(' ') + right(row.draws, 2) + QLatin1Char(' ')
               + right(row.losses, 2) + QStringLiteral("  ") + right(row.points, 3) + QLatin1Char(' ')
               + right(row.goalsFor, 5) + QStringLiteral(" : ") + left(row.goalsAgainst, 5)
               + right(row.goalDiff, 5)
               + (why ? placeNote(r > 1 ? (*why)[r] : RankReason::None, row) : QString()));
    }
    t.line(rule(65));
}

// Result cells are 10 characters with the ":" on the sixth, so that the
// results of a column line up under its number. A goal count too wide for
// that starts the cell and pushes the colon on.
QString crossCell(const QString &text)
{
    const int colon = text.indexOf(QLatin1Char(':'));
    if (colon < 0)
        return QString(10, QLatin1Char(' '));
    const int lead = std::max(0, 6 - (colon + 1));
    return left(QString(lead, QLatin1Char(' ')) + text, 10);
}

} // namespace

QByteArray Exp_tb_TXT(const Standings &standings, bool explain, const League *league)
{
    ExportText t;
    header(t, QString(22, QLatin1Char(' ')) + QStringLiteral("Tabelle und Bilanzen"), leagueName(league));
    t.line();
    // The reasons stand after the difference, outside the ruled width.
    standingsTable(t, QStringLiteral("Tabelle"), standings.tableTotal, standings.teamCount,
                   explain ? &standings.reasonTotal : nullptr);
    if (league && league->hasZonesOfToday())
        t.line(QStringLiteral("Legende: ") + zoneLegend(*league));
    t.line();
    standingsTable(t, QStringLiteral("Heimbilanz"), standings.tableHome, standings.teamCount,
                   explain ? &standings.reasonHome : nullptr);
    t.line();
    standingsTable(t, QStringLiteral("Auswärtsbilanz"), standings.tableAway, standings.teamCount,
                   explain ? &standings.reasonAway : nullptr);
    return t.bytes();
}

QByteArray Exp_kt_TXT(const CrossGrid &grid, const League *league)
{
    ExportText t;
    header(t, QString(26, QLatin1Char(' ')) + QStringLiteral("Kreuztabelle"), leagueName(league));
    // The rules span the team lines: number and name, then one 10-character
    // cell per team (210 characters for 18 teams).
    const int n = grid.teamCount();
    const int width = 30 + 10 * n;
    t.line();
    t.line(rule(width));
    QString numbers(26, QLatin1Char(' '));
    for (int c = 1; c <= n; ++c)
        numbers += QString(8, QLatin1Char(' ')) + right(c, 2);
    t.line(numbers);
    t.line(rule(width));
    for (int r = 1; r <= n; ++r) {
        QString line = right(r, 2) + QLatin1Char(' ') + nameField(grid.cell(1, r));
        for (int c = 1; c <= n; ++c)
            line += crossCell(grid.cell(c + 1, r));
        t.line(line);
    }
    t.line(rule(width));
    return t.bytes();
}

QByteArray Exp_st_TXT(const League &league)
{
    ExportText t;
    header(t, QString(28, QLatin1Char(' ')) + QStringLiteral("Spieltage"), league.leagueName);
    for (int j = 1; j <= league.roundCount; ++j) {
        if (!roundUsed(league, j))
            continue;
        const RoundDates &d = league.roundDates[j];
        t.line();
        t.line(rule(65));
        t.line(QString::number(j) + QStringLiteral(". Spieltag vom ") + d.dateFrom + QStringLiteral(" bis ") + d.dateTo);
        t.line(rule(65));
        for (int k = 1; k <= league.rowCount(); ++k) {
            const Match &m = league.results[j][k];
            QString line;
            if (m.teamA != 0 && m.teamB != 0)
                line = nameField(teamName(league, m.teamA)) + QStringLiteral("- ") + nameField(teamName(league, m.teamB));
            if (m.counts())
                line += right(m.goalsA, 3) + QStringLiteral(" : ") + QString::number(m.goalsB);
            const QString day = matchDateText(league, j, k);
            if (!day.isEmpty())
                line = left(line, 65) + day;
            t.line(line);
        }
        t.line(rule(65));
    }
    return t.bytes();
}
