#pragma once

#include "FuzzCheck.h"

#include "tournament/model/Tournament.h"

// Names never hold more than the 20 bytes their field has.
inline void checkTeamFields(const TEquipe &t)
{
    FUZZ_CHECK(t.name.size() <= ShortName::MaxLength, "team name at most 20 bytes");
    FUZZ_CHECK(t.flag.size() <= ShortName::MaxLength, "flag name at most 20 bytes");
    const int players = t.playerCount();
    FUZZ_CHECK(players >= 0 && players <= kSquadSize, "squad size 0..23");
    for (int i = 0; i < kSquadSize; ++i) {
        FUZZ_CHECK(t.squad[i].name.size() <= ShortName::MaxLength, "player name at most 20 bytes");
        // The squad is filled from the first entry without gaps.
        FUZZ_CHECK((i < players) == !t.squad[i].name.isEmpty(), "no gaps in the squad");
    }
}

inline bool sameTeam(const TEquipe &a, const TEquipe &b)
{
    if (a.name != b.name || a.flag != b.flag || a.played != b.played || a.points != b.points
        || a.goals_for != b.goals_for || a.goals_against != b.goals_against)
        return false;
    for (int i = 0; i < kSquadSize; ++i)
        if (a.squad[i].name != b.squad[i].name || a.squad[i].goals != b.squad[i].goals)
            return false;
    return true;
}
