#include <QtTest>

#include "files_helper.h"

#include <optional>

#include <sys/stat.h>

namespace {

// An old-format file: free first line, 18 names, zone digits, then per
// matchday two dates and nine fixed-column rows.
QByteArray oldFile(const QByteArray &firstRow)
{
    QByteArray b = "Tabulon 3.2.1\r\n";
    for (int i = 1; i <= 18; ++i)
        b += "Elf " + QByteArray::number(i) + "\r\n";
    b += "033\r\n";
    for (int j = 1; j <= 34; ++j) {
        b += j == 1 ? "1.9.1997\r\n2.9.1997\r\n" : "\r\n\r\n";
        for (int k = 1; k <= 9; ++k)
            b += (j == 1 && k == 1 ? firstRow : QByteArray(" 0-1-1 0")) + "\r\n";
    }
    return b;
}

} // namespace

class TestConvert : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void emptyLeagueFileGivesEmptyLeague();
    void unreadableLeagueFileIsRefused_data();
    void unreadableLeagueFileIsRefused();
    void namesOutsideTheFileSystemsEncodingAreRefused();
    void oldFileIsConverted();
    void failureLeavesOutputUntouched_data();
    void failureLeavesOutputUntouched();
    void examplesAreInTheProgramsLayout_data();
    void examplesAreInTheProgramsLayout();
    void usage();
};

void TestConvert::emptyLeagueFileGivesEmptyLeague()
{
    // An existing league file without entries: every key reads as its default.
    QTemporaryDir dir;
    writeAll(dir.filePath("empty.T98"), QByteArray());
    const Run r = runTabulon({"--convert", "empty.T98", "new.T98"}, dir.path());
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.err, QByteArray());

    QByteArray expected = "[Options]\r\nTitle=Tabulon '98\r\nTeams=18\r\nRounds=34\r\nChamp=1\r\n"
                          "CL=1\r\nUC=3\r\nAB=3\r\nActual=1\r\n[Teams]\r\n";
    for (int i = 1; i <= 18; ++i)
        expected += QByteArray::number(i) + "=[keine]\r\n";
    for (int i = 1; i <= 18; ++i)
        expected += "[Team" + QByteArray::number(i) + "]\r\nSS=0\r\nSU=0\r\nSN=0\r\nGE=0\r\nGA=0\r\nSP=0\r\n";
    for (int j = 1; j <= 34; ++j) {
        expected += "[Round" + QByteArray::number(j) + "]\r\nD1=\r\nD2=\r\n";
        for (int k = 1; k <= 9; ++k) {
            const QByteArray n = QByteArray::number(k);
            expected += "TA" + n + "=0\r\nTB" + n + "=0\r\nGA" + n + "=-1\r\nGB" + n + "=-1\r\n";
        }
    }
    const QByteArray written = readAll(dir.filePath("new.T98"));
    QCOMPARE(written, expected);
    QCOMPARE(written.count('='), 8 + 18 + 18 * 6 + 34 * 38);
    QCOMPARE(readAll(dir.filePath("empty.T98")), QByteArray());
}

void TestConvert::unreadableLeagueFileIsRefused_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("missing") << "missing";
    QTest::newRow("folder") << "folder";
    QTest::newRow("no read permission") << "unreadable";
    QTest::newRow("empty name") << "empty";
}

void TestConvert::unreadableLeagueFileIsRefused()
{
    // The window may open a missing league as an empty one; a conversion
    // must not replace OUT with it and report success.
    QFETCH(QString, kind);
    QTemporaryDir dir;
    ::chmod(QFile::encodeName(dir.path()).constData(), 0777);
    const QString in = kind == "empty" ? QString() : dir.filePath("liga.T98");
    const QString out = dir.filePath("ziel.T98");
    const QByteArray old = "[Options]\r\nActual=3\r\n";
    writeAll(out, old);
    if (kind == "folder")
        QVERIFY(QDir(dir.path()).mkdir("liga.T98"));
    if (kind == "unreadable") {
        writeAll(in, "[Options]\r\nActual=5\r\n");
        ::chmod(QFile::encodeName(in).constData(), 0);
        ::chmod(QFile::encodeName(out).constData(), 0666);
    }
    Run r;
    {
        std::optional<AsUnprivileged> guard;
        if (kind == "unreadable")
            guard.emplace();
        r = runTabulon({"--convert", in, out});
    }
    QCOMPARE(r.exitCode, 1);
    const QString reason = kind == "folder" ? QString(": keine gewöhnliche Datei") : QString();
    QCOMPARE(QString::fromUtf8(r.err), QString("Datei %1 kann nicht geöffnet werden%2\n").arg(in, reason));
    QCOMPARE(r.out, QByteArray());
    QCOMPARE(readAll(out), old);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files),
             kind == "unreadable" ? QStringList({"liga.T98", "ziel.T98"}) : QStringList({"ziel.T98"}));
}

void TestConvert::namesOutsideTheFileSystemsEncodingAreRefused()
{
    // A byte that is not UTF-8 decodes to U+FFFD; encoded again it names the
    // file "x\xEF\xBF\xBD.T98", which must neither be read nor written.
    QTemporaryDir dir;
    const QByteArray base = QFile::encodeName(dir.path());
    const QByteArray lookalike = "[Options]\r\nActual=5\r\n";
    writeAll(dir.filePath(QString::fromUtf8("in\xEF\xBF\xBD.T98")), lookalike);
    writeAll(dir.filePath("good.T98"), lookalike);
    const QByteArray old = "[Options]\r\nActual=3\r\n";
    writeAll(dir.filePath("ziel.T98"), old);

    auto run = [&](const QByteArray &in, const QByteArray &out) {
        // QProcess would encode the arguments as UTF-8; the shell passes the raw bytes.
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_RUNTIME_DIR"})
            env.remove(QString::fromLatin1(name));
        p.setProcessEnvironment(env);
        p.start("/bin/sh", {"-c", "exec \"$0\" --convert \"$(printf \"$1\")\" \"$(printf \"$2\")\"",
                            TABULON_BIN, QString::fromLatin1(base + '/' + in), QString::fromLatin1(base + '/' + out)});
        Run r;
        if (p.waitForFinished(60000)) {
            r.exitCode = p.exitCode();
            r.err = p.readAllStandardError();
        }
        return r;
    };
    const Run badIn = run("in\\377.T98", "ziel.T98");
    QCOMPARE(badIn.exitCode, 1);
    QCOMPARE(badIn.err.count('\n'), 1);
    QVERIFY2(badIn.err.contains("kann nicht ge\xC3\xB6" "ffnet werden"), badIn.err.constData());
    QCOMPARE(readAll(dir.filePath("ziel.T98")), old);

    const Run badOut = run("good.T98", "out\\377.T98");
    QCOMPARE(badOut.exitCode, 1);
    QVERIFY(badOut.err.startsWith("Kann nicht nach "));
    QCOMPARE(badOut.err.count('\n'), 1);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 3);
}

void TestConvert::oldFileIsConverted()
{
    QTemporaryDir dir;
    const QString in = dir.filePath("ALT.TN3");
    writeAll(in, oldFile(" 5 3 0 6"));
    const Run r = runTabulon({"--convert", in, dir.filePath("neu.T98")});
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.err, QByteArray());
    const QByteArray b = readAll(dir.filePath("neu.T98"));
    QVERIFY(b.startsWith("[Options]\r\nTitle=Tabulon '98\r\nTeams=18\r\nRounds=34\r\nChamp=1\r\n"
                         "CL=0\r\nUC=3\r\nAB=3\r\nActual=1\r\n[Teams]\r\n1=Elf 1\r\n2=Elf 2\r\n"));
    QVERIFY(b.contains("[Round1]\r\nD1=01.09.1997\r\nD2=02.09.1997\r\nTA1=5\r\nTB1=6\r\nGA1=3\r\nGB1=0\r\n"
                       "TA2=0\r\nTB2=0\r\nGA2=-1\r\nGB2=-1\r\n"));
}

void TestConvert::failureLeavesOutputUntouched_data()
{
    QTest::addColumn<QString>("in");
    QTest::addColumn<QByteArray>("inBytes");
    QTest::addColumn<QString>("out");
    QTest::addColumn<bool>("outExists");
    QTest::addColumn<QString>("message");

    QTest::newRow("bad column, existing output")
        << "alt.tn3" << oldFile(" 5x1 0 6") << "ziel.T98" << true << "'x1' ist kein gültiger Integerwert";
    QTest::newRow("bad column, no output yet")
        << "alt.tn3" << oldFile(" 5x1 0 6") << "ziel.T98" << false << "'x1' ist kein gültiger Integerwert";
    QTest::newRow("too short") << "alt.Tn3" << oldFile(" 5 3 0 6").left(400) << "ziel.T98" << true
                               << "'' ist kein gültiger Integerwert";
    QTest::newRow("missing old file") << "fehlt.tn3" << QByteArray() << "ziel.T98" << true << "Datei nicht gefunden";
    QTest::newRow("output folder missing")
        << "alt.tn3" << oldFile(" 5 3 0 6") << "weg/ziel.T98" << false << "Kann nicht nach %1 schreiben";
}

void TestConvert::failureLeavesOutputUntouched()
{
    QFETCH(QString, in);
    QFETCH(QByteArray, inBytes);
    QFETCH(QString, out);
    QFETCH(bool, outExists);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QString inPath = dir.filePath(in);
    const QString outPath = dir.filePath(out);
    if (!inBytes.isEmpty())
        writeAll(inPath, inBytes);
    const QByteArray old = "[Options]\r\nActual=3\r\n";
    if (outExists)
        writeAll(outPath, old);

    const Run r = runTabulon({"--convert", inPath, outPath});
    QCOMPARE(r.exitCode, 1);
    QCOMPARE(QString::fromUtf8(r.err), message.arg(outPath) + "\n");
    QCOMPARE(r.out, QByteArray());
    if (outExists)
        QCOMPARE(readAll(outPath), old);
    else
        QVERIFY(!QFile::exists(outPath));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), int(!inBytes.isEmpty()) + int(outExists));
}

void TestConvert::examplesAreInTheProgramsLayout_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("current season") << "Liga2026.T98";
    QTest::newRow("entered from matchday 11") << "Rueckrunde2026.T98";
}

void TestConvert::examplesAreInTheProgramsLayout()
{
    // The bundled leagues are written by their own script; read and saved
    // again by the program they must not change by a single byte.
    QFETCH(QString, name);
    const QString source = QStringLiteral(TEST_SOURCE_DIR "/examples/league/") + name;
    QTemporaryDir dir;
    const Run r = runTabulon({"--convert", source, dir.filePath(name)});
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(readAll(dir.filePath(name)), readAll(source));
}

void TestConvert::usage()
{
    const Run help = runTabulon({"--help"});
    QCOMPARE(help.exitCode, 0);
    QVERIFY(help.out.contains("--convert IN OUT"));
    QVERIFY(help.out.contains("--version"));

    const Run version = runTabulon({"--version"});
    QCOMPARE(version.exitCode, 0);
    QVERIFY(version.out.startsWith("Tabulon '98 "));

    const Run unknown = runTabulon({"--gibtsnicht"});
    QCOMPARE(unknown.exitCode, 2);
    QVERIFY(unknown.err.contains("--gibtsnicht"));
    QVERIFY(unknown.err.contains("--convert IN OUT"));
    QCOMPARE(unknown.out, QByteArray());

    const Run oneName = runTabulon({"--convert", "nur.T98"});
    QCOMPARE(oneName.exitCode, 2);
    QVERIFY(!oneName.err.isEmpty());
}

QTEST_GUILESS_MAIN(TestConvert)
#include "tst_convert.moc"
