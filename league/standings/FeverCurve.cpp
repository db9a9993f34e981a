#include "league/standings/FeverCurve.h"

#include "league/model/FooterTexts.h"
#include "league/model/League.h"
#include "league/model/LeagueError.h"
#include "league/standings/Standings.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

namespace {

const QColor kBlue(0, 0, 255);
const QColor kRed(255, 0, 0);
const QColor kGridGrey(221, 221, 221);

// The chart is a bitmap of a handful of flat colours that the GIF export
// stores in a small colour table, so text is drawn without smoothing.
QFont chartFont(int points, bool bold, bool italic = false)
{
    QFont f(QStringLiteral("Arial"));
    f.setPointSize(points);
    f.setBold(bold);
    f.setItalic(italic);
    f.setStyleStrategy(QFont::NoAntialias);
    return f;
}

void prepare(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, false);
}

// Texts are placed by their top-left corner, `ascent` above the baseline.
void textAt(QPainter &p, int ascent, int x, int y, const QString &text)
{
    p.drawText(x, y + ascent, text);
}

void textAt(QPainter &p, int x, int y, const QString &text)
{
    textAt(p, QFontMetrics(p.font()).ascent(), x, y, text);
}

// Sets the font and gives its ascent, measured once for all the labels
// drawn in it.
int useFont(QPainter &p, const QFont &font)
{
    p.setFont(font);
    return QFontMetrics(p.font()).ascent();
}

// Outline of the rectangle (x1, y1)-(x2, y2) in the pen's colour, ending one
// pixel short of the bottom-right corner. The one-pixel sides are filled as
// one-pixel rectangles: the same pixels a one-pixel pen gives, without the
// stroker that a pen of width 1 goes through.
void outline(QPainter &p, int x1, int y1, int x2, int y2)
{
    const QColor c = p.pen().color();
    p.fillRect(QRect(x1, y1, x2 - x1, 1), c);
    p.fillRect(QRect(x1, y2 - 1, x2 - x1, 1), c);
    p.fillRect(QRect(x1, y1, 1, y2 - y1), c);
    p.fillRect(QRect(x2 - 1, y1, 1, y2 - y1), c);
}

} // namespace

QImage Grafik(int teams, int rounds, const QString &leagueName)
{
    using namespace FeverCurve;
    const int positions = std::clamp(teams, 0, League::kMaxTeams);
    const int matchdays = std::clamp(rounds, 0, League::kMaxRounds);
    const int columns = columnsFor(matchdays);
    const int rows = rowsFor(positions);
    // The classic chart is laid out for 34 columns and 18 rows. What stands
    // at its right or bottom edge moves by a whole cell per column or row
    // more or less; what stands centred moves by half of that.
    const int dx = kCell * (columns - League::kRounds);
    const int dy = kCell * (rows - League::kTeams);
    const int w = kWidth + dx;
    const int h = kHeight + dy;

    QImage img(w, h, QImage::Format_RGB32);
    // 96 dots per inch, so that point sizes give the pixel sizes the chart
    // was laid out for, whatever the screen says.
    img.setDotsPerMeterX(3780);
    img.setDotsPerMeterY(3780);
    img.fill(Qt::white);

    QPainter p(&img);
    prepare(p);
    p.fillRect(QRect(0, 0, w, h - 27), Qt::white);

    p.setPen(Qt::black);
    int ascent = useFont(p, chartFont(9, true));
    const QString vertical = QStringLiteral("PLATZIERUNG");
    for (int n = 0; n < vertical.size(); ++n) {
        const int y = 70 + dy / 2 + 12 * n;
        const bool narrow = vertical.at(n) == QLatin1Char('I');
        textAt(p, ascent, narrow ? 9 : 7, y, vertical.at(n));
        textAt(p, ascent, (narrow ? 453 : 451) + dx, y, vertical.at(n));
    }
    textAt(p, ascent, 350 + dx, 2, QStringLiteral("S P I E L T A G"));
    textAt(p, ascent, 196 + dx / 2, 256 + dy, QStringLiteral("S P I E L T A G"));

    p.setPen(kRed);
    ascent = useFont(p, chartFont(7, true));
    textAt(p, ascent, 120 + dx / 2, 275 + dy, FooterTexts::headline(leagueName));
    ascent = useFont(p, chartFont(7, false));
    textAt(p, ascent, 60 + dx / 2, 286 + dy, FooterTexts::contact());

    p.setPen(Qt::black);
    for (int r = 1; r <= positions; ++r) {
        const int y = 12 * r + 16;
        textAt(p, ascent, 440 + dx, y, QString::number(r));
        textAt(p, ascent, r <= 9 ? 21 : 16, y, QString::number(r));
    }
    for (int j = 1; j <= matchdays; ++j) {
        const int x = j == 10 ? 138 : 12 * j + 19;
        textAt(p, ascent, x, 16, QString::number(j));
        textAt(p, ascent, x, 246 + dy, QString::number(j));
    }

    // Column and row borders every 12 pixels inside the frame, which ends
    // one pixel further out than a cell on the right and at the bottom.
    const int right = 438 + dx;
    const int bottom = 245 + dy;
    p.setPen(QPen(kGridGrey, 1, Qt::SolidLine));
    p.setBrush(Qt::NoBrush);
    for (int b = 1; b <= columns - 2; ++b)
        outline(p, 12 * b + 28, 27, 12 * b + 41, bottom);
    for (int b = 1; b <= rows - 2; ++b)
        outline(p, 28, 12 * b + 28, right, 12 * b + 41);
    outline(p, 28, 27, right, bottom);
    return img;
}

QImage Grafik(const League &league)
{
    return Grafik(league.teamCount, league.roundCount, league.leagueName);
}

void KurveBer(const League &league, int team, CurvePositions &curvePos, QImage *picture)
{
    const int n = league.teamCount;
    if (team > n)
        throw LeagueError(LeagueError::rangeError());
    // Every matchday element is cleared, not only firstRound..roundCount:
    // positions of an earlier computation with a lower first matchday or
    // more matchdays would otherwise survive for readers that walk them all.
    curvePos.fill(0);
    curvePos[0] = team;
    if (team > 0) {
        // The table after matchday M counts matchdays firstRound..M, so the
        // rows carry over from one matchday to the next. With the default
        // order the position in a stable sort is the number of teams ranked
        // above plus the lower slots tied with the team, plus one; the
        // direct comparison depends on the whole group of teams level, so
        // the other orders order that group by the games up to M, as
        // TabBer does.
        const bool direct = league.tieOrder != TieOrder::Goals;
        Ranking::Games games;
        if (direct)
            Ranking::collectGames(league, league.roundCount, games);
        Standings::Accumulator curveAcc{};
        Standings::Accumulator curveRows{};
        for (int m = std::max(league.firstRound, 1); m <= league.roundCount; ++m) {
            bool played = false;
            for (int k = 1; k <= league.rowCount(); ++k) {
                const Match &g = league.results[m][k];
                if (!g.counts())
                    continue;
                if (g.teamA >= 1 && g.teamA <= n)
                    Ranking::countResult(curveAcc[g.teamA], g.goalsA, g.goalsB);
                if (g.teamB >= 1 && g.teamB <= n)
                    Ranking::countResult(curveAcc[g.teamB], g.goalsB, g.goalsA);
                played = played || g.teamA == team || g.teamB == team;
            }
            if (!played)
                continue;
            for (int i = 1; i <= n; ++i)
                curveRows[i] = Ranking::totalRow(league, i, curveAcc[i]);
            int position = 1;
            if (direct) {
                position = Ranking::positionOf(league, curveRows, games, games.endOfRound[m], team);
            } else {
                for (int i = 1; i <= n; ++i) {
                    if (i == team)
                        continue;
                    if (ranksAbove(curveRows[i], curveRows[team])
                        || (i < team && !ranksAbove(curveRows[team], curveRows[i])))
                        ++position;
                }
            }
            curvePos[m] = position;
        }
    }
    if (picture) {
        *picture = Grafik(league);
        drawCurve(*picture, league, curvePos);
    }
}

namespace {

void drawLine(QPainter &p, const League &league, const CurvePositions &curvePos, const QColor &colour)
{
    QPolygon line;
    for (int j = std::max(league.firstRound, 1); j <= league.roundCount; ++j)
        if (curvePos[j] > 0)
            line << QPoint(FeverCurve::cellX(j), FeverCurve::cellY(curvePos[j]));
    // The first point only places the pen; a single point draws nothing.
    if (line.size() >= 2) {
        p.setPen(QPen(colour, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(line);
    }
}

} // namespace

void drawCurve(QImage &picture, const League &league, const CurvePositions &curvePos)
{
    const int team = curvePos[0];
    if (team < 1 || team > league.teamCount)
        return;
    QPainter p(&picture);
    prepare(p);
    p.setPen(kBlue);
    p.setFont(chartFont(11, true, true));
    textAt(p, 2, 0, league.teamNames[team]);
    drawLine(p, league, curvePos, kBlue);
}

void drawSecondCurve(QImage &picture, const League &league, const CurvePositions &first,
                     const CurvePositions &second)
{
    const int team = second[0];
    if (team < 1 || team > league.teamCount)
        return;
    QPainter p(&picture);
    prepare(p);
    p.setFont(chartFont(11, true, true));
    const int firstTeam = first[0];
    const int x = firstTeam >= 1 && firstTeam <= league.teamCount
        ? 2 + QFontMetrics(p.font()).horizontalAdvance(league.teamNames[firstTeam] + QStringLiteral("  "))
        : 2;
    p.setPen(kRed);
    textAt(p, x, 0, league.teamNames[team]);
    drawLine(p, league, second, kRed);
}
