#pragma once

#include <QString>

#include "tournament/group/DrawingLots.h"
#include "tournament/group/ResultEntry.h"
#include "tournament/knockout/Bracket.h"
#include "tournament/knockout/Corrections.h"
#include "tournament/model/FileResult.h"
#include "tournament/model/Tournament.h"

// The user's commands on a tournament. The group and knock-out layers only
// change the tournament in memory and name the files the change put out of
// date; a command makes the change and then keeps it: with automatic save
// those files are written at once as one set, otherwise the tournament is
// marked modified for "Save". A failed write leaves it marked modified too,
// so that nothing the user did is lost when the program ends.
namespace TournamentCommands {

// The outcome of a change together with the outcome of writing its files.
template <typename Change>
struct Saved : Change
{
    FileResult save;
};

// Keeps a change that put the files of `dirty` (SavePart flags) out of
// date; nothing happens for 0. A qualifier file that is written or removed
// clears the flag that held it pending.
FileResult keep(Tournament &t, unsigned dirty, bool autoSave, const QString &dir);

// A confirmed group match; false with an empty error when the entry was
// refused and nothing was recorded.
FileResult storeGroupMatch(Tournament &t, const ResultEntry &entry, bool autoSave, const QString &dir);
// A confirmed knock-out match for code_match.
Saved<AfterStage2Entry> storeStage2Match(Tournament &t, const ResultEntry &entry, bool autoSave,
                                         const QString &dir);
// The drawing of lots is finished: qualif.dat holds the slots.
FileResult finishLots(Tournament &t, bool autoSave, const QString &dir);

Saved<DeletionResult> deleteGroupMatch(Tournament &t, int index, bool autoSave, const QString &dir);
Saved<DeletionResult> deleteStage2Match(Tournament &t, bool autoSave, const QString &dir);
Saved<CorrectionResult> correctGroupMatch(Tournament &t, int index, const ResultEntry &entry, bool autoSave,
                                          const QString &dir);
Saved<CorrectionResult> correctStage2Match(Tournament &t, char code, const ResultEntry &entry, bool autoSave,
                                           const QString &dir);

// "Reset All"; once every file is written the tournament is as saved.
FileResult resetEverything(Tournament &t, bool autoSave, const QString &dir);
// "Reset Stage 2".
FileResult resetStageTwo(Tournament &t, bool autoSave, const QString &dir);

// A team's name, squad or figures were edited in memory: its group file.
FileResult teamEdited(Tournament &t, bool autoSave, const QString &dir);

} // namespace TournamentCommands

// "Start Stage 2" reads the folder's qualifier file, so it belongs here and
// not to the knock-out layer beside it, which only decides where the slots
// come from.

// Fills the qualifier slots from qualif.dat, or from the rankings as they
// stand (calcule_qualifies) when there is no qualifier file to read; an
// unreadable file is reported all the same.
FileResult loadQualifiers(Tournament &t, const QString &dir);
// Step 2: the qualifier slots as qualifierSource asks. Returns the read's
// outcome.
FileResult prepareQualifiers(Tournament &t, const QString &dir);
// Steps 2 and 3: true when the drawing of lots must be shown (enterStage2).
bool beginStage2(Tournament &t, const QString &dir, FileResult *read = nullptr);
