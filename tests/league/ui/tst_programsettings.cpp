#include "league/model/IniFile.h"
#include "league/model/ProgramSettings.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

// TN98.INI's rules that need no window: default centring, where the file
// lives, which toolbar sections count, and the written layout.
class TestProgramSettings : public QObject {
    Q_OBJECT

private slots:
    void centredOffsetRoundsHalvesToEven_data()
    {
        QTest::addColumn<int>("screen");
        QTest::addColumn<int>("window");
        QTest::addColumn<int>("offset");
        QTest::newRow("1024 wide, 325 window") << 1024 << 325 << 350;
        QTest::newRow("768 high, 365 window") << 768 << 365 << 202;
        QTest::newRow("200.5 goes down to even") << 768 << 367 << 200;
        QTest::newRow("exact") << 800 << 600 << 100;
        QTest::newRow("window as large as screen") << 800 << 800 << 0;
        QTest::newRow("larger window, -100.5") << 600 << 801 << -100;
        QTest::newRow("1.5") << 100 << 97 << 2;
        QTest::newRow("0.5") << 100 << 99 << 0;
    }

    void centredOffsetRoundsHalvesToEven()
    {
        QFETCH(int, screen);
        QFETCH(int, window);
        QFETCH(int, offset);
        QCOMPARE(ProgramSettings::centredOffset(screen, window), offset);
    }

    void fileLivesInTheProgramFolderWhenWritable()
    {
        QTemporaryDir dir;
        const QString programDir = dir.path() + QLatin1Char('/');
        QCOMPARE(ProgramSettings::filePath(programDir), dir.filePath(QStringLiteral("TN98.INI")));
        // No probe file is left behind.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
    }

    void otherwiseInTheUsersConfigurationFolder()
    {
        QTemporaryDir config;
        qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
        QTemporaryDir dir;
        const QString missing = dir.filePath(QStringLiteral("gibt-es-nicht/"));
        QCOMPARE(ProgramSettings::filePath(missing), config.path() + QStringLiteral("/tabulon/TN98.INI"));
        qunsetenv("XDG_CONFIG_HOME");
    }

    void toolbarSectionCountsOnlyWithRevisionTwo_data()
    {
        QTest::addColumn<QByteArray>("section");
        QTest::addColumn<bool>("used");
        QTest::newRow("Rev=2") << QByteArray("[tbNav]\r\nRev=2\r\nVisible=0\r\n") << true;
        QTest::newRow("Rev=0x2") << QByteArray("[tbNav]\r\nRev=0x2\r\nVisible=0\r\n") << true;
        QTest::newRow("Rev=1") << QByteArray("[tbNav]\r\nRev=1\r\nVisible=0\r\n") << false;
        QTest::newRow("no Rev") << QByteArray("[tbNav]\r\nVisible=0\r\n") << false;
        QTest::newRow("no section") << QByteArray("[tbStd]\r\nRev=2\r\n") << false;
    }

    void toolbarSectionCountsOnlyWithRevisionTwo()
    {
        QFETCH(QByteArray, section);
        QFETCH(bool, used);
        IniFile ini;
        ini.fromBytes(section);
        ProgramSettings::ToolbarPlace place;
        QCOMPARE(ProgramSettings::readToolbar(ini, QStringLiteral("tbNav"), &place), used);
        if (used) {
            QVERIFY(!place.visible);
            QCOMPARE(place.dockedTo, QStringLiteral("TNDock"));
        }
    }

    void missingWindowKeysGiveTheCentredDefault()
    {
        IniFile ini;
        ini.fromBytes("[frmTab]\r\nLeft=12\r\n[panStatus]\r\nVisible=abc\r\n");
        const ProgramSettings::WindowPlace p = ProgramSettings::readWindow(ini, QStringLiteral("frmTab"), 202, 350);
        QCOMPARE(p.top, 202);
        QCOMPARE(p.left, 12);
        QVERIFY2(ProgramSettings::readStatusVisible(ini), "unreadable value gives the default");
    }

    void writesWindowsStatusAndToolbarsInOrder()
    {
        IniFile ini;
        ProgramSettings::ToolbarPlace floating;
        floating.name = QStringLiteral("tbHlp");
        floating.visible = false;
        floating.dockedTo = QStringLiteral("+");
        floating.dockPos = 140;
        floating.floatLeft = -5;
        floating.floatTop = 300;
        ProgramSettings::write(ini, {{QStringLiteral("frmTN"), 202, 350}, {QStringLiteral("frmAbout"), 10, 20}},
                               false, {floating});
        QCOMPARE(ini.toBytes(), QByteArray("[frmTN]\r\nTop=202\r\nLeft=350\r\n"
                                           "[frmAbout]\r\nTop=10\r\nLeft=20\r\n"
                                           "[panStatus]\r\nVisible=0\r\n"
                                           "[tbHlp]\r\nRev=2\r\nVisible=0\r\nDockedTo=+\r\nDockRow=0\r\n"
                                           "DockPos=140\r\nFloatLeft=-5\r\nFloatTop=300\r\n"));
    }

    // Each step is "+path" for a file opened or saved, "-path" for an entry
    // chosen whose file is gone.
    void recentFilesListRules_data()
    {
        QTest::addColumn<QStringList>("start");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("first file") << QStringList{} << QStringList{"+/l/a.T98"} << QStringList{"/l/a.T98"};
        QTest::newRow("newest first") << QStringList{} << QStringList{"+/l/a.T98", "+/l/b.tn3", "+/l/c.txt"}
                                      << QStringList{"/l/c.txt", "/l/b.tn3", "/l/a.T98"};
        QTest::newRow("used again moves to the front")
            << QStringList{"/l/a.T98", "/l/b.T98", "/l/c.T98"} << QStringList{"+/l/b.T98"}
            << QStringList{"/l/b.T98", "/l/a.T98", "/l/c.T98"};
        QTest::newRow("one file under two spellings stands once")
            << QStringList{"/l/a.T98", "/l/b.T98"} << QStringList{"+/l/x/../b.T98", "+/l/./a.T98"}
            << QStringList{"/l/a.T98", "/l/b.T98"};
        QTest::newRow("names differing in case are two files")
            << QStringList{"/l/a.T98"} << QStringList{"+/l/A.T98"} << QStringList{"/l/A.T98", "/l/a.T98"};
        QTest::newRow("at most four, the oldest goes")
            << QStringList{} << QStringList{"+/l/a.T98", "+/l/b.T98", "+/l/c.T98", "+/l/d.T98", "+/l/e.T98"}
            << QStringList{"/l/e.T98", "/l/d.T98", "/l/c.T98", "/l/b.T98"};
        QTest::newRow("a full list reordered keeps all four")
            << QStringList{"/l/a.T98", "/l/b.T98", "/l/c.T98", "/l/d.T98"} << QStringList{"+/l/d.T98"}
            << QStringList{"/l/d.T98", "/l/a.T98", "/l/b.T98", "/l/c.T98"};
        QTest::newRow("a missing file is dropped")
            << QStringList{"/l/a.T98", "/l/b.T98", "/l/c.T98"} << QStringList{"-/l/b.T98"}
            << QStringList{"/l/a.T98", "/l/c.T98"};
        QTest::newRow("the last one dropped leaves none") << QStringList{"/l/a.T98"} << QStringList{"-/l/a.T98"}
                                                         << QStringList{};
        QTest::newRow("a gap is filled by the next file")
            << QStringList{"/l/a.T98", "/l/b.T98", "/l/c.T98", "/l/d.T98"} << QStringList{"-/l/a.T98", "+/l/e.T98"}
            << QStringList{"/l/e.T98", "/l/b.T98", "/l/c.T98", "/l/d.T98"};
    }

    void recentFilesListRules()
    {
        QFETCH(QStringList, start);
        QFETCH(QStringList, steps);
        QFETCH(QStringList, expected);
        QStringList files = start;
        for (const QString &step : steps) {
            const QString path = step.mid(1);
            files = step.startsWith(QLatin1Char('+')) ? ProgramSettings::withRecentFile(files, path)
                                                      : ProgramSettings::withoutRecentFile(files, path);
        }
        QCOMPARE(files, expected);
    }

    void recentFilesInTheSettingsFile_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<QStringList>("readBack");
        const QByteArray status("[panStatus]\r\nVisible=1\r\n");
        QTest::newRow("none: no section") << status << QStringList{} << status << QStringList{};
        QTest::newRow("two, newest first")
            << status << QStringList{"/l/b.T98", "/l/a.T98"}
            << status + "[Zuletzt]\r\nDatei1=/l/b.T98\r\nDatei2=/l/a.T98\r\n"
            << QStringList{"/l/b.T98", "/l/a.T98"};
        QTest::newRow("a shorter list keeps the section's place")
            << QByteArray("[Zuletzt]\r\nDatei1=/l/a.T98\r\nDatei2=/l/b.T98\r\nDatei3=/l/c.T98\r\n") + status
            << QStringList{"/l/c.T98"} << QByteArray("[Zuletzt]\r\nDatei1=/l/c.T98\r\n") + status
            << QStringList{"/l/c.T98"};
        QTest::newRow("the last one gone takes the section along")
            << status + "[Zuletzt]\r\nDatei1=/l/a.T98\r\n" << QStringList{} << status << QStringList{};
        QTest::newRow("a key of someone else stays")
            << QByteArray("[Zuletzt]\r\nDatei1=/l/a.T98\r\nNotiz=x\r\n") << QStringList{}
            << QByteArray("[Zuletzt]\r\nNotiz=x\r\n") << QStringList{};
        QTest::newRow("umlauts are kept in Windows-1252")
            << QByteArray() << QStringList{QStringLiteral("/l/Köln.T98")}
            << QByteArray("[Zuletzt]\r\nDatei1=/l/K\xf6ln.T98\r\n") << QStringList{QStringLiteral("/l/Köln.T98")};
        QTest::newRow("paths that would come back changed are left out")
            << QByteArray()
            << QStringList{QStringLiteral("/l/\u041c\u0438\u0440.T98"), QStringLiteral("/l/a\nb.T98"),
                           QStringLiteral("/l/a.T98"), QStringLiteral("/") + QString(1100, QLatin1Char('x'))}
            << QByteArray("[Zuletzt]\r\nDatei1=/l/a.T98\r\n") << QStringList{"/l/a.T98"};
    }

    // The list written into a file as it was, and read back from the result.
    void recentFilesInTheSettingsFile()
    {
        QFETCH(QByteArray, before);
        QFETCH(QStringList, files);
        QFETCH(QByteArray, after);
        QFETCH(QStringList, readBack);
        IniFile ini;
        ini.fromBytes(before);
        ProgramSettings::writeRecentFiles(ini, files);
        QCOMPARE(ini.toBytes(), after);
        QCOMPARE(ProgramSettings::readRecentFiles(ini), readBack);
    }

    void recentFilesReadSkipsEmptyAndRepeatedEntries()
    {
        IniFile ini;
        ini.fromBytes("[zuletzt]\r\nDatei1=/l/a.T98\r\nDatei2=\r\nDatei3=/l/a.T98\r\nDatei4=/l/b.T98\r\n"
                      "Datei5=/l/c.T98\r\n");
        QCOMPARE(ProgramSettings::readRecentFiles(ini), (QStringList{"/l/a.T98", "/l/b.T98"}));
    }
};

QTEST_GUILESS_MAIN(TestProgramSettings)
#include "tst_programsettings.moc"
