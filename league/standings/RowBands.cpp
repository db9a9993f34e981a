#include "league/standings/RowBands.h"

#include "league/model/League.h"

#include <algorithm>

RowBandColors RowBandColors::allWhite()
{
    RowBandColors c;
    c.rows.fill(ZoneColor::none);
    return c;
}

RowBandColors RowBandColors::defaultLayout(int teams)
{
    return zoneColors(true, 1, 3, 3, teams);
}

RowBandColors zoneColors(bool hasChampion, int clPlaces, int ucPlaces, int relegationPlaces, int teams)
{
    RowBandColors c = RowBandColors::allWhite();
    const int n = std::clamp(teams, 0, League::kMaxTeams);
    // Relegation first, counted up from the last row; the top zones follow
    // and win where the two would meet.
    for (int k = 1; k <= std::min({relegationPlaces, 8, n}); ++k)
        c[n + 1 - k] = ZoneColor::relegation;
    int top = 0;
    if (hasChampion && top < n) {
        c[1] = ZoneColor::champion;
        top = 1;
    }
    if (clPlaces == 1 && top < n) {
        c[top + 1] = ZoneColor::championsLeague;
        ++top;
    }
    for (int k = 1; k <= std::min({ucPlaces, 8, n - top}); ++k)
        c[top + k] = ZoneColor::uefaCup;
    return c;
}

RowBandColors zoneColors(const League &league)
{
    return zoneColors(league.hasChampion, league.clPlaces, league.ucPlaces, league.relegationPlaces,
                      league.teamCount);
}

RowBandColors bandsForView(TableView view, const League &league)
{
    return view == TableView::Total ? zoneColors(league) : RowBandColors::allWhite();
}
