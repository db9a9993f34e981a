#pragma once

#include "league/model/League.h"

#include <QImage>
#include <algorithm>
#include <array>

// curvePos[0] is the selected slot, curvePos[M] the slot's table position
// after matchday M (1..teamCount), or 0 when that matchday is not plotted.
using CurvePositions = std::array<int, League::kMaxRounds + 1>;

namespace FeverCurve {
// The picture of the classic league: 34 matchdays by 18 positions.
constexpr int kWidth = 465;
constexpr int kHeight = 300;
constexpr int kCell = 12;

// A chart is never drawn with fewer than 25 matchday columns or 11
// position rows, so that a tiny league still gets its axes, both
// "S P I E L T A G" captions, the footer lines and the eleven letters of
// the vertical caption, which need 11 rows of 12 pixels. The cells past the
// league's matchdays and positions are drawn as grid without numbers.
constexpr int kMinColumns = 25;
constexpr int kMinRows = 11;

constexpr int columnsFor(int rounds) { return std::max(rounds, kMinColumns); }
constexpr int rowsFor(int teams) { return std::max(teams, kMinRows); }

// The picture grows or shrinks by one 12-pixel cell per matchday and per
// position from the classic 465 x 300.
constexpr int width(int rounds) { return kWidth + kCell * (columnsFor(rounds) - League::kRounds); }
constexpr int height(int teams) { return kHeight + kCell * (rowsFor(teams) - League::kTeams); }

// Centre of the chart cell of matchday j and table position p.
constexpr int cellX(int j) { return 12 * j + 22; }
constexpr int cellY(int p) { return 12 * p + 22; }
} // namespace FeverCurve

// The empty chart for `teams` positions and `rounds` matchdays, grid, axis
// labels and footer: FeverCurve::width(rounds) x FeverCurve::height(teams)
// pixels, 465 x 300 for the classic league.
QImage Grafik(int teams = League::kTeams, int rounds = League::kRounds, const QString &leagueName = QString());
// The empty chart of the league's shape.
QImage Grafik(const League &league);

// Computes the positions of `team` (0 or less = nothing selected; above
// teamCount throws LeagueError) after every matchday firstRound..roundCount
// into `curvePos`, leaving any standings tables elsewhere untouched. When
// `picture` is given it receives the complete chart of the league's shape
// with the team's name and curve.
void KurveBer(const League &league, int team, CurvePositions &curvePos, QImage *picture = nullptr);

// Draws the name and the curve of an already computed `curvePos` onto a
// chart made by Grafik().
void drawCurve(QImage &picture, const League &league, const CurvePositions &curvePos);
// Draws a second team's curve in red onto a chart that holds the curve of
// `first`, its name in red after the first team's name, so that two teams'
// seasons can be compared in one picture.
void drawSecondCurve(QImage &picture, const League &league, const CurvePositions &first,
                     const CurvePositions &second);
