// The commit of a set of files and the settling of a folder that a killed
// commit left behind, state by state: what the folder holds afterwards is
// the old set or the whole new one, and nothing of the commit remains.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

#include "tournament/model/FolderCommit.h"

namespace {

void put(const QString &dir, const QString &name, const QByteArray &bytes)
{
    QFile f(QDir(dir).filePath(name));
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(bytes), bytes.size());
}

// name=bytes pairs of everything in the folder, hidden files included.
QStringList contents(const QString &dir)
{
    QStringList out;
    for (const QString &name :
         QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name)) {
        QFile f(QDir(dir).filePath(name));
        const bool plain = QFileInfo(f.fileName()).isFile(); // a FIFO is never opened
        out << name + QLatin1Char('=') + QString::fromLatin1(plain && f.open(QIODevice::ReadOnly) ? f.readAll() : "?");
    }
    return out;
}

const QStringList kOld{"a.dat=old a", "b.dat=old b", "c.dat=old c"};
const QStringList kNew{"a.dat=new a", "b.dat=new b"}; // c.dat removed

} // namespace

class TestFolderCommit : public QObject
{
    Q_OBJECT

private slots:
    void commitReplacesTheSetAndLeavesNothingElse()
    {
        QTemporaryDir dir;
        put(dir.path(), "a.dat", "old a");
        put(dir.path(), "b.dat", "old b");
        put(dir.path(), "c.dat", "old c");
        const FileResult r = FolderCommit::commitFiles(dir.path(), {{"a.dat", "new a"}, {"b.dat", "new b"}}, {"c.dat"});
        QVERIFY2(r.ok, qPrintable(r.error));
        QCOMPARE(contents(dir.path()), kNew);
        // Removing a file that is not there is no fault.
        QVERIFY(FolderCommit::commitFiles(dir.path(), {{"a.dat", "newer a"}}, {"c.dat"}).ok);
        QCOMPARE(contents(dir.path()), (QStringList{"a.dat=newer a", "b.dat=new b"}));
    }

    void commitRefuses_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("fifo");
        QTest::newRow("a FIFO in a file's place") << "b.dat" << true;
        QTest::newRow("a name outside the folder") << "../b.dat" << false;
        QTest::newRow("a name of the commit's own") << ".staged-b.dat" << false;
    }
    void commitRefuses()
    {
        QFETCH(QString, name);
        QFETCH(bool, fifo);
        QTemporaryDir dir;
        put(dir.path(), "a.dat", "old a");
        if (fifo)
            QCOMPARE(::mkfifo(QFile::encodeName(dir.filePath(name)).constData(), 0600), 0);
        const QStringList before = QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        const FileResult r = FolderCommit::commitFiles(dir.path(), {{"a.dat", "new a"}, {name, "new b"}});
        QVERIFY(!r.ok);
        QVERIFY2(r.error.contains(name), qPrintable(r.error));
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), before);
        QCOMPARE(contents(dir.path()).first(), QStringLiteral("a.dat=old a"));
    }

    // What a kill leaves at each moment of a commit of a.dat and b.dat that
    // removes c.dat, and what the folder holds once it is settled.
    void recoverSettlesTheFolder_data()
    {
        QTest::addColumn<QStringList>("left");    // name=bytes, as the kill left them
        QTest::addColumn<QStringList>("settled"); // name=bytes afterwards
        const QString commit = ".folder-commit=folder-commit 1\nput a.dat\nput b.dat\nremove c.dat\nend\n";
        const QStringList staged{".staged-a.dat=new a", ".staged-b.dat=new b"};
        QTest::newRow("nothing staged") << kOld << kOld;
        QTest::newRow("one file staged, no commit file") << kOld + QStringList{".staged-a.dat=new a"} << kOld;
        QTest::newRow("all staged, no commit file") << kOld + staged << kOld;
        QTest::newRow("commit file cut") << kOld + staged + QStringList{".folder-commit=folder-commit 1\nput a.dat\npu"}
                                         << kOld;
        QTest::newRow("commit file without its end")
            << kOld + staged + QStringList{".folder-commit=folder-commit 1\nput a.dat\nput b.dat\n"} << kOld;
        QTest::newRow("commit file naming a file outside")
            << kOld + staged + QStringList{".folder-commit=folder-commit 1\nput ../a.dat\nend\n"} << kOld;
        QTest::newRow("committed, nothing renamed") << kOld + staged + QStringList{commit} << kNew;
        QTest::newRow("committed, a.dat renamed")
            << QStringList{"a.dat=new a", "b.dat=old b", "c.dat=old c", ".staged-b.dat=new b", commit} << kNew;
        QTest::newRow("committed, both renamed")
            << QStringList{"a.dat=new a", "b.dat=new b", "c.dat=old c", commit} << kNew;
        QTest::newRow("committed, all done but the commit file") << kNew + QStringList{commit} << kNew;
    }
    void recoverSettlesTheFolder()
    {
        QFETCH(QStringList, left);
        QFETCH(QStringList, settled);
        QTemporaryDir dir;
        for (const QString &entry : left) {
            const qsizetype eq = entry.indexOf(QLatin1Char('='));
            put(dir.path(), entry.left(eq), entry.mid(eq + 1).toLatin1());
        }
        const FileResult r = FolderCommit::recoverFolder(dir.path());
        QVERIFY2(r.ok, qPrintable(r.error));
        QCOMPARE(contents(dir.path()), settled);
        // Settling twice changes nothing more.
        QVERIFY(FolderCommit::recoverFolder(dir.path()).ok);
        QCOMPARE(contents(dir.path()), settled);
    }

    void recoverLeavesOtherFoldersAlone()
    {
        QTemporaryDir dir;
        QVERIFY(FolderCommit::recoverFolder(dir.filePath("missing")).ok);
        QVERIFY(!QFileInfo::exists(dir.filePath("missing")));
    }
};

QTEST_GUILESS_MAIN(TestFolderCommit)
#include "tst_foldercommit.moc"
