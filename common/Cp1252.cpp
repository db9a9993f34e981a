#include "common/Cp1252.h"

#include <array>

namespace {

// Unicode code points of bytes 0x80..0x9F; the rest of the code page equals
// Latin-1.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// Returns the byte for a character, or -1 when the code page has none.
int toByte(char16_t u)
{
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return u;
    for (int i = 0; i < 32; ++i)
        if (kHigh[i] == u)
            return 0x80 + i;
    return -1;
}

} // namespace

namespace Cp1252 {

QString decode(const QByteArray &bytes)
{
    QString out;
    out.reserve(bytes.size());
    for (char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        out.append(QChar(b >= 0x80 && b < 0xA0 ? kHigh[b - 0x80] : char16_t(b)));
    }
    return out;
}

namespace {

// One byte per UTF-16 unit, written in place: exported documents of a few
// hundred kilobytes go through here line by line.
bool encodeInto(char *dst, QStringView text)
{
    const char16_t *src = text.utf16();
    bool all = true;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int b = toByte(src[i]);
        if (b < 0) {
            all = false;
            dst[i] = '?';
        } else {
            dst[i] = static_cast<char>(b);
        }
    }
    return all;
}

} // namespace

QByteArray encode(const QString &text, bool *ok)
{
    QByteArray out(text.size(), Qt::Uninitialized);
    const bool all = encodeInto(out.data(), text);
    if (ok)
        *ok = all;
    return out;
}

void appendEncoded(QByteArray &out, QStringView text)
{
    const qsizetype at = out.size();
    out.resize(at + text.size());
    encodeInto(out.data() + at, text);
}

bool canEncode(QChar c)
{
    return toByte(c.unicode()) >= 0;
}

bool canEncode(const QString &text)
{
    for (QChar c : text)
        if (!canEncode(c))
            return false;
    return true;
}

} // namespace Cp1252
