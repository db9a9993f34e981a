#include "league/ui/TfrmTN.h"

#include "league/export/Exporters.h"
#include "league/model/IniFile.h"
#include "league/model/LeagueError.h"
#include "league/model/LeagueFile.h"
#include "league/model/LeagueOpen.h"
#include "league/model/ProgramSettings.h"
#include "league/standings/CrossTable.h"
#include "league/standings/Standings.h"
#include "league/ui/FormUtil.h"
#include "league/ui/MatchdayPanel.h"
#include "league/print/TPageWriter.h"
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
#include "league/ui/WindowPlacement.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QUrlQuery>
#include <QVBoxLayout>
#include <algorithm>


TfrmTN::TfrmTN(const UiPlatform &platform, const QString &programDir, const QStringList &args,
               QWidget *parent, StartMode startMode)
    : QMainWindow(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                              | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      m_platform(platform),
      m_dlgOpen(FileDialogState::Open,
                {{QStringLiteral("Tabulon '98 (*.t98)"), QStringLiteral("*.t98")},
                 {QStringLiteral("Tabulon 3.2.1 (*.tn3)"), QStringLiteral("*.tn3")},
                 {QStringLiteral("Football.TXT (*.txt)"), QStringLiteral("*.txt")},
                 {QStringLiteral("Football.JSON (*.json)"), QStringLiteral("*.json")}},
                QStringLiteral("t98")),
      m_dlgSave(FileDialogState::Save,
                {{QStringLiteral("Tabulon '98 (*.t98)"), QStringLiteral("*.t98")},
                 {QStringLiteral("Football.TXT (*.txt)"), QStringLiteral("*.txt")},
                 {QStringLiteral("Football.JSON (*.json)"), QStringLiteral("*.json")}},
                QStringLiteral("t98")),
      m_dlgHtml(FileDialogState::Save,
                {{QStringLiteral("HTM(L)-Dateien (*.htm / *.html)"), QStringLiteral("*.html;*.htm")},
                 {QStringLiteral("Rich Text Format (*.rtf)"), QStringLiteral("*.rtf")},
                 {QStringLiteral("Text-Dateien (*.txt)"), QStringLiteral("*.txt")}},
                QStringLiteral("html")),
      m_dlgBMP(FileDialogState::Save,
               {{QStringLiteral("Bitmap-Grafiken (*.bmp)"), QStringLiteral("*.bmp")},
                {QStringLiteral("CompuServe-Grafik (*.gif)"), QStringLiteral("*.gif")}},
               QStringLiteral("bmp"))
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
    m_settingsFile = ProgramSettings::filePath(dir);
    guarded([this] {
        NeuSet();
        TitelLeiste();
    });
    if (!args.isEmpty() && !args.constFirst().isEmpty()) {
        guarded([&] {
            m_league.leagueFileName = commandLineLeagueFile(args.constFirst(), m_league.programDir);
            OpenDatei();
        });
    }
    createWindows();
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
    mnuDruck->setEnabled(m_frmDruckDlg != nullptr);
    tbDruck->setEnabled(m_frmDruckDlg != nullptr);
    if (m_startMode == StartMode::Complete)
        finishHiddenWindows();
}

void TfrmTN::finishHiddenWindows()
{
    m_frmEinst->ensureBuilt();
    m_frmTab->ensureBuilt();
    (void)m_frmKurve->picture();
    m_frmKreuz->ensureBuilt();
}

// ---------------------------------------------------------------------------
// building the window

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

void TfrmTN::buildActions()
{
    auto make = [this](QAction *&a, const char *name, const QString &text, const QString &hint,
                       const QKeySequence &key = {}) {
        a = new QAction(text, this);
        a->setObjectName(QString::fromLatin1(name));
        a->setStatusTip(hint);
        if (!key.isEmpty())
            a->setShortcut(key);
    };
    make(mnuNeu, "mnuNeu", QStringLiteral("&Neu"), QStringLiteral("Erstellt eine neue Liga"), QKeySequence(QStringLiteral("Ctrl+N")));
    make(mnuOeffnen, "mnuOeffnen", QStringLiteral("Ö&ffnen"), QStringLiteral("Öffnet eine vorhandene Liga"), QKeySequence(QStringLiteral("Ctrl+O")));
    make(mnuSpeichern, "mnuSpeichern", QStringLiteral("&Speichern"), QStringLiteral("Speichert die aktuelle Liga"), QKeySequence(QStringLiteral("Ctrl+S")));
    make(mnuUnter, "mnuUnter", QStringLiteral("Speichern &unter..."), QStringLiteral("Speichert die aktuelle Liga unter neuem Namen"));
    make(mnuExport, "mnuExport", QStringLiteral("E&xport"), QStringLiteral("Exportiert die Daten der aktuellen Liga"), QKeySequence(QStringLiteral("Ctrl+H")));
    make(mnuDruck, "mnuDruck", QStringLiteral("&Drucken"), QStringLiteral("Druckt die Daten der aktuellen Liga"), QKeySequence(QStringLiteral("Ctrl+P")));
    make(mnuEnde, "mnuEnde", QStringLiteral("&Beenden"), QStringLiteral("Beendet den Tabulon '98"), QKeySequence(QStringLiteral("Ctrl+Q")));
    make(mnuR, "mnuR", QStringLiteral("einen Spieltag zu&rück"), QStringLiteral("Wechselt zum vorigen Spieltag"), QKeySequence(Qt::Key_F3));
    make(mnuV, "mnuV", QStringLiteral("einen Spieltag &vorwärts"), QStringLiteral("Wechselt zum nächsten Spieltag"), QKeySequence(Qt::Key_F4));
    make(mnuTBStd, "mnuTBStd", QStringLiteral("&Standard"), QStringLiteral("Standard-Symbolleiste umschalten"));
    make(mnuTBHlp, "mnuTBHlp", QStringLiteral("&Hilfe"), QStringLiteral("Hilfe-Symbolleiste umschalten"));
    make(mnuTBNav, "mnuTBNav", QStringLiteral("&Navigator"), QStringLiteral("Navigator-Symbolleiste umschalten"));
    make(mnuTBLga, "mnuTBLga", QStringLiteral("&Liga"), QStringLiteral("Liga-Symbolleiste umschalten"));
    make(mnuAStatus, "mnuAStatus", QStringLiteral("Status&zeile"), QStringLiteral("Schaltet die Statuszeile um"));
    for (QAction *a : {mnuTBStd, mnuTBHlp, mnuTBNav, mnuTBLga, mnuAStatus}) {
        a->setCheckable(true);
        a->setChecked(true);
    }
    make(mnuEinst, "mnuEinst", QStringLiteral("&Grundeinstellungen"), QStringLiteral("Grundeinstellungen der Liga festlegen und ändern"), QKeySequence(QStringLiteral("Ctrl+G")));
    make(mnuSpielplan, "mnuSpielplan", QStringLiteral("Spielplan erstellen..."), QStringLiteral("Erstellt den Spielplan der Liga"));
    make(mnuKreuz, "mnuKreuz", QStringLiteral("&Kreuztabelle"), QStringLiteral("Kreuztabelle der Liga anzeigen"), QKeySequence(QStringLiteral("Ctrl+X")));
    make(mnuTab, "mnuTab", QStringLiteral("&Tabelle"), QStringLiteral("Tabelle der Liga aufrufen"), QKeySequence(QStringLiteral("Ctrl+T")));
    make(mnuHeim, "mnuHeim", QStringLiteral("&Heimbilanz"), QStringLiteral("Heimbilanz der Liga aufrufen"));
    make(mnuAus, "mnuAus", QStringLiteral("&Auswärtsbilanz"), QStringLiteral("Auswärtsbilanz der Liga aufrufen"));
    make(mnuKurve, "mnuKurve", QStringLiteral("&Fieberkurven"), QStringLiteral("Fieberkurven der Teams aufrufen"), QKeySequence(QStringLiteral("Ctrl+F")));
    make(mnuHilfe, "mnuHilfe", QStringLiteral("&Hilfe - Hauptübersicht"), QStringLiteral("Hauptübersicht des Hilfesystems aufrufen"), QKeySequence(Qt::Key_F1));
    make(mnuHInx, "mnuHInx", QStringLiteral("Hilfe - Inde&x"), QStringLiteral("Ruft den Suchindex des Hilfesystems auf"));
    make(mnuHUse, "mnuHUse", QStringLiteral("Wie wird die Hilfe ben&utzt?"), QStringLiteral("Systemhilfe zum Thema \"Hilfe benutzen\" aufrufen"));
    make(mnuHP, "mnuHP", QStringLiteral("Home&page des Autors"), QStringLiteral("Öffnet die Homepage des Autors: %1").arg(authorHomepage().toString()));
    make(mnuHLP, "mnuHLP", QStringLiteral("Tabulon '98-Homepage"), QStringLiteral("Öffnet die Homepage des Tabulon '98: %1").arg(programHomepage().toString()));
    make(mnuEM, "mnuEM", QStringLiteral("E-&Mail an den Autor"), QStringLiteral("Schreibt eine E-Mail an %1").arg(authorMail().path()));
    make(mnuInfo, "mnuInfo", QStringLiteral("&Info über..."), QStringLiteral("Informationen über den Tabulon '98 sowie rechtliche Hinweise"), QKeySequence(QStringLiteral("Ctrl+I")));
    make(popSTR, "popSTR", QStringLiteral("einen Spieltag zurück"), QStringLiteral("Wechselt zum vorigen Spieltag"));
    make(popSTV, "popSTV", QStringLiteral("einen Spieltag vorwärts"), QStringLiteral("Wechselt zum nächsten Spieltag"));

    auto button = [this](QAction *&a, const char *name, const char *glyph, const QString &hint) {
        a = new QAction(toolGlyph(QString::fromLatin1(glyph)), hint, this);
        a->setObjectName(QString::fromLatin1(name));
        a->setToolTip(hint);
        a->setStatusTip(hint);
    };
    button(tbNeu, "tbNeu", "new", QStringLiteral("Neue Liga [Strg+N]"));
    button(tbOeffnen, "tbOeffnen", "open", QStringLiteral("Liga öffnen [Strg+O]"));
    button(tbSpeichern, "tbSpeichern", "save", QStringLiteral("Liga speichern [Strg+S]"));
    button(tbExport, "tbExport", "export", QStringLiteral("Liga exportieren [Strg+H]"));
    button(tbDruck, "tbDruck", "print", QStringLiteral("Liga drucken [Strg+P]"));
    button(tbHilfe, "tbHilfe", "help", QStringLiteral("Hilfe aufrufen [F1]"));
    button(tbInfo, "tbInfo", "info", QStringLiteral("Info über... [Strg+I]"));
    button(tbR, "tbR", "back", QStringLiteral("einen Spieltag zurück [F3]"));
    button(tbV, "tbV", "forward", QStringLiteral("einen Spieltag vorwärts [F4]"));
    button(tbEinst, "tbEinst", "settings", QStringLiteral("Grundeinstellungen [Strg+G]"));
    button(tbKreuz, "tbKreuz", "cross", QStringLiteral("Kreuztabelle [Strg+X]"));
    button(tbTab, "tbTab", "table", QStringLiteral("Tabelle [Strg+T]"));
    button(tbKurve, "tbKurve", "curve", QStringLiteral("Fieberkurven [Strg+F]"));
}

void TfrmTN::buildMenus()
{
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("mnuMain"));

    QMenu *datei = bar->addMenu(QStringLiteral("&Datei"));
    datei->setObjectName(QStringLiteral("mnuDatei"));
    datei->addActions({mnuNeu, mnuOeffnen, mnuSpeichern, mnuUnter});
    datei->addSeparator();
    datei->addAction(mnuExport);
    datei->addSeparator();
    datei->addAction(mnuDruck);
    datei->addSeparator();
    datei->addAction(mnuEnde);

    m_menuA = bar->addMenu(QStringLiteral("&Ansicht"));
    m_menuA->setObjectName(QStringLiteral("mnuA"));
    m_menuA->addActions({mnuR, mnuV});
    m_menuA->addSeparator();
    m_menuSB = m_menuA->addMenu(QStringLiteral("&Symbolleisten"));
    m_menuSB->setObjectName(QStringLiteral("mnuSB"));
    m_menuSB->menuAction()->setStatusTip(QStringLiteral("Symbolleisten umschalten"));
    m_menuSB->addActions({mnuTBStd, mnuTBHlp});
    m_menuSB->addSeparator();
    m_menuSB->addActions({mnuTBNav, mnuTBLga});
    m_menuA->addAction(mnuAStatus);

    QMenu *liga = bar->addMenu(QStringLiteral("&Liga"));
    liga->setObjectName(QStringLiteral("mnuLiga"));
    liga->addActions({mnuEinst, mnuSpielplan});
    liga->addSeparator();
    liga->addAction(mnuKreuz);
    liga->addSeparator();
    liga->addActions({mnuTab, mnuHeim, mnuAus});
    liga->addSeparator();
    liga->addAction(mnuKurve);

    // The help menu sits at the right end of the menu bar.
    auto *right = new QMenuBar(bar);
    right->setObjectName(QStringLiteral("mnuRight"));
    QMenu *help = right->addMenu(QStringLiteral("&?"));
    help->setObjectName(QStringLiteral("mnuHlp"));
    help->addActions({mnuHilfe, mnuHInx, mnuHUse});
    help->addSeparator();
    help->addActions({mnuHP, mnuHLP});
    help->addSeparator();
    help->addAction(mnuEM);
    help->addSeparator();
    help->addAction(mnuInfo);
    bar->setCornerWidget(right, Qt::TopRightCorner);
    // The two bars are one menu row for the arrow keys: Right from the last
    // menu of the main bar opens "?", and from "?" the arrows lead back.
    m_menuDatei = datei;
    m_menuLiga = liga;
    m_menuHlp = help;
    m_menuBarRight = right;
    for (QObject *o : {static_cast<QObject *>(bar), static_cast<QObject *>(datei), static_cast<QObject *>(liga),
                       static_cast<QObject *>(help), static_cast<QObject *>(right)})
        o->installEventFilter(this);

    popST = new QMenu(this);
    popST->setObjectName(QStringLiteral("popST"));
    popST->addActions({popSTR, popSTV});

    popTB = new QMenu(this);
    popTB->setObjectName(QStringLiteral("popTB"));
    popTB->addActions({mnuTBStd, mnuTBHlp});
    popTB->addSeparator();
    popTB->addActions({mnuTBNav, mnuTBLga});
}

void TfrmTN::buildToolbars()
{
    auto make = [this](QToolBar *&tb, const char *name, const QString &caption) {
        tb = new QToolBar(caption, this);
        tb->setObjectName(QString::fromLatin1(name));
        tb->setMovable(true);
        tb->setFloatable(true);
        tb->setIconSize(QSize(16, 16));
        tb->setAllowedAreas(Qt::TopToolBarArea);
        tb->setContextMenuPolicy(Qt::CustomContextMenu);
        addToolBar(Qt::TopToolBarArea, tb);
        connect(tb, &QWidget::customContextMenuRequested, this,
                [this, tb](const QPoint &pos) { popTB->popup(tb->mapToGlobal(pos)); });
    };
    make(tbStd, "tbStd", QStringLiteral("Standard"));
    tbStd->addActions({tbNeu, tbOeffnen, tbSpeichern});
    tbStd->addSeparator();
    tbStd->addAction(tbExport);
    tbStd->addSeparator();
    tbStd->addAction(tbDruck);

    make(tbHlp, "tbHlp", QStringLiteral("Hilfe"));
    tbHlp->addActions({tbHilfe, tbInfo});

    make(tbNav, "tbNav", QStringLiteral("Navigator"));
    tbNav->addAction(tbR);
    sbST = new QLabel(QStringLiteral("1. Spieltag"), tbNav);
    sbST->setObjectName(QStringLiteral("sbST"));
    sbST->setStatusTip(QStringLiteral("aktueller Spieltag"));
    sbST->setToolTip(QStringLiteral("aktueller Spieltag"));
    sbST->setAlignment(Qt::AlignCenter);
    sbST->setMinimumWidth(sbST->fontMetrics().horizontalAdvance(QStringLiteral("34. Spieltag")) + 8);
    tbNav->addWidget(sbST);
    tbNav->addAction(tbV);

    make(tbLga, "tbLga", QStringLiteral("Liga"));
    tbLga->addAction(tbEinst);
    tbLga->addSeparator();
    tbLga->addActions({tbKreuz, tbTab});
    tbLga->addSeparator();
    tbLga->addAction(tbKurve);
}

void TfrmTN::buildStatusLine()
{
    panStatus = statusBar();
    panStatus->setObjectName(QStringLiteral("panStatus"));
    panStatus->setSizeGripEnabled(false);
    progBar = new QProgressBar(panStatus);
    progBar->setObjectName(QStringLiteral("progBar"));
    progBar->setRange(0, 100);
    progBar->setMaximumHeight(14);
    progBar->setMaximumWidth(150);
    panStatus->addPermanentWidget(progBar);
    progBar->hide();
}

void TfrmTN::connectAll()
{
    connect(mnuNeu, &QAction::triggered, this, &TfrmTN::mnuNeuClick);
    connect(tbNeu, &QAction::triggered, this, &TfrmTN::mnuNeuClick);
    connect(mnuOeffnen, &QAction::triggered, this, &TfrmTN::mnuOeffnenClick);
    connect(tbOeffnen, &QAction::triggered, this, &TfrmTN::mnuOeffnenClick);
    connect(mnuSpeichern, &QAction::triggered, this, &TfrmTN::mnuSpeichernClick);
    connect(tbSpeichern, &QAction::triggered, this, &TfrmTN::mnuSpeichernClick);
    connect(mnuUnter, &QAction::triggered, this, &TfrmTN::mnuUnterClick);
    connect(mnuExport, &QAction::triggered, this, &TfrmTN::mnuExportClick);
    connect(tbExport, &QAction::triggered, this, &TfrmTN::mnuExportClick);
    connect(mnuDruck, &QAction::triggered, this, &TfrmTN::mnuDruckClick);
    connect(tbDruck, &QAction::triggered, this, &TfrmTN::mnuDruckClick);
    connect(mnuEnde, &QAction::triggered, this, &TfrmTN::mnuEndeClick);
    connect(mnuR, &QAction::triggered, this, &TfrmTN::mnuRClick);
    connect(tbR, &QAction::triggered, this, &TfrmTN::mnuRClick);
    connect(popSTR, &QAction::triggered, this, &TfrmTN::mnuRClick);
    connect(mnuV, &QAction::triggered, this, &TfrmTN::mnuVClick);
    connect(tbV, &QAction::triggered, this, &TfrmTN::mnuVClick);
    connect(popSTV, &QAction::triggered, this, &TfrmTN::mnuVClick);
    connect(m_menuA, &QMenu::aboutToShow, this, &TfrmTN::mnuAClick);
    connect(m_menuSB, &QMenu::aboutToShow, this, &TfrmTN::mnuSBClick);
    connect(popTB, &QMenu::aboutToShow, this, &TfrmTN::mnuSBClick);
    connect(mnuTBStd, &QAction::triggered, this, &TfrmTN::mnuTBStdClick);
    connect(mnuTBHlp, &QAction::triggered, this, &TfrmTN::mnuTBHlpClick);
    connect(mnuTBNav, &QAction::triggered, this, &TfrmTN::mnuTBNavClick);
    connect(mnuTBLga, &QAction::triggered, this, &TfrmTN::mnuTBLgaClick);
    connect(mnuAStatus, &QAction::triggered, this, &TfrmTN::mnuAStatusClick);
    connect(mnuEinst, &QAction::triggered, this, &TfrmTN::mnuEinstClick);
    connect(tbEinst, &QAction::triggered, this, &TfrmTN::mnuEinstClick);
    connect(mnuSpielplan, &QAction::triggered, this, &TfrmTN::mnuSpielplanClick);
    connect(mnuKreuz, &QAction::triggered, this, &TfrmTN::mnuKreuzClick);
    connect(tbKreuz, &QAction::triggered, this, &TfrmTN::mnuKreuzClick);
    connect(mnuTab, &QAction::triggered, this, &TfrmTN::mnuTabClick);
    connect(tbTab, &QAction::triggered, this, &TfrmTN::mnuTabClick);
    connect(mnuHeim, &QAction::triggered, this, &TfrmTN::mnuHeimClick);
    connect(mnuAus, &QAction::triggered, this, &TfrmTN::mnuAusClick);
    connect(mnuKurve, &QAction::triggered, this, &TfrmTN::mnuKurveClick);
    connect(tbKurve, &QAction::triggered, this, &TfrmTN::mnuKurveClick);
    connect(mnuHilfe, &QAction::triggered, this, &TfrmTN::mnuHilfeClick);
    connect(tbHilfe, &QAction::triggered, this, &TfrmTN::mnuHilfeClick);
    connect(mnuHInx, &QAction::triggered, this, &TfrmTN::mnuHInxClick);
    connect(mnuHUse, &QAction::triggered, this, &TfrmTN::mnuHUseClick);
    connect(mnuHP, &QAction::triggered, this, &TfrmTN::mnuHPClick);
    connect(mnuHLP, &QAction::triggered, this, &TfrmTN::mnuHLPClick);
    connect(mnuEM, &QAction::triggered, this, &TfrmTN::mnuEMClick);
    connect(mnuInfo, &QAction::triggered, this, &TfrmTN::mnuInfoClick);
    connect(tbInfo, &QAction::triggered, this, &TfrmTN::mnuInfoClick);

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

bool TfrmTN::crossMenuBars(QObject *watched, int key)
{
    QMenuBar *bar = menuBar();
    QAction *first = m_menuDatei->menuAction();
    QAction *last = m_menuLiga->menuAction();
    auto open = [](QMenu *from, QMenuBar *to, QAction *action) {
        if (from->isVisible())
            from->hide();
        to->setActiveAction(action);
        return true;
    };
    if (watched == m_menuHlp || watched == m_menuBarRight) {
        if (key != Qt::Key_Left && key != Qt::Key_Right)
            return false;
        m_menuBarRight->setActiveAction(nullptr);
        return open(m_menuHlp, bar, key == Qt::Key_Left ? last : first);
    }
    const bool atLast = watched == m_menuLiga || (watched == bar && bar->activeAction() == last);
    const bool atFirst = watched == m_menuDatei || (watched == bar && bar->activeAction() == first);
    if ((key == Qt::Key_Right && atLast) || (key == Qt::Key_Left && atFirst)) {
        QMenu *from = atLast ? m_menuLiga : m_menuDatei;
        from->hide();
        bar->setActiveAction(nullptr);
        return open(from, m_menuBarRight, m_menuHlp->menuAction());
    }
    return false;
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

// ---------------------------------------------------------------------------
// display routines

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

// ---------------------------------------------------------------------------
// file commands

bool TfrmTN::guarded(const std::function<void()> &command)
{
    try {
        command();
        return true;
    } catch (const LeagueError &e) {
        m_platform.messages->error(this, e.message());
    }
    return false;
}

bool TfrmTN::askToSave()
{
    if (m_league.leagueSaved)
        return true;
    const QString name = m_league.leagueFileName.isEmpty()
                             ? QStringLiteral("Unbenannt")
                             : QFileInfo(m_league.leagueFileName).fileName();
    const QString text = QStringLiteral("Möchten Sie die Liga \"%1\" noch speichern?").arg(name);
    switch (m_platform.messages->confirm(this, text)) {
    case MessageBoxSeam::Yes:
        // A cancelled save dialog still lets the command go on; a save that
        // fails throws and ends the command, so nothing is lost unasked.
        if (!m_league.leagueFileName.isEmpty() && !saveTargetIsForeign())
            SaveDatei();
        else if (m_platform.files->exec(this, m_dlgSave))
            saveAsChosen();
        return true;
    case MessageBoxSeam::No:
        return true;
    default:
        return false;
    }
}

void TfrmTN::SaveDatei()
{
    ::SaveDatei(m_league);
    TitelLeiste();
    m_league.leagueSaved = true;
}

void TfrmTN::OpenDatei()
{
    // The file's own content says what it is; the league is replaced only
    // once the whole file has been read.
    const QString path = m_league.leagueFileName;
    LeagueOpen::Opened opened = LeagueOpen::open(path, m_league.programDir);
    m_league = opened.league;
    m_importTitle = opened.title;
    TitelLeiste();
    ErsterST();
    UpdateCBO();
    UpdateST();
    m_league.leagueSaved = opened.format == LeagueOpen::Format::League;
    if (opened.format != LeagueOpen::Format::FootballTxt && opened.format != LeagueOpen::Format::FootballJson)
        return;
    // "Speichern" asks for a name and offers the competition's.
    m_dlgSave.fileName = QFileInfo(path).absolutePath() + QLatin1Char('/')
        + LeagueOpenData::suggestedFileName(opened.title);
    m_dlgSave.filterIndex = 1;
    if (!opened.skipped.isEmpty())
        m_platform.messages->information(this, QStringLiteral("Aus %1 nicht übernommen:\n%2")
                                                   .arg(QFileInfo(path).fileName(),
                                                        opened.skipped.join(QLatin1Char('\n'))));
}

bool TfrmTN::saveTargetIsForeign()
{
    // A league file is never written over a file of another format: the
    // league's name could still point at one that was changed outside the
    // program, and its content would be lost in the league's sections.
    const QFileInfo target(m_league.leagueFileName);
    if (!target.isFile() || target.size() == 0
        || LeagueOpen::detectFile(m_league.leagueFileName) == LeagueOpen::Format::League)
        return false;
    m_dlgSave.fileName = target.absolutePath() + QLatin1Char('/') + target.completeBaseName() + QStringLiteral(".T98");
    m_dlgSave.filterIndex = 1;
    return true;
}

void TfrmTN::saveAsChosen()
{
    if (m_dlgSave.filterIndex == 2 || m_dlgSave.filterIndex == 3) {
        const auto format = m_dlgSave.filterIndex == 2 ? LeagueOpenData::Format::Txt : LeagueOpenData::Format::Json;
        const QString suffix = format == LeagueOpenData::Format::Txt ? QStringLiteral("txt") : QStringLiteral("json");
        // The dialog adds the league file's extension to a bare name.
        QString path = m_dlgSave.fileName;
        const QFileInfo fi(path);
        if (fi.suffix().compare(QLatin1String("t98"), Qt::CaseInsensitive) == 0) {
            path.chop(3);
            path += suffix;
        } else if (fi.suffix().isEmpty()) {
            path += QLatin1Char('.') + suffix;
        }
        const QString title = m_importTitle.isEmpty() ? LeagueOpenData::exportTitle(m_league) : m_importTitle;
        const QStringList notes = LeagueOpenData::exportFile(m_league, title, path, format);
        if (!notes.isEmpty())
            m_platform.messages->information(
                this, QStringLiteral("In %1 nicht enthalten:\n%2").arg(QFileInfo(path).fileName(),
                                                                        notes.join(QLatin1Char('\n'))));
        return;
    }
    const QString previous = m_league.leagueFileName;
    m_league.leagueFileName = m_dlgSave.fileName;
    try {
        SaveDatei();
    } catch (...) {
        // The league was not written there, so it keeps its old name.
        m_league.leagueFileName = previous;
        throw;
    }
}

void TfrmTN::mnuNeuClick()
{
    guarded([this] {
        if (!askToSave())
            return;
        NeuSet();
        m_importTitle.clear();
        TitelLeiste();
        ErsterST();
        UpdateST();
        UpdateCBO();
        m_league.leagueSaved = true;
    });
}

void TfrmTN::mnuOeffnenClick()
{
    guarded([this] {
        if (!askToSave())
            return;
        if (!m_platform.files->exec(this, m_dlgOpen))
            return;
        // The file type chosen in the dialog only filters the list: the
        // file is read in the format its content and name give.
        const QString previous = m_league.leagueFileName;
        m_league.leagueFileName = m_dlgOpen.fileName;
        try {
            OpenDatei();
        } catch (...) {
            // A failed open leaves the open league as it was, its name included.
            if (m_league.leagueFileName == m_dlgOpen.fileName)
                m_league.leagueFileName = previous;
            throw;
        }
    });
}

void TfrmTN::mnuSpeichernClick()
{
    bool ask = m_league.leagueFileName.isEmpty();
    if (!ask && !guarded([&] { ask = saveTargetIsForeign(); }))
        return;
    if (ask) {
        mnuUnterClick();
        return;
    }
    guarded([this] { SaveDatei(); });
}

void TfrmTN::mnuUnterClick()
{
    guarded([this] {
        if (!m_platform.files->exec(this, m_dlgSave))
            return;
        saveAsChosen();
    });
}

void TfrmTN::mnuEndeClick()
{
    close();
}

// ---------------------------------------------------------------------------
// navigation and view

void TfrmTN::mnuRClick()
{
    guarded([this] {
        if (m_league.currentRound > m_league.firstRound) {
            --m_league.currentRound;
            UpdateST();
        }
    });
}

void TfrmTN::mnuVClick()
{
    guarded([this] {
        if (m_league.currentRound < m_league.roundCount) {
            ++m_league.currentRound;
            UpdateST();
        }
    });
}

void TfrmTN::mnuAClick()
{
    mnuAStatus->setChecked(!panStatus->isHidden());
}

void TfrmTN::mnuSBClick()
{
    mnuTBStd->setChecked(!tbStd->isHidden());
    mnuTBHlp->setChecked(!tbHlp->isHidden());
    mnuTBNav->setChecked(!tbNav->isHidden());
    mnuTBLga->setChecked(!tbLga->isHidden());
}

void TfrmTN::mnuTBStdClick()
{
    tbStd->setVisible(tbStd->isHidden());
}

void TfrmTN::mnuTBHlpClick()
{
    tbHlp->setVisible(tbHlp->isHidden());
}

void TfrmTN::mnuTBNavClick()
{
    tbNav->setVisible(tbNav->isHidden());
}

void TfrmTN::mnuTBLgaClick()
{
    tbLga->setVisible(tbLga->isHidden());
}

void TfrmTN::mnuAStatusClick()
{
    panStatus->setVisible(panStatus->isHidden());
}

// ---------------------------------------------------------------------------
// league commands

void TfrmTN::mnuEinstClick()
{
    guarded([this] {
        m_frmEinst->fillFrom(m_league);
        if (m_frmEinst->exec() != QDialog::Accepted)
            return;
        m_frmEinst->writeTo(m_league);
        ErsterST();
        UpdateCBO();
        UpdateST();
        m_league.leagueSaved = false;
    });
}

TfrmSpielplan *TfrmTN::frmSpielplan()
{
    if (!m_frmSpielplan)
        m_frmSpielplan = new TfrmSpielplan(m_platform, this);
    return m_frmSpielplan;
}

void TfrmTN::mnuSpielplanClick()
{
    guarded([this] {
        if (!frmSpielplan()->run(m_league))
            return;
        UpdateST();
        m_league.leagueSaved = false;
    });
}

void TfrmTN::showTables(int first)
{
    guarded([&] {
        auto view = static_cast<TableView>(first);
        // The tables open after the last matchday with a result; a matchday
        // chosen in the window stays when the user switches the view.
        int round = std::max(lastCountedRound(m_league), m_league.firstRound);
        for (;;) {
            Standings standings;
            TabBer(m_league, standings, round);
            m_frmTab->fill(view, standings, m_league);
            const int result = m_frmTab->exec();
            round = m_frmTab->shownRound();
            if (result == TfrmTab::kFirstSwitch || result == TfrmTab::kSecondSwitch)
                view = m_frmTab->switchTarget(result);
            else
                break;
        }
    });
}

void TfrmTN::mnuTabClick()
{
    showTables(static_cast<int>(TableView::Total));
}

void TfrmTN::mnuHeimClick()
{
    showTables(static_cast<int>(TableView::Home));
}

void TfrmTN::mnuAusClick()
{
    showTables(static_cast<int>(TableView::Away));
}

void TfrmTN::mnuKreuzClick()
{
    guarded([this] {
        m_frmKreuz->KreuzBer(m_league);
        m_frmKreuz->exec();
    });
}

void TfrmTN::mnuKurveClick()
{
    guarded([this] {
        m_frmKurve->prepare();
        m_frmKurve->exec();
    });
}

const RowBandColors &TfrmTN::rowBandColor() const
{
    return m_frmTab->rowBandColor();
}

// ---------------------------------------------------------------------------
// export and print

void TfrmTN::mnuExportClick()
{
    guarded([this] {
        switch (m_frmExport->exec()) {
        case TfrmExport::kTables:
            ExportTabHTML();
            break;
        case TfrmExport::kCross:
            ExportKreuzHTML();
            break;
        case TfrmExport::kMatchdays:
            ExportSTHTML();
            break;
        case TfrmExport::kCurve:
            ExportBMP();
            break;
        default:
            break;
        }
    });
}

static ExportFormat documentFormat(int filterIndex)
{
    switch (filterIndex) {
    case 2:
        return ExportFormat::Rtf;
    case 3:
        return ExportFormat::Text;
    default:
        return ExportFormat::Html;
    }
}

// The window only asks where to write; what is written is the core's
// export, the same the command line gives.
static void askAndExport(QWidget *parent, FileDialogSeam &files, FileDialogState &dialog, ExportDocument document,
                         const League &league, const RowBandColors &rowBandColor)
{
    if (!files.exec(parent, dialog))
        return;
    const ExportFormat format = documentFormat(dialog.filterIndex);
    writeExportFile(dialog.fileName, exportDocument(document, format, league, rowBandColor), format);
}

void TfrmTN::ExportTabHTML()
{
    // The standings are computed before the file dialog, so that a league
    // whose sums overflow says so before a file name is asked for.
    Standings standings;
    TabBer(m_league, standings);
    askAndExport(this, *m_platform.files, m_dlgHtml, ExportDocument::Tables, m_league, rowBandColor());
}

void TfrmTN::ExportKreuzHTML()
{
    // The cross-table window shows what is exported.
    m_frmKreuz->KreuzBer(m_league);
    askAndExport(this, *m_platform.files, m_dlgHtml, ExportDocument::Cross, m_league, rowBandColor());
}

void TfrmTN::ExportSTHTML()
{
    askAndExport(this, *m_platform.files, m_dlgHtml, ExportDocument::Matchdays, m_league, rowBandColor());
}

void TfrmTN::ExportBMP()
{
    m_frmExpBMP->setTeamNames(m_league);
    if (m_frmExpBMP->exec() != QDialog::Accepted)
        return;
    if (!m_platform.files->exec(this, m_dlgBMP))
        return;
    // The curve window draws the same picture, and keeps showing that team.
    const int team = m_frmExpBMP->selectedTeam();
    m_frmKurve->selectTeam(team);
    m_frmKurve->KurveBer();
    const ExportFormat format = m_dlgBMP.filterIndex == 2 ? ExportFormat::Gif : ExportFormat::Bmp;
    writeExportFile(m_dlgBMP.fileName, exportCurve(team, format, m_league), format);
}

void TfrmTN::mnuDruckClick()
{
    if (!m_frmDruckDlg)
        return;
    guarded([this] { m_frmDruckDlg->mnuDruckClick(); });
}

// ---------------------------------------------------------------------------
// help and links

QUrl TfrmTN::authorHomepage()
{
    return QUrl(QStringLiteral("https://www.example.org/autor/"));
}

QUrl TfrmTN::programHomepage()
{
    return QUrl(QStringLiteral("https://www.example.org/tabulon98/"));
}

QUrl TfrmTN::authorMail()
{
    QUrl url(QStringLiteral("mailto:tabulon98@example.org"));
    QUrlQuery q;
    q.addQueryItem(QStringLiteral("subject"), QStringLiteral("Tabulon '98"));
    url.setQuery(q);
    return url;
}

void TfrmTN::mnuHilfeClick()
{
    m_platform.help->showContext(this, 0);
}

void TfrmTN::mnuHInxClick()
{
    m_platform.help->showIndex(this);
}

void TfrmTN::mnuHUseClick()
{
    m_platform.help->showUsage(this);
}

void TfrmTN::mnuHPClick()
{
    m_platform.urls->open(authorHomepage());
}

void TfrmTN::mnuHLPClick()
{
    m_platform.urls->open(programHomepage());
}

void TfrmTN::mnuEMClick()
{
    m_platform.urls->open(authorMail());
}

void TfrmTN::mnuInfoClick()
{
    m_frmAbout->exec();
}

// ---------------------------------------------------------------------------
// start and exit

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
    if (event->type() == QEvent::Paint && m_startMode == StartMode::ShowFirst && !m_hiddenWindowsQueued) {
        m_hiddenWindowsQueued = true;
        QTimer::singleShot(0, this, &TfrmTN::finishHiddenWindows);
    }
    return QMainWindow::event(event);
}

void TfrmTN::FormShow()
{
    restoreSettings();
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
    if (!guarded([&] { goOn = askToSave(); }) || !goOn)
        return false;
    writeSettings();
    return true;
}

QList<QWidget *> TfrmTN::settingsWindows() const
{
    // In the order of the settings file's sections.
    return {const_cast<TfrmTN *>(this), m_frmAbout, m_frmDruck, m_frmDruckDlg, m_frmEinst,
            m_frmKreuz, m_frmKurve, m_frmTab, m_frmExport, m_frmExpBMP};
}

void TfrmTN::restoreSettings()
{
    const IniFile ini(m_settingsFile);
    // A settings file that is not a regular file or is far too large is not
    // read; the windows take their default places and the user learns why.
    // A folder in its place only shows at exit, where it cannot be written.
    if (ini.wasRefused() && !QFileInfo(m_settingsFile).isDir())
        m_platform.messages->error(this, ini.refusalMessage());
    const QRect screenRect = (screen() ? screen() : QGuiApplication::primaryScreen())->geometry();
    const QStringList names = ProgramSettings::windowSections();
    const QList<QWidget *> windows = settingsWindows();
    const QList<WindowPlacement::Screen> screens = WindowPlacement::screens();
    for (int i = 0; i < names.size(); ++i) {
        QWidget *w = windows.at(i);
        const QSize size = w ? w->frameGeometry().size() : QSize();
        const ProgramSettings::WindowPlace place = ProgramSettings::readWindow(
            ini, names.at(i), ProgramSettings::centredOffset(screenRect.height(), size.height()),
            ProgramSettings::centredOffset(screenRect.width(), size.width()));
        if (w)
            w->move(WindowPlacement::reachable(QPoint(place.left, place.top), size, screens));
        else
            m_missingPlaces.insert(names.at(i), QPoint(place.left, place.top));
    }
    panStatus->setVisible(ProgramSettings::readStatusVisible(ini));
    restoreToolbars(ini);
}

void TfrmTN::restoreToolbars(const IniFile &ini)
{
    const QList<QToolBar *> bars{tbStd, tbHlp, tbNav, tbLga};
    const QStringList names = ProgramSettings::toolbarSections();
    struct Docked {
        QToolBar *bar;
        ProgramSettings::ToolbarPlace place;
    };
    QList<Docked> docked;
    QList<Docked> floating;
    // Without a valid section a toolbar keeps its design-time place: the
    // first row of the dock, where the bars stand side by side in their
    // order, each starting where the one before it ends. The stored places
    // of the others are pixels from the dock's start as well, so sorting
    // puts it between the same neighbours as at design time.
    int designPos = 0;
    for (int i = 0; i < bars.size(); ++i) {
        ProgramSettings::ToolbarPlace place;
        if (!ProgramSettings::readToolbar(ini, names.at(i), &place)) {
            place.name = names.at(i);
            place.dockRow = 0;
            place.dockPos = designPos;
        }
        designPos += bars.at(i)->sizeHint().width();
        if (place.dockedTo == ProgramSettings::kFloating)
            floating.append({bars.at(i), place});
        else
            docked.append({bars.at(i), place});
    }
    // The dock holds a single row; the stored row and position give the order.
    std::stable_sort(docked.begin(), docked.end(), [](const Docked &a, const Docked &b) {
        return std::pair(a.place.dockRow, a.place.dockPos) < std::pair(b.place.dockRow, b.place.dockPos);
    });
    for (const Docked &d : docked) {
        removeToolBar(d.bar);
        addToolBar(Qt::TopToolBarArea, d.bar);
        d.bar->setVisible(d.place.visible);
    }
    for (const Docked &f : floating) {
        removeToolBar(f.bar);
        addToolBar(Qt::TopToolBarArea, f.bar);
        f.bar->setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
        f.bar->move(WindowPlacement::reachable(QPoint(f.place.floatLeft, f.place.floatTop),
                                               f.bar->sizeHint(), WindowPlacement::screens()));
        f.bar->setVisible(f.place.visible);
        m_floatPlaces.insert(f.bar, f.place);
    }
}

bool TfrmTN::writeSettings()
{
    const QStringList names = ProgramSettings::windowSections();
    const QList<QWidget *> windows = settingsWindows();
    QList<ProgramSettings::WindowPlace> places;
    for (int i = 0; i < names.size(); ++i) {
        const QWidget *w = windows.at(i);
        const QPoint p = w ? w->pos() : m_missingPlaces.value(names.at(i));
        places.append({names.at(i), p.y(), p.x()});
    }

    const QList<QToolBar *> bars{tbStd, tbHlp, tbNav, tbLga};
    QList<int> rowsY;
    for (QToolBar *b : bars)
        if (!b->isFloating() && !rowsY.contains(b->y()))
            rowsY.append(b->y());
    std::sort(rowsY.begin(), rowsY.end());
    QList<ProgramSettings::ToolbarPlace> toolbars;
    for (int i = 0; i < bars.size(); ++i) {
        QToolBar *b = bars.at(i);
        ProgramSettings::ToolbarPlace t = m_floatPlaces.value(b);
        t.name = ProgramSettings::toolbarSections().at(i);
        t.visible = !b->isHidden();
        if (b->isFloating()) {
            t.dockedTo = ProgramSettings::kFloating;
            t.floatLeft = b->pos().x();
            t.floatTop = b->pos().y();
        } else {
            t.dockedTo = ProgramSettings::kDockName;
            t.dockRow = static_cast<int>(rowsY.indexOf(b->y()));
            t.dockPos = b->x();
        }
        toolbars.append(t);
    }

    IniFile ini(m_settingsFile);
    ProgramSettings::write(ini, places, !panStatus->isHidden(), toolbars);
    QDir().mkpath(QFileInfo(m_settingsFile).absolutePath());
    QString error;
    if (!ini.save(&error)) {
        // The exit goes ahead all the same; the message tells what was lost.
        m_platform.messages->error(this, error);
        return false;
    }
    return true;
}
