#pragma once

#include <QByteArray>
#include <QString>

// Windows-1252, the code page of league files, old .tn3 files, every league
// export and the names in the tournament files. Table-driven so that it
// behaves the same on every system: the five bytes that the code page leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 control of the same
// value, so all 256 bytes survive a decode/encode round trip.
namespace Cp1252 {

QString decode(const QByteArray &bytes);

// Characters the code page cannot hold become '?'; ok (when given) tells
// whether every character could be encoded.
QByteArray encode(const QString &text, bool *ok = nullptr);
// Appends the encoding of `text` to `out`, '?' for what the code page
// cannot hold.
void appendEncoded(QByteArray &out, QStringView text);

bool canEncode(QChar c);
bool canEncode(const QString &text);

} // namespace Cp1252
