#include <QtTest>

#include "dates_helper.h"
#include "files_helper.h"

#include "common/FootballTxt.h"
#include "league/export/CalendarExport.h"
#include "league/export/Exporters.h"
#include "league/model/IniFile.h"
#include "league/model/League.h"
#include "league/model/LeagueFile.h"
#include "league/model/LeagueOpenData.h"
#include "league/standings/RowBands.h"
#include "league/standings/Standings.h"

#include <QTemporaryDir>
#include <QTimeZone>

using LeagueOpenData::Format;

namespace {

const QDateTime kStamp(QDate(2026, 1, 2), QTime(3, 4, 5), Qt::UTC);
const char *const kPremierLeague = "league/en-2023-24-premierleague.txt";

QByteArray dataFile(const QString &name)
{
    QFile f(QStringLiteral(TEST_SOURCE_DIR "/tests/data/open-football/") + name);
    if (!f.open(QIODevice::ReadOnly))
        qFatal("missing test file %s", qPrintable(name));
    return f.readAll();
}

// One calendar event as its unfolded properties.
using Event = QHash<QByteArray, QByteArray>;

QList<Event> eventsOf(const QByteArray &ics)
{
    QByteArray joined = ics;
    joined.replace("\r\n ", "");
    QList<Event> events;
    Event current;
    for (QByteArray line : joined.split('\n')) {
        if (line.endsWith('\r'))
            line.chop(1);
        if (line == "BEGIN:VEVENT")
            current.clear();
        else if (line == "END:VEVENT")
            events << current;
        const qsizetype colon = line.indexOf(':');
        if (colon > 0)
            current.insert(line.left(colon), line.mid(colon + 1));
    }
    return events;
}

// The (day, kick-off) of every match, row by row.
QList<QPair<QDate, QTime>> matchTimes(const League &l)
{
    QList<QPair<QDate, QTime>> out;
    for (int j = 1; j <= l.roundCount; ++j)
        for (int k = 1; k <= l.rowCount(); ++k)
            out.append({l.match(j, k).date, l.match(j, k).time});
    return out;
}

League throughLeagueFile(const League &l, const QString &path)
{
    League saved = l;
    saved.leagueFileName = path;
    SaveDatei(saved);
    League back;
    back.leagueFileName = path;
    OpenDatei(back);
    return back;
}

// Points of the league table by team name.
QHash<QString, int> pointsOf(const League &l)
{
    Standings s;
    TabBer(l, s);
    QHash<QString, int> points;
    for (int r = 1; r <= l.teamCount; ++r)
        points.insert(s.tableTotal[r].name, s.tableTotal[r].points);
    return points;
}

} // namespace

// A date and kick-off of each match: the league file, the match files, the
// calendar, the matchday documents and the tables as of a day.
class TestMatchDates : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void survivesTextLeagueFileJsonLeagueFile();
    void leagueFileKeysOnlyWhenSet();
    void calendarPutsEachMatchOnItsDay();
    void calendarZones_data();
    void calendarZones();
    void matchdayDocumentsMarkPostponed();
    void tablesAsOfADay();
    void commandLineDate();

private:
    QTemporaryDir m_dir;
};

void TestMatchDates::survivesTextLeagueFileJsonLeagueFile()
{
    QVERIFY(m_dir.isValid());
    const League imported = LeagueOpenData::importBytes(dataFile(kPremierLeague), Format::Txt, "pl").league;
    const League first = throughLeagueFile(imported, m_dir.filePath("pl1.T98"));
    const QByteArray json = LeagueOpenData::exportBytes(first, LeagueOpenData::exportTitle(first), Format::Json, nullptr);
    const League second = throughLeagueFile(LeagueOpenData::importBytes(json, Format::Json, "pl.json").league,
                                            m_dir.filePath("pl2.T98"));
    QVERIFY(first.sameContents(imported));
    QVERIFY(second.sameContents(imported));
    QCOMPARE(readAll(m_dir.filePath("pl2.T98")), readAll(m_dir.filePath("pl1.T98")));
    QCOMPARE(matchTimes(second), matchTimes(imported));

    // Everton – Liverpool, matchday 29, played on Wednesday 24 April at
    // 20:00 after the matchday's weekend of 16 and 17 March.
    const QByteArray file = readAll(m_dir.filePath("pl2.T98"));
    QVERIFY(file.contains("[Round29]\r\nD1=16.03.2024\r\nD2=17.03.2024\r\n"));
    int found = 0;
    for (int k = 1; k <= second.rowCount(); ++k) {
        const Match &m = second.match(29, k);
        if (second.teamNames[m.teamA] == "Everton FC" && second.teamNames[m.teamB] == "Liverpool FC") {
            ++found;
            QCOMPARE(m.date, QDate(2024, 4, 24));
            QCOMPARE(m.time, QTime(20, 0));
            QVERIFY(second.isPostponed(29, k));
            QVERIFY(file.contains(QStringLiteral("DA%1=24.04.2024\r\nAZ%1=20:00\r\n").arg(k).toLatin1()));
        }
    }
    QCOMPARE(found, 1);
    // Through the text form again: the same matches on the same days.
    const QByteArray txt = LeagueOpenData::exportBytes(second, LeagueOpenData::exportTitle(second), Format::Txt, nullptr);
    QVERIFY(LeagueOpenData::importBytes(txt, Format::Txt, "pl.txt").league.sameContents(imported));
}

void TestMatchDates::leagueFileKeysOnlyWhenSet()
{
    League l;
    l.teamNames[1] = "A";
    l.teamNames[2] = "B";
    l.match(1, 1) = Match{1, 2, 1, 0};
    l.match(1, 1).date = QDate(2026, 8, 21);
    l.match(1, 1).time = QTime(18, 30);
    l.match(1, 1).timeZone = "UTC+2";
    l.match(2, 3) = Match{2, 1};
    l.match(2, 3).date = QDate(2026, 8, 29);
    IniFile ini;
    LeagueFile::write(l, ini);
    QCOMPARE(ini.readString("Round1", "DA1", "-"), QStringLiteral("21.08.2026"));
    QCOMPARE(ini.readString("Round1", "AZ1", "-"), QStringLiteral("18:30 UTC+2"));
    QCOMPARE(ini.readString("Round2", "DA3", "-"), QStringLiteral("29.08.2026"));
    QCOMPARE(ini.readString("Round2", "AZ3", "-"), QStringLiteral("-"));
    QCOMPARE(ini.readString("Round1", "DA2", "-"), QStringLiteral("-"));
    League back;
    LeagueFile::read(ini, back);
    QVERIFY(back.sameContents(l));

    // Taken away again, the keys go with them.
    l.match(1, 1).date = QDate();
    l.match(1, 1).time = QTime();
    l.match(1, 1).timeZone.clear();
    LeagueFile::write(l, ini);
    QCOMPARE(ini.readString("Round1", "DA1", "-"), QStringLiteral("-"));
    QCOMPARE(ini.readString("Round1", "AZ1", "-"), QStringLiteral("-"));

    // Hand-edited values that are no day or time read as none; one-digit
    // days and hours as written by hand are taken.
    const struct {
        const char *date, *kickOff;
        QDate day;
        QTime time;
        const char *zone;
    } cases[] = {{"31.02.2026", "25:00", {}, {}, ""},
                 {"1.9.2026", "9:05", QDate(2026, 9, 1), QTime(9, 5), ""},
                 {"01.09.2026", "20:00 MEZ", QDate(2026, 9, 1), {}, ""},
                 {"01.09.2026", "20:00 UTC-3", QDate(2026, 9, 1), QTime(20, 0), "UTC-3"}};
    for (const auto &c : cases) {
        ini.writeString("Round2", "DA3", c.date);
        ini.writeString("Round2", "AZ3", c.kickOff);
        League read;
        LeagueFile::read(ini, read);
        QCOMPARE(read.match(2, 3).date, c.day);
        QCOMPARE(read.match(2, 3).time, c.time);
        QCOMPARE(read.match(2, 3).timeZone, QString::fromLatin1(c.zone));
    }
}

void TestMatchDates::calendarPutsEachMatchOnItsDay()
{
    const QByteArray text = dataFile(kPremierLeague);
    const League pl = LeagueOpenData::importBytes(text, Format::Txt, "pl").league;
    const QTimeZone london("Europe/London");
    QVERIFY(london.isValid());
    const QList<Event> events = eventsOf(Exp_ics(pl, "Premier League 2023-24", kStamp, london).bytes);
    QCOMPARE(events.size(), 380);

    // Every match of the file, by its summary: its day and kick-off in
    // English time, written in UTC.
    QHash<QByteArray, QByteArray> startOf;
    for (const Event &e : events) {
        QVERIFY(!startOf.contains(e.value("SUMMARY")));
        startOf.insert(e.value("SUMMARY"), e.value("DTSTART"));
    }
    const FootballTxt::ReadResult doc = FootballTxt::read(text);
    QVERIFY(doc.ok);
    int checked = 0;
    for (const FootballTxt::Round &r : doc.document.stages.first().rounds)
        for (const FootballTxt::Match &m : r.matches) {
            const QByteArray summary = QStringLiteral("%1 - %2 %3:%4")
                                           .arg(m.team1, m.team2)
                                           .arg(m.ft.a)
                                           .arg(m.ft.b)
                                           .toUtf8();
            const QDateTime kickOff(m.date, m.time, london);
            QCOMPARE(startOf.value(summary), kickOff.toUTC().toString("yyyyMMdd'T'HHmmss'Z'").toLatin1());
            ++checked;
        }
    QCOMPARE(checked, 380);

    // Written out by hand: 20:00 British Summer Time is 19:00 UTC.
    for (const Event &e : events)
        if (e.value("SUMMARY") == "Everton FC - Liverpool FC 2:0") {
            QCOMPARE(e.value("DTSTART"), QByteArray("20240424T190000Z"));
            QCOMPARE(e.value("DTEND"), QByteArray("20240424T210000Z"));
            QCOMPARE(e.value("DESCRIPTION"), QByteArray("29. Spieltag\\, Nachholspiel"));
        } else if (e.value("SUMMARY") == "Burnley FC - Manchester City FC 0:3") {
            QCOMPARE(e.value("DTSTART"), QByteArray("20230811T190000Z"));
            QCOMPARE(e.value("DESCRIPTION"), QByteArray("1. Spieltag"));
        }
}

void TestMatchDates::calendarZones_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QTime>("time");
    QTest::addColumn<QString>("zone");
    QTest::addColumn<QByteArray>("start");
    QTest::addColumn<QByteArray>("end");
    // The desktop's zone in the test is Berlin's.
    QTest::newRow("desktop, summer") << QDate(2026, 8, 21) << QTime(20, 30) << QString() << QByteArray("20260821T183000Z")
                                     << QByteArray("20260821T203000Z");
    QTest::newRow("desktop, winter") << QDate(2026, 12, 19) << QTime(15, 30) << QString()
                                     << QByteArray("20261219T143000Z") << QByteArray("20261219T163000Z");
    QTest::newRow("the file's zone") << QDate(2022, 11, 20) << QTime(19, 0) << "UTC+3"
                                     << QByteArray("20221120T160000Z") << QByteArray("20221120T180000Z");
    QTest::newRow("half hours, across midnight") << QDate(2026, 6, 1) << QTime(1, 0) << "UTC+5:30"
                                                 << QByteArray("20260531T193000Z") << QByteArray("20260531T213000Z");
    QTest::newRow("west of UTC") << QDate(2026, 6, 30) << QTime(22, 0) << "UTC-3" << QByteArray("20260701T010000Z")
                                 << QByteArray("20260701T030000Z");
    QTest::newRow("no kick-off: all day") << QDate(2026, 8, 22) << QTime() << QString() << QByteArray()
                                          << QByteArray();
}

void TestMatchDates::calendarZones()
{
    QFETCH(QDate, date);
    QFETCH(QTime, time);
    QFETCH(QString, zone);
    QFETCH(QByteArray, start);
    QFETCH(QByteArray, end);
    League l;
    l.teamNames[1] = "A";
    l.teamNames[2] = "B";
    l.dates(1) = RoundDates{"15.08.2026", "16.08.2026"};
    l.match(1, 1) = Match{1, 2};
    l.match(1, 1).date = date;
    l.match(1, 1).time = time;
    l.match(1, 1).timeZone = zone;
    const QList<Event> events = eventsOf(Exp_ics(l, "Liga", kStamp, QTimeZone("Europe/Berlin")).bytes);
    QCOMPARE(events.size(), 1);
    const Event &e = events.first();
    if (start.isEmpty()) {
        QCOMPARE(e.value("DTSTART;VALUE=DATE"), date.toString("yyyyMMdd").toLatin1());
        QCOMPARE(e.value("DTEND;VALUE=DATE"), date.addDays(1).toString("yyyyMMdd").toLatin1());
        QVERIFY(!e.contains("DTSTART"));
    } else {
        QCOMPARE(e.value("DTSTART"), start);
        QCOMPARE(e.value("DTEND"), end);
        QVERIFY(!e.contains("DTSTART;VALUE=DATE"));
    }
    QCOMPARE(e.value("DESCRIPTION"), date > QDate(2026, 8, 16) ? QByteArray("1. Spieltag\\, Nachholspiel")
                                                              : QByteArray("1. Spieltag"));
}

void TestMatchDates::matchdayDocumentsMarkPostponed()
{
    // Only 1 – 2 is played; 3 – 4 waits for 19 August, 2 – 3 has its day.
    League l;
    fillPostponedLeague(l);
    l.match(1, 2) = Match{3, 4};
    l.match(1, 2).date = QDate(2026, 8, 19);
    l.match(1, 2).time = QTime(18, 30);
    l.match(2, 1) = Match{2, 3};
    l.match(2, 1).date = QDate(2026, 8, 8);
    l.match(2, 2) = Match();

    // Names in columns of 27, the score after them, the day from column 66.
    auto row = [](const char *a, const char *b, const char *score, const char *day) {
        QByteArray line = QByteArray(a).leftJustified(27) + "- " + QByteArray(b).leftJustified(27) + score;
        if (*day)
            line = line.leftJustified(65) + day;
        return line + "\r";
    };
    const QList<QByteArray> txt = Exp_st_TXT(l).split('\n');
    QVERIFY(txt.contains(row("Elf 3", "Elf 4", "", "19.08.2026 18:30 (Nachholspiel)")));
    QVERIFY(txt.contains(row("Elf 2", "Elf 3", "", "08.08.2026")));
    QVERIFY(txt.contains(row("Elf 1", "Elf 2", "  2 : 0", "")));

    const QByteArray html = Exp_st_HTM(l);
    QCOMPARE(html.count("</TD><TD NOWRAP>"), 4);
    QVERIFY(html.contains("19.08.2026 18:30 (Nachholspiel)"));
    const QByteArray rtf = Exp_st_RTF(l);
    QVERIFY(rtf.contains("19.08.2026 18:30 (Nachholspiel)"));

    // Without dates of its own no match gets a column or a mark.
    l.match(1, 2) = Match{3, 4};
    l.match(2, 1) = Match{2, 3};
    QVERIFY(!Exp_st_HTM(l).contains("<TD NOWRAP>\r\n"));
    QVERIFY(!Exp_st_TXT(l).contains("Nachholspiel"));
    QVERIFY(Exp_st_TXT(l).split('\n').contains(row("Elf 3", "Elf 4", "", "")));
}

void TestMatchDates::tablesAsOfADay()
{
    // Matchday 1 on 1 and 2 August; the match 3 – 4 of it was played on
    // 19 August, after matchday 2 of 8 August. A row without its own day
    // counts from its matchday's first day; here matchday 2 runs to 9
    // August, the day its match 4 – 2 was played.
    League l;
    fillPostponedLeague(l);
    l.dates(2) = RoundDates{"08.08.2026", "09.08.2026"};
    l.match(2, 2).date = QDate(2026, 8, 9);

    const struct {
        QDate day;
        int p1, p2, p3, p4;
    } cases[] = {{QDate(2026, 7, 31), 0, 0, 0, 0},
                 {QDate(2026, 8, 1), 3, 0, 0, 0},
                 {QDate(2026, 8, 8), 6, 0, 0, 0},
                 {QDate(2026, 8, 9), 6, 1, 0, 1},
                 {QDate(2026, 8, 18), 6, 1, 0, 1},
                 {QDate(2026, 8, 19), 6, 1, 3, 1}};
    for (const auto &c : cases) {
        const QHash<QString, int> points = pointsOf(l.playedBy(c.day));
        QCOMPARE(points.value("Elf 1"), c.p1);
        QCOMPARE(points.value("Elf 2"), c.p2);
        QCOMPARE(points.value("Elf 3"), c.p3);
        QCOMPARE(points.value("Elf 4"), c.p4);
    }
    // After matchday 2, by matchdays, the postponed match counts already.
    QCOMPARE(pointsOf(l).value("Elf 3"), 3);

    // A match whose day is not known at all keeps its result.
    l.dates(1) = RoundDates{};
    l.match(1, 2).date = QDate();
    QCOMPARE(pointsOf(l.playedBy(QDate(2026, 7, 1))).value("Elf 3"), 3);
}

void TestMatchDates::commandLineDate()
{
    QVERIFY(m_dir.isValid());
    const League pl = LeagueOpenData::importBytes(dataFile(kPremierLeague), Format::Txt, "pl").league;
    const QString league = m_dir.filePath("pl.T98");
    throughLeagueFile(pl, league);
    const QString out = m_dir.filePath("stand.txt");
    // On 23 April Everton had not yet beaten Liverpool: the table of that
    // evening and of the next one differ by those three points.
    auto everton = [&](const char *date) {
        const Run r = runTabulon({"--export=tables", "--format=txt", QStringLiteral("--date=") + date,
                                  QStringLiteral("--output=") + out, league});
        if (r.exitCode != 0)
            return QByteArray(r.err);
        for (const QByteArray &line : readAll(out).split('\n'))
            if (line.contains("Everton FC"))
                return line.simplified();
        return QByteArray();
    };
    // Place, name, then games, won, drawn, lost and points.
    const QList<QByteArray> before = everton("23.04.2024").split(' ');
    const QList<QByteArray> after = everton("24.04.2024").split(' ');
    QCOMPARE(before.size(), after.size());
    const qsizetype games = before.indexOf("FC") + 1;
    QCOMPARE(after.at(games).toInt(), before.at(games).toInt() + 1);
    QCOMPARE(after.at(games + 1).toInt(), before.at(games + 1).toInt() + 1);
    QCOMPARE(after.at(games + 4).toInt(), before.at(games + 4).toInt() + 3);

    for (const QStringList &wrong : {QStringList{"--export=tables", "--format=txt", "--date=31.02.2024"},
                                     QStringList{"--export=tables", "--format=txt", "--date=1.5.2024", "--matchday=3"},
                                     QStringList{"--export=cross", "--format=txt", "--date=1.5.2024"}}) {
        const Run r = runTabulon(wrong + QStringList{QStringLiteral("--output=") + out, league});
        QCOMPARE(r.exitCode, 2);
        QVERIFY(r.err.contains("--date"));
    }
}

QTEST_GUILESS_MAIN(TestMatchDates)
#include "tst_matchdates.moc"
