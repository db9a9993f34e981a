#include "tournament/ui/EditTeamPage.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QValidator>

#include "common/Cp1252.h"
#include "tournament/model/NameChecks.h"
#include "tournament/model/Tournament.h"
#include "tournament/model/TournamentFiles.h"
#include "tournament/ui/Apparence.h"

using Apparence::cree;

namespace {

// Only characters the files can hold may be typed into a name, and no
// control character (a pasted TAB or line end) gets into one.
class ValidateurAnsi : public QValidator
{
public:
    using QValidator::QValidator;
    State validate(QString &input, int &) const override
    {
        return Cp1252::canEncode(input) && !NameChecks::hasControl(input) ? Acceptable : Invalid;
    }
};

} // namespace

EditTeamPage::EditTeamPage(PageContext &ctx, QWidget *parent) : QWidget(parent), m_ctx(ctx)
{
    setObjectName(QStringLiteral("EditTeam"));
    fond_equipe = PageParts::fond(this, "fond_equipe");
    cree<QLabel>(this, "Label3", 16, 16, 50, 26, QStringLiteral("Group"));
    groupe = PageParts::liste(this, "groupe", 70, 16, 60, PageParts::kLettres, PageParts::SansCompletion);
    equipe = PageParts::liste(this, "equipe", 16, 60, 190);
    Imageq = cree<QLabel>(this, "Imageq", 16, 104, 78, 53);
    liste_joueurs = cree<QListWidget>(this, "liste_joueurs", 224, 16, 200, 284);
    liste_joueurs->setSelectionMode(QAbstractItemView::ExtendedSelection);
    cree<QLabel>(this, "Label4", 440, 16, 190, 24, QStringLiteral("Player's name :"));
    nouveau = cree<QLineEdit>(this, "nouveau", 440, 44, 190, 28);
    nouveau->setMaxLength(ShortName::MaxLength);
    nouveau->setValidator(new ValidateurAnsi(nouveau));
    Ajouter = cree<QPushButton>(this, "Ajouter", 440, 84, 100, 30, QStringLiteral("Add"));
    Ajouter->setEnabled(false);
    Enlever = cree<QPushButton>(this, "Enlever", 440, 150, 100, 30, QStringLiteral("Out !"));
    Enlever->setEnabled(false);
    // A player's goals can be corrected by hand, for matches whose scorers
    // were recorded before the program kept them.
    cree<QLabel>(this, "Label_buts", 440, 200, 60, 26, QStringLiteral("Goals :"));
    buts_joueur = cree<QSpinBox>(this, "buts_joueur", 504, 198, 70, 28);
    buts_joueur->setRange(0, 999);
    buts_joueur->setEnabled(false);
    Corriger = cree<QPushButton>(this, "Corriger", 440, 236, 134, 30, QStringLiteral("Set goals"));
    Corriger->setEnabled(false);

    // A drop-down "changes" when the user picks an item or types, never when
    // the program sets its text.
    connect(groupe, &QComboBox::textActivated, this, &EditTeamPage::groupeChange);
    connect(groupe->lineEdit(), &QLineEdit::textEdited, this, &EditTeamPage::groupeChange);
    connect(equipe, &QComboBox::textActivated, this, &EditTeamPage::equipeChange);
    connect(equipe->lineEdit(), &QLineEdit::textEdited, this, &EditTeamPage::equipeChange);
    connect(nouveau, &QLineEdit::textChanged, this, &EditTeamPage::nouveauChange);
    connect(Ajouter, &QPushButton::clicked, this, &EditTeamPage::AjouterClick);
    connect(Enlever, &QPushButton::clicked, this, &EditTeamPage::EnleverClick);
    connect(liste_joueurs, &QListWidget::itemSelectionChanged, this, &EditTeamPage::liste_joueursChange);
    connect(Corriger, &QPushButton::clicked, this, &EditTeamPage::CorrigerClick);
}

void EditTeamPage::entreeEquipe()
{
    liste_joueurs->clear();
    buts_joueur->setValue(0);
    equipe->clear();
    equipe->setEditText(QString());
    groupe->setEditText(QString());
    nouveau->clear();
}

TEquipe *EditTeamPage::equipeChoisie()
{
    return PageParts::equipeDuGroupe(m_ctx.tournoi, groupe->currentText(), equipe->currentText());
}

void EditTeamPage::modifie()
{
    if (m_ctx.sauveAuto())
        m_ctx.signale(sauve_groupes(m_ctx.tournoi, m_ctx.dossier));
    else
        m_ctx.tournoi.modifie = true;
}

void EditTeamPage::groupeChange()
{
    equipe->clear();
    liste_joueurs->clear();
    TGroupe *group = m_ctx.tournoi.cherche_groupe(groupe->currentText());
    if (!group)
        return;
    Enlever->setEnabled(true);
    for (const auto &team : group->teams)
        equipe->addItem(team->name.text());
    const TEquipe *first = group->teams.empty() ? nullptr : group->teams.front().get();
    equipe->setCurrentIndex(first ? 0 : -1);
    if (first) {
        Apparence::chargeImage(Imageq, m_ctx.dossier, first->flagFile(), &m_ctx.plateforme, m_ctx.fenetre);
        PageParts::remplitSquad(liste_joueurs, first);
    }
}

void EditTeamPage::equipeChange()
{
    liste_joueurs->clear();
    if (const TEquipe *team = equipeChoisie()) {
        Apparence::chargeImage(Imageq, m_ctx.dossier, team->flagFile(), &m_ctx.plateforme, m_ctx.fenetre);
        PageParts::remplitSquad(liste_joueurs, team);
    }
}

void EditTeamPage::nouveauChange()
{
    Ajouter->setEnabled(!nouveau->text().isEmpty());
}

void EditTeamPage::AjouterClick()
{
    TEquipe *team = equipeChoisie();
    if (!team || !ajoute_joueur(team, ShortName::stored(nouveau->text())))
        return;
    modifie();
    PageParts::remplitSquad(liste_joueurs, team);
}

void EditTeamPage::EnleverClick()
{
    const QList<QListWidgetItem *> selected = liste_joueurs->selectedItems();
    if (selected.size() != 1)
        return;
    TEquipe *team = equipeChoisie();
    if (!team || !enleve_joueur(team, ShortName::fromText(selected.front()->text())))
        return;
    modifie();
    PageParts::remplitSquad(liste_joueurs, team);
}

void EditTeamPage::liste_joueursChange()
{
    const QList<QListWidgetItem *> selected = liste_joueurs->selectedItems();
    const TEquipe *team = equipeChoisie();
    const int index = selected.size() == 1 && team ? cherche_joueur(team, ShortName::fromText(selected.front()->text())) : -1;
    buts_joueur->setEnabled(index >= 0);
    Corriger->setEnabled(index >= 0);
    buts_joueur->setValue(index >= 0 ? team->squad[size_t(index)].goals : 0);
}

void EditTeamPage::CorrigerClick()
{
    const QList<QListWidgetItem *> selected = liste_joueurs->selectedItems();
    if (selected.size() != 1)
        return;
    TEquipe *team = equipeChoisie();
    const int index = team ? cherche_joueur(team, ShortName::fromText(selected.front()->text())) : -1;
    if (index < 0)
        return;
    team->squad[size_t(index)].goals = buts_joueur->value();
    modifie();
}
