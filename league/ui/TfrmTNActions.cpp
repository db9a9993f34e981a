// How the main window's commands are reached: the menu items and toolbar
// buttons built from one table, the menus, the toolbars with their
// switches, and the status line.
#include "league/ui/TfrmTN.h"

#include "league/ui/LeagueFileCommands.h"
#include "league/ui/ToolGlyphs.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QStatusBar>
#include <QToolBar>

namespace {

// One row per menu item: the action's member, its objectName, caption,
// hint and shortcut, and the handler it runs. The texts are UTF-8.
struct MenuItem {
    QAction *TfrmTN::*action;
    const char *name;
    const char *text;
    const char *hint;
    const char *key; // as QKeySequence reads it; empty for none
    void (TfrmTN::*handler)();
    bool checkable = false;
    // The hint names this address.
    QString (*address)() = nullptr;
};

// The toolbar buttons run the same handlers as the menu items of the same
// shortcut, with their own hints.
struct ToolButton {
    QAction *TfrmTN::*action;
    const char *name;
    const char *glyph;
    const char *hint;
    void (TfrmTN::*handler)();
};

} // namespace

struct TfrmTN::ActionTable {
    static QString homepage() { return TfrmTN::authorHomepage().toString(); }
    static QString programPage() { return TfrmTN::programHomepage().toString(); }
    static QString mail() { return TfrmTN::authorMail().path(); }

    // clang-format off
    static inline const MenuItem menuItems[] = {
        {&TfrmTN::mnuNeu, "mnuNeu", "&Neu", "Erstellt eine neue Liga", "Ctrl+N", &TfrmTN::mnuNeuClick},
        {&TfrmTN::mnuOeffnen, "mnuOeffnen", "Ö&ffnen", "Öffnet eine vorhandene Liga", "Ctrl+O", &TfrmTN::mnuOeffnenClick},
        {&TfrmTN::mnuSpeichern, "mnuSpeichern", "&Speichern", "Speichert die aktuelle Liga", "Ctrl+S", &TfrmTN::mnuSpeichernClick},
        {&TfrmTN::mnuUnter, "mnuUnter", "Speichern &unter...", "Speichert die aktuelle Liga unter neuem Namen", "", &TfrmTN::mnuUnterClick},
        {&TfrmTN::mnuExport, "mnuExport", "E&xport", "Exportiert die Daten der aktuellen Liga", "Ctrl+H", &TfrmTN::mnuExportClick},
        {&TfrmTN::mnuDruck, "mnuDruck", "&Drucken", "Druckt die Daten der aktuellen Liga", "Ctrl+P", &TfrmTN::mnuDruckClick},
        {&TfrmTN::mnuEnde, "mnuEnde", "&Beenden", "Beendet den Tabulon '98", "Ctrl+Q", &TfrmTN::mnuEndeClick},
        {&TfrmTN::mnuR, "mnuR", "einen Spieltag zu&rück", "Wechselt zum vorigen Spieltag", "F3", &TfrmTN::mnuRClick},
        {&TfrmTN::mnuV, "mnuV", "einen Spieltag &vorwärts", "Wechselt zum nächsten Spieltag", "F4", &TfrmTN::mnuVClick},
        {&TfrmTN::mnuTBStd, "mnuTBStd", "&Standard", "Standard-Symbolleiste umschalten", "", &TfrmTN::mnuTBStdClick, true},
        {&TfrmTN::mnuTBHlp, "mnuTBHlp", "&Hilfe", "Hilfe-Symbolleiste umschalten", "", &TfrmTN::mnuTBHlpClick, true},
        {&TfrmTN::mnuTBNav, "mnuTBNav", "&Navigator", "Navigator-Symbolleiste umschalten", "", &TfrmTN::mnuTBNavClick, true},
        {&TfrmTN::mnuTBLga, "mnuTBLga", "&Liga", "Liga-Symbolleiste umschalten", "", &TfrmTN::mnuTBLgaClick, true},
        {&TfrmTN::mnuAStatus, "mnuAStatus", "Status&zeile", "Schaltet die Statuszeile um", "", &TfrmTN::mnuAStatusClick, true},
        {&TfrmTN::mnuEinst, "mnuEinst", "&Grundeinstellungen", "Grundeinstellungen der Liga festlegen und ändern", "Ctrl+G", &TfrmTN::mnuEinstClick},
        {&TfrmTN::mnuSpielplan, "mnuSpielplan", "Spielplan erstellen...", "Erstellt den Spielplan der Liga", "", &TfrmTN::mnuSpielplanClick},
        {&TfrmTN::mnuKreuz, "mnuKreuz", "&Kreuztabelle", "Kreuztabelle der Liga anzeigen", "Ctrl+X", &TfrmTN::mnuKreuzClick},
        {&TfrmTN::mnuTab, "mnuTab", "&Tabelle", "Tabelle der Liga aufrufen", "Ctrl+T", &TfrmTN::mnuTabClick},
        {&TfrmTN::mnuHeim, "mnuHeim", "&Heimbilanz", "Heimbilanz der Liga aufrufen", "", &TfrmTN::mnuHeimClick},
        {&TfrmTN::mnuAus, "mnuAus", "&Auswärtsbilanz", "Auswärtsbilanz der Liga aufrufen", "", &TfrmTN::mnuAusClick},
        {&TfrmTN::mnuKurve, "mnuKurve", "&Fieberkurven", "Fieberkurven der Teams aufrufen", "Ctrl+F", &TfrmTN::mnuKurveClick},
        {&TfrmTN::mnuHilfe, "mnuHilfe", "&Hilfe - Hauptübersicht", "Hauptübersicht des Hilfesystems aufrufen", "F1", &TfrmTN::mnuHilfeClick},
        {&TfrmTN::mnuHInx, "mnuHInx", "Hilfe - Inde&x", "Ruft den Suchindex des Hilfesystems auf", "", &TfrmTN::mnuHInxClick},
        {&TfrmTN::mnuHUse, "mnuHUse", "Wie wird die Hilfe ben&utzt?", "Systemhilfe zum Thema \"Hilfe benutzen\" aufrufen", "", &TfrmTN::mnuHUseClick},
        {&TfrmTN::mnuHP, "mnuHP", "Home&page des Autors", "Öffnet die Homepage des Autors: %1", "", &TfrmTN::mnuHPClick, false, &homepage},
        {&TfrmTN::mnuHLP, "mnuHLP", "Tabulon '98-Homepage", "Öffnet die Homepage des Tabulon '98: %1", "", &TfrmTN::mnuHLPClick, false, &programPage},
        {&TfrmTN::mnuEM, "mnuEM", "E-&Mail an den Autor", "Schreibt eine E-Mail an %1", "", &TfrmTN::mnuEMClick, false, &mail},
        {&TfrmTN::mnuInfo, "mnuInfo", "&Info über...", "Informationen über den Tabulon '98 sowie rechtliche Hinweise", "Ctrl+I", &TfrmTN::mnuInfoClick},
        // The files last used; captions and hints are theirs.
        {&TfrmTN::mnuZuletzt1, "mnuZuletzt1", "", "", "", &TfrmTN::mnuZuletzt1Click},
        {&TfrmTN::mnuZuletzt2, "mnuZuletzt2", "", "", "", &TfrmTN::mnuZuletzt2Click},
        {&TfrmTN::mnuZuletzt3, "mnuZuletzt3", "", "", "", &TfrmTN::mnuZuletzt3Click},
        {&TfrmTN::mnuZuletzt4, "mnuZuletzt4", "", "", "", &TfrmTN::mnuZuletzt4Click},
        {&TfrmTN::popSTR, "popSTR", "einen Spieltag zurück", "Wechselt zum vorigen Spieltag", "", &TfrmTN::mnuRClick},
        {&TfrmTN::popSTV, "popSTV", "einen Spieltag vorwärts", "Wechselt zum nächsten Spieltag", "", &TfrmTN::mnuVClick},
    };

    static inline const ToolButton toolButtons[] = {
        {&TfrmTN::tbNeu, "tbNeu", "new", "Neue Liga [Strg+N]", &TfrmTN::mnuNeuClick},
        {&TfrmTN::tbOeffnen, "tbOeffnen", "open", "Liga öffnen [Strg+O]", &TfrmTN::mnuOeffnenClick},
        {&TfrmTN::tbSpeichern, "tbSpeichern", "save", "Liga speichern [Strg+S]", &TfrmTN::mnuSpeichernClick},
        {&TfrmTN::tbExport, "tbExport", "export", "Liga exportieren [Strg+H]", &TfrmTN::mnuExportClick},
        {&TfrmTN::tbDruck, "tbDruck", "print", "Liga drucken [Strg+P]", &TfrmTN::mnuDruckClick},
        {&TfrmTN::tbHilfe, "tbHilfe", "help", "Hilfe aufrufen [F1]", &TfrmTN::mnuHilfeClick},
        {&TfrmTN::tbInfo, "tbInfo", "info", "Info über... [Strg+I]", &TfrmTN::mnuInfoClick},
        {&TfrmTN::tbR, "tbR", "back", "einen Spieltag zurück [F3]", &TfrmTN::mnuRClick},
        {&TfrmTN::tbV, "tbV", "forward", "einen Spieltag vorwärts [F4]", &TfrmTN::mnuVClick},
        {&TfrmTN::tbEinst, "tbEinst", "settings", "Grundeinstellungen [Strg+G]", &TfrmTN::mnuEinstClick},
        {&TfrmTN::tbKreuz, "tbKreuz", "cross", "Kreuztabelle [Strg+X]", &TfrmTN::mnuKreuzClick},
        {&TfrmTN::tbTab, "tbTab", "table", "Tabelle [Strg+T]", &TfrmTN::mnuTabClick},
        {&TfrmTN::tbKurve, "tbKurve", "curve", "Fieberkurven [Strg+F]", &TfrmTN::mnuKurveClick},
    };
    // clang-format on
};

void TfrmTN::buildActions()
{
    for (const MenuItem &item : ActionTable::menuItems) {
        QString hint = QString::fromUtf8(item.hint);
        if (item.address)
            hint = hint.arg(item.address());
        auto *a = new QAction(QString::fromUtf8(item.text), this);
        a->setObjectName(QString::fromLatin1(item.name));
        a->setStatusTip(hint);
        if (*item.key)
            a->setShortcut(QKeySequence(QString::fromLatin1(item.key)));
        if (item.checkable) {
            a->setCheckable(true);
            a->setChecked(true);
        }
        connect(a, &QAction::triggered, this, item.handler);
        this->*item.action = a;
    }
    for (const ToolButton &button : ActionTable::toolButtons) {
        const QString hint = QString::fromUtf8(button.hint);
        auto *a = new QAction(toolGlyph(QString::fromLatin1(button.glyph)), hint, this);
        a->setObjectName(QString::fromLatin1(button.name));
        a->setToolTip(hint);
        a->setStatusTip(hint);
        connect(a, &QAction::triggered, this, button.handler);
        this->*button.action = a;
    }
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
    datei->addActions({mnuZuletzt1, mnuZuletzt2, mnuZuletzt3, mnuZuletzt4});
    m_recentSeparator = datei->addSeparator();
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

void TfrmTN::showRecentFiles()
{
    const QStringList &files = m_files->recentFiles();
    const QList<QAction *> entries{mnuZuletzt1, mnuZuletzt2, mnuZuletzt3, mnuZuletzt4};
    for (int i = 0; i < entries.size(); ++i) {
        QAction *a = entries.at(i);
        a->setVisible(i < files.size());
        if (i >= files.size())
            continue;
        // An ampersand in the name is shown, not taken as the entry's key.
        QString name = QFileInfo(files.at(i)).fileName();
        name.replace(QLatin1Char('&'), QStringLiteral("&&"));
        a->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(name));
        a->setStatusTip(QDir::toNativeSeparators(files.at(i)));
    }
    m_recentSeparator->setVisible(!files.isEmpty());
}
