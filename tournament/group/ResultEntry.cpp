#include "tournament/group/ResultEntry.h"

#include "tournament/group/Ranking.h"

namespace {

bool scorerCountsMatch(const ResultEntry &e)
{
    return e.scorers1.size() == e.score1 && e.scorers2.size() == e.score2;
}

// Fewer scorer lines than goals is an own goal (or penalty kicks); more
// lines than goals on either side can only be a mistake.
EntryAnswer missingScorersAnswer(const ResultEntry &e)
{
    return e.scorers1.size() <= e.score1 && e.scorers2.size() <= e.score2 ? EntryAnswer::OwnGoal
                                                                          : EntryAnswer::WrongEntries;
}

} // namespace

EntryAnswer checkGroupEntry(const Tournament &t, const ResultEntry &e)
{
    const TGroupe *group = t.findGroup(e.groupText);
    const TEquipe *team1 = findTeamInGroup(group, ShortName::fromText(e.team1Text));
    const TEquipe *team2 = findTeamInGroup(group, ShortName::fromText(e.team2Text));
    const bool v = group && team1 && team2;
    const bool d = team1 != team2;
    const bool s = e.score1 >= 0 && e.score2 >= 0;
    const bool m = scorerCountsMatch(e);
    const bool p = deja_joue(t.liste_matchs, ShortName::fromText(e.team1Text), ShortName::fromText(e.team2Text));

    if (v && d && s && m && !p)
        return EntryAnswer::Confirm;
    if (v && d && s && !p)
        return missingScorersAnswer(e);
    if (p)
        return EntryAnswer::AlreadyRecorded;
    return EntryAnswer::WrongEntries;
}

void creditScorers(TEquipe *team, const QStringList &scorers)
{
    for (const QString &line : scorers)
        creditOneGoal(team, ShortName::fromText(line));
}

void forgetMatch(Tournament &t, char liste, const TRencontre &match)
{
    std::erase_if(t.matchGoals, [&](const TButMatch &b) { return b.belongsTo(liste, match); });
}

void noteScorers(Tournament &t, const TRencontre &match, char liste, TEquipe *team, const QStringList &scorers,
                  int sideNo)
{
    for (const QString &line : scorers) {
        const ShortName name = ShortName::fromText(line);
        if (creditOneGoal(team, name))
            t.matchGoals.push_back({liste, match.code, match.team1, match.team2, 'B', name, quint8(sideNo), {}});
    }
}

unsigned storeGroupMatch(Tournament &t, const ResultEntry &e)
{
    TGroupe *group = t.findGroup(e.groupText);
    TEquipe *team1 = findTeamInGroup(group, ShortName::fromText(e.team1Text));
    TEquipe *team2 = findTeamInGroup(group, ShortName::fromText(e.team2Text));
    // The same refusals as the check: a team cannot play itself, and a
    // negative score would corrupt the figures.
    if (!group || !team1 || !team2 || team1 == team2 || e.score1 < 0 || e.score2 < 0)
        return 0;

    // The ranking before the match and the goals it credits go to
    // buteurs.dat, so that the match can be taken back exactly.
    std::vector<TButMatch> notes;
    for (size_t i = 0; i < group->teams.size(); ++i)
        notes.push_back({'G', group->letter, team1->name, team2->name, 'R', group->teams[i]->name, quint8(i + 1), {}});

    enregistre_resultat(team1, team2, e.score1, e.score2);
    addMatch(t.liste_matchs, group->letter, team1->name, team2->name, e.score1, e.score2);
    trie_groupe(t.liste_matchs, *group);
    forgetMatch(t, 'G', t.liste_matchs.back());
    t.matchGoals.push_back({'G', group->letter, team1->name, team2->name, 'M', {}, 0, {}});
    t.matchGoals.insert(t.matchGoals.end(), notes.begin(), notes.end());
    noteScorers(t, t.liste_matchs.back(), 'G', team1, e.scorers1, 1);
    noteScorers(t, t.liste_matchs.back(), 'G', team2, e.scorers2, 2);
    return SaveMatches | SaveGroups;
}
