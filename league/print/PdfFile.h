#pragma once

#include <QString>

class TPageWriter;

// Writes every stored page once as an A4 PDF. The whole file or nothing: the
// pages go to a temporary file that replaces the old one only when complete.
// Returns false when the file could not be written; the old file is kept.
bool writePdfFile(const TPageWriter &prn, const QString &fileName);
