#include "league/model/League.h"
#include "league/ui/QtPlatform.h"
#include "league/ui/ScriptedPlatform.h"
#include "league/ui/TfrmEinst.h"
#include "league/ui/TfrmHilfe.h"
#include "league/ui/TfrmTab.h"
#include "league/ui/TfrmTN.h"
#include "modal_helper.h"

#include <QApplication>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <memory>

// The help window opened from a modal dialog: usable while the dialog stays
// open, beside it rather than over its buttons.
class TestHelpBeside : public QObject {
    Q_OBJECT

private slots:
    void helpGoesBesideTheDialog_data()
    {
        QTest::addColumn<QRect>("dialog");
        QTest::addColumn<QRect>("expected");
        const QRect screen(0, 0, 1280, 1024);
        Q_UNUSED(screen);
        // Room on the right: the window starts 8 pixels right of the dialog
        // and gives up the width the screen does not have (1280 - 648).
        QTest::newRow("right") << QRect(100, 100, 540, 450) << QRect(648, 100, 632, 440);
        // A dialog at the screen's right edge: the help window goes left.
        QTest::newRow("left") << QRect(700, 100, 540, 450) << QRect(52, 100, 640, 440);
        // No room on either side, room below.
        QTest::newRow("below") << QRect(300, 50, 700, 400) << QRect(300, 458, 640, 440);
    }

    void helpGoesBesideTheDialog()
    {
        QFETCH(QRect, dialog);
        QFETCH(QRect, expected);
        const QRect screen(0, 0, 1280, 1024);
        const QList<QRect> buttons{QRect(dialog.right() - 99, dialog.top() + 8, 90, 26),
                                   QRect(dialog.right() - 99, dialog.bottom() - 34, 90, 26)};
        const QRect at = QtHelpViewer::placeBeside(dialog, buttons, QSize(640, 440), screen);
        QCOMPARE(at, expected);
        QVERIFY(screen.contains(at));
        for (const QRect &b : buttons)
            QVERIFY(!at.intersects(b));
    }

    void aCrowdedScreenStillKeepsTheWindowOnIt()
    {
        const QRect screen(0, 0, 800, 600);
        const QRect dialog(130, 75, 540, 450);
        const QRect at = QtHelpViewer::placeBeside(dialog, {QRect(570, 83, 90, 26)}, QSize(640, 440), screen);
        QVERIFY(screen.contains(at));
        QCOMPARE(at.size(), QSize(640, 440));
        QVERIFY2(!at.intersects(QRect(570, 83, 90, 26)), "the button stays free where some side allows it");
    }

    void helpIsUsableWhileTheDialogIsOpen_data()
    {
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<int>("context");
        QTest::newRow("settings") << QStringLiteral("settings") << 2;
        QTest::newRow("table") << QStringLiteral("table") << 4;
    }

    void helpIsUsableWhileTheDialogIsOpen()
    {
        QFETCH(QString, dialog);
        QFETCH(int, context);
        QTemporaryDir dir;
        ScriptedPlatform scripted;
        QtHelpViewer help;
        UiPlatform seams = scripted.seams();
        seams.help = &help;
        TfrmTN frm(seams, dir.path() + QLatin1Char('/'), QStringList());
        for (int i = 1; i <= League::kTeams; ++i)
            frm.league().teamNames[i] = QStringLiteral("Team %1").arg(i);
        frm.show();

        const bool settings = dialog == QLatin1String("settings");
        QPointer<TfrmHilfe> helpWindow;
        ModalScript script(settings ? static_cast<QWidget *>(frm.frmEinst())
                                    : static_cast<QWidget *>(frm.frmTab()));
        script.then([&helpWindow, context, settings](QWidget *dlg) {
            clickButton(dlg, "bbHilfe");
            TfrmHilfe *window = dlg->findChild<TfrmHilfe *>();
            helpWindow = window;
            QVERIFY(window);
            QVERIFY(window->isVisible() && window->isWindow());
            // Qt passes input to the children of the active modal window
            // only; the help window is one of them while the dialog is open.
            QCOMPARE(QApplication::activeModalWidget(), dlg);
            QCOMPARE(window->parentWidget(), dlg);
            QCOMPARE(window->currentPage(), TfrmHilfe::pageForContext(context));
            // Its index still works: another topic opens another page.
            auto *topics = window->findChild<QListWidget *>();
            QVERIFY(topics && topics->count() > 1);
            clickButton(dlg, settings ? "bbAbbr" : "bbOK");
        });
        if (settings)
            frm.mnuEinstClick();
        else
            frm.mnuTabClick();
        QCOMPARE(script.shown(), 1);
        // Closing the dialog leaves the help window open, on its own.
        TfrmHilfe *window = helpWindow;
        QVERIFY(window);
        QVERIFY(window->isVisible());
        QCOMPARE(window->parentWidget(), nullptr);
        // The main window asks for help again: the same window, not blocked.
        help.showContext(&frm, 0);
        QCOMPARE(window->currentPage(), TfrmHilfe::pageForContext(0));
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
    }
};

QTEST_MAIN(TestHelpBeside)
#include "tst_helpbeside.moc"
