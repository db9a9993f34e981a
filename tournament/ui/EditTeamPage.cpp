#include "tournament/ui/EditTeamPage.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QValidator>

#include "common/Cp1252.h"
#include "tournament/commands/TournamentCommands.h"
#include "tournament/model/NameChecks.h"
#include "tournament/model/Tournament.h"
#include "tournament/model/TournamentFiles.h"
#include "tournament/ui/Anchors.h"
#include "tournament/ui/Look.h"

using Look::make;

namespace {

// Only characters the files can hold may be typed into a name, and no
// control character (a pasted TAB or line end) gets into one.
class Cp1252Validator : public QValidator
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
    make<QLabel>(this, "Label3", 16, 16, 50, 26, QStringLiteral("Group"));
    groupe = PageParts::liste(this, "groupe", 70, 16, 60, PageParts::kLetters, PageParts::WithoutCompletion);
    equipe = PageParts::liste(this, "equipe", 16, 60, 190);
    Imageq = make<QLabel>(this, "Imageq", 16, 104, 78, 53);
    liste_joueurs = make<QListWidget>(this, "liste_joueurs", 224, 16, 200, 284);
    liste_joueurs->setSelectionMode(QAbstractItemView::ExtendedSelection);
    make<QLabel>(this, "Label4", 440, 16, 190, 24, QStringLiteral("Player's name :"));
    nouveau = make<QLineEdit>(this, "nouveau", 440, 44, 190, 28);
    nouveau->setMaxLength(ShortName::MaxLength);
    nouveau->setValidator(new Cp1252Validator(nouveau));
    Ajouter = make<QPushButton>(this, "Ajouter", 440, 84, 100, 30, QStringLiteral("Add"));
    Ajouter->setEnabled(false);
    Enlever = make<QPushButton>(this, "Enlever", 440, 150, 100, 30, QStringLiteral("Out !"));
    Enlever->setEnabled(false);
    // A player's goals can be corrected by hand, for matches whose scorers
    // were recorded before the program kept them.
    make<QLabel>(this, "Label_buts", 440, 200, 60, 26, QStringLiteral("Goals :"));
    buts_joueur = make<QSpinBox>(this, "buts_joueur", 504, 198, 70, 28);
    buts_joueur->setRange(0, 999);
    buts_joueur->setEnabled(false);
    Corriger = make<QPushButton>(this, "Corriger", 440, 236, 134, 30, QStringLiteral("Set goals"));
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

void EditTeamPage::followSize(QSize design)
{
    // The controls stay together in the middle; the squad grows downwards.
    auto *anchors = new Anchors(this, design, Anchors::Centre, Anchors::Stay);
    anchors->tie(fond_equipe, Anchors::Stretch, Anchors::Stretch);
    anchors->tie(liste_joueurs, Anchors::Centre, Anchors::Stretch);
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

TEquipe *EditTeamPage::chosenTeam()
{
    return PageParts::teamOfGroup(m_ctx.tournament, groupe->currentText(), equipe->currentText());
}

void EditTeamPage::modifie()
{
    m_ctx.reportResult(TournamentCommands::teamEdited(m_ctx.tournament, m_ctx.autoSave(), m_ctx.folder));
}

void EditTeamPage::groupeChange()
{
    equipe->clear();
    liste_joueurs->clear();
    TGroupe *group = m_ctx.tournament.findGroup(groupe->currentText());
    if (!group)
        return;
    Enlever->setEnabled(true);
    for (const auto &team : group->teams)
        equipe->addItem(team->name.text());
    const TEquipe *first = group->teams.empty() ? nullptr : group->teams.front().get();
    equipe->setCurrentIndex(first ? 0 : -1);
    if (first) {
        Look::loadPicture(Imageq, m_ctx.folder, first->flagFile(), &m_ctx.platform, m_ctx.window);
        PageParts::fillSquad(liste_joueurs, first);
    }
}

void EditTeamPage::equipeChange()
{
    liste_joueurs->clear();
    if (const TEquipe *team = chosenTeam()) {
        Look::loadPicture(Imageq, m_ctx.folder, team->flagFile(), &m_ctx.platform, m_ctx.window);
        PageParts::fillSquad(liste_joueurs, team);
    }
}

void EditTeamPage::nouveauChange()
{
    Ajouter->setEnabled(!nouveau->text().isEmpty());
}

void EditTeamPage::AjouterClick()
{
    TEquipe *team = chosenTeam();
    if (!team || !addPlayer(team, ShortName::stored(nouveau->text())))
        return;
    modifie();
    PageParts::fillSquad(liste_joueurs, team);
}

void EditTeamPage::EnleverClick()
{
    const QList<QListWidgetItem *> selected = liste_joueurs->selectedItems();
    if (selected.size() != 1)
        return;
    TEquipe *team = chosenTeam();
    if (!team || !removePlayer(team, ShortName::fromText(selected.front()->text())))
        return;
    modifie();
    PageParts::fillSquad(liste_joueurs, team);
}

void EditTeamPage::liste_joueursChange()
{
    const QList<QListWidgetItem *> selected = liste_joueurs->selectedItems();
    const TEquipe *team = chosenTeam();
    const int index = selected.size() == 1 && team ? findPlayer(team, ShortName::fromText(selected.front()->text())) : -1;
    buts_joueur->setEnabled(index >= 0);
    Corriger->setEnabled(index >= 0);
    buts_joueur->setValue(index >= 0 ? team->squad[size_t(index)].goals : 0);
}

void EditTeamPage::CorrigerClick()
{
    const QList<QListWidgetItem *> selected = liste_joueurs->selectedItems();
    if (selected.size() != 1)
        return;
    TEquipe *team = chosenTeam();
    const int index = team ? findPlayer(team, ShortName::fromText(selected.front()->text())) : -1;
    if (index < 0)
        return;
    team->squad[size_t(index)].goals = buts_joueur->value();
    modifie();
}
