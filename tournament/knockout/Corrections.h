#pragma once

#include "tournament/model/Tournament.h"
#include "tournament/group/ResultEntry.h"
#include "tournament/model/TournamentFiles.h"

// Taking back a recorded match.
enum class Deletion {
    Deleted,      // the match and the goals it credited are taken back
    DeletedGoalsKept,  // the match is taken back, its scorers were not kept: the goals stay
    Tour2,       // refused: stage 2 has begun (a group match)
    None,       // refused: no such match, or none that can be taken back
};

struct DeletionResult
{
    Deletion state = Deletion::None;
    TRencontre match; // the match taken back
    unsigned dirty = 0; // the files put out of date (SavePart flags)
    bool done() const { return state == Deletion::Deleted || state == Deletion::DeletedGoalsKept; }
};

// Group matches can be taken back while stage 2 has not begun: phase2 off
// and no knock-out match recorded.
bool groupMatchesEditable(const Tournament &t);

// Deletes group match `index` of liste_matchs while stage 2 has not begun
// (phase2 off, no knock-out match recorded): the group's statistics are
// computed again from the remaining matches, the group is ranked again (the
// ranking it had before the match when no later match of the group
// follows), and the goals the match credited are taken back. The qualifiers
// are derived again at the next "Start Stage 2", so qualif.dat is to go.
DeletionResult deleteGroupMatch(Tournament &t, int index);

// The knock-out match deleteStage2Match would take back: the last one of
// liste_tour2 whose teams have not played a later round since; -1 for none.
int lastStage2Match(const Tournament &t);
// Takes that match and its goals back; the bracket is derived again.
DeletionResult deleteStage2Match(Tournament &t);

// Correcting a recorded match in place.
struct CorrectionResult
{
    bool done = false;      // false: no such match, or an entry the checks would refuse
    bool goalsKept = false; // the match's scorers were not kept: the players' goals stay as they were
    std::vector<TRencontre> reset; // the knock-out matches taken back with it, in bracket order
    unsigned dirty = 0;            // the files put out of date (SavePart flags)
};

// Gives group match `index` the entry's score and scorers; its group and
// teams stay. The goals it credited are taken back and the new ones
// credited, the group's figures come again from its matches and it is
// ranked again. Also once stage 2 has begun: when the group's order
// changes, its two qualifier slots follow (a slot only lots can decide
// stays empty), and every knock-out match whose teams the bracket no longer
// puts there is taken back with its goals, and what rested on it.
// qualifierFileKept tells whether the folder holds a qualif.dat, which then
// follows the slots (written again, or removed while a slot waits for lots).
CorrectionResult correctGroupMatch(Tournament &t, int index, const ResultEntry &entry,
                                   bool qualifierFileKept = false);
// Gives the recorded knock-out match of `code` the entry's score, its parts
// and scorers; a changed winner takes back the later matches that rested on
// it, and those that rested on them.
CorrectionResult correctStage2Match(Tournament &t, char code, const ResultEntry &entry);

// What those would take back, t unchanged: the question before a correction
// names them.
std::vector<TRencontre> resetByGroupCorrection(const Tournament &t, int index, const ResultEntry &entry);
std::vector<TRencontre> resetByStage2Correction(const Tournament &t, char code, const ResultEntry &entry);

// The scorer lines a recorded match credited, side 1 and 2, in the order
// they were credited: what a correction starts from.
std::pair<QStringList, QStringList> creditedScorers(const Tournament &t, char liste, const TRencontre &match);
