#pragma once

#include "FuzzCheck.h"

#include "league/model/IniFile.h"
#include "league/model/League.h"
#include "league/model/LeagueFile.h"

// What every loaded league must hold, whatever the file said: a shape in
// its ranges, the matchday bounds, team slots 0..teamCount and goals
// -1..999, and nothing past the shape.
inline void checkLoadedLeague(const League &l)
{
    FUZZ_CHECK(League::validTeamCount(l.teamCount), "teamCount in 2..24");
    FUZZ_CHECK(League::validRoundCount(l.roundCount), "roundCount in 1..99");
    FUZZ_CHECK(l.firstRound >= 1 && l.firstRound <= l.roundCount, "firstRound in 1..roundCount");
    FUZZ_CHECK(l.currentRound >= l.firstRound && l.currentRound <= l.roundCount,
               "currentRound in firstRound..roundCount");
    for (int j = 1; j <= League::kMaxRounds; ++j)
        for (int k = 1; k <= League::kMaxRows; ++k) {
            const Match &m = l.results[j][k];
            if (j > l.roundCount || k > l.rowCount()) {
                FUZZ_CHECK(m == Match{}, "nothing past the shape");
                continue;
            }
            FUZZ_CHECK(m.teamA >= 0 && m.teamA <= l.teamCount, "teamA in 0..teamCount");
            FUZZ_CHECK(m.teamB >= 0 && m.teamB <= l.teamCount, "teamB in 0..teamCount");
            FUZZ_CHECK(m.goalsA >= -1 && m.goalsA <= 999, "goalsA in -1..999");
            FUZZ_CHECK(m.goalsB >= -1 && m.goalsB <= 999, "goalsB in -1..999");
        }
    FUZZ_CHECK(l.winPoints == 2 || l.winPoints == 3, "winPoints 2 or 3");
    FUZZ_CHECK(static_cast<int>(l.tieOrder) >= 1 && static_cast<int>(l.tieOrder) <= 3, "tieOrder 1..3");
}

// Names the first field in which two leagues differ, for the report of a
// failed round trip.
inline const char *firstDifference(const League &a, const League &b)
{
    if (a.teamCount != b.teamCount || a.roundCount != b.roundCount) return "teamCount/roundCount";
    if (a.hasChampion != b.hasChampion || a.clPlaces != b.clPlaces || a.ucPlaces != b.ucPlaces
        || a.relegationPlaces != b.relegationPlaces) return "zones";
    if (a.currentRound != b.currentRound) return "currentRound";
    if (a.winPoints != b.winPoints || a.tieOrder != b.tieOrder) return "ranking rules";
    for (int i = 1; i <= League::kMaxTeams; ++i)
        if (a.teamNames[i] != b.teamNames[i]) {
            std::fprintf(stderr, "team %d: '%s' vs '%s'\n", i, qPrintable(a.teamNames[i]),
                         qPrintable(b.teamNames[i]));
            return "teamNames";
        }
    if (a.startWins != b.startWins || a.startDraws != b.startDraws || a.startLosses != b.startLosses
        || a.startGoalsFor != b.startGoalsFor || a.startGoalsAgainst != b.startGoalsAgainst
        || a.penaltyPoints != b.penaltyPoints) return "start values";
    for (int j = 1; j <= League::kMaxRounds; ++j)
        if (a.roundDates[j] != b.roundDates[j]) {
            std::fprintf(stderr, "round %d: '%s'/'%s' vs '%s'/'%s'\n", j,
                         qPrintable(a.roundDates[j].dateFrom), qPrintable(a.roundDates[j].dateTo),
                         qPrintable(b.roundDates[j].dateFrom), qPrintable(b.roundDates[j].dateTo));
            return "roundDates";
        }
    if (a.results != b.results) return "results";
    return "nothing";
}

// The INI layer writes a line break inside a value as a blank (it would
// split the entry otherwise); a lone CR can reach a value from a file, so
// that is the one change a save may make.
inline QString blanked(QString text)
{
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text;
}

// The league as it reads back after a save.
inline League blankedLeague(League l)
{
    for (QString &name : l.teamNames)
        name = blanked(name);
    for (RoundDates &d : l.roundDates) {
        d.dateFrom = blanked(d.dateFrom);
        d.dateTo = blanked(d.dateTo);
    }
    return l;
}

// Saves the league into a new file in memory and reads it back.
inline void checkSaveAndReload(const League &original)
{
    const League l = blankedLeague(original);
    IniFile out;
    LeagueFile::write(l, out);
    IniFile in;
    in.fromBytes(out.toBytes());
    League back;
    LeagueFile::read(in, back);
    if (!back.sameContents(l))
        std::fprintf(stderr, "differs in %s\n", firstDifference(l, back));
    FUZZ_CHECK(back.sameContents(l), "a saved league reads back equal");
    FUZZ_CHECK(back.firstRound == l.firstRound, "firstRound survives a save");
}
