#pragma once

#include <QHash>
#include <QString>

// Finds the country a team stands for, as the lower-case code of its flag
// picture: the ISO 3166-1 alpha-2 code ("fr", "jp") or, for the home
// nations, the subdivision code football uses ("gb-eng", "gb-sct").
//
// The names are the English names of the iso-codes country list (name,
// common name and official name, plus the forms "Republic of Korea" and
// "Holy See" that its "Korea, Republic of" and "Holy See (Vatican City
// State)" stand for), overruled by the names football gives its teams
// ("England", "USA", "Ivory Coast", "China PR", ...). Names are compared
// without regard to case, accents, punctuation or a leading "The".
class CountryNames
{
public:
    // The names of the list carried by the program.
    static const CountryNames &builtIn();

    // Reads an iso_3166-1.json of the iso-codes package; an unreadable file
    // leaves only football's own names.
    explicit CountryNames(const QByteArray &isoJson);

    // The code of the country named by a team, or an empty text when the
    // name is no country (a club, a country that no longer exists, a name
    // two countries share). A team name the tournament files cut to 20
    // bytes is matched by the names it is the beginning of, when they all
    // lead to one country.
    QString code(const QString &teamName) const;

    // The form names are compared in: lower case, accents and apostrophes
    // dropped, every other run of punctuation and blanks one blank, "&" as
    // "and", a leading "the" dropped and a leading "St" read as "Saint".
    static QString key(const QString &name);

    int size() const { return int(m_codes.size()); }

private:
    void add(const QString &name, const QString &code, int rank);

    struct Entry
    {
        QString code; // empty when names of one rank lead to two countries
        int rank = 0; // 0 football's names, 1 iso-codes' names, 2 forms made from them
    };
    QHash<QString, Entry> m_codes;
};
