#pragma once

#include <QByteArray>
#include <QString>

// Windows-1252, the code page of every name in the tournament files. The
// table is the program's own so that it behaves the same on every system;
// the five bytes the code page leaves undefined (0x81, 0x8D, 0x8F, 0x90,
// 0x9D) map to the C1 control of the same value, so every byte survives a
// decode/encode round trip.
namespace Ansi {

QString decode(const QByteArray &bytes);

// Characters the code page cannot hold become '?'; ok (when given) says
// whether every character could be encoded.
QByteArray encode(const QString &text, bool *ok = nullptr);

bool canEncode(QChar c);
bool canEncode(const QString &text);

} // namespace Ansi
