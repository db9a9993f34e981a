// Writing every data file when the system refuses: a read-only folder, a
// full disk, and the process killed once a temporary file is complete but
// before it replaces the old file. The old files keep their bytes, no other
// file appears, the failure names the file and the system's reason, and
// "Save" keeps the tournament marked unsaved.
#include "tests/faults/FaultInjection.h"

#include "tournament_helper.h"

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
    fill(t);
    FileResult r;
    if (target == QLatin1String("groups"))
        r = sauve_groupes(t, dir);
    else if (target == QLatin1String("matches"))
        r = sauve_matchs(t, dir);
    else if (target == QLatin1String("stage2"))
        r = sauve_tour2(t, dir);
    else if (target == QLatin1String("qualifiers"))
        r = sauve_qualifies(t, dir);
    else
        r = sauve_tout(t, dir);
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

private:
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
