#pragma once

#include <vector>

#include <QColor>
#include <QWidget>

class FormatSession;
class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

// The classification of a tournament of any format: every group's table at
// once (rank, played, won, drawn, lost, goals, goal difference, points),
// coloured by what the place is worth, the group chosen above shown larger,
// and the third-placed teams ranked across the groups with the cut.
class FormatGroupsPage : public QWidget
{
    Q_OBJECT
public:
    // What a place in a group table is worth as the table stands.
    enum Status { Through, ThirdThrough, Out };
    static QColor colour(Status s);
    // The item data role that carries a row's Status in every table of the page.
    static constexpr int StatusRole = Qt::UserRole + 1;

    explicit FormatGroupsPage(FormatSession &session, QWidget *parent = nullptr);

    // Fills every table from the session's standings.
    void refresh();
    // Shows the group (0 = A) in the large table.
    void selectGroup(int group);

    QComboBox *groupChoice;             // the group shown larger
    QTableWidget *largeTable;     // that group's table
    std::vector<QTableWidget *> tables; // every group's table, A first
    QTableWidget *thirds;      // the third-placed teams, or nullptr for a format without
    QLabel *cutLabel;                 // the line above it: how many go on
    QLabel *openTies;               // ties the rules leave open
    QPushButton *lotsButton;        // "Draw Lots...", while a tie is open

private:
    void fillGroup(QTableWidget *table, int group);
    Status statusOf(int group, int place) const;

    FormatSession &m_session;
};
