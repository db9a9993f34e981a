#pragma once

#include <QString>

// The lines every document, printed page and curve picture carries below
// the program title. The model holds them because the standings' curve
// picture, the exports and the print jobs all show them.
namespace FooterTexts {

// Shown after the program title.
QString credit();
// The first line of every document, printed page and curve picture: the
// league's name when it has one, otherwise the program title and credit.
QString headline(const QString &leagueName);
// The line below it.
QString contact();

} // namespace FooterTexts
