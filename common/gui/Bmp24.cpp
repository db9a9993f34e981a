#include "common/gui/Bmp24.h"

#include <QtEndian>

namespace {

void putLe16(QByteArray &out, quint16 v)
{
    char b[2];
    qToLittleEndian(v, b);
    out.append(b, 2);
}

void putLe32(QByteArray &out, quint32 v)
{
    char b[4];
    qToLittleEndian(v, b);
    out.append(b, 4);
}

} // namespace

namespace Bmp24 {

QByteArray encode(const QImage &image, int dotsPerMeterX, int dotsPerMeterY)
{
    const QImage img = image.convertToFormat(QImage::Format_RGB32);
    const int w = img.width();
    const int h = img.height();
    const int stride = (w * 3 + 3) & ~3;
    const quint32 pixelBytes = quint32(stride) * quint32(h);
    constexpr quint32 dataOffset = 14 + 40;

    QByteArray out;
    out.reserve(int(dataOffset + pixelBytes));
    out.append("BM", 2);
    putLe32(out, dataOffset + pixelBytes);
    putLe32(out, 0); // reserved
    putLe32(out, dataOffset);

    putLe32(out, 40); // info header size
    putLe32(out, quint32(w));
    putLe32(out, quint32(h)); // positive height: rows run bottom-up
    putLe16(out, 1); // planes
    putLe16(out, 24); // bits per pixel: the colours stay exact
    putLe32(out, 0); // no compression
    putLe32(out, pixelBytes);
    putLe32(out, quint32(dotsPerMeterX));
    putLe32(out, quint32(dotsPerMeterY));
    putLe32(out, 0); // colours used: none, no colour table at 24 bits
    putLe32(out, 0);

    QByteArray row(stride, '\0');
    for (int y = h - 1; y >= 0; --y) {
        const QRgb *src = reinterpret_cast<const QRgb *>(img.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            row[3 * x] = char(qBlue(src[x]));
            row[3 * x + 1] = char(qGreen(src[x]));
            row[3 * x + 2] = char(qRed(src[x]));
        }
        out.append(row);
    }
    return out;
}

} // namespace Bmp24
