#include <QTemporaryDir>
#include <QtTest>

#include "tournament/commands/TournamentCommands.h"
#include "tournament/exchange/TournamentExport.h"
#include "tournament/group/Ranking.h"
#include "tournament/group/ResultEntry.h"
#include "tournament/group/Statistics.h"
#include "tournament/knockout/Bracket.h"
#include "tournament/knockout/Corrections.h"
#include "tournament/model/TournamentFiles.h"
#include "tournament_helper.h"

namespace {

QString name(char group, int place)
{
    return QStringLiteral("%1%2").arg(QLatin1Char(group)).arg(place);
}

// All 48 group matches, each group ending 1, 2, 3, 4 (the first team wins
// 5-a to 0). Group A goes through the entry page with its scorers noted, so
// that its matches can be corrected with their goals; A1's first player
// scores each of A1's goals.
void playGroupStage(Tournament &t)
{
    for (char g = 'A'; g <= 'H'; ++g)
        for (int a = 1; a <= 4; ++a)
            for (int b = a + 1; b <= 4; ++b) {
                if (g != 'A') {
                    th::play(t, name(g, a).toLatin1().constData(), name(g, b).toLatin1().constData(), 5 - a, 0);
                    continue;
                }
                ResultEntry e;
                e.groupText = QStringLiteral("A");
                e.team1Text = name(g, a);
                e.team2Text = name(g, b);
                e.score1 = 5 - a;
                for (int k = 0; k < 5 - a; ++k)
                    e.scorers1 << name(g, a) + QStringLiteral("p1");
                QVERIFY(storeGroupMatch(t, e));
            }
    t.qualifies = calcule_qualifies(t.groupes, t.liste_matchs);
}

// The stage-2 match of that code as the entry page records it: the first
// team of the bracket wins 1-0 (its first player scoring), or the second
// 0-1; parts, when given, say how it was decided and give the score.
ResultEntry stage2Entry(Tournament &t, char code, bool firstWins = true, const KnockoutScore &parts = {})
{
    deriveBracket(t);
    const auto [a, b] = teamsOfMatch(t, code);
    ResultEntry e;
    if (!a || !b)
        return e;
    e.team1Text = a->name.text();
    e.team2Text = b->name.text();
    e.score1 = firstWins ? 1 : 0;
    e.score2 = firstWins ? 0 : 1;
    if (parts.isSet()) {
        e.parts = parts;
        e.score1 = parts.total1();
        e.score2 = parts.total2();
    }
    for (int k = 0; k < (parts.isSet() ? parts.goals1() : e.score1); ++k)
        e.scorers1 << a->name.text() + QStringLiteral("p1");
    for (int k = 0; k < (parts.isSet() ? parts.goals2() : e.score2); ++k)
        e.scorers2 << b->name.text() + QStringLiteral("p1");
    return e;
}

void playStage2(Tournament &t, char code, bool firstWins = true, const KnockoutScore &parts = {})
{
    const ResultEntry e = stage2Entry(t, code, firstWins, parts);
    t.code_match = code;
    QVERIFY(storeStage2Match(t, e).recorded);
    deriveBracket(t);
}

QByteArray codes(const std::vector<TRencontre> &matches)
{
    QByteArray out;
    for (const TRencontre &m : matches)
        out += m.code;
    return out;
}

int goalsOf(const Tournament &t, const QString &team)
{
    const TEquipe *e = t.cherche_equipe(ShortName::fromText(team));
    return e ? e->squad[0].goals : -1;
}

} // namespace

Q_DECLARE_METATYPE(KnockoutScore)

class TestKnockoutParts : public QObject
{
    Q_OBJECT

private slots:
    void stage2CheckCountsGoalsNotKicks_data();
    void stage2CheckCountsGoalsNotKicks();
    void finalOnPenaltiesKeepsItsParts();
    void classicFilesKeepTheMergedScore();
    void correctedGroupResultMovesTheBracket();
    void correctedKnockoutResult();
};

void TestKnockoutParts::stage2CheckCountsGoalsNotKicks_data()
{
    QTest::addColumn<KnockoutScore>("parts");
    QTest::addColumn<int>("scorers1");
    QTest::addColumn<int>("scorers2");
    QTest::addColumn<int>("answer");
    const KnockoutScore shootout{1, 1, 2, 2, 4, 3};
    QTest::newRow("every goal named") << shootout << 2 << 2 << int(EntryAnswer::Confirm);
    QTest::newRow("an own goal") << shootout << 1 << 2 << int(EntryAnswer::OwnGoal);
    QTest::newRow("kicks named as goals") << shootout << 6 << 5 << int(EntryAnswer::WrongEntries);
    QTest::newRow("level after the shoot-out") << KnockoutScore{1, 1, 1, 1, 3, 3} << 1 << 1 << int(EntryAnswer::Penalties);
    QTest::newRow("level after extra time") << KnockoutScore{1, 1, 2, 2, -1, -1} << 2 << 2 << int(EntryAnswer::Penalties);
    QTest::newRow("extra time after a winner") << KnockoutScore{2, 1, 3, 1, -1, -1} << 3 << 1 << int(EntryAnswer::WrongEntries);
}

void TestKnockoutParts::stage2CheckCountsGoalsNotKicks()
{
    QFETCH(KnockoutScore, parts);
    QFETCH(int, scorers1);
    QFETCH(int, scorers2);
    QFETCH(int, answer);
    Tournament t;
    th::fillTournament(t);
    ResultEntry e;
    e.team1Text = QStringLiteral("A1");
    e.team2Text = QStringLiteral("B2");
    e.parts = parts;
    e.score1 = parts.wellFormed() ? parts.total1() : parts.regular1;
    e.score2 = parts.wellFormed() ? parts.total2() : parts.regular2;
    for (int k = 0; k < scorers1; ++k)
        e.scorers1 << QStringLiteral("A1p1");
    for (int k = 0; k < scorers2; ++k)
        e.scorers2 << QStringLiteral("B2p1");
    QCOMPARE(int(checkStage2Entry(t, e)), answer);
}

// A final drawn 1-1, 2-2 after extra time and won 4-3 on penalties: the
// files keep 6-5, buteurs.dat how it came about; the export writes it so,
// the kicks are no goals in the averages.
void TestKnockoutParts::finalOnPenaltiesKeepsItsParts()
{
    QTemporaryDir dir;
    th::writeGroups(dir.path());
    Tournament t;
    QVERIFY(loadGroups(t, dir.path()));
    playGroupStage(t);
    for (char c : {'1', '2', '3', '4', '5', '6', '7', '8', 'A', 'B', 'C', 'D', 'F', 'G'})
        playStage2(t, c);
    const KnockoutScore shootout{1, 1, 2, 2, 4, 3};
    playStage2(t, 'Z', true, shootout);
    QVERIFY(saveAll(t, dir.path()).ok);

    const TRencontre *final = stage2Match(t, 'Z');
    QVERIFY(final);
    QCOMPARE(final->score1, 6);
    QCOMPARE(final->score2, 5);
    const QByteArray tour2 = th::readFile(dir.filePath(QStringLiteral("tour2.dat")));
    QVERIFY(tour2.contains(th::matchRecord('Z', final->team1.bytes(), final->team2.bytes(), 6, 5)));

    Tournament back;
    QVERIFY(loadGroups(back, dir.path()));
    QVERIFY(loadMatches(back, dir.path()).ok);
    QVERIFY(loadStage2(back, dir.path()).ok);
    loadScorers(back, dir.path());
    QCOMPARE(stage2Parts(back, *stage2Match(back, 'Z')), shootout);
    QVERIFY(!stage2Parts(back, *stage2Match(back, 'F')).isSet());

    const TournamentExport::Result text = TournamentExport::write(back);
    QVERIFY(text.ok);
    const QString final1 = final->team1.text(), final2 = final->team2.text();
    QVERIFY2(text.bytes.contains((final1 + QStringLiteral("  2-2 a.e.t. (1-1), 4-3 pen.  ") + final2).toUtf8()),
             text.bytes.constData());

    // The champion A1 (B1 beaten in the final) scored 12 goals in its three
    // group matches and one in each of '1', 'A' and 'F': with the final's two
    // goals 17 in 7 matches, "2,4"; its six with the kicks would make "3,0".
    const TEquipe *champion = back.cherche_equipe(ShortName("A1"));
    QCOMPARE(final1, QStringLiteral("A1"));
    QCOMPARE(moy_buts(champion, back.liste_tour2, back.matchGoals), QStringLiteral("2,4"));
    QCOMPARE(moy_buts(champion, back.liste_tour2), QStringLiteral("3,0"));
}

// The same tournament with the final entered with its parts, and as before
// with the kicks typed into the score: every classic file is the same byte
// for byte; buteurs.dat differs by the one record that keeps the parts.
void TestKnockoutParts::classicFilesKeepTheMergedScore()
{
    QTemporaryDir parted, merged;
    for (const QTemporaryDir *d : {&parted, &merged}) {
        th::writeGroups(d->path());
        Tournament t;
        QVERIFY(loadGroups(t, d->path()));
        playGroupStage(t);
        for (char c : {'1', '2', '3', '4', '5', '6', '7', '8', 'A', 'B', 'C', 'D', 'F', 'G'})
            playStage2(t, c);
        if (d == &parted) {
            playStage2(t, 'Z', false, KnockoutScore{0, 0, -1, -1, 3, 5});
        } else {
            ResultEntry e = stage2Entry(t, 'Z', false);
            e.score1 = 3;
            e.score2 = 5;
            e.scorers2.clear();
            t.code_match = 'Z';
            QVERIFY(storeStage2Match(t, e).recorded);
        }
        QVERIFY(saveAll(t, d->path()).ok);
    }
    QStringList files{QStringLiteral("matchs.dat"), QStringLiteral("tour2.dat")};
    for (char g = 'A'; g <= 'H'; ++g)
        files << TournamentFiles::groupFileName(g);
    for (const QString &f : files)
        QVERIFY2(th::readFile(parted.filePath(f)) == th::readFile(merged.filePath(f)), qPrintable(f));
    const QByteArray a = th::readFile(parted.filePath(QStringLiteral("buteurs.dat")));
    const QByteArray b = th::readFile(merged.filePath(QStringLiteral("buteurs.dat")));
    QCOMPARE(a.size(), b.size() + TournamentFiles::ScorerRecordSize);
    // The added record: 'K', 'Z', the teams, 'S', then 0-0, no extra time, 3-5.
    QByteArray record;
    for (qsizetype at = 0; at < a.size(); at += TournamentFiles::ScorerRecordSize)
        if (a.at(at) == 'K' && a.at(at + 1) == 'Z' && a.at(at + 44) == 'S')
            record = a.mid(at, TournamentFiles::ScorerRecordSize);
    QCOMPARE(record.size(), TournamentFiles::ScorerRecordSize);
    QCOMPARE(record.mid(2, 42), th::name21("A1") + th::name21("B1"));
    QCOMPARE(record.mid(45, 12), QByteArray::fromHex("00000000ffffffff03000500"));
}

// Group A ends A1, A2, A3, A4. Corrected, A1 4-0 A2 becomes 0-4: A2 wins
// all three and A1 two, so A2 is first and A1 second. Match '1' (winner A v
// runner-up B) is then A2 v B2, and '2' (winner B v runner-up A) B1 v A1:
// both played, they go, and so does quarter-final 'A', which drew on '1';
// '3' and '4' stay.
void TestKnockoutParts::correctedGroupResultMovesTheBracket()
{
    Tournament t;
    th::fillTournament(t);
    playGroupStage(t);
    for (char c : {'1', '2', '3', '4', 'A'})
        playStage2(t, c);
    t.phase2 = true;
    QCOMPARE(goalsOf(t, QStringLiteral("A1")), 12 + 1 + 1); // group, '1' and 'A'

    ResultEntry e;
    e.groupText = QStringLiteral("A");
    e.team1Text = QStringLiteral("A1");
    e.team2Text = QStringLiteral("A2");
    e.score1 = 0;
    e.score2 = 4;
    e.scorers2 = QStringList(4, QStringLiteral("A2p1"));
    const int index = 0; // A1 v A2 was the first match
    QCOMPARE(t.liste_matchs[0].team2, ShortName("A2"));
    QCOMPARE(codes(resetByGroupCorrection(t, index, e)), QByteArray("12A"));
    QCOMPARE(t.liste_tour2.size(), size_t(5)); // the question changed nothing

    t.modifie = false;
    const CorrectionResult r = TournamentCommands::correctGroupMatch(t, index, e, false, QString());
    QVERIFY(r.done);
    QCOMPARE(codes(r.reset), QByteArray("12A"));
    QCOMPARE(t.liste_matchs[0].score1, 0);
    QCOMPARE(t.liste_matchs[0].score2, 4);
    QCOMPARE(t.groupes[0].teams[0]->name, ShortName("A2"));
    QCOMPARE(t.groupes[0].teams[1]->name, ShortName("A1"));
    QCOMPARE(t.groupes[0].teams[0]->points, 9);
    QCOMPARE(t.qualifies[0]->name, ShortName("A2"));
    QCOMPARE(t.qualifies[1]->name, ShortName("A1"));
    auto [x, y] = teamsOfMatch(t, '1');
    QCOMPARE(x->name, ShortName("A2"));
    QCOMPARE(y->name, ShortName("B2"));
    std::tie(x, y) = teamsOfMatch(t, '2');
    QCOMPARE(x->name, ShortName("B1"));
    QCOMPARE(y->name, ShortName("A1"));
    QVERIFY(stage2Match(t, '3') && stage2Match(t, '4') && !stage2Match(t, 'A'));
    // A1 keeps the goals of its other group matches only; A2 gains four.
    QCOMPARE(goalsOf(t, QStringLiteral("A1")), 8);
    QCOMPARE(goalsOf(t, QStringLiteral("A2")), 6 + 4);
    QVERIFY(t.modifie);

    // A correction that leaves the order as it is resets nothing.
    e.score2 = 5;
    e.scorers2 << QStringLiteral("A2p1");
    QVERIFY(resetByGroupCorrection(t, index, e).empty());
    QVERIFY(!correctGroupMatch(t, 99, e).done);
}

void TestKnockoutParts::correctedKnockoutResult()
{
    Tournament t;
    th::fillTournament(t);
    playGroupStage(t);
    for (char c : {'1', '2', '3', '4', '5', '6', '7', '8', 'A', 'B'})
        playStage2(t, c);
    t.phase2 = true;
    // '3' C1 1-0 D2 → won by D2 after a shoot-out: 'B' (winner '2' v winner '3') goes.
    // Groups B to H were played without scorers: C1's one goal is from '3',
    // B1's two from '2' and 'B'.
    QCOMPARE(goalsOf(t, QStringLiteral("C1")), 1);
    QCOMPARE(goalsOf(t, QStringLiteral("B1")), 2);
    ResultEntry e = stage2Entry(t, '3', false, KnockoutScore{0, 0, 0, 0, 2, 4});
    QCOMPARE(codes(resetByStage2Correction(t, '3', e)), QByteArray("B"));
    const CorrectionResult r = correctStage2Match(t, '3', e);
    QVERIFY(r.done);
    QCOMPARE(codes(r.reset), QByteArray("B"));
    QCOMPARE(stage2Match(t, '3')->score2, 4);
    QCOMPARE(stage2Parts(t, *stage2Match(t, '3')).text(), QStringLiteral("0-0 a.e.t. (0-0), 2-4 pen."));
    QCOMPARE(t.quarts[2]->name, ShortName("D2"));
    QCOMPARE(goalsOf(t, QStringLiteral("C1")), 0); // the goal of '3' taken back
    QCOMPARE(goalsOf(t, QStringLiteral("B1")), 1); // and that of 'B', which went
    // The same winner: nothing else goes.
    e = stage2Entry(t, '5', true);
    e.score1 = 3;
    e.scorers1 = QStringList(3, QStringLiteral("E1p1"));
    QVERIFY(resetByStage2Correction(t, '5', e).empty());
    // Level, or parts that do not add up: refused.
    e.score1 = 0;
    e.score2 = 0;
    QVERIFY(!correctStage2Match(t, '5', e).done);
    QVERIFY(!correctStage2Match(t, 'Z', stage2Entry(t, '5')).done);
}

QTEST_GUILESS_MAIN(TestKnockoutParts)
#include "tst_knockoutparts.moc"
