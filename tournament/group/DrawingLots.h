#pragma once

#include <vector>

#include "tournament/model/Tournament.h"
#include "tournament/model/TournamentFiles.h"

// What the "Drawing Lots" window shows for slot place_tirage.
struct LotsCandidates
{
    char groupLetter = 0;   // 'A' + place_tirage / 2
    bool premier = true;    // even slot: the group winner; odd: the runner-up
    std::vector<TEquipe *> teams;

    QString positionText() const { return premier ? QStringLiteral("premier") : QStringLiteral("second"); }
};

// Window shown: sets modifie and moves place_tirage to the first empty slot
// (stays 0 when there is none).
void openLots(Tournament &t);

// The candidates for slot place_tirage.
LotsCandidates lotsCandidates(Tournament &t);

enum class LotsNext {
    NextSlot, // candidates for the new place_tirage are to be listed
    Finished, // every slot is decided: finish the drawing
};

// "OK" with one team chosen (looked up by its name): fills slot place_tirage
// (and the next slot for an even slot with exactly two candidates) and
// moves to the next empty slot.
LotsNext chooseTeam(Tournament &t, const LotsCandidates &candidates, const ShortName &chosen);

// Finishing: qualif_a_ecrire is set (the drawn slots wait for qualif.dat),
// qualif_a_effacer cleared and phase2 set. Returns the file it put out of
// date: SaveQualifiers.
unsigned finishLots(Tournament &t);
