#include "tournament/ui/Tdeja_lieu.h"

#include <QLabel>
#include <QPushButton>

#include "tournament/ui/Look.h"

using Look::make;

Tdeja_lieu::Tdeja_lieu(TForm1 &main)
{
    Look::prepareDialog(this, main, "deja_lieu", QStringLiteral("Error !"), 440, 180);
    Look::mascot(this, main, 12, 20);
    make<QLabel>(this, "Label1", 90, 12, 340, 24, QStringLiteral("The match"));
    equipe1 = make<QLabel>(this, "equipe1", 90, 44, 160, 24);
    equipe1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    make<QLabel>(this, "Label2", 250, 44, 20, 24, QStringLiteral("-"))->setAlignment(Qt::AlignCenter);
    equipe2 = make<QLabel>(this, "equipe2", 270, 44, 160, 24);
    make<QLabel>(this, "Label3", 90, 76, 340, 24, QStringLiteral("is already recorded."));
    Look::plainNameLabel(equipe1);
    Look::plainNameLabel(equipe2);
    OKBtn = make<QPushButton>(this, "OKBtn", 120, 130, 90, 30, QStringLiteral("OK"));
    CancelBtn = make<QPushButton>(this, "CancelBtn", 230, 130, 90, 30, QStringLiteral("Cancel"));

    connect(OKBtn, &QPushButton::clicked, this, &Tdeja_lieu::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &Tdeja_lieu::CancelBtnClick);
}

void Tdeja_lieu::fill(const QString &team1, const QString &team2)
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
