#include "league/model/League.h"

#include "league/model/LeagueDate.h"
#include "league/model/LeagueError.h"

#include <algorithm>

namespace {

bool holdsSomething(const Match &m)
{
    return m.teamA != 0 || m.teamB != 0 || m.goalsA != -1 || m.goalsB != -1;
}

} // namespace

void League::NeuSet()
{
    leagueSaved = true;
    leagueFileName.clear();
    hasChampion = true;
    teamCount = kTeams;
    roundCount = kRounds;
    for (int j = 0; j <= kMaxRounds; ++j) {
        roundDates[j] = RoundDates{};
        for (int k = 0; k <= kMaxRows; ++k)
            results[j][k] = Match{};
    }
    firstRound = 1;
    currentRound = 1;
    clPlaces = 1;
    ucPlaces = 3;
    relegationPlaces = 3;
    conferencePlaces = 0;
    playoffPlaces = 0;
    zoneNames.fill(QString());
    zoneRgb.fill(-1);
    leagueName.clear();
    winPoints = 3;
    tieOrder = TieOrder::Goals;
    for (int i = 0; i <= kMaxTeams; ++i) {
        teamNames[i].clear();
        startWins[i] = startDraws[i] = startLosses[i] = 0;
        startGoalsFor[i] = startGoalsAgainst[i] = penaltyPoints[i] = 0;
    }
}

void League::ErsterST()
{
    // Slot 1 stands for every team: the settings dialog accepts start values
    // only when all teams have played the same number of games.
    const long long games = static_cast<long long>(startWins[1]) + startDraws[1] + startLosses[1];
    long long first = games + 1;
    if (first > roundCount)
        first = roundCount;
    if (first < 1)
        first = 1;
    firstRound = static_cast<int>(first);
    if (currentRound < firstRound)
        currentRound = firstRound;
}

int League::defaultRounds(int teams)
{
    return teams % 2 == 0 ? 2 * (teams - 1) : 2 * teams;
}

QString League::reshapeRefusal(int teams, int rounds) const
{
    if (!validTeamCount(teams))
        return QStringLiteral("Eine Liga hat %1 bis %2 Mannschaften.").arg(kMinTeams).arg(kMaxTeams);
    if (!validRoundCount(rounds))
        return QStringLiteral("Eine Liga hat %1 bis %2 Spieltage.").arg(kMinRounds).arg(kMaxRounds);
    for (int j = rounds + 1; j <= roundCount; ++j)
        for (int k = 1; k <= rowCount(); ++k)
            if (holdsSomething(results[j][k]))
                return QStringLiteral("Die Liga kann nicht auf %1 Spieltage verkürzt werden: "
                                      "Spieltag %2 enthält Paarungen oder Ergebnisse.")
                    .arg(rounds)
                    .arg(j);
    const int rows = rowCountFor(teams);
    const int keptRounds = std::min(rounds, roundCount);
    for (int j = 1; j <= keptRounds; ++j) {
        for (int k = 1; k <= rowCount(); ++k) {
            const Match &m = results[j][k];
            if (k > rows && holdsSomething(m))
                return QStringLiteral("Die Liga kann nicht auf %1 Mannschaften verkleinert werden: "
                                      "Spieltag %2 enthält in Zeile %3 eine Paarung oder ein Ergebnis.")
                    .arg(teams)
                    .arg(j)
                    .arg(k);
            const int beyond = m.teamA > teams ? m.teamA : m.teamB > teams ? m.teamB : 0;
            if (beyond)
                return QStringLiteral("Die Liga kann nicht auf %1 Mannschaften verkleinert werden: "
                                      "Mannschaft %2 (%3) ist auf Spieltag %4 angesetzt.")
                    .arg(QString::number(teams), QString::number(beyond), teamNames[beyond], QString::number(j));
        }
    }
    return QString();
}

bool League::reshape(int teams, int rounds)
{
    if (!reshapeRefusal(teams, rounds).isEmpty())
        return false;
    teamCount = teams;
    roundCount = rounds;
    clearBeyondShape();
    ErsterST();
    currentRound = std::clamp(currentRound, firstRound, roundCount);
    return true;
}

void League::clearBeyondShape()
{
    for (int i = teamCount + 1; i <= kMaxTeams; ++i) {
        teamNames[i].clear();
        startWins[i] = startDraws[i] = startLosses[i] = 0;
        startGoalsFor[i] = startGoalsAgainst[i] = penaltyPoints[i] = 0;
    }
    const int rows = rowCount();
    for (int j = 1; j <= kMaxRounds; ++j) {
        if (j > roundCount)
            roundDates[j] = RoundDates{};
        for (int k = 1; k <= kMaxRows; ++k)
            if (j > roundCount || k > rows)
                results[j][k] = Match{};
    }
}

Match &League::match(int round, int row)
{
    if (round < 1 || round > roundCount || row < 1 || row > rowCount())
        throw LeagueError(LeagueError::rangeError());
    return results[round][row];
}

const Match &League::match(int round, int row) const
{
    return const_cast<League *>(this)->match(round, row);
}

RoundDates &League::dates(int round)
{
    if (round < 1 || round > roundCount)
        throw LeagueError(LeagueError::rangeError());
    return roundDates[round];
}

const RoundDates &League::dates(int round) const
{
    return const_cast<League *>(this)->dates(round);
}

QDate League::matchDay(int round, int row) const
{
    const Match &m = match(round, row);
    return m.date.isValid() ? m.date : LeagueDate::parse(dates(round).dateFrom);
}

bool League::isPostponed(int round, int row) const
{
    const QDate own = match(round, row).date;
    const QDate last = LeagueDate::parse(dates(round).dateTo);
    return own.isValid() && last.isValid() && own > last;
}

League League::playedBy(const QDate &day) const
{
    League out = *this;
    for (int j = 1; j <= roundCount; ++j)
        for (int k = 1; k <= rowCount(); ++k) {
            const QDate played = matchDay(j, k);
            if (played.isValid() && played > day) {
                out.results[j][k].goalsA = -1;
                out.results[j][k].goalsB = -1;
            }
        }
    return out;
}

QStringList League::pairingWarnings(int round) const
{
    QStringList out;
    std::array<int, kMaxTeams + 1> rows{};
    for (int k = 1; k <= rowCount(); ++k) {
        const Match &m = match(round, k);
        if (m.teamA >= 1 && m.teamA <= teamCount && m.teamA == m.teamB)
            out << QStringLiteral("%1 spielt in Zeile %2 gegen sich selbst.").arg(teamNames[m.teamA]).arg(k);
        for (int team : {m.teamA, m.teamB})
            if (team >= 1 && team <= teamCount && !(team == m.teamB && m.teamA == m.teamB))
                ++rows[team];
    }
    for (int i = 1; i <= teamCount; ++i)
        if (rows[i] > 1)
            out << QStringLiteral("%1 steht am %2. Spieltag %3-mal im Spielplan.").arg(teamNames[i]).arg(round).arg(rows[i]);
    return out;
}

int League::restingTeam(int round) const
{
    if (teamCount % 2 == 0)
        return 0;
    std::array<bool, kMaxTeams + 1> plays{};
    for (int k = 1; k <= rowCount(); ++k) {
        const Match &m = match(round, k);
        if (m.teamA < 1 || m.teamA > teamCount || m.teamB < 1 || m.teamB > teamCount || m.teamA == m.teamB
            || plays[m.teamA] || plays[m.teamB])
            return 0;
        plays[m.teamA] = plays[m.teamB] = true;
    }
    for (int i = 1; i <= teamCount; ++i)
        if (!plays[i])
            return i;
    return 0;
}

bool League::sameContents(const League &o) const
{
    return teamCount == o.teamCount && roundCount == o.roundCount && hasChampion == o.hasChampion
        && clPlaces == o.clPlaces && ucPlaces == o.ucPlaces && relegationPlaces == o.relegationPlaces
        && conferencePlaces == o.conferencePlaces && playoffPlaces == o.playoffPlaces
        && zoneNames == o.zoneNames && zoneRgb == o.zoneRgb && leagueName == o.leagueName
        && currentRound == o.currentRound && winPoints == o.winPoints && tieOrder == o.tieOrder
        && teamNames == o.teamNames && startWins == o.startWins
        && startDraws == o.startDraws && startLosses == o.startLosses
        && startGoalsFor == o.startGoalsFor && startGoalsAgainst == o.startGoalsAgainst
        && penaltyPoints == o.penaltyPoints && roundDates == o.roundDates && results == o.results;
}

int League::zonePlaces(Zone z) const
{
    switch (z) {
    case Zone::Champion: return hasChampion ? 1 : 0;
    case Zone::ChampionsLeague: return clPlaces;
    case Zone::EuropaLeague: return ucPlaces;
    case Zone::ConferenceLeague: return conferencePlaces;
    case Zone::RelegationPlayoff: return playoffPlaces;
    case Zone::Relegation: return relegationPlaces;
    }
    return 0;
}

QString League::defaultZoneName(Zone z)
{
    switch (z) {
    case Zone::Champion: return QStringLiteral("Meister");
    case Zone::ChampionsLeague: return QStringLiteral("Champions League");
    case Zone::EuropaLeague: return QStringLiteral("Europa League");
    case Zone::ConferenceLeague: return QStringLiteral("Conference League");
    case Zone::RelegationPlayoff: return QStringLiteral("Relegation");
    case Zone::Relegation: return QStringLiteral("Abstieg");
    }
    return QString();
}

int League::defaultZoneRgb(Zone z)
{
    // The first four are the colours the table always had; the Europa
    // League takes the old UEFA Cup's green.
    switch (z) {
    case Zone::Champion: return 0xBBFFFF;
    case Zone::ChampionsLeague: return 0xFFBBFF;
    case Zone::EuropaLeague: return 0xBBFFBB;
    case Zone::ConferenceLeague: return 0xFFFFAA;
    case Zone::RelegationPlayoff: return 0xFFDDAA;
    case Zone::Relegation: return 0xFFBBBB;
    }
    return 0xFFFFFF;
}

QString League::zoneName(Zone z) const
{
    const QString &own = zoneNames[static_cast<int>(z)];
    return own.isEmpty() ? defaultZoneName(z) : own;
}

int League::zoneColorRgb(Zone z) const
{
    const int own = zoneRgb[static_cast<int>(z)];
    return own < 0 ? defaultZoneRgb(z) : own;
}

bool League::hasZonesOfToday() const
{
    if (clPlaces > 1 || conferencePlaces > 0 || playoffPlaces > 0)
        return true;
    for (int k = 0; k < kZoneCount; ++k)
        if (!zoneNames[k].isEmpty() || zoneRgb[k] >= 0)
            return true;
    return false;
}
