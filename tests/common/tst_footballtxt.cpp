// The Football.TXT reader and writer: every line shape the real files use,
// untidy ones included, the goals lines of a world tournament, squads,
// faults named with their line, and files that read back equal.
#include "common/FootballTxt.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>

using namespace FootballTxt;

Q_DECLARE_METATYPE(FootballTxt::Problem)

namespace {

QString dataPath(const QString &name)
{
    return QStringLiteral(TEST_SOURCE_DIR "/tests/data/open-football/") + name;
}

QByteArray dataFile(const QString &name)
{
    QFile f(dataPath(name));
    if (!f.open(QIODevice::ReadOnly))
        qFatal("missing test file %s", qPrintable(name));
    return f.readAll();
}

ReadResult readText(const QString &text)
{
    return read(text.toUtf8());
}

// The one match of a file with a title, a matchday and a date before it.
Match onlyMatch(const QString &matchLine, QString *error = nullptr)
{
    const ReadResult r = readText(QStringLiteral("= Liga 2024/25\n\nMatchday 1\n[Sat Aug/17]\n") + matchLine + '\n');
    if (!r.ok) {
        if (error)
            *error = lineMessage(r.error);
        return Match{};
    }
    if (r.document.matchCount() != 1) {
        if (error)
            *error = QStringLiteral("%1 matches").arg(r.document.matchCount());
        return Match{};
    }
    return r.document.stages.first().rounds.first().matches.first();
}

const Match *findMatch(const Document &d, const QString &team1, const QString &team2)
{
    for (const Stage &s : d.stages)
        for (const Round &r : s.rounds)
            for (const Match &m : r.matches)
                if (m.team1 == team1 && m.team2 == team2)
                    return &m;
    return nullptr;
}

int minutesOf(const Match &m, Side side)
{
    int n = 0;
    for (const Goal &g : m.goals)
        if (g.side == side)
            n += int(g.minutes.size());
    return n;
}

const Goal *scorer(const Match &m, const QString &player)
{
    for (const Goal &g : m.goals)
        if (g.player == player)
            return &g;
    return nullptr;
}

} // namespace

class TestFootballTxt : public QObject {
    Q_OBJECT

private slots:
    void matchLines_data();
    void matchLines();
    void headings();
    void dates_data();
    void dates();
    void seasonWithPostponedMatch();
    void goalForms_data();
    void goalForms();
    void goalsThatNoTeamCanBeGiven();
    void worldCupGoals();
    void worldCupGoalsAddUpToScores();
    void faults_data();
    void faults();
    void hostileBytesNeverCrash();
    void byteOrderMarks();
    void notesAfterScores_data();
    void notesAfterScores();
    void titlesOpeningWithEquals();
    void realFilesReadBackEqual_data();
    void realFilesReadBackEqual();
    void writerGivesFirstForms();
    void squads();
    void squadFaults();
};

void TestFootballTxt::matchLines_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("team1");
    QTest::addColumn<QString>("team2");
    QTest::addColumn<QString>("score"); // "ft ht et pen", -1 for none
    QTest::addColumn<QString>("time");
    QTest::addColumn<QString>("venue");

    QTest::newRow("fields") << "  20.30  SV Werder Bremen         0-4 (0-1)  FC Bayern München"
                            << "SV Werder Bremen" << "FC Bayern München" << "0-4 0-1 - -" << "20:30" << "";
    QTest::newRow("no time, digits in names") << "         1. FC Heidenheim 1846    2-3 (1-0)  Hannover 96"
                                              << "1. FC Heidenheim 1846" << "Hannover 96" << "2-3 1-0 - -" << "" << "";
    QTest::newRow("versus played") << "    20.30  FC Bayern München       v RB Leipzig               6-0 (3-0)"
                                   << "FC Bayern München" << "RB Leipzig" << "6-0 3-0 - -" << "20:30" << "";
    QTest::newRow("versus unplayed") << "    15.30  TSG 1899 Hoffenheim     v VfB Stuttgart"
                                     << "TSG 1899 Hoffenheim" << "VfB Stuttgart" << "- - - -" << "15:30" << "";
    QTest::newRow("single blanks") << "Uruguay 1-3 Costa Rica" << "Uruguay" << "Costa Rica" << "1-3 - - -" << "" << "";
    QTest::newRow("score tight to the second team") << "   13:00    Wales  0-2 (0-0) Iran    @  Ahmad bin Ali Stadium, Al Rayyan"
                                                    << "Wales" << "Iran" << "0-2 0-0 - -" << "13:00"
                                                    << "Ahmad bin Ali Stadium, Al Rayyan";
    QTest::newRow("time zone") << "  17:00 UTC-3  Argentina  2-0  Mexico" << "Argentina" << "Mexico"
                               << "2-0 - - -" << "17:00" << "";
    QTest::newRow("extra time") << "28 June   France    1-0 a.e.t. (0-0)    Paraguay   @ Stade Félix Bollaert, Lens"
                                << "France" << "Paraguay" << "0-0 - 1-0 -" << "" << "Stade Félix Bollaert, Lens";
    QTest::newRow("penalties") << "30 June   Argentina   2-2 a.e.t. (2-2), 4-3 pen.   England  @ Stade Geoffroy-Guichard, Saint-Étienne"
                               << "Argentina" << "England" << "2-2 - 2-2 4-3" << ""
                               << "Stade Geoffroy-Guichard, Saint-Étienne";
    QTest::newRow("full and half time in brackets")
        << "   18:00     Japan             1-1 a.e.t (1-1, 1-0), 1-3 pen.  Croatia  @ Al Janoub Stadium, Al Wakrah"
        << "Japan" << "Croatia" << "1-1 1-0 1-1 1-3" << "18:00" << "Al Janoub Stadium, Al Wakrah";
    QTest::newRow("shoot-out straight after full time") << "Italy  1-1, 5-4 pen.  Spain" << "Italy" << "Spain"
                                                        << "1-1 - - 5-4" << "" << "";
    QTest::newRow("date glued to the first team") << "11 July Netherlands    1-2    Croatia" << "Netherlands" << "Croatia"
                                                  << "1-2 - - -" << "" << "";
    QTest::newRow("venue without blank") << "Brazil  2-1  Scotland @Stade de France" << "Brazil" << "Scotland"
                                         << "2-1 - - -" << "" << "Stade de France";
    // Spaces of another kind read as blanks, so that look-alike names are one team.
    QTest::newRow("no-break spaces in names") << QString::fromUtf8("  Alpha\u00a0 Town  1-0  \u00a0Beta\u00a0\u00a0Town")
                                              << "Alpha Town" << "Beta Town" << "1-0 - - -" << "" << "";
    QTest::newRow("ampersand and dots") << "         Brighton & Hove Albion FC  4-1 (1-0)  Bor. Mönchengladbach"
                                        << "Brighton & Hove Albion FC" << "Bor. Mönchengladbach" << "4-1 1-0 - -" << "" << "";
}

void TestFootballTxt::matchLines()
{
    QFETCH(QString, line);
    QFETCH(QString, team1);
    QFETCH(QString, team2);
    QFETCH(QString, score);
    QFETCH(QString, time);
    QFETCH(QString, venue);
    QString error;
    const Match m = onlyMatch(line, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QCOMPARE(m.team1, team1);
    QCOMPARE(m.team2, team2);
    auto text = [](const Score &s) { return s.isSet() ? QStringLiteral("%1-%2").arg(s.a).arg(s.b) : QStringLiteral("-"); };
    QCOMPARE(QStringList({text(m.ft), text(m.ht), text(m.et), text(m.pen)}).join(' '), score);
    QCOMPARE(m.time.isValid() ? m.time.toString("HH:mm") : QString(), time);
    QCOMPARE(m.venue, venue);
    QCOMPARE(m.line, 5);
}

void TestFootballTxt::headings()
{
    const QString text = QStringLiteral(
        "= Testliga 2023/24\n"
        "Matchday 1\n"
        "[Fri Aug/18]\n"
        "  A  1-0  B\n"
        "» Matchday 2\n"
        "  Sat Aug/26\n"
        "  C v D  2-2\n"
        "▪ Spieltag 3\n"
        "  E v F\n"
        "» 1. Round\n"
        "Semifinals\n"
        "Matchday 2\n"
        "[Sat Sep/2]\n"
        "  G  0-1  H\n"
        "\n"
        "== Finals\n"
        "▪ Final\n"
        "[Sat May/25]\n"
        "  A  3-1  C\n");
    const ReadResult r = readText(text);
    QVERIFY2(r.ok, qPrintable(lineMessage(r.error)));
    QCOMPARE(r.document.stages.size(), 2);
    const Stage &league = r.document.stages[0];
    QStringList headings;
    QList<int> numbers, lines, counts;
    for (const Round &round : league.rounds) {
        headings << round.heading;
        numbers << round.number;
        lines << round.line;
        counts << int(round.matches.size());
    }
    QCOMPARE(headings, QStringList({"Matchday 1", "Matchday 2", "Spieltag 3", "1. Round", "Semifinals", "Matchday 2"}));
    QCOMPARE(numbers, QList<int>({1, 2, 3, 1, 0, 2}));
    QCOMPARE(lines, QList<int>({2, 5, 8, 10, 11, 12}));
    QCOMPARE(counts, QList<int>({1, 1, 1, 0, 0, 1}));
    // The date does not carry over a heading: E v F has none.
    QVERIFY(!league.rounds[2].matches[0].date.isValid());
    const Stage &finals = r.document.stages[1];
    QCOMPARE(finals.name, QStringLiteral("Finals"));
    QCOMPARE(finals.line, 16);
    QCOMPARE(finals.rounds.size(), 1);
    QCOMPARE(finals.rounds[0].heading, QStringLiteral("Final"));
    QCOMPARE(finals.rounds[0].matches[0].date, QDate(2024, 5, 25));
}

void TestFootballTxt::dates_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QList<QDate>>("dates");

    QTest::newRow("bracketed, season crosses the new year")
        << "Deutsche Bundesliga 2023/24" << QStringList({"[Fri Aug/18]", "[Sat Dec/30]", "[Sat Jan/13]", "[Sat May/18]"})
        << QList<QDate>({{2023, 8, 18}, {2023, 12, 30}, {2024, 1, 13}, {2024, 5, 18}});
    QTest::newRow("year given, then carried")
        << "Deutsche Bundesliga 2025/26" << QStringList({"Fri Aug/22 2025", "Sat Aug/23", "Fri Jan/9 2026", "Sat Jan/10"})
        << QList<QDate>({{2025, 8, 22}, {2025, 8, 23}, {2026, 1, 9}, {2026, 1, 10}});
    QTest::newRow("month before day, title year")
        << "World Cup 2022" << QStringList({"Sun Nov 20", "Thu Dec 1 "}) << QList<QDate>({{2022, 11, 20}, {2022, 12, 1}});
    QTest::newRow("day before month") << "World Cup 1998" << QStringList({"10 June", "12 July"})
                                      << QList<QDate>({{1998, 6, 10}, {1998, 7, 12}});
    QTest::newRow("tournament over the new year")
        << "Winter Cup 2022" << QStringList({"Fri Dec 30", "Mon Jan 2"}) << QList<QDate>({{2022, 12, 30}, {2023, 1, 2}});
    QTest::newRow("full names and ISO") << "Cup" << QStringList({"Saturday June 14 2014", "2014-06-15", "June 16"})
                                        << QList<QDate>({{2014, 6, 14}, {2014, 6, 15}, {2014, 6, 16}});
}

void TestFootballTxt::dates()
{
    QFETCH(QString, title);
    QFETCH(QStringList, lines);
    QFETCH(QList<QDate>, dates);
    QString text = QStringLiteral("= ") + title + QStringLiteral("\nMatchday 1\n");
    for (int i = 0; i < lines.size(); ++i)
        text += lines[i] + QStringLiteral("\n  Team %1  1-0  Team %2\n").arg(2 * i + 1).arg(2 * i + 2);
    const ReadResult r = readText(text);
    QVERIFY2(r.ok, qPrintable(lineMessage(r.error)));
    QList<QDate> got;
    for (const Match &m : r.document.stages[0].rounds[0].matches)
        got << m.date;
    QCOMPARE(got, dates);
    QVERIFY(r.document.warnings.isEmpty());
}

void TestFootballTxt::seasonWithPostponedMatch()
{
    // A postponed match of matchday 16 played in late January, and matchday 20
    // after it: a season's title puts every month into its year, whatever
    // order the dates come in.
    const QString text = QStringLiteral("= Liga 2025/26\n"
                                        "» Matchday 20\n  Sat Jan/31\n  A  1-0  B\n"
                                        "» Matchday 16\n  Tue Dec/16\n  C  1-0  D\n"
                                        "» Matchday 21\n  Sat Feb/7\n  E  1-0  F\n");
    const ReadResult r = readText(text);
    QVERIFY(r.ok);
    QCOMPARE(r.document.stages[0].rounds[0].matches[0].date, QDate(2026, 1, 31));
    QCOMPARE(r.document.stages[0].rounds[1].matches[0].date, QDate(2025, 12, 16));
    QCOMPARE(r.document.stages[0].rounds[2].matches[0].date, QDate(2026, 2, 7));

    // Without a year anywhere, dates are read but reported.
    const ReadResult noYear = readText(QStringLiteral("Matchday 1\n[Sat Aug/17]\n  A  1-0  B\n"));
    QVERIFY(noYear.ok);
    QVERIFY(!noYear.document.stages[0].rounds[0].matches[0].date.isValid());
    QCOMPARE(noYear.document.warnings.size(), 1);
    QCOMPARE(noYear.document.warnings[0].problem, Problem::DateWithoutYear);
    QCOMPARE(noYear.document.warnings[0].line, 2);

    // Such a date starts no new day: the time of the line before carries
    // on, as it does when the text is written and read again.
    const ReadResult carried = readText(QStringLiteral("Matchday 1\n[Sat Aug/17]\n  20.30  A  1-0  B\n"
                                                       "Sun Aug/18\n  C  1-0  D\n"));
    QVERIFY(carried.ok);
    QCOMPARE(carried.document.stages[0].rounds[0].matches[1].time, QTime(20, 30));
    QCOMPARE(unwritable(carried.document), QString());
    const ReadResult back = read(write(carried.document));
    QVERIFY(back.ok && sameContent(back.document, carried.document));
}

void TestFootballTxt::goalForms_data()
{
    QTest::addColumn<QString>("match");
    QTest::addColumn<QStringList>("goals");
    QTest::addColumn<QStringList>("expected"); // "side player minutes", minutes as 90+9p / 11og

    QTest::newRow("home; away") << "Qatar  1-3 (0-1)  Senegal"
                                << QStringList{"(Mohammed Muntari 78'; Boulaye Dia 41' Famara Diédhiou 48' Bamba Dieng 84')"}
                                << QStringList{"1 Mohammed Muntari 78", "2 Boulaye Dia 41", "2 Famara Diédhiou 48",
                                               "2 Bamba Dieng 84"};
    QTest::newRow("one side left out with its ;") << "Senegal  0-2 (0-0)  Netherlands"
                                                  << QStringList{"(Cody Gakpo 84' Davy Klaassen 90+9')"}
                                                  << QStringList{"2 Cody Gakpo 84", "2 Davy Klaassen 90+9"};
    QTest::newRow("dash for no scorer") << "Tunisia  0-1  Australia" << QStringList{"(-; Mitchell Duke 23')"}
                                        << QStringList{"2 Mitchell Duke 23"};
    QTest::newRow("several minutes, with and without commas")
        << "France  2-1  Denmark" << QStringList{"(Kylian Mbappé 61' 86'; Andreas Christensen 68')"}
        << QStringList{"1 Kylian Mbappé 61,86", "2 Andreas Christensen 68"};
    QTest::newRow("penalty marks") << "England  6-2  Iran"
                                   << QStringList{"(Bukayo Saka 43', 62' A 1' B 2'(pen.) C 3' D 4';"
                                                  " Mehdi Taremi 65', 90+13' (pen.))"}
                                   << QStringList{"1 Bukayo Saka 43,62", "1 A 1", "1 B 2p", "1 C 3", "1 D 4",
                                                  "2 Mehdi Taremi 65,90+13p"};
    QTest::newRow("marks glued and short") << "Chile  2-1  Peru" << QStringList{"(Vidal 71'pen  Sanchez 11' og; Guerrero 5')"}
                                           << QStringList{"1 Vidal 71p", "1 Sanchez 11og", "2 Guerrero 5"};
    QTest::newRow("own goal on the side it counted for")
        << "Canada    1-2 (1-2)  Morocco" << QStringList{"(Nayef Aguerd 40'(o.g.); Hakim Zyiech 4'  Youssef En-Nesyri 23')"}
        << QStringList{"1 Nayef Aguerd 40og", "2 Hakim Zyiech 4", "2 Youssef En-Nesyri 23"};
    QTest::newRow("over two lines") << "Costa Rica   2-4 (0-1)  Germany"
                                    << QStringList{"(Yeltsin Tejeda 58'  Juan Vargas 70'; ",
                                                   "   Serge Gnabry 10'  Kai Lukas Havertz 73', 85'  Niclas Füllkrug 89')"}
                                    << QStringList{"1 Yeltsin Tejeda 58", "1 Juan Vargas 70", "2 Serge Gnabry 10",
                                                   "2 Kai Lukas Havertz 73,85", "2 Niclas Füllkrug 89"};
    QTest::newRow("brackets across two scorers") << "England  2-0  Iran" << QStringList{"(Kane (c 10'  Saka) 20')"}
                                                 << QStringList{"1 Kane (c 10", "1 Saka) 20"};
    QTest::newRow("a name like a mark, first on its side") << "Wales  1-0  Iran" << QStringList{"(Pen Dale 12')"}
                                                          << QStringList{"1 Pen Dale 12"};
    QTest::newRow("a name like a mark after a minute") << "Wales  2-0  Iran" << QStringList{"(Bale 11' - og Kane 20')"}
                                                      << QStringList{"1 Bale 11", "1 og Kane 20"};
    // More than a line holds: written back it is broken over lines again.
    {
        QStringList lines, expected;
        QString line;
        for (int i = 1; i <= 200; ++i) {
            line += QStringLiteral("Spieler Nummer%1 %2'  ").arg(i).arg(i % 90 + 1);
            expected << QStringLiteral("1 Spieler Nummer%1 %2").arg(i).arg(i % 90 + 1);
            if (i % 50 == 0) {
                lines << line.trimmed();
                line.clear();
            }
        }
        lines.first().prepend('(');
        lines.last().append(')');
        QTest::newRow("a list longer than a line") << "Bayern  200-0  Bremen" << lines << expected;
    }
    QTest::newRow("blank lines before the list") << "Iran  0-1 (0-1)  USA" << QStringList{"", "      (Pulisic 38')"}
                                                 << QStringList{"2 Pulisic 38"};
}

void TestFootballTxt::goalForms()
{
    QFETCH(QString, match);
    QFETCH(QStringList, goals);
    QFETCH(QStringList, expected);
    const ReadResult r = readText(QStringLiteral("= Cup 2022\n\n▪ Group A\nSun Nov 20\n   ") + match + '\n'
                                  + goals.join('\n') + '\n');
    QVERIFY2(r.ok, qPrintable(lineMessage(r.error)));
    const Match &m = r.document.stages[0].rounds[0].matches[0];
    // The list's first line: the match stands on line 5.
    int listLine = 6;
    while (goals[listLine - 6].trimmed().isEmpty())
        ++listLine;
    QStringList got;
    for (const Goal &g : m.goals) {
        QStringList minutes;
        for (const GoalMinute &gm : g.minutes)
            minutes << QString::number(gm.minute) + (gm.offset ? QStringLiteral("+%1").arg(gm.offset) : QString())
                           + (gm.penalty ? "p" : "") + (gm.ownGoal ? "og" : "");
        got << QStringLiteral("%1 %2 %3").arg(int(g.side)).arg(g.player, minutes.join(','));
        QCOMPARE(g.line, listLine);
    }
    QCOMPARE(got, expected);
    QVERIFY(r.document.warnings.isEmpty());
    // Written and read again, the goals are the same.
    QCOMPARE(unwritable(r.document), QString());
    const ReadResult back = read(write(r.document));
    QVERIFY(back.ok);
    QVERIFY(sameContent(back.document, r.document));
}

void TestFootballTxt::goalsThatNoTeamCanBeGiven()
{
    // Both teams scored, and the list does not say whose goals are whose.
    const ReadResult both = readText(QStringLiteral("= Cup 2022\n▪ Group A\nSun Nov 20\n"
                                                    "  Spain  1-1  Germany\n    (Álvaro Morata 62'  Niclas Füllkrug 83')\n"));
    QVERIFY(both.ok);
    const Match &m = both.document.stages[0].rounds[0].matches[0];
    QCOMPARE(m.goals.size(), 2);
    for (const Goal &g : m.goals)
        QCOMPARE(g.side, Side::None);
    QCOMPARE(both.document.warnings.size(), 1);
    QCOMPARE(both.document.warnings[0].problem, Problem::GoalsNoSide);
    QCOMPARE(both.document.warnings[0].line, 5);

    // A minute with no name before it goes to no player, and a name without
    // a minute is kept as it stands; both are reported.
    const ReadResult partial = readText(QStringLiteral("= Cup 2022\n▪ Group A\nSun Nov 20\n"
                                                       "  Spain  2-0  Germany\n    (12'  Gavi)\n"));
    QVERIFY(partial.ok);
    const Match &p = partial.document.stages[0].rounds[0].matches[0];
    QCOMPARE(p.goals.size(), 2);
    QCOMPARE(p.goals[0].player, QString());
    QCOMPARE(p.goals[0].side, Side::Team1);
    QCOMPARE(p.goals[1].player, QStringLiteral("Gavi"));
    QVERIFY(p.goals[1].minutes.isEmpty());
    QCOMPARE(partial.document.warnings.size(), 2);
    QCOMPARE(partial.document.warnings[0].problem, Problem::GoalNoPlayer);
    QCOMPARE(partial.document.warnings[1].problem, Problem::ScorerNoMinute);
}

void TestFootballTxt::worldCupGoals()
{
    const ReadResult r = read(dataFile("worldcup-2022/cup.txt"));
    QVERIFY2(r.ok, qPrintable(lineMessage(r.error)));
    const Document &d = r.document;
    QCOMPARE(d.title, QStringLiteral("World Cup 2022"));
    QCOMPARE(d.stages[0].groups.size(), 8);
    QCOMPARE(d.stages[0].groups[1].teams, QStringList({"England", "Iran", "USA", "Wales"}));
    QCOMPARE(d.stages[0].roundDays.size(), 13);
    QCOMPARE(d.stages[0].roundDays[12].days, QStringLiteral("Fri Dec 2"));
    QCOMPARE(d.matchCount(), 48);

    // Checked by hand against the file.
    const Match *qe = findMatch(d, "Qatar", "Ecuador");
    QVERIFY(qe);
    QCOMPARE(qe->line, 32);
    QCOMPARE(qe->date, QDate(2022, 11, 20));
    QCOMPARE(qe->venue, QStringLiteral("Al Bayt Stadium, Al Khor"));
    QCOMPARE(qe->goals.size(), 1);
    QCOMPARE(qe->goals[0].player, QStringLiteral("Enner Valencia"));
    QCOMPARE(qe->goals[0].side, Side::Team2);
    QCOMPARE(qe->goals[0].minutes, QList<GoalMinute>({{16, 0, true, false}, {31, 0, false, false}}));

    const Match *nq = findMatch(d, "Netherlands", "Qatar");
    QVERIFY(nq);
    QCOMPARE(nq->goals.size(), 2);
    QCOMPARE(nq->goals[0].player, QStringLiteral("Cody Gakpo"));
    QCOMPARE(nq->goals[1].player, QStringLiteral("Frenkie de Jong"));
    QCOMPARE(nq->goals[1].minutes, QList<GoalMinute>({{49, 0, false, false}}));
    QCOMPARE(nq->goals[1].side, Side::Team1);

    const Match *ei = findMatch(d, "England", "Iran");
    QVERIFY(ei);
    const Goal *saka = scorer(*ei, "Bukayo Saka");
    QVERIFY(saka);
    QCOMPARE(saka->minutes, QList<GoalMinute>({{43, 0, false, false}, {62, 0, false, false}}));
    const Goal *taremi = scorer(*ei, "Mehdi Taremi");
    QVERIFY(taremi);
    QCOMPARE(taremi->side, Side::Team2);
    QCOMPARE(taremi->minutes, QList<GoalMinute>({{65, 0, false, false}, {90, 13, true, false}}));

    // Morocco's defender put the ball into his own net: Canada's goal.
    const Match *cm = findMatch(d, "Canada", "Morocco");
    QVERIFY(cm);
    const Goal *aguerd = scorer(*cm, "Nayef Aguerd");
    QVERIFY(aguerd);
    QCOMPARE(aguerd->side, Side::Team1);
    QCOMPARE(aguerd->minutes, QList<GoalMinute>({{40, 0, false, true}}));

    const Match *cc = findMatch(d, "Croatia", "Canada");
    QVERIFY(cc);
    QCOMPARE(minutesOf(*cc, Side::Team1), 4);
    const Goal *davies = scorer(*cc, "Alphonso Davies");
    QVERIFY(davies);
    QCOMPARE(davies->side, Side::Team2);
    QCOMPARE(davies->line, 136);
}

void TestFootballTxt::worldCupGoalsAddUpToScores()
{
    // Every goal of the 2022 tournament is listed once, on its side: the
    // minutes of each side add up to the score of its match line (after
    // extra time where it went on).
    int matches = 0;
    for (const char *file : {"worldcup-2022/cup.txt", "worldcup-2022/cup_finals.txt"}) {
        const ReadResult r = read(dataFile(file));
        QVERIFY2(r.ok, qPrintable(lineMessage(r.error)));
        QVERIFY(r.document.warnings.isEmpty());
        for (const Round &round : r.document.stages[0].rounds)
            for (const Match &m : round.matches) {
                const Score s = m.result();
                QVERIFY(s.isSet());
                QVERIFY2(minutesOf(m, Side::Team1) == s.a && minutesOf(m, Side::Team2) == s.b,
                         qPrintable(QStringLiteral("%1 - %2, line %3").arg(m.team1, m.team2).arg(m.line)));
                QCOMPARE(minutesOf(m, Side::None), 0);
                ++matches;
            }
    }
    QCOMPARE(matches, 64);
}

void TestFootballTxt::faults_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("line");
    QTest::addColumn<FootballTxt::Problem>("problem");

    const QString head = QStringLiteral("= Liga 2023/24\nMatchday 1\n[Fri Aug/18]\n");
    QTest::newRow("two teams without a score") << head + "  Bayern  Dortmund\n" << 4 << Problem::UnknownLine;
    QTest::newRow("time alone") << head + "  20.30\n" << 4 << Problem::UnknownLine;
    QTest::newRow("score cut off") << head + "  Bayern  2-1 (1-  Dortmund\n" << 4 << Problem::BadScore;
    QTest::newRow("two full-time scores") << head + "  Bayern  2-1 3-0  Dortmund\n" << 4 << Problem::BadScore;
    QTest::newRow("goals beyond 999") << head + "  Bayern  1000-1  Dortmund\n" << 4 << Problem::BadScore;
    QTest::newRow("text after a versus score") << head + "  Bayern v Dortmund  2-1 extra\n" << 4 << Problem::BadScore;
    QTest::newRow("second team missing") << head + "  Bayern  2-1\n" << 4 << Problem::MissingTeam;
    QTest::newRow("first team missing") << head + "  v Dortmund\n" << 4 << Problem::MissingTeam;
    QTest::newRow("name holding a versus") << head + "  A v B  2-1  C\n" << 4 << Problem::BadScore;
    QTest::newRow("no such day") << head + "[Fri Feb/30]\n" << 4 << Problem::BadDate;
    QTest::newRow("bracket without a date") << head + "[Friday]\n" << 4 << Problem::BadDate;
    QTest::newRow("no such time") << head + "  25.99  A  1-0  B\n" << 4 << Problem::BadTime;
    QTest::newRow("goals without a match") << head + "  (Müller 10')\n" << 4 << Problem::GoalsWithoutMatch;
    QTest::newRow("goals after a date line") << head + "  A  1-0  B\n[Sat Aug/19]\n  (Müller 10')\n" << 6
                                             << Problem::GoalsWithoutMatch;
    QTest::newRow("second goals list") << head + "  A  1-0  B\n  (Müller 10')\n  (Kane 20')\n" << 6 << Problem::GoalsTwice;
    QTest::newRow("goals list never closed") << head + "  A  1-0  B\n  (Müller 10'\n\n  C  2-0  D\n" << 5
                                             << Problem::GoalsUnclosed;
    QTest::newRow("goals list running into a heading") << head + "  A  1-0  B\n  (Müller 10'\n» Matchday 2\n  C 1-0 D)\n"
                                                       << 5 << Problem::GoalsUnclosed;
    QTest::newRow("text after the goals list") << head + "  A  1-0  B\n  (Müller 10') x\n" << 5 << Problem::UnknownLine;
    QTest::newRow("two semicolons") << head + "  A  1-0  B\n  (Müller 10'; -; Kane 3')\n" << 5 << Problem::GoalsSides;
    QTest::newRow("group with a bad name") << head + "Group A  |  Qatar  2-1 FC\n" << 4 << Problem::BadName;
    QTest::newRow("bar without a heading") << head + "  |  Qatar\n" << 4 << Problem::UnknownLine;
    QTest::newRow("marker alone") << head + "»\n" << 4 << Problem::UnknownLine;
    QTest::newRow("control character") << head + "  A \x01 1-0  B\n" << 4 << Problem::ControlCharacter;
    QTest::newRow("line too long") << head + QString(kMaxLineLength + 1, 'x') + '\n' << 4 << Problem::LineTooLong;
    QTest::newRow("lines ending in CR alone") << QStringLiteral("= Liga 2023/24\rMatchday 1\r") << 1 << Problem::CrLineEnds;
    QTest::newRow("a stray CR on line 2") << QStringLiteral("= Liga 2023/24\nMatchday\r 1\r\n") << 2 << Problem::CrLineEnds;
    // Years stay within four digits, also where a date takes the year of
    // the one before it or of the season.
    QTest::newRow("carried past 9999") << QStringLiteral("= Cup 9999\n[Dec/31]\n  A  1-0  B\n[Jan/1]\n") << 4
                                       << Problem::BadDate;
    QTest::newRow("season into 10000") << QStringLiteral("= Liga 9999/00\nMatchday 1\n[Jan/5]\n") << 3 << Problem::BadDate;
    QTest::newRow("carried back before 1000") << QStringLiteral("= Cup 1000\n[Jan/5]\n  A  1-0  B\n[Dec/20]\n") << 4
                                              << Problem::BadDate;
    // A name that would read as part of the score once written after it.
    QTest::newRow("name opening with pen and a bracket") << head + "  A v Pen(zberg)  1-0\n" << 4 << Problem::BadName;
    QTest::newRow("name opening with aet and a bracket") << head + "  A v aet(1)  2-1\n" << 4 << Problem::BadName;
    QTest::newRow("bracket after a score that is no note") << head + "  A  1-0 [awarded  B\n" << 4 << Problem::BadScore;
    QTest::newRow("empty note") << head + "  A  1-0 []  B\n" << 4 << Problem::BadScore;
    QTest::newRow("two blanks inside a name") << head + "  A  1-0  B  C\n" << 4 << Problem::BadName;
    QTest::newRow("name of a no-break space") << head + QString::fromUtf8("  A  1-0  \u00a0\n") << 4
                                              << Problem::MissingTeam;
}

void TestFootballTxt::faults()
{
    QFETCH(QString, text);
    QFETCH(int, line);
    QFETCH(FootballTxt::Problem, problem);
    const ReadResult r = readText(text);
    QVERIFY(!r.ok);
    QCOMPARE(r.error.line, line);
    QCOMPARE(int(r.error.problem), int(problem));
    QVERIFY(lineMessage(r.error).startsWith(QStringLiteral("line %1: ").arg(line)));
}

void TestFootballTxt::hostileBytesNeverCrash()
{
    // Not UTF-8, with the line of the first broken byte.
    const ReadResult latin1 = read(QByteArray("= Liga 2023/24\nMatchday 1\n  K\xf6ln  1-0  Bayern\n"));
    QVERIFY(!latin1.ok);
    QCOMPARE(latin1.error.problem, Problem::NotUtf8);
    QCOMPARE(latin1.error.line, 3);

    const ReadResult huge = read(QByteArray(int(kMaxBytes) + 1, ' '));
    QVERIFY(!huge.ok);
    QCOMPARE(huge.error.problem, Problem::TooLarge);

    // Byte soup built from the format's own pieces: each either reads or
    // names a line of the text, and what reads is written and read back equal.
    const QList<QByteArray> pieces = {"= T 2020/21\n", "== S\n", "Matchday 3\n", "» ", "▪ ", "[Sat Aug/1]\n", "10 June ",
                                      "  ", "20.30 ", "A", "B 96", " v ", " 2-1", " (1-0)", " a.e.t.", ", 4-3 pen.",
                                      " @ X", "\n", "(", ")", "'", "+", ";", " -", "12", "Group A | ", "|", "#", "\t",
                                      "\xc3\xa4", "\xff", "\r\n"};
    QRandomGenerator rng(1998);
    for (int round = 0; round < 3000; ++round) {
        QByteArray bytes;
        const int n = int(rng.bounded(1, 40));
        for (int i = 0; i < n; ++i)
            bytes += pieces[int(rng.bounded(int(pieces.size())))];
        const ReadResult r = read(bytes);
        if (!r.ok) {
            const int lines = int(bytes.count('\n')) + 1;
            QVERIFY2(r.error.line >= 1 && r.error.line <= lines, bytes.constData());
            continue;
        }
        QVERIFY2(unwritable(r.document).isEmpty(), qPrintable(unwritable(r.document)));
        const ReadResult back = read(write(r.document));
        QVERIFY2(back.ok && sameContent(back.document, r.document), bytes.constData());
    }
}

void TestFootballTxt::byteOrderMarks()
{
    // A byte order mark opens the file and is no part of its first line,
    // nor is a second one that an editor put before it.
    for (const QByteArray &bom : {QByteArray("\xEF\xBB\xBF"), QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF")}) {
        const ReadResult marked = read(bom + "= Liga 2024\nMatchday 1\n");
        QVERIFY(marked.ok);
        QCOMPARE(marked.document.title, QStringLiteral("Liga 2024"));
        const SquadResult squad = readSquad(bom + "= Brazil\n(1)  GK  Taffarel\n");
        QVERIFY(squad.ok);
        QCOMPARE(squad.title, QStringLiteral("Brazil"));
    }
    // U+FEFF anywhere else is text, also where the writer puts it at the
    // start of a line or of the file.
    for (const QByteArray &text : {QByteArray("= L\n\xE2\x96\xAA \xEF\xBB\xBFRunde\n"),
                                   QByteArray("\xE2\x96\xAA \xEF\xBB\xBFRunde\n")}) {
        const ReadResult r = read(text);
        QVERIFY(r.ok);
        QCOMPARE(r.document.stages[0].rounds[0].heading, QString(QChar(0xFEFF)) + QStringLiteral("Runde"));
        const ReadResult back = read(write(r.document));
        QVERIFY(back.ok);
        QVERIFY(sameContent(back.document, r.document));
    }
}

void TestFootballTxt::notesAfterScores_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("note");
    QTest::addColumn<QString>("written");
    QTest::newRow("awarded") << "  Hertha BSC  0-2 [awarded]  1. FC Union" << "awarded"
                             << "         Hertha BSC  0-2 [awarded]  1. FC Union";
    QTest::newRow("after a versus score") << "  Alpha v Beta  1-1 (0-1) [annulled]" << "annulled"
                                          << "         Alpha  1-1 (0-1) [annulled]  Beta";
    QTest::newRow("words") << "  Alpha  3-0 [match cancelled]  Beta" << "match cancelled"
                           << "         Alpha  3-0 [match cancelled]  Beta";
}

void TestFootballTxt::notesAfterScores()
{
    QFETCH(QString, line);
    QFETCH(QString, note);
    QFETCH(QString, written);
    QString error;
    const Match m = onlyMatch(line, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QCOMPARE(m.note, note);
    QVERIFY(m.ft.isSet());
    Document doc;
    doc.title = QStringLiteral("Liga 2024/25");
    doc.stages.append(Stage{});
    Round r;
    r.heading = QStringLiteral("Matchday 1");
    r.number = 1;
    r.matches.append(m);
    doc.stages[0].rounds.append(r);
    QCOMPARE(unwritable(doc), QString());
    const QByteArray text = write(doc);
    QVERIFY2(text.contains(written.toUtf8() + '\n'), text.constData());
    const ReadResult back = read(text);
    QVERIFY(back.ok);
    QVERIFY(sameContent(back.document, doc));
}

void TestFootballTxt::titlesOpeningWithEquals()
{
    // Only the first run of "=" makes the line a title or a stage.
    const ReadResult r = read(QByteArray("= = Cup 2022\n== = Finale\n"));
    QVERIFY(r.ok);
    QCOMPARE(r.document.title, QStringLiteral("= Cup 2022"));
    QCOMPARE(r.document.stages[1].name, QStringLiteral("= Finale"));
    QCOMPARE(unwritable(r.document), QString());
    const ReadResult back = read(write(r.document));
    QVERIFY(back.ok);
    QVERIFY(sameContent(back.document, r.document));
}

void TestFootballTxt::realFilesReadBackEqual_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("matches");
    QTest::newRow("Bundesliga 2023/24") << "league/de-2023-24-bundesliga.txt" << 306;
    QTest::newRow("3. Liga 2023/24") << "league/de-2023-24-3-liga.txt" << 380;
    QTest::newRow("Bundesliga 2025/26") << "league/de-2025-26-bundesliga.txt" << 306;
    QTest::newRow("Premier League 2023/24") << "league/en-2023-24-premierleague.txt" << 380;
    QTest::newRow("World Cup 1998") << "worldcup-1998/cup.txt" << 48;
    QTest::newRow("World Cup 1998 finals") << "worldcup-1998/cup_finals.txt" << 16;
    QTest::newRow("World Cup 2022") << "worldcup-2022/cup.txt" << 48;
    QTest::newRow("World Cup 2022 finals") << "worldcup-2022/cup_finals.txt" << 16;
}

void TestFootballTxt::realFilesReadBackEqual()
{
    QFETCH(QString, file);
    QFETCH(int, matches);
    const QByteArray bytes = dataFile(file);
    const ReadResult r = read(bytes);
    QVERIFY2(r.ok, qPrintable(lineMessage(r.error)));
    // The file's own count of match lines: a score or a "v" between names.
    static const QRegularExpression matchLine(QStringLiteral("\\S\\s+(\\d+-\\d+|v)\\s"));
    int counted = 0;
    for (const QByteArray &l : bytes.split('\n'))
        if (!l.trimmed().startsWith('(') && !l.contains('|') && matchLine.match(QString::fromUtf8(l).section('#', 0, 0) + ' ').hasMatch())
            ++counted;
    QCOMPARE(counted, matches);
    QCOMPARE(r.document.matchCount(), matches);
    const QByteArray written = write(r.document);
    const ReadResult back = read(written);
    QVERIFY2(back.ok, qPrintable(lineMessage(back.error)));
    QVERIFY(sameContent(back.document, r.document));
    // The writer's own text is its fixed point.
    QCOMPARE(write(back.document), written);
}

void TestFootballTxt::writerGivesFirstForms()
{
    const ReadResult r = readText(QStringLiteral("= Deutsche Bundesliga 2025/26\n\n"
                                                 "» Matchday 1\n  Fri Aug/22 2025\n"
                                                 "    20.30  FC Bayern München       v RB Leipzig               6-0 (3-0)\n"
                                                 "» Matchday 34\n  Sat May/16\n"
                                                 "    15.30  SV Werder Bremen        v Borussia Dortmund\n"
                                                 "           1. FC Heidenheim 1846   v 1. FSV Mainz 05\n"));
    QVERIFY(r.ok);
    QCOMPARE(QString::fromUtf8(write(r.document)),
             QStringLiteral("= Deutsche Bundesliga 2025/26\n\n\n"
                            "Matchday 1\n"
                            "[Fri Aug/22]\n"
                            "  20.30  FC Bayern München  6-0 (3-0)  RB Leipzig\n\n\n"
                            "Matchday 34\n"
                            "[Sat May/16]\n"
                            "  15.30  SV Werder Bremen v Borussia Dortmund\n"
                            "         1. FC Heidenheim 1846 v 1. FSV Mainz 05\n"));
    // The second match kept the time of the line above it.
    QCOMPARE(r.document.stages[0].rounds[1].matches[1].time, QTime(15, 30));

    // A match of the same day without a time after one with a time: the
    // day is given again, so that the time does not carry over to it.
    const ReadResult sameDay = readText(QStringLiteral("= Cup 1998\n10 June  20.30  A  1-0  B\n10 June  C  0-0  D\n"));
    QVERIFY(sameDay.ok);
    QVERIFY(!sameDay.document.stages[0].rounds[0].matches[1].time.isValid());
    QCOMPARE(unwritable(sameDay.document), QString());
    const ReadResult back = read(write(sameDay.document));
    QVERIFY(back.ok && sameContent(back.document, sameDay.document));
}

void TestFootballTxt::squads()
{
    const QDir dir(dataPath("worldcup-1998/squads"));
    const QStringList files = dir.entryList({"*.txt"}, QDir::Files, QDir::Name);
    QCOMPARE(files.size(), 32);
    static const QRegularExpression count(QStringLiteral("^#\\s+-\\s+(\\d+) players"), QRegularExpression::MultilineOption);
    for (const QString &f : files) {
        const QByteArray bytes = dataFile("worldcup-1998/squads/" + f);
        const SquadResult r = readSquad(bytes);
        QVERIFY2(r.ok, qPrintable(f + ": " + lineMessage(r.error)));
        // Each file says in its header comment how many players it lists.
        const QRegularExpressionMatch m = count.match(QString::fromUtf8(bytes));
        QVERIFY2(m.hasMatch(), qPrintable(f));
        QCOMPARE(r.players.size(), m.captured(1).toInt());
        for (const Player &p : r.players) {
            QVERIFY(p.number >= 1 && p.number <= 23);
            QVERIFY2(QStringList({"GK", "DF", "MF", "FW"}).contains(p.position), qPrintable(f + ": " + p.position));
        }
        const SquadResult back = readSquad(writeSquad(r.title, r.players));
        QVERIFY(back.ok);
        QCOMPARE(back.players, r.players);
    }
    const SquadResult brazil = readSquad(dataFile("worldcup-1998/squads/br-brazil.txt"));
    const auto ronaldo = std::find_if(brazil.players.begin(), brazil.players.end(),
                                      [](const Player &p) { return p.name == QStringLiteral("Ronaldo"); });
    QVERIFY(ronaldo != brazil.players.end());
    QCOMPARE(ronaldo->number, 9);
    QCOMPARE(ronaldo->position, QStringLiteral("FW"));
    QCOMPARE(ronaldo->line, 27);
    const SquadResult germany = readSquad(dataFile("worldcup-1998/squads/de-deutschland.txt"));
    QCOMPARE(germany.players.first(), (Player{1, "GK", "Andreas Köpke", 0}));
    QCOMPARE(germany.players.first().line, 5);
}

void TestFootballTxt::squadFaults()
{
    const SquadResult club = readSquad(QByteArray("(1)  GK  Taffarel\n(2)  DF  Cafu  Roma\n"));
    QVERIFY(!club.ok);
    QCOMPARE(club.error.line, 2);
    QCOMPARE(club.error.problem, Problem::BadPlayer);
    const SquadResult number = readSquad(QByteArray("\n(x)  GK  Taffarel\n"));
    QVERIFY(!number.ok);
    QCOMPARE(number.error.line, 2);
    // A name of capitals after a single blank is a name, not a position.
    const SquadResult dj = readSquad(QByteArray("(7)  DJ Campbell\n"));
    QVERIFY(dj.ok);
    QCOMPARE(dj.players[0].position, QString());
    QCOMPARE(dj.players[0].name, QStringLiteral("DJ Campbell"));
    // One of the four positions is the position also after single blanks.
    const SquadResult single = readSquad(QByteArray("(1) GK Taffarel\n(9) FW Ronaldo Luis\nMF Dunga\n"));
    QVERIFY(single.ok);
    QCOMPARE(single.players, (QList<Player>{{1, "GK", "Taffarel", 0}, {9, "FW", "Ronaldo Luis", 0}, {0, "MF", "Dunga", 0}}));
}

QTEST_GUILESS_MAIN(TestFootballTxt)
#include "tst_footballtxt.moc"
