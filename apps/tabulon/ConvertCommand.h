#pragma once

#include <QStringList>

// tabulon --convert IN OUT: loads IN (a league file, an old .tn3 file, a
// Football.TXT *.txt or a Football.JSON *.json file, recognised by the
// extension) and saves it as OUT: Football.TXT for *.txt, Football.JSON for
// *.json, a league file otherwise. What a Football file holds besides the
// league, and what the league cannot carry into one, goes to stderr as one
// German line each.
// args holds the whole command line after the program name, starting with
// "--convert". Returns 0 on success, 1 when loading or saving failed (one
// German message line on stderr, OUT untouched), 2 on wrong usage.
int runConvert(const QStringList &args);
