#include "tournament/ui/ClassificationsPage.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>

#include "tournament/model/Tournament.h"
#include "tournament/ui/Anchors.h"
#include "tournament/ui/Look.h"

using Look::make;

ClassificationsPage::ClassificationsPage(PageContext &ctx, QWidget *parent) : QWidget(parent), m_ctx(ctx)
{
    setObjectName(QStringLiteral("Classifications"));
    fond_classement = PageParts::fond(this, "fond_classement");
    make<QLabel>(this, "Label2", 16, 16, 50, 26, QStringLiteral("Group"));
    lettre_groupe = PageParts::liste(this, "lettre_groupe", 70, 16, 60, PageParts::kLetters, PageParts::WithoutCompletion);
    classement = Look::makeGrid(this, "classement", 5, {126, 77, 75, 75, 75}, 30);
    classement->move(100, 64);
    const QStringList header = {"Team", "Played", "Points", "For", "Against"};
    for (int c = 0; c < 5; ++c)
        Look::setCell(classement, 0, c, header[c]);

    // A drop-down "changes" when the user picks an item or types, never when
    // the program sets its text.
    connect(lettre_groupe, &QComboBox::textActivated, this, &ClassificationsPage::lettre_groupeChange);
    connect(lettre_groupe->lineEdit(), &QLineEdit::textEdited, this, &ClassificationsPage::lettre_groupeChange);
}

void ClassificationsPage::followSize(QSize design)
{
    // A group has four teams: the grid keeps its size in the middle.
    auto *anchors = new Anchors(this, design, Anchors::Centre, Anchors::Stay);
    anchors->tie(fond_classement, Anchors::Stretch, Anchors::Stretch);
}

void ClassificationsPage::entreeClassement()
{
    lettre_groupe->setEditText(QString());
    showClassification(nullptr);
}

void ClassificationsPage::showClassification(const TGroupe *group)
{
    for (int r = 1; r <= 4; ++r) {
        const TEquipe *team = group && r - 1 < int(group->teams.size()) ? group->teams[r - 1].get() : nullptr;
        const QStringList cells = team ? QStringList{team->name.text(), QString::number(team->played),
                                                     QString::number(team->points),
                                                     QString::number(team->goals_for),
                                                     QString::number(team->goals_against)}
                                       : QStringList{{}, {}, {}, {}, {}};
        for (int c = 0; c < 5; ++c)
            Look::setCell(classement, r, c, cells[c]);
    }
}

void ClassificationsPage::lettre_groupeChange()
{
    const TGroupe *group = m_ctx.tournament.findGroup(lettre_groupe->currentText());
    showClassification(group);
    if (!group)
        lettre_groupe->setEditText(QString());
}
