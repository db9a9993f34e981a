#include <QtTest>

#include "files_helper.h"

#include "league/model/League.h"
#include "league/model/LeagueFile.h"

#include <QTemporaryDir>

// The headless export and print of a league with its own ranking rules:
// the reasons of the places, the tables after a matchday, and the usage
// of both options.

namespace {

// Four teams, one round, ranked with the games among teams level on
// points first. Slots 1 and 2 end on 6 points, slot 1 with 6:1, slot 2
// with 2:1, but slot 2 won their game; slots 3 and 4 end on 3 points and
// 1:4, and slot 4 won theirs.
League twoPairs()
{
    League l;
    l.reshape(4, 3);
    for (int i = 1; i <= 4; ++i)
        l.teamNames[i] = QStringLiteral("Verein %1").arg(i);
    l.match(1, 1) = Match{2, 1, 1, 0};
    l.match(1, 2) = Match{4, 3, 1, 0};
    l.match(2, 1) = Match{1, 3, 3, 0};
    l.match(2, 2) = Match{2, 4, 1, 0};
    l.match(3, 1) = Match{1, 4, 3, 0};
    l.match(3, 2) = Match{3, 2, 1, 0};
    l.tieOrder = TieOrder::DirectThenGoals;
    return l;
}

QList<QByteArray> linesOf(const QByteArray &bytes)
{
    QList<QByteArray> lines = bytes.split('\n');
    for (QByteArray &l : lines)
        l.chop(l.endsWith('\r') ? 1 : 0);
    return lines;
}

// The rows of the three tables in file order: the lines that start with a
// place number.
QList<QByteArray> tableRows(const QByteArray &text)
{
    QList<QByteArray> rows;
    for (const QByteArray &line : linesOf(text))
        if (line.size() > 3 && line[2] == ' ' && line[1] >= '1' && line[1] <= '9')
            rows << line;
    return rows;
}

} // namespace

class TestRulesCommand : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void explainGivesTheReasonOfEveryPlace();
    void tablesAfterAMatchday();
    void wrongUsage_data();
    void wrongUsage();
    void printedTablesAfterAMatchday();

private:
    Run exportTables(const QStringList &extra, const QString &league, const QString &out);
    QTemporaryDir m_dir;
    QString m_league;
};

void TestRulesCommand::initTestCase()
{
    QVERIFY(m_dir.isValid());
    League l = twoPairs();
    m_league = m_dir.filePath(QStringLiteral("paare.T98"));
    l.leagueFileName = m_league;
    SaveDatei(l);
}

Run TestRulesCommand::exportTables(const QStringList &extra, const QString &league, const QString &out)
{
    return runTabulon(QStringList{QStringLiteral("--export=tables"), QStringLiteral("--format=txt"),
                                  QStringLiteral("--output=") + out}
                      + extra + QStringList{league});
}

void TestRulesCommand::explainGivesTheReasonOfEveryPlace()
{
    const QString plainFile = m_dir.filePath(QStringLiteral("plain.txt"));
    const QString explainedFile = m_dir.filePath(QStringLiteral("explained.txt"));
    QCOMPARE(exportTables({}, m_league, plainFile).exitCode, 0);
    const Run r = exportTables({QStringLiteral("--explain")}, m_league, explainedFile);
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.err, QByteArray());

    const QList<QByteArray> plain = tableRows(readAll(plainFile));
    const QList<QByteArray> explained = tableRows(readAll(explainedFile));
    QCOMPARE(plain.size(), 12);
    QCOMPARE(explained.size(), 12);
    // League table: 2 over 1 and 4 over 3 by their games. Home table: 1
    // and 2 have two home wins each, 3 and 4 one; each pair's one home game
    // among them was won by the home side, slot 2 and slot 4. Away table:
    // all without a point; in the away games among all four, 1 and 2 lost
    // by one goal, 3 and 4 by four; among 1 and 2 only slot 1 played away,
    // and lost; the same for slot 3 among 3 and 4.
    const QStringList teams{"2", "1", "4", "3", "2", "1", "4", "3", "2", "1", "4", "3"};
    const QStringList reasons{"",
                              "direkter Vergleich: Punkte",
                              "Punkte",
                              "direkter Vergleich: Punkte",
                              "",
                              "direkter Vergleich: Punkte",
                              "Punkte",
                              "direkter Vergleich: Punkte",
                              "",
                              "direkter Vergleich: Tordifferenz",
                              "direkter Vergleich: Tordifferenz",
                              "direkter Vergleich: Tordifferenz"};
    for (int i = 0; i < 12; ++i) {
        QVERIFY2(plain[i].startsWith(QByteArray::number(i % 4 + 1).rightJustified(2) + " Verein "
                                     + teams[i].toLatin1()),
                 plain[i].constData());
        const QByteArray tail = reasons[i].isEmpty() ? QByteArray() : "   " + reasons[i].toLatin1();
        QCOMPARE(explained[i], plain[i] + tail);
    }
    // Everything but the rows stays as it is.
    QCOMPARE(linesOf(readAll(explainedFile)).size(), linesOf(readAll(plainFile)).size());
}

void TestRulesCommand::tablesAfterAMatchday()
{
    // After matchday 1 slots 2 and 4 have won 1:0 and 1 and 3 lost 0:1;
    // neither pair has met, so slot order decides within both.
    const QString after = m_dir.filePath(QStringLiteral("nach1.txt"));
    const Run r = exportTables({QStringLiteral("--matchday=1"), QStringLiteral("--explain")}, m_league, after);
    QCOMPARE(r.exitCode, 0);
    const QList<QByteArray> rows = tableRows(readAll(after));
    QVERIFY(rows[0].startsWith(" 1 Verein 2 "));
    QVERIFY(rows[1].startsWith(" 2 Verein 4 "));
    QVERIFY(rows[1].endsWith("   Reihenfolge der Mannschaften"));
    QVERIFY(rows[2].startsWith(" 3 Verein 1 "));
    QVERIFY(rows[2].endsWith("   Punkte"));
    QVERIFY(rows[3].startsWith(" 4 Verein 3 "));

    // The same bytes as the export of the league without the later goals.
    League cut = twoPairs();
    for (int j = 2; j <= 3; ++j)
        for (int k = 1; k <= 2; ++k)
            cut.match(j, k).goalsA = cut.match(j, k).goalsB = -1;
    cut.leagueFileName = m_dir.filePath(QStringLiteral("cut.T98"));
    SaveDatei(cut);
    const QString cutOut = m_dir.filePath(QStringLiteral("cut.txt"));
    QCOMPARE(exportTables({QStringLiteral("--explain")}, cut.leagueFileName, cutOut).exitCode, 0);
    QCOMPARE(readAll(after), readAll(cutOut));

    const QString htmlAfter = m_dir.filePath(QStringLiteral("nach1.html"));
    const QString htmlCut = m_dir.filePath(QStringLiteral("cut.html"));
    QCOMPARE(runTabulon({"--export=tables", "--format=html", "--matchday=1", "--output=" + htmlAfter, m_league})
                 .exitCode,
             0);
    QCOMPARE(runTabulon({"--export=tables", "--format=html", "--output=" + htmlCut, cut.leagueFileName}).exitCode,
             0);
    QCOMPARE(readAll(htmlAfter), readAll(htmlCut));
}

void TestRulesCommand::wrongUsage_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("message");
    QTest::newRow("explain with rtf") << QStringList{"--export=tables", "--format=rtf", "--explain"}
                                      << "--explain belongs to --export=tables --format=txt or html only";
    QTest::newRow("explain of the cross table") << QStringList{"--export=cross", "--format=txt", "--explain"}
                                                << "--explain belongs to --export=tables --format=txt or html only";
    QTest::newRow("form in a text") << QStringList{"--export=tables", "--format=txt", "--form"}
                                    << "--form and --movement belong to --export=tables --format=html only";
    QTest::newRow("movement of the cross table") << QStringList{"--export=cross", "--format=html", "--movement"}
                                                 << "--form and --movement belong to --export=tables --format=html only";
    QTest::newRow("explain with a value") << QStringList{"--export=tables", "--format=txt", "--explain=1"}
                                          << "--explain takes no value";
    QTest::newRow("matchday of the matchdays") << QStringList{"--export=matchdays", "--format=txt", "--matchday=2"}
                                               << "--matchday belongs to --export=tables only";
    QTest::newRow("matchday 0") << QStringList{"--export=tables", "--format=txt", "--matchday=0"}
                                << "--matchday must be a matchday from 1 to 99";
    QTest::newRow("matchday text") << QStringList{"--export=tables", "--format=txt", "--matchday=erster"}
                                   << "--matchday must be a matchday from 1 to 99";
    // The league has three matchdays.
    QTest::newRow("matchday beyond the league") << QStringList{"--export=tables", "--format=txt", "--matchday=4"}
                                                << "--matchday must be a matchday from 1 to 3";
    QTest::newRow("print after matchday 0") << QStringList{"--matchday=0"}
                                            << "--matchday must be a matchday from 1 to 99";
    QTest::newRow("print beyond the league") << QStringList{"--matchday=4"}
                                             << "--matchday must be a matchday from 1 to 3";
}

void TestRulesCommand::wrongUsage()
{
    QFETCH(QStringList, args);
    QFETCH(QString, message);
    const QString out = m_dir.filePath(QStringLiteral("falsch.out"));
    const bool print = !args.first().startsWith("--export");
    const QStringList command = print ? QStringList{"--print-pdf=" + out} + args + QStringList{m_league}
                                      : args + QStringList{"--output=" + out, m_league};
    const Run r = runTabulon(command);
    QCOMPARE(r.exitCode, 2);
    QVERIFY2(r.err.contains(message.toUtf8()), r.err.constData());
    QVERIFY(!QFile::exists(out));
}

void TestRulesCommand::printedTablesAfterAMatchday()
{
    const QString pdf = m_dir.filePath(QStringLiteral("nach2.pdf"));
    const Run r = runTabulon({"--print-pdf=" + pdf, "--tables", "--matchday=2", m_league});
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.err, QByteArray());
    QVERIFY(readAll(pdf).startsWith("%PDF"));
}

QTEST_GUILESS_MAIN(TestRulesCommand)
#include "tst_rules_command.moc"
