#include "common/AtomicFile.h"

#include <QFile>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

namespace {

AtomicFile::Result failure(AtomicFile::Status status, int err)
{
    return {status, err};
}

} // namespace

AtomicFile::Result AtomicFile::write(const QString &path, const QByteArray &bytes)
{
    // A FIFO, device or folder at the target (or a link to one) is never
    // replaced by a regular file: renaming over a device node would destroy
    // it, and writing into a FIFO would block.
    struct stat st;
    const QByteArray native = QFile::encodeName(path);
    if (::stat(native.constData(), &st) == 0 && !S_ISREG(st.st_mode))
        return failure(Status::NotRegular, 0);

    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly))
        return failure(Status::OpenFailed, errno);
    // QSaveFile::commit() does not notice when the buffered rest of the
    // file cannot be written (a full disk): it would replace the old file
    // with a cut one. Flushing first makes that write fail here.
    errno = 0;
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const int err = errno;
        file.cancelWriting();
        return failure(Status::WriteFailed, err != 0 ? err : EIO);
    }
    errno = 0;
    if (!file.commit())
        return failure(Status::CommitFailed, errno != 0 ? errno : EIO);
    return {};
}

QString AtomicFile::reason(const Result &r)
{
    if (r.status == Status::Ok)
        return {};
    if (r.status == Status::NotRegular)
        return QStringLiteral("not a regular file");
    const int err = r.systemError != 0 ? r.systemError : EIO;
    return QString::fromLocal8Bit(std::strerror(err));
}
