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

} // namespace LeagueDate
