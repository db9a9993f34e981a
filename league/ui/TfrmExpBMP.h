#pragma once

#include "league/model/League.h"
#include "league/ui/PlatformSeams.h"

#include <QDialog>
#include <array>

class QRadioButton;

// "Fieberkurve exportieren": picks the team whose curve becomes a picture.
// Button N stands for team slot N, one button for each team of the league;
// the last choice stays selected while its team is still in the league.
class TfrmExpBMP : public QDialog {
    Q_OBJECT

public:
    TfrmExpBMP(const UiPlatform &platform, QWidget *parent = nullptr);

    // One button for each team of the league, captioned with its name;
    // empty names give buttons without a caption that can still be chosen.
    void setTeamNames(const League &league);
    int selectedTeam() const;
    void selectTeam(int team);

private:
    UiPlatform m_platform;
    void layOut(int teams);

    std::array<QRadioButton *, League::kMaxTeams + 1> bb{};
    class QGroupBox *m_box = nullptr;
    class QPushButton *m_buttons[3] = {};
    int m_teams = 0;
};
