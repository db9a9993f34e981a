#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

#include "tournament/model/FileResult.h"

// A tournament folder changes as a whole: the files of one save are first
// written beside the old ones under staged names, then a small commit file
// names the set, then the staged files are renamed over the old ones and
// the commit file is removed. A process killed at any moment leaves either
// no commit file (the old files stand, the staged ones are thrown away) or
// a complete one (the set is finished when the folder is next opened), so
// the folder always reads as the old or the new tournament.
//
// Nothing here knows the tournament's files: any set of plain file names in
// one folder can be committed this way.
namespace FolderCommit {

// The commit file and the prefix of staged files. Both begin with a dot,
// so that they stay out of the way in a listing; neither is ever left
// behind by a commit that ran to its end.
inline constexpr const char *CommitFileName = ".folder-commit";
inline constexpr const char *StagedPrefix = ".staged-";

using Files = QList<QPair<QString, QByteArray>>;

// Writes files (name, bytes) and removes the files named in removed, all
// in one step. An unfinished earlier set is settled first. On a failure
// before the commit file stands (a full disk, a read-only folder, a FIFO
// in a file's place) the folder is left exactly as it was; the error names
// the file and the system's reason.
FileResult commitFiles(const QString &dir, const Files &files, const QStringList &removed = {});

// Settles what a killed commit left in dir: a complete commit file is
// carried out, anything else staged is removed. Run it before a folder's
// files are read. A folder without either is left untouched; a missing
// folder is fine.
FileResult recoverFolder(const QString &dir);

} // namespace FolderCommit
