#include "league/print/TPageWriter.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QStringList>
#include <cmath>

namespace {

constexpr double kMmPerInch = 25.4;

double mmToUnits(double mm)
{
    return mm * TPageWriter::kDpi / kMmPerInch;
}

// The longest start of `text` that fits into `width`. Whole characters are
// dropped from the end, so a cut never leaves half a letter on the page.
// A start is never narrower than a shorter start, so the length is found
// by halving the range between a start that fits and one that does not:
// a name of a thousand letters is measured a dozen times, not a thousand.
QString cutToWidth(const QFontMetricsF &metrics, const QString &text, double width)
{
    if (metrics.horizontalAdvance(text) <= width)
        return text;
    // Lengths that do not end between the two halves of a surrogate pair.
    auto whole = [&](qsizetype n) { return n == 0 || !text.at(n - 1).isHighSurrogate(); };
    qsizetype fits = 0;          // the empty start always counts as fitting
    qsizetype tooWide = text.size();
    while (tooWide - fits > 1) {
        qsizetype mid = fits + (tooWide - fits) / 2;
        if (!whole(mid)) {
            if (mid - 1 > fits)
                --mid;
            else if (mid + 1 < tooWide)
                ++mid;
            else
                break;
        }
        if (metrics.horizontalAdvance(text.left(mid)) <= width)
            fits = mid;
        else
            tooWide = mid;
    }
    return text.left(fits);
}

} // namespace

TPageWriter::TPageWriter() = default;

TPageWriter::~TPageWriter()
{
    if (m_painter)
        m_painter->end();
}

QFont TPageWriter::deviceFont(const PrintFont &font)
{
    QFont f(font.name);
    // Pixel sizes at the writer's resolution keep text the same size on
    // every device the pages are replayed on; hinting would change glyph
    // widths between the measuring and the printing resolution.
    f.setPixelSize(std::max(1, int(std::lround(font.size * kDpi / 72.0))));
    f.setBold(font.bold);
    f.setItalic(font.italic);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

double TPageWriter::lineHeight() const
{
    // Single spacing is the font's em height: ten-point lines are ten points
    // apart. Six matchdays of eleven lines and three curve charts under a
    // heading are laid out to fit one page with exactly this spacing.
    return m_font.size * kDpi / 72.0;
}

double TPageWriter::baselineOffset(const QFontMetricsF &metrics) const
{
    // The font's descent ends at the bottom of the line, so descenders stay
    // inside a cell's grid box; capitals and ascenders, which are lower than
    // the font's full ascent, keep clear of the box's top edge.
    return lineHeight() - metrics.descent();
}

int TPageWriter::mmToUnitsX(double mm) const
{
    return int(std::lround(mm * dpiX() / kMmPerInch));
}

int TPageWriter::mmToUnitsY(double mm) const
{
    return int(std::lround(mm * dpiY() / kMmPerInch));
}

QSize TPageWriter::pageSizeUnits()
{
    return QSize(int(std::lround(mmToUnits(kPageWidthMm))), int(std::lround(mmToUnits(kPageHeightMm))));
}

double TPageWriter::bottomLimit() const
{
    return mmToUnits(kPageHeightMm - kMarginBottomMm);
}

double TPageWriter::leftEdge() const
{
    return mmToUnits(kMarginLeftMm);
}

double TPageWriter::rightEdge() const
{
    return mmToUnits(kPageWidthMm - kMarginRightMm);
}

void TPageWriter::BeginDoc()
{
    if (m_painter) {
        m_painter->end();
        m_painter.reset();
    }
    m_pages.clear();
    m_font = PrintFont();
    m_alignment = Left;
    m_columns.clear();
    m_tableGrid = false;
    startPage();
}

void TPageWriter::EndDoc()
{
    // A break that NewLine left pending has no text to carry, so no empty
    // page is added at the end.
    if (m_painter)
        finishPage();
    m_breakPending = false;
}

void TPageWriter::clear()
{
    if (m_painter) {
        m_painter->end();
        m_painter.reset();
    }
    m_current.reset();
    m_pages.clear();
    m_breakPending = false;
}

void TPageWriter::startPage()
{
    m_current = std::make_unique<QPicture>();
    m_painter = std::make_unique<QPainter>(m_current.get());
    m_painter->setRenderHint(QPainter::Antialiasing);
    m_painter->setRenderHint(QPainter::TextAntialiasing);
    m_breakPending = false;
    m_x = leftEdge();
    m_y = mmToUnits(kMarginTopMm);
}

void TPageWriter::finishPage()
{
    m_painter->end();
    m_painter.reset();
    m_pages.append(*m_current);
    m_current.reset();
}

void TPageWriter::NewPage()
{
    if (!m_painter)
        return;
    // After an automatic break that nothing has used yet, the page that break
    // asked for is this new page: an explicit NewPage must not leave an empty
    // page between them.
    finishPage();
    startPage();
}

void TPageWriter::ensureRoom(double height)
{
    if (!m_painter)
        BeginDoc();
    if (m_breakPending) {
        NewPage();
        return;
    }
    const bool pageUsed = m_y > mmToUnits(kMarginTopMm) + 0.5;
    if (pageUsed && m_y + height > bottomLimit())
        NewPage();
}

void TPageWriter::advanceLine(double height)
{
    m_x = leftEdge();
    m_y += height;
    if (m_y + height > bottomLimit())
        m_breakPending = true;
}

void TPageWriter::NewLine()
{
    if (!m_painter)
        return;
    advanceLine(lineHeight());
}

void TPageWriter::drawAligned(const QString &text, Alignment alignment, double left, double width,
                              bool inset)
{
    const QFont font = deviceFont();
    const QFontMetricsF metrics(font);
    const double pad = 6.0 * dpiX() / 300.0;
    // Only a text with room to spare keeps off the cell's edge; a text that
    // had to be cut fills the cell from its aligned edge.
    const bool padded = inset && metrics.horizontalAdvance(text) < width - pad;
    const QString shown = cutToWidth(metrics, text, width);
    if (shown.isEmpty())
        return;
    const double textWidth = metrics.horizontalAdvance(shown);
    double offset = 0;
    switch (alignment) {
    case Left:
        offset = padded ? pad : 0;
        break;
    case Right:
        offset = width - textWidth - (padded ? pad : 0);
        break;
    case Center:
        offset = (width - textWidth) / 2;
        break;
    }
    m_painter->setFont(font);
    m_painter->setPen(QPen(m_font.color));
    m_painter->drawText(QPointF(left + offset, m_y + baselineOffset(metrics)), shown);
}

void TPageWriter::WriteLine(const QString &text)
{
    WriteLineAligned(m_alignment, text);
}

void TPageWriter::WriteLineAligned(Alignment alignment, const QString &text)
{
    const double height = lineHeight();
    ensureRoom(height);
    drawAligned(text, alignment, leftEdge(), rightEdge() - leftEdge(), false);
    advanceLine(height);
}

void TPageWriter::TableFormat(const QString &format)
{
    m_columns.clear();
    const QStringList specs = format.split(QLatin1Char('|'));
    for (QString spec : specs) {
        Column column;
        if (spec.isEmpty()) {
            m_columns.append(column);
            continue;
        }
        const QChar first = spec.front();
        if (first == QLatin1Char('<') || first == QLatin1Char('>') || first == QLatin1Char('^')) {
            column.alignment = first == QLatin1Char('<')   ? Left
                               : first == QLatin1Char('>') ? Right
                                                           : Center;
            spec.remove(0, 1);
        }
        spec = spec.trimmed();
        if (spec.startsWith(QLatin1Char('-'))) {
            column.boxed = false;
            spec.remove(0, 1);
        }
        bool ok = false;
        const double width = spec.toDouble(&ok);
        // A width that is not a number, or not positive, falls back to the
        // default so that one bad entry cannot shift or fold the whole row.
        column.widthMm = (ok && width > 0) ? width : kDefaultColumnMm;
        m_columns.append(column);
    }
}

void TPageWriter::WriteTableLine(const QString &row)
{
    const double height = lineHeight();
    ensureRoom(height);
    const QStringList cells = row.split(QLatin1Char('|'));
    double left = leftEdge();
    const double gridPen = 2.0 * dpiX() / 300.0;
    for (int i = 0; i < m_columns.size(); ++i) {
        const Column &column = m_columns.at(i);
        const double width = mmToUnits(column.widthMm);
        drawAligned(i < cells.size() ? cells.at(i) : QString(), column.alignment, left, width, true);
        if (m_tableGrid && column.boxed) {
            m_painter->setPen(QPen(QBrush(Qt::black), gridPen, Qt::SolidLine, Qt::SquareCap,
                                   Qt::MiterJoin));
            m_painter->setBrush(Qt::NoBrush);
            m_painter->drawRect(QRectF(left, m_y, width, height));
        }
        left += width;
    }
    advanceLine(height);
}

QPainter *TPageWriter::canvas()
{
    if (!m_painter)
        return nullptr;
    if (m_breakPending)
        NewPage();
    return m_painter.get();
}

void TPageWriter::renderPage(QPainter &painter, int number, double dpiX, double dpiY) const
{
    const QPicture &picture = page(number);
    painter.save();
    // Replaying a QPicture scales it by the device's resolution over the
    // picture's own (the default screen resolution); that factor is taken
    // back out so that only the wanted kDpi-to-target scale remains.
    const QPaintDevice *device = painter.device();
    const double autoX = device ? double(device->logicalDpiX()) / picture.logicalDpiX() : 1.0;
    const double autoY = device ? double(device->logicalDpiY()) / picture.logicalDpiY() : 1.0;
    painter.scale(dpiX / kDpi / autoX, dpiY / kDpi / autoY);
    painter.drawPicture(QPointF(0, 0), picture);
    painter.restore();
}

void TPageWriter::prepareDevice(QPagedPaintDevice &device)
{
    QPageLayout layout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0),
                       QPageLayout::Millimeter);
    layout.setMode(QPageLayout::FullPageMode);
    if (!device.setPageLayout(layout)) {
        device.setPageSize(QPageSize(QPageSize::A4));
        device.setPageOrientation(QPageLayout::Portrait);
    }
}

bool TPageWriter::print(QPagedPaintDevice &device, int copies) const
{
    copies = std::max(copies, 1);
    if (m_pages.isEmpty())
        return false;
    prepareDevice(device);
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    bool first = true;
    for (int number = 1; number <= pageCount(); ++number) {
        for (int copy = 0; copy < copies; ++copy) {
            if (!first && !device.newPage()) {
                painter.end();
                return false;
            }
            first = false;
            renderPage(painter, number, device.logicalDpiX(), device.logicalDpiY());
        }
    }
    return painter.end();
}
