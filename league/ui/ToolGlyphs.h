#pragma once

#include <QIcon>
#include <QString>

// The small pictures of the toolbar buttons, drawn by the program so that
// it needs no picture files, each when it is first painted. name is one
// of: new, open, save, export, print, help, info, back, forward, settings,
// cross, table, curve.
QIcon toolGlyph(const QString &name);

// Asks for the fonts by the names the forms use. "MS Sans Serif" has no
// fontconfig alias, so it is mapped by hand; calling this again is harmless.
void installFontSubstitutions();
