#pragma once

#include "league/model/LeagueOpen.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class League;

// Remembers the command-line arguments whose bytes do not survive decoding
// into text and encoding back into a file name (invalid in the file
// system's encoding): such a name would open or create some other file.
void rememberRawArguments(int argc, char **argv);
// True when path is, or ends an "--option=" argument that is, one of them.
bool isUndecodableArgument(const QString &path);

// Loads the league a command-line command works on from a league file, the
// previous version's file or a Football.TXT or .JSON, each read in the
// format its content and name give. Throws LeagueError when the file cannot
// be read (also when it does not exist).
LeagueOpen::Opened openScriptLeague(const QString &path);
void loadScriptLeague(const QString &path, League &league);

// Loads the league named on the command line and runs a command's work on
// it. A LeagueError from either is written to stderr; the exit status is 1
// then and 0 otherwise.
int runOnScriptLeague(const QString &path, const std::function<void(const League &)> &work);

// Writes "tabulon: <problem>" and the command's usage to stderr; returns the
// exit status of a wrong command line, 2.
int scriptUsageError(const QString &problem, const char *usage);

// The one league file among the arguments that are not options; nullopt
// with *problem set when there is none or more than one ("exported",
// "printed" name what the command does with it).
std::optional<QString> singleLeagueArgument(const QStringList &positional, const char *done, QString *problem);

// Splits a command line into "--name" / "--name=value" options and the
// other arguments. flags take no value, valued options need one; an unknown
// option, one given twice or a missing or stray value sets *problem and
// gives false.
bool splitOptions(const QStringList &args, const QStringList &flags, const QStringList &valued,
                  QHash<QString, QString> *options, QStringList *positional, QString *problem);
