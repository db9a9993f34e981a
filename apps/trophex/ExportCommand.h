#pragma once

#include <QString>

// trophex --export=FILE [DIR]: writes the tournament in DIR as Football.TXT.
// Returns 0, or 1 with a message on stderr.
int runExport(const QString &file, const QString &dir);
