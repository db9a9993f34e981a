#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Small file and process helpers shared by the league core tests.

// Root ignores file permissions, so the refused-write cases run with the
// real and effective user switched to nobody; the saved id lets us return.
class AsUnprivileged {
public:
    AsUnprivileged();
    ~AsUnprivileged();
    AsUnprivileged(const AsUnprivileged &) = delete;
    AsUnprivileged &operator=(const AsUnprivileged &) = delete;

private:
    bool m_switched = false;
};

// The bytes of a file, or "<missing>" when it cannot be read.
QByteArray readAll(const QString &path);

// Writes bytes to a file; a failure fails the running test.
void writeAll(const QString &path, const QByteArray &bytes);

struct Run {
    int exitCode = -1; // -1: did not finish, -2: crashed
    QByteArray out;
    QByteArray err;
};

// Runs tabulon as a script would: no display, no Qt platform chosen, no
// runtime folder; the command line must cope on its own.
Run runTabulon(const QStringList &args, const QString &workDir = QString());
