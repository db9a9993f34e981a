#pragma once

#include "league/model/League.h"

#include <QString>
#include <array>

// The text grid of the cross table for n teams: n + 2 columns x n + 1 rows.
// Row 0 and columns 0-1 are headers (slot numbers and team names); the cell
// in column b + 1, row a holds the result of home slot a against away slot
// b, e.g. "2 : 1", or is empty. The window, the print and the exports read
// it by column and row, the way the grid control is addressed. The grid
// holds room for the largest league; teamCount() says how much of it the
// last fill used.
class CrossGrid {
public:
    // The grid of the classic 18-team league.
    static constexpr int kColumns = League::kTeams + 2;
    static constexpr int kRowCount = League::kTeams + 1;
    static constexpr int kMaxColumns = League::kMaxTeams + 2;
    static constexpr int kMaxRowCount = League::kMaxTeams + 1;

    const QString &cell(int column, int row) const { return m_cells.at(column).at(row); }
    void setCell(int column, int row, const QString &text) { m_cells.at(column).at(row) = text; }
    int columnWidth(int column) const { return m_widths.at(column); }
    void setColumnWidth(int column, int width) { m_widths.at(column) = width; }
    static constexpr int rowHeight() { return 12; }

    int teamCount() const { return m_teams; }
    void setTeamCount(int teams) { m_teams = teams; }
    int columnCount() const { return m_teams + 2; }
    int rowCount() const { return m_teams + 1; }

private:
    static constexpr std::array<int, kMaxColumns> initialWidths()
    {
        std::array<int, kMaxColumns> w{};
        w.fill(42);
        w[0] = 15;
        w[1] = 120;
        return w;
    }

    int m_teams = League::kTeams;
    std::array<std::array<QString, kMaxRowCount>, kMaxColumns> m_cells;
    std::array<int, kMaxColumns> m_widths = initialWidths();
};

// Fills the grid for the league's teamCount slots from the team names and
// every matchday 1..roundCount (also those before firstRound). The whole
// grid is emptied first, so a pairing that no longer occurs, or a slot of a
// larger league filled before, leaves no stale text behind. Only a match
// with both goal values entered shows a result; a later row with the same
// pair wins.
void KreuzBer(const League &league, CrossGrid &grid);
