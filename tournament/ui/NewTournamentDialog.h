#pragma once

#include <map>
#include <vector>

#include <QDialog>
#include <QStringList>

#include "tournament/format/TournamentFormat.h"

class Platform;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// A new tournament of any format but the classic one: its format (a shipped
// one or a format file), its folder, and the four teams of each group, typed
// or taken from a Football.TXT file, with squads from a squads file or
// folder. "Start" writes the folder (with every team's flag, drawn as the
// import draws them) and leaves the dialog with the folder to open.
class NewTournamentDialog : public QDialog
{
    Q_OBJECT
public:
    NewTournamentDialog(Platform &platform, const QString &folder, QWidget *parent = nullptr);

    // The folder written by "Start".
    QString createdFolder() const { return m_created; }
    const TournamentFormat &currentFormat() const { return m_format; }

    // Chooses a shipped format by its key ("world2026"); false when unknown.
    bool chooseFormat(const QString &key);
    // The line of team k (0..3) of group g.
    QLineEdit *teamEdit(int group, int k) const;

    QComboBox *format;
    QLineEdit *folderEdit;
    QPushButton *browseButton;
    QPushButton *importTeamsButton;
    QPushButton *importSquadsButton;
    QLabel *playerCount;      // how many players the squads hold
    QLabel *message;
    QPushButton *startButton;
    QPushButton *cancelButton;

    void formatChanged(int index);
    void browseClick();
    // Reads the teams (and their squads) from a Football.TXT file.
    bool importTeamsClick();
    bool importSquadsClick();
    // Writes the tournament; says why on the dialog when it cannot.
    bool startClick();

private:
    void buildGroups();
    void showPlayers();
    QStringList typedNames() const;

    Platform &m_platform;
    TournamentFormat m_format;
    QString m_key;
    QWidget *m_groups = nullptr;
    QGridLayout *m_grid = nullptr;
    std::vector<QWidget *> m_boxes;           // a box per group
    std::vector<QLineEdit *> m_edits;         // 4 per group, group A first
    std::map<QString, QStringList> m_squads;  // players by team name, from an import
    QString m_created;
};
