#pragma once

#include <QString>

class League;

// Loads the league a command-line command works on: a league file, or an old
// .tn3 file (by its extension, in any case), which is imported. Throws
// LeagueError when the file cannot be read.
void loadScriptLeague(const QString &path, League &league);
