#include <QTemporaryDir>
#include <QtTest>

#include "tournament/format/FormatFiles.h"
#include "tournament/format/FormatImport.h"

namespace {

QString data(const QString &relative)
{
    return QStringLiteral(TEST_SOURCE_DIR "/tests/data/open-football/") + relative;
}

FormatTournament euro2024()
{
    FormatTournament t;
    t.format = FormatFile::load(QStringLiteral("euro2020")).format;
    FormatImport::importFiles(t, {data(QStringLiteral("euro-2024/euro.txt"))}, data(QStringLiteral("euro-2024/squads")));
    return t;
}

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

} // namespace

class TestFormatFiles : public QObject
{
    Q_OBJECT

private slots:
    void writtenFilesReadBackEqual();
    void faultyDataFiles_data();
    void faultyDataFiles();
    void formatAndDataBelongTogether();
    void classicFilesAreNeverRead();
};

void TestFormatFiles::writtenFilesReadBackEqual()
{
    const FormatTournament t = euro2024();
    QCOMPARE(t.knockout.size(), size_t(15));
    QTemporaryDir dir;
    QVERIFY(FormatFiles::save(t, dir.path()).ok);
    QVERIFY(FormatFiles::holdsFormat(dir.path()));
    QFile format(dir.filePath(QStringLiteral("tournament.format")));
    QVERIFY(format.open(QIODevice::ReadOnly));
    // The shipped format under the tournament's own name.
    QCOMPARE(format.readAll(),
             FormatFile::shippedText(QStringLiteral("euro2020")).replace("name    Euro 2020", "name    Euro 2024"));

    FormatTournament back;
    const FormatFiles::Load r = FormatFiles::load(back, dir.path());
    QVERIFY2(r.ok, qPrintable(r.error));
    QCOMPARE(back.formatKey, QStringLiteral("euro2020"));
    QCOMPARE(FormatFiles::encode(back), FormatFiles::encode(t));
    QCOMPARE(back.decisions.size(), size_t(1)); // group C
    QCOMPARE(rankFormat(back).champion, rankFormat(t).champion);

    // The data file's records, read without the program's reader.
    QFile text(dir.filePath(QStringLiteral("tournament.data")));
    QVERIFY(text.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = text.readAll().split('\n');
    QCOMPARE(lines[0], QByteArray("trophex-tournament\t1"));
    QCOMPARE(lines[1], QByteArray("format\tEuro 2024"));
    QVERIFY(lines[2].startsWith("team\tA\tGermany\t"));
    int teams = 0, groupMatches = 0, knockout = 0;
    for (const QByteArray &l : lines) {
        teams += l.startsWith("team\t");
        groupMatches += l.startsWith("group\t");
        knockout += l.startsWith("knockout\t");
    }
    QCOMPARE(teams, 24);
    QCOMPARE(groupMatches, 36);
    QCOMPARE(knockout, 15);
    QVERIFY(lines.contains("decide\tDenmark\tSlovenia"));
}

void TestFormatFiles::faultyDataFiles_data()
{
    QTest::addColumn<QByteArray>("from");
    QTest::addColumn<QByteArray>("to");
    QTest::addColumn<QString>("error");
    const auto row = [](const char *tag, const char *from, const char *to, const char *error) {
        QTest::newRow(tag) << QByteArray(from) << QByteArray(to) << QString::fromUtf8(error);
    };
    row("header", "trophex-tournament\t1\n", "trophex-tournament\t2\n", "line 1: expected the record \"trophex-tournament 1\"");
    row("other format", "format\tEuro 2024\n", "format\tEuro 2016\n", "line 2: this tournament is one of the format \"Euro 2016\"");
    row("team of another group", "team\tA\tGermany\t", "team\tB\tGermany\t", "line 3: expected a team of group A");
    row("team twice", "team\tA\tScotland\t", "team\tA\tGermany\t", "line 4: the team Germany is named twice");
    row("extra field", "team\tA\tGermany\t", "team\tA\tGermany\tx\t", "line 3: expected 4 fields in a \"team\" record, found 5");
    row("unknown team", "group\tGermany\tScotland\t5\t1\n", "group\tGermany\tScotia\t5\t1\n",
        "expected a team of the groups, found \"Scotia\"");
    row("teams of two groups", "group\tGermany\tScotland\t5\t1\n", "group\tGermany\tSpain\t5\t1\n",
        "Germany and Spain are not two teams of one group");
    row("match twice", "group\tGermany\tScotland\t5\t1\n", "group\tGermany\tScotland\t5\t1\ngroup\tScotland\tGermany\t1\t1\n",
        "Scotland and Germany have played their group match already");
    row("score too high", "group\tGermany\tScotland\t5\t1\n", "group\tGermany\tScotland\t100\t1\n",
        "expected a score (0 to 99), found \"100\"");
    row("signed score", "group\tGermany\tScotland\t5\t1\n", "group\tGermany\tScotland\t+5\t1\n", "expected a score (0 to 99), found \"+5\"");
    row("level knock-out match", "knockout\t51\tSpain\tEngland\t2\t1\n", "knockout\t51\tSpain\tEngland\t1\t1\n",
        "expected a knock-out match of two teams with a winner");
    row("no such match", "knockout\t51\tSpain\tEngland\t2\t1\n", "knockout\t52\tSpain\tEngland\t2\t1\n", "Euro 2024 has no match 52");
    row("outside the bracket", "knockout\t51\tSpain\tEngland\t2\t1\n", "knockout\t51\tSpain\tFrance\t2\t1\n",
        "match 51, Spain v France, does not fit the bracket (expected Spain v England)");
    row("decision of one team", "decide\tDenmark\tSlovenia\n", "decide\tDenmark\n", "expected 2 to 12 teams in a \"decide\" record");
    row("unknown record", "decide\tDenmark\tSlovenia\n", "lots\tDenmark\tSlovenia\n", "expected a team, player, group, knockout or decide record");
    row("cut file", "decide\tDenmark\tSlovenia\n", "decide\tDenmark\tSlovenia", "expected the file to end with a line end");
    row("not utf-8", "team\tA\tGermany\t", "team\tA\tGerm\xe4ny\t", "line 3: expected UTF-8 text");
    row("control character", "team\tA\tGermany\t", "team\tA\tGer\x01many\t", "line 3: expected a team name");
}

void TestFormatFiles::faultyDataFiles()
{
    QFETCH(QByteArray, from);
    QFETCH(QByteArray, to);
    QFETCH(QString, error);
    const FormatTournament t = euro2024();
    QByteArray bytes = FormatFiles::encode(t);
    QVERIFY2(bytes.contains(from), from.constData());
    bytes.replace(from, to);
    FormatTournament back;
    back.format = t.format;
    const FormatFiles::Load r = FormatFiles::decode(back, bytes, QStringLiteral("tournament.data"));
    QVERIFY(!r.ok);
    QVERIFY2(r.error.startsWith(QStringLiteral("tournament.data: line ")), qPrintable(r.error));
    QVERIFY2(r.error.contains(error), qPrintable(r.error));
    QVERIFY(back.groups.empty());
}

void TestFormatFiles::formatAndDataBelongTogether()
{
    QTemporaryDir dir;
    QVERIFY(FormatFiles::save(euro2024(), dir.path()).ok);
    // A format file of another tournament beside the data: refused, never
    // read as this one.
    QVERIFY(writeBytes(dir.filePath(QStringLiteral("tournament.format")), FormatFile::shippedText(QStringLiteral("euro2016"))));
    FormatTournament t;
    FormatFiles::Load r = FormatFiles::load(t, dir.path());
    QVERIFY(!r.ok);
    QVERIFY2(r.error.contains(QStringLiteral("the folder was written in part")), qPrintable(r.error));

    // A FIFO where the data file belongs is refused at once, as by every reader.
    QVERIFY(writeBytes(dir.filePath(QStringLiteral("tournament.format")), FormatFile::shippedText(QStringLiteral("euro2020"))));
    QFile::remove(dir.filePath(QStringLiteral("tournament.data")));
    QCOMPARE(::system(qPrintable(QStringLiteral("mkfifo '%1'").arg(dir.filePath(QStringLiteral("tournament.data"))))), 0);
    r = FormatFiles::load(t, dir.path());
    QVERIFY(!r.ok);
    QVERIFY2(r.error.contains(QStringLiteral("not a regular file")), qPrintable(r.error));

    // A damaged format file names its own line.
    QVERIFY(writeBytes(dir.filePath(QStringLiteral("tournament.format")), "name X\ngroups 13\n"));
    r = FormatFiles::load(t, dir.path());
    QVERIFY(!r.ok);
    QVERIFY2(r.error.contains(QStringLiteral("tournament.format: line 2: expected the number of groups")), qPrintable(r.error));
}

void TestFormatFiles::classicFilesAreNeverRead()
{
    // A folder with the classic files of an older tournament beside a new
    // one: the new tournament is what loads, whatever the old files hold.
    QTemporaryDir dir;
    for (char g = 'A'; g <= 'H'; ++g)
        QVERIFY(writeBytes(dir.filePath(QStringLiteral("groupe%1.dat").arg(QChar(g))), QByteArray(7, 'x')));
    QVERIFY(writeBytes(dir.filePath(QStringLiteral("matchs.dat")), QByteArray(3, 'x')));
    QVERIFY(!FormatFiles::holdsFormat(dir.path()));
    const FormatTournament t = euro2024();
    QVERIFY(FormatFiles::save(t, dir.path()).ok);
    FormatTournament back;
    QVERIFY(FormatFiles::load(back, dir.path()).ok);
    QCOMPARE(FormatFiles::encode(back), FormatFiles::encode(t));
    // Taking the folder back to a classic tournament leaves only the classic files.
    QVERIFY(FormatFiles::remove(dir.path()).ok);
    QVERIFY(!FormatFiles::holdsFormat(dir.path()));
    QVERIFY(QFile::exists(dir.filePath(QStringLiteral("groupeA.dat"))));
}

QTEST_GUILESS_MAIN(TestFormatFiles)
#include "tst_formatfiles.moc"
