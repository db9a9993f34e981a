#pragma once

#include <array>

#include <QString>

#include "tournament/model/Tournament.h"
#include "tournament/model/TournamentFiles.h"
#include "tournament/group/ResultEntry.h"

// The fixed pairings of the bracket.
inline constexpr std::array<int, 8> tirage_premier = {0, 2, 4, 6, 8, 10, 12, 14};
inline constexpr std::array<int, 8> tirage_second = {3, 1, 7, 5, 11, 9, 15, 13};
inline constexpr std::array<char, 4> quart_premier = {'1', '2', '5', '6'};
inline constexpr std::array<char, 4> quart_second = {'4', '3', '8', '7'};
inline constexpr std::array<char, 2> demi_premier = {'A', 'B'};
inline constexpr std::array<char, 2> demi_second = {'C', 'D'};

// The sixteen stage-2 codes in button order: '1'..'8', 'A'..'D', 'F', 'G',
// 'Y' (third place), 'Z' (final).
inline constexpr std::array<char, kStage2MatchCount> kStage2Codes = {
    '1', '2', '3', '4', '5', '6', '7', '8', 'A', 'B', 'C', 'D', 'F', 'G', 'Y', 'Z'};
bool isStage2Code(char code);
// "Round of 16", "Quarter-finals", "Semi-finals", "Match for third place",
// "Final" for a stage-2 code: the export's headings and the questions' names.
QString roundHeading(char code);

// Derives quarts ... troisieme_place from the qualifier slots and liste_tour2.
void deriveBracket(Tournament &t);

// The two teams of a stage-2 match from the current bracket slots
// (nullptr where not known yet).
std::pair<TEquipe *, TEquipe *> teamsOfMatch(const Tournament &t, char code);

// The recorded stage-2 match of that code, or nullptr while it is not played.
const TRencontre *stage2Match(const Tournament &t, char code);

// Enabling of the knock-out window's controls after deriveBracket.
struct ButtonStates
{
    bool avert = false;                               // warning line visible
    std::array<bool, kStage2MatchCount> enabled{};    // in kStage2Codes order
    bool bilan = false;                               // "Rankings" visible

    bool isEnabled(char code) const;
};
ButtonStates buttonStates(const Tournament &t);

// Where "Start Stage 2" takes the qualifier slots from: derived from the
// rankings again after a change that put the old ones out of date, kept as a
// finished drawing of lots left them before it is saved, or read from the
// qualifier file (derived where there is none). The reading is the command
// layer's, which knows the folder.
enum class QualifierSource { Derive, Keep, File };
QualifierSource qualifierSource(const Tournament &t);
// Once the slots are in place: true when the drawing of lots must be shown
// (48 matches and an empty slot); otherwise the knock-out window opens and
// phase2 is set.
bool enterStage2(Tournament &t);

// The stage-2 check of "valider2".
EntryAnswer checkStage2Entry(const Tournament &t, const ResultEntry &entry);

// What the windows do after a stage-2 result is recorded.
struct AfterStage2Entry
{
    bool recorded = true;      // false for a level or negative score: nothing changed
    bool showChampion = false; // the final: the champion screen, else the bracket
    bool showRankings = false; // the third-place match with the champion known
    unsigned dirty = 0;        // the files put out of date (SavePart flags)
};
// Records a confirmed stage-2 match for code_match. A knock-out match
// cannot end level, so such a score is refused whatever the caller checked.
AfterStage2Entry storeStage2Match(Tournament &t, const ResultEntry &entry);

// Texts of the rankings window ("1-" + name ...), empty where unknown.
struct Bilan
{
    QString premier, second, troisieme, quatrieme;
};
Bilan bilan(const Tournament &t);
