#pragma once

#include "league/model/League.h"
#include "league/ui/BuiltOnUseDialog.h"
#include "league/ui/PlatformSeams.h"

#include <array>

class QComboBox;
class QLineEdit;
class QPushButton;
class QSpinBox;
class ZoneEditor;

// The league settings dialog: team names, table zones and the start values
// of a season already under way. It works on its own fields; the main
// window fills them from the league and writes them back on "OK".
class TfrmEinst : public BuiltOnUseDialog {
    Q_OBJECT

public:
    TfrmEinst(const UiPlatform &platform, QWidget *parent = nullptr);

    // Fills every field from the league; the change handlers bring the games
    // column and "OK" up to date on the way.
    void fillFrom(const League &league);
    // Writes the fields back and zeroes the start goals of teams without
    // start games; the league takes the dialog's shape first (bbOK is only
    // accepted when the league allows it). firstRound and the main window
    // are the caller's.
    void writeTo(League &league) const;

    void ChkOK();


protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void buildControls() override;
    using Row = std::array<QLineEdit *, League::kMaxTeams + 1>;

    int shownTeams() const;
    void seTeamsChange(int teams);
    void seRoundsChange();
    void bbOKClick();

    void meSSChange(int row);
    void bbHilfeClick();

    UiPlatform m_platform;
    // The zones' places, names and colours.
    ZoneEditor *m_zones = nullptr;
    QLineEdit *edLiga = nullptr;
    QSpinBox *seTeams = nullptr;
    QSpinBox *seRounds = nullptr;
    // The ranking rules: points for a win, and the order of the teams
    // level on points (item i is the league file's Order i + 1).
    QSpinBox *seSieg = nullptr;
    QComboBox *cboReihenfolge = nullptr;
    QWidget *m_table = nullptr;
    class QScrollArea *m_scroll = nullptr;
    class QLabel *lblHinweis = nullptr;
    // The league the fields were filled from, asked whether it can take the
    // new shape when the user confirms.
    const League *m_league = nullptr;
    // Until the user sets the matchdays, they follow the team count's
    // double round robin.
    bool m_roundsChosen = false;
    bool m_filling = false;
    int m_rowsShown = 0;
    QPushButton *bbOK = nullptr;
    QPushButton *bbAbbr = nullptr;
    QPushButton *bbHilfe = nullptr;
    Row edTeam{}, edSp{}, meSS{}, meSU{}, meSN{}, meTorE{}, meTorA{}, meStrP{};
};
