#include "league/export/Exporters.h"

#include "common/gui/Bmp24.h"
#include "league/model/LeagueError.h"

#include <QBuffer>
#include <QHash>
#include <QtEndian>

#include <gif_lib.h>

#include <vector>

namespace {

int writeToArray(GifFileType *gif, const GifByteType *data, int length)
{
    static_cast<QByteArray *>(gif->UserData)->append(reinterpret_cast<const char *>(data), length);
    return length;
}

[[noreturn]] void gifFailed(int code)
{
    throw LeagueError(QStringLiteral("GIF-Fehler: %1").arg(QString::fromLatin1(GifErrorString(code))));
}

} // namespace

QByteArray Exp_krv_BMP(const QImage &picture)
{
    // The picture's own resolution goes into the file: the curve chart is
    // drawn at 96 dpi so that its point sizes give the pixels it was laid
    // out for.
    return Bmp24::encode(picture, picture.dotsPerMeterX(), picture.dotsPerMeterY());
}

QByteArray Exp_krv_PNG(const QImage &picture)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    // A picture that cannot be encoded gives no file rather than half of one.
    if (!picture.save(&buffer, "PNG"))
        throw LeagueError(QStringLiteral("PNG-Bild kann nicht erstellt werden"));
    return bytes;
}

QByteArray Exp_krv_GIF(const QImage &picture)
{
    QImage img = picture.convertToFormat(QImage::Format_RGB32);
    const int w = img.width();
    const int h = img.height();

    // The chart is drawn in a few flat colours, so a table of the colours
    // that occur is exact. Anything richer is reduced by Qt first. Long runs
    // of one colour make the last lookup worth keeping.
    QHash<QRgb, int> index;
    std::vector<QRgb> colours;
    std::vector<GifPixelType> pixels(size_t(w) * size_t(h));
    QRgb lastColour = 0;
    int lastIndex = -1;
    for (int y = 0; y < h; ++y) {
        const QRgb *src = reinterpret_cast<const QRgb *>(img.constScanLine(y));
        GifPixelType *dst = pixels.data() + size_t(y) * size_t(w);
        for (int x = 0; x < w; ++x) {
            const QRgb c = src[x] | 0xff000000u;
            if (c != lastColour || lastIndex < 0) {
                auto it = index.constFind(c);
                if (it == index.constEnd()) {
                    if (colours.size() == 256) {
                        img = img.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither)
                                  .convertToFormat(QImage::Format_RGB32);
                        return Exp_krv_GIF(img);
                    }
                    it = index.insert(c, int(colours.size()));
                    colours.push_back(c);
                }
                lastColour = c;
                lastIndex = it.value();
            }
            dst[x] = GifPixelType(lastIndex);
        }
    }

    int tableSize = 2;
    while (tableSize < int(colours.size()))
        tableSize *= 2;
    std::vector<GifColorType> table(tableSize, GifColorType{0, 0, 0});
    for (size_t i = 0; i < colours.size(); ++i)
        table[i] = GifColorType{GifByteType(qRed(colours[i])), GifByteType(qGreen(colours[i])),
                                GifByteType(qBlue(colours[i]))};

    QByteArray out;
    int error = 0;
    GifFileType *gif = EGifOpen(&out, writeToArray, &error);
    if (!gif)
        gifFailed(error);
    EGifSetGifVersion(gif, false);

    ColorMapObject *map = GifMakeMapObject(tableSize, table.data());
    const int bits = GifBitSize(tableSize);
    bool ok = map && EGifPutScreenDesc(gif, w, h, bits, 0, map) == GIF_OK
        && EGifPutImageDesc(gif, 0, 0, w, h, false, nullptr) == GIF_OK;
    for (int y = 0; ok && y < h; ++y)
        ok = EGifPutLine(gif, pixels.data() + size_t(y) * size_t(w), w) == GIF_OK;
    const int putError = gif->Error;
    GifFreeMapObject(map);
    int closeError = 0;
    const bool closed = EGifCloseFile(gif, &closeError) == GIF_OK;
    if (!ok)
        gifFailed(putError);
    if (!closed)
        gifFailed(closeError);
    return out;
}
