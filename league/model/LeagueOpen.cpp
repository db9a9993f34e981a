#include "league/model/LeagueOpen.h"

#include "common/BoundedFile.h"
#include "league/model/LeagueFile.h"
#include "league/model/LeagueOpenData.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <limits>

namespace LeagueOpen {

namespace {

Format byExtension(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("tn3"))
        return Format::Previous;
    if (suffix == QLatin1String("txt"))
        return Format::FootballTxt;
    if (suffix == QLatin1String("json"))
        return Format::FootballJson;
    return Format::League;
}

QList<QByteArray> headLines(QByteArray head)
{
    if (head.startsWith("\xEF\xBB\xBF"))
        head.remove(0, 3);
    QList<QByteArray> lines = head.split('\n');
    for (QByteArray &line : lines)
        if (line.endsWith('\r'))
            line.chop(1);
    return lines;
}

// The previous version wrote a fixed shape: a free first line, 18 names,
// the three zone digits on line 20, and then two dates and nine match rows
// of four two-character columns for each matchday.
bool looksPrevious(const QList<QByteArray> &lines)
{
    if (lines.size() < 31)
        return false;
    static const QRegularExpression zones(QStringLiteral("^[0-9]{3}\\s*$"));
    static const QRegularExpression row(QStringLiteral("^[ 0-9-]{8}\\s*$"));
    if (!zones.match(QString::fromLatin1(lines.at(19))).hasMatch())
        return false;
    for (int n = 22; n < 31; ++n)
        if (!row.match(QString::fromLatin1(lines.at(n))).hasMatch())
            return false;
    return true;
}

// A section header as the first line that is not blank or a comment, and a
// "key=value" line after it. A Football.TXT may open a day with a
// bracketed date, but it has no keys.
bool looksIni(const QList<QByteArray> &lines)
{
    static const QRegularExpression section(QStringLiteral("^\\[[^\\]]+\\]$"));
    static const QRegularExpression key(QStringLiteral("^[A-Za-z0-9_ ]+="));
    bool inSection = false;
    for (const QByteArray &raw : lines) {
        const QString line = QString::fromLatin1(raw.trimmed());
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')))
            continue;
        if (!inSection) {
            if (!section.match(line).hasMatch())
                return false;
            inSection = true;
            continue;
        }
        if (key.match(line).hasMatch())
            return true;
        if (!section.match(line).hasMatch())
            return false;
    }
    return false;
}

} // namespace

Format detect(const QByteArray &head, const QString &path)
{
    const QList<QByteArray> lines = headLines(head);
    QByteArray first;
    for (const QByteArray &line : lines) {
        first = line.trimmed();
        if (!first.isEmpty())
            break;
    }
    if (first.isEmpty())
        return byExtension(path);
    if (first.startsWith('{') || first == "[" || first.startsWith("[{"))
        return Format::FootballJson;
    if (looksIni(lines))
        return Format::League;
    if (looksPrevious(lines))
        return Format::Previous;
    if (first.startsWith('=') || first.startsWith('#'))
        return Format::FootballTxt;
    return byExtension(path);
}

Format detectFile(const QString &path)
{
    // Examined before it is opened, so that a FIFO named like a league is
    // not waited on here; its reader refuses it with the reason.
    const BoundedFile::Result probe = BoundedFile::examine(path, std::numeric_limits<qint64>::max());
    QByteArray head;
    if (probe.ok()) {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly))
            head = file.read(kHeadBytes);
    }
    return detect(head, path);
}

Opened open(const QString &path, const QString &programDir)
{
    Opened opened;
    opened.format = detectFile(path);
    opened.league.programDir = programDir;
    opened.league.leagueFileName = path;
    switch (opened.format) {
    case Format::League:
        OpenDatei(opened.league);
        break;
    case Format::Previous:
        OldDatei(opened.league);
        break;
    case Format::FootballTxt:
    case Format::FootballJson: {
        LeagueOpenData::Imported imported = LeagueOpenData::importFile(
            path, opened.format == Format::FootballTxt ? LeagueOpenData::Format::Txt : LeagueOpenData::Format::Json);
        opened.league = imported.league;
        opened.league.programDir = programDir;
        opened.title = imported.title;
        opened.skipped = imported.skipped;
        break;
    }
    }
    return opened;
}

} // namespace LeagueOpen
