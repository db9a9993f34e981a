#include <QtTest>

#include "league/model/League.h"
#include "league/model/LeagueDate.h"

// What the matchday panel checks as it is typed: a match's own day and
// kick-off, pairings that cannot be right, the team with a bye.
class TestMatchdayEntry : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void matchDayText_data();
    void matchDayText();
    void pairingWarnings();
    void restingTeam();
};

void TestMatchdayEntry::matchDayText_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QTime>("time");
    QTest::addColumn<QString>("shown");
    QTest::newRow("day and time") << "24.04.2024 20:00" << true << QDate(2024, 4, 24) << QTime(20, 0)
                                  << "24.04.2024 20:00";
    QTest::newRow("day only") << "24.04.2024" << true << QDate(2024, 4, 24) << QTime() << "24.04.2024";
    QTest::newRow("time only") << "19:30" << true << QDate() << QTime(19, 30) << "19:30";
    QTest::newRow("one-digit parts") << " 1.9.2026  9:05 " << true << QDate(2026, 9, 1) << QTime(9, 5)
                                     << "01.09.2026 09:05";
    QTest::newRow("digits only") << "21082026 1530" << true << QDate(2026, 8, 21) << QTime(15, 30)
                                 << "21.08.2026 15:30";
    QTest::newRow("digits, three-digit time") << "930" << true << QDate() << QTime(9, 30) << "09:30";
    QTest::newRow("empty clears") << "" << true << QDate() << QTime() << "";
    QTest::newRow("no such day") << "31.02.2026" << false << QDate() << QTime() << "";
    QTest::newRow("no such hour") << "24.04.2024 24:00" << false << QDate() << QTime() << "";
    QTest::newRow("two-digit year") << "24.04.24" << false << QDate() << QTime() << "";
    QTest::newRow("time before day") << "20:00 24.04.2024" << false << QDate() << QTime() << "";
    QTest::newRow("two times") << "20:00 21:00" << false << QDate() << QTime() << "";
    QTest::newRow("words") << "morgen" << false << QDate() << QTime() << "";
    QTest::newRow("three parts") << "24.04.2024 20:00 Uhr" << false << QDate() << QTime() << "";
}

void TestMatchdayEntry::matchDayText()
{
    QFETCH(QString, typed);
    QFETCH(bool, ok);
    QFETCH(QDate, date);
    QFETCH(QTime, time);
    QFETCH(QString, shown);
    QDate d(1999, 1, 1);
    QTime t(1, 1);
    QCOMPARE(LeagueDate::parseMatchDay(typed, &d, &t), ok);
    if (!ok) {
        // A refused text leaves what was there.
        QCOMPARE(d, QDate(1999, 1, 1));
        QCOMPARE(t, QTime(1, 1));
        return;
    }
    QCOMPARE(d, date);
    QCOMPARE(t, time);
    QCOMPARE(LeagueDate::matchDayText(d, t), shown);
}

void TestMatchdayEntry::pairingWarnings()
{
    League l;
    l.reshape(6, 10);
    for (int i = 1; i <= 6; ++i)
        l.teamNames[i] = QStringLiteral("Elf %1").arg(i);
    l.match(1, 1) = Match{1, 2};
    l.match(1, 2) = Match{3, 4};
    l.match(1, 3) = Match{5, 6};
    QVERIFY(l.pairingWarnings(1).isEmpty());
    l.match(1, 3) = Match{5, 5};
    QCOMPARE(l.pairingWarnings(1), QStringList{"Elf 5 spielt in Zeile 3 gegen sich selbst."});
    l.match(1, 3) = Match{2, 6};
    QCOMPARE(l.pairingWarnings(1), QStringList{"Elf 2 steht am 1. Spieltag 2-mal im Spielplan."});
    l.match(1, 2) = Match{6, 2};
    QCOMPARE(l.pairingWarnings(1), (QStringList{"Elf 2 steht am 1. Spieltag 3-mal im Spielplan.",
                                                "Elf 6 steht am 1. Spieltag 2-mal im Spielplan."}));
    // A half-entered row and an empty one are no fault.
    l.match(2, 1) = Match{1, 0};
    l.match(2, 2) = Match{0, 2};
    QVERIFY(l.pairingWarnings(2).isEmpty());
}

void TestMatchdayEntry::restingTeam()
{
    League l;
    l.reshape(5, 10);
    l.match(1, 1) = Match{1, 2};
    QCOMPARE(l.restingTeam(1), 0); // a row still open
    l.match(1, 2) = Match{5, 3};
    QCOMPARE(l.restingTeam(1), 4);
    l.match(1, 2) = Match{5, 2}; // slot 2 twice: no single team left out
    QCOMPARE(l.restingTeam(1), 0);
    l.match(1, 2) = Match{4, 4};
    QCOMPARE(l.restingTeam(1), 0);
    // An even league has no bye.
    League even;
    even.reshape(4, 6);
    even.match(1, 1) = Match{1, 2};
    even.match(1, 2) = Match{3, 4};
    QCOMPARE(even.restingTeam(1), 0);
}

QTEST_GUILESS_MAIN(TestMatchdayEntry)
#include "tst_matchdayentry.moc"
