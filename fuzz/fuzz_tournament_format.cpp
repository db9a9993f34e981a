// The tournament format file on arbitrary bytes: a file is refused with its
// name and a reason, or it gives a bracket that every rule holds for, whose
// round names follow from it and which resolves on an empty tournament.
#include "FuzzCheck.h"

#include "tournament/format/TournamentFormat.h"
#include "tournament/format/FormatTournament.h"

#include <set>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const FormatFile::Read r = FormatFile::parse(fuzzBytes(data, size), QStringLiteral("f.format"));
    if (!r.ok) {
        FUZZ_CHECK(r.error.startsWith(QStringLiteral("f.format: ")), "errors name the file");
        return 0;
    }
    const TournamentFormat &f = r.format;
    FUZZ_CHECK(f.groups >= 2 && f.groups <= 12, "2 to 12 groups");
    FUZZ_CHECK(f.win == 2 || f.win == 3, "two or three points a win");
    FUZZ_CHECK(f.thirds >= 0 && f.thirds <= f.groups, "no more thirds than groups");
    std::set<int> numbers;
    int firstRound = 0;
    int finals = 0;
    for (size_t i = 0; i < f.matches.size(); ++i) {
        const FormatMatch &m = f.matches[i];
        FUZZ_CHECK(numbers.insert(m.number).second, "match numbers are unique");
        for (const FormatSide &s : m.sides)
            if (!s.isGroupSide())
                FUZZ_CHECK(f.indexOf(s.match) >= 0 && f.indexOf(s.match) < int(i), "W and L name earlier matches");
        firstRound += m.round == 0;
        finals += f.roundName(m) == QLatin1String("Final");
    }
    FUZZ_CHECK(2 * firstRound == f.firstRoundTeams(), "the first round holds 2 x groups + thirds teams");
    FUZZ_CHECK(finals == 1, "one final");
    FUZZ_CHECK(f.thirds == 0 || !f.rows.empty(), "thirds come with their rows");
    for (const auto &[groups, assigned] : f.rows)
        FUZZ_CHECK(groups.size() == f.thirds && assigned.size() == f.thirds, "rows name each qualified group");

    // Nothing played: the bracket resolves to empty places.
    FormatTournament t;
    t.format = f;
    for (int g = 0; g < f.groups; ++g) {
        FormatGroup group;
        group.letter = char('A' + g);
        for (int k = 0; k < 4; ++k)
            group.teams[size_t(k)].name = QStringLiteral("T%1").arg(4 * g + k);
        t.groups.push_back(group);
    }
    const FormatStandings s = rankFormat(t);
    FUZZ_CHECK(s.bracket.size() == f.matches.size(), "one place per match");
    FUZZ_CHECK(s.champion < 0, "no champion before any match");
    return 0;
}
