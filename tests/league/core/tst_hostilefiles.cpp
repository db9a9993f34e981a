#include <QElapsedTimer>
#include <QtTest>

#include "files_helper.h"

#include "common/BoundedFile.h"
#include "league/model/IniFile.h"
#include "league/model/League.h"
#include "league/model/LeagueError.h"
#include "league/model/LeagueFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

// Files that no run of the program can have written: FIFOs, links to
// endless devices, files far beyond any league's size. Every reader must
// refuse them at once, before reading their contents, and the command line
// must say so instead of going on with an empty league.
namespace {

enum Kind { Fifo, Zero, Oversize };

constexpr qint64 kSixteenMB = 16 * 1024 * 1024;
constexpr qint64 kFourMB = 4 * 1024 * 1024;

// A sparse file of the given size: no time or disk is spent on its zeros.
void sparseFile(const QString &path, qint64 size)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    QVERIFY(fd >= 0);
    QVERIFY(::ftruncate(fd, off_t(size)) == 0);
    ::close(fd);
}

void plant(const QString &path, Kind kind, qint64 oversize)
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
    case Oversize:
        sparseFile(path, oversize);
        break;
    }
}

bool isFifo(const QString &path)
{
    struct stat st;
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 && S_ISFIFO(st.st_mode);
}

// The league open in the window before a hostile file is opened.
League openLeague()
{
    League l;
    l.teamNames[1] = QStringLiteral("Alte Liga");
    l.results[2][3] = Match{1, 2, 3, 0};
    l.leagueFileName = QStringLiteral("/daten/alt.T98");
    l.leagueSaved = true;
    return l;
}

QString message(const std::function<void()> &f)
{
    try {
        f();
    } catch (const LeagueError &e) {
        return e.message();
    }
    return QStringLiteral("<no error>");
}

// An old file whose first team name (line 2) and first date (line 21) are
// the given text; the rest is a valid file of empty matchdays.
QByteArray oldFileWithLongLines(const QByteArray &longText)
{
    QByteArray b = "Tabulon 3.2.1\r\n" + longText + "\r\n";
    for (int i = 2; i <= 18; ++i)
        b += "Elf " + QByteArray::number(i) + "\r\n";
    b += "133\r\n";
    for (int j = 1; j <= 34; ++j) {
        b += (j == 1 ? longText : QByteArray()) + "\r\n\r\n";
        for (int k = 1; k <= 9; ++k)
            b += " 0-1-1 0\r\n";
    }
    return b;
}

} // namespace

class TestHostileFiles : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void boundedRead_data();
    void boundedRead();
    void leagueFileIsRefused_data();
    void leagueFileIsRefused();
    void saveNeverReplacesARefusedFile_data();
    void saveNeverReplacesARefusedFile();
    void settingsFileIsRefused();
    void oldFileIsRefused_data();
    void oldFileIsRefused();
    void oldFileNamesAreHeldToTheLeagueFilesLength();
    void commandLineRefusesQuickly_data();
    void commandLineRefusesQuickly();
    void outputThatIsNoFileIsRefused_data();
    void outputThatIsNoFileIsRefused();
    void percentSignsInNamesStayText_data();
    void percentSignsInNamesStayText();

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

void TestHostileFiles::boundedRead_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("reason");
    QTest::newRow("at the limit") << "limit" << int(BoundedFile::Status::Ok) << "";
    QTest::newRow("one byte more") << "limit+1" << int(BoundedFile::Status::TooLarge) << "larger than 100 bytes";
    QTest::newRow("empty") << "empty" << int(BoundedFile::Status::Ok) << "";
    QTest::newRow("missing") << "missing" << int(BoundedFile::Status::Missing) << "no such file";
    QTest::newRow("folder") << "folder" << int(BoundedFile::Status::NotRegular) << "not a regular file";
    QTest::newRow("FIFO") << "fifo" << int(BoundedFile::Status::NotRegular) << "not a regular file";
    QTest::newRow("link to /dev/zero") << "zero" << int(BoundedFile::Status::NotRegular) << "not a regular file";
    QTest::newRow("1 GB") << "huge" << int(BoundedFile::Status::TooLarge) << "larger than 100 bytes";
}

void TestHostileFiles::boundedRead()
{
    QFETCH(QString, kind);
    QFETCH(int, status);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    const QString path = dir.filePath("f.dat");
    QByteArray content;
    if (kind == "limit" || kind == "limit+1") {
        for (int i = 0; content.size() < (kind == "limit" ? 100 : 101); ++i)
            content += char('a' + i % 26);
        writeAll(path, content);
    } else if (kind == "empty") {
        writeAll(path, QByteArray());
    } else if (kind == "folder") {
        QVERIFY(QDir(dir.path()).mkdir("f.dat"));
    } else if (kind == "fifo") {
        plant(path, Fifo, 0);
    } else if (kind == "zero") {
        plant(path, Zero, 0);
    } else if (kind == "huge") {
        plant(path, Oversize, 1024LL * 1024 * 1024);
    }
    const BoundedFile::Result r = BoundedFile::read(path, 100);
    QCOMPARE(int(r.status), status);
    QCOMPARE(r.bytes, r.ok() ? content : QByteArray());
    QCOMPARE(BoundedFile::reason(r, 100), reason);
    QCOMPARE(int(BoundedFile::examine(path, 100).status), status);
    QVERIFY(m_clock.elapsed() < 2000);
}

void TestHostileFiles::leagueFileIsRefused_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("reason");
    QTest::newRow("FIFO") << int(Fifo) << "keine gewöhnliche Datei";
    QTest::newRow("link to /dev/zero") << int(Zero) << "keine gewöhnliche Datei";
    QTest::newRow("16 MB and a byte") << int(Oversize) << "größer als 16 MB";
}

void TestHostileFiles::leagueFileIsRefused()
{
    // The window opens a missing league as an empty one; a file that cannot
    // be a league at all is reported and the open league stays.
    QFETCH(int, kind);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    const QString path = dir.filePath("liga.T98");
    plant(path, Kind(kind), kSixteenMB + 1);
    League l = openLeague();
    const League before = l;
    l.leagueFileName = path;
    QCOMPARE(message([&] { OpenDatei(l); }), QStringLiteral("Datei %1 kann nicht geöffnet werden: %2").arg(path, reason));
    l.leagueFileName = before.leagueFileName;
    QVERIFY(l.sameContents(before));
    QVERIFY(l.leagueSaved);
    QVERIFY(m_clock.elapsed() < 2000);

    // Exactly 16 MB is still read (as an INI file without entries).
    sparseFile(dir.filePath("gross.T98"), kSixteenMB);
    l.leagueFileName = dir.filePath("gross.T98");
    QCOMPARE(message([&] { OpenDatei(l); }), QStringLiteral("<no error>"));
    QCOMPARE(l.teamNames[1], QStringLiteral("[keine]"));
}

void TestHostileFiles::saveNeverReplacesARefusedFile_data()
{
    QTest::addColumn<int>("kind");
    QTest::newRow("FIFO") << int(Fifo);
    QTest::newRow("16 MB and a byte") << int(Oversize);
}

void TestHostileFiles::saveNeverReplacesARefusedFile()
{
    // Saving keeps the foreign entries of the old file; one that could not
    // be read would lose them all, so it is not replaced.
    QFETCH(int, kind);
    QTemporaryDir dir;
    const QString path = dir.filePath("ziel.T98");
    plant(path, Kind(kind), kSixteenMB + 1);
    League l = openLeague();
    l.leagueFileName = path;
    l.leagueSaved = false;
    QCOMPARE(message([&] { SaveDatei(l); }), LeagueError::cannotWrite(path));
    QVERIFY(!l.leagueSaved);
    if (kind == Fifo)
        QVERIFY(isFifo(path));
    else
        QCOMPARE(QFileInfo(path).size(), kSixteenMB + 1);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::System).size(), 1);
    QVERIFY(m_clock.elapsed() < 2000);
}

void TestHostileFiles::settingsFileIsRefused()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("TN98.INI");
    for (Kind kind : {Fifo, Zero, Oversize}) {
        plant(path, kind, kSixteenMB + 1);
        const IniFile ini(path);
        QVERIFY(ini.wasRefused());
        QVERIFY(!ini.wasLoaded());
        QCOMPARE(ini.readInteger("frmTN", "Top", 77), 77);
        QVERIFY(ini.refusalMessage().startsWith(QStringLiteral("Datei %1 kann nicht geöffnet werden: ").arg(path)));
    }
    QVERIFY(m_clock.elapsed() < 2000);
}

void TestHostileFiles::oldFileIsRefused_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("reason");
    QTest::newRow("FIFO") << int(Fifo) << "keine gewöhnliche Datei";
    QTest::newRow("link to /dev/zero") << int(Zero) << "keine gewöhnliche Datei";
    QTest::newRow("4 MB and a byte") << int(Oversize) << "größer als 4 MB";
}

void TestHostileFiles::oldFileIsRefused()
{
    QFETCH(int, kind);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    const QString path = dir.filePath("alt.tn3");
    plant(path, Kind(kind), kFourMB + 1);
    League l = openLeague();
    const League before = l;
    l.leagueFileName = path;
    QCOMPARE(message([&] { OldDatei(l); }), QStringLiteral("Datei %1 kann nicht geöffnet werden: %2").arg(path, reason));
    QVERIFY(l.sameContents(before));
    QVERIFY(m_clock.elapsed() < 2000);
}

void TestHostileFiles::oldFileNamesAreHeldToTheLeagueFilesLength()
{
    // A league file keeps 1,023 characters of a value; an imported name or
    // date is held to the same, so nothing longer reaches views and pages.
    QByteArray longText;
    for (int i = 0; i < 100000; ++i)
        longText += char('A' + i % 26);
    QTemporaryDir dir;
    const QString path = dir.filePath("lang.tn3");
    writeAll(path, oldFileWithLongLines(longText));
    League l;
    l.leagueFileName = path;
    OldDatei(l);
    QCOMPARE(l.teamNames[1], QString::fromLatin1(longText.left(1023)));
    QCOMPARE(l.teamNames[2], QStringLiteral("Elf 2"));
    QCOMPARE(l.roundDates[1].dateFrom.size(), 1023);
    QCOMPARE(l.clPlaces, 1);
    QVERIFY(m_clock.elapsed() < 5000);
}

void TestHostileFiles::commandLineRefusesQuickly_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("reason");
    QTest::newRow("--convert FIFO") << "convert" << "liga.T98" << int(Fifo) << "keine gewöhnliche Datei";
    QTest::newRow("--convert /dev/zero") << "convert" << "liga.T98" << int(Zero) << "keine gewöhnliche Datei";
    QTest::newRow("--convert 16 MB and a byte") << "convert" << "liga.T98" << int(Oversize) << "größer als 16 MB";
    QTest::newRow("--convert old FIFO") << "convert" << "alt.tn3" << int(Fifo) << "keine gewöhnliche Datei";
    QTest::newRow("--export FIFO") << "export" << "liga.T98" << int(Fifo) << "keine gewöhnliche Datei";
    QTest::newRow("--export old /dev/zero") << "export" << "alt.tn3" << int(Zero) << "keine gewöhnliche Datei";
    QTest::newRow("--print-pdf FIFO") << "print" << "liga.T98" << int(Fifo) << "keine gewöhnliche Datei";
}

void TestHostileFiles::commandLineRefusesQuickly()
{
    QFETCH(QString, command);
    QFETCH(QString, name);
    QFETCH(int, kind);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    const QString in = dir.filePath(name);
    plant(in, Kind(kind), kSixteenMB + 1);
    const QString out = dir.filePath(command == "convert" ? "ziel.T98" : "ziel.out");
    const QByteArray old = "alt\r\n";
    writeAll(out, old);
    QStringList args;
    if (command == "convert")
        args = {"--convert", in, out};
    else if (command == "export")
        args = {"--export=tables", "--format=txt", "--output=" + out, in};
    else
        args = {"--print-pdf=" + out, in};
    const Run r = runTabulon(args);
    QCOMPARE(r.exitCode, 1);
    QCOMPARE(QString::fromUtf8(r.err), QStringLiteral("Datei %1 kann nicht geöffnet werden: %2\n").arg(in, reason));
    QCOMPARE(readAll(out), old);
    QVERIFY(m_clock.elapsed() < 20000);
}

void TestHostileFiles::outputThatIsNoFileIsRefused_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("message"); // OUT stands for the output's path
    const QStringList kinds = {"FIFO", "link to a FIFO", "device"};
    for (const QString &kind : kinds) {
        auto row = [&](const char *what, const QStringList &options, const QString &output, const QString &message) {
            QTest::addRow("%s, %s", what, qPrintable(kind)) << options << kind + '|' + output << message;
        };
        row("--convert to Football.TXT", {"--convert", "LEAGUE"}, "aus.txt", "Kann nicht nach OUT schreiben");
        row("--convert to Football.JSON", {"--convert", "LEAGUE"}, "aus.json", "Kann nicht nach OUT schreiben");
        row("--export html", {"--export=tables", "--format=html", "--output=OUT", "LEAGUE"}, "t.html", "I/O-Fehler 5");
        row("--export txt", {"--export=cross", "--format=txt", "--output=OUT", "LEAGUE"}, "k.txt", "I/O-Fehler 5");
        row("--export rtf", {"--export=matchdays", "--format=rtf", "--output=OUT", "LEAGUE"}, "s.rtf",
            "Kann Datei OUT nicht erstellen");
        row("--export gif", {"--export=curve", "--team=1", "--format=gif", "--output=OUT", "LEAGUE"}, "k.gif",
            "Kann Datei OUT nicht erstellen");
        row("--export bmp", {"--export=curve", "--team=1", "--format=bmp", "--output=OUT", "LEAGUE"}, "k.bmp",
            "Kann Datei OUT nicht erstellen");
        row("--export calendar", {"--export=calendar", "--output=OUT", "LEAGUE"}, "k.ics", "Kann Datei OUT nicht erstellen");
        row("--print-pdf", {"--print-pdf=OUT", "LEAGUE"}, "d.pdf", "Kann nicht nach OUT schreiben");
    }
}

void TestHostileFiles::outputThatIsNoFileIsRefused()
{
    QFETCH(QStringList, options);
    QFETCH(QString, output);
    QFETCH(QString, message);
    const QString kind = output.section('|', 0, 0);
    QTemporaryDir dir;
    const QString out = dir.filePath(output.section('|', 1));
    const QByteArray name = QFile::encodeName(out);
    // A node of the null device of our own: were it replaced, no system
    // device would be lost.
    if (kind == "device") {
        if (::geteuid() != 0)
            QSKIP("making a device node needs root");
        QVERIFY(::mknod(name.constData(), S_IFCHR | 0666, makedev(1, 3)) == 0);
    } else if (kind == "FIFO") {
        QVERIFY(::mkfifo(name.constData(), 0600) == 0);
    } else {
        QVERIFY(::mkfifo(QFile::encodeName(dir.filePath("fifo")).constData(), 0600) == 0);
        QVERIFY(::symlink("fifo", name.constData()) == 0);
    }
    struct stat before;
    QVERIFY(::lstat(name.constData(), &before) == 0);

    QStringList args;
    for (const QString &o : options) {
        QString a = o;
        a.replace("LEAGUE", TEST_SOURCE_DIR "/examples/league/Liga2026.T98");
        a.replace("OUT", out);
        args << a;
    }
    if (options.first() == "--convert")
        args << out;
    const Run r = runTabulon(args, dir.path());
    QCOMPARE(r.exitCode, 1);
    QCOMPARE(QString::fromUtf8(r.err), QString(message).replace("OUT", out) + '\n');
    struct stat after;
    QVERIFY(::lstat(name.constData(), &after) == 0);
    QCOMPARE(after.st_mode, before.st_mode);
    QCOMPARE(after.st_ino, before.st_ino);
    QCOMPARE(after.st_rdev, before.st_rdev);
    QVERIFY(m_clock.elapsed() < 20000);
}

void TestHostileFiles::percentSignsInNamesStayText_data()
{
    // What stands in a name is text: a "%1" in it is never filled in by a
    // number or a name that is put into the message after it.
    QTest::addColumn<int>("setup");
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err");
    QTest::newRow("fixtures of a new league")
        << 0 << QStringList{"--fixtures", "--teams=4", "--seed=7", "neu%1.T98"}
        << "neu%1.T98: Spielplan für 4 Mannschaften und 6 Spieltage, --seed=7\n" << "";
    QTest::newRow("fixtures refused over pairings")
        << 1 << QStringList{"--fixtures", "alt%1%2.T98"} << ""
        << "alt%1%2.T98: 1 von 6 Spieltagen enthält bereits Paarungen oder Ergebnisse; mit --force werden die "
           "Paarungen ersetzt, Spieltage mit Ergebnissen bleiben unverändert.\n";
    QTest::newRow("team named in a refusal")
        << 2 << QStringList{"--fixtures", "--teams=2", "alt%1%2.T98"} << ""
        << "alt%1%2.T98: Die Liga kann nicht auf 2 Mannschaften verkleinert werden: Mannschaft 4 (Elf %1) ist "
           "auf Spieltag 1 angesetzt.\n";
    QTest::newRow("line of a Football file")
        << 3 << QStringList{"--convert", "liga%1%2.txt", "aus.T98"} << ""
        << "Datei liga%1%2.txt, Zeile 3: Zeile nicht verstanden: A  2-\n";
}

void TestHostileFiles::percentSignsInNamesStayText()
{
    QFETCH(int, setup);
    QFETCH(QStringList, args);
    QFETCH(QString, out);
    QFETCH(QString, err);
    QTemporaryDir dir;
    if (setup == 1 || setup == 2) {
        League l;
        l.reshape(4, 6);
        for (int i = 1; i <= 4; ++i)
            l.teamNames[i] = QStringLiteral("Elf %1").arg(i);
        l.teamNames[4] = QStringLiteral("Elf %1");
        l.match(1, 1) = Match{1, 4, -1, -1};
        l.leagueFileName = dir.filePath("alt%1%2.T98");
        SaveDatei(l);
    } else if (setup == 3) {
        writeAll(dir.filePath("liga%1%2.txt"), "= L 2024\nMatchday 1\n  A  2-\n");
    }
    const Run r = runTabulon(args, dir.path());
    QCOMPARE(QString::fromUtf8(r.err), err);
    QCOMPARE(QString::fromUtf8(r.out), out);
    QCOMPARE(r.exitCode, err.isEmpty() ? 0 : 1);
}

QTEST_GUILESS_MAIN(TestHostileFiles)
#include "tst_hostilefiles.moc"
