#include "tournament/ui/Anchors.h"

#include <cmath>

#include <QEvent>
#include <QWidget>

Anchors::Anchors(QWidget *panel, QSize design, Share horizontal, Share vertical)
    : QObject(panel), m_panel(panel), m_design(design)
{
    for (QObject *child : panel->children()) {
        auto *control = qobject_cast<QWidget *>(child);
        // A dialog parented to the panel is a window of its own and keeps its place.
        if (control && !control->isWindow())
            m_ties.push_back({control, control->geometry(), horizontal, vertical});
    }
    panel->installEventFilter(this);
}

void Anchors::tie(QWidget *control, Share horizontal, Share vertical)
{
    for (Tie &t : m_ties) {
        if (t.control == control) {
            t.horizontal = horizontal;
            t.vertical = vertical;
            return;
        }
    }
    m_ties.push_back({control, control->geometry(), horizontal, vertical});
}

QRect Anchors::placed(const QRect &design, QSize designSize, QSize size, Share horizontal, Share vertical)
{
    const int dx = size.width() - designSize.width();
    const int dy = size.height() - designSize.height();
    const auto part = [](double share, int extra) { return int(std::lround(share * extra)); };
    // A control never shrinks below nothing, whatever the panel does.
    return QRect(design.x() + part(horizontal.move, dx), design.y() + part(vertical.move, dy),
                 std::max(0, design.width() + part(horizontal.grow, dx)),
                 std::max(0, design.height() + part(vertical.grow, dy)));
}

void Anchors::place()
{
    for (const Tie &t : m_ties)
        if (t.control)
            t.control->setGeometry(placed(t.design, m_design, m_panel->size(), t.horizontal, t.vertical));
}

bool Anchors::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_panel && event->type() == QEvent::Resize)
        place();
    return QObject::eventFilter(watched, event);
}
