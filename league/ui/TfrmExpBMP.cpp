#include "league/ui/TfrmExpBMP.h"

#include "league/ui/FormUtil.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

TfrmExpBMP::TfrmExpBMP(const UiPlatform &platform, QWidget *parent) : QDialog(parent), m_platform(platform)
{
    setObjectName(QStringLiteral("frmExpBMP"));
    setWindowTitle(QStringLiteral("Fieberkurve exportieren"));
    FormUtil::makeFixedDialog(this, 325, 233);
    setModal(true);

    m_box = new QGroupBox(QStringLiteral("Wessen Fieberkurve möchten Sie exportieren?"), this);
    m_box->setObjectName(QStringLiteral("gbWer"));
    for (int n = 1; n <= League::kMaxTeams; ++n) {
        bb[n] = new QRadioButton(m_box);
        bb[n]->setObjectName(QStringLiteral("bb%1").arg(n));
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
    m_buttons[0] = hilfe;
    m_buttons[1] = back;
    m_buttons[2] = next;
    layOut(League::kTeams);
    connect(hilfe, &QPushButton::clicked, this, [this] { m_platform.help->showContext(this, 7); });
    connect(back, &QPushButton::clicked, this, &QDialog::reject);
    connect(next, &QPushButton::clicked, this, &QDialog::accept);
}

void TfrmExpBMP::layOut(int teams)
{
    if (teams == m_teams)
        return;
    m_teams = teams;
    // Two columns, the first slots on the left; the 18 teams of a classic
    // league stand nine to a column. A league of more teams makes the
    // columns longer and the dialog taller, a smaller one leaves the
    // dialog as it is with the buttons at the top of its columns.
    const int perColumn = std::max((teams + 1) / 2, 1);
    for (int n = 1; n <= League::kMaxTeams; ++n) {
        const int column = (n - 1) / perColumn;
        const int line = (n - 1) % perColumn;
        bb[n]->setGeometry(column == 0 ? 8 : 168, 20 + 20 * line, 149, 17);
        bb[n]->setVisible(n <= teams);
    }
    const int extra = 20 * std::max(perColumn - League::kRows, 0);
    m_box->setGeometry(0, 0, 325, 205 + extra);
    m_buttons[0]->setGeometry(0, 204 + extra, 107, 29);
    m_buttons[1]->setGeometry(106, 204 + extra, 110, 29);
    m_buttons[2]->setGeometry(215, 204 + extra, 110, 29);
    setFixedSize(325, 233 + extra);
}

void TfrmExpBMP::setTeamNames(const League &league)
{
    layOut(league.teamCount);
    for (int n = 1; n <= league.teamCount; ++n)
        bb[n]->setText(FormUtil::buttonCaption(league.teamNames[n]));
    // A choice whose slot left the league falls back to the first team.
    if (selectedTeam() > league.teamCount)
        bb[1]->setChecked(true);
}

int TfrmExpBMP::selectedTeam() const
{
    for (int n = 1; n <= League::kMaxTeams; ++n)
        if (bb[n]->isChecked())
            return n;
    return 1;
}

void TfrmExpBMP::selectTeam(int team)
{
    if (team >= 1 && team <= m_teams)
        bb[team]->setChecked(true);
}
