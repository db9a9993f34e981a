#pragma once

#include <QStringList>

// tabulon --fixtures [--teams=N] [--rounds=N] [--seed=N] [--start=DD.MM.YYYY]
//                    [--days=N] [--force] LEAGUE
// Makes the fixture list of the league file LEAGUE and writes it back; a
// LEAGUE that does not exist is created with its teams named "Team 1" ...,
// and so are the slots of an existing league that are new or have no name.
// --teams and --rounds give the league that shape first, refused while a
// slot, matchday or row the shape drops holds a pairing or a result.
// Matchdays that hold pairings or results are replaced only with --force,
// and then only those without a result: a matchday with a result keeps it
// and its pairings. Prints the seed of the draw on stdout. Returns 0 on
// success, 1 with one German line on stderr when LEAGUE cannot be read,
// reshaped, filled without --force or written (LEAGUE is then left as it
// was), 2 with the usage on stderr for wrong arguments.
int runFixtures(const QStringList &args);

// The usage lines of the command, for the program's --help text.
const char *fixturesUsage();
