#pragma once

#include <QDialog>

class QPushButton;
class TForm1;

// "Exit ?": offers to save the changes before the program ends. Closing it by
// the title bar or Escape cancels the exit and brings the main window back.
class TQuitterdlg : public QDialog
{
    Q_OBJECT
public:
    explicit TQuitterdlg(TForm1 &main);

    QPushButton *Oui, *Non;

    void OuiClick();
    void NonClick();
    void cancelled();

protected:
    void closeEvent(QCloseEvent *event) override;
    void reject() override;

private:
    TForm1 &m_main;
};
