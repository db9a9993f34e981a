// Group files (groupeA.dat .. groupeH.dat) on arbitrary bytes: only exactly
// four whole records load, every field stays within its size, and a group
// written and read again is the same.
#include "FuzzCheck.h"
#include "TournamentChecks.h"

#include "tournament/model/TournamentFiles.h"

using namespace TournamentFiles;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = fuzzBytes(data, size);
    const GroupParse parsed = parseGroup(bytes);
    FUZZ_CHECK(parsed.ok == (bytes.size() == TeamRecordSize * kTeamsPerGroup),
               "a group file loads exactly when it holds four whole records");
    if (!parsed.ok)
        return 0;
    FUZZ_CHECK(parsed.teams.size() == size_t(kTeamsPerGroup), "four teams");

    QByteArray written;
    for (const auto &team : parsed.teams) {
        checkTeamFields(*team);
        const QByteArray record = encodeTeam(*team);
        FUZZ_CHECK(record.size() == TeamRecordSize, "a team record has 712 bytes");
        written += record;
    }
    const GroupParse again = parseGroup(written);
    FUZZ_CHECK(again.ok, "a written group loads");
    for (int i = 0; i < kTeamsPerGroup; ++i)
        FUZZ_CHECK(sameTeam(*again.teams[i], *parsed.teams[i]), "a written team reads back equal");
    // What the program writes, it writes the same way again.
    QByteArray twice;
    for (const auto &team : again.teams)
        twice += encodeTeam(*team);
    FUZZ_CHECK(twice == written, "writing a group is stable");
    return 0;
}
