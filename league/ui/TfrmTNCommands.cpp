// The handlers of the main window's menu items and toolbar buttons. Each is
// a whole command: it hands the work to the file or export commands, the
// core or another window, and shows a failure as its message.
#include "league/ui/TfrmTN.h"

#include "league/model/LeagueError.h"
#include "league/standings/Standings.h"
#include "league/ui/LeagueExportCommands.h"
#include "league/ui/LeagueFileCommands.h"
#include "league/ui/TfrmAbout.h"
#include "league/ui/TfrmDruckDlg.h"
#include "league/ui/TfrmEinst.h"
#include "league/ui/TfrmKreuz.h"
#include "league/ui/TfrmKurve.h"
#include "league/ui/TfrmSpielplan.h"
#include "league/ui/TfrmTab.h"

#include <QUrlQuery>
#include <algorithm>

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

void TfrmTN::mnuNeuClick()
{
    guarded([this] {
        if (!m_files->askToSave())
            return;
        NeuSet();
        m_files->forgetImport();
        TitelLeiste();
        ErsterST();
        UpdateST();
        UpdateCBO();
        m_league.leagueSaved = true;
    });
}

void TfrmTN::mnuOeffnenClick()
{
    guarded([this] { m_files->open(); });
}

void TfrmTN::mnuSpeichernClick()
{
    guarded([this] { m_files->save(); });
}

void TfrmTN::mnuUnterClick()
{
    guarded([this] { m_files->saveAs(); });
}

void TfrmTN::openRecent(int index)
{
    guarded([this, index] { m_files->openRecent(index); });
}

void TfrmTN::mnuZuletzt1Click()
{
    openRecent(0);
}

void TfrmTN::mnuZuletzt2Click()
{
    openRecent(1);
}

void TfrmTN::mnuZuletzt3Click()
{
    openRecent(2);
}

void TfrmTN::mnuZuletzt4Click()
{
    openRecent(3);
}

void TfrmTN::showLoadedLeague()
{
    TitelLeiste();
    ErsterST();
    UpdateCBO();
    UpdateST();
}

void TfrmTN::mnuEndeClick()
{
    close();
}

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

void TfrmTN::mnuEinstClick()
{
    guarded([this] {
        frmEinst()->fillFrom(m_league);
        if (frmEinst()->exec() != QDialog::Accepted)
            return;
        frmEinst()->writeTo(m_league);
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
            frmTab()->fill(view, standings, m_league);
            const int result = frmTab()->exec();
            round = frmTab()->shownRound();
            if (result == TfrmTab::kFirstSwitch || result == TfrmTab::kSecondSwitch)
                view = frmTab()->switchTarget(result);
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
        frmKreuz()->KreuzBer(m_league);
        frmKreuz()->exec();
    });
}

void TfrmTN::mnuKurveClick()
{
    guarded([this] {
        frmKurve()->prepare();
        frmKurve()->exec();
    });
}

void TfrmTN::mnuExportClick()
{
    guarded([this] { exports().run(); });
}

void TfrmTN::mnuDruckClick()
{
    if (!frmDruckDlg())
        return;
    guarded([this] { frmDruckDlg()->mnuDruckClick(); });
}

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
    frmAbout()->exec();
}
