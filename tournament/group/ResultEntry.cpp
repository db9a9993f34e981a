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

EntryAnswer verifie_groupe(const Tournament &t, const ResultEntry &e)
{
    const TGroupe *group = t.cherche_groupe(e.groupText);
    const TEquipe *team1 = cherche_equipe_groupe(group, ShortName::fromText(e.team1Text));
    const TEquipe *team2 = cherche_equipe_groupe(group, ShortName::fromText(e.team2Text));
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

void credite_buteurs(TEquipe *team, const QStringList &scorers)
{
    for (const QString &line : scorers)
        credite_but(team, ShortName::fromText(line));
}

FileResult enregistre_match_groupe(Tournament &t, const ResultEntry &e, bool sauveAuto, const QString &dir)
{
    TGroupe *group = t.cherche_groupe(e.groupText);
    TEquipe *team1 = cherche_equipe_groupe(group, ShortName::fromText(e.team1Text));
    TEquipe *team2 = cherche_equipe_groupe(group, ShortName::fromText(e.team2Text));
    // The same refusals as the check: a team cannot play itself, and a
    // negative score would corrupt the figures.
    if (!group || !team1 || !team2 || team1 == team2 || e.score1 < 0 || e.score2 < 0)
        return FileResult::failure(QString());

    enregistre_resultat(team1, team2, e.score1, e.score2);
    ajoute_match(t.liste_matchs, group->letter, team1->name, team2->name, e.score1, e.score2);
    trie_groupe(t.liste_matchs, *group);
    credite_buteurs(team1, e.scorers1);
    credite_buteurs(team2, e.scorers2);

    if (!sauveAuto) {
        t.modifie = true;
        return {};
    }
    FileResult r = sauve_matchs(t, dir);
    if (r.ok)
        r = sauve_groupes(t, dir);
    if (!r.ok)
        t.modifie = true; // what was not written is still to be saved
    return r;
}
