#pragma once

#include "league/export/Exporters.h"
#include "league/standings/RowBands.h"
#include "league/standings/Standings.h"
#include "league/standings/TableTrend.h"
#include "league/ui/BuiltOnUseDialog.h"
#include "league/ui/PlatformSeams.h"

class QCheckBox;
class QLabel;
class QPushButton;
class League;
class StandChooser;
class TableGrid;

// The table window: the league, home or away table as 18 coloured row
// bands. The bands keep their colours after the window closes; the printed
// league table and the exports read them through rowBandColor().
class TfrmTab : public BuiltOnUseDialog {
    Q_OBJECT

public:
    // Modal results of the two switch buttons.
    static constexpr int kFirstSwitch = 6;
    static constexpr int kSecondSwitch = 7;
    static constexpr int kClose = 1;

    TfrmTab(const UiPlatform &platform, QWidget *parent = nullptr);

    // TabGes, TabHeim and TabAus in one: fills the window for the view from
    // tables computed after matchday standings.lastRound, which the
    // matchday chooser then shows. Choosing another matchday computes the
    // tables of the league after it and fills the window again.
    void fill(TableView view, const Standings &standings, const League &league);
    // The matchday the tables stand after, as chosen in "nach dem Spieltag".
    int shownRound() const;
    // "Stand am": the tables of the matches played by the end of a day,
    // instead of after a matchday. An invalid date switches it off.
    void setStandDate(const QDate &day);
    // The day the tables stand on, invalid while they stand after a matchday.
    QDate standDate() const;
    // "Platz r hinter Platz r - 1 – <rule>" for the rows below the first,
    // "Platz 1" for the first: the tooltip of row r and what the status
    // line shows while the mouse is over it.
    QString reasonLine(int row) const;
    // The status line: the reason of the row under the mouse, otherwise
    // the matchday the tables stand after.
    QString statusText() const;
    // The reason of row r's place and its deduction ("Punkte, Punktabzug:
    // 8"), what the reason column shows.
    QString placeNote(int row) const;
    TableView view() const { return m_view; }
    // The view a switch button (its modal result) leads to.
    TableView switchTarget(int result) const;
    const RowBandColors &rowBandColor() const { return m_bands; }
    // A league of another size was loaded or reshaped: the window gets a row
    // per team, and colours not yet taken from a view follow the default
    // layout of that size.
    void setTeamCount(int teams);
    int teamCount() const { return m_teams; }
    // The columns that can be shown beside the league table: each team's
    // form, its change of place since the matchday before, and the reason
    // of its place. The choice stays while the program runs.
    void setExtraColumns(bool form, bool movement, bool reasons);
    // The same choice for an export of the tables: the reasons (text rows,
    // HTML row titles), and form and movement columns in HTML.
    ExportOptions exportOptions() const;
    // The text of the movement cell: "▲2", "▼1", "=" or nothing.
    static QString movementText(const TableTrend &trend, int slot, int place);

private:
    void buildControls() override;
    void seSTChange(int round);
    void standChange();
    // Fills the rows from tables already computed.
    void showTables(const Standings &standings, const League &league);
    void showStatus(int row);
    // Sizes the rows and the window, and puts the controls below them.
    void layoutRows();
    void refill();

    UiPlatform m_platform;
    TableView m_view = TableView::Total;
    RowBandColors m_bands = RowBandColors::defaultLayout();
    int m_teams = League::kTeams;
    bool m_filled = false;
    Standings m_standings;
    // The rows with their bands, the extra columns and the legend.
    TableGrid *m_grid = nullptr;
    // "nach dem Spieltag" and "Stand am".
    StandChooser *m_stand = nullptr;
    // The switches of the extra columns.
    QCheckBox *chkForm = nullptr;
    QCheckBox *chkTendenz = nullptr;
    QCheckBox *chkGrund = nullptr;
    QPushButton *bb1 = nullptr;
    QPushButton *bb2 = nullptr;
    QPushButton *bbHilfe = nullptr;
    QPushButton *bbOK = nullptr;
    QLabel *lblGrund = nullptr;
    const League *m_league = nullptr;
    int m_round = 0;
};
