#pragma once

#include <array>

#include <QDialog>

class QLabel;
class QPushButton;
class QTimer;
class TForm1;

// "We are the champion...": the champion's name and flag, blinking.
class Tchampion_du_monde : public QDialog
{
    Q_OBJECT
public:
    explicit Tchampion_du_monde(TForm1 &main);

    QLabel *nom, *fond;
    std::array<QLabel *, 4> words{}; // "The 1998", "World", "Champion", "is"
    QLabel *title;                   // a tournament of another format: "The World Cup 2026 champion is"

    // Names the tournament ("The World Cup 2026 champion is", from its
    // format); an empty line keeps the four words of the classic tournament.
    void setTitleLine(const QString &line);
    std::array<QLabel *, 13> images{};
    QPushButton *OK;
    QTimer *Timerchampion;
    bool lit = true; // blink state: the next tick shows the flags

    void TimerchampionTimer();
    void OKClick();

protected:
    void showEvent(QShowEvent *event) override;
    void reject() override;

private:
    TForm1 &m_main;
};
