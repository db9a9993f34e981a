#include "tournament/ui/Tchampion_du_monde.h"

#include <QDir>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>

#include "tournament/model/NameChecks.h"
#include "tournament/ui/Apparence.h"
#include "tournament/ui/TForm1.h"
#include "tournament/ui/TForm2.h"
#include "tournament/ui/Tbilans.h"

using Apparence::cree;

Tchampion_du_monde::Tchampion_du_monde(TForm1 &main) : m_main(main)
{
    Apparence::prepareDialogue(this, main, "champion_du_monde", QStringLiteral("We are the champion..."), 611,
                               545);
    fond = cree<QLabel>(this, "fond", 0, 0, 611, 545);
    fond->setScaledContents(true);
    // The flags zigzag down the middle; each column steps by more than a
    // flag's height, so no two overlap.
    for (int i = 0; i < 13; ++i) {
        images[i] = cree<QLabel>(this, "", i % 2 ? 310 : 222, 6 + 37 * i, 79, 53);
        images[i]->setObjectName(QStringLiteral("Image%1").arg(i + 1));
    }
    const char *words[] = {"The 1998", "World", "Champion", "is"};
    for (int i = 0; i < 4; ++i) {
        auto *label = cree<QLabel>(this, "", 16, 110 + 60 * i, 196, 40, QString::fromLatin1(words[i]));
        label->setObjectName(QStringLiteral("Label%1").arg(i + 1));
        Apparence::policeGrasse(label, 27);
    }
    nom = cree<QLabel>(this, "nom", 398, 200, 206, 120);
    Apparence::texteNom(nom);
    nom->setWordWrap(true);
    nom->setAlignment(Qt::AlignCenter);
    Apparence::policeGrasse(nom, 32);
    OK = cree<QPushButton>(this, "OK", 480, 500, 100, 32, QStringLiteral("OK"));
    Apparence::policeGrasse(OK, 27);
    Timerchampion = new QTimer(this);
    Timerchampion->setObjectName(QStringLiteral("Timerchampion"));

    connect(Timerchampion, &QTimer::timeout, this, &Tchampion_du_monde::TimerchampionTimer);
    connect(OK, &QPushButton::clicked, this, &Tchampion_du_monde::OKClick);
}

void Tchampion_du_monde::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    if (m_main.imagesAffichees())
        Apparence::chargeImage(fond, m_main.dossier(), QStringLiteral("coupe.bmp"), &m_main.plateforme(), this);
    else
        fond->clear();
    const TEquipe *champion = m_main.tournoi().champion;
    nom->setText(champion ? champion->name.text() : QString());
    allume = true;
    Timerchampion->start(500);
}

void Tchampion_du_monde::TimerchampionTimer()
{
    const TEquipe *champion = m_main.tournoi().champion;
    QPixmap flag;
    if (allume && champion && NameChecks::isPlainFileName(champion->flagFile())
        && Apparence::litImage(flag, QDir(m_main.dossier()).filePath(champion->flagFile()))) {
        for (QLabel *image : images)
            image->setPixmap(flag);
    } else {
        for (QLabel *image : images)
            image->clear();
        // A missing flag ends the blinking quietly.
        if (allume)
            Timerchampion->stop();
    }
    allume = !allume;
}

void Tchampion_du_monde::OKClick()
{
    Timerchampion->stop();
    hide();
    Fenetres &f = m_main.fenetres();
    if (m_main.tournoi().troisieme_place)
        f.bilans->show();
    else
        f.Form2->montre();
}

// Escape and the title bar both end here.
void Tchampion_du_monde::reject()
{
    OKClick();
}
