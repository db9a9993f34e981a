#pragma once

#include <array>
#include <memory>
#include <optional>
#include <vector>

#include <QString>
#include <QtGlobal>

#include "tournament/model/KnockoutScore.h"
#include "tournament/model/ShortName.h"

// One squad entry. An empty name marks a free entry; the squad is filled from
// the first entry without gaps.
struct TJoueur
{
    ShortName name;
    qint32 goals = 0;
};

constexpr int kSquadSize = 23;
constexpr int kGroupCount = 8;
constexpr int kTeamsPerGroup = 4;
constexpr int kGroupMatchCount = 48;
constexpr int kStage2MatchCount = 16;
constexpr int kQualifierCount = 16;

// One team with its group statistics (group matches only) and its squad.
struct TEquipe
{
    ShortName name;
    qint32 played = 0;
    qint32 points = 0;
    qint32 goals_for = 0;
    qint32 goals_against = 0;
    ShortName flag; // base name of the flag bitmap; the file is flag + ".bmp"
    std::array<TJoueur, kSquadSize> squad{};

    int goalDifference() const { return goals_for - goals_against; }
    // Number of players: the filled entries before the first free one.
    int playerCount() const;
    // The picture file of the team's flag (flag base name + ".bmp").
    QString flagFile() const;
};

// One group. The teams are held in ranking order; team records keep their
// address for the whole run, so links to them (qualifier slots, bracket)
// stay valid while the group is re-ranked.
struct TGroupe
{
    char letter = 'A';
    std::vector<std::unique_ptr<TEquipe>> teams;
};

// One played match. Teams are referred to by name; a knock-out score is the
// score after penalty kicks and so never level.
struct TRencontre
{
    char code = 0;
    ShortName team1;
    ShortName team2;
    qint32 score1 = 0;
    qint32 score2 = 0;
};

using MatchList = std::vector<TRencontre>;

// One entry of buteurs.dat, what the match files cannot hold: which goals a
// recorded match credited to which players, and for a group match the
// group's ranking before it, so that the match can be taken back.
struct TButMatch
{
    char liste = 'G'; // 'G' a match of liste_matchs, 'K' one of liste_tour2
    char code = 0;    // the match's code, team1 and team2 as stored
    ShortName team1;
    ShortName team2;
    char kind = 'M'; // 'M' the match itself, 'B' one goal credited, 'R' a place before the match,
                     // 'S' how a knock-out match went beyond 90 minutes
    ShortName nom;    // 'B': the player; 'R': the team
    quint8 sideNo = 0;  // 'B': 1 for a player of team1, 2 of team2; 'R': the place 1..4
    KnockoutScore parts{}; // 'S': after 90 minutes, after extra time, the shoot-out

    bool belongsTo(char l, const TRencontre &m) const
    {
        return liste == l && code == m.code && team1 == m.team1 && team2 == m.team2;
    }
};

// One entry of the best-scorer list: a copy of the squad entry and its team.
struct TButeur
{
    TJoueur player;
    const TEquipe *team = nullptr;
};

// The whole state of the tournament program: owned by the main window,
// handed to every window by reference. Not copyable, since the qualifier and
// bracket slots point into the groups.
class Tournament
{
public:
    Tournament() = default;
    Tournament(const Tournament &) = delete;
    Tournament &operator=(const Tournament &) = delete;

    std::vector<TGroupe> groupes;     // 'A'..'H' in letter order once loaded
    MatchList liste_matchs;           // group matches in entry order, at most 48
    MatchList liste_tour2;            // stage-2 matches, at most 16, one per code
    std::vector<TButMatch> matchGoals; // buteurs.dat: the scorers of each recorded match

    std::array<TEquipe *, kQualifierCount> qualifies{}; // slot 2g winner, 2g+1 runner-up of group g
    std::array<TEquipe *, 8> quarts{};        // winners of '1'..'8'
    std::array<TEquipe *, 4> demis{};         // winners of 'A'..'D'
    std::array<TEquipe *, 2> finalistes{};    // winners of 'F', 'G'
    std::array<TEquipe *, 2> petite_finale{}; // losers of 'F', 'G'
    TEquipe *champion = nullptr;              // winner of 'Z'
    TEquipe *troisieme_place = nullptr;       // winner of 'Y'

    char code_match = 0;      // stage-2 match being entered
    quint8 place_tirage = 0;  // qualifier slot being decided by lots

    bool phase2 = false;
    bool modifie = false;
    bool qualif_a_ecrire = false;
    bool qualif_a_effacer = false;
    bool chargement_ok = false;

    // Lookups; each gives nullptr (or -1) when nothing matches, the first hit
    // in group and ranking order otherwise.
    TGroupe *findGroup(const QString &letterText);
    const TGroupe *findGroup(const QString &letterText) const;
    TEquipe *cherche_equipe(const ShortName &name);
    const TEquipe *cherche_equipe(const ShortName &name) const;
    TEquipe *cherche_equipe(const QString &name) { return cherche_equipe(ShortName::fromText(name)); }

    // Sets played, points and goals of every team and the goals of every
    // player to 0; order, names, flags and players stay.
    void resetStatistics();

    // Empties the derived knock-out slots (quarts ... troisieme_place).
    void clearBracket();
    // Empties the sixteen qualifier slots.
    void clearQualifiers() { qualifies.fill(nullptr); }
};

// How a recorded knock-out match was decided beyond 90 minutes, as
// buteurs.dat keeps it; unset for one decided in 90 minutes, one recorded
// before the parts were kept, or a note that no longer adds up to the
// stored score (a match file changed by hand).
KnockoutScore stage2Parts(const Tournament &t, const TRencontre &match);

// Makes `to` a copy of `from` with teams of its own: its qualifier and
// bracket slots point into its own groups. Used to see what a change would
// do before it is made.
void copyTournament(const Tournament &from, Tournament &to);

// Team of one group by exact name (nullptr for no group or no such team).
TEquipe *findTeamInGroup(TGroupe *group, const ShortName &name);
const TEquipe *findTeamInGroup(const TGroupe *group, const ShortName &name);

// Index 0..22 of the first squad entry with that exact name, or -1.
int findPlayer(const TEquipe *team, const ShortName &name);
// Index of the last filled squad entry: -1 for no team and for an empty squad.
int lastPlayerIndex(const TEquipe *team);

// Adds one group result to both teams: played, goals, 3 points for a win,
// 1 each for a draw.
void enregistre_resultat(TEquipe *team1, TEquipe *team2, int score1, int score2);

// Stores a new player (name cut to 20 bytes, 0 goals) after the last one.
// Refused (false) for no team or a full squad of 23; an empty squad takes a
// first player.
bool addPlayer(TEquipe *team, const ShortName &name);
// Removes the first player of that name: the last player moves into his
// entry. False when the name is not in the squad.
bool removePlayer(TEquipe *team, const ShortName &name);
// Credits one goal to the first player of that name; "csc" (own goal) and
// names not in the squad are skipped. True when a goal was credited.
bool creditOneGoal(TEquipe *team, const ShortName &name);

// The own-goal name of the scorer lists.
inline const ShortName &ownGoalName()
{
    static const ShortName csc("csc");
    return csc;
}

// Match lists.
MatchList &addMatch(MatchList &list, char code, const ShortName &team1, const ShortName &team2,
                        int score1, int score2);
bool deja_joue(const MatchList &list, const ShortName &name1, const ShortName &name2);
const TRencontre *match_entre(const MatchList &list, const TEquipe *a, const TEquipe *b);
// The winner's (loser's) name; empty for a level score or no match.
ShortName vainqueur(const TRencontre *match);
ShortName perdant(const TRencontre *match);
