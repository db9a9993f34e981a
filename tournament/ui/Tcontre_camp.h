#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class TForm1;

// "Caution !": fewer scorer lines than goals. OK takes the entry on to the
// confirm dialog; the missing goals are credited to nobody.
class Tcontre_camp : public QDialog
{
    Q_OBJECT
public:
    explicit Tcontre_camp(TForm1 &main);

    QLabel *penalty; // the penalty-kick line, shown in stage-2 entry only
    QPushButton *OKBtn, *CancelBtn;

    void OKBtnClick();
    void CancelBtnClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    TForm1 &m_main;
};
