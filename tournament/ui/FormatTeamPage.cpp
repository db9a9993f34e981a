#include "tournament/ui/FormatTeamPage.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "tournament/ui/FormatSession.h"

FormatTeamPage::FormatTeamPage(FormatSession &session, std::function<void(const QString &)> report, QWidget *parent)
    : QWidget(parent), m_session(session), m_report(std::move(report))
{
    setObjectName(QStringLiteral("teams"));
    groupChoice = new QComboBox;
    groupChoice->setObjectName(QStringLiteral("groupChoice"));
    groupChoice->addItems(session.groupLetters());
    teamChoice = new QComboBox;
    teamChoice->setObjectName(QStringLiteral("teamChoice"));
    teamChoice->setMinimumContentsLength(20);
    squad = new QListWidget;
    squad->setObjectName(QStringLiteral("squad"));
    countLabel = new QLabel;
    countLabel->setObjectName(QStringLiteral("countLabel"));
    nameEdit = new QLineEdit;
    nameEdit->setObjectName(QStringLiteral("nameEdit"));
    nameEdit->setMaxLength(FormatTeam::kMaxNameLength);
    addButton = new QPushButton(QStringLiteral("Add"));
    addButton->setObjectName(QStringLiteral("addButton"));
    renameButton = new QPushButton(QStringLiteral("Rename"));
    renameButton->setObjectName(QStringLiteral("renameButton"));
    removeButton = new QPushButton(QStringLiteral("Remove"));
    removeButton->setObjectName(QStringLiteral("removeButton"));
    message = new QLabel;
    message->setObjectName(QStringLiteral("message"));
    message->setTextFormat(Qt::PlainText);
    message->setWordWrap(true);

    auto *choose = new QFormLayout;
    choose->addRow(QStringLiteral("Group"), groupChoice);
    choose->addRow(QStringLiteral("Team"), teamChoice);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(addButton);
    buttons->addWidget(renameButton);
    buttons->addWidget(removeButton);
    buttons->addStretch(1);
    auto *left = new QVBoxLayout;
    left->addLayout(choose);
    left->addWidget(new QLabel(QStringLiteral("Player name")));
    left->addWidget(nameEdit);
    left->addLayout(buttons);
    left->addWidget(message);
    left->addStretch(1);
    auto *right = new QVBoxLayout;
    right->addWidget(countLabel);
    right->addWidget(squad, 1);
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(right, 1);

    connect(groupChoice, &QComboBox::currentIndexChanged, this, &FormatTeamPage::fillTeams);
    connect(teamChoice, &QComboBox::currentIndexChanged, this, &FormatTeamPage::fillSquad);
    connect(squad, &QListWidget::currentRowChanged, this, [this](int row) {
        const int team = currentTeam();
        if (team >= 0 && row >= 0 && row < m_session.tournament().team(team).players.size())
            nameEdit->setText(m_session.tournament().team(team).players[row]);
        updateButtons();
    });
    connect(nameEdit, &QLineEdit::textChanged, this, &FormatTeamPage::updateButtons);
    connect(nameEdit, &QLineEdit::returnPressed, this, &FormatTeamPage::addClick);
    connect(addButton, &QPushButton::clicked, this, &FormatTeamPage::addClick);
    connect(renameButton, &QPushButton::clicked, this, &FormatTeamPage::renameClick);
    connect(removeButton, &QPushButton::clicked, this, &FormatTeamPage::removeClick);
    fillTeams();
}

int FormatTeamPage::currentTeam() const
{
    const int g = groupChoice->currentIndex();
    const int k = teamChoice->currentIndex();
    return g >= 0 && k >= 0 ? 4 * g + k : -1;
}

void FormatTeamPage::refresh()
{
    fillSquad();
}

void FormatTeamPage::fillTeams()
{
    const int g = std::max(0, groupChoice->currentIndex());
    const int keep = std::max(0, teamChoice->currentIndex());
    QSignalBlocker block(teamChoice);
    teamChoice->clear();
    for (const FormatTeam &team : m_session.tournament().groups[size_t(g)].teams)
        teamChoice->addItem(team.name);
    teamChoice->setCurrentIndex(keep);
    fillSquad();
}

void FormatTeamPage::fillSquad()
{
    const int team = currentTeam();
    const int row = squad->currentRow();
    squad->clear();
    if (team < 0)
        return;
    const FormatTeam &t = m_session.tournament().team(team);
    for (qsizetype i = 0; i < t.players.size(); ++i) {
        const int goals = i < t.goals.size() ? t.goals[i] : 0;
        squad->addItem(goals > 0 ? QStringLiteral("%1 (%2)").arg(t.players[i]).arg(goals) : t.players[i]);
    }
    if (row >= 0 && row < squad->count())
        squad->setCurrentRow(row);
    countLabel->setText(QStringLiteral("%1 of %2 players").arg(t.players.size()).arg(FormatTeam::kMaxPlayers));
    updateButtons();
}

void FormatTeamPage::updateButtons()
{
    const int team = currentTeam();
    const bool chosen = team >= 0 && squad->currentRow() >= 0;
    const bool typed = !nameEdit->text().trimmed().isEmpty();
    addButton->setEnabled(team >= 0 && typed
                       && m_session.tournament().team(team).players.size() < FormatTeam::kMaxPlayers);
    renameButton->setEnabled(chosen && typed);
    removeButton->setEnabled(chosen);
}

bool FormatTeamPage::acceptable(const QString &name, int except)
{
    const FormatTeam &t = m_session.tournament().team(currentTeam());
    QString why;
    if (name.isEmpty() || name.size() > FormatTeam::kMaxNameLength)
        why = QStringLiteral("A player's name holds 1 to %1 characters.").arg(FormatTeam::kMaxNameLength);
    for (QChar c : name)
        if (c.category() == QChar::Other_Control || c == QLatin1Char('\t'))
            why = QStringLiteral("A player's name cannot hold control characters.");
    const qsizetype same = t.players.indexOf(name);
    if (same >= 0 && same != except)
        why = QStringLiteral("%1 is in the squad already.").arg(name);
    message->setText(why);
    return why.isEmpty();
}

void FormatTeamPage::addClick()
{
    const int team = currentTeam();
    const QString name = nameEdit->text().trimmed();
    if (team < 0 || m_session.tournament().team(team).players.size() >= FormatTeam::kMaxPlayers
        || !acceptable(name, -1))
        return;
    m_report(m_session.change([&](FormatTournament &t) {
        t.team(team).players << name;
        t.team(team).goals << 0;
    }));
    fillSquad();
    nameEdit->clear();
    squad->setCurrentRow(squad->count() - 1);
}

void FormatTeamPage::renameClick()
{
    const int team = currentTeam();
    const int row = squad->currentRow();
    const QString name = nameEdit->text().trimmed();
    if (team < 0 || row < 0 || !acceptable(name, row))
        return;
    m_report(m_session.change([&](FormatTournament &t) { t.team(team).players[row] = name; }));
    fillSquad();
}

void FormatTeamPage::removeClick()
{
    const int team = currentTeam();
    const int row = squad->currentRow();
    if (team < 0 || row < 0)
        return;
    m_report(m_session.change([&](FormatTournament &t) {
        t.team(team).players.removeAt(row);
        if (row < t.team(team).goals.size())
            t.team(team).goals.removeAt(row);
    }));
    fillSquad();
    message->clear();
}
