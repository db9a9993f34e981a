#include "common/AtomicFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

class TestAtomicFile : public QObject {
    Q_OBJECT
private slots:
    void replacesWholeFile();
    void refusesWhatIsNotARegularFile_data();
    void refusesWhatIsNotARegularFile();
    void readOnlyFolderKeepsOldFileAndNamesTheReason();
};

static QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void TestAtomicFile::replacesWholeFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.txt"));
    QVERIFY(AtomicFile::write(path, "old").ok());
    QVERIFY(AtomicFile::write(path, "new contents").ok());
    QCOMPARE(contents(path), QByteArray("new contents"));
    // No temporary file is left beside it.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("a.txt")});
}

void TestAtomicFile::refusesWhatIsNotARegularFile_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("fifo") << "fifo";
    QTest::newRow("link to fifo") << "link";
    QTest::newRow("folder") << "folder";
}

void TestAtomicFile::refusesWhatIsNotARegularFile()
{
    QFETCH(QString, kind);
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("fifo"));
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QString target = fifo;
    if (kind == QLatin1String("link")) {
        target = dir.filePath(QStringLiteral("link"));
        QVERIFY(QFile::link(fifo, target));
    } else if (kind == QLatin1String("folder")) {
        target = dir.filePath(QStringLiteral("sub"));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("sub")));
    }
    const AtomicFile::Result r = AtomicFile::write(target, "x");
    QCOMPARE(r.status, AtomicFile::Status::NotRegular);
    QCOMPARE(AtomicFile::reason(r), QStringLiteral("not a regular file"));
    struct stat st;
    QCOMPARE(::stat(QFile::encodeName(fifo).constData(), &st), 0);
    QVERIFY(S_ISFIFO(st.st_mode)); // the FIFO is still a FIFO
}

void TestAtomicFile::readOnlyFolderKeepsOldFileAndNamesTheReason()
{
    // A folder that cannot take the temporary file: the old file stays and
    // the reason is the system's (the full-disk case is in tst_faults).
    if (::geteuid() == 0)
        QSKIP("root writes into read-only folders");
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.txt"));
    QVERIFY(AtomicFile::write(path, "old").ok());
    QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));
    const AtomicFile::Result r = AtomicFile::write(path, "new");
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QVERIFY(!r.ok());
    QVERIFY(!AtomicFile::reason(r).contains(QLatin1String("Unknown")));
    QCOMPARE(contents(path), QByteArray("old"));
}

QTEST_GUILESS_MAIN(TestAtomicFile)
#include "tst_atomicfile.moc"
