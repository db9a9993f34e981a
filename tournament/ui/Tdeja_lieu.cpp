#include "tournament/ui/Tdeja_lieu.h"

#include <QLabel>
#include <QPushButton>

#include "tournament/ui/Apparence.h"

using Apparence::cree;

Tdeja_lieu::Tdeja_lieu(TForm1 &main)
{
    Apparence::prepareDialogue(this, main, "deja_lieu", QStringLiteral("Error !"), 440, 180);
    Apparence::mascotte(this, main, 12, 20);
    cree<QLabel>(this, "Label1", 90, 12, 340, 24, QStringLiteral("The match"));
    equipe1 = cree<QLabel>(this, "equipe1", 90, 44, 160, 24);
    equipe1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    cree<QLabel>(this, "Label2", 250, 44, 20, 24, QStringLiteral("-"))->setAlignment(Qt::AlignCenter);
    equipe2 = cree<QLabel>(this, "equipe2", 270, 44, 160, 24);
    cree<QLabel>(this, "Label3", 90, 76, 340, 24, QStringLiteral("is already recorded."));
    Apparence::texteNom(equipe1);
    Apparence::texteNom(equipe2);
    OKBtn = cree<QPushButton>(this, "OKBtn", 120, 130, 90, 30, QStringLiteral("OK"));
    CancelBtn = cree<QPushButton>(this, "CancelBtn", 230, 130, 90, 30, QStringLiteral("Cancel"));

    connect(OKBtn, &QPushButton::clicked, this, &Tdeja_lieu::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &Tdeja_lieu::CancelBtnClick);
}

void Tdeja_lieu::remplit(const QString &team1, const QString &team2)
{
    equipe1->setText(team1);
    equipe2->setText(team2);
}

void Tdeja_lieu::OKBtnClick()
{
    hide();
}

void Tdeja_lieu::CancelBtnClick()
{
    hide();
}
