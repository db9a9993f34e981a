#pragma once

#include <QByteArray>
#include <QString>

// Writes a whole file so that its readers only ever see the old or the
// complete new contents: the bytes go to a temporary file in the same
// folder, are flushed and checked, and only then renamed over the old file.
// Every writer of both programs goes through here, so a full disk, a
// read-only folder or a kill mid-way never leaves a cut file behind.
class AtomicFile {
public:
    enum class Status {
        Ok,
        NotRegular,   // the target is a folder, FIFO, socket or device (or a link to one)
        OpenFailed,   // the temporary file could not be created
        WriteFailed,  // writing or flushing failed (a full disk, an I/O error)
        CommitFailed, // the rename over the old file failed
    };

    struct Result {
        Status status = Status::Ok;
        int systemError = 0; // errno of the failing step, 0 when none was set

        bool ok() const { return status == Status::Ok; }
    };

    static Result write(const QString &path, const QByteArray &bytes);

    // The reason in the system's words ("No space left on device"), or
    // "not a regular file" for a refused target; never "Unknown error".
    static QString reason(const Result &r);
};
