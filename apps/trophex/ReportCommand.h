#pragma once

#include <QString>

// trophex --report [DIR]: prints the tournament in DIR as tab-separated
// UTF-8 lines (groups, figures, qualifiers, bracket, scorers, matches).
// Returns 0, or 1 with "File Error !" when the group files cannot be loaded.
int runReport(const QString &dir);
