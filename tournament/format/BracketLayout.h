#pragma once

#include <array>
#include <vector>

#include <QString>

#include "tournament/format/TournamentFormat.h"

// Where each knock-out match of a format stands when the bracket is drawn:
// the final in the middle column, the half of the draw that feeds its first
// team to the left and the other half mirrored to the right, each match
// level with the middle of the two it follows from. Pure geometry in units
// of columns and match rows, so that any window (or a test) can use it.
namespace BracketLayout {

// What a side shows before its team is known: "1A", "2B", "3C/D/E/F",
// "W74", "L101".
QString sideLabel(const FormatSide &side);

struct Place
{
    int column = 0;   // 0 .. columns - 1, left to right
    double row = 0;   // the match's centre, in rows from the top (0.5 is the first row's middle)
    bool left = true; // on the left half (its winner goes to the right); the final counts as left
};

struct Layout
{
    int columns = 0;
    double rows = 0;           // the height of the drawing in rows
    std::vector<Place> places; // one per match of the format, in its order
    // For each match, the earlier matches whose winners play in it (the
    // lines of the drawing run from those to it); -1 where a side is a group place.
    std::vector<std::array<int, 2>> feeders;
};

Layout layout(const TournamentFormat &f);

} // namespace BracketLayout
