#pragma once

#include <QChar>
#include <QString>

// Checks on the names a tournament holds. Control characters in a name break
// the tab-separated lines of the report, reach the terminal in messages and
// mean nothing in a caption; a flag name becomes a file name in the data
// folder, so it must not lead out of it.
namespace NameChecks {

// C0 controls (TAB, CR, ESC, BEL, NUL, ...), DEL and the C1 controls.
bool isControl(QChar c);
// The index of the first control character of text, or -1 when there is none.
qsizetype firstControl(const QString &text);
bool hasControl(const QString &text);

// The text with every control character replaced by '?', safe to print.
QString printable(const QString &text);

// A plain file name of the data folder: not empty, no control character,
// no folder separator ("/" or "\") and no "..".
bool isPlainFileName(const QString &name);

} // namespace NameChecks
