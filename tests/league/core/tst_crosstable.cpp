#include <QtTest>

#include "league/model/League.h"
#include "league/standings/CrossTable.h"

class TestCrossTable : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void headers();
    void resultCells_data();
    void resultCells();
    void refillForgetsOldPairings();
};

void TestCrossTable::headers()
{
    League l;
    for (int i = 1; i <= 18; ++i)
        l.teamNames[i] = QStringLiteral("Verein %1").arg(i);
    // A row with one team only must not disturb names or numbers.
    l.match(1, 1) = Match{4, 0, 1, 1};
    CrossGrid g;
    KreuzBer(l, g);
    QCOMPARE(g.cell(1, 0), QString());
    for (int i = 1; i <= 18; ++i) {
        QCOMPARE(g.cell(0, i), QString::number(i));
        QCOMPARE(g.cell(i + 1, 0), QString::number(i));
        QCOMPARE(g.cell(1, i), QStringLiteral("Verein %1").arg(i));
        for (int b = 1; b <= 18; ++b)
            QCOMPARE(g.cell(b + 1, i), QString());
    }
    QCOMPARE(g.columnWidth(0), 15);
    QCOMPARE(g.columnWidth(1), 120);
    QCOMPARE(g.columnWidth(2), 42);
    QCOMPARE(g.columnWidth(19), 42);
}

void TestCrossTable::resultCells_data()
{
    QTest::addColumn<int>("firstRound");
    QTest::addColumn<QList<Match>>("rows"); // rows of matchdays 1, 2, ...: one match each
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("text");

    QTest::newRow("home win") << 1 << QList<Match>{{4, 9, 2, 0}} << 10 << 4 << "2 : 0";
    QTest::newRow("return match still empty") << 1 << QList<Match>{{4, 9, 2, 0}} << 5 << 9 << "";
    QTest::newRow("two-digit goals") << 1 << QList<Match>{{18, 1, 10, 12}} << 2 << 18 << "10 : 12";
    QTest::newRow("half-entered home goals") << 1 << QList<Match>{{4, 9, 2, -1}} << 10 << 4 << "";
    QTest::newRow("half-entered away goals") << 1 << QList<Match>{{4, 9, -1, 3}} << 10 << 4 << "";
    QTest::newRow("before the first entered matchday") << 11 << QList<Match>{{6, 2, 1, 1}} << 3 << 6 << "1 : 1";
    QTest::newRow("later row wins") << 1 << QList<Match>{{6, 2, 1, 1}, {6, 2, 0, 3}} << 3 << 6 << "0 : 3";
    QTest::newRow("later empty row wins") << 1 << QList<Match>{{6, 2, 1, 1}, {6, 2, -1, -1}} << 3 << 6 << "";
}

void TestCrossTable::resultCells()
{
    QFETCH(int, firstRound);
    QFETCH(QList<Match>, rows);
    QFETCH(int, column);
    QFETCH(int, row);
    QFETCH(QString, text);
    League l;
    l.firstRound = firstRound;
    for (int j = 0; j < rows.size(); ++j)
        l.match(j + 1, 5) = rows[j];
    CrossGrid g;
    KreuzBer(l, g);
    QCOMPARE(g.cell(column, row), text);
}

void TestCrossTable::refillForgetsOldPairings()
{
    League l;
    l.match(3, 2) = Match{7, 8, 4, 1};
    CrossGrid g;
    KreuzBer(l, g);
    QCOMPARE(g.cell(9, 7), QStringLiteral("4 : 1"));
    // The pairing is changed in the matchday: the old cell must not keep
    // the result of a match that no longer exists.
    l.match(3, 2).teamB = 5;
    KreuzBer(l, g);
    QCOMPARE(g.cell(9, 7), QString());
    QCOMPARE(g.cell(6, 7), QStringLiteral("4 : 1"));
}

QTEST_GUILESS_MAIN(TestCrossTable)
#include "tst_crosstable.moc"
