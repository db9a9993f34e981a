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

// The calendar and the PNG curve, with the curve window's second team,
// from the export dialog.
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

private Q_SLOTS:
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
