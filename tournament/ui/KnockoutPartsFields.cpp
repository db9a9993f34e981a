#include "tournament/ui/KnockoutPartsFields.h"

#include <QLabel>
#include <QSignalBlocker>
#include <QSpinBox>

namespace {

QSpinBox *partBox(const char *name, int maxScore, bool blank, int width, QWidget *parent)
{
    auto *box = new QSpinBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setRange(blank ? -1 : 0, maxScore);
    if (blank)
        box->setSpecialValueText(QStringLiteral(" "));
    if (width > 0)
        box->setFixedWidth(width);
    return box;
}

QLabel *caption(const char *name, const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    return label;
}

} // namespace

KnockoutPartsFields::Kind KnockoutPartsFields::classic()
{
    return {100, QStringLiteral("a.e.t."), QStringLiteral("pen."), "aet", "pen", "kicks1", "kicks2", true, 0};
}

KnockoutPartsFields::Kind KnockoutPartsFields::format(int maxScore)
{
    return {maxScore, QStringLiteral("After extra time"), QStringLiteral("Penalty shoot-out"),
            "extraLabel", "kicksLabel", "kicks1", "kicks2", true, 64};
}

KnockoutPartsFields::KnockoutPartsFields(QSpinBox *score1, QSpinBox *score2, const Kind &kind, QWidget *parent)
    : m_score1(score1), m_score2(score2)
{
    extraLabel = caption(kind.extraLabelName, kind.extraCaption, parent);
    extra1 = partBox("extra1", kind.maxScore, true, kind.boxWidth, parent);
    extra2 = partBox("extra2", kind.maxScore, true, kind.boxWidth, parent);
    kicksLabel = caption(kind.kicksLabelName, kind.kicksCaption, parent);
    kicks1 = partBox(kind.kicks1Name, kind.maxScore, kind.blankKicks, kind.boxWidth, parent);
    kicks2 = partBox(kind.kicks2Name, kind.maxScore, kind.blankKicks, kind.boxWidth, parent);
    clear();
}

void KnockoutPartsFields::placeRow(int y, int penX, int kicksX)
{
    extraLabel->setGeometry(10, y, 54, 26);
    extra1->setGeometry(64, y, 56, 26);
    extra2->setGeometry(138, y, 56, 26);
    kicksLabel->setGeometry(penX, y, 44, 26);
    kicks1->setGeometry(kicksX, y, 56, 26);
    kicks2->setGeometry(kicksX + 74, y, 56, 26);
}

void KnockoutPartsFields::expose(QLabel *&extraCaption, QSpinBox *&extraBox1, QSpinBox *&extraBox2,
                                 QLabel *&kicksCaption, QSpinBox *&kicksBox1, QSpinBox *&kicksBox2) const
{
    extraCaption = extraLabel;
    extraBox1 = extra1;
    extraBox2 = extra2;
    kicksCaption = kicksLabel;
    kicksBox1 = kicks1;
    kicksBox2 = kicks2;
}

void KnockoutPartsFields::setShown(bool shown)
{
    for (QWidget *w : std::initializer_list<QWidget *>{extraLabel, extra1, extra2, kicksLabel, kicks1, kicks2})
        w->setVisible(shown);
}

void KnockoutPartsFields::clear()
{
    for (QSpinBox *box : {extra1, extra2, kicks1, kicks2}) {
        const QSignalBlocker blocker(box);
        box->setValue(box->minimum());
    }
}

void KnockoutPartsFields::showResult(const KnockoutScore &parts, int score1, int score2)
{
    clear();
    if (!parts.fits(score1, score2)) {
        m_score1->setValue(score1);
        m_score2->setValue(score2);
        return;
    }
    m_score1->setValue(parts.hasRegular() ? parts.regular1 : parts.goals1());
    m_score2->setValue(parts.hasRegular() ? parts.regular2 : parts.goals2());
    if (parts.hasExtraTime()) {
        extra1->setValue(parts.extra1);
        extra2->setValue(parts.extra2);
    }
    if (parts.hasShootout()) {
        kicks1->setValue(parts.kicks1);
        kicks2->setValue(parts.kicks2);
    }
}

KnockoutScore KnockoutPartsFields::typed() const
{
    return {m_score1->value(), m_score2->value(), extra1->value(), extra2->value(), kicks1->value(), kicks2->value()};
}
