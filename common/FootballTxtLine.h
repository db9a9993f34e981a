#pragma once

#include "common/FootballTxt.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <QTime>

// The pieces of one Football.TXT line: dates, times, scores, team names and
// goals lists. The reader and the writer share them, so that whatever the
// writer puts on a line is what the reader takes from it.
namespace FootballTxt::Line {

// Only the blank (U+0020) separates and is trimmed; other spaces belong to
// the text, so a name keeps every character it was read with.
QString trimBlanks(QStringView s);
// Fields are separated by two or more blanks.
QStringList splitFields(QStringView s);
// A detail for a message: at most 80 characters.
QString shortened(const QString &s);

bool startsWithMarker(QStringView s); // "»" or "▪"
// The first number in a heading ("Matchday 16" gives 16), 0 when it has none.
int firstNumber(QStringView s);
// "Group A": the word "Group" (any case), alone or followed by a blank.
bool isGroupName(QStringView s);
// One field with at least one letter: a heading such as "Final".
bool isWordsAlone(QStringView s);

// A date as written, before its year is known.
struct DateParts {
    int month = 0;
    int day = 0;
    int year = 0; // 0 when the text gives none
    int tokens = 0;
    bool isDate() const { return tokens > 0; }
};
// The whole text as a date: "Fri Aug/18", "Sun Nov 20", "10 June 1998",
// "2024-05-18", with or without a weekday.
DateParts wholeDate(QStringView s);

// The year of dates that do not give one. A title with a season ("2023/24")
// puts July to December into its first year and January to June into the
// second; otherwise a date takes the year that puts it nearest the date
// before it, and the first date the title's year.
class Years {
public:
    void setTitle(const QString &title);
    bool knowsYear() const { return m_seasonStart > 0 || m_titleYear > 0 || m_last.isValid(); }
    // What a date without a year stands for; invalid when no year is known
    // or the day does not exist in it.
    QDate peek(int month, int day) const;
    // The date a text stands for (year 0: not given), remembered as the
    // last date.
    QDate resolve(int month, int day, int year);

private:
    QDate nearest(int month, int day) const;

    int m_seasonStart = 0;
    int m_titleYear = 0;
    QDate m_last;
};

bool isTimeShape(QStringView s);
bool isZone(QStringView s);

struct MatchLine {
    enum Kind { NotMatch, Ok, Fault };
    Kind kind = NotMatch;
    Issue fault;
    bool hasDate = false;
    DateParts date;
    QString dateText;
    QTime time;
    QString zone;
    QString team1;
    QString team2;
    Score ft, ht, et, pen;
    QString note;
    QString venue;
};
// A match line without its comment, trimmed. NotMatch when the line holds
// neither a score nor a "v" between two names.
MatchLine parseMatchLine(QStringView s);

bool teamNameOk(QStringView name);
// A team name as every reader takes it: each run of spaces (blanks, no-break
// spaces, ...) made one blank, none at either end, so that names that differ
// only in their spaces are one team.
QString teamNameOf(QStringView s);
// The text of a note after a score, "awarded" in "0-2 [awarded]".
bool isNoteText(QStringView s);
// No ";", ",", "#", standalone "-" or minute among its words.
bool isPlayerName(QStringView name);
// "pen", "(o.g.)", ...: after a minute such a word is its mark.
bool startsWithGoalMark(QStringView name);

struct GoalsParse {
    bool ok = false;
    Issue fault;
    QList<Goal> goals;
    QList<Issue> warnings;
};
// The text inside a goals list's outer parentheses; result decides the side
// of a list that has no ";".
GoalsParse parseGoals(QStringView text, const Score &result);

// "(10)  FW  Ronaldo": number, position and name of a squad line.
bool parsePlayerLine(QStringView s, int *number, QString *position, QString *name);

} // namespace FootballTxt::Line
