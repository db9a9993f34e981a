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
// files in "Datei", the calendar and the PNG curve from the export dialog,
// two teams in the curve window.
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

private Q_SLOTS:
    void recentFilesAreKeptInTheSettings()
    {
        QTemporaryDir dir;
        const QString programDir = dir.path() + QLatin1Char('/');
        QStringList files;
        for (const char *name : {"a.T98", "b&c.T98", "c.T98", "d.T98", "e.T98"})
            files << leagueFile(dir, QString::fromLatin1(name));
        {
            ScriptedPlatform platform;
            TfrmTN frm(platform.seams(), programDir, {});
            frm.show();
            QVERIFY(recentTexts(frm).isEmpty());
            for (const QString &f : files) {
                platform.files.accept(f);
                frm.findChild<QAction *>(QStringLiteral("mnuOeffnen"))->trigger();
            }
            // Opened again, a file moves to the top instead of standing twice.
            platform.files.accept(files.at(2));
            frm.findChild<QAction *>(QStringLiteral("mnuOeffnen"))->trigger();
            QCOMPARE(recentTexts(frm), (QStringList{"&1 c.T98", "&2 e.T98", "&3 d.T98", "&4 b&&c.T98"}));
            QVERIFY(frm.close());
        }
        IniFile ini(dir.filePath(QStringLiteral("TN98.INI")));
        QCOMPARE(ini.readString("Zuletzt", "Datei1", {}), files.at(2));
        QCOMPARE(ini.readString("Zuletzt", "Datei4", {}), files.at(1));
        {
            ScriptedPlatform platform;
            TfrmTN frm(platform.seams(), programDir, {});
            frm.show();
            QCOMPARE(recentTexts(frm).size(), 4);
            // "&2" opens e.T98 without a file dialog.
            frm.findChild<QAction *>(QStringLiteral("mnuZuletzt2"))->trigger();
            QCOMPARE(frm.league().leagueFileName, files.at(4));
            QCOMPARE(frm.league().match(1, 2).time, QTime(15, 30));
            QVERIFY(platform.files.asked.isEmpty());
            QCOMPARE(recentTexts(frm).first(), QStringLiteral("&1 e.T98"));
            // A file gone since: the message, and the league stays.
            QVERIFY(QFile::remove(files.at(3)));
            frm.findChild<QAction *>(QStringLiteral("mnuZuletzt3"))->trigger();
            QCOMPARE(platform.messages.shown.size(), 1);
            QVERIFY(platform.messages.shown.at(0).text.contains(files.at(3)));
            QCOMPARE(frm.league().leagueFileName, files.at(4));
            QCOMPARE(recentTexts(frm).size(), 3);
            QVERIFY(frm.close());
        }
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
