#pragma once

// Replays a stored page through a paint engine that only takes notes, so the
// tests read back what a printer would be asked to draw: every text with its
// baseline position, font and colour, every rectangle, line and polyline.

#include <QColor>
#include <QFont>
#include <QList>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPicture>
#include <QPolygonF>
#include <QTextItem>
#include <QTransform>

#include "league/print/TPageWriter.h"

struct RecordedText {
    QString text;
    QPointF baseline;
    QFont font;
    QColor color;
};

struct RecordedShape {
    QRectF rect;      // rectangles
    QPolygonF points; // lines (two points) and polylines
    QColor color;
    double penWidth = 0;
};

struct RecordedPage {
    QList<RecordedText> texts;
    QList<RecordedShape> rects;
    QList<RecordedShape> lines;
    QList<RecordedShape> polylines;

    QList<RecordedText> textsMatching(const QString &text) const
    {
        QList<RecordedText> out;
        for (const RecordedText &t : texts)
            if (t.text == text)
                out.append(t);
        return out;
    }
    bool hasText(const QString &text) const { return !textsMatching(text).isEmpty(); }
};

class RecordingEngine : public QPaintEngine {
public:
    RecordingEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}

    RecordedPage page;

    bool begin(QPaintDevice *) override { return true; }
    bool end() override { return true; }
    Type type() const override { return QPaintEngine::User; }

    void updateState(const QPaintEngineState &state) override
    {
        if (state.state() & QPaintEngine::DirtyPen)
            m_pen = state.pen();
        if (state.state() & QPaintEngine::DirtyTransform)
            m_transform = state.transform();
    }

    void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}

    void drawTextItem(const QPointF &p, const QTextItem &item) override
    {
        page.texts.append({item.text(), m_transform.map(p), item.font(), m_pen.color()});
    }

    void drawRects(const QRectF *rects, int count) override
    {
        for (int i = 0; i < count; ++i)
            page.rects.append({m_transform.mapRect(rects[i]), {}, m_pen.color(), penWidth()});
    }

    void drawLines(const QLineF *lines, int count) override
    {
        for (int i = 0; i < count; ++i) {
            QPolygonF poly;
            poly << m_transform.map(lines[i].p1()) << m_transform.map(lines[i].p2());
            page.lines.append({{}, poly, m_pen.color(), penWidth()});
        }
    }

    // QPainter hands over rectangles drawn with a wide pen as paths.
    void drawPath(const QPainterPath &path) override
    {
        const QPainterPath mapped = m_transform.map(path);
        const QPolygonF poly = mapped.toFillPolygon();
        if (isAxisRectangle(poly))
            page.rects.append({poly.boundingRect(), {}, m_pen.color(), penWidth()});
        else
            page.polylines.append({{}, poly, m_pen.color(), penWidth()});
    }

    void drawPolygon(const QPointF *points, int count, PolygonDrawMode) override
    {
        QPolygonF poly;
        for (int i = 0; i < count; ++i)
            poly << m_transform.map(points[i]);
        page.polylines.append({{}, poly, m_pen.color(), penWidth()});
    }

private:
    static bool isAxisRectangle(const QPolygonF &poly)
    {
        if (poly.size() != 5 || poly.first() != poly.last())
            return false;
        for (int i = 0; i < 4; ++i) {
            const QPointF a = poly.at(i);
            const QPointF b = poly.at(i + 1);
            if (qAbs(a.x() - b.x()) > 1e-6 && qAbs(a.y() - b.y()) > 1e-6)
                return false;
        }
        return true;
    }
    double penWidth() const { return m_pen.widthF() * m_transform.m11(); }
    QPen m_pen;
    QTransform m_transform;
};

class RecordingDevice : public QPaintDevice {
public:
    explicit RecordingDevice(int dpi) : m_dpi(dpi) {}
    QPaintEngine *paintEngine() const override { return &m_engine; }
    RecordedPage &page() { return m_engine.page; }

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth:
        case PdmHeight:
            return 20000;
        case PdmWidthMM:
        case PdmHeightMM:
            return int(20000 * 25.4 / m_dpi);
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return m_dpi;
        case PdmDepth:
            return 32;
        case PdmNumColors:
            return 1 << 24;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return int(QPaintDevice::devicePixelRatioFScale());
        }
        return 0;
    }

private:
    int m_dpi;
    mutable RecordingEngine m_engine;
};

// Everything page `number` of `writer` draws, in the writer's device units,
// replayed the way the preview and the printer replay it.
inline RecordedPage recordPage(const TPageWriter &writer, int number)
{
    RecordingDevice device(TPageWriter::kDpi);
    QPainter painter(&device);
    writer.renderPage(painter, number, TPageWriter::kDpi, TPageWriter::kDpi);
    painter.end();
    return device.page();
}
