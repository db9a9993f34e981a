#pragma once

#include <QDialog>

class QPushButton;
class TForm1;

// "Error !": the entry cannot be a result.
class Tsaisie_inco : public QDialog
{
    Q_OBJECT
public:
    explicit Tsaisie_inco(TForm1 &main);

    QPushButton *OKBtn;

    void OKBtnClick();
};
