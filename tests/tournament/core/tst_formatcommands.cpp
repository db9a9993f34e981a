#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "tournament_helper.h"

namespace {

bool write(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

} // namespace

class TestFormatCommands : public QObject
{
    Q_OBJECT

private slots:
    void listsTheFormats();
    void importChoosesByGroupsAndReports();
    void importOfAnotherBracketNamesTheFormat();
    void groupStageLeavesTheDecisionOpen();
    void createAnyFormat();
    void createRefusals_data();
    void createRefusals();
    void classicFolderStaysClassic();
};

void TestFormatCommands::listsTheFormats()
{
    const th::Run r = th::runTrophex({QStringLiteral("--formats")});
    QCOMPARE(r.exitCode, 0);
    // Each shipped file's "name" line, read here from the file itself.
    QStringList keys;
    for (const QString &line : r.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QStringList f = line.split(QLatin1Char('\t'));
        QCOMPARE(f.size(), 3);
        keys << f[0];
        QFile file(QStringLiteral(TEST_SOURCE_DIR "/tournament/format/formats/") + f[0] + QStringLiteral(".format"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        const qsizetype at = text.indexOf(QLatin1String("\nname"));
        QCOMPARE(f[1], text.mid(at + 5, text.indexOf(QLatin1Char('\n'), at + 1) - at - 5).trimmed());
    }
    QCOMPARE(keys, (QStringList{"world1998", "world2006", "world2026", "euro2020", "euro2016", "world1986", "euro2000"}));
}

void TestFormatCommands::importChoosesByGroupsAndReports()
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("euro2000"));
    const th::Run imported = th::runTrophex({QStringLiteral("--import=") + th::openFootball(QStringLiteral("euro-2000/euro.txt")), folder});
    QCOMPARE(imported.exitCode, 0);
    QVERIFY2(imported.err.contains(QStringLiteral("4 groups: the format euro2000 (Euro 2000)")), qPrintable(imported.err));
    QVERIFY(QFile::exists(folder + QStringLiteral("/tournament.format")));
    QVERIFY(!QFile::exists(folder + QStringLiteral("/groupeA.dat")));

    const th::Run report = th::runTrophex({QStringLiteral("--report"), folder});
    QCOMPARE(report.exitCode, 0);
    const QStringList all = report.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(all.first(), QStringLiteral("format\tEuro 2000"));
    QCOMPARE(th::outputLines(report.out, QStringLiteral("group")).size(), 16);
    QVERIFY(th::outputLines(report.out, QStringLiteral("third")).isEmpty());
    // Euro 2000, group A, three points a win: Portugal 3 wins (9 points, 7:2),
    // Romania 1 win 1 draw (4, 4:4), England 1 win (3, 5:6), Germany 1 draw
    // (1, 1:5).
    QCOMPARE(th::outputLines(report.out, QStringLiteral("group")).mid(0, 4),
             (QStringList{"group\tA\t1\tPortugal\t3\t9\t7\t2", "group\tA\t2\tRomania\t3\t4\t4\t4",
                          "group\tA\t3\tEngland\t3\t3\t5\t6", "group\tA\t4\tGermany\t3\t1\t1\t5"}));
    // The bracket of the format file, the matches as the file gives them;
    // a match beyond 90 minutes says how it was decided: Portugal - France
    // and the final went to a golden goal, Italy - Netherlands to penalties.
    QCOMPARE(th::outputLines(report.out, QStringLiteral("knockout")),
             (QStringList{"knockout\t25\tQuarter-finals\tPortugal\tTurkey\t2\t0",
                          "knockout\t26\tQuarter-finals\tItaly\tRomania\t2\t0",
                          "knockout\t27\tQuarter-finals\tSpain\tFrance\t1\t2",
                          "knockout\t28\tQuarter-finals\tNetherlands\tYugoslavia\t6\t1",
                          "knockout\t29\tSemi-finals\tPortugal\tFrance\t1\t2\t1-2 a.e.t.",
                          "knockout\t30\tSemi-finals\tItaly\tNetherlands\t3\t1\t0-0 a.e.t., 3-1 pen.",
                          "knockout\t31\tFinal\tFrance\tItaly\t2\t1\t2-1 a.e.t."}));
    QCOMPARE(all.last(), QStringLiteral("champion\tFrance"));

    // Exported and imported again, the tournament is the same.
    const QString text = dir.filePath(QStringLiteral("euro2000.txt"));
    QCOMPARE(th::runTrophex({QStringLiteral("--export=") + text, folder}).exitCode, 0);
    const QString again = dir.filePath(QStringLiteral("again"));
    QCOMPARE(th::runTrophex({QStringLiteral("--import=") + text, QStringLiteral("--format=euro2000"), again}).exitCode, 0);
    QCOMPARE(th::runTrophex({QStringLiteral("--report"), again}).out, report.out);
}

void TestFormatCommands::importOfAnotherBracketNamesTheFormat()
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("w2022"));
    const QStringList files{QStringLiteral("--import=") + th::openFootball(QStringLiteral("worldcup-2022/cup.txt")),
                            QStringLiteral("--import=") + th::openFootball(QStringLiteral("worldcup-2022/cup_finals.txt"))};
    const th::Run refused = th::runTrophex(files + QStringList{folder});
    QCOMPARE(refused.exitCode, 1);
    QVERIFY2(refused.err.contains(QStringLiteral("8 groups: the format world1998")), qPrintable(refused.err));
    QVERIFY2(refused.err.contains(QStringLiteral("cup_finals.txt: line ")), qPrintable(refused.err));
    QVERIFY2(refused.err.contains(QStringLiteral("Croatia v Brazil does not fit the bracket")), qPrintable(refused.err));
    QVERIFY2(refused.err.trimmed().endsWith(QStringLiteral("use --format=world2006")), qPrintable(refused.err));
    QVERIFY(!QFileInfo::exists(folder));

    const th::Run taken = th::runTrophex(files + QStringList{QStringLiteral("--format=world2006"), folder});
    QCOMPARE(taken.exitCode, 0);
    const th::Run report = th::runTrophex({QStringLiteral("--report"), folder});
    QCOMPARE(th::outputLines(report.out, QStringLiteral("champion")), QStringList{"champion\tArgentina"});
    // The final: 3-3 after extra time, 4-2 on penalties, stored as 7-5.
    QCOMPARE(th::outputLines(report.out, QStringLiteral("knockout")).last(), QStringLiteral("knockout\t64\tFinal\tArgentina\tFrance\t7\t5\t3-3 a.e.t. (2-2), 4-2 pen."));
}

void TestFormatCommands::groupStageLeavesTheDecisionOpen()
{
    QTemporaryDir dir;
    QFile whole(th::openFootball(QStringLiteral("euro-2024/euro.txt")));
    QVERIFY(whole.open(QIODevice::ReadOnly));
    const QByteArray all = whole.readAll();
    const QString groups = dir.filePath(QStringLiteral("groups.txt"));
    QVERIFY(write(groups, all.left(all.indexOf("# Knockout phase"))));
    const QString folder = dir.filePath(QStringLiteral("e24"));
    const th::Run r = th::runTrophex({QStringLiteral("--import=") + groups, folder});
    QCOMPARE(r.exitCode, 0);
    QVERIFY2(r.out.contains(QStringLiteral("Group C: Slovenia, Denmark are level on every rule; their order is to be decided.")),
             qPrintable(r.out));
    const th::Run report = th::runTrophex({QStringLiteral("--report"), folder});
    // Until decided, no third goes on and the places of 2C and the third
    // of group C stay empty: match 37 is 1A v 2C.
    for (const QString &l : th::outputLines(report.out, QStringLiteral("third")))
        QVERIFY2(l.endsWith(QStringLiteral("\tno")), qPrintable(l));
    QCOMPARE(th::outputLines(report.out, QStringLiteral("knockout")).first(), QStringLiteral("knockout\t37\tRound of 16\tGermany\t\t\t"));

    // The whole file decides it by the knock-out matches.
    const QString decided = dir.filePath(QStringLiteral("decided"));
    const th::Run w = th::runTrophex({QStringLiteral("--import=") + th::openFootball(QStringLiteral("euro-2024/euro.txt")), decided});
    QCOMPARE(w.exitCode, 0);
    QVERIFY2(w.err.contains(QStringLiteral("Group C: Denmark and Slovenia are level on every rule; the knock-out matches put "
                                           "Denmark before Slovenia")),
             qPrintable(w.err));
    QCOMPARE(th::outputLines(th::runTrophex({QStringLiteral("--report"), decided}).out, QStringLiteral("champion")), QStringList{"champion\tSpain"});
}

void TestFormatCommands::createAnyFormat()
{
    QTemporaryDir dir;
    QByteArray text;
    for (char g = 'A'; g <= 'D'; ++g) {
        text += QByteArray("group ") + g + "\n";
        for (int i = 1; i <= 4; ++i)
            text += QByteArray("team Équipe ") + g + QByteArray::number(i) + " | f" + g + QByteArray::number(i) + "\n";
    }
    text += "player Ünal Çelik\n";
    const QString file = dir.filePath(QStringLiteral("t.txt"));
    QVERIFY(write(file, text));
    const QString folder = dir.filePath(QStringLiteral("new"));
    const th::Run r = th::runTrophex({QStringLiteral("--create=") + file, QStringLiteral("--format=euro2000"), folder});
    QCOMPARE(r.exitCode, 0);
    const th::Run report = th::runTrophex({QStringLiteral("--report"), folder});
    QCOMPARE(th::outputLines(report.out, QStringLiteral("group")).first(), QStringLiteral("group\tA\t1\tÉquipe A1\t0\t0\t0\t0"));
    QCOMPARE(th::outputLines(report.out, QStringLiteral("knockout")).size(), 7);
    QCOMPARE(th::outputLines(report.out, QStringLiteral("knockout")).first(), QStringLiteral("knockout\t25\tQuarter-finals\t\t\t\t"));
    QVERIFY(th::outputLines(report.out, QStringLiteral("champion")).isEmpty());

    // The example's text is called tournament.txt; created in its own
    // folder, the tournament's files never take the place of what it read.
    const QString inPlace = dir.filePath(QStringLiteral("inplace"));
    QVERIFY(QDir().mkpath(inPlace));
    const QString input = inPlace + QStringLiteral("/tournament.txt");
    QVERIFY(write(input, text));
    QCOMPARE(th::runTrophex({QStringLiteral("--create=") + input, QStringLiteral("--format=euro2000"), inPlace}).exitCode, 0);
    QFile kept(input);
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), text);

    // A user's own format file is taken wherever a name is.
    const QString own = dir.filePath(QStringLiteral("mini.format"));
    QVERIFY(write(own, "name Mini Cup\ngroups 2\nwin 2\norder goals\nthirds 0\n"
                       "match 1 1A 2B\nmatch 2 1B 2A\nmatch 3 W1 W2\n"));
    QByteArray two;
    for (char g = 'A'; g <= 'B'; ++g) {
        two += QByteArray("group ") + g + "\n";
        for (int i = 1; i <= 4; ++i)
            two += QByteArray("team T") + g + QByteArray::number(i) + " | t\n";
    }
    QVERIFY(write(file, two));
    QCOMPARE(th::runTrophex({QStringLiteral("--create=") + file, QStringLiteral("--format=") + own, folder}).exitCode, 0);
    const th::Run mini = th::runTrophex({QStringLiteral("--report"), folder});
    QCOMPARE(mini.out.section(QLatin1Char('\n'), 0, 0), QStringLiteral("format\tMini Cup"));
    QCOMPARE(th::outputLines(mini.out, QStringLiteral("knockout")).last(), QStringLiteral("knockout\t3\tFinal\t\t\t\t"));
}

void TestFormatCommands::createRefusals_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("error");
    QTest::newRow("too few groups") << QByteArray("group A\nteam a | a\nteam b | b\nteam c | c\nteam d | d\n")
                                    << "euro2000" << "line 5: the file ends after group A; the format Euro 2000 needs groups A to D";
    QTest::newRow("empty group") << QByteArray("group A\ngroup B\n") << "euro2000"
                                             << "line 1: group A has 0 teams";
    QTest::newRow("unknown format") << QByteArray("group A\n") << "world2030" << "world2030: no such format";
    QByteArray squad("group A\nteam a | a\n");
    for (int i = 1; i <= 27; ++i)
        squad += "player P" + QByteArray::number(i) + "\n";
    QTest::newRow("27 players") << squad << "euro2000" << "line 29: the team \"a\" already has 26 players";
    // A "%1" in a name stays text, also with numbers put in after it.
    QByteArray percent("group A\nteam a%1 | a\n");
    for (int i = 1; i <= 27; ++i)
        percent += "player P" + QByteArray::number(i) + "\n";
    QTest::newRow("27 players of a%1") << percent << "euro2000" << "line 29: the team \"a%1\" already has 26 players";
}

void TestFormatCommands::createRefusals()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, format);
    QFETCH(QString, error);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("t.txt"));
    QVERIFY(write(file, text));
    const QString folder = dir.filePath(QStringLiteral("out"));
    const th::Run r = th::runTrophex({QStringLiteral("--create=") + file, QStringLiteral("--format=") + format, folder});
    QCOMPARE(r.exitCode, 1);
    QVERIFY2(r.err.contains(error), qPrintable(r.err));
    QVERIFY(!QFileInfo::exists(folder));
}

void TestFormatCommands::classicFolderStaysClassic()
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("w"));
    // First a tournament of another format, then the classic 1998 one into
    // the same folder: the folder reads as the classic tournament again.
    QCOMPARE(th::runTrophex({QStringLiteral("--import=") + th::openFootball(QStringLiteral("euro-2000/euro.txt")), folder}).exitCode, 0);
    const th::Run r = th::runTrophex({QStringLiteral("--import=") + th::openFootball(QStringLiteral("worldcup-1998/cup.txt")),
                           QStringLiteral("--import=") + th::openFootball(QStringLiteral("worldcup-1998/cup_finals.txt")), folder});
    QCOMPARE(r.exitCode, 0);
    QVERIFY2(r.err.contains(QStringLiteral("8 groups: the format world1998")), qPrintable(r.err));
    QVERIFY(!QFile::exists(folder + QStringLiteral("/tournament.format")));
    QVERIFY(!QFile::exists(folder + QStringLiteral("/tournament.data")));
    const th::Run report = th::runTrophex({QStringLiteral("--report"), folder});
    QCOMPARE(report.exitCode, 0);
    QVERIFY(th::outputLines(report.out, QStringLiteral("format")).isEmpty());
    QCOMPARE(th::outputLines(report.out, QStringLiteral("qualifier")).size(), 16);
}

QTEST_GUILESS_MAIN(TestFormatCommands)
#include "tst_formatcommands.moc"
