#pragma once

#include <QByteArray>
#include <QString>

// Reads a data file whole, but only a regular file that is no larger than
// its format allows. Every file is opened without blocking, so a FIFO or a
// device named like a data file is refused at once instead of waiting for a
// writer; the size is checked before anything is read, so a link to an
// endless device or a huge file never fills the memory.
class BoundedFile {
public:
    enum class Status {
        Ok,
        Missing,     // no such file (or a folder on the way does not exist)
        NotRegular,  // a folder, FIFO, socket or device
        TooLarge,    // more bytes than the format can ever hold
        OpenFailed,  // the system refused to open it (permissions, ...)
        ReadFailed,  // an I/O error while reading
    };

    struct Result {
        Status status = Status::Missing;
        QByteArray bytes;   // the whole file when status is Ok
        int systemError = 0; // errno of an open or read failure
        qint64 size = -1;    // the size found, when the file could be examined

        bool ok() const { return status == Status::Ok; }
    };

    // Reads the file at path when it is a regular file of at most maxBytes.
    static Result read(const QString &path, qint64 maxBytes);

    // Examines the file as read() does, without reading its contents.
    static Result examine(const QString &path, qint64 maxBytes);

    // A short English reason for a failed result ("not a regular file",
    // "larger than 4 MB", the system's text for an open failure).
    static QString reason(const Result &r, qint64 maxBytes);

    // "4 MB", "2,848 bytes": a limit as the messages and the README give it.
    static QString limitText(qint64 maxBytes);

    static constexpr qint64 kMiB = 1024 * 1024;
};
