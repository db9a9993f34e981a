#include "tournament/ui/AboutPage.h"

#include <QLabel>

#include "tournament/ui/Anchors.h"
#include "tournament/ui/Look.h"

using Look::make;

AboutPage::AboutPage(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("AboutTheAuthor"));
    auto *title = make<QLabel>(this, "Label18", 0, 16, 645, 34, QStringLiteral("Trophex 1.1"));
    Look::setBoldFont(title, 24);
    title->setAlignment(Qt::AlignCenter);
    sigle = make<QLabel>(this, "sigle", 202, 60, 240, 90);
    auto *text = make<QLabel>(this, "Label19", 20, 164, 605, 130,
                               QStringLiteral("Written to follow a world tournament by hand: thirty-two teams,\n"
                                              "eight groups, the bracket and the best scorers.\n"
                                              "Free to use and to pass on.\n"
                                              "Remarks and ideas are welcome through the project's issue list."));
    text->setAlignment(Qt::AlignCenter);
}

void AboutPage::followSize(QSize design)
{
    new Anchors(this, design, Anchors::Centre, Anchors::Stay);
}
