#include "league/ui/ToolGlyphs.h"

#include "league/ui/DeferredIcon.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygon>

namespace {

const QColor kInk(40, 40, 40);
const QColor kPaper(255, 255, 255);
const QColor kBlue(30, 80, 200);
const QColor kYellow(240, 200, 60);
const QColor kGreen(40, 150, 60);
const QColor kRed(200, 40, 40);

void page(QPainter &p)
{
    p.setPen(kInk);
    p.setBrush(kPaper);
    p.drawPolygon(QPolygon({QPoint(3, 1), QPoint(10, 1), QPoint(13, 4), QPoint(13, 14), QPoint(3, 14)}));
    p.drawLine(10, 1, 10, 4);
    p.drawLine(10, 4, 13, 4);
}

void arrow(QPainter &p, bool right)
{
    p.setPen(Qt::NoPen);
    p.setBrush(kBlue);
    if (right)
        p.drawPolygon(QPolygon({QPoint(4, 2), QPoint(12, 8), QPoint(4, 14)}));
    else
        p.drawPolygon(QPolygon({QPoint(12, 2), QPoint(4, 8), QPoint(12, 14)}));
}

void letter(QPainter &p, const QString &text, const QColor &back)
{
    p.setPen(Qt::NoPen);
    p.setBrush(back);
    p.drawEllipse(1, 1, 14, 14);
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(11);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRect(1, 1, 14, 14), Qt::AlignCenter, text);
}

QIcon drawGlyph(const QString &name)
{
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    if (name == QLatin1String("new")) {
        page(p);
    } else if (name == QLatin1String("open")) {
        p.setPen(kInk);
        p.setBrush(kYellow);
        p.drawRect(1, 4, 13, 9);
        p.drawRect(1, 2, 5, 2);
    } else if (name == QLatin1String("save")) {
        p.setPen(kInk);
        p.setBrush(kBlue);
        p.drawRect(1, 1, 13, 13);
        p.setBrush(kPaper);
        p.drawRect(4, 1, 7, 5);
        p.drawRect(3, 9, 9, 5);
    } else if (name == QLatin1String("export")) {
        page(p);
        p.setPen(QPen(kGreen, 2));
        p.drawLine(6, 9, 14, 9);
        p.drawLine(11, 6, 14, 9);
        p.drawLine(11, 12, 14, 9);
    } else if (name == QLatin1String("print")) {
        p.setPen(kInk);
        p.setBrush(kPaper);
        p.drawRect(4, 1, 8, 5);
        p.setBrush(QColor(170, 170, 170));
        p.drawRect(1, 6, 14, 6);
        p.setBrush(kPaper);
        p.drawRect(4, 10, 8, 5);
    } else if (name == QLatin1String("help")) {
        letter(p, QStringLiteral("?"), kBlue);
    } else if (name == QLatin1String("info")) {
        letter(p, QStringLiteral("i"), kGreen);
    } else if (name == QLatin1String("back")) {
        arrow(p, false);
    } else if (name == QLatin1String("forward")) {
        arrow(p, true);
    } else if (name == QLatin1String("settings")) {
        p.setPen(kInk);
        for (int y : {3, 8, 13})
            p.drawLine(1, y, 14, y);
        p.setBrush(kYellow);
        p.drawRect(9, 1, 3, 4);
        p.drawRect(3, 6, 3, 4);
        p.drawRect(7, 11, 3, 4);
    } else if (name == QLatin1String("cross")) {
        p.setPen(kInk);
        p.setBrush(kPaper);
        p.drawRect(1, 1, 13, 13);
        for (int v : {5, 10}) {
            p.drawLine(v, 1, v, 14);
            p.drawLine(1, v, 14, v);
        }
        p.fillRect(2, 2, 3, 3, kInk);
        p.fillRect(6, 6, 4, 4, kInk);
        p.fillRect(11, 11, 3, 3, kInk);
    } else if (name == QLatin1String("table")) {
        p.setPen(Qt::NoPen);
        const QColor bands[] = {QColor(187, 255, 255), QColor(255, 187, 255), QColor(187, 255, 187),
                                kPaper, QColor(255, 187, 187)};
        for (int i = 0; i < 5; ++i)
            p.fillRect(1, 1 + 3 * i, 14, 3, bands[i]);
        p.setPen(kInk);
        p.setBrush(Qt::NoBrush);
        p.drawRect(1, 1, 13, 14);
    } else if (name == QLatin1String("curve")) {
        p.setPen(QColor(200, 200, 200));
        p.drawRect(1, 1, 13, 13);
        p.setPen(QPen(kRed, 2));
        p.drawPolyline(QPolygon({QPoint(2, 12), QPoint(5, 7), QPoint(8, 9), QPoint(11, 3), QPoint(14, 5)}));
    }
    p.end();
    return QIcon(pm);
}

} // namespace

QIcon toolGlyph(const QString &name)
{
    return deferredIcon([name] { return drawGlyph(name); });
}

void installFontSubstitutions()
{
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
}
