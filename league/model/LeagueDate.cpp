#include "league/model/LeagueDate.h"

#include <QRegularExpression>
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

bool parseMatchDay(const QString &text, QDate *date, QTime *time)
{
    const QStringList parts = text.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (parts.size() > 2)
        return false;
    QDate d;
    QTime t;
    static const QRegularExpression digitDate(QStringLiteral(R"(^\d{8}$)"));
    static const QRegularExpression digitTime(QStringLiteral(R"(^\d{3,4}$)"));
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QString &p = parts[i];
        if (i == 0 && (p.contains(QLatin1Char('.')) || digitDate.match(p).hasMatch())) {
            // Only whole four-digit years: a day of a season is typed in full.
            d = p.contains(QLatin1Char('.')) ? QDate::fromString(p, QStringLiteral("d.M.yyyy"))
                                             : QDate::fromString(p, QStringLiteral("ddMMyyyy"));
            if (!d.isValid() || d.year() < 1000)
                return false;
            continue;
        }
        if (t.isValid() || (i == 1 && !d.isValid()))
            return false;
        if (p.contains(QLatin1Char(':')))
            t = QTime::fromString(p, QStringLiteral("H:mm"));
        else if (digitTime.match(p).hasMatch())
            t = QTime::fromString(p.rightJustified(4, QLatin1Char('0')), QStringLiteral("HHmm"));
        if (!t.isValid())
            return false;
    }
    *date = d;
    *time = t;
    return true;
}

QString matchDayText(const QDate &date, const QTime &time)
{
    QStringList parts;
    if (date.isValid())
        parts << format(date);
    if (time.isValid())
        parts << time.toString(QStringLiteral("HH:mm"));
    return parts.join(QLatin1Char(' '));
}

} // namespace LeagueDate
