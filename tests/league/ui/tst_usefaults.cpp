// Faults a week of everyday use found in the league window, each driven
// the way it was met: by keys and clicks.
#include "league/model/League.h"
#include "league/ui/ScriptedPlatform.h"
#include "league/ui/TfrmExpBMP.h"
#include "league/ui/TfrmExport.h"
#include "league/ui/TfrmHilfe.h"
#include "league/ui/TfrmTN.h"

#include "modal_helper.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

class TestUseFaults : public QObject {
    Q_OBJECT

private:
    struct Fixture {
        QTemporaryDir dir;
        ScriptedPlatform platform;
        std::unique_ptr<TfrmTN> frm;

        Fixture()
        {
            frm = std::make_unique<TfrmTN>(platform.seams(), dir.path() + QLatin1Char('/'), QStringList());
            frm->show();
            QVERIFY(QTest::qWaitForWindowExposed(frm.get()));
            frm->activateWindow();
        }
        template <typename T> T *row(const char *name, int k) const
        {
            return frm->centralWidget()->findChild<T *>(QString::fromLatin1(name) + QString::number(k));
        }
        void trigger(const char *name) const { frm->findChild<QAction *>(QString::fromLatin1(name))->trigger(); }
        // Teams 2k-1 and 2k in row k of the first matchdays.
        void pair(int rounds)
        {
            League &l = frm->league();
            for (int i = 1; i <= l.teamCount; ++i)
                l.teamNames[i] = QStringLiteral("%1. Verein").arg(i);
            for (int j = 1; j <= rounds; ++j)
                for (int k = 1; k <= l.rowCount(); ++k)
                    l.match(j, k) = Match{2 * k - 1, 2 * k, -1, -1};
            frm->UpdateCBO();
            frm->UpdateST();
        }
    };

    // Digits and Enter ("\n") to whatever has the keyboard focus.
    static void keys(const QString &text)
    {
        for (const QChar c : text) {
            QWidget *w = QApplication::focusWidget();
            QVERIFY(w);
            if (c == QLatin1Char('\n'))
                QTest::keyClick(w, Qt::Key_Return);
            else
                QTest::keyClick(w, Qt::Key(Qt::Key_0 + c.digitValue()));
        }
    }

private slots:
    void firstDigitAfterAMatchdayChangeIsKept_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::newRow("F4 forward") << int(Qt::Key_F4) << 1 << 2;
        QTest::newRow("F3 back") << int(Qt::Key_F3) << 2 << 1;
    }

    void firstDigitAfterAMatchdayChangeIsKept()
    {
        QFETCH(int, key);
        QFETCH(int, from);
        QFETCH(int, to);
        Fixture f;
        f.pair(2);
        League &l = f.frm->league();
        // The matchday left holds a result, so its fields are not blank.
        l.match(from, 1) = Match{1, 2, 3, 1};
        l.currentRound = from;
        f.frm->UpdateST();
        QLineEdit *home = f.row<QLineEdit>("meTorA", 1);
        home->setFocus(Qt::TabFocusReason);
        QTest::keyClick(home, Qt::Key(key));
        QCOMPARE(l.currentRound, to);
        QCOMPARE(QApplication::focusWidget(), home);
        keys(QStringLiteral("2\n2"));
        QCOMPARE(l.match(to, 1), (Match{1, 2, 2, 2}));
        QCOMPARE(l.match(from, 1), (Match{1, 2, 3, 1}));
    }

    void halfEnteredRowIsMarked()
    {
        Fixture f;
        f.pair(1);
        QLineEdit *home = f.row<QLineEdit>("meTorA", 3);
        QLineEdit *away = f.row<QLineEdit>("meTorB", 3);
        const QColor plain = home->palette().color(QPalette::Base);
        home->setFocus(Qt::TabFocusReason);
        keys(QStringLiteral("2"));
        // One goal field of the row is empty: the result does not count.
        for (QLineEdit *field : {home, away}) {
            QVERIFY(field->palette().color(QPalette::Base) != plain);
            QVERIFY(field->toolTip().contains(QStringLiteral("zählt nicht")));
        }
        QVERIFY(f.row<QLineEdit>("meTorA", 2)->palette().color(QPalette::Base) == plain);
        keys(QStringLiteral("\n1"));
        for (QLineEdit *field : {home, away}) {
            QCOMPARE(field->palette().color(QPalette::Base), plain);
            QVERIFY(field->toolTip().isEmpty());
        }
        // A row shown from the file is marked as well, and the mark goes
        // with the matchday.
        f.frm->league().match(2, 5) = Match{9, 10, -1, 4};
        QTest::keyClick(home, Qt::Key_F4);
        QVERIFY(f.row<QLineEdit>("meTorB", 5)->palette().color(QPalette::Base) != plain);
        QVERIFY(f.row<QLineEdit>("meTorA", 3)->palette().color(QPalette::Base) == plain);
    }

    void oneCurveButtonForEachTeam_data()
    {
        QTest::addColumn<int>("teams");
        QTest::newRow("2 teams") << 2;
        QTest::newRow("18 teams") << 18;
        QTest::newRow("20 teams") << 20;
        QTest::newRow("24 teams") << 24;
    }

    void oneCurveButtonForEachTeam()
    {
        QFETCH(int, teams);
        Fixture f;
        League &l = f.frm->league();
        QVERIFY(l.reshape(teams, League::defaultRounds(teams)));
        for (int i = 1; i <= teams; ++i)
            l.teamNames[i] = QStringLiteral("Verein %1").arg(i);
        f.frm->UpdateCBO();
        f.frm->UpdateST();

        TfrmExpBMP *dlg = f.frm->frmExpBMP();
        ModalScript exportChoice(f.frm->frmExport());
        exportChoice.then([](QWidget *w) { clickButton(w, "BitBtn2"); });
        ModalScript script(dlg);
        int visible = 0;
        script.then([&](QWidget *w) {
            const QRect inside = w->rect();
            for (QRadioButton *b : w->findChildren<QRadioButton *>()) {
                if (!b->isVisible())
                    continue;
                ++visible;
                QVERIFY(!b->text().isEmpty());
                // Every button lies wholly inside the dialog, clear of the
                // buttons below.
                const QRect at(b->mapTo(w, QPoint(0, 0)), b->size());
                QVERIFY2(inside.contains(at), qPrintable(b->objectName()));
                QVERIFY(at.bottom() < w->findChild<QWidget *>(QStringLiteral("bbOK"))->y());
            }
            // The last team is chosen with the mouse and taken.
            auto *last = w->findChild<QRadioButton *>(QStringLiteral("bb%1").arg(teams));
            QTest::mouseClick(last, Qt::LeftButton, {}, QPoint(8, last->height() / 2));
            QVERIFY(last->isChecked());
            clickButton(w, "bbOK");
        });
        f.platform.files.accept(f.dir.filePath(QStringLiteral("kurve.bmp")), 1);
        f.trigger("mnuExport");
        QCOMPARE(visible, teams);
        QCOMPARE(dlg->selectedTeam(), teams);
    }

    void curveChoiceOfALeftSlotFallsBack()
    {
        Fixture f;
        League &l = f.frm->league();
        f.frm->frmExpBMP()->setTeamNames(l);
        f.frm->frmExpBMP()->selectTeam(17);
        QVERIFY(l.reshape(4, 6));
        f.frm->frmExpBMP()->setTeamNames(l);
        QCOMPARE(f.frm->frmExpBMP()->selectedTeam(), 1);
    }

    void helpWindowClosesWithEscape()
    {
        TfrmHilfe help;
        help.showContext(4);
        QVERIFY(QTest::qWaitForWindowExposed(&help));
        QTRY_COMPARE(QApplication::activeWindow(), &help);
        // Escape from the page and from the list of topics alike.
        QTest::keyClick(help.findChild<QWidget *>(QStringLiteral("txtSeite")), Qt::Key_Escape);
        QTRY_VERIFY(!help.isVisible());
        help.showIndex();
        QTRY_COMPARE(QApplication::activeWindow(), &help);
        QTest::keyClick(help.findChild<QWidget *>(QStringLiteral("lstThemen")), Qt::Key_Escape);
        QTRY_VERIFY(!help.isVisible());
    }

    void helpMenuIsOneArrowAwayFromTheOthers()
    {
        Fixture f;
        QMenuBar *bar = f.frm->menuBar();
        auto *liga = bar->findChild<QMenu *>(QStringLiteral("mnuLiga"));
        auto *datei = bar->findChild<QMenu *>(QStringLiteral("mnuDatei"));
        auto *help = f.frm->findChild<QMenu *>(QStringLiteral("mnuHlp"));
        QVERIFY(liga && datei && help);

        bar->setActiveAction(liga->menuAction());
        QTRY_VERIFY(liga->isVisible());
        QTest::keyClick(liga, Qt::Key_Right);
        QTRY_VERIFY(help->isVisible());
        QVERIFY(!liga->isVisible());
        // Enter on the first entry opens the help's contents.
        QTest::keyClick(help, Qt::Key_Down);
        QTest::keyClick(help, Qt::Key_Return);
        QTRY_VERIFY(!help->isVisible());
        QCOMPARE(f.platform.help.contexts, QList<int>{0});

        bar->setActiveAction(liga->menuAction());
        QTRY_VERIFY(liga->isVisible());
        QTest::keyClick(liga, Qt::Key_Right);
        QTRY_VERIFY(help->isVisible());
        QTest::keyClick(help, Qt::Key_Left);
        QTRY_VERIFY(liga->isVisible());
        QVERIFY(!help->isVisible());
        QTest::keyClick(liga, Qt::Key_Right);
        QTRY_VERIFY(help->isVisible());
        QTest::keyClick(help, Qt::Key_Right);
        QTRY_VERIFY(datei->isVisible());
        QTest::keyClick(datei, Qt::Key_Left);
        QTRY_VERIFY(help->isVisible());
        QTest::keyClick(help, Qt::Key_Escape);
        QTRY_VERIFY(!help->isVisible());
    }
};

QTEST_MAIN(TestUseFaults)
#include "tst_usefaults.moc"
