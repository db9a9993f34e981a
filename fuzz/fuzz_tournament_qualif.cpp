// qualif.dat on arbitrary bytes, read against the example tournament's
// groups: a file of any length but sixteen records is reported, and every
// filled slot points at a team of the groups, with the name the file gave
// when the file was short enough to be read.
#include "FuzzCheck.h"
#include "TournamentChecks.h"

#include "tournament/commands/TournamentCommands.h"
#include "tournament/model/TournamentFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace TournamentFiles;

namespace {

struct Fixture {
    QTemporaryDir dir;
    Tournament tournament;

    Fixture()
    {
        const QString examples = QStringLiteral(REPO_DIR "/examples/tournament");
        FUZZ_CHECK(dir.isValid(), "temporary folder");
        for (char g = 'A'; g <= 'H'; ++g)
            QFile::copy(QDir(examples).filePath(groupFileName(g)), dir.filePath(groupFileName(g)));
        FUZZ_CHECK(loadGroups(tournament, dir.path()), "the example groups load");
    }
};

bool isGroupTeam(const Tournament &t, const TEquipe *team)
{
    for (const TGroupe &g : t.groupes)
        for (const auto &candidate : g.teams)
            if (candidate.get() == team)
                return true;
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static Fixture fixture;
    Tournament &t = fixture.tournament;
    const QByteArray bytes = fuzzBytes(data, size);
    // An empty input stands for a folder without qualif.dat (an empty file
    // takes the same path as any other short one).
    const QString path = fixture.dir.filePath(QString::fromLatin1(QualifiersFile));
    QFile::remove(path);
    if (!bytes.isEmpty()) {
        QFile file(path);
        FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate), "write qualif.dat");
        FUZZ_CHECK(file.write(bytes) == bytes.size(), "write qualif.dat");
    }
    const FileResult r = loadQualifiers(t, fixture.dir.path());
    const int exact = QualifierRecordSize * kQualifierCount;
    FUZZ_CHECK(r.ok == (bytes.isEmpty() || bytes.size() == exact),
               "only a missing file or one of exactly sixteen records loads");
    for (int i = 0; i < kQualifierCount; ++i) {
        const TEquipe *team = t.qualifies[i];
        if (!team)
            continue;
        FUZZ_CHECK(isGroupTeam(t, team), "a qualifier slot points into the groups");
        if (bytes.isEmpty() || bytes.size() > exact)
            continue; // missing or refused unread: the slots come from the rankings
        const int n = qMin(int(static_cast<unsigned char>(bytes[QualifierRecordSize * i])),
                           ShortName::MaxLength);
        FUZZ_CHECK(team->name.bytes() == bytes.mid(QualifierRecordSize * i + 1, n),
                   "the slot holds the team the file names");
    }
    if (r.ok) {
        // The loaded qualifiers are written and read back unchanged.
        const auto loaded = t.qualifies;
        FUZZ_CHECK(saveQualifierFile(t, fixture.dir.path()).ok, "qualif.dat written");
        FUZZ_CHECK(loadQualifiers(t, fixture.dir.path()).ok, "written qualif.dat loads");
        FUZZ_CHECK(t.qualifies == loaded, "written qualifiers read back equal");
    }
    t.clearQualifiers();
    return 0;
}
