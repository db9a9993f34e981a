#include <QtTest>

#include "tournament/format/BracketLayout.h"

// The drawing of a bracket: what an empty side says and where the matches
// of every shipped format stand.
class TestBracketLayout : public QObject
{
    Q_OBJECT
private slots:
    void sideLabels_data();
    void sideLabels();
    void shippedFormats_data();
    void shippedFormats();
};

void TestBracketLayout::sideLabels_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<char>("group");
    QTest::addColumn<QByteArray>("groups");
    QTest::addColumn<int>("match");
    QTest::addColumn<QString>("label");
    QTest::newRow("winner") << int(FormatSide::GroupWinner) << 'A' << QByteArray() << 0 << "1A";
    QTest::newRow("runner-up") << int(FormatSide::RunnerUp) << 'B' << QByteArray() << 0 << "2B";
    QTest::newRow("third of four") << int(FormatSide::Third) << 'A' << QByteArray("CDEF") << 0 << "3C/D/E/F";
    QTest::newRow("third of five") << int(FormatSide::Third) << 'A' << QByteArray("ABCDF") << 0 << "3A/B/C/D/F";
    QTest::newRow("winner of a match") << int(FormatSide::Winner) << 'A' << QByteArray() << 74 << "W74";
    QTest::newRow("loser of a match") << int(FormatSide::Loser) << 'A' << QByteArray() << 101 << "L101";
}

void TestBracketLayout::sideLabels()
{
    QFETCH(int, kind);
    QFETCH(char, group);
    QFETCH(QByteArray, groups);
    QFETCH(int, match);
    QFETCH(QString, label);
    FormatSide side;
    side.kind = FormatSide::Kind(kind);
    side.group = group;
    side.groups = groups;
    side.match = match;
    QCOMPARE(BracketLayout::sideLabel(side), label);
}

void TestBracketLayout::shippedFormats_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("columns");
    QTest::addColumn<double>("rows");
    // A round of 32 is five rounds (9 columns, 8 first-round matches a
    // half), a round of 16 four, quarter-finals three.
    QTest::newRow("world2026") << "world2026" << 9 << 8.0;
    QTest::newRow("world1998") << "world1998" << 7 << 4.0;
    QTest::newRow("world2006") << "world2006" << 7 << 4.0;
    QTest::newRow("world1986") << "world1986" << 7 << 4.0;
    QTest::newRow("euro2020") << "euro2020" << 7 << 4.0;
    QTest::newRow("euro2016") << "euro2016" << 7 << 4.0;
    QTest::newRow("euro2000") << "euro2000" << 5 << 2.0;
}

void TestBracketLayout::shippedFormats()
{
    QFETCH(QString, key);
    QFETCH(int, columns);
    QFETCH(double, rows);
    const FormatFile::Read read = FormatFile::load(key);
    QVERIFY2(read.ok, qPrintable(read.error));
    const TournamentFormat &f = read.format;
    const BracketLayout::Layout l = BracketLayout::layout(f);
    QCOMPARE(l.columns, columns);
    QCOMPARE(int(l.places.size()), int(f.matches.size()));
    QVERIFY(l.rows >= rows);
    QVERIFY(l.rows <= rows + 1); // room for the match for third place, no more

    const int middle = columns / 2;
    for (size_t i = 0; i < f.matches.size(); ++i) {
        const FormatMatch &m = f.matches[i];
        const BracketLayout::Place &p = l.places[i];
        QVERIFY(p.row > 0 && p.row < l.rows);
        if (m.losers) {
            QCOMPARE(p.column, middle);
            continue;
        }
        // A round stands at its distance from the middle, on either half.
        QCOMPARE(std::abs(p.column - middle), middle - m.round);
        QCOMPARE(p.column <= middle, p.left);
        // Level with the middle of the two it follows from, one column
        // further out, the first side above the second.
        const auto from = l.feeders[i];
        if (m.round == 0) {
            QCOMPARE(from[0], -1);
            QCOMPARE(from[1], -1);
            continue;
        }
        QVERIFY(from[0] >= 0 && from[1] >= 0);
        QCOMPARE(f.matches[size_t(from[0])].number, m.sides[0].match);
        QCOMPARE(f.matches[size_t(from[1])].number, m.sides[1].match);
        QCOMPARE(p.row, (l.places[size_t(from[0])].row + l.places[size_t(from[1])].row) / 2);
        if (p.column != middle)
            QVERIFY(l.places[size_t(from[0])].row < l.places[size_t(from[1])].row);
        for (int k : from)
            QCOMPARE(std::abs(l.places[size_t(k)].column - middle), middle - m.round + 1);
    }
    // No two matches of a column overlap: a match is one row high.
    for (size_t i = 0; i < f.matches.size(); ++i)
        for (size_t j = i + 1; j < f.matches.size(); ++j)
            if (l.places[i].column == l.places[j].column)
                QVERIFY2(std::abs(l.places[i].row - l.places[j].row) >= 1,
                         qPrintable(QStringLiteral("matches %1 and %2").arg(f.matches[i].number).arg(f.matches[j].number)));
}

QTEST_GUILESS_MAIN(TestBracketLayout)
#include "tst_bracketlayout.moc"
