#include "tournament/ui/TQuitterdlg.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>

#include "tournament/model/TournamentFiles.h"
#include "tournament/ui/Look.h"
#include "tournament/ui/TForm1.h"

using Look::make;

TQuitterdlg::TQuitterdlg(TForm1 &main) : m_main(main)
{
    Look::prepareDialog(this, main, "Quitterdlg", QStringLiteral("Exit ?"), 420, 160);
    Look::mascot(this, main, 12, 16);
    make<QLabel>(this, "Label1", 90, 20, 320, 24, QStringLiteral("Do you want to save before you leave"));
    make<QLabel>(this, "Label2", 90, 46, 320, 24, QStringLiteral("Trophex ?"));
    Oui = make<QPushButton>(this, "Oui", 110, 110, 90, 30, QStringLiteral("Yes"));
    Non = make<QPushButton>(this, "Non", 220, 110, 90, 30, QStringLiteral("No"));
    connect(Oui, &QPushButton::clicked, this, &TQuitterdlg::OuiClick);
    connect(Non, &QPushButton::clicked, this, &TQuitterdlg::NonClick);
}

void TQuitterdlg::OuiClick()
{
    const FileResult saved = saveAll(m_main.tournament(), m_main.folder());
    if (!saved.ok) {
        // Ending now would lose the changes: say why and go back to the program.
        m_main.tournament().modifie = true;
        hide();
        m_main.reportResult(saved);
        m_main.showMain();
        return;
    }
    m_main.tournament().modifie = false;
    hide();
    m_main.quitProgram();
}

void TQuitterdlg::NonClick()
{
    m_main.tournament().modifie = false;
    hide();
    m_main.quitProgram();
}

void TQuitterdlg::cancelled()
{
    hide();
    m_main.showMain();
}

void TQuitterdlg::closeEvent(QCloseEvent *event)
{
    // Closing the question is no answer to it: dropping the unsaved results
    // on a click meant to dismiss the box would lose them, so the program
    // goes on as before "Exit".
    event->accept();
    cancelled();
}

void TQuitterdlg::reject()
{
    cancelled();
}
