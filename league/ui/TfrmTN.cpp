#include "league/ui/TfrmTN.h"

#include "league/model/LeagueError.h"
#include "league/model/LeagueFile.h"
#include "league/model/LeagueOpen.h"
#include "league/model/ProgramSettings.h"
#include "league/print/TPageWriter.h"
#include "league/ui/FormUtil.h"
#include "league/ui/LeagueExportCommands.h"
#include "league/ui/LeagueFileCommands.h"
#include "league/ui/MatchdayPanel.h"
#include "league/ui/TfrmAbout.h"
#include "league/ui/TfrmDruck.h"
#include "league/ui/TfrmDruckDlg.h"
#include "league/ui/TfrmEinst.h"
#include "league/ui/TfrmExpBMP.h"
#include "league/ui/TfrmExport.h"
#include "league/ui/TfrmKreuz.h"
#include "league/ui/TfrmKurve.h"
#include "league/ui/TfrmSpielplan.h"
#include "league/ui/TfrmTab.h"
#include "league/ui/ToolGlyphs.h"
#include "league/ui/WindowLayoutStore.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

TfrmTN::TfrmTN(const UiPlatform &platform, const QString &programDir, const QStringList &args,
               QWidget *parent, StartMode startMode)
    : QMainWindow(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                              | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      m_platform(platform)
{
    m_startMode = startMode;
    installFontSubstitutions();
    setObjectName(QStringLiteral("frmTN"));
    setFont(QFont(QStringLiteral("MS Sans Serif"), 8));

    buildPanel();
    buildActions();
    buildMenus();
    buildToolbars();
    buildStatusLine();
    connectAll();
    // The window keeps its size; it only grows or shrinks with the toolbar
    // row and the status line.
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    // FormCreate
    QString dir = programDir;
    if (!dir.isEmpty() && !dir.endsWith(QLatin1Char('/')))
        dir += QLatin1Char('/');
    m_league.programDir = dir;
    m_layout = std::make_unique<WindowLayoutStore>(ProgramSettings::filePath(dir), this, panStatus,
                                                   QList<QToolBar *>{tbStd, tbHlp, tbNav, tbLga}, m_platform);
    m_files = std::make_unique<LeagueFileCommands>(
        m_league, m_platform, this,
        LeagueFileCommands::Display{[this] { TitelLeiste(); }, [this] { showLoadedLeague(); },
                                    [this] { showRecentFiles(); }});
    m_files->setRecentFiles(m_layout->readRecentFiles());
    guarded([this] {
        NeuSet();
        TitelLeiste();
    });
    if (!args.isEmpty() && !args.constFirst().isEmpty()) {
        guarded([&] {
            m_league.leagueFileName = commandLineLeagueFile(args.constFirst(), m_league.programDir);
            m_files->OpenDatei();
        });
    }
    // The print command needs a printer; without one it stays disabled.
    mnuDruck->setEnabled(m_platform.printer != nullptr);
    tbDruck->setEnabled(m_platform.printer != nullptr);
    if (m_startMode == StartMode::Complete)
        finishStart();
}

TfrmTN::~TfrmTN()
{
    // The print windows hold the page store, which goes before the children.
    delete m_frmDruckDlg;
    delete m_frmDruck;
}

void TfrmTN::createWindows()
{
    // Same order as the program always created them; only the main window is
    // shown, the others wait hidden for their commands and keep their state.
    m_frmAbout = new TfrmAbout(this);
    m_frmEinst = new TfrmEinst(m_platform, this);
    m_frmTab = new TfrmTab(m_platform, this);
    m_frmTab->setTeamCount(m_league.teamCount);
    m_frmKurve = new TfrmKurve(m_platform, m_league, this);
    m_prn = std::make_unique<TPageWriter>();
    if (m_platform.printer) {
        m_frmDruck = new TfrmDruck(*m_prn, *m_platform.printer, m_platform, this);
        m_frmDruckDlg = new TfrmDruckDlg(m_league, m_frmTab->rowBandColor(), *m_prn, *m_frmDruck, m_platform, this);
        m_frmDruckDlg->setProgressBar(progBar);
    }
    m_frmKreuz = new TfrmKreuz(m_platform, this);
    m_frmExport = new TfrmExport(m_platform, this);
    m_frmExpBMP = new TfrmExpBMP(m_platform, this);
    m_exports = std::make_unique<LeagueExportCommands>(
        m_league, m_frmTab->rowBandColor(), m_platform, this,
        LeagueExportCommands::Windows{m_frmExport, m_frmExpBMP, [this] { m_frmKreuz->KreuzBer(m_league); },
                                      [this](int team) {
                                          m_frmKurve->selectTeam(team);
                                          m_frmKurve->KurveBer();
                                      },
                                      [this] { return m_frmTab->exportOptions(); },
                                      [this] { return m_frmKurve->secondTeam(); }});
}

void TfrmTN::finishStart()
{
    if (m_started)
        return;
    m_started = true;
    createWindows();
    finishHiddenWindows();
    if (m_shownOnce)
        m_layout->placeLateWindows(settingsWindows());
}

void TfrmTN::finishHiddenWindows()
{
    m_frmEinst->ensureBuilt();
    m_frmTab->ensureBuilt();
    (void)m_frmKurve->picture();
    m_frmKreuz->ensureBuilt();
}

void TfrmTN::buildPanel()
{
    auto *central = new QWidget(this);
    central->setObjectName(QStringLiteral("panMain"));
    auto *v = new QVBoxLayout(central);
    v->setContentsMargins(0, 0, 0, 2);
    v->setSpacing(0);

    m_panel = new MatchdayPanel(m_league, central);
    v->addWidget(m_panel);

    m_footer = new QLabel(QStringLiteral("Tabulon '98 \u2013 Ligaverwaltung für Fußballfans \u2013 "
                                         "Kontakt: www.example.org/tabulon98"),
                          central);
    m_footer->setObjectName(QStringLiteral("lblFooter"));
    m_footer->setFont(QFont(QStringLiteral("Arial"), 8));
    m_footer->setAlignment(Qt::AlignCenter);
    v->addWidget(m_footer);
    setCentralWidget(central);
}

void TfrmTN::connectAll()
{
    connect(m_menuA, &QMenu::aboutToShow, this, &TfrmTN::mnuAClick);
    connect(m_menuSB, &QMenu::aboutToShow, this, &TfrmTN::mnuSBClick);
    connect(popTB, &QMenu::aboutToShow, this, &TfrmTN::mnuSBClick);

    // The menu shortcuts win over the edit fields' own keys (Ctrl+X cut,
    // Ctrl+H backspace, ...), so every command is reachable from any field.
    for (QWidget *w : m_panel->findChildren<QWidget *>())
        w->installEventFilter(this);

    connect(m_panel, &MatchdayPanel::captionMenuRequested, this, [this](const QPoint &at) { popST->popup(at); });
    connect(m_panel, &MatchdayPanel::captionChanged, sbST, &QLabel::setText);
    connect(m_panel, &MatchdayPanel::failed, this, [this](const QString &message) {
        if (m_platform.messages)
            m_platform.messages->error(this, message);
    });
}

bool TfrmTN::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && m_menuLiga
        && (watched == m_menuDatei || watched == m_menuLiga || watched == m_menuHlp || watched == menuBar()
            || watched == m_menuBarRight)) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if ((key == Qt::Key_Left || key == Qt::Key_Right) && crossMenuBars(watched, key))
            return true;
    }
    if (event->type() == QEvent::ShortcutOverride) {
        const QKeySequence pressed(static_cast<QKeyEvent *>(event)->keyCombination());
        for (const QAction *a : findChildren<QAction *>()) {
            if (!a->shortcut().isEmpty() && a->shortcut() == pressed && a->isEnabled()) {
                event->ignore();
                return true;
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TfrmTN::UpdateST()
{
    syncShape();
    m_panel->UpdateST();
}

void TfrmTN::syncShape()
{
    // The forms are made after the first league is shown.
    if (m_frmTab)
        m_frmTab->setTeamCount(m_league.teamCount);
    m_panel->syncShape();
}

void TfrmTN::UpdateCBO()
{
    syncShape();
    m_panel->UpdateCBO();
}

void TfrmTN::NeuSet()
{
    m_league.NeuSet();
    UpdateST();
    m_panel->selectNoTeams();
}

void TfrmTN::ErsterST()
{
    m_league.ErsterST();
}

void TfrmTN::TitelLeiste()
{
    setWindowTitle(FormUtil::windowTitle(::TitelLeiste(m_league)));
}

const RowBandColors &TfrmTN::rowBandColor()
{
    return frmTab()->rowBandColor();
}

void TfrmTN::showEvent(QShowEvent *event)
{
    if (!m_shownOnce) {
        m_shownOnce = true;
        FormShow();
    }
    QMainWindow::showEvent(event);
}

bool TfrmTN::event(QEvent *event)
{
    // Queued while the first paint is under way, so it runs once the window
    // is on the screen, ahead of any input that arrives later.
    if (event->type() == QEvent::Paint && m_startMode == StartMode::ShowFirst && !m_startQueued) {
        m_startQueued = true;
        QTimer::singleShot(0, this, &TfrmTN::finishStart);
    }
    return QMainWindow::event(event);
}

void TfrmTN::FormShow()
{
    m_layout->restore(settingsWindows());
}

void TfrmTN::closeEvent(QCloseEvent *event)
{
    if (!FormClose()) {
        event->ignore();
        return;
    }
    event->accept();
    emit exited();
}

bool TfrmTN::FormClose()
{
    bool goOn = false;
    if (!guarded([&] { goOn = m_files->askToSave(); }) || !goOn)
        return false;
    // The places written back are the windows' own, also when the program
    // ends before it made them.
    finishStart();
    m_layout->write(settingsWindows(), m_files->recentFiles());
    return true;
}

QList<QWidget *> TfrmTN::settingsWindows() const
{
    return {const_cast<TfrmTN *>(this), m_frmAbout, m_frmDruck, m_frmDruckDlg, m_frmEinst,
            m_frmKreuz, m_frmKurve, m_frmTab, m_frmExport, m_frmExpBMP};
}

QString TfrmTN::settingsFile() const
{
    return m_layout->settingsFile();
}

FileDialogState &TfrmTN::dlgOpen()
{
    return m_files->dlgOpen();
}

FileDialogState &TfrmTN::dlgSave()
{
    return m_files->dlgSave();
}

FileDialogState &TfrmTN::dlgHtml()
{
    return exports().dlgHtml();
}

FileDialogState &TfrmTN::dlgBMP()
{
    return exports().dlgBMP();
}
