#include "tournament/ui/StatisticsPage.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QTableWidget>

#include "tournament/group/Statistics.h"
#include "tournament/model/Tournament.h"
#include "tournament/ui/Anchors.h"
#include "tournament/ui/Look.h"

using Look::make;

StatisticsPage::StatisticsPage(PageContext &ctx, QWidget *parent) : QWidget(parent), m_ctx(ctx)
{
    setObjectName(QStringLiteral("Statistics"));
    fond_stats = PageParts::fond(this, "fond_stats");
    make<QLabel>(this, "Label9", 10, 8, 50, 26, QStringLiteral("Group"));
    lettregrp = PageParts::liste(this, "lettregrp", 64, 8, 60, PageParts::kLetters, PageParts::WithoutCompletion);
    nom_equipe = PageParts::liste(this, "nom_equipe", 10, 40, 180);
    Image = make<QLabel>(this, "Image", 10, 76, 78, 53);
    points = make<QProgressBar>(this, "points", 10, 142, 180, 20);
    points->setRange(0, 100);
    points->setValue(0);

    effectif = Look::makeGrid(this, "effectif", 24, {126, 34}, 20);
    effectif->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    effectif->setGeometry(200, 8, 126 + 34 + 2 * effectif->frameWidth() + 18, 226);
    Look::setCell(effectif, 0, 0, QStringLiteral("Name"));
    Look::setCell(effectif, 0, 1, QStringLiteral("Goals"));
    // The goals column is narrow; its header uses a smaller print to fit.
    QFont small = effectif->font();
    small.setPixelSize(10);
    effectif->item(0, 1)->setFont(small);

    make<QLabel>(this, "Label10", 392, 8, 240, 22, QStringLiteral("Best Scorer(s)"));
    buteurs = make<QListWidget>(this, "buteurs", 392, 30, 243, 204);

    // Value labels keep room for three digits; the caption labels take their text's width.
    po_pris = make<QLabel>(this, "po_pris", 0, 244, 24, 24);
    po_pris->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto *gained = make<QLabel>(this, "Label11", 0, 244, 0, 24, QStringLiteral("points gained"));
    auto *forLabel = make<QLabel>(this, "Label12", 0, 244, 0, 24, QStringLiteral("for"));
    po_poss = make<QLabel>(this, "po_poss", 0, 244, 24, 24);
    po_poss->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto *possibly = make<QLabel>(this, "Label13", 0, 244, 0, 24, QStringLiteral("possibly"));
    auto *stage1 = make<QLabel>(this, "Label14", 0, 244, 0, 24, QStringLiteral("in stage 1"));
    auto *scored = make<QLabel>(this, "Label15", 0, 272, 0, 24, QStringLiteral("The team's scored"));
    moy_buts = make<QLabel>(this, "moy_buts", 0, 272, 32, 24);
    moy_buts->setAlignment(Qt::AlignCenter);
    auto *perMatch = make<QLabel>(this, "Label16", 0, 272, 0, 24, QStringLiteral("goal per match"));
    auto *stages = make<QLabel>(this, "Label17", 0, 272, 0, 24, QStringLiteral("(stage 1 and 2)."));
    Look::lineUp({po_pris, gained, forLabel, po_poss, possibly, stage1}, 10);
    Look::lineUp({scored, moy_buts, perMatch, stages}, 10);
    teamLabels << po_pris << gained << forLabel << po_poss << possibly << stage1 << scored << moy_buts
                     << perMatch << stages;

    // A drop-down "changes" when the user picks an item or types, never when
    // the program sets its text.
    connect(lettregrp, &QComboBox::textActivated, this, &StatisticsPage::lettregrpChange);
    connect(lettregrp->lineEdit(), &QLineEdit::textEdited, this, &StatisticsPage::lettregrpChange);
    connect(nom_equipe, &QComboBox::textActivated, this, &StatisticsPage::nom_equipeChange);
    connect(nom_equipe->lineEdit(), &QLineEdit::textEdited, this, &StatisticsPage::nom_equipeChange);
}

void StatisticsPage::followSize(QSize design)
{
    // The squad and the best scorers grow downwards; the team's figures stay under them.
    auto *anchors = new Anchors(this, design, Anchors::Centre, Anchors::Stay);
    anchors->tie(fond_stats, Anchors::Stretch, Anchors::Stretch);
    anchors->tie(effectif, Anchors::Centre, Anchors::Stretch);
    anchors->tie(buteurs, Anchors::Centre, Anchors::Stretch);
    for (QWidget *label : teamLabels)
        anchors->tie(label, Anchors::Centre, Anchors::Follow);
}

void StatisticsPage::entreeStatistiques()
{
    nom_equipe->clear();
    for (int r = 1; r < effectif->rowCount(); ++r) {
        Look::setCell(effectif, r, 0, QString());
        Look::setCell(effectif, r, 1, QString());
    }
    lettregrp->setEditText(QString());
    nom_equipe->setEditText(QString());
    buteurs->clear();
    showTeamLabels(false);
    Look::loadPicture(Image, m_ctx.folder, QStringLiteral("defaut.bmp"), &m_ctx.platform, m_ctx.window);
    points->setValue(0);
    fillScorers();
}

void StatisticsPage::fillScorers()
{
    for (const TButeur &b : meilleurs_buteurs(m_ctx.tournament))
        buteurs->addItem(scorerLine(b));
}

void StatisticsPage::showTeamLabels(bool visible)
{
    for (QLabel *label : std::as_const(teamLabels))
        label->setVisible(visible);
}

void StatisticsPage::showFigures(const TEquipe *team)
{
    showTeamLabels(true);
    const int players = team->playerCount();
    Look::setGridRows(effectif, 1 + players);
    for (int i = 0; i < players; ++i) {
        Look::setCell(effectif, i + 1, 0, team->squad[i].name.text());
        Look::setCell(effectif, i + 1, 1, QString::number(team->squad[i].goals));
    }
    points->setValue(pointsPercent(team));
    po_pris->setText(QString::number(team->points));
    po_poss->setText(QString::number(3 * team->played));
    moy_buts->setText(::moy_buts(team, m_ctx.tournament.liste_tour2, m_ctx.tournament.matchGoals));
    Look::loadPicture(Image, m_ctx.folder, team->flagFile(), &m_ctx.platform, m_ctx.window);
}

void StatisticsPage::clearFigures()
{
    showTeamLabels(false);
    for (int r = 1; r < effectif->rowCount(); ++r) {
        Look::setCell(effectif, r, 0, QString());
        Look::setCell(effectif, r, 1, QString());
    }
    po_pris->clear();
    po_poss->clear();
    moy_buts->clear();
    Look::loadPicture(Image, m_ctx.folder, QStringLiteral("defaut.bmp"), &m_ctx.platform, m_ctx.window);
    points->setValue(0);
}

void StatisticsPage::lettregrpChange()
{
    nom_equipe->clear();
    const TGroupe *group = m_ctx.tournament.findGroup(lettregrp->currentText());
    if (!group || group->teams.empty()) {
        clearFigures();
        lettregrp->setEditText(QString());
        nom_equipe->setEditText(QString());
        return;
    }
    for (const auto &team : group->teams)
        nom_equipe->addItem(team->name.text());
    nom_equipe->setCurrentIndex(0);
    showFigures(group->teams.front().get());
}

void StatisticsPage::nom_equipeChange()
{
    if (const TEquipe *team = PageParts::teamOfGroup(m_ctx.tournament, lettregrp->currentText(), nom_equipe->currentText()))
        showFigures(team);
    else
        clearFigures();
}
