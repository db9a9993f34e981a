#pragma once

#include <vector>

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QSize>

class QWidget;

// Keeps the controls of a panel laid out by hand at a design size in step
// with the panel's real size. Each control keeps its design rectangle; on
// every resize it is placed again, moved and grown by its shares of the
// difference between the real and the design size. At the design size every
// control stands exactly where it was put, so a window opened at its usual
// size looks as it always did.
class Anchors : public QObject
{
public:
    // Of the extra width (or height): how much moves the control, how much
    // widens (or heightens) it. Both may be negative when the panel is smaller.
    struct Share
    {
        double move = 0;
        double grow = 0;
    };
    static constexpr Share Stay{0, 0};    // tied to the left (top) edge
    static constexpr Share Centre{0.5, 0}; // stays in the middle of the panel
    static constexpr Share Stretch{0, 1};  // tied to both edges
    static constexpr Share Follow{1, 0};   // tied to the right (bottom) edge

    // Ties every control that panel holds now, with the given shares; tie()
    // then sets other shares for single controls.
    Anchors(QWidget *panel, QSize design, Share horizontal, Share vertical);

    void tie(QWidget *control, Share horizontal, Share vertical);
    // Places every control for the panel's current size.
    void place();

    // A design rectangle placed in a panel of the given size.
    static QRect placed(const QRect &design, QSize designSize, QSize size, Share horizontal, Share vertical);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Tie
    {
        QPointer<QWidget> control;
        QRect design;
        Share horizontal, vertical;
    };

    QWidget *m_panel;
    QSize m_design;
    std::vector<Tie> m_ties;
};
