#include "tournament/ui/Tchampion_du_monde.h"

#include <QDir>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>

#include "tournament/model/NameChecks.h"
#include "tournament/ui/Look.h"
#include "tournament/ui/TForm1.h"
#include "tournament/ui/TForm2.h"
#include "tournament/ui/Tbilans.h"

using Look::make;

Tchampion_du_monde::Tchampion_du_monde(TForm1 &main) : m_main(main)
{
    Look::prepareDialog(this, main, "champion_du_monde", QStringLiteral("We are the champion..."), 611,
                               545);
    fond = make<QLabel>(this, "fond", 0, 0, 611, 545);
    fond->setScaledContents(true);
    // The flags zigzag down the middle; each column steps by more than a
    // flag's height, so no two overlap.
    for (int i = 0; i < 13; ++i) {
        images[i] = make<QLabel>(this, "", i % 2 ? 310 : 222, 6 + 37 * i, 79, 53);
        images[i]->setObjectName(QStringLiteral("Image%1").arg(i + 1));
    }
    const char *texts[] = {"The 1998", "World", "Champion", "is"};
    for (int i = 0; i < 4; ++i) {
        words[size_t(i)] = make<QLabel>(this, "", 16, 110 + 60 * i, 196, 40, QString::fromLatin1(texts[i]));
        words[size_t(i)]->setObjectName(QStringLiteral("Label%1").arg(i + 1));
        Look::setBoldFont(words[size_t(i)], 27);
    }
    title = make<QLabel>(this, "title", 16, 110, 196, 220);
    title->setWordWrap(true);
    Look::setBoldFont(title, 27);
    title->hide();
    nom = make<QLabel>(this, "nom", 398, 200, 206, 120);
    Look::plainNameLabel(nom);
    nom->setWordWrap(true);
    nom->setAlignment(Qt::AlignCenter);
    Look::setBoldFont(nom, 32);
    OK = make<QPushButton>(this, "OK", 480, 500, 100, 32, QStringLiteral("OK"));
    Look::setBoldFont(OK, 27);
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
    if (m_main.picturesShown())
        Look::loadPicture(fond, m_main.folder(), QStringLiteral("coupe.bmp"), &m_main.platform(), this);
    else
        fond->clear();
    const TEquipe *champion = m_main.tournament().champion;
    nom->setText(champion ? champion->name.text() : QString());
    lit = true;
    Timerchampion->start(500);
}

void Tchampion_du_monde::TimerchampionTimer()
{
    const TEquipe *champion = m_main.tournament().champion;
    QPixmap flag;
    if (lit && champion && NameChecks::isPlainFileName(champion->flagFile())
        && Look::readPicture(flag, QDir(m_main.folder()).filePath(champion->flagFile()))) {
        for (QLabel *image : images)
            image->setPixmap(flag);
    } else {
        for (QLabel *image : images)
            image->clear();
        // A missing flag ends the blinking quietly.
        if (lit)
            Timerchampion->stop();
    }
    lit = !lit;
}

void Tchampion_du_monde::OKClick()
{
    Timerchampion->stop();
    hide();
    DialogSet &f = m_main.dialogs();
    if (m_main.tournament().troisieme_place)
        f.bilans()->show();
    else
        f.Form2()->showMain();
}

// Escape and the title bar both end here.
void Tchampion_du_monde::reject()
{
    OKClick();
}

void Tchampion_du_monde::setTitleLine(const QString &line)
{
    title->setText(line);
    title->setVisible(!line.isEmpty());
    for (QLabel *w : words)
        w->setVisible(line.isEmpty());
}
