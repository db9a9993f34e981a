#include "league/ui/TfrmKreuz.h"

#include "league/model/League.h"
#include "league/ui/FormUtil.h"

#include <QHBoxLayout>
#include <QVBoxLayout>
#include <QHeaderView>
#include <QFontMetrics>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QScrollBar>
#include <QTableWidget>

namespace {

// The cells are narrow (15 pixels for the slot numbers), too narrow for the
// style's text margins; draw the text with a one-pixel margin instead.
class TightCellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QStyleOptionViewItem opt(option);
        initStyleOption(&opt, index);
        painter->save();
        const bool selected = opt.state & QStyle::State_Selected;
        if (selected)
            painter->fillRect(opt.rect, opt.palette.highlight());
        else if (opt.backgroundBrush.style() != Qt::NoBrush)
            painter->fillRect(opt.rect, opt.backgroundBrush);
        painter->setPen(selected ? opt.palette.color(QPalette::HighlightedText) : opt.palette.color(QPalette::Text));
        painter->setFont(opt.font);
        painter->drawText(opt.rect.adjusted(1, 0, -1, 0), static_cast<int>(opt.displayAlignment), opt.text);
        painter->restore();
    }
};

QFont gridFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(9);
    return font;
}

QTableWidget *makeGrid(QWidget *parent, const QString &name, int columns, const QFont &font)
{
    auto *t = new QTableWidget(CrossGrid::kRowCount, columns, parent);
    t->setSizeAdjustPolicy(QAbstractScrollArea::AdjustIgnored);
    t->setObjectName(name);
    t->setFont(font);
    t->horizontalHeader()->hide();
    t->verticalHeader()->hide();
    t->verticalHeader()->setMinimumSectionSize(1);
    t->horizontalHeader()->setMinimumSectionSize(1);
    t->verticalHeader()->setDefaultSectionSize(CrossGrid::rowHeight());
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->setSelectionMode(QAbstractItemView::SingleSelection);
    t->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    t->setFrameShape(QFrame::NoFrame);
    t->setShowGrid(true);
    t->setWordWrap(false);
    t->setItemDelegate(new TightCellDelegate(t));
    return t;
}

} // namespace

TfrmKreuz::TfrmKreuz(const UiPlatform &platform, QWidget *parent) : BuiltOnUseDialog(parent), m_platform(platform)
{
    setObjectName(QStringLiteral("frmKreuz"));
    setWindowTitle(QStringLiteral("Kreuztabelle"));
    FormUtil::makeFixedDialog(this, 580, 303);
    // It opens at its classic size, but a large league's columns need more
    // room: the window can be resized and maximised.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowMaximizeButtonHint);
    setMinimumSize(300, 120);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    resize(580, 303);
    setModal(true);
    setFont(gridFont());
    // The two grids and their cells are built when the window is first
    // shown; the cross table itself lives in m_grid, where printing and
    // exporting read it.
}

void TfrmKreuz::buildControls()
{
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 4, 2);
    outer->setSpacing(3);
    auto *area = new QWidget(this);
    area->setObjectName(QStringLiteral("asgKreuz"));
    auto *h = new QHBoxLayout(area);
    h->setContentsMargins(0, 0, 0, 0);
    h->setSpacing(0);
    m_fixed = makeGrid(area, QStringLiteral("asgKreuzKopf"), 2, gridFont());
    m_fixed->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_results = makeGrid(area, QStringLiteral("asgKreuzErgebnisse"), CrossGrid::kColumns - 2, gridFont());
    m_results->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // A window lower than the table scrolls; the name columns follow.
    m_results->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    connect(m_results->verticalScrollBar(), &QScrollBar::valueChanged, m_fixed->verticalScrollBar(),
            &QScrollBar::setValue);
    h->addWidget(m_fixed);
    h->addWidget(m_results, 1);
    outer->addWidget(area, 1);
    // Selecting a row in one part selects it in the other.
    connect(m_fixed, &QTableWidget::currentCellChanged, this,
            [this](int row) { if (m_results->currentRow() != row) m_results->selectRow(row); });
    connect(m_results, &QTableWidget::currentCellChanged, this,
            [this](int row) { if (m_fixed->currentRow() != row) m_fixed->selectRow(row); });

    QFont buttonFont(QStringLiteral("Arial"));
    buttonFont.setPixelSize(11);
    auto *hilfe = new QPushButton(QStringLiteral("Hilfe"), this);
    hilfe->setObjectName(QStringLiteral("bbHilfe"));
    hilfe->setFont(buttonFont);
    hilfe->setFixedSize(90, 25);
    hilfe->setAutoDefault(false);
    auto *ok = new QPushButton(QStringLiteral("Schließen"), this);
    ok->setObjectName(QStringLiteral("bbOK"));
    ok->setFont(buttonFont);
    ok->setFixedSize(90, 25);
    ok->setDefault(true);
    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(4);
    buttons->addStretch(1);
    buttons->addWidget(hilfe);
    buttons->addWidget(ok);
    outer->addLayout(buttons);
    connect(hilfe, &QPushButton::clicked, this, [this] { m_platform.help->showContext(this, 3); });
    connect(ok, &QPushButton::clicked, this, [this] { done(1); });

    showGrid();
}

void TfrmKreuz::KreuzBer(const League &league)
{
    ::KreuzBer(league, m_grid);
    if (isBuilt())
        showGrid();
}

void TfrmKreuz::showGrid()
{
    const QColor fixedColor = palette().color(QPalette::Button);
    const int columns = m_grid.columnCount();
    const int rows = m_grid.rowCount();
    m_fixed->setRowCount(rows);
    m_results->setRowCount(rows);
    m_results->setColumnCount(columns - 2);
    int fixedWidth = 0;
    for (int c = 0; c < columns; ++c) {
        QTableWidget *t = c < 2 ? m_fixed : m_results;
        const int col = c < 2 ? c : c - 2;
        t->setColumnWidth(col, m_grid.columnWidth(c));
        if (c < 2)
            fixedWidth += m_grid.columnWidth(c);
        for (int r = 0; r < rows; ++r) {
            QTableWidgetItem *item = t->item(r, col);
            if (!item) {
                item = new QTableWidgetItem;
                t->setItem(r, col, item);
            }
            // A name wider than its column shows its beginning and "…",
            // the whole name in its tooltip; the grid keeps it whole for
            // the print and the exports.
            const QString text = m_grid.cell(c, r);
            const int room = m_grid.columnWidth(c) - 2;
            const QString shown = c == 1 ? QFontMetrics(t->font()).elidedText(text, Qt::ElideRight, room) : text;
            item->setText(shown);
            item->setToolTip(shown != text ? text : QString());
            item->setTextAlignment(c < 2 ? (Qt::AlignRight | Qt::AlignVCenter) : Qt::AlignCenter);
            if (c < 2 || r == 0) {
                item->setBackground(fixedColor);
                item->setFlags(Qt::ItemIsEnabled);
            }
        }
    }
    for (QTableWidget *t : {m_fixed, m_results})
        for (int r = 0; r < rows; ++r)
            t->setRowHeight(r, CrossGrid::rowHeight());
    m_fixed->setFixedWidth(fixedWidth + 1);
}
