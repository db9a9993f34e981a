#include <QtTest>

#include "common/Cp1252.h"
#include "tournament/model/Tournament.h"
#include "tournament_helper.h"

class TestTournamentModel : public QObject
{
    Q_OBJECT

private slots:
    void groupResult_data();
    void groupResult();
    void removePlayerMovesLastIntoGap();
    void removeUnknownPlayerChangesNothing();
    void addPlayerUpToTwentyThree();
    void addPlayerToEmptySquad();
    void addPlayerCutsLongName();
    void creditGoal();
    void lookups();
    void duplicateTeamNameFindsEarlierGroup();
    void dejaJoueEitherOrder();
    void winnerAndLoser_data();
    void winnerAndLoser();
    void resetStatisticsKeepsTeamsAndPlayers();
    void ansiRoundTripsEveryByte();
    void ansiRefusesWhatItCannotHold();
};

void TestTournamentModel::groupResult_data()
{
    QTest::addColumn<int>("s1");
    QTest::addColumn<int>("s2");
    QTest::addColumn<int>("points1");
    QTest::addColumn<int>("points2");
    QTest::newRow("draw 2-2") << 2 << 2 << 1 << 1;
    QTest::newRow("draw 0-0") << 0 << 0 << 1 << 1;
    QTest::newRow("home win 3-1") << 3 << 1 << 3 << 0;
    QTest::newRow("away win 0-2") << 0 << 2 << 0 << 3;
}

void TestTournamentModel::groupResult()
{
    QFETCH(int, s1);
    QFETCH(int, s2);
    QFETCH(int, points1);
    QFETCH(int, points2);
    TEquipe a, b;
    a.played = 1; a.points = 3; a.goals_for = 2; a.goals_against = 1;
    enregistre_resultat(&a, &b, s1, s2);
    QCOMPARE(a.played, 2);
    QCOMPARE(b.played, 1);
    QCOMPARE(a.points, 3 + points1);
    QCOMPARE(b.points, points2);
    QCOMPARE(a.goals_for, 2 + s1);
    QCOMPARE(a.goals_against, 1 + s2);
    QCOMPARE(b.goals_for, s2);
    QCOMPARE(b.goals_against, s1);
}

void TestTournamentModel::removePlayerMovesLastIntoGap()
{
    TEquipe team;
    for (const char *n : {"one", "two", "three", "four", "five"})
        QVERIFY(addPlayer(&team, ShortName(n)));
    team.squad[4].goals = 2;
    QVERIFY(removePlayer(&team, ShortName("three")));
    QCOMPARE(team.playerCount(), 4);
    QCOMPARE(team.squad[2].name.bytes(), QByteArray("five"));
    QCOMPARE(team.squad[2].goals, 2);
    QCOMPARE(team.squad[3].name.bytes(), QByteArray("four"));
    QVERIFY(team.squad[4].name.isEmpty());
    QCOMPARE(team.squad[4].goals, 0);

    // Removing the last player simply frees his entry.
    QVERIFY(removePlayer(&team, ShortName("four")));
    QCOMPARE(team.playerCount(), 3);
    QCOMPARE(team.squad[2].name.bytes(), QByteArray("five"));
}

void TestTournamentModel::removeUnknownPlayerChangesNothing()
{
    TEquipe team;
    QVERIFY(!removePlayer(&team, ShortName("x")));
    QVERIFY(addPlayer(&team, ShortName("one")));
    QVERIFY(!removePlayer(&team, ShortName("One")));
    QVERIFY(!removePlayer(&team, ShortName("")));
    QVERIFY(!removePlayer(nullptr, ShortName("one")));
    QCOMPARE(team.playerCount(), 1);
}

void TestTournamentModel::addPlayerUpToTwentyThree()
{
    TEquipe team;
    for (int i = 0; i < 22; ++i)
        QVERIFY(addPlayer(&team, ShortName("p" + QByteArray::number(i))));
    QCOMPARE(lastPlayerIndex(&team), 21);
    QVERIFY(addPlayer(&team, ShortName("last")));
    QCOMPARE(team.playerCount(), 23);
    QVERIFY(!addPlayer(&team, ShortName("refused")));
    QCOMPARE(team.squad[22].name.bytes(), QByteArray("last"));
    QCOMPARE(findPlayer(&team, ShortName("refused")), -1);
}

void TestTournamentModel::addPlayerToEmptySquad()
{
    TEquipe team;
    QCOMPARE(lastPlayerIndex(&team), -1);
    QCOMPARE(lastPlayerIndex(nullptr), -1);
    QVERIFY(addPlayer(&team, ShortName("first")));
    QCOMPARE(lastPlayerIndex(&team), 0);
    QVERIFY(!addPlayer(nullptr, ShortName("nobody")));
    QVERIFY(!addPlayer(&team, ShortName("")));
    QCOMPARE(team.playerCount(), 1);
}

void TestTournamentModel::addPlayerCutsLongName()
{
    TEquipe team;
    QVERIFY(addPlayer(&team, ShortName::fromText(QStringLiteral("Abcdefghijklmnopqrstuvwxyz"))));
    QCOMPARE(team.squad[0].name.bytes(), QByteArray("Abcdefghijklmnopqrst"));
    QCOMPARE(team.squad[0].goals, 0);
}

void TestTournamentModel::creditGoal()
{
    TEquipe team;
    QVERIFY(addPlayer(&team, ShortName("Ann")));
    QVERIFY(addPlayer(&team, ShortName("csc")));
    QVERIFY(addPlayer(&team, ShortName("Bob")));
    QVERIFY(addPlayer(&team, ShortName("Ann")));

    QVERIFY(!creditOneGoal(&team, ShortName("csc")));
    QCOMPARE(team.squad[1].goals, 0);
    QVERIFY(!creditOneGoal(&team, ShortName("Zed")));
    QVERIFY(!creditOneGoal(&team, ShortName("ann")));
    QVERIFY(creditOneGoal(&team, ShortName("Ann")));
    QVERIFY(creditOneGoal(&team, ShortName("Ann")));
    QCOMPARE(team.squad[0].goals, 2);
    QCOMPARE(team.squad[3].goals, 0);
    QCOMPARE(team.squad[2].goals, 0);
}

void TestTournamentModel::lookups()
{
    Tournament t;
    th::fillTournament(t);
    QVERIFY(!t.findGroup(QString()));
    QVERIFY(!t.findGroup(QStringLiteral("AB")));
    QVERIFY(!t.findGroup(QStringLiteral("a")));
    QVERIFY(!t.findGroup(QStringLiteral("I")));
    QCOMPARE(t.findGroup(QStringLiteral("C"))->letter, 'C');

    TGroupe *c = t.findGroup(QStringLiteral("C"));
    QCOMPARE(findTeamInGroup(c, ShortName("C3")), c->teams[2].get());
    QVERIFY(!findTeamInGroup(c, ShortName("D3")));
    QVERIFY(!findTeamInGroup(static_cast<TGroupe *>(nullptr), ShortName("C3")));
    QCOMPARE(t.cherche_equipe(ShortName("H4")), t.groupes[7].teams[3].get());
    QVERIFY(!t.cherche_equipe(ShortName("H4 ")));
    QVERIFY(!t.cherche_equipe(ShortName("")));

    TEquipe *h4 = t.cherche_equipe(ShortName("H4"));
    QCOMPARE(findPlayer(h4, ShortName("H4p2")), 1);
    QCOMPARE(findPlayer(h4, ShortName("H4p4")), -1);
    QCOMPARE(findPlayer(nullptr, ShortName("H4p2")), -1);
    QCOMPARE(lastPlayerIndex(h4), 2);
}

void TestTournamentModel::duplicateTeamNameFindsEarlierGroup()
{
    Tournament t;
    th::fillTournament(t);
    t.groupes[1].teams[0]->name = ShortName("Same");
    t.groupes[4].teams[0]->name = ShortName("Same");
    QCOMPARE(t.cherche_equipe(ShortName("Same")), t.groupes[1].teams[0].get());
}

void TestTournamentModel::dejaJoueEitherOrder()
{
    MatchList list;
    addMatch(list, 'A', ShortName("Alpha"), ShortName("Beta"), 1, 0);
    QVERIFY(deja_joue(list, ShortName("Alpha"), ShortName("Beta")));
    QVERIFY(deja_joue(list, ShortName("Beta"), ShortName("Alpha")));
    QVERIFY(!deja_joue(list, ShortName("Alpha"), ShortName("Gamma")));
    QVERIFY(!deja_joue(list, ShortName("alpha"), ShortName("Beta")));
    QVERIFY(!deja_joue(MatchList{}, ShortName("Alpha"), ShortName("Beta")));

    TEquipe a, b, c;
    a.name = ShortName("Alpha");
    b.name = ShortName("Beta");
    c.name = ShortName("Gamma");
    addMatch(list, 'A', ShortName("Gamma"), ShortName("Alpha"), 2, 2);
    QCOMPARE(match_entre(list, &b, &a), &list[0]);
    QCOMPARE(match_entre(list, &a, &c), &list[1]);
    QVERIFY(!match_entre(list, &b, &c));
}

void TestTournamentModel::winnerAndLoser_data()
{
    QTest::addColumn<int>("s1");
    QTest::addColumn<int>("s2");
    QTest::addColumn<QByteArray>("winner");
    QTest::addColumn<QByteArray>("loser");
    QTest::newRow("1-1") << 1 << 1 << QByteArray() << QByteArray();
    QTest::newRow("2-0") << 2 << 0 << QByteArray("One") << QByteArray("Two");
    QTest::newRow("4-5 after penalties") << 4 << 5 << QByteArray("Two") << QByteArray("One");
}

void TestTournamentModel::winnerAndLoser()
{
    QFETCH(int, s1);
    QFETCH(int, s2);
    QFETCH(QByteArray, winner);
    QFETCH(QByteArray, loser);
    const TRencontre m{'Z', ShortName("One"), ShortName("Two"), s1, s2};
    QCOMPARE(vainqueur(&m).bytes(), winner);
    QCOMPARE(perdant(&m).bytes(), loser);
    QVERIFY(vainqueur(nullptr).isEmpty());
    QVERIFY(perdant(nullptr).isEmpty());
}

void TestTournamentModel::resetStatisticsKeepsTeamsAndPlayers()
{
    Tournament t;
    th::fillTournament(t);
    th::play(t, "B3", "B1", 2, 0);
    t.cherche_equipe(ShortName("B3"))->squad[1].goals = 2;
    t.resetStatistics();
    const TGroupe &b = t.groupes[1];
    QCOMPARE(b.teams[0]->name.bytes(), QByteArray("B3")); // the ranking order stays
    for (const auto &team : b.teams) {
        QCOMPARE(team->played, 0);
        QCOMPARE(team->points, 0);
        QCOMPARE(team->goals_for, 0);
        QCOMPARE(team->goals_against, 0);
        QCOMPARE(team->playerCount(), 3);
        for (const TJoueur &p : team->squad)
            QCOMPARE(p.goals, 0);
    }
    QCOMPARE(t.cherche_equipe(ShortName("B3"))->flag.bytes(), QByteArray("flagB3"));
}

void TestTournamentModel::ansiRoundTripsEveryByte()
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    bool ok = false;
    QCOMPARE(Cp1252::encode(Cp1252::decode(all), &ok), all);
    QVERIFY(ok);
    QCOMPARE(Cp1252::decode("\x80\x9f\xe9"), QString::fromUtf8("\u20ac\u0178\u00e9"));
    QCOMPARE(Cp1252::encode(QString::fromUtf8("M\u00fcller \u0160imi\u0107")), QByteArray("M\xfcller \x8aimi?"));
}

void TestTournamentModel::ansiRefusesWhatItCannotHold()
{
    bool ok = true;
    Cp1252::encode(QString::fromUtf8("\u0141ukasz"), &ok);
    QVERIFY(!ok);
    QVERIFY(!Cp1252::canEncode(QString::fromUtf8("Bili\u0107")));
    QVERIFY(Cp1252::canEncode(QString::fromUtf8("Gar\u00e7on \u20ac")));
    // Stored names are cut to 20 bytes, counted in the code page.
    QCOMPARE(ShortName::stored(QString::fromUtf8("\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9"
                                                 "\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9"))
                 .size(), 20);
}

QTEST_GUILESS_MAIN(TestTournamentModel)
#include "tst_tournamentmodel.moc"
