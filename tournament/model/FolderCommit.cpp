#include "tournament/model/FolderCommit.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "common/AtomicFile.h"
#include "common/BoundedFile.h"

namespace FolderCommit {

namespace {

// The commit file: a first line naming the format, one line per file of
// the set, and a last line "end". A file without that last line was cut
// and commits nothing.
constexpr const char *Header = "folder-commit 1";
constexpr const char *EndLine = "end";
// A set of a few dozen names is well under a kilobyte.
constexpr qint64 MaxCommitFileBytes = 64 * 1024;

struct Plan
{
    QStringList put;
    QStringList removed;
};

QString pathIn(const QString &dir, const QString &name)
{
    return dir.isEmpty() ? name : QDir(dir).filePath(name);
}

QString stagedName(const QString &name)
{
    return QLatin1String(StagedPrefix) + name;
}

QString systemReason(int err)
{
    return QString::fromLocal8Bit(std::strerror(err != 0 ? err : EIO));
}

// A plain name in the folder itself, and none of the commit's own.
bool isPlainName(const QString &name)
{
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..")
           && !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\n'))
           && !name.contains(QChar(0)) && !name.startsWith(QLatin1String(StagedPrefix))
           && !name.startsWith(QLatin1String(CommitFileName));
}

QByteArray encodePlan(const Plan &plan)
{
    QByteArray out = QByteArray(Header) + '\n';
    for (const QString &name : plan.put)
        out += "put " + name.toUtf8() + '\n';
    for (const QString &name : plan.removed)
        out += "remove " + name.toUtf8() + '\n';
    return out + EndLine + '\n';
}

// False for anything but a whole commit file as encodePlan writes it.
bool decodePlan(const QByteArray &bytes, Plan *plan)
{
    if (!bytes.endsWith(QByteArray(EndLine) + '\n'))
        return false;
    QList<QByteArray> lines = bytes.split('\n');
    lines.removeLast(); // after the last line end
    if (lines.size() < 2 || lines.first() != Header || lines.last() != EndLine)
        return false;
    for (qsizetype i = 1; i + 1 < lines.size(); ++i) {
        const QByteArray &line = lines[i];
        const bool put = line.startsWith("put ");
        if (!put && !line.startsWith("remove "))
            return false;
        const QString name = QString::fromUtf8(line.mid(put ? 4 : 7));
        if (!isPlainName(name))
            return false;
        (put ? plan->put : plan->removed) << name;
    }
    return true;
}

// Makes the renames and removals in the folder itself durable, not only
// the files' contents. A file system that cannot sync a folder is no fault.
void syncFolder(const QString &dir)
{
    const int fd = ::open(QFile::encodeName(dir.isEmpty() ? QStringLiteral(".") : dir).constData(),
                          O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

bool exists(const QString &path)
{
    struct stat st;
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0;
}

FileResult removeFile(const QString &path)
{
    if (::unlink(QFile::encodeName(path).constData()) != 0 && errno != ENOENT)
        return FileResult::failure(QStringLiteral("Cannot delete %1: %2").arg(path, systemReason(errno)));
    return {};
}

// Carries out a committed set: every staged file still there replaces its
// file (one already renamed is simply gone from its staged name), the
// removals follow, and the commit file goes last, so that a kill in the
// middle leaves the same work for the next try.
FileResult finish(const QString &dir, const Plan &plan)
{
    for (const QString &name : plan.put) {
        const QString staged = pathIn(dir, stagedName(name));
        if (!exists(staged))
            continue;
        const QString target = pathIn(dir, name);
        if (::rename(QFile::encodeName(staged).constData(), QFile::encodeName(target).constData()) != 0)
            return FileResult::failure(QStringLiteral("Cannot write %1: %2").arg(target, systemReason(errno)));
    }
    for (const QString &name : plan.removed) {
        const FileResult r = removeFile(pathIn(dir, name));
        if (!r.ok)
            return r;
    }
    syncFolder(dir);
    const FileResult r = removeFile(pathIn(dir, QLatin1String(CommitFileName)));
    if (r.ok)
        syncFolder(dir);
    return r;
}

// Removes staged files and the temporary files of an unwritten commit file.
FileResult discardStaged(const QString &dir)
{
    const QStringList stray = QDir(dir).entryList(
        {QLatin1String(StagedPrefix) + QLatin1Char('*'), QLatin1String(CommitFileName) + QLatin1String(".*")},
        QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &name : stray) {
        const FileResult r = removeFile(pathIn(dir, name));
        if (!r.ok)
            return r;
    }
    return {};
}

} // namespace

FileResult recoverFolder(const QString &dir)
{
    if (!dir.isEmpty() && !QFileInfo(dir).isDir())
        return {};
    const QString commitPath = pathIn(dir, QLatin1String(CommitFileName));
    if (exists(commitPath)) {
        const BoundedFile::Result in = BoundedFile::read(commitPath, MaxCommitFileBytes);
        Plan plan;
        if (in.ok() && decodePlan(in.bytes, &plan))
            return finish(dir, plan);
        // Written whole or not at all by the atomic writer, so a commit
        // file that does not read is none of ours to carry out: the old
        // files stand.
        const FileResult r = removeFile(commitPath);
        if (!r.ok)
            return r;
    }
    return discardStaged(dir);
}

FileResult commitFiles(const QString &dir, const Files &files, const QStringList &removed)
{
    Plan plan;
    for (const auto &[name, bytes] : files) {
        if (!isPlainName(name) || plan.put.contains(name))
            return FileResult::failure(QStringLiteral("Cannot write %1: not a file name of the folder").arg(name));
        plan.put << name;
    }
    for (const QString &name : removed) {
        if (!isPlainName(name) || plan.put.contains(name))
            return FileResult::failure(QStringLiteral("Cannot delete %1: not a file name of the folder").arg(name));
        plan.removed << name;
    }
    FileResult r = recoverFolder(dir);
    if (!r.ok)
        return r;

    // A folder, FIFO or device where a file goes is never replaced.
    for (const QString &name : plan.put) {
        const QString target = pathIn(dir, name);
        struct stat st;
        if (::stat(QFile::encodeName(target).constData(), &st) == 0 && !S_ISREG(st.st_mode))
            return FileResult::failure(QStringLiteral("Cannot write %1: not a regular file").arg(target));
    }

    // Every staged file is complete and on the disk before the commit file
    // names it; a failure up to the commit file leaves the old folder.
    const auto undo = [&](const QString &error) {
        discardStaged(dir);
        return FileResult::failure(error);
    };
    for (const auto &[name, bytes] : files) {
        const AtomicFile::Result w = AtomicFile::write(pathIn(dir, stagedName(name)), bytes);
        if (!w.ok())
            return undo(QStringLiteral("Cannot write %1: %2").arg(pathIn(dir, name), AtomicFile::reason(w)));
    }
    const QString commitPath = pathIn(dir, QLatin1String(CommitFileName));
    const AtomicFile::Result c = AtomicFile::write(commitPath, encodePlan(plan));
    if (!c.ok())
        return undo(QStringLiteral("Cannot write %1: %2").arg(commitPath, AtomicFile::reason(c)));
    syncFolder(dir);
    // From here on the set is committed: what cannot be finished now is
    // finished the next time the folder is opened.
    return finish(dir, plan);
}

} // namespace FolderCommit
