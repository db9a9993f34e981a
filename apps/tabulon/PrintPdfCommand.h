#pragma once

#include <QStringList>

// tabulon --print-pdf=FILE [--tables] [--cross] [--matchdays=all|filled|LIST]
//         [--curves=all|LIST] LEAGUE
// Writes the document that the print command builds for that selection as a
// PDF, without a window. Without any selection option the print dialog's
// defaults apply (tables, cross table, the matchdays that hold an entry, all
// 18 curves). LIST is comma-separated numbers and ranges such as 1-6,9. The
// league table takes the zone colours of the league's own settings. Returns
// 0 on success, 1 with one line on stderr when LEAGUE cannot be read or FILE
// cannot be written (FILE is then left as it was), 2 with the usage on
// stderr for wrong arguments.
int runPrintPdf(const QStringList &args);

// The usage lines of the command, for the program's --help text.
const char *printPdfUsage();
