#include "league/model/League.h"
#include "league/standings/RowBands.h"
#include "league/ui/ScriptedPlatform.h"
#include "league/ui/TfrmExpBMP.h"
#include "league/ui/TfrmExport.h"
#include "league/ui/TfrmKreuz.h"
#include "league/ui/TfrmKurve.h"
#include "league/ui/TfrmTN.h"
#include "league/ui/TfrmTab.h"
#include "mainwindow_helper.h"
#include "modal_helper.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

// The table, cross-table and curve windows and the export command, driven
// through the main window with the dialogs answered by script.
class TestTableViews : public QObject {
    Q_OBJECT

private:
    struct Fixture : MainWindowFixture {
        Fixture() { nameTeams(); }
        QStringList files() const { return QDir(dir.path()).entryList(QDir::Files); }
    };

    static const QColor white, champion, cl, uefa, relegation;

    static QColor bandOnScreen(TfrmTab *tab, int row)
    {
        return tab->findChild<QFrame *>(QStringLiteral("Shape%1").arg(row))->palette().color(QPalette::Window);
    }

    static QByteArray readFile(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private slots:
    void bandsHoldTheDefaultLayoutBeforeAnyView()
    {
        Fixture f;
        f.frm->league().hasChampion = false;
        f.frm->league().relegationPlaces = 0;
        const RowBandColors &bands = f.frm->rowBandColor();
        QCOMPARE(bands[1], champion);
        QCOMPARE(bands[2], cl);
        for (int r = 3; r <= 5; ++r)
            QCOMPARE(bands[r], uefa);
        for (int r = 6; r <= 15; ++r)
            QCOMPARE(bands[r], white);
        for (int r = 16; r <= 18; ++r)
            QCOMPARE(bands[r], relegation);
    }

    void zoneColours_data()
    {
        QTest::addColumn<bool>("hasChampion");
        QTest::addColumn<int>("clPlaces");
        QTest::addColumn<int>("ucPlaces");
        QTest::addColumn<int>("relegationPlaces");
        QTest::addColumn<QList<QColor>>("rows");
        QList<QColor> standard{champion, cl, uefa, uefa, uefa};
        while (standard.size() < 15)
            standard << white;
        standard << relegation << relegation << relegation;
        QTest::newRow("defaults") << true << 1 << 3 << 3 << standard;

        QList<QColor> noTop{uefa, uefa};
        while (noTop.size() < 15)
            noTop << white;
        noTop << relegation << relegation << relegation;
        QTest::newRow("no champion, no CL, 2 UEFA") << false << 0 << 2 << 3 << noTop;

        QList<QColor> onlyCl{cl};
        while (onlyCl.size() < 18)
            onlyCl << white;
        QTest::newRow("only the CL place") << false << 1 << 0 << 0 << onlyCl;
    }

    void zoneColours()
    {
        QFETCH(bool, hasChampion);
        QFETCH(int, clPlaces);
        QFETCH(int, ucPlaces);
        QFETCH(int, relegationPlaces);
        QFETCH(QList<QColor>, rows);
        Fixture f;
        League &l = f.frm->league();
        l.hasChampion = hasChampion;
        l.clPlaces = clPlaces;
        l.ucPlaces = ucPlaces;
        l.relegationPlaces = relegationPlaces;
        ModalScript script(f.frm->frmTab());
        script.then([](QWidget *dlg) { clickButton(dlg, "bbOK"); });
        f.frm->mnuTabClick();
        QCOMPARE(script.shown(), 1);
        for (int r = 1; r <= 18; ++r) {
            QCOMPARE(f.frm->rowBandColor()[r], rows.at(r - 1));
            QCOMPARE(bandOnScreen(f.frm->frmTab(), r), rows.at(r - 1));
        }
    }

    void switchingThroughTheViewsClosesOnce()
    {
        Fixture f;
        League &l = f.frm->league();
        l.match(1, 1) = Match{4, 9, 2, 0};
        l.teamNames[9].clear();
        TfrmTab *tab = f.frm->frmTab();
        ModalScript script(tab);
        auto captions = [](QWidget *dlg) {
            return QStringList{dlg->windowTitle(), dlg->findChild<QPushButton *>(QStringLiteral("bb1"))->text(),
                               dlg->findChild<QPushButton *>(QStringLiteral("bb2"))->text()};
        };
        QList<QStringList> seen;
        QStringList firstRow, lastRow;
        script.then([&](QWidget *dlg) {
            seen << captions(dlg);
            for (const char *n : {"lblTeam1", "lblSp1", "lblPkt1", "lblTe1", "lblTa1", "lblTd1"})
                firstRow << dlg->findChild<QLabel *>(QString::fromLatin1(n))->text();
            for (const char *n : {"lblTeam18", "lblSp18", "lblSn18", "lblPkt18", "lblTd18"})
                lastRow << dlg->findChild<QLabel *>(QString::fromLatin1(n))->text();
            clickButton(dlg, "bb1");
        });
        script.then([&](QWidget *dlg) {
            seen << captions(dlg);
            clickButton(dlg, "bb2");
        });
        script.then([&](QWidget *dlg) {
            seen << captions(dlg);
            clickButton(dlg, "bbOK");
        });
        f.frm->mnuTabClick();
        QCOMPARE(script.shown(), 3);
        QCOMPARE(script.unexpected(), 0);
        QVERIFY(!tab->isVisible());
        QCOMPARE(seen, (QList<QStringList>{{"Tabelle", "Heimbilanz", "Auswärtsbilanz"},
                                           {"Heimbilanz", "Tabelle", "Auswärtsbilanz"},
                                           {"Auswärtsbilanz", "Tabelle", "Heimbilanz"}}));
        QCOMPARE(firstRow, (QStringList{"Team 4", "1", "3", "2", "0", "2"}));
        // The loser has an empty name: the row still shows its numbers.
        QCOMPARE(lastRow, (QStringList{"", "1", "1", "0", "-2"}));
        // The away view was filled last, so every band is white now.
        for (int r = 1; r <= 18; ++r)
            QCOMPARE(f.frm->rowBandColor()[r], white);
    }

    void crossTableShowsTheResults()
    {
        Fixture f;
        League &l = f.frm->league();
        l.match(3, 2) = Match{4, 9, 2, 0};
        l.match(4, 2) = Match{9, 4, 1, -1};
        ModalScript script(f.frm->frmKreuz());
        QString homeWin, halfEntered, name, header;
        script.then([&](QWidget *dlg) {
            auto *results = dlg->findChild<QTableWidget *>(QStringLiteral("asgKreuzErgebnisse"));
            auto *fixed = dlg->findChild<QTableWidget *>(QStringLiteral("asgKreuzKopf"));
            homeWin = results->item(4, 10 - 2)->text();
            halfEntered = results->item(9, 5 - 2)->text();
            name = fixed->item(4, 1)->text();
            header = results->item(0, 10 - 2)->text();
            clickButton(dlg, "bbOK");
        });
        f.frm->mnuKreuzClick();
        QCOMPARE(homeWin, QStringLiteral("2 : 0"));
        QCOMPARE(halfEntered, QString());
        QCOMPARE(name, QStringLiteral("Team 4"));
        QCOMPARE(header, QStringLiteral("9"));
    }

    void curveWindowOpensEmptyAndDrawsTheChosenTeam()
    {
        Fixture f;
        League &l = f.frm->league();
        l.match(1, 1) = Match{1, 2, 0, 1};
        l.match(2, 1) = Match{1, 3, 2, 0};
        TfrmKurve *kurve = f.frm->frmKurve();
        kurve->selectTeam(2);
        kurve->KurveBer();
        ModalScript script(kurve);
        int selected = -1;
        QImage before;
        script.then([&](QWidget *dlg) {
            auto *list = dlg->findChild<QComboBox *>(QStringLiteral("cboTeam"));
            selected = list->currentIndex();
            before = kurve->picture();
            list->setCurrentIndex(1);
            emit list->activated(1);
            clickButton(dlg, "bbOK");
        });
        f.frm->mnuKurveClick();
        QCOMPARE(selected, 0);
        QCOMPARE(before.size(), QSize(465, 300));
        // The empty chart has no blue curve pixels.
        const QRgb blue = qRgb(0, 0, 255);
        auto bluePixels = [blue](const QImage &img) {
            int n = 0;
            for (int y = 0; y < img.height(); ++y)
                for (int x = 0; x < img.width(); ++x)
                    n += img.pixel(x, y) == blue;
            return n;
        };
        QCOMPARE(bluePixels(before), 0);
        QCOMPARE(kurve->curvePos()[0], 1);
        QVERIFY(kurve->curvePos()[1] > 0);
        QVERIFY(bluePixels(kurve->picture()) > 0);
    }

    void curveChartExistsBeforeTheWindowFirstOpens()
    {
        Fixture f;
        TfrmKurve *kurve = f.frm->frmKurve();
        // The picture export reads the chart without the window ever being shown.
        const QImage chart = kurve->picture();
        QCOMPARE(chart.size(), QSize(465, 300));
        QCOMPARE(chart.pixel(0, 0), qRgb(255, 255, 255));
        const QRgb blue = qRgb(0, 0, 255);
        for (int y = 0; y < chart.height(); ++y)
            for (int x = 0; x < chart.width(); ++x)
                QVERIFY(chart.pixel(x, y) != blue);

        ModalScript script(kurve);
        QSize onScreen;
        script.then([&](QWidget *dlg) {
            onScreen = dlg->findChild<QLabel *>(QStringLiteral("imgGraf"))->pixmap().size();
            clickButton(dlg, "bbOK");
        });
        f.frm->mnuKurveClick();
        QCOMPARE(script.shown(), 1);
        QCOMPARE(onScreen, QSize(465, 300));
    }

    void exportChosenFileTypeDecidesTheFormat()
    {
        Fixture f;
        const QString name = f.dir.filePath(QStringLiteral("tage.html"));
        ModalScript script(f.frm->frmExport());
        script.then([](QWidget *dlg) { clickButton(dlg, "BitBtn4"); });
        f.platform.files.accept(name, 3);
        f.frm->mnuExportClick();
        QCOMPARE(f.platform.files.asked.size(), 1);
        QCOMPARE(f.platform.files.asked[0].typeCaptions,
                 (QStringList{"HTM(L)-Dateien (*.htm / *.html)", "Rich Text Format (*.rtf)", "Text-Dateien (*.txt)"}));
        QCOMPARE(f.platform.files.asked[0].defaultSuffix, QStringLiteral("html"));
        const QByteArray bytes = readFile(name);
        QVERIFY(bytes.startsWith(QByteArray(77, '-') + "\r\n"));
        QVERIFY(bytes.contains("\r\n" + QByteArray(28, ' ') + "Spieltage\r\n"));
        QVERIFY(f.platform.messages.shown.isEmpty());
    }

    void cancelledExportWritesNothing_data()
    {
        QTest::addColumn<QByteArray>("button");
        QTest::newRow("Tabelle und Bilanzen") << QByteArray("bbOK");
        QTest::newRow("Kreuztabelle") << QByteArray("BitBtn3");
        QTest::newRow("Zurück") << QByteArray("bbAbbr");
    }

    void cancelledExportWritesNothing()
    {
        QFETCH(QByteArray, button);
        Fixture f;
        ModalScript script(f.frm->frmExport());
        script.then([button](QWidget *dlg) { clickButton(dlg, button.constData()); });
        if (button != "bbAbbr")
            f.platform.files.cancel();
        f.frm->mnuExportClick();
        QCOMPARE(f.platform.files.replies.size(), 0);
        QCOMPARE(f.platform.files.unexpected, 0);
        QCOMPARE(f.files(), QStringList());
    }

    void curvePictureAsGifAndTheChoicesAreKept()
    {
        Fixture f;
        League &l = f.frm->league();
        l.match(1, 1) = Match{5, 6, 3, 1};
        l.teamNames[5].clear();
        const QString gif = f.dir.filePath(QStringLiteral("kurve.gif"));
        ModalScript exportChoice(f.frm->frmExport());
        ModalScript team(f.frm->frmExpBMP());
        QString caption5;
        exportChoice.then([](QWidget *dlg) { clickButton(dlg, "BitBtn2"); });
        team.then([&](QWidget *dlg) {
            QVERIFY(dlg->findChild<QRadioButton *>(QStringLiteral("bb1"))->isChecked());
            auto *five = dlg->findChild<QRadioButton *>(QStringLiteral("bb5"));
            caption5 = five->text();
            QVERIFY(five->isVisible());
            five->click();
            clickButton(dlg, "bbOK");
        });
        f.platform.files.accept(gif, 2);
        f.frm->mnuExportClick();
        QCOMPARE(caption5, QString());
        const QByteArray bytes = readFile(gif);
        QVERIFY(bytes.startsWith("GIF87a"));
        QCOMPARE(bytes.mid(6, 4), QByteArray("\xd1\x01\x2c\x01", 4));
        QVERIFY(bytes.endsWith(';'));
        QCOMPARE(f.frm->frmKurve()->findChild<QComboBox *>(QStringLiteral("cboTeam"))->currentIndex(), 5);
        QCOMPARE(f.frm->frmKurve()->curvePos()[0], 5);
        QCOMPARE(f.frm->frmKurve()->curvePos()[1], 1);

        // The second export starts from the last team, name and file type.
        exportChoice.then([](QWidget *dlg) { clickButton(dlg, "BitBtn2"); });
        bool fiveKept = false;
        team.then([&](QWidget *dlg) {
            fiveKept = dlg->findChild<QRadioButton *>(QStringLiteral("bb5"))->isChecked();
            clickButton(dlg, "bbAbbr");
        });
        f.frm->mnuExportClick();
        QVERIFY(fiveKept);
        f.platform.files.cancel();
        exportChoice.then([](QWidget *dlg) { clickButton(dlg, "BitBtn2"); });
        team.then([](QWidget *dlg) { clickButton(dlg, "bbOK"); });
        f.frm->mnuExportClick();
        QCOMPARE(f.platform.files.asked.size(), 2);
        QCOMPARE(f.platform.files.asked[1].presetName, gif);
        QCOMPARE(f.platform.files.asked[1].presetIndex, 2);
        QCOMPARE(f.platform.files.asked[1].typeCaptions,
                 (QStringList{"Bitmap-Grafiken (*.bmp)", "CompuServe-Grafik (*.gif)", "PNG-Grafik (*.png)"}));
    }

    void pictureThatCannotBeCreatedReportsIt()
    {
        Fixture f;
        const QString bad = f.dir.filePath(QStringLiteral("fehlt/kurve.bmp"));
        ModalScript exportChoice(f.frm->frmExport());
        ModalScript team(f.frm->frmExpBMP());
        exportChoice.then([](QWidget *dlg) { clickButton(dlg, "BitBtn2"); });
        team.then([](QWidget *dlg) { clickButton(dlg, "bbOK"); });
        f.platform.files.accept(bad, 1);
        f.frm->mnuExportClick();
        QCOMPARE(f.platform.messages.shown.size(), 1);
        QCOMPARE(f.platform.messages.shown[0].text, QStringLiteral("Kann Datei %1 nicht erstellen").arg(bad));
    }
};

const QColor TestTableViews::white(255, 255, 255);
const QColor TestTableViews::champion(187, 255, 255);
const QColor TestTableViews::cl(255, 187, 255);
const QColor TestTableViews::uefa(187, 255, 187);
const QColor TestTableViews::relegation(255, 187, 187);

QTEST_MAIN(TestTableViews)
#include "tst_tableviews.moc"
