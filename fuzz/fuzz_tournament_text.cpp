// The --create text format on arbitrary bytes: a text either is refused
// with a line number or gives eight groups A..H of four teams whose names
// fit their fields, and the group files made from it load back unchanged.
#include "FuzzCheck.h"
#include "TournamentChecks.h"

#include "tournament/model/TournamentFiles.h"
#include "tournament/model/TournamentText.h"

#include <set>

using namespace TournamentFiles;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const TournamentTextParse parsed = parseTournamentText(fuzzBytes(data, size));
    if (!parsed.ok) {
        FUZZ_CHECK(parsed.error.startsWith(QStringLiteral("line ")), "errors name their line");
        return 0;
    }
    FUZZ_CHECK(parsed.groups.size() == size_t(kGroupCount), "eight groups");
    std::set<QByteArray> names;
    for (int g = 0; g < kGroupCount; ++g) {
        const TGroupe &group = parsed.groups[g];
        FUZZ_CHECK(group.letter == char('A' + g), "groups in letter order");
        FUZZ_CHECK(group.teams.size() == size_t(kTeamsPerGroup), "four teams per group");
        QByteArray file;
        for (const auto &team : group.teams) {
            checkTeamFields(*team);
            FUZZ_CHECK(!team->name.isEmpty(), "team names hold at least one byte");
            FUZZ_CHECK(names.insert(team->name.bytes()).second, "team names are unique");
            for (int i = 0; i < team->playerCount(); ++i)
                FUZZ_CHECK(!team->squad[i].name.isEmpty(), "player names hold at least one byte");
            file += encodeTeam(*team);
        }
        const GroupParse back = parseGroup(file);
        FUZZ_CHECK(back.ok, "a made group file loads");
        for (int i = 0; i < kTeamsPerGroup; ++i)
            FUZZ_CHECK(sameTeam(*back.teams[i], *group.teams[i]), "a made group reads back equal");
    }
    return 0;
}
