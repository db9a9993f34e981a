#pragma once

#include <QStringList>

// Runs one command-line command (--convert, --export, ...) without a display.
// Returns the process exit status.
int runHeadless(const QStringList &args);
