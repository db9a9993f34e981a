#pragma once

#include <QDialog>

class QPushButton;
class TForm1;

// "Error !": a knock-out match cannot end level; asks for the score after penalty kicks.
class Tmatch_nul : public QDialog
{
    Q_OBJECT
public:
    explicit Tmatch_nul(TForm1 &main);

    QPushButton *OKBtn;

    void OKBtnClick();
};
