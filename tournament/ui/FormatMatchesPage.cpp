#include "tournament/ui/FormatMatchesPage.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "tournament/format/FormatCorrections.h"
#include "tournament/ui/FormatCorrectionDialog.h"
#include "tournament/ui/FormatSession.h"
#include "tournament/ui/Platform.h"

FormatMatchesPage::FormatMatchesPage(FormatSession &session, Platform &platform, QWidget *parent)
    : QWidget(parent), m_session(session), m_platform(platform)
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
    correctButton = new QPushButton(QStringLiteral("&Correct..."));
    correctButton->setObjectName(QStringLiteral("correctButton"));
    deleteButton = new QPushButton(QStringLiteral("&Delete last match..."));
    deleteButton->setObjectName(QStringLiteral("deleteButton"));
    message = new QLabel;
    message->setObjectName(QStringLiteral("message"));
    message->setTextFormat(Qt::PlainText);
    message->setWordWrap(true);
    auto *top = new QHBoxLayout;
    top->addWidget(countLabel, 1);
    top->addWidget(correctButton);
    top->addWidget(deleteButton);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(matchTable, 1);
    layout->addWidget(message);
    correction = new FormatCorrectionDialog(session, platform, this);
    correction->setWindowFlag(Qt::Window);
    connect(correction, &FormatCorrectionDialog::corrected, this, [this](const QString &what) {
        refresh();
        message->setText(what);
    });
    connect(correctButton, &QPushButton::clicked, this, &FormatMatchesPage::correctClick);
    connect(deleteButton, &QPushButton::clicked, this, &FormatMatchesPage::deleteLastClick);
    connect(matchTable, &QTableWidget::cellDoubleClicked, this, &FormatMatchesPage::correctClick);
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
    const bool any = !t.groupMatches.empty() || !t.knockout.empty();
    correctButton->setEnabled(any);
    deleteButton->setEnabled(any);
    const int groupTotal = t.format.groups * 6;
    countLabel->setText(QStringLiteral("%1 of %2 group matches and %3 of %4 knock-out matches played")
                        .arg(t.groupMatches.size())
                        .arg(groupTotal)
                        .arg(knockout)
                        .arg(t.format.matches.size()));
}

void FormatMatchesPage::correctClick()
{
    message->clear();
    correction->openOn(matchTable->currentRow());
    correction->show();
    correction->raise();
    correction->activateWindow();
}

bool FormatMatchesPage::deleteLastClick()
{
    const FormatTournament &t = m_session.tournament();
    message->clear();
    // A knock-out match is always recorded after the group results it
    // rests on, so the last knock-out match is the latest one of all.
    FormatMatchRef last;
    if (!t.knockout.empty())
        last = {true, t.knockout.back().number};
    else if (!t.groupMatches.empty())
        last = {false, int(t.groupMatches.size()) - 1};
    else {
        message->setText(QStringLiteral("No match to delete."));
        return false;
    }
    FormatTournament after = t;
    if (last.knockout)
        after.knockout.pop_back();
    else
        after.groupMatches.pop_back();
    const std::vector<int> dropped = FormatCorrections::dropUnfitting(after);
    const QString line = formatMatchLine(t, last);
    QString text = QStringLiteral("Delete the last recorded match, %1?").arg(line);
    if (!dropped.empty())
        text += QStringLiteral("\n\nIt takes back these later knock-out matches: %1.")
                    .arg(FormatCorrections::describe(t, dropped));
    text += QStringLiteral("\n\nThe goals its scorers were credited stay: correct them in \"Edit Team\".");
    FormatQuestion question(QStringLiteral("Delete ?"), text, this);
    if (!m_platform.ask(&question))
        return false;
    const QString error = m_session.change([&](FormatTournament &tt) { tt = std::move(after); });
    if (!error.isEmpty())
        m_platform.systemError(this, error);
    refresh();
    message->setText(QStringLiteral("Deleted: %1.").arg(line));
    return true;
}
