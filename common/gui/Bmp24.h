#pragma once

#include <QByteArray>
#include <QImage>

// The one Windows bitmap writer of both programs: 24 bits a pixel, a
// BITMAPINFOHEADER, no compression and no colour table, rows bottom-up and
// padded to whole 32-bit words. The same pixels always give the same bytes;
// the resolution fields are the caller's, since the curve picture carries
// its own and the flags a fixed 72 dpi.
namespace Bmp24 {

QByteArray encode(const QImage &image, int dotsPerMeterX, int dotsPerMeterY);

} // namespace Bmp24
