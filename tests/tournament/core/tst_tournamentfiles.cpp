#include <QtTest>

#include "tournament/commands/TournamentCommands.h"
#include "tournament/group/Ranking.h"
#include "tournament/model/TournamentFiles.h"
#include "tournament_helper.h"

using th::le32;

class TestTournamentFiles : public QObject
{
    Q_OBJECT

private slots:
    void teamRecordBytes();
    void teamRecordReadIgnoresPaddingAndLinks();
    void overlongLengthByteReadsAsTwenty();
    void squadEndsAtFirstFreeEntry();
    void matchRecordBytes();
    void qualifierRecordBytes();
    void groupFileMustHoldFourRecords_data();
    void groupFileMustHoldFourRecords();
    void loadStopsAtFirstBadGroupFile();
    void groupOrderKeptUntilFirstResult();
    void missingMatchesFileIsCreatedEmpty();
    void missingStage2FileIsNotCreated();
    void partialMatchRecordKeepsWholeOnes();
    void qualifiersFromFile();
    void qualifiersDerivedWithoutFile();
    void saveOrder_data();
    void saveOrder();
    void failedSaveStaysUnsaved();
    void exampleTournamentRoundTrip();
};

void TestTournamentFiles::teamRecordBytes()
{
    TEquipe team;
    team.name = ShortName("Brasil");
    team.played = 3;
    team.points = 7;
    team.goals_for = 258;
    team.goals_against = -1;
    team.flag = ShortName("br");
    team.squad[0] = {ShortName("Ze"), 2};
    team.squad[1] = {ShortName("csc"), 0};

    QByteArray expected(712, '\0');
    const char head[] =
        "\x06" "Brasil" "\0\0\0\0\0\0\0\0\0\0\0\0\0\0" "\0\0\0"   // 0..23
        "\x03\0\0\0" "\x07\0\0\0" "\x02\x01\0\0" "\xff\xff\xff\xff" // 24..39
        "\x02" "br" "\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0" "\0\0\0" // 40..63
        "\0\0\0\0"                                                   // 64..67
        "\x02" "Ze" "\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0" "\0\0\0" "\x02\0\0\0"
        "\x03" "csc" "\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0" "\0\0\0" "\0\0\0\0";
    expected.replace(0, int(sizeof(head)) - 1, QByteArray(head, int(sizeof(head)) - 1));
    QCOMPARE(sizeof(head) - 1, size_t(68 + 2 * 28));
    QCOMPARE(TournamentFiles::encodeTeam(team), expected);
}

void TestTournamentFiles::teamRecordReadIgnoresPaddingAndLinks()
{
    QByteArray r = th::teamRecord("Peru", 2, 4, 3, 1, "pe", {{"Cubillas", 2}, {"Sotil", 1}});
    // Junk where only padding, unused name bytes and the link live.
    r[10] = 'X';
    r[22] = char(0x55);
    r[62] = char(0x77);
    for (int i = 64; i < 68; ++i)
        r[i] = char(0xAB);
    r[68 + 28 + 15] = 'Q';
    r[68 + 28 + 22] = char(0x99);
    const TEquipe t = TournamentFiles::decodeTeam(r.constData());
    QCOMPARE(t.name.bytes(), QByteArray("Peru"));
    QCOMPARE(t.played, 2);
    QCOMPARE(t.points, 4);
    QCOMPARE(t.goals_for, 3);
    QCOMPARE(t.goals_against, 1);
    QCOMPARE(t.flag.bytes(), QByteArray("pe"));
    QCOMPARE(t.playerCount(), 2);
    QCOMPARE(t.squad[1].name.bytes(), QByteArray("Sotil"));
    QCOMPARE(t.squad[1].goals, 1);
    // Written back, the junk is gone.
    QCOMPARE(TournamentFiles::encodeTeam(t), th::teamRecord("Peru", 2, 4, 3, 1, "pe", {{"Cubillas", 2}, {"Sotil", 1}}));
}

void TestTournamentFiles::overlongLengthByteReadsAsTwenty()
{
    QByteArray r = th::teamRecord("ABCDEFGHIJKLMNOPQRST", 0, 0, 0, 0, "f", {});
    r[0] = char(200);
    r[21] = 'U'; // padding, not part of the name
    QCOMPARE(TournamentFiles::decodeTeam(r.constData()).name.bytes(), QByteArray("ABCDEFGHIJKLMNOPQRST"));

    QByteArray m = th::matchRecord('C', "x", "y", 1, 2);
    m[1] = char(21);
    QCOMPARE(TournamentFiles::decodeMatch(m.constData()).team1.size(), 20);
}

void TestTournamentFiles::squadEndsAtFirstFreeEntry()
{
    QByteArray r = th::teamRecord("T", 0, 0, 0, 0, "f", {{"one", 1}, {"", 0}, {"three", 3}});
    const TEquipe t = TournamentFiles::decodeTeam(r.constData());
    QCOMPARE(t.playerCount(), 1);
    QVERIFY(t.squad[2].name.isEmpty());
    // The entry after the gap is written as zeros.
    QCOMPARE(TournamentFiles::encodeTeam(t).mid(68 + 2 * 28, 28), QByteArray(28, '\0'));
}

void TestTournamentFiles::matchRecordBytes()
{
    const TRencontre m{'G', ShortName("Chile"), ShortName("Austria"), 1, 65536};
    const char bytes[] =
        "G"
        "\x05" "Chile" "\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0"
        "\x07" "Austria" "\0\0\0\0\0\0\0\0\0\0\0\0\0"
        "\0"
        "\x01\0\0\0" "\0\0\x01\0" "\0\0\0\0";
    QCOMPARE(sizeof(bytes) - 1, size_t(56));
    const QByteArray expected(bytes, 56);
    QCOMPARE(TournamentFiles::encodeMatch(m), expected);

    QByteArray withLink = expected;
    withLink[43] = char(0x11);
    withLink[52] = char(0x80);
    const TRencontre back = TournamentFiles::decodeMatch(withLink.constData());
    QCOMPARE(back.code, 'G');
    QCOMPARE(back.team1.bytes(), QByteArray("Chile"));
    QCOMPARE(back.team2.bytes(), QByteArray("Austria"));
    QCOMPARE(back.score1, 1);
    QCOMPARE(back.score2, 65536);
}

void TestTournamentFiles::qualifierRecordBytes()
{
    TEquipe a, b;
    a.name = ShortName("Alpha");
    b.name = ShortName("\xc9quipe");
    std::array<TEquipe *, 16> q{};
    q[0] = &a;
    q[15] = &b;
    QByteArray expected(16 * 21, '\0');
    expected.replace(0, 6, QByteArray("\x05" "Alpha"));
    expected.replace(15 * 21, 7, QByteArray("\x06" "\xc9quipe"));
    QCOMPARE(TournamentFiles::encodeQualifiers(q), expected);
}

void TestTournamentFiles::groupFileMustHoldFourRecords_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("ok");
    QTest::newRow("four") << 4 * 712 << true;
    QTest::newRow("three") << 3 * 712 << false;
    QTest::newRow("five") << 5 * 712 << false;
    QTest::newRow("partial") << 4 * 712 - 1 << false;
    QTest::newRow("empty") << 0 << false;
}

void TestTournamentFiles::groupFileMustHoldFourRecords()
{
    QFETCH(int, size);
    QFETCH(bool, ok);
    QByteArray bytes;
    for (int i = 0; i < 5; ++i)
        bytes += th::teamRecord("T" + QByteArray::number(i), 0, 0, 0, 0, "f", {});
    const auto parsed = TournamentFiles::parseGroup(bytes.left(size));
    QCOMPARE(parsed.ok, ok);
    if (ok)
        QCOMPARE(parsed.teams.size(), size_t(4));
}

void TestTournamentFiles::loadStopsAtFirstBadGroupFile()
{
    QTemporaryDir dir;
    th::writeGroups(dir.path());
    QVERIFY(QFile::remove(dir.path() + "/groupeD.dat"));
    Tournament t;
    QString failed;
    QVERIFY(!loadGroups(t, dir.path(), &failed));
    QVERIFY(!t.chargement_ok);
    QCOMPARE(failed, QStringLiteral("groupeD.dat"));

    th::writeFile(dir.path() + "/groupeD.dat", QByteArray(712 * 4 + 56, '\0'));
    QVERIFY(!loadGroups(t, dir.path(), &failed));
    QCOMPARE(failed, QStringLiteral("groupeD.dat"));

    th::writeGroups(dir.path());
    QVERIFY(loadGroups(t, dir.path()));
    QVERIFY(t.chargement_ok);
    QCOMPARE(t.groupes.size(), size_t(8));
    QCOMPARE(t.groupes[7].letter, 'H');
    QCOMPARE(t.groupes[7].teams[3]->name.bytes(), QByteArray("H4"));
}

void TestTournamentFiles::groupOrderKeptUntilFirstResult()
{
    QTemporaryDir dir;
    th::writeGroups(dir.path());
    QByteArray c;
    for (const char *n : {"B", "A", "C", "D"})
        c += th::teamRecord(n, 0, 0, 0, 0, "f", {});
    th::writeFile(dir.path() + "/groupeC.dat", c);
    Tournament t;
    QVERIFY(loadGroups(t, dir.path()));
    const auto order = [&] {
        QByteArray s;
        for (const auto &team : t.groupes[2].teams)
            s += team->name.bytes();
        return s;
    };
    QCOMPARE(order(), QByteArray("BACD"));
    // A result in another group leaves it alone; the first result of this
    // group re-ranks it.
    th::play(t, "A1", "A2", 1, 0);
    QCOMPARE(order(), QByteArray("BACD"));
    TGroupe &g = t.groupes[2];
    enregistre_resultat(g.teams[3].get(), g.teams[2].get(), 0, 0);
    addMatch(t.liste_matchs, 'C', ShortName("D"), ShortName("C"), 0, 0);
    trie_groupe(t.liste_matchs, g);
    // C and D drew: C was ahead of D before and stays ahead.
    QCOMPARE(order(), QByteArray("CDBA"));
}

void TestTournamentFiles::missingMatchesFileIsCreatedEmpty()
{
    QTemporaryDir dir;
    Tournament t;
    addMatch(t.liste_matchs, 'A', ShortName("x"), ShortName("y"), 0, 0);
    QVERIFY(loadMatches(t, dir.path()).ok);
    QVERIFY(t.liste_matchs.empty());
    QVERIFY(QFileInfo::exists(dir.path() + "/matchs.dat"));
    QCOMPARE(QFileInfo(dir.path() + "/matchs.dat").size(), 0);

    th::writeFile(dir.path() + "/matchs.dat",
                  th::matchRecord('B', "B2", "B1", 3, 0) + th::matchRecord('A', "A1", "A4", 1, 1));
    QVERIFY(loadMatches(t, dir.path()).ok);
    QCOMPARE(t.liste_matchs.size(), size_t(2));
    QCOMPARE(t.liste_matchs[0].code, 'B');
    QCOMPARE(t.liste_matchs[0].team1.bytes(), QByteArray("B2"));
    QCOMPARE(t.liste_matchs[1].team2.bytes(), QByteArray("A4"));
}

void TestTournamentFiles::missingStage2FileIsNotCreated()
{
    QTemporaryDir dir;
    Tournament t;
    QVERIFY(loadStage2(t, dir.path()).ok);
    QVERIFY(t.liste_tour2.empty());
    QVERIFY(!QFileInfo::exists(dir.path() + "/tour2.dat"));
}

void TestTournamentFiles::partialMatchRecordKeepsWholeOnes()
{
    QTemporaryDir dir;
    th::writeFile(dir.path() + "/tour2.dat",
                  th::matchRecord('1', "A1", "B2", 2, 1) + th::matchRecord('2', "B1", "A2", 0, 3).left(30));
    Tournament t;
    const FileResult r = loadStage2(t, dir.path());
    QVERIFY(!r.ok);
    QVERIFY(r.error.contains(QStringLiteral("tour2.dat")));
    QCOMPARE(t.liste_tour2.size(), size_t(1));
    QCOMPARE(t.liste_tour2[0].score1, 2);
}

void TestTournamentFiles::qualifiersFromFile()
{
    QTemporaryDir dir;
    th::writeGroups(dir.path());
    QByteArray q;
    for (int i = 0; i < 16; ++i) {
        const char g = char('A' + i / 2);
        q += th::name21(QByteArray(1, g) + (i % 2 ? "3" : "4"));
    }
    q.replace(5 * 21, 21, th::name21("Atlantis"));
    th::writeFile(dir.path() + "/qualif.dat", q);
    Tournament t;
    QVERIFY(loadGroups(t, dir.path()));
    QVERIFY(loadQualifiers(t, dir.path()).ok);
    QCOMPARE(t.qualifies[0], t.cherche_equipe(ShortName("A4")));
    QCOMPARE(t.qualifies[1], t.cherche_equipe(ShortName("A3")));
    QVERIFY(!t.qualifies[5]); // a team in no group leaves its slot empty
    QCOMPARE(t.qualifies[15], t.cherche_equipe(ShortName("H3")));
}

void TestTournamentFiles::qualifiersDerivedWithoutFile()
{
    QTemporaryDir dir;
    th::writeGroups(dir.path());
    Tournament t;
    QVERIFY(loadGroups(t, dir.path()));
    th::play(t, "A3", "A1", 2, 0);
    th::play(t, "A2", "A4", 1, 0);
    QVERIFY(loadQualifiers(t, dir.path()).ok);
    QCOMPARE(t.qualifies[0]->name.bytes(), QByteArray("A3"));
    QCOMPARE(t.qualifies[1]->name.bytes(), QByteArray("A2"));
    // The other groups have no result at all: every team is tied.
    for (int i = 2; i < 16; ++i)
        QVERIFY(!t.qualifies[i]);
}

void TestTournamentFiles::saveOrder_data()
{
    QTest::addColumn<bool>("effacer");
    QTest::addColumn<bool>("ecrire");
    QTest::addColumn<bool>("qualifExistsAfter");
    QTest::newRow("neither flag keeps qualif.dat") << false << false << true;
    QTest::newRow("qualif_a_effacer removes it") << true << false << false;
    QTest::newRow("qualif_a_ecrire writes it") << false << true << true;
}

void TestTournamentFiles::saveOrder()
{
    QFETCH(bool, effacer);
    QFETCH(bool, ecrire);
    QFETCH(bool, qualifExistsAfter);
    QTemporaryDir dir;
    const QByteArray oldQualif(16 * 21, 'x');
    th::writeFile(dir.path() + "/qualif.dat", oldQualif);

    Tournament t;
    th::fillTournament(t);
    th::play(t, "E2", "E1", 2, 1);
    th::play(t, "A1", "A2", 0, 0);
    addMatch(t.liste_tour2, '3', ShortName("C1"), ShortName("D2"), 4, 3);
    for (int i = 0; i < 16; ++i)
        t.qualifies[i] = t.groupes[i / 2].teams[i % 2].get();
    t.modifie = true;
    t.qualif_a_effacer = effacer;
    t.qualif_a_ecrire = ecrire;

    QVERIFY(saveAll(t, dir.path()).ok);
    QVERIFY(!t.modifie);
    QVERIFY(!t.qualif_a_effacer);
    QVERIFY(!t.qualif_a_ecrire);

    QCOMPARE(th::readFile(dir.path() + "/matchs.dat"),
             th::matchRecord('E', "E2", "E1", 2, 1) + th::matchRecord('A', "A1", "A2", 0, 0));
    QCOMPARE(th::readFile(dir.path() + "/tour2.dat"), th::matchRecord('3', "C1", "D2", 4, 3));
    QCOMPARE(th::readFile(dir.path() + "/groupeE.dat").left(712),
             th::teamRecord("E2", 1, 3, 2, 1, "flagE2", {{"E2p1", 0}, {"E2p2", 0}, {"E2p3", 0}}));
    QCOMPARE(th::readFile(dir.path() + "/groupeH.dat").size(), 4 * 712);
    QCOMPARE(QFileInfo::exists(dir.path() + "/qualif.dat"), qualifExistsAfter);
    if (ecrire) {
        QByteArray expected;
        for (int i = 0; i < 16; ++i)
            expected += th::name21(t.qualifies[i]->name.bytes());
        QCOMPARE(th::readFile(dir.path() + "/qualif.dat"), expected);
    } else if (qualifExistsAfter) {
        QCOMPARE(th::readFile(dir.path() + "/qualif.dat"), oldQualif);
    }
}

void TestTournamentFiles::failedSaveStaysUnsaved()
{
    QTemporaryDir dir;
    Tournament t;
    th::fillTournament(t);
    t.modifie = true;
    t.qualif_a_effacer = true;
    const FileResult r = saveAll(t, dir.path() + "/no/such/folder");
    QVERIFY(!r.ok);
    QVERIFY(r.error.contains(QStringLiteral("matchs.dat")));
    // Nothing was written, so the changes are still to be saved.
    QVERIFY(t.modifie);
    QVERIFY(t.qualif_a_effacer);
}

void TestTournamentFiles::exampleTournamentRoundTrip()
{
    const QString example = QStringLiteral(TEST_SOURCE_DIR "/examples/tournament");
    Tournament t;
    QVERIFY(loadGroups(t, example));
    QCOMPARE(t.groupes.size(), size_t(8));
    int players = 0;
    for (const TGroupe &g : t.groupes)
        for (const auto &team : g.teams) {
            QCOMPARE(team->playerCount(), 23);
            players += team->playerCount();
            QVERIFY(!team->flag.isEmpty());
        }
    QCOMPARE(players, 32 * 23);

    QTemporaryDir dir;
    QVERIFY(saveGroupFiles(t, dir.path()).ok);
    for (char g = 'A'; g <= 'H'; ++g) {
        const QString name = QStringLiteral("groupe%1.dat").arg(QLatin1Char(g));
        QCOMPARE(th::readFile(dir.path() + "/" + name), th::readFile(example + "/" + name));
    }
}

QTEST_GUILESS_MAIN(TestTournamentFiles)
#include "tst_tournamentfiles.moc"
