#pragma once

#include <QStringList>

// tabulon --export=tables|cross|matchdays --format=html|txt|rtf --output=FILE LEAGUE
// tabulon --export=tables ... --date=DD.MM.YYYY (the matches played by then)
// tabulon --export=curve --team=N --format=bmp|gif|png --output=FILE LEAGUE
// Writes one export of the league file (or old .tn3 file) LEAGUE without a
// window. The league table takes the zone colours of the league's own
// settings. args is the command line after the program name. Returns 0 on
// success, 1 with one line on stderr when LEAGUE cannot be read or FILE
// cannot be written (FILE is then left as it was), 2 with the usage on
// stderr for wrong arguments.
int runExport(const QStringList &args);

// The usage lines of the command, for the program's --help text.
const char *exportUsage();
