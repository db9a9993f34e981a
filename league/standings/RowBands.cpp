#include "league/standings/RowBands.h"

#include "league/model/League.h"

#include <algorithm>

RowBandColors RowBandColors::allWhite()
{
    RowBandColors c;
    c.rows.fill(ZoneColor::none);
    return c;
}

RowBandColors RowBandColors::defaultLayout()
{
    RowBandColors c = allWhite();
    c[1] = ZoneColor::champion;
    c[2] = ZoneColor::championsLeague;
    for (int r = 3; r <= 5; ++r)
        c[r] = ZoneColor::uefaCup;
    for (int r = 16; r <= 18; ++r)
        c[r] = ZoneColor::relegation;
    return c;
}

RowBandColors zoneColors(const League &league)
{
    RowBandColors c = RowBandColors::allWhite();
    // Relegation first, counted up from the last row; the top zones follow
    // and win where the two would meet.
    for (int n = 1; n <= std::min(league.relegationPlaces, 8); ++n)
        c[19 - n] = ZoneColor::relegation;
    int top = 0;
    if (league.hasChampion) {
        c[1] = ZoneColor::champion;
        top = 1;
    }
    if (league.clPlaces == 1) {
        c[top + 1] = ZoneColor::championsLeague;
        ++top;
    }
    for (int n = 1; n <= std::min(league.ucPlaces, 8); ++n)
        c[top + n] = ZoneColor::uefaCup;
    return c;
}

RowBandColors bandsForView(TableView view, const League &league)
{
    return view == TableView::Total ? zoneColors(league) : RowBandColors::allWhite();
}
