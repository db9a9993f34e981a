#pragma once

#include "league/model/League.h"

#include <QColor>
#include <array>

// Fill colours of the row bands of the table view, one per table row. The
// bands keep the colours of the last filled view, also while the window is
// closed, and the printed league table and the HTML and RTF exports colour
// their rows from them. Rows are 1..teamCount; element 0 and the rows past
// the league are white.
struct RowBandColors {
    std::array<QColor, League::kMaxTeams + 1> rows;

    // The layout the bands hold before any view was filled: champion, one
    // Champions League place, three UEFA Cup places and three relegated
    // teams, whatever the league's own settings say, held within `teams`
    // rows like any zones.
    static RowBandColors defaultLayout(int teams = League::kTeams);
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

// The zones of a table of `teams` rows: row 1 for the champion when there
// is one, the next row for one Champions League place, up to 8 UEFA Cup
// rows after them and up to 8 relegation rows counted up from the last row.
// No zone reaches past the table, and where the top zones and the
// relegation zone would meet in a small league, the top zones keep their
// rows.
RowBandColors zoneColors(bool hasChampion, int clPlaces, int ucPlaces, int relegationPlaces, int teams);

// The zone colours of the league table from the league's settings and
// team count.
RowBandColors zoneColors(const League &league);

// What filling a view leaves in the bands: zone colours for the league
// table, all white for the home and away tables.
RowBandColors bandsForView(TableView view, const League &league);
