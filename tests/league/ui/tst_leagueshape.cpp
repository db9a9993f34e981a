#include "league/model/League.h"
#include "league/ui/ScriptedPlatform.h"
#include "league/standings/RowBands.h"
#include "league/ui/TfrmDruckDlg.h"
#include "league/ui/TfrmEinst.h"
#include "league/ui/TfrmKreuz.h"
#include "league/ui/TfrmKurve.h"
#include "league/ui/TfrmTab.h"
#include "league/ui/TfrmTN.h"
#include "mainwindow_helper.h"
#include "modal_helper.h"

#include <QAction>
#include <QCheckBox>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QTableWidget>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <memory>

// Leagues of other sizes than 18 teams and 34 matchdays as the windows show
// and change them.
class TestLeagueShapeUi : public QObject {
    Q_OBJECT

private:
    struct Fixture : MainWindowFixture {
        // A league of the given shape with teams 2k-1 and 2k paired in row
        // k of the first matchday and no results.
        void shape(int teams, int rounds)
        {
            QVERIFY(league().reshape(teams, rounds));
            nameTeams();
            pair(1);
        }
    };

    template <typename T> static T *child(QWidget *w, const QString &name)
    {
        T *c = w->findChild<T *>(name);
        if (!c)
            qFatal("no widget %s", qPrintable(name));
        return c;
    }
    static QSpinBox *spin(QWidget *dlg, const char *name) { return child<QSpinBox>(dlg, QString::fromLatin1(name)); }
    static QLineEdit *edit(QWidget *dlg, const char *prefix, int k)
    {
        return child<QLineEdit>(dlg, QString::fromLatin1(prefix) + QString::number(k));
    }

private slots:
    void theMainWindowShowsARowPerMatch_data()
    {
        QTest::addColumn<int>("teams");
        QTest::addColumn<int>("rounds");
        QTest::newRow("20 teams") << 20 << 38;
        QTest::newRow("6 teams") << 6 << 10;
        QTest::newRow("7 teams, one rests") << 7 << 14;
        QTest::newRow("24 teams") << 24 << 46;
    }

    void anEighteenTeamLeagueShowsNineRowsOnly()
    {
        Fixture f;
        f.frm->show();
        f.frm->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.frm.get()));
        for (int k = 10; k <= 12; ++k)
            QVERIFY(!f.panel<QComboBox>(QStringLiteral("cboTeamA%1").arg(k))->isVisible());
        // Tab from the last away field leaves the rows; it never lands in a
        // row the league does not have.
        auto *away = f.panel<QLineEdit>(QStringLiteral("meTorB9"));
        away->setFocus(Qt::TabFocusReason);
        QTest::keyClick(away, Qt::Key_Tab);
        QWidget *next = QApplication::focusWidget();
        QVERIFY(next);
        QVERIFY(next->isVisible());
        QVERIFY(next != f.panel<QComboBox>(QStringLiteral("cboTeamA10")));
    }

    void theMainWindowShowsARowPerMatch()
    {
        QFETCH(int, teams);
        QFETCH(int, rounds);
        Fixture f;
        f.frm->show();
        f.frm->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.frm.get()));
        f.shape(teams, rounds);
        const int rows = teams / 2;
        for (int k = 1; k <= 12; ++k) {
            const QString n = QString::number(k);
            QCOMPARE(f.panel<QComboBox>(QStringLiteral("cboTeamA") + n)->isVisible(), k <= rows);
            QCOMPARE(f.panel<QLineEdit>(QStringLiteral("meTorB") + n)->isVisible(), k <= rows);
        }
        // The list holds "---" and every team; the last row shows its pair.
        auto *last = f.panel<QComboBox>(QStringLiteral("cboTeamB") + QString::number(rows));
        QCOMPARE(last->count(), teams + 1);
        QCOMPARE(last->currentText(), QStringLiteral("Team %1").arg(2 * rows));
        // Nine rows of 24 pixels are the panel's 250; each row more or less
        // moves the window's bottom by as much.
        QCOMPARE(f.frm->centralWidget()->findChild<QWidget *>(QStringLiteral("panST"))->height(),
                 250 + 24 * (rows - 9));

        // Enter from the last row's away goals goes back to the first row.
        auto *away = f.panel<QLineEdit>(QStringLiteral("meTorB") + QString::number(rows));
        away->setFocus(Qt::TabFocusReason);
        QTest::keyClick(away, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), f.panel<QLineEdit>(QStringLiteral("meTorA1")));

        // F4 stops at the league's last matchday.
        QAction *next = f.frm->findChild<QAction *>(QStringLiteral("mnuV"));
        for (int j = 1; j < rounds + 3; ++j)
            next->trigger();
        QCOMPARE(f.league().currentRound, rounds);
    }

    void thePrintSelectionOffersEveryMatchdayAndTeam()
    {
        Fixture f;
        f.shape(24, 46);
        f.league().match(40, 1) = Match{1, 2, 1, 0};
        TfrmDruckDlg *dlg = f.frm->frmDruckDlg();
        dlg->resetChoices();
        QCOMPARE(child<QCheckBox>(dlg, QStringLiteral("chkST46"))->text(), QStringLiteral("46"));
        QCOMPARE(child<QCheckBox>(dlg, QStringLiteral("chkTeam24"))->toolTip(), QStringLiteral("Team 24"));
        // The classic boxes keep their names.
        QCOMPARE(dlg->roundBoxes[34]->objectName(), QStringLiteral("CheckBox34"));
        QCOMPARE(dlg->teamBoxes[18]->objectName(), QStringLiteral("CheckBox54"));
        // Preselected: the matchdays with an entry (1 and 40), every team.
        PrintSelection s = dlg->selection();
        QVERIFY(s.rounds[1] && s.rounds[40] && !s.rounds[41]);
        QVERIFY(s.teams[24]);
        clickButton(dlg, "SpeedButton3");
        dlg->roundBoxes[46]->setChecked(true);
        clickButton(dlg, "SpeedButton4");
        dlg->teamBoxes[19]->setChecked(true);
        s = dlg->selection();
        QCOMPARE(std::count(s.rounds.begin(), s.rounds.end(), true), 1);
        QVERIFY(s.rounds[46]);
        QCOMPARE(std::count(s.teams.begin(), s.teams.end(), true), 1);
        QVERIFY(s.teams[19]);

        // A smaller league afterwards shows only its own boxes.
        f.league().NeuSet();
        QVERIFY(f.league().reshape(6, 10));
        dlg->resetChoices();
        QVERIFY(dlg->roundBoxes[10]->isVisibleTo(dlg) && !dlg->roundBoxes[11]->isVisibleTo(dlg));
        QVERIFY(dlg->teamBoxes[6]->isVisibleTo(dlg) && !dlg->teamBoxes[7]->isVisibleTo(dlg));
        s = dlg->selection();
        QVERIFY(!s.rounds[46] && !s.teams[19]);
    }

    void tableCrossAndCurveWindowsFollowTheLeague()
    {
        Fixture f;
        f.shape(20, 38);
        f.league().match(1, 10) = Match{19, 20, 3, 1};

        // Before any view the colours are the default layout of 20 rows.
        const RowBandColors &bands = f.frm->rowBandColor();
        QCOMPARE(bands, RowBandColors::defaultLayout(20));
        QCOMPARE(bands[20], RowBandColors::defaultLayout(20)[18]);
        QVERIFY(bands[17] != bands[18]);

        ModalScript table(f.frm->frmTab());
        table.then([](QWidget *dlg) {
            // Twenty rows of 16 pixels: 32 more than the 396 of 18 teams
            // (352, the status line below the buttons and the switches of
            // the extra columns below it).
            QCOMPARE(dlg->height(), 396 + 32);
            QVERIFY(child<QLabel>(dlg, QStringLiteral("lblTeam20"))->isVisible());
            QCOMPARE(child<QLabel>(dlg, QStringLiteral("lblTeam1"))->text(), QStringLiteral("Team 19"));
            QCOMPARE(child<QLabel>(dlg, QStringLiteral("lblPkt1"))->text(), QStringLiteral("3"));
            QCOMPARE(child<QLabel>(dlg, QStringLiteral("lblTeam20"))->text(), QStringLiteral("Team 20"));
            QVERIFY(!child<QLabel>(dlg, QStringLiteral("lblTeam21"))->isVisible());
            QVERIFY(child<QPushButton>(dlg, QStringLiteral("bbOK"))->geometry().top() > 14 + 16 * 20);
            clickButton(dlg, "bbOK");
        });
        f.frm->mnuTabClick();
        QCOMPARE(table.shown(), 1);

        ModalScript cross(f.frm->frmKreuz());
        cross.then([](QWidget *dlg) {
            auto *results = child<QTableWidget>(dlg, QStringLiteral("asgKreuzErgebnisse"));
            QCOMPARE(results->columnCount(), 20);
            QCOMPARE(results->rowCount(), 21);
            // Home slot 19 against away slot 20: row 19, column 20.
            QCOMPARE(results->item(19, 19)->text(), QStringLiteral("3 : 1"));
            QCOMPARE(child<QTableWidget>(dlg, QStringLiteral("asgKreuzKopf"))->item(20, 1)->text(),
                     QStringLiteral("Team 20"));
            // It opens at its classic size and can be made larger.
            QCOMPARE(dlg->size(), QSize(580, 303));
            QVERIFY(dlg->windowFlags() & Qt::WindowMaximizeButtonHint);
            QVERIFY(dlg->maximumWidth() > 580 && dlg->maximumHeight() > 303);
            dlg->resize(900, 500);
            QCOMPARE(dlg->size(), QSize(900, 500));
            QVERIFY(results->width() > 700);
            clickButton(dlg, "bbOK");
        });
        f.frm->mnuKreuzClick();
        QCOMPARE(cross.shown(), 1);

        ModalScript curves(f.frm->frmKurve());
        curves.then([](QWidget *dlg) {
            QCOMPARE(child<QComboBox>(dlg, QStringLiteral("cboTeam"))->count(), 21);
            // 12 pixels per matchday and position beyond 34 and 18.
            auto *picture = child<QLabel>(dlg, QStringLiteral("imgGraf"));
            QCOMPARE(picture->size(), QSize(465 + 12 * 4, 300 + 12 * 2));
            QCOMPARE(dlg->size(), QSize(465 + 48 + 9, 300 + 24 + 36));
            QVERIFY(child<QPushButton>(dlg, QStringLiteral("bbOK"))->geometry().right() < dlg->width());
            clickButton(dlg, "bbOK");
        });
        f.frm->mnuKurveClick();
        QCOMPARE(curves.shown(), 1);
    }

    void settingsShowTheShapeAndOneRowPerTeam()
    {
        Fixture f;
        f.nameTeams();
        TfrmEinst *dlg = f.frm->frmEinst();
        dlg->fillFrom(f.league());
        dlg->show();
        QCOMPARE(spin(dlg, "seTeams")->value(), 18);
        QCOMPARE(spin(dlg, "seRounds")->value(), 34);
        QCOMPARE((QPair<int, int>(spin(dlg, "seTeams")->minimum(), spin(dlg, "seTeams")->maximum())),
                 (QPair<int, int>(2, 24)));
        QCOMPARE((QPair<int, int>(spin(dlg, "seRounds")->minimum(), spin(dlg, "seRounds")->maximum())),
                 (QPair<int, int>(1, 99)));
        QVERIFY(edit(dlg, "edTeam", 18)->isVisible());
        QVERIFY(!edit(dlg, "edTeam", 19)->isVisible());
        // The empty names of slots the league does not have do not hold "OK".
        QVERIFY(child<QPushButton>(dlg, QStringLiteral("bbOK"))->isEnabled());
        // Both labels read in full beside their fields.
        for (const char *text : {"Mannschaften", "Spieltage"}) {
            QLabel *label = nullptr;
            for (QLabel *l : dlg->findChildren<QLabel *>())
                if (l->text() == QLatin1String(text))
                    label = l;
            QVERIFY2(label && label->width() >= label->sizeHint().width(), text);
        }

        spin(dlg, "seTeams")->setValue(6);
        QVERIFY(edit(dlg, "meStrP", 6)->isVisible());
        QVERIFY(!edit(dlg, "meStrP", 7)->isVisible());
        QVERIFY(!edit(dlg, "edTeam", 7)->isVisible());
    }

    void matchdaysFollowTheTeamCountUntilChosen()
    {
        Fixture f;
        f.nameTeams();
        TfrmEinst *dlg = f.frm->frmEinst();
        dlg->fillFrom(f.league());
        QSpinBox *teams = spin(dlg, "seTeams");
        QSpinBox *rounds = spin(dlg, "seRounds");
        teams->setValue(20);
        QCOMPARE(rounds->value(), 38);
        teams->setValue(7); // odd: every team rests once per half
        QCOMPARE(rounds->value(), 14);
        rounds->setValue(21);
        teams->setValue(10);
        QCOMPARE(rounds->value(), 21);

        // A league whose matchdays differ from its default keeps them too.
        f.league().reshape(12, 30);
        dlg->fillFrom(f.league());
        QCOMPARE(rounds->value(), 30);
        teams->setValue(14);
        QCOMPARE(rounds->value(), 30);
    }

    void aGrownLeagueTakesItsNewTeams()
    {
        Fixture f;
        f.nameTeams();
        f.league().match(3, 9) = Match{17, 18, 2, 0};
        ModalScript script(f.frm->frmEinst());
        script.then([](QWidget *dlg) {
            spin(dlg, "seTeams")->setValue(20);
            auto *ok = child<QPushButton>(dlg, QStringLiteral("bbOK"));
            QVERIFY2(!ok->isEnabled(), "the two new slots need names");
            edit(dlg, "edTeam", 19)->setText(QStringLiteral("Neuling Nord"));
            edit(dlg, "edTeam", 20)->setText(QStringLiteral("Neuling Süd"));
            QVERIFY(ok->isEnabled());
            clickButton(dlg, "bbOK");
        });
        f.frm->mnuEinstClick();
        QCOMPARE(script.shown(), 1);
        const League &l = f.league();
        QCOMPARE(l.teamCount, 20);
        QCOMPARE(l.roundCount, 38);
        QCOMPARE(l.rowCount(), 10);
        QCOMPARE(l.teamNames[20], QStringLiteral("Neuling Süd"));
        QCOMPARE(l.teamNames[1], QStringLiteral("Team 1"));
        QCOMPARE(l.match(3, 9), (Match{17, 18, 2, 0}));
        QVERIFY(!l.leagueSaved);
    }

    void shrinkingOverAnEntryIsRefusedAndChangesNothing()
    {
        Fixture f;
        f.nameTeams();
        f.league().match(34, 1) = Match{1, 2, -1, -1};
        f.league().match(5, 9) = Match{17, 18, 1, 1};
        f.league().leagueSaved = true;
        const League before = f.league();
        ModalScript script(f.frm->frmEinst());
        script.then([&f](QWidget *dlg) {
            spin(dlg, "seRounds")->setValue(30);
            clickButton(dlg, "bbOK");
            QVERIFY2(dlg->isVisible(), "a refused shape keeps the dialog open");
            QCOMPARE(f.platform.messages.shown.size(), 1);
            QCOMPARE(f.platform.messages.shown.at(0).text,
                     QStringLiteral("Die Liga kann nicht auf 30 Spieltage verkürzt werden: "
                                    "Spieltag 34 enthält Paarungen oder Ergebnisse."));
            // Fewer teams fail on the ninth row of matchday 5.
            spin(dlg, "seRounds")->setValue(34);
            spin(dlg, "seTeams")->setValue(16);
            clickButton(dlg, "bbOK");
            QCOMPARE(f.platform.messages.shown.size(), 2);
            QVERIFY(f.platform.messages.shown.at(1).text.contains(QStringLiteral("Spieltag 5")));
            clickButton(dlg, "bbAbbr");
        });
        f.frm->mnuEinstClick();
        QCOMPARE(script.shown(), 1);
        QCOMPARE(f.league().teamCount, 18);
        QCOMPARE(f.league().roundCount, 34);
        QVERIFY(f.league().sameContents(before));
        QVERIFY(f.league().leagueSaved);
    }
};

QTEST_MAIN(TestLeagueShapeUi)
#include "tst_leagueshape.moc"
