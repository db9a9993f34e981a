#include "tournament/exchange/TournamentExport.h"

#include "common/FootballTxt.h"
#include "tournament/group/Ranking.h"

namespace TournamentExport {

QString roundHeading(char code)
{
    if (code >= '1' && code <= '8')
        return QStringLiteral("Round of 16");
    if (code >= 'A' && code <= 'D')
        return QStringLiteral("Quarter-finals");
    if (code == 'F' || code == 'G')
        return QStringLiteral("Semi-finals");
    if (code == 'Y')
        return QStringLiteral("Match for third place");
    return QStringLiteral("Final");
}

namespace {

FootballTxt::Match matchOf(const TRencontre &r)
{
    FootballTxt::Match m;
    m.team1 = r.team1.text();
    m.team2 = r.team2.text();
    m.ft = {r.score1, r.score2};
    return m;
}

// A new round starts wherever the heading changes, so that the matches keep
// their order in the match files.
void appendRuns(FootballTxt::Stage &stage, const MatchList &list, QString (*heading)(char))
{
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
        stage.rounds.last().matches.append(matchOf(r));
    }
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
        for (const auto &team : g.teams)
            group.teams << team->name.text();
        groups.groups.append(group);
    }
    appendRuns(groups, t.liste_matchs, &groupHeading);
    doc.stages.append(groups);
    if (!t.liste_tour2.empty()) {
        FootballTxt::Stage knockout;
        knockout.name = QStringLiteral("Knockout");
        appendRuns(knockout, t.liste_tour2, &roundHeading);
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
    r.ok = true;
    return r;
}

} // namespace TournamentExport
