#include "tournament/ui/Tbilans.h"

#include <QCloseEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "tournament/group/Statistics.h"
#include "tournament/knockout/Bracket.h"
#include "tournament/ui/Apparence.h"
#include "tournament/ui/TForm1.h"
#include "tournament/ui/TForm2.h"

using Apparence::cree;

Tbilans::Tbilans(TForm1 &main) : m_main(main)
{
    Apparence::prepareDialogue(this, main, "bilans", QStringLiteral("Balance sheet"), 520, 400);
    fond = cree<QLabel>(this, "fond", 0, 0, 520, 400);
    fond->setScaledContents(true);
    premier = cree<QLabel>(this, "premier", 20, 16, 300, 30);
    second = cree<QLabel>(this, "second", 20, 50, 300, 30);
    troisieme = cree<QLabel>(this, "troisieme", 20, 84, 300, 30);
    quatrieme = cree<QLabel>(this, "quatrieme", 20, 118, 300, 30);
    for (QLabel *place : {premier, second, troisieme, quatrieme}) {
        Apparence::policeGrasse(place, 21);
        Apparence::texteNom(place);
    }
    cree<QLabel>(this, "Label1", 20, 164, 300, 24, QStringLiteral("Best Scorer(s) :"));
    buteurs = cree<QListWidget>(this, "buteurs", 20, 190, 330, 150);
    Button1 = cree<QPushButton>(this, "Button1", 215, 356, 90, 30, QStringLiteral("OK"));
    connect(Button1, &QPushButton::clicked, this, &Tbilans::Button1Click);
}

void Tbilans::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    if (m_main.imagesAffichees())
        Apparence::chargeImage(fond, m_main.dossier(), QStringLiteral("logo.bmp"), &m_main.plateforme(), this);
    else
        fond->clear();
    const Tournament &t = m_main.tournoi();
    buteurs->clear();
    for (const TButeur &b : meilleurs_buteurs(t))
        buteurs->addItem(ligne_buteur(b));
    const Bilan texts = bilan(t);
    premier->setText(texts.premier);
    second->setText(texts.second);
    troisieme->setText(texts.troisieme);
    quatrieme->setText(texts.quatrieme);
}

void Tbilans::Button1Click()
{
    hide();
    m_main.fenetres().Form2->montre();
}

// Escape and the title bar both end here.
void Tbilans::reject()
{
    Button1Click();
}
