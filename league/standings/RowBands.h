#pragma once

#include <QColor>
#include <array>

class League;

// Fill colours of the 18 row bands of the table view. The bands keep the
// colours of the last filled view, also while the window is closed, and the
// printed league table and the HTML and RTF exports colour their rows from
// them. Rows are 1..18; element 0 is unused.
struct RowBandColors {
    std::array<QColor, 19> rows;

    // The layout the bands hold before any view was filled: champion, one
    // Champions League place, three UEFA Cup places and three relegated
    // teams, whatever the league's own settings say.
    static RowBandColors defaultLayout();
    static RowBandColors allWhite();

    const QColor &operator[](int row) const { return rows.at(row); }
    QColor &operator[](int row) { return rows.at(row); }
    bool operator==(const RowBandColors &) const = default;
};

namespace ZoneColor {
inline const QColor none{255, 255, 255};
inline const QColor champion{187, 255, 255};
inline const QColor championsLeague{255, 187, 255};
inline const QColor uefaCup{187, 255, 187};
inline const QColor relegation{255, 187, 187};
} // namespace ZoneColor

enum class TableView { Total, Home, Away };

// The zone colours of the league table from the league's settings. A zone
// never covers more than 8 rows.
RowBandColors zoneColors(const League &league);

// What filling a view leaves in the bands: zone colours for the league
// table, all white for the home and away tables.
RowBandColors bandsForView(TableView view, const League &league);
