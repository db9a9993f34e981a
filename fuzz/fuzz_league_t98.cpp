// League files (*.T98) on arbitrary bytes: the load corrections hold every
// index the model is used with, and a league saved and read again is equal.
#include "FuzzCheck.h"
#include "LeagueChecks.h"

#include "league/model/IniFile.h"
#include "league/model/League.h"
#include "league/model/LeagueFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    IniFile ini;
    ini.fromBytes(fuzzBytes(data, size));
    League league;
    LeagueFile::read(ini, league);
    checkLoadedLeague(league);
    checkSaveAndReload(league);

    // Saving over the file it came from keeps the foreign lines and still
    // reads back as the same league.
    IniFile over = ini;
    LeagueFile::write(league, over);
    IniFile reread;
    reread.fromBytes(over.toBytes());
    League back;
    LeagueFile::read(reread, back);
    const League expected = blankedLeague(league);
    if (!back.sameContents(expected))
        std::fprintf(stderr, "differs in %s\n", firstDifference(expected, back));
    FUZZ_CHECK(back.sameContents(expected), "a league saved over its own file reads back equal");
    return 0;
}
