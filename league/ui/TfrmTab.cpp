#include "league/ui/TfrmTab.h"

#include "league/model/League.h"
#include "league/model/LeagueError.h"
#include "league/model/LeagueDate.h"
#include "league/ui/FormUtil.h"
#include "league/ui/StandChooser.h"
#include "league/ui/TableGrid.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>

namespace {

QString viewCaption(TableView v)
{
    switch (v) {
    case TableView::Home:
        return QStringLiteral("Heimbilanz");
    case TableView::Away:
        return QStringLiteral("Auswärtsbilanz");
    default:
        return QStringLiteral("Tabelle");
    }
}

// The two views each view's switch buttons lead to, in button order.
std::pair<TableView, TableView> targets(TableView v)
{
    switch (v) {
    case TableView::Home:
        return {TableView::Total, TableView::Away};
    case TableView::Away:
        return {TableView::Total, TableView::Home};
    default:
        return {TableView::Home, TableView::Away};
    }
}

} // namespace

TfrmTab::TfrmTab(const UiPlatform &platform, QWidget *parent) : BuiltOnUseDialog(parent), m_platform(platform)
{
    setObjectName(QStringLiteral("frmTab"));
    setWindowTitle(QStringLiteral("Tabelle"));
    FormUtil::makeFixedDialog(this, 472, 352);
    setModal(true);
    // The rows, some two hundred labels, are built when the window is first
    // filled or shown; the bands' colours live in m_bands until then.
}

void TfrmTab::buildControls()
{
    m_grid = new TableGrid(this);

    auto button = [this](QPushButton *&b, const char *name, const QString &text, const QRect &r) {
        b = new QPushButton(text, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setGeometry(r);
        b->setAutoDefault(false);
    };
    button(bb1, "bb1", QStringLiteral("Heimbilanz"), QRect(2, 311, 110, 20));
    button(bb2, "bb2", QStringLiteral("Auswärtsbilanz"), QRect(2, 330, 110, 20));
    button(bbHilfe, "bbHilfe", QStringLiteral("Hilfe"), QRect(284, 316, 90, 28));
    button(bbOK, "bbOK", QStringLiteral("Schließen"), QRect(380, 316, 90, 28));
    bbOK->setDefault(true);

    // Between the switch buttons and the others: when the tables stand.
    m_stand = new StandChooser(this);
    m_stand->move(118, 311);
    // The status line along the bottom: why the row under the mouse stands
    // below the row above it.
    lblGrund = new QLabel(this);
    lblGrund->setObjectName(QStringLiteral("lblGrund"));
    lblGrund->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    lblGrund->setTextFormat(Qt::PlainText);
    lblGrund->setIndent(3);
    // Below the status line, the switches of the extra columns.
    auto check = [this](QCheckBox *&c, const char *name, const QString &text, int x, int w) {
        c = new QCheckBox(text, this);
        c->setObjectName(QString::fromLatin1(name));
        c->setGeometry(x, 374, w, 20);
    };
    check(chkForm, "chkForm", QStringLiteral("&Form"), 4, 70);
    check(chkTendenz, "chkTendenz", QStringLiteral("&Tendenz"), 80, 90);
    check(chkGrund, "chkGrund", QStringLiteral("Be&gründung"), 176, 120);

    connect(bb1, &QPushButton::clicked, this, [this] { done(kFirstSwitch); });
    connect(bb2, &QPushButton::clicked, this, [this] { done(kSecondSwitch); });
    connect(bbOK, &QPushButton::clicked, this, [this] { done(kClose); });
    connect(bbHilfe, &QPushButton::clicked, this, [this] { m_platform.help->showContext(this, 4); });
    connect(m_grid, &TableGrid::rowEntered, this, &TfrmTab::showStatus);
    connect(m_stand, &StandChooser::roundChosen, this, &TfrmTab::seSTChange);
    connect(m_stand, &StandChooser::standChanged, this, &TfrmTab::standChange);
    connect(m_stand, &StandChooser::invalidDate, this, [this](const QString &typed) {
        if (m_platform.messages)
            m_platform.messages->error(this, LeagueError::notADate(typed));
    });
    for (QCheckBox *c : {chkForm, chkTendenz, chkGrund})
        connect(c, &QCheckBox::toggled, this, [this] {
            setExtraColumns(chkForm->isChecked(), chkTendenz->isChecked(), chkGrund->isChecked());
        });

    layoutRows();
    m_grid->setBands(m_bands);
}

void TfrmTab::layoutRows()
{
    // The window grows or shrinks with the rows from its 18-team size, the
    // buttons staying below; the extra columns widen it to the right.
    const bool total = m_view == TableView::Total;
    const QSize more = m_grid->arrange(
        m_teams, total, {chkForm->isChecked(), chkTendenz->isChecked(), chkGrund->isChecked()});
    const int wide = more.width();
    const int grow = more.height();
    bb1->move(2, 311 + grow);
    bb2->move(2, 330 + grow);
    bbHilfe->move(284 + wide, 316 + grow);
    bbOK->move(380 + wide, 316 + grow);
    m_stand->move(118, 311 + grow);
    lblGrund->setGeometry(2, 353 + grow, 468 + wide, 18);
    for (QCheckBox *c : {chkForm, chkTendenz, chkGrund})
        c->move(c->x(), 374 + grow);
    // Form and movement belong to the league table; the home and away
    // tables offer the reasons only.
    chkForm->setEnabled(total);
    chkTendenz->setEnabled(total);
    setFixedSize(472 + wide, 396 + grow);
}

void TfrmTab::setExtraColumns(bool form, bool movement, bool reasons)
{
    ensureBuilt();
    {
        const QSignalBlocker b1(chkForm), b2(chkTendenz), b3(chkGrund);
        chkForm->setChecked(form);
        chkTendenz->setChecked(movement);
        chkGrund->setChecked(reasons);
    }
    refill();
}

ExportOptions TfrmTab::exportOptions() const
{
    ExportOptions o;
    if (chkForm) {
        o.form = chkForm->isChecked();
        o.movement = chkTendenz->isChecked();
        o.explain = chkGrund->isChecked();
    }
    return o;
}

void TfrmTab::refill()
{
    if (m_league && m_filled)
        fill(m_view, m_standings, *m_league);
    else
        layoutRows();
}

QString TfrmTab::movementText(const TableTrend &trend, int slot, int place)
{
    return TableGrid::movementText(trend, slot, place);
}

void TfrmTab::setTeamCount(int teams)
{
    if (teams == m_teams)
        return;
    m_teams = teams;
    if (!m_filled)
        m_bands = RowBandColors::defaultLayout(teams);
    if (isBuilt()) {
        // A legend laid out for the old rows would stand among the new ones.
        m_grid->showLegend(nullptr, false);
        layoutRows();
        m_grid->setBands(m_bands);
    }
}

TableView TfrmTab::switchTarget(int result) const
{
    const auto [first, second] = targets(m_view);
    return result == kSecondSwitch ? second : first;
}

void TfrmTab::fill(TableView view, const Standings &standings, const League &league)
{
    ensureBuilt();
    m_filled = true;
    m_view = view;
    if (&standings != &m_standings)
        m_standings = standings;
    m_teams = league.teamCount;
    m_grid->showLegend(&league, view == TableView::Total);
    layoutRows();
    m_bands = bandsForView(view, league);
    m_grid->setBands(m_bands);
    setWindowTitle(viewCaption(view));
    const auto [first, second] = targets(view);
    bb1->setText(viewCaption(first));
    bb2->setText(viewCaption(second));
    m_league = &league;
    if (m_stand->byDay()) {
        standChange();
        return;
    }
    // Until a day is chosen, the field offers the last day of the matchday
    // the tables stand after.
    m_stand->offerDay(standings.lastRound >= 1 && standings.lastRound <= league.roundCount
                          ? LeagueDate::parse(league.dates(standings.lastRound).dateTo)
                          : QDate());
    showTables(standings, league);
}

void TfrmTab::showTables(const Standings &standings, const League &league)
{
    const TableView view = m_view;
    const Standings::Table &table = view == TableView::Home   ? standings.tableHome
                                    : view == TableView::Away ? standings.tableAway
                                                              : standings.tableTotal;
    const Standings::Reasons &reasons = view == TableView::Home   ? standings.reasonHome
                                        : view == TableView::Away ? standings.reasonAway
                                                                  : standings.reasonTotal;
    m_round = standings.lastRound;
    // The chooser offers the matchdays entered match by match.
    m_stand->showRound(std::max(league.firstRound, 1), std::max(league.roundCount, 1), m_round);
    const bool total = view == TableView::Total;
    TableTrend trend;
    if (total && (chkForm->isChecked() || chkTendenz->isChecked()))
        trend = tableTrend(league, standings.lastRound);
    m_grid->showRows(table, reasons, league, total, trend);
    showStatus(0);
}

int TfrmTab::shownRound() const
{
    return m_stand ? m_stand->round() : m_round;
}

QString TfrmTab::placeNote(int row) const
{
    return m_grid ? m_grid->placeNote(row) : QString();
}

QString TfrmTab::reasonLine(int row) const
{
    return m_grid ? m_grid->reasonLine(row) : QString();
}

QString TfrmTab::statusText() const
{
    return lblGrund ? lblGrund->text() : QString();
}

void TfrmTab::showStatus(int row)
{
    const QString reason = reasonLine(row);
    if (!reason.isEmpty())
        lblGrund->setText(reason);
    else if (row == 1)
        lblGrund->setText(QStringLiteral("Platz 1"));
    else if (standDate().isValid())
        lblGrund->setText(QStringLiteral("Stand am %1").arg(LeagueDate::format(standDate())));
    else
        lblGrund->setText(QStringLiteral("Stand nach dem %1. Spieltag").arg(shownRound()));
}

void TfrmTab::seSTChange(int round)
{
    if (!m_league)
        return;
    try {
        Standings standings;
        TabBer(*m_league, standings, round);
        fill(m_view, standings, *m_league);
    } catch (const LeagueError &e) {
        if (m_platform.messages)
            m_platform.messages->error(this, e.message());
    }
}

QDate TfrmTab::standDate() const
{
    return m_stand ? m_stand->day() : QDate();
}

void TfrmTab::setStandDate(const QDate &day)
{
    ensureBuilt();
    m_stand->setDay(day);
    standChange();
}

void TfrmTab::standChange()
{
    if (!m_league)
        return;
    if (!m_stand->byDay()) {
        seSTChange(m_stand->round());
        return;
    }
    try {
        // The tables of the whole season as it stood that evening; the
        // chooser shows the last matchday with a result counted by then.
        const QDate day = m_stand->day();
        const League played = m_league->playedBy(day);
        Standings standings;
        TabBer(played, standings);
        standings.lastRound = std::max(lastCountedRound(played), std::max(m_league->firstRound, 1));
        showTables(standings, *m_league);
    } catch (const LeagueError &e) {
        if (m_platform.messages)
            m_platform.messages->error(this, e.message());
    }
}
