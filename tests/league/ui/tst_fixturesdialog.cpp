#include "league/model/League.h"
#include "league/schedule/FixtureGenerator.h"
#include "league/ui/ScriptedPlatform.h"
#include "league/ui/TfrmHilfe.h"
#include "league/ui/TfrmSpielplan.h"
#include "league/ui/TfrmTN.h"
#include "mainwindow_helper.h"
#include "modal_helper.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

#include <memory>
#include <set>

// "Spielplan erstellen" driven from the main window's menu, its questions
// answered through the scripted seams.
class TestFixturesDialog : public QObject {
    Q_OBJECT

private:
    struct Fixture : MainWindowFixture {
        Fixture()
        {
            nameTeams();
            redisplay();
        }
        void trigger() { MainWindowFixture::trigger("mnuSpielplan"); }
    };

    // Every matchday of the league holds nine rows with eighteen different
    // slots and no goal.
    static void checkFilled(const League &l, int from, int to)
    {
        for (int j = from; j <= to; ++j) {
            std::set<int> seen;
            for (int k = 1; k <= 9; ++k) {
                const Match &m = l.match(j, k);
                QVERIFY(seen.insert(m.teamA).second);
                QVERIFY(seen.insert(m.teamB).second);
                QCOMPARE(m.goalsA, -1);
                QCOMPARE(m.goalsB, -1);
            }
            QCOMPARE(seen, (std::set<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18}));
        }
    }

private slots:
    void menuEntrySitsInTheLeagueMenu()
    {
        Fixture f;
        QMenu *liga = f.frm->menuBar()->findChild<QMenu *>(QStringLiteral("mnuLiga"));
        QVERIFY(liga);
        const QList<QAction *> items = liga->actions();
        QVERIFY(items.size() >= 2);
        QCOMPARE(items[0]->objectName(), QStringLiteral("mnuEinst"));
        QCOMPARE(items[1]->objectName(), QStringLiteral("mnuSpielplan"));
        QCOMPARE(items[1]->text(), QStringLiteral("Spielplan erstellen..."));
        QVERIFY(!items[1]->statusTip().isEmpty());
    }

    void fillsAnEmptyLeagueAndShowsTheCurrentMatchday()
    {
        Fixture f;
        f.frm->show();
        f.league().currentRound = 3;
        f.frm->UpdateST();
        QVERIFY(f.league().leagueSaved);

        ModalScript script(f.frm->frmSpielplan());
        QString caption, heading;
        bool seedShown = false;
        script.then([&](QWidget *dlg) {
            caption = dlg->windowTitle();
            heading = dlg->findChild<QLabel *>(QStringLiteral("lblLiga"))->text();
            auto *seed = dlg->findChild<QLineEdit *>(QStringLiteral("edtSeed"));
            seedShown = seed->hasAcceptableInput() && seed->text().toUInt() >= 1;
            seed->setText(QStringLiteral("4711"));
            dlg->findChild<QCheckBox *>(QStringLiteral("chkTermine"))->setChecked(true);
            dlg->findChild<QDateEdit *>(QStringLiteral("edtStart"))->setDate(QDate(2026, 8, 7));
            dlg->findChild<QSpinBox *>(QStringLiteral("spnDays"))->setValue(14);
            clickButton(dlg, "btnOK");
        });
        f.trigger();
        QCOMPARE(script.shown(), 1);
        QCOMPARE(caption, QStringLiteral("Spielplan erstellen"));
        QCOMPARE(heading, QStringLiteral("Spielplan für 18 Mannschaften und 34 Spieltage"));
        QVERIFY(seedShown);
        // An empty league asks nothing.
        QCOMPARE(f.platform.messages.shown.size(), 0);

        const League &l = f.league();
        checkFilled(l, 1, 34);
        QCOMPARE(l.dates(1).dateFrom, QStringLiteral("07.08.2026"));
        QCOMPARE(l.dates(3).dateTo, QStringLiteral("04.09.2026"));
        QCOMPARE(l.dates(34).dateFrom, QStringLiteral("12.11.2027")); // 33 x 14 = 462 days later
        QVERIFY(!l.leagueSaved);
        QCOMPARE(l.currentRound, 3);

        // The typed seed is the one drawn with.
        FixtureOptions o;
        o.seed = 4711;
        const std::vector<FixtureMatchday> expected = FixtureGenerator::generate(o);
        for (int k = 1; k <= 9; ++k)
            QCOMPARE(l.match(20, k), (Match{expected[19].pairings[k - 1].home, expected[19].pairings[k - 1].away, -1, -1}));

        // The window shows matchday 3 as the league now holds it.
        for (int k : {1, 9}) {
            const Match &m = l.match(3, k);
            QCOMPARE(f.panel<QComboBox>(QStringLiteral("cboTeamA%1").arg(k))->currentText(), QStringLiteral("Team %1").arg(m.teamA));
            QCOMPARE(f.panel<QComboBox>(QStringLiteral("cboTeamB%1").arg(k))->currentText(), QStringLiteral("Team %1").arg(m.teamB));
        }
        QCOMPARE(f.panel<QDateEdit>(QStringLiteral("edDatum1"))->date(), QDate(2026, 9, 4));
    }

    void filledMatchdaysAreReplacedOnlyWhenConfirmed()
    {
        Fixture f;
        League &l = f.league();
        // Matchday 1 holds a whole round of games, one of them played.
        const int firstDay[9][2] = {{4, 9}, {1, 2}, {3, 5}, {6, 7}, {8, 10}, {11, 12}, {13, 14}, {15, 16}, {17, 18}};
        for (int k = 1; k <= 9; ++k)
            l.match(1, k) = Match{firstDay[k - 1][0], firstDay[k - 1][1], -1, -1};
        l.match(1, 1) = Match{4, 9, 2, 1};
        l.match(2, 5) = Match{6, 0, -1, -1};
        l.match(7, 2) = Match{3, 8, -1, -1};
        l.leagueSaved = true;
        const League before = l;
        auto answer = [](QWidget *dlg) {
            dlg->findChild<QLineEdit *>(QStringLiteral("edtSeed"))->setText(QStringLiteral("0"));
            clickButton(dlg, "btnOK");
        };

        ModalScript script(f.frm->frmSpielplan());
        script.then(answer);
        f.platform.messages.answers.enqueue(MessageBoxSeam::No);
        f.trigger();
        QCOMPARE(f.platform.messages.shown.size(), 1);
        const auto &box = f.platform.messages.shown[0];
        QCOMPARE(box.caption, QStringLiteral("Bestätigen"));
        QCOMPARE(box.icon, MessageBoxSeam::Question);
        QCOMPARE(box.buttons, (QList<MessageBoxSeam::Answer>{MessageBoxSeam::Yes, MessageBoxSeam::No}));
        QCOMPARE(box.text, QStringLiteral("2 Spieltage enthalten bereits Paarungen, die der neue Spielplan ersetzt.\n"
                                          "1 Spieltag mit Ergebnissen bleibt unverändert (1). Ihre Paarungen zählen "
                                          "mit: die anderen Spieltage erhalten die Paarungen, die jeder Halbserie "
                                          "noch fehlen, sodass sich jedes Paar einmal je Halbserie trifft.\n"
                                          "Soll der Spielplan trotzdem erstellt werden?"));
        // "Nein": nothing changes, not even the saved state.
        QVERIFY(l.sameContents(before));
        QVERIFY(l.leagueSaved);

        script.then(answer);
        f.platform.messages.answers.enqueue(MessageBoxSeam::Yes);
        f.trigger();
        QCOMPARE(f.platform.messages.shown.size(), 2);
        QCOMPARE(f.platform.messages.unexpected, 0);
        for (int k = 1; k <= 9; ++k)
            QCOMPARE(l.match(1, k), before.match(1, k));
        checkFilled(l, 2, 34);
        QVERIFY(!l.leagueSaved);
        // The row on screen shows matchday 1's result untouched.
        QCOMPARE(f.panel<QComboBox>(QStringLiteral("cboTeamA1"))->currentText(), QStringLiteral("Team 4"));
        QCOMPARE(f.panel<QLineEdit>(QStringLiteral("meTorA1"))->displayText(), QStringLiteral("2__"));
    }

    void cancelLeavesTheLeagueAlone()
    {
        Fixture f;
        ModalScript script(f.frm->frmSpielplan());
        script.then([](QWidget *dlg) { clickButton(dlg, "btnAbbr"); });
        const League before = f.league();
        f.trigger();
        QCOMPARE(script.shown(), 1);
        QVERIFY(f.league().sameContents(before));
        QVERIFY(f.league().leagueSaved);
        QCOMPARE(f.platform.messages.shown.size(), 0);
    }

    void seedStaysAndCanBeDrawnAgain()
    {
        Fixture f;
        ModalScript script(f.frm->frmSpielplan());
        QString first, second, redrawn;
        bool okWhenEmpty = true;
        script.then([&](QWidget *dlg) {
            auto *seed = dlg->findChild<QLineEdit *>(QStringLiteral("edtSeed"));
            first = seed->text();
            seed->clear();
            okWhenEmpty = dlg->findChild<QPushButton *>(QStringLiteral("btnOK"))->isEnabled();
            seed->setText(QStringLiteral("123456789"));
            clickButton(dlg, "btnAbbr");
        });
        script.then([&](QWidget *dlg) {
            auto *seed = dlg->findChild<QLineEdit *>(QStringLiteral("edtSeed"));
            second = seed->text();
            // Ten digits do not fit.
            QTest::keyClick(seed, Qt::Key_End);
            QTest::keyClicks(seed, QStringLiteral("0"));
            QCOMPARE(seed->text(), QStringLiteral("123456789"));
            for (int i = 0; i < 5 && redrawn.isEmpty(); ++i) {
                clickButton(dlg, "btnLos");
                if (seed->text() != second)
                    redrawn = seed->text();
            }
            clickButton(dlg, "btnAbbr");
        });
        f.trigger();
        f.trigger();
        QCOMPARE(script.shown(), 2);
        QVERIFY(first.toUInt() >= 1);
        QVERIFY(!okWhenEmpty);
        QCOMPARE(second, QStringLiteral("123456789"));
        QVERIFY(!redrawn.isEmpty());
        QVERIFY(redrawn.toUInt() >= 1 && redrawn.toUInt() <= FixtureGenerator::kMaxSeed);
    }

    void datesPastTheYear9999AreRefused()
    {
        // 33 x 30 days after 1 January 9999 lies in the year 10000, which
        // no league file holds: the list is refused and nothing changes.
        Fixture f;
        const League before = f.league();
        f.platform.messages.answers.enqueue(MessageBoxSeam::Ok);
        ModalScript script(f.frm->frmSpielplan());
        script.then([&](QWidget *dlg) {
            dlg->findChild<QCheckBox *>(QStringLiteral("chkTermine"))->setChecked(true);
            dlg->findChild<QDateEdit *>(QStringLiteral("edtStart"))->setDate(QDate(9999, 1, 1));
            dlg->findChild<QSpinBox *>(QStringLiteral("spnDays"))->setValue(30);
            clickButton(dlg, "btnOK");
        });
        f.trigger();
        QCOMPARE(f.platform.messages.shown.size(), 1);
        QCOMPARE(f.platform.messages.shown[0].text, QStringLiteral("Spieltag 34 läge nach dem 31.12.9999."));
        QVERIFY(f.league().sameContents(before));
    }

    void datesAreOptional()
    {
        Fixture f;
        f.league().dates(5).dateFrom = QStringLiteral("01.01.2027");
        ModalScript script(f.frm->frmSpielplan());
        bool startEnabled = true, daysEnabled = true;
        script.then([&](QWidget *dlg) {
            startEnabled = dlg->findChild<QDateEdit *>(QStringLiteral("edtStart"))->isEnabled();
            daysEnabled = dlg->findChild<QSpinBox *>(QStringLiteral("spnDays"))->isEnabled();
            clickButton(dlg, "btnOK");
        });
        f.trigger();
        QVERIFY(!startEnabled);
        QVERIFY(!daysEnabled);
        checkFilled(f.league(), 1, 34);
        QCOMPARE(f.league().dates(5).dateFrom, QStringLiteral("01.01.2027"));
        QCOMPARE(f.league().dates(6).dateFrom, QString());
    }

    void helpOpensTheFixturePage()
    {
        Fixture f;
        ModalScript script(f.frm->frmSpielplan());
        script.then([](QWidget *dlg) {
            clickButton(dlg, "btnHilfe");
            clickButton(dlg, "btnAbbr");
        });
        f.trigger();
        QCOMPARE(f.platform.help.contexts, (QList<int>{9}));

        TfrmHilfe help;
        QCOMPARE(TfrmHilfe::pageForContext(9), QStringLiteral("spielplan.html"));
        help.showContext(9);
        QCOMPARE(help.currentPage(), QStringLiteral("spielplan.html"));
        const QString text = help.findChild<QTextBrowser *>(QStringLiteral("txtSeite"))->toPlainText();
        QVERIFY(text.startsWith(QStringLiteral("Spielplan erstellen")));
        QVERIFY(text.contains(QStringLiteral("spielfrei")));
    }
};

QTEST_MAIN(TestFixturesDialog)
#include "tst_fixturesdialog.moc"
