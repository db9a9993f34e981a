#include <algorithm>

#include "tournament/format/FormatTournament.h"
#include "tournament/group/Ranking.h"

int FormatTournament::findTeam(const QString &name) const
{
    for (int n = 0; n < teamCount(); ++n)
        if (team(n).name == name)
            return n;
    return -1;
}

namespace {

using Block = std::vector<int>; // local places 0..3 of teams still level

struct GroupWork
{
    const FormatTournament &t;
    int group;
    std::array<FormatTableLine, 4> lines{}; // by local place in the draw
    std::vector<const FormatGroupMatch *> matches;

    int local(int team) const { return team - 4 * group; }
};

void addResult(FormatTableLine &a, FormatTableLine &b, int sa, int sb, int win)
{
    ++a.played;
    ++b.played;
    a.goalsFor += sa;
    a.goalsAgainst += sb;
    b.goalsFor += sb;
    b.goalsAgainst += sa;
    if (sa > sb) {
        ++a.won;
        ++b.lost;
        a.points += win;
    } else if (sa < sb) {
        ++b.won;
        ++a.lost;
        b.points += win;
    } else {
        ++a.drawn;
        ++b.drawn;
        ++a.points;
        ++b.points;
    }
}

// Splits an ordered list into runs of equal keys.
template <typename Key>
std::vector<Block> runs(const Block &ordered, Key key)
{
    std::vector<Block> out;
    for (int p : ordered) {
        if (!out.empty() && key(out.back().front()) == key(p))
            out.back().push_back(p);
        else
            out.push_back({p});
    }
    return out;
}

// "direct": the games among the teams level on points decide first, again
// among those they leave level, and only then the figures of all games.
void resolveDirect(const GroupWork &w, const Block &level, std::vector<Block> *out)
{
    if (level.size() == 1) {
        out->push_back(level);
        return;
    }
    std::array<FormatTableLine, 4> mini{};
    for (const FormatGroupMatch *m : w.matches) {
        const int a = w.local(m->team1);
        const int b = w.local(m->team2);
        if (std::find(level.begin(), level.end(), a) != level.end()
            && std::find(level.begin(), level.end(), b) != level.end())
            addResult(mini[size_t(a)], mini[size_t(b)], m->score1, m->score2, w.t.format.win);
    }
    const auto miniKey = [&](int p) {
        const FormatTableLine &l = mini[size_t(p)];
        return std::tuple(l.points, l.goalDifference(), l.goalsFor);
    };
    Block sorted = level;
    std::stable_sort(sorted.begin(), sorted.end(), [&](int a, int b) { return miniKey(a) > miniKey(b); });
    const std::vector<Block> split = runs(sorted, miniKey);
    if (split.size() > 1) {
        for (const Block &b : split)
            resolveDirect(w, b, out);
        return;
    }
    const auto allKey = [&](int p) {
        const FormatTableLine &l = w.lines[size_t(p)];
        return std::pair(l.goalDifference(), l.goalsFor);
    };
    std::stable_sort(sorted.begin(), sorted.end(), [&](int a, int b) { return allKey(a) > allKey(b); });
    for (const Block &b : runs(sorted, allKey))
        out->push_back(b);
}

// "goals": today's ranking of the classic tournament, on a copy of the
// group whose teams are named by their place in the draw.
std::vector<Block> rankGoals(const GroupWork &w)
{
    TGroupe g;
    MatchList matches;
    for (int p = 0; p < 4; ++p) {
        auto e = std::make_unique<TEquipe>();
        e->name = ShortName::fromText(QString::number(p));
        e->played = w.lines[size_t(p)].played;
        e->points = w.lines[size_t(p)].points;
        e->goals_for = w.lines[size_t(p)].goalsFor;
        e->goals_against = w.lines[size_t(p)].goalsAgainst;
        g.teams.push_back(std::move(e));
    }
    for (const FormatGroupMatch *m : w.matches)
        matches.push_back({0, ShortName::fromText(QString::number(w.local(m->team1))),
                           ShortName::fromText(QString::number(w.local(m->team2))), m->score1, m->score2});
    trie_groupe(matches, g);
    std::vector<Block> out;
    for (size_t i = 0; i < g.teams.size(); ++i) {
        const int p = g.teams[i]->name.text().toInt();
        if (i > 0 && ex_aequo(matches, g.teams[i - 1].get(), g.teams[i].get()))
            out.back().push_back(p);
        else
            out.push_back({p});
    }
    return out;
}

// The decision that orders these teams (all of them in it), or nullptr.
const TieDecision *decisionFor(const FormatTournament &t, const std::vector<int> &teams)
{
    for (const TieDecision &d : t.decisions) {
        bool all = true;
        for (int team : teams)
            all = all && std::find(d.order.begin(), d.order.end(), team) != d.order.end();
        if (all)
            return &d;
    }
    return nullptr;
}

void orderBy(const TieDecision &d, std::vector<int> *teams)
{
    const auto pos = [&](int team) { return std::find(d.order.begin(), d.order.end(), team) - d.order.begin(); };
    std::stable_sort(teams->begin(), teams->end(), [&](int a, int b) { return pos(a) < pos(b); });
}

int finalIndex(const TournamentFormat &f)
{
    int best = -1;
    for (size_t i = 0; i < f.matches.size(); ++i)
        if (!f.matches[i].losers && (best < 0 || f.matches[i].round > f.matches[size_t(best)].round))
            best = int(i);
    return best;
}

// A decision still settles its tie only while exactly its teams stand
// level: a tie that grew or shrank is another tie, to be decided anew.
void markHolding(const FormatTournament &t, const TieDecision *d, size_t level, std::vector<bool> *holds)
{
    if (holds && d->order.size() == level)
        (*holds)[size_t(d - t.decisions.data())] = true;
}

} // namespace

TieDecision OpenTie::decision(const std::vector<int> &chosen) const
{
    TieDecision d{chosen};
    for (int team : teams)
        if (std::find(chosen.begin(), chosen.end(), team) == chosen.end())
            d.order.push_back(team);
    return d;
}

FormatStandings::Group rankGroup(const FormatTournament &t, int group, std::vector<OpenTie> *open,
                                 std::vector<bool> *holds)
{
    if (holds)
        holds->resize(t.decisions.size());
    GroupWork w{t, group, {}, {}};
    for (const FormatGroupMatch &m : t.groupMatches)
        if (m.team1 / 4 == group) {
            w.matches.push_back(&m);
            addResult(w.lines[size_t(w.local(m.team1))], w.lines[size_t(w.local(m.team2))], m.score1, m.score2,
                      t.format.win);
        }
    for (int p = 0; p < 4; ++p)
        w.lines[size_t(p)].team = 4 * group + p;

    std::vector<Block> blocks;
    if (t.format.order == TournamentFormat::Order::Goals) {
        blocks = rankGoals(w);
    } else {
        Block draw{0, 1, 2, 3};
        std::stable_sort(draw.begin(), draw.end(),
                         [&](int a, int b) { return w.lines[size_t(a)].points > w.lines[size_t(b)].points; });
        for (const Block &level : runs(draw, [&](int p) { return w.lines[size_t(p)].points; }))
            resolveDirect(w, level, &blocks);
    }

    FormatStandings::Group out;
    out.complete = w.matches.size() >= 6;
    int place = 0;
    for (Block &b : blocks) {
        std::vector<int> teams;
        for (int p : b)
            teams.push_back(4 * group + p);
        bool known = teams.size() == 1;
        if (!known) {
            if (const TieDecision *d = decisionFor(t, teams)) {
                orderBy(*d, &teams);
                markHolding(t, d, teams.size(), holds);
                known = true;
            }
        }
        // A tie matters where it hides a qualifier: the first two places,
        // and the third where thirds go on.
        const int first = place;
        const int last = place + int(teams.size()) - 1;
        const int lastThatMatters = t.format.thirds > 0 ? 2 : 1;
        const bool matters = first <= 1 || (t.format.thirds > 0 && first <= 2 && last >= 3);
        if (!known && out.complete && matters && open)
            open->push_back({QStringLiteral("Group %1").arg(QChar('A' + group)), teams, group, first,
                             std::min(lastThatMatters, last - 1) - first + 1});
        for (int team : teams) {
            out.known[size_t(place)] = known && out.complete;
            out.lines.push_back(w.lines[size_t(team - 4 * group)]);
            ++place;
        }
    }
    return out;
}

FormatStandings rankFormat(const FormatTournament &t)
{
    FormatStandings s;
    const TournamentFormat &f = t.format;
    s.decisionHolds.assign(t.decisions.size(), false);
    for (int g = 0; g < int(t.groups.size()); ++g)
        s.groups.push_back(rankGroup(t, g, &s.open, &s.decisionHolds));

    // Third-placed teams across groups: points, goal difference, goals.
    bool allThirds = f.thirds > 0;
    for (int g = 0; g < int(s.groups.size()); ++g) {
        const FormatStandings::Group &grp = s.groups[size_t(g)];
        allThirds = allThirds && grp.known[2];
        if (f.thirds > 0)
            s.thirds.push_back({grp.lines[2], char('A' + g), false});
    }
    const auto key = [](const FormatStandings::Third &x) {
        return std::tuple(x.line.points, x.line.goalDifference(), x.line.goalsFor);
    };
    std::stable_sort(s.thirds.begin(), s.thirds.end(), [&](const auto &a, const auto &b) { return key(a) > key(b); });
    if (allThirds) {
        s.thirdsKnown = true;
        size_t i = 0;
        while (i < s.thirds.size()) {
            size_t j = i + 1;
            while (j < s.thirds.size() && key(s.thirds[j]) == key(s.thirds[i]))
                ++j;
            if (j - i > 1) {
                std::vector<int> teams;
                for (size_t k = i; k < j; ++k)
                    teams.push_back(s.thirds[k].line.team);
                if (const TieDecision *d = decisionFor(t, teams)) {
                    orderBy(*d, &teams);
                    markHolding(t, d, teams.size(), &s.decisionHolds);
                    std::vector<FormatStandings::Third> copy(s.thirds.begin() + long(i), s.thirds.begin() + long(j));
                    for (size_t k = 0; k < teams.size(); ++k)
                        for (const auto &c : copy)
                            if (c.line.team == teams[k])
                                s.thirds[i + k] = c;
                } else if (i < size_t(f.thirds) && j > size_t(f.thirds)) {
                    // Level at the cut: who goes on is the user's decision.
                    s.thirdsKnown = false;
                    s.open.push_back({QStringLiteral("third-placed teams"), teams, -1, int(i),
                                      f.thirds - int(i)});
                }
            }
            i = j;
        }
        for (size_t k = 0; k < s.thirds.size(); ++k)
            s.thirds[k].qualified = s.thirdsKnown && k < size_t(f.thirds);
    }

    // The bracket, match by match in the order of play.
    QByteArray thirdGroups;
    const QByteArray *row = nullptr;
    if (s.thirdsKnown) {
        for (const auto &x : s.thirds)
            if (x.qualified)
                thirdGroups += x.group;
        std::sort(thirdGroups.begin(), thirdGroups.end());
        const auto it = f.rows.find(thirdGroups);
        row = it == f.rows.end() ? nullptr : &it->second;
    }
    s.bracket.resize(f.matches.size());
    for (size_t i = 0; i < f.matches.size(); ++i) {
        const FormatMatch &m = f.matches[i];
        FormatStandings::Slot &slot = s.bracket[i];
        int teams[2] = {-1, -1};
        for (int k = 0; k < 2; ++k) {
            const FormatSide &side = m.sides[k];
            switch (side.kind) {
            case FormatSide::GroupWinner:
            case FormatSide::RunnerUp: {
                const auto &grp = s.groups[size_t(side.group - 'A')];
                const size_t place = side.kind == FormatSide::GroupWinner ? 0 : 1;
                if (grp.known[place])
                    teams[k] = grp.lines[place].team;
                break;
            }
            case FormatSide::Third: {
                if (!row)
                    break;
                const auto col = std::find(f.thirdMatches.begin(), f.thirdMatches.end(), m.number);
                const char g = row->at(int(col - f.thirdMatches.begin()));
                teams[k] = s.groups[size_t(g - 'A')].lines[2].team;
                break;
            }
            case FormatSide::Winner:
            case FormatSide::Loser: {
                const auto &earlier = s.bracket[size_t(f.indexOf(side.match))];
                teams[k] = side.kind == FormatSide::Winner ? earlier.winner : earlier.loser;
                break;
            }
            }
        }
        slot.team1 = teams[0];
        slot.team2 = teams[1];
        for (const FormatKnockoutMatch &r : t.knockout)
            if (r.number == m.number && r.team1 == slot.team1 && r.team2 == slot.team2 && slot.team1 >= 0
                && slot.team2 >= 0 && r.score1 != r.score2) {
                slot.result = &r;
                slot.winner = r.score1 > r.score2 ? r.team1 : r.team2;
                slot.loser = r.score1 > r.score2 ? r.team2 : r.team1;
            }
    }
    const int fin = finalIndex(f);
    if (fin >= 0)
        s.champion = s.bracket[size_t(fin)].winner;
    return s;
}
