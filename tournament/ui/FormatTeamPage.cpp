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
    setObjectName(QStringLiteral("equipes"));
    groupe = new QComboBox;
    groupe->setObjectName(QStringLiteral("groupe"));
    groupe->addItems(session.groupLetters());
    equipe = new QComboBox;
    equipe->setObjectName(QStringLiteral("equipe"));
    equipe->setMinimumContentsLength(20);
    squad = new QListWidget;
    squad->setObjectName(QStringLiteral("squad"));
    compte = new QLabel;
    compte->setObjectName(QStringLiteral("compte"));
    nom = new QLineEdit;
    nom->setObjectName(QStringLiteral("nom"));
    nom->setMaxLength(FormatTeam::kMaxNameLength);
    ajoute = new QPushButton(QStringLiteral("Add"));
    ajoute->setObjectName(QStringLiteral("ajoute"));
    renomme = new QPushButton(QStringLiteral("Rename"));
    renomme->setObjectName(QStringLiteral("renomme"));
    retire = new QPushButton(QStringLiteral("Remove"));
    retire->setObjectName(QStringLiteral("retire"));
    message = new QLabel;
    message->setObjectName(QStringLiteral("message"));
    message->setTextFormat(Qt::PlainText);
    message->setWordWrap(true);

    auto *choose = new QFormLayout;
    choose->addRow(QStringLiteral("Group"), groupe);
    choose->addRow(QStringLiteral("Team"), equipe);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(ajoute);
    buttons->addWidget(renomme);
    buttons->addWidget(retire);
    buttons->addStretch(1);
    auto *left = new QVBoxLayout;
    left->addLayout(choose);
    left->addWidget(new QLabel(QStringLiteral("Player name")));
    left->addWidget(nom);
    left->addLayout(buttons);
    left->addWidget(message);
    left->addStretch(1);
    auto *right = new QVBoxLayout;
    right->addWidget(compte);
    right->addWidget(squad, 1);
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(right, 1);

    connect(groupe, &QComboBox::currentIndexChanged, this, &FormatTeamPage::fillTeams);
    connect(equipe, &QComboBox::currentIndexChanged, this, &FormatTeamPage::fillSquad);
    connect(squad, &QListWidget::currentRowChanged, this, [this](int row) {
        const int team = currentTeam();
        if (team >= 0 && row >= 0 && row < m_session.tournament().team(team).players.size())
            nom->setText(m_session.tournament().team(team).players[row]);
        updateButtons();
    });
    connect(nom, &QLineEdit::textChanged, this, &FormatTeamPage::updateButtons);
    connect(nom, &QLineEdit::returnPressed, this, &FormatTeamPage::ajouteClick);
    connect(ajoute, &QPushButton::clicked, this, &FormatTeamPage::ajouteClick);
    connect(renomme, &QPushButton::clicked, this, &FormatTeamPage::renommeClick);
    connect(retire, &QPushButton::clicked, this, &FormatTeamPage::retireClick);
    fillTeams();
}

int FormatTeamPage::currentTeam() const
{
    const int g = groupe->currentIndex();
    const int k = equipe->currentIndex();
    return g >= 0 && k >= 0 ? 4 * g + k : -1;
}

void FormatTeamPage::refresh()
{
    fillSquad();
}

void FormatTeamPage::fillTeams()
{
    const int g = std::max(0, groupe->currentIndex());
    const int keep = std::max(0, equipe->currentIndex());
    QSignalBlocker block(equipe);
    equipe->clear();
    for (const FormatTeam &team : m_session.tournament().groups[size_t(g)].teams)
        equipe->addItem(team.name);
    equipe->setCurrentIndex(keep);
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
    compte->setText(QStringLiteral("%1 of %2 players").arg(t.players.size()).arg(FormatTeam::kMaxPlayers));
    updateButtons();
}

void FormatTeamPage::updateButtons()
{
    const int team = currentTeam();
    const bool chosen = team >= 0 && squad->currentRow() >= 0;
    const bool typed = !nom->text().trimmed().isEmpty();
    ajoute->setEnabled(team >= 0 && typed
                       && m_session.tournament().team(team).players.size() < FormatTeam::kMaxPlayers);
    renomme->setEnabled(chosen && typed);
    retire->setEnabled(chosen);
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

void FormatTeamPage::ajouteClick()
{
    const int team = currentTeam();
    const QString name = nom->text().trimmed();
    if (team < 0 || m_session.tournament().team(team).players.size() >= FormatTeam::kMaxPlayers
        || !acceptable(name, -1))
        return;
    m_report(m_session.change([&](FormatTournament &t) {
        t.team(team).players << name;
        t.team(team).goals << 0;
    }));
    fillSquad();
    nom->clear();
    squad->setCurrentRow(squad->count() - 1);
}

void FormatTeamPage::renommeClick()
{
    const int team = currentTeam();
    const int row = squad->currentRow();
    const QString name = nom->text().trimmed();
    if (team < 0 || row < 0 || !acceptable(name, row))
        return;
    m_report(m_session.change([&](FormatTournament &t) { t.team(team).players[row] = name; }));
    fillSquad();
}

void FormatTeamPage::retireClick()
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
