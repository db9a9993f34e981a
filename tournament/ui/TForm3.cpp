#include "tournament/ui/TForm3.h"

#include <QCloseEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "tournament/ui/Apparence.h"
#include "tournament/ui/TForm1.h"
#include "tournament/ui/TForm2.h"

using Apparence::cree;

TForm3::TForm3(TForm1 &main) : m_main(main)
{
    Apparence::prepareDialogue(this, main, "Form3", QStringLiteral("Drawing Lots"), 470, 330);
    Apparence::mascotte(this, main, 12, 16);
    auto *inGroup = cree<QLabel>(this, "Label1", 0, 12, 0, 24, QStringLiteral("In the group"));
    groupe = cree<QLabel>(this, "groupe", 0, 12, 30, 24);
    Apparence::texteNom(groupe);
    Apparence::enLigne({inGroup, groupe}, 90);
    m_the = cree<QLabel>(this, "Label2", 0, 40, 0, 24, QStringLiteral("The"));
    position = cree<QLabel>(this, "position", 0, 40, 0, 24);
    Apparence::texteNom(position);
    m_known = cree<QLabel>(this, "Label3", 0, 40, 0, 24, QStringLiteral("will be known by drawing lots."));
    Apparence::enLigne({m_the, position, m_known}, 90);
    cree<QLabel>(this, "Label4", 90, 72, 370, 24, QStringLiteral("Please select the chosen team"));
    equipes = cree<QListWidget>(this, "equipes", 90, 100, 280, 160);
    equipes->setSelectionMode(QAbstractItemView::ExtendedSelection);
    BitBtn1 = cree<QPushButton>(this, "BitBtn1", 130, 280, 90, 30, QStringLiteral("OK"));
    Annuler = cree<QPushButton>(this, "Annuler", 250, 280, 90, 30, QStringLiteral("Cancel"));

    connect(BitBtn1, &QPushButton::clicked, this, &TForm3::BitBtn1Click);
    connect(Annuler, &QPushButton::clicked, this, &TForm3::AnnulerClick);
}

void TForm3::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    ouvre_tirage(m_main.tournoi());
    listeCandidats();
}

void TForm3::listeCandidats()
{
    equipes->clear();
    m_candidats = candidats_tirage(m_main.tournoi());
    groupe->setText(QString(QLatin1Char(m_candidats.groupLetter)));
    position->setText(m_candidats.positionText());
    // The sentence reads as one line: the word takes its own width and the
    // rest follows one blank after it, for "premier" as for "second".
    position->resize(position->sizeHint().width(), position->height());
    Apparence::enLigne({m_the, position, m_known}, 90);
    for (const TEquipe *team : m_candidats.teams)
        equipes->addItem(team->name.text());
}

void TForm3::BitBtn1Click()
{
    const QList<QListWidgetItem *> selected = equipes->selectedItems();
    if (selected.size() != 1)
        return;
    Tournament &t = m_main.tournoi();
    const TirageSuite next = choisit_equipe(t, m_candidats, ShortName::fromText(selected.front()->text()));
    equipes->clear();
    if (next == TirageSuite::NextSlot) {
        listeCandidats();
        return;
    }
    const FileResult saved = termine_tirage(t, m_main.sauveAuto(), m_main.dossier());
    hide();
    m_main.fenetres().Form2->montre();
    m_main.signale(saved);
}

void TForm3::AnnulerClick()
{
    hide();
    m_main.montre();
}

// Escape and the title bar both end here.
void TForm3::reject()
{
    AnnulerClick();
}
