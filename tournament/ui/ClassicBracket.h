#pragma once

#include <array>

#include <QHash>
#include <QSize>
#include <QWidget>

class Platform;
class QLabel;
class QPushButton;
class Tournament;

// The drawing of the knock-out stage: a flag with its team's name for every
// qualifier and winner, a button for every match with its stored score under
// it, the cup of the final and the champion under it. It is laid out for
// kSize and stays in the middle of whatever room it gets.
class ClassicBracket : public QWidget
{
    Q_OBJECT
public:
    static constexpr QSize kSize{1200, 726};

    // Flags are read from folder; one that cannot be read is reported through platform.
    ClassicBracket(const QString &folder, Platform &platform, QWidget *parent);

    // Shows the teams of every slot and the stored scores of the played matches.
    void showTournament(const Tournament &t);

    // The button of a stage-2 code ('1'..'8', 'A'..'D', 'F', 'G', 'Y', 'Z').
    QPushButton *bouton(char code) const;
    // The name under a flag ("nomA1" under "imA1"), and the score of a match.
    QLabel *nom(const QLabel *image) const;
    QLabel *score(char code) const;

    std::array<QLabel *, 16> qualifies{};     // ImA1, imA2, imB1 ... imH2
    std::array<QLabel *, 8> quarts{};         // im1 .. im8
    std::array<QLabel *, 4> demis{};          // imA .. imD
    std::array<QLabel *, 2> finalistes{};     // imF, imG
    std::array<QLabel *, 2> petite_finale{};  // imT, ImU
    std::array<QPushButton *, 16> buttons{};  // in stage-2 code order
    std::array<QLabel *, 16> scores{};        // score_match1 ...: the stored score beside each button
    QLabel *imChampion = nullptr;             // the champion in the middle after the final
    QLabel *championName = nullptr;

private:
    QLabel *makeFlag(const QString &name, int x, int y);
    QLabel *makeScore(char code, int x, int y, int w);
    void centreDrawing();

    const QString m_folder;
    Platform &m_platform;
    QHash<QLabel *, QLabel *> m_names; // flag -> its name
};
