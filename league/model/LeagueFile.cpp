#include "league/model/LeagueFile.h"

#include "common/BoundedFile.h"
#include "common/Cp1252.h"
#include "common/FootballTxtLine.h"
#include "league/model/IniFile.h"
#include "league/model/League.h"
#include "league/model/LeagueDate.h"
#include "league/model/LeagueError.h"
#include "league/model/ReadFaults.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <algorithm>
#include <array>

namespace {

const QString kOptions = QStringLiteral("Options");
const QString kTeams = QStringLiteral("Teams");

QString teamSection(int i)
{
    return QStringLiteral("Team%1").arg(i);
}

QString roundSection(int j)
{
    return QStringLiteral("Round%1").arg(j);
}

// The keys of one matchday row, "TA1" to "GB12", built once: loading or
// saving a league uses each of them once per matchday. A match's own date
// ("DA1") and kick-off ("AZ1") are written only when set.
struct RowKeys {
    QString teamA, teamB, goalsA, goalsB, date, kickOff;
};

const RowKeys &rowKeys(int k)
{
    static const std::array<RowKeys, League::kMaxRows + 1> keys = [] {
        std::array<RowKeys, League::kMaxRows + 1> out;
        for (int row = 1; row <= League::kMaxRows; ++row) {
            const QString n = QString::number(row);
            out[row] = {QStringLiteral("TA") + n, QStringLiteral("TB") + n, QStringLiteral("GA") + n,
                        QStringLiteral("GB") + n, QStringLiteral("DA") + n, QStringLiteral("AZ") + n};
        }
        return out;
    }();
    return keys[k];
}

// The old program trimmed each number column of control characters and
// blanks before converting it.
QString trimBlanks(const QString &s)
{
    qsizetype b = 0;
    qsizetype e = s.size();
    while (b < e && s[b].unicode() <= ' ')
        ++b;
    while (e > b && s[e - 1].unicode() <= ' ')
        --e;
    return s.mid(b, e - b);
}

int toInteger(const QString &text)
{
    bool ok = false;
    const int v = text.toInt(&ok, 10);
    // toInt would also accept blanks around the digits; the columns are
    // trimmed beforehand, so anything left over is not a number.
    if (!ok || text.isEmpty() || text != text.trimmed())
        throw LeagueError(LeagueError::notAnInteger(text));
    return v;
}

// Lines end at CR LF, LF or a lone CR, like the old program's text reading.
QStringList splitLines(const QByteArray &bytes)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = bytes.size();
    qsizetype i = 0;
    while (i < n) {
        const char c = bytes[i];
        if (c == '\r' || c == '\n') {
            lines << Cp1252::decode(bytes.mid(start, i - start));
            if (c == '\r' && i + 1 < n && bytes[i + 1] == '\n')
                ++i;
            start = i + 1;
        }
        ++i;
    }
    if (start < n)
        lines << Cp1252::decode(bytes.mid(start));
    return lines;
}

// "20:30", or "20:30 UTC+1" when the match's zone is known.
QString kickOffText(const Match &m)
{
    QString text = m.time.toString(QStringLiteral("HH:mm"));
    if (!m.timeZone.isEmpty())
        text += QLatin1Char(' ') + m.timeZone;
    return text;
}

// A kick-off that is not a time of day, or names no zone the match formats
// know, reads as none: the match then stands on its day as before.
void readKickOff(const QString &text, Match &m)
{
    m.time = QTime();
    m.timeZone.clear();
    const QString t = text.trimmed();
    // Most matches name no kick-off; the time parser is not started for them.
    if (t.isEmpty())
        return;
    const qsizetype blank = t.indexOf(QLatin1Char(' '));
    const QTime time = QTime::fromString(blank < 0 ? t : t.left(blank), QStringLiteral("H:mm"));
    const QString zone = blank < 0 ? QString() : t.mid(blank + 1).trimmed();
    if (!time.isValid() || (!zone.isEmpty() && !FootballTxt::Line::isZone(zone)))
        return;
    m.time = time;
    m.timeZone = zone;
}

} // namespace

namespace LeagueFile {

void write(const League &l, IniFile &ini)
{
    ini.writeString(kOptions, QStringLiteral("Title"), QString::fromLatin1(League::kProgramTitle));
    ini.writeInteger(kOptions, QStringLiteral("Teams"), l.teamCount);
    ini.writeInteger(kOptions, QStringLiteral("Rounds"), l.roundCount);
    ini.writeBool(kOptions, QStringLiteral("Champ"), l.hasChampion);
    ini.writeInteger(kOptions, QStringLiteral("CL"), l.clPlaces);
    ini.writeInteger(kOptions, QStringLiteral("UC"), l.ucPlaces);
    ini.writeInteger(kOptions, QStringLiteral("AB"), l.relegationPlaces);
    ini.writeInteger(kOptions, QStringLiteral("Actual"), l.currentRound);
    // The ranking rules are written only when they differ from the rules of
    // older files, so that an unchanged league is stored byte for byte as
    // before; going back to the default drops a key saved earlier.
    if (l.winPoints != 3)
        ini.writeInteger(kOptions, QStringLiteral("Win"), l.winPoints);
    else
        ini.removeKey(kOptions, QStringLiteral("Win"));
    if (l.tieOrder != TieOrder::Goals)
        ini.writeInteger(kOptions, QStringLiteral("Order"), static_cast<int>(l.tieOrder));
    else
        ini.removeKey(kOptions, QStringLiteral("Order"));
    // The zones of today and the league's name follow the same rule.
    auto optional = [&ini](const QString &key, bool set, const QString &value) {
        if (set)
            ini.writeString(kOptions, key, value);
        else
            ini.removeKey(kOptions, key);
    };
    optional(QStringLiteral("Liganame"), !l.leagueName.isEmpty(), l.leagueName);
    optional(QStringLiteral("ECL"), l.conferencePlaces != 0, QString::number(l.conferencePlaces));
    optional(QStringLiteral("RP"), l.playoffPlaces != 0, QString::number(l.playoffPlaces));
    for (int z = 0; z < kZoneCount; ++z) {
        const QString n = QString::number(z + 1);
        optional(QStringLiteral("Zone") + n, !l.zoneNames[z].isEmpty(), l.zoneNames[z]);
        optional(QStringLiteral("Farbe") + n, l.zoneRgb[z] >= 0,
                 QStringLiteral("#%1").arg(l.zoneRgb[z], 6, 16, QLatin1Char('0')).toUpper());
    }

    for (int i = 1; i <= l.teamCount; ++i) {
        ini.writeString(kTeams, QString::number(i), l.teamNames[i]);
        const QString s = teamSection(i);
        ini.writeInteger(s, QStringLiteral("SS"), l.startWins[i]);
        ini.writeInteger(s, QStringLiteral("SU"), l.startDraws[i]);
        ini.writeInteger(s, QStringLiteral("SN"), l.startLosses[i]);
        ini.writeInteger(s, QStringLiteral("GE"), l.startGoalsFor[i]);
        ini.writeInteger(s, QStringLiteral("GA"), l.startGoalsAgainst[i]);
        ini.writeInteger(s, QStringLiteral("SP"), l.penaltyPoints[i]);
    }

    for (int j = 1; j <= l.roundCount; ++j) {
        const QString s = roundSection(j);
        ini.writeString(s, QStringLiteral("D1"), LeagueDate::normalized(l.roundDates[j].dateFrom));
        ini.writeString(s, QStringLiteral("D2"), LeagueDate::normalized(l.roundDates[j].dateTo));
        for (int k = 1; k <= l.rowCount(); ++k) {
            const Match &m = l.results[j][k];
            const RowKeys &key = rowKeys(k);
            ini.writeInteger(s, key.teamA, m.teamA);
            ini.writeInteger(s, key.teamB, m.teamB);
            ini.writeInteger(s, key.goalsA, m.goalsA);
            ini.writeInteger(s, key.goalsB, m.goalsB);
            if (m.date.isValid())
                ini.writeString(s, key.date, LeagueDate::format(m.date));
            else
                ini.removeKey(s, key.date);
            if (m.time.isValid())
                ini.writeString(s, key.kickOff, kickOffText(m));
            else
                ini.removeKey(s, key.kickOff);
        }
    }

    // A league saved over a file of a larger shape must not leave the old
    // slots, matchdays and rows behind: read again, they would come back
    // the next time the league grows.
    for (int i = l.teamCount + 1; i <= League::kMaxTeams; ++i) {
        ini.removeKey(kTeams, QString::number(i));
        ini.removeSection(teamSection(i));
    }
    for (int j = l.roundCount + 1; j <= League::kMaxRounds; ++j)
        ini.removeSection(roundSection(j));
    if (l.rowCount() < League::kMaxRows) {
        for (int j = 1; j <= l.roundCount; ++j) {
            const QString s = roundSection(j);
            for (int k = l.rowCount() + 1; k <= League::kMaxRows; ++k) {
                const RowKeys &key = rowKeys(k);
                ini.removeKey(s, key.teamA);
                ini.removeKey(s, key.teamB);
                ini.removeKey(s, key.goalsA);
                ini.removeKey(s, key.goalsB);
                ini.removeKey(s, key.date);
                ini.removeKey(s, key.kickOff);
            }
        }
    }
}

void read(const IniFile &ini, League &l)
{
    // The title is part of the file but the caption always shows the
    // program's own.
    (void)ini.readString(kOptions, QStringLiteral("Title"), QStringLiteral("Nix"));
    // The shape: counts outside their ranges read as the classic 18 teams
    // and as the double round robin of the team count.
    l.teamCount = ini.readInteger(kOptions, QStringLiteral("Teams"), League::kTeams);
    if (!League::validTeamCount(l.teamCount))
        l.teamCount = League::kTeams;
    l.roundCount = ini.readInteger(kOptions, QStringLiteral("Rounds"), League::defaultRounds(l.teamCount));
    if (!League::validRoundCount(l.roundCount))
        l.roundCount = League::defaultRounds(l.teamCount);
    l.clearBeyondShape();
    l.hasChampion = ini.readBool(kOptions, QStringLiteral("Champ"), true);
    l.clPlaces = ini.readInteger(kOptions, QStringLiteral("CL"), 1);
    l.ucPlaces = ini.readInteger(kOptions, QStringLiteral("UC"), 3);
    l.relegationPlaces = ini.readInteger(kOptions, QStringLiteral("AB"), 3);
    l.currentRound = ini.readInteger(kOptions, QStringLiteral("Actual"), 1);
    // Anything but the values the settings dialog offers ranks as before.
    l.winPoints = ini.readInteger(kOptions, QStringLiteral("Win"), 3);
    if (l.winPoints != 2)
        l.winPoints = 3;
    const int order = ini.readInteger(kOptions, QStringLiteral("Order"), 1);
    l.tieOrder = order == 2 ? TieOrder::GoalsThenDirect : order == 3 ? TieOrder::DirectThenGoals : TieOrder::Goals;
    l.leagueName = ini.readString(kOptions, QStringLiteral("Liganame"), QString());
    l.conferencePlaces = ini.readInteger(kOptions, QStringLiteral("ECL"), 0);
    l.playoffPlaces = ini.readInteger(kOptions, QStringLiteral("RP"), 0);
    for (int z = 0; z < kZoneCount; ++z) {
        const QString n = QString::number(z + 1);
        l.zoneNames[z] = ini.readString(kOptions, QStringLiteral("Zone") + n, QString());
        // A colour that is not "#RRGGBB" reads as the zone's own.
        const QString c = ini.readString(kOptions, QStringLiteral("Farbe") + n, QString());
        bool ok = false;
        const int rgb = c.size() == 7 && c.startsWith(QLatin1Char('#')) ? c.mid(1).toInt(&ok, 16) : -1;
        l.zoneRgb[z] = ok ? rgb : -1;
    }

    for (int i = 1; i <= l.teamCount; ++i) {
        l.teamNames[i] = ini.readString(kTeams, QString::number(i), QStringLiteral("[keine]"));
        const QString s = teamSection(i);
        l.startWins[i] = ini.readInteger(s, QStringLiteral("SS"), 0);
        l.startDraws[i] = ini.readInteger(s, QStringLiteral("SU"), 0);
        l.startLosses[i] = ini.readInteger(s, QStringLiteral("SN"), 0);
        l.startGoalsFor[i] = ini.readInteger(s, QStringLiteral("GE"), 0);
        l.startGoalsAgainst[i] = ini.readInteger(s, QStringLiteral("GA"), 0);
        l.penaltyPoints[i] = ini.readInteger(s, QStringLiteral("SP"), 0);
    }

    for (int j = 1; j <= l.roundCount; ++j) {
        const QString s = roundSection(j);
        l.roundDates[j].dateFrom = LeagueDate::normalized(ini.readString(s, QStringLiteral("D1"), QString()));
        l.roundDates[j].dateTo = LeagueDate::normalized(ini.readString(s, QStringLiteral("D2"), QString()));
        for (int k = 1; k <= l.rowCount(); ++k) {
            Match &m = l.results[j][k];
            const RowKeys &key = rowKeys(k);
            m.teamA = ini.readInteger(s, key.teamA, 0);
            m.teamB = ini.readInteger(s, key.teamB, 0);
            m.goalsA = ini.readInteger(s, key.goalsA, -1);
            m.goalsB = ini.readInteger(s, key.goalsB, -1);
            m.date = LeagueDate::parse(ini.readString(s, key.date, QString()));
            readKickOff(ini.readString(s, key.kickOff, QString()), m);
        }
    }
    correctRanges(l);
}

void correctRanges(League &l)
{
    // firstRound comes first: it is the lower bound of the current matchday.
    l.ErsterST();
    l.currentRound = std::clamp(l.currentRound, l.firstRound, l.roundCount);
    l.conferencePlaces = std::clamp(l.conferencePlaces, 0, 8);
    l.playoffPlaces = std::clamp(l.playoffPlaces, 0, 8);
    const int teams = l.teamCount;
    auto team = [teams](int t) { return t < 0 || t > teams ? 0 : t; };
    auto goals = [](int g) { return std::clamp(g, -1, 999); };
    for (int j = 1; j <= l.roundCount; ++j)
        for (int k = 1; k <= l.rowCount(); ++k) {
            Match &m = l.results[j][k];
            m.teamA = team(m.teamA);
            m.teamB = team(m.teamB);
            m.goalsA = goals(m.goalsA);
            m.goalsB = goals(m.goalsB);
        }
}

void importTn3(const QByteArray &bytes, League &l)
{
    const QStringList lines = splitLines(bytes);
    // Past the end of the file every line reads as empty text.
    auto line = [&](int n) { return n <= lines.size() ? lines[n - 1] : QString(); };
    auto column = [&](const QString &text, int from) { return toInteger(trimBlanks(text.mid(from, 2))); };

    // Names and dates are held to what a league file can store, so a long
    // line cannot reach the table views and the printed pages.
    auto text = [&](int n) { return line(n).left(IniFile::kMaxValueLength); };
    for (int i = 1; i <= League::kTeams; ++i)
        l.teamNames[i] = text(1 + i);

    const QString zones = line(20);
    l.clPlaces = toInteger(zones.mid(0, 1));
    l.ucPlaces = toInteger(zones.mid(1, 1));
    l.relegationPlaces = toInteger(zones.mid(2, 1));

    int n = 21;
    for (int j = 1; j <= League::kRounds; ++j) {
        l.roundDates[j].dateFrom = LeagueDate::normalized(text(n++));
        l.roundDates[j].dateTo = LeagueDate::normalized(text(n++));
        for (int k = 1; k <= League::kRows; ++k) {
            const QString row = line(n++);
            Match &m = l.results[j][k];
            m.teamA = column(row, 0);
            m.goalsA = column(row, 2);
            m.goalsB = column(row, 4);
            m.teamB = column(row, 6);
        }
    }

    l.teamCount = League::kTeams;
    l.roundCount = League::kRounds;
    l.currentRound = 1;
    l.hasChampion = true;
    // The old format knew only today's ranking rules.
    l.winPoints = 3;
    l.tieOrder = TieOrder::Goals;
    for (int i = 1; i <= League::kTeams; ++i) {
        l.startWins[i] = l.startDraws[i] = l.startLosses[i] = 0;
        l.startGoalsFor[i] = l.startGoalsAgainst[i] = l.penaltyPoints[i] = 0;
    }
    correctRanges(l);
}

} // namespace LeagueFile

void SaveDatei(League &l)
{
    // The file is read first so that its foreign sections and keys stay; a
    // file too large or not a regular file is refused by save().
    IniFile ini(l.leagueFileName);
    LeagueFile::write(l, ini);
    QString error;
    if (!ini.save(&error))
        throw LeagueError(error);
    l.leagueSaved = true;
}

void OpenDatei(League &l)
{
    const IniFile ini(l.leagueFileName);
    // A missing or unreadable file gives the defaults; a FIFO, a device or a
    // file far beyond any league's size is reported, the open league stays.
    if (ini.wasRefused())
        throw LeagueError(ini.refusalMessage());
    League fresh;
    fresh.programDir = l.programDir;
    fresh.leagueFileName = l.leagueFileName;
    LeagueFile::read(ini, fresh);
    fresh.leagueSaved = true;
    l = fresh;
}

void OldDatei(League &l)
{
    const QString path = l.leagueFileName;
    const QFileInfo info(path);
    if (path.isEmpty())
        throw LeagueError(LeagueError::fileNotFound());
    if (!info.exists()) {
        throw LeagueError(info.absoluteDir().exists() ? LeagueError::fileNotFound()
                                                      : LeagueError::invalidFileName());
    }
    if (info.isDir())
        throw LeagueError(LeagueError::accessDenied());
    const BoundedFile::Result r = BoundedFile::read(path, LeagueFile::kMaxTn3Bytes);
    switch (r.status) {
    case BoundedFile::Status::Ok:
        break;
    case BoundedFile::Status::Missing:
        throw LeagueError(LeagueError::fileNotFound());
    case BoundedFile::Status::OpenFailed:
        // The file exists, so a refused open means the system denied access.
        throw LeagueError(LeagueError::accessDenied());
    case BoundedFile::Status::NotRegular:
    case BoundedFile::Status::TooLarge:
        throw LeagueError(LeagueError::cannotOpen(path, ReadFaults::reason(r, LeagueFile::kMaxTn3Bytes)));
    case BoundedFile::Status::ReadFailed:
        throw LeagueError(LeagueError::ioError(100));
    }
    const QByteArray &bytes = r.bytes;

    League fresh;
    fresh.programDir = l.programDir;
    LeagueFile::importTn3(bytes, fresh);
    fresh.leagueFileName.clear();
    fresh.leagueSaved = false;
    l = fresh;
}

QString TitelLeiste(const League &l)
{
    const QString title = QString::fromLatin1(League::kProgramTitle);
    if (l.leagueFileName.isEmpty())
        return title;
    return QLatin1Char('[') + QFileInfo(l.leagueFileName).fileName() + QLatin1String("] - ") + title;
}

QString commandLineLeagueFile(const QString &arg, const QString &programDir)
{
    if (arg.isEmpty())
        return QString();
    QString name = arg;
    if (!name.contains(QLatin1Char('/'))) {
        QString dir = programDir;
        if (!dir.isEmpty() && !dir.endsWith(QLatin1Char('/')))
            dir += QLatin1Char('/');
        name = dir + name;
    }
    if (name.right(4).compare(QLatin1String(".T98"), Qt::CaseInsensitive) != 0)
        name += QLatin1String(".T98");
    return name;
}
