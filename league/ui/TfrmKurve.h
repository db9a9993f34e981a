#pragma once

#include "league/standings/FeverCurve.h"
#include "league/ui/PlatformSeams.h"

#include <QDialog>
#include <QImage>

class QComboBox;
class QLabel;
class QPushButton;
class League;

// The fever-curve window: a team list and the 465 x 300 chart of the
// chosen team's table position after every matchday. The picture export
// and the printed curves draw through this window as well.
class TfrmKurve : public QDialog {
    Q_OBJECT

public:
    TfrmKurve(const UiPlatform &platform, const League &league, QWidget *parent = nullptr);

    // What opening the window does: the empty chart and a fresh team list
    // with "---" selected.
    void prepare();
    // Draws the empty chart.
    void Grafik();
    // Computes the positions of the selected team and draws chart and curve.
    void KurveBer();
    // Selects team slot `team` (0 = "---") for KurveBer, with the list
    // holding the league's current names.
    void selectTeam(int team);
    // The team whose curve is drawn in red beside the first (0 = none).
    void selectSecondTeam(int team);
    int secondTeam() const;

    const CurvePositions &curvePos() const { return m_curvePos; }
    const QImage &picture() const;

    void setVisible(bool visible) override;

private:
    void fillList();
    void showPicture();

    UiPlatform m_platform;
    const League &m_league;
    CurvePositions m_curvePos{};
    QImage m_picture;
    QComboBox *cboTeam = nullptr;
    QComboBox *cboTeam2 = nullptr;
    QLabel *imgGraf = nullptr;
    QPushButton *m_hilfe = nullptr;
    QPushButton *m_ok = nullptr;
};
