#include "tournament/flags/TeamFlags.h"

#include <algorithm>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "common/AtomicFile.h"
#include "common/gui/Bmp24.h"
#include "tournament/flags/CountryNames.h"
#include "tournament/flags/FlagPicture.h"
#include "tournament/model/NameChecks.h"
#include "tournament/model/ShortName.h"

namespace {

// The pictures trophex loads besides the flags; a team called "Logo" must
// not paint over the rankings window's background.
const char *const kOwnPictures[] = {"defaut", "sigle", "mascot", "coupe", "logo", "soccer",
                                    "noirs", "buteur", "gardien", "libero", "tpx"};

bool isOwnPicture(const QString &name)
{
    for (const char *own : kOwnPictures)
        if (name.compare(QLatin1String(own), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

bool isTaken(const QString &name, const QStringList &taken)
{
    return isOwnPicture(name) || taken.contains(name, Qt::CaseInsensitive);
}

QString cut(QString name, int length)
{
    name.truncate(length);
    while (name.endsWith(QLatin1Char('_')))
        name.chop(1);
    return name;
}

} // namespace

namespace TeamFlags {

QString flagName(const QString &teamName, const QStringList &taken)
{
    QStringList words;
    for (const QString &w : CountryNames::key(teamName).split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        QString plain;
        for (const QChar c : w)
            if ((c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9'))
                plain += c;
        if (!plain.isEmpty())
            words += plain;
    }
    QString base = cut(words.join(QLatin1Char('_')), ShortName::MaxLength);
    if (base.isEmpty())
        base = QStringLiteral("team");
    if (!isTaken(base, taken))
        return base;
    for (int n = 2;; ++n) {
        const QString suffix = QStringLiteral("_%1").arg(n);
        const QString name = cut(base, ShortName::MaxLength - int(suffix.size())) + suffix;
        if (!isTaken(name, taken))
            return name;
    }
}

static FileResult writeBytes(const QString &path, const QByteArray &bytes)
{
    const AtomicFile::Result w = AtomicFile::write(path, bytes);
    if (!w.ok())
        return FileResult::failure(QStringLiteral("Cannot write %1: %2").arg(path, AtomicFile::reason(w)));
    return {};
}

QByteArray pictureBytes(const QString &teamName)
{
    return Bmp24::encode(FlagPicture::forTeam(teamName), FlagPicture::kDotsPerMetre, FlagPicture::kDotsPerMetre);
}

FileResult writePicture(const QString &path, const QString &teamName)
{
    return writeBytes(path, pictureBytes(teamName));
}

Written writeFlag(const QString &dir, const QString &teamName, const QStringList &taken)
{
    const QString flag = flagName(teamName, taken);
    const FileResult r = writePicture(QDir(dir).filePath(flag + QStringLiteral(".bmp")), teamName);
    if (!r.ok)
        return {false, QString(), r.error};
    return {true, flag, QString()};
}

QStringList ownPictures()
{
    return {QStringLiteral("tpx.ico"),    QStringLiteral("mascot.bmp"), QStringLiteral("sigle.bmp"),
            QStringLiteral("defaut.bmp"), QStringLiteral("coupe.bmp"),  QStringLiteral("logo.bmp")};
}

FileResult ownPictureFiles(const QString &dir, FolderCommit::Files *files)
{
    for (const QString &name : ownPictures()) {
        const QString path = QDir(dir).filePath(name);
        if (QFileInfo::exists(path))
            continue;
        QFile own(QStringLiteral(":/pictures/") + name);
        if (!own.open(QIODevice::ReadOnly))
            return FileResult::failure(QStringLiteral("Cannot write %1: the program carries no such picture").arg(path));
        files->append({name, own.readAll()});
    }
    return {};
}

FolderCommit::Files missingFlagFiles(const std::vector<TGroupe> &groups, const QString &dir)
{
    FolderCommit::Files files;
    for (const TGroupe &g : groups)
        for (const auto &team : g.teams) {
            const QString name = team->flagFile();
            // Only a plain name of the folder: a flag name never leads elsewhere.
            if (!NameChecks::isPlainFileName(team->flag.text()) || QFileInfo::exists(QDir(dir).filePath(name)))
                continue;
            // Two teams may share a flag; the picture is written once.
            if (std::none_of(files.begin(), files.end(), [&](const auto &f) { return f.first == name; }))
                files.append({name, pictureBytes(team->name.text())});
        }
    return files;
}

FileResult writeOwnPictures(const QString &dir)
{
    FolderCommit::Files files;
    const FileResult r = ownPictureFiles(dir, &files);
    return r.ok ? FolderCommit::commitFiles(dir, files) : r;
}

FileResult writeMissingFlags(const std::vector<TGroupe> &groups, const QString &dir)
{
    return FolderCommit::commitFiles(dir, missingFlagFiles(groups, dir));
}

} // namespace TeamFlags
