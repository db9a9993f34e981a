#include "tournament/group/Ranking.h"

#include <algorithm>
#include <numeric>

bool passe_devant(const MatchList &matches, const TEquipe *a, const TEquipe *b)
{
    if (a->points != b->points)
        return a->points > b->points;
    if (a->goalDifference() != b->goalDifference())
        return a->goalDifference() > b->goalDifference();
    if (a->goals_for != b->goals_for)
        return a->goals_for > b->goals_for;
    // Only a won mutual match lets b pass; otherwise the previous order holds.
    const TRencontre *mutual = match_entre(matches, a, b);
    return !(mutual && vainqueur(mutual) == b->name);
}

void trie_groupe(const MatchList &matches, TGroupe &group)
{
    auto &teams = group.teams;
    // Swap the first neighbouring pair out of order and start again from the
    // top. For four teams a few dozen swaps always suffice unless teams equal
    // on every figure beat each other in a circle, which can make the swaps go
    // round for ever; the bound stops that.
    constexpr int kMaxSwaps = 64;
    int swaps = 0;
    size_t i = 0;
    while (i + 1 < teams.size()) {
        if (passe_devant(matches, teams[i].get(), teams[i + 1].get())) {
            ++i;
            continue;
        }
        if (++swaps > kMaxSwaps)
            break;
        std::swap(teams[i], teams[i + 1]);
        i = 0;
    }
    if (i + 1 >= teams.size())
        return;

    // The swaps went round: take the first arrangement, in the order of the
    // current ranking, in which every neighbouring pair is in order. One
    // always exists, since of two teams one always passes the other.
    std::vector<size_t> order(teams.size());
    std::iota(order.begin(), order.end(), 0);
    std::vector<std::unique_ptr<TEquipe>> current = std::move(teams);
    teams.resize(current.size());
    do {
        bool ok = true;
        for (size_t k = 0; ok && k + 1 < order.size(); ++k)
            ok = passe_devant(matches, current[order[k]].get(), current[order[k + 1]].get());
        if (ok)
            break;
    } while (std::next_permutation(order.begin(), order.end()));
    for (size_t k = 0; k < order.size(); ++k)
        teams[k] = std::move(current[order[k]]);
}

bool ex_aequo(const MatchList &matches, const TEquipe *a, const TEquipe *b)
{
    if (!a || !b)
        return false;
    return a->points == b->points && a->goalDifference() == b->goalDifference()
        && a->goals_for == b->goals_for && vainqueur(match_entre(matches, a, b)).isEmpty();
}

std::array<TEquipe *, kQualifierCount> calcule_qualifies(const std::vector<TGroupe> &groups, const MatchList &matches)
{
    std::array<TEquipe *, kQualifierCount> qualifiers{};
    for (size_t g = 0; g < groups.size() && g < size_t(kGroupCount); ++g) {
        const auto &teams = groups[g].teams;
        if (teams.size() < 2)
            continue;
        TEquipe *first = teams[0].get();
        TEquipe *second = teams[1].get();
        TEquipe *third = teams.size() > 2 ? teams[2].get() : nullptr;

        bool anyTie = false;
        for (size_t i = 0; i < teams.size() && !anyTie; ++i)
            for (size_t j = i + 1; j < teams.size() && !anyTie; ++j)
                anyTie = ex_aequo(matches, teams[i].get(), teams[j].get());

        if (anyTie && ex_aequo(matches, first, second))
            continue; // both slots are left to the lots
        qualifiers[2 * g] = first;
        if (!(anyTie && ex_aequo(matches, second, third)))
            qualifiers[2 * g + 1] = second;
    }
    return qualifiers;
}

