#pragma once

#include <QString>
#include <QStringList>

// The commands for tournaments of any format. A folder holding a
// tournament.format is one of them; any other folder is a classic 32-team
// tournament and goes to the classic commands.

// trophex --formats: one line per shipped format, its key and its name.
int runFormats();

// trophex --create=TEXT --format=NAME|FILE DIR. A classic format goes to
// today's --create.
int runCreateFormat(const QString &textFile, const QString &format, const QString &dir);

// trophex --import=FILE... [--squads=FOLDER|FILE] [--format=NAME|FILE] DIR.
// Without a format the number of groups chooses one (stderr says which); a
// classic format goes to today's import once its bracket fits.
int runImportFormat(const QStringList &files, const QString &squads, const QString &format, const QString &dir);

// --export and --report of a folder with a tournament.format.
int runExportFormat(const QString &file, const QString &dir);
int runReportFormat(const QString &dir);
