#include "tournament/model/Resets.h"

#include <algorithm>

bool takeBackGoals(Tournament &t, char liste, const TRencontre &match, TEquipe *team1, TEquipe *team2)
{
    bool noted = false;
    for (const TButMatch &b : t.matchGoals) {
        if (!b.belongsTo(liste, match))
            continue;
        if (b.kind == 'M')
            noted = true;
        if (b.kind != 'B')
            continue;
        TEquipe *team = b.sideNo == 1 ? team1 : team2;
        const int index = findPlayer(team, b.nom);
        if (index >= 0 && team->squad[index].goals > 0)
            team->squad[index].goals -= 1;
    }
    std::erase_if(t.matchGoals, [&](const TButMatch &b) { return b.belongsTo(liste, match); });
    return noted;
}

int stage2MatchesWithoutScorers(const Tournament &t)
{
    return int(std::count_if(t.liste_tour2.begin(), t.liste_tour2.end(), [&](const TRencontre &m) {
        return std::none_of(t.matchGoals.begin(), t.matchGoals.end(),
                            [&](const TButMatch &b) { return b.kind == 'M' && b.belongsTo('K', m); });
    }));
}

unsigned resetEverything(Tournament &t)
{
    t.liste_matchs.clear();
    t.resetStatistics();
    t.liste_tour2.clear();
    t.clearQualifiers();
    t.clearBracket();
    t.qualif_a_effacer = true;
    t.qualif_a_ecrire = false;
    return SaveMatches | SaveGroups | SaveStage2 | RemoveQualifiers;
}

unsigned resetStageTwo(Tournament &t)
{
    // A knock-out match names its teams as the bracket gave them, and its
    // goals were credited to those teams' players.
    for (const TRencontre &m : t.liste_tour2)
        takeBackGoals(t, 'K', m, t.cherche_equipe(m.team1), t.cherche_equipe(m.team2));
    t.liste_tour2.clear();
    t.clearQualifiers();
    t.clearBracket();
    t.qualif_a_ecrire = false;
    t.qualif_a_effacer = true;
    // The players' goals live in the group files.
    return SaveStage2 | SaveGroups | RemoveQualifiers;
}
