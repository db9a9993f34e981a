#pragma once

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
    bool crossTable = true;
    std::array<bool, 35> rounds{}; // matchdays 1..34
    std::array<bool, 19> teams{};  // curves of team slots 1..18
    // Matchdays that held an entry when the dialog opened; with none, no
    // matchday is printed whatever the boxes say.
    int filledRounds = 0;
};

// A matchday holds an entry when anything in its nine rows differs from a
// new row: the sum of both teams and both goals of every row, plus 18, is
// above zero (an untouched matchday sums to -18).
bool roundHasEntry(const League &league, int round);
int filledRounds(const League &league);

// The dialog's state when it opens: tables, cross table and all 18 curves,
// and exactly the matchdays that hold an entry.
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

    // Matchday selection first, then (entries 1..18) the team selection.
    std::array<int, 35> printFlags{};

    void DruckTab(const Standings &standings);
    void DruckStats(const CrossGrid &grid);
    void DruckSTNeu();
    void DruckST(int round);
    void DruckKurveNeu();
    // The fever curve of team slot `team` in chart slot 1, 2 or 3 of the page.
    void DruckKurve(int team, int pageSlot);

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
    const RowBandColors &m_bands;
    TPageWriter &m_prn;
};
