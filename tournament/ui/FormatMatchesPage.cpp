#include "tournament/ui/FormatMatchesPage.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include "tournament/ui/FormatSession.h"

FormatMatchesPage::FormatMatchesPage(FormatSession &session, QWidget *parent) : QWidget(parent), m_session(session)
{
    setObjectName(QStringLiteral("playedMatches"));
    countLabel = new QLabel;
    countLabel->setObjectName(QStringLiteral("countLabel"));
    matchTable = new QTableWidget(0, 4);
    matchTable->setObjectName(QStringLiteral("matchTable"));
    matchTable->setHorizontalHeaderLabels(
        {QStringLiteral("Stage"), QStringLiteral("Team 1"), QStringLiteral("Score"), QStringLiteral("Team 2")});
    matchTable->verticalHeader()->hide();
    matchTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    matchTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    matchTable->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    matchTable->horizontalHeader()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(countLabel);
    layout->addWidget(matchTable, 1);
    refresh();
}

QString FormatMatchesPage::scoreText(const FormatKnockoutMatch &k)
{
    // Parts that do not add up to the stored score (an older record) are
    // not shown; the stored score then says all that is known.
    if (k.parts.fits(k.score1, k.score2))
        return k.parts.text();
    return QStringLiteral("%1-%2").arg(k.score1).arg(k.score2);
}

void FormatMatchesPage::refresh()
{
    const FormatTournament &t = m_session.tournament();
    const FormatStandings &s = m_session.standings();
    struct Row { QString stage, team1, score, team2; };
    std::vector<Row> rows;
    for (const FormatGroupMatch &m : t.groupMatches)
        rows.push_back({m_session.groupName(m.team1 / 4), t.teamName(m.team1),
                        QStringLiteral("%1-%2").arg(m.score1).arg(m.score2), t.teamName(m.team2)});
    int knockout = 0;
    for (size_t i = 0; i < s.bracket.size(); ++i) {
        const FormatStandings::Slot &slot = s.bracket[i];
        if (!slot.result)
            continue;
        ++knockout;
        const FormatMatch &m = t.format.matches[i];
        rows.push_back({QStringLiteral("%1, match %2").arg(t.format.roundName(m)).arg(m.number),
                        t.teamName(slot.result->team1),
                        scoreText(*slot.result),
                        t.teamName(slot.result->team2)});
    }
    matchTable->setRowCount(int(rows.size()));
    for (int r = 0; r < int(rows.size()); ++r) {
        const QString texts[] = {rows[size_t(r)].stage, rows[size_t(r)].team1, rows[size_t(r)].score,
                                 rows[size_t(r)].team2};
        for (int c = 0; c < 4; ++c) {
            QTableWidgetItem *item = matchTable->item(r, c);
            if (!item) {
                item = new QTableWidgetItem;
                item->setTextAlignment(c == 2 ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
                matchTable->setItem(r, c, item);
            }
            item->setText(texts[c]);
        }
    }
    const int groupTotal = t.format.groups * 6;
    countLabel->setText(QStringLiteral("%1 of %2 group matches and %3 of %4 knock-out matches played")
                        .arg(t.groupMatches.size())
                        .arg(groupTotal)
                        .arg(knockout)
                        .arg(t.format.matches.size()));
}
