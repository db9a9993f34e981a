#include <QtTest>

#include "files_helper.h"

#include "league/model/League.h"
#include "league/model/LeagueError.h"
#include "league/model/LeagueFile.h"

#include <sys/stat.h>
#include <unistd.h>

namespace {

// A match row in the fixed columns of the old format: home team, home goals,
// away goals, away team, two characters each, right-aligned.
QByteArray row(int teamA, int goalsA, int goalsB, int teamB)
{
    return QByteArray::number(teamA).rightJustified(2, ' ') + QByteArray::number(goalsA).rightJustified(2, ' ')
        + QByteArray::number(goalsB).rightJustified(2, ' ') + QByteArray::number(teamB).rightJustified(2, ' ');
}

// The 394 lines of a complete old file: a free first line, 18 names, the
// zone digits, then per matchday two dates and nine rows. Matchday 1 holds
// real pairings, every other matchday empty rows.
QList<QByteArray> completeFile()
{
    QList<QByteArray> lines;
    lines << "Tabulon 3.2.1";
    for (int i = 1; i <= 18; ++i)
        lines << "Verein " + QByteArray::number(i);
    lines[3] = "M\xFCnchhausen 04"; // slot 3, "Münchhausen 04" in Windows-1252
    lines << "124";
    for (int j = 1; j <= 34; ++j) {
        lines << (j == 1 ? "9.8.1997" : "") << (j == 1 ? "10.08.1997" : "");
        for (int k = 1; k <= 9; ++k)
            lines << (j == 1 ? row(2 * k - 1, k % 4, k == 9 ? -1 : 1, 2 * k) : row(0, -1, -1, 0));
    }
    return lines;
}

QByteArray join(const QList<QByteArray> &lines, const QByteArray &end = "\r\n")
{
    QByteArray b;
    for (const QByteArray &l : lines)
        b += l + end;
    return b;
}

// A league that is open in the window before an import is attempted.
League openLeague(const QString &tn3Path)
{
    League l;
    l.programDir = "/opt/tabulon/";
    l.teamNames[1] = "Alte Liga";
    l.startWins[1] = 3;
    l.ErsterST();
    l.currentRound = 6;
    l.results[4][2] = Match{1, 2, 3, 0};
    l.leagueFileName = tn3Path;
    l.leagueSaved = true;
    return l;
}

} // namespace

class TestTn3Import : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void completeImport_data();
    void completeImport();
    void failedImportKeepsOpenLeague_data();
    void failedImportKeepsOpenLeague();
    void fileThatCannotBeOpened_data();
    void fileThatCannotBeOpened();
    void outOfRangeColumnsAreCorrected();
};

void TestTn3Import::completeImport_data()
{
    QTest::addColumn<QByteArray>("end");
    QTest::newRow("CR LF") << QByteArray("\r\n");
    QTest::newRow("LF") << QByteArray("\n");
    QTest::newRow("CR") << QByteArray("\r");
}

void TestTn3Import::completeImport()
{
    QFETCH(QByteArray, end);
    QTemporaryDir dir;
    const QString path = dir.filePath("alt.TN3");
    writeAll(path, join(completeFile(), end));
    League l = openLeague(path);
    OldDatei(l);

    QCOMPARE(l.teamNames[1], QString("Verein 1"));
    QCOMPARE(l.teamNames[3], QString::fromUtf8("Münchhausen 04"));
    QCOMPARE(l.teamNames[18], QString("Verein 18"));
    QCOMPARE(l.clPlaces, 1);
    QCOMPARE(l.ucPlaces, 2);
    QCOMPARE(l.relegationPlaces, 4);
    QCOMPARE(l.roundDates[1].dateFrom, QString("09.08.1997"));
    QCOMPARE(l.roundDates[1].dateTo, QString("10.08.1997"));
    QCOMPARE(l.results[1][1], (Match{1, 2, 1, 1}));
    QCOMPARE(l.results[1][4], (Match{7, 8, 0, 1}));
    QCOMPARE(l.results[1][9], (Match{17, 18, 1, -1}));
    QCOMPARE(l.results[2][1], (Match{0, 0, -1, -1}));
    QCOMPARE(l.results[34][9], (Match{0, 0, -1, -1}));
    QCOMPARE(l.roundDates[34], RoundDates{});
    // What the old format does not hold is set anew.
    QCOMPARE(l.startWins[1], 0);
    QCOMPARE(l.firstRound, 1);
    QCOMPARE(l.currentRound, 1);
    QVERIFY(l.hasChampion);
    QCOMPARE(l.teamCount, 18);
    QCOMPARE(l.roundCount, 34);
    // Imported means untitled and unsaved, so the next save asks for a name.
    QVERIFY(l.leagueFileName.isEmpty());
    QVERIFY(!l.leagueSaved);
    QCOMPARE(l.programDir, QString("/opt/tabulon/"));
    QCOMPARE(TitelLeiste(l), QString("Tabulon '98"));
}

void TestTn3Import::failedImportKeepsOpenLeague_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("message");

    QList<QByteArray> badColumn = completeFile();
    badColumn[20 + 11 + 2] = " 3x1 0 4"; // matchday 2, row 1: home goals "x1"
    QTest::newRow("bad column") << join(badColumn) << "'x1' ist kein gültiger Integerwert";

    QList<QByteArray> badTeam = completeFile();
    badTeam[22] = "ab 1 0 2"; // matchday 1, row 1: home team "ab"
    QTest::newRow("bad team column") << join(badTeam) << "'ab' ist kein gültiger Integerwert";

    // Cut inside matchday 5: past the end every line is empty, and the first
    // empty number column stops the import.
    QTest::newRow("too short") << join(completeFile().mid(0, 20 + 4 * 11 + 5)) << "'' ist kein gültiger Integerwert";

    QList<QByteArray> shortRow = completeFile();
    shortRow[30] = " 1 2"; // matchday 1, row 9: away goals missing
    QTest::newRow("short row") << join(shortRow) << "'' ist kein gültiger Integerwert";

    QList<QByteArray> twoDigits = completeFile();
    twoDigits[19] = "12";
    QTest::newRow("line 20 with two characters") << join(twoDigits) << "'' ist kein gültiger Integerwert";

    QList<QByteArray> letter = completeFile();
    letter[19] = "1a3";
    QTest::newRow("line 20 with a letter") << join(letter) << "'a' ist kein gültiger Integerwert";

    QTest::newRow("empty file") << QByteArray() << "'' ist kein gültiger Integerwert";
}

void TestTn3Import::failedImportKeepsOpenLeague()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QString path = dir.filePath("alt.tn3");
    writeAll(path, file);
    League l = openLeague(path);
    const League before = l;
    QString thrown;
    try {
        OldDatei(l);
    } catch (const LeagueError &e) {
        thrown = e.message();
    }
    QCOMPARE(thrown, message);
    QVERIFY(l.sameContents(before));
    QCOMPARE(l.leagueFileName, before.leagueFileName);
    QCOMPARE(l.leagueSaved, before.leagueSaved);
    QCOMPARE(l.firstRound, before.firstRound);
}

void TestTn3Import::fileThatCannotBeOpened_data()
{
    QTest::addColumn<QString>("which");
    QTest::addColumn<QString>("message");
    QTest::newRow("missing file") << "missing" << "Datei nicht gefunden";
    QTest::newRow("missing folder") << "folder" << "Ungültiger Dateiname";
    QTest::newRow("a folder") << "dir" << "Dateizugriff verweigert";
    QTest::newRow("no read permission") << "unreadable" << "Dateizugriff verweigert";
}

void TestTn3Import::fileThatCannotBeOpened()
{
    QFETCH(QString, which);
    QFETCH(QString, message);
    QTemporaryDir dir;
    QVERIFY(::chmod(QFile::encodeName(dir.path()).constData(), 0755) == 0);
    QString path = dir.filePath("alt.tn3");
    if (which == "folder")
        path = dir.filePath("weg/alt.tn3");
    if (which == "dir")
        QVERIFY(QDir().mkdir(path));
    if (which == "unreadable") {
        writeAll(path, join(completeFile()));
        QVERIFY(::chmod(QFile::encodeName(path).constData(), 0200) == 0);
    }
    League l = openLeague(path);
    const League before = l;
    QString thrown;
    // Root reads every file; the permission case runs as nobody.
    const bool drop = which == "unreadable" && getuid() == 0;
    if (drop)
        QVERIFY(setresuid(65534, 65534, 0) == 0);
    try {
        OldDatei(l);
    } catch (const LeagueError &e) {
        thrown = e.message();
    }
    if (drop && setresuid(0, 0, 0) != 0)
        qFatal("cannot return to root");
    QCOMPARE(thrown, message);
    QVERIFY(l.sameContents(before));
    QCOMPARE(l.leagueFileName, path);
}

void TestTn3Import::outOfRangeColumnsAreCorrected()
{
    // The columns are stored as read; values that would index outside the
    // team slots or exceed the entry fields are held in range like a
    // league file's.
    QList<QByteArray> lines = completeFile();
    lines[22] = "99-5 7-3";
    lines[23] = "-1 2 118";
    QTemporaryDir dir;
    const QString path = dir.filePath("alt.tn3");
    writeAll(path, join(lines));
    League l;
    l.leagueFileName = path;
    OldDatei(l);
    QCOMPARE(l.results[1][1], (Match{0, 0, -1, 7}));
    QCOMPARE(l.results[1][2], (Match{0, 18, 2, 1}));
}

QTEST_GUILESS_MAIN(TestTn3Import)
#include "tst_tn3import.moc"
