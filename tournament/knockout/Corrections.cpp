#include "tournament/knockout/Corrections.h"

#include <algorithm>

#include "tournament/group/Ranking.h"
#include "tournament/knockout/Bracket.h"
#include "tournament/model/Resets.h"

namespace {

// The ranking noted before the match, when it names the group's four teams.
bool noteRanking(const Tournament &t, const TRencontre &match, TGroupe &group)
{
    std::vector<std::unique_ptr<TEquipe>> order(group.teams.size());
    int found = 0;
    for (const TButMatch &b : t.matchGoals) {
        if (!b.belongsTo('G', match) || b.kind != 'R' || b.sideNo < 1 || b.sideNo > order.size())
            continue;
        for (auto &team : group.teams)
            if (team && team->name == b.nom && !order[b.sideNo - 1]) {
                order[b.sideNo - 1] = std::move(team);
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

FileResult sauve(Tournament &t, bool autoSave, const QString &dir, unsigned parts)
{
    if (!autoSave) {
        t.modifie = true;
        return {};
    }
    const FileResult r = saveParts(t, dir, parts | SaveGroups);
    if (!r.ok)
        t.modifie = true;
    return r;
}

// The codes of the later matches that draw on match `code`.
std::vector<char> laterMatches(char code)
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

bool groupMatchesEditable(const Tournament &t)
{
    return !t.phase2 && t.liste_tour2.empty();
}

DeletionResult deleteGroupMatch(Tournament &t, int index, bool autoSave, const QString &dir)
{
    DeletionResult res;
    if (!groupMatchesEditable(t)) {
        res.state = Deletion::Tour2;
        return res;
    }
    if (index < 0 || index >= int(t.liste_matchs.size()))
        return res;
    const TRencontre match = t.liste_matchs[size_t(index)];
    TGroupe *group = t.findGroup(QString(QLatin1Char(match.code)));
    TEquipe *team1 = findTeamInGroup(group, match.team1);
    TEquipe *team2 = findTeamInGroup(group, match.team2);
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
        TEquipe *a = findTeamInGroup(group, m.team1);
        TEquipe *b = findTeamInGroup(group, m.team2);
        if (a && b)
            enregistre_resultat(a, b, m.score1, m.score2);
    }
    // With no later match of the group the ranking before the match is
    // exactly right; otherwise the group is ranked as after any result.
    if (later || !noteRanking(t, match, *group))
        trie_groupe(t.liste_matchs, *group);

    res.state = takeBackGoals(t, 'G', match, team1, team2) ? Deletion::Deleted : Deletion::DeletedGoalsKept;

    // A drawing of lots rested on the old rankings.
    t.qualif_a_ecrire = false;
    t.qualif_a_effacer = true;
    // The qualifier file goes in the same set as the matches it rested on.
    res.save = sauve(t, autoSave, dir, SaveMatches | RemoveQualifiers);
    if (autoSave && res.save.ok)
        t.qualif_a_effacer = false;
    return res;
}

int lastStage2Match(const Tournament &t)
{
    for (int i = int(t.liste_tour2.size()) - 1; i >= 0; --i) {
        bool played = false;
        for (char next : laterMatches(t.liste_tour2[size_t(i)].code))
            played = played || stage2Match(t, next);
        if (!played)
            return i;
    }
    return -1;
}

DeletionResult deleteStage2Match(Tournament &t, bool autoSave, const QString &dir)
{
    DeletionResult res;
    const int index = lastStage2Match(t);
    if (index < 0)
        return res;
    deriveBracket(t);
    res.match = t.liste_tour2[size_t(index)];
    const auto [team1, team2] = teamsOfMatch(t, res.match.code);
    t.liste_tour2.erase(t.liste_tour2.begin() + index);
    res.state = takeBackGoals(t, 'K', res.match, team1, team2) ? Deletion::Deleted : Deletion::DeletedGoalsKept;
    deriveBracket(t);
    res.save = sauve(t, autoSave, dir, SaveStage2);
    return res;
}
