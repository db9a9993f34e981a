#include "league/ui/TfrmExpBMP.h"

#include "league/ui/FormUtil.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

TfrmExpBMP::TfrmExpBMP(const UiPlatform &platform, QWidget *parent) : QDialog(parent), m_platform(platform)
{
    setObjectName(QStringLiteral("frmExpBMP"));
    setWindowTitle(QStringLiteral("Fieberkurve exportieren"));
    FormUtil::makeFixedDialog(this, 325, 233);
    setModal(true);

    auto *box = new QGroupBox(QStringLiteral("Wessen Fieberkurve möchten Sie exportieren?"), this);
    box->setObjectName(QStringLiteral("gbWer"));
    box->setGeometry(0, 0, 325, 205);
    for (int n = 1; n <= League::kTeams; ++n) {
        bb[n] = new QRadioButton(box);
        bb[n]->setObjectName(QStringLiteral("bb%1").arg(n));
        const int column = n <= 9 ? 0 : 1;
        const int line = (n - 1) % 9;
        bb[n]->setGeometry(column == 0 ? 8 : 168, 20 + 20 * line, 149, 17);
    }
    bb[1]->setChecked(true);

    auto button = [this](const char *name, const QString &text, const QRect &r) {
        auto *b = new QPushButton(text, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setGeometry(r);
        b->setAutoDefault(false);
        return b;
    };
    QPushButton *hilfe = button("bbHilfe", QStringLiteral("Hilfe"), QRect(0, 204, 107, 29));
    QPushButton *back = button("bbAbbr", QStringLiteral("Zurück"), QRect(106, 204, 110, 29));
    QPushButton *next = button("bbOK", QStringLiteral("Weiter"), QRect(215, 204, 110, 29));
    next->setDefault(true);
    connect(hilfe, &QPushButton::clicked, this, [this] { m_platform.help->showContext(this, 7); });
    connect(back, &QPushButton::clicked, this, &QDialog::reject);
    connect(next, &QPushButton::clicked, this, &QDialog::accept);
}

void TfrmExpBMP::setTeamNames(const League &league)
{
    for (int n = 1; n <= League::kTeams; ++n)
        bb[n]->setText(FormUtil::buttonCaption(league.teamNames[n]));
}

int TfrmExpBMP::selectedTeam() const
{
    for (int n = 1; n <= League::kTeams; ++n)
        if (bb[n]->isChecked())
            return n;
    return 1;
}

void TfrmExpBMP::selectTeam(int team)
{
    if (team >= 1 && team <= League::kTeams)
        bb[team]->setChecked(true);
}
