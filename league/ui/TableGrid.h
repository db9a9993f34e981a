#pragma once

#include "league/model/League.h"
#include "league/standings/RowBands.h"
#include "league/standings/Standings.h"
#include "league/standings/TableTrend.h"

#include <QScrollArea>
#include <array>

class QFrame;
class QLabel;

// The rows of the table window: a coloured band per place with the team's
// figures, the columns that can be shown beside them (form, change of
// place, reason of the place) and the zones' legend below. It knows why
// each row stands where it does and says which row the mouse is over.
class TableGrid : public QScrollArea {
    Q_OBJECT

public:
    struct Columns {
        bool form = false;
        bool movement = false;
        bool reasons = false;
    };

    explicit TableGrid(QWidget *parent = nullptr);

    // Shows `teams` rows, the legend below them and the extra columns
    // (form and movement only beside the league table). Returns how much
    // wider and taller than the table of 18 teams without them it became.
    QSize arrange(int teams, bool leagueTable, Columns columns);
    // The legend of the league's zones below the league table; without a
    // league, or for another view, none.
    void showLegend(const League *league, bool leagueTable);
    void setBands(const RowBandColors &bands);
    // Fills the rows from one of the tables; the trend is read for the
    // league table only.
    void showRows(const Standings::Table &table, const Standings::Reasons &reasons, const League &league,
                  bool leagueTable, const TableTrend &trend);

    // See TfrmTab.
    QString placeNote(int row) const;
    QString reasonLine(int row) const;
    static QString movementText(const TableTrend &trend, int slot, int place);

signals:
    // The mouse is over row r (or pressed it); 0 once it left the rows.
    void rowEntered(int row);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    using RowLabels = std::array<QLabel *, League::kMaxTeams + 1>;

    void buildRows();

    int m_teams = League::kTeams;
    std::array<QFrame *, League::kMaxTeams + 1> Shape{};
    RowLabels lblTeam{}, lblSp{}, lblSs{}, lblSu{}, lblSn{}, lblPkt{}, lblTe{}, lblTa{}, lblTd{};
    // The place numbers at both ends of each row and the goals' colon.
    RowLabels m_placeLeft{}, m_placeRight{}, m_colon{};
    RowLabels lblForm{}, lblTend{}, lblWarum{};
    std::array<QLabel *, 3> m_extraHeads{};
    QFrame *m_header = nullptr;
    // The zones' names on their colours below the rows, for a league with
    // zones of today; its height is 0 without them.
    QList<QLabel *> m_legend;
    int m_legendHeight = 0;
    QList<QFrame *> m_columnRules;
    QWidget *m_box = nullptr;
    Standings::Reasons m_reasons{};
    std::array<int, League::kMaxTeams + 2> m_deducted{};
};
