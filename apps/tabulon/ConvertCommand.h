#pragma once

#include <QStringList>

// tabulon --convert IN OUT: loads IN (a league file, or an old .tn3 file
// recognised by its extension) and saves it as the league file OUT.
// args holds the whole command line after the program name, starting with
// "--convert". Returns 0 on success, 1 when loading or saving failed (one
// German message line on stderr, OUT untouched), 2 on wrong usage.
int runConvert(const QStringList &args);
