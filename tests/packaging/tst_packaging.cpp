// Checks of the installed tree: what `cmake --install` lays out, that the
// desktop files pass the freedesktop validators, that league files are
// recognised and open with tabulon, that the man pages document every option
// and that the menu start of trophex makes and keeps the user's tournament.
// Tools that a machine may lack (the validators, xdg-utils, groff) skip their
// checks instead of failing them.

#include <QDir>
#include <QFile>
#include <QMimeDatabase>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

struct Run {
    int exitCode = -1;
    QString out;
    QString err;
};

Run run(const QString &program, const QStringList &args, const QProcessEnvironment &env = {},
        const QString &workDir = {})
{
    QProcess p;
    p.setProgram(program);
    p.setArguments(args);
    if (!env.isEmpty())
        p.setProcessEnvironment(env);
    if (!workDir.isEmpty())
        p.setWorkingDirectory(workDir);
    p.start();
    Run r;
    if (!p.waitForStarted(10000)) {
        r.err = p.errorString();
        return r;
    }
    p.waitForFinished(120000);
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// Keys of the [Desktop Entry] group.
QHash<QString, QString> desktopEntry(const QString &path)
{
    QHash<QString, QString> keys;
    bool inGroup = false;
    for (const QString &line : QString::fromUtf8(readAll(path)).split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1Char('[')))
            inGroup = line == QLatin1String("[Desktop Entry]");
        else if (inGroup && line.contains(QLatin1Char('=')))
            keys.insert(line.section(QLatin1Char('='), 0, 0), line.section(QLatin1Char('='), 1));
    }
    return keys;
}

// The MIME types a shared-mime-info package defines.
QStringList definedMimeTypes(const QString &path)
{
    QStringList types;
    QXmlStreamReader xml(readAll(path));
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1String("mime-type"))
            types << xml.attributes().value(QLatin1String("type")).toString();
    }
    return xml.hasError() ? QStringList() : types;
}

// PNG width and height from the IHDR chunk, which always comes first.
QSize pngSize(const QByteArray &png)
{
    if (png.size() < 24 || !png.startsWith("\x89PNG\r\n\x1a\n") || png.mid(12, 4) != "IHDR")
        return {};
    auto be32 = [&](int at) {
        return (quint32(quint8(png[at])) << 24) | (quint32(quint8(png[at + 1])) << 16)
               | (quint32(quint8(png[at + 2])) << 8) | quint32(quint8(png[at + 3]));
    };
    return QSize(int(be32(16)), int(be32(20)));
}

QProcessEnvironment cleanEnv(const QString &home)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_DATA_DIRS", "XDG_CURRENT_DESKTOP",
                             "DESKTOP_SESSION", "KDE_FULL_SESSION", "GNOME_DESKTOP_SESSION_ID"})
        env.remove(QString::fromLatin1(name));
    env.insert(QStringLiteral("HOME"), home);
    return env;
}

const QString kLeagueType = QStringLiteral("application/x-tabulon-league");
const QString kOldLeagueType = QStringLiteral("application/x-tabulon-old-league");

} // namespace

class tst_packaging : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void installedFiles_data();
    void installedFiles();
    void examplesHoldOnlyData();
    void iconSizes();
    void desktopEntries_data();
    void desktopEntries();
    void metainfo_data();
    void metainfo();
    void mimeTypes_data();
    void mimeTypes();
    void leagueOpensWithTabulon();
    void manPages_data();
    void manPages();
    void trophexDesktop();
    void buildTreeLauncher();

private:
    QTemporaryDir m_tmp;
    QString m_prefix;
    QString path(const QString &relative) const { return m_prefix + QLatin1Char('/') + relative; }
};

void tst_packaging::initTestCase()
{
    QVERIFY(m_tmp.isValid());
    m_prefix = m_tmp.filePath(QStringLiteral("usr"));
    const QString cmake = QStandardPaths::findExecutable(QStringLiteral("cmake"));
    QVERIFY2(!cmake.isEmpty(), "cmake is needed to install the build tree");
    const Run r = run(cmake, {QStringLiteral("--install"), QStringLiteral(TEST_BINARY_DIR),
                              QStringLiteral("--prefix"), m_prefix});
    QVERIFY2(r.exitCode == 0, qPrintable(r.out + r.err));

    // The MIME checks below look at the installed package through Qt's own
    // database, which reads the data folders named here on first use.
    const QString mimeHome = m_tmp.filePath(QStringLiteral("mimehome"));
    QVERIFY(QDir().mkpath(mimeHome + QStringLiteral("/mime/packages")));
    QVERIFY(QFile::copy(path(QStringLiteral("share/mime/packages/tabulon.xml")),
                        mimeHome + QStringLiteral("/mime/packages/tabulon.xml")));
    qputenv("XDG_DATA_HOME", QFile::encodeName(mimeHome));
    qputenv("XDG_DATA_DIRS", "/usr/local/share:/usr/share");
    const QString update = QStandardPaths::findExecutable(QStringLiteral("update-mime-database"));
    if (!update.isEmpty()) {
        // The tool desktops run on install; it complains about malformed packages.
        const Run u = run(update, {mimeHome + QStringLiteral("/mime")});
        QVERIFY2(u.exitCode == 0 && u.err.isEmpty(), qPrintable(u.err));
    }
}

void tst_packaging::installedFiles_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("executable");
    const QStringList programs{"bin/tabulon", "bin/trophex", "bin/trophex-desktop",
                               "libexec/trophex/trophex-user-folder"};
    for (const QString &p : programs)
        QTest::newRow(qPrintable(p)) << p << true;
    const QStringList data{
        "share/applications/org.example.tabulon.desktop",
        "share/applications/org.example.trophex.desktop",
        "share/metainfo/org.example.tabulon.metainfo.xml",
        "share/metainfo/org.example.trophex.metainfo.xml",
        "share/mime/packages/tabulon.xml",
        "share/icons/hicolor/scalable/apps/tabulon.svg",
        "share/icons/hicolor/scalable/apps/trophex.svg",
        "share/icons/hicolor/scalable/mimetypes/application-x-tabulon-league.svg",
        "share/man/man1/tabulon.1.gz",
        "share/man/man1/trophex.1.gz",
        "share/man/man1/trophex-desktop.1.gz",
        // What trophex loads at start from its folder: the groups, the icon,
        // the mascot and the logo; the flags are named in the group files.
        "share/trophex/example/groupeA.dat", "share/trophex/example/groupeB.dat",
        "share/trophex/example/groupeC.dat", "share/trophex/example/groupeD.dat",
        "share/trophex/example/groupeE.dat", "share/trophex/example/groupeF.dat",
        "share/trophex/example/groupeG.dat", "share/trophex/example/groupeH.dat",
        "share/trophex/example/tpx.ico", "share/trophex/example/mascot.bmp",
        "share/trophex/example/sigle.bmp", "share/trophex/example/defaut.bmp",
        "share/trophex/example/tournament.txt",
        "share/tabulon/examples/Liga2026.T98"};
    for (const QString &d : data)
        QTest::newRow(qPrintable(d)) << d << false;
}

void tst_packaging::installedFiles()
{
    QFETCH(QString, file);
    QFETCH(bool, executable);
    const QFileInfo info(path(file));
    QVERIFY2(info.isFile(), qPrintable(info.filePath()));
    QVERIFY(info.size() > 0);
    QCOMPARE(info.isExecutable(), executable);
}

void tst_packaging::examplesHoldOnlyData()
{
    // The example folders are copied into users' folders; tools that made the
    // examples stay in the source tree.
    const QStringList data{QStringLiteral("*.dat"), QStringLiteral("*.bmp"), QStringLiteral("*.ico"),
                           QStringLiteral("*.txt"), QStringLiteral("*.T98"), QStringLiteral("*.tn3")};
    for (const QString &folder : {QStringLiteral("share/trophex/example"), QStringLiteral("share/tabulon/examples")}) {
        const QDir dir(path(folder));
        QVERIFY(dir.exists());
        const QStringList all = dir.entryList(QDir::Files | QDir::Hidden);
        QVERIFY(!all.isEmpty());
        QCOMPARE(dir.entryList(data, QDir::Files | QDir::Hidden), all);
    }
}

void tst_packaging::iconSizes()
{
    // Every PNG must sit in the folder of its own size, or icon themes pick
    // a blurred or clipped picture.
    const QDir hicolor(path(QStringLiteral("share/icons/hicolor")));
    int checked = 0;
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString folder = QStringLiteral("%1x%1").arg(size);
        for (const QString &icon : {QStringLiteral("apps/tabulon.png"), QStringLiteral("apps/trophex.png"),
                                    QStringLiteral("mimetypes/application-x-tabulon-league.png")}) {
            const QString file = hicolor.filePath(folder + QLatin1Char('/') + icon);
            QCOMPARE(pngSize(readAll(file)), QSize(size, size));
            ++checked;
        }
    }
    QCOMPARE(checked, 24);
}

void tst_packaging::desktopEntries_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("icon");
    QTest::addColumn<QStringList>("mimeTypes");
    QTest::newRow("tabulon") << "org.example.tabulon.desktop" << "tabulon" << "tabulon"
                             << QStringList{kLeagueType};
    QTest::newRow("trophex") << "org.example.trophex.desktop" << "trophex-desktop" << "trophex"
                             << QStringList{};
}

void tst_packaging::desktopEntries()
{
    QFETCH(QString, file);
    QFETCH(QString, program);
    QFETCH(QString, icon);
    QFETCH(QStringList, mimeTypes);
    const QString entryPath = path(QStringLiteral("share/applications/") + file);
    const QHash<QString, QString> entry = desktopEntry(entryPath);

    // The command must be one of the installed programs, found through PATH.
    const QStringList exec = entry.value(QStringLiteral("Exec")).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QVERIFY(!exec.isEmpty());
    QCOMPARE(exec.first(), program);
    QVERIFY(QFileInfo(path(QStringLiteral("bin/") + program)).isExecutable());
    QCOMPARE(entry.value(QStringLiteral("TryExec")), program);
    QCOMPARE(entry.value(QStringLiteral("Icon")), icon);
    QVERIFY(QFileInfo::exists(path(QStringLiteral("share/icons/hicolor/scalable/apps/%1.svg").arg(icon))));

    // A program that takes files must say so with a field code, or the file
    // manager starts it without the file; it takes exactly one file.
    const QStringList entryTypes = entry.value(QStringLiteral("MimeType")).split(QLatin1Char(';'), Qt::SkipEmptyParts);
    QCOMPARE(entryTypes, mimeTypes);
    if (!mimeTypes.isEmpty()) {
        QCOMPARE(exec.mid(1), QStringList{QStringLiteral("%f")});
        const QStringList defined = definedMimeTypes(path(QStringLiteral("share/mime/packages/tabulon.xml")));
        for (const QString &t : mimeTypes)
            QVERIFY2(defined.contains(t), qPrintable(t));
    } else {
        QCOMPARE(exec.size(), 1);
    }

    const QString validator = QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
    if (validator.isEmpty())
        QSKIP("desktop-file-validate is not installed");
    const Run r = run(validator, {entryPath});
    QCOMPARE(r.exitCode, 0);
    // Hints are suggestions; errors and warnings are not accepted.
    const QString report = r.out + r.err;
    QVERIFY2(!report.contains(QLatin1String("error:")) && !report.contains(QLatin1String("warning:")),
             qPrintable(report));
}

void tst_packaging::metainfo_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("desktopId");
    QTest::newRow("tabulon") << "org.example.tabulon.metainfo.xml" << "org.example.tabulon.desktop";
    QTest::newRow("trophex") << "org.example.trophex.metainfo.xml" << "org.example.trophex.desktop";
}

void tst_packaging::metainfo()
{
    QFETCH(QString, file);
    QFETCH(QString, desktopId);
    const QString metaPath = path(QStringLiteral("share/metainfo/") + file);

    // What the component points at must be in the package.
    QXmlStreamReader xml(readAll(metaPath));
    QStringList launchables, binaries, mediatypes;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("launchable"))
            launchables << xml.readElementText();
        else if (xml.name() == QLatin1String("binary"))
            binaries << xml.readElementText();
        else if (xml.name() == QLatin1String("mediatype"))
            mediatypes << xml.readElementText();
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QCOMPARE(launchables, QStringList{desktopId});
    QVERIFY(QFileInfo::exists(path(QStringLiteral("share/applications/") + desktopId)));
    QVERIFY(!binaries.isEmpty());
    for (const QString &b : binaries)
        QVERIFY2(QFileInfo(path(QStringLiteral("bin/") + b)).isExecutable(), qPrintable(b));
    const QStringList defined = definedMimeTypes(path(QStringLiteral("share/mime/packages/tabulon.xml")));
    for (const QString &m : mediatypes)
        QVERIFY2(defined.contains(m), qPrintable(m));

    const QString validator = QStandardPaths::findExecutable(QStringLiteral("appstreamcli"));
    if (validator.isEmpty())
        QSKIP("appstreamcli is not installed");
    const Run r = run(validator, {QStringLiteral("validate"), QStringLiteral("--no-net"), metaPath});
    QVERIFY2(r.exitCode == 0, qPrintable(r.out + r.err));
}

void tst_packaging::mimeTypes_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("type");
    // How a league file begins when it is saved under a new name.
    const QByteArray league = "[Options]\r\nTitle=Tabulon '98\r\nTeams=18\r\nRounds=34\r\n";
    QTest::newRow("league by extension") << "liga.T98" << league << kLeagueType;
    QTest::newRow("extension in lower case") << "liga.t98" << league << kLeagueType;
    QTest::newRow("extension only, other sections first")
        << "alt.T98" << QByteArray("[Notizen]\r\nText=x\r\n[Options]\r\n") << kLeagueType;
    QTest::newRow("league without extension") << "liga" << league << kLeagueType;
    QTest::newRow("league with LF line ends")
        << "liga-lf" << QByteArray("[Options]\nTitle=Tabulon '98\nTeams=18\n") << kLeagueType;
    QTest::newRow("other INI file") << "settings" << QByteArray("[Options]\r\nTitle=Other\r\n")
                                    << QStringLiteral("text/plain");
    QTest::newRow("old league file") << "saison.tn3" << QByteArray("Bundesliga\r\n18\r\n") << kOldLeagueType;
    QTest::newRow("old league, upper case") << "SAISON.TN3" << QByteArray("Bundesliga\r\n") << kOldLeagueType;
}

void tst_packaging::mimeTypes()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(QString, type);
    const QString file = m_tmp.filePath(QStringLiteral("mimefiles/") + name);
    QVERIFY(QDir().mkpath(QFileInfo(file).absolutePath()));
    QVERIFY(writeFile(file, content));
    QMimeDatabase db;
    QCOMPARE(db.mimeTypeForFile(file).name(), type);
    // Both are text, so text editors stay on offer for them.
    QVERIFY(db.mimeTypeForName(kLeagueType).inherits(QStringLiteral("text/plain")));
    QVERIFY(db.mimeTypeForName(kOldLeagueType).inherits(QStringLiteral("text/plain")));
}

void tst_packaging::leagueOpensWithTabulon()
{
    // The lookup a file manager does: the default application of the file's
    // type, from the cache update-desktop-database writes on install.
    const QString xdgMime = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    const QString updateDb = QStandardPaths::findExecutable(QStringLiteral("update-desktop-database"));
    if (xdgMime.isEmpty() || updateDb.isEmpty())
        QSKIP("xdg-utils or desktop-file-utils are not installed");
    const QString data = m_tmp.filePath(QStringLiteral("appdata"));
    QVERIFY(QDir().mkpath(data + QStringLiteral("/applications")));
    for (const QString &f : {QStringLiteral("org.example.tabulon.desktop"), QStringLiteral("org.example.trophex.desktop")})
        QVERIFY(QFile::copy(path(QStringLiteral("share/applications/") + f),
                            data + QStringLiteral("/applications/") + f));
    QCOMPARE(run(updateDb, {data + QStringLiteral("/applications")}).exitCode, 0);

    QProcessEnvironment env = cleanEnv(m_tmp.filePath(QStringLiteral("home")));
    env.insert(QStringLiteral("XDG_DATA_HOME"), data);
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_tmp.filePath(QStringLiteral("config")));
    Run r = run(xdgMime, {QStringLiteral("query"), QStringLiteral("default"), kLeagueType}, env);
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.out.trimmed(), QStringLiteral("org.example.tabulon.desktop"));
    // Old files are imported from inside the program; started with one on its
    // command line tabulon would look for a league file of another name.
    r = run(xdgMime, {QStringLiteral("query"), QStringLiteral("default"), kOldLeagueType}, env);
    QCOMPARE(r.out.trimmed(), QString());
}

void tst_packaging::manPages_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("program");
    QTest::newRow("tabulon") << "tabulon.1" << QStringLiteral(TABULON_BIN);
    QTest::newRow("trophex") << "trophex.1" << QStringLiteral(TROPHEX_BIN);
    QTest::newRow("trophex-desktop") << "trophex-desktop.1" << QString();
}

void tst_packaging::manPages()
{
    QFETCH(QString, page);
    QFETCH(QString, program);
    const QString source = QStringLiteral(TEST_SOURCE_DIR "/packaging/man/") + page;
    // In the page source a hyphen of an option is written "\-".
    const QString text = QString::fromUtf8(readAll(source)).replace(QLatin1String("\\-"), QLatin1String("-"));
    QVERIFY(!text.isEmpty());

    if (!program.isEmpty()) {
        // Every option the program lists in its own usage must be documented.
        const Run help = run(program, {QStringLiteral("--help")});
        QCOMPARE(help.exitCode, 0);
        QSet<QString> options;
        static const QRegularExpression optionRx(QStringLiteral("--[a-z][a-z0-9-]*"));
        for (auto it = optionRx.globalMatch(help.out); it.hasNext();)
            options.insert(it.next().captured());
        QVERIFY(options.contains(QStringLiteral("--help")));
        QVERIFY(options.contains(QStringLiteral("--version")));
        for (const QString &option : options) {
            const QRegularExpression documented(QStringLiteral("(^|[^a-z-])%1(?![a-z0-9-])")
                                                    .arg(QRegularExpression::escape(option)),
                                                QRegularExpression::MultilineOption);
            QVERIFY2(text.contains(documented), qPrintable(option + QStringLiteral(" is not in ") + page));
        }
    }

    const QString groff = QStandardPaths::findExecutable(QStringLiteral("groff"));
    if (groff.isEmpty())
        QSKIP("groff is not installed");
    const Run r = run(groff, {QStringLiteral("-t"), QStringLiteral("-man"), QStringLiteral("-ww"),
                              QStringLiteral("-z"), QStringLiteral("-Tutf8"), source});
    QCOMPARE(r.exitCode, 0);
    QVERIFY2(r.err.isEmpty(), qPrintable(r.err));
}

void tst_packaging::trophexDesktop()
{
    // The launcher hands trophex its folder as the working directory. A stand-in
    // for the installed trophex records where it was started and with what.
    const QString log = m_tmp.filePath(QStringLiteral("trophex-started"));
    const QString trophex = path(QStringLiteral("bin/trophex"));
    QVERIFY(QFile::remove(trophex));
    QVERIFY(writeFile(trophex, "#!/bin/sh\n{ pwd; echo \"$#\"; } > \"$TROPHEX_STARTED\"\n"));
    QVERIFY(QFile::setPermissions(trophex, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));

    const QString home = m_tmp.filePath(QStringLiteral("trophexhome"));
    const QString folder = home + QStringLiteral("/.local/share/trophex");
    const QString example = path(QStringLiteral("share/trophex/example"));
    QProcessEnvironment env = cleanEnv(home);
    env.insert(QStringLiteral("TROPHEX_STARTED"), log);
    auto start = [&] {
        QFile::remove(log);
        const Run r = run(path(QStringLiteral("bin/trophex-desktop")), {}, env, m_tmp.path());
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
        QCOMPARE(QString::fromUtf8(readAll(log)), folder + QStringLiteral("\n0\n"));
    };
    const QStringList groups{"A", "B", "C", "D", "E", "F", "G", "H"};

    // First start: the folder is made from the example, without results.
    start();
    if (QTest::currentTestFailed())
        return;
    for (const QString &g : groups) {
        const QString name = QStringLiteral("groupe%1.dat").arg(g);
        QCOMPARE(readAll(folder + QLatin1Char('/') + name), readAll(example + QLatin1Char('/') + name));
    }
    QCOMPARE(readAll(folder + QStringLiteral("/tpx.ico")), readAll(example + QStringLiteral("/tpx.ico")));
    QVERIFY(QFileInfo::exists(folder + QStringLiteral("/mascot.bmp")));
    QVERIFY(!QFileInfo::exists(folder + QStringLiteral("/matchs.dat")));

    // The user plays; one group file gets lost. The next start brings back the
    // lost one and keeps everything the user has.
    const QByteArray played = readAll(folder + QStringLiteral("/groupeA.dat")) + "played";
    QVERIFY(writeFile(folder + QStringLiteral("/groupeA.dat"), played));
    QVERIFY(writeFile(folder + QStringLiteral("/matchs.dat"), "results"));
    QVERIFY(QFile::remove(folder + QStringLiteral("/groupeC.dat")));
    start();
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(readAll(folder + QStringLiteral("/groupeC.dat")), readAll(example + QStringLiteral("/groupeC.dat")));
    QCOMPARE(readAll(folder + QStringLiteral("/groupeA.dat")), played);
    QCOMPARE(readAll(folder + QStringLiteral("/matchs.dat")), QByteArray("results"));
    QVERIFY(QDir(folder).entryList({QStringLiteral("*.part")}, QDir::Files).isEmpty());

    // XDG_DATA_HOME moves the folder.
    const QString data = m_tmp.filePath(QStringLiteral("trophexdata"));
    env.insert(QStringLiteral("XDG_DATA_HOME"), data);
    QFile::remove(log);
    const Run r = run(path(QStringLiteral("bin/trophex-desktop")), {}, env, m_tmp.path());
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(QString::fromUtf8(readAll(log)), data + QStringLiteral("/trophex\n0\n"));
    QVERIFY(QFileInfo::exists(data + QStringLiteral("/trophex/groupeH.dat")));
}

void tst_packaging::buildTreeLauncher()
{
    // The build tree's launcher takes the example from the checkout. Copied
    // next to a stand-in trophex it shows what it would start, and where.
    const QString bin = m_tmp.filePath(QStringLiteral("buildbin"));
    QVERIFY(QDir().mkpath(bin));
    QVERIFY(QFile::copy(QStringLiteral(TEST_BINARY_DIR "/bin/trophex-desktop"), bin + QStringLiteral("/trophex-desktop")));
    QVERIFY(writeFile(bin + QStringLiteral("/trophex"), "#!/bin/sh\npwd > \"$TROPHEX_STARTED\"\n"));
    for (const QString &f : {QStringLiteral("/trophex"), QStringLiteral("/trophex-desktop")})
        QVERIFY(QFile::setPermissions(bin + f, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));

    const QString data = m_tmp.filePath(QStringLiteral("buildtreedata"));
    const QString log = m_tmp.filePath(QStringLiteral("buildtree-started"));
    QProcessEnvironment env = cleanEnv(m_tmp.filePath(QStringLiteral("buildtreehome")));
    env.insert(QStringLiteral("XDG_DATA_HOME"), data);
    env.insert(QStringLiteral("TROPHEX_STARTED"), log);
    const Run r = run(bin + QStringLiteral("/trophex-desktop"), {}, env, m_tmp.path());
    QVERIFY2(r.exitCode == 0, qPrintable(r.err));
    QCOMPARE(QString::fromUtf8(readAll(log)), data + QStringLiteral("/trophex\n"));
    const QString example = QStringLiteral(TEST_SOURCE_DIR "/examples/tournament/groupeE.dat");
    QCOMPARE(readAll(data + QStringLiteral("/trophex/groupeE.dat")), readAll(example));
}

QTEST_GUILESS_MAIN(tst_packaging)
#include "tst_packaging.moc"
