#pragma once

#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;
class TForm1;

// "Balance sheet": the first four teams and the best scorers.
class Tbilans : public QDialog
{
    Q_OBJECT
public:
    explicit Tbilans(TForm1 &main);

    QLabel *premier, *second, *troisieme, *quatrieme, *fond;
    QListWidget *buteurs;
    QPushButton *Button1;

    void Button1Click();

protected:
    void showEvent(QShowEvent *event) override;
    void reject() override;

private:
    TForm1 &m_main;
};
