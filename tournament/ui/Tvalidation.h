#pragma once

#include <QDialog>

#include "tournament/group/ResultEntry.h"

class QLabel;
class QPushButton;
class TForm1;

// "Confirm score": shows the entry about to be recorded; OK records it as a
// group or a stage-2 match, depending on the stage.
class Tvalidation : public QDialog
{
    Q_OBJECT
public:
    explicit Tvalidation(TForm1 &main);

    // Fills the texts from the entry page's values.
    void remplit(const ResultEntry &entry);

    QLabel *Label1, *groupe, *equipe1, *equipe2, *score1, *score2, *Label4;
    QPushButton *OKBtn, *CancelBtn;

    void OKBtnClick();
    void CancelBtnClick();

private:
    TForm1 &m_main;
};
