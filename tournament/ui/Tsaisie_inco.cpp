#include "tournament/ui/Tsaisie_inco.h"

#include <QLabel>
#include <QPushButton>

#include "tournament/ui/Look.h"

using Look::make;

Tsaisie_inco::Tsaisie_inco(TForm1 &main)
{
    Look::prepareDialog(this, main, "saisie_inco", QStringLiteral("Error !"), 400, 140);
    Look::mascot(this, main, 12, 16);
    make<QLabel>(this, "Label1", 90, 30, 300, 24, QStringLiteral("Your entries seem to be wrong !"));
    OKBtn = make<QPushButton>(this, "OKBtn", 155, 94, 90, 30, QStringLiteral("OK"));
    connect(OKBtn, &QPushButton::clicked, this, &Tsaisie_inco::OKBtnClick);
}

void Tsaisie_inco::OKBtnClick()
{
    hide();
}
