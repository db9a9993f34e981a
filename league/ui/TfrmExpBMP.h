#pragma once

#include "league/model/League.h"
#include "league/ui/PlatformSeams.h"

#include <QDialog>
#include <array>

class QRadioButton;

// "Fieberkurve exportieren": picks the team whose curve becomes a picture.
// Button N stands for team slot N; the last choice stays selected.
class TfrmExpBMP : public QDialog {
    Q_OBJECT

public:
    TfrmExpBMP(const UiPlatform &platform, QWidget *parent = nullptr);

    // Captions of the 18 buttons from the team names; empty names give
    // buttons without a caption that can still be chosen.
    void setTeamNames(const League &league);
    int selectedTeam() const;
    void selectTeam(int team);

private:
    UiPlatform m_platform;
    std::array<QRadioButton *, League::kTeams + 1> bb{};
};
