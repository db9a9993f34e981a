#include <QtTest>

#include "files_helper.h"

#include "league/model/IniFile.h"
#include "league/model/League.h"
#include "league/model/LeagueError.h"
#include "league/model/LeagueFile.h"

#include <sys/stat.h>
#include <unistd.h>

namespace {

// The league file of a league with no input, typed from the layout: the
// Options keys, the 18 names, six start values per team, then per matchday
// two empty dates and nine rows {0, 0, -1, -1}.
QByteArray emptyLeagueFile(const QByteArray &teamName)
{
    QByteArray b = "[Options]\r\nTitle=Tabulon '98\r\nTeams=18\r\nRounds=34\r\nChamp=1\r\n"
                   "CL=1\r\nUC=3\r\nAB=3\r\nActual=1\r\n[Teams]\r\n";
    for (int i = 1; i <= 18; ++i)
        b += QByteArray::number(i) + "=" + teamName + "\r\n";
    for (int i = 1; i <= 18; ++i)
        b += "[Team" + QByteArray::number(i) + "]\r\nSS=0\r\nSU=0\r\nSN=0\r\nGE=0\r\nGA=0\r\nSP=0\r\n";
    for (int j = 1; j <= 34; ++j) {
        b += "[Round" + QByteArray::number(j) + "]\r\nD1=\r\nD2=\r\n";
        for (int k = 1; k <= 9; ++k) {
            const QByteArray n = QByteArray::number(k);
            b += "TA" + n + "=0\r\nTB" + n + "=0\r\nGA" + n + "=-1\r\nGB" + n + "=-1\r\n";
        }
    }
    return b;
}

League loadFrom(const QByteArray &bytes)
{
    IniFile ini;
    ini.fromBytes(bytes);
    League l;
    LeagueFile::read(ini, l);
    return l;
}

} // namespace

class TestLeagueFile : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void emptyLeagueWritesEveryKey();
    void valuesGoToTheirKeys();
    void saveThenOpenGivesTheSameLeague();
    void fileWithOnlyOptions();
    void optionValues_data();
    void optionValues();
    void rankingRulesRead_data();
    void rankingRulesRead();
    void rankingRulesWrittenOnlyWhenChanged();
    void loadCorrectsOutOfRangeValues_data();
    void loadCorrectsOutOfRangeValues();
    void datesAreStoredDayMonthYear_data();
    void datesAreStoredDayMonthYear();
    void openingReplacesEveryField();
    void missingFileOpensAsDefaults();
    void saveKeepsForeignSectionsAndKeys();
    void refusedSaveLeavesOldFile();
    void caption_data();
    void caption();
    void commandLineName_data();
    void commandLineName();
};

void TestLeagueFile::emptyLeagueWritesEveryKey()
{
    League l;
    IniFile ini;
    LeagueFile::write(l, ini);
    const QByteArray bytes = ini.toBytes();
    QCOMPARE(bytes, emptyLeagueFile(""));
    QCOMPARE(bytes.count('='), 8 + 18 + 18 * 6 + 34 * 38);
}

void TestLeagueFile::valuesGoToTheirKeys()
{
    League l;
    l.hasChampion = false;
    l.clPlaces = 0;
    l.ucPlaces = 5;
    l.relegationPlaces = 2;
    l.currentRound = 12;
    l.teamNames[3] = QString::fromUtf8("Blau-Weiß Üxheim");
    l.startWins[7] = 4;
    l.startDraws[7] = 3;
    l.startLosses[7] = 2;
    l.startGoalsFor[7] = 15;
    l.startGoalsAgainst[7] = 11;
    l.penaltyPoints[7] = 6;
    l.roundDates[34] = {"02.05.2027", "03.05.2027"};
    l.results[34][9] = Match{17, 18, 2, -1};
    IniFile ini;
    LeagueFile::write(l, ini);
    const QByteArray b = ini.toBytes();
    QVERIFY(b.startsWith("[Options]\r\nTitle=Tabulon '98\r\nTeams=18\r\nRounds=34\r\nChamp=0\r\n"
                         "CL=0\r\nUC=5\r\nAB=2\r\nActual=12\r\n[Teams]\r\n"));
    QVERIFY(b.contains("\r\n3=Blau-Wei\xDF \xDCxheim\r\n4=\r\n"));
    QVERIFY(b.contains("[Team7]\r\nSS=4\r\nSU=3\r\nSN=2\r\nGE=15\r\nGA=11\r\nSP=6\r\n[Team8]"));
    QVERIFY(b.endsWith("[Round34]\r\nD1=02.05.2027\r\nD2=03.05.2027\r\n"
                       "TA1=0\r\nTB1=0\r\nGA1=-1\r\nGB1=-1\r\n"
                       "TA2=0\r\nTB2=0\r\nGA2=-1\r\nGB2=-1\r\n"
                       "TA3=0\r\nTB3=0\r\nGA3=-1\r\nGB3=-1\r\n"
                       "TA4=0\r\nTB4=0\r\nGA4=-1\r\nGB4=-1\r\n"
                       "TA5=0\r\nTB5=0\r\nGA5=-1\r\nGB5=-1\r\n"
                       "TA6=0\r\nTB6=0\r\nGA6=-1\r\nGB6=-1\r\n"
                       "TA7=0\r\nTB7=0\r\nGA7=-1\r\nGB7=-1\r\n"
                       "TA8=0\r\nTB8=0\r\nGA8=-1\r\nGB8=-1\r\n"
                       "TA9=17\r\nTB9=18\r\nGA9=2\r\nGB9=-1\r\n"));
}

void TestLeagueFile::saveThenOpenGivesTheSameLeague()
{
    QTemporaryDir dir;
    League l;
    l.programDir = dir.path() + "/";
    for (int i = 1; i <= 18; ++i) {
        l.teamNames[i] = QString::fromUtf8("Mannschaft %1 ä€").arg(i);
        l.startWins[i] = 3;
        l.startDraws[i] = 1;
        l.startGoalsFor[i] = i;
        l.penaltyPoints[i] = i % 3;
    }
    l.ErsterST();
    l.currentRound = 9;
    for (int j = 5; j <= 9; ++j) {
        l.roundDates[j] = {QString("0%1.09.2026").arg(j), QString("1%1.09.2026").arg(j)};
        for (int k = 1; k <= 9; ++k)
            l.results[j][k] = Match{2 * k - 1, 2 * k, (j + k) % 4, j == 9 && k == 9 ? -1 : k % 3};
    }
    l.leagueFileName = dir.filePath("liga.T98");
    l.leagueSaved = false;
    SaveDatei(l);
    QVERIFY(l.leagueSaved);

    League back;
    back.programDir = l.programDir;
    back.leagueFileName = l.leagueFileName;
    OpenDatei(back);
    QVERIFY(back.sameContents(l));
    QCOMPARE(back.firstRound, 5);
    QVERIFY(back.leagueSaved);
    QCOMPARE(back.leagueFileName, l.leagueFileName);
    QCOMPARE(back.programDir, l.programDir);
}

void TestLeagueFile::fileWithOnlyOptions()
{
    const League l = loadFrom("[Options]\r\nTitle=Irgendwas\r\nCL=0\r\nActual=7\r\n");
    QCOMPARE(l.clPlaces, 0);
    QCOMPARE(l.ucPlaces, 3);
    QCOMPARE(l.currentRound, 7);
    for (int i = 1; i <= 18; ++i) {
        QCOMPARE(l.teamNames[i], QString("[keine]"));
        QCOMPARE(l.startWins[i] + l.startDraws[i] + l.startLosses[i], 0);
        QCOMPARE(l.startGoalsFor[i] + l.startGoalsAgainst[i] + l.penaltyPoints[i], 0);
    }
    for (int j = 1; j <= 34; ++j) {
        QCOMPARE(l.roundDates[j], RoundDates{});
        for (int k = 1; k <= 9; ++k)
            QCOMPARE(l.results[j][k], (Match{0, 0, -1, -1}));
    }
}

void TestLeagueFile::optionValues_data()
{
    QTest::addColumn<QByteArray>("options");
    QTest::addColumn<bool>("champ");
    QTest::addColumn<int>("actual");
    QTest::addColumn<int>("teamCount");

    QTest::newRow("Champ=0") << QByteArray("Champ=0") << false << 1 << 18;
    QTest::newRow("Champ=7") << QByteArray("Champ=7") << true << 1 << 18;
    QTest::newRow("Champ empty") << QByteArray("Champ=") << true << 1 << 18;
    QTest::newRow("Actual=0x0A") << QByteArray("Actual=0x0A") << true << 10 << 18;
    QTest::newRow("Actual=abc") << QByteArray("Actual=abc") << true << 1 << 18;
    QTest::newRow("lower-case keys") << QByteArray("champ=0\r\nactual=20") << false << 20 << 18;
    // Counts are read back and kept, but nothing else follows them.
    QTest::newRow("Teams=20") << QByteArray("Teams=20") << true << 1 << 20;
}

void TestLeagueFile::optionValues()
{
    QFETCH(QByteArray, options);
    QFETCH(bool, champ);
    QFETCH(int, actual);
    QFETCH(int, teamCount);
    const League l = loadFrom("[Options]\r\n" + options + "\r\n");
    QCOMPARE(l.hasChampion, champ);
    QCOMPARE(l.currentRound, actual);
    QCOMPARE(l.teamCount, teamCount);
}

void TestLeagueFile::rankingRulesRead_data()
{
    QTest::addColumn<QByteArray>("options");
    QTest::addColumn<int>("win");
    QTest::addColumn<int>("order");

    QTest::newRow("absent") << QByteArray("Actual=1") << 3 << 1;
    QTest::newRow("two points") << QByteArray("Win=2") << 2 << 1;
    QTest::newRow("three points") << QByteArray("Win=3") << 3 << 1;
    QTest::newRow("four points read as three") << QByteArray("Win=4") << 3 << 1;
    QTest::newRow("no points read as three") << QByteArray("Win=0") << 3 << 1;
    QTest::newRow("text read as three") << QByteArray("Win=zwei") << 3 << 1;
    QTest::newRow("hexadecimal two") << QByteArray("Win=0x2") << 2 << 1;
    QTest::newRow("order 2") << QByteArray("Order=2") << 3 << 2;
    QTest::newRow("order 3") << QByteArray("Order=3") << 3 << 3;
    QTest::newRow("order 0 read as 1") << QByteArray("Order=0") << 3 << 1;
    QTest::newRow("order 4 read as 1") << QByteArray("Order=4") << 3 << 1;
    QTest::newRow("order -2 read as 1") << QByteArray("Order=-2") << 3 << 1;
    QTest::newRow("empty order") << QByteArray("Order=") << 3 << 1;
    QTest::newRow("lower-case keys") << QByteArray("win=2\r\norder=3") << 2 << 3;
}

void TestLeagueFile::rankingRulesRead()
{
    QFETCH(QByteArray, options);
    QFETCH(int, win);
    QFETCH(int, order);
    const League l = loadFrom("[Options]\r\n" + options + "\r\n");
    QCOMPARE(l.winPoints, win);
    QCOMPARE(static_cast<int>(l.tieOrder), order);
}

void TestLeagueFile::rankingRulesWrittenOnlyWhenChanged()
{
    const QByteArray options = "[Options]\r\nTitle=Tabulon '98\r\nTeams=18\r\nRounds=34\r\nChamp=1\r\n"
                               "CL=1\r\nUC=3\r\nAB=3\r\nActual=1\r\n";
    League l;
    l.winPoints = 2;
    l.tieOrder = TieOrder::DirectThenGoals;
    IniFile ini;
    LeagueFile::write(l, ini);
    QVERIFY(ini.toBytes().startsWith(options + "Win=2\r\nOrder=3\r\n[Teams]\r\n"));
    QVERIFY(loadFrom(ini.toBytes()).sameContents(l));

    l.winPoints = 3;
    l.tieOrder = TieOrder::GoalsThenDirect;
    LeagueFile::write(l, ini);
    QVERIFY(ini.toBytes().startsWith(options + "Order=2\r\n[Teams]\r\n"));

    // Back to the rules of old files: saved over the same file, the league
    // is stored byte for byte as a league that never changed them.
    l.tieOrder = TieOrder::Goals;
    LeagueFile::write(l, ini);
    QCOMPARE(ini.toBytes(), emptyLeagueFile(""));
}

void TestLeagueFile::loadCorrectsOutOfRangeValues_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("firstRound");
    QTest::addColumn<int>("currentRound");
    QTest::addColumn<Match>("row");

    const QByteArray plainRow = "[Round2]\r\nTA3=4\r\nTB3=5\r\nGA3=1\r\nGB3=0\r\n";
    QTest::newRow("Actual 0") << "[Options]\r\nActual=0\r\n" + plainRow << 1 << 1 << Match{4, 5, 1, 0};
    QTest::newRow("Actual 35") << "[Options]\r\nActual=35\r\n" + plainRow << 1 << 34 << Match{4, 5, 1, 0};
    QTest::newRow("Actual below firstRound")
        << "[Options]\r\nActual=4\r\n[Team1]\r\nSS=10\r\nSU=5\r\nSN=3\r\n" + plainRow << 19 << 19
        << Match{4, 5, 1, 0};
    QTest::newRow("Actual above firstRound")
        << "[Options]\r\nActual=25\r\n[Team1]\r\nSS=10\r\nSU=5\r\nSN=3\r\n" + plainRow << 19 << 25
        << Match{4, 5, 1, 0};
    QTest::newRow("start values of other teams")
        << "[Team2]\r\nSS=10\r\n" + plainRow << 1 << 1 << Match{4, 5, 1, 0};
    QTest::newRow("firstRound capped")
        << QByteArray("[Options]\r\nActual=2\r\n[Team1]\r\nSS=40\r\n") + plainRow << 34 << 34
        << Match{4, 5, 1, 0};
    QTest::newRow("team slots outside 0..18")
        << QByteArray("[Round2]\r\nTA3=19\r\nTB3=-1\r\nGA3=1\r\nGB3=0\r\n") << 1 << 1 << Match{0, 0, 1, 0};
    QTest::newRow("team slots at the edges")
        << QByteArray("[Round2]\r\nTA3=18\r\nTB3=0\r\nGA3=1\r\nGB3=0\r\n") << 1 << 1 << Match{18, 0, 1, 0};
    QTest::newRow("goals outside -1..999")
        << QByteArray("[Round2]\r\nTA3=4\r\nTB3=5\r\nGA3=-7\r\nGB3=1000\r\n") << 1 << 1 << Match{4, 5, -1, 999};
    QTest::newRow("half-entered row stays")
        << QByteArray("[Round2]\r\nTA3=4\r\nTB3=5\r\nGA3=2\r\nGB3=-1\r\n") << 1 << 1 << Match{4, 5, 2, -1};
}

void TestLeagueFile::loadCorrectsOutOfRangeValues()
{
    QFETCH(QByteArray, file);
    QFETCH(int, firstRound);
    QFETCH(int, currentRound);
    QFETCH(Match, row);
    const League l = loadFrom(file);
    QCOMPARE(l.firstRound, firstRound);
    QCOMPARE(l.currentRound, currentRound);
    QCOMPARE(l.results[2][3], row);
}

void TestLeagueFile::datesAreStoredDayMonthYear_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("model");

    QTest::newRow("full") << "07.08.2026" << "07.08.2026";
    QTest::newRow("one-digit day and month") << "7.8.2026" << "07.08.2026";
    QTest::newRow("one-digit month") << "14.8.2026" << "14.08.2026";
    QTest::newRow("two-digit year, last century") << "09.08.97" << "09.08.1997";
    QTest::newRow("two-digit year, this century") << "1.2.03" << "01.02.2003";
    QTest::newRow("empty") << "" << "";
    // Not a date: kept as it is, so it reports itself when shown.
    QTest::newRow("no date") << "31.02.2026" << "31.02.2026";
    QTest::newRow("text") << "bald" << "bald";
    // Years have four digits in every file the league is written to.
    QTest::newRow("year before 1000") << "7.8.0999" << "7.8.0999";
}

void TestLeagueFile::datesAreStoredDayMonthYear()
{
    QFETCH(QString, stored);
    QFETCH(QString, model);
    const League l = loadFrom("[Round5]\r\nD1=" + stored.toLatin1() + "\r\nD2=" + stored.toLatin1() + "\r\n");
    QCOMPARE(l.roundDates[5].dateFrom, model);
    QCOMPARE(l.roundDates[5].dateTo, model);

    League typed;
    typed.roundDates[5] = {stored, stored};
    IniFile ini;
    LeagueFile::write(typed, ini);
    QVERIFY(ini.toBytes().contains("[Round5]\r\nD1=" + model.toLatin1() + "\r\nD2=" + model.toLatin1() + "\r\n"));
}

void TestLeagueFile::openingReplacesEveryField()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("b.T98");
    writeAll(path, "[Options]\r\nTitle=Etwas anderes\r\n[Teams]\r\n2=Zweite\r\n");
    League l;
    for (int i = 1; i <= 18; ++i)
        l.teamNames[i] = "alt";
    l.startLosses[1] = 5;
    l.penaltyPoints[4] = 2;
    l.ErsterST();
    l.results[30][1] = Match{1, 2, 3, 4};
    l.roundDates[30] = {"01.01.2026", "02.01.2026"};
    l.hasChampion = false;
    l.leagueSaved = false;
    l.leagueFileName = path;
    OpenDatei(l);
    QCOMPARE(l.teamNames[2], QString("Zweite"));
    QCOMPARE(l.teamNames[1], QString("[keine]"));
    QCOMPARE(l.startLosses[1], 0);
    QCOMPARE(l.penaltyPoints[4], 0);
    QCOMPARE(l.firstRound, 1);
    QCOMPARE(l.results[30][1], (Match{0, 0, -1, -1}));
    QCOMPARE(l.roundDates[30], RoundDates{});
    QVERIFY(l.hasChampion);
    QVERIFY(l.leagueSaved);
    QCOMPARE(TitelLeiste(l), QString("[b.T98] - Tabulon '98"));
}

void TestLeagueFile::missingFileOpensAsDefaults()
{
    QTemporaryDir dir;
    League l;
    l.teamNames[1] = "alt";
    l.leagueSaved = false;
    l.leagueFileName = dir.filePath("gibtsnicht.T98");
    OpenDatei(l);
    QCOMPARE(l.leagueFileName, dir.filePath("gibtsnicht.T98"));
    QVERIFY(l.leagueSaved);
    IniFile ini;
    LeagueFile::write(l, ini);
    QCOMPARE(ini.toBytes(), emptyLeagueFile("[keine]"));
    QVERIFY(!QFile::exists(l.leagueFileName));
}

void TestLeagueFile::saveKeepsForeignSectionsAndKeys()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("c.T98");
    writeAll(path, "[Options]\r\nTitle=Alt\r\nAutor=Karl\r\nActual=3\r\n[Notizen]\r\nText=bitte behalten\r\n"
                   "[Round1]\r\nTA1=5\r\nKommentar=Derby\r\n");
    League l;
    l.leagueFileName = path;
    l.currentRound = 2;
    l.results[1][1] = Match{6, 7, 1, 1};
    SaveDatei(l);
    const QByteArray b = readAll(path);
    QVERIFY(b.startsWith("[Options]\r\nTitle=Tabulon '98\r\nAutor=Karl\r\nActual=2\r\nTeams=18\r\nRounds=34\r\n"
                         "Champ=1\r\nCL=1\r\nUC=3\r\nAB=3\r\n[Notizen]\r\nText=bitte behalten\r\n"
                         "[Round1]\r\nTA1=6\r\nKommentar=Derby\r\nD1=\r\nD2=\r\nTB1=7\r\nGA1=1\r\nGB1=1\r\n"
                         "TA2=0\r\n"));
    QVERIFY(b.contains("\r\n[Teams]\r\n1=\r\n"));
    QCOMPARE(b.count('='), 8 + 18 + 18 * 6 + 34 * 38 + 3); // Autor, Text, Kommentar
}

void TestLeagueFile::refusedSaveLeavesOldFile()
{
    QTemporaryDir tmp;
    QVERIFY(::chmod(QFile::encodeName(tmp.path()).constData(), 0755) == 0);
    const QString folder = tmp.filePath("ro");
    QVERIFY(QDir().mkdir(folder));
    const QString path = folder + "/alt.T98";
    const QByteArray old = "[Options]\r\nActual=5\r\n";
    writeAll(path, old);
    QVERIFY(::chmod(QFile::encodeName(folder).constData(), 0555) == 0);

    League l;
    l.leagueFileName = path;
    l.leagueSaved = false;
    QString message;
    {
        AsUnprivileged guard;
        try {
            SaveDatei(l);
        } catch (const LeagueError &e) {
            message = e.message();
        }
    }
    ::chmod(QFile::encodeName(folder).constData(), 0755);
    QCOMPARE(message, "Kann nicht nach " + path + " schreiben");
    QVERIFY(!l.leagueSaved);
    QCOMPARE(readAll(path), old);
    QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList({"alt.T98"}));
}

void TestLeagueFile::caption_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("caption");
    QTest::newRow("untitled") << "" << "Tabulon '98";
    QTest::newRow("path") << "/home/karl/ligen/liga.t98" << "[liga.t98] - Tabulon '98";
    QTest::newRow("bare name") << "Liga2026.T98" << "[Liga2026.T98] - Tabulon '98";
}

void TestLeagueFile::caption()
{
    QFETCH(QString, file);
    QFETCH(QString, caption);
    League l;
    l.leagueFileName = file;
    QCOMPARE(TitelLeiste(l), caption);
}

void TestLeagueFile::commandLineName_data()
{
    QTest::addColumn<QString>("arg");
    QTest::addColumn<QString>("name");
    QTest::newRow("bare name") << "liga" << "/opt/tabulon/liga.T98";
    QTest::newRow("lower-case extension") << "liga.t98" << "/opt/tabulon/liga.t98";
    QTest::newRow("other extension") << "/data/liga.txt" << "/data/liga.txt.T98";
    QTest::newRow("relative folder") << "ligen/liga.T98" << "ligen/liga.T98";
    QTest::newRow("extension alone") << ".T98" << "/opt/tabulon/.T98";
    QTest::newRow("too short") << "98" << "/opt/tabulon/98.T98";
    QTest::newRow("empty") << "" << "";
}

void TestLeagueFile::commandLineName()
{
    QFETCH(QString, arg);
    QFETCH(QString, name);
    QCOMPARE(commandLineLeagueFile(arg, "/opt/tabulon/"), name);
}

QTEST_GUILESS_MAIN(TestLeagueFile)
#include "tst_leaguefile.moc"
