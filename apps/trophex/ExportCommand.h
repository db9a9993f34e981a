#pragma once

#include <QString>

#include "tournament/exchange/TournamentExport.h"

// trophex --export=FILE [DIR]: writes the tournament in DIR as Football.TXT.
// Returns 0, or 1 with a message on stderr.
int runExport(const QString &file, const QString &dir);

// Writes an export's text to FILE as one whole file, or says on stderr why
// it was not made (the text's own fault or the write's); both the classic
// and the other formats' export end here. Returns 0 or 1.
int writeExportText(const QString &file, const TournamentExport::Result &text);
