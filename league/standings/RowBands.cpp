#include "league/standings/RowBands.h"

#include "league/model/League.h"

#include <QStringList>

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
    League l;
    l.teamCount = std::clamp(teams, 0, League::kMaxTeams);
    l.hasChampion = hasChampion;
    l.clPlaces = clPlaces;
    l.ucPlaces = ucPlaces;
    l.relegationPlaces = relegationPlaces;
    return zoneColors(l);
}

ZoneSpans zoneSpans(const League &league)
{
    ZoneSpans spans;
    for (int z = 0; z < kZoneCount; ++z)
        spans[z].zone = static_cast<Zone>(z);
    const int n = std::clamp(league.teamCount, 0, League::kMaxTeams);
    auto rows = [&](Zone z) { return std::clamp(league.zonePlaces(z), 0, 8); };
    int top = 0;
    for (Zone z : {Zone::Champion, Zone::ChampionsLeague, Zone::EuropaLeague, Zone::ConferenceLeague}) {
        const int k = std::min(rows(z), n - top);
        spans[static_cast<int>(z)] = ZoneSpan{z, top + 1, top + k};
        top += k;
    }
    // Counted up from the last row, and cut off where the top zones end.
    int bottom = n + 1;
    for (Zone z : {Zone::Relegation, Zone::RelegationPlayoff}) {
        const int k = std::min(rows(z), bottom - 1);
        spans[static_cast<int>(z)] = ZoneSpan{z, std::max(bottom - k, top + 1), bottom - 1};
        bottom -= k;
    }
    return spans;
}

RowBandColors zoneColors(const League &league)
{
    RowBandColors c = RowBandColors::allWhite();
    for (const ZoneSpan &span : zoneSpans(league))
        for (int r = span.first; r <= span.last; ++r)
            c[r] = QColor::fromRgb(static_cast<QRgb>(league.zoneColorRgb(span.zone)));
    return c;
}

QList<ZoneLegendEntry> zoneLegendEntries(const League &league)
{
    QList<ZoneLegendEntry> entries;
    const ZoneSpans spans = zoneSpans(league);
    // Table order: the top zones, then the play-off above the relegation.
    for (Zone z : {Zone::Champion, Zone::ChampionsLeague, Zone::EuropaLeague, Zone::ConferenceLeague,
                   Zone::RelegationPlayoff, Zone::Relegation}) {
        const ZoneSpan &span = spans[static_cast<int>(z)];
        if (span.empty())
            continue;
        const QString places = span.first == span.last ? QString::number(span.first)
                                                       : QStringLiteral("%1-%2").arg(span.first).arg(span.last);
        entries.append({z, places, league.zoneName(z), QColor::fromRgb(static_cast<QRgb>(league.zoneColorRgb(z)))});
    }
    return entries;
}

QString zoneLegend(const League &league)
{
    QStringList parts;
    for (const ZoneLegendEntry &entry : zoneLegendEntries(league))
        parts << entry.text();
    return parts.join(QStringLiteral(", "));
}

RowBandColors bandsForView(TableView view, const League &league)
{
    return view == TableView::Total ? zoneColors(league) : RowBandColors::allWhite();
}
