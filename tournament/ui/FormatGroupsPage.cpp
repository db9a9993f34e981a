#include "tournament/ui/FormatGroupsPage.h"

#include <algorithm>

#include <QComboBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QTableWidget>
#include <QVBoxLayout>

#include "tournament/ui/FormatSession.h"

namespace {

const QStringList kColumns = {QStringLiteral("#"),  QStringLiteral("Team"), QStringLiteral("P"),
                              QStringLiteral("W"),  QStringLiteral("D"),    QStringLiteral("L"),
                              QStringLiteral("GF"), QStringLiteral("GA"),   QStringLiteral("GD"),
                              QStringLiteral("Pts")};

QTableWidget *table(const QStringList &columns, int rows, int nameColumn, int pixelSize, QWidget *parent)
{
    auto *t = new QTableWidget(rows, int(columns.size()), parent);
    QFont font = t->font();
    font.setPixelSize(pixelSize);
    t->setFont(font);
    t->horizontalHeader()->setFont(font);
    t->setHorizontalHeaderLabels(columns);
    t->verticalHeader()->hide();
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionMode(QAbstractItemView::NoSelection);
    t->setFocusPolicy(Qt::NoFocus);
    t->setWordWrap(false);
    t->setTextElideMode(Qt::ElideRight);
    t->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    t->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Figures get fixed narrow columns, measured once, so that all of them
    // stay in sight and a refill never measures the cells again; the name
    // takes the rest and is cut with "..." only where that ends.
    const QFontMetrics metrics(font);
    const int figure = metrics.horizontalAdvance(QStringLiteral("+88")) + 4;
    QHeaderView *header = t->horizontalHeader();
    header->setMinimumSectionSize(8);
    for (int c = 0; c < int(columns.size()); ++c) {
        if (c == nameColumn) {
            header->setSectionResizeMode(c, QHeaderView::Stretch);
            continue;
        }
        header->setSectionResizeMode(c, QHeaderView::Fixed);
        header->resizeSection(c, std::max(figure, metrics.horizontalAdvance(columns[c]) + 6));
    }
    const int rowHeight = metrics.height() + 6;
    t->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    t->verticalHeader()->setDefaultSectionSize(rowHeight);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < int(columns.size()); ++c) {
            auto *item = new QTableWidgetItem;
            item->setTextAlignment(c == nameColumn ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
            t->setItem(r, c, item);
        }
    return t;
}

// A table exactly as high as its rows, so that a column of them needs no
// scroll bar of its own.
void fitHeight(QTableWidget *t)
{
    int h = t->horizontalHeader()->sizeHint().height() + 2 * t->frameWidth();
    for (int r = 0; r < t->rowCount(); ++r)
        h += t->rowHeight(r);
    t->setFixedHeight(h);
}

QString signedNumber(int n)
{
    return n > 0 ? QStringLiteral("+%1").arg(n) : QString::number(n);
}

void setRow(QTableWidget *t, int row, const QStringList &texts, FormatGroupsPage::Status status, const QString &tip)
{
    for (int c = 0; c < int(texts.size()) && c < t->columnCount(); ++c) {
        QTableWidgetItem *item = t->item(row, c);
        item->setText(texts[c]);
        item->setBackground(FormatGroupsPage::colour(status));
        item->setData(FormatGroupsPage::StatusRole, int(status));
        item->setToolTip(c == 1 ? tip : QString());
    }
}

} // namespace

QColor FormatGroupsPage::colour(Status s)
{
    switch (s) {
    case Through: return QColor(0xc6, 0xef, 0xce);
    case ThirdThrough: return QColor(0xff, 0xeb, 0x9c);
    case Out: return QColor(0xf2, 0xf2, 0xf2);
    }
    return QColor();
}

FormatGroupsPage::FormatGroupsPage(FormatSession &session, QWidget *parent) : QWidget(parent), m_session(session)
{
    setObjectName(QStringLiteral("classification"));
    const int groups = int(session.tournament().groups.size());

    // Every group, two or three to a row, in a scrolling column on the left.
    auto *all = new QWidget;
    auto *grid = new QGridLayout(all);
    grid->setContentsMargins(4, 4, 4, 4);
    const int perRow = 2;
    for (int g = 0; g < groups; ++g) {
        auto *box = new QGroupBox(session.groupName(g), all);
        auto *inner = new QVBoxLayout(box);
        inner->setContentsMargins(2, 2, 2, 2);
        QTableWidget *t = table(kColumns, TournamentFormat::kTeamsPerGroup, 1, 11, box);
        t->setObjectName(QStringLiteral("groupChoice%1").arg(QChar('A' + g)));
        inner->addWidget(t);
        grid->addWidget(box, g / perRow, g % perRow);
        tables.push_back(t);
        connect(t, &QTableWidget::cellClicked, this, [this, g] { selectGroup(g); });
    }
    grid->setRowStretch(grid->rowCount(), 1);
    auto *scroll = new QScrollArea;
    scroll->setObjectName(QStringLiteral("allGroups"));
    scroll->setWidget(all);
    scroll->setWidgetResizable(true);

    // The chosen group, larger, and the thirds on the right.
    groupChoice = new QComboBox;
    groupChoice->setObjectName(QStringLiteral("groupChoice"));
    groupChoice->addItems(session.groupLetters());
    largeTable = table(kColumns, TournamentFormat::kTeamsPerGroup, 1, 16, this);
    largeTable->setObjectName(QStringLiteral("largeTable"));

    auto *side = new QVBoxLayout;
    auto *pick = new QHBoxLayout;
    auto *pickLabel = new QLabel(QStringLiteral("Group"));
    pick->addWidget(pickLabel);
    pick->addWidget(groupChoice);
    pick->addStretch(1);
    side->addLayout(pick);
    side->addWidget(largeTable);

    thirds = nullptr;
    // Owned by the page even for a format without thirds, where it is never
    // laid out and stays hidden.
    cutLabel = new QLabel(this);
    cutLabel->setObjectName(QStringLiteral("cutLabel"));
    cutLabel->setWordWrap(true);
    const TournamentFormat &f = session.tournament().format;
    cutLabel->setVisible(f.thirds > 0);
    if (f.thirds > 0) {
        auto *title = new QLabel(QStringLiteral("Third-placed teams"));
        title->setObjectName(QStringLiteral("thirdsTitle"));
        side->addWidget(title);
        side->addWidget(cutLabel);
        thirds = table({QStringLiteral("#"), QStringLiteral("Group"), QStringLiteral("Team"), QStringLiteral("P"),
                            QStringLiteral("GD"), QStringLiteral("GF"), QStringLiteral("Pts")},
                           groups, 2, 12, this);
        thirds->setObjectName(QStringLiteral("thirds"));
        side->addWidget(thirds);
    }
    openTies = new QLabel;
    openTies->setObjectName(QStringLiteral("openTies"));
    openTies->setWordWrap(true);
    openTies->setTextFormat(Qt::PlainText);
    side->addWidget(openTies);
    lotsButton = new QPushButton(QStringLiteral("&Draw Lots..."));
    lotsButton->setObjectName(QStringLiteral("lotsButton"));
    side->addWidget(lotsButton, 0, Qt::AlignLeft);
    side->addStretch(1);

    auto *layout = new QHBoxLayout(this);
    layout->addWidget(scroll, 3);
    layout->addLayout(side, 2);

    connect(groupChoice, &QComboBox::currentIndexChanged, this, [this](int g) {
        if (g >= 0)
            selectGroup(g);
    });
    refresh();
    for (QTableWidget *t : tables)
        fitHeight(t);
    fitHeight(largeTable);
    if (thirds)
        fitHeight(thirds);
}

FormatGroupsPage::Status FormatGroupsPage::statusOf(int group, int place) const
{
    if (place <= 1)
        return Through;
    const FormatStandings &s = m_session.standings();
    const int goOn = m_session.tournament().format.thirds;
    if (place == 2 && goOn > 0) {
        // Until every third is known the thirds stand in their order of the
        // moment, and the best of them are the ones that would go on.
        for (size_t k = 0; k < s.thirds.size(); ++k)
            if (s.thirds[k].group == char('A' + group))
                return int(k) < goOn ? ThirdThrough : Out;
    }
    return Out;
}

void FormatGroupsPage::fillGroup(QTableWidget *t, int group)
{
    const FormatTournament &tournament = m_session.tournament();
    const FormatStandings::Group &g = m_session.standings().groups[size_t(group)];
    for (int p = 0; p < int(g.lines.size()); ++p) {
        const FormatTableLine &l = g.lines[size_t(p)];
        const QString name = tournament.teamName(l.team);
        setRow(t, p,
               {QString::number(p + 1), name, QString::number(l.played), QString::number(l.won),
                QString::number(l.drawn), QString::number(l.lost), QString::number(l.goalsFor),
                QString::number(l.goalsAgainst), signedNumber(l.goalDifference()), QString::number(l.points)},
               statusOf(group, p), name);
    }
}

void FormatGroupsPage::refresh()
{
    for (int g = 0; g < int(tables.size()); ++g)
        fillGroup(tables[size_t(g)], g);
    selectGroup(std::max(0, groupChoice->currentIndex()));

    const FormatTournament &tournament = m_session.tournament();
    const FormatStandings &s = m_session.standings();
    if (thirds) {
        const int go = tournament.format.thirds;
        cutLabel->setText(s.thirdsKnown
                           ? QStringLiteral("The best %1 of %2 go on (settled).").arg(go).arg(s.thirds.size())
                           : QStringLiteral("The best %1 of %2 go on; the order stands until every group is played.")
                                 .arg(go)
                                 .arg(s.thirds.size()));
        for (int k = 0; k < int(s.thirds.size()); ++k) {
            const FormatStandings::Third &x = s.thirds[size_t(k)];
            const QString name = tournament.teamName(x.line.team);
            setRow(thirds, k,
                   {QString::number(k + 1), QString(QLatin1Char(x.group)), name, QString::number(x.line.played),
                    signedNumber(x.line.goalDifference()), QString::number(x.line.goalsFor),
                    QString::number(x.line.points)},
                   k < go ? ThirdThrough : Out, name);
            // The cut: a line under the last third who goes on.
            for (int c = 0; c < thirds->columnCount(); ++c) {
                QFont font = thirds->item(k, c)->font();
                font.setUnderline(k == go - 1);
                thirds->item(k, c)->setFont(font);
            }
        }
    }
    QStringList open;
    for (const OpenTie &tie : s.open) {
        QStringList names;
        for (int n : tie.teams)
            names << tournament.teamName(n);
        open << QStringLiteral("%1: %2 are level on every rule; their order is still to be decided.")
                    .arg(tie.where, names.join(QStringLiteral(", ")));
    }
    openTies->setText(open.join(QLatin1Char('\n')));
    openTies->setVisible(!open.isEmpty());
    lotsButton->setVisible(!open.isEmpty());
}

void FormatGroupsPage::selectGroup(int group)
{
    if (group < 0 || group >= int(tables.size()))
        return;
    if (groupChoice->currentIndex() != group) {
        groupChoice->setCurrentIndex(group); // comes back here through the signal
        return;
    }
    fillGroup(largeTable, group);
}
