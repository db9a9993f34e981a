#include "league/model/LeagueOpenData.h"

#include "common/AtomicFile.h"
#include "common/BoundedFile.h"
#include "common/Cp1252.h"
#include "common/FootballJson.h"
#include "common/FootballTxt.h"
#include "common/FootballTxtLine.h"
#include "league/model/LeagueDate.h"
#include "league/model/LeagueError.h"
#include "league/model/ReadFaults.h"

#include <QFileInfo>
#include <QHash>

#include <algorithm>

namespace LeagueOpenData {

using FootballTxt::Document;
using FootballTxt::Issue;
using FootballTxt::Problem;
using FootballTxt::ReadResult;
using FootballTxt::Round;
using FootballTxt::Score;
using FootballTxt::Stage;
// The league's own rows are ::Match.
using TxtMatch = FootballTxt::Match;

namespace {

// A league file keeps 1,023 characters of a value.
constexpr int kMaxNameLength = 1023;

[[noreturn]] void refuse(const QString &fileName, int line, const QString &text)
{
    if (line > 0)
        throw LeagueError(QStringLiteral("Datei %1, Zeile %2: %3").arg(fileName, QString::number(line), text));
    throw LeagueError(QStringLiteral("Datei %1: %2").arg(fileName, text));
}

// Rounds that are no matchday of a league table: groups of a tournament
// and the knock-out rounds after them, in the words the files use.
bool isMatchdayHeading(const QString &heading)
{
    static const char *const notMatchdays[] = {
        "group",      "gruppe",    "final",       "round of",   "third place",   "3rd place",
        "play-off",   "playoff",   "play off",    "relegation", "spiel um platz", "qualif",
        "knockout",   "knock-out", "replay",      "achtelfinal", "viertelfinal", "halbfinal",
        "entscheidungsspiel", "barrage"};
    const QString h = heading.toLower();
    for (const char *word : notMatchdays)
        if (h.contains(QLatin1String(word)))
            return false;
    return true;
}

QString quoted(const QString &s)
{
    return QLatin1Char('"') + s + QLatin1Char('"');
}

QString matchesText(int n)
{
    return n == 1 ? QStringLiteral("1 Spiel") : QStringLiteral("%1 Spiele").arg(n);
}

// "3, 5–7, 9" for the ascending numbers 3, 5, 6, 7, 9.
QString rangesText(const QList<int> &numbers)
{
    QStringList parts;
    for (qsizetype i = 0; i < numbers.size();) {
        qsizetype k = i;
        while (k + 1 < numbers.size() && numbers[k + 1] == numbers[k] + 1)
            ++k;
        parts << (k == i ? QString::number(numbers[i])
                         : QStringLiteral("%1\u2013%2").arg(numbers[i]).arg(numbers[k]));
        i = k + 1;
    }
    return parts.join(QLatin1String(", "));
}

struct Matchday {
    QList<const TxtMatch *> matches;
    // The matches under the first heading of the matchday: a heading that
    // comes again later in the file holds matches played later.
    qsizetype firstBlock = -1;
};

// The number a matchday heading names, as written: the first run of digits
// with a minus sign before it, or empty when the heading holds no digit.
QString headingNumber(const QString &heading)
{
    qsizetype i = 0;
    while (i < heading.size() && !(heading[i] >= QLatin1Char('0') && heading[i] <= QLatin1Char('9')))
        ++i;
    qsizetype e = i;
    while (e < heading.size() && heading[e] >= QLatin1Char('0') && heading[e] <= QLatin1Char('9'))
        ++e;
    if (i == e)
        return QString();
    if (i > 0 && (heading[i - 1] == QLatin1Char('-') || heading[i - 1] == QChar(0x2212)))
        --i;
    return heading.mid(i, e - i);
}

QString scoreOf(const Score &s)
{
    return QStringLiteral("%1:%2").arg(s.a).arg(s.b);
}

// What the league makes of a match's score: a note after it ("[awarded]"
// stands, "[annulled]" leaves the match without a result) and a shoot-out,
// which a league table has no place for, are said by their line.
Score leagueResult(const TxtMatch &m, QList<QPair<int, QString>> &said)
{
    Score s = m.result();
    const QString match = QStringLiteral("%1 - %2").arg(m.team1, m.team2);
    if (!m.note.isEmpty()) {
        if (m.note.compare(QLatin1String("awarded"), Qt::CaseInsensitive) == 0) {
            said.append({m.line, QStringLiteral("Zeile %1: %2 %3 am grünen Tisch gewertet [%4]")
                                     .arg(QString::number(m.line), match, scoreOf(s), m.note)});
        } else {
            s = Score{};
            said.append({m.line, QStringLiteral("Zeile %1: %2 ohne Ergebnis übernommen [%3]")
                                     .arg(QString::number(m.line), match, m.note)});
        }
    }
    if (m.pen.isSet()) {
        const QString rest = s.isSet() ? QStringLiteral("es zählt %1").arg(scoreOf(s))
                                       : QStringLiteral("das Spiel steht ohne Ergebnis");
        said.append({m.line, QStringLiteral("Zeile %1: %2 Elfmeterschießen %3 übergangen, %4")
                                 .arg(QString::number(m.line), match, scoreOf(m.pen), rest)});
    }
    return s;
}

} // namespace

std::optional<Format> formatOf(const QString &path)
{
    if (path.endsWith(QLatin1String(".txt"), Qt::CaseInsensitive))
        return Format::Txt;
    if (path.endsWith(QLatin1String(".json"), Qt::CaseInsensitive))
        return Format::Json;
    return std::nullopt;
}

Imported fromDocument(const Document &doc, const QString &fileName)
{
    Imported out;
    // What is left out, by line.
    QList<QPair<int, QString>> skipped;
    auto hasMatches = [](const Round &r) { return !r.matches.isEmpty(); };

    // The league is the first stage with a matchday that holds a match;
    // later stages (play-offs, "== Finals") are left out.
    qsizetype leagueStage = -1;
    for (qsizetype s = 0; s < doc.stages.size() && leagueStage < 0; ++s)
        for (const Round &r : doc.stages[s].rounds)
            if (hasMatches(r) && !r.heading.isEmpty() && isMatchdayHeading(r.heading)) {
                leagueStage = s;
                break;
            }
    if (leagueStage < 0)
        refuse(fileName, 0, QStringLiteral("keine Spieltage einer Liga gefunden"));

    for (qsizetype s = 0; s < doc.stages.size(); ++s) {
        if (s == leagueStage)
            continue;
        int n = 0;
        for (const Round &r : doc.stages[s].rounds)
            n += int(r.matches.size());
        if (n > 0) {
            const QString name = doc.stages[s].name.isEmpty() ? QStringLiteral("ohne Namen") : quoted(doc.stages[s].name);
            const int line = qMax(doc.stages[s].line, 1);
            skipped.append({line, QStringLiteral("Zeile %1: Stufe %2 übersprungen (%3)").arg(line).arg(name, matchesText(n))});
        }
    }

    // Matchdays by the number in their heading; a heading without a number
    // follows the highest so far, and one that comes again adds to it.
    QList<Matchday> days(League::kMaxRounds + 1);
    QHash<const TxtMatch *, Score> results;
    QHash<QString, int> byHeading;
    int highest = 0;
    const Stage &stage = doc.stages[leagueStage];
    for (const Round &r : stage.rounds) {
        if (r.heading.isEmpty()) {
            if (hasMatches(r))
                skipped.append({r.line, QStringLiteral("Zeile %1: %2 ohne Spieltag übersprungen")
                                            .arg(r.line)
                                            .arg(matchesText(int(r.matches.size())))});
            continue;
        }
        if (!isMatchdayHeading(r.heading)) {
            if (hasMatches(r))
                skipped.append({r.line, QStringLiteral("Zeile %1: Runde %2 ist kein Spieltag, übersprungen (%3)")
                                            .arg(r.line)
                                            .arg(quoted(r.heading), matchesText(int(r.matches.size())))});
            continue;
        }
        // A number outside 1..99 names no matchday of a league: neither 0
        // nor -3 is matchday 1 or 3, and a long number is not the next one.
        const QString number = headingNumber(r.heading);
        int j;
        if (!number.isEmpty()) {
            const bool negative = !number.front().isDigit();
            QString digits = negative ? number.mid(1) : number;
            while (digits.startsWith(QLatin1Char('0')))
                digits.remove(0, 1);
            if (negative || digits.isEmpty())
                refuse(fileName, r.line, QStringLiteral("Spieltag %1 gibt es nicht, Spieltage zählen ab 1").arg(number));
            if (digits.size() > 2)
                refuse(fileName, r.line,
                       QStringLiteral("Spieltag %1, höchstens %2 Spieltage möglich").arg(number).arg(League::kMaxRounds));
            j = digits.toInt();
        } else {
            j = byHeading.value(r.heading, highest + 1);
        }
        byHeading.insert(r.heading, j);
        if (j > League::kMaxRounds)
            refuse(fileName, r.line, QStringLiteral("Spieltag %1, höchstens %2 Spieltage möglich").arg(j).arg(League::kMaxRounds));
        highest = qMax(highest, j);
        if (days[j].firstBlock < 0 && !r.matches.isEmpty())
            days[j].firstBlock = r.matches.size();
        for (const TxtMatch &m : r.matches) {
            days[j].matches.append(&m);
            results.insert(&m, leagueResult(m, skipped));
        }
    }
    for (const Issue &w : doc.warnings)
        if (w.problem == Problem::DateWithoutYear)
            skipped.append({w.line, QStringLiteral("Zeile %1: %2").arg(w.line).arg(ReadFaults::problem(w))});
    std::stable_sort(skipped.begin(), skipped.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    for (const auto &s : skipped)
        out.skipped << s.second;

    // Slots in the order of the teams' first matches in the file.
    QList<const TxtMatch *> inFileOrder;
    for (int j = 1; j <= highest; ++j)
        inFileOrder += days[j].matches;
    std::stable_sort(inFileOrder.begin(), inFileOrder.end(),
                     [](const TxtMatch *a, const TxtMatch *b) { return a->line < b->line; });
    QHash<QString, int> slotOf;
    QStringList names;
    for (const TxtMatch *m : inFileOrder) {
        // A team playing itself would count a win and a loss at once.
        if (m->team1 == m->team2)
            refuse(fileName, m->line, QStringLiteral("%1 spielt gegen sich selbst").arg(quoted(m->team1)));
        for (const QString &name : {m->team1, m->team2}) {
            if (slotOf.contains(name))
                continue;
            if (!Cp1252::canEncode(name))
                refuse(fileName, m->line,
                       QStringLiteral("der Name %1 lässt sich nicht in Windows-1252 speichern").arg(quoted(name)));
            if (name.size() > kMaxNameLength)
                refuse(fileName, m->line, QStringLiteral("Name länger als %1 Zeichen").arg(kMaxNameLength));
            if (names.size() == League::kMaxTeams)
                refuse(fileName, m->line,
                       QStringLiteral("mehr als %1 Mannschaften (%2)").arg(League::kMaxTeams).arg(quoted(name)));
            names << name;
            slotOf.insert(name, int(names.size()));
        }
    }
    if (names.size() < League::kMinTeams)
        refuse(fileName, 0, QStringLiteral("weniger als %1 Mannschaften").arg(League::kMinTeams));

    League &l = out.league;
    const int rows = League::rowCountFor(int(names.size()));
    for (int j = 1; j <= highest; ++j)
        if (days[j].matches.size() > rows)
            refuse(fileName, days[j].matches[rows]->line,
                   QStringLiteral("Spieltag %1 hat mehr als %2 Spiele").arg(j).arg(rows));
    if (!l.reshape(int(names.size()), highest))
        refuse(fileName, 0, l.reshapeRefusal(int(names.size()), highest));
    for (int i = 0; i < names.size(); ++i)
        l.teamNames[i + 1] = names[i];
    int lastPlayed = 0;
    for (int j = 1; j <= highest; ++j) {
        // The matchday's dates span its first heading's matches; matches
        // under a later heading of the same matchday keep their own later
        // days and so stand as postponed. Without a date there, all count.
        QDate first, last, firstAll, lastAll;
        auto widen = [](QDate &from, QDate &to, const QDate &d) {
            if (!from.isValid() || d < from)
                from = d;
            if (!to.isValid() || d > to)
                to = d;
        };
        for (int k = 0; k < days[j].matches.size(); ++k) {
            const TxtMatch &m = *days[j].matches[k];
            ::Match &row = l.match(j, k + 1);
            row.teamA = slotOf.value(m.team1);
            row.teamB = slotOf.value(m.team2);
            const Score s = results.value(&m);
            if (s.isSet()) {
                row.goalsA = s.a;
                row.goalsB = s.b;
                lastPlayed = j;
            }
            row.date = m.date;
            if (m.date.isValid() && m.time.isValid()) {
                row.time = m.time;
                row.timeZone = m.timeZone;
            }
            if (m.date.isValid()) {
                widen(firstAll, lastAll, m.date);
                if (k < days[j].firstBlock)
                    widen(first, last, m.date);
            }
        }
        if (!first.isValid()) {
            first = firstAll;
            last = lastAll;
        }
        if (first.isValid())
            l.dates(j) = RoundDates{LeagueDate::format(first), LeagueDate::format(last)};
    }
    l.currentRound = qMax(1, lastPlayed);
    l.ErsterST();
    l.leagueFileName.clear();
    l.leagueSaved = false;
    out.title = doc.title.isEmpty() ? QFileInfo(fileName).completeBaseName() : doc.title;
    // The competition's own title names the league; a file without one
    // leaves it unnamed rather than named after the file.
    l.leagueName = doc.title.trimmed();
    return out;
}

Imported importBytes(const QByteArray &bytes, Format format, const QString &fileName)
{
    const ReadResult r = format == Format::Json ? FootballJson::read(bytes) : FootballTxt::read(bytes);
    if (!r.ok)
        refuse(fileName, r.error.line, ReadFaults::problem(r.error));
    return fromDocument(r.document, fileName);
}

Imported importFile(const QString &path, Format format)
{
    const qint64 limit = format == Format::Json ? FootballJson::kMaxBytes : FootballTxt::kMaxBytes;
    const BoundedFile::Result file = BoundedFile::read(path, limit);
    // A missing file is said as the window says it; any other failure
    // (a folder, a FIFO, no permission, an I/O error) with its reason.
    if (file.status == BoundedFile::Status::Missing)
        throw LeagueError(LeagueError::cannotOpen(path));
    if (!file.ok())
        throw LeagueError(LeagueError::cannotOpen(path, ReadFaults::reason(file, limit)));
    return importBytes(file.bytes, format, path);
}

Document toDocument(const League &l, const QString &title, QStringList *notes)
{
    QStringList lost;
    Document doc;
    doc.title = title;
    doc.stages.append(Stage{});
    Stage &stage = doc.stages.first();

    QList<int> appearance;
    QList<bool> plays(League::kMaxTeams + 1, false);
    bool halfResults = false;
    // Postponed matches go under a second heading of their matchday, placed
    // among the later matchdays by their day as the data projects write
    // them; reading the file back gives the matchday its own dates again.
    QList<Round> postponed;
    for (int j = 1; j <= l.roundCount; ++j) {
        Round r;
        Round later;
        later.heading = QStringLiteral("Matchday %1").arg(j);
        later.number = j;
        r.heading = QStringLiteral("Matchday %1").arg(j);
        r.number = j;
        const QDate from = LeagueDate::parse(l.dates(j).dateFrom);
        const QDate to = LeagueDate::parse(l.dates(j).dateTo);
        for (int k = 1; k <= l.rowCount(); ++k) {
            const ::Match &row = l.match(j, k);
            const bool teamA = row.teamA >= 1 && row.teamA <= l.teamCount;
            const bool teamB = row.teamB >= 1 && row.teamB <= l.teamCount;
            if (!teamA || !teamB) {
                if (teamA || teamB || row.goalsA >= 0 || row.goalsB >= 0)
                    lost << QStringLiteral("Spieltag %1, Zeile %2: ohne beide Mannschaften nicht exportiert").arg(j).arg(k);
                continue;
            }
            for (int slot : {row.teamA, row.teamB})
                if (l.teamNames[slot].isEmpty())
                    throw LeagueError(QStringLiteral("Spieltag %1, Zeile %2: eine Mannschaft ohne Namen").arg(j).arg(k));
            TxtMatch m;
            m.team1 = l.teamNames[row.teamA];
            m.team2 = l.teamNames[row.teamB];
            if (row.counts())
                m.ft = Score{row.goalsA, row.goalsB};
            else if (row.goalsA >= 0 || row.goalsB >= 0)
                halfResults = true;
            // A match without its own day: the matchday's first match on its
            // first day, the others on its last.
            if (row.date.isValid())
                m.date = row.date;
            else if (r.matches.isEmpty())
                m.date = from.isValid() ? from : to;
            else
                m.date = to.isValid() ? to : from;
            if (m.date.isValid() && row.time.isValid()) {
                m.time = row.time;
                m.timeZone = row.timeZone;
            }
            for (int slot : {row.teamA, row.teamB})
                if (!plays[slot]) {
                    plays[slot] = true;
                    appearance << slot;
                }
            if (l.isPostponed(j, k))
                later.matches.append(m);
            else
                r.matches.append(m);
        }
        if (!later.matches.isEmpty())
            postponed.append(later);
        if (r.matches.size() == 1 && from.isValid() && to.isValid() && from != to)
            lost << QStringLiteral("Spieltag %1: mit einem Spiel nur ein Datum (%2)").arg(j).arg(l.dates(j).dateFrom);
        stage.rounds.append(r);
    }
    if (!postponed.isEmpty()) {
        // Each postponed block follows the last matchday that starts on or
        // before its first day, and at least the matchday after its own:
        // JSON knows rounds only as runs of matches, and a block right
        // after its matchday would read back as part of it.
        QList<QPair<int, Round>> placed;
        for (const Round &later : std::as_const(postponed)) {
            int after = std::min(later.number + 1, l.roundCount);
            while (after < l.roundCount) {
                const QDate next = LeagueDate::parse(l.dates(after + 1).dateFrom);
                if (!next.isValid() || next > later.firstDay())
                    break;
                ++after;
            }
            placed.append({after, later});
        }
        std::stable_sort(placed.begin(), placed.end(), [](const auto &a, const auto &b) {
            return a.first != b.first ? a.first < b.first : a.second.firstDay() < b.second.firstDay();
        });
        QList<Round> ordered;
        qsizetype next = 0;
        for (const Round &r : std::as_const(stage.rounds)) {
            ordered.append(r);
            while (next < placed.size() && placed[next].first == r.number)
                ordered.append(placed[next++].second);
        }
        stage.rounds = ordered;
    }
    if (halfResults)
        lost << QStringLiteral("halb eingetragene Ergebnisse als nicht gespielt exportiert");
    // Two teams of one name would read back as one.
    for (int i = 1; i <= l.teamCount; ++i)
        for (int k = i + 1; k <= l.teamCount; ++k)
            if (plays[i] && plays[k] && l.teamNames[i] == l.teamNames[k])
                throw LeagueError(QStringLiteral("Zwei Mannschaften heißen %1").arg(quoted(l.teamNames[i])));
    QStringList idle;
    for (int i = 1; i <= l.teamCount; ++i)
        if (!plays[i] && !l.teamNames[i].isEmpty())
            idle << l.teamNames[i];
    if (!idle.isEmpty())
        lost << QStringLiteral("Mannschaften ohne Spiel fehlen: %1").arg(idle.join(QLatin1String(", ")));
    bool ordered = true;
    for (int i = 0; i < appearance.size(); ++i)
        if (appearance[i] != i + 1)
            ordered = false;
    if (!ordered)
        lost << QStringLiteral("beim Einlesen stehen die Mannschaften in der Reihenfolge ihres ersten Spiels");
    bool startValues = false;
    for (int i = 1; i <= l.teamCount; ++i)
        if (l.startWins[i] || l.startDraws[i] || l.startLosses[i] || l.startGoalsFor[i] || l.startGoalsAgainst[i]
            || l.penaltyPoints[i])
            startValues = true;
    if (startValues)
        lost << QStringLiteral("Startwerte und Strafpunkte nicht exportiert");
    if (!l.hasChampion || l.clPlaces != 1 || l.ucPlaces != 3 || l.relegationPlaces != 3 || l.hasZonesOfToday())
        lost << QStringLiteral("Tabellenzonen nicht exportiert");
    if (notes)
        *notes = lost;
    return doc;
}

namespace {

QByteArray documentBytes(const Document &doc, Format format, QStringList *notes)
{
    if (format == Format::Json) {
        // A name is read back with its spaces made single blanks, and
        // control characters (a TAB) are no text of the format: such a
        // name would come back as another team or not at all.
        for (const Round &r : doc.stages.first().rounds)
            for (const TxtMatch &m : r.matches)
                for (const QString &name : {m.team1, m.team2})
                    if (name != FootballTxt::Line::teamNameOf(name)
                        || std::any_of(name.begin(), name.end(),
                                       [](QChar c) { return c.unicode() < 0x20 || c.unicode() == 0x7f; }))
                        throw LeagueError(
                            QStringLiteral("Der Name %1 lässt sich in Football.JSON nicht schreiben").arg(quoted(name)));
        // JSON knows matchdays only by their matches.
        QList<int> empty;
        for (const Round &r : doc.stages.first().rounds)
            if (r.matches.isEmpty())
                empty << r.number;
        if (!empty.isEmpty() && notes)
            *notes << QStringLiteral("Spieltage ohne Spiel fehlen: %1").arg(rangesText(empty));
        return FootballJson::write(doc);
    }
    for (const Round &r : doc.stages.first().rounds)
        for (const TxtMatch &m : r.matches)
            for (const QString &name : {m.team1, m.team2})
                if (!FootballTxt::isTeamName(name))
                    throw LeagueError(
                        QStringLiteral("Der Name %1 lässt sich in Football.TXT nicht schreiben").arg(quoted(name)));
    const QString problem = FootballTxt::unwritable(doc);
    if (!problem.isEmpty())
        throw LeagueError(QStringLiteral("Football.TXT kann das nicht schreiben: %1").arg(problem));
    return FootballTxt::write(doc);
}

} // namespace

QByteArray exportBytes(const League &league, const QString &title, Format format, QStringList *notes)
{
    QString t = title;
    t.remove(QLatin1Char('#'));
    for (QChar &c : t)
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            c = QLatin1Char(' ');
    while (t.startsWith(QLatin1Char('=')))
        t.remove(0, 1);
    t = t.trimmed();
    Document doc = toDocument(league, t, notes);
    const QByteArray bytes = documentBytes(doc, format, notes);
    // Whatever the checks above let through, a file its own reader refuses
    // is never written.
    const ReadResult back = format == Format::Json ? FootballJson::read(bytes) : FootballTxt::read(bytes);
    if (!back.ok)
        throw LeagueError(QStringLiteral("%1 kann das nicht schreiben: %2")
                              .arg(format == Format::Json ? QStringLiteral("Football.JSON") : QStringLiteral("Football.TXT"),
                                   FootballTxt::lineMessage(back.error)));
    return bytes;
}


QStringList exportFile(const League &league, const QString &title, const QString &path, Format format)
{
    QStringList notes;
    const QByteArray bytes = exportBytes(league, title, format, &notes);
    // The old file, if any, stays as it was until the new one is complete.
    if (!AtomicFile::write(path, bytes).ok())
        throw LeagueError(LeagueError::cannotWrite(path));
    return notes;
}

QString exportTitle(const League &league)
{
    if (!league.leagueName.trimmed().isEmpty())
        return league.leagueName.trimmed();
    if (league.leagueFileName.isEmpty())
        return QStringLiteral("Liga");
    return QFileInfo(league.leagueFileName).completeBaseName();
}

QString suggestedFileName(const QString &title)
{
    QString name;
    for (QChar c : title) {
        if (c.unicode() < 0x20 || QStringLiteral("/\\:*?\"<>|").contains(c))
            name += QLatin1Char('-');
        else
            name += c;
    }
    name = name.trimmed();
    while (name.startsWith(QLatin1Char('.')))
        name.remove(0, 1);
    if (name.isEmpty())
        name = QStringLiteral("Liga");
    return name + QLatin1String(".T98");
}

} // namespace LeagueOpenData
