#include "league/ui/TfrmTab.h"

#include "league/model/League.h"
#include "league/model/LeagueError.h"
#include "league/model/LeagueDate.h"
#include "league/ui/DateField.h"
#include "league/ui/FormUtil.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QEvent>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QSpinBox>

#include <cstdlib>

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

QLabel *cell(QWidget *parent, const QString &name, int x, int y, int w,
             Qt::Alignment align = Qt::AlignCenter, bool bold = false)
{
    auto *l = new QLabel(parent);
    if (!name.isEmpty())
        l->setObjectName(name);
    l->setGeometry(x, y, w, 15);
    l->setAlignment(align | Qt::AlignVCenter);
    l->setAttribute(Qt::WA_TranslucentBackground);
    if (bold) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
    }
    return l;
}

constexpr int kLossesW = 15;
constexpr int kPointsW = 23;
// The extra columns start right of the place number at the row's end.
constexpr int kExtraX = 468;
constexpr int kFormW = 48;
constexpr int kTendW = 36;
constexpr int kWarumW = 230;
constexpr int kLegendRowH = 18;

QFrame *bevel(QWidget *parent, QFrame::Shape shape, const QRect &r)
{
    auto *f = new QFrame(parent);
    f->setFrameShape(shape);
    f->setFrameShadow(QFrame::Sunken);
    f->setGeometry(r);
    return f;
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
    auto *scr = new QScrollArea(this);
    scr->setObjectName(QStringLiteral("scrTab"));
    scr->setGeometry(2, 2, 468, 306);
    scr->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scr->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scr->setFrameShape(QFrame::StyledPanel);
    // Created inside the scroll area, so that the labels resolve the
    // dialog's font once instead of the application's font first.
    auto *box = new QWidget(scr);
    box->setFixedSize(464, 302);
    box->setAutoFillBackground(true);
    QPalette pal = box->palette();
    pal.setColor(QPalette::Window, Qt::white);
    box->setPalette(pal);

    // Header band with its labels.
    auto *header = new QFrame(box);
    header->setObjectName(QStringLiteral("Shape19"));
    header->setGeometry(0, -3, 464, 17);
    header->setAutoFillBackground(true);
    QPalette hp = header->palette();
    hp.setColor(QPalette::Window, QColor(238, 238, 238));
    header->setPalette(hp);
    cell(box, {}, 211, -1, 34)->setText(QStringLiteral("Spiele"));
    cell(box, {}, 244, -1, 21)->setText(QStringLiteral("s"));
    cell(box, {}, 264, -1, 21)->setText(QStringLiteral("u"));
    // The losses and points cells end short of the rule at their right, so
    // that two-digit losses and three-digit points are drawn whole.
    cell(box, {}, 284, -1, kLossesW)->setText(QStringLiteral("n"));
    cell(box, {}, 308, -1, kPointsW)->setText(QStringLiteral("Pkt."));
    cell(box, {}, 340, -1, 69)->setText(QStringLiteral("Tore"));
    cell(box, {}, 408, -1, 37)->setText(QStringLiteral("Diff."));

    // A row per slot of the largest league; layoutRows() shows the league's.
    for (int r = 1; r <= League::kMaxTeams; ++r) {
        Shape[r] = new QFrame(box);
        Shape[r]->setObjectName(QStringLiteral("Shape%1").arg(r));
        Shape[r]->setAutoFillBackground(true);
    }
    for (int r = 1; r <= League::kMaxTeams; ++r) {
        const QString n = QString::number(r);
        m_placeLeft[r] = cell(box, {}, -2, 0, 17, Qt::AlignRight, true);
        m_placeLeft[r]->setText(n);
        lblTeam[r] = cell(box, QStringLiteral("lblTeam") + n, 18, 0, 200);
        lblTeam[r]->setTextFormat(Qt::PlainText);
        lblSp[r] = cell(box, QStringLiteral("lblSp") + n, 224, 0, 21);
        lblSs[r] = cell(box, QStringLiteral("lblSs") + n, 244, 0, 21);
        lblSu[r] = cell(box, QStringLiteral("lblSu") + n, 264, 0, 21);
        lblSn[r] = cell(box, QStringLiteral("lblSn") + n, 284, 0, kLossesW);
        lblPkt[r] = cell(box, QStringLiteral("lblPkt") + n, 308, 0, kPointsW);
        lblTe[r] = cell(box, QStringLiteral("lblTe") + n, 340, 0, 33);
        m_colon[r] = cell(box, {}, 373, 0, 4);
        m_colon[r]->setText(QStringLiteral(":"));
        lblTa[r] = cell(box, QStringLiteral("lblTa") + n, 376, 0, 33);
        lblTd[r] = cell(box, QStringLiteral("lblTd") + n, 408, 0, 37);
        m_placeRight[r] = cell(box, {}, 448, 0, 17, Qt::AlignCenter, true);
        m_placeRight[r]->setText(n);
        lblForm[r] = cell(box, QStringLiteral("lblForm") + n, kExtraX, 0, kFormW);
        lblTend[r] = cell(box, QStringLiteral("lblTend") + n, kExtraX, 0, kTendW);
        lblWarum[r] = cell(box, QStringLiteral("lblWarum") + n, kExtraX, 0, kWarumW, Qt::AlignLeft);
        lblWarum[r]->setTextFormat(Qt::PlainText);
    }
    m_extraHeads = {cell(box, {}, kExtraX, -1, kFormW), cell(box, {}, kExtraX, -1, kTendW),
                    cell(box, {}, kExtraX, -1, kWarumW, Qt::AlignLeft)};
    m_extraHeads[0]->setText(QStringLiteral("Form"));
    m_extraHeads[1]->setText(QStringLiteral("+/-"));
    m_extraHeads[2]->setText(QStringLiteral("Begründung"));
    for (int x : {202, 300, 332, 440}) {
        QFrame *rule = bevel(box, QFrame::VLine, QRect(x - 1, 0, 3, 302));
        rule->setProperty("ruleX", x - 1);
        m_columnRules << rule;
    }
    bevel(box, QFrame::HLine, QRect(0, 12, 464, 3));
    m_box = box;
    m_scroll = scr;
    scr->setWidget(box);

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

    // Between the switch buttons and the others: the matchday the tables
    // stand after.
    auto *lblST = new QLabel(QStringLiteral("nach dem Spieltag"), this);
    lblST->setObjectName(QStringLiteral("lblST"));
    lblST->setGeometry(118, 311, 94, 20);
    lblST->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    seST = new QSpinBox(this);
    seST->setObjectName(QStringLiteral("seST"));
    seST->setGeometry(216, 311, 56, 20);
    seST->setRange(1, League::kRounds);
    lblST->setBuddy(seST);
    // Below it, the day the tables may stand on instead: a postponed match
    // counts from the day it was played, not from its matchday.
    cbStand = new QCheckBox(QStringLiteral("Stand am"), this);
    cbStand->setObjectName(QStringLiteral("cbStand"));
    cbStand->setGeometry(118, 331, 72, 20);
    deStand = new DateField(QDate::currentDate(), this);
    deStand->setObjectName(QStringLiteral("deStand"));
    deStand->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    deStand->setGeometry(190, 331, 86, 20);
    deStand->setEnabled(false);
    deStand->setInvalidHandler([this](const QString &typed) {
        if (m_platform.messages)
            m_platform.messages->error(this, LeagueError::notADate(typed));
    });
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
    // The cells of a row let the mouse through to its band, so that the
    // band's tooltip and the status line cover the whole row; the band and
    // the name (which takes the mouse when it is cut) say which row they
    // belong to.
    for (int r = 1; r <= League::kMaxTeams; ++r) {
        for (QLabel *l : {m_placeLeft[r], lblTeam[r], lblSp[r], lblSs[r], lblSu[r], lblSn[r], lblPkt[r], lblTe[r],
                          m_colon[r], lblTa[r], lblTd[r], m_placeRight[r], lblForm[r], lblTend[r], lblWarum[r]})
            l->setAttribute(Qt::WA_TransparentForMouseEvents);
        for (QWidget *w : std::initializer_list<QWidget *>{Shape[r], lblTeam[r]}) {
            w->setProperty("tabRow", r);
            w->installEventFilter(this);
        }
    }
    m_box->installEventFilter(this);

    connect(bb1, &QPushButton::clicked, this, [this] { done(kFirstSwitch); });
    connect(bb2, &QPushButton::clicked, this, [this] { done(kSecondSwitch); });
    connect(bbOK, &QPushButton::clicked, this, [this] { done(kClose); });
    connect(bbHilfe, &QPushButton::clicked, this, [this] { m_platform.help->showContext(this, 4); });
    connect(seST, &QSpinBox::valueChanged, this, &TfrmTab::seSTChange);
    for (QCheckBox *c : {chkForm, chkTendenz, chkGrund})
        connect(c, &QCheckBox::toggled, this, [this] {
            setExtraColumns(chkForm->isChecked(), chkTendenz->isChecked(), chkGrund->isChecked());
        });
    connect(cbStand, &QCheckBox::toggled, this, &TfrmTab::standChange);
    connect(deStand, &QDateEdit::dateChanged, this, &TfrmTab::standChange);

    layoutRows();
    applyBands();
}

void TfrmTab::layoutRows()
{
    // Rows of 16 pixels under a 14-pixel header, then the legend; the window
    // grows or shrinks with them from its 18-team size, the buttons staying
    // below. The extra columns widen it to the right.
    const int rowsHeight = 14 + 16 * m_teams;
    const int boxHeight = rowsHeight + m_legendHeight;
    const int grow = boxHeight - 302;
    const bool total = m_view == TableView::Total;
    const bool showForm = total && chkForm->isChecked();
    const bool showTend = total && chkTendenz->isChecked();
    const bool showWarum = chkGrund->isChecked();
    int x = kExtraX;
    const int formX = x;
    x += showForm ? kFormW + 4 : 0;
    const int tendX = x;
    x += showTend ? kTendW + 4 : 0;
    const int warumX = x;
    x += showWarum ? kWarumW + 4 : 0;
    const int wide = x - kExtraX;
    const std::array<std::pair<int, bool>, 3> extras{{{formX, showForm}, {tendX, showTend}, {warumX, showWarum}}};
    for (int c = 0; c < 3; ++c) {
        m_extraHeads[c]->move(extras[c].first, m_extraHeads[c]->y());
        m_extraHeads[c]->setVisible(extras[c].second);
    }
    for (int r = 1; r <= League::kMaxTeams; ++r) {
        const bool shown = r <= m_teams;
        const int y = 14 + 16 * (r - 1);
        Shape[r]->setGeometry(0, y, 464 + wide, 17);
        Shape[r]->setVisible(shown);
        for (QLabel *l : {m_placeLeft[r], lblTeam[r], lblSp[r], lblSs[r], lblSu[r], lblSn[r], lblPkt[r], lblTe[r],
                          m_colon[r], lblTa[r], lblTd[r], m_placeRight[r]}) {
            l->move(l->x(), y + 1);
            l->setVisible(shown);
        }
        const std::array<QLabel *, 3> cells{lblForm[r], lblTend[r], lblWarum[r]};
        for (int c = 0; c < 3; ++c) {
            cells[c]->move(extras[c].first, y + 1);
            cells[c]->setVisible(shown && extras[c].second);
        }
    }
    for (QFrame *rule : m_columnRules)
        rule->setGeometry(rule->property("ruleX").toInt(), 0, 3, rowsHeight);
    m_box->findChild<QFrame *>(QStringLiteral("Shape19"))->setFixedWidth(464 + wide);
    m_box->setFixedSize(464 + wide, boxHeight);
    m_scroll->setGeometry(2, 2, 468 + wide, 306 + grow);
    bb1->move(2, 311 + grow);
    bb2->move(2, 330 + grow);
    bbHilfe->move(284 + wide, 316 + grow);
    bbOK->move(380 + wide, 316 + grow);
    findChild<QLabel *>(QStringLiteral("lblST"))->move(118, 311 + grow);
    seST->move(216, 311 + grow);
    cbStand->move(118, 331 + grow);
    deStand->move(190, 331 + grow);
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
    if (slot < 1 || slot > League::kMaxTeams || !trend.previousPlace[slot])
        return QString();
    const int gained = placesGained(trend, slot, place);
    if (gained == 0)
        return QStringLiteral("=");
    return (gained > 0 ? QStringLiteral("\u25B2") : QStringLiteral("\u25BC")) + QString::number(std::abs(gained));
}

void TfrmTab::fillLegend(const League &league)
{
    qDeleteAll(m_legend);
    m_legend.clear();
    m_legendHeight = 0;
    if (m_view != TableView::Total || !league.hasZonesOfToday())
        return;
    // One label per zone on its colour, in table order, wrapped to the
    // table's width.
    const int top = 14 + 16 * league.teamCount + 3;
    int x = 2, line = 0;
    const ZoneSpans spans = zoneSpans(league);
    for (Zone z : {Zone::Champion, Zone::ChampionsLeague, Zone::EuropaLeague, Zone::ConferenceLeague,
                   Zone::RelegationPlayoff, Zone::Relegation}) {
        const ZoneSpan &span = spans[static_cast<int>(z)];
        if (span.empty())
            continue;
        auto *l = new QLabel(m_box);
        l->setObjectName(QStringLiteral("lblZone%1").arg(static_cast<int>(z) + 1));
        l->setTextFormat(Qt::PlainText);
        const QString places = span.first == span.last ? QString::number(span.first)
                                                       : QStringLiteral("%1-%2").arg(span.first).arg(span.last);
        l->setText(places + QLatin1Char(' ') + league.zoneName(z));
        l->setAutoFillBackground(true);
        QPalette p = l->palette();
        p.setColor(QPalette::Window, QColor::fromRgb(static_cast<QRgb>(league.zoneColorRgb(z))));
        p.setColor(QPalette::WindowText, Qt::black);
        l->setPalette(p);
        l->setFrameStyle(QFrame::Box | QFrame::Plain);
        l->setMargin(1);
        l->adjustSize();
        const int w = std::min(l->width(), 460);
        if (x > 2 && x + w > 462) {
            x = 2;
            ++line;
        }
        l->setGeometry(x, top + line * kLegendRowH, w, kLegendRowH - 2);
        l->show();
        m_legend << l;
        x += w + 4;
    }
    m_legendHeight = (line + 1) * kLegendRowH + 4;
}

void TfrmTab::setTeamCount(int teams)
{
    if (teams == m_teams)
        return;
    m_teams = teams;
    // A legend laid out for the old rows would stand among the new ones.
    qDeleteAll(m_legend);
    m_legend.clear();
    m_legendHeight = 0;
    if (!m_filled)
        m_bands = RowBandColors::defaultLayout(teams);
    if (isBuilt()) {
        layoutRows();
        applyBands();
    }
}

void TfrmTab::applyBands()
{
    for (int r = 1; r <= League::kMaxTeams; ++r) {
        QPalette p = Shape[r]->palette();
        p.setColor(QPalette::Window, m_bands[r]);
        Shape[r]->setPalette(p);
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
    fillLegend(league);
    layoutRows();
    m_bands = bandsForView(view, league);
    applyBands();
    setWindowTitle(viewCaption(view));
    const auto [first, second] = targets(view);
    bb1->setText(viewCaption(first));
    bb2->setText(viewCaption(second));
    m_league = &league;
    if (cbStand->isChecked()) {
        standChange();
        return;
    }
    {
        // Until a day is chosen, the field offers the last day of the
        // matchday the tables stand after.
        const QDate last = standings.lastRound >= 1 && standings.lastRound <= league.roundCount
            ? LeagueDate::parse(league.dates(standings.lastRound).dateTo)
            : QDate();
        const QSignalBlocker block(deStand);
        if (last.isValid())
            deStand->setDate(last);
    }
    showTables(standings, league);
}

void TfrmTab::showTables(const Standings &standings, const League &league)
{
    const TableView view = m_view;
    const Standings::Table &table = view == TableView::Home   ? standings.tableHome
                                    : view == TableView::Away ? standings.tableAway
                                                              : standings.tableTotal;
    m_reasons = view == TableView::Home   ? standings.reasonHome
                : view == TableView::Away ? standings.reasonAway
                                          : standings.reasonTotal;
    m_round = standings.lastRound;
    {
        // The chooser offers the matchdays entered match by match.
        const QSignalBlocker block(seST);
        seST->setRange(std::max(league.firstRound, 1), std::max(league.roundCount, 1));
        seST->setValue(m_round);
    }
    for (int r = 1; r <= League::kMaxTeams + 1; ++r)
        m_deducted[r] = r <= league.teamCount ? table[r].deducted : 0;
    const bool total = view == TableView::Total;
    TableTrend trend;
    if (total && (chkForm->isChecked() || chkTendenz->isChecked()))
        trend = tableTrend(league, standings.lastRound);
    for (int r = 1; r <= league.teamCount; ++r) {
        const StandingsRow &row = table[r];
        const QString reason = reasonLine(r);
        // A name wider than its cell is cut at the end with "…" (centred it
        // would lose both ends); the whole name is the cell's tooltip,
        // above the reason of the place.
        const QString shown =
            lblTeam[r]->fontMetrics().elidedText(row.name, Qt::ElideRight, lblTeam[r]->width());
        lblTeam[r]->setText(shown);
        // The row's band carries the reason, and the cells let the mouse
        // through to it; only a cut name takes the mouse for its tooltip,
        // which then gives the reason below the name.
        const bool cut = shown != row.name;
        lblTeam[r]->setAttribute(Qt::WA_TransparentForMouseEvents, !cut);
        lblTeam[r]->setToolTip(!cut              ? QString()
                               : reason.isEmpty() ? FormUtil::plainToolTip(row.name)
                                                  : FormUtil::plainToolTip(row.name + QLatin1Char('\n') + reason));
        Shape[r]->setToolTip(reason);
        lblSp[r]->setText(QString::number(row.games));
        lblSs[r]->setText(QString::number(row.wins));
        lblSu[r]->setText(QString::number(row.draws));
        lblSn[r]->setText(QString::number(row.losses));
        lblPkt[r]->setText(QString::number(row.points));
        // Points with a deduction in them are marked red; the reason says
        // how many were taken.
        QPalette pp = lblPkt[r]->palette();
        pp.setColor(QPalette::WindowText, row.deducted ? QColor(192, 0, 0) : palette().color(QPalette::WindowText));
        lblPkt[r]->setPalette(pp);
        lblForm[r]->setText(total ? trend.form[row.team] : QString());
        lblTend[r]->setText(total ? movementText(trend, row.team, r) : QString());
        lblWarum[r]->setText(placeNote(r));
        lblTe[r]->setText(QString::number(row.goalsFor));
        lblTa[r]->setText(QString::number(row.goalsAgainst));
        lblTd[r]->setText(QString::number(row.goalDiff));
    }
    showStatus(0);
}

int TfrmTab::shownRound() const
{
    return seST ? seST->value() : m_round;
}

QString TfrmTab::placeNote(int row) const
{
    if (row < 1 || row > m_teams)
        return QString();
    QStringList parts;
    if (row > 1 && m_reasons[row] != RankReason::None)
        parts << rankReasonText(m_reasons[row]);
    if (m_deducted[row])
        parts << QStringLiteral("Punktabzug: %1").arg(m_deducted[row]);
    return parts.join(QStringLiteral(", "));
}

QString TfrmTab::reasonLine(int row) const
{
    if (row < 1 || row > m_teams)
        return QString();
    const QString note = placeNote(row);
    if (row == 1)
        return note.isEmpty() ? QString() : QStringLiteral("Platz 1 – ") + note;
    if (note.isEmpty())
        return QString();
    return QStringLiteral("Platz %1 hinter Platz %2 – %3").arg(row).arg(row - 1).arg(note);
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

bool TfrmTab::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Enter || event->type() == QEvent::MouseButtonPress) {
        const QVariant row = watched->property("tabRow");
        if (row.isValid())
            showStatus(row.toInt());
    } else if (event->type() == QEvent::Leave && watched == m_box) {
        showStatus(0);
    }
    return BuiltOnUseDialog::eventFilter(watched, event);
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
    return cbStand && cbStand->isChecked() ? deStand->date() : QDate();
}

void TfrmTab::setStandDate(const QDate &day)
{
    ensureBuilt();
    {
        const QSignalBlocker blockBox(cbStand);
        const QSignalBlocker blockDate(deStand);
        cbStand->setChecked(day.isValid());
        if (day.isValid())
            deStand->setDate(day);
    }
    standChange();
}

void TfrmTab::standChange()
{
    const bool byDay = cbStand->isChecked();
    deStand->setEnabled(byDay);
    seST->setEnabled(!byDay);
    if (!m_league)
        return;
    if (!byDay) {
        seSTChange(seST->value());
        return;
    }
    try {
        // The tables of the whole season as it stood that evening; the
        // chooser shows the last matchday with a result counted by then.
        const League played = m_league->playedBy(deStand->date());
        Standings standings;
        TabBer(played, standings);
        standings.lastRound = std::max(lastCountedRound(played), std::max(m_league->firstRound, 1));
        showTables(standings, *m_league);
    } catch (const LeagueError &e) {
        if (m_platform.messages)
            m_platform.messages->error(this, e.message());
    }
}
