#pragma once

#include <QImage>
#include <array>

class League;

// curvePos[0] is the selected slot, curvePos[M] the slot's table position
// after matchday M (1..18), or 0 when that matchday is not plotted.
using CurvePositions = std::array<int, 35>;

namespace FeverCurve {
constexpr int kWidth = 465;
constexpr int kHeight = 300;

// Centre of the chart cell of matchday j and table position p.
constexpr int cellX(int j) { return 12 * j + 22; }
constexpr int cellY(int p) { return 12 * p + 22; }
} // namespace FeverCurve

// The empty chart: 465 x 300 pixels, grid, axis labels and footer.
QImage Grafik();

// Computes the positions of `team` (0 or less = nothing selected; above 18
// throws LeagueError) after every matchday firstRound..34 into `curvePos`,
// leaving any standings tables elsewhere untouched. When `picture` is given
// it receives the complete chart with the team's name and curve.
void KurveBer(const League &league, int team, CurvePositions &curvePos, QImage *picture = nullptr);

// Draws the name and the curve of an already computed `curvePos` onto a
// chart made by Grafik().
void drawCurve(QImage &picture, const League &league, const CurvePositions &curvePos);
