#include "tournament/ui/TForm3.h"

#include <QCloseEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "tournament/commands/TournamentCommands.h"
#include "tournament/ui/Look.h"
#include "tournament/ui/TForm1.h"
#include "tournament/ui/TForm2.h"

using Look::make;

TForm3::TForm3(TForm1 &main) : m_main(main)
{
    Look::prepareDialog(this, main, "Form3", QStringLiteral("Drawing Lots"), 470, 330);
    Look::mascot(this, main, 12, 16);
    auto *inGroup = make<QLabel>(this, "Label1", 0, 12, 0, 24, QStringLiteral("In the group"));
    groupe = make<QLabel>(this, "groupe", 0, 12, 30, 24);
    Look::plainNameLabel(groupe);
    Look::lineUp({inGroup, groupe}, 90);
    m_the = make<QLabel>(this, "Label2", 0, 40, 0, 24, QStringLiteral("The"));
    position = make<QLabel>(this, "position", 0, 40, 0, 24);
    Look::plainNameLabel(position);
    m_known = make<QLabel>(this, "Label3", 0, 40, 0, 24, QStringLiteral("will be known by drawing lots."));
    Look::lineUp({m_the, position, m_known}, 90);
    make<QLabel>(this, "Label4", 90, 72, 370, 24, QStringLiteral("Please select the chosen team"));
    equipes = make<QListWidget>(this, "equipes", 90, 100, 280, 160);
    equipes->setSelectionMode(QAbstractItemView::ExtendedSelection);
    BitBtn1 = make<QPushButton>(this, "BitBtn1", 130, 280, 90, 30, QStringLiteral("OK"));
    Annuler = make<QPushButton>(this, "Annuler", 250, 280, 90, 30, QStringLiteral("Cancel"));

    connect(BitBtn1, &QPushButton::clicked, this, &TForm3::BitBtn1Click);
    connect(Annuler, &QPushButton::clicked, this, &TForm3::AnnulerClick);
}

void TForm3::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    openLots(m_main.tournament());
    candidateList();
}

void TForm3::candidateList()
{
    equipes->clear();
    m_candidats = lotsCandidates(m_main.tournament());
    groupe->setText(QString(QLatin1Char(m_candidats.groupLetter)));
    position->setText(m_candidats.positionText());
    // The sentence reads as one line: the word takes its own width and the
    // rest follows one blank after it, for "premier" as for "second".
    position->resize(position->sizeHint().width(), position->height());
    Look::lineUp({m_the, position, m_known}, 90);
    for (const TEquipe *team : m_candidats.teams)
        equipes->addItem(team->name.text());
}

void TForm3::BitBtn1Click()
{
    const QList<QListWidgetItem *> selected = equipes->selectedItems();
    if (selected.size() != 1)
        return;
    Tournament &t = m_main.tournament();
    const LotsNext next = chooseTeam(t, m_candidats, ShortName::fromText(selected.front()->text()));
    equipes->clear();
    if (next == LotsNext::NextSlot) {
        candidateList();
        return;
    }
    const FileResult saved = TournamentCommands::finishLots(t, m_main.autoSave(), m_main.folder());
    hide();
    m_main.dialogs().Form2()->showMain();
    m_main.reportResult(saved);
}

void TForm3::AnnulerClick()
{
    hide();
    m_main.showMain();
}

// Escape and the title bar both end here.
void TForm3::reject()
{
    AnnulerClick();
}
