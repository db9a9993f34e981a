// tournament.data on arbitrary bytes, read for the Euro 2020 format: a file
// is refused with its line, or it reads into teams, matches and decisions
// that the writer turns into the same bytes again, and it ranks without
// fault.
#include "FuzzCheck.h"

#include "tournament/format/FormatFiles.h"

#include <QFile>

namespace {

TournamentFormat euro2020()
{
    QFile f(QStringLiteral(REPO_DIR "/tournament/format/formats/euro2020.format"));
    FUZZ_CHECK(f.open(QIODevice::ReadOnly), "the shipped format is there");
    const FormatFile::Read r = FormatFile::parse(f.readAll(), QStringLiteral("euro2020.format"));
    FUZZ_CHECK(r.ok, "the shipped format reads");
    return r.format;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const TournamentFormat format = euro2020();
    FormatTournament t;
    t.format = format;
    const QByteArray bytes = fuzzBytes(data, size);
    const FormatFiles::Load r = FormatFiles::decode(t, bytes, QStringLiteral("tournament.data"));
    if (!r.ok) {
        FUZZ_CHECK(r.error.startsWith(QStringLiteral("tournament.data: ")), "errors name the file");
        FUZZ_CHECK(t.groups.empty() && t.groupMatches.empty(), "a refused file leaves nothing");
        return 0;
    }
    FUZZ_CHECK(t.teamCount() == 24, "six groups of four");
    const FormatStandings s = rankFormat(t);
    FUZZ_CHECK(s.groups.size() == 6, "every group ranks");
    const QByteArray written = FormatFiles::encode(t);
    FormatTournament back;
    back.format = format;
    FUZZ_CHECK(FormatFiles::decode(back, written, QStringLiteral("tournament.data")).ok, "what is written reads");
    FUZZ_CHECK(FormatFiles::encode(back) == written, "written and read back equal");
    return 0;
}
