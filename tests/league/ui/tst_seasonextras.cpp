#include "league/model/IniFile.h"
#include "league/model/League.h"
#include "league/model/LeagueFile.h"
#include "league/ui/ScriptedPlatform.h"
#include "league/ui/TfrmExpBMP.h"
#include "league/ui/TfrmExport.h"
#include "league/ui/TfrmKurve.h"
#include "league/ui/TfrmTN.h"
#include "modal_helper.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// What a fan expects of the main window beyond entering results: the last
// files in "Datei", the calendar and the PNG curve with the curve window's
// second team from the export dialog.
class TestSeasonExtras : public QObject {
    Q_OBJECT

private:
    static QString leagueFile(const QTemporaryDir &dir, const QString &name)
    {
        League l;
        l.reshape(4, 6);
        for (int i = 1; i <= 4; ++i)
            l.teamNames[i] = QStringLiteral("Elf %1").arg(i);
        l.dates(1) = RoundDates{"07.08.2026", "09.08.2026"};
        l.match(1, 1) = Match{1, 2, 2, 0};
        l.match(1, 2) = Match{3, 4, 0, 1};
        l.match(1, 2).date = QDate(2026, 8, 8);
        l.match(1, 2).time = QTime(15, 30);
        l.leagueFileName = dir.filePath(name);
        SaveDatei(l);
        return l.leagueFileName;
    }

    // The captions of the visible entries of the files last used.
    static QStringList recentTexts(TfrmTN &frm)
    {
        QStringList out;
        for (int i = 1; i <= 4; ++i) {
            QAction *a = frm.findChild<QAction *>(QStringLiteral("mnuZuletzt%1").arg(i));
            if (a && a->isVisible())
                out << a->text();
        }
        return out;
    }

    static QAction *itemBeforeEnde(TfrmTN &frm)
    {
        const QList<QAction *> items = frm.findChild<QMenu *>(QStringLiteral("mnuDatei"))->actions();
        return items.at(items.indexOf(frm.findChild<QAction *>(QStringLiteral("mnuEnde"))) - 1);
    }

    static void trigger(TfrmTN &frm, const QString &name)
    {
        QAction *a = frm.findChild<QAction *>(name);
        QVERIFY2(a, qPrintable(name));
        a->trigger();
    }

private Q_SLOTS:
    void filesOpenedOrSavedAreListedInDatei()
    {
        QTemporaryDir dir;
        const QString programDir = dir.path() + QLatin1Char('/');
        const QString a = leagueFile(dir, QStringLiteral("a.T98"));
        const QString bc = dir.filePath(QStringLiteral("b&c.T98"));
        {
            ScriptedPlatform platform;
            TfrmTN frm(platform.seams(), programDir, {});
            frm.show();
            QVERIFY(recentTexts(frm).isEmpty());
            platform.files.accept(a);
            trigger(frm, QStringLiteral("mnuOeffnen"));
            platform.files.accept(bc);
            trigger(frm, QStringLiteral("mnuUnter"));
            // The ampersand of the name is doubled so the menu shows it.
            QCOMPARE(recentTexts(frm), (QStringList{"&1 b&&c.T98", "&2 a.T98"}));
            QCOMPARE(frm.findChild<QAction *>(QStringLiteral("mnuZuletzt1"))->statusTip(), bc);

            // The list stands between "Drucken" and "Beenden", closed off by
            // separators on both sides.
            const QList<QAction *> items = frm.findChild<QMenu *>(QStringLiteral("mnuDatei"))->actions();
            const auto at = [&](const char *name) {
                return items.indexOf(frm.findChild<QAction *>(QString::fromLatin1(name)));
            };
            QCOMPARE(at("mnuZuletzt1"), at("mnuDruck") + 2);
            QCOMPARE(at("mnuEnde"), at("mnuZuletzt4") + 2);
            QVERIFY(items.at(at("mnuZuletzt1") - 1)->isSeparator());
            QVERIFY(itemBeforeEnde(frm)->isSeparator());
            QVERIFY(itemBeforeEnde(frm)->isVisible());
            QVERIFY(frm.close());
        }
        const IniFile ini(dir.filePath(QStringLiteral("TN98.INI")));
        QCOMPARE(ini.keys(QStringLiteral("Zuletzt")), (QStringList{"Datei1", "Datei2"}));
        QCOMPARE(ini.readString("Zuletzt", "Datei1", {}), bc);
        QCOMPARE(ini.readString("Zuletzt", "Datei2", {}), a);
        {
            ScriptedPlatform platform;
            TfrmTN frm(platform.seams(), programDir, {});
            frm.show();
            QCOMPARE(recentTexts(frm), (QStringList{"&1 b&&c.T98", "&2 a.T98"}));
            // "&2" opens a.T98 without a file dialog and moves it up.
            trigger(frm, QStringLiteral("mnuZuletzt2"));
            QVERIFY(platform.files.asked.isEmpty());
            QCOMPARE(frm.league().leagueFileName, a);
            QCOMPARE(frm.league().match(1, 2).time, QTime(15, 30));
            QCOMPARE(recentTexts(frm), (QStringList{"&1 a.T98", "&2 b&&c.T98"}));
            // A file gone since: a message naming it, the league stays and
            // the entry goes; the list then hides its closing separator.
            QVERIFY(QFile::remove(bc));
            QVERIFY(QFile::remove(a));
            trigger(frm, QStringLiteral("mnuZuletzt2"));
            QCOMPARE(platform.messages.shown.size(), 1);
            QVERIFY(platform.messages.shown.at(0).text.contains(bc));
            QCOMPARE(frm.league().leagueFileName, a);
            QCOMPARE(recentTexts(frm), QStringList{"&1 a.T98"});
            trigger(frm, QStringLiteral("mnuZuletzt1"));
            QVERIFY(recentTexts(frm).isEmpty());
            QVERIFY(!itemBeforeEnde(frm)->isVisible());
            QVERIFY(frm.close());
        }
        // With the list empty again, the section is gone.
        QVERIFY(!IniFile(dir.filePath(QStringLiteral("TN98.INI"))).hasSection(QStringLiteral("Zuletzt")));
    }

    void exportDialogWritesCalendarAndPng()
    {
        QTemporaryDir dir;
        ScriptedPlatform platform;
        TfrmTN frm(platform.seams(), dir.path() + QLatin1Char('/'), {});
        platform.files.accept(leagueFile(dir, QStringLiteral("liga.T98")));
        frm.findChild<QAction *>(QStringLiteral("mnuOeffnen"))->trigger();

        const QString ics = dir.filePath(QStringLiteral("liga.ics"));
        {
            ModalScript choice(frm.frmExport());
            choice.then([](QWidget *d) { clickButton(d, "bbKalender"); });
            platform.files.accept(ics);
            frm.findChild<QAction *>(QStringLiteral("mnuExport"))->trigger();
        }
        QFile file(ics);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QCOMPARE(bytes.count("BEGIN:VEVENT"), 2);
        QVERIFY(bytes.contains("DTSTART;VALUE=DATE:20260807\r\n"));
        QCOMPARE(platform.files.asked.last().typeCaptions, QStringList{"Kalender (*.ics)"});

        // The curve window's second team comes into the picture; PNG is
        // the third file type.
        frm.frmKurve()->selectSecondTeam(4);
        ModalScript curve(frm.frmExport());
        curve.then([](QWidget *d) { clickButton(d, "BitBtn2"); });
        ModalScript team(frm.frmExpBMP());
        team.then([](QWidget *d) { clickButton(d, "bbOK"); });
        const QString png = dir.filePath(QStringLiteral("kurve.png"));
        platform.files.accept(png, 3);
        frm.findChild<QAction *>(QStringLiteral("mnuExport"))->trigger();
        const QImage picture(png, "PNG");
        QVERIFY(!picture.isNull());
        QCOMPARE(platform.files.asked.last().typeCaptions.last(), QStringLiteral("PNG-Grafik (*.png)"));
        QCOMPARE(frm.frmKurve()->secondTeam(), 4);
    }
};

QTEST_MAIN(TestSeasonExtras)
#include "tst_seasonextras.moc"
