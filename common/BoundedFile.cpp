#include "common/BoundedFile.h"

#include <QFile>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Opens without blocking and checks what the descriptor refers to. Returns
// the descriptor (>= 0) for a regular file within the limit, or -1 with r
// filled in. The check is made on the opened file, so a name that is
// replaced between the check and the read cannot slip past it.
int openChecked(const QString &path, qint64 maxBytes, BoundedFile::Result &r)
{
    using Status = BoundedFile::Status;
    if (path.isEmpty()) {
        r.status = Status::Missing;
        r.systemError = ENOENT;
        return -1;
    }
    const QByteArray name = QFile::encodeName(path);
    int fd;
    do
        fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        r.systemError = errno;
        if (errno == ENOENT || errno == ENOTDIR)
            r.status = Status::Missing;
        else if (errno == EISDIR || errno == ENXIO || errno == ENODEV)
            r.status = Status::NotRegular;
        else
            r.status = Status::OpenFailed;
        return -1;
    }
    struct stat st;
    if (::fstat(fd, &st) != 0) {
        r.systemError = errno;
        r.status = Status::OpenFailed;
        ::close(fd);
        return -1;
    }
    if (!S_ISREG(st.st_mode)) {
        r.status = Status::NotRegular;
        ::close(fd);
        return -1;
    }
    r.size = qint64(st.st_size);
    if (r.size > maxBytes) {
        r.status = Status::TooLarge;
        ::close(fd);
        return -1;
    }
    return fd;
}

} // namespace

BoundedFile::Result BoundedFile::examine(const QString &path, qint64 maxBytes)
{
    Result r;
    const int fd = openChecked(path, maxBytes, r);
    if (fd >= 0) {
        r.status = Status::Ok;
        ::close(fd);
    }
    return r;
}

BoundedFile::Result BoundedFile::read(const QString &path, qint64 maxBytes)
{
    Result r;
    const int fd = openChecked(path, maxBytes, r);
    if (fd < 0)
        return r;
    // The file may grow after fstat; one byte beyond the limit tells.
    QByteArray bytes(qsizetype(r.size) + 1, Qt::Uninitialized);
    qint64 have = 0;
    for (;;) {
        if (have == bytes.size()) {
            if (have > maxBytes)
                break;
            bytes.resize(qsizetype(qMin<qint64>(maxBytes + 1, have * 2 + 4096)));
        }
        const ssize_t n = ::read(fd, bytes.data() + have, size_t(bytes.size() - have));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            r.systemError = errno;
            r.status = Status::ReadFailed;
            ::close(fd);
            return r;
        }
        if (n == 0)
            break;
        have += n;
    }
    ::close(fd);
    if (have > maxBytes) {
        r.status = Status::TooLarge;
        r.size = have;
        return r;
    }
    bytes.truncate(qsizetype(have));
    r.bytes = std::move(bytes);
    r.size = have;
    r.status = Status::Ok;
    return r;
}

QString BoundedFile::limitText(qint64 maxBytes)
{
    if (maxBytes >= kMiB && maxBytes % kMiB == 0)
        return QStringLiteral("%1 MB").arg(maxBytes / kMiB);
    return QStringLiteral("%1 bytes").arg(maxBytes);
}

QString BoundedFile::reason(const Result &r, qint64 maxBytes)
{
    switch (r.status) {
    case Status::Ok:
        return QString();
    case Status::Missing:
        return QStringLiteral("no such file");
    case Status::NotRegular:
        return QStringLiteral("not a regular file");
    case Status::TooLarge:
        return QStringLiteral("larger than %1").arg(limitText(maxBytes));
    case Status::OpenFailed:
    case Status::ReadFailed:
        break;
    }
    return QString::fromLocal8Bit(std::strerror(r.systemError));
}
