#include <QtTest>

#include "files_helper.h"

#include "league/model/League.h"
#include "league/model/LeagueFile.h"

#include <QDir>
#include <QTemporaryDir>

#include <map>
#include <set>

// tabulon --fixtures run as a script would run it, its files read back
// through the league file reader.

namespace {

League load(const QString &path)
{
    League l;
    l.leagueFileName = path;
    OpenDatei(l);
    return l;
}

// Every matchday of the league holds n / 2 rows without goals, no slot
// twice, and within each half of the season every pair meets once; the
// second half has every game of the first with the venues swapped.
void checkRoundRobin(const League &l)
{
    const int n = l.teamCount;
    const int half = n % 2 == 0 ? n - 1 : n;
    std::map<std::pair<int, int>, int> games; // (home, away) -> matchday
    for (int j = 1; j <= l.roundCount; ++j) {
        std::set<int> seen;
        for (int k = 1; k <= l.rowCount(); ++k) {
            const Match &m = l.match(j, k);
            QVERIFY(m.teamA >= 1 && m.teamA <= n && m.teamB >= 1 && m.teamB <= n);
            QCOMPARE(m.goalsA, -1);
            QCOMPARE(m.goalsB, -1);
            QVERIFY(seen.insert(m.teamA).second);
            QVERIFY(seen.insert(m.teamB).second);
            if (j <= 2 * half)
                games[{m.teamA, m.teamB}] = j;
        }
    }
    if (l.roundCount < 2 * half)
        return;
    QCOMPARE(int(games.size()), n * (n - 1));
    for (const auto &[pair, day] : games) {
        const int back = games.at({pair.second, pair.first});
        QCOMPARE(back, day <= half ? day + half : day - half);
    }
}

} // namespace

class TestFixturesCommand : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void createsALeagueOfNamedTeams();
    void defaultLeagueAndPrintedSeed();
    void sameSeedSameFile();
    void datesFromStartAndDays();
    void refusesToReplaceUnlessForced();
    void forceKeepsMatchdaysWithResults();
    void reshapesAnExistingLeague();
    void refusesToShrinkOverEntries();
    void moreMatchdaysThanTheDoubleRoundRobin();
    void badArguments_data();
    void badArguments();
    void unreadableOrUnwritableLeague();

private:
    QTemporaryDir m_dir;
    QString path(const char *name) const { return m_dir.filePath(QLatin1String(name)); }
};

void TestFixturesCommand::createsALeagueOfNamedTeams()
{
    const QString file = path("neu.T98");
    const Run r = runTabulon({"--fixtures", "--teams=5", "--seed=0", file});
    QCOMPARE(r.err, QByteArray());
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.out, (file + ": Spielplan für 5 Mannschaften und 10 Spieltage, --seed=0\n").toUtf8());
    const QByteArray bytes = readAll(file);
    QVERIFY(bytes.startsWith("[Options]\r\nTitle=Tabulon '98\r\nTeams=5\r\nRounds=10\r\n"));
    QVERIFY(bytes.contains("[Teams]\r\n1=Team 1\r\n2=Team 2\r\n3=Team 3\r\n4=Team 4\r\n5=Team 5\r\n[Team1]"));
    const League l = load(file);
    QCOMPARE(l.teamCount, 5);
    QCOMPARE(l.roundCount, 10);
    QCOMPARE(l.dates(1), RoundDates{});
    checkRoundRobin(l);
}

void TestFixturesCommand::defaultLeagueAndPrintedSeed()
{
    const QString file = path("standard.T98");
    const Run r = runTabulon({"--fixtures", file});
    QCOMPARE(r.exitCode, 0);
    const League l = load(file);
    QCOMPARE(l.teamCount, 18);
    QCOMPARE(l.roundCount, 34);
    QCOMPARE(l.teamNames[18], QStringLiteral("Team 18"));
    checkRoundRobin(l);

    // The seed it drew is printed; typed again it repeats the draw.
    const QByteArray out = r.out.trimmed();
    const QByteArray seed = out.mid(out.lastIndexOf("--seed=") + 7);
    QVERIFY2(seed.toUInt() >= 1, out);
    const QString again = path("wieder.T98");
    QCOMPARE(runTabulon({"--fixtures", "--seed=" + QString::fromLatin1(seed), again}).exitCode, 0);
    QCOMPARE(readAll(again), readAll(file));
}

void TestFixturesCommand::sameSeedSameFile()
{
    const QString a = path("a.T98"), b = path("b.T98"), c = path("c.T98"), plain = path("plain.T98");
    QCOMPARE(runTabulon({"--fixtures", "--teams=12", "--seed=123456789", a}).exitCode, 0);
    QCOMPARE(runTabulon({"--fixtures", "--teams=12", "--seed=123456789", b}).exitCode, 0);
    QCOMPARE(runTabulon({"--fixtures", "--teams=12", "--seed=987654321", c}).exitCode, 0);
    QCOMPARE(runTabulon({"--fixtures", "--teams=12", "--seed=0", plain}).exitCode, 0);
    QCOMPARE(readAll(a), readAll(b));
    QVERIFY(readAll(a) != readAll(c));

    // A draw only renumbers the slots: each drawn league is the plain one
    // with slot s played by some other slot, the same on every matchday.
    const League drawn = load(a), base = load(plain);
    std::map<int, int> as;
    for (int j = 1; j <= 22; ++j)
        for (int k = 1; k <= 6; ++k)
            for (auto [from, to] : {std::pair{base.match(j, k).teamA, drawn.match(j, k).teamA},
                                    std::pair{base.match(j, k).teamB, drawn.match(j, k).teamB}}) {
                auto [it, fresh] = as.emplace(from, to);
                QCOMPARE(it->second, to);
            }
    std::set<int> images;
    for (const auto &m : as)
        images.insert(m.second);
    QCOMPARE(int(images.size()), 12);
}

void TestFixturesCommand::datesFromStartAndDays()
{
    const QString file = path("termine.T98");
    QCOMPARE(runTabulon({"--fixtures", "--teams=4", "--seed=7", "--start=1.8.2026", "--days=3", file}).exitCode, 0);
    const League l = load(file);
    const QStringList expected{"01.08.2026", "04.08.2026", "07.08.2026", "10.08.2026", "13.08.2026", "16.08.2026"};
    QCOMPARE(l.roundCount, 6);
    for (int j = 1; j <= 6; ++j) {
        QCOMPARE(l.dates(j).dateFrom, expected[j - 1]);
        QCOMPARE(l.dates(j).dateTo, expected[j - 1]);
    }
    // Without --days a week lies between matchdays.
    QCOMPARE(runTabulon({"--fixtures", "--force", "--seed=7", "--start=30.12.2026", file}).exitCode, 0);
    QCOMPARE(load(file).dates(2).dateFrom, QStringLiteral("06.01.2027"));

    // The last matchday would fall after 31.12.9999, a date no league file
    // holds: refused before anything is written.
    const QByteArray before = readAll(file);
    const Run late = runTabulon({"--fixtures", "--force", "--seed=7", "--start=1.1.9999", "--days=100", file});
    QCOMPARE(late.exitCode, 1);
    QCOMPARE(QString::fromUtf8(late.err), file + ": Spieltag 6 läge nach dem 31.12.9999.\n");
    QCOMPARE(readAll(file), before);
    // The last day that a year of four digits holds is taken.
    QCOMPARE(runTabulon({"--fixtures", "--force", "--seed=7", "--start=11.12.9999", "--days=4", file}).exitCode, 0);
    QCOMPARE(load(file).dates(6).dateFrom, QStringLiteral("31.12.9999"));
}

void TestFixturesCommand::refusesToReplaceUnlessForced()
{
    const QString file = path("belegt.T98");
    QCOMPARE(runTabulon({"--fixtures", "--teams=6", "--seed=1", file}).exitCode, 0);
    const QByteArray before = readAll(file);
    const Run r = runTabulon({"--fixtures", "--seed=2", file});
    QCOMPARE(r.exitCode, 1);
    QCOMPARE(r.out, QByteArray());
    QCOMPARE(r.err, (file + ": 10 von 10 Spieltagen enthalten bereits Paarungen oder Ergebnisse; mit --force "
                            "werden die Paarungen ersetzt, Spieltage mit Ergebnissen bleiben unverändert.\n")
                        .toUtf8());
    QCOMPARE(readAll(file), before);

    // One pairing on one matchday is enough to ask, and the text says so.
    League l;
    l.reshape(6, 10);
    l.match(4, 2) = Match{3, 0, -1, -1};
    l.leagueFileName = path("eins.T98");
    SaveDatei(l);
    const Run one = runTabulon({"--fixtures", l.leagueFileName});
    QCOMPARE(one.exitCode, 1);
    QVERIFY2(one.err.contains(": 1 von 10 Spieltagen enthält bereits"), one.err);

    const Run forced = runTabulon({"--fixtures", "--force", "--seed=2", file});
    QCOMPARE(forced.exitCode, 0);
    QVERIFY(readAll(file) != before);
    checkRoundRobin(load(file));
}

void TestFixturesCommand::forceKeepsMatchdaysWithResults()
{
    // A season drawn, two matchdays played, then drawn anew.
    const QString file = path("gespielt.T98");
    QCOMPARE(runTabulon({"--fixtures", "--seed=11", file}).exitCode, 0);
    League l = load(file);
    for (int k = 1; k <= 9; ++k) {
        l.match(1, k).goalsA = k % 3;
        l.match(1, k).goalsB = 1;
        l.match(20, k).goalsA = 0;
        l.match(20, k).goalsB = k % 2;
    }
    l.dates(20).dateFrom = QStringLiteral("22.01.2027");
    SaveDatei(l);

    const Run r = runTabulon({"--fixtures", "--force", "--seed=3", "--start=08.08.2026", file});
    QCOMPARE(r.exitCode, 0);
    QVERIFY2(r.out.endsWith("\nSpieltage mit Ergebnissen unverändert: 1, 20\n"), r.out);
    const League after = load(file);
    for (int j : {1, 20}) {
        for (int k = 1; k <= 9; ++k)
            QCOMPARE(after.match(j, k), l.match(j, k));
        QCOMPARE(after.dates(j), l.dates(j));
    }
    // Each half still has every pair meet once, the played games included.
    for (int first : {1, 18}) {
        std::set<std::pair<int, int>> pairs;
        for (int j = first; j < first + 17; ++j)
            for (int k = 1; k <= 9; ++k) {
                const Match &m = after.match(j, k);
                QVERIFY(pairs.insert({std::min(m.teamA, m.teamB), std::max(m.teamA, m.teamB)}).second);
            }
        QCOMPARE(int(pairs.size()), 153);
    }
    // Every other matchday is the new list, dated from the start.
    QCOMPARE(after.dates(2).dateFrom, QStringLiteral("15.08.2026"));
    QCOMPARE(after.dates(34).dateFrom, QStringLiteral("27.03.2027"));

    // One game and a stray goal cannot carry a half: the draw is refused
    // with the reason and the file stays as it was.
    League thin;
    for (int i = 1; i <= 18; ++i)
        thin.teamNames[i] = QStringLiteral("Klub %1").arg(i);
    thin.match(1, 1) = Match{7, 8, 2, 2};
    thin.match(3, 9) = Match{0, 0, -1, 0};
    thin.leagueFileName = path("duenn.T98");
    SaveDatei(thin);
    const QByteArray before = readAll(thin.leagueFileName);
    const Run refused = runTabulon({"--fixtures", "--force", "--seed=3", thin.leagueFileName});
    QCOMPARE(refused.exitCode, 1);
    QVERIFY2(refused.err.startsWith((thin.leagueFileName + ": Klub 1 hat in der Hinrunde noch 17 Gegner").toUtf8()),
             refused.err);
    QCOMPARE(readAll(thin.leagueFileName), before);
}

void TestFixturesCommand::reshapesAnExistingLeague()
{
    League l;
    for (int i = 1; i <= 18; ++i)
        l.teamNames[i] = QStringLiteral("Klub %1").arg(i);
    l.leagueFileName = path("wachsen.T98");
    SaveDatei(l);

    // More teams: the double round robin of twenty, the old names kept and
    // the new slots named like a new league's.
    QCOMPARE(runTabulon({"--fixtures", "--teams=20", "--seed=9", l.leagueFileName}).exitCode, 0);
    League after = load(l.leagueFileName);
    QCOMPARE(after.teamCount, 20);
    QCOMPARE(after.roundCount, 38);
    QCOMPARE(after.rowCount(), 10);
    QCOMPARE(after.teamNames[18], QStringLiteral("Klub 18"));
    QCOMPARE(after.teamNames[19], QStringLiteral("Team 19"));
    QCOMPARE(after.teamNames[20], QStringLiteral("Team 20"));
    checkRoundRobin(after);

    // --rounds alone keeps the team count.
    QCOMPARE(runTabulon({"--fixtures", "--force", "--rounds=41", "--seed=9", l.leagueFileName}).exitCode, 0);
    after = load(l.leagueFileName);
    QCOMPARE(after.teamCount, 20);
    QCOMPARE(after.roundCount, 41);
    checkRoundRobin(after);

    // An odd count with its own matchdays and a rest day every matchday.
    const QString odd = path("ungerade.T98");
    QCOMPARE(runTabulon({"--fixtures", "--teams=9", "--rounds=9", odd}).exitCode, 0);
    after = load(odd);
    QCOMPARE(after.teamCount, 9);
    QCOMPARE(after.roundCount, 9);
    QCOMPARE(after.rowCount(), 4);
    checkRoundRobin(after);
}

void TestFixturesCommand::refusesToShrinkOverEntries()
{
    const QString file = path("schrumpfen.T98");
    QCOMPARE(runTabulon({"--fixtures", "--seed=5", file}).exitCode, 0);
    const QByteArray before = readAll(file);
    // Slots 17 and 18 are on the list, with --force as well.
    for (const QStringList &extra : {QStringList{}, QStringList{"--force"}}) {
        const Run r = runTabulon(QStringList{"--fixtures", "--teams=16", "--rounds=34"} + extra + QStringList{file});
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err.startsWith((file + ": Die Liga kann nicht auf 16 Mannschaften verkleinert werden: ").toUtf8()),
                 r.err);
        QCOMPARE(readAll(file), before);
    }
    // Fewer matchdays than the list fills are refused the same way.
    const Run r = runTabulon({"--fixtures", "--force", "--rounds=30", file});
    QCOMPARE(r.exitCode, 1);
    QCOMPARE(r.err, (file + ": Die Liga kann nicht auf 30 Spieltage verkürzt werden: Spieltag 31 enthält "
                            "Paarungen oder Ergebnisse.\n")
                        .toUtf8());
    QCOMPARE(readAll(file), before);

    // An empty league shrinks freely, and its nameless slots are named like
    // a new league's; a slot with a name keeps it.
    const QString empty = path("leer.T98");
    League l;
    l.teamNames[2] = QStringLiteral("Klub 2");
    l.leagueFileName = empty;
    SaveDatei(l);
    QCOMPARE(runTabulon({"--fixtures", "--teams=6", empty}).exitCode, 0);
    const League after = load(empty);
    QCOMPARE(after.teamCount, 6);
    QCOMPARE(after.teamNames[1], QStringLiteral("Team 1"));
    QCOMPARE(after.teamNames[2], QStringLiteral("Klub 2"));
    QCOMPARE(after.teamNames[6], QStringLiteral("Team 6"));
}

void TestFixturesCommand::moreMatchdaysThanTheDoubleRoundRobin()
{
    // Forty matchdays of eighteen teams: the third half starts over with the
    // first half's games and venues.
    const QString file = path("lang.T98");
    QCOMPARE(runTabulon({"--fixtures", "--rounds=40", "--seed=11", file}).exitCode, 0);
    const League l = load(file);
    QCOMPARE(l.roundCount, 40);
    for (int j = 35; j <= 40; ++j)
        for (int k = 1; k <= 9; ++k)
            QCOMPARE(l.match(j, k), l.match(j - 34, k));
    for (int k = 1; k <= 9; ++k)
        QCOMPARE(l.match(18, k), (Match{l.match(1, k).teamB, l.match(1, k).teamA, -1, -1}));
}

void TestFixturesCommand::badArguments_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("problem");
    const QString f = QStringLiteral("liga.T98");
    QTest::newRow("one team") << QStringList{"--fixtures", "--teams=1", f} << "--teams must be a team count from 2 to 24";
    QTest::newRow("25 teams") << QStringList{"--fixtures", "--teams=25", f} << "--teams must be";
    QTest::newRow("teams text") << QStringList{"--fixtures", "--teams=x", f} << "--teams must be";
    QTest::newRow("teams sign") << QStringList{"--fixtures", "--teams=+6", f} << "--teams must be";
    QTest::newRow("teams empty") << QStringList{"--fixtures", "--teams=", f} << "--teams needs a value";
    QTest::newRow("no rounds") << QStringList{"--fixtures", "--rounds=0", f} << "--rounds must be a number of matchdays from 1 to 99";
    QTest::newRow("100 rounds") << QStringList{"--fixtures", "--rounds=100", f} << "--rounds must be";
    QTest::newRow("negative seed") << QStringList{"--fixtures", "--seed=-1", f} << "--seed must be a seed from 0 to 999999999";
    QTest::newRow("ten digits") << QStringList{"--fixtures", "--seed=1000000000", f} << "--seed must be";
    QTest::newRow("no date") << QStringList{"--fixtures", "--start=31.02.2026", f} << "--start must be a date DD.MM.YYYY";
    QTest::newRow("two-digit year") << QStringList{"--fixtures", "--start=01.08.26", f} << "--start must be";
    QTest::newRow("year before 1000") << QStringList{"--fixtures", "--start=01.08.0999", f} << "--start must be";
    QTest::newRow("days alone") << QStringList{"--fixtures", "--days=3", f} << "--days needs --start";
    QTest::newRow("no days") << QStringList{"--fixtures", "--start=01.08.2026", "--days=0", f} << "--days must be a number of days from 1 to 365";
    QTest::newRow("force value") << QStringList{"--fixtures", "--force=1", f} << "--force takes no value";
    QTest::newRow("twice") << QStringList{"--fixtures", "--teams=6", "--teams=8", f} << "--teams given twice";
    QTest::newRow("unknown") << QStringList{"--fixtures", "--team=6", f} << "unknown option --team=6";
    QTest::newRow("no league") << QStringList{"--fixtures", "--teams=6"} << "missing league file";
    QTest::newRow("two leagues") << QStringList{"--fixtures", f, "b.T98"} << "only one league file";
    QTest::newRow("old file") << QStringList{"--fixtures", "alt.tn3"} << "convert an old .tn3 file first";
}

void TestFixturesCommand::badArguments()
{
    QFETCH(QStringList, args);
    QFETCH(QString, problem);
    QTemporaryDir work;
    const Run r = runTabulon(args, work.path());
    QCOMPARE(r.exitCode, 2);
    QVERIFY2(r.err.startsWith("tabulon: "), r.err);
    QVERIFY2(r.err.left(r.err.indexOf('\n')).contains(problem.toUtf8()), r.err);
    QVERIFY(r.err.contains("--fixtures [--teams=N]"));
    QCOMPARE(r.out, QByteArray());
    // Nothing is created on a wrong command line.
    QCOMPARE(QDir(work.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
}

void TestFixturesCommand::unreadableOrUnwritableLeague()
{
    const QString folder = path("ordner.T98");
    QVERIFY(QDir().mkpath(folder));
    Run r = runTabulon({"--fixtures", folder});
    QCOMPARE(r.exitCode, 1);
    QVERIFY2(r.err.startsWith(("Datei " + folder + " kann nicht geöffnet werden").toUtf8()), r.err);

    const QString missing = path("fehlt/liga.T98");
    r = runTabulon({"--fixtures", missing});
    QCOMPARE(r.exitCode, 1);
    QCOMPARE(r.err, ("Kann nicht nach " + missing + " schreiben\n").toUtf8());
    QVERIFY(!QFileInfo::exists(missing));

    // --help lists the command.
    const Run help = runTabulon({"--help"});
    QVERIFY(help.out.contains("--fixtures [--teams=N] [--rounds=N] [--seed=N] [--start=DD.MM.YYYY]"));
}

QTEST_GUILESS_MAIN(TestFixturesCommand)
#include "tst_fixtures_command.moc"
