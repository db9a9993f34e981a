#pragma once

#include <QStringList>

#include "tournament/model/Tournament.h"
#include "tournament/model/TournamentFiles.h"

// The values of the "New Result" page as the checks read them.
struct ResultEntry
{
    QString groupText;
    QString team1Text;
    QString team2Text;
    int score1 = 0;
    int score2 = 0;
    QStringList scorers1; // lines of buteur1, top to bottom
    QStringList scorers2;
    // A knock-out match that went beyond 90 minutes: its parts, with score1
    // and score2 then the stored score (the kicks added) once they are well
    // formed; unset for a match decided in 90 minutes, or where the score
    // was typed with the kicks added, as before the parts were kept.
    KnockoutScore parts{};

    bool operator==(const ResultEntry &) const = default;
};

// Which dialog answers a "Valider".
enum class EntryAnswer {
    Confirm,         // Tvalidation
    OwnGoal,         // Tcontre_camp
    AlreadyRecorded, // Tdeja_lieu
    WrongEntries,    // Tsaisie_inco
    Penalties,       // Tmatch_nul (stage 2 only)
};

// The group check of "Valider".
EntryAnswer checkGroupEntry(const Tournament &t, const ResultEntry &entry);

// Records a confirmed group match: statistics, match list, re-ranking of the
// group, scorers. Returns the files it put out of date (SavePart flags:
// matches and groups); 0 when the entry names no group or team, the same
// team twice or a negative score (nothing is recorded then).
unsigned storeGroupMatch(Tournament &t, const ResultEntry &entry);

// Credits one goal per line to the team's players, skipping "csc" and
// unknown names.
void creditScorers(TEquipe *team, const QStringList &scorers);

// Credits the goals as creditScorers does and notes each credited one in
// matchGoals for that match (sideNo 1 for team1's players, 2 for team2's).
void noteScorers(Tournament &t, const TRencontre &match, char liste, TEquipe *team, const QStringList &scorers,
                  int sideNo);
// Forgets the entries of a match that is no longer recorded (after a reset),
// before the same match is noted again.
void forgetMatch(Tournament &t, char liste, const TRencontre &match);
