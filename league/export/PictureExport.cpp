#include "league/export/Exporters.h"

#include "league/model/LeagueError.h"

#include <QHash>
#include <QtEndian>

#include <gif_lib.h>

#include <vector>

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
    const QImage img = picture.convertToFormat(QImage::Format_RGB32);
    const int w = img.width();
    const int h = img.height();
    const int stride = (w * 3 + 3) & ~3; // rows are padded to whole 32-bit words
    const quint32 pixelBytes = quint32(stride) * quint32(h);
    const quint32 dataOffset = 14 + 40;

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
    putLe16(out, 24); // bits per pixel: the chart's colours stay exact
    putLe32(out, 0); // no compression
    putLe32(out, pixelBytes);
    putLe32(out, quint32(img.dotsPerMeterX()));
    putLe32(out, quint32(img.dotsPerMeterY()));
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
