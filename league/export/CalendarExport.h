#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QTimeZone>

class League;

// The fixtures of a league as an iCalendar file (UTF-8, CR LF line ends,
// content lines folded at 75 octets), so that a calendar program can show or
// subscribe to a season: one event per match row that names both teams, on
// the match's own day or else on the first date ("vom") of its matchday.
// A match with a kick-off is a timed event of two hours, written in UTC;
// one without is an all-day event ending the next day. The summary is
// "Home - Away", followed by the result ("Home - Away 2:1") once both goals
// are entered; the description names the matchday and a postponed match.
struct CalendarExport {
    QByteArray bytes;
    // Matchdays with pairings but no readable first date: their matches have
    // no day to stand on and are left out of the file.
    QList<int> undatedRounds;
};

// calendarName names the league in the file (the league file's base name)
// and makes each match's UID: the same name and league give the same UIDs
// on every export, so a subscribed calendar updates its events instead of
// doubling them. stamp is the DTSTAMP of every event (the time of export).
// A kick-off is read in the zone its match names ("UTC+1" from an imported
// file), otherwise in localZone, the desktop's own.
CalendarExport Exp_ics(const League &league, const QString &calendarName, const QDateTime &stamp,
                       const QTimeZone &localZone = QTimeZone::systemTimeZone());

namespace Ical {

// A TEXT value with backslash, semicolon, comma and line breaks escaped;
// other control characters, which TEXT cannot carry, are dropped.
QString escapeText(const QString &text);

// One content line, folded so that no line exceeds 75 octets before its
// CR LF: a continuation line starts with a space, and a UTF-8 sequence is
// never split.
QByteArray foldLine(const QByteArray &utf8Line);

} // namespace Ical
