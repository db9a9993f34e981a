#pragma once

#include <QDialog>

#include "tournament/group/DrawingLots.h"

class QLabel;
class QListWidget;
class QPushButton;
class TForm1;

// "Drawing Lots": the user picks, slot after slot, the teams that no rule
// could separate.
class TForm3 : public QDialog
{
    Q_OBJECT
public:
    explicit TForm3(TForm1 &main);

    QLabel *groupe, *position;
    QListWidget *equipes;
    QPushButton *BitBtn1, *Annuler;

    void BitBtn1Click();
    void AnnulerClick();

protected:
    void showEvent(QShowEvent *event) override;
    void reject() override;

private:
    void candidateList();

    TForm1 &m_main;
    QLabel *m_the, *m_known; // the words around `position`
    LotsCandidates m_candidats;
};
