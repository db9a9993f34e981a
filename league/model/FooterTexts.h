#pragma once

#include <QString>

// The lines every document, printed page and curve picture carries below
// the program title. The model holds them because the standings' curve
// picture, the exports and the print jobs all show them.
namespace FooterTexts {

// Shown after the program title.
QString credit();
// The line below it.
QString contact();

} // namespace FooterTexts
