#pragma once

#include <functional>

#include <QWidget>

class FormatSession;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// The squads of a tournament of any format: a team chosen by its group and
// name, its players in squad order (up to 26), added, renamed and removed.
class FormatTeamPage : public QWidget
{
    Q_OBJECT
public:
    FormatTeamPage(FormatSession &session, std::function<void(const QString &)> report, QWidget *parent = nullptr);

    void refresh();
    // The team number chosen, or -1.
    int currentTeam() const;

    QComboBox *groupChoice;
    QComboBox *teamChoice;
    QListWidget *squad;
    QLabel *countLabel;      // "23 of 26 players"
    QLineEdit *nameEdit;      // the name to add or to give the chosen player
    QPushButton *addButton;
    QPushButton *renameButton;
    QPushButton *removeButton;
    QLabel *message;

    void addClick();
    void renameClick();
    void removeClick();

private:
    void fillTeams();
    void fillSquad();
    void updateButtons();
    // Whether name can be the player's name in the team (1 to 50 characters,
    // no control characters, not twice in the squad); says why not.
    bool acceptable(const QString &name, int except);

    FormatSession &m_session;
    std::function<void(const QString &)> m_report;
};
