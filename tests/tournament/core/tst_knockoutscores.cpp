#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "common/FootballTxt.h"
#include "tournament/format/FormatCorrections.h"
#include "tournament/format/FormatExport.h"
#include "tournament/format/FormatFiles.h"
#include "tournament/format/FormatImport.h"
#include "tournament/format/FormatPlaces.h"
#include "tournament/model/KnockoutScore.h"
#include "tournament_helper.h"

namespace {

FormatTournament imported(const QString &format, const QStringList &files)
{
    FormatTournament t;
    t.format = FormatFile::load(format).format;
    QStringList paths;
    for (const QString &f : files)
        paths << th::openFootball(f);
    const FormatImport::Result r = FormatImport::importFiles(t, paths, QString());
    if (!r.ok)
        qWarning() << r.error;
    return t;
}

const FormatStandings::Slot &slot(const FormatTournament &t, const FormatStandings &s, int number)
{
    return s.bracket[size_t(t.format.indexOf(number))];
}

int groupMatch(const FormatTournament &t, const QString &a, const QString &b)
{
    for (size_t i = 0; i < t.groupMatches.size(); ++i)
        if (t.teamName(t.groupMatches[i].team1) == a && t.teamName(t.groupMatches[i].team2) == b)
            return int(i);
    return -1;
}

const FormatKnockoutMatch *knockout(const FormatTournament &t, int number)
{
    for (const FormatKnockoutMatch &k : t.knockout)
        if (k.number == number)
            return &k;
    return nullptr;
}

} // namespace

class TestKnockoutScores : public QObject
{
    Q_OBJECT

private slots:
    void partsAndText_data();
    void partsAndText();
    void typedResultApplies_data();
    void typedResultApplies();
    void correctedGroupResultMovesAThird();
    void correctedKnockoutResultResetsWhatRestedOnIt();
    void storedPartsSurviveExportAndImport();
    void olderDataFilesStillRead();
    void finalRankingAndChampionLine();
};

void TestKnockoutScores::partsAndText_data()
{
    QTest::addColumn<QList<int>>("parts"); // after 90 minutes, after extra time, the kicks; -1 for none
    QTest::addColumn<bool>("decided");
    QTest::addColumn<int>("total1");
    QTest::addColumn<int>("total2");
    QTest::addColumn<QString>("text");
    QTest::newRow("shoot-out after extra time") << QList<int>{1, 1, 2, 2, 4, 3} << true << 6 << 5
                                                << QStringLiteral("2-2 a.e.t. (1-1), 4-3 pen.");
    QTest::newRow("won in extra time") << QList<int>{0, 0, 1, 0, -1, -1} << true << 1 << 0
                                       << QStringLiteral("1-0 a.e.t. (0-0)");
    QTest::newRow("shoot-out without extra time") << QList<int>{1, 1, -1, -1, 5, 4} << true << 6 << 5
                                                  << QStringLiteral("1-1, 5-4 pen.");
    QTest::newRow("90 minutes unknown") << QList<int>{-1, -1, 2, 2, 3, 4} << true << 5 << 6
                                        << QStringLiteral("2-2 a.e.t., 3-4 pen.");
    QTest::newRow("extra time after a winner") << QList<int>{2, 1, 3, 1, -1, -1} << false << 0 << 0 << QString();
    QTest::newRow("fewer goals after extra time") << QList<int>{2, 2, 1, 2, -1, -1} << false << 0 << 0 << QString();
    QTest::newRow("shoot-out after a winner") << QList<int>{1, 1, 2, 1, 4, 3} << false << 0 << 0 << QString();
    QTest::newRow("level shoot-out") << QList<int>{1, 1, 1, 1, 4, 4} << false << 0 << 0 << QString();
    QTest::newRow("level after extra time") << QList<int>{1, 1, 2, 2, -1, -1} << false << 0 << 0 << QString();
    QTest::newRow("half a part") << QList<int>{1, 1, 2, -1, -1, -1} << false << 0 << 0 << QString();
}

void TestKnockoutScores::partsAndText()
{
    QFETCH(QList<int>, parts);
    QFETCH(bool, decided);
    QFETCH(int, total1);
    QFETCH(int, total2);
    QFETCH(QString, text);
    const KnockoutScore k{parts[0], parts[1], parts[2], parts[3], parts[4], parts[5]};
    QCOMPARE(k.decided(), decided);
    if (!decided)
        return;
    QCOMPARE(k.total1(), total1);
    QCOMPARE(k.total2(), total2);
    QCOMPARE(k.text(), text);
    QVERIFY(k.fits(total1, total2));
    QCOMPARE(k.swapped().total1(), total2);
    // The text is Football.TXT's own form: the reader gives the parts back.
    const FootballTxt::ReadResult read = FootballTxt::read("= Cup\n\nFinal\n  A  " + text.toUtf8() + "  B\n");
    QVERIFY2(read.ok, qPrintable(text));
    QCOMPARE(knockoutParts(read.document.stages.first().rounds.first().matches.first()), k);
}

void TestKnockoutScores::typedResultApplies_data()
{
    QTest::addColumn<QList<int>>("typed"); // after 90 minutes, after extra time, the kicks; -1 for blank
    QTest::addColumn<bool>("partsKept");
    QTest::addColumn<bool>("malformed");
    QTest::addColumn<QList<int>>("applied"); // the stored score, then the goals the scorers account for
    QTest::newRow("won in 90 minutes") << QList<int>{2, 1, -1, -1, -1, -1} << false << false << QList<int>{2, 1, 2, 1};
    QTest::newRow("level in 90 minutes, nothing more") << QList<int>{1, 1, -1, -1, -1, -1} << false << false
                                                        << QList<int>{1, 1, 1, 1};
    QTest::newRow("won in extra time") << QList<int>{1, 1, 2, 1, -1, -1} << true << false << QList<int>{2, 1, 2, 1};
    QTest::newRow("kicks after extra time") << QList<int>{1, 1, 2, 2, 4, 3} << true << false
                                            << QList<int>{6, 5, 2, 2};
    QTest::newRow("kicks after 90 minutes") << QList<int>{0, 0, -1, -1, 5, 4} << true << false
                                            << QList<int>{5, 4, 0, 0};
    // Still level: it stands, for the checks to ask for the kicks.
    QTest::newRow("level after extra time") << QList<int>{1, 1, 2, 2, -1, -1} << true << false
                                            << QList<int>{2, 2, 2, 2};
    // Out of the game's order the plain score stays, the parts kept to refuse.
    QTest::newRow("extra time after a winner") << QList<int>{2, 1, 3, 1, -1, -1} << true << true
                                               << QList<int>{2, 1, 2, 1};
    QTest::newRow("half a shoot-out") << QList<int>{1, 1, -1, -1, 3, -1} << true << true << QList<int>{1, 1, 1, 1};
    QTest::newRow("fewer goals after extra time") << QList<int>{2, 2, 1, 1, 4, 2} << true << true
                                                  << QList<int>{2, 2, 2, 2};
}

void TestKnockoutScores::typedResultApplies()
{
    QFETCH(QList<int>, typed);
    QFETCH(bool, partsKept);
    QFETCH(bool, malformed);
    QFETCH(QList<int>, applied);
    const KnockoutScore k{typed[0], typed[1], typed[2], typed[3], typed[4], typed[5]};
    const TypedKnockoutResult r = typedResult(k);
    QCOMPARE(r.parts, partsKept ? k : KnockoutScore{});
    QCOMPARE(r.malformed(), malformed);
    QCOMPARE((QList<int>{r.score1, r.score2, r.goals1, r.goals2}), applied);
}

// The 2026 group stage as played: Senegal's 5-0 against Iraq puts Senegal
// (3 points, 8-6) eighth of the thirds, ahead of Iran (3 points, 3-3). As
// 2-0 Senegal's goal difference falls to -1 and Iran takes the last place
// at the cut, group I's order staying France, Norway, Senegal, Iraq. The
// qualified groups change from BDEFIJKL (row EJBDIFLK over matches 79 85 81
// 74 82 77 87 80) to BDEFGJKL (row EGBDJFLK): Iran, third of G, goes to
// match 85 and Algeria, third of J, from 85 to 82.
void TestKnockoutScores::correctedGroupResultMovesAThird()
{
    FormatTournament t = imported(QStringLiteral("world2026"),
                                  {QStringLiteral("worldcup-2026/cup.txt"), QStringLiteral("worldcup-2026/cup_finals.txt")});
    QCOMPARE(t.knockout.size(), size_t(32));
    FormatStandings before = rankFormat(t);
    QCOMPARE(t.teamName(slot(t, before, 82).team2), QStringLiteral("Senegal"));
    QCOMPARE(t.teamName(slot(t, before, 85).team2), QStringLiteral("Algeria"));

    const int index = groupMatch(t, QStringLiteral("Senegal"), QStringLiteral("Iraq"));
    QVERIFY(index >= 0);
    FormatTournament preview = t;
    std::vector<int> dropped;
    QVERIFY(FormatCorrections::correctGroupMatch(preview, size_t(index), 2, 0, &dropped));
    // Every played match that rested on 82 or 85 goes: the round of 16 match
    // of their winners, and on to the final, as far as those winners went.
    QVERIFY(std::find(dropped.begin(), dropped.end(), 82) != dropped.end());
    QVERIFY(std::find(dropped.begin(), dropped.end(), 85) != dropped.end());
    QVERIFY(std::find(dropped.begin(), dropped.end(), 73) == dropped.end());
    QVERIFY(FormatCorrections::describe(t, dropped).contains(QStringLiteral("match 82 (Belgium v Senegal)")));

    const FormatStandings after = rankFormat(preview);
    QCOMPARE(t.teamName(slot(preview, after, 85).team1), QStringLiteral("Switzerland"));
    QCOMPARE(t.teamName(slot(preview, after, 85).team2), QStringLiteral("Iran"));
    QCOMPARE(t.teamName(slot(preview, after, 82).team2), QStringLiteral("Algeria"));
    QCOMPARE(t.teamName(slot(preview, after, 74).team2), QStringLiteral("Paraguay"));
    QVERIFY(!slot(preview, after, 85).result);
    QVERIFY(slot(preview, after, 73).result); // untouched matches stay played
    // What stays reads back as a whole tournament.
    FormatTournament back;
    back.format = preview.format;
    const FormatFiles::Load load = FormatFiles::decode(back, FormatFiles::encode(preview), QStringLiteral("data"));
    QVERIFY2(load.ok, qPrintable(load.error));

    // Out of range: nothing changes.
    FormatTournament same = t;
    QVERIFY(!FormatCorrections::correctGroupMatch(same, t.groupMatches.size(), 1, 0, nullptr));
    QVERIFY(!FormatCorrections::correctGroupMatch(same, 0, -1, 0, nullptr));
    QCOMPARE(FormatFiles::encode(same), FormatFiles::encode(t));
}

// Round of 32 match 74: Germany 1-1 a.e.t., 3-4 pen. Paraguay. Turned
// round, Germany goes on: match 89 (W74 v W77) was Paraguay v France and
// goes; France won it and went on through 97 (W89 v W90) to the semi-final
// 101 (W97 v W98), lost to Spain, so 101, the final 104 (W101 v W102) and
// the match for third place 103 (L101 v L102) go as well.
void TestKnockoutScores::correctedKnockoutResultResetsWhatRestedOnIt()
{
    FormatTournament t = imported(QStringLiteral("world2026"),
                                  {QStringLiteral("worldcup-2026/cup.txt"), QStringLiteral("worldcup-2026/cup_finals.txt")});
    const FormatKnockoutMatch *k = knockout(t, 74);
    QVERIFY(k);
    QCOMPARE(k->parts.text(), QStringLiteral("1-1 a.e.t. (1-1), 3-4 pen."));
    QCOMPARE(k->score1, 4);
    QCOMPARE(k->score2, 5);

    // The same winner after another shoot-out: nothing else changes.
    FormatTournament same = t;
    std::vector<int> dropped{1};
    QVERIFY(FormatCorrections::correctKnockoutMatch(same, 74, 3, 5, {1, 1, 1, 1, 2, 4}, &dropped));
    QVERIFY(dropped.empty());
    QCOMPARE(knockout(same, 74)->parts.text(), QStringLiteral("1-1 a.e.t. (1-1), 2-4 pen."));

    // Parts that do not add up, a level score: refused, nothing changes.
    QVERIFY(!FormatCorrections::correctKnockoutMatch(same, 74, 3, 4, {1, 1, 1, 1, 2, 4}, nullptr));
    QVERIFY(!FormatCorrections::correctKnockoutMatch(same, 74, 2, 2, {}, nullptr));
    QVERIFY(!FormatCorrections::correctKnockoutMatch(same, 1, 2, 1, {}, nullptr));

    FormatTournament other = t;
    QVERIFY(FormatCorrections::correctKnockoutMatch(other, 74, 2, 1, {}, &dropped));
    QCOMPARE(dropped, (std::vector<int>{89, 97, 101, 103, 104}));
    const FormatStandings s = rankFormat(other);
    QCOMPARE(t.teamName(slot(other, s, 74).winner), QStringLiteral("Germany"));
    QCOMPARE(t.teamName(slot(other, s, 89).team1), QStringLiteral("Germany"));
    QCOMPARE(t.teamName(slot(other, s, 89).team2), QStringLiteral("France"));
    QCOMPARE(s.champion, -1);
    QVERIFY(!knockout(other, 74)->parts.isSet());
    QVERIFY(knockout(other, 73));
}

// The knock-out matches keep how they were decided: through the data file,
// the Football.TXT export and an import of it, and in the report.
void TestKnockoutScores::storedPartsSurviveExportAndImport()
{
    QTemporaryDir dir;
    const QString first = dir.filePath(QStringLiteral("first"));
    const QString second = dir.filePath(QStringLiteral("second"));
    const th::Run in = th::runTrophex({QStringLiteral("--import=") + th::openFootball(QStringLiteral("worldcup-2022/cup.txt")),
                            QStringLiteral("--import=") + th::openFootball(QStringLiteral("worldcup-2022/cup_finals.txt")),
                            QStringLiteral("--format=world2006"), first});
    QVERIFY2(in.exitCode == 0, qPrintable(in.err));
    const QString text = dir.filePath(QStringLiteral("export.txt"));
    QCOMPARE(th::runTrophex({QStringLiteral("--export=") + text, first}).exitCode, 0);
    QFile exported(text);
    QVERIFY(exported.open(QIODevice::ReadOnly));
    const QString written = QString::fromUtf8(exported.readAll());
    // The final: 3-3 after extra time (2-2 after 90 minutes), 4-2 on penalties.
    QVERIFY2(written.contains(QStringLiteral("Argentina  3-3 a.e.t. (2-2), 4-2 pen.  France")), qPrintable(written));
    QVERIFY(th::runTrophex({QStringLiteral("--import=") + text, QStringLiteral("--format=world2006"), second}).exitCode == 0);

    const th::Run a = th::runTrophex({QStringLiteral("--report"), first});
    const th::Run b = th::runTrophex({QStringLiteral("--report"), second});
    QCOMPARE(b.out, a.out);
    QCOMPARE(th::outputLines(a.out, QStringLiteral("knockout")).last(),
             QStringLiteral("knockout\t64\tFinal\tArgentina\tFrance\t7\t5\t3-3 a.e.t. (2-2), 4-2 pen."));
    // A match decided in 90 minutes has no added field.
    QVERIFY(th::outputLines(a.out, QStringLiteral("knockout")).first().count(QLatin1Char('\t')) == 6);

    QFile stored(first + QStringLiteral("/tournament.data"));
    QVERIFY(stored.open(QIODevice::ReadOnly));
    QVERIFY(stored.readAll().contains("knockout\t64\tArgentina\tFrance\t7\t5\t2-2\t3-3\t4-2\n"));
}

// A data file written before the parts were kept, and the faults of the
// added fields.
void TestKnockoutScores::olderDataFilesStillRead()
{
    FormatTournament t = imported(QStringLiteral("world2026"),
                                  {QStringLiteral("worldcup-2026/cup.txt"), QStringLiteral("worldcup-2026/cup_finals.txt")});
    QByteArray bytes = FormatFiles::encode(t);
    const QByteArray full = "knockout\t74\tGermany\tParaguay\t4\t5\t1-1\t1-1\t3-4\n";
    QVERIFY(bytes.contains(full));
    FormatTournament older;
    older.format = t.format;
    QByteArray withoutParts = bytes;
    withoutParts.replace(full, "knockout\t74\tGermany\tParaguay\t4\t5\n");
    QVERIFY(FormatFiles::decode(older, withoutParts, QStringLiteral("data")).ok);
    QVERIFY(!knockout(older, 74)->parts.isSet());
    QCOMPARE(knockout(older, 74)->score2, 5);

    for (const QByteArray &bad : {QByteArray("knockout\t74\tGermany\tParaguay\t4\t5\t1-1\t1-1\t2-4\n"),
                                  QByteArray("knockout\t74\tGermany\tParaguay\t4\t5\t1-1\t1-1\n"),
                                  QByteArray("knockout\t74\tGermany\tParaguay\t4\t5\t1:1\t1-1\t3-4\n")}) {
        QByteArray faulty = bytes;
        faulty.replace(full, bad);
        FormatTournament r;
        r.format = t.format;
        const FormatFiles::Load load = FormatFiles::decode(r, faulty, QStringLiteral("data"));
        QVERIFY2(!load.ok, bad.constData());
        QVERIFY2(load.error.startsWith(QStringLiteral("data: line ")), qPrintable(load.error));
    }
}

void TestKnockoutScores::finalRankingAndChampionLine()
{
    const FormatTournament wc = imported(QStringLiteral("world2026"),
                                         {QStringLiteral("worldcup-2026/cup.txt"), QStringLiteral("worldcup-2026/cup_finals.txt")});
    QCOMPARE(FormatPlaces::championLine(wc.format), QStringLiteral("The World Cup 2026 champion is"));
    const QStringList wcPlaces = FormatPlaces::finalRanking(wc, rankFormat(wc));
    QCOMPARE(wcPlaces.size(), 4);
    QCOMPARE(wcPlaces.first(), QStringLiteral("1-Spain"));
    QCOMPARE(wcPlaces[1], QStringLiteral("2-Argentina"));
    QCOMPARE(wcPlaces[2], QStringLiteral("3-England")); // 6-4 against France
    QCOMPARE(wcPlaces[3], QStringLiteral("4-France"));

    // Euro 2024 has no match for third place: the beaten semi-finalists,
    // France (against Spain) and the Netherlands (against England), share it.
    FormatTournament euro;
    euro.format = FormatFile::load(QStringLiteral("euro2020")).format;
    QVERIFY(FormatImport::importFiles(euro, {th::openFootball(QStringLiteral("euro-2024/euro.txt"))}, QString()).ok);
    QCOMPARE(FormatPlaces::finalRanking(euro, rankFormat(euro)),
             (QStringList{"1-Spain", "2-England", "3-France", "3-Netherlands"}));
}

QTEST_GUILESS_MAIN(TestKnockoutScores)
#include "tst_knockoutscores.moc"
