// Writing every data file when the system refuses: a read-only folder, a
// full disk, and the process killed once a temporary file is complete but
// before it replaces the old file. The old files keep their bytes, no other
// file appears, the failure names the file and the system's reason, and
// "Save" keeps the tournament marked unsaved. A save or an import that is
// killed at any step, or runs out of room half-way, leaves a folder that
// reads as the old or the new tournament once it is opened again.
#include "tests/faults/FaultInjection.h"

#include "tournament_helper.h"

#include "tournament/exchange/TournamentImport.h"
#include "tournament/model/FolderCommit.h"
#include "tournament/model/TournamentFiles.h"

#include <QCoreApplication>
#include <QProcess>
#include <QtTest>

using namespace FaultInjection;

namespace {

bool g_canMount = false;

// A tournament with results in two groups, stage-2 matches and all sixteen
// qualifiers, so that every file has records to write.
void fill(Tournament &t)
{
    th::fillTournament(t);
    th::play(t, "A1", "A2", 2, 1);
    th::play(t, "B3", "B4", 0, 0);
    for (int i = 0; i < kQualifierCount; ++i)
        t.qualifies[i] = t.groupes[i / 2].teams[i % 2].get();
    t.liste_tour2.push_back(TRencontre{'1', ShortName("A1"), ShortName("B2"), 3, 1});
    t.qualif_a_ecrire = true;
    t.modifie = true;
}

// The files each target writes.
QStringList filesOf(const QString &target)
{
    if (target == QLatin1String("groups")) {
        QStringList names;
        for (char g = 'A'; g <= 'H'; ++g)
            names << TournamentFiles::groupFileName(g);
        return names;
    }
    if (target == QLatin1String("matches"))
        return {QString::fromLatin1(TournamentFiles::MatchesFile)};
    if (target == QLatin1String("stage2"))
        return {QString::fromLatin1(TournamentFiles::Stage2File)};
    if (target == QLatin1String("qualifiers"))
        return {QString::fromLatin1(TournamentFiles::QualifiersFile)};
    // "Save" writes all of them.
    return filesOf(QStringLiteral("groups")) + filesOf(QStringLiteral("matches"))
        + filesOf(QStringLiteral("stage2")) + filesOf(QStringLiteral("qualifiers"));
}

FileResult save(const QString &target, const QString &dir, bool *stillModified = nullptr)
{
    Tournament t;
    if (target == QLatin1String("import")) {
        // The group stage of 2022 with its scorers and their flags.
        const TournamentImport::Result imported = TournamentImport::importFiles(
            t, {QStringLiteral(TEST_SOURCE_DIR "/tests/data/open-football/worldcup-2022/cup.txt")}, QString());
        if (!imported.ok)
            return FileResult::failure(imported.error);
        return TournamentImport::writeFolder(t, dir, imported.lotsDrawn);
    }
    fill(t);
    FileResult r;
    if (target == QLatin1String("groups"))
        r = saveGroupFiles(t, dir);
    else if (target == QLatin1String("matches"))
        r = saveMatchFile(t, dir);
    else if (target == QLatin1String("stage2"))
        r = saveStage2File(t, dir);
    else if (target == QLatin1String("qualifiers"))
        r = saveQualifierFile(t, dir);
    else
        r = saveAll(t, dir);
    if (stillModified)
        *stillModified = t.modifie;
    return r;
}

QByteArray oldBytes(const QString &name)
{
    return "old " + name.toLatin1();
}

void writeOldFiles(const QString &dir, const QStringList &names)
{
    for (const QString &name : names)
        QVERIFY(writeAll(QDir(dir).filePath(name), oldBytes(name)));
}

void checkOldFiles(const QString &dir, const QStringList &names)
{
    for (const QString &name : names)
        QCOMPARE(readAll(QDir(dir).filePath(name)), oldBytes(name));
}

// An earlier tournament in the folder: every file a save or the import
// writes or removes, and a flag picture the import replaces.
QStringList earlierTournament()
{
    return filesOf(QStringLiteral("all")) << QString::fromLatin1(TournamentFiles::ScorersFile)
                                          << QStringLiteral("brazil.bmp");
}

// Everything the folder holds, hidden files included, by name.
QMap<QString, QByteArray> snapshot(const QString &dir)
{
    QMap<QString, QByteArray> files;
    const QStringList names =
        QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString &name : names)
        if (name != QLatin1String("filler"))
            files.insert(name, readAll(QDir(dir).filePath(name)));
    return files;
}

// The folder as the program finds it when it opens it next.
QMap<QString, QByteArray> reopened(const QString &dir)
{
    const FileResult r = FolderCommit::recoverFolder(dir);
    if (!r.ok)
        qWarning("%s", qPrintable(r.error));
    return snapshot(dir);
}

QStringList sorted(QStringList names)
{
    names.sort();
    return names;
}

// The first file a target writes is the one its failure names: the match
// list comes first in "Save".
QString firstFile(const QString &target)
{
    return target == QLatin1String("all") ? QString::fromLatin1(TournamentFiles::MatchesFile)
                                          : filesOf(target).first();
}

} // namespace

class TestTournamentFaults : public QObject {
    Q_OBJECT

private slots:
    void readOnlyFolder_data() { targets(); }
    void readOnlyFolder()
    {
        QFETCH(QString, target);
        FaultFolder folder(g_canMount);
        QVERIFY(folder.isValid());
        const QStringList names = filesOf(target);
        writeOldFiles(folder.path(), names);
        if (!folder.makeReadOnly())
            QSKIP("no way to make a folder read-only for this user here");
        checkFailure(target, folder, names);
    }

    void fullDisk_data() { targets(); }
    void fullDisk()
    {
        QFETCH(QString, target);
        FaultFolder folder(g_canMount);
        if (!folder.isMounted())
            QSKIP("a full disk needs a small tmpfs, which this user cannot mount");
        const QStringList names = filesOf(target);
        writeOldFiles(folder.path(), names);
        QVERIFY(folder.makeFull());
        QCOMPARE(folder.createError(), ENOSPC);
        checkFailure(target, folder, names);
    }

    void killedBeforeRename_data() { targets(); }
    void killedBeforeRename()
    {
        QFETCH(QString, target);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QStringList names = filesOf(target);
        writeOldFiles(dir.path(), names);
        const auto listing = [&] {
            return QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
        };

        // Killed when it asks for the first finished file to be put in place.
        QCOMPARE(runSaveInChild(target, dir.path(), true), -1);
        checkOldFiles(dir.path(), names);
        QCOMPARE(listing(), sorted(names));

        // Left alone, the same save replaces every file.
        QCOMPARE(runSaveInChild(target, dir.path(), false), 0);
        for (const QString &name : names)
            QVERIFY2(readAll(dir.filePath(name)) != oldBytes(name), qPrintable(name));
        QCOMPARE(listing(), sorted(names));
    }

    // The child is killed at one step after another (a file put in place or
    // removed); each time the folder, opened again, holds exactly the old
    // or exactly the new files. A tmpfs keeps the many runs quick.
    void killedAtEveryStep_data() { wholeSaves(); }
    void killedAtEveryStep()
    {
        QFETCH(QString, target);
        QFETCH(int, stride);
        const auto freshFolder = [&](FaultFolder &f) {
            QVERIFY(f.isValid());
            writeOldFiles(f.path(), earlierTournament());
        };
        FaultFolder before(g_canMount, 4096);
        freshFolder(before);
        const QMap<QString, QByteArray> old = snapshot(before.path());
        QCOMPARE(runSaveInChild(target, before.path(), false), 0);
        const QMap<QString, QByteArray> renewed = snapshot(before.path());
        QVERIFY(renewed != old);

        int sawOld = 0;
        int sawNew = 0;
        for (int step = 1; step < 2000; step += stride) {
            FaultFolder folder(g_canMount, 4096);
            freshFolder(folder);
            const int exit = runSaveInChild(target, folder.path(), false, step);
            if (exit == 0)
                break; // the save needed fewer steps
            QCOMPARE(exit, -1);
            const QMap<QString, QByteArray> found = reopened(folder.path());
            QVERIFY2(found == old || found == renewed, qPrintable(QStringLiteral("killed at step %1").arg(step)));
            ++(found == old ? sawOld : sawNew);
        }
        // Killed before the commit and after it.
        QVERIFY(sawOld > 0);
        QVERIFY(sawNew > 0);
    }

    // The disk runs full at one point after another of the save: the save
    // fails with the system's reason and the folder holds the old files, or
    // it succeeds and holds the new ones.
    void fullDiskHalfWay_data() { wholeSaves(); }
    void fullDiskHalfWay()
    {
        QFETCH(QString, target);
        QFETCH(int, stride);
        QTemporaryDir roomy;
        writeOldFiles(roomy.path(), earlierTournament());
        const QMap<QString, QByteArray> old = snapshot(roomy.path());
        QVERIFY(save(target, roomy.path()).ok);
        const QMap<QString, QByteArray> renewed = snapshot(roomy.path());

        int failures = 0;
        for (int pages = 0; pages < 1000; pages += stride) {
            FaultFolder folder(g_canMount, 2048);
            if (!folder.isMounted())
                QSKIP("a full disk needs a small tmpfs, which this user cannot mount");
            writeOldFiles(folder.path(), earlierTournament());
            QVERIFY(folder.makeFull());
            // Room for a few pages more than nothing.
            QFile filler(folder.filePath(QStringLiteral("filler")));
            QVERIFY(filler.resize(qMax<qint64>(0, filler.size() - qint64(pages) * 4096)));
            const FileResult r = save(target, folder.path());
            const QMap<QString, QByteArray> found = reopened(folder.path());
            if (r.ok) {
                QCOMPARE(found, renewed);
                break;
            }
            ++failures;
            QVERIFY2(r.error.endsWith(QLatin1String(": No space left on device")), qPrintable(r.error));
            QVERIFY2(found == old, qPrintable(QStringLiteral("%1 pages free").arg(pages)));
        }
        // Room for some files of the set but not for all of them.
        QVERIFY(failures > 1);
    }

    // --export on a full disk: exit 1 with the system's reason, and the
    // earlier export keeps its bytes.
    void exportOnFullDisk()
    {
        FaultFolder folder(g_canMount);
        if (!folder.isMounted())
            QSKIP("a full disk needs a small tmpfs, which this user cannot mount");
        const QString out = folder.filePath(QStringLiteral("cup.txt"));
        QVERIFY(writeAll(out, "old export"));
        QVERIFY(folder.makeFull());
        QProcess trophex;
        trophex.start(QStringLiteral(TROPHEX_BIN),
                      {QStringLiteral("--export=") + out, QStringLiteral(TEST_SOURCE_DIR "/examples/tournament")});
        QVERIFY(trophex.waitForFinished(60000));
        const QString err = QString::fromLocal8Bit(trophex.readAllStandardError());
        QCOMPARE(trophex.exitCode(), 1);
        QVERIFY2(err.contains(QStringLiteral("cannot write ") + out + QStringLiteral(": No space left on device")),
                 qPrintable(err));
        QCOMPARE(readAll(out), QByteArray("old export"));
        QCOMPARE(folder.entries(), QStringList{"cup.txt"});
    }

private:
    static void wholeSaves()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<int>("stride");
        QTest::newRow("Save") << "all" << 2;
        QTest::newRow("import") << "import" << 9;
    }

    static void targets()
    {
        QTest::addColumn<QString>("target");
        QTest::newRow("groupeA..H.dat") << "groups";
        QTest::newRow("matchs.dat") << "matches";
        QTest::newRow("tour2.dat") << "stage2";
        QTest::newRow("qualif.dat") << "qualifiers";
        QTest::newRow("Save") << "all";
    }

    static void checkFailure(const QString &target, const FaultFolder &folder, const QStringList &names)
    {
        const int err = folder.createError();
        QVERIFY(err != 0);
        bool stillModified = false;
        const FileResult r = save(target, folder.path(), &stillModified);
        QVERIFY(!r.ok);
        // The standard error box: the file and the system's reason.
        const QString prefix = QStringLiteral("Cannot write %1: ").arg(folder.filePath(firstFile(target)));
        QVERIFY2(r.error.startsWith(prefix), qPrintable(r.error));
        QVERIFY2(r.error.size() > prefix.size(), qPrintable(r.error));
        QVERIFY(stillModified);
        checkOldFiles(folder.path(), names);
        QCOMPARE(folder.entries(), sorted(names));
    }
};

int main(int argc, char **argv)
{
    // Before anything else runs: a private mount table needs a process that
    // has not started threads yet.
    const bool child = qEnvironmentVariableIsSet("FAULT_CHILD");
    if (!child)
        g_canMount = enterPrivateMounts();
    QCoreApplication app(argc, argv);
    if (child) {
        const FileResult r = save(qEnvironmentVariable("FAULT_CHILD"), qEnvironmentVariable("FAULT_TARGET"));
        if (!r.ok) {
            std::fprintf(stderr, "%s\n", qPrintable(r.error));
            return 3;
        }
        return 0;
    }
    TestTournamentFaults test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_faults.moc"
