// Match files (matchs.dat and tour2.dat share the layout) on arbitrary
// bytes, read through their loaders: a file beyond its format's record count
// is refused unread, every whole record of a smaller one is kept, a trailing
// partial record is reported, and the kept matches are written and read back
// unchanged.
#include "FuzzCheck.h"

#include "tournament/model/TournamentFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace TournamentFiles;

namespace {

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate), "write the match file");
    FUZZ_CHECK(file.write(bytes) == bytes.size(), "write the match file");
}

bool sameMatches(const MatchList &a, const MatchList &b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (a[i].code != b[i].code || a[i].team1 != b[i].team1 || a[i].team2 != b[i].team2
            || a[i].score1 != b[i].score1 || a[i].score2 != b[i].score2)
            return false;
    return true;
}

// One file of the pair: load, check against the bytes, save, load again.
void checkFile(const QString &dir, const char *fileName, int maxRecords, const QByteArray &bytes,
               FileResult (*load)(Tournament &, const QString &),
               FileResult (*save)(const Tournament &, const QString &), MatchList Tournament::*list)
{
    writeBytes(QDir(dir).filePath(QString::fromLatin1(fileName)), bytes);
    Tournament t;
    const FileResult r = load(t, dir);
    const MatchList &loaded = t.*list;
    if (bytes.size() > qsizetype(maxRecords) * MatchRecordSize) {
        FUZZ_CHECK(!r.ok && loaded.empty(), "a file beyond its record count is refused unread");
        return;
    }
    FUZZ_CHECK(loaded.size() == size_t(bytes.size() / MatchRecordSize), "whole records kept");
    FUZZ_CHECK(r.ok == (bytes.size() % MatchRecordSize == 0), "only a partial record is an error");
    for (const TRencontre &m : loaded)
        FUZZ_CHECK(m.team1.size() <= ShortName::MaxLength && m.team2.size() <= ShortName::MaxLength,
                   "team names at most 20 bytes");
    FUZZ_CHECK(save(t, dir).ok, "the kept matches are written");
    Tournament again;
    FUZZ_CHECK(load(again, dir).ok, "the written file loads");
    FUZZ_CHECK(sameMatches(loaded, again.*list), "written matches read back equal");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir dir;
    FUZZ_CHECK(dir.isValid(), "temporary folder");
    const QByteArray bytes = fuzzBytes(data, size);
    checkFile(dir.path(), MatchesFile, MaxMatchRecords, bytes, loadMatches, saveMatchFile,
              &Tournament::liste_matchs);
    checkFile(dir.path(), Stage2File, MaxStage2Records, bytes, loadStage2, saveStage2File,
              &Tournament::liste_tour2);
    return 0;
}
