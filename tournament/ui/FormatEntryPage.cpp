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
    setObjectName(QStringLiteral("nouveauResultat"));
    titre = new QLabel;
    titre->setObjectName(QStringLiteral("titre"));
    groupe = new QComboBox;
    groupe->setObjectName(QStringLiteral("groupe"));
    groupe->addItems(session.groupLetters());
    equipe1 = new QComboBox;
    equipe1->setObjectName(QStringLiteral("equipe1"));
    equipe2 = new QComboBox;
    equipe2->setObjectName(QStringLiteral("equipe2"));
    equipe1->setMinimumContentsLength(18);
    equipe2->setMinimumContentsLength(18);
    score1 = scoreBox("score1");
    score2 = scoreBox("score2");
    tirs = new QLabel(QStringLiteral("Penalty shoot-out"));
    tirs->setObjectName(QStringLiteral("tirs"));
    tab1 = scoreBox("tab1");
    tab2 = scoreBox("tab2");
    joueurs1 = list("joueurs1");
    joueurs2 = list("joueurs2");
    buteurs1 = list("buteurs1");
    buteurs2 = list("buteurs2");
    enregistre = new QPushButton(QStringLiteral("Record"));
    enregistre->setObjectName(QStringLiteral("enregistre"));
    annule = new QPushButton(QStringLiteral("Group matches"));
    annule->setObjectName(QStringLiteral("annule"));
    message = new QLabel;
    message->setObjectName(QStringLiteral("message"));
    message->setTextFormat(Qt::PlainText);
    message->setWordWrap(true);

    auto *grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Group")), 0, 0);
    grid->addWidget(groupe, 0, 1);
    grid->addWidget(equipe1, 1, 0, 1, 2);
    grid->addWidget(score1, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("-")), 1, 3, Qt::AlignCenter);
    grid->addWidget(score2, 1, 4);
    grid->addWidget(equipe2, 1, 5, 1, 2);
    grid->addWidget(tirs, 2, 0, 1, 2, Qt::AlignRight);
    grid->addWidget(tab1, 2, 2);
    grid->addWidget(tab2, 2, 4);
    grid->addWidget(new QLabel(QStringLiteral("Squad (double-click: a goal)")), 3, 0, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Squad (double-click: a goal)")), 3, 5, 1, 2);
    grid->addWidget(joueurs1, 4, 0, 1, 2);
    grid->addWidget(joueurs2, 4, 5, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Scorers")), 5, 0, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Scorers")), 5, 5, 1, 2);
    grid->addWidget(buteurs1, 6, 0, 1, 2);
    grid->addWidget(buteurs2, 6, 5, 1, 2);
    // The team columns share the width; the scores keep a narrow middle.
    for (int c : {0, 1, 5, 6})
        grid->setColumnStretch(c, 1);
    for (QSpinBox *box : {score1, score2, tab1, tab2})
        box->setFixedWidth(64);
    groupe->setMinimumContentsLength(3);
    grid->setRowStretch(4, 3);
    grid->setRowStretch(6, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(enregistre);
    buttons->addWidget(annule);
    buttons->addStretch(1);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(titre);
    layout->addLayout(grid, 1);
    layout->addWidget(message);
    layout->addLayout(buttons);

    connect(groupe, &QComboBox::currentIndexChanged, this, &FormatEntryPage::fillTeams);
    connect(equipe1, &QComboBox::currentIndexChanged, this, &FormatEntryPage::fillSquads);
    connect(equipe2, &QComboBox::currentIndexChanged, this, &FormatEntryPage::fillSquads);
    connect(score1, &QSpinBox::valueChanged, this, &FormatEntryPage::updateShootout);
    connect(score2, &QSpinBox::valueChanged, this, &FormatEntryPage::updateShootout);
    connect(joueurs1, &QListWidget::itemActivated, this, [this](QListWidgetItem *item) { buteurs1->addItem(item->text()); });
    connect(joueurs2, &QListWidget::itemActivated, this, [this](QListWidgetItem *item) { buteurs2->addItem(item->text()); });
    connect(buteurs1, &QListWidget::itemActivated, this, [](QListWidgetItem *item) { delete item; });
    connect(buteurs2, &QListWidget::itemActivated, this, [](QListWidgetItem *item) { delete item; });
    connect(enregistre, &QPushButton::clicked, this, &FormatEntryPage::enregistreClick);
    connect(annule, &QPushButton::clicked, this, &FormatEntryPage::openGroups);
    openGroups();
}

int FormatEntryPage::team1() const
{
    if (m_match > 0) {
        const int i = m_session.tournament().format.indexOf(m_match);
        return i < 0 ? -1 : m_session.standings().bracket[size_t(i)].team1;
    }
    return groupe->currentIndex() >= 0 && equipe1->currentIndex() >= 0 ? 4 * groupe->currentIndex() + equipe1->currentIndex()
                                                                        : -1;
}

int FormatEntryPage::team2() const
{
    if (m_match > 0) {
        const int i = m_session.tournament().format.indexOf(m_match);
        return i < 0 ? -1 : m_session.standings().bracket[size_t(i)].team2;
    }
    return groupe->currentIndex() >= 0 && equipe2->currentIndex() >= 0 ? 4 * groupe->currentIndex() + equipe2->currentIndex()
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
    tab1->setValue(0);
    tab2->setValue(0);
    buteurs1->clear();
    buteurs2->clear();
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
    titre->setText(QStringLiteral("%1, match %2").arg(t.format.roundName(t.format.matches[size_t(i)])).arg(number));
    groupe->setEnabled(false);
    equipe1->setEnabled(false);
    equipe2->setEnabled(false);
    {
        const QSignalBlocker b1(equipe1), b2(equipe2);
        equipe1->clear();
        equipe2->clear();
        equipe1->addItem(t.teamName(slot.team1));
        equipe2->addItem(t.teamName(slot.team2));
    }
    annule->setVisible(true);
    if (!again)
        clearEntry();
    fillSquads();
    updateShootout();
    return true;
}

void FormatEntryPage::openGroups()
{
    m_match = 0;
    titre->setText(QStringLiteral("A group match"));
    groupe->setEnabled(true);
    equipe1->setEnabled(true);
    equipe2->setEnabled(true);
    annule->setVisible(false);
    clearEntry();
    fillTeams();
    updateShootout();
}

void FormatEntryPage::fillTeams()
{
    if (m_match > 0)
        return;
    const int g = std::max(0, groupe->currentIndex());
    {
        const QSignalBlocker b1(equipe1), b2(equipe2);
        equipe1->clear();
        equipe2->clear();
        for (const FormatTeam &team : m_session.tournament().groups[size_t(g)].teams) {
            equipe1->addItem(team.name);
            equipe2->addItem(team.name);
        }
        equipe1->setCurrentIndex(0);
        equipe2->setCurrentIndex(1);
    }
    buteurs1->clear();
    buteurs2->clear();
    fillSquads();
}

void FormatEntryPage::fillSquads()
{
    const FormatTournament &t = m_session.tournament();
    const std::pair<QListWidget *, int> sides[] = {{joueurs1, team1()}, {joueurs2, team2()}};
    for (const auto &[l, team] : sides) {
        l->clear();
        if (team >= 0 && team < t.teamCount())
            l->addItems(t.team(team).players);
    }
}

void FormatEntryPage::updateShootout()
{
    const bool shootout = m_match > 0 && score1->value() == score2->value();
    tirs->setVisible(m_match > 0);
    tab1->setVisible(m_match > 0);
    tab2->setVisible(m_match > 0);
    tab1->setEnabled(shootout);
    tab2->setEnabled(shootout);
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
    if (buteurs1->count() > score1->value() || buteurs2->count() > score2->value())
        return QStringLiteral("More scorers than goals: a side has %1 scorer lines for %2 goals.")
            .arg(buteurs1->count() > score1->value() ? buteurs1->count() : buteurs2->count())
            .arg(buteurs1->count() > score1->value() ? score1->value() : score2->value());
    if (m_match > 0 && score1->value() == score2->value()) {
        if (tab1->value() == tab2->value())
            return QStringLiteral("A knock-out match cannot end level: give the penalty shoot-out.");
        if (score1->value() + std::max(tab1->value(), tab2->value()) > FormatFiles::MaxScore)
            return QStringLiteral("A side can have at most %1 goals and kicks.").arg(FormatFiles::MaxScore);
    }
    return QString();
}

bool FormatEntryPage::enregistreClick()
{
    const QString why = problem();
    message->setText(why);
    if (!why.isEmpty())
        return false;
    const int a = team1();
    const int b = team2();
    int s1 = score1->value();
    int s2 = score2->value();
    const int number = m_match;
    if (number > 0 && s1 == s2) {
        // Stored as the files of every format store it: the kicks added.
        s1 += tab1->value();
        s2 += tab2->value();
    }
    const QStringList scorers1 = lines(buteurs1);
    const QStringList scorers2 = lines(buteurs2);
    const QString error = m_session.change([&](FormatTournament &t) {
        if (number > 0)
            t.knockout.push_back({number, a, b, s1, s2});
        else
            t.groupMatches.push_back({a, b, s1, s2});
        const std::pair<int, const QStringList *> sides[] = {{a, &scorers1}, {b, &scorers2}};
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
