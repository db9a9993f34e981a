#include "dates_helper.h"

void fillPostponedLeague(League &l)
{
    l.reshape(4, 2);
    for (int i = 1; i <= 4; ++i)
        l.teamNames[i] = QStringLiteral("Elf %1").arg(i);
    l.dates(1) = RoundDates{"01.08.2026", "02.08.2026"};
    l.dates(2) = RoundDates{"08.08.2026", "08.08.2026"};
    l.match(1, 1) = Match{1, 2, 2, 0};
    l.match(1, 2) = Match{3, 4, 1, 0};
    l.match(1, 2).date = QDate(2026, 8, 19);
    l.match(2, 1) = Match{3, 1, 0, 3};
    l.match(2, 2) = Match{4, 2, 1, 1};
}
