#include "tournament/flags/SvgPicture.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include <QHash>
#include <QList>
#include <QPainter>
#include <QPointF>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace {

// --- a small document tree ------------------------------------------------

struct Node
{
    QString name;
    QList<QPair<QString, QString>> attrs; // qualified name, value, in file order
    QString text;
    std::vector<Node> children;

    QString attr(const QString &key) const
    {
        for (const auto &a : attrs)
            if (a.first == key)
                return a.second;
        return {};
    }
    void setAttr(const QString &key, const QString &value)
    {
        for (auto &a : attrs)
            if (a.first == key) {
                a.second = value;
                return;
            }
        attrs.append({key, value});
    }
    void removeAttr(const QString &key)
    {
        attrs.removeIf([&](const QPair<QString, QString> &a) { return a.first == key; });
    }
};

bool parse(const QByteArray &svg, Node &root)
{
    QXmlStreamReader r(svg);
    std::vector<Node *> open;
    bool haveRoot = false;
    while (!r.atEnd()) {
        r.readNext();
        if (r.isStartElement()) {
            Node n;
            n.name = r.qualifiedName().toString();
            for (const QXmlStreamNamespaceDeclaration &ns : r.namespaceDeclarations())
                n.attrs.append({ns.prefix().isEmpty() ? QStringLiteral("xmlns")
                                                      : QStringLiteral("xmlns:") + ns.prefix().toString(),
                                ns.namespaceUri().toString()});
            for (const QXmlStreamAttribute &a : r.attributes())
                n.attrs.append({a.qualifiedName().toString(), a.value().toString()});
            if (open.empty()) {
                if (haveRoot)
                    return false;
                root = std::move(n);
                haveRoot = true;
                open.push_back(&root);
            } else {
                // Only the open parent's list grows, so the pointers to the
                // open elements stay valid.
                open.back()->children.push_back(std::move(n));
                open.push_back(&open.back()->children.back());
            }
        } else if (r.isEndElement()) {
            open.pop_back();
        } else if (r.isCharacters() && !r.isWhitespace() && !open.empty()) {
            open.back()->text += r.text();
        }
    }
    return !r.hasError() && haveRoot;
}

void write(QXmlStreamWriter &w, const Node &n)
{
    w.writeStartElement(n.name);
    for (const auto &a : n.attrs)
        w.writeAttribute(a.first, a.second);
    if (!n.text.isEmpty())
        w.writeCharacters(n.text);
    for (const Node &c : n.children)
        write(w, c);
    w.writeEndElement();
}

QByteArray serialize(const Node &root)
{
    QByteArray out;
    QXmlStreamWriter w(&out);
    w.writeStartDocument();
    write(w, root);
    w.writeEndDocument();
    return out;
}

// Elements that draw nothing where they stand: definitions and what they hold.
bool isRendering(const Node &n)
{
    static const QStringList definitions{"defs", "clipPath", "marker", "linearGradient", "radialGradient",
                                         "mask", "pattern", "symbol", "style", "title", "desc", "metadata",
                                         "filter"};
    return !n.name.contains(QLatin1Char(':')) && !definitions.contains(n.name);
}

// "url(#us-a)" -> "us-a"
QString urlId(const QString &value)
{
    const QString v = value.trimmed();
    if (!v.startsWith(QLatin1String("url(#")) || !v.endsWith(QLatin1Char(')')))
        return {};
    return v.mid(5, v.size() - 6).trimmed();
}

void collectIds(const Node &n, const QString &element, QHash<QString, const Node *> &found)
{
    if (n.name == element && !n.attr(QStringLiteral("id")).isEmpty())
        found.insert(n.attr(QStringLiteral("id")), &n);
    for (const Node &c : n.children)
        collectIds(c, element, found);
}

double number(const QString &text, double fallback)
{
    bool ok = false;
    const double v = text.trimmed().toDouble(&ok);
    return ok ? v : fallback;
}

QString num(double v)
{
    return QString::number(v, 'g', 10);
}

// --- markers --------------------------------------------------------------

// The corners of a path of straight lines (M, L, H, V, Z in either case),
// one for each command's end point; false for curves and arcs.
bool pathVertices(const QString &d, QList<QPointF> &vertices)
{
    qsizetype i = 0;
    const qsizetype n = d.size();
    auto skip = [&] {
        while (i < n && (d[i].isSpace() || d[i] == QLatin1Char(',')))
            ++i;
    };
    auto readNumber = [&](double &out) {
        skip();
        const qsizetype start = i;
        if (i < n && (d[i] == QLatin1Char('+') || d[i] == QLatin1Char('-')))
            ++i;
        bool digits = false, dot = false;
        while (i < n && (d[i].isDigit() || (d[i] == QLatin1Char('.') && !dot))) {
            if (d[i] == QLatin1Char('.'))
                dot = true;
            else
                digits = true;
            ++i;
        }
        if (!digits) {
            i = start;
            return false;
        }
        if (i < n && (d[i] == QLatin1Char('e') || d[i] == QLatin1Char('E'))) {
            qsizetype e = i + 1;
            if (e < n && (d[e] == QLatin1Char('+') || d[e] == QLatin1Char('-')))
                ++e;
            if (e < n && d[e].isDigit()) {
                i = e;
                while (i < n && d[i].isDigit())
                    ++i;
            }
        }
        out = d.mid(start, i - start).toDouble();
        return true;
    };

    QPointF current, subpathStart;
    QChar command;
    for (;;) {
        skip();
        if (i >= n)
            return true;
        if (d[i].isLetter()) {
            command = d[i++];
            if (command == QLatin1Char('z') || command == QLatin1Char('Z')) {
                current = subpathStart;
                vertices.append(current);
                continue;
            }
        } else if (command.isNull()) {
            return false;
        }
        const bool relative = command.isLower();
        double x = 0, y = 0;
        switch (command.toLower().unicode()) {
        case u'm':
        case u'l':
            if (!readNumber(x) || !readNumber(y))
                return false;
            current = relative ? current + QPointF(x, y) : QPointF(x, y);
            if (command.toLower() == QLatin1Char('m')) {
                subpathStart = current;
                // Further pairs after a moveto are linetos.
                command = relative ? QLatin1Char('l') : QLatin1Char('L');
            }
            break;
        case u'h':
            if (!readNumber(x))
                return false;
            current.setX(relative ? current.x() + x : x);
            break;
        case u'v':
            if (!readNumber(y))
                return false;
            current.setY(relative ? current.y() + y : y);
            break;
        default:
            return false;
        }
        vertices.append(current);
    }
}

// Writes the markers of every path out as copies of the marker's drawing at
// the path's corners. Markers that turn with the path (orient="auto") are
// left to the renderer.
void expandMarkers(Node &n, const QHash<QString, const Node *> &markers)
{
    for (size_t i = 0; i < n.children.size(); ++i) {
        Node &c = n.children[i];
        if (!isRendering(c))
            continue;
        expandMarkers(c, markers);
        const QString start = urlId(c.attr(QStringLiteral("marker-start")));
        const QString mid = urlId(c.attr(QStringLiteral("marker-mid")));
        const QString end = urlId(c.attr(QStringLiteral("marker-end")));
        if (c.name != QLatin1String("path") || (start.isEmpty() && mid.isEmpty() && end.isEmpty()))
            continue;
        QList<QPointF> vertices;
        if (!pathVertices(c.attr(QStringLiteral("d")), vertices) || vertices.isEmpty())
            continue;

        Node placed;
        placed.name = QStringLiteral("g");
        bool ok = true;
        auto place = [&](const QString &id, QPointF at) {
            const Node *m = markers.value(id);
            if (!m) {
                ok = false;
                return;
            }
            const QString orient = m->attr(QStringLiteral("orient"));
            const double angle = orient.isEmpty() ? 0 : number(orient, qQNaN());
            if (std::isnan(angle)) {
                ok = false;
                return;
            }
            const double units = m->attr(QStringLiteral("markerUnits")) == QLatin1String("userSpaceOnUse")
                                     ? 1
                                     : number(c.attr(QStringLiteral("stroke-width")), 1);
            double sx = 1, sy = 1;
            const QStringList box = m->attr(QStringLiteral("viewBox")).split(QRegularExpression(QStringLiteral("[\\s,]+")),
                                                                             Qt::SkipEmptyParts);
            if (box.size() == 4 && number(box[2], 0) > 0 && number(box[3], 0) > 0) {
                sx = number(m->attr(QStringLiteral("markerWidth")), 3) / number(box[2], 1);
                sy = number(m->attr(QStringLiteral("markerHeight")), 3) / number(box[3], 1);
            }
            Node g;
            g.name = QStringLiteral("g");
            g.setAttr(QStringLiteral("transform"),
                      QStringLiteral("translate(%1 %2) rotate(%3) scale(%4 %5) translate(%6 %7)")
                          .arg(num(at.x()), num(at.y()), num(angle), num(units * sx), num(units * sy),
                               num(-number(m->attr(QStringLiteral("refX")), 0)),
                               num(-number(m->attr(QStringLiteral("refY")), 0))));
            g.children = m->children;
            placed.children.push_back(std::move(g));
        };
        if (!start.isEmpty())
            place(start, vertices.first());
        if (!mid.isEmpty())
            for (qsizetype v = 1; v + 1 < vertices.size(); ++v)
                place(mid, vertices[v]);
        if (!end.isEmpty())
            place(end, vertices.last());
        if (!ok)
            continue;
        c.removeAttr(QStringLiteral("marker-start"));
        c.removeAttr(QStringLiteral("marker-mid"));
        c.removeAttr(QStringLiteral("marker-end"));
        n.children.insert(n.children.begin() + qsizetype(i) + 1, std::move(placed));
        ++i;
    }
}

// --- clipping by layers ---------------------------------------------------

using Where = QList<int>; // child indices from the root down

struct Unit
{
    Where where;
    bool clipped = false;
};

// The drawing in document order, cut into the pieces that are drawn alike:
// every element with a clip is one piece, every other element that holds
// no drawing elements is one.
void collectUnits(const Node &n, const Where &here, QList<Unit> &units)
{
    for (int i = 0; i < int(n.children.size()); ++i) {
        const Node &c = n.children[size_t(i)];
        if (!isRendering(c))
            continue;
        const Where w = here + Where{i};
        if (!urlId(c.attr(QStringLiteral("clip-path"))).isEmpty()) {
            units.append({w, true});
            continue;
        }
        const bool container = std::any_of(c.children.begin(), c.children.end(),
                                           [](const Node &x) { return isRendering(x); });
        if (container)
            collectUnits(c, w, units);
        else
            units.append({w, false});
    }
}

bool startsWith(const Where &w, const Where &prefix)
{
    return w.size() >= prefix.size() && w.mid(0, prefix.size()) == prefix;
}

// A copy of the tree that draws only the kept elements, inside the groups
// they stand in (for what those pass on: transforms, colours). Everything
// else moves into a leading <defs>, where it still serves as the target of
// a <use>, and so do the definitions. With a replacement, the one kept
// element is drawn as that.
Node keepOnly(const Node &n, const Where &here, const QList<Where> &keep, const Node *replacement,
              std::vector<Node> &moved)
{
    Node out;
    out.name = n.name;
    out.attrs = n.attrs;
    out.text = n.text;
    for (int i = 0; i < int(n.children.size()); ++i) {
        const Node &c = n.children[size_t(i)];
        const Where w = here + Where{i};
        // Qt's SVG module draws the shapes of a clipPath that stands outside
        // <defs>; every definition goes there.
        if (!isRendering(c))
            moved.push_back(c);
        else if (keep.contains(w))
            out.children.push_back(replacement ? *replacement : c);
        else if (std::any_of(keep.begin(), keep.end(), [&](const Where &k) { return startsWith(k, w); }))
            out.children.push_back(keepOnly(c, w, keep, replacement, moved));
        else
            moved.push_back(c);
    }
    return out;
}

Node document(const Node &root, const QList<Where> &keep, const Node *replacement = nullptr)
{
    std::vector<Node> moved;
    Node doc = keepOnly(root, {}, keep, replacement, moved);
    if (!moved.empty()) {
        Node defs;
        defs.name = QStringLiteral("defs");
        defs.children = std::move(moved);
        doc.children.insert(doc.children.begin(), std::move(defs));
    }
    return doc;
}

const Node &at(const Node &root, const Where &where)
{
    const Node *n = &root;
    for (int i : where)
        n = &n->children[size_t(i)];
    return *n;
}

// The clip's shape in black, in the place of the clipped element: its
// transform, then the clip's own, then the clip's shapes filled opaque.
Node clipShape(const Node &clipped, const Node &clip)
{
    Node g;
    g.name = QStringLiteral("g");
    const QString transform = clipped.attr(QStringLiteral("transform"));
    if (!transform.isEmpty())
        g.setAttr(QStringLiteral("transform"), transform);
    Node inner;
    inner.name = QStringLiteral("g");
    const QString own = clip.attr(QStringLiteral("transform"));
    if (!own.isEmpty())
        inner.setAttr(QStringLiteral("transform"), own);
    for (Node shape : clip.children) {
        if (!isRendering(shape))
            continue;
        const QString rule = shape.attr(QStringLiteral("clip-rule"));
        shape.setAttr(QStringLiteral("fill"), QStringLiteral("#000"));
        shape.setAttr(QStringLiteral("fill-opacity"), QStringLiteral("1"));
        shape.setAttr(QStringLiteral("opacity"), QStringLiteral("1"));
        shape.setAttr(QStringLiteral("stroke"), QStringLiteral("none"));
        shape.setAttr(QStringLiteral("fill-rule"), rule.isEmpty() ? clip.attr(QStringLiteral("clip-rule")).isEmpty()
                                                                        ? QStringLiteral("nonzero")
                                                                        : clip.attr(QStringLiteral("clip-rule"))
                                                                  : rule);
        inner.children.push_back(std::move(shape));
    }
    g.children.push_back(std::move(inner));
    return g;
}

// --- drawing --------------------------------------------------------------

// Qt's SVG module reports every feature it does not draw (gradients it
// cannot resolve, attributes it does not know) as a warning; the flags
// look right without them at the size drawn, so they are not passed on
// while a flag is drawn.
QtMessageHandler g_previous = nullptr;

void quietHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtWarningMsg
        && ((context.category && qstrcmp(context.category, "qt.svg") == 0)
            || message.startsWith(QLatin1String("Could not resolve property"))))
        return;
    if (g_previous)
        g_previous(type, context, message);
}

struct QuietSvg
{
    QuietSvg() { g_previous = qInstallMessageHandler(quietHandler); }
    ~QuietSvg() { qInstallMessageHandler(g_previous); }
};

// One layer: the drawing on a transparent image.
QImage layer(const QByteArray &svg, QSize size)
{
    QSvgRenderer renderer(svg);
    if (!renderer.isValid())
        return {};
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    renderer.setAspectRatioMode(Qt::IgnoreAspectRatio);
    renderer.render(&p, QRectF(QPointF(0, 0), QSizeF(size)));
    return image;
}

} // namespace

namespace SvgPicture {

QImage render(const QByteArray &svg, QSize size)
{
    const QuietSvg quiet;
    QImage out(size, QImage::Format_RGB32);
    out.fill(Qt::white);
    QPainter p(&out);

    Node root;
    if (!parse(svg, root)) {
        const QImage plain = layer(svg, size);
        if (plain.isNull())
            return {};
        p.drawImage(0, 0, plain);
        return out;
    }

    QHash<QString, const Node *> found;
    collectIds(root, QStringLiteral("marker"), found);
    // The markers are copied out of the tree before it changes.
    std::vector<Node> markerCopies;
    markerCopies.reserve(size_t(found.size()));
    QHash<QString, const Node *> markers;
    for (auto it = found.cbegin(); it != found.cend(); ++it) {
        markerCopies.push_back(*it.value());
        markers.insert(it.key(), &markerCopies.back());
    }
    expandMarkers(root, markers);

    QList<Unit> units;
    collectUnits(root, {}, units);
    QHash<QString, const Node *> clips;
    collectIds(root, QStringLiteral("clipPath"), clips);
    const bool anyClip = std::any_of(units.begin(), units.end(), [&](const Unit &u) {
        return u.clipped && clips.contains(urlId(at(root, u.where).attr(QStringLiteral("clip-path"))));
    });
    if (!anyClip) {
        QList<Where> all;
        for (const Unit &u : units)
            all.append(u.where);
        const QImage whole = layer(serialize(document(root, all)), size);
        if (whole.isNull())
            return {};
        p.drawImage(0, 0, whole);
        return out;
    }

    // Unclipped runs of elements are drawn together, each clipped element on
    // its own, cut out by its clip's shape, in document order.
    QList<Where> run;
    auto flush = [&] {
        if (run.isEmpty())
            return true;
        const QImage image = layer(serialize(document(root, run)), size);
        run.clear();
        if (image.isNull())
            return false;
        p.drawImage(0, 0, image);
        return true;
    };
    for (const Unit &u : units) {
        const Node &element = at(root, u.where);
        const Node *clip = u.clipped ? clips.value(urlId(element.attr(QStringLiteral("clip-path")))) : nullptr;
        if (!clip) {
            run.append(u.where);
            continue;
        }
        if (!flush())
            return {};
        QImage image = layer(serialize(document(root, {u.where})), size);
        const Node shape = clipShape(element, *clip);
        const QImage mask = layer(serialize(document(root, {u.where}, &shape)), size);
        if (image.isNull() || mask.isNull())
            return {};
        QPainter cut(&image);
        cut.setCompositionMode(QPainter::CompositionMode_DestinationIn);
        cut.drawImage(0, 0, mask);
        cut.end();
        p.drawImage(0, 0, image);
    }
    if (!flush())
        return {};
    return out;
}

} // namespace SvgPicture
