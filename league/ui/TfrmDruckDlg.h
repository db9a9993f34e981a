#pragma once

#include "league/model/League.h"
#include "league/print/PrintJobs.h"
#include "league/ui/PlatformSeams.h"

#include <QDialog>
#include <array>

class League;
class QCheckBox;
class QFrame;
class QProgressBar;
class QPushButton;
class QSpinBox;
class TfrmDruck;
class TPageWriter;
struct RowBandColors;

// The print selection dialog "Druckauswahl" and the print command behind
// it: choose tables, cross table, matchdays and curves, build every page
// into the preview's writer and open the preview.
class TfrmDruckDlg : public QDialog {
    Q_OBJECT

public:
    // rowBandColor is read when the pages are built, so the printed league
    // table takes the colours the table window left last. progBar may be
    // null; it is shown while the pages are built.
    TfrmDruckDlg(League &league, const RowBandColors &rowBandColor, TPageWriter &prn, TfrmDruck &preview,
                 const UiPlatform &platform, QWidget *parent = nullptr);

    void setProgressBar(QProgressBar *bar) { m_progBar = bar; }

    // The main window's print command: reset and show the dialog, and on
    // "Weiter" build the document and open the preview. Returns true when
    // the preview was opened.
    bool mnuDruckClick();

    // Step 1 of the command on its own: the boxes as the dialog opens.
    void resetChoices();
    // The boxes as they stand now.
    PrintSelection selection() const;
    // Builds the document for `selection` into the writer, with the progress
    // bar, without opening the preview.
    void buildDocument(const PrintSelection &selection);

    decltype(LeaguePrintJobs::printFlags) printFlags{};
    int filledRounds = 0;

    QCheckBox *CheckBox35 = nullptr; // tables
    QCheckBox *CheckBox36 = nullptr; // cross table
    QSpinBox *seTabST = nullptr;     // the tables after this matchday
    // Matchdays 1..34 are CheckBox1..CheckBox34 and team slots 1..18
    // CheckBox37..CheckBox54, as they always were; the boxes of a larger
    // league (chkST35.., chkTeam19..) are made when a league needs them.
    std::array<QCheckBox *, League::kMaxRounds + 1> roundBoxes{};
    std::array<QCheckBox *, League::kMaxTeams + 1> teamBoxes{};
    QFrame *panST = nullptr;
    QFrame *panKurve = nullptr;
    QPushButton *SpeedButton1 = nullptr; // all matchdays
    QPushButton *SpeedButton3 = nullptr; // no matchday
    QPushButton *SpeedButton2 = nullptr; // invert matchdays
    QPushButton *SpeedButton5 = nullptr; // all teams
    QPushButton *SpeedButton4 = nullptr; // no team
    QPushButton *SpeedButton6 = nullptr; // invert teams
    QPushButton *bbOK = nullptr;
    QPushButton *bbAbbr = nullptr;
    QPushButton *bbHilfe = nullptr;

    void SpeedButton1Click();
    void SpeedButton3Click();
    void SpeedButton2Click();
    void SpeedButton5Click();
    void SpeedButton4Click();
    void SpeedButton6Click();
    void bbHilfeClick();

private:
    // Makes the boxes up to the league's shape and shows exactly those.
    void followShape();
    QWidget *m_roundArea = nullptr;
    QWidget *m_teamArea = nullptr;

    League &m_league;
    const RowBandColors &m_bands;
    TPageWriter &m_prn;
    TfrmDruck &m_preview;
    UiPlatform m_platform;
    QProgressBar *m_progBar = nullptr;
};
