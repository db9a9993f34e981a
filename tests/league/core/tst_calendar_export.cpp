#include <QtTest>

#include "files_helper.h"

#include "league/export/CalendarExport.h"
#include "league/model/League.h"
#include "league/model/LeagueDate.h"
#include "league/model/LeagueFile.h"

#include <QFile>
#include <QProcess>
#include <QStringDecoder>
#include <QTemporaryDir>

namespace {

const QDateTime kStamp(QDate(2026, 1, 2), QTime(3, 4, 5), Qt::UTC);

QList<QByteArray> physicalLines(const QByteArray &file)
{
    QList<QByteArray> lines = file.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

// Content lines after undoing the folding: CR LF followed by a space joins.
QList<QByteArray> unfolded(const QByteArray &file)
{
    QByteArray joined = file;
    joined.replace("\r\n ", "");
    QList<QByteArray> lines = joined.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (QByteArray &l : lines)
        if (l.endsWith('\r'))
            l.chop(1);
    return lines;
}

QList<QByteArray> valuesOf(const QByteArray &file, const QByteArray &property)
{
    QList<QByteArray> values;
    for (const QByteArray &l : unfolded(file))
        if (l.startsWith(property + ':'))
            values << l.mid(property.size() + 1);
    return values;
}

bool validUtf8(const QByteArray &bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder(bytes);
    return !decoder.hasError();
}

League namedLeague(int teams, int rounds)
{
    League l;
    if (teams != League::kTeams || rounds != League::kRounds)
        l.reshape(teams, rounds);
    for (int i = 1; i <= teams; ++i)
        l.teamNames[i] = QStringLiteral("Klub %1").arg(i);
    return l;
}

// The interpreter Debian's python3-icalendar belongs to; a private Python
// earlier on PATH would not see it.
QString systemPython()
{
    return QFile::exists(QStringLiteral("/usr/bin/python3")) ? QStringLiteral("/usr/bin/python3")
                                                              : QStringLiteral("python3");
}

} // namespace

class TestCalendarExport : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void foldsAtSeventyFiveOctets();
    void longUtf8NamesFoldAndUnfold();
    void escapesTextValues();
    void oneEventPerMatchWithBothTeams();
    void datesAndUndatedMatchdays();
    void uidsStayTheSame();
    void commandLine();
    void strictParserReadsTheFile();

private:
    QTemporaryDir m_dir;
};

void TestCalendarExport::foldsAtSeventyFiveOctets()
{
    const QByteArray a75(75, 'a');
    QCOMPARE(Ical::foldLine(a75), a75 + "\r\n");
    QCOMPARE(Ical::foldLine(a75 + "b"), a75 + "\r\n b\r\n");
    // Continuation lines hold a space and 74 octets.
    const QByteArray b74(74, 'b');
    QCOMPARE(Ical::foldLine(a75 + b74 + "c"), a75 + "\r\n " + b74 + "\r\n c\r\n");
    // "ü" is C3 BC at octets 75 and 76: it moves whole to the next line.
    QCOMPARE(Ical::foldLine(QByteArray(74, 'a') + "\xC3\xBC"), QByteArray(74, 'a') + "\r\n \xC3\xBC\r\n");
    // A four-octet character starting at octet 73 moves as well.
    QCOMPARE(Ical::foldLine(QByteArray(72, 'a') + "\xF0\x9F\x98\x80" + "z"),
             QByteArray(72, 'a') + "\r\n \xF0\x9F\x98\x80z\r\n");
}

void TestCalendarExport::longUtf8NamesFoldAndUnfold()
{
    League l = namedLeague(18, 34);
    // Two-, three- and four-octet characters, well beyond one line.
    const QString home = QStringLiteral("Sportfreunde Übermühlenbächle-Großköllnitz ") + QString(20, QChar(0x20AC))
                         + QStringLiteral(" 𝔘𝔘𝔘 ÄÖÜß");
    l.teamNames[3] = home;
    l.dates(1).dateFrom = QStringLiteral("07.08.2026");
    l.match(1, 1) = Match{3, 4, 2, 1};
    const QByteArray file = Exp_ics(l, QStringLiteral("Liga"), kStamp).bytes;

    QVERIFY(file.count("\r\n ") >= 2);
    QCOMPARE(file.count('\n'), file.count("\r\n")); // no bare LF
    QCOMPARE(file.count('\r'), file.count("\r\n")); // no bare CR
    for (const QByteArray &line : physicalLines(file)) {
        QVERIFY2(line.endsWith('\r'), line.constData());
        QVERIFY2(line.size() - 1 <= 75, line.constData());
        // Each physical line is whole UTF-8 on its own: no character split.
        QVERIFY2(validUtf8(line), line.constData());
    }
    QCOMPARE(valuesOf(file, "SUMMARY"), QList<QByteArray>{(home + QStringLiteral(" - Klub 4 2:1")).toUtf8()});
}

void TestCalendarExport::escapesTextValues()
{
    QCOMPARE(Ical::escapeText(QStringLiteral("a,b;c\\d")), QStringLiteral("a\\,b\\;c\\\\d"));
    QCOMPARE(Ical::escapeText(QStringLiteral("eins\nzwei\r\ndrei\rvier")),
             QStringLiteral("eins\\nzwei\\ndrei\\nvier"));
    QCOMPARE(Ical::escapeText(QStringLiteral("a\x01" "b\tc")), QStringLiteral("ab\tc"));
    QCOMPARE(Ical::escapeText(QStringLiteral("Köln: 1. FC")), QStringLiteral("Köln: 1. FC"));

    League l = namedLeague(4, 6);
    l.teamNames[1] = QStringLiteral("Blau, Weiß; Rot\\Gold");
    l.teamNames[2] = QStringLiteral("Eintracht\\;,");
    l.dates(2).dateFrom = QStringLiteral("15.08.2026");
    l.match(2, 1) = Match{1, 2, -1, -1};
    const QByteArray file = Exp_ics(l, QStringLiteral("a,b;c"), kStamp).bytes;
    QCOMPARE(valuesOf(file, "SUMMARY"),
             QList<QByteArray>{"Blau\\, Wei\xC3\x9F\\; Rot\\\\Gold - Eintracht\\\\\\;\\,"});
    QCOMPARE(valuesOf(file, "X-WR-CALNAME"), QList<QByteArray>{"a\\,b\\;c"});
    // The UID keeps to plain characters whatever the league is called.
    const QList<QByteArray> uids = valuesOf(file, "UID");
    QCOMPARE(uids.size(), 1);
    QVERIFY2(!uids[0].contains(',') && !uids[0].contains(';'), uids[0].constData());
}

void TestCalendarExport::oneEventPerMatchWithBothTeams()
{
    League l = namedLeague(6, 10);
    l.dates(3).dateFrom = QStringLiteral("01.09.2026");
    l.match(3, 1) = Match{1, 2, 2, 1};
    l.match(3, 2) = Match{3, 0, 1, 0}; // no away team
    l.match(3, 3) = Match{0, 4, -1, -1}; // no home team
    l.dates(4).dateFrom = QStringLiteral("08.09.2026");
    l.match(4, 1) = Match{5, 6, 0, 0};
    l.match(4, 2) = Match{2, 3, 3, -1}; // half entered: no result yet
    l.match(4, 3) = Match{4, 1, -1, -1};
    const CalendarExport ics = Exp_ics(l, QStringLiteral("Liga"), kStamp);
    QCOMPARE(ics.bytes.count("BEGIN:VEVENT\r\n"), 4);
    QCOMPARE(ics.bytes.count("END:VEVENT\r\n"), 4);
    QCOMPARE(valuesOf(ics.bytes, "SUMMARY"),
             (QList<QByteArray>{"Klub 1 - Klub 2 2:1", "Klub 5 - Klub 6 0:0", "Klub 2 - Klub 3", "Klub 4 - Klub 1"}));
    QCOMPARE(valuesOf(ics.bytes, "DESCRIPTION"),
             (QList<QByteArray>{"3. Spieltag", "4. Spieltag", "4. Spieltag", "4. Spieltag"}));
    QCOMPARE(valuesOf(ics.bytes, "DTSTAMP"), QList<QByteArray>(4, "20260102T030405Z"));
    QVERIFY(ics.undatedRounds.isEmpty());

    const QList<QByteArray> lines = unfolded(ics.bytes);
    QCOMPARE(lines.first(), QByteArray("BEGIN:VCALENDAR"));
    QCOMPARE(lines.at(1), QByteArray("VERSION:2.0"));
    QCOMPARE(valuesOf(ics.bytes, "PRODID").size(), 1);
    QCOMPARE(lines.last(), QByteArray("END:VCALENDAR"));
    QVERIFY(ics.bytes.endsWith("END:VCALENDAR\r\n"));

    // The largest league: 12 rows on each of 99 matchdays.
    League big = namedLeague(24, 99);
    for (int j = 1; j <= 99; ++j) {
        big.dates(j).dateFrom = LeagueDate::format(QDate(2026, 8, 1).addDays(7 * (j - 1)));
        for (int k = 1; k <= 12; ++k)
            big.match(j, k) = Match{k, 25 - k, -1, -1};
    }
    const QByteArray bigFile = Exp_ics(big, QStringLiteral("Gross"), kStamp).bytes;
    QCOMPARE(bigFile.count("BEGIN:VEVENT\r\n"), 99 * 12);
    QCOMPARE(valuesOf(bigFile, "DTSTART;VALUE=DATE").last(), QByteArray("20280617"));
}

void TestCalendarExport::datesAndUndatedMatchdays()
{
    League l = namedLeague(2, 9);
    const char *from[] = {"", "07.08.2026", "31.12.2026", "28.02.2028", "1.3.27", "", "kein Datum", "31.12.9999",
                          "01.08.0999"};
    for (int j = 1; j <= 8; ++j) {
        l.dates(j).dateFrom = QString::fromLatin1(from[j]);
        l.match(j, 1) = Match{1, 2, -1, -1};
    }
    l.dates(1).dateTo = QStringLiteral("09.08.2026"); // a matchday of three days is still one day's event
    l.dates(9).dateFrom = QString(); // no pairing, no date: nothing to say
    const CalendarExport ics = Exp_ics(l, QStringLiteral("Liga"), kStamp);
    QCOMPARE(valuesOf(ics.bytes, "DTSTART;VALUE=DATE"),
             (QList<QByteArray>{"20260807", "20261231", "20280228", "20270301", "99991231"}));
    // The last day of 9999 has no next day with a four-digit year: its
    // event goes without an end and so lasts that one day.
    QCOMPARE(valuesOf(ics.bytes, "DTEND;VALUE=DATE"),
             (QList<QByteArray>{"20260808", "20270101", "20280229", "20270302"}));
    QCOMPARE(ics.bytes.count("BEGIN:VEVENT"), 5);
    QCOMPARE(ics.undatedRounds, (QList<int>{5, 6, 8}));
    QVERIFY(!ics.bytes.contains("DTSTART:")); // all-day only, never a time
}

void TestCalendarExport::uidsStayTheSame()
{
    League l = namedLeague(4, 6);
    l.dates(1).dateFrom = QStringLiteral("07.08.2026");
    l.match(1, 1) = Match{1, 2, -1, -1};
    l.match(1, 2) = Match{3, 4, -1, -1};
    l.dates(2).dateFrom = QStringLiteral("14.08.2026");
    l.match(2, 1) = Match{2, 1, -1, -1};
    l.match(2, 2) = Match{2, 1, -1, -1}; // the same pairing twice
    const QList<QByteArray> first = valuesOf(Exp_ics(l, QStringLiteral("Liga 2026"), kStamp).bytes, "UID");
    QCOMPARE(first.size(), 4);
    for (int i = 0; i < first.size(); ++i) {
        QVERIFY2(first[i].endsWith("@tabulon.invalid"), first[i].constData());
        for (int k = i + 1; k < first.size(); ++k)
            QVERIFY2(first[i] != first[k], first[i].constData());
    }

    // Later, with results entered: the same events, the same UIDs.
    l.match(1, 1).goalsA = 1;
    l.match(1, 1).goalsB = 0;
    const QList<QByteArray> later
        = valuesOf(Exp_ics(l, QStringLiteral("Liga 2026"), kStamp.addDays(30)).bytes, "UID");
    QCOMPARE(later, first);

    // Another league's file gives other UIDs for the same pairings.
    const QList<QByteArray> other = valuesOf(Exp_ics(l, QStringLiteral("Pokal"), kStamp).bytes, "UID");
    for (const QByteArray &uid : other)
        QVERIFY2(!first.contains(uid), uid.constData());
}

void TestCalendarExport::commandLine()
{
    QVERIFY(m_dir.isValid());
    League l = namedLeague(18, 34);
    l.dates(1).dateFrom = QStringLiteral("07.08.2026");
    l.match(1, 1) = Match{1, 2, 2, 1};
    l.match(2, 1) = Match{3, 4, -1, -1}; // matchday 2 has no date
    const QString league = m_dir.filePath(QStringLiteral("saison.T98"));
    l.leagueFileName = league;
    SaveDatei(l);

    const QString out = m_dir.filePath(QStringLiteral("saison.ics"));
    Run r = runTabulon({QStringLiteral("--export=calendar"), QStringLiteral("--output=") + out, league});
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.err.count('\n'), 1);
    QVERIFY2(r.err.contains("matchday 2"), r.err.constData());
    const QByteArray once = readAll(out);
    QCOMPARE(once.count("BEGIN:VEVENT"), 1);
    QCOMPARE(valuesOf(once, "SUMMARY"), QList<QByteArray>{"Klub 1 - Klub 2 2:1"});

    r = runTabulon({QStringLiteral("--export=calendar"), QStringLiteral("--format=ics"),
                    QStringLiteral("--output=") + out, league});
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(valuesOf(readAll(out), "UID"), valuesOf(once, "UID"));

    for (const QStringList &wrong : {QStringList{"--export=calendar", "--format=html"},
                                     QStringList{"--export=calendar", "--team=1"}}) {
        const QString never = m_dir.filePath(QStringLiteral("nie.ics"));
        r = runTabulon(wrong + QStringList{QStringLiteral("--output=") + never, league});
        QCOMPARE(r.exitCode, 2);
        QVERIFY(r.err.contains("--export=calendar --output=FILE LEAGUE"));
        QVERIFY(r.err.contains("--export=curve --team=N --format=bmp|gif|png --output=FILE LEAGUE"));
        QVERIFY(!QFile::exists(never));
    }

    // A folder that does not exist: nothing written, one line naming the file.
    const QString missing = m_dir.filePath(QStringLiteral("nicht/da.ics"));
    r = runTabulon({QStringLiteral("--export=calendar"), QStringLiteral("--output=") + missing, league});
    QCOMPARE(r.exitCode, 1);
    QVERIFY(QString::fromUtf8(r.err).endsWith(QStringLiteral("Kann Datei %1 nicht erstellen\n").arg(missing)));
}

void TestCalendarExport::strictParserReadsTheFile()
{
    QProcess probe;
    probe.start(systemPython(), {QStringLiteral("-c"), QStringLiteral("import icalendar")});
    if (!probe.waitForFinished(60000) || probe.exitStatus() != QProcess::NormalExit || probe.exitCode() != 0)
        QSKIP("python3-icalendar is not installed");

    QVERIFY(m_dir.isValid());
    League l = namedLeague(20, 38);
    l.teamNames[1] = QStringLiteral("Blau, Weiß; Rot\\Gold");
    l.teamNames[2] = QStringLiteral("Sportvereinigung Überlingen-Großmühlbach 1899 ") + QString(12, QChar(0x20AC));
    int matches = 0;
    for (int j = 1; j <= 38; ++j) {
        if (j != 38) // the last matchday has pairings but no date yet
            l.dates(j).dateFrom = LeagueDate::format(QDate(2026, 8, 7).addDays(7 * (j - 1)));
        for (int k = 1; k <= 10; ++k) {
            if (k == 10 && j % 2 == 0)
                continue; // an empty row
            l.match(j, k) = Match{k, 21 - k, j <= 20 ? k % 4 : -1, j <= 20 ? 1 : -1};
            if (j != 38)
                ++matches;
        }
    }
    const QString league = m_dir.filePath(QStringLiteral("zwanzig.T98"));
    l.leagueFileName = league;
    SaveDatei(l);
    const QString out = m_dir.filePath(QStringLiteral("zwanzig.ics"));
    const Run r = runTabulon({QStringLiteral("--export=calendar"), QStringLiteral("--output=") + out, league});
    QCOMPARE(r.exitCode, 0);

    // The parser reads the whole file and reports the count, the first
    // summaries as decoded text and whether every UID is distinct.
    const QString script = QStringLiteral(
        "import sys, icalendar\n"
        "cal = icalendar.Calendar.from_ical(open(sys.argv[1], 'rb').read())\n"
        "ev = cal.walk('VEVENT')\n"
        "uids = [str(e['UID']) for e in ev]\n"
        "assert all(e['DTSTART'].params.get('VALUE') == 'DATE' for e in ev)\n"
        "sys.stdout.buffer.write(('%d\\n%d\\n' % (len(ev), len(set(uids)))).encode())\n"
        "sys.stdout.buffer.write((str(ev[0]['SUMMARY']) + '\\n' + str(ev[1]['SUMMARY']) + '\\n').encode('utf-8'))\n"
        "sys.stdout.buffer.write(str(ev[1]['DTSTART'].dt).encode())\n");
    QProcess parser;
    parser.start(systemPython(), {QStringLiteral("-c"), script, out});
    QVERIFY(parser.waitForFinished(60000));
    QVERIFY2(parser.exitCode() == 0, parser.readAllStandardError().constData());
    const QStringList got = QString::fromUtf8(parser.readAllStandardOutput()).split(QLatin1Char('\n'));
    QCOMPARE(got.size(), 5);
    QCOMPARE(got[0].toInt(), matches);
    QCOMPARE(got[1].toInt(), matches);
    QCOMPARE(got[2], l.teamNames[1] + QStringLiteral(" - Klub 20 1:1"));
    QCOMPARE(got[3], l.teamNames[2] + QStringLiteral(" - Klub 19 2:1"));
    QCOMPARE(got[4], QStringLiteral("2026-08-07"));
}

QTEST_MAIN(TestCalendarExport)
#include "tst_calendar_export.moc"
