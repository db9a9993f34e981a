#pragma once

#include <QString>

// trophex --create=TEXTFILE [DIR]: writes the eight group files described by
// the text file into DIR. Returns 0, or 1 with a message on stderr (nothing
// is written when the text is refused).
int runCreate(const QString &textFile, const QString &dir);
