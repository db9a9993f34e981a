#include "tournament/model/Resets.h"

#include <algorithm>

bool reprend_buts(Tournament &t, char liste, const TRencontre &match, TEquipe *team1, TEquipe *team2)
{
    bool noted = false;
    for (const TButMatch &b : t.buts_matchs) {
        if (!b.estDe(liste, match))
            continue;
        if (b.genre == 'M')
            noted = true;
        if (b.genre != 'B')
            continue;
        TEquipe *team = b.cote == 1 ? team1 : team2;
        const int index = cherche_joueur(team, b.nom);
        if (index >= 0 && team->squad[index].goals > 0)
            team->squad[index].goals -= 1;
    }
    std::erase_if(t.buts_matchs, [&](const TButMatch &b) { return b.estDe(liste, match); });
    return noted;
}

int tour2_sans_buteurs(const Tournament &t)
{
    return int(std::count_if(t.liste_tour2.begin(), t.liste_tour2.end(), [&](const TRencontre &m) {
        return std::none_of(t.buts_matchs.begin(), t.buts_matchs.end(),
                            [&](const TButMatch &b) { return b.genre == 'M' && b.estDe('K', m); });
    }));
}

FileResult reinitialise_tout(Tournament &t, bool sauveAuto, const QString &dir)
{
    t.modifie = true;
    t.liste_matchs.clear();
    t.raz_statistiques();
    t.liste_tour2.clear();
    t.vide_qualifies();
    t.vide_tableau();
    t.qualif_a_effacer = true;
    t.qualif_a_ecrire = false;
    if (!sauveAuto)
        return {};

    t.modifie = false;
    t.qualif_a_effacer = false;
    const FileResult r = sauve_ensemble(t, dir, SaveMatches | SaveGroups | SaveStage2 | RemoveQualifiers);
    if (!r.ok) {
        // Keep the reset pending so that "Save" finishes it.
        t.modifie = true;
        t.qualif_a_effacer = true;
    }
    return r;
}

FileResult reinitialise_tour2(Tournament &t, bool sauveAuto, const QString &dir)
{
    // A knock-out match names its teams as the bracket gave them, and its
    // goals were credited to those teams' players.
    for (const TRencontre &m : t.liste_tour2)
        reprend_buts(t, 'K', m, t.cherche_equipe(m.team1), t.cherche_equipe(m.team2));
    t.liste_tour2.clear();
    t.vide_qualifies();
    t.vide_tableau();
    t.qualif_a_ecrire = false;
    if (!sauveAuto) {
        t.modifie = true;
        t.qualif_a_effacer = true;
        return {};
    }
    // The players' goals live in the group files.
    const FileResult r = sauve_ensemble(t, dir, SaveStage2 | SaveGroups | RemoveQualifiers);
    t.qualif_a_effacer = false;
    if (!r.ok) {
        t.modifie = true;
        t.qualif_a_effacer = true;
    }
    return r;
}
