#include "tournament/ui/TQuitterdlg.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>

#include "tournament/model/TournamentFiles.h"
#include "tournament/ui/Apparence.h"
#include "tournament/ui/TForm1.h"

using Apparence::cree;

TQuitterdlg::TQuitterdlg(TForm1 &main) : m_main(main)
{
    Apparence::prepareDialogue(this, main, "Quitterdlg", QStringLiteral("Exit ?"), 420, 160);
    Apparence::mascotte(this, main, 12, 16);
    cree<QLabel>(this, "Label1", 90, 20, 320, 24, QStringLiteral("Do you want to save before you leave"));
    cree<QLabel>(this, "Label2", 90, 46, 320, 24, QStringLiteral("Trophex ?"));
    Oui = cree<QPushButton>(this, "Oui", 110, 110, 90, 30, QStringLiteral("Yes"));
    Non = cree<QPushButton>(this, "Non", 220, 110, 90, 30, QStringLiteral("No"));
    connect(Oui, &QPushButton::clicked, this, &TQuitterdlg::OuiClick);
    connect(Non, &QPushButton::clicked, this, &TQuitterdlg::NonClick);
}

void TQuitterdlg::OuiClick()
{
    const FileResult saved = sauve_tout(m_main.tournoi(), m_main.dossier());
    if (!saved.ok) {
        // Ending now would lose the changes: say why and go back to the program.
        m_main.tournoi().modifie = true;
        hide();
        m_main.signale(saved);
        m_main.montre();
        return;
    }
    m_main.tournoi().modifie = false;
    hide();
    m_main.termine();
}

void TQuitterdlg::NonClick()
{
    m_main.tournoi().modifie = false;
    hide();
    m_main.termine();
}

void TQuitterdlg::annule()
{
    hide();
    m_main.montre();
}

void TQuitterdlg::closeEvent(QCloseEvent *event)
{
    // Closing the question is no answer to it: dropping the unsaved results
    // on a click meant to dismiss the box would lose them, so the program
    // goes on as before "Exit".
    event->accept();
    annule();
}

void TQuitterdlg::reject()
{
    annule();
}
