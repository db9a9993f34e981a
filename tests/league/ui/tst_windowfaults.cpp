#include "league/model/IniFile.h"
#include "league/model/League.h"
#include "league/print/TPageWriter.h"
#include "league/standings/Standings.h"
#include "league/ui/FormUtil.h"
#include "league/ui/PrinterSeam.h"
#include "league/ui/QtPlatform.h"
#include "league/ui/ScriptedPlatform.h"
#include "league/ui/TfrmDruck.h"
#include "league/ui/TfrmDruckDlg.h"
#include "league/ui/TfrmAbout.h"
#include "league/ui/TfrmExpBMP.h"
#include "league/ui/TfrmExport.h"
#include "league/ui/TfrmKurve.h"
#include "league/ui/TfrmTab.h"
#include "league/ui/TfrmTN.h"
#include "league/ui/WindowPlacement.h"
#include "modal_helper.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QListView>
#include <QMessageBox>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocumentFragment>
#include <QTimer>
#include <QToolBar>
#include <QWindow>
#include <memory>

namespace {

// What a button or check box shows for its caption: "&&" is one "&", any
// other "&" marks the next letter as the shortcut and is not drawn.
QString shownCaption(const QString &caption)
{
    QString shown;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption.at(i) == QLatin1Char('&') && i + 1 < caption.size())
            ++i;
        shown += caption.at(i);
    }
    return shown;
}

// What a tool tip shows: markup is rendered, anything else shows as it is.
QString shownToolTip(const QString &tip)
{
    return Qt::mightBeRichText(tip) ? QTextDocumentFragment::fromHtml(tip).toPlainText() : tip;
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Toolbars in the order they stand in the dock, left to right.
QStringList dockOrder(TfrmTN &frm)
{
    QList<QToolBar *> bars = frm.findChildren<QToolBar *>();
    bars.removeIf([](QToolBar *b) { return b->isFloating(); });
    std::sort(bars.begin(), bars.end(), [](QToolBar *a, QToolBar *b) { return a->x() < b->x(); });
    QStringList names;
    for (QToolBar *b : bars)
        names << b->objectName();
    return names;
}

const QStringList kDesignOrder{"tbStd", "tbHlp", "tbNav", "tbLga"};

} // namespace

class TestWindowFaults : public QObject {
    Q_OBJECT

private slots:
    void namesShowAsTypedOnButtonsAndCheckBoxes_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("ampersand") << QStringLiteral("Rot & Weiß");
        QTest::newRow("ampersand before a letter") << QStringLiteral("Blau&Gelb");
        QTest::newRow("two ampersands") << QStringLiteral("A && B");
        QTest::newRow("markup") << QStringLiteral("<b>Kickers</b>");
    }

    void namesShowAsTypedOnButtonsAndCheckBoxes()
    {
        QFETCH(QString, name);
        QTemporaryDir dir;
        ScriptedPlatform platform;
        TfrmTN frm(platform.seams(), dir.path() + QLatin1Char('/'), {});
        frm.league().teamNames[4] = name;

        TfrmDruckDlg *print = frm.frmDruckDlg();
        QVERIFY(print);
        print->resetChoices();
        QCheckBox *box = print->teamBoxes[4];
        QCOMPARE(shownCaption(box->text()), name);
        // No letter of the name becomes a keyboard shortcut.
        QVERIFY(QKeySequence::mnemonic(box->text()).isEmpty());
        QCOMPARE(shownToolTip(box->toolTip()), name);

        frm.frmExpBMP()->setTeamNames(frm.league());
        auto *radio = frm.frmExpBMP()->findChild<QRadioButton *>(QStringLiteral("bb4"));
        QCOMPARE(shownCaption(radio->text()), name);
        QVERIFY(QKeySequence::mnemonic(radio->text()).isEmpty());
    }

    void namesShowAsTypedInTheTable()
    {
        QTemporaryDir dir;
        ScriptedPlatform platform;
        TfrmTN frm(platform.seams(), dir.path() + QLatin1Char('/'), {});
        League &l = frm.league();
        for (int i = 1; i <= League::kTeams; ++i)
            l.teamNames[i] = QStringLiteral("<i>Team %1</i> & Co").arg(i);
        // Too long for its cell: the whole name goes into the tooltip.
        const QString longName = QStringLiteral("<b>Sportfreunde</b> Vereinigte Ballspielgemeinschaft 1898");
        l.teamNames[1] = longName;
        Standings standings;
        TabBer(l, standings);
        frm.frmTab()->fill(TableView::Total, standings, l);
        for (int r = 1; r <= 18; ++r) {
            auto *label = frm.frmTab()->findChild<QLabel *>(QStringLiteral("lblTeam%1").arg(r));
            QVERIFY(label);
            QCOMPARE(label->textFormat(), Qt::PlainText);
            if (r == 1) {
                QVERIFY(label->text().startsWith(QStringLiteral("<b>Sportfreunde</b>")));
                QCOMPARE(shownToolTip(label->toolTip()), longName);
            } else {
                QVERIFY(label->text().startsWith(QStringLiteral("<i>Team ")));
            }
        }
    }

    void fileNameWithTheModifiedMarkStaysInTheCaption()
    {
        QTemporaryDir dir;
        ScriptedPlatform platform;
        TfrmTN frm(platform.seams(), dir.path() + QLatin1Char('/'), {});
        frm.league().leagueFileName = dir.filePath(QStringLiteral("Liga[*].T98"));
        frm.TitelLeiste();
        frm.show();
        QVERIFY(frm.windowHandle());
        QCOMPARE(frm.windowHandle()->title(), QStringLiteral("[Liga[*].T98] - Tabulon '98"));
    }

    void messageBoxShowsItsTextAsWritten()
    {
        QtMessageBox messages;
        const QString text = QStringLiteral("'<b>12.13.2024</b>' ist kein gültiges Datum");
        bool seen = false;
        whenModal<QMessageBox>([&](QMessageBox *box) {
            seen = true;
            QCOMPARE(box->textFormat(), Qt::PlainText);
            QCOMPARE(box->text(), text);
        });
        messages.error(nullptr, text);
        QVERIFY(seen);
    }

    void toolbarWithoutValidSectionGoesBackToItsDesignPlace_data()
    {
        QTest::addColumn<QString>("bar");
        QTest::addColumn<QByteArray>("section");
        QTest::newRow("Navigator Rev=1") << "tbNav" << QByteArray("Rev=1\r\nVisible=0\r\nDockPos=0\r\n");
        QTest::newRow("Hilfe without a section") << "tbHlp" << QByteArray();
        QTest::newRow("Standard Rev=3") << "tbStd" << QByteArray("Rev=3\r\nDockPos=5000\r\n");
        QTest::newRow("Liga Rev unreadable") << "tbLga" << QByteArray("Rev=zwei\r\nDockPos=0\r\n");
    }

    void toolbarWithoutValidSectionGoesBackToItsDesignPlace()
    {
        QFETCH(QString, bar);
        QFETCH(QByteArray, section);
        QTemporaryDir dir;
        const QString programDir = dir.path() + QLatin1Char('/');
        const QString iniPath = dir.filePath(QStringLiteral("TN98.INI"));
        {
            // A first run writes the toolbars as they stand at design time.
            ScriptedPlatform platform;
            TfrmTN frm(platform.seams(), programDir, {});
            frm.show();
            QCOMPARE(dockOrder(frm), kDesignOrder);
            QVERIFY(frm.close());
        }
        IniFile ini(iniPath);
        ini.removeSection(bar);
        QVERIFY(ini.save());
        QFile file(iniPath);
        QVERIFY(file.open(QIODevice::Append));
        if (!section.isEmpty())
            file.write("[" + bar.toLatin1() + "]\r\n" + section);
        file.close();

        ScriptedPlatform platform;
        TfrmTN frm(platform.seams(), programDir, {});
        frm.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frm));
        QCOMPARE(dockOrder(frm), kDesignOrder);
        QVERIFY(!frm.findChild<QToolBar *>(bar)->isHidden());
    }

    void storedOrderOfTheOthersIsKept()
    {
        // Liga stored in front and Standard far behind; Hilfe and Navigator
        // have no valid section and take their design-time places, right
        // after where Standard stood at design time.
        QTemporaryDir dir;
        writeFile(dir.filePath(QStringLiteral("TN98.INI")),
                  "[tbStd]\r\nRev=2\r\nVisible=1\r\nDockedTo=TNDock\r\nDockRow=0\r\nDockPos=5000\r\n"
                  "[tbHlp]\r\nRev=1\r\n"
                  "[tbLga]\r\nRev=2\r\nVisible=1\r\nDockedTo=TNDock\r\nDockRow=0\r\nDockPos=0\r\n");
        ScriptedPlatform platform;
        TfrmTN frm(platform.seams(), dir.path() + QLatin1Char('/'), {});
        frm.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frm));
        QCOMPARE(dockOrder(frm), (QStringList{"tbLga", "tbHlp", "tbNav", "tbStd"}));
    }

    void fileTypesReadAsCaptioned_data()
    {
        QTest::addColumn<int>("dialog");
        QTest::addColumn<QStringList>("captions");
        QTest::newRow("documents") << 0
                                   << QStringList{"HTM(L)-Dateien (*.htm / *.html)", "Rich Text Format (*.rtf)",
                                                  "Text-Dateien (*.txt)"};
        QTest::newRow("pictures") << 1 << QStringList{"Bitmap-Grafiken (*.bmp)", "CompuServe-Grafik (*.gif)",
                                                      "PNG-Grafik (*.png)"};
        QTest::newRow("open") << 2 << QStringList{"Tabulon '98 (*.t98)", "Tabulon 3.2.1 (*.tn3)", "Football.TXT (*.txt)",
                                                  "Football.JSON (*.json)"};
        QTest::newRow("save") << 3 << QStringList{"Tabulon '98 (*.t98)", "Football.TXT (*.txt)", "Football.JSON (*.json)"};
    }

    void fileTypesReadAsCaptioned()
    {
        QFETCH(int, dialog);
        QFETCH(QStringList, captions);
        QTemporaryDir dir;
        ScriptedPlatform platform;
        TfrmTN frm(platform.seams(), dir.path() + QLatin1Char('/'), {});
        FileDialogState *states[] = {&frm.dlgHtml(), &frm.dlgBMP(), &frm.dlgOpen(), &frm.dlgSave()};
        FileDialogState &state = *states[dialog];
        QCOMPARE(QtFileDialog::nameFilters(state), captions);

        // The file-type list of the dialog itself reads the same.
        QStringList listed;
        whenModal<QFileDialog>([&](QFileDialog *dlg) {
            auto *types = dlg->findChild<QComboBox *>(QStringLiteral("fileTypeCombo"));
            QVERIFY(types);
            for (int i = 0; i < types->count(); ++i)
                listed << types->itemText(i);
        });
        QtFileDialog files;
        QVERIFY(!files.exec(nullptr, state));
        QCOMPARE(listed, captions);
    }

    void htmlTypeListsBothExtensions()
    {
        QTemporaryDir dir;
        for (const char *name : {"a.htm", "b.html", "c.txt", "d.rtf"})
            writeFile(dir.filePath(QString::fromLatin1(name)), "x");
        FileDialogState state(FileDialogState::Save,
                              {{QStringLiteral("HTM(L)-Dateien (*.htm / *.html)"), QStringLiteral("*.html;*.htm")},
                               {QStringLiteral("Text-Dateien (*.txt)"), QStringLiteral("*.txt")}},
                              QStringLiteral("html"));
        state.fileName = dir.filePath(QStringLiteral("neu.html"));
        QStringList shown;
        whenModal<QFileDialog>([&](QFileDialog *dlg) {
            auto *view = dlg->findChild<QListView *>(QStringLiteral("listView"));
            QVERIFY(view);
            const auto names = [view] {
                QStringList n;
                const QModelIndex root = view->rootIndex();
                for (int r = 0; r < view->model()->rowCount(root); ++r)
                    n << view->model()->index(r, 0, root).data().toString();
                n.sort();
                return n;
            };
            QTRY_COMPARE(names(), (QStringList{"a.htm", "b.html"}));
            shown = names();
        });
        QtFileDialog files;
        files.exec(nullptr, state);
        QCOMPARE(shown, (QStringList{"a.htm", "b.html"}));
    }

    // The program installs a style under which every list opens as a list;
    // without it (a list made elsewhere) the list gets such a style itself.
    // The row with the program's style comes last, since it stays installed.
    void teamListsShowTenLines_data()
    {
        QTest::addColumn<bool>("programStyle");
        QTest::newRow("own style") << false;
        QTest::newRow("program style") << true;
    }

    void teamListsShowTenLines()
    {
        QFETCH(bool, programStyle);
        if (programStyle)
            FormUtil::installListPopupStyle();
        QTemporaryDir dir;
        ScriptedPlatform platform;
        TfrmTN frm(platform.seams(), dir.path() + QLatin1Char('/'), {});
        for (int i = 1; i <= League::kTeams; ++i)
            frm.league().teamNames[i] = QStringLiteral("Team %1").arg(i);
        frm.UpdateCBO();
        frm.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frm));
        frm.frmKurve()->prepare();
        frm.frmKurve()->show();
        QVERIFY(QTest::qWaitForWindowExposed(frm.frmKurve()));

        QList<QComboBox *> lists{frm.centralWidget()->findChild<QComboBox *>(QStringLiteral("cboTeamA1")),
                                 frm.centralWidget()->findChild<QComboBox *>(QStringLiteral("cboTeamB9")),
                                 frm.frmKurve()->findChild<QComboBox *>(QStringLiteral("cboTeam"))};
        for (QComboBox *c : lists) {
            QVERIFY(c);
            QCOMPARE(c->count(), 19);
            QCOMPARE(c->maxVisibleItems(), 10);
            c->showPopup();
            QAbstractItemView *view = c->view();
            QTRY_VERIFY(view->isVisible());
            // Rows from top to bottom inside the list's visible area.
            int whole = 0;
            const int height = view->viewport()->height();
            for (int r = 0; r < c->count(); ++r) {
                const QRect row = view->visualRect(view->model()->index(r, 0));
                if (!row.isEmpty() && row.top() >= 0 && row.bottom() < height)
                    ++whole;
            }
            QVERIFY2(whole == 10, qPrintable(QStringLiteral("%1: %2 rows").arg(c->objectName()).arg(whole)));
            QVERIFY(view->verticalScrollBar()->isVisible());
            c->hidePopup();
            QTRY_VERIFY(!view->isVisible());
        }
        frm.frmKurve()->hide();
    }

    void wholePageAfterLargeZoomNeedsNoScrollBars()
    {
        TPageWriter prn;
        prn.BeginDoc();
        prn.WriteLine(QStringLiteral("Seite 1"));
        prn.EndDoc();
        ScriptedPlatform platform;
        ScriptedPrinter printer;
        TfrmDruck f(prn, printer, platform.seams());
        f.Prn->pagesChanged();
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        QScrollBar *h = f.Prn->horizontalScrollBar();
        QScrollBar *v = f.Prn->verticalScrollBar();

        f.ZoomListClick(0);
        QCOMPARE(f.Prn->zoom(), 200);
        QTRY_VERIFY(h->isVisible() && v->isVisible());
        // At 200 % the bars reach the page's right and bottom edges.
        QTRY_COMPARE(h->maximum() + f.Prn->viewport()->width(), f.Prn->pageSizePixels().width());
        QTRY_COMPARE(v->maximum() + f.Prn->viewport()->height(), f.Prn->pageSizePixels().height());

        f.ZoomListClick(10);
        QVERIFY(f.Prn->zoom() < 200);
        QTRY_VERIFY(!h->isVisible() && !v->isVisible());
        QCOMPARE(h->maximum(), 0);
        QCOMPARE(v->maximum(), 0);
        QVERIFY(f.Prn->viewport()->rect().contains(QRect(QPoint(0, 0), f.Prn->pageSizePixels())));
        f.hide();
    }

    void placementOnTwoScreens_data()
    {
        // Two screens side by side: 1280 x 1024 with a 40-pixel panel at
        // the bottom, and 1920 x 1080 to its right, 100 pixels lower.
        QTest::addColumn<QPoint>("place");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QPoint>("expected");
        const QSize w(325, 365);
        QTest::newRow("on the first screen") << QPoint(100, 50) << w << QPoint(100, 50);
        QTest::newRow("on the second screen") << QPoint(2000, 300) << w << QPoint(2000, 300);
        QTest::newRow("across both") << QPoint(1100, 400) << w << QPoint(1100, 400);
        QTest::newRow("hanging off the left, title grip left")
            << QPoint(-285, 10) << w << QPoint(-285, 10);
        QTest::newRow("title strip 39 pixels on the screen") << QPoint(-286, 10) << w << QPoint(0, 10);
        QTest::newRow("far left") << QPoint(-5000, 200) << w << QPoint(0, 200);
        QTest::newRow("just below the first") << QPoint(300, 1100) << w << QPoint(300, 984 - 365);
        // The second screen reaches lower, so it is the nearer one.
        QTest::newRow("far below") << QPoint(300, 40000) << w << QPoint(1280, 1180 - 365);
        QTest::newRow("far right") << QPoint(9000, 500) << w << QPoint(3200 - 325, 500);
        QTest::newRow("above the second") << QPoint(2000, -400) << w << QPoint(2000, 100);
        QTest::newRow("title above the first screen") << QPoint(100, -300) << w << QPoint(100, 0);
        QTest::newRow("top left far out") << QPoint(-5000, -5000) << w << QPoint(0, 0);
        QTest::newRow("larger than the screen") << QPoint(-5000, 300) << QSize(1500, 1200) << QPoint(0, 0);
        QTest::newRow("largest integers") << QPoint(2147483647, 2147483647) << w
                                          << QPoint(3200 - 325, 1180 - 365);
        QTest::newRow("smallest integers") << QPoint(-2147483647 - 1, 40) << w << QPoint(0, 40);
    }

    void placementOnTwoScreens()
    {
        QFETCH(QPoint, place);
        QFETCH(QSize, size);
        QFETCH(QPoint, expected);
        const QList<WindowPlacement::Screen> screens{
            {QRect(0, 0, 1280, 1024), QRect(0, 0, 1280, 984)},
            {QRect(1280, 100, 1920, 1080), QRect(1280, 100, 1920, 1080)}};
        QCOMPARE(WindowPlacement::reachable(place, size, screens), expected);
    }

    void windowsFromTheSettingsFileStayReachable()
    {
        QTemporaryDir dir;
        writeFile(dir.filePath(QStringLiteral("TN98.INI")),
                  "[frmTN]\r\nTop=40000\r\nLeft=-5000\r\n"
                  "[frmAbout]\r\nTop=-9000\r\nLeft=9000\r\n"
                  "[frmKurve]\r\nTop=77\r\nLeft=66\r\n"
                  "[frmTab]\r\nTop=2147483647\r\nLeft=2147483647\r\n"
                  "[frmExport]\r\nTop=12\r\nLeft=-20\r\n"
                  "[tbHlp]\r\nRev=2\r\nVisible=1\r\nDockedTo=+\r\nDockRow=0\r\nDockPos=0\r\n"
                  "FloatLeft=-3000\r\nFloatTop=-3000\r\n");
        ScriptedPlatform platform;
        TfrmTN frm(platform.seams(), dir.path() + QLatin1Char('/'), {});
        frm.show();

        const auto onSomeScreen = [](const QWidget *w) {
            const QRect frame(w->pos(), w->frameGeometry().size());
            for (const QScreen *s : QGuiApplication::screens())
                if (s->geometry().contains(frame))
                    return true;
            return false;
        };
        const QList<const QWidget *> moved{&frm, frm.frmAbout(), frm.frmTab()};
        for (const QWidget *w : moved)
            QVERIFY2(onSomeScreen(w), qPrintable(w->objectName()));
        auto *help = frm.findChild<QToolBar *>(QStringLiteral("tbHlp"));
        QVERIFY(help->isFloating());
        QVERIFY(onSomeScreen(help));
        // Places on the screen are kept as they are, also one that hangs a
        // little over the edge.
        QCOMPARE(frm.frmKurve()->pos(), QPoint(66, 77));
        QCOMPARE(frm.frmExport()->pos(), QPoint(-20, 12));
    }
};

QTEST_MAIN(TestWindowFaults)
#include "tst_windowfaults.moc"
