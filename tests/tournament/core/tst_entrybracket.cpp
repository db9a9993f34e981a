#include <QtTest>

#include "tournament/commands/TournamentCommands.h"
#include "tournament/group/Ranking.h"
#include "tournament/group/ResultEntry.h"
#include "tournament/knockout/Bracket.h"
#include "tournament/model/Resets.h"
#include "tournament_helper.h"

Q_DECLARE_METATYPE(EntryAnswer)

namespace {

// Plays all 48 group matches so that every group ends 1, 2, 3, 4 untied.
void playGroupStage(Tournament &t)
{
    for (char g = 'A'; g <= 'H'; ++g)
        for (int a = 1; a <= 4; ++a)
            for (int b = a + 1; b <= 4; ++b) {
                const QByteArray n1 = QByteArray(1, g) + QByteArray::number(a);
                const QByteArray n2 = QByteArray(1, g) + QByteArray::number(b);
                th::play(t, n1.constData(), n2.constData(), 5 - a, 0);
            }
}

ResultEntry entry(const char *group, const char *team1, const char *team2, int s1, int s2,
                  const QStringList &scorers1 = {}, const QStringList &scorers2 = {})
{
    return ResultEntry{QString::fromLatin1(group), QString::fromLatin1(team1), QString::fromLatin1(team2),
                       s1, s2, scorers1, scorers2};
}

// Records a stage-2 match as the bracket window and entry page do: the two
// teams come from the bracket; the first team wins 1-0, or the second 0-1.
TournamentCommands::Saved<AfterStage2Entry> playStage2(Tournament &t, char code, bool firstWins = true,
                                                      bool autoSave = false, const QString &dir = QString())
{
    deriveBracket(t);
    const auto [a, b] = teamsOfMatch(t, code);
    if (!a || !b)
        return {};
    t.code_match = code;
    const ResultEntry e{QString(), a->name.text(), b->name.text(), firstWins ? 1 : 0, firstWins ? 0 : 1,
                        firstWins ? QStringList{a->squad[0].name.text()} : QStringList{},
                        firstWins ? QStringList{} : QStringList{b->squad[0].name.text()}};
    return TournamentCommands::storeStage2Match(t, e, autoSave, dir);
}

QByteArray nameOf(const TEquipe *team)
{
    return team ? team->name.bytes() : QByteArray("-");
}

} // namespace

class TestEntryBracket : public QObject
{
    Q_OBJECT

private slots:
    void groupCheck_data();
    void groupCheck();
    void recordGroupMatch_data();
    void recordGroupMatch();
    void recordGroupMatchWithOwnGoal();
    void stage2Check_data();
    void stage2Check();
    void buttonsWaitForTheGroupStage();
    void bracketFillsRoundByRound();
    void finalThenThirdPlace();
    void finalWonBySecondFinalist();
    void stage2GoalsAddToPlayers();
    void startStage2_data();
    void startStage2();
    void drawingNeededOnlyAfterAllGroupMatches();
    void resetAll_data();
    void resetAll();
    void resetStage2_data();
    void resetStage2();
};

void TestEntryBracket::groupCheck_data()
{
    QTest::addColumn<ResultEntry>("e");
    QTest::addColumn<EntryAnswer>("answer");
    QTest::newRow("2-1 with three scorers") << entry("A", "A2", "A1", 2, 1, {"A2p1", "A2p1"}, {"A1p3"}) << EntryAnswer::Confirm;
    QTest::newRow("2-1 with two scorers") << entry("A", "A2", "A1", 2, 1, {"A2p1"}, {"A1p3"}) << EntryAnswer::OwnGoal;
    QTest::newRow("0-2 without scorers") << entry("A", "A3", "A4", 0, 2) << EntryAnswer::OwnGoal;
    QTest::newRow("0-0") << entry("A", "A3", "A4", 0, 0) << EntryAnswer::Confirm;
    QTest::newRow("1-0 with two scorers") << entry("A", "A3", "A4", 1, 0, {"A3p1", "A3p2"}) << EntryAnswer::WrongEntries;
    QTest::newRow("1-1 with two and none") << entry("A", "A3", "A4", 1, 1, {"A3p1", "A3p2"}) << EntryAnswer::WrongEntries;
    QTest::newRow("already played, reversed") << entry("A", "A4", "A1", 0, 0) << EntryAnswer::AlreadyRecorded;
    QTest::newRow("already played, wrong scorers") << entry("A", "A1", "A4", 0, 0, {"x"}) << EntryAnswer::AlreadyRecorded;
    QTest::newRow("same team twice") << entry("A", "A2", "A2", 0, 0) << EntryAnswer::WrongEntries;
    QTest::newRow("no group") << entry("", "A2", "A3", 0, 0) << EntryAnswer::WrongEntries;
    QTest::newRow("unknown group") << entry("Q", "A2", "A3", 0, 0) << EntryAnswer::WrongEntries;
    QTest::newRow("team of another group") << entry("A", "A2", "B3", 0, 0) << EntryAnswer::WrongEntries;
    QTest::newRow("negative score") << entry("A", "A2", "A3", -1, 0) << EntryAnswer::WrongEntries;
}

void TestEntryBracket::groupCheck()
{
    QFETCH(ResultEntry, e);
    QFETCH(EntryAnswer, answer);
    Tournament t;
    th::fillTournament(t);
    th::play(t, "A1", "A4", 3, 0);
    QCOMPARE(checkGroupEntry(t, e), answer);
}

void TestEntryBracket::recordGroupMatch_data()
{
    QTest::addColumn<bool>("autoSave");
    QTest::newRow("automatic save") << true;
    QTest::newRow("no automatic save") << false;
}

void TestEntryBracket::recordGroupMatch()
{
    QFETCH(bool, autoSave);
    QTemporaryDir dir;
    Tournament t;
    th::fillTournament(t);
    const FileResult r = TournamentCommands::storeGroupMatch(
        t, entry("A", "A2", "A1", 2, 1, {"A2p1", "A2p1"}, {"A1p3"}), autoSave, dir.path());
    QVERIFY(r.ok);
    TEquipe *a1 = t.cherche_equipe(ShortName("A1"));
    TEquipe *a2 = t.cherche_equipe(ShortName("A2"));
    QCOMPARE(a2->points, 3);
    QCOMPARE(a1->points, 0);
    QCOMPARE(a2->squad[0].goals, 2);
    QCOMPARE(a1->squad[2].goals, 1);
    QCOMPARE(t.groupes[0].teams[0].get(), a2);
    QCOMPARE(t.liste_matchs.size(), size_t(1));
    QCOMPARE(t.liste_matchs[0].code, 'A');
    QCOMPARE(t.liste_matchs[0].team1.bytes(), QByteArray("A2"));
    QCOMPARE(t.modifie, !autoSave);
    QCOMPARE(QFileInfo::exists(dir.path() + "/matchs.dat"), autoSave);
    QCOMPARE(QFileInfo::exists(dir.path() + "/groupeH.dat"), autoSave);
    if (autoSave) {
        QCOMPARE(th::readFile(dir.path() + "/matchs.dat"), th::matchRecord('A', "A2", "A1", 2, 1));
        QCOMPARE(th::readFile(dir.path() + "/groupeA.dat").left(712),
                 th::teamRecord("A2", 1, 3, 2, 1, "flagA2", {{"A2p1", 2}, {"A2p2", 0}, {"A2p3", 0}}));
    }
}

void TestEntryBracket::recordGroupMatchWithOwnGoal()
{
    Tournament t;
    th::fillTournament(t);
    TEquipe *c4 = t.cherche_equipe(ShortName("C4"));
    QVERIFY(addPlayer(c4, ShortName("csc")));
    QVERIFY(storeGroupMatch(t, entry("C", "C4", "C1", 3, 1, {"csc", "C4p2"}, {"gone"})));
    QCOMPARE(c4->goals_for, 3);
    QCOMPARE(c4->squad[1].goals, 1);
    QCOMPARE(c4->squad[3].goals, 0);
    QVERIFY(!storeGroupMatch(t, entry("C", "C4", "D1", 1, 0)));
    QVERIFY(!storeGroupMatch(t, entry("C", "C2", "C2", 1, 0)));
    QVERIFY(!storeGroupMatch(t, entry("C", "C2", "C3", -1, 0)));
    QCOMPARE(t.liste_matchs.size(), size_t(1));
    QCOMPARE(t.cherche_equipe(ShortName("C2"))->played, 0);
}

void TestEntryBracket::stage2Check_data()
{
    QTest::addColumn<ResultEntry>("e");
    QTest::addColumn<EntryAnswer>("answer");
    QTest::newRow("1-0 with its scorer") << entry("", "A1", "B2", 1, 0, {"A1p1"}) << EntryAnswer::Confirm;
    QTest::newRow("2-2") << entry("", "A1", "B2", 2, 2, {"A1p1", "A1p1"}, {"B2p1", "B2p2"}) << EntryAnswer::Penalties;
    QTest::newRow("0-0") << entry("", "A1", "B2", 0, 0) << EntryAnswer::Penalties;
    QTest::newRow("5-4 after kicks, four scorers") << entry("", "A1", "B2", 5, 4, {"A1p1", "A1p2"}, {"B2p1", "B2p1"}) << EntryAnswer::OwnGoal;
    QTest::newRow("1-0 with two scorers") << entry("", "A1", "B2", 1, 0, {"A1p1", "A1p2"}) << EntryAnswer::WrongEntries;
    QTest::newRow("negative") << entry("", "A1", "B2", -1, 0) << EntryAnswer::WrongEntries;
    QTest::newRow("pair already recorded") << entry("", "D1", "C2", 1, 0, {"D1p1"}) << EntryAnswer::AlreadyRecorded;
    QTest::newRow("pair already recorded, reversed, level") << entry("", "C2", "D1", 1, 1) << EntryAnswer::AlreadyRecorded;
}

void TestEntryBracket::stage2Check()
{
    QFETCH(ResultEntry, e);
    QFETCH(EntryAnswer, answer);
    Tournament t;
    th::fillTournament(t);
    addMatch(t.liste_tour2, '4', ShortName("D1"), ShortName("C2"), 2, 0);
    QCOMPARE(checkStage2Entry(t, e), answer);
}

void TestEntryBracket::buttonsWaitForTheGroupStage()
{
    Tournament t;
    th::fillTournament(t);
    playGroupStage(t);
    t.liste_matchs.pop_back(); // 47 matches
    t.qualifies = calcule_qualifies(t.groupes, t.liste_matchs);
    deriveBracket(t);
    ButtonStates e = buttonStates(t);
    QVERIFY(e.avert);
    QVERIFY(!e.bilan);
    for (char c : kStage2Codes)
        QVERIFY(!e.isEnabled(c));

    addMatch(t.liste_matchs, 'H', ShortName("H3"), ShortName("H4"), 2, 0);
    e = buttonStates(t);
    QVERIFY(!e.avert);
    for (char c : kStage2Codes)
        QCOMPARE(e.isEnabled(c), c >= '1' && c <= '8');
}

void TestEntryBracket::bracketFillsRoundByRound()
{
    Tournament t;
    th::fillTournament(t);
    playGroupStage(t);
    t.qualifies = calcule_qualifies(t.groupes, t.liste_matchs);
    deriveBracket(t);

    auto [x, y] = teamsOfMatch(t, '1');
    QCOMPARE(nameOf(x), QByteArray("A1"));
    QCOMPARE(nameOf(y), QByteArray("B2"));
    std::tie(x, y) = teamsOfMatch(t, '8');
    QCOMPARE(nameOf(x), QByteArray("H1"));
    QCOMPARE(nameOf(y), QByteArray("G2"));
    std::tie(x, y) = teamsOfMatch(t, 'A');
    QVERIFY(!x && !y);

    playStage2(t, '1', false); // B2 beats A1
    deriveBracket(t);
    QCOMPARE(nameOf(t.quarts[0]), QByteArray("B2"));
    ButtonStates e = buttonStates(t);
    QVERIFY(!e.isEnabled('1'));
    QVERIFY(e.isEnabled('2'));
    QVERIFY(!e.isEnabled('A'));

    playStage2(t, '4'); // D1 beats C2
    deriveBracket(t);
    e = buttonStates(t);
    QVERIFY(e.isEnabled('A'));
    QVERIFY(!e.isEnabled('B'));
    std::tie(x, y) = teamsOfMatch(t, 'A');
    QCOMPARE(nameOf(x), QByteArray("B2"));
    QCOMPARE(nameOf(y), QByteArray("D1"));

    for (char c : {'2', '3', '5', '6', '7', '8', 'A', 'B', 'C', 'D'})
        playStage2(t, c);
    deriveBracket(t);
    // Winners: '2' B1, '3' C1, '5' E1, '6' F1, '7' G1, '8' H1; 'A' B2, 'B' B1,
    // 'C' E1 (vs H1), 'D' F1 (vs G1).
    QCOMPARE(nameOf(t.demis[0]), QByteArray("B2"));
    QCOMPARE(nameOf(t.demis[1]), QByteArray("B1"));
    QCOMPARE(nameOf(t.demis[2]), QByteArray("E1"));
    QCOMPARE(nameOf(t.demis[3]), QByteArray("F1"));
    e = buttonStates(t);
    QVERIFY(e.isEnabled('F') && e.isEnabled('G'));
    QVERIFY(!e.isEnabled('Y') && !e.isEnabled('Z'));

    playStage2(t, 'F');        // B2 beats E1
    playStage2(t, 'G', false); // F1 beats B1
    deriveBracket(t);
    QCOMPARE(nameOf(t.finalistes[0]), QByteArray("B2"));
    QCOMPARE(nameOf(t.finalistes[1]), QByteArray("F1"));
    QCOMPARE(nameOf(t.petite_finale[0]), QByteArray("E1"));
    QCOMPARE(nameOf(t.petite_finale[1]), QByteArray("B1"));
    e = buttonStates(t);
    QVERIFY(e.isEnabled('Y') && e.isEnabled('Z'));
    QVERIFY(!e.isEnabled('F'));
    QVERIFY(!e.bilan);
}

void TestEntryBracket::finalThenThirdPlace()
{
    Tournament t;
    th::fillTournament(t);
    playGroupStage(t);
    t.qualifies = calcule_qualifies(t.groupes, t.liste_matchs);
    for (char c : std::string("12345678ABCDFG"))
        playStage2(t, c);
    AfterStage2Entry after = playStage2(t, 'Z');
    QVERIFY(after.showChampion);
    QVERIFY(!after.showRankings);
    QCOMPARE(nameOf(t.champion), QByteArray("A1"));
    deriveBracket(t);
    ButtonStates e = buttonStates(t);
    QVERIFY(!e.isEnabled('Z'));
    QVERIFY(e.isEnabled('Y'));
    QVERIFY(!e.bilan);

    // A level score is refused even when it reaches the recording.
    t.code_match = 'Y';
    const TEquipe *e1 = t.cherche_equipe(ShortName("E1"));
    const int goals = e1->squad[0].goals;
    after = storeStage2Match(t, entry("", "E1", "F1", 2, 2, {"E1p1", "E1p1"}));
    QVERIFY(!after.recorded);
    QCOMPARE(t.liste_tour2.size(), size_t(15));
    QCOMPARE(e1->squad[0].goals, goals);

    after = playStage2(t, 'Y', false);
    QVERIFY(after.recorded);
    QVERIFY(!after.showChampion);
    QVERIFY(after.showRankings);
    deriveBracket(t);
    e = buttonStates(t);
    QVERIFY(e.bilan);
    for (char c : kStage2Codes)
        QVERIFY(!e.isEnabled(c));
    // Quarter-finals: A1-D1, B1-C1, E1-H1, F1-G1; semi-finals A1-E1 and
    // B1-F1; the third-place match E1-F1 went to F1.
    const Bilan b = bilan(t);
    QCOMPARE(b.premier, QStringLiteral("1-A1"));
    QCOMPARE(b.second, QStringLiteral("2-B1"));
    QCOMPARE(b.troisieme, QStringLiteral("3-F1"));
    QCOMPARE(b.quatrieme, QStringLiteral("4-E1"));
}

void TestEntryBracket::finalWonBySecondFinalist()
{
    Tournament t;
    th::fillTournament(t);
    playGroupStage(t);
    t.qualifies = calcule_qualifies(t.groupes, t.liste_matchs);
    for (char c : std::string("12345678ABCDFG"))
        playStage2(t, c);
    playStage2(t, 'Y');
    const AfterStage2Entry after = playStage2(t, 'Z', false);
    QVERIFY(after.showChampion);
    QVERIFY(!after.showRankings);
    const Bilan b = bilan(t);
    QCOMPARE(b.premier, QStringLiteral("1-B1"));
    QCOMPARE(b.second, QStringLiteral("2-A1"));
    QCOMPARE(b.troisieme, QStringLiteral("3-E1"));
    QCOMPARE(b.quatrieme, QStringLiteral("4-F1"));
}

void TestEntryBracket::stage2GoalsAddToPlayers()
{
    QTemporaryDir dir;
    Tournament t;
    th::fillTournament(t);
    playGroupStage(t);
    t.qualifies = calcule_qualifies(t.groupes, t.liste_matchs);
    TEquipe *a1 = t.cherche_equipe(ShortName("A1"));
    a1->squad[0].goals = 4;
    const int goalsFor = a1->goals_for;
    playStage2(t, '1', true, true, dir.path());
    playStage2(t, '4', true, true, dir.path());
    const auto after = playStage2(t, 'A', true, true, dir.path());
    QVERIFY(after.save.ok);
    QCOMPARE(a1->squad[0].goals, 6);
    QCOMPARE(a1->goals_for, goalsFor); // group statistics stay
    QVERIFY(!t.modifie);
    QCOMPARE(th::readFile(dir.path() + "/tour2.dat"),
             th::matchRecord('1', "A1", "B2", 1, 0) + th::matchRecord('4', "D1", "C2", 1, 0)
                 + th::matchRecord('A', "A1", "D1", 1, 0));
    QCOMPARE(th::readFile(dir.path() + "/groupeA.dat").mid(68 + 24, 4), th::le32(6));
}

void TestEntryBracket::startStage2_data()
{
    QTest::addColumn<bool>("effacer");
    QTest::addColumn<bool>("ecrire");
    QTest::addColumn<QByteArray>("slot0");
    QTest::newRow("from qualif.dat") << false << false << QByteArray("A4");
    QTest::newRow("qualif_a_effacer derives") << true << false << QByteArray("A1");
    QTest::newRow("qualif_a_ecrire keeps memory") << false << true << QByteArray("A3");
}

void TestEntryBracket::startStage2()
{
    QFETCH(bool, effacer);
    QFETCH(bool, ecrire);
    QFETCH(QByteArray, slot0);
    QTemporaryDir dir;
    Tournament t;
    th::fillTournament(t);
    playGroupStage(t);
    QByteArray q;
    for (int i = 0; i < 16; ++i)
        q += th::name21(QByteArray(1, char('A' + i / 2)) + (i % 2 ? "3" : "4"));
    th::writeFile(dir.path() + "/qualif.dat", q);
    t.qualifies = calcule_qualifies(t.groupes, t.liste_matchs);
    t.qualifies[0] = t.cherche_equipe(ShortName("A3"));
    t.qualif_a_effacer = effacer;
    t.qualif_a_ecrire = ecrire;
    QVERIFY(!beginStage2(t, dir.path()));
    QVERIFY(t.phase2);
    QCOMPARE(nameOf(t.qualifies[0]), slot0);
}

void TestEntryBracket::drawingNeededOnlyAfterAllGroupMatches()
{
    QTemporaryDir dir;
    Tournament t;
    th::fillTournament(t);
    playGroupStage(t);
    // Group B ends with its first two level and their match drawn.
    t.liste_matchs.erase(std::find_if(t.liste_matchs.begin(), t.liste_matchs.end(), [](const TRencontre &m) {
        return m.team1 == ShortName("B1") && m.team2 == ShortName("B2");
    }));
    TEquipe *b1 = t.cherche_equipe(ShortName("B1"));
    TEquipe *b2 = t.cherche_equipe(ShortName("B2"));
    b1->points = b2->points = 7;
    b1->goals_for = b2->goals_for = 5;
    b1->goals_against = b2->goals_against = 1;
    QCOMPARE(t.liste_matchs.size(), size_t(47));
    QVERIFY(!beginStage2(t, dir.path()));
    QVERIFY(t.phase2);
    QVERIFY(!t.qualifies[2] && !t.qualifies[3]);

    t.phase2 = false;
    addMatch(t.liste_matchs, 'B', ShortName("B1"), ShortName("B2"), 1, 1);
    QVERIFY(beginStage2(t, dir.path()));
    QVERIFY(!t.phase2);
}

void TestEntryBracket::resetAll_data()
{
    QTest::addColumn<bool>("autoSave");
    QTest::newRow("automatic save") << true;
    QTest::newRow("no automatic save") << false;
}

void TestEntryBracket::resetAll()
{
    QFETCH(bool, autoSave);
    QTemporaryDir dir;
    Tournament t;
    th::fillTournament(t);
    playGroupStage(t);
    t.qualifies = calcule_qualifies(t.groupes, t.liste_matchs);
    playStage2(t, '1');
    t.cherche_equipe(ShortName("G3"))->squad[1].goals = 3;
    th::writeFile(dir.path() + "/qualif.dat", QByteArray(336, 'q'));
    t.qualif_a_ecrire = true;

    QVERIFY(TournamentCommands::resetEverything(t, autoSave, dir.path()).ok);
    QVERIFY(t.liste_matchs.empty());
    QVERIFY(t.liste_tour2.empty());
    for (TEquipe *q : t.qualifies)
        QVERIFY(!q);
    QCOMPARE(t.cherche_equipe(ShortName("G3"))->squad[1].goals, 0);
    QCOMPARE(t.groupes[6].teams[0]->name.bytes(), QByteArray("G1"));
    QVERIFY(!t.qualif_a_ecrire);
    QCOMPARE(t.modifie, !autoSave);
    QCOMPARE(t.qualif_a_effacer, !autoSave);
    QCOMPARE(QFileInfo::exists(dir.path() + "/qualif.dat"), !autoSave);
    if (autoSave) {
        QCOMPARE(th::readFile(dir.path() + "/matchs.dat"), QByteArray());
        QCOMPARE(th::readFile(dir.path() + "/tour2.dat"), QByteArray());
        QCOMPARE(th::readFile(dir.path() + "/groupeG.dat").left(712),
                 th::teamRecord("G1", 0, 0, 0, 0, "flagG1", {{"G1p1", 0}, {"G1p2", 0}, {"G1p3", 0}}));
    } else {
        QVERIFY(!QFileInfo::exists(dir.path() + "/matchs.dat"));
        // "Save" then finishes the reset on disk.
        QVERIFY(saveAll(t, dir.path()).ok);
        QVERIFY(!QFileInfo::exists(dir.path() + "/qualif.dat"));
        QCOMPARE(th::readFile(dir.path() + "/matchs.dat"), QByteArray());
        QCOMPARE(th::readFile(dir.path() + "/tour2.dat"), QByteArray());
    }
}

void TestEntryBracket::resetStage2_data()
{
    QTest::addColumn<bool>("autoSave");
    QTest::addColumn<bool>("modifiedBefore");
    QTest::newRow("automatic save, saved before") << true << false;
    QTest::newRow("automatic save, unsaved before") << true << true;
    QTest::newRow("no automatic save") << false << false;
}

void TestEntryBracket::resetStage2()
{
    QFETCH(bool, autoSave);
    QFETCH(bool, modifiedBefore);
    QTemporaryDir dir;
    Tournament t;
    th::fillTournament(t);
    playGroupStage(t);
    t.qualifies = calcule_qualifies(t.groupes, t.liste_matchs);
    playStage2(t, '2');
    th::writeFile(dir.path() + "/qualif.dat", QByteArray(336, 'q'));
    const int points = t.cherche_equipe(ShortName("E1"))->points;
    const int goals = t.cherche_equipe(ShortName("B1"))->squad[0].goals;
    t.modifie = modifiedBefore;
    t.qualif_a_ecrire = true;

    QVERIFY(TournamentCommands::resetStageTwo(t, autoSave, dir.path()).ok);
    QVERIFY(t.liste_tour2.empty());
    QCOMPARE(t.liste_matchs.size(), size_t(48));
    QCOMPARE(t.cherche_equipe(ShortName("E1"))->points, points);
    // B1's striker scored the only knock-out goal; it goes with its match.
    QCOMPARE(t.cherche_equipe(ShortName("B1"))->squad[0].goals, goals - 1);
    for (TEquipe *q : t.qualifies)
        QVERIFY(!q);
    QVERIFY(!t.qualif_a_ecrire);
    QCOMPARE(t.modifie, autoSave ? modifiedBefore : true);
    QCOMPARE(t.qualif_a_effacer, !autoSave);
    QCOMPARE(QFileInfo::exists(dir.path() + "/qualif.dat"), !autoSave);
    if (autoSave) {
        QCOMPARE(th::readFile(dir.path() + "/tour2.dat"), QByteArray());
        Tournament reread;
        QVERIFY(loadGroups(reread, dir.path()));
        QCOMPARE(reread.cherche_equipe(ShortName("B1"))->squad[0].goals, goals - 1);
    }
    // The next "Start Stage 2" derives the qualifiers from the rankings.
    QVERIFY(!beginStage2(t, dir.path()));
    QCOMPARE(nameOf(t.qualifies[3]), QByteArray("B2"));
}

QTEST_GUILESS_MAIN(TestEntryBracket)
#include "tst_entrybracket.moc"
