#include "league/model/League.h"

#include "league/model/LeagueError.h"

void League::NeuSet()
{
    leagueSaved = true;
    leagueFileName.clear();
    hasChampion = true;
    teamCount = kTeams;
    roundCount = kRounds;
    for (int j = 1; j <= kRounds; ++j) {
        roundDates[j] = RoundDates{};
        for (int k = 1; k <= kRows; ++k)
            results[j][k] = Match{};
    }
    firstRound = 1;
    currentRound = 1;
    clPlaces = 1;
    ucPlaces = 3;
    relegationPlaces = 3;
    for (int i = 1; i <= kTeams; ++i) {
        teamNames[i].clear();
        startWins[i] = startDraws[i] = startLosses[i] = 0;
        startGoalsFor[i] = startGoalsAgainst[i] = penaltyPoints[i] = 0;
    }
}

void League::ErsterST()
{
    // Slot 1 stands for every team: the settings dialog accepts start values
    // only when all 18 teams have played the same number of games.
    const long long games = static_cast<long long>(startWins[1]) + startDraws[1] + startLosses[1];
    long long first = games + 1;
    if (first > kRounds)
        first = kRounds;
    if (first < 1)
        first = 1;
    firstRound = static_cast<int>(first);
    if (currentRound < firstRound)
        currentRound = firstRound;
}

Match &League::match(int round, int row)
{
    if (round < 1 || round > kRounds || row < 1 || row > kRows)
        throw LeagueError(LeagueError::rangeError());
    return results[round][row];
}

const Match &League::match(int round, int row) const
{
    return const_cast<League *>(this)->match(round, row);
}

RoundDates &League::dates(int round)
{
    if (round < 1 || round > kRounds)
        throw LeagueError(LeagueError::rangeError());
    return roundDates[round];
}

const RoundDates &League::dates(int round) const
{
    return const_cast<League *>(this)->dates(round);
}

bool League::sameContents(const League &o) const
{
    return teamCount == o.teamCount && roundCount == o.roundCount && hasChampion == o.hasChampion
        && clPlaces == o.clPlaces && ucPlaces == o.ucPlaces && relegationPlaces == o.relegationPlaces
        && currentRound == o.currentRound && teamNames == o.teamNames && startWins == o.startWins
        && startDraws == o.startDraws && startLosses == o.startLosses
        && startGoalsFor == o.startGoalsFor && startGoalsAgainst == o.startGoalsAgainst
        && penaltyPoints == o.penaltyPoints && roundDates == o.roundDates && results == o.results;
}
