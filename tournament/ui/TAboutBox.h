#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class TForm1;

// "Welcome !": covers the first seconds after start. Its title bar cannot close it.
class TAboutBox : public QDialog
{
    Q_OBJECT
public:
    explicit TAboutBox(TForm1 &main);

    QLabel *ProgramIcon;
    QPushButton *OKButton;

    void OKButtonClick();

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    TForm1 &m_main;
};
