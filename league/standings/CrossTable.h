#pragma once

#include <QString>
#include <array>

class League;

// The text grid of the cross table: 20 columns x 19 rows. Row 0 and columns
// 0-1 are headers (slot numbers and team names); the cell in column b + 1,
// row a holds the result of home slot a against away slot b, e.g. "2 : 1",
// or is empty. The window, the print and the exports read it by column and
// row, the way the grid control is addressed.
class CrossGrid {
public:
    static constexpr int kColumns = 20;
    static constexpr int kRowCount = 19;

    const QString &cell(int column, int row) const { return m_cells.at(column).at(row); }
    void setCell(int column, int row, const QString &text) { m_cells.at(column).at(row) = text; }
    int columnWidth(int column) const { return m_widths.at(column); }
    void setColumnWidth(int column, int width) { m_widths.at(column) = width; }
    static constexpr int rowHeight() { return 12; }

private:
    std::array<std::array<QString, kRowCount>, kColumns> m_cells;
    std::array<int, kColumns> m_widths{15, 120, 42, 42, 42, 42, 42, 42, 42, 42,
                                       42, 42, 42, 42, 42, 42, 42, 42, 42, 42};
};

// Fills the grid from the team names and every matchday (also those before
// firstRound). The result area is emptied first, so a pairing that no
// longer occurs leaves no stale result behind. Only a match with both goal
// values entered shows a result; a later row with the same pair wins.
void KreuzBer(const League &league, CrossGrid &grid);
