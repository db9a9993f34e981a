#include "tournament/ui/FormatWindow.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "tournament/ui/FormatBracket.h"
#include "tournament/ui/FormatChampion.h"
#include "tournament/ui/FormatEntryPage.h"
#include "tournament/ui/FormatGroupsPage.h"
#include "tournament/ui/FormatLotsDialog.h"
#include "tournament/ui/FormatMatchesPage.h"
#include "tournament/ui/FormatSession.h"
#include "tournament/ui/FormatStatsPage.h"
#include "tournament/ui/FormatTeamPage.h"
#include "tournament/ui/Platform.h"
#include "tournament/ui/WindowPlaces.h"

FormatWindow::FormatWindow(FormatTournament tournament, const QString &dir, Platform &platform, QWidget *parent)
    : QWidget(parent), m_session(std::make_unique<FormatSession>(std::move(tournament), dir)), m_platform(platform)
{
    setObjectName(QStringLiteral("FormatWindow"));
    const FormatTournament &t = m_session->tournament();
    setWindowTitle(QStringLiteral("Trophex 1.1 - %1").arg(t.format.name));
    setMinimumSize(760, 520);

    const auto reporter = [this](const QString &error) { report(error); };
    auto *welcome = new QWidget;
    welcome->setObjectName(QStringLiteral("welcome"));
    title = new QLabel;
    title->setObjectName(QStringLiteral("title"));
    title->setTextFormat(Qt::PlainText);
    QFont big = title->font();
    big.setPixelSize(22);
    big.setBold(true);
    title->setFont(big);
    title->setText(t.format.name);
    auto *about = new QLabel(QStringLiteral("%1 groups of four, %2 teams in the knock-out stage.\n"
                                            "Folder: %3\nEvery change is saved at once.")
                                 .arg(t.format.groups)
                                 .arg(t.format.firstRoundTeams())
                                 .arg(dir));
    about->setTextFormat(Qt::PlainText);
    about->setWordWrap(true);
    bracketButton = new QPushButton(QStringLiteral("&Bracket"));
    bracketButton->setObjectName(QStringLiteral("bracketButton"));
    championButton = new QPushButton(QStringLiteral("&Champion"));
    championButton->setObjectName(QStringLiteral("championButton"));
    newButton = new QPushButton(QStringLiteral("&New Tournament..."));
    newButton->setObjectName(QStringLiteral("newButton"));
    exitButton = new QPushButton(QStringLiteral("E&xit"));
    exitButton->setObjectName(QStringLiteral("exitButton"));
    auto *wl = new QVBoxLayout(welcome);
    wl->addWidget(title);
    wl->addWidget(about);
    wl->addSpacing(12);
    for (QPushButton *b : {bracketButton, championButton, newButton, exitButton}) {
        b->setMinimumWidth(220);
        wl->addWidget(b, 0, Qt::AlignLeft);
    }
    wl->addStretch(1);

    classificationsPage = new FormatGroupsPage(*m_session);
    editTeamPage = new FormatTeamPage(*m_session, reporter);
    playedMatchesPage = new FormatMatchesPage(*m_session, platform);
    newResultPage = new FormatEntryPage(*m_session, reporter);
    statisticsPage = new FormatStatsPage(*m_session);
    lotsDialog = new FormatLotsDialog(*m_session, reporter, this);

    tabs = new QTabWidget;
    tabs->setObjectName(QStringLiteral("tabs"));
    tabs->addTab(welcome, QStringLiteral("Welcome"));
    tabs->addTab(classificationsPage, QStringLiteral("Classifications"));
    tabs->addTab(editTeamPage, QStringLiteral("Edit Team"));
    tabs->addTab(playedMatchesPage, QStringLiteral("Played Matchs"));
    tabs->addTab(newResultPage, QStringLiteral("New Result"));
    tabs->addTab(statisticsPage, QStringLiteral("Statistics"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(tabs);

    connect(tabs, &QTabWidget::currentChanged, this, &FormatWindow::refreshPage);
    connect(m_session.get(), &FormatSession::changed, this, &FormatWindow::tournamentChanged);
    connect(classificationsPage->lotsButton, &QPushButton::clicked, lotsDialog, &FormatLotsDialog::offer);
    connect(bracketButton, &QPushButton::clicked, this, &FormatWindow::showBracket);
    connect(newButton, &QPushButton::clicked, this, &FormatWindow::newTournamentRequested);
    connect(exitButton, &QPushButton::clicked, this, &FormatWindow::close);
    connect(newResultPage, &FormatEntryPage::knockoutRecorded, this, &FormatWindow::showBracket);
    // A match for third place played after the final changes the ranking:
    // the champion screen comes back with it.
    connect(newResultPage, &FormatEntryPage::knockoutRecorded, this, [this] {
        if (m_session->standings().champion >= 0)
            showChampion();
    });
    m_decided = m_session->standings().champion >= 0;
    championButton->setVisible(m_decided);
    connect(championButton, &QPushButton::clicked, this, &FormatWindow::showChampion);
}

FormatWindow::~FormatWindow() = default;

void FormatWindow::report(const QString &error)
{
    if (!error.isEmpty())
        m_platform.systemError(this, error);
}

void FormatWindow::tournamentChanged()
{
    refreshPage(tabs->currentIndex());
    if (m_bracket)
        m_bracket->view->rebuild();
    // The champion screen opens when the champion becomes known, whether by
    // a result or by a correction; it follows the ranking while it is open
    // and goes when a correction leaves the final undecided.
    const bool decided = m_session->standings().champion >= 0;
    if (decided && (!m_decided || (m_champion && m_champion->isVisible())))
        showChampion();
    else if (!decided && m_champion)
        m_champion->hide();
    m_decided = decided;
    championButton->setVisible(decided);
}

void FormatWindow::refreshPage(int page)
{
    switch (page) {
    case Classifications: classificationsPage->refresh(); break;
    case EditTeam: editTeamPage->refresh(); break;
    case PlayedMatchs: playedMatchesPage->refresh(); break;
    case NewResult: newResultPage->refresh(); break;
    case Statistics: statisticsPage->refresh(); break;
    default: break;
    }
}

FormatBracket *FormatWindow::bracket()
{
    if (!m_bracket) {
        m_bracket = std::make_unique<FormatBracket>(*m_session);
        connect(m_bracket.get(), &FormatBracket::matchChosen, this, &FormatWindow::openMatch);
    }
    return m_bracket.get();
}

FormatChampion *FormatWindow::champion()
{
    if (!m_champion)
        m_champion = new FormatChampion(*m_session, this);
    return m_champion;
}

void FormatWindow::showChampion()
{
    if (!champion()->refresh())
        return;
    m_champion->show();
    m_champion->raise();
}

void FormatWindow::showBracket()
{
    FormatBracket *b = bracket();
    b->show();
    b->raise();
    b->activateWindow();
}

void FormatWindow::openMatch(int number)
{
    if (!newResultPage->openMatch(number))
        return;
    tabs->setCurrentIndex(NewResult);
    show();
    raise();
    activateWindow();
}

void FormatWindow::showEvent(QShowEvent *event)
{
    if (!m_placed) {
        m_placed = true;
        WindowPlaces::restore(this, QStringLiteral("main"), QSize(1280, 900));
    }
    QWidget::showEvent(event);
    // The frame is known only once the window is up: then the title bar is
    // brought onto the screen as well.
    if (!event->spontaneous())
        QTimer::singleShot(0, this, [this] { WindowPlaces::keepInside(this); });
}

void FormatWindow::closeEvent(QCloseEvent *event)
{
    WindowPlaces::save(this, QStringLiteral("main"));
    if (m_bracket) {
        if (m_bracket->isVisible())
            WindowPlaces::save(m_bracket.get(), QStringLiteral("bracket"));
        m_bracket->hide();
    }
    event->accept();
    emit closed();
}
