#include "tournament/ui/FormatEntryPage.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "tournament/format/FormatFiles.h"
#include "tournament/ui/FormatSession.h"

namespace {

QSpinBox *scoreBox(const char *name)
{
    auto *box = new QSpinBox;
    box->setObjectName(QLatin1String(name));
    box->setRange(0, FormatFiles::MaxScore);
    return box;
}

QListWidget *list(const char *name)
{
    auto *l = new QListWidget;
    l->setObjectName(QLatin1String(name));
    return l;
}

QStringList lines(const QListWidget *l)
{
    QStringList out;
    for (int i = 0; i < l->count(); ++i)
        out << l->item(i)->text();
    return out;
}

} // namespace

FormatEntryPage::FormatEntryPage(FormatSession &session, std::function<void(const QString &)> report, QWidget *parent)
    : QWidget(parent), m_session(session), m_report(std::move(report))
{
    setObjectName(QStringLiteral("newResult"));
    title = new QLabel;
    title->setObjectName(QStringLiteral("title"));
    groupChoice = new QComboBox;
    groupChoice->setObjectName(QStringLiteral("groupChoice"));
    groupChoice->addItems(session.groupLetters());
    team1Choice = new QComboBox;
    team1Choice->setObjectName(QStringLiteral("team1Choice"));
    team2Choice = new QComboBox;
    team2Choice->setObjectName(QStringLiteral("team2Choice"));
    team1Choice->setMinimumContentsLength(18);
    team2Choice->setMinimumContentsLength(18);
    score1 = scoreBox("score1");
    score2 = scoreBox("score2");
    // Blank extra time is a match that went from 90 minutes straight to the
    // kicks; the kicks, asked for only once the match is level, are never blank.
    KnockoutPartsFields::Kind kind = KnockoutPartsFields::format(FormatFiles::MaxScore);
    kind.kicksLabelName = "shootoutLabel";
    kind.kicks1Name = "shootout1";
    kind.kicks2Name = "shootout2";
    kind.blankKicks = false;
    m_parts = std::make_unique<KnockoutPartsFields>(score1, score2, kind);
    m_parts->expose(extraLabel, extra1, extra2, shootoutLabel, shootout1, shootout2);
    players1 = list("players1");
    players2 = list("players2");
    scorers1 = list("scorers1");
    scorers2 = list("scorers2");
    recordButton = new QPushButton(QStringLiteral("Record"));
    recordButton->setObjectName(QStringLiteral("recordButton"));
    cancelButton = new QPushButton(QStringLiteral("Group matches"));
    cancelButton->setObjectName(QStringLiteral("cancelButton"));
    message = new QLabel;
    message->setObjectName(QStringLiteral("message"));
    message->setTextFormat(Qt::PlainText);
    message->setWordWrap(true);

    auto *grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Group")), 0, 0);
    grid->addWidget(groupChoice, 0, 1);
    grid->addWidget(team1Choice, 1, 0, 1, 2);
    grid->addWidget(score1, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("-")), 1, 3, Qt::AlignCenter);
    grid->addWidget(score2, 1, 4);
    grid->addWidget(team2Choice, 1, 5, 1, 2);
    grid->addWidget(extraLabel, 2, 0, 1, 2, Qt::AlignRight);
    grid->addWidget(extra1, 2, 2);
    grid->addWidget(extra2, 2, 4);
    grid->addWidget(shootoutLabel, 3, 0, 1, 2, Qt::AlignRight);
    grid->addWidget(shootout1, 3, 2);
    grid->addWidget(shootout2, 3, 4);
    grid->addWidget(new QLabel(QStringLiteral("Squad (double-click: a goal)")), 4, 0, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Squad (double-click: a goal)")), 4, 5, 1, 2);
    grid->addWidget(players1, 5, 0, 1, 2);
    grid->addWidget(players2, 5, 5, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Scorers")), 6, 0, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Scorers")), 6, 5, 1, 2);
    grid->addWidget(scorers1, 7, 0, 1, 2);
    grid->addWidget(scorers2, 7, 5, 1, 2);
    // The team columns share the width; the scores keep a narrow middle.
    for (int c : {0, 1, 5, 6})
        grid->setColumnStretch(c, 1);
    for (QSpinBox *box : {score1, score2})
        box->setFixedWidth(64);
    groupChoice->setMinimumContentsLength(3);
    grid->setRowStretch(5, 3);
    grid->setRowStretch(7, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(recordButton);
    buttons->addWidget(cancelButton);
    buttons->addStretch(1);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addLayout(grid, 1);
    layout->addWidget(message);
    layout->addLayout(buttons);

    connect(groupChoice, &QComboBox::currentIndexChanged, this, &FormatEntryPage::fillTeams);
    connect(team1Choice, &QComboBox::currentIndexChanged, this, &FormatEntryPage::fillSquads);
    connect(team2Choice, &QComboBox::currentIndexChanged, this, &FormatEntryPage::fillSquads);
    connect(score1, &QSpinBox::valueChanged, this, &FormatEntryPage::updateShootout);
    connect(score2, &QSpinBox::valueChanged, this, &FormatEntryPage::updateShootout);
    connect(extra1, &QSpinBox::valueChanged, this, &FormatEntryPage::updateShootout);
    connect(extra2, &QSpinBox::valueChanged, this, &FormatEntryPage::updateShootout);
    connect(players1, &QListWidget::itemActivated, this, [this](QListWidgetItem *item) { scorers1->addItem(item->text()); });
    connect(players2, &QListWidget::itemActivated, this, [this](QListWidgetItem *item) { scorers2->addItem(item->text()); });
    connect(scorers1, &QListWidget::itemActivated, this, [](QListWidgetItem *item) { delete item; });
    connect(scorers2, &QListWidget::itemActivated, this, [](QListWidgetItem *item) { delete item; });
    connect(recordButton, &QPushButton::clicked, this, &FormatEntryPage::recordClick);
    connect(cancelButton, &QPushButton::clicked, this, &FormatEntryPage::openGroups);
    openGroups();
}

int FormatEntryPage::team1() const
{
    if (m_match > 0) {
        const int i = m_session.tournament().format.indexOf(m_match);
        return i < 0 ? -1 : m_session.standings().bracket[size_t(i)].team1;
    }
    return groupChoice->currentIndex() >= 0 && team1Choice->currentIndex() >= 0 ? 4 * groupChoice->currentIndex() + team1Choice->currentIndex()
                                                                        : -1;
}

int FormatEntryPage::team2() const
{
    if (m_match > 0) {
        const int i = m_session.tournament().format.indexOf(m_match);
        return i < 0 ? -1 : m_session.standings().bracket[size_t(i)].team2;
    }
    return groupChoice->currentIndex() >= 0 && team2Choice->currentIndex() >= 0 ? 4 * groupChoice->currentIndex() + team2Choice->currentIndex()
                                                                        : -1;
}

void FormatEntryPage::refresh()
{
    if (m_match > 0 && !openMatch(m_match))
        openGroups();
}

void FormatEntryPage::clearEntry()
{
    score1->setValue(0);
    score2->setValue(0);
    m_parts->clear();
    // A fresh entry shows extra time from the 90 minutes again.
    m_level = false;
    scorers1->clear();
    scorers2->clear();
    message->clear();
}

bool FormatEntryPage::openMatch(int number)
{
    const FormatTournament &t = m_session.tournament();
    const int i = t.format.indexOf(number);
    if (i < 0)
        return false;
    const FormatStandings::Slot &slot = m_session.standings().bracket[size_t(i)];
    if (slot.team1 < 0 || slot.team2 < 0 || slot.result)
        return false;
    const bool again = m_match == number;
    m_match = number;
    title->setText(QStringLiteral("%1, match %2").arg(t.format.roundName(t.format.matches[size_t(i)])).arg(number));
    groupChoice->setEnabled(false);
    team1Choice->setEnabled(false);
    team2Choice->setEnabled(false);
    {
        const QSignalBlocker b1(team1Choice), b2(team2Choice);
        team1Choice->clear();
        team2Choice->clear();
        team1Choice->addItem(t.teamName(slot.team1));
        team2Choice->addItem(t.teamName(slot.team2));
    }
    cancelButton->setVisible(true);
    if (!again)
        clearEntry();
    fillSquads();
    updateShootout();
    return true;
}

void FormatEntryPage::openGroups()
{
    m_match = 0;
    title->setText(QStringLiteral("A group match"));
    groupChoice->setEnabled(true);
    team1Choice->setEnabled(true);
    team2Choice->setEnabled(true);
    cancelButton->setVisible(false);
    clearEntry();
    fillTeams();
    updateShootout();
}

void FormatEntryPage::fillTeams()
{
    if (m_match > 0)
        return;
    const int g = std::max(0, groupChoice->currentIndex());
    {
        const QSignalBlocker b1(team1Choice), b2(team2Choice);
        team1Choice->clear();
        team2Choice->clear();
        for (const FormatTeam &team : m_session.tournament().groups[size_t(g)].teams) {
            team1Choice->addItem(team.name);
            team2Choice->addItem(team.name);
        }
        team1Choice->setCurrentIndex(0);
        team2Choice->setCurrentIndex(1);
    }
    scorers1->clear();
    scorers2->clear();
    fillSquads();
}

void FormatEntryPage::fillSquads()
{
    const FormatTournament &t = m_session.tournament();
    const std::pair<QListWidget *, int> sides[] = {{players1, team1()}, {players2, team2()}};
    for (const auto &[l, team] : sides) {
        l->clear();
        if (team >= 0 && team < t.teamCount())
            l->addItems(t.team(team).players);
    }
}

void FormatEntryPage::updateShootout()
{
    const bool knockout = m_match > 0;
    const bool level = knockout && score1->value() == score2->value();
    {
        // Extra time is played after a level 90 minutes and starts from
        // their score, so that is what it shows until typed otherwise; it
        // is blank when there is none.
        const QSignalBlocker b1(extra1), b2(extra2);
        if (!level) {
            extra1->setValue(-1);
            extra2->setValue(-1);
        } else {
            // Blanked by hand it stays blank; never below the 90 minutes.
            for (auto [box, regular] : {std::pair{extra1, score1}, std::pair{extra2, score2}})
                if (!m_level || box->value() >= 0)
                    box->setValue(std::max(box->value(), regular->value()));
        }
    }
    m_level = level;
    const bool extra = extra1->value() >= 0 && extra2->value() >= 0;
    const bool shootout = level && (!extra || extra1->value() == extra2->value());
    m_parts->setShown(knockout);
    extra1->setEnabled(level);
    extra2->setEnabled(level);
    shootout1->setEnabled(shootout);
    shootout2->setEnabled(shootout);
}

KnockoutScore FormatEntryPage::parts() const
{
    KnockoutScore k = m_parts->typed();
    if (m_match <= 0 || k.regular1 != k.regular2)
        return {k.regular1, k.regular2, -1, -1, -1, -1};
    if (k.goals1() != k.goals2())
        k.kicks1 = k.kicks2 = -1;
    return k;
}

QString FormatEntryPage::problem() const
{
    const FormatTournament &t = m_session.tournament();
    const int a = team1();
    const int b = team2();
    if (a < 0 || b < 0)
        return QStringLiteral("Choose both teams.");
    if (a == b)
        return QStringLiteral("A team cannot play itself.");
    if (m_match == 0)
        for (const FormatGroupMatch &m : t.groupMatches)
            if ((m.team1 == a && m.team2 == b) || (m.team1 == b && m.team2 == a))
                return QStringLiteral("%1 - %2 has been played already.").arg(t.teamName(a), t.teamName(b));
    const TypedKnockoutResult typed = typedResult(parts());
    if (typed.malformed())
        return QStringLiteral("Give the score after extra time for both sides, the 90 minutes included, or leave both blank.");
    // Extra time counts for the scorers; the kicks do not.
    const int goals1 = typed.goals1;
    const int goals2 = typed.goals2;
    if (scorers1->count() > goals1 || scorers2->count() > goals2)
        return QStringLiteral("More scorers than goals: a side has %1 scorer lines for %2 goals.")
            .arg(scorers1->count() > goals1 ? scorers1->count() : scorers2->count())
            .arg(scorers1->count() > goals1 ? goals1 : goals2);
    if (m_match > 0 && typed.score1 == typed.score2)
        return QStringLiteral("A knock-out match cannot end level: give the penalty shoot-out.");
    if (typed.score1 > FormatFiles::MaxScore || typed.score2 > FormatFiles::MaxScore)
        return QStringLiteral("A side can have at most %1 goals and kicks.").arg(FormatFiles::MaxScore);
    return QString();
}

bool FormatEntryPage::recordClick()
{
    const QString why = problem();
    message->setText(why);
    if (!why.isEmpty())
        return false;
    const int a = team1();
    const int b = team2();
    const int number = m_match;
    // The files of every format store the goals and the kicks added, so
    // that the score names the winner; the parts keep them apart.
    const TypedKnockoutResult typed = typedResult(parts());
    const int s1 = typed.score1;
    const int s2 = typed.score2;
    const QStringList names1 = lines(scorers1);
    const QStringList names2 = lines(scorers2);
    const QString error = m_session.change([&](FormatTournament &t) {
        if (number > 0)
            t.knockout.push_back({number, a, b, s1, s2, typed.parts});
        else
            t.groupMatches.push_back({a, b, s1, s2});
        const std::pair<int, const QStringList *> sides[] = {{a, &names1}, {b, &names2}};
        for (const auto &[team, names] : sides)
            for (const QString &name : *names) {
                FormatTeam &e = t.team(team);
                const qsizetype k = e.players.indexOf(name);
                while (e.goals.size() < e.players.size())
                    e.goals << 0;
                if (k >= 0)
                    e.goals[k] = std::min(e.goals[k] + 1, FormatFiles::MaxGoals);
            }
    });
    m_report(error);
    if (number > 0) {
        openGroups();
        emit knockoutRecorded(number);
    } else {
        clearEntry();
        fillSquads();
    }
    return true;
}
