#include "tournament/exchange/TournamentExport.h"

#include <algorithm>

#include "common/FootballTxt.h"
#include "tournament/group/Ranking.h"
#include "tournament/knockout/Bracket.h"

namespace TournamentExport {

namespace {

using FootballTxt::Side;

// The goals buteurs.dat holds for a match, one entry per goal in the order
// they were credited, so that an import credits them in the same order. The
// files keep no minutes: each goal is written at 0'. In a group match every
// goal of a side that no player was credited with is an own goal, written
// first on that side with no player (the entry page records it as "csc");
// in a knock-out match such a goal may as well be a kick of the shoot-out,
// which the stored score includes, so it is left out. A match recorded
// before buteurs.dat has no entry and gets no goals list.
QList<FootballTxt::Goal> goalsOf(const Tournament &t, char liste, const TRencontre &r)
{
    QList<FootballTxt::Goal> goals;
    bool recorded = false;
    QList<FootballTxt::Goal> credited[2];
    for (const TButMatch &b : t.matchGoals) {
        if (!b.belongsTo(liste, r))
            continue;
        if (b.kind == 'M')
            recorded = true;
        if (b.kind != 'B' || (b.sideNo != 1 && b.sideNo != 2))
            continue;
        FootballTxt::Goal g;
        g.player = b.nom.text();
        g.side = b.sideNo == 1 ? Side::Team1 : Side::Team2;
        g.minutes = {FootballTxt::GoalMinute{}};
        credited[b.sideNo - 1].append(g);
    }
    if (!recorded)
        return goals;
    const int score[2] = {r.score1, r.score2};
    for (int side = 0; side < 2; ++side) {
        // Only a damaged buteurs.dat credits more goals than the score; the
        // text keeps to the score, as the import demands.
        if (credited[side].size() > score[side])
            credited[side].resize(qMax(0, score[side]));
        const qsizetype own = score[side] - credited[side].size();
        if (liste == 'G' && own > 0) {
            FootballTxt::Goal g;
            g.side = side == 0 ? Side::Team1 : Side::Team2;
            FootballTxt::GoalMinute m;
            m.ownGoal = true;
            for (qsizetype i = 0; i < own; ++i)
                g.minutes.append(m);
            goals.append(g);
        }
        goals += credited[side];
    }
    return goals;
}

FootballTxt::Match matchOf(const Tournament &t, char liste, const TRencontre &r)
{
    FootballTxt::Match m;
    m.team1 = r.team1.text();
    m.team2 = r.team2.text();
    // A knock-out match that went beyond 90 minutes is written as it was
    // decided ("2-2 a.e.t. (1-1), 4-3 pen."), where buteurs.dat keeps how.
    putKnockoutScore(m, r.score1, r.score2, liste == 'K' ? stage2Parts(t, r) : KnockoutScore{});
    m.goals = goalsOf(t, liste, r);
    return m;
}

// A new round starts wherever the heading changes, so that the matches keep
// their order in the match files.
void appendRuns(FootballTxt::Stage &stage, const Tournament &t, char liste, QString (*heading)(char))
{
    const MatchList &list = liste == 'G' ? t.liste_matchs : t.liste_tour2;
    QString current;
    for (const TRencontre &r : list) {
        const QString h = heading(r.code);
        if (stage.rounds.isEmpty() || h != current) {
            FootballTxt::Round round;
            round.heading = h;
            round.number = h == QLatin1String("Round of 16") ? 16 : 0; // the first number of the heading
            stage.rounds.append(round);
            current = h;
        }
        stage.rounds.last().matches.append(matchOf(t, liste, r));
    }
}

// The teams of a group in the order they had before its first match, as
// buteurs.dat notes it with that match, so that an import ranks them from
// the same start and notes the same places; the order of the group file
// where nothing (or nothing whole) is noted.
QStringList startingOrder(const Tournament &t, const TGroupe &g)
{
    QStringList current;
    for (const auto &team : g.teams)
        current << team->name.text();
    const auto first = std::find_if(t.liste_matchs.begin(), t.liste_matchs.end(),
                                    [&](const TRencontre &m) { return m.code == g.letter; });
    if (first == t.liste_matchs.end())
        return current;
    QStringList noted(current.size());
    for (const TButMatch &b : t.matchGoals)
        if (b.belongsTo('G', *first) && b.kind == 'R' && b.sideNo >= 1 && b.sideNo <= current.size())
            noted[b.sideNo - 1] = b.nom.text();
    QStringList sortedNoted = noted, sortedCurrent = current;
    sortedNoted.sort();
    sortedCurrent.sort();
    return sortedNoted == sortedCurrent ? noted : current;
}

QString groupHeading(char code)
{
    return QStringLiteral("Group %1").arg(QChar(code));
}

// The places the group tables leave to the lots, as the qualifier slots
// hold them once drawn. Names cannot hold "#", so the line stays one comment.
QByteArray lotsLines(const Tournament &t)
{
    if (t.liste_matchs.size() < size_t(kGroupMatchCount))
        return {};
    const auto derived = calcule_qualifies(t.groupes, t.liste_matchs);
    QByteArray lines;
    for (int g = 0; g < kGroupCount && g < int(t.groupes.size()); ++g) {
        const TEquipe *winner = t.qualifies[2 * g];
        const TEquipe *runnerUp = t.qualifies[2 * g + 1];
        if (!winner || !runnerUp || (derived[2 * g] && derived[2 * g + 1]))
            continue;
        lines += QStringLiteral("# lots: group %1: %2 before %3\n")
                     .arg(QChar(t.groupes[g].letter), winner->name.text(), runnerUp->name.text())
                     .toUtf8();
    }
    return lines;
}

} // namespace

Result write(const Tournament &t)
{
    FootballTxt::Document doc;
    doc.title = QStringLiteral("World Tournament");
    FootballTxt::Stage groups;
    for (const TGroupe &g : t.groupes) {
        FootballTxt::Group group;
        group.name = groupHeading(g.letter);
        group.teams = startingOrder(t, g);
        groups.groups.append(group);
    }
    appendRuns(groups, t, 'G', &groupHeading);
    doc.stages.append(groups);
    if (!t.liste_tour2.empty()) {
        FootballTxt::Stage knockout;
        knockout.name = QStringLiteral("Knockout");
        appendRuns(knockout, t, 'K', &roundHeading);
        doc.stages.append(knockout);
    }

    Result r;
    const QString why = FootballTxt::unwritable(doc);
    if (!why.isEmpty()) {
        r.error = QStringLiteral("the tournament cannot be written as Football.TXT: ") + why;
        return r;
    }
    r.bytes = FootballTxt::write(doc);
    if (const QByteArray lots = lotsLines(t); !lots.isEmpty())
        r.bytes += "\n" + lots;
    // Never a file the reader refuses (a goals list of some hundred goals
    // makes a line longer than a reader takes): the export fails before
    // anything is written instead.
    const FootballTxt::ReadResult back = FootballTxt::read(r.bytes);
    if (!back.ok) {
        r.error = QStringLiteral("the tournament cannot be written as Football.TXT: ")
                  + FootballTxt::lineMessage(back.error);
        r.bytes.clear();
        return r;
    }
    r.ok = true;
    return r;
}

} // namespace TournamentExport
