#pragma once

#include <array>

#include <QByteArray>
#include <QString>

#include "tournament/model/FileResult.h"
#include "tournament/model/FolderCommit.h"
#include "tournament/model/Tournament.h"

// The eleven data files, each a sequence of fixed-size records without a
// header: 32-bit little-endian integers, names as a length byte and 20
// bytes, padding and link fields written as zeros and ignored when read.
namespace TournamentFiles {

constexpr int TeamRecordSize = 712;
constexpr int PlayerRecordSize = 28;
constexpr int MatchRecordSize = 56;
constexpr int QualifierRecordSize = 21;

QString groupFileName(char letter); // "groupeA.dat" .. "groupeH.dat"
inline constexpr const char *MatchesFile = "matchs.dat";
inline constexpr const char *Stage2File = "tour2.dat";
inline constexpr const char *QualifiersFile = "qualif.dat";
inline constexpr const char *ScorersFile = "buteurs.dat";
constexpr int ScorerRecordSize = 68;

// The largest files the readers accept; the size is checked before anything
// is read, so a damaged or hostile file cannot make a reader run away.
constexpr qint64 MaxGroupFileBytes = qint64(TeamRecordSize) * kTeamsPerGroup; // exactly four teams: 2,848 bytes
constexpr int MaxMatchRecords = 48;  // matchs.dat: one record per group match
constexpr int MaxStage2Records = 16; // tour2.dat: one record per knock-out code
constexpr qint64 QualifiersFileBytes = qint64(QualifierRecordSize) * kQualifierCount; // exactly 336 bytes
// buteurs.dat holds one record per goal; a million bytes is over 15,000 goals.
constexpr qint64 MaxScorersFileBytes = 1024 * 1024;
// The text that --create reads.
constexpr qint64 MaxTournamentTextBytes = 4 * 1024 * 1024;

QByteArray encodeScorers(const std::vector<TButMatch> &list);
std::vector<TButMatch> parseScorers(const QByteArray &bytes); // a trailing partial record is dropped

// Record codecs. Name length bytes above 20 read as 20.
QByteArray encodeTeam(const TEquipe &team);
TEquipe decodeTeam(const char *record); // TeamRecordSize bytes
QByteArray encodeMatch(const TRencontre &match);
TRencontre decodeMatch(const char *record); // MatchRecordSize bytes
QByteArray encodeQualifiers(const std::array<TEquipe *, kQualifierCount> &qualifiers);

// Whole-file parsers. A group file must hold exactly four whole records;
// match files keep their whole records and report a trailing partial one.
struct GroupParse
{
    bool ok = false;
    std::vector<std::unique_ptr<TEquipe>> teams;
};
GroupParse parseGroup(const QByteArray &bytes);
struct MatchParse
{
    MatchList matches;
    bool partialRecord = false;
};
MatchParse parseMatches(const QByteArray &bytes);

} // namespace TournamentFiles

// Loads groupeA.dat .. groupeH.dat from dir into groupes and sets
// chargement_ok; stops at the first file that cannot be read. failedFile
// (when given) receives the name of that file, failedReason a one-line
// reason ("Cannot read <path>: not a regular file").
bool loadGroups(Tournament &t, const QString &dir, QString *failedFile = nullptr,
                    QString *failedReason = nullptr);
// Loads matchs.dat; when it cannot be opened an empty one is created.
FileResult loadMatches(Tournament &t, const QString &dir);
// Loads tour2.dat; a missing file leaves the list empty.
FileResult loadStage2(Tournament &t, const QString &dir);
// Fills the qualifier slots from qualif.dat (a name that is in no group
// leaves its slot empty). fromFile is false when there is no qualifier file
// to read (none, or none that can be opened, or something in its place that
// a drawing of lots never writes): the slots are left as they were, for the
// caller to derive from the rankings (loadQualifiers of the command layer).
struct QualifierFileLoad
{
    FileResult result;
    bool fromFile = true;
};
QualifierFileLoad loadQualifierFile(Tournament &t, const QString &dir);

// Loads buteurs.dat; a missing or unreadable file leaves the list empty,
// since the matches and goals stand without it.
void loadScorers(Tournament &t, const QString &dir);

// What one save writes. The match parts write buteurs.dat as well (not
// created while there is nothing to keep); RemoveQualifiers wins over
// SaveQualifiers.
enum SavePart : unsigned {
    SaveGroups = 1,
    SaveMatches = 2,
    SaveStage2 = 4,
    SaveQualifiers = 8,
    RemoveQualifiers = 16,
};
// The files of those parts with their bytes, in the order a save writes them.
FolderCommit::Files filesOfParts(const Tournament &t, const QString &dir, unsigned parts);
// Writes the files of parts, and extra files before them, as one set
// (FolderCommit): after a failure or a crash the folder holds the old
// files or all the new ones. The failure names the first file that could
// not be written and the system's reason.
FileResult saveParts(const Tournament &t, const QString &dir, unsigned parts,
                          const FolderCommit::Files &extra = {});

// Each of these writes its files as one set, through saveParts.
FileResult saveGroupFiles(const Tournament &t, const QString &dir);
FileResult saveMatchFile(const Tournament &t, const QString &dir);  // with buteurs.dat
FileResult saveStage2File(const Tournament &t, const QString &dir);   // with buteurs.dat
// A single file, replaced atomically.
FileResult saveQualifierFile(const Tournament &t, const QString &dir); // all slots filled
FileResult removeQualifierFile(const QString &dir); // succeeds when the file was absent

// "Save": clears modifie, writes matches, groups and stage-2 matches and
// removes qualif.dat (qualif_a_effacer) or writes it (qualif_a_ecrire), all
// as one set, then clears that flag. On a failure nothing changed on the
// disk and modifie is set again.
FileResult saveAll(Tournament &t, const QString &dir);
