#include <QTemporaryDir>
#include <QtTest>

#include "tournament/format/TournamentFormat.h"

// A small valid format to break one rule at a time: three groups, the two
// best thirds, semi-finals, a match for third place.
static const char *const kBase =
    "name   Three groups\n"         // 1
    "groups 3\n"                    // 2
    "win    3\n"                    // 3
    "order  direct\n"               // 4
    "thirds 2  2 3\n"               // 5
    "match  1  1A  2B\n"            // 6
    "match  2  1B  3AC\n"           // 7
    "match  3  1C  3ABC\n"          // 8
    "match  4  2A  2C\n"            // 9
    "match  5  W1  W2\n"            // 10
    "match  6  W3  W4\n"            // 11
    "match  7  L5  L6\n"            // 12
    "match  8  W5  W6\n"            // 13
    "row    AB  AB\n"               // 14
    "row    AC  CA\n"               // 15
    "row    BC  CB\n";              // 16

static void row(const char *tag, const char *from, const char *to, const char *error)
{
    QTest::newRow(tag) << QByteArray(from) << QByteArray(to) << QString::fromUtf8(error);
}

class TestFormatFile : public QObject
{
    Q_OBJECT

private slots:
    void shippedFormatsAreValid_data();
    void shippedFormatsAreValid();
    void roundNamesFollowTheBracket();
    void faultyFiles_data();
    void faultyFiles();
    void everyRowOf2026SendsThirdsWhereTheirSideAllows();
    void loadByNameOrPath();
};

void TestFormatFile::shippedFormatsAreValid_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("groups");
    QTest::addColumn<int>("win");
    QTest::addColumn<int>("thirds");
    QTest::addColumn<int>("matches");
    QTest::addColumn<int>("rows");
    // Rows: every choice of the qualifying groups, C(groups, thirds).
    QTest::newRow("world1998") << "world1998" << "World Cup 1998" << 8 << 3 << 0 << 16 << 0;
    QTest::newRow("world2006") << "world2006" << "World Cup 2006" << 8 << 3 << 0 << 16 << 0;
    QTest::newRow("world2026") << "world2026" << "World Cup 2026" << 12 << 3 << 8 << 32 << 495;
    QTest::newRow("euro2020") << "euro2020" << "Euro 2020" << 6 << 3 << 4 << 15 << 15;
    QTest::newRow("euro2016") << "euro2016" << "Euro 2016" << 6 << 3 << 4 << 15 << 15;
    QTest::newRow("world1986") << "world1986" << "World Cup 1986" << 6 << 2 << 4 << 16 << 15;
    QTest::newRow("euro2000") << "euro2000" << "Euro 2000" << 4 << 3 << 0 << 7 << 0;
}

void TestFormatFile::shippedFormatsAreValid()
{
    QFETCH(QString, key);
    QVERIFY(FormatFile::shippedNames().contains(key));
    // The file in the source tree and the embedded copy are the same valid file.
    QFile source(QStringLiteral(TEST_SOURCE_DIR "/tournament/format/formats/") + key + QStringLiteral(".format"));
    QVERIFY(source.open(QIODevice::ReadOnly));
    QCOMPARE(FormatFile::shippedText(key), source.readAll());
    const FormatFile::Read r = FormatFile::load(key);
    QVERIFY2(r.ok, qPrintable(r.error));
    QTEST(r.format.name, "name");
    QTEST(r.format.groups, "groups");
    QTEST(r.format.win, "win");
    QTEST(r.format.thirds, "thirds");
    QTEST(int(r.format.matches.size()), "matches");
    QTEST(int(r.format.rows.size()), "rows");
    QCOMPARE(FormatFile::isClassic(r.format), key == QLatin1String("world1998"));
}

void TestFormatFile::roundNamesFollowTheBracket()
{
    const auto names = [](const char *key) {
        const TournamentFormat f = FormatFile::load(QLatin1String(key)).format;
        QStringList out;
        for (const FormatMatch &m : f.matches)
            out << QStringLiteral("%1 %2").arg(m.number).arg(f.roundName(m));
        return out;
    };
    const QStringList w26 = names("world2026");
    QCOMPARE(w26.first(), QStringLiteral("73 Round of 32"));
    QCOMPARE(w26[15], QStringLiteral("88 Round of 32"));
    QCOMPARE(w26[16], QStringLiteral("89 Round of 16"));
    QCOMPARE(w26[24], QStringLiteral("97 Quarter-finals"));
    QCOMPARE(w26[28], QStringLiteral("101 Semi-finals"));
    QCOMPARE(w26[30], QStringLiteral("103 Match for third place"));
    QCOMPARE(w26[31], QStringLiteral("104 Final"));
    QCOMPARE(names("euro2000"),
             (QStringList{"25 Quarter-finals", "26 Quarter-finals", "27 Quarter-finals", "28 Quarter-finals",
                          "29 Semi-finals", "30 Semi-finals", "31 Final"}));
    QCOMPARE(names("euro2020").last(), QStringLiteral("51 Final"));
    QCOMPARE(names("euro2020").first(), QStringLiteral("37 Round of 16"));
}

void TestFormatFile::faultyFiles_data()
{
    QTest::addColumn<QByteArray>("from");
    QTest::addColumn<QByteArray>("to");
    QTest::addColumn<QString>("error");
    // One row per rule: the base file with one line changed, and the line
    // and words the refusal must name.
    row("valid base", "", "", "");
    row("unknown keyword", "win    3\n", "wins   3\n", "line 3: expected name, groups");
    row("missing name", "name   Three groups\n", "", "expected a \"name\" line");
    row("empty name", "name   Three groups\n", "name\n", "line 1: expected the format's name");
    row("name twice", "win    3\n", "name  Again\n", "line 3: a second \"name\" line (the first is line 1)");
    row("one group", "groups 3\n", "groups 1\n", "line 2: expected the number of groups (2 to 12)");
    row("13 groups", "groups 3\n", "groups 13\n", "line 2: expected the number of groups (2 to 12)");
    row("win 4", "win    3\n", "win    4\n", "line 3: expected the points for a win");
    row("bad order", "order  direct\n", "order  lots\n", "line 4: expected \"direct\" or \"goals\"");
    row("thirds count vs matches", "thirds 2  2 3\n", "thirds 2  2\n", "line 5: expected 2 match numbers");
    row("more thirds than groups", "thirds 2  2 3\n", "thirds 4  2 3 1 4\n",
        "line 5: expected the number of thirds that go on (0 to 3)");
    row("thirds match without third", "thirds 2  2 3\n", "thirds 2  2 4\n", "line 5: match 4 takes no third");
    row("thirds match unknown", "thirds 2  2 3\n", "thirds 2  2 9\n", "line 5: match 9 is no match");
    row("bad side", "match  1  1A  2B\n", "match  1  1A  4B\n", "line 6: expected a side");
    row("side of no group", "match  1  1A  2B\n", "match  1  1A  2D\n", "line 6: side 2D: \"D\" is no group");
    row("group winner twice", "match  4  2A  2C\n", "match  4  1A  2C\n", "line 9: 1A plays twice");
    row("runner-up missing", "match  4  2A  2C\n", "match  4  2A  3BC\n",
        "line 16: every group sends its first two: no match takes 2C");
    row("first round not a power of two", "groups 3\n", "groups 4\n",
        "line 5: 2 × 4 groups + 2 thirds make 10 teams");
    row("group side in later round", "match  5  W1  W2\n", "match  5  W1  2A\n",
        "line 10: match 5: expected two group places");
    row("later match", "match  5  W1  W2\n", "match  5  W1  W7\n",
        "line 10: side W7: expected the number of an earlier match");
    row("winner used twice", "match  6  W3  W4\n", "match  6  W3  W1\n", "line 11: the winner of match 1 is used twice");
    row("rounds mixed", "match  8  W5  W6\n", "match  8  W5  W4\n",
        "line 13: match 8: expected the winners of two matches of one round");
    row("two finals", "match  6  W3  W4\n", "match  6  W3  W3\n", "line 11: match 6 names match 3 twice");
    row("no final", "match  8  W5  W6\n", "", "expected one final; the winners of matches 5, 6");
    row("losers of quarter-finals", "match  7  L5  L6\n", "match  7  L1  L2\n",
        "line 12: match 7: expected the losers of the semi-finals");
    row("row missing", "row    BC  CB\n", "", "line 5: no row for the thirds of groups BC");
    row("row twice", "row    BC  CB\n", "row    AC  CA\n", "line 16: a second row for the thirds of groups AC");
    row("row unsorted", "row    BC  CB\n", "row    CB  CB\n", "line 16: expected the groups of a row in letter order");
    row("row names a group twice", "row    BC  CB\n", "row    BC  CC\n", "line 16: row: group C is named twice");
    row("row other groups", "row    BC  CB\n", "row    BC  CA\n", "line 16: expected each of the groups BC once");
    row("row too short", "row    BC  CB\n", "row    B  B\n", "line 16: expected 2 groups whose thirds go on");
    row("third its side does not list", "row    BC  CB\n", "row    BC  BC\n",
        "line 16: the third of group B cannot play match 2: its side is 3AC");
    row("third meets own winner", "row    AC  CA\n", "row    AC  AC\n",
        "line 15: the third of group C would meet 1C of its own group in match 3");
    row("rows without thirds", "thirds 2  2 3\n", "thirds 0\n", "line 14: no thirds go on, so no \"row\" lines");
    row("not utf-8", "name   Three groups\n", "name   Caf\xe9\n", "expected UTF-8 text");
    row("control character", "win    3\n", "win    3\x01\n", "line 3: expected text, found a control character");
    row("match before groups", "groups 3\n", "", "line 4: expected the \"groups\" line before the first \"thirds\" line");
    row("same group meets", "match  4  2A  2C\n", "match  4  2A  2A\n", "line 9: 2A plays twice");
}

void TestFormatFile::faultyFiles()
{
    QFETCH(QByteArray, from);
    QFETCH(QByteArray, to);
    QFETCH(QString, error);
    QByteArray text(kBase);
    if (!from.isEmpty()) {
        QVERIFY(text.contains(from));
        text.replace(from, to);
    }
    const FormatFile::Read r = FormatFile::parse(text, QStringLiteral("my.format"));
    if (error.isEmpty()) {
        QVERIFY2(r.ok, qPrintable(r.error));
        QCOMPARE(r.format.roundName(r.format.matches[6]), QStringLiteral("Match for third place"));
        return;
    }
    QVERIFY(!r.ok);
    QVERIFY2(r.error.startsWith(QStringLiteral("my.format: ")), qPrintable(r.error));
    QVERIFY2(r.error.contains(error), qPrintable(r.error));
}

void TestFormatFile::everyRowOf2026SendsThirdsWhereTheirSideAllows()
{
    // Read straight from the file's text, not through the reader's checks.
    QFile file(QStringLiteral(TEST_SOURCE_DIR "/tournament/format/formats/world2026.format"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QMap<int, QPair<QString, QString>> sides;
    QList<int> thirdMatches;
    QList<QPair<QString, QString>> rows;
    for (const QByteArray &raw : file.readAll().split('\n')) {
        const QStringList w = QString::fromUtf8(raw.left(raw.indexOf('#') < 0 ? raw.size() : raw.indexOf('#')))
                                  .split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (w.size() == 4 && w[0] == QLatin1String("match"))
            sides[w[1].toInt()] = {w[2], w[3]};
        else if (!w.isEmpty() && w[0] == QLatin1String("thirds"))
            for (int i = 2; i < w.size(); ++i)
                thirdMatches << w[i].toInt();
        else if (w.size() == 3 && w[0] == QLatin1String("row"))
            rows << qMakePair(w[1], w[2]);
    }
    QCOMPARE(thirdMatches.size(), 8);
    QCOMPARE(rows.size(), 495); // C(12, 8)
    QSet<QString> combos;
    for (const auto &[qualified, assigned] : rows) {
        combos.insert(qualified);
        QCOMPARE(qualified.size(), 8);
        QString sorted = assigned;
        std::sort(sorted.begin(), sorted.end());
        QCOMPARE(sorted, qualified);
        for (int i = 0; i < 8; ++i) {
            const auto [one, two] = sides.value(thirdMatches[i]);
            const QString third = one.startsWith(QLatin1Char('3')) ? one : two;
            const QString other = one.startsWith(QLatin1Char('3')) ? two : one;
            QVERIFY2(third.mid(1).contains(assigned[i]), qPrintable(qualified + QLatin1Char(' ') + assigned));
            QVERIFY(other.mid(1) != QString(assigned[i]));
        }
    }
    QCOMPARE(combos.size(), 495);
    // The reader takes the same file whole; the row of 2026 as played: the
    // thirds met in matches 79 85 81 74 82 77 87 80 were Ecuador (E), Algeria
    // (J), Bosnia (B), Paraguay (D), Senegal (I), Sweden (F), Ghana (L), DR Congo (K).
    const TournamentFormat f = FormatFile::load(QStringLiteral("world2026")).format;
    QCOMPARE(f.rows.at("BDEFIJKL"), QByteArray("EJBDIFLK"));
}

void TestFormatFile::loadByNameOrPath()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("three.format"));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(kBase);
    f.close();
    const FormatFile::Read own = FormatFile::load(path);
    QVERIFY2(own.ok, qPrintable(own.error));
    QCOMPARE(own.format.name, QStringLiteral("Three groups"));
    QCOMPARE(own.format.source, QByteArray(kBase));

    const FormatFile::Read unknown = FormatFile::load(QStringLiteral("world2030"));
    QVERIFY(!unknown.ok);
    QVERIFY2(unknown.error.contains(QStringLiteral("no such format")), qPrintable(unknown.error));
    // A folder where a file is expected is refused, not read.
    const FormatFile::Read folder = FormatFile::load(dir.path());
    QVERIFY(!folder.ok);
    QVERIFY2(folder.error.contains(QStringLiteral("not a regular file")), qPrintable(folder.error));
}

QTEST_GUILESS_MAIN(TestFormatFile)
#include "tst_formatfile.moc"
