#include "tournament/format/BracketLayout.h"

#include <algorithm>

namespace BracketLayout {

QString sideLabel(const FormatSide &side)
{
    if (side.kind != FormatSide::Third)
        return side.text();
    QStringList groups;
    for (char g : side.groups)
        groups << QString(QLatin1Char(g));
    return QStringLiteral("3") + groups.join(QLatin1Char('/'));
}

namespace {

struct Walk
{
    const TournamentFormat &f;
    Layout &out;
    std::vector<bool> placed;
    int lastRound = 0;

    // Places the match at index i and everything that feeds it on one half;
    // leaves take the next free row of that half.
    double place(int i, bool left, double *nextRow)
    {
        const FormatMatch &m = f.matches[size_t(i)];
        Place &p = out.places[size_t(i)];
        placed[size_t(i)] = true;
        p.left = left;
        p.column = left ? m.round : 2 * lastRound - m.round;
        std::array<int, 2> from{-1, -1};
        for (int k = 0; k < 2; ++k)
            if (m.sides[k].kind == FormatSide::Winner)
                from[size_t(k)] = f.indexOf(m.sides[k].match);
        out.feeders[size_t(i)] = from;
        if (from[0] < 0 || from[1] < 0 || placed[size_t(from[0])] || placed[size_t(from[1])]) {
            p.row = *nextRow + 0.5;
            *nextRow += 1;
            return p.row;
        }
        const double a = place(from[0], left, nextRow);
        const double b = place(from[1], left, nextRow);
        p.row = (a + b) / 2;
        return p.row;
    }
};

} // namespace

Layout layout(const TournamentFormat &f)
{
    Layout out;
    const int n = int(f.matches.size());
    out.places.resize(size_t(n));
    out.feeders.assign(size_t(n), {-1, -1});
    if (n == 0)
        return out;
    int fin = -1;
    for (int i = 0; i < n; ++i)
        if (!f.matches[size_t(i)].losers && (fin < 0 || f.matches[size_t(i)].round > f.matches[size_t(fin)].round))
            fin = i;
    Walk w{f, out, std::vector<bool>(size_t(n), false), f.matches[size_t(fin)].round};
    out.columns = 2 * w.lastRound + 1;

    const FormatMatch &final = f.matches[size_t(fin)];
    std::array<int, 2> semis{-1, -1};
    for (int k = 0; k < 2; ++k)
        if (final.sides[k].kind == FormatSide::Winner)
            semis[size_t(k)] = f.indexOf(final.sides[k].match);
    w.placed[size_t(fin)] = true;
    out.feeders[size_t(fin)] = semis;
    double leftRows = 0;
    double rightRows = 0;
    double centre = 0.5;
    if (semis[0] >= 0 && semis[1] >= 0) {
        const double a = w.place(semis[0], true, &leftRows);
        const double b = w.place(semis[1], false, &rightRows);
        centre = (a + b) / 2;
    } else {
        leftRows = 1; // a format whose first round is its final
    }
    out.places[size_t(fin)] = {w.lastRound, centre, true};
    out.rows = std::max(leftRows, rightRows);

    // The match for third place below the final, in the middle column; any
    // match the walk did not reach (no format has one) below everything.
    double below = out.rows;
    for (int i = 0; i < n; ++i) {
        if (w.placed[size_t(i)])
            continue;
        const FormatMatch &m = f.matches[size_t(i)];
        if (m.losers) {
            out.places[size_t(i)] = {w.lastRound, centre + 1.5, true};
            below = std::max(below, centre + 2);
        } else {
            out.places[size_t(i)] = {std::clamp(m.round, 0, out.columns - 1), below + 0.5, true};
            below += 1;
        }
        w.placed[size_t(i)] = true;
    }
    out.rows = std::max(out.rows, below);
    return out;
}

} // namespace BracketLayout
