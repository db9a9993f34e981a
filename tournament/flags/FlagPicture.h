#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// The pictures of team flags, drawn at the size of the bracket's flags.
// A country flies its real flag, rendered from the SVG flags the program
// carries (the 4:3 set of the flag-icons package); any other team gets a
// plain picture with its initials, the same for the same name on every
// machine and every run.
namespace FlagPicture {

constexpr int Width = 78;
constexpr int Height = 53;

// The flag of a country by its code ("fr", "gb-eng"); a null image when the
// program carries no flag of that code.
QImage countryFlag(const QString &code);

// A neutral field with up to three initials of the name and a stripe in a
// colour drawn from the name.
QImage plainPicture(const QString &teamName);

// The team's country flag when the name is a country, else its plain picture.
QImage forTeam(const QString &teamName);

// The letters the plain picture shows: the first letter of each of the
// first three words ("and", "of", "de" and "the" skipped), the first two
// letters of a name of one word; accents dropped, upper case, only A-Z and
// 0-9.
QString initials(const QString &teamName);

// Flag pictures are stored as 24-bit bitmaps (common/gui/Bmp24.h) at
// 72 dpi, whatever the screen says, so the same flag gives the same file.
constexpr int kDotsPerMetre = 2835;

} // namespace FlagPicture
