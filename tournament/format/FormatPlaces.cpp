#include "tournament/format/FormatPlaces.h"

namespace FormatPlaces {

QString championLine(const TournamentFormat &format)
{
    return QStringLiteral("The %1 champion is").arg(format.name);
}

QStringList finalRanking(const FormatTournament &t, const FormatStandings &s)
{
    QStringList places;
    const auto place = [&](int rank, int team) {
        if (team >= 0)
            places << QStringLiteral("%1-%2").arg(rank).arg(t.teamName(team));
    };
    const std::vector<FormatMatch> &matches = t.format.matches;
    if (matches.empty() || s.bracket.size() != matches.size())
        return places;
    // The final is the match of the last round that is not the losers'
    // match; the losers' match, where there is one, gives third and fourth.
    int fin = -1, third = -1;
    for (size_t i = 0; i < matches.size(); ++i) {
        if (matches[i].losers)
            third = int(i);
        else if (fin < 0 || matches[i].round > matches[size_t(fin)].round)
            fin = int(i);
    }
    if (fin < 0)
        return places;
    const FormatStandings::Slot &final = s.bracket[size_t(fin)];
    place(1, final.winner);
    place(2, final.loser);
    if (third >= 0) {
        place(3, s.bracket[size_t(third)].winner);
        place(4, s.bracket[size_t(third)].loser);
        return places;
    }
    // Without a match for third place the two beaten semi-finalists share it.
    for (const FormatSide &side : matches[size_t(fin)].sides)
        if (side.kind == FormatSide::Winner) {
            const int semi = t.format.indexOf(side.match);
            if (semi >= 0)
                place(3, s.bracket[size_t(semi)].loser);
        }
    return places;
}

} // namespace FormatPlaces
