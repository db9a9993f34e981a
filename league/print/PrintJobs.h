#pragma once

#include "league/model/League.h"
#include "league/standings/FeverCurve.h"
#include "league/standings/RowBands.h"

#include <QList>
#include <QString>
#include <array>
#include <functional>
#include <optional>

class CrossGrid;
class League;
class TPageWriter;
struct Standings;

// What one print command prints: the choices of the print selection dialog.
struct PrintSelection {
    bool tables = true;
    // The tables stand after this matchday; the default, past every
    // league's last matchday, prints them after the last one.
    int tablesRound = League::kMaxRounds;
    bool crossTable = true;
    std::array<bool, League::kMaxRounds + 1> rounds{}; // matchdays 1..roundCount
    std::array<bool, League::kMaxTeams + 1> teams{};   // curves of team slots 1..teamCount
    // Matchdays that held an entry when the dialog opened; with none, no
    // matchday is printed whatever the boxes say.
    int filledRounds = 0;
};

// A matchday holds an entry when anything in its rows differs from a new
// row: the sum of both teams and both goals of every row, plus twice the
// number of rows, is above zero (an untouched matchday of nine rows sums to
// -18).
bool roundHasEntry(const League &league, int round);
int filledRounds(const League &league);

// The dialog's state when it opens: tables, cross table and the curves of
// all teams, and exactly the matchdays that hold an entry.
PrintSelection defaultPrintSelection(const League &league);

// Reads a list of numbers and ranges such as "1-6,9" with every number in
// 1..last; gives nothing for an empty list, a reversed range or a number
// outside that span.
std::optional<QList<int>> parseNumberList(const QString &text, int last);

// The page jobs of the print command. Each writes at the writer's current
// position; build() runs them in order for one selection.
class LeaguePrintJobs {
public:
    LeaguePrintJobs(const League &league, const RowBandColors &rowBandColor, TPageWriter &prn);

    // Matchday selection first, then (entries 1..teamCount) the team
    // selection.
    std::array<int, std::max(League::kMaxRounds, League::kMaxTeams) + 1> printFlags{};

    void DruckTab(const Standings &standings);
    // The cross table in blocks of six away columns, as many blocks as the
    // grid's teams need.
    void DruckStats(const CrossGrid &grid);
    void DruckSTNeu();
    void DruckST(int round);
    void DruckKurveNeu();
    // The fever curve of team slot `team` in chart slot 1, 2 or 3 of the page.
    void DruckKurve(int team, int pageSlot);

    // Width and height of the grid cells of a printed curve, in
    // millimetres: 3.6, or less when the roundCount + 2 columns would not
    // fit between the chart's left edge and the right margin, or the
    // teamCount + 2 rows would not fit into the room a chart has on the page.
    static double curveCellWidthMm(int rounds);
    static double curveCellHeightMm(int teams);
    // How many matchdays of `rows` match rows share a page under the
    // "Spieltage" heading: six of nine rows, fewer of more, more of fewer.
    static int matchdaysPerPage(int rows);

    // Writes the whole document (BeginDoc .. EndDoc) for `selection`,
    // reporting 25, 50, 75 and 100 per cent after each part.
    void build(const PrintSelection &selection, const std::function<void(int)> &progress = {});

    // The two lines above every heading.
    static QString titleLine();
    static QString contactLine();
    // The print colour of a league-table row with band colour `band`.
    static QColor rowTextColor(const QColor &band);

private:
    void heading(const QString &text);
    QString matchRow(int round, int row) const;
    QString teamName(int slot) const;

    const League &m_league;
    RowBandColors m_bands; // a copy: callers pass the layout of the moment, often a temporary
    TPageWriter &m_prn;
};
