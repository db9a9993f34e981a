#include "tournament/ui/TAboutBox.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "tournament/ui/Look.h"
#include "tournament/ui/TForm1.h"

using Look::make;

TAboutBox::TAboutBox(TForm1 &main) : m_main(main)
{
    // The welcome box is the one window without the program's icon.
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("Welcome !"));
    Look::applyFont(this);
    setFixedSize(320, 230);
    Look::centreOnScreen(this);
    ProgramIcon = make<QLabel>(this, "ProgramIcon", 0, 0, 320, 110);
    ProgramIcon->setScaledContents(true);
    Look::loadPicture(ProgramIcon, main.folder(), QStringLiteral("sigle.bmp"), &main.platform(), this);
    auto *l1 = make<QLabel>(this, "Version", 10, 118, 300, 24, QStringLiteral("Welcome to Trophex 1.1 !"));
    auto *l2 = make<QLabel>(this, "Comments", 10, 144, 300, 24,
                            QStringLiteral("The tournament is being loaded..."));
    for (QLabel *l : {l1, l2})
        l->setAlignment(Qt::AlignCenter);
    OKButton = make<QPushButton>(this, "OKButton", 115, 184, 90, 30, QStringLiteral("OK"));
    connect(OKButton, &QPushButton::clicked, this, &TAboutBox::OKButtonClick);
}

void TAboutBox::OKButtonClick()
{
    hide();
    m_main.show();
    m_main.setEnabled(true);
}

void TAboutBox::closeEvent(QCloseEvent *event)
{
    event->ignore();
}

void TAboutBox::keyPressEvent(QKeyEvent *event)
{
    // Escape would close the box like its title bar; only OK does.
    if (event->key() == Qt::Key_Escape)
        return;
    QDialog::keyPressEvent(event);
}
