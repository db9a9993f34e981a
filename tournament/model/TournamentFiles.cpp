#include "tournament/model/TournamentFiles.h"

#include <cstring>

#include <QDir>
#include <QFile>
#include <QtEndian>

#include "common/AtomicFile.h"
#include "common/BoundedFile.h"
#include "tournament/model/FolderCommit.h"

namespace {

QString pathIn(const QString &dir, const QString &name)
{
    return dir.isEmpty() ? name : QDir(dir).filePath(name);
}

void putName(char *at, const ShortName &name)
{
    const int n = qMin(name.size(), ShortName::MaxLength);
    at[0] = char(n);
    std::memcpy(at + 1, name.bytes().constData(), size_t(n));
}

ShortName getName(const char *at)
{
    // A length byte above 20 can only come from a damaged file; the name
    // field holds 20 bytes, so that is all there is to read.
    const int n = qMin(int(static_cast<unsigned char>(at[0])), ShortName::MaxLength);
    return ShortName(QByteArray(at + 1, n));
}

void putInt(char *at, qint32 value)
{
    qToLittleEndian<qint32>(value, at);
}

qint32 getInt(const char *at)
{
    return qFromLittleEndian<qint32>(at);
}

FileResult writeFile(const QString &path, const QByteArray &bytes)
{
    // The whole file goes to a temporary file that replaces the old one only
    // when everything was written and flushed, so a failure never leaves
    // half a file.
    const AtomicFile::Result w = AtomicFile::write(path, bytes);
    if (!w.ok())
        return FileResult::failure(QStringLiteral("Cannot write %1: %2").arg(path, AtomicFile::reason(w)));
    return {};
}

// Reads a whole file of at most maxBytes; false when it cannot be opened or
// read, is not a regular file or is larger than its format can be. Nothing
// beyond the limit is read, and a FIFO or device never blocks the program.
bool readFile(const QString &path, qint64 maxBytes, QByteArray *bytes, QString *error)
{
    BoundedFile::Result r = BoundedFile::read(path, maxBytes);
    if (!r.ok()) {
        if (error)
            *error = QStringLiteral("Cannot read %1: %2").arg(path, BoundedFile::reason(r, maxBytes));
        return false;
    }
    *bytes = std::move(r.bytes);
    return true;
}

QByteArray encodeMatchList(const MatchList &list)
{
    QByteArray out;
    for (const TRencontre &m : list)
        out += TournamentFiles::encodeMatch(m);
    return out;
}

} // namespace

namespace TournamentFiles {

QString groupFileName(char letter)
{
    return QStringLiteral("groupe%1.dat").arg(QLatin1Char(letter));
}

QByteArray encodeTeam(const TEquipe &team)
{
    QByteArray out(TeamRecordSize, '\0');
    char *r = out.data();
    putName(r, team.name);
    putInt(r + 24, team.played);
    putInt(r + 28, team.points);
    putInt(r + 32, team.goals_for);
    putInt(r + 36, team.goals_against);
    putName(r + 40, team.flag);
    // Bytes 64..67 are the link field of the old list node: always zero.
    // Entries from the first free one on are written as zeros.
    for (int i = 0; i < kSquadSize && !team.squad[i].name.isEmpty(); ++i) {
        char *p = r + 68 + PlayerRecordSize * i;
        putName(p, team.squad[i].name);
        putInt(p + 24, team.squad[i].goals);
    }
    return out;
}

TEquipe decodeTeam(const char *r)
{
    TEquipe team;
    team.name = getName(r);
    team.played = getInt(r + 24);
    team.points = getInt(r + 28);
    team.goals_for = getInt(r + 32);
    team.goals_against = getInt(r + 36);
    team.flag = getName(r + 40);
    // The first free entry ends the squad; whatever follows it is not a player.
    for (int i = 0; i < kSquadSize; ++i) {
        const char *p = r + 68 + PlayerRecordSize * i;
        ShortName name = getName(p);
        if (name.isEmpty())
            break;
        team.squad[i] = TJoueur{name, getInt(p + 24)};
    }
    return team;
}

// buteurs.dat, 68 bytes a record: 0 'G' or 'K', 1 the match code, 2..22
// team1, 23..43 team2, 44 'M', 'B' or 'R', 45..65 the player or team name,
// 66 the side or place, 67 zero. An 'S' record (a knock-out match that went
// beyond 90 minutes) holds at 45..56 six 16-bit little-endian numbers, the
// score after 90 minutes, after extra time and of the shoot-out, -1 for a
// part the match did not have; readers before it pass over such records.
QByteArray encodeScorers(const std::vector<TButMatch> &list)
{
    QByteArray out(qsizetype(list.size()) * ScorerRecordSize, '\0');
    for (size_t i = 0; i < list.size(); ++i) {
        const TButMatch &b = list[i];
        char *r = out.data() + i * ScorerRecordSize;
        r[0] = b.liste;
        r[1] = b.code;
        putName(r + 2, b.team1);
        putName(r + 23, b.team2);
        r[44] = b.kind;
        if (b.kind == 'S') {
            const int parts[6] = {b.parts.regular1, b.parts.regular2, b.parts.extra1,
                                  b.parts.extra2,   b.parts.kicks1,   b.parts.kicks2};
            for (int k = 0; k < 6; ++k) {
                r[45 + 2 * k] = char(parts[k] & 0xff);
                r[46 + 2 * k] = char((parts[k] >> 8) & 0xff);
            }
        } else {
            putName(r + 45, b.nom);
        }
        r[66] = char(b.sideNo);
    }
    return out;
}

std::vector<TButMatch> parseScorers(const QByteArray &bytes)
{
    std::vector<TButMatch> list;
    for (qsizetype at = 0; at + ScorerRecordSize <= bytes.size(); at += ScorerRecordSize) {
        const char *r = bytes.constData() + at;
        TButMatch b;
        b.liste = r[0];
        b.code = r[1];
        b.team1 = getName(r + 2);
        b.team2 = getName(r + 23);
        b.kind = r[44];
        b.nom = getName(r + 45);
        b.sideNo = quint8(r[66]);
        if (b.kind == 'S') {
            int parts[6];
            for (int k = 0; k < 6; ++k)
                parts[k] = qint16(quint16(quint8(r[45 + 2 * k])) | quint16(quint8(r[46 + 2 * k])) << 8);
            b.nom = ShortName();
            b.parts = {parts[0], parts[1], parts[2], parts[3], parts[4], parts[5]};
            // Only a knock-out match has such parts, and only whole ones count.
            if (b.liste == 'K' && b.parts.decided())
                list.push_back(b);
            continue;
        }
        if ((b.liste == 'G' || b.liste == 'K') && (b.kind == 'M' || b.kind == 'B' || b.kind == 'R'))
            list.push_back(b);
    }
    return list;
}

QByteArray encodeMatch(const TRencontre &m)
{
    QByteArray out(MatchRecordSize, '\0');
    char *r = out.data();
    r[0] = m.code;
    putName(r + 1, m.team1);
    putName(r + 22, m.team2);
    putInt(r + 44, m.score1);
    putInt(r + 48, m.score2);
    return out;
}

TRencontre decodeMatch(const char *r)
{
    TRencontre m;
    m.code = r[0];
    m.team1 = getName(r + 1);
    m.team2 = getName(r + 22);
    m.score1 = getInt(r + 44);
    m.score2 = getInt(r + 48);
    return m;
}

QByteArray encodeQualifiers(const std::array<TEquipe *, kQualifierCount> &qualifiers)
{
    QByteArray out(QualifierRecordSize * kQualifierCount, '\0');
    for (int i = 0; i < kQualifierCount; ++i)
        if (qualifiers[i])
            putName(out.data() + QualifierRecordSize * i, qualifiers[i]->name);
    return out;
}

GroupParse parseGroup(const QByteArray &bytes)
{
    GroupParse result;
    if (bytes.size() != TeamRecordSize * kTeamsPerGroup)
        return result;
    for (int i = 0; i < kTeamsPerGroup; ++i)
        result.teams.push_back(std::make_unique<TEquipe>(decodeTeam(bytes.constData() + TeamRecordSize * i)));
    result.ok = true;
    return result;
}

MatchParse parseMatches(const QByteArray &bytes)
{
    MatchParse result;
    const qsizetype whole = bytes.size() / MatchRecordSize;
    for (qsizetype i = 0; i < whole; ++i)
        result.matches.push_back(decodeMatch(bytes.constData() + MatchRecordSize * i));
    result.partialRecord = bytes.size() % MatchRecordSize != 0;
    return result;
}

} // namespace TournamentFiles

using namespace TournamentFiles;

bool loadGroups(Tournament &t, const QString &dir, QString *failedFile, QString *failedReason)
{
    t.groupes.clear();
    t.chargement_ok = false;
    for (int g = 0; g < kGroupCount; ++g) {
        const char letter = char('A' + g);
        const QString name = groupFileName(letter);
        QByteArray bytes;
        GroupParse parsed;
        QString error;
        if (readFile(pathIn(dir, name), MaxGroupFileBytes, &bytes, &error))
            parsed = parseGroup(bytes);
        else if (!error.isEmpty() && failedReason)
            *failedReason = error;
        if (!parsed.ok) {
            if (failedFile)
                *failedFile = name;
            if (failedReason && error.isEmpty())
                *failedReason = QStringLiteral("Cannot read %1: it must hold exactly four records of 712 bytes")
                                    .arg(pathIn(dir, name));
            return false;
        }
        TGroupe group;
        group.letter = letter;
        group.teams = std::move(parsed.teams);
        t.groupes.push_back(std::move(group));
    }
    t.chargement_ok = true;
    return true;
}

static FileResult loadMatchFile(MatchList &list, const QString &path, const QByteArray &bytes)
{
    MatchParse parsed = parseMatches(bytes);
    list = std::move(parsed.matches);
    if (parsed.partialRecord)
        return FileResult::failure(QStringLiteral("Cannot read %1: the file ends inside a record").arg(path));
    return {};
}

FileResult loadMatches(Tournament &t, const QString &dir)
{
    t.liste_matchs.clear();
    const QString path = pathIn(dir, QString::fromLatin1(MatchesFile));
    QByteArray bytes;
    if (!QFile::exists(path))
        return writeFile(path, QByteArray());
    QString error;
    if (!readFile(path, MaxMatchRecords * MatchRecordSize, &bytes, &error))
        return FileResult::failure(error);
    return loadMatchFile(t.liste_matchs, path, bytes);
}

FileResult loadStage2(Tournament &t, const QString &dir)
{
    t.liste_tour2.clear();
    const QString path = pathIn(dir, QString::fromLatin1(Stage2File));
    if (!QFile::exists(path))
        return {};
    QByteArray bytes;
    QString error;
    if (!readFile(path, MaxStage2Records * MatchRecordSize, &bytes, &error))
        return FileResult::failure(error);
    return loadMatchFile(t.liste_tour2, path, bytes);
}

QualifierFileLoad loadQualifierFile(Tournament &t, const QString &dir)
{
    const QString path = pathIn(dir, QString::fromLatin1(QualifiersFile));
    QByteArray bytes;
    const BoundedFile::Result found = BoundedFile::examine(path, QualifiersFileBytes);
    if (found.status == BoundedFile::Status::Missing || found.status == BoundedFile::Status::OpenFailed)
        return {{}, false};
    // Something stands in the file's place that a drawing of lots never
    // writes (a FIFO, a device, a file far too large): there is no qualifier
    // file to read, and the user learns why.
    QString error;
    if (!readFile(path, QualifiersFileBytes, &bytes, &error))
        return {FileResult::failure(error), false};
    t.clearQualifiers();
    for (int i = 0; i < kQualifierCount; ++i) {
        if ((i + 1) * QualifierRecordSize > bytes.size())
            return {FileResult::failure(QStringLiteral("Cannot read %1: the file is shorter than 16 records").arg(path)),
                    true};
        const ShortName name = getName(bytes.constData() + QualifierRecordSize * i);
        t.qualifies[i] = name.isEmpty() ? nullptr : t.cherche_equipe(name);
    }
    return {{}, true};
}

FileResult saveGroupFiles(const Tournament &t, const QString &dir)
{
    return saveParts(t, dir, SaveGroups);
}

FileResult saveMatchFile(const Tournament &t, const QString &dir)
{
    return saveParts(t, dir, SaveMatches);
}

FileResult saveStage2File(const Tournament &t, const QString &dir)
{
    return saveParts(t, dir, SaveStage2);
}

void loadScorers(Tournament &t, const QString &dir)
{
    t.matchGoals.clear();
    QByteArray bytes;
    if (readFile(pathIn(dir, QString::fromLatin1(ScorersFile)), MaxScorersFileBytes, &bytes, nullptr))
        t.matchGoals = parseScorers(bytes);
}

// The entries of buteurs.dat whose match is still recorded. Entries of
// matches that are no longer recorded (after a reset) are dropped, so a
// match recorded again later cannot meet old entries.
static std::vector<TButMatch> scorersKept(const Tournament &t)
{
    std::vector<TButMatch> kept;
    for (const TButMatch &b : t.matchGoals) {
        const MatchList &list = b.liste == 'G' ? t.liste_matchs : t.liste_tour2;
        for (const TRencontre &m : list)
            if (b.belongsTo(b.liste, m)) {
                kept.push_back(b);
                break;
            }
    }
    return kept;
}

FolderCommit::Files filesOfParts(const Tournament &t, const QString &dir, unsigned parts)
{
    FolderCommit::Files files;
    if (parts & SaveMatches)
        files.append({QString::fromLatin1(MatchesFile), encodeMatchList(t.liste_matchs)});
    // buteurs.dat goes with either match file, once; it is not created
    // while there is nothing to keep.
    if (parts & (SaveMatches | SaveStage2)) {
        const std::vector<TButMatch> kept = scorersKept(t);
        if (!kept.empty() || QFile::exists(pathIn(dir, QString::fromLatin1(ScorersFile))))
            files.append({QString::fromLatin1(ScorersFile), encodeScorers(kept)});
    }
    if (parts & SaveGroups)
        for (size_t g = 0; g < t.groupes.size(); ++g) {
            QByteArray bytes;
            for (const auto &team : t.groupes[g].teams)
                bytes += encodeTeam(*team);
            files.append({groupFileName(char('A' + g)), bytes});
        }
    if (parts & SaveStage2)
        files.append({QString::fromLatin1(Stage2File), encodeMatchList(t.liste_tour2)});
    if ((parts & SaveQualifiers) && !(parts & RemoveQualifiers))
        files.append({QString::fromLatin1(QualifiersFile), encodeQualifiers(t.qualifies)});
    return files;
}

FileResult saveParts(const Tournament &t, const QString &dir, unsigned parts, const FolderCommit::Files &extra)
{
    QStringList removed;
    if (parts & RemoveQualifiers)
        removed << QString::fromLatin1(QualifiersFile);
    return FolderCommit::commitFiles(dir, extra + filesOfParts(t, dir, parts), removed);
}

FileResult saveQualifierFile(const Tournament &t, const QString &dir)
{
    return writeFile(pathIn(dir, QString::fromLatin1(QualifiersFile)), encodeQualifiers(t.qualifies));
}

FileResult removeQualifierFile(const QString &dir)
{
    const QString path = pathIn(dir, QString::fromLatin1(QualifiersFile));
    QFile file(path);
    if (file.exists() && !file.remove())
        return FileResult::failure(QStringLiteral("Cannot delete %1: %2").arg(path, file.errorString()));
    return {};
}

FileResult saveAll(Tournament &t, const QString &dir)
{
    t.modifie = false;
    unsigned parts = SaveMatches | SaveGroups | SaveStage2;
    if (t.qualif_a_effacer)
        parts |= RemoveQualifiers;
    else if (t.qualif_a_ecrire)
        parts |= SaveQualifiers;
    const FileResult r = saveParts(t, dir, parts);
    if (!r.ok) {
        // What could not be written is still unsaved: keep the exit prompt.
        t.modifie = true;
        return r;
    }
    t.qualif_a_effacer = false;
    t.qualif_a_ecrire = false;
    return r;
}
