#include "tournament/model/Tournament.h"

int TEquipe::playerCount() const
{
    return lastPlayerIndex(this) + 1;
}

QString TEquipe::flagFile() const
{
    return flag.text() + QStringLiteral(".bmp");
}

TGroupe *Tournament::findGroup(const QString &letterText)
{
    return const_cast<TGroupe *>(std::as_const(*this).findGroup(letterText));
}

const TGroupe *Tournament::findGroup(const QString &letterText) const
{
    if (letterText.isEmpty())
        return nullptr;
    for (const TGroupe &g : groupes)
        if (QString(QLatin1Char(g.letter)) == letterText)
            return &g;
    return nullptr;
}

TEquipe *Tournament::cherche_equipe(const ShortName &name)
{
    return const_cast<TEquipe *>(std::as_const(*this).cherche_equipe(name));
}

const TEquipe *Tournament::cherche_equipe(const ShortName &name) const
{
    for (const TGroupe &g : groupes)
        if (const TEquipe *team = findTeamInGroup(&g, name))
            return team;
    return nullptr;
}

void Tournament::resetStatistics()
{
    for (TGroupe &g : groupes)
        for (auto &team : g.teams) {
            team->played = team->points = team->goals_for = team->goals_against = 0;
            for (TJoueur &p : team->squad)
                if (!p.name.isEmpty())
                    p.goals = 0;
        }
}

void Tournament::clearBracket()
{
    quarts.fill(nullptr);
    demis.fill(nullptr);
    finalistes.fill(nullptr);
    petite_finale.fill(nullptr);
    champion = nullptr;
    troisieme_place = nullptr;
}

TEquipe *findTeamInGroup(TGroupe *group, const ShortName &name)
{
    return const_cast<TEquipe *>(findTeamInGroup(static_cast<const TGroupe *>(group), name));
}

const TEquipe *findTeamInGroup(const TGroupe *group, const ShortName &name)
{
    if (!group)
        return nullptr;
    for (const auto &team : group->teams)
        if (team->name == name)
            return team.get();
    return nullptr;
}

int findPlayer(const TEquipe *team, const ShortName &name)
{
    if (!team)
        return -1;
    for (int i = 0; i < kSquadSize; ++i)
        if (team->squad[i].name == name)
            return i;
    return -1;
}

int lastPlayerIndex(const TEquipe *team)
{
    if (!team)
        return -1;
    int last = -1;
    while (last + 1 < kSquadSize && !team->squad[last + 1].name.isEmpty())
        ++last;
    return last;
}

void enregistre_resultat(TEquipe *team1, TEquipe *team2, int score1, int score2)
{
    team1->played += 1;
    team2->played += 1;
    team1->goals_for += score1;
    team1->goals_against += score2;
    team2->goals_for += score2;
    team2->goals_against += score1;
    if (score1 > score2) {
        team1->points += 3;
    } else if (score2 > score1) {
        team2->points += 3;
    } else {
        team1->points += 1;
        team2->points += 1;
    }
}

bool addPlayer(TEquipe *team, const ShortName &name)
{
    // An empty name would end the squad early and hide the players after it.
    if (!team || name.isEmpty())
        return false;
    const int next = lastPlayerIndex(team) + 1;
    if (next >= kSquadSize)
        return false;
    team->squad[next] = TJoueur{ShortName::stored(name.bytes()), 0};
    return true;
}

bool removePlayer(TEquipe *team, const ShortName &name)
{
    // Searching for an empty name would find the first free entry.
    if (!team || name.isEmpty())
        return false;
    const int index = findPlayer(team, name);
    const int last = lastPlayerIndex(team);
    if (index < 0 || last < 0)
        return false;
    team->squad[index] = team->squad[last];
    team->squad[last] = TJoueur{};
    return true;
}

bool creditOneGoal(TEquipe *team, const ShortName &name)
{
    if (!team || name.isEmpty() || name == ownGoalName())
        return false;
    const int index = findPlayer(team, name);
    if (index < 0)
        return false;
    team->squad[index].goals += 1;
    return true;
}

MatchList &addMatch(MatchList &list, char code, const ShortName &team1, const ShortName &team2,
                        int score1, int score2)
{
    list.push_back(TRencontre{code, ShortName::stored(team1.bytes()), ShortName::stored(team2.bytes()),
                              score1, score2});
    return list;
}

bool deja_joue(const MatchList &list, const ShortName &name1, const ShortName &name2)
{
    for (const TRencontre &m : list)
        if ((m.team1 == name1 && m.team2 == name2) || (m.team1 == name2 && m.team2 == name1))
            return true;
    return false;
}

const TRencontre *match_entre(const MatchList &list, const TEquipe *a, const TEquipe *b)
{
    if (!a || !b)
        return nullptr;
    for (const TRencontre &m : list)
        if ((m.team1 == a->name && m.team2 == b->name) || (m.team1 == b->name && m.team2 == a->name))
            return &m;
    return nullptr;
}

ShortName vainqueur(const TRencontre *match)
{
    if (!match || match->score1 == match->score2)
        return {};
    return match->score1 > match->score2 ? match->team1 : match->team2;
}

ShortName perdant(const TRencontre *match)
{
    if (!match || match->score1 == match->score2)
        return {};
    return match->score1 > match->score2 ? match->team2 : match->team1;
}

KnockoutScore stage2Parts(const Tournament &t, const TRencontre &match)
{
    for (const TButMatch &b : t.matchGoals)
        if (b.kind == 'S' && b.belongsTo('K', match) && b.parts.fits(match.score1, match.score2))
            return b.parts;
    return {};
}

void copyTournament(const Tournament &from, Tournament &to)
{
    // Each team of `from` and its copy, so that every slot can follow.
    std::vector<std::pair<const TEquipe *, TEquipe *>> copies;
    to.groupes.clear();
    for (const TGroupe &g : from.groupes) {
        TGroupe c;
        c.letter = g.letter;
        for (const auto &team : g.teams) {
            c.teams.push_back(std::make_unique<TEquipe>(*team));
            copies.emplace_back(team.get(), c.teams.back().get());
        }
        to.groupes.push_back(std::move(c));
    }
    const auto same = [&](const TEquipe *team) -> TEquipe * {
        for (const auto &[old, copy] : copies)
            if (old == team)
                return copy;
        return nullptr;
    };
    const auto follow = [&](auto &dst, const auto &src) {
        for (size_t i = 0; i < src.size(); ++i)
            dst[i] = same(src[i]);
    };
    to.liste_matchs = from.liste_matchs;
    to.liste_tour2 = from.liste_tour2;
    to.matchGoals = from.matchGoals;
    follow(to.qualifies, from.qualifies);
    follow(to.quarts, from.quarts);
    follow(to.demis, from.demis);
    follow(to.finalistes, from.finalistes);
    follow(to.petite_finale, from.petite_finale);
    to.champion = same(from.champion);
    to.troisieme_place = same(from.troisieme_place);
    to.code_match = from.code_match;
    to.place_tirage = from.place_tirage;
    to.phase2 = from.phase2;
    to.modifie = from.modifie;
    to.qualif_a_ecrire = from.qualif_a_ecrire;
    to.qualif_a_effacer = from.qualif_a_effacer;
    to.chargement_ok = from.chargement_ok;
}
