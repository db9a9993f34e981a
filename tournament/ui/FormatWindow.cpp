#include "tournament/ui/FormatWindow.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
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
    newButton = new QPushButton(QStringLiteral("&New Tournament..."));
    newButton->setObjectName(QStringLiteral("newButton"));
    exitButton = new QPushButton(QStringLiteral("E&xit"));
    exitButton->setObjectName(QStringLiteral("exitButton"));
    auto *wl = new QVBoxLayout(welcome);
    wl->addWidget(title);
    wl->addWidget(about);
    wl->addSpacing(12);
    for (QPushButton *b : {bracketButton, newButton, exitButton}) {
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
    connect(m_session.get(), &FormatSession::changed, this, [this] {
        refreshPage(tabs->currentIndex());
        if (m_bracket)
            m_bracket->view->rebuild();
    });
    connect(classificationsPage->lotsButton, &QPushButton::clicked, lotsDialog, &FormatLotsDialog::offer);
    connect(bracketButton, &QPushButton::clicked, this, &FormatWindow::showBracket);
    connect(newButton, &QPushButton::clicked, this, &FormatWindow::newTournamentRequested);
    connect(exitButton, &QPushButton::clicked, this, &FormatWindow::close);
    connect(newResultPage, &FormatEntryPage::knockoutRecorded, this, &FormatWindow::showBracket);
    // The final (or a match for third place played after it) decides the
    // champion and the ranking: the champion screen says so.
    connect(newResultPage, &FormatEntryPage::knockoutRecorded, this, [this] {
        if (m_session->standings().champion >= 0 && champion()->refresh()) {
            m_champion->show();
            m_champion->raise();
        }
    });
}

FormatWindow::~FormatWindow() = default;

void FormatWindow::report(const QString &error)
{
    if (!error.isEmpty())
        m_platform.systemError(this, error);
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
