#include "tournament/format/FormatExport.h"

#include "common/FootballTxt.h"

namespace FormatExport {

TournamentExport::Result write(const FormatTournament &t)
{
    FootballTxt::Document doc;
    doc.title = t.format.name;
    FootballTxt::Stage groups;
    for (const FormatGroup &g : t.groups) {
        FootballTxt::Group group;
        group.name = QStringLiteral("Group %1").arg(QChar(g.letter));
        for (const FormatTeam &e : g.teams)
            group.teams << e.name;
        groups.groups.append(group);
    }
    // A new round wherever the group changes, so that the matches keep
    // their recorded order.
    int current = -1;
    for (const FormatGroupMatch &m : t.groupMatches) {
        if (groups.rounds.isEmpty() || m.team1 / 4 != current) {
            current = m.team1 / 4;
            FootballTxt::Round round;
            round.heading = QStringLiteral("Group %1").arg(QChar('A' + current));
            groups.rounds.append(round);
        }
        FootballTxt::Match match;
        match.team1 = t.teamName(m.team1);
        match.team2 = t.teamName(m.team2);
        match.ft = {m.score1, m.score2};
        groups.rounds.last().matches.append(match);
    }
    doc.stages.append(groups);

    FootballTxt::Stage knockout;
    knockout.name = QStringLiteral("Knockout");
    QString heading;
    for (const FormatMatch &fm : t.format.matches)
        for (const FormatKnockoutMatch &k : t.knockout) {
            if (k.number != fm.number)
                continue;
            const QString h = t.format.roundName(fm);
            if (knockout.rounds.isEmpty() || h != heading) {
                FootballTxt::Round round;
                round.heading = h;
                // The first number of the heading, as the reader gives it.
                round.number = h.startsWith(QLatin1String("Round of ")) ? h.mid(9).toInt() : 0;
                knockout.rounds.append(round);
                heading = h;
            }
            FootballTxt::Match match;
            match.team1 = t.teamName(k.team1);
            match.team2 = t.teamName(k.team2);
            putKnockoutScore(match, k.score1, k.score2, k.parts);
            knockout.rounds.last().matches.append(match);
        }
    if (!knockout.rounds.isEmpty())
        doc.stages.append(knockout);

    TournamentExport::Result r;
    const QString why = FootballTxt::unwritable(doc);
    if (!why.isEmpty()) {
        r.error = QStringLiteral("the tournament cannot be written as Football.TXT: ") + why;
        return r;
    }
    r.bytes = FootballTxt::write(doc);
    r.ok = true;
    return r;
}

} // namespace FormatExport
