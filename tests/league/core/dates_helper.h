#pragma once

#include "league/model/League.h"

// A small league with a postponed match, for the tables "as of a day":
// "Elf 1" to "Elf 4" over two matchdays. Matchday 1 on 1 and 2 August 2026:
// 1 – 2 2:0, and 3 – 4 1:0 played on 19 August; matchday 2 on 8 August:
// 3 – 1 0:3, 4 – 2 1:1.
void fillPostponedLeague(League &l);
