// Match files (matchs.dat and tour2.dat share the layout) on arbitrary
// bytes: every whole record is kept, a trailing partial one is reported, and
// the kept matches are written and read back unchanged.
#include "FuzzCheck.h"

#include "tournament/model/TournamentFiles.h"

using namespace TournamentFiles;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = fuzzBytes(data, size);
    const MatchParse parsed = parseMatches(bytes);
    FUZZ_CHECK(parsed.matches.size() == size_t(bytes.size() / MatchRecordSize), "whole records kept");
    FUZZ_CHECK(parsed.partialRecord == (bytes.size() % MatchRecordSize != 0), "partial record reported");

    QByteArray written;
    for (const TRencontre &m : parsed.matches) {
        FUZZ_CHECK(m.team1.size() <= ShortName::MaxLength && m.team2.size() <= ShortName::MaxLength,
                   "team names at most 20 bytes");
        written += encodeMatch(m);
    }
    FUZZ_CHECK(written.size() == qsizetype(parsed.matches.size()) * MatchRecordSize, "record size");
    const MatchParse again = parseMatches(written);
    FUZZ_CHECK(!again.partialRecord && again.matches.size() == parsed.matches.size(), "written matches load");
    for (size_t i = 0; i < parsed.matches.size(); ++i) {
        const TRencontre &a = parsed.matches[i];
        const TRencontre &b = again.matches[i];
        FUZZ_CHECK(a.code == b.code && a.team1 == b.team1 && a.team2 == b.team2
                       && a.score1 == b.score1 && a.score2 == b.score2,
                   "a written match reads back equal");
    }
    return 0;
}
