#include "league/export/CalendarExport.h"

#include "league/model/League.h"
#include "league/model/LeagueDate.h"

#include <QDate>
#include <QHash>
#include <QStringList>

namespace Ical {

QString escapeText(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        switch (c.unicode()) {
        case '\\': out += QLatin1String("\\\\"); break;
        case ';': out += QLatin1String("\\;"); break;
        case ',': out += QLatin1String("\\,"); break;
        case '\n': out += QLatin1String("\\n"); break;
        case '\r':
            // CR LF and a lone CR are one line break each.
            if (i + 1 >= text.size() || text.at(i + 1) != QLatin1Char('\n'))
                out += QLatin1String("\\n");
            break;
        case '\t': out += c; break;
        default:
            if (c.unicode() >= 0x20 && c.unicode() != 0x7f)
                out += c;
            break;
        }
    }
    return out;
}

QByteArray foldLine(const QByteArray &utf8Line)
{
    constexpr qsizetype kMax = 75;
    QByteArray out;
    qsizetype pos = 0;
    qsizetype room = kMax; // the first line has 75 octets, the others a space and 74
    while (utf8Line.size() - pos > room) {
        qsizetype cut = pos + room;
        // Back up to the start of a character: continuation bytes are 10xxxxxx.
        while (cut > pos && (static_cast<unsigned char>(utf8Line.at(cut)) & 0xC0) == 0x80)
            --cut;
        if (cut == pos) // not UTF-8 at all; cut where the room ends
            cut = pos + room;
        out += utf8Line.mid(pos, cut - pos);
        out += "\r\n ";
        pos = cut;
        room = kMax - 1;
    }
    out += utf8Line.mid(pos);
    out += "\r\n";
    return out;
}

} // namespace Ical

namespace {

// Two halves, the break and some stoppage time.
constexpr qint64 kMatchSeconds = 2 * 60 * 60;
const QString kUtcFormat = QStringLiteral("yyyyMMdd'T'HHmmss'Z'");

// The league's name as UID text: letters, digits, '.', '_' and '-' as they
// are, every other UTF-8 byte as %XX, so the UID stays plain ASCII.
QByteArray uidName(const QString &calendarName)
{
    const QByteArray name = calendarName.trimmed().isEmpty() ? QByteArrayLiteral("liga")
                                                             : calendarName.trimmed().toUtf8();
    return name.toPercentEncoding(QByteArray(), QByteArrayLiteral("~"));
}

// The zone of a kick-off: "UTC", "UTC+1", "UTC-3" or "UTC+5:30" as the
// match files write it; anything else is the desktop's zone.
QTimeZone zoneOf(const QString &name, const QTimeZone &localZone)
{
    if (!name.startsWith(QLatin1String("UTC")))
        return localZone;
    const QString rest = name.mid(3);
    if (rest.isEmpty())
        return QTimeZone(0);
    const int sign = rest.startsWith(QLatin1Char('-')) ? -1 : 1;
    const QStringList parts = rest.mid(1).split(QLatin1Char(':'));
    bool okH = false, okM = true;
    const int hours = parts.value(0).toInt(&okH);
    const int minutes = parts.size() > 1 ? parts[1].toInt(&okM) : 0;
    if (!okH || !okM || hours > 14 || minutes > 59)
        return localZone;
    return QTimeZone(sign * (hours * 3600 + minutes * 60));
}

class Writer {
public:
    void line(const QString &text) { m_bytes += Ical::foldLine(text.toUtf8()); }
    QByteArray bytes() const { return m_bytes; }

private:
    QByteArray m_bytes;
};

} // namespace

CalendarExport Exp_ics(const League &league, const QString &calendarName, const QDateTime &stamp,
                       const QTimeZone &localZone)
{
    CalendarExport result;
    const QString dtstamp = stamp.toUTC().toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'"));
    const QString uidPrefix = QString::fromLatin1(uidName(calendarName));
    // The league's own name, when it has one, names the calendar; the
    // UIDs keep following `calendarName`, so that naming a league later
    // does not make a subscribed calendar's events new ones.
    const QString title = !league.leagueName.trimmed().isEmpty() ? league.leagueName.trimmed()
        : calendarName.trimmed().isEmpty()                      ? QString::fromLatin1(League::kProgramTitle)
                                                                : calendarName.trimmed();

    Writer w;
    w.line(QStringLiteral("BEGIN:VCALENDAR"));
    w.line(QStringLiteral("VERSION:2.0"));
    w.line(QStringLiteral("PRODID:-//Tabulon '98//Spielplan//DE"));
    w.line(QStringLiteral("CALSCALE:GREGORIAN"));
    w.line(QStringLiteral("METHOD:PUBLISH"));
    w.line(QStringLiteral("X-WR-CALNAME:") + Ical::escapeText(title));

    for (int round = 1; round <= league.roundCount; ++round) {
        // The same pairing twice on one matchday (the entry allows it) still
        // gives two events: the second one's UID carries its count.
        QHash<QString, int> seen;
        bool undated = false;
        for (int row = 1; row <= league.rowCount(); ++row) {
            const Match &m = league.match(round, row);
            if (m.teamA < 1 || m.teamA > league.teamCount || m.teamB < 1 || m.teamB > league.teamCount)
                continue;
            const QDate day = league.matchDay(round, row);
            if (!day.isValid()) {
                undated = true;
                continue;
            }
            QString uid = QStringLiteral("%1-%2-%3-%4").arg(uidPrefix, QString::number(round), QString::number(m.teamA),
                                                                QString::number(m.teamB));
            const int repeat = ++seen[uid];
            if (repeat > 1)
                uid += QStringLiteral("-%1").arg(repeat);
            QString summary = league.teamNames[m.teamA] + QStringLiteral(" - ") + league.teamNames[m.teamB];
            if (m.counts())
                summary += QStringLiteral(" %1:%2").arg(m.goalsA).arg(m.goalsB);

            w.line(QStringLiteral("BEGIN:VEVENT"));
            w.line(QStringLiteral("UID:") + uid + QStringLiteral("@tabulon.invalid"));
            w.line(QStringLiteral("DTSTAMP:") + dtstamp);
            const QDateTime start = m.time.isValid()
                ? QDateTime(day, m.time, zoneOf(m.timeZone, localZone)).toUTC()
                : QDateTime();
            // A kick-off in UTC needs no time zone component, and a time
            // that the clocks skip in spring still names one instant. Near
            // the last year the format can write, the match stays all-day.
            if (start.isValid() && start.addSecs(kMatchSeconds).date().year() <= 9999) {
                w.line(QStringLiteral("DTSTART:") + start.toString(kUtcFormat));
                w.line(QStringLiteral("DTEND:") + start.addSecs(kMatchSeconds).toString(kUtcFormat));
            } else {
                w.line(QStringLiteral("DTSTART;VALUE=DATE:") + day.toString(QStringLiteral("yyyyMMdd")));
                // An all-day event without an end lasts its one day; the end
                // after 31.12.9999 would need a fifth year digit that the
                // format's dates do not have.
                if (day.addDays(1).year() <= 9999)
                    w.line(QStringLiteral("DTEND;VALUE=DATE:") + day.addDays(1).toString(QStringLiteral("yyyyMMdd")));
            }
            w.line(QStringLiteral("SUMMARY:") + Ical::escapeText(summary));
            QString description = QStringLiteral("%1. Spieltag").arg(round);
            if (league.isPostponed(round, row))
                description += QStringLiteral(", Nachholspiel");
            w.line(QStringLiteral("DESCRIPTION:") + Ical::escapeText(description));
            w.line(QStringLiteral("TRANSP:TRANSPARENT"));
            w.line(QStringLiteral("END:VEVENT"));
        }
        if (undated)
            result.undatedRounds << round;
    }
    w.line(QStringLiteral("END:VCALENDAR"));
    result.bytes = w.bytes();
    return result;
}
