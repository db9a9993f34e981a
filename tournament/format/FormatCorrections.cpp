#include "tournament/format/FormatCorrections.h"

#include <algorithm>

#include "tournament/format/FormatFiles.h"

namespace FormatCorrections {

int dropStaleDecisions(FormatTournament &t)
{
    int dropped = 0;
    // A group's decision decides its third, so dropping it can leave a
    // decision among the thirds standing on nothing: again until none drops.
    for (;;) {
        const std::vector<bool> holds = rankFormat(t).decisionHolds;
        std::vector<TieDecision> kept;
        for (size_t k = 0; k < t.decisions.size(); ++k)
            if (holds[k])
                kept.push_back(t.decisions[k]);
        if (kept.size() == t.decisions.size())
            return dropped;
        dropped += int(t.decisions.size() - kept.size());
        t.decisions = std::move(kept);
    }
}

std::vector<int> dropUnfitting(FormatTournament &t)
{
    dropStaleDecisions(t);
    std::vector<int> dropped;
    // A result taken back leaves the slots after it unknown, so the next
    // pass drops what rested on it; each pass drops one at least, or ends.
    for (;;) {
        const FormatStandings s = rankFormat(t);
        std::vector<int> unfit;
        for (const FormatKnockoutMatch &k : t.knockout) {
            const int i = t.format.indexOf(k.number);
            if (i < 0 || s.bracket[size_t(i)].result != &k)
                unfit.push_back(k.number);
        }
        if (unfit.empty())
            break;
        std::erase_if(t.knockout, [&](const FormatKnockoutMatch &k) {
            return std::find(unfit.begin(), unfit.end(), k.number) != unfit.end();
        });
        dropped.insert(dropped.end(), unfit.begin(), unfit.end());
    }
    std::sort(dropped.begin(), dropped.end(),
              [&](int a, int b) { return t.format.indexOf(a) < t.format.indexOf(b); });
    return dropped;
}

bool correctGroupMatch(FormatTournament &t, size_t index, int score1, int score2, std::vector<int> *dropped)
{
    if (index >= t.groupMatches.size() || score1 < 0 || score2 < 0 || score1 > FormatFiles::MaxScore
        || score2 > FormatFiles::MaxScore)
        return false;
    t.groupMatches[index].score1 = score1;
    t.groupMatches[index].score2 = score2;
    const std::vector<int> d = dropUnfitting(t);
    if (dropped)
        *dropped = d;
    return true;
}

bool correctKnockoutMatch(FormatTournament &t, int number, int score1, int score2, const KnockoutScore &parts,
                          std::vector<int> *dropped)
{
    const auto it = std::find_if(t.knockout.begin(), t.knockout.end(),
                                 [&](const FormatKnockoutMatch &k) { return k.number == number; });
    if (it == t.knockout.end() || score1 < 0 || score2 < 0 || score1 == score2 || score1 > FormatFiles::MaxScore
        || score2 > FormatFiles::MaxScore || (parts.isSet() && !parts.fits(score1, score2)))
        return false;
    it->score1 = score1;
    it->score2 = score2;
    it->parts = parts;
    const std::vector<int> d = dropUnfitting(t);
    if (dropped)
        *dropped = d;
    return true;
}

QString describe(const FormatTournament &t, const std::vector<int> &numbers)
{
    QStringList parts;
    for (int n : numbers)
        for (const FormatKnockoutMatch &k : t.knockout)
            if (k.number == n)
                parts << QStringLiteral("match %1 (%2 v %3)").arg(n).arg(t.teamName(k.team1), t.teamName(k.team2));
    return parts.join(QStringLiteral(", "));
}

} // namespace FormatCorrections
