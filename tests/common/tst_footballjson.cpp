// The Football.JSON reader and writer: the league form of the open football
// data projects, faults with the line of the match that holds them, and
// the same matches as the text form.
#include "common/FootballJson.h"
#include "common/FootballTxt.h"

#include <QFile>
#include <QTest>

using namespace FootballTxt;

namespace {

QByteArray dataFile(const QString &name)
{
    QFile f(QStringLiteral(TEST_SOURCE_DIR "/tests/data/open-football/") + name);
    if (!f.open(QIODevice::ReadOnly))
        qFatal("missing test file %s", qPrintable(name));
    return f.readAll();
}

const QByteArray kSample = R"({
  "name": "English Premier League 2023/24",
  "matches": [
    {
      "round": "Matchday 1",
      "date": "2023-08-11",
      "time": "20:00",
      "team1": "Burnley FC",
      "team2": "Manchester City FC",
      "score": {"ht": [0, 2], "ft": [0, 3]},
      "goals2": [{"name": "Erling Haaland", "minute": 4}, {"name": "Erling Haaland", "minute": 36},
                 {"name": "Rodri", "minute": 75}]
    },
    {
      "round": "Matchday 1",
      "date": "2023-08-12",
      "team1": {"name": "Arsenal FC", "code": "ARS"},
      "team2": "Nottingham Forest FC",
      "score": {"ft": [2, 1]},
      "ground": "Emirates Stadium, London"
    },
    {"round": "Matchday 2", "date": "2023-08-18", "team1": "Nottingham Forest FC", "team2": "Sheffield United FC"}
  ]
}
)";

} // namespace

class TestFootballJson : public QObject {
    Q_OBJECT

private slots:
    void readsTheLeagueForm();
    void faults_data();
    void faults();
    void namesAndMarks();
    void sameMatchesAsTheText_data();
    void sameMatchesAsTheText();
    void writtenJsonReadsBackEqual();
};

void TestFootballJson::readsTheLeagueForm()
{
    const ReadResult r = FootballJson::read(kSample);
    QVERIFY2(r.ok, qPrintable(lineMessage(r.error)));
    const Document &d = r.document;
    QCOMPARE(d.title, QStringLiteral("English Premier League 2023/24"));
    QCOMPARE(d.stages.size(), 1);
    const QList<Round> &rounds = d.stages[0].rounds;
    QCOMPARE(rounds.size(), 2);
    QCOMPARE(rounds[0].heading, QStringLiteral("Matchday 1"));
    QCOMPARE(rounds[0].number, 1);
    QCOMPARE(rounds[0].matches.size(), 2);
    QCOMPARE(rounds[1].number, 2);

    const Match &burnley = rounds[0].matches[0];
    QCOMPARE(burnley.line, 4);
    QCOMPARE(burnley.date, QDate(2023, 8, 11));
    QCOMPARE(burnley.time, QTime(20, 0));
    QCOMPARE(burnley.ft, (Score{0, 3}));
    QCOMPARE(burnley.ht, (Score{0, 2}));
    QVERIFY(!burnley.et.isSet());
    // One entry per goal; two in a row by one player make one scorer.
    QCOMPARE(burnley.goals.size(), 2);
    QCOMPARE(burnley.goals[0].player, QStringLiteral("Erling Haaland"));
    QCOMPARE(burnley.goals[0].side, Side::Team2);
    QCOMPARE(burnley.goals[0].minutes.size(), 2);

    const Match &arsenal = rounds[0].matches[1];
    QCOMPARE(arsenal.line, 14);
    QCOMPARE(arsenal.team1, QStringLiteral("Arsenal FC"));
    QCOMPARE(arsenal.venue, QStringLiteral("Emirates Stadium, London"));
    QVERIFY(!arsenal.time.isValid());

    const Match &unplayed = rounds[1].matches[0];
    QCOMPARE(unplayed.line, 22);
    QVERIFY(!unplayed.played());
}

void TestFootballJson::faults_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("field"); // empty: a syntax fault

    QTest::newRow("missing comma") << QByteArray("{\n  \"name\": \"x\"\n  \"matches\": []\n}\n") << 3 << QString();
    QTest::newRow("not an object") << QByteArray("[1, 2]\n") << 1 << "matches";
    QTest::newRow("no matches") << QByteArray("{\"name\": \"x\"}") << 1 << "matches";
    // Braces inside names and nested lists do not move the lines.
    const QByteArray head = "{\"name\": \"a {b} [c]\",\n \"matches\": [\n"
                            "  {\"team1\": \"A {\", \"team2\": \"B\", \"goals1\": [{\"name\": \"x\", \"minute\": 3}]},\n";
    QTest::newRow("second team missing") << head + "  {\"team1\": \"A\"}\n]}" << 4 << "team2";
    QTest::newRow("score not a pair") << head + "  {\"team1\": \"A\", \"team2\": \"B\",\n   \"score\": {\"ft\": [1]}}\n]}"
                                      << 4 << "score.ft";
    QTest::newRow("goals beyond 999") << head + "  {\"team1\": \"A\", \"team2\": \"B\", \"score\": {\"et\": [1000, 1]}}\n]}"
                                      << 4 << "score.et";
    QTest::newRow("no such date") << head + "\n  {\"team1\": \"A\", \"team2\": \"B\", \"date\": \"2023-02-30\"}\n]}" << 5
                                  << "date";
    QTest::newRow("no such time") << head + "  {\"team1\": \"A\", \"team2\": \"B\", \"time\": \"25:00\"}\n]}" << 4 << "time";
    QTest::newRow("empty name") << head + "  {\"team1\": \"\", \"team2\": \"B\"}\n]}" << 4 << "team1";
    QTest::newRow("control character") << head + "  {\"team1\": \"A\\u0007\", \"team2\": \"B\"}\n]}" << 4 << "team1";
    QTest::newRow("minute missing") << head + "  {\"team1\": \"A\", \"team2\": \"B\", \"goals2\": [{\"name\": \"y\"}]}\n]}"
                                    << 4 << "goals2.minute";
    QTest::newRow("match not an object") << head + "  7\n]}" << 0 << "matches";
    QTest::newRow("name of a blank") << head + "  {\"team1\": \" \", \"team2\": \"B\"}\n]}" << 4 << "team1";
    QTest::newRow("name of no-break spaces") << head + "  {\"team1\": \"A\", \"team2\": \"\u00a0\u00a0\"}\n]}" << 4 << "team2";
    QTest::newRow("year before 1000") << head + "  {\"team1\": \"A\", \"team2\": \"B\", \"date\": \"0999-12-31\"}\n]}" << 4
                                      << "date";
}

void TestFootballJson::namesAndMarks()
{
    // Names that differ only in their spaces are one team; every byte
    // order mark at the start is the file's.
    const QByteArray json = "\xEF\xBB\xBF\xEF\xBB\xBF{\"matches\": [\n"
                            "  {\"team1\": \" Alpha\u00a0 Town \", \"team2\": \"Beta\"},\n"
                            "  {\"team1\": \"Beta\", \"team2\": \"Alpha Town\"}]}";
    const ReadResult r = FootballJson::read(json);
    QVERIFY2(r.ok, qPrintable(lineMessage(r.error)));
    const QList<Match> &m = r.document.stages[0].rounds[0].matches;
    QCOMPARE(m[0].team1, QStringLiteral("Alpha Town"));
    QCOMPARE(m[1].team2, m[0].team1);
}

void TestFootballJson::faults()
{
    QFETCH(QByteArray, json);
    QFETCH(int, line);
    QFETCH(QString, field);
    const ReadResult r = FootballJson::read(json);
    QVERIFY(!r.ok);
    if (field.isEmpty()) {
        QCOMPARE(r.error.problem, Problem::JsonSyntax);
    } else {
        QCOMPARE(r.error.problem, Problem::JsonField);
        QCOMPARE(r.error.detail, field);
    }
    // A number in the list is no object, so it has no line of its own.
    if (line > 0)
        QCOMPARE(r.error.line, line);
}

void TestFootballJson::sameMatchesAsTheText_data()
{
    QTest::addColumn<QString>("file");
    QTest::newRow("Bundesliga 2023/24") << "league/de-2023-24-bundesliga.txt";
    QTest::newRow("Bundesliga 2025/26") << "league/de-2025-26-bundesliga.txt";
    QTest::newRow("3. Liga 2023/24") << "league/de-2023-24-3-liga.txt";
    QTest::newRow("Premier League 2023/24") << "league/en-2023-24-premierleague.txt";
    QTest::newRow("World Cup 2022 finals") << "worldcup-2022/cup_finals.txt";
}

void TestFootballJson::sameMatchesAsTheText()
{
    QFETCH(QString, file);
    const ReadResult text = read(dataFile(file));
    QVERIFY(text.ok);
    const ReadResult json = FootballJson::read(FootballJson::write(text.document));
    QVERIFY2(json.ok, qPrintable(lineMessage(json.error)));
    // JSON has no round days; everything else is the same.
    Document expected = text.document;
    expected.stages[0].roundDays.clear();
    QVERIFY(sameContent(json.document, expected));
}

void TestFootballJson::writtenJsonReadsBackEqual()
{
    const ReadResult r = FootballJson::read(kSample);
    QVERIFY(r.ok);
    const QByteArray written = FootballJson::write(r.document);
    const ReadResult back = FootballJson::read(written);
    QVERIFY(back.ok);
    QVERIFY(sameContent(back.document, r.document));
    QCOMPARE(FootballJson::write(back.document), written);
    // A name that begins with U+FEFF keeps it through writing and reading.
    const QByteArray bom = "{\"matches\": [{\"team1\": \"A\", \"team2\": \"\\ufeff\\ufeffB\"}]}";
    const ReadResult marked = FootballJson::read(bom);
    QVERIFY(marked.ok);
    QCOMPARE(marked.document.stages[0].rounds[0].matches[0].team2, QStringLiteral("\uFEFF\uFEFFB"));
    const ReadResult markedBack = FootballJson::read(FootballJson::write(marked.document));
    QVERIFY(markedBack.ok);
    QVERIFY(sameContent(markedBack.document, marked.document));
    // The text form of the same document reads back equal too.
    const ReadResult asText = read(write(r.document));
    QVERIFY(asText.ok);
    QVERIFY(sameContent(asText.document, r.document));
}

QTEST_GUILESS_MAIN(TestFootballJson)
#include "tst_footballjson.moc"
