#include "tournament/ui/Tbilans.h"

#include <QCloseEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "tournament/group/Statistics.h"
#include "tournament/knockout/Bracket.h"
#include "tournament/ui/Look.h"
#include "tournament/ui/TForm1.h"
#include "tournament/ui/TForm2.h"

using Look::make;

Tbilans::Tbilans(TForm1 &main) : m_main(main)
{
    Look::prepareDialog(this, main, "bilans", QStringLiteral("Balance sheet"), 520, 400);
    fond = make<QLabel>(this, "fond", 0, 0, 520, 400);
    fond->setScaledContents(true);
    premier = make<QLabel>(this, "premier", 20, 16, 300, 30);
    second = make<QLabel>(this, "second", 20, 50, 300, 30);
    troisieme = make<QLabel>(this, "troisieme", 20, 84, 300, 30);
    quatrieme = make<QLabel>(this, "quatrieme", 20, 118, 300, 30);
    for (QLabel *place : {premier, second, troisieme, quatrieme}) {
        Look::setBoldFont(place, 21);
        Look::plainNameLabel(place);
    }
    make<QLabel>(this, "Label1", 20, 164, 300, 24, QStringLiteral("Best Scorer(s) :"));
    buteurs = make<QListWidget>(this, "buteurs", 20, 190, 330, 150);
    Button1 = make<QPushButton>(this, "Button1", 215, 356, 90, 30, QStringLiteral("OK"));
    connect(Button1, &QPushButton::clicked, this, &Tbilans::Button1Click);
}

void Tbilans::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    if (m_main.picturesShown())
        Look::loadPicture(fond, m_main.folder(), QStringLiteral("logo.bmp"), &m_main.platform(), this);
    else
        fond->clear();
    const Tournament &t = m_main.tournament();
    buteurs->clear();
    for (const TButeur &b : meilleurs_buteurs(t))
        buteurs->addItem(scorerLine(b));
    const Bilan texts = bilan(t);
    premier->setText(texts.premier);
    second->setText(texts.second);
    troisieme->setText(texts.troisieme);
    quatrieme->setText(texts.quatrieme);
}

void Tbilans::Button1Click()
{
    hide();
    m_main.dialogs().Form2()->showMain();
}

// Escape and the title bar both end here.
void Tbilans::reject()
{
    Button1Click();
}
