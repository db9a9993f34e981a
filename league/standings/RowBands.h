#pragma once

#include "league/model/League.h"

#include <QColor>
#include <QList>
#include <QString>
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

// The zones of a table of `teams` rows in their default colours: row 1 for
// the champion when there is one, up to 8 Champions League rows after it,
// up to 8 UEFA Cup rows after them and up to 8 relegation rows counted up
// from the last row.
RowBandColors zoneColors(bool hasChampion, int clPlaces, int ucPlaces, int relegationPlaces, int teams);

// The rows first..last of one zone in the league table; a zone without
// rows has last < first.
struct ZoneSpan {
    Zone zone = Zone::Champion;
    int first = 1;
    int last = 0;
    bool empty() const { return last < first; }
};
using ZoneSpans = std::array<ZoneSpan, kZoneCount>;

// Where the league's zones lie: the champion, the Champions League, the
// Europa League and the Conference League counted down from row 1, the
// relegation counted up from the last row and the play-off above it, each
// at most 8 rows. No zone reaches past the table, and where the top zones
// and the bottom zones would meet in a small league, the top zones keep
// their rows.
ZoneSpans zoneSpans(const League &league);

// The zone colours of the league table from the league's settings, colours
// and team count.
RowBandColors zoneColors(const League &league);

// One zone of the legend below the league table: its places ("1", "2-5"),
// its name and its colour.
struct ZoneLegendEntry {
    Zone zone = Zone::Champion;
    QString places;
    QString name;
    QColor colour;
    QString text() const { return places + QLatin1Char(' ') + name; }
};
// The zones that have rows, in table order: the top zones, then the
// play-off above the relegation. The window, the printout and every export
// draw their legend from these.
QList<ZoneLegendEntry> zoneLegendEntries(const League &league);

// "1 Meister, 2-5 Champions League, ..., 18 Abstieg": the places and names
// of the zones that have rows, in table order.
QString zoneLegend(const League &league);

// What filling a view leaves in the bands: zone colours for the league
// table, all white for the home and away tables.
RowBandColors bandsForView(TableView view, const League &league);
