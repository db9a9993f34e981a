#pragma once

#include <QDate>
#include <QString>

// Matchday dates are kept as text in the model and stored as "dd.MM.yyyy".
// Reading is more forgiving: one-digit days and months ("1.8.2026") and
// two-digit years, as older files and hand-edited ones carry them.
namespace LeagueDate {

// An invalid QDate when the text is not a date.
QDate parse(const QString &text);

// "dd.MM.yyyy".
QString format(const QDate &date);

// The stored form of a date text: formatted when it is a date, otherwise the
// text unchanged, so that an unreadable date still reports itself when its
// matchday is shown.
QString normalized(const QString &text);

// A match's own day and kick-off as the matchday panel takes them:
// "24.04.2024 20:00", "24.04.2024", "20:00", also typed without dots and
// colon ("24042024 2000"); one-digit days, months and hours as well. An
// empty text clears both. Returns false, changing nothing, for anything
// else, also for a day or time that does not exist.
bool parseMatchDay(const QString &text, QDate *date, QTime *time);
// "24.04.2024 20:00", "24.04.2024", "20:00" or empty: what parseMatchDay
// reads back.
QString matchDayText(const QDate &date, const QTime &time);

} // namespace LeagueDate
