#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class TForm1;

// "Error !": the pair of teams has already played the match being entered.
class Tdeja_lieu : public QDialog
{
    Q_OBJECT
public:
    explicit Tdeja_lieu(TForm1 &main);

    void fill(const QString &team1, const QString &team2);

    QLabel *equipe1, *equipe2;
    QPushButton *OKBtn, *CancelBtn;

    void OKBtnClick();
    void CancelBtnClick();
};
