#pragma once

#include "league/model/League.h"
#include "league/model/LeagueOpenData.h"
#include "league/model/ProgramSettings.h"
#include "league/standings/RowBands.h"
#include "league/ui/PlatformSeams.h"

#include <QMainWindow>
#include <functional>
#include <memory>

class QAction;
class QLabel;
class QMenu;
class QProgressBar;
class QStatusBar;
class QToolBar;
class QWidget;

class LeagueExportCommands;
class LeagueFileCommands;
class MatchdayPanel;
class WindowLayoutStore;
class TfrmAbout;
class TfrmEinst;
class TfrmTab;
class TfrmKurve;
class TfrmKreuz;
class TfrmExport;
class TfrmExpBMP;
class TfrmSpielplan;
class TfrmDruck;
class TfrmDruckDlg;
class TPageWriter;

// tabulon's main window: one matchday at a time with its nine match rows,
// the menus and toolbars that reach every other command, and the status
// line. It owns the league and every other window of the program.
class TfrmTN : public QMainWindow {
    Q_OBJECT

public:
    // programDir ends in a separator; args are the command-line arguments
    // without the program name.
    // Complete: every window is finished before the constructor returns.
    // ShowFirst: the other windows are made, and the settings, table,
    // cross-table and curve windows finish their controls, right after the
    // main window is first painted, so the program's window appears sooner;
    // no input is read before that. Asking for a window makes it at once.
    enum class StartMode { Complete, ShowFirst };

    TfrmTN(const UiPlatform &platform, const QString &programDir, const QStringList &args,
           QWidget *parent = nullptr, StartMode startMode = StartMode::Complete);
    ~TfrmTN() override;

    League &league() { return m_league; }
    const League &league() const { return m_league; }
    const UiPlatform &platform() const { return m_platform; }
    // The table view's band colours as its last fill left them; the printed
    // league table and the exports colour their rows from them.
    const RowBandColors &rowBandColor();
    QString settingsFile() const;

    // The print windows are null without a printer.
    TfrmAbout *frmAbout() { finishStart(); return m_frmAbout; }
    TfrmEinst *frmEinst() { finishStart(); return m_frmEinst; }
    TfrmTab *frmTab() { finishStart(); return m_frmTab; }
    TfrmKurve *frmKurve() { finishStart(); return m_frmKurve; }
    TfrmKreuz *frmKreuz() { finishStart(); return m_frmKreuz; }
    TfrmExport *frmExport() { finishStart(); return m_frmExport; }
    TfrmExpBMP *frmExpBMP() { finishStart(); return m_frmExpBMP; }
    TfrmDruck *frmDruck() { finishStart(); return m_frmDruck; }
    TfrmDruckDlg *frmDruckDlg() { finishStart(); return m_frmDruckDlg; }
    // Made on first use: the fixture list is rarely drawn.
    TfrmSpielplan *frmSpielplan();

    FileDialogState &dlgOpen();
    FileDialogState &dlgSave();
    FileDialogState &dlgHtml();
    FileDialogState &dlgBMP();

    // Display routines; both leave leagueSaved as it was.
    void UpdateST();
    void UpdateCBO();
    void NeuSet();
    void ErsterST();
    void TitelLeiste();

    // Menu and toolbar handlers. Each one is a complete command: a failure
    // ends it with the runtime's message and the program keeps running.
    void mnuNeuClick();
    void mnuOeffnenClick();
    void mnuSpeichernClick();
    void mnuUnterClick();
    void mnuExportClick();
    void mnuDruckClick();
    void mnuEndeClick();
    void mnuRClick();
    void mnuVClick();
    void mnuAClick();
    void mnuSBClick();
    void mnuTBStdClick();
    void mnuTBHlpClick();
    void mnuTBNavClick();
    void mnuTBLgaClick();
    void mnuAStatusClick();
    void mnuEinstClick();
    void mnuSpielplanClick();
    void mnuKreuzClick();
    void mnuTabClick();
    void mnuHeimClick();
    void mnuAusClick();
    void mnuKurveClick();
    void mnuHilfeClick();
    void mnuHInxClick();
    void mnuHUseClick();
    void mnuHPClick();
    void mnuHLPClick();
    void mnuEMClick();
    void mnuInfoClick();
    // The entries of the files last used in "Datei".
    void mnuZuletzt1Click();
    void mnuZuletzt2Click();
    void mnuZuletzt3Click();
    void mnuZuletzt4Click();

    // Addresses the three link commands hand to the desktop.
    static QUrl authorHomepage();
    static QUrl programHomepage();
    static QUrl authorMail();

signals:
    // The exit went ahead: the league was saved or given up, and the
    // settings file was written.
    void exited();

protected:
    void showEvent(QShowEvent *event) override;
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    // Shows as many rows and lists as many teams as the league has, and
    // lets the table window know its size; cheap when nothing changed.
    void syncShape();
    // Left and Right between the main menu bar and the "?" bar at its end;
    // true when the key was taken.
    bool crossMenuBars(QObject *watched, int key);

private:
    // The menu items and toolbar buttons, one row each.
    struct ActionTable;

    void buildPanel();
    void buildActions();
    void buildMenus();
    void buildToolbars();
    void buildStatusLine();
    void connectAll();

    void FormShow();
    // Makes the other windows and finishes the controls of those built on
    // use, unless that happened already: what ShowFirst leaves until after
    // the first paint. Made after the first showing, the windows go where
    // the settings file puts them, measured as they will show.
    void finishStart();
    void finishHiddenWindows();
    bool FormClose();
    void createWindows();
    LeagueExportCommands &exports() { finishStart(); return *m_exports; }

    // Runs one command and turns a LeagueError into its message box.
    bool guarded(const std::function<void()> &command);

    void showTables(int view);
    // After another league was read: title, first matchday, lists and rows.
    void showLoadedLeague();
    // "&1 name.T98" and so on for each file last used; hidden when none.
    void showRecentFiles();
    void openRecent(int index);

    // The windows in the order of the settings file's sections.
    QList<QWidget *> settingsWindows() const;

    UiPlatform m_platform;
    League m_league;
    bool m_shownOnce = false;
    StartMode m_startMode = StartMode::Complete;
    bool m_startQueued = false;
    bool m_started = false;
    bool m_closing = false;

    // The current matchday's caption, dates and match rows.
    MatchdayPanel *m_panel = nullptr;
    std::unique_ptr<LeagueFileCommands> m_files;
    std::unique_ptr<LeagueExportCommands> m_exports;
    std::unique_ptr<WindowLayoutStore> m_layout;
    QLabel *m_footer = nullptr;

    QStatusBar *panStatus = nullptr;
    QProgressBar *progBar = nullptr;

    QToolBar *tbStd = nullptr;
    QToolBar *tbHlp = nullptr;
    QToolBar *tbNav = nullptr;
    QToolBar *tbLga = nullptr;
    QLabel *sbST = nullptr;

    QMenu *popST = nullptr;
    QMenu *popTB = nullptr;
    QMenu *m_menuA = nullptr;
    QMenu *m_menuSB = nullptr;
    QMenu *m_menuDatei = nullptr;
    QMenu *m_menuLiga = nullptr;
    QMenu *m_menuHlp = nullptr;
    class QMenuBar *m_menuBarRight = nullptr;

    // menu items
    QAction *mnuNeu = nullptr, *mnuOeffnen = nullptr, *mnuSpeichern = nullptr, *mnuUnter = nullptr,
            *mnuExport = nullptr, *mnuDruck = nullptr, *mnuEnde = nullptr, *mnuR = nullptr,
            *mnuV = nullptr, *mnuTBStd = nullptr, *mnuTBHlp = nullptr, *mnuTBNav = nullptr,
            *mnuTBLga = nullptr, *mnuAStatus = nullptr, *mnuEinst = nullptr, *mnuSpielplan = nullptr,
            *mnuKreuz = nullptr,
            *mnuTab = nullptr, *mnuHeim = nullptr, *mnuAus = nullptr, *mnuKurve = nullptr,
            *mnuHilfe = nullptr, *mnuHInx = nullptr, *mnuHUse = nullptr, *mnuHP = nullptr,
            *mnuHLP = nullptr, *mnuEM = nullptr, *mnuInfo = nullptr, *mnuZuletzt1 = nullptr,
            *mnuZuletzt2 = nullptr, *mnuZuletzt3 = nullptr, *mnuZuletzt4 = nullptr;
    // Closes the list of files last used off from "Beenden".
    QAction *m_recentSeparator = nullptr;
    // popup items of popST
    QAction *popSTR = nullptr, *popSTV = nullptr;
    // toolbar buttons (same handlers, own hints)
    QAction *tbNeu = nullptr, *tbOeffnen = nullptr, *tbSpeichern = nullptr, *tbExport = nullptr,
            *tbDruck = nullptr, *tbHilfe = nullptr, *tbInfo = nullptr, *tbR = nullptr, *tbV = nullptr,
            *tbEinst = nullptr, *tbKreuz = nullptr, *tbTab = nullptr, *tbKurve = nullptr;

    // the other windows, made in this order
    TfrmAbout *m_frmAbout = nullptr;
    TfrmEinst *m_frmEinst = nullptr;
    TfrmTab *m_frmTab = nullptr;
    TfrmKurve *m_frmKurve = nullptr;
    TfrmDruck *m_frmDruck = nullptr;
    TfrmDruckDlg *m_frmDruckDlg = nullptr;
    // The page store the print command fills and the preview shows.
    std::unique_ptr<TPageWriter> m_prn;
    TfrmKreuz *m_frmKreuz = nullptr;
    TfrmExport *m_frmExport = nullptr;
    TfrmExpBMP *m_frmExpBMP = nullptr;
    TfrmSpielplan *m_frmSpielplan = nullptr;
};
