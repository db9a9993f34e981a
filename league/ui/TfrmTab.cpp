#include "league/ui/TfrmTab.h"

#include "league/model/League.h"
#include "league/ui/FormUtil.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>

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
    cell(box, {}, 284, -1, 21)->setText(QStringLiteral("n"));
    cell(box, {}, 308, -1, 29)->setText(QStringLiteral("Pkt."));
    cell(box, {}, 340, -1, 69)->setText(QStringLiteral("Tore"));
    cell(box, {}, 408, -1, 37)->setText(QStringLiteral("Diff."));

    for (int r = 1; r <= 18; ++r) {
        const int y = 14 + 16 * (r - 1);
        Shape[r] = new QFrame(box);
        Shape[r]->setObjectName(QStringLiteral("Shape%1").arg(r));
        Shape[r]->setGeometry(0, y, 464, 17);
        Shape[r]->setAutoFillBackground(true);
    }
    for (int r = 1; r <= 18; ++r) {
        const int y = 14 + 16 * (r - 1) + 1;
        const QString n = QString::number(r);
        cell(box, {}, -2, y, 17, Qt::AlignRight, true)->setText(n);
        lblTeam[r] = cell(box, QStringLiteral("lblTeam") + n, 18, y, 200);
        lblTeam[r]->setTextFormat(Qt::PlainText);
        lblSp[r] = cell(box, QStringLiteral("lblSp") + n, 224, y, 21);
        lblSs[r] = cell(box, QStringLiteral("lblSs") + n, 244, y, 21);
        lblSu[r] = cell(box, QStringLiteral("lblSu") + n, 264, y, 21);
        lblSn[r] = cell(box, QStringLiteral("lblSn") + n, 284, y, 21);
        lblPkt[r] = cell(box, QStringLiteral("lblPkt") + n, 308, y, 29);
        lblTe[r] = cell(box, QStringLiteral("lblTe") + n, 340, y, 33);
        cell(box, {}, 373, y, 4)->setText(QStringLiteral(":"));
        lblTa[r] = cell(box, QStringLiteral("lblTa") + n, 376, y, 33);
        lblTd[r] = cell(box, QStringLiteral("lblTd") + n, 408, y, 37);
        cell(box, {}, 448, y, 17, Qt::AlignCenter, true)->setText(n);
    }
    for (int x : {202, 300, 332, 440})
        bevel(box, QFrame::VLine, QRect(x - 1, 0, 3, 302));
    bevel(box, QFrame::HLine, QRect(0, 12, 464, 3));
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

    connect(bb1, &QPushButton::clicked, this, [this] { done(kFirstSwitch); });
    connect(bb2, &QPushButton::clicked, this, [this] { done(kSecondSwitch); });
    connect(bbOK, &QPushButton::clicked, this, [this] { done(kClose); });
    connect(bbHilfe, &QPushButton::clicked, this, [this] { m_platform.help->showContext(this, 4); });

    applyBands();
}

void TfrmTab::applyBands()
{
    for (int r = 1; r <= 18; ++r) {
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
    m_view = view;
    m_bands = bandsForView(view, league);
    applyBands();
    setWindowTitle(viewCaption(view));
    const auto [first, second] = targets(view);
    bb1->setText(viewCaption(first));
    bb2->setText(viewCaption(second));

    const Standings::Table &table = view == TableView::Home   ? standings.tableHome
                                    : view == TableView::Away ? standings.tableAway
                                                              : standings.tableTotal;
    for (int r = 1; r <= 18; ++r) {
        const StandingsRow &row = table[r];
        // A name wider than its cell is cut at the end with "…" (centred it
        // would lose both ends); the whole name is the cell's tooltip.
        const QString shown =
            lblTeam[r]->fontMetrics().elidedText(row.name, Qt::ElideRight, lblTeam[r]->width());
        lblTeam[r]->setText(shown);
        lblTeam[r]->setToolTip(shown == row.name ? QString() : row.name);
        lblSp[r]->setText(QString::number(row.games));
        lblSs[r]->setText(QString::number(row.wins));
        lblSu[r]->setText(QString::number(row.draws));
        lblSn[r]->setText(QString::number(row.losses));
        lblPkt[r]->setText(QString::number(row.points));
        lblTe[r]->setText(QString::number(row.goalsFor));
        lblTa[r]->setText(QString::number(row.goalsAgainst));
        lblTd[r]->setText(QString::number(row.goalDiff));
    }
}
