#pragma once

#include "league/ui/PlatformSeams.h"

#include <QDialog>

#include <cstdint>

class League;
class QCheckBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

// "Spielplan erstellen": draws the fixture list of the open league from a
// seed the user sees and can type again, optionally with the dates of every
// matchday, and puts it into the league. The seed stays from one use to the
// next, so a draw can be repeated until another one is drawn.
class TfrmSpielplan : public QDialog {
    Q_OBJECT

public:
    // The help context of the fixture list page.
    static constexpr int kHelpContext = 9;

    TfrmSpielplan(const UiPlatform &platform, QWidget *parent = nullptr);

    // The whole command: shows the dialog for the league's shape, asks
    // before matchdays that hold pairings or results are touched (those
    // with results keep them), and writes the list. True when the league
    // was changed; its saved state and the main window are the caller's.
    bool run(League &league);

    std::uint32_t seed() const;

private:
    void fillFrom(const League &league);
    void btnLosClick();
    void chkTermineClick();
    void ChkOK();

    UiPlatform m_platform;
    QLabel *lblLiga = nullptr;
    QLineEdit *edtSeed = nullptr;
    QPushButton *btnLos = nullptr;
    QCheckBox *chkTermine = nullptr;
    QDateEdit *edtStart = nullptr;
    QSpinBox *spnDays = nullptr;
    QPushButton *btnOK = nullptr;
    QPushButton *btnAbbr = nullptr;
    QPushButton *btnHilfe = nullptr;
    bool m_seedDrawn = false;
};
