#pragma once

#include <QString>
#include <QStringList>

#include "tournament/model/TournamentFiles.h"

// Flag pictures in a tournament folder: what a new team's flag is called
// and the writing of its picture.
namespace TeamFlags {

// The flag name for a team: its name in lower-case letters and digits with
// "_" between the words ("Côte d'Ivoire" gives "cote_divoire"), at most 20
// characters, never one of the program's own pictures ("logo", "defaut",
// ...) and, compared without regard to case, none of the names in taken
// ("_2", "_3", ... is added). A name with nothing to keep gives "team".
QString flagName(const QString &teamName, const QStringList &taken = {});

// The team's picture (FlagPicture::forTeam) as a 24-bit bitmap.
QByteArray pictureBytes(const QString &teamName);

// Writes the team's picture to path, atomically.
FileResult writePicture(const QString &path, const QString &teamName);

struct Written
{
    bool ok = false;
    QString flag;  // the base name of the written picture
    QString error; // why nothing was written
};

// Writes <flag>.bmp into the tournament folder dir for a team and returns
// flag, a plain file base name to store in the team's record.
Written writeFlag(const QString &dir, const QString &teamName, const QStringList &taken = {});

// The program's own pictures that every start and the closing windows load
// (tpx.ico, mascot.bmp, sigle.bmp, defaut.bmp, coupe.bmp, logo.bmp), as the
// example tournament has them.
QStringList ownPictures();
// Adds to files each of them that dir lacks; a picture already there (the
// user's own, perhaps) stays.
FileResult ownPictureFiles(const QString &dir, FolderCommit::Files *files);
// The flag of every team whose picture dir lacks, drawn from its name.
FolderCommit::Files missingFlagFiles(const std::vector<TGroupe> &groups, const QString &dir);
// The same, each written at once as one set.
FileResult writeOwnPictures(const QString &dir);
FileResult writeMissingFlags(const std::vector<TGroupe> &groups, const QString &dir);

} // namespace TeamFlags
