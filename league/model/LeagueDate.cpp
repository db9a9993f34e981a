#include "league/model/LeagueDate.h"

#include <QStringList>

namespace LeagueDate {

namespace {

bool digitsOnly(const QString &s, int minLen, int maxLen)
{
    if (s.size() < minLen || s.size() > maxLen)
        return false;
    for (QChar c : s)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

} // namespace

QDate parse(const QString &text)
{
    const QStringList parts = text.trimmed().split(QLatin1Char('.'));
    if (parts.size() != 3 || !digitsOnly(parts[0], 1, 2) || !digitsOnly(parts[1], 1, 2))
        return {};
    int year;
    if (digitsOnly(parts[2], 4, 4)) {
        year = parts[2].toInt();
    } else if (digitsOnly(parts[2], 2, 2)) {
        // Two-digit years come from files of the last century's program;
        // 50..99 are read as 19xx, 00..49 as 20xx.
        const int yy = parts[2].toInt();
        year = yy >= 50 ? 1900 + yy : 2000 + yy;
    } else {
        return {};
    }
    // Years before 1000 are no dates of a season; every writer of dates
    // (the league file, Football.TXT and JSON, the calendar) takes four
    // digits, so such a year would be written as something no reader takes.
    if (year < 1000)
        return {};
    const QDate d(year, parts[1].toInt(), parts[0].toInt());
    return d.isValid() ? d : QDate();
}

QString format(const QDate &date)
{
    return date.toString(QStringLiteral("dd.MM.yyyy"));
}

QString normalized(const QString &text)
{
    const QDate d = parse(text);
    return d.isValid() ? format(d) : text;
}

} // namespace LeagueDate
