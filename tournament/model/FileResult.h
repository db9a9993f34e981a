#pragma once

#include <QString>

// Outcome of a read or write: error is the message for the standard error
// box (names the file and the system's reason) when ok is false.
struct FileResult
{
    bool ok = true;
    QString error;

    static FileResult failure(const QString &message) { return {false, message}; }
};
