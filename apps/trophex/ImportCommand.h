#pragma once

#include <QString>
#include <QStringList>

// trophex --import=FILE [--import=FILE ...] [--squads=FOLDER] [DIR]: reads a
// world tournament from Football.TXT files and writes its group files,
// flags, matchs.dat, tour2.dat and buteurs.dat into DIR. Returns 0, or 1
// with the file and line on stderr (nothing is written then).
int runImport(const QStringList &files, const QString &squadsDir, const QString &dir);
