#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "tournament/exchange/TournamentImport.h"
#include "tournament/model/TournamentFiles.h"
#include "tournament_helper.h"

namespace {

QString importArg(const QString &relative)
{
    return QStringLiteral("--import=") + th::openFootball(relative);
}

// The goals the group files credit to one player of one team.
int goalsOf(const QString &dir, const char *team, const char *player)
{
    Tournament t;
    if (!loadGroups(t, dir))
        return -1;
    const TEquipe *e = t.cherche_equipe(QString::fromUtf8(team));
    const int i = findPlayer(e, ShortName::fromText(QString::fromUtf8(player)));
    return i < 0 ? -1 : e->squad[size_t(i)].goals;
}

// A group stage of eight groups "A1".."H4" in which every match ends 1-0
// for the team listed first in its group line, except where extra lines
// are given; the text is written as the open data writes its files.
QByteArray groupStage(const QByteArray &groupA = QByteArray())
{
    QByteArray text = "= Test Cup\n\n";
    for (char g = 'A'; g <= 'H'; ++g) {
        text += "Group " + QByteArray(1, g) + " |";
        for (int k = 1; k <= 4; ++k)
            text += "  " + QByteArray(1, g) + QByteArray::number(k);
        text += "\n";
    }
    for (char g = 'A'; g <= 'H'; ++g) {
        text += "\nGroup " + QByteArray(1, g) + "\n";
        if (g == 'A' && !groupA.isEmpty()) {
            text += groupA;
            continue;
        }
        for (int i = 1; i <= 4; ++i)
            for (int j = i + 1; j <= 4; ++j)
                text += "  " + QByteArray(1, g) + QByteArray::number(i) + "  1-0  " + QByteArray(1, g)
                        + QByteArray::number(j) + "\n";
    }
    return text;
}

} // namespace

class TestImport : public QObject
{
    Q_OBJECT

private slots:
    void worldCup1998WithSquads();
    void worldCup2022GroupStageCreditsScorers();
    void knockoutOutsideTheBracketWritesNothing();
    void exportReadsBackToTheSameFiles();
    void exportKeepsTheScorers_data();
    void exportKeepsTheScorers();
    void squadsMustBeAFolder();
    void badInputNamesFileAndLine_data();
    void badInputNamesFileAndLine();
    void lotsAreLeftToStageTwo();
    void lotsTravelWithTheExport();
    void fullSquadNamesTheScorerLeftOut();
    void namesFoldedForTheCodePage();
};

void TestImport::worldCup1998WithSquads()
{
    QTemporaryDir dir;
    const th::Run imp = th::runTrophex({importArg("worldcup-1998/cup.txt"), importArg("worldcup-1998/cup_finals.txt"),
                             QStringLiteral("--squads=") + th::openFootball("worldcup-1998/squads"), dir.path()});
    QCOMPARE(imp.exitCode, 0);
    const th::Run rep = th::runTrophex({QStringLiteral("--report"), dir.path()});
    QCOMPARE(rep.exitCode, 0);

    // Group A by hand: Brazil 2-1, 3-0, 1-2 (6 points, 6:3), Norway 2-2,
    // 1-1, 2-1 (5, 5:4), Morocco 2-2, 0-3, 3-0 (4, 5:5), Scotland 1-2, 1-1,
    // 0-3 (1, 2:6).
    const QStringList groups = th::outputLines(rep.out, QStringLiteral("group"));
    QCOMPARE(groups.mid(0, 4), (QStringList{"group\tA\t1\tBrazil\t3\t6\t6\t3", "group\tA\t2\tNorway\t3\t5\t5\t4",
                                            "group\tA\t3\tMorocco\t3\t4\t5\t5", "group\tA\t4\tScotland\t3\t1\t2\t6"}));
    // Group F: Germany and Yugoslavia both 7 points; Germany ahead on goals
    // (6:2 against 4:2).
    QVERIFY(groups.contains("group\tF\t1\tGermany\t3\t7\t6\t2"));
    QVERIFY(groups.contains("group\tF\t2\tYugoslavia\t3\t7\t4\t2"));

    const QStringList qualifiers = th::outputLines(rep.out, QStringLiteral("qualifier"));
    const QStringList expected = {"Brazil", "Norway", "Italy",   "Chile",      "France",  "Denmark",
                                  "Nigeria", "Paraguay", "Netherlands", "Mexico", "Germany", "Yugoslavia",
                                  "Romania", "England", "Argentina", "Croatia"};
    QCOMPARE(qualifiers.size(), 16);
    for (int i = 0; i < 16; ++i)
        QCOMPARE(qualifiers[i], QStringLiteral("qualifier\t%1\t%2").arg(i).arg(expected[i]));

    const QStringList bracket = th::outputLines(rep.out, QStringLiteral("bracket"));
    for (const char *l : {"bracket\tquarts\t0\tBrazil", "bracket\tquarts\t2\tFrance", "bracket\tquarts\t7\tArgentina",
                          "bracket\tdemis\t0\tBrazil", "bracket\tdemis\t1\tFrance", "bracket\tdemis\t2\tNetherlands",
                          "bracket\tdemis\t3\tCroatia", "bracket\tfinalistes\t0\tBrazil",
                          "bracket\tfinalistes\t1\tFrance", "bracket\tchampion\t0\tFrance",
                          "bracket\ttroisieme_place\t0\tCroatia"})
        QVERIFY2(bracket.contains(QString::fromLatin1(l)), l);

    // The final as the program stores it, and the shoot-out of Argentina
    // against England (2-2 after extra time, 4-3 on penalties) as 6-5 in
    // round of 16 match 8 (winner H against runner-up G).
    const QByteArray tour2 = th::readFile(dir.filePath("tour2.dat"));
    QCOMPARE(tour2.size(), 16 * TournamentFiles::MatchRecordSize);
    QVERIFY(tour2.contains(th::matchRecord('Z', "Brazil", "France", 0, 3)));
    QVERIFY(tour2.contains(th::matchRecord('8', "Argentina", "England", 6, 5)));
    QVERIFY(tour2.contains(th::matchRecord('A', "Brazil", "Denmark", 3, 2)));
    QCOMPARE(th::readFile(dir.filePath("matchs.dat")).left(TournamentFiles::MatchRecordSize),
             th::matchRecord('A', "Brazil", "Scotland", 2, 1));

    // The squads: 22 players of the Brazilian file, the first one first, a
    // name with letters the code page lacks folded, and a flag drawn.
    Tournament t;
    QVERIFY(loadGroups(t, dir.path()));
    const TEquipe *brazil = t.cherche_equipe(QStringLiteral("Brazil"));
    QCOMPARE(brazil->playerCount(), 22);
    QCOMPARE(brazil->squad[0].name.text(), QStringLiteral("Taffarel"));
    QCOMPARE(brazil->flag.text(), QStringLiteral("brazil"));
    QVERIFY(QFile::exists(dir.filePath("brazil.bmp")));
    const TEquipe *yugoslavia = t.cherche_equipe(QStringLiteral("Yugoslavia"));
    QCOMPARE(yugoslavia->playerCount(), 22);
    QVERIFY(findPlayer(yugoslavia, ShortName::fromText(QStringLiteral("Miroslav Dukic"))) >= 0);
    // "de-deutschland.txt" is Germany's squad, "us-united-states.txt" that of USA.
    QCOMPARE(t.cherche_equipe(QStringLiteral("Germany"))->playerCount(), 22);
    QCOMPARE(t.cherche_equipe(QStringLiteral("USA"))->playerCount(), 22);
}

void TestImport::worldCup2022GroupStageCreditsScorers()
{
    QTemporaryDir dir;
    const th::Run imp = th::runTrophex({importArg("worldcup-2022/cup.txt"), dir.path()});
    QCOMPARE(imp.exitCode, 0);
    QVERIFY(!imp.out.contains(QStringLiteral("lots")));
    // Counted by hand in the file: Enner Valencia 16' (pen.), 31' against
    // Qatar and 49' against the Netherlands; Cody Gakpo 84', 6', 26';
    // Giorgian De Arrascaeta 26', 32' (kept as 20 characters).
    QCOMPARE(goalsOf(dir.path(), "Ecuador", "Enner Valencia"), 3);
    QCOMPARE(goalsOf(dir.path(), "Netherlands", "Cody Gakpo"), 3);
    QCOMPARE(goalsOf(dir.path(), "Uruguay", "Giorgian De Arrascae"), 2);
    // Nayef Aguerd's own goal counts for Canada and is credited to nobody.
    QCOMPARE(goalsOf(dir.path(), "Canada", "Nayef Aguerd"), -1);
    QCOMPARE(goalsOf(dir.path(), "Morocco", "Nayef Aguerd"), -1);

    const th::Run rep = th::runTrophex({QStringLiteral("--report"), dir.path()});
    const QStringList groups = th::outputLines(rep.out, QStringLiteral("group"));
    // Group A: Netherlands 7 points (2-0, 1-1, 2-0), Senegal 6 (0-2, 3-1, 2-1).
    QCOMPARE(groups.mid(0, 2), (QStringList{"group\tA\t1\tNetherlands\t3\t7\t5\t1", "group\tA\t2\tSenegal\t3\t6\t5\t4"}));
    QCOMPARE(th::outputLines(rep.out, QStringLiteral("matches")).value(0).section(QLatin1Char('\t'), 1, 1), QStringLiteral("48"));
    QVERIFY(!QFile::exists(dir.filePath("tour2.dat")) || th::readFile(dir.filePath("tour2.dat")).isEmpty());
}

void TestImport::knockoutOutsideTheBracketWritesNothing()
{
    QTemporaryDir dir;
    const th::Run imp = th::runTrophex({importArg("worldcup-2022/cup.txt"), importArg("worldcup-2022/cup_finals.txt"), dir.path()});
    QCOMPARE(imp.exitCode, 1);
    // The round of 16 fits; the first quarter-final in the file, Croatia
    // against Brazil on line 39, meets winners of matches 5 and 7, which the
    // bracket pairs with the winners of 8 (Portugal) and 6 (Morocco).
    QVERIFY2(imp.err.contains(QStringLiteral("cup_finals.txt: line 39: Croatia v Brazil")), qPrintable(imp.err));
    QVERIFY2(imp.err.contains(QStringLiteral("Croatia v Portugal")), qPrintable(imp.err));
    QVERIFY2(imp.err.contains(QStringLiteral("Morocco v Brazil")), qPrintable(imp.err));
    QCOMPARE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
}

void TestImport::exportReadsBackToTheSameFiles()
{
    QTemporaryDir first;
    QTemporaryDir second;
    const QString squads = QStringLiteral("--squads=") + th::openFootball("worldcup-1998/squads");
    QCOMPARE(th::runTrophex({importArg("worldcup-1998/cup.txt"), importArg("worldcup-1998/cup_finals.txt"), squads,
                      first.path()})
                 .exitCode,
             0);
    const QString text = first.filePath("export.txt");
    QCOMPARE(th::runTrophex({QStringLiteral("--export=") + text, first.path()}).exitCode, 0);
    QCOMPARE(th::runTrophex({QStringLiteral("--import=") + text, squads, second.path()}).exitCode, 0);
    QStringList files{"matchs.dat", "tour2.dat"};
    for (char g = 'A'; g <= 'H'; ++g)
        files << TournamentFiles::groupFileName(g);
    for (const QString &f : files) {
        const QByteArray a = th::readFile(first.filePath(f));
        QVERIFY2(!a.isEmpty(), qPrintable(f));
        QVERIFY2(a == th::readFile(second.filePath(f)), qPrintable(f));
    }
}

void TestImport::exportKeepsTheScorers_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("goals"); // a goals line the export must hold
    // Group A opens with 3-1 and an own goal for A2; a round-of-16 match
    // won on penalties (stored 6-5) and one won in normal time.
    QByteArray groupA = "  A1  3-1  A2\n    (Striker 10', 20'  Winger 30'; Defender 40' (o.g.))\n";
    for (const char *rest : {"A1  1-0  A3", "A1  1-0  A4", "A2  1-0  A3", "A2  1-0  A4", "A3  1-0  A4"})
        groupA += QByteArray("  ") + rest + "\n";
    QByteArray byHand = groupStage(groupA);
    byHand += "\nRound of 16\n  A1  2-2 a.e.t., 4-3 pen.  B2\n    (Striker 5', 95'; Target 50', 60')\n"
              "  B1  1-0  A2\n    (Captain 77')\n";
    QTest::newRow("own goal, shoot-out") << byHand << QStringLiteral("(Striker 0'  Striker 0'  Winger 0'; 0' (o.g.))");
    QTest::newRow("2022 group stage") << th::readFile(th::openFootball("worldcup-2022/cup.txt"))
                                      << QStringLiteral("(0' (o.g.); Hakim Zyiech 0'  Youssef En-Nesyri 0')");
}

// Export, then import the export: the same group files (squads filled by
// the scorers), match files and buteurs.dat.
void TestImport::exportKeepsTheScorers()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, goals);
    QTemporaryDir src, first, second;
    th::writeFile(src.filePath("cup.txt"), text);
    const th::Run imported = th::runTrophex({QStringLiteral("--import=") + src.filePath("cup.txt"), first.path()});
    QVERIFY2(imported.exitCode == 0, qPrintable(imported.err));
    const QString exported = src.filePath("export.txt");
    QCOMPARE(th::runTrophex({QStringLiteral("--export=") + exported, first.path()}).exitCode, 0);
    const QString written = QString::fromUtf8(th::readFile(exported));
    QVERIFY2(written.contains(goals), qPrintable(written));
    QCOMPARE(th::runTrophex({QStringLiteral("--import=") + exported, second.path()}).exitCode, 0);
    QStringList files{"matchs.dat", "tour2.dat", "buteurs.dat"};
    for (char g = 'A'; g <= 'H'; ++g)
        files << TournamentFiles::groupFileName(g);
    for (const QString &f : files)
        QVERIFY2(th::readFile(first.filePath(f)) == th::readFile(second.filePath(f)), qPrintable(f));
    QVERIFY(!th::readFile(first.filePath("buteurs.dat")).isEmpty());
}

void TestImport::squadsMustBeAFolder()
{
    QTemporaryDir src, out;
    th::writeFile(src.filePath("cup.txt"), groupStage());
    const th::Run r = th::runTrophex({QStringLiteral("--import=") + src.filePath("cup.txt"),
                           QStringLiteral("--squads=") + src.filePath("cup.txt"), out.path()});
    QCOMPARE(r.exitCode, 1);
    QVERIFY2(r.err.contains(src.filePath("cup.txt") + QStringLiteral(": not a folder")), qPrintable(r.err));
}

void TestImport::badInputNamesFileAndLine_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("where");
    QByteArray score = groupStage();
    score.replace("A1  1-0  A2", "A1  1-  A2");
    QTest::newRow("score") << score << QStringLiteral("line 13:");
    QByteArray three = groupStage();
    three.replace("Group C |  C1  C2  C3  C4", "Group C |  C1  C2  C3");
    QTest::newRow("three teams") << three << QStringLiteral("line 5: Group C has 3 teams");
    QByteArray stranger = groupStage();
    stranger.replace("B1  1-0  B2", "B1  1-0  Z9");
    QTest::newRow("team in no group") << stranger << QStringLiteral("line 21: Z9 is in no group");
    QByteArray missing = groupStage();
    missing.replace("Group H |  H1  H2  H3  H4\n", "");
    QTest::newRow("group missing") << missing << QStringLiteral("group H");
    // Group B needs no lots: B1 won every match.
    QTest::newRow("lots against the table") << groupStage() + "# lots: group B: B2 before B1\n"
                                            << QStringLiteral("line 75: B2 before B1 does not agree with the table of group B");
    QTest::newRow("lots of a stranger") << groupStage() + "# lots: group C: C1 before D2\n"
                                        << QStringLiteral("line 75: the drawing of lots must name two teams of group C");
    // Ten goals to one player in a 2-1 match; an own goal counts for the
    // side it is listed on.
    QByteArray tooMany = groupStage();
    tooMany.replace("A1  1-0  A2\n", "A1  2-1  A2\n    (Striker 1', 2', 3', 4', 5', 6', 7', 8', 9', 10')\n");
    QTest::newRow("more goals than the score")
        << tooMany << QStringLiteral("line 14: A1 v A2: the goals list holds 10 goals, more than the 3 of the score");
    QByteArray ownGoal = groupStage();
    ownGoal.replace("A1  1-0  A2\n", "A1  1-0  A2\n    (Striker 1'; Defender 2' (o.g.))\n");
    QByteArray sided = groupStage();
    sided.replace("A1  1-0  A2\n", "A1  2-1  A2\n    (Striker 1', 2', 3'; Keeper 4')\n");
    QTest::newRow("more goals than a side's score")
        << sided << QStringLiteral("line 14: A1 v A2: the goals list gives A1 3 goals, more than the 2 of the score");
    QTest::newRow("own goal beyond the score") << ownGoal << QStringLiteral("line 14: A1 v A2: the goals list gives A2 1");
    // With the shoot-out added, the stored score could not be written back.
    QTest::newRow("shoot-out beyond a score")
        << groupStage() + "\nRound of 16\n  A1  1-1 a.e.t., 999-998 pen.  B2\n"
        << QStringLiteral("line 77: A1 v B2: 1000-999 with the shoot-out");
}

void TestImport::badInputNamesFileAndLine()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, where);
    QTemporaryDir src;
    QTemporaryDir out;
    const QString file = src.filePath("cup.txt");
    th::writeFile(file, text);
    const th::Run r = th::runTrophex({QStringLiteral("--import=") + file, out.path()});
    QCOMPARE(r.exitCode, 1);
    QVERIFY2(r.err.contains(file), qPrintable(r.err));
    QVERIFY2(r.err.contains(where), qPrintable(r.err));
    QCOMPARE(QDir(out.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
}

void TestImport::lotsAreLeftToStageTwo()
{
    // Every match of group A 0-0: only lots can rank its teams.
    QByteArray groupA;
    for (int i = 1; i <= 4; ++i)
        for (int j = i + 1; j <= 4; ++j)
            groupA += "  A" + QByteArray::number(i) + "  0-0  A" + QByteArray::number(j) + "\n";
    QTemporaryDir src;
    QTemporaryDir out;
    th::writeFile(src.filePath("cup.txt"), groupStage(groupA));
    const th::Run r = th::runTrophex({QStringLiteral("--import=") + src.filePath("cup.txt"), out.path()});
    QCOMPARE(r.exitCode, 0);
    QVERIFY2(r.out.contains(QStringLiteral("drawing of lots")), qPrintable(r.out));
    const QStringList q = th::outputLines(th::runTrophex({QStringLiteral("--report"), out.path()}).out, QStringLiteral("qualifier"));
    QCOMPARE(q.value(0), QStringLiteral("qualifier\t0\t"));
    QCOMPARE(q.value(1), QStringLiteral("qualifier\t1\t"));
    QCOMPARE(q.value(2), QStringLiteral("qualifier\t2\tB1"));
}

void TestImport::lotsTravelWithTheExport()
{
    // Group A all 0-0; the lots put A3 first and A1 second, and A3 then
    // beat the runner-up of group B in the round of 16.
    QByteArray groupA;
    for (int i = 1; i <= 4; ++i)
        for (int j = i + 1; j <= 4; ++j)
            groupA += "  A" + QByteArray::number(i) + "  0-0  A" + QByteArray::number(j) + "\n";
    QTemporaryDir src;
    QTemporaryDir first;
    QTemporaryDir second;
    th::writeFile(src.filePath("cup.txt"), groupStage(groupA));
    QCOMPARE(th::runTrophex({QStringLiteral("--import=") + src.filePath("cup.txt"), first.path()}).exitCode, 0);
    QByteArray qualif = th::name21("A3") + th::name21("A1");
    for (char g = 'B'; g <= 'H'; ++g)
        qualif += th::name21(QByteArray(1, g) + "1") + th::name21(QByteArray(1, g) + "2");
    const QByteArray tour2 = th::matchRecord('1', "A3", "B2", 2, 1);
    th::writeFile(first.filePath("qualif.dat"), qualif);
    th::writeFile(first.filePath("tour2.dat"), tour2);

    const QString text = src.filePath("export.txt");
    QCOMPARE(th::runTrophex({QStringLiteral("--export=") + text, first.path()}).exitCode, 0);
    QVERIFY2(th::readFile(text).contains("\n# lots: group A: A3 before A1\n"), th::readFile(text).constData());
    QVERIFY(!th::readFile(text).contains("group B:"));
    const th::Run imp = th::runTrophex({QStringLiteral("--import=") + text, second.path()});
    QVERIFY2(imp.exitCode == 0, qPrintable(imp.err));
    QVERIFY2(!imp.out.contains(QStringLiteral("drawing of lots")), qPrintable(imp.out));
    QCOMPARE(th::readFile(second.filePath("qualif.dat")), qualif);
    QCOMPARE(th::readFile(second.filePath("tour2.dat")), tour2);
    QCOMPARE(th::readFile(second.filePath("matchs.dat")), th::readFile(first.filePath("matchs.dat")));
}

void TestImport::fullSquadNamesTheScorerLeftOut()
{
    QTemporaryDir src;
    QTemporaryDir out;
    QByteArray squad = "= A1\n";
    for (int i = 1; i <= 23; ++i)
        squad += "(" + QByteArray::number(i) + ")  MF  Player " + QByteArray::number(i) + "\n";
    QDir(src.path()).mkdir("squads");
    th::writeFile(src.filePath("squads/a1.txt"), squad);
    QByteArray text = groupStage();
    text.replace("A1  1-0  A2\n", "A1  2-0  A2\n    (Player 3 10'  Stranger 20')\n");
    th::writeFile(src.filePath("cup.txt"), text);
    const th::Run r = th::runTrophex({QStringLiteral("--import=") + src.filePath("cup.txt"),
                           QStringLiteral("--squads=") + src.filePath("squads"), out.path()});
    QCOMPARE(r.exitCode, 0);
    QVERIFY2(r.err.contains(QStringLiteral("no room in the squad of A1 for Stranger")), qPrintable(r.err));
    QCOMPARE(goalsOf(out.path(), "A1", "Player 3"), 1);
    QCOMPARE(goalsOf(out.path(), "A1", "Stranger"), -1);
    // All 23 players of the file are in the squad.
    QCOMPARE(goalsOf(out.path(), "A1", "Player 23"), 0);
}

void TestImport::namesFoldedForTheCodePage()
{
    bool ok = false;
    QCOMPARE(TournamentImport::storedName(QStringLiteral("Miroslav Đukić"), &ok).bytes(), QByteArray("Miroslav Dukic"));
    QVERIFY(ok);
    // Letters the code page holds stay as they are (ü is 0xFC, Š is 0x8A).
    QCOMPARE(TournamentImport::storedName(QStringLiteral("Šuker Müller"), &ok).bytes(), QByteArray("\x8Auker M\xFCller"));
    QVERIFY(ok);
    QCOMPARE(TournamentImport::storedName(QStringLiteral("Sergej Milinković-Savić"), &ok).bytes(),
             QByteArray("Sergej Milinkovic-Sa"));
    TournamentImport::storedName(QStringLiteral("Шевченко"), &ok);
    QVERIFY(!ok);
}

QTEST_GUILESS_MAIN(TestImport)
#include "tst_import.moc"
