#pragma once

#include <functional>
#include <set>
#include <vector>

#include <QDialog>

#include "tournament/format/FormatTournament.h"

class FormatSession;
class QLabel;
class QListWidget;
class QPushButton;

// "Drawing Lots" for a tournament of any format: the teams that no rule
// separates, in a group or at the cut of the third-placed teams, are put in
// order place by place, as the lots (or whatever the competition decides
// by) fall. The decision goes into the tournament and its folder at once.
// The dialog offers itself when a result makes a new tie decidable.
class FormatLotsDialog : public QDialog
{
    Q_OBJECT
public:
    FormatLotsDialog(FormatSession &session, std::function<void(const QString &)> report, QWidget *parent = nullptr);

    // Shows the first tie still open; false when there is none.
    bool offer();
    // The tie being decided.
    const OpenTie &tie() const { return m_tie; }

    QLabel *whereLabel;   // "In the group C" or "Among the third-placed teams"
    QLabel *placeLabel;   // "The second place will be known by drawing lots."
    QLabel *levelLabel;   // the figures they are level on
    QListWidget *teamList; // the candidates for that place
    QPushButton *okButton;
    QPushButton *cancelButton;

    void okClick();
    void cancelClick();

protected:
    void reject() override;

private:
    void sessionChanged();
    void listCandidates();
    // A tie's teams as a key, to know which ties were offered already.
    static std::vector<int> key(const OpenTie &tie);

    FormatSession &m_session;
    std::function<void(const QString &)> m_report;
    OpenTie m_tie;
    std::vector<int> m_chosen;
    std::set<std::vector<int>> m_offered;
};
