#include "tournament/ui/Tcontre_camp.h"

#include <QLabel>
#include <QPushButton>

#include "tournament/ui/Look.h"
#include "tournament/ui/TForm1.h"
#include "tournament/ui/Tvalidation.h"

using Look::make;

Tcontre_camp::Tcontre_camp(TForm1 &main) : m_main(main)
{
    Look::prepareDialog(this, main, "contre_camp", QStringLiteral("Caution !"), 470, 290);
    Look::mascot(this, main, 12, 20);
    const char *lines[] = {"You've not specified as many scorers ", "as goal scored !",
                           "It means that one scored in his own goal",
                           "or that the match ended with penalty kicks.", "Click OK if it's the case.",
                           "Click cancel if you made a mistake."};
    for (int i = 0; i < 6; ++i) {
        auto *label = make<QLabel>(this, "", 90, 12 + 24 * i, 370, 24, QString::fromLatin1(lines[i]));
        label->setObjectName(QStringLiteral("Label%1").arg(i + 1));
        if (i == 3) {
            label->setObjectName(QStringLiteral("penalty"));
            penalty = label;
        }
    }
    auto *nb1 = make<QLabel>(this, "Label7", 90, 162, 370, 18,
                             QStringLiteral("NB : if the player who scored is not in the list"));
    auto *nb2 = make<QLabel>(this, "Label8", 90, 180, 370, 18, QStringLiteral("add him in \"Edit Team\"."));
    for (QLabel *small : {nb1, nb2})
        Look::setBoldFont(small, 10);
    OKBtn = make<QPushButton>(this, "OKBtn", 140, 240, 90, 30, QStringLiteral("OK"));
    CancelBtn = make<QPushButton>(this, "CancelBtn", 250, 240, 90, 30, QStringLiteral("Cancel"));

    connect(OKBtn, &QPushButton::clicked, this, &Tcontre_camp::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &Tcontre_camp::CancelBtnClick);
}

void Tcontre_camp::showEvent(QShowEvent *event)
{
    penalty->setVisible(m_main.tournament().phase2);
    QDialog::showEvent(event);
}

void Tcontre_camp::OKBtnClick()
{
    Tvalidation &confirm = *m_main.dialogs().validation();
    confirm.fill(m_main.saisie());
    hide();
    confirm.show();
    confirm.raise();
}

void Tcontre_camp::CancelBtnClick()
{
    hide();
}
