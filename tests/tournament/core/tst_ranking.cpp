#include <QRandomGenerator>
#include <QtTest>

#include "tournament/commands/TournamentCommands.h"
#include "tournament/group/DrawingLots.h"
#include "tournament/group/Ranking.h"
#include "tournament_helper.h"

namespace {

// Plays the six matches of a group so that its ranking is 1, 2, 3, 4 with
// nobody tied.
void settle(Tournament &t, char g)
{
    const auto n = [g](int i) { return QByteArray(1, g) + QByteArray::number(i); };
    for (int a = 1; a <= 4; ++a)
        for (int b = a + 1; b <= 4; ++b)
            th::play(t, n(a).constData(), n(b).constData(), 5 - a, 0);
}

void settleAllBut(Tournament &t, const QByteArray &open)
{
    for (char g = 'A'; g <= 'H'; ++g)
        if (!open.contains(g))
            settle(t, g);
}

QByteArray order(const Tournament &t, char g)
{
    QByteArray s;
    for (const auto &team : t.groupes[g - 'A'].teams)
        s += team->name.bytes() + ' ';
    return s.trimmed();
}

QByteArray names(const std::vector<TEquipe *> &teams)
{
    QByteArray s;
    for (const TEquipe *team : teams)
        s += team->name.bytes() + ' ';
    return s.trimmed();
}

QByteArray slotName(const Tournament &t, int i)
{
    return t.qualifies[i] ? t.qualifies[i]->name.bytes() : QByteArray("-");
}

} // namespace

class TestRanking : public QObject
{
    Q_OBJECT

private slots:
    void passeDevant_data();
    void passeDevant();
    void headToHeadSwap();
    void drawnMutualMatchLeavesBothSlotsEmpty();
    void threeTiedForFirst();
    void tieOnlyBetweenThirdAndFourthNeedsNoLots();
    void secondAndThirdTied();
    void threeWayCycleEnds();
    void sortAlwaysEndsInOrder();
    void drawingMovesToNextEmptySlot();
    void finishingTheDrawing_data();
    void finishingTheDrawing();
};

void TestRanking::passeDevant_data()
{
    // a's and b's points, goals for, goals against, then the mutual match
    // (none, or the goals of a and b) and whether a stays ahead.
    QTest::addColumn<QList<int>>("a");
    QTest::addColumn<QList<int>>("b");
    QTest::addColumn<QList<int>>("mutual");
    QTest::addColumn<bool>("ahead");
    QTest::newRow("more points") << QList<int>{4, 1, 5} << QList<int>{3, 9, 0} << QList<int>{} << true;
    QTest::newRow("fewer points") << QList<int>{3, 9, 0} << QList<int>{4, 1, 5} << QList<int>{} << false;
    QTest::newRow("goal difference") << QList<int>{3, 2, 1} << QList<int>{3, 5, 3} << QList<int>{} << false;
    QTest::newRow("goals for") << QList<int>{3, 4, 2} << QList<int>{3, 3, 1} << QList<int>{} << true;
    QTest::newRow("equal, no mutual match") << QList<int>{3, 3, 1} << QList<int>{3, 3, 1} << QList<int>{} << true;
    QTest::newRow("equal, b won") << QList<int>{3, 3, 1} << QList<int>{3, 3, 1} << QList<int>{0, 1} << false;
    QTest::newRow("equal, a won") << QList<int>{3, 3, 1} << QList<int>{3, 3, 1} << QList<int>{2, 1} << true;
    QTest::newRow("equal, drawn") << QList<int>{3, 3, 1} << QList<int>{3, 3, 1} << QList<int>{1, 1} << true;
    QTest::newRow("mutual result does not beat points") << QList<int>{4, 3, 1} << QList<int>{3, 3, 1} << QList<int>{0, 3} << true;
}

void TestRanking::passeDevant()
{
    QFETCH(QList<int>, a);
    QFETCH(QList<int>, b);
    QFETCH(QList<int>, mutual);
    QFETCH(bool, ahead);
    TEquipe ta, tb;
    ta.name = ShortName("Left");
    tb.name = ShortName("Right");
    ta.points = a[0]; ta.goals_for = a[1]; ta.goals_against = a[2];
    tb.points = b[0]; tb.goals_for = b[1]; tb.goals_against = b[2];
    MatchList list;
    addMatch(list, 'A', ShortName("Left"), ShortName("Other"), 5, 0);
    if (!mutual.isEmpty()) // stored with b as team1 to check both directions
        addMatch(list, 'A', ShortName("Right"), ShortName("Left"), mutual[1], mutual[0]);
    QCOMPARE(passe_devant(list, &ta, &tb), ahead);
}

void TestRanking::headToHeadSwap()
{
    Tournament t;
    th::fillTournament(t);
    th::play(t, "A1", "A3", 1, 0);
    th::play(t, "A4", "A2", 1, 0);
    QCOMPARE(order(t, 'A'), QByteArray("A1 A4 A2 A3"));
    // A2 and A1 end level on points, goal difference and goals for; A2 won
    // their match and passes.
    th::play(t, "A2", "A1", 1, 0);
    QCOMPARE(order(t, 'A'), QByteArray("A4 A2 A1 A3"));
    QVERIFY(!ex_aequo(t.liste_matchs, t.cherche_equipe(ShortName("A2")), t.cherche_equipe(ShortName("A1"))));
}

void TestRanking::drawnMutualMatchLeavesBothSlotsEmpty()
{
    Tournament t;
    th::fillTournament(t);
    settleAllBut(t, "A");
    th::play(t, "A2", "A1", 1, 1);
    th::play(t, "A4", "A3", 0, 0);
    // Both pairs drew: each keeps its previous order.
    QCOMPARE(order(t, 'A'), QByteArray("A1 A2 A3 A4"));
    t.qualifies = calcule_qualifies(t.groupes, t.liste_matchs);
    QCOMPARE(slotName(t, 0), QByteArray("-"));
    QCOMPARE(slotName(t, 1), QByteArray("-"));
    QCOMPARE(slotName(t, 2), QByteArray("B1"));
    QCOMPARE(slotName(t, 3), QByteArray("B2"));

    openLots(t);
    QVERIFY(t.modifie);
    QCOMPARE(int(t.place_tirage), 0);
    const LotsCandidates c = lotsCandidates(t);
    QCOMPARE(c.groupLetter, 'A');
    QCOMPARE(c.positionText(), QStringLiteral("premier"));
    QCOMPARE(names(c.teams), QByteArray("A1 A2"));
    // Two teams for the winner's slot: picking one decides both slots.
    QCOMPARE(chooseTeam(t, c, ShortName("A2")), LotsNext::Finished);
    QCOMPARE(slotName(t, 0), QByteArray("A2"));
    QCOMPARE(slotName(t, 1), QByteArray("A1"));
}

void TestRanking::threeTiedForFirst()
{
    Tournament t;
    th::fillTournament(t);
    settleAllBut(t, "A");
    th::play(t, "A1", "A4", 1, 0);
    th::play(t, "A2", "A4", 1, 0);
    th::play(t, "A3", "A4", 1, 0);
    th::play(t, "A1", "A2", 0, 0);
    th::play(t, "A2", "A3", 0, 0);
    // A2 led for one match (5 points to 4) and keeps its place on the tie.
    th::play(t, "A3", "A1", 0, 0);
    QCOMPARE(order(t, 'A'), QByteArray("A2 A1 A3 A4"));
    t.qualifies = calcule_qualifies(t.groupes, t.liste_matchs);
    QVERIFY(!t.qualifies[0] && !t.qualifies[1]);

    openLots(t);
    LotsCandidates c = lotsCandidates(t);
    QVERIFY(c.premier);
    QCOMPARE(names(c.teams), QByteArray("A2 A1 A3"));
    QCOMPARE(chooseTeam(t, c, ShortName("A1")), LotsNext::NextSlot);
    QCOMPARE(slotName(t, 0), QByteArray("A1"));
    QCOMPARE(slotName(t, 1), QByteArray("-"));
    QCOMPARE(int(t.place_tirage), 1);

    // The winner already drawn is left out of the runner-up's drawing.
    c = lotsCandidates(t);
    QVERIFY(!c.premier);
    QCOMPARE(c.positionText(), QStringLiteral("second"));
    QCOMPARE(names(c.teams), QByteArray("A2 A3"));
    QCOMPARE(chooseTeam(t, c, ShortName("A3")), LotsNext::Finished);
    QCOMPARE(slotName(t, 1), QByteArray("A3"));
}

void TestRanking::tieOnlyBetweenThirdAndFourthNeedsNoLots()
{
    Tournament t;
    th::fillTournament(t);
    th::play(t, "A1", "A2", 1, 0);
    th::play(t, "A1", "A3", 1, 0);
    th::play(t, "A1", "A4", 1, 0);
    th::play(t, "A2", "A3", 1, 0);
    th::play(t, "A2", "A4", 1, 0);
    th::play(t, "A3", "A4", 0, 0);
    QVERIFY(ex_aequo(t.liste_matchs, t.groupes[0].teams[2].get(), t.groupes[0].teams[3].get()));
    const auto q = calcule_qualifies(t.groupes, t.liste_matchs);
    QCOMPARE(q[0]->name.bytes(), QByteArray("A1"));
    QCOMPARE(q[1]->name.bytes(), QByteArray("A2"));
}

void TestRanking::secondAndThirdTied()
{
    Tournament t;
    th::fillTournament(t);
    settleAllBut(t, "AH");
    th::play(t, "A1", "A2", 1, 0);
    th::play(t, "A1", "A3", 1, 0);
    th::play(t, "A1", "A4", 1, 0);
    th::play(t, "A2", "A3", 0, 0);
    th::play(t, "A2", "A4", 1, 0);
    th::play(t, "A3", "A4", 1, 0);
    // Group H: winner and runner-up tied, the last drawing of all.
    th::play(t, "H1", "H2", 2, 2);
    t.qualifies = calcule_qualifies(t.groupes, t.liste_matchs);
    QCOMPARE(slotName(t, 0), QByteArray("A1"));
    QCOMPARE(slotName(t, 1), QByteArray("-"));

    openLots(t);
    QCOMPARE(int(t.place_tirage), 1);
    LotsCandidates c = lotsCandidates(t);
    QCOMPARE(names(c.teams), QByteArray("A2 A3"));
    QCOMPARE(chooseTeam(t, c, ShortName("A3")), LotsNext::NextSlot);
    QCOMPARE(slotName(t, 1), QByteArray("A3"));
    QCOMPARE(int(t.place_tirage), 14);

    c = lotsCandidates(t);
    QCOMPARE(c.groupLetter, 'H');
    QCOMPARE(names(c.teams), QByteArray("H1 H2"));
    QCOMPARE(chooseTeam(t, c, ShortName("H2")), LotsNext::Finished);
    QCOMPARE(slotName(t, 14), QByteArray("H2"));
    QCOMPARE(slotName(t, 15), QByteArray("H1"));
}

void TestRanking::threeWayCycleEnds()
{
    Tournament t;
    th::fillTournament(t);
    th::play(t, "A1", "A4", 1, 0);
    th::play(t, "A2", "A4", 1, 0);
    th::play(t, "A3", "A4", 1, 0);
    th::play(t, "A1", "A2", 1, 0);
    th::play(t, "A2", "A3", 1, 0);
    th::play(t, "A3", "A1", 1, 0);
    const auto &teams = t.groupes[0].teams;
    QCOMPARE(teams.size(), size_t(4));
    for (size_t i = 0; i + 1 < teams.size(); ++i)
        QVERIFY2(passe_devant(t.liste_matchs, teams[i].get(), teams[i + 1].get()), order(t, 'A').constData());
    QCOMPARE(teams[3]->name.bytes(), QByteArray("A4"));
}

void TestRanking::sortAlwaysEndsInOrder()
{
    // Many random groups with small scores, so that ties and circles occur.
    QRandomGenerator rng(1998);
    for (int round = 0; round < 300; ++round) {
        Tournament t;
        th::fillTournament(t);
        const char *pairs[6][2] = {{"A1", "A2"}, {"A3", "A4"}, {"A1", "A3"}, {"A2", "A4"}, {"A1", "A4"}, {"A2", "A3"}};
        for (auto &p : pairs) {
            th::play(t, p[0], p[1], int(rng.bounded(2)), int(rng.bounded(2)));
            const auto &teams = t.groupes[0].teams;
            QSet<const TEquipe *> seen;
            for (size_t i = 0; i < teams.size(); ++i) {
                seen.insert(teams[i].get());
                if (i + 1 < teams.size())
                    QVERIFY(passe_devant(t.liste_matchs, teams[i].get(), teams[i + 1].get()));
            }
            QCOMPARE(seen.size(), 4);
        }
    }
}

void TestRanking::drawingMovesToNextEmptySlot()
{
    Tournament t;
    th::fillTournament(t);
    settleAllBut(t, "CF");
    th::play(t, "C3", "C4", 1, 1); // C: C1 and C2 still tied on nothing played
    th::play(t, "F1", "F2", 3, 0);
    th::play(t, "F3", "F4", 3, 0);
    t.qualifies = calcule_qualifies(t.groupes, t.liste_matchs);
    // F1 and F3 are tied (3-0 wins, no mutual match) for first.
    QCOMPARE(slotName(t, 10), QByteArray("-"));
    openLots(t);
    QCOMPARE(int(t.place_tirage), 4);
    LotsCandidates c = lotsCandidates(t);
    QCOMPARE(c.groupLetter, 'C');
    QCOMPARE(names(c.teams), QByteArray("C3 C4"));
    QCOMPARE(chooseTeam(t, c, ShortName("C4")), LotsNext::NextSlot);
    QCOMPARE(slotName(t, 4), QByteArray("C4"));
    QCOMPARE(slotName(t, 5), QByteArray("C3"));
    QCOMPARE(int(t.place_tirage), 10);
    c = lotsCandidates(t);
    QCOMPARE(names(c.teams), QByteArray("F1 F3"));
    QCOMPARE(chooseTeam(t, c, ShortName("F3")), LotsNext::Finished);
    QCOMPARE(slotName(t, 10), QByteArray("F3"));
    QCOMPARE(slotName(t, 11), QByteArray("F1"));
    for (int i = 0; i < 16; ++i)
        QVERIFY(t.qualifies[i]);
}

void TestRanking::finishingTheDrawing_data()
{
    QTest::addColumn<bool>("autoSave");
    QTest::newRow("automatic save") << true;
    QTest::newRow("no automatic save") << false;
}

void TestRanking::finishingTheDrawing()
{
    QFETCH(bool, autoSave);
    QTemporaryDir dir;
    Tournament t;
    th::fillTournament(t);
    settleAllBut(t, "");
    t.qualifies = calcule_qualifies(t.groupes, t.liste_matchs);
    t.qualif_a_effacer = true;
    QVERIFY(TournamentCommands::finishLots(t, autoSave, dir.path()).ok);
    QVERIFY(t.phase2);
    QVERIFY(!t.qualif_a_effacer);
    QCOMPARE(t.qualif_a_ecrire, !autoSave);
    QCOMPARE(t.modifie, !autoSave);
    QCOMPARE(QFileInfo::exists(dir.path() + "/qualif.dat"), autoSave);
    if (autoSave) {
        QByteArray expected;
        for (char g = 'A'; g <= 'H'; ++g)
            expected += th::name21(QByteArray(1, g) + "1") + th::name21(QByteArray(1, g) + "2");
        QCOMPARE(th::readFile(dir.path() + "/qualif.dat"), expected);
    }
}

QTEST_GUILESS_MAIN(TestRanking)
#include "tst_ranking.moc"
