#include "tournament/ui/Tmatch_nul.h"

#include <QLabel>
#include <QPushButton>

#include "tournament/ui/Look.h"

using Look::make;

Tmatch_nul::Tmatch_nul(TForm1 &main)
{
    Look::prepareDialog(this, main, "match_nul", QStringLiteral("Error !"), 400, 150);
    Look::mascot(this, main, 12, 16);
    make<QLabel>(this, "Label1", 90, 22, 300, 24, QStringLiteral("Please give me the final score"));
    make<QLabel>(this, "Label2", 90, 48, 300, 24, QStringLiteral("after penalty kicks."));
    // The parts can be given apart beside the score after 90 minutes.
    make<QLabel>(this, "Label3", 90, 74, 300, 24, QStringLiteral("(or the boxes a.e.t. and pen.)"));
    OKBtn = make<QPushButton>(this, "OKBtn", 155, 104, 90, 30, QStringLiteral("OK"));
    connect(OKBtn, &QPushButton::clicked, this, &Tmatch_nul::OKBtnClick);
}

void Tmatch_nul::OKBtnClick()
{
    hide();
}
