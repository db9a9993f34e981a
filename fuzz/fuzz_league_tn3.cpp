// The import of old *.tn3 files on arbitrary bytes: an import either fails
// with the runtime's message or gives a league within the corrected ranges
// that survives a save as a league file.
#include "FuzzCheck.h"
#include "LeagueChecks.h"

#include "league/model/League.h"
#include "league/model/LeagueError.h"
#include "league/model/LeagueFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    League league;
    try {
        LeagueFile::importTn3(fuzzBytes(data, size), league);
    } catch (const LeagueError &) {
        return 0;
    }
    checkLoadedLeague(league);
    checkSaveAndReload(league);
    return 0;
}
