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
};

QTEST_GUILESS_MAIN(TestProgramSettings)
#include "tst_programsettings.moc"
