#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

// tabulon --print-pdf as a script calls it: page counts that follow from the
// page-break rules, exit statuses and the whole-or-nothing output file.

namespace {

const QString kLeague = QStringLiteral(TEST_SOURCE_DIR "/examples/league/Liga2026.T98");

struct Result {
    int status = -1;
    QString err;
};

Result runTabulon(const QStringList &args)
{
    QProcess p;
    p.start(QStringLiteral(TABULON_BIN), args);
    p.waitForFinished(120000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromLocal8Bit(p.readAllStandardError())};
}

int pdfPages(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    return int(QString::fromLatin1(f.readAll()).count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))));
}

} // namespace

class TestPrintPdfCommand : public QObject {
    Q_OBJECT

private slots:
    void pageCounts_data();
    void pageCounts();
    void wrongUsage_data();
    void wrongUsage();
    void unreadableLeague();
    void unwritableOutputKeepsOldFile();
};

void TestPrintPdfCommand::pageCounts_data()
{
    QTest::addColumn<QStringList>("selection");
    QTest::addColumn<int>("pages");
    // Six matchdays to a page, three curves to a page, each part on its own page.
    QTest::newRow("eight matchdays") << QStringList{QStringLiteral("--matchdays=1-8")} << 2;
    QTest::newRow("six matchdays") << QStringList{QStringLiteral("--matchdays=1-5,9")} << 1;
    QTest::newRow("four curves") << QStringList{QStringLiteral("--curves=1,5-7")} << 2;
    QTest::newRow("matchdays then curves")
        << QStringList{QStringLiteral("--matchdays=2,4"), QStringLiteral("--curves=1-7")} << 1 + 3;
    QTest::newRow("all curves") << QStringList{QStringLiteral("--curves=all")} << 6;
}

void TestPrintPdfCommand::pageCounts()
{
    QFETCH(QStringList, selection);
    QFETCH(int, pages);
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("liga.pdf"));
    const Result r = runTabulon(QStringList{QStringLiteral("--print-pdf=") + out} + selection + QStringList{kLeague});
    QCOMPARE(r.status, 0);
    QCOMPARE(pdfPages(out), pages);
}

void TestPrintPdfCommand::wrongUsage_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::newRow("no league") << QStringList{QStringLiteral("--print-pdf=x.pdf")};
    QTest::newRow("no file") << QStringList{QStringLiteral("--print-pdf"), kLeague};
    QTest::newRow("matchday 35") << QStringList{QStringLiteral("--print-pdf=x.pdf"), QStringLiteral("--matchdays=30-35"), kLeague};
    QTest::newRow("team 0") << QStringList{QStringLiteral("--print-pdf=x.pdf"), QStringLiteral("--curves=0"), kLeague};
    QTest::newRow("curves filled") << QStringList{QStringLiteral("--print-pdf=x.pdf"), QStringLiteral("--curves=filled"), kLeague};
    QTest::newRow("unknown option") << QStringList{QStringLiteral("--print-pdf=x.pdf"), QStringLiteral("--farbe"), kLeague};
    QTest::newRow("flag with value") << QStringList{QStringLiteral("--print-pdf=x.pdf"), QStringLiteral("--tables=1"), kLeague};
    QTest::newRow("two leagues") << QStringList{QStringLiteral("--print-pdf=x.pdf"), kLeague, kLeague};
}

void TestPrintPdfCommand::wrongUsage()
{
    QFETCH(QStringList, args);
    QTemporaryDir dir;
    QProcess p;
    p.setWorkingDirectory(dir.path());
    p.start(QStringLiteral(TABULON_BIN), args);
    QVERIFY(p.waitForFinished(120000));
    QCOMPARE(p.exitCode(), 2);
    QVERIFY(QString::fromLocal8Bit(p.readAllStandardError()).contains(QLatin1String("--print-pdf=FILE")));
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("x.pdf"))));
}

void TestPrintPdfCommand::unreadableLeague()
{
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("liga.pdf"));
    const Result r = runTabulon({QStringLiteral("--print-pdf=") + out, dir.filePath(QStringLiteral("fehlt.T98"))});
    QCOMPARE(r.status, 1);
    QVERIFY(!r.err.isEmpty());
    QVERIFY(!QFile::exists(out));
}

void TestPrintPdfCommand::unwritableOutputKeepsOldFile()
{
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("kein/ordner.pdf"));
    Result r = runTabulon({QStringLiteral("--print-pdf=") + missing, kLeague});
    QCOMPARE(r.status, 1);
    QCOMPARE(r.err.trimmed(), QStringLiteral("Kann nicht nach %1 schreiben").arg(missing));

    // A folder that cannot be written to leaves the old file as it was.
    const QString locked = dir.filePath(QStringLiteral("fest"));
    QVERIFY(QDir().mkpath(locked));
    const QString old = locked + QStringLiteral("/liga.pdf");
    {
        QFile f(old);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("alt");
    }
    QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    r = runTabulon({QStringLiteral("--print-pdf=") + old, kLeague});
    QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    if (r.status == 0) {
        // Root writes into a read-only folder all the same: then the file
        // must be the complete new document.
        QVERIFY(pdfPages(old) > 0);
        return;
    }
    QCOMPARE(r.status, 1);
    QFile f(old);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArray("alt"));
}

QTEST_GUILESS_MAIN(TestPrintPdfCommand)
#include "tst_printjobs_cli.moc"
