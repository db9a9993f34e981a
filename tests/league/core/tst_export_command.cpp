#include <QtTest>

#include "files_helper.h"

#include "league/model/League.h"
#include "league/model/LeagueFile.h"

#include <QProcess>
#include <QTemporaryDir>

namespace {

// An old-version file: line 1 skipped, 18 names, the zone digits, then per
// matchday two date lines and nine rows in two-character columns (home
// team, home goals, away goals, away team).
QByteArray tn3WithOneResult()
{
    QByteArray t = "Liga\r\n";
    for (int i = 1; i <= 18; ++i)
        t += "Verein " + QByteArray::number(i) + "\r\n";
    t += "133\r\n";
    for (int j = 1; j <= 34; ++j) {
        t += "\r\n\r\n";
        for (int k = 1; k <= 9; ++k)
            t += (j == 1 && k == 1) ? " 5 3 1 6\r\n" : " 0-1-1 0\r\n";
    }
    return t;
}

} // namespace

class TestExportCommand : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void tablesUseTheLeaguesZones();
    void curvePicture();
    void importsOldFiles();
    void badArguments_data();
    void badArguments();
    void failuresLeaveTheOutputAlone();
    void commandsTakeTheLeaguesOwnSize();

private:
    QTemporaryDir m_dir;
    QString m_league;
};

void TestExportCommand::initTestCase()
{
    QVERIFY(m_dir.isValid());
    League l;
    l.hasChampion = false;
    l.clPlaces = 0;
    l.ucPlaces = 1;
    l.relegationPlaces = 2;
    for (int i = 1; i <= 18; ++i)
        l.teamNames[i] = QStringLiteral("Klub %1").arg(i);
    l.match(1, 1) = Match{4, 9, 2, 0};
    l.match(2, 1) = Match{9, 4, 1, 1};
    m_league = m_dir.filePath(QStringLiteral("liga.T98"));
    l.leagueFileName = m_league;
    SaveDatei(l);
}

void TestExportCommand::tablesUseTheLeaguesZones()
{
    const QString out = m_dir.filePath(QStringLiteral("tabelle.html"));
    const Run r = runTabulon({QStringLiteral("--export=tables"), QStringLiteral("--format=html"),
                           QStringLiteral("--output=") + out, m_league});
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.err, QByteArray());
    const QByteArray html = readAll(out);
    // No champion, no Champions League: row 1 is the one UEFA Cup place,
    // the last two rows are relegated, whatever the default layout says.
    QCOMPARE(html.count(R"(<TR BGCOLOR="#BBFFBB">)"), 1);
    QCOMPARE(html.count(R"(<TR BGCOLOR="#FFBBBB">)"), 2);
    QCOMPARE(html.count(R"(<TR BGCOLOR="#BBFFFF">)"), 0);
    const qsizetype first = html.indexOf(R"(  <TR BGCOLOR="#BBFFBB">)" "\r\n"
                                         R"(    <TD ALIGN="CENTER"><B>1</B></TD>)" "\r\n"
                                         R"(    <TD ALIGN="CENTER">Klub 4</TD>)");
    QVERIFY(first > 0);

    const QString txt = m_dir.filePath(QStringLiteral("tabelle.txt"));
    QCOMPARE(runTabulon({QStringLiteral("--export=tables"), QStringLiteral("--format=txt"),
                      QStringLiteral("--output=") + txt, m_league}).exitCode, 0);
    QVERIFY(readAll(txt).contains("\r\n 1 Klub 4" + QByteArray(21, ' ') + " 2  1  1  0    4     3 : 1        2\r\n"));

    const QString rtf = m_dir.filePath(QStringLiteral("kreuz.rtf"));
    QCOMPARE(runTabulon({QStringLiteral("--export=cross"), QStringLiteral("--format=rtf"),
                      QStringLiteral("--output=") + rtf, m_league}).exitCode, 0);
    QVERIFY(readAll(rtf).contains(" 4\\tab Klub 4\\tab \\tab \\tab \\tab \\tab \\tab \\par"));
    QVERIFY(readAll(rtf).contains(" 4\\tab Klub 4\\tab \\tab \\tab 2 : 0\\tab \\tab \\tab \\par"));

    const QString st = m_dir.filePath(QStringLiteral("spieltage.txt"));
    QCOMPARE(runTabulon({QStringLiteral("--export=matchdays"), QStringLiteral("--format=txt"),
                      QStringLiteral("--output=") + st, m_league}).exitCode, 0);
    QVERIFY(readAll(st).contains("\r\n2. Spieltag vom "));
}

void TestExportCommand::curvePicture()
{
    for (const char *format : {"gif", "bmp"}) {
        const QString out = m_dir.filePath(QStringLiteral("kurve.") + QLatin1String(format));
        const Run r = runTabulon({QStringLiteral("--export=curve"), QStringLiteral("--team=4"),
                               QStringLiteral("--format=") + QLatin1String(format),
                               QStringLiteral("--output=") + out, m_league});
        QCOMPARE(r.exitCode, 0);
        const QImage img(out);
        QCOMPARE(img.size(), QSize(465, 300));
        // Slot 4 leads after matchdays 1 and 2.
        QCOMPARE(img.pixel(34, 34), qRgb(0, 0, 255));
        QCOMPARE(img.pixel(46, 34), qRgb(0, 0, 255));
    }
    QCOMPARE(readAll(m_dir.filePath(QStringLiteral("kurve.gif"))).left(6), QByteArray("GIF87a"));
}

void TestExportCommand::importsOldFiles()
{
    const QString old = m_dir.filePath(QStringLiteral("alt.tn3"));
    QFile f(old);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(tn3WithOneResult());
    f.close();
    const QString out = m_dir.filePath(QStringLiteral("alt.txt"));
    const Run r = runTabulon({QStringLiteral("--export=tables"), QStringLiteral("--format=txt"),
                           QStringLiteral("--output=") + out, old});
    QCOMPARE(r.exitCode, 0);
    QVERIFY(readAll(out).contains("\r\n 1 Verein 5" + QByteArray(19, ' ') + " 1  1  0  0    3     3 : 1        2\r\n"));
}

void TestExportCommand::badArguments_data()
{
    QTest::addColumn<QStringList>("args");
    const QString out = QStringLiteral("--output=never.txt");
    QTest::newRow("unknown document") << QStringList{"--export=teams", "--format=txt", out, "L"};
    QTest::newRow("unknown format") << QStringList{"--export=tables", "--format=pdf", out, "L"};
    QTest::newRow("picture format for a document") << QStringList{"--export=cross", "--format=gif", out, "L"};
    QTest::newRow("document format for a curve") << QStringList{"--export=curve", "--team=1", "--format=html", out, "L"};
    QTest::newRow("team 0") << QStringList{"--export=curve", "--team=0", "--format=gif", out, "L"};
    QTest::newRow("team 19") << QStringList{"--export=curve", "--team=19", "--format=gif", out, "L"};
    QTest::newRow("team not a number") << QStringList{"--export=curve", "--team=x", "--format=gif", out, "L"};
    QTest::newRow("missing team") << QStringList{"--export=curve", "--format=bmp", out, "L"};
    QTest::newRow("team for a table") << QStringList{"--export=tables", "--team=2", "--format=txt", out, "L"};
    QTest::newRow("missing format") << QStringList{"--export=tables", out, "L"};
    QTest::newRow("missing output") << QStringList{"--export=tables", "--format=txt", "L"};
    QTest::newRow("missing league") << QStringList{"--export=tables", "--format=txt", out};
    QTest::newRow("two leagues") << QStringList{"--export=tables", "--format=txt", out, "L", "M"};
    QTest::newRow("unknown option") << QStringList{"--export=tables", "--format=txt", "--colour=red", out, "L"};
    QTest::newRow("option twice") << QStringList{"--export=tables", "--format=txt", "--format=rtf", out, "L"};
}

void TestExportCommand::badArguments()
{
    QFETCH(QStringList, args);
    for (QString &a : args)
        if (a == QLatin1String("L"))
            a = m_league;
    QProcess p;
    p.setWorkingDirectory(m_dir.path());
    p.start(QStringLiteral(TABULON_BIN), args);
    QVERIFY(p.waitForFinished(60000));
    QCOMPARE(p.exitCode(), 2);
    QVERIFY(p.readAllStandardError().contains("--export=curve --team=N --format=bmp|gif|png --output=FILE LEAGUE"));
    QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("never.txt"))));
}

void TestExportCommand::failuresLeaveTheOutputAlone()
{
    const QString out = m_dir.filePath(QStringLiteral("bleibt.txt"));
    QFile f(out);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("alt");
    f.close();

    // A league that cannot be read: one line, exit status 1.
    Run r = runTabulon({QStringLiteral("--export=tables"), QStringLiteral("--format=txt"),
                     QStringLiteral("--output=") + out, m_dir.filePath(QStringLiteral("fehlt.T98"))});
    QCOMPARE(r.exitCode, 1);
    QCOMPARE(r.err.count('\n'), 1);
    QCOMPARE(readAll(out), QByteArray("alt"));

    // A broken old file stops the import.
    const QString broken = m_dir.filePath(QStringLiteral("kaputt.tn3"));
    QFile b(broken);
    QVERIFY(b.open(QIODevice::WriteOnly));
    b.write("kurz\r\n");
    b.close();
    r = runTabulon({QStringLiteral("--export=tables"), QStringLiteral("--format=txt"),
                 QStringLiteral("--output=") + out, broken});
    QCOMPARE(r.exitCode, 1);
    QCOMPARE(r.err.count('\n'), 1);
    QCOMPARE(readAll(out), QByteArray("alt"));

    // A folder that does not exist: the HTML/text message with errno 2.
    r = runTabulon({QStringLiteral("--export=matchdays"), QStringLiteral("--format=html"),
                 QStringLiteral("--output=") + m_dir.filePath(QStringLiteral("nicht/da.html")), m_league});
    QCOMPARE(r.exitCode, 1);
    QCOMPARE(r.err, QByteArray("I/O-Fehler 2\n"));
    r = runTabulon({QStringLiteral("--export=curve"), QStringLiteral("--team=1"), QStringLiteral("--format=gif"),
                 QStringLiteral("--output=") + m_dir.filePath(QStringLiteral("nicht/da.gif")), m_league});
    QCOMPARE(r.exitCode, 1);
    QCOMPARE(QString::fromUtf8(r.err),
             QStringLiteral("Kann Datei %1 nicht erstellen\n").arg(m_dir.filePath(QStringLiteral("nicht/da.gif"))));
}

// QImage reads the written pictures back; that needs a GUI application.

void TestExportCommand::commandsTakeTheLeaguesOwnSize()
{
    League l;
    QVERIFY(l.reshape(20, 38));
    for (int i = 1; i <= 20; ++i)
        l.teamNames[i] = QStringLiteral("Klub %1").arg(i);
    l.match(1, 10) = Match{19, 20, 2, 0};
    const QString league = m_dir.filePath(QStringLiteral("zwanzig.T98"));
    l.leagueFileName = league;
    SaveDatei(l);

    // Slot 20 exists and its curve is the 20-team, 38-matchday picture.
    const QString bmp = m_dir.filePath(QStringLiteral("zwanzig.bmp"));
    Run r = runTabulon({QStringLiteral("--export=curve"), QStringLiteral("--team=20"), QStringLiteral("--format=bmp"),
                        QStringLiteral("--output=") + bmp, league});
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(QImage(bmp).size(), QSize(465 + 4 * 12, 300 + 2 * 12));
    r = runTabulon({QStringLiteral("--export=curve"), QStringLiteral("--team=21"), QStringLiteral("--format=bmp"),
                    QStringLiteral("--output=") + m_dir.filePath(QStringLiteral("nie.bmp")), league});
    QCOMPARE(r.exitCode, 2);
    QVERIFY(r.err.contains("--team must be a team slot from 1 to 20"));
    QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("nie.bmp"))));

    const QString pdf = m_dir.filePath(QStringLiteral("zwanzig.pdf"));
    r = runTabulon({QStringLiteral("--print-pdf=") + pdf, QStringLiteral("--matchdays=38"),
                    QStringLiteral("--curves=19-20"), league});
    QCOMPARE(r.exitCode, 0);
    QVERIFY(readAll(pdf).startsWith("%PDF"));
    for (const char *beyond : {"--matchdays=39", "--curves=21"}) {
        r = runTabulon({QStringLiteral("--print-pdf=") + m_dir.filePath(QStringLiteral("nie.pdf")),
                        QString::fromLatin1(beyond), league});
        QCOMPARE(r.exitCode, 2);
        QVERIFY2(r.err.contains("the league has 1.."), r.err.constData());
        QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("nie.pdf"))));
    }
}

QTEST_MAIN(TestExportCommand)
#include "tst_export_command.moc"
