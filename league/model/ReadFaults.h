#pragma once

#include "common/BoundedFile.h"
#include "common/FootballTxt.h"

#include <QString>

// The league program's German words for what the shared readers report:
// common/ gives a status or a problem code, the program says it in its own
// language, as the runtime it imitates would.
namespace ReadFaults {

// "Datei nicht gefunden", "keine gewöhnliche Datei", "größer als 4 MB", ...
QString reason(const BoundedFile::Result &r, qint64 maxBytes);

// "4 MB", "2848 Bytes": a limit as the German messages give it.
QString limitText(qint64 maxBytes);

// A Football.TXT or Football.JSON problem in words, without the line.
QString problem(const FootballTxt::Issue &issue);

} // namespace ReadFaults
