#pragma once

#include <QColor>
#include <QFont>
#include <QList>
#include <QPicture>
#include <QSize>
#include <QString>
#include <memory>

class QFontMetricsF;
class QPainter;
class QPagedPaintDevice;

// The font the writer sets text in: name, size in points, style, colour.
struct PrintFont {
    QString name = QStringLiteral("Courier New");
    double size = 10;
    bool bold = false;
    bool italic = false;
    QColor color = Qt::black;
};

// Composes A4 pages in millimetres: lines of text with an alignment, table
// rows laid out by a column format, automatic page breaks at the bottom
// margin and free drawing on the current page. Every finished page is kept
// as a QPicture in device units of kDpi dots per inch, so the preview and
// the printer replay the same vector records at their own resolution.
class TPageWriter {
public:
    enum Alignment { Left, Right, Center };

    static constexpr int kDpi = 600;
    static constexpr double kPageWidthMm = 210;
    static constexpr double kPageHeightMm = 297;
    static constexpr double kMarginLeftMm = 25;
    static constexpr double kMarginTopMm = 20;
    static constexpr double kMarginRightMm = 20;
    static constexpr double kMarginBottomMm = 20;
    // Width of a column whose format entry is empty.
    static constexpr double kDefaultColumnMm = 20;
    static constexpr const char *kJobTitle = "Tabulon '98";

    TPageWriter();
    ~TPageWriter();
    TPageWriter(const TPageWriter &) = delete;
    TPageWriter &operator=(const TPageWriter &) = delete;

    // Writing. BeginDoc drops the previous pages and starts page 1, so a
    // document always has at least one page.
    void BeginDoc();
    void EndDoc();
    // Drops the document being written and every stored page.
    void clear();
    bool writing() const { return m_painter != nullptr; }
    void NewPage();
    void NewLine();
    void WriteLine(const QString &text);
    void WriteLineAligned(Alignment alignment, const QString &text);
    void setAlignment(Alignment alignment) { m_alignment = alignment; }
    Alignment alignment() const { return m_alignment; }

    // Column formats such as "<-69|>10|^22": alignment character, width in
    // millimetres, and a minus sign for a column that never gets a grid box.
    void TableFormat(const QString &format);
    void setTableGrid(bool on) { m_tableGrid = on; }
    bool tableGrid() const { return m_tableGrid; }
    void WriteTableLine(const QString &row);

    void setFont(const PrintFont &font) { m_font = font; }
    const PrintFont &font() const { return m_font; }
    void setFontName(const QString &name) { m_font.name = name; }
    void setFontSize(double points) { m_font.size = points; }
    void setFontStyle(bool bold, bool italic)
    {
        m_font.bold = bold;
        m_font.italic = italic;
    }
    void setFontColor(const QColor &color) { m_font.color = color; }
    // The current font at the writer's resolution, for drawing on the canvas.
    QFont deviceFont() const { return deviceFont(m_font); }
    static QFont deviceFont(const PrintFont &font);
    // Height of one line in the current font (its size), in device units.
    double lineHeight() const;

    // The current page as a drawing surface in device units, measured from
    // the page's top-left corner (the margins are not added). Only valid
    // between BeginDoc and EndDoc.
    QPainter *canvas();
    int dpiX() const { return kDpi; }
    int dpiY() const { return kDpi; }
    int mmToUnitsX(double mm) const;
    int mmToUnitsY(double mm) const;
    // Current writing position in device units.
    double x() const { return m_x; }
    double y() const { return m_y; }
    int pageNumber() const { return int(m_pages.size()) + (m_painter ? 1 : 0); }

    // The page store of the last finished document.
    int pageCount() const { return int(m_pages.size()); }
    const QPicture &page(int number) const { return m_pages.at(number - 1); }
    static QSize pageSizeUnits();

    int copies() const { return m_copies; }
    void setCopies(int copies) { m_copies = copies < 1 ? 1 : copies; }

    // Replays page `number` (1-based) with `painter`, whose device has
    // `dpiX` x `dpiY` dots per inch and its origin at the paper's corner.
    void renderPage(QPainter &painter, int number, double dpiX, double dpiY) const;

    // Sends every stored page copies() times (page 1 copies() times, then
    // page 2, ...) to `device` as one document. The device is set to A4 with
    // no margins first, so the page's origin is the paper's corner. Returns
    // false when the device cannot be opened or refuses a page.
    bool print(QPagedPaintDevice &device) const { return print(device, m_copies); }
    bool print(QPagedPaintDevice &device, int copies) const;
    static void prepareDevice(QPagedPaintDevice &device);

private:
    struct Column {
        Alignment alignment = Left;
        double widthMm = kDefaultColumnMm;
        bool boxed = true;
    };

    void startPage();
    void finishPage();
    void ensureRoom(double height);
    void advanceLine(double height);
    double bottomLimit() const;
    double leftEdge() const;
    double rightEdge() const;
    // Draws text of width at most `width` from `left`, aligned inside that
    // width; `inset` moves left- and right-aligned text off the edges.
    double baselineOffset(const QFontMetricsF &metrics) const;
    void drawAligned(const QString &text, Alignment alignment, double left, double width,
                     bool inset);

    QList<QPicture> m_pages;
    std::unique_ptr<QPicture> m_current;
    std::unique_ptr<QPainter> m_painter;
    bool m_breakPending = false;
    double m_x = 0;
    double m_y = 0;
    PrintFont m_font;
    Alignment m_alignment = Left;
    QList<Column> m_columns;
    bool m_tableGrid = false;
    int m_copies = 1;
};
