#pragma once

#include <QByteArray>
#include <QStringList>

class QTextStream;
class Tournament;

// Steps the headless commands share, each saying on standard error why it
// failed so that the command only has to return its exit status.
namespace CommandSteps {

// A tournament description or a format's text: a few kilobytes. The limit
// keeps a link to an endless device or a FIFO from stalling the command.
bool readText(const QString &file, QByteArray *bytes, QTextStream &err);

// The folder a command writes into, made with its parents.
bool makeFolder(const QString &dir, QTextStream &err);

// A classic folder opened for reading: a save cut short by a crash is
// settled first, then the four groups are read ("File Error !" and the
// file when one cannot be).
bool openGroups(Tournament &t, const QString &dir, QTextStream &err);

// One record of tab-separated fields on its own line. Names from a file made
// by other means may hold a TAB or a line end; they are printed with '?' in
// their place so that nothing reaches the terminal as a control.
void printRecord(QTextStream &out, const QStringList &fields);

} // namespace CommandSteps
