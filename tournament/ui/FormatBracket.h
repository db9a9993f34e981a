#pragma once

#include <QGraphicsView>
#include <QWidget>

#include "tournament/format/BracketLayout.h"

class FormatSession;
class QGraphicsScene;
class QPushButton;

// The knock-out bracket of any format drawn as a tree: the round labels over
// the columns, each match a box with its number and its two sides (flag and
// full name once the team is known, the slot it comes from before: "1A",
// "3C/D/E/F", "W74"), the score once played, and the lines to the next
// round. The view scrolls and zooms; a click on a match whose teams are
// known and which is still to be played asks for its entry.
class FormatBracketView : public QGraphicsView
{
    Q_OBJECT
public:
    explicit FormatBracketView(FormatSession &session, QWidget *parent = nullptr);

    // Draws the bracket again from the session's standings.
    void rebuild();
    // Fits the whole bracket into the view.
    void fit();
    void zoom(double factor);

    // Sizes of the drawing, in scene units.
    static constexpr int kColumnWidth = 176;
    static constexpr int kColumnGap = 26;
    static constexpr int kRowHeight = 62;
    static constexpr int kBoxHeight = 46;
    static constexpr int kHeader = 34;

    // The match at a point of the scene, or 0.
    int matchAt(const QPointF &scenePoint) const;
    // The box of a match in scene coordinates.
    QRectF boxOf(int number) const;
    // The texts shown on the two sides of a match (names or slot labels).
    QStringList sideTexts(int number) const;
    // The scores shown on the two sides once played: the goals, and the
    // kicks of a shoot-out in brackets ("2 (4)"); empty before.
    QStringList scoreTexts(int number) const;
    // The mark under a match decided beyond 90 minutes: "a.e.t." or
    // "a.e.t., pen."; empty otherwise.
    QString markText(int number) const;

signals:
    void matchChosen(int number);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    FormatSession &m_session;
    QGraphicsScene *m_scene;
    BracketLayout::Layout m_layout;
    std::vector<QRectF> m_boxes;
    std::vector<QStringList> m_texts;
    std::vector<QStringList> m_scores;
    std::vector<QString> m_marks;
};

// The bracket window: the view and its zoom buttons. Resizable; it starts
// with the place it had, or filling the screen's free area, the bracket fitted.
class FormatBracket : public QWidget
{
    Q_OBJECT
public:
    explicit FormatBracket(FormatSession &session, QWidget *parent = nullptr);

    FormatBracketView *view;
    QPushButton *zoomInButton;
    QPushButton *zoomOutButton;
    QPushButton *fitButton;
    QPushButton *backButton;

signals:
    void matchChosen(int number);
    void backRequested();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    bool m_placed = false;
};
