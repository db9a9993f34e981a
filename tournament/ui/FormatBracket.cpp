#include "tournament/ui/FormatBracket.h"

#include <algorithm>

#include <QCloseEvent>
#include <QFontMetrics>
#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QGraphicsSimpleTextItem>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>
#include <QWheelEvent>

#include "tournament/ui/FormatMatchesPage.h"
#include "tournament/ui/FormatSession.h"
#include "tournament/ui/WindowPlaces.h"

namespace {

constexpr int kFlagHeight = 14;
constexpr int kFlagWidth = 21;
constexpr int kScoreWidth = 26;

} // namespace

FormatBracketView::FormatBracketView(FormatSession &session, QWidget *parent)
    : QGraphicsView(parent), m_session(session), m_scene(new QGraphicsScene(this))
{
    setObjectName(QStringLiteral("view"));
    setScene(m_scene);
    setRenderHint(QPainter::Antialiasing);
    setRenderHint(QPainter::SmoothPixmapTransform);
    setDragMode(QGraphicsView::ScrollHandDrag);
    setTransformationAnchor(QGraphicsView::AnchorUnderMouse);
    setBackgroundBrush(QColor(0xe8, 0xe8, 0xe8));
    m_layout = BracketLayout::layout(session.tournament().format);
    rebuild();
}

QRectF FormatBracketView::boxOf(int number) const
{
    const int i = m_session.tournament().format.indexOf(number);
    return i < 0 ? QRectF() : m_boxes[size_t(i)];
}

QStringList FormatBracketView::scoreTexts(int number) const
{
    const int i = m_session.tournament().format.indexOf(number);
    return i < 0 ? QStringList() : m_scores[size_t(i)];
}

QString FormatBracketView::markText(int number) const
{
    const int i = m_session.tournament().format.indexOf(number);
    return i < 0 ? QString() : m_marks[size_t(i)];
}

QStringList FormatBracketView::sideTexts(int number) const
{
    const int i = m_session.tournament().format.indexOf(number);
    return i < 0 ? QStringList() : m_texts[size_t(i)];
}

int FormatBracketView::matchAt(const QPointF &p) const
{
    for (size_t i = 0; i < m_boxes.size(); ++i)
        if (m_boxes[i].contains(p))
            return m_session.tournament().format.matches[i].number;
    return 0;
}

void FormatBracketView::rebuild()
{
    m_scene->clear();
    const FormatTournament &t = m_session.tournament();
    const TournamentFormat &f = t.format;
    const FormatStandings &s = m_session.standings();
    const size_t n = f.matches.size();
    m_boxes.assign(n, QRectF());
    m_texts.assign(n, QStringList());
    m_scores.assign(n, QStringList());
    m_marks.assign(n, QString());

    QFont font = this->font();
    font.setPixelSize(13);
    QFont small = font;
    small.setPixelSize(10);
    QFont bold = font;
    bold.setBold(true);
    const QFontMetrics metrics(font);
    const QPen line(QColor(0x70, 0x70, 0x70), 1.5);

    const auto columnX = [](int column) { return double(column * (kColumnWidth + kColumnGap)); };
    for (size_t i = 0; i < n; ++i) {
        const BracketLayout::Place &p = m_layout.places[i];
        const double y = kHeader + p.row * kRowHeight - kBoxHeight / 2.0;
        m_boxes[i] = QRectF(columnX(p.column), y, kColumnWidth, kBoxHeight);
    }

    // The round names over the columns; the middle column names the final,
    // and the match for third place carries its name over its box.
    for (int c = 0; c < m_layout.columns; ++c) {
        QString name;
        for (size_t i = 0; i < n && name.isEmpty(); ++i)
            if (m_layout.places[i].column == c && !f.matches[i].losers)
                name = f.roundName(f.matches[i]);
        auto *label = m_scene->addSimpleText(name, bold);
        label->setPos(columnX(c) + (kColumnWidth - label->boundingRect().width()) / 2, 6);
    }

    // Lines first, so that the boxes lie over their ends.
    for (size_t i = 0; i < n; ++i)
        for (int k = 0; k < 2; ++k) {
            const int from = m_layout.feeders[i][size_t(k)];
            if (from < 0)
                continue;
            const QRectF a = m_boxes[size_t(from)];
            const QRectF b = m_boxes[i];
            const bool rightward = a.center().x() < b.center().x();
            const QPointF start(rightward ? a.right() : a.left(), a.center().y());
            const QPointF end(rightward ? b.left() : b.right(), b.top() + (k == 0 ? 0.3 : 0.7) * b.height());
            const double midX = (start.x() + end.x()) / 2;
            QPainterPath path(start);
            path.lineTo(midX, start.y());
            path.lineTo(midX, end.y());
            path.lineTo(end);
            m_scene->addPath(path, line);
        }

    for (size_t i = 0; i < n; ++i) {
        const FormatMatch &m = f.matches[i];
        const FormatStandings::Slot &slot = s.bracket[i];
        const QRectF box = m_boxes[i];
        const bool open = slot.team1 >= 0 && slot.team2 >= 0 && !slot.result;
        auto *frame = m_scene->addRect(box, QPen(open ? QColor(0x1f, 0x5f, 0xbf) : QColor(0x80, 0x80, 0x80), open ? 2 : 1),
                                       QBrush(Qt::white));
        frame->setData(0, m.number);
        if (open)
            frame->setCursor(Qt::PointingHandCursor);
        auto *number = m_scene->addSimpleText(m.losers ? QStringLiteral("%1  %2").arg(m.number).arg(f.roundName(m))
                                                       : QString::number(m.number),
                                              small);
        number->setBrush(QColor(0x50, 0x50, 0x50));
        number->setPos(box.left() + 2, box.top() - 12);

        const int teams[2] = {slot.team1, slot.team2};
        // A shoot-out's kicks are no goals: they stand apart, in brackets.
        QString scores[2];
        if (const FormatKnockoutMatch *r = slot.result) {
            const KnockoutScore &p = r->parts;
            const bool parts = p.fits(r->score1, r->score2);
            scores[0] = QString::number(parts ? p.goals1() : r->score1);
            scores[1] = QString::number(parts ? p.goals2() : r->score2);
            if (parts && p.hasShootout()) {
                scores[0] += QStringLiteral(" (%1)").arg(p.kicks1);
                scores[1] += QStringLiteral(" (%1)").arg(p.kicks2);
            }
            if (parts) {
                QStringList mark;
                if (p.hasExtraTime())
                    mark << QStringLiteral("a.e.t.");
                if (p.hasShootout())
                    mark << QStringLiteral("pen.");
                m_marks[i] = mark.join(QStringLiteral(", "));
                auto *note = m_scene->addSimpleText(m_marks[i], small);
                note->setBrush(QColor(0x50, 0x50, 0x50));
                note->setPos(box.right() - 2 - note->boundingRect().width(), box.bottom() + 1);
                note->setToolTip(FormatMatchesPage::scoreText(*r));
            }
            m_scores[i] = {scores[0], scores[1]};
        }
        for (int k = 0; k < 2; ++k) {
            const double rowTop = box.top() + 2 + k * (kBoxHeight - 4) / 2.0;
            const double rowHeight = (kBoxHeight - 4) / 2.0;
            double x = box.left() + 4;
            const QPixmap flag = m_session.flag(teams[k], kFlagHeight);
            if (!flag.isNull()) {
                const QRectF place(x, rowTop + (rowHeight - kFlagHeight) / 2, kFlagWidth, kFlagHeight);
                auto *pic = m_scene->addPixmap(flag.scaled(kFlagWidth, kFlagHeight, Qt::IgnoreAspectRatio,
                                                           Qt::SmoothTransformation));
                pic->setPos(place.topLeft());
                // A frame, so that a white flag still stands out of the white box.
                m_scene->addRect(place, QPen(QColor(0x90, 0x90, 0x90), 1));
            }
            x += kFlagWidth + 5;
            // A score with kicks takes more room than the usual one digit.
            const double scoreWidth = std::max<double>(kScoreWidth, QFontMetrics(bold).horizontalAdvance(scores[k]) + 6);
            const double room = box.right() - scoreWidth - 4 - x;
            QString text;
            QString tip;
            QGraphicsSimpleTextItem *item = nullptr;
            if (teams[k] >= 0) {
                tip = t.teamName(teams[k]);
                text = metrics.elidedText(tip, Qt::ElideRight, int(room));
                QFont f2 = font;
                f2.setBold(slot.result && slot.winner == teams[k]);
                item = m_scene->addSimpleText(text, f2);
            } else {
                text = BracketLayout::sideLabel(m.sides[k]);
                tip = text;
                QFont f2 = font;
                f2.setItalic(true);
                item = m_scene->addSimpleText(text, f2);
                item->setBrush(QColor(0x70, 0x70, 0x70));
            }
            m_texts[i] << text;
            item->setPos(x, rowTop + (rowHeight - item->boundingRect().height()) / 2);
            item->setToolTip(tip);
            if (!scores[k].isEmpty()) {
                auto *score = m_scene->addSimpleText(scores[k], bold);
                score->setPos(box.right() - 4 - score->boundingRect().width(),
                              rowTop + (rowHeight - score->boundingRect().height()) / 2);
            }
        }
        frame->setToolTip(slot.result ? QStringLiteral("%1, match %2: %3").arg(f.roundName(m)).arg(m.number)
                                            .arg(FormatMatchesPage::scoreText(*slot.result))
                                      : QStringLiteral("%1, match %2").arg(f.roundName(m)).arg(m.number));
    }
    QRectF all = m_scene->itemsBoundingRect().adjusted(-10, -10, 10, 10);
    m_scene->setSceneRect(all);
}

void FormatBracketView::fit()
{
    fitInView(sceneRect(), Qt::KeepAspectRatio);
}

void FormatBracketView::zoom(double factor)
{
    const double now = transform().m11();
    // Between a twentieth and four times the drawing's size.
    const double next = std::clamp(now * factor, 0.05, 4.0);
    scale(next / now, next / now);
}

void FormatBracketView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        const int number = matchAt(mapToScene(event->position().toPoint()));
        const int i = m_session.tournament().format.indexOf(number);
        if (i >= 0) {
            const FormatStandings::Slot &slot = m_session.standings().bracket[size_t(i)];
            if (slot.team1 >= 0 && slot.team2 >= 0 && !slot.result) {
                emit matchChosen(number);
                event->accept();
                return;
            }
        }
    }
    QGraphicsView::mousePressEvent(event);
}

void FormatBracketView::wheelEvent(QWheelEvent *event)
{
    if (event->modifiers() & Qt::ControlModifier) {
        zoom(event->angleDelta().y() > 0 ? 1.15 : 1 / 1.15);
        event->accept();
        return;
    }
    QGraphicsView::wheelEvent(event);
}

FormatBracket::FormatBracket(FormatSession &session, QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("FormatBracket"));
    setWindowTitle(QStringLiteral("Trophex 1.1  Stage 2 - %1").arg(session.tournament().format.name));
    view = new FormatBracketView(session, this);
    zoomInButton = new QPushButton(QStringLiteral("Zoom in"));
    zoomInButton->setObjectName(QStringLiteral("zoomInButton"));
    zoomInButton->setShortcut(QKeySequence::ZoomIn);
    zoomOutButton = new QPushButton(QStringLiteral("Zoom out"));
    zoomOutButton->setObjectName(QStringLiteral("zoomOutButton"));
    zoomOutButton->setShortcut(QKeySequence::ZoomOut);
    fitButton = new QPushButton(QStringLiteral("Fit"));
    fitButton->setObjectName(QStringLiteral("fitButton"));
    backButton = new QPushButton(QStringLiteral("Back"));
    backButton->setObjectName(QStringLiteral("backButton"));
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(zoomInButton);
    buttons->addWidget(zoomOutButton);
    buttons->addWidget(fitButton);
    buttons->addStretch(1);
    buttons->addWidget(backButton);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(view, 1);
    layout->addLayout(buttons);
    setMinimumSize(480, 320);

    connect(zoomInButton, &QPushButton::clicked, this, [this] { view->zoom(1.25); });
    connect(zoomOutButton, &QPushButton::clicked, this, [this] { view->zoom(1 / 1.25); });
    connect(fitButton, &QPushButton::clicked, this, [this] { view->fit(); });
    connect(backButton, &QPushButton::clicked, this, &FormatBracket::close);
    connect(view, &FormatBracketView::matchChosen, this, &FormatBracket::matchChosen);
}

void FormatBracket::showEvent(QShowEvent *event)
{
    if (!m_placed) {
        m_placed = true;
        WindowPlaces::restore(this, QStringLiteral("bracket"), QSize());
    }
    QWidget::showEvent(event);
    view->fit();
    if (!event->spontaneous())
        QTimer::singleShot(0, this, [this] { WindowPlaces::keepInside(this); });
}

void FormatBracket::closeEvent(QCloseEvent *event)
{
    WindowPlaces::save(this, QStringLiteral("bracket"));
    event->accept();
    emit backRequested();
}
