#include <QProcess>
#include <QtTest>

#include "tournament_helper.h"

namespace {

// A valid tournament text: group g has teams "<g>1".."<g>4" with flags
// "f<g>k" and two players each.
QByteArray validText()
{
    QByteArray text = "# test tournament\n\n";
    for (char g = 'A'; g <= 'H'; ++g) {
        text += "group " + QByteArray(1, g) + "\r\n";
        for (int k = 1; k <= 4; ++k) {
            const QByteArray team = QByteArray(1, g) + QByteArray::number(k);
            text += "team  " + team + " |  f" + team + "\n";
            text += "player " + team + " one\n";
            text += "player " + team + " two\n";
        }
    }
    return text;
}

// Four teams of a group with the given figures (played 3) and one player
// "<name>p" with the given goals.
QByteArray groupFile(char g, const QList<QList<int>> &figures)
{
    QByteArray bytes;
    for (int k = 0; k < 4; ++k) {
        const QByteArray team = QByteArray(1, g) + QByteArray::number(k + 1);
        const QList<int> &f = figures[k]; // points, for, against, player goals
        bytes += th::teamRecord(team, f[0] < 0 ? 0 : 3, qMax(0, f[0]), f[1], f[2], "fl" + team, {{team + "p", f[3]}});
    }
    return bytes;
}

const QList<QList<int>> kPlain = {{9, 4, 0, 0}, {6, 3, 1, 0}, {3, 2, 2, 0}, {0, 1, 3, 0}};
const QList<QList<int>> kUnplayed = {{-1, 0, 0, 0}, {-1, 0, 0, 0}, {-1, 0, 0, 0}, {-1, 0, 0, 0}};

} // namespace

class TestCommands : public QObject
{
    Q_OBJECT

private slots:
    void helpAndVersion();
    void createWritesGroupFiles();
    void createRefuses_data();
    void createRefuses();
    void createUsage();
    void reportExampleTournament();
    void reportTiesNeedLots();
    void reportFinishedBracket();
    void reportWithoutGroupFiles();
    void reportKeepsOneLinePerRecord();
    void reportOfDamagedResultFiles_data();
    void reportOfDamagedResultFiles();
};

void TestCommands::helpAndVersion()
{
    th::Run r = th::runTrophex({QStringLiteral("--version")});
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.out, QStringLiteral("Trophex 1.1\n"));
    r = th::runTrophex({QStringLiteral("--help")});
    QCOMPARE(r.exitCode, 0);
    QVERIFY(r.out.contains(QStringLiteral("--create=TEXTFILE")));
    QVERIFY(r.out.contains(QStringLiteral("--report")));
    r = th::runTrophex({QStringLiteral("--frobnicate")});
    QCOMPARE(r.exitCode, 2);
    QVERIFY(r.err.contains(QStringLiteral("--frobnicate")));
}

void TestCommands::createWritesGroupFiles()
{
    QTemporaryDir dir;
    QByteArray text = validText();
    // Accented names count in Windows-1252 bytes: twenty letters fit.
    text.replace("player C3 two", "player \xc3\x89\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9"
                                  "\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9");
    text.replace("player C3 one", "player csc");
    th::writeFile(dir.path() + "/t.txt", text);
    const th::Run r = th::runTrophex({QStringLiteral("--create=") + dir.path() + "/t.txt", dir.path() + "/out"});
    QCOMPARE(r.exitCode, 0);
    for (char g = 'A'; g <= 'H'; ++g) {
        QByteArray expected;
        for (int k = 1; k <= 4; ++k) {
            const QByteArray team = QByteArray(1, g) + QByteArray::number(k);
            QList<th::Player> players = {{team + " one", 0}, {team + " two", 0}};
            if (team == "C3")
                players = {{"csc", 0}, {"\xc9\xe9\xe9\xe9\xe9\xe9\xe9\xe9\xe9\xe9\xe9\xe9\xe9\xe9\xe9\xe9\xe9\xe9\xe9\xe9", 0}};
            expected += th::teamRecord(team, 0, 0, 0, 0, "f" + team, players);
        }
        QCOMPARE(th::readFile(dir.path() + "/out/groupe" + QChar(g) + ".dat"), expected);
    }
    QVERIFY(!QFileInfo::exists(dir.path() + "/out/matchs.dat"));
}

void TestCommands::createRefuses_data()
{
    QTest::addColumn<QByteArray>("from");
    QTest::addColumn<QByteArray>("to");
    QTest::addColumn<QString>("message");
    // Line numbers: 1 comment, 2 blank, 3 "group A", 4 "team A1", 5-6
    // players, 7 "team A2", ...
    QTest::newRow("team name of 21 bytes") << QByteArray("team  A2 |") << QByteArray("team ABCDEFGHIJKLMNOPQRSTU |")
                                           << QStringLiteral("line 7:");
    // A "%1" in a name stays text, also with numbers put in after it.
    QTest::newRow("team name with %1 of 21 bytes") << QByteArray("team  A2 |") << QByteArray("team %1%2ABCDEFGHIJKLMNOPQ |")
                                                   << QStringLiteral("line 7: the team name \"%1%2ABCDEFGHIJKLMNOPQ\" is 21 bytes long");
    QTest::newRow("player name of 21 bytes") << QByteArray("player A1 two") << QByteArray("player A1 two 34567890123456")
                                             << QStringLiteral("line 6:");
    QTest::newRow("flag name of 21 bytes") << QByteArray("fA1") << QByteArray("fA1_34567890123456789") << QStringLiteral("line 4:");
    QTest::newRow("outside Windows-1252") << QByteArray("player A1 one") << QByteArray("player \xc5\x81ukasz")
                                          << QStringLiteral("line 5:");
    QTest::newRow("group with three teams") << QByteArray("team  B4 |  fB4\nplayer B4 one\nplayer B4 two\n") << QByteArray()
                                            << QStringLiteral("line 16:");
    QTest::newRow("group with five teams") << QByteArray("group C") << QByteArray("team Extra | x\ngroup C")
                                           << QStringLiteral("line 29:");
    QTest::newRow("duplicate team") << QByteArray("team  D2 |") << QByteArray("team B3 |") << QStringLiteral("line 46:");
    QTest::newRow("missing group H") << QByteArray("group H") << QByteArray("group Z") << QStringLiteral("line 94:");
    QTest::newRow("24 players") << QByteArray("player E1 one\n")
                                << QByteArray("player E1 one\n").repeated(23) << QStringLiteral("line 80:");
    QTest::newRow("unknown keyword") << QByteArray("player F1 one") << QByteArray("spieler F1 one") << QStringLiteral("line 70:");

    // Control characters would break the report's tab-separated lines and
    // reach the terminal; every kind of name refuses them.
    QTest::newRow("TAB in a team name") << QByteArray("team  A2 |") << QByteArray("team  A\t2 |")
                                        << QStringLiteral("line 7: the team name \"A?2\" holds the control character U+0009");
    QTest::newRow("CR inside a player name") << QByteArray("player A1 two") << QByteArray("player A1\rtwo")
                                             << QStringLiteral("line 6: the player name \"A1?two\" holds the control character U+000D");
    QTest::newRow("ESC in a flag name") << QByteArray("fA1") << QByteArray("f\x1b[2JA1")
                                        << QStringLiteral("line 4: the flag name \"f?[2JA1\" holds the control character U+001B");
    QTest::newRow("BEL in a player name") << QByteArray("player A1 one") << QByteArray("player A1\aone")
                                          << QStringLiteral("line 5:");
    QTest::newRow("NUL in a team name") << QByteArray("team  B1 |") << QByteArray("team  B\0" "1 |", 11)
                                        << QStringLiteral("line 17: the team name \"B?1\" holds the control character U+0000");
    QTest::newRow("C1 control in a player name") << QByteArray("player B1 one") << QByteArray("player B1\xc2\x81one")
                                                 << QStringLiteral("line 18:");
    // A flag name is a file of the tournament folder.
    QTest::newRow("flag leading up") << QByteArray("fA1") << QByteArray("../../tmp/x")
                                     << QStringLiteral("line 4: the flag name \"../../tmp/x\" must be a plain file name");
    QTest::newRow("absolute flag") << QByteArray("fA2") << QByteArray("/etc/passwd") << QStringLiteral("line 7:");
    QTest::newRow("flag with a backslash") << QByteArray("fA3") << QByteArray("pics\\fA3") << QStringLiteral("line 10:");
    QTest::newRow("flag of two dots") << QByteArray("fA4") << QByteArray("..") << QStringLiteral("line 13:");
}

void TestCommands::createRefuses()
{
    QFETCH(QByteArray, from);
    QFETCH(QByteArray, to);
    QFETCH(QString, message);
    QTemporaryDir dir;
    QByteArray text = validText();
    QVERIFY(text.contains(from));
    text.replace(text.indexOf(from), from.size(), to);
    th::writeFile(dir.path() + "/t.txt", text);
    const th::Run r = th::runTrophex({QStringLiteral("--create=") + dir.path() + "/t.txt", dir.path()});
    QCOMPARE(r.exitCode, 1);
    QVERIFY2(r.err.contains(message), qPrintable(r.err));
    // The message itself holds no control character but its line end.
    for (QChar c : r.err.chopped(1))
        QVERIFY2(c.unicode() >= 0x20 && (c.unicode() < 0x7f || c.unicode() > 0x9f), qPrintable(r.err));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("t.txt")});
}

void TestCommands::createUsage()
{
    QTemporaryDir dir;
    th::Run r = th::runTrophex({QStringLiteral("--create=")}, dir.path());
    QCOMPARE(r.exitCode, 2);
    r = th::runTrophex({QStringLiteral("--create=missing.txt")}, dir.path());
    QCOMPARE(r.exitCode, 1);
    QVERIFY(r.err.contains(QStringLiteral("missing.txt")));
    // Without a folder the files go to the current one.
    th::writeFile(dir.path() + "/t.txt", validText());
    r = th::runTrophex({QStringLiteral("--create=t.txt")}, dir.path());
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(QFileInfo(dir.path() + "/groupeH.dat").size(), 4 * 712);
}

void TestCommands::reportExampleTournament()
{
    const QString example = QStringLiteral(TEST_SOURCE_DIR "/examples/tournament");
    const bool hadMatches = QFileInfo::exists(example + "/matchs.dat");
    const th::Run r = th::runTrophex({QStringLiteral("--report"), example});
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.err, QString());
    const QStringList groups = th::outputLines(r.out, QStringLiteral("group"));
    QCOMPARE(groups.size(), 32);
    QCOMPARE(groups.mid(0, 4), QStringList({"group\tA\t1\tBrazil\t0\t0\t0\t0", "group\tA\t2\tScotland\t0\t0\t0\t0",
                                            "group\tA\t3\tMorocco\t0\t0\t0\t0", "group\tA\t4\tNorway\t0\t0\t0\t0"}));
    QCOMPARE(groups[31], QStringLiteral("group\tH\t4\tCroatia\t0\t0\t0\t0"));
    const QStringList figures = th::outputLines(r.out, QStringLiteral("figures"));
    QCOMPARE(figures.size(), 32);
    QCOMPARE(figures[9], QStringLiteral("figures\tSouth Africa\t0\t0,0"));
    // Nothing played: every team is tied with every other, all slots open.
    const QStringList qualifiers = th::outputLines(r.out, QStringLiteral("qualifier"));
    QCOMPARE(qualifiers.size(), 16);
    QCOMPARE(qualifiers[0], QStringLiteral("qualifier\t0\t"));
    QCOMPARE(qualifiers[15], QStringLiteral("qualifier\t15\t"));
    QCOMPARE(th::outputLines(r.out, QStringLiteral("bracket")).size(), 8 + 4 + 2 + 2 + 1 + 1);
    QVERIFY(th::outputLines(r.out, QStringLiteral("scorer")).isEmpty());
    QCOMPARE(th::outputLines(r.out, QStringLiteral("matches")), QStringList{"matches\t0\tno match was played."});
    QVERIFY(r.out.endsWith(QLatin1String("no match was played.\n")));
    // A report only reads.
    QCOMPARE(QFileInfo::exists(example + "/matchs.dat"), hadMatches);
}

void TestCommands::reportTiesNeedLots()
{
    QTemporaryDir dir;
    th::writeFile(dir.path() + "/groupeA.dat", groupFile('A', {{7, 5, 2, 3}, {7, 5, 2, 2}, {3, 2, 4, 0}, {0, 1, 5, 0}}));
    th::writeFile(dir.path() + "/groupeB.dat", groupFile('B', {{9, 4, 0, 0}, {3, 2, 2, 0}, {3, 2, 2, 3}, {3, 1, 3, 0}}));
    for (char g = 'C'; g <= 'H'; ++g)
        th::writeFile(dir.path() + "/groupe" + QChar(g) + ".dat", groupFile(g, kUnplayed));
    QByteArray c = th::readFile(dir.path() + "/groupeC.dat");
    c.replace(712 + 68 + 24, 4, th::le32(1)); // C2p scored once
    th::writeFile(dir.path() + "/groupeC.dat", c);
    th::writeFile(dir.path() + "/matchs.dat",
                  th::matchRecord('A', "A2", "A1", 1, 1) + th::matchRecord('B', "B3", "B2", 0, 1));
    const th::Run r = th::runTrophex({QStringLiteral("--report"), dir.path()});
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(th::outputLines(r.out, QStringLiteral("group")).mid(0, 8),
             QStringList({"group\tA\t1\tA1\t3\t7\t5\t2", "group\tA\t2\tA2\t3\t7\t5\t2", "group\tA\t3\tA3\t3\t3\t2\t4",
                          "group\tA\t4\tA4\t3\t0\t1\t5", "group\tB\t1\tB1\t3\t9\t4\t0", "group\tB\t2\tB2\t3\t3\t2\t2",
                          "group\tB\t3\tB3\t3\t3\t2\t2", "group\tB\t4\tB4\t3\t3\t1\t3"}));
    QCOMPARE(th::outputLines(r.out, QStringLiteral("figures")).mid(0, 5),
             QStringList({"figures\tA1\t78\t1,7", "figures\tA2\t78\t1,7", "figures\tA3\t33\t0,7",
                          "figures\tA4\t0\t0,3", "figures\tB1\t100\t1,3"}));
    // A1 and A2 drew: both slots of A open. B2 beat B3: no lots there (the
    // tie of B2/B3 with nobody else is only about second place, and B2 won).
    const QStringList q = th::outputLines(r.out, QStringLiteral("qualifier"));
    QCOMPARE(q.mid(0, 5), QStringList({"qualifier\t0\t", "qualifier\t1\t", "qualifier\t2\tB1", "qualifier\t3\tB2",
                                       "qualifier\t4\t"}));
    QCOMPARE(th::outputLines(r.out, QStringLiteral("scorer")),
             QStringList({"scorer\tB3p(B3) 3", "scorer\tA1p(A1) 3", "scorer\tA2p(A2) 2", "scorer\tC2p(C2) 1"}));
    QCOMPARE(th::outputLines(r.out, QStringLiteral("matches")),
             QStringList{"matches\t2\t2 matchs(of 48) have already been played."});
}

void TestCommands::reportFinishedBracket()
{
    QTemporaryDir dir;
    for (char g = 'A'; g <= 'H'; ++g)
        th::writeFile(dir.path() + "/groupe" + QChar(g) + ".dat", groupFile(g, kPlain));
    // Player goals: A1p 6, D1p 6, F2p 4, G1p 2, H3p 2.
    const auto setGoals = [&](char g, int k, int goals) {
        const QString path = dir.path() + "/groupe" + QChar(g) + ".dat";
        QByteArray b = th::readFile(path);
        b.replace(712 * (k - 1) + 68 + 24, 4, th::le32(goals));
        th::writeFile(path, b);
    };
    setGoals('A', 1, 6);
    setGoals('D', 1, 6);
    setGoals('F', 2, 4);
    setGoals('G', 1, 2);
    setGoals('H', 3, 2);

    QByteArray matches;
    for (char g = 'A'; g <= 'H'; ++g)
        for (int a = 1; a <= 4; ++a)
            for (int b = a + 1; b <= 4; ++b)
                matches += th::matchRecord(g, QByteArray(1, g) + QByteArray::number(a),
                                           QByteArray(1, g) + QByteArray::number(b), 1, 0);
    th::writeFile(dir.path() + "/matchs.dat", matches);

    // Drawn qualifiers: A2 won group A, A1 second; the rest as ranked; one
    // slot names a team that does not exist.
    QByteArray qualif;
    for (int i = 0; i < 16; ++i) {
        const QByteArray g(1, char('A' + i / 2));
        qualif += th::name21(i == 0 ? "A2" : i == 1 ? "A1" : g + (i % 2 ? "2" : "1"));
    }
    th::writeFile(dir.path() + "/qualif.dat", qualif);

    // In no particular order, as the file allows.
    QByteArray tour2;
    tour2 += th::matchRecord('Z', "F2", "A1", 1, 2);
    tour2 += th::matchRecord('1', "A2", "B2", 2, 1);
    tour2 += th::matchRecord('2', "B1", "A1", 0, 1);
    tour2 += th::matchRecord('3', "C1", "D2", 3, 0);
    tour2 += th::matchRecord('4', "D1", "C2", 5, 4);
    tour2 += th::matchRecord('5', "E1", "F2", 0, 2);
    tour2 += th::matchRecord('6', "F1", "E2", 1, 0);
    tour2 += th::matchRecord('G', "A1", "G1", 3, 1);
    tour2 += th::matchRecord('7', "G1", "H2", 1, 0);
    tour2 += th::matchRecord('8', "H1", "G2", 1, 0);
    tour2 += th::matchRecord('A', "A2", "D1", 0, 1);
    tour2 += th::matchRecord('B', "A1", "C1", 2, 0);
    tour2 += th::matchRecord('C', "F2", "H1", 1, 0);
    tour2 += th::matchRecord('D', "F1", "G1", 0, 3);
    tour2 += th::matchRecord('F', "D1", "F2", 1, 2);
    tour2 += th::matchRecord('Y', "D1", "G1", 2, 0);
    th::writeFile(dir.path() + "/tour2.dat", tour2);

    const th::Run r = th::runTrophex({QStringLiteral("--report"), dir.path()});
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.err, QString());
    const QStringList q = th::outputLines(r.out, QStringLiteral("qualifier"));
    QCOMPARE(q.mid(0, 4), QStringList({"qualifier\t0\tA2", "qualifier\t1\tA1", "qualifier\t2\tB1", "qualifier\t3\tB2"}));
    QCOMPARE(q[15], QStringLiteral("qualifier\t15\tH2"));
    QCOMPARE(th::outputLines(r.out, QStringLiteral("bracket")),
             QStringList({"bracket\tquarts\t0\tA2", "bracket\tquarts\t1\tA1", "bracket\tquarts\t2\tC1",
                          "bracket\tquarts\t3\tD1", "bracket\tquarts\t4\tF2", "bracket\tquarts\t5\tF1",
                          "bracket\tquarts\t6\tG1", "bracket\tquarts\t7\tH1",
                          "bracket\tdemis\t0\tD1", "bracket\tdemis\t1\tA1", "bracket\tdemis\t2\tF2",
                          "bracket\tdemis\t3\tG1",
                          "bracket\tfinalistes\t0\tF2", "bracket\tfinalistes\t1\tA1",
                          "bracket\tpetite_finale\t0\tD1", "bracket\tpetite_finale\t1\tG1",
                          "bracket\tchampion\t0\tA1", "bracket\ttroisieme_place\t0\tD1"}));
    const QStringList figures = th::outputLines(r.out, QStringLiteral("figures"));
    // Group goals plus stage-2 goals (penalty kicks included) per match:
    // A1 (4 + 1 + 2 + 3 + 2) / 7, D1 (4 + 5 + 1 + 1 + 2) / 7,
    // B2 (3 + 1) / 4, F2 (3 + 2 + 1 + 2 + 1) / 7, A4 1 / 3.
    QCOMPARE(figures[0], QStringLiteral("figures\tA1\t100\t1,7"));
    QCOMPARE(figures[3], QStringLiteral("figures\tA4\t0\t0,3"));
    QCOMPARE(figures[5], QStringLiteral("figures\tB2\t67\t1,0"));
    QCOMPARE(figures[12], QStringLiteral("figures\tD1\t100\t1,9"));
    QCOMPARE(figures[21], QStringLiteral("figures\tF2\t67\t1,3"));
    QCOMPARE(th::outputLines(r.out, QStringLiteral("scorer")),
             QStringList({"scorer\tD1p(D1) 6", "scorer\tA1p(A1) 6", "scorer\tF2p(F2) 4", "scorer\tH3p(H3) 2",
                          "scorer\tG1p(G1) 2"}));
    QCOMPARE(th::outputLines(r.out, QStringLiteral("matches")),
             QStringList{"matches\t48\tAll the matchs have been played."});

    // A qualif.dat that names an unknown team leaves that slot empty.
    qualif.replace(5 * 21, 21, th::name21("Atlantis"));
    th::writeFile(dir.path() + "/qualif.dat", qualif);
    const th::Run r2 = th::runTrophex({QStringLiteral("--report"), dir.path()});
    QCOMPARE(th::outputLines(r2.out, QStringLiteral("qualifier"))[5], QStringLiteral("qualifier\t5\t"));
}

void TestCommands::reportWithoutGroupFiles()
{
    QTemporaryDir dir;
    for (char g = 'A'; g <= 'H'; ++g)
        th::writeFile(dir.path() + "/groupe" + QChar(g) + ".dat", groupFile(g, kPlain));
    th::writeFile(dir.path() + "/groupeC.dat", groupFile('C', kPlain).left(3 * 712));
    th::Run r = th::runTrophex({QStringLiteral("--report")}, dir.path());
    QCOMPARE(r.exitCode, 1);
    QVERIFY(r.err.contains(QStringLiteral("File Error !")));
    QVERIFY(r.err.contains(QStringLiteral("groupeC.dat")));
    QCOMPARE(r.out, QString());
}

// Group files made by other means may hold control characters in names; the
// report still prints one line of tab-separated fields per record.
void TestCommands::reportKeepsOneLinePerRecord()
{
    QTemporaryDir dir;
    for (char g = 'A'; g <= 'H'; ++g)
        th::writeFile(dir.path() + "/groupe" + QChar(g) + ".dat", groupFile(g, kUnplayed));
    QByteArray a = th::teamRecord("Tab\tTeam", 0, 0, 0, 0, "f", {{"Line\nEnd", 2}, {"Esc\x1b[31m", 1}});
    for (int k = 2; k <= 4; ++k)
        a += th::teamRecord("A" + QByteArray::number(k), 0, 0, 0, 0, "f", {});
    th::writeFile(dir.path() + "/groupeA.dat", a);
    const th::Run r = th::runTrophex({QStringLiteral("--report"), dir.path()});
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(th::outputLines(r.out, QStringLiteral("group"))[0], QStringLiteral("group\tA\t1\tTab?Team\t0\t0\t0\t0"));
    QCOMPARE(th::outputLines(r.out, QStringLiteral("figures"))[0], QStringLiteral("figures\tTab?Team\t0\t0,0"));
    QCOMPARE(th::outputLines(r.out, QStringLiteral("scorer")),
             QStringList({"scorer\tLine?End(Tab?Team) 2", "scorer\tEsc?[31m(Tab?Team) 1"}));
    for (QChar c : r.out)
        QVERIFY(c == QLatin1Char('\t') || c == QLatin1Char('\n') || c.unicode() >= 0x20);
    // 32 group, 32 figures, 16 qualifier, 18 bracket, 2 scorer and 1 matches lines.
    QCOMPARE(r.out.count(QLatin1Char('\n')), 32 + 32 + 16 + 18 + 2 + 1);
}

void TestCommands::reportOfDamagedResultFiles_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("matches");
    // Two whole 56-byte records and 30 bytes of a third.
    const QByteArray twoAndAPart = th::matchRecord('A', "A1", "A2", 2, 0) + th::matchRecord('B', "B1", "B2", 1, 1)
                                   + th::matchRecord('C', "C1", "C2", 3, 3).left(30);
    QTest::newRow("matchs.dat ends inside a record")
        << "matchs.dat" << twoAndAPart << "the file ends inside a record"
        << "matches\t2\t2 matchs(of 48) have already been played.";
    QTest::newRow("qualif.dat shorter than 16 records")
        << "qualif.dat" << QByteArray(15 * 21, '\0') << "the file is shorter than 16 records"
        << "matches\t0\tno match was played.";
}

// The report still shows what the whole records hold, names the damaged file
// on stderr, and exits with 1 so that a script does not take it as complete.
void TestCommands::reportOfDamagedResultFiles()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    QFETCH(QString, matches);
    QTemporaryDir dir;
    for (char g = 'A'; g <= 'H'; ++g)
        th::writeFile(dir.path() + "/groupe" + QChar(g) + ".dat", groupFile(g, kUnplayed));
    th::writeFile(dir.path() + "/" + file, bytes);
    const th::Run r = th::runTrophex({QStringLiteral("--report"), dir.path()});
    QCOMPARE(r.exitCode, 1);
    QVERIFY2(r.err.contains(file + ": " + message), qPrintable(r.err));
    QCOMPARE(th::outputLines(r.out, QStringLiteral("group")).size(), 32);
    QCOMPARE(th::outputLines(r.out, QStringLiteral("matches")), QStringList{matches});
    // A report only reads: the damaged file is left as it was.
    QCOMPARE(th::readFile(dir.path() + "/" + file), bytes);
}

QTEST_GUILESS_MAIN(TestCommands)
#include "tst_commands.moc"
