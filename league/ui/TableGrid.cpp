#include "league/ui/TableGrid.h"

#include "league/ui/FormUtil.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>

#include <cstdlib>

namespace {

QLabel *cell(QWidget *parent, const QString &name, int x, int y, int w, Qt::Alignment align = Qt::AlignCenter,
             bool bold = false)
{
    QLabel *l = FormUtil::label(parent, QString(), QRect(x, y, w, 15), align | Qt::AlignVCenter, bold);
    if (!name.isEmpty())
        l->setObjectName(name);
    l->setAttribute(Qt::WA_TranslucentBackground);
    return l;
}

QFrame *bevel(QWidget *parent, QFrame::Shape shape, const QRect &r)
{
    auto *f = new QFrame(parent);
    f->setFrameShape(shape);
    f->setFrameShadow(QFrame::Sunken);
    f->setGeometry(r);
    return f;
}

constexpr int kLossesW = 15;
constexpr int kPointsW = 23;
// The extra columns start right of the place number at the row's end.
constexpr int kExtraX = 468;
constexpr int kFormW = 48;
constexpr int kTendW = 36;
constexpr int kWarumW = 230;
constexpr int kLegendRowH = 18;

} // namespace

TableGrid::TableGrid(QWidget *parent) : QScrollArea(parent)
{
    setObjectName(QStringLiteral("scrTab"));
    setGeometry(2, 2, 468, 306);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFrameShape(QFrame::StyledPanel);
    buildRows();
}

void TableGrid::buildRows()
{
    // Created inside the scroll area, so that the labels resolve the
    // dialog's font once instead of the application's font first.
    auto *box = new QWidget(this);
    box->setFixedSize(464, 302);
    box->setAutoFillBackground(true);
    QPalette pal = box->palette();
    pal.setColor(QPalette::Window, Qt::white);
    box->setPalette(pal);

    // Header band with its labels.
    m_header = new QFrame(box);
    m_header->setObjectName(QStringLiteral("Shape19"));
    m_header->setGeometry(0, -3, 464, 17);
    m_header->setAutoFillBackground(true);
    QPalette hp = m_header->palette();
    hp.setColor(QPalette::Window, QColor(238, 238, 238));
    m_header->setPalette(hp);
    cell(box, {}, 211, -1, 34)->setText(QStringLiteral("Spiele"));
    cell(box, {}, 244, -1, 21)->setText(QStringLiteral("s"));
    cell(box, {}, 264, -1, 21)->setText(QStringLiteral("u"));
    // The losses and points cells end short of the rule at their right, so
    // that two-digit losses and three-digit points are drawn whole.
    cell(box, {}, 284, -1, kLossesW)->setText(QStringLiteral("n"));
    cell(box, {}, 308, -1, kPointsW)->setText(QStringLiteral("Pkt."));
    cell(box, {}, 340, -1, 69)->setText(QStringLiteral("Tore"));
    cell(box, {}, 408, -1, 37)->setText(QStringLiteral("Diff."));

    // A row per slot of the largest league; arrange() shows the league's.
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
    setWidget(box);

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
}

QSize TableGrid::arrange(int teams, bool leagueTable, Columns columns)
{
    // Rows of 16 pixels under a 14-pixel header, then the legend; the grid
    // grows or shrinks with them from its 18-team size. The extra columns
    // widen it to the right.
    m_teams = teams;
    const int rowsHeight = 14 + 16 * m_teams;
    const int boxHeight = rowsHeight + m_legendHeight;
    const int grow = boxHeight - 302;
    const bool showForm = leagueTable && columns.form;
    const bool showTend = leagueTable && columns.movement;
    const bool showWarum = columns.reasons;
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
    m_header->setFixedWidth(464 + wide);
    m_box->setFixedSize(464 + wide, boxHeight);
    setGeometry(2, 2, 468 + wide, 306 + grow);
    return QSize(wide, grow);
}

void TableGrid::showLegend(const League *league, bool leagueTable)
{
    qDeleteAll(m_legend);
    m_legend.clear();
    m_legendHeight = 0;
    if (!league || !leagueTable || !league->hasZonesOfToday())
        return;
    // One label per zone on its colour, in table order, wrapped to the
    // table's width.
    const int top = 14 + 16 * league->teamCount + 3;
    int x = 2, line = 0;
    for (const ZoneLegendEntry &entry : zoneLegendEntries(*league)) {
        auto *l = new QLabel(m_box);
        l->setObjectName(QStringLiteral("lblZone%1").arg(static_cast<int>(entry.zone) + 1));
        l->setTextFormat(Qt::PlainText);
        l->setText(entry.text());
        l->setAutoFillBackground(true);
        QPalette p = l->palette();
        p.setColor(QPalette::Window, entry.colour);
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

void TableGrid::setBands(const RowBandColors &bands)
{
    for (int r = 1; r <= League::kMaxTeams; ++r) {
        QPalette p = Shape[r]->palette();
        p.setColor(QPalette::Window, bands[r]);
        Shape[r]->setPalette(p);
    }
}

void TableGrid::showRows(const Standings::Table &table, const Standings::Reasons &reasons, const League &league,
                         bool leagueTable, const TableTrend &trend)
{
    m_reasons = reasons;
    for (int r = 1; r <= League::kMaxTeams + 1; ++r)
        m_deducted[r] = r <= league.teamCount ? table[r].deducted : 0;
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
        lblForm[r]->setText(leagueTable ? trend.form[row.team] : QString());
        lblTend[r]->setText(leagueTable ? movementText(trend, row.team, r) : QString());
        lblWarum[r]->setText(placeNote(r));
        lblTe[r]->setText(QString::number(row.goalsFor));
        lblTa[r]->setText(QString::number(row.goalsAgainst));
        lblTd[r]->setText(QString::number(row.goalDiff));
    }
}

QString TableGrid::placeNote(int row) const
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

QString TableGrid::reasonLine(int row) const
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

QString TableGrid::movementText(const TableTrend &trend, int slot, int place)
{
    if (slot < 1 || slot > League::kMaxTeams || !trend.previousPlace[slot])
        return QString();
    const int gained = placesGained(trend, slot, place);
    if (gained == 0)
        return QStringLiteral("=");
    return (gained > 0 ? QStringLiteral("\u25B2") : QStringLiteral("\u25BC")) + QString::number(std::abs(gained));
}

bool TableGrid::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Enter || event->type() == QEvent::MouseButtonPress) {
        const QVariant row = watched->property("tabRow");
        if (row.isValid())
            emit rowEntered(row.toInt());
    } else if (event->type() == QEvent::Leave && watched == m_box) {
        emit rowEntered(0);
    }
    return QScrollArea::eventFilter(watched, event);
}
