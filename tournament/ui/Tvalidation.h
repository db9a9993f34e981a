#pragma once

#include <QDialog>

#include "tournament/group/ResultEntry.h"

class QLabel;
class QPushButton;
class TForm1;

// "Confirm score": shows the entry about to be recorded; OK records it as a
// group or a stage-2 match, depending on the stage. What OK records is what
// the dialog shows: the entry page is locked while it is open, and a page
// changed all the same is checked and shown again instead of being recorded.
class Tvalidation : public QDialog
{
    Q_OBJECT
public:
    explicit Tvalidation(TForm1 &main);

    // Fills the texts from the entry page's values.
    void fill(const ResultEntry &entry);

    QLabel *Label1, *groupe, *equipe1, *equipe2, *score1, *score2, *Label4;
    QLabel *details; // stage 2: how a match beyond 90 minutes was decided, "2-2 a.e.t. (1-1), 4-3 pen."
    QPushButton *OKBtn, *CancelBtn;

    void OKBtnClick();
    void CancelBtnClick();

signals:
    // OK found the entry page changed since it was shown, or no longer
    // passing the check: the entry is to be checked and shown anew.
    void toReview();

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    TForm1 &m_main;
    ResultEntry m_shown; // the entry the texts show
    char m_code = 0;      // the stage-2 match it was shown for
};
