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

DeletionResult deleteGroupMatch(Tournament &t, int index)
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
    // The qualifier file goes in the same set as the matches it rested on;
    // the players' goals live in the group files.
    res.dirty = SaveMatches | SaveGroups | RemoveQualifiers;
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

DeletionResult deleteStage2Match(Tournament &t)
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
    res.dirty = SaveStage2 | SaveGroups;
    return res;
}

namespace {

// Takes back the goals a match credited and forgets those notes and how
// it was decided, keeping the notes of the match itself (its ranking
// before it), so that it can be credited anew. False when its scorers
// were never kept.
bool takeBackScorers(Tournament &t, char liste, const TRencontre &match, TEquipe *team1, TEquipe *team2)
{
    std::vector<TButMatch> kept;
    for (const TButMatch &b : t.matchGoals)
        if (b.belongsTo(liste, match) && b.kind != 'B' && b.kind != 'S')
            kept.push_back(b);
    const bool noted = takeBackGoals(t, liste, match, team1, team2);
    t.matchGoals.insert(t.matchGoals.end(), kept.begin(), kept.end());
    return noted;
}

size_t bracketOrder(char code)
{
    return size_t(std::find(kStage2Codes.begin(), kStage2Codes.end(), code) - kStage2Codes.begin());
}

// Takes back every knock-out match whose teams the bracket no longer puts
// there, one at a time, since each one taken back empties the slots of the
// matches that drew on it.
std::vector<TRencontre> dropUnfitting(Tournament &t)
{
    std::vector<TRencontre> dropped;
    for (;;) {
        deriveBracket(t);
        const auto unfit = std::find_if(t.liste_tour2.begin(), t.liste_tour2.end(), [&](const TRencontre &m) {
            const auto [a, b] = teamsOfMatch(t, m.code);
            return !a || !b || a->name != m.team1 || b->name != m.team2;
        });
        if (unfit == t.liste_tour2.end())
            break;
        const TRencontre m = *unfit;
        takeBackGoals(t, 'K', m, t.cherche_equipe(m.team1), t.cherche_equipe(m.team2));
        t.liste_tour2.erase(unfit);
        dropped.push_back(m);
    }
    std::sort(dropped.begin(), dropped.end(),
              [](const TRencontre &a, const TRencontre &b) { return bracketOrder(a.code) < bracketOrder(b.code); });
    return dropped;
}

bool stage2Begun(const Tournament &t)
{
    return t.phase2 || !t.liste_tour2.empty();
}

} // namespace

std::pair<QStringList, QStringList> creditedScorers(const Tournament &t, char liste, const TRencontre &match)
{
    std::pair<QStringList, QStringList> lines;
    for (const TButMatch &b : t.matchGoals)
        if (b.belongsTo(liste, match) && b.kind == 'B')
            (b.sideNo == 1 ? lines.first : lines.second) << b.nom.text();
    return lines;
}

CorrectionResult correctGroupMatch(Tournament &t, int index, const ResultEntry &e, bool qualifierFileKept)
{
    CorrectionResult res;
    if (index < 0 || index >= int(t.liste_matchs.size()) || e.score1 < 0 || e.score2 < 0)
        return res;
    TRencontre &match = t.liste_matchs[size_t(index)];
    TGroupe *group = t.findGroup(QString(QLatin1Char(match.code)));
    TEquipe *team1 = findTeamInGroup(group, match.team1);
    TEquipe *team2 = findTeamInGroup(group, match.team2);
    if (!group || !team1 || !team2)
        return res;
    std::vector<const TEquipe *> before;
    for (const auto &team : group->teams)
        before.push_back(team.get());

    res.goalsKept = !takeBackScorers(t, 'G', match, team1, team2);
    match.score1 = e.score1;
    match.score2 = e.score2;
    for (auto &team : group->teams)
        team->played = team->points = team->goals_for = team->goals_against = 0;
    for (const TRencontre &m : t.liste_matchs) {
        TEquipe *a = m.code == group->letter ? findTeamInGroup(group, m.team1) : nullptr;
        TEquipe *b = m.code == group->letter ? findTeamInGroup(group, m.team2) : nullptr;
        if (a && b)
            enregistre_resultat(a, b, m.score1, m.score2);
    }
    trie_groupe(t.liste_matchs, *group);
    if (!res.goalsKept) {
        noteScorers(t, match, 'G', team1, e.scorers1, 1);
        noteScorers(t, match, 'G', team2, e.scorers2, 2);
    }

    bool moved = false;
    for (size_t i = 0; i < before.size(); ++i)
        moved = moved || group->teams[i].get() != before[i];
    unsigned parts = SaveMatches | SaveGroups;
    if (!stage2Begun(t)) {
        // As after any result: the qualifiers are derived again at "Start
        // Stage 2", and a drawing of lots rested on the old rankings.
        t.qualif_a_ecrire = false;
        t.qualif_a_effacer = true;
        parts |= RemoveQualifiers;
    } else if (moved) {
        // The group's two slots follow its new order; the other groups' slots,
        // lots and all, stay.
        const size_t g = size_t(group - t.groupes.data());
        const auto derived = calcule_qualifies(t.groupes, t.liste_matchs);
        t.qualifies[2 * g] = derived[2 * g];
        t.qualifies[2 * g + 1] = derived[2 * g + 1];
        res.reset = dropUnfitting(t);
        parts |= SaveStage2;
        // A qualifier file holds the slots as they now are, or goes when a
        // slot waits for lots again.
        const bool full = std::find(t.qualifies.begin(), t.qualifies.end(), nullptr) == t.qualifies.end();
        if (t.qualif_a_ecrire || qualifierFileKept) {
            t.qualif_a_ecrire = full;
            t.qualif_a_effacer = !full;
            parts |= full ? SaveQualifiers : RemoveQualifiers;
        }
    }
    deriveBracket(t);
    res.done = true;
    res.dirty = parts;
    return res;
}

CorrectionResult correctStage2Match(Tournament &t, char code, const ResultEntry &e)
{
    CorrectionResult res;
    const auto it = std::find_if(t.liste_tour2.begin(), t.liste_tour2.end(),
                                 [code](const TRencontre &m) { return m.code == code; });
    if (it == t.liste_tour2.end() || e.score1 < 0 || e.score2 < 0 || e.score1 == e.score2
        || (e.parts.isSet() && !e.parts.fits(e.score1, e.score2)))
        return res;
    deriveBracket(t);
    const auto [team1, team2] = teamsOfMatch(t, code);
    TRencontre &match = *it;
    res.goalsKept = !takeBackScorers(t, 'K', match, team1, team2);
    match.score1 = e.score1;
    match.score2 = e.score2;
    if (e.parts.isSet())
        t.matchGoals.push_back({'K', code, match.team1, match.team2, 'S', {}, 0, e.parts});
    if (!res.goalsKept) {
        noteScorers(t, match, 'K', team1, e.scorers1, 1);
        noteScorers(t, match, 'K', team2, e.scorers2, 2);
    }
    res.reset = dropUnfitting(t);
    res.done = true;
    res.dirty = SaveStage2 | SaveGroups;
    return res;
}

std::vector<TRencontre> resetByGroupCorrection(const Tournament &t, int index, const ResultEntry &entry)
{
    Tournament copy;
    copyTournament(t, copy);
    return correctGroupMatch(copy, index, entry).reset;
}

std::vector<TRencontre> resetByStage2Correction(const Tournament &t, char code, const ResultEntry &entry)
{
    Tournament copy;
    copyTournament(t, copy);
    return correctStage2Match(copy, code, entry).reset;
}
