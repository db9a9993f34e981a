#pragma once

#include <array>

#include <QWidget>

#include "tournament/ui/ClassicBracket.h"

class QLabel;
class QPushButton;
class QScrollArea;
class TForm1;

// The knock-out window: the bracket as flags, a button for each match that can
// be played now. The bracket is derived again each time the window is shown.
class TForm2 : public QWidget
{
    Q_OBJECT
public:
    explicit TForm2(TForm1 &main);

    // Shows the window, or repeats the showing actions when it is already shown.
    void showMain();
    // The drawing of the bracket, and its parts as the window's own.
    ClassicBracket *const tableau;
    std::array<QLabel *, 16> &qualifies;      // ImA1, imA2, imB1 ... imH2
    std::array<QLabel *, 8> &quarts;          // im1 .. im8
    std::array<QLabel *, 4> &demis;           // imA .. imD
    std::array<QLabel *, 2> &finalistes;      // imF, imG
    std::array<QLabel *, 2> &petite_finale;   // imT, ImU
    std::array<QPushButton *, 16> &buttons;   // in stage-2 code order
    std::array<QLabel *, 16> &scores;         // score_match1 ...: the stored score beside each button
    QLabel *&imChampion, *&championName;      // the champion in the middle after the final
    // The button of a stage-2 code ('1'..'8', 'A'..'D', 'F', 'G', 'Y', 'Z').
    QPushButton *bouton(char code) const { return tableau->bouton(code); }
    // The name under a flag ("nomA1" under "imA1"), and the score of a match.
    QLabel *nom(const QLabel *image) const { return tableau->nom(image); }
    QLabel *score(char code) const { return tableau->score(code); }
    QScrollArea *defilement; // holds the bracket, which scrolls in a small window
    QLabel *avert;
    QPushButton *bouton_bilan, *Retour;
    QPushButton *efface_tour2; // "Delete last match"

    void openMatchEntry(char code);
    void bouton_bilanClick();
    void efface_tour2Click();
    void RetourClick();

signals:
    // A match was opened: the entry page is to take these two teams.
    void openMatch(const QString &team1, const QString &team2);

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void formShow();

    TForm1 &m_main;
    bool m_back = false;
};
