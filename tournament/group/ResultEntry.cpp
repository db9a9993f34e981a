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

void oublie_match(Tournament &t, char liste, const TRencontre &match)
{
    std::erase_if(t.buts_matchs, [&](const TButMatch &b) { return b.estDe(liste, match); });
}

void note_buteurs(Tournament &t, const TRencontre &match, char liste, TEquipe *team, const QStringList &scorers,
                  int cote)
{
    for (const QString &line : scorers) {
        const ShortName name = ShortName::fromText(line);
        if (credite_but(team, name))
            t.buts_matchs.push_back({liste, match.code, match.team1, match.team2, 'B', name, quint8(cote)});
    }
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

    // The ranking before the match and the goals it credits go to
    // buteurs.dat, so that the match can be taken back exactly.
    std::vector<TButMatch> notes;
    for (size_t i = 0; i < group->teams.size(); ++i)
        notes.push_back({'G', group->letter, team1->name, team2->name, 'R', group->teams[i]->name, quint8(i + 1)});

    enregistre_resultat(team1, team2, e.score1, e.score2);
    ajoute_match(t.liste_matchs, group->letter, team1->name, team2->name, e.score1, e.score2);
    trie_groupe(t.liste_matchs, *group);
    oublie_match(t, 'G', t.liste_matchs.back());
    t.buts_matchs.push_back({'G', group->letter, team1->name, team2->name, 'M', {}, 0});
    t.buts_matchs.insert(t.buts_matchs.end(), notes.begin(), notes.end());
    note_buteurs(t, t.liste_matchs.back(), 'G', team1, e.scorers1, 1);
    note_buteurs(t, t.liste_matchs.back(), 'G', team2, e.scorers2, 2);

    if (!sauveAuto) {
        t.modifie = true;
        return {};
    }
    const FileResult r = sauve_ensemble(t, dir, SaveMatches | SaveGroups);
    if (!r.ok)
        t.modifie = true; // what was not written is still to be saved
    return r;
}
