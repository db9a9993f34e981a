#include "tournament/knockout/Corrections.h"

#include <algorithm>

#include "tournament/group/Ranking.h"
#include "tournament/knockout/Bracket.h"
#include "tournament/model/Resets.h"

namespace {

// The ranking noted before the match, when it names the group's four teams.
bool rang_note(const Tournament &t, const TRencontre &match, TGroupe &group)
{
    std::vector<std::unique_ptr<TEquipe>> order(group.teams.size());
    int found = 0;
    for (const TButMatch &b : t.buts_matchs) {
        if (!b.estDe('G', match) || b.genre != 'R' || b.cote < 1 || b.cote > order.size())
            continue;
        for (auto &team : group.teams)
            if (team && team->name == b.nom && !order[b.cote - 1]) {
                order[b.cote - 1] = std::move(team);
                ++found;
                break;
            }
    }
    if (found == int(order.size())) {
        group.teams = std::move(order);
        return true;
    }
    // Put back whatever was taken out: the caller ranks the group then.
    size_t k = 0;
    for (auto &slot : order)
        if (slot) {
            while (group.teams[k])
                ++k;
            group.teams[k] = std::move(slot);
        }
    return false;
}

FileResult sauve(Tournament &t, bool sauveAuto, const QString &dir, unsigned parts)
{
    if (!sauveAuto) {
        t.modifie = true;
        return {};
    }
    const FileResult r = sauve_ensemble(t, dir, parts | SaveGroups);
    if (!r.ok)
        t.modifie = true;
    return r;
}

// The codes of the later matches that draw on match `code`.
std::vector<char> suivants(char code)
{
    if (code >= '1' && code <= '8') {
        for (int q = 0; q < 4; ++q)
            if (quart_premier[q] == code || quart_second[q] == code)
                return {char('A' + q)};
    }
    if (code >= 'A' && code <= 'D') {
        for (int d = 0; d < 2; ++d)
            if (demi_premier[d] == code || demi_second[d] == code)
                return {char('F' + d)};
    }
    if (code == 'F' || code == 'G')
        return {'Y', 'Z'};
    return {};
}

} // namespace

bool groupe_modifiable(const Tournament &t)
{
    return !t.phase2 && t.liste_tour2.empty();
}

ResultatEffacement efface_match_groupe(Tournament &t, int index, bool sauveAuto, const QString &dir)
{
    ResultatEffacement res;
    if (!groupe_modifiable(t)) {
        res.etat = Effacement::Tour2;
        return res;
    }
    if (index < 0 || index >= int(t.liste_matchs.size()))
        return res;
    const TRencontre match = t.liste_matchs[size_t(index)];
    TGroupe *group = t.cherche_groupe(QString(QLatin1Char(match.code)));
    TEquipe *team1 = cherche_equipe_groupe(group, match.team1);
    TEquipe *team2 = cherche_equipe_groupe(group, match.team2);
    if (!group || !team1 || !team2)
        return res;
    res.match = match;
    t.liste_matchs.erase(t.liste_matchs.begin() + index);

    // The figures come again from the matches that stay.
    for (auto &team : group->teams)
        team->played = team->points = team->goals_for = team->goals_against = 0;
    bool later = false;
    for (size_t i = 0; i < t.liste_matchs.size(); ++i) {
        const TRencontre &m = t.liste_matchs[i];
        if (m.code != group->letter)
            continue;
        later = later || int(i) >= index;
        TEquipe *a = cherche_equipe_groupe(group, m.team1);
        TEquipe *b = cherche_equipe_groupe(group, m.team2);
        if (a && b)
            enregistre_resultat(a, b, m.score1, m.score2);
    }
    // With no later match of the group the ranking before the match is
    // exactly right; otherwise the group is ranked as after any result.
    if (later || !rang_note(t, match, *group))
        trie_groupe(t.liste_matchs, *group);

    res.etat = reprend_buts(t, 'G', match, team1, team2) ? Effacement::Efface : Effacement::EffaceButs;

    // A drawing of lots rested on the old rankings.
    t.qualif_a_ecrire = false;
    t.qualif_a_effacer = true;
    // The qualifier file goes in the same set as the matches it rested on.
    res.save = sauve(t, sauveAuto, dir, SaveMatches | RemoveQualifiers);
    if (sauveAuto && res.save.ok)
        t.qualif_a_effacer = false;
    return res;
}

int dernier_match_tour2(const Tournament &t)
{
    for (int i = int(t.liste_tour2.size()) - 1; i >= 0; --i) {
        bool played = false;
        for (char next : suivants(t.liste_tour2[size_t(i)].code))
            played = played || match_tour2(t, next);
        if (!played)
            return i;
    }
    return -1;
}

ResultatEffacement efface_match_tour2(Tournament &t, bool sauveAuto, const QString &dir)
{
    ResultatEffacement res;
    const int index = dernier_match_tour2(t);
    if (index < 0)
        return res;
    derive_tableau(t);
    res.match = t.liste_tour2[size_t(index)];
    const auto [team1, team2] = equipes_du_match(t, res.match.code);
    t.liste_tour2.erase(t.liste_tour2.begin() + index);
    res.etat = reprend_buts(t, 'K', res.match, team1, team2) ? Effacement::Efface : Effacement::EffaceButs;
    derive_tableau(t);
    res.save = sauve(t, sauveAuto, dir, SaveStage2);
    return res;
}
