#include "tournament/ui/AboutPage.h"

#include <QLabel>

#include "tournament/ui/Apparence.h"

using Apparence::cree;

AboutPage::AboutPage(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("AboutTheAuthor"));
    auto *titre = cree<QLabel>(this, "Label18", 0, 16, 645, 34, QStringLiteral("Trophex 1.1"));
    Apparence::policeGrasse(titre, 24);
    titre->setAlignment(Qt::AlignCenter);
    sigle = cree<QLabel>(this, "sigle", 202, 60, 240, 90);
    auto *texte = cree<QLabel>(this, "Label19", 20, 164, 605, 130,
                               QStringLiteral("Written to follow a world tournament by hand: thirty-two teams,\n"
                                              "eight groups, the bracket and the best scorers.\n"
                                              "Free to use and to pass on.\n"
                                              "Remarks and ideas are welcome through the project's issue list."));
    texte->setAlignment(Qt::AlignCenter);
}
