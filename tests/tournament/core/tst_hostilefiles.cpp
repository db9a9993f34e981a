#include <QElapsedTimer>
#include <QProcess>
#include <QtTest>

#include "tournament/commands/TournamentCommands.h"
#include "tournament/model/TournamentFiles.h"
#include "tournament_helper.h"

#include <sys/stat.h>
#include <unistd.h>

// Data files that no run of the program can have written: a FIFO, a link to
// an endless device, a file one byte beyond what its format can hold. Every
// reader must refuse them at once, without reading their contents.
namespace {

enum Kind { Fifo, Zero, OneTooMany };

void plant(const QString &path, Kind kind, const QByteArray &oversize)
{
    QFile::remove(path);
    const QByteArray name = QFile::encodeName(path);
    switch (kind) {
    case Fifo:
        QVERIFY(::mkfifo(name.constData(), 0600) == 0);
        break;
    case Zero:
        QVERIFY(::symlink("/dev/zero", name.constData()) == 0);
        break;
    case OneTooMany:
        th::writeFile(path, oversize);
        break;
    }
}

QByteArray matchRecords(int n, char code = 'A')
{
    QByteArray b;
    for (int i = 0; i < n; ++i)
        b += th::matchRecord(code, "A1", "A2", 1, 0);
    return b;
}

} // namespace

class TestHostileFiles : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void groupFiles_data();
    void groupFiles();
    void resultFiles_data();
    void resultFiles();
    void fullResultFilesStillLoad();
    void qualifierFile_data();
    void qualifierFile();
    void scorerFileIsSkipped();
    void commandsRefuseQuickly_data();
    void commandsRefuseQuickly();

private:
    QElapsedTimer m_clock;
};

void TestHostileFiles::initTestCase()
{
    // A reader that blocks on a FIFO would hang here for ever; the alarm
    // ends the test program instead, which fails the test.
    ::alarm(120);
}

void TestHostileFiles::init()
{
    m_clock.start();
}

void TestHostileFiles::groupFiles_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("reason");
    QTest::newRow("FIFO") << int(Fifo) << "not a regular file";
    QTest::newRow("link to /dev/zero") << int(Zero) << "not a regular file";
    QTest::newRow("2,849 bytes") << int(OneTooMany) << "larger than 2848 bytes";
}

void TestHostileFiles::groupFiles()
{
    QFETCH(int, kind);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    th::writeGroups(dir.path());
    const QString path = dir.path() + "/groupeC.dat";
    plant(path, Kind(kind), th::readFile(path) + '\0');
    Tournament t;
    QString failed;
    QString why;
    QVERIFY(!loadGroups(t, dir.path(), &failed, &why));
    QVERIFY(!t.chargement_ok);
    QCOMPARE(failed, QStringLiteral("groupeC.dat"));
    QCOMPARE(why, QStringLiteral("Cannot read %1: %2").arg(path, reason));
    QVERIFY(m_clock.elapsed() < 2000);
}

void TestHostileFiles::resultFiles_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("reason");
    // matchs.dat holds at most the 48 group matches, tour2.dat the 16
    // knock-out matches, 56 bytes each.
    QTest::newRow("matchs.dat FIFO") << "matchs.dat" << int(Fifo) << "not a regular file";
    QTest::newRow("matchs.dat /dev/zero") << "matchs.dat" << int(Zero) << "not a regular file";
    QTest::newRow("matchs.dat 49 records") << "matchs.dat" << int(OneTooMany) << "larger than 2688 bytes";
    QTest::newRow("tour2.dat FIFO") << "tour2.dat" << int(Fifo) << "not a regular file";
    QTest::newRow("tour2.dat /dev/zero") << "tour2.dat" << int(Zero) << "not a regular file";
    QTest::newRow("tour2.dat 17 records") << "tour2.dat" << int(OneTooMany) << "larger than 896 bytes";
}

void TestHostileFiles::resultFiles()
{
    QFETCH(QString, file);
    QFETCH(int, kind);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    th::writeGroups(dir.path());
    const QString path = dir.path() + "/" + file;
    const bool matches = file == "matchs.dat";
    plant(path, Kind(kind), matchRecords(matches ? 49 : 17, matches ? 'A' : '1'));
    Tournament t;
    QVERIFY(loadGroups(t, dir.path()));
    const FileResult r = matches ? loadMatches(t, dir.path()) : loadStage2(t, dir.path());
    QVERIFY(!r.ok);
    QCOMPARE(r.error, QStringLiteral("Cannot read %1: %2").arg(path, reason));
    QVERIFY(t.liste_matchs.empty());
    QVERIFY(t.liste_tour2.empty());
    QVERIFY(m_clock.elapsed() < 2000);
}

void TestHostileFiles::fullResultFilesStillLoad()
{
    QTemporaryDir dir;
    th::writeGroups(dir.path());
    th::writeFile(dir.path() + "/matchs.dat", matchRecords(48));
    th::writeFile(dir.path() + "/tour2.dat", matchRecords(16, 'Z'));
    Tournament t;
    QVERIFY(loadGroups(t, dir.path()));
    QVERIFY(loadMatches(t, dir.path()).ok);
    QVERIFY(loadStage2(t, dir.path()).ok);
    QCOMPARE(t.liste_matchs.size(), size_t(48));
    QCOMPARE(t.liste_tour2.size(), size_t(16));
}

void TestHostileFiles::qualifierFile_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("reason");
    QTest::newRow("FIFO") << int(Fifo) << "not a regular file";
    QTest::newRow("link to /dev/zero") << int(Zero) << "not a regular file";
    QTest::newRow("337 bytes") << int(OneTooMany) << "larger than 336 bytes";
}

void TestHostileFiles::qualifierFile()
{
    QFETCH(int, kind);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    th::writeGroups(dir.path());
    QByteArray q;
    for (int i = 0; i < 16; ++i)
        q += th::name21(QByteArray(1, char('A' + i / 2)) + (i % 2 ? "2" : "1"));
    const QString path = dir.path() + "/qualif.dat";
    plant(path, Kind(kind), q + '\0');
    Tournament t;
    QVERIFY(loadGroups(t, dir.path()));
    th::play(t, "A3", "A1", 2, 0);
    th::play(t, "A2", "A4", 1, 0);
    const FileResult r = loadQualifiers(t, dir.path());
    QVERIFY(!r.ok);
    QCOMPARE(r.error, QStringLiteral("Cannot read %1: %2").arg(path, reason));
    // The slots come from the rankings, as without a drawing of lots.
    QCOMPARE(t.qualifies[0]->name.bytes(), QByteArray("A3"));
    QCOMPARE(t.qualifies[1]->name.bytes(), QByteArray("A2"));
    QVERIFY(m_clock.elapsed() < 2000);
}

void TestHostileFiles::scorerFileIsSkipped()
{
    QTemporaryDir dir;
    for (Kind kind : {Fifo, Zero}) {
        plant(dir.path() + "/buteurs.dat", kind, QByteArray());
        Tournament t;
        loadScorers(t, dir.path());
        QVERIFY(t.matchGoals.empty());
    }
    QVERIFY(m_clock.elapsed() < 2000);
}

void TestHostileFiles::commandsRefuseQuickly_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("message");
    QTest::newRow("--create from a FIFO") << "create" << int(Fifo) << "not a regular file";
    QTest::newRow("--create from /dev/zero") << "create" << int(Zero) << "not a regular file";
    QTest::newRow("--create from 4 MB and a byte") << "create" << int(OneTooMany) << "larger than 4 MB";
    QTest::newRow("--report with a FIFO group") << "report" << int(Fifo) << "not a regular file";
    QTest::newRow("--report with /dev/zero") << "report" << int(Zero) << "not a regular file";
}

void TestHostileFiles::commandsRefuseQuickly()
{
    QFETCH(QString, command);
    QFETCH(int, kind);
    QFETCH(QString, message);
    QTemporaryDir dir;
    th::Run r;
    if (command == "create") {
        const QString text = dir.path() + "/t.txt";
        plant(text, Kind(kind), QByteArray(4 * 1024 * 1024 + 1, '#'));
        r = th::runTrophex({"--create=" + text, dir.path() + "/out"}, QString(), 20000);
        QCOMPARE(r.err, QStringLiteral("trophex: cannot read %1: %2\n").arg(text, message));
        QVERIFY(!QFileInfo::exists(dir.path() + "/out/groupeA.dat"));
    } else {
        th::writeGroups(dir.path());
        const QString group = dir.path() + "/groupeA.dat";
        plant(group, Kind(kind), QByteArray());
        r = th::runTrophex({"--report", dir.path()}, QString(), 20000);
        QCOMPARE(r.err, QStringLiteral("File Error !\tgroupeA.dat\tCannot read %1: %2\n").arg(group, message));
    }
    QCOMPARE(r.exitCode, 1);
    QVERIFY(m_clock.elapsed() < 10000);
}

QTEST_GUILESS_MAIN(TestHostileFiles)
#include "tst_hostilefiles.moc"
