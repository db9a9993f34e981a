#include "league/print/PrintJobs.h"

#include "league/model/FooterTexts.h"
#include "league/model/League.h"
#include "league/print/TPageWriter.h"
#include "league/standings/CrossTable.h"
#include "league/standings/Standings.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>

#include <algorithm>
#include <cmath>

namespace {

const QString kArial = QStringLiteral("Arial");
const QColor kBlack(0, 0, 0);
const QColor kBlue(0, 0, 255);

// Top edges of the three curve charts on a page, in millimetres.
constexpr double kCurveTopMm[] = {38, 120, 202};
constexpr double kCurveLeftMm = 35;
constexpr double kCurveCellMm = 3.6;
// Room for a chart's columns: from its left edge to the right margin. Room
// for its rows: what the lowest chart has above the bottom margin, which
// also keeps every chart clear of the name line of the chart below.
constexpr double kCurveRoomWidthMm = TPageWriter::kPageWidthMm - TPageWriter::kMarginRightMm - kCurveLeftMm;
constexpr double kCurveRoomHeightMm = TPageWriter::kPageHeightMm - TPageWriter::kMarginBottomMm - kCurveTopMm[2];
constexpr double kCurveNumberPoints = 7;

QString tableRow(int position, const StandingsRow &row)
{
    // The name goes in with the numbers in one step, so that a "%1" in it
    // stays text.
    auto n = [](int v) { return QString::number(v); };
    return QStringLiteral("%1|%2|%3|%4|%5|%6|%7|%8|:|%9|%10")
        .arg(n(position), row.name, n(row.games), n(row.wins), n(row.draws), n(row.losses), n(row.points),
             n(row.goalsFor), n(row.goalsAgainst), n(row.goalDiff));
}

} // namespace

bool roundHasEntry(const League &league, int round)
{
    long long sum = 0;
    for (int k = 1; k <= league.rowCount(); ++k) {
        const Match &m = league.match(round, k);
        sum += static_cast<long long>(m.teamA) + m.teamB + m.goalsA + m.goalsB;
    }
    return sum + 2 * league.rowCount() > 0;
}

int filledRounds(const League &league)
{
    int count = 0;
    for (int j = 1; j <= league.roundCount; ++j)
        if (roundHasEntry(league, j))
            ++count;
    return count;
}

PrintSelection defaultPrintSelection(const League &league)
{
    PrintSelection s;
    s.tables = true;
    s.crossTable = true;
    for (int j = 1; j <= league.roundCount; ++j) {
        s.rounds[j] = roundHasEntry(league, j);
        if (s.rounds[j])
            ++s.filledRounds;
    }
    for (int t = 1; t <= league.teamCount; ++t)
        s.teams[t] = true;
    return s;
}

std::optional<QList<int>> parseNumberList(const QString &text, int last)
{
    QList<int> numbers;
    const QStringList parts = text.split(QLatin1Char(','));
    for (const QString &part : parts) {
        const QStringList ends = part.trimmed().split(QLatin1Char('-'));
        if (ends.size() > 2)
            return std::nullopt;
        bool okFrom = false;
        bool okTo = false;
        const int from = ends.first().trimmed().toInt(&okFrom);
        const int to = ends.size() == 2 ? ends.last().trimmed().toInt(&okTo) : from;
        if (!okFrom || (ends.size() == 2 && !okTo) || from < 1 || to > last || from > to)
            return std::nullopt;
        for (int n = from; n <= to; ++n)
            numbers.append(n);
    }
    return numbers;
}

LeaguePrintJobs::LeaguePrintJobs(const League &league, const RowBandColors &rowBandColor,
                                 TPageWriter &prn)
    : m_league(league), m_bands(rowBandColor), m_prn(prn)
{
}

QString LeaguePrintJobs::titleLine()
{
    return QString::fromLatin1(League::kProgramTitle) + FooterTexts::credit();
}

QString LeaguePrintJobs::contactLine()
{
    return FooterTexts::contact();
}

QColor LeaguePrintJobs::rowTextColor(const QColor &band)
{
    if (band == ZoneColor::champion)
        return QColor(0, 0, 255);
    if (band == ZoneColor::championsLeague)
        return QColor(255, 0, 255);
    if (band == ZoneColor::uefaCup)
        return QColor(0, 255, 0);
    if (band == ZoneColor::relegation)
        return QColor(255, 0, 0);
    // A zone colour of the league's own prints as a darker shade of itself,
    // light enough as a band but too pale for text on white paper.
    if (band.isValid() && band != ZoneColor::none)
        return band.darker(250);
    return kBlack;
}

QString LeaguePrintJobs::teamName(int slot) const
{
    return slot >= 1 && slot <= m_league.teamCount ? m_league.teamNames[slot] : QString();
}

void LeaguePrintJobs::heading(const QString &text)
{
    m_prn.setFont({kArial, 8, true, false, kBlack});
    m_prn.WriteLineAligned(TPageWriter::Center, FooterTexts::headline(m_league.leagueName));
    m_prn.setFontStyle(false, false);
    m_prn.WriteLineAligned(TPageWriter::Center, contactLine());
    m_prn.NewLine();
    m_prn.setFont({kArial, 14, true, false, kBlack});
    m_prn.WriteLineAligned(TPageWriter::Center, text);
}

void LeaguePrintJobs::DruckTab(const Standings &standings)
{
    heading(QStringLiteral("Tabelle und Bilanzen"));
    m_prn.NewLine();

    m_prn.setFont({kArial, 11, true, false, kBlack});
    m_prn.setTableGrid(true);
    m_prn.TableFormat(QStringLiteral("<-69|>-28|>-8|>-8|>-8|>10|^-22|>-12"));
    m_prn.WriteTableLine(QStringLiteral("Tabelle|Spiele|s|u|n|Pkt|Tore|Diff"));
    m_prn.setFontStyle(false, false);
    m_prn.TableFormat(QStringLiteral(">-8|^-81|>-8|>-8|>-8|>-8|>10|>-10|>-2|<-10|>-12"));
    for (int r = 1; r <= standings.teamCount; ++r) {
        m_prn.setFontColor(rowTextColor(m_bands[r]));
        m_prn.WriteTableLine(tableRow(r, standings.tableTotal[r]));
    }
    if (m_league.hasZonesOfToday()) {
        m_prn.setFont({kArial, 9, false, false, kBlack});
        m_prn.WriteLineAligned(TPageWriter::Left, QStringLiteral("Legende: ") + zoneLegend(m_league));
    }

    const struct {
        QString header;
        const Standings::Table &table;
    } sides[] = {
        {QStringLiteral("Heimbilanz|Spiele|s|u|n|Pkt|Tore|Diff"), standings.tableHome},
        {QStringLiteral("Auswärtsbilanz|Spiele|s|u|n|Pkt|Tore|Diff"), standings.tableAway},
    };
    for (const auto &side : sides) {
        m_prn.NewLine();
        m_prn.setFont({kArial, 11, true, false, kBlack});
        m_prn.setTableGrid(false);
        m_prn.TableFormat(QStringLiteral("<69|>28|>8|>8|>8|>10|^22|>12"));
        m_prn.WriteTableLine(side.header);
        m_prn.setFontStyle(false, false);
        m_prn.TableFormat(QStringLiteral(">8|^81|>8|>8|>8|>8|>10|>10|>2|<10|>12"));
        for (int r = 1; r <= standings.teamCount; ++r)
            m_prn.WriteTableLine(tableRow(r, side.table[r]));
    }
}

void LeaguePrintJobs::DruckStats(const CrossGrid &grid)
{
    heading(QStringLiteral("Kreuztabelle"));
    m_prn.NewLine();

    m_prn.setFont({kArial, 10, false, false, kBlack});
    m_prn.setTableGrid(true);
    const int n = grid.teamCount();
    const int blocks = (n + 5) / 6;
    // A block is its 12-point header and n rows of 10 points; one that would
    // not fit below the previous one starts the next page instead of being
    // split. Three blocks of 18 teams share a page.
    const auto points = [&](double pt) { return pt * TPageWriter::kDpi / 72.0; };
    const double blockHeight = points(12 + 10.0 * n);
    const double bottom = (TPageWriter::kPageHeightMm - TPageWriter::kMarginBottomMm) * TPageWriter::kDpi / 25.4;
    for (int block = 0; block < blocks; ++block) {
        if (block > 0) {
            if (m_prn.y() + points(2 * 10) + blockHeight > bottom + 0.5) {
                m_prn.NewPage();
            } else {
                m_prn.NewLine();
                m_prn.NewLine();
            }
        }
        // The last block of a league whose count is no multiple of six
        // boxes only the columns it has.
        const int firstAway = 6 * block + 1;
        const int lastAway = std::min(firstAway + 5, n);
        QString format = QStringLiteral(">7|^55");
        for (int b = firstAway; b <= lastAway; ++b)
            format += QStringLiteral("|^17");
        m_prn.TableFormat(format);
        QString header = QStringLiteral("|");
        for (int b = firstAway; b <= lastAway; ++b)
            header += QLatin1Char('|') + QString::number(b);
        m_prn.setFont({kArial, 12, true, false, kBlack});
        m_prn.WriteTableLine(header);
        m_prn.setFont({kArial, 10, false, false, kBlack});
        for (int i = 1; i <= n; ++i) {
            QString row = QString::number(i) + QLatin1Char('|') + m_league.teamNames[i];
            for (int b = firstAway; b <= lastAway; ++b)
                row += QLatin1Char('|') + grid.cell(b + 1, i);
            m_prn.WriteTableLine(row);
        }
    }
    m_prn.setTableGrid(false);
}

void LeaguePrintJobs::DruckSTNeu()
{
    heading(QStringLiteral("Spieltage"));
}

QString LeaguePrintJobs::matchRow(int round, int row) const
{
    const Match &m = m_league.match(round, row);
    // Without both teams the pairing cells stay empty; the score cells
    // follow the same rule as for a complete pairing.
    const int n = m_league.teamCount;
    const bool paired = m.teamA >= 1 && m.teamA <= n && m.teamB >= 1 && m.teamB <= n;
    QString text = QStringLiteral("|");
    if (paired)
        text += teamName(m.teamA) + QStringLiteral("|-|") + teamName(m.teamB);
    else
        text += QStringLiteral("||");
    text += QStringLiteral("||");
    if (m.counts())
        text += QStringLiteral("%1|:|%2").arg(m.goalsA).arg(m.goalsB);
    else
        text += QStringLiteral("|:|");
    return text;
}

void LeaguePrintJobs::DruckST(int round)
{
    const RoundDates &dates = m_league.dates(round);
    m_prn.NewLine();
    m_prn.setFont({kArial, 10, true, false, kBlack});
    m_prn.setTableGrid(false);
    m_prn.WriteLineAligned(TPageWriter::Left, QStringLiteral("%1.Spieltag - vom %2 bis %3")
                                                  .arg(round)
                                                  .arg(dates.dateFrom, dates.dateTo));
    m_prn.setFontStyle(false, false);
    m_prn.TableFormat(QStringLiteral("^15|>50|^4|<50|^2|>15|^2|<15"));
    for (int k = 1; k <= m_league.rowCount(); ++k)
        m_prn.WriteTableLine(matchRow(round, k));
}

void LeaguePrintJobs::DruckKurveNeu()
{
    heading(QStringLiteral("Fieberkurven"));
}

double LeaguePrintJobs::curveCellWidthMm(int rounds)
{
    return std::min(kCurveCellMm, kCurveRoomWidthMm / (std::max(rounds, 1) + 2));
}

double LeaguePrintJobs::curveCellHeightMm(int teams)
{
    return std::min(kCurveCellMm, kCurveRoomHeightMm / (std::max(teams, 1) + 2));
}

void LeaguePrintJobs::DruckKurve(int team, int pageSlot)
{
    CurvePositions curvePos{};
    KurveBer(m_league, team, curvePos);

    QPainter *c = m_prn.canvas();
    if (!c)
        return;
    const int rounds = m_league.roundCount;
    const int teams = m_league.teamCount;
    // Cells are whole device units; a smaller cell is rounded down so that
    // the chart stays within its room.
    const int fullW = m_prn.mmToUnitsX(kCurveCellMm);
    const int fullH = m_prn.mmToUnitsY(kCurveCellMm);
    const int cw = std::min(fullW, int(std::floor(curveCellWidthMm(rounds) * m_prn.dpiX() / 25.4)));
    const int ch = std::min(fullH, int(std::floor(curveCellHeightMm(teams) * m_prn.dpiY() / 25.4)));
    const int L = m_prn.mmToUnitsX(kCurveLeftMm);
    const int T = m_prn.mmToUnitsY(kCurveTopMm[std::clamp(pageSlot, 1, 3) - 1]);

    c->save();
    // One device unit is the thinnest line the printer draws; a cosmetic
    // pen keeps it one dot wide on every device, also in the preview.
    c->setPen(QPen(kBlack, 0, Qt::SolidLine));
    c->setBrush(Qt::NoBrush);
    c->drawRect(QRect(L, T, (rounds + 2) * cw, (teams + 2) * ch));
    for (int b = 2; b <= rounds; ++b)
        c->drawLine(L + b * cw, T + ch, L + b * cw, T + (teams + 1) * ch);
    for (int b = 2; b <= teams; ++b)
        c->drawLine(L + cw, T + b * ch, L + (rounds + 1) * cw, T + b * ch);
    c->drawRect(QRect(L + cw, T + ch, rounds * cw, teams * ch));

    // The name keeps its place one full cell above the chart, also when the
    // cells are smaller, so that it never runs into the matchday numbers.
    const QFont nameFont = TPageWriter::deviceFont({kArial, 9, true, true, kBlue});
    c->setFont(nameFont);
    c->setPen(kBlue);
    c->drawText(QPoint(L, T - fullH + QFontMetrics(nameFont).ascent()),
                teamName(team));

    // Numbers shrink with the cells they stand in.
    const double scale = std::min(double(cw) / fullW, double(ch) / fullH);
    const QFont numberFont = TPageWriter::deviceFont({kArial, kCurveNumberPoints * scale, false, false, kBlack});
    const QFontMetrics metrics(numberFont);
    c->setFont(numberFont);
    c->setPen(kBlack);
    const auto centred = [&](int column, int row, const QString &text) {
        const int dx = qRound((cw - metrics.horizontalAdvance(text)) / 2.0);
        const int dy = qRound((ch - metrics.height()) / 2.0);
        c->drawText(QPoint(L + column * cw + dx, T + row * ch + dy + metrics.ascent()), text);
    };
    for (int j = 1; j <= rounds; ++j) {
        centred(j, 0, QString::number(j));
        centred(j, teams + 1, QString::number(j));
    }
    for (int r = 1; r <= teams; ++r) {
        centred(0, r, QString::number(r));
        centred(rounds + 1, r, QString::number(r));
    }

    c->setPen(QPen(kBlue, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const int half = qRound(cw / 2.0);
    const int halfY = qRound(ch / 2.0);
    QPolygon curve;
    for (int j = m_league.firstRound; j <= rounds; ++j) {
        const int p = curvePos[j];
        if (p > 0)
            curve << QPoint(L + j * cw + half, T + p * ch + halfY);
    }
    if (curve.size() > 1)
        c->drawPolyline(curve);
    c->restore();
}

int LeaguePrintJobs::matchdaysPerPage(int rows)
{
    // Under the heading (title, contact line, an empty line, all of 8
    // points, and the 14-point heading) the first matchday starts after an
    // empty line of the heading's size; every matchday is an empty line,
    // its dates and its rows, all 10 points high. Six of nine rows fill a
    // page.
    const double room = (TPageWriter::kPageHeightMm - TPageWriter::kMarginTopMm - TPageWriter::kMarginBottomMm)
                        * 72.0 / 25.4;
    const double first = 8 + 8 + 8 + 14 + 14 + 10.0 * (rows + 1);
    const double next = 10.0 * (rows + 2);
    return std::max(1, 1 + int(std::floor((room - first) / next)));
}

void LeaguePrintJobs::build(const PrintSelection &selection, const std::function<void(int)> &progress)
{
    const auto report = [&](int percent) {
        if (progress)
            progress(percent);
    };
    printFlags.fill(0);
    m_prn.BeginDoc();

    if (selection.tables) {
        Standings standings;
        TabBer(m_league, standings, selection.tablesRound);
        DruckTab(standings);
    }
    report(25);

    if (selection.crossTable) {
        if (selection.tables)
            m_prn.NewPage();
        CrossGrid grid;
        KreuzBer(m_league, grid);
        DruckStats(grid);
    }
    report(50);

    int printedRounds = 0;
    if (selection.filledRounds > 0) {
        const int perPage = matchdaysPerPage(m_league.rowCount());
        for (int j = 1; j <= m_league.roundCount; ++j)
            printFlags[j] = selection.rounds[j] ? 1 : 0;
        for (int j = 1; j <= m_league.roundCount; ++j) {
            if (printFlags[j] != 1)
                continue;
            const int k = ++printedRounds;
            if (k == 1) {
                if (selection.tables || selection.crossTable)
                    m_prn.NewPage();
                DruckSTNeu();
            } else if ((k - 1) % perPage == 0) {
                m_prn.NewPage();
                DruckSTNeu();
            }
            DruckST(j);
        }
    }
    report(75);

    for (int t = 1; t <= m_league.teamCount; ++t)
        printFlags[t] = selection.teams[t] ? 1 : 0;
    int printedCurves = 0;
    for (int t = 1; t <= m_league.teamCount; ++t) {
        if (printFlags[t] != 1)
            continue;
        const int k = ++printedCurves;
        if (k == 1) {
            if (selection.tables || selection.crossTable || printedRounds > 0)
                m_prn.NewPage();
            DruckKurveNeu();
        } else if (k % 3 == 1) {
            m_prn.NewPage();
            DruckKurveNeu();
        }
        DruckKurve(t, (k - 1) % 3 + 1);
    }
    report(100);

    m_prn.EndDoc();
}
