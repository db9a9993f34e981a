#include "tournament/ui/FormatStatsPage.h"

#include <algorithm>

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include "tournament/ui/FormatSession.h"

namespace {

QTableWidget *grid(const QString &name, const QStringList &columns)
{
    auto *t = new QTableWidget(0, int(columns.size()));
    t->setObjectName(name);
    t->setHorizontalHeaderLabels(columns);
    t->verticalHeader()->hide();
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    t->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    return t;
}

void fill(QTableWidget *t, const std::vector<QStringList> &rows)
{
    t->setRowCount(int(rows.size()));
    for (int r = 0; r < int(rows.size()); ++r)
        for (int c = 0; c < t->columnCount(); ++c) {
            QTableWidgetItem *item = t->item(r, c);
            if (!item) {
                item = new QTableWidgetItem;
                item->setTextAlignment(c == 0 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
                t->setItem(r, c, item);
            }
            item->setText(rows[size_t(r)].value(c));
        }
}

} // namespace

FormatStatsPage::FormatStatsPage(FormatSession &session, QWidget *parent) : QWidget(parent), m_session(session)
{
    setObjectName(QStringLiteral("statistics"));
    scorers = grid(QStringLiteral("scorers"), {QStringLiteral("Scorer"), QStringLiteral("Team"), QStringLiteral("Goals")});
    scorers->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    teams = grid(QStringLiteral("teamStats"), {QStringLiteral("Team"), QStringLiteral("Matches"),
                                                     QStringLiteral("GF"), QStringLiteral("GA")});
    auto *left = new QVBoxLayout;
    left->addWidget(new QLabel(QStringLiteral("Best scorers")));
    left->addWidget(scorers, 1);
    auto *right = new QVBoxLayout;
    right->addWidget(new QLabel(QStringLiteral("Goals of the teams (extra time counts, a shoot-out does not)")));
    right->addWidget(teams, 1);
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(left, 3);
    layout->addLayout(right, 2);
    refresh();
}

void FormatStatsPage::refresh()
{
    const FormatTournament &t = m_session.tournament();
    struct Scorer { QString name; int team; int goals; };
    std::vector<Scorer> ranked;
    for (int n = 0; n < t.teamCount(); ++n) {
        const FormatTeam &e = t.team(n);
        for (qsizetype i = 0; i < e.players.size() && i < e.goals.size(); ++i)
            if (e.goals[i] > 0)
                ranked.push_back({e.players[i], n, e.goals[i]});
    }
    // Most goals first; level scorers keep the order of the draw and the squads.
    std::stable_sort(ranked.begin(), ranked.end(), [](const Scorer &a, const Scorer &b) { return a.goals > b.goals; });
    std::vector<QStringList> rows;
    for (const Scorer &s : ranked)
        rows.push_back({s.name, t.teamName(s.team), QString::number(s.goals)});
    fill(scorers, rows);

    std::vector<int> played(size_t(t.teamCount()), 0), gf(size_t(t.teamCount()), 0), ga(size_t(t.teamCount()), 0);
    const auto count = [&](int a, int b, int sa, int sb) {
        if (a < 0 || b < 0 || a >= t.teamCount() || b >= t.teamCount())
            return;
        ++played[size_t(a)];
        ++played[size_t(b)];
        gf[size_t(a)] += sa;
        ga[size_t(a)] += sb;
        gf[size_t(b)] += sb;
        ga[size_t(b)] += sa;
    };
    for (const FormatGroupMatch &m : t.groupMatches)
        count(m.team1, m.team2, m.score1, m.score2);
    // A knock-out score is stored with the kicks added; where the parts say
    // how it was decided only the goals count. An older record without them
    // gives what it has.
    for (const FormatKnockoutMatch &k : t.knockout) {
        const bool parts = k.parts.fits(k.score1, k.score2);
        count(k.team1, k.team2, parts ? k.parts.goals1() : k.score1, parts ? k.parts.goals2() : k.score2);
    }
    rows.clear();
    for (int n = 0; n < t.teamCount(); ++n)
        rows.push_back({t.teamName(n), QString::number(played[size_t(n)]), QString::number(gf[size_t(n)]),
                        QString::number(ga[size_t(n)])});
    fill(teams, rows);
}
