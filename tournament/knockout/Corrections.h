#pragma once

#include "tournament/model/Tournament.h"
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
    FileResult save;
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
// are derived again at the next "Start Stage 2". Saves like a recorded result.
DeletionResult deleteGroupMatch(Tournament &t, int index, bool autoSave, const QString &dir);

// The knock-out match deleteStage2Match would take back: the last one of
// liste_tour2 whose teams have not played a later round since; -1 for none.
int lastStage2Match(const Tournament &t);
// Takes that match and its goals back; the bracket is derived again.
DeletionResult deleteStage2Match(Tournament &t, bool autoSave, const QString &dir);
