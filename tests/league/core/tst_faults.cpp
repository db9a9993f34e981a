// Saving a league, TN98.INI, each export and each picture when the system
// refuses: a read-only folder, a full disk, and the process killed once the
// temporary file is complete but before it replaces the old one. In every
// case the old file keeps its bytes, no other file appears next to it, and
// the failure carries the user's message.
#include "tests/faults/FaultInjection.h"

#include "league/export/Exporters.h"
#include "league/model/IniFile.h"
#include "league/model/League.h"
#include "league/model/LeagueError.h"
#include "league/model/LeagueFile.h"
#include "league/model/ProgramSettings.h"
#include "league/print/PdfFile.h"
#include "league/print/PrintJobs.h"
#include "league/print/TPageWriter.h"
#include "league/standings/RowBands.h"

#include <QGuiApplication>
#include <QProcess>
#include <QtTest>

using namespace FaultInjection;

namespace {

bool g_canMount = false;

// A league with names, dates and results on the first matchdays, so that
// every document has something in it.
League sampleLeague()
{
    League l;
    for (int i = 1; i <= League::kTeams; ++i)
        l.teamNames[i] = QStringLiteral("Verein %1").arg(i);
    for (int j = 1; j <= 4; ++j) {
        l.dates(j) = {QStringLiteral("0%1.08.2026").arg(j), QStringLiteral("0%1.08.2026").arg(j + 1)};
        for (int k = 1; k <= League::kRows; ++k)
            l.match(j, k) = Match{(2 * k + j) % 18 + 1, (2 * k + j + 9) % 18 + 1, k % 4, j % 3};
    }
    l.currentRound = 4;
    return l;
}

// Runs the save that a target names; throws LeagueError as the program does.
void save(const QString &target, const QString &fileName)
{
    const League league = sampleLeague();
    if (target == QLatin1String("league")) {
        League l = league;
        l.leagueFileName = fileName;
        l.leagueSaved = false;
        try {
            SaveDatei(l);
        } catch (const LeagueError &) {
            if (l.leagueSaved)
                throw LeagueError(QStringLiteral("a failed save marked the league saved"));
            throw;
        }
        return;
    }
    if (target == QLatin1String("settings")) {
        IniFile ini(fileName);
        QList<ProgramSettings::WindowPlace> windows;
        for (const QString &name : ProgramSettings::windowSections())
            windows << ProgramSettings::WindowPlace{name, 12, 34};
        ProgramSettings::write(ini, windows, true, {ProgramSettings::ToolbarPlace{QStringLiteral("tbStd")}});
        QString error;
        if (!ini.save(&error))
            throw LeagueError(error);
        return;
    }
    if (target == QLatin1String("pdf")) {
        // The printed pages saved as a PDF, from the preview or --print-pdf.
        TPageWriter prn;
        LeaguePrintJobs jobs(league, zoneColors(league), prn);
        jobs.build(defaultPrintSelection(league));
        if (!writePdfFile(prn, fileName))
            throw LeagueError(LeagueError::cannotWrite(fileName));
        return;
    }
    const QStringList parts = target.split(QLatin1Char('-'));
    static const QHash<QString, ExportFormat> formats{
        {QStringLiteral("html"), ExportFormat::Html}, {QStringLiteral("rtf"), ExportFormat::Rtf},
        {QStringLiteral("text"), ExportFormat::Text}, {QStringLiteral("bmp"), ExportFormat::Bmp},
        {QStringLiteral("gif"), ExportFormat::Gif}};
    static const QHash<QString, ExportDocument> documents{
        {QStringLiteral("tables"), ExportDocument::Tables}, {QStringLiteral("cross"), ExportDocument::Cross},
        {QStringLiteral("matchdays"), ExportDocument::Matchdays}};
    const ExportFormat format = formats.value(parts.at(1));
    const QByteArray bytes = parts.at(0) == QLatin1String("curve")
        ? exportCurve(3, format, league)
        : exportDocument(documents.value(parts.at(0)), format, league, zoneColors(league));
    writeExportFile(fileName, bytes, format);
}

// The message the user gets when the system refuses with error number err.
QString expectedMessage(const QString &target, const QString &fileName, int err)
{
    if (target == QLatin1String("league") || target == QLatin1String("settings")
        || target == QLatin1String("pdf"))
        return QStringLiteral("Kann nicht nach %1 schreiben").arg(fileName);
    if (target.endsWith(QLatin1String("-html")) || target.endsWith(QLatin1String("-text")))
        return QStringLiteral("I/O-Fehler %1").arg(err);
    return QStringLiteral("Kann Datei %1 nicht erstellen").arg(fileName);
}

// Runs the save and returns the message it failed with; empty on success.
QString failureOf(const QString &target, const QString &fileName)
{
    try {
        save(target, fileName);
    } catch (const LeagueError &e) {
        return e.message();
    }
    return QString();
}

const QByteArray kOldBytes = "[Options]\r\nTitle=previous file\r\n";

} // namespace

class TestFaults : public QObject {
    Q_OBJECT

private slots:
    void readOnlyFolder_data() { targets(); }
    void readOnlyFolder()
    {
        QFETCH(QString, target);
        QFETCH(QString, fileName);
        FaultFolder folder(g_canMount);
        QVERIFY(folder.isValid());
        const QString path = folder.filePath(fileName);
        QVERIFY(writeAll(path, kOldBytes));
        if (!folder.makeReadOnly())
            QSKIP("no way to make a folder read-only for this user here");
        const int err = folder.createError();
        QVERIFY(err != 0);

        QCOMPARE(failureOf(target, path), expectedMessage(target, path, err));
        QCOMPARE(readAll(path), kOldBytes);
        QCOMPARE(folder.entries(), QStringList{fileName});
    }

    void fullDisk_data() { targets(); }
    void fullDisk()
    {
        QFETCH(QString, target);
        QFETCH(QString, fileName);
        FaultFolder folder(g_canMount);
        if (!folder.isMounted())
            QSKIP("a full disk needs a small tmpfs, which this user cannot mount");
        const QString path = folder.filePath(fileName);
        QVERIFY(writeAll(path, kOldBytes));
        QVERIFY(folder.makeFull());
        const int err = folder.createError();
        QCOMPARE(err, ENOSPC);

        QCOMPARE(failureOf(target, path), expectedMessage(target, path, err));
        QCOMPARE(readAll(path), kOldBytes);
        QCOMPARE(folder.entries(), QStringList{fileName});
    }

    void killedBeforeRename_data() { targets(); }
    void killedBeforeRename()
    {
        QFETCH(QString, target);
        QFETCH(QString, fileName);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath(fileName);
        QVERIFY(writeAll(path, kOldBytes));

        // Killed when it asks for the finished file to be put in place.
        QCOMPARE(runSaveInChild(target, path, true), -1);
        QCOMPARE(readAll(path), kOldBytes);
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{fileName});

        // The same save left alone replaces the file: the kill above really
        // stopped a save that was about to succeed.
        QCOMPARE(runSaveInChild(target, path, false), 0);
        QVERIFY(readAll(path) != kOldBytes);
        QVERIFY(!readAll(path).isEmpty());
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{fileName});
    }

private:
    static void targets()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("fileName");
        QTest::newRow("league file") << "league" << "liga.T98";
        QTest::newRow("TN98.INI") << "settings" << "TN98.INI";
        for (const char *doc : {"tables", "cross", "matchdays"}) {
            for (const char *format : {"html", "rtf", "text"}) {
                const QString target = QStringLiteral("%1-%2").arg(QLatin1String(doc), QLatin1String(format));
                const QString ext = QLatin1String(format) == QLatin1String("text") ? QStringLiteral("txt")
                                                                                   : QLatin1String(format);
                QTest::newRow(qPrintable(target)) << target << QStringLiteral("%1.%2").arg(QLatin1String(doc), ext);
            }
        }
        QTest::newRow("curve-bmp") << "curve-bmp" << "kurve.bmp";
        QTest::newRow("curve-gif") << "curve-gif" << "kurve.gif";
        QTest::newRow("printed pages as PDF") << "pdf" << "liga.pdf";
    }
};

int main(int argc, char **argv)
{
    // Before anything else runs: a private mount table needs a process that
    // has not started threads yet.
    const bool child = qEnvironmentVariableIsSet("FAULT_CHILD");
    if (!child)
        g_canMount = enterPrivateMounts();
    QGuiApplication app(argc, argv);
    if (child) {
        const QString message = failureOf(qEnvironmentVariable("FAULT_CHILD"), qEnvironmentVariable("FAULT_TARGET"));
        if (!message.isEmpty()) {
            std::fprintf(stderr, "%s\n", qPrintable(message));
            return 3;
        }
        return 0;
    }
    TestFaults test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_faults.moc"
