#include "tournament/flags/FlagPicture.h"

#include <algorithm>

#include <QFile>
#include <QPainter>
#include <QStringList>

#include "tournament/flags/CountryNames.h"
#include "tournament/flags/SvgPicture.h"

namespace {

// A 5 x 7 font of its own for the initials: fonts differ from machine to
// machine, and the plain pictures must come out the same everywhere (they
// are also drawn without a display, where there are no fonts at all).
struct Glyph
{
    char letter;
    const char *rows[7];
};

constexpr Glyph kGlyphs[] = {
    {'A', {".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"}},
    {'B', {"####.", "#...#", "#...#", "####.", "#...#", "#...#", "####."}},
    {'C', {".###.", "#...#", "#....", "#....", "#....", "#...#", ".###."}},
    {'D', {"####.", "#...#", "#...#", "#...#", "#...#", "#...#", "####."}},
    {'E', {"#####", "#....", "#....", "####.", "#....", "#....", "#####"}},
    {'F', {"#####", "#....", "#....", "####.", "#....", "#....", "#...."}},
    {'G', {".###.", "#...#", "#....", "#.###", "#...#", "#...#", ".####"}},
    {'H', {"#...#", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"}},
    {'I', {".###.", "..#..", "..#..", "..#..", "..#..", "..#..", ".###."}},
    {'J', {"..###", "...#.", "...#.", "...#.", "...#.", "#..#.", ".##.."}},
    {'K', {"#...#", "#..#.", "#.#..", "##...", "#.#..", "#..#.", "#...#"}},
    {'L', {"#....", "#....", "#....", "#....", "#....", "#....", "#####"}},
    {'M', {"#...#", "##.##", "#.#.#", "#.#.#", "#...#", "#...#", "#...#"}},
    {'N', {"#...#", "#...#", "##..#", "#.#.#", "#..##", "#...#", "#...#"}},
    {'O', {".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."}},
    {'P', {"####.", "#...#", "#...#", "####.", "#....", "#....", "#...."}},
    {'Q', {".###.", "#...#", "#...#", "#...#", "#.#.#", "#..#.", ".##.#"}},
    {'R', {"####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"}},
    {'S', {".####", "#....", "#....", ".###.", "....#", "....#", "####."}},
    {'T', {"#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."}},
    {'U', {"#...#", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."}},
    {'V', {"#...#", "#...#", "#...#", "#...#", "#...#", ".#.#.", "..#.."}},
    {'W', {"#...#", "#...#", "#...#", "#.#.#", "#.#.#", "#.#.#", ".#.#."}},
    {'X', {"#...#", "#...#", ".#.#.", "..#..", ".#.#.", "#...#", "#...#"}},
    {'Y', {"#...#", "#...#", ".#.#.", "..#..", "..#..", "..#..", "..#.."}},
    {'Z', {"#####", "....#", "...#.", "..#..", ".#...", "#....", "#####"}},
    {'0', {".###.", "#...#", "#..##", "#.#.#", "##..#", "#...#", ".###."}},
    {'1', {"..#..", ".##..", "..#..", "..#..", "..#..", "..#..", ".###."}},
    {'2', {".###.", "#...#", "....#", "...#.", "..#..", ".#...", "#####"}},
    {'3', {"#####", "...#.", "..#..", "...#.", "....#", "#...#", ".###."}},
    {'4', {"...#.", "..##.", ".#.#.", "#..#.", "#####", "...#.", "...#."}},
    {'5', {"#####", "#....", "####.", "....#", "....#", "#...#", ".###."}},
    {'6', {"..##.", ".#...", "#....", "####.", "#...#", "#...#", ".###."}},
    {'7', {"#####", "....#", "...#.", "..#..", ".#...", ".#...", ".#..."}},
    {'8', {".###.", "#...#", "#...#", ".###.", "#...#", "#...#", ".###."}},
    {'9', {".###.", "#...#", "#...#", ".####", "....#", "...#.", ".##.."}},
};

const Glyph *glyph(QChar c)
{
    for (const Glyph &g : kGlyphs)
        if (c == QLatin1Char(g.letter))
            return &g;
    return nullptr;
}

constexpr int kScale = 3;           // each font dot is 3 x 3 pixels
constexpr int kGap = 3;             // pixels between two letters
constexpr int kStripe = 7;          // height of the coloured stripe at the bottom
const QRgb kField = qRgb(0xe8, 0xe4, 0xd8);
const QRgb kInk = qRgb(0x2a, 0x35, 0x50);
const QRgb kFrame = qRgb(0x80, 0x80, 0x80);
const QRgb kStripes[] = {qRgb(0xc8, 0x10, 0x2e), qRgb(0x00, 0x33, 0xa0), qRgb(0x00, 0x9a, 0x44),
                         qRgb(0xff, 0xcd, 0x00), qRgb(0x6c, 0xac, 0xe4), qRgb(0xff, 0x6a, 0x13),
                         qRgb(0x7a, 0x1d, 0x3c), qRgb(0x40, 0x40, 0x40)};

// FNV-1a over the name's UTF-8: qHash is seeded anew in every run.
quint32 digest(const QString &text)
{
    quint32 h = 2166136261u;
    for (const char byte : text.toUtf8()) {
        h ^= quint8(byte);
        h *= 16777619u;
    }
    return h;
}

bool isJoiningWord(const QString &word)
{
    return word == QLatin1String("and") || word == QLatin1String("of") || word == QLatin1String("de")
        || word == QLatin1String("the");
}

QString drawable(const QString &word)
{
    QString out;
    for (const QChar c : word.toUpper())
        if (glyph(c))
            out += c;
    return out;
}

} // namespace

namespace FlagPicture {

QImage countryFlag(const QString &code)
{
    // Codes are lower-case letters with "-" between the parts.
    if (code.isEmpty() || std::any_of(code.begin(), code.end(), [](QChar c) { return !(c >= u'a' && c <= u'z') && c != u'-'; }))
        return {};
    QFile file(QStringLiteral(":/flags/4x3/%1.svg").arg(code));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    // The 4:3 drawing fills the whole picture: the bracket's flags are a
    // little wider than 4:3, and a stripe of a flag must reach its edges.
    return SvgPicture::render(file.readAll(), QSize(Width, Height));
}

QString initials(const QString &teamName)
{
    QStringList words;
    for (const QString &w : CountryNames::key(teamName).split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString letters = drawable(w);
        if (!letters.isEmpty() && !isJoiningWord(w))
            words += letters;
    }
    if (words.size() == 1)
        return words.first().left(2);
    QString out;
    for (const QString &w : words.mid(0, 3))
        out += w.front();
    return out;
}

QImage plainPicture(const QString &teamName)
{
    QImage image(Width, Height, QImage::Format_RGB32);
    image.fill(kField);
    const QRgb stripe = kStripes[digest(teamName) % (sizeof kStripes / sizeof kStripes[0])];
    for (int y = Height - 1 - kStripe; y < Height - 1; ++y)
        for (int x = 1; x < Width - 1; ++x)
            image.setPixel(x, y, stripe);
    for (int x = 0; x < Width; ++x) {
        image.setPixel(x, 0, kFrame);
        image.setPixel(x, Height - 1, kFrame);
    }
    for (int y = 0; y < Height; ++y) {
        image.setPixel(0, y, kFrame);
        image.setPixel(Width - 1, y, kFrame);
    }

    const QString letters = initials(teamName);
    const int n = int(letters.size());
    if (n == 0)
        return image;
    const int textWidth = n * 5 * kScale + (n - 1) * kGap;
    const int left = (Width - textWidth) / 2;
    const int top = (Height - 1 - kStripe - 7 * kScale) / 2;
    for (int i = 0; i < n; ++i) {
        const Glyph *g = glyph(letters.at(i));
        const int x0 = left + i * (5 * kScale + kGap);
        for (int row = 0; row < 7; ++row)
            for (int col = 0; col < 5; ++col)
                if (g->rows[row][col] == '#')
                    for (int dy = 0; dy < kScale; ++dy)
                        for (int dx = 0; dx < kScale; ++dx)
                            image.setPixel(x0 + col * kScale + dx, top + row * kScale + dy, kInk);
    }
    return image;
}

QImage forTeam(const QString &teamName)
{
    const QImage flag = countryFlag(CountryNames::builtIn().code(teamName));
    return flag.isNull() ? plainPicture(teamName) : flag;
}

} // namespace FlagPicture
