#include "league/ui/TfrmExport.h"

#include "league/ui/FormUtil.h"

#include <QGroupBox>
#include <QPushButton>

TfrmExport::TfrmExport(const UiPlatform &platform, QWidget *parent) : QDialog(parent), m_platform(platform)
{
    setObjectName(QStringLiteral("frmExport"));
    setWindowTitle(QStringLiteral("Liga exportieren"));
    FormUtil::makeFixedDialog(this, 161, 193);
    setModal(true);

    auto *box = new QGroupBox(QStringLiteral("Was möchten Sie exportieren?"), this);
    box->setObjectName(QStringLiteral("gbWas"));
    box->setGeometry(0, 0, 161, 165);

    struct Choice {
        const char *name;
        const char *caption;
        int result;
    };
    const Choice choices[] = {{"bbOK", "Tabelle und Bilanzen", kTables},
                              {"BitBtn3", "Kreuztabelle", kCross},
                              {"BitBtn4", "Spieltage", kMatchdays},
                              {"BitBtn2", "Fieberkurve", kCurve},
                              {"bbKalender", "Spielplan als Kalender", kCalendar}};
    int y = 16;
    for (const Choice &c : choices) {
        auto *b = new QPushButton(QString::fromUtf8(c.caption), box);
        b->setObjectName(QString::fromLatin1(c.name));
        b->setGeometry(9, y, 144, 29);
        b->setAutoDefault(false);
        const int result = c.result;
        connect(b, &QPushButton::clicked, this, [this, result] { done(result); });
        y += 28;
    }

    auto *hilfe = new QPushButton(QStringLiteral("Hilfe"), this);
    hilfe->setObjectName(QStringLiteral("bbHilfe"));
    hilfe->setGeometry(0, 164, 81, 29);
    hilfe->setAutoDefault(false);
    auto *back = new QPushButton(QStringLiteral("Zurück"), this);
    back->setObjectName(QStringLiteral("bbAbbr"));
    back->setGeometry(80, 164, 81, 29);
    back->setAutoDefault(false);
    connect(hilfe, &QPushButton::clicked, this, [this] { m_platform.help->showContext(this, 7); });
    connect(back, &QPushButton::clicked, this, [this] { done(kBack); });
}
