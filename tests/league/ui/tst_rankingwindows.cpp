#include "league/model/League.h"
#include "league/ui/ScriptedPlatform.h"
#include "league/ui/TfrmDruckDlg.h"
#include "league/ui/TfrmEinst.h"
#include "league/ui/TfrmTN.h"
#include "league/ui/TfrmTab.h"
#include "mainwindow_helper.h"
#include "modal_helper.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

// The ranking rules in the windows: the two fields of the settings dialog,
// the reasons of the places and the matchday of the table window, and the
// matchday of the printed tables.
class TestRankingWindows : public QObject {
    Q_OBJECT

private:
    struct Fixture : MainWindowFixture {

        // Four teams, one round: 1, 2 and 3 end level on 6 points and 4:3;
        // among the three slot 3 scored 3 goals, 1 and 2 two each, and slot
        // 2 beat slot 1 1:0 on matchday 1. Matchday 4 holds pairings only.
        void threeLevel(TieOrder order)
        {
            QVERIFY(league().reshape(4, 4));
            for (int i = 1; i <= 4; ++i)
                league().teamNames[i] = QStringLiteral("Verein %1").arg(i);
            league().match(1, 1) = Match{2, 1, 1, 0};
            league().match(1, 2) = Match{3, 4, 1, 0};
            league().match(2, 1) = Match{3, 2, 2, 1};
            league().match(2, 2) = Match{1, 4, 2, 1};
            league().match(3, 1) = Match{1, 3, 2, 1};
            league().match(3, 2) = Match{2, 4, 2, 1};
            league().match(4, 1) = Match{4, 1, -1, -1};
            league().tieOrder = order;
            frm->UpdateCBO();
            frm->UpdateST();
        }
    };

    template <typename T> static T *child(QWidget *w, const QString &name)
    {
        T *c = w->findChild<T *>(name);
        if (!c)
            qFatal("no widget %s", qPrintable(name));
        return c;
    }
    static QString text(QWidget *dlg, const QString &name) { return child<QLabel>(dlg, name)->text(); }
    static QStringList column(QWidget *dlg, const char *prefix, int rows)
    {
        QStringList out;
        for (int r = 1; r <= rows; ++r)
            out << text(dlg, QString::fromLatin1(prefix) + QString::number(r));
        return out;
    }
    static void enter(QWidget *w)
    {
        QEvent e(QEvent::Enter);
        QApplication::sendEvent(w, &e);
    }

private slots:
    void settingsDialogSetsTheRules()
    {
        Fixture f;
        f.threeLevel(TieOrder::Goals);
        TfrmEinst *dlg = f.frm->frmEinst();
        int shownWin = 0, shownOrder = -1;
        QStringList items;
        ModalScript script(dlg);
        script.then([&](QWidget *d) {
            auto *sieg = child<QSpinBox>(d, "seSieg");
            auto *order = child<QComboBox>(d, "cboReihenfolge");
            QCOMPARE((QPair<int, int>(sieg->minimum(), sieg->maximum())), (QPair<int, int>(2, 3)));
            shownWin = sieg->value();
            shownOrder = order->currentIndex();
            for (int i = 0; i < order->count(); ++i)
                items << order->itemText(i);
            sieg->setValue(2);
            order->setCurrentIndex(2);
            clickButton(d, "bbOK");
        });
        f.league().leagueSaved = true;
        f.frm->mnuEinstClick();
        QCOMPARE(shownWin, 3);
        QCOMPARE(shownOrder, 0);
        QCOMPARE(items, (QStringList{"Tordifferenz, Tore", "Tordifferenz, Tore, direkter Vergleich",
                                     "Direkter Vergleich"}));
        QCOMPARE(f.league().winPoints, 2);
        QCOMPARE(f.league().tieOrder, TieOrder::DirectThenGoals);
        QVERIFY(!f.league().leagueSaved);

        // Opened again it shows the league's rules; cancelled, it keeps them.
        script.then([&](QWidget *d) {
            shownWin = child<QSpinBox>(d, "seSieg")->value();
            shownOrder = child<QComboBox>(d, "cboReihenfolge")->currentIndex();
            child<QSpinBox>(d, "seSieg")->setValue(3);
            child<QComboBox>(d, "cboReihenfolge")->setCurrentIndex(1);
            clickButton(d, "bbAbbr");
        });
        f.frm->mnuEinstClick();
        QCOMPARE(shownWin, 2);
        QCOMPARE(shownOrder, 2);
        QCOMPARE(f.league().winPoints, 2);
        QCOMPARE(f.league().tieOrder, TieOrder::DirectThenGoals);
    }

    void tableWindowGivesTheReasonOfEveryPlace()
    {
        Fixture f;
        f.threeLevel(TieOrder::GoalsThenDirect);
        QStringList names, tips;
        QString first, overRow3, overRow1, outside;
        QList<QWidget *> underCells;
        ModalScript script(f.frm->frmTab());
        script.then([&](QWidget *d) {
            names = column(d, "lblTeam", 4);
            for (int r = 1; r <= 4; ++r)
                tips << child<QFrame>(d, QStringLiteral("Shape%1").arg(r))->toolTip();
            // Over any cell of row 3 the mouse is over its band, which
            // holds the tooltip.
            QWidget *box = child<QFrame>(d, "Shape3")->parentWidget();
            for (const char *cell : {"lblTeam3", "lblPkt3", "lblTd3"}) {
                const QWidget *w = child<QLabel>(d, QString::fromLatin1(cell));
                underCells << box->childAt(w->geometry().center());
            }
            first = child<QLabel>(d, "lblGrund")->text();
            enter(child<QFrame>(d, "Shape3"));
            overRow3 = child<QLabel>(d, "lblGrund")->text();
            enter(child<QFrame>(d, "Shape1"));
            overRow1 = child<QLabel>(d, "lblGrund")->text();
            QEvent leave(QEvent::Leave);
            QApplication::sendEvent(child<QWidget>(d, "Shape1")->parentWidget(), &leave);
            outside = child<QLabel>(d, "lblGrund")->text();
            clickButton(d, "bbOK");
        });
        f.frm->mnuTabClick();
        QCOMPARE(script.shown(), 1);
        QCOMPARE(names, (QStringList{"Verein 3", "Verein 2", "Verein 1", "Verein 4"}));
        const QStringList expected{"", "Platz 2 hinter Platz 1 – direkter Vergleich: Tore",
                                   "Platz 3 hinter Platz 2 – direkter Vergleich: Punkte",
                                   "Platz 4 hinter Platz 3 – Punkte"};
        QCOMPARE(tips, expected);
        QWidget *band3 = f.frm->frmTab()->findChild<QFrame *>(QStringLiteral("Shape3"));
        QCOMPARE(underCells, (QList<QWidget *>{band3, band3, band3}));
        QCOMPARE(first, QStringLiteral("Stand nach dem 3. Spieltag"));
        QCOMPARE(overRow3, expected[2]);
        QCOMPARE(overRow1, QStringLiteral("Platz 1"));
        QCOMPARE(outside, QStringLiteral("Stand nach dem 3. Spieltag"));
    }

    void settingsDialogSetsZonesAndName()
    {
        Fixture f;
        f.threeLevel(TieOrder::Goals);
        QString shownName, shownEcl;
        ModalScript script(f.frm->frmEinst());
        script.then([&](QWidget *d) {
            shownName = child<QLineEdit>(d, "edLiga")->text();
            shownEcl = child<QLineEdit>(d, "edZone4")->text();
            child<QLineEdit>(d, "edLiga")->setText(QStringLiteral(" Kreisliga B 2026/27 "));
            child<QSpinBox>(d, "seECL")->setValue(1);
            child<QSpinBox>(d, "seRP")->setValue(2);
            child<QLineEdit>(d, "edZone5")->setText(QStringLiteral("Relegation zur Kreisliga C"));
            // Blue, the seventh colour of the list.
            child<QComboBox>(d, "cboFarbe5")->setCurrentIndex(6);
            clickButton(d, "bbOK");
        });
        f.frm->mnuEinstClick();
        QCOMPARE(shownName, QString());
        QCOMPARE(shownEcl, QStringLiteral("Conference League"));
        const League &l = f.league();
        QCOMPARE(l.leagueName, QStringLiteral("Kreisliga B 2026/27"));
        QCOMPARE(l.conferencePlaces, 1);
        QCOMPARE(l.playoffPlaces, 2);
        QCOMPARE(l.zoneName(Zone::RelegationPlayoff), QStringLiteral("Relegation zur Kreisliga C"));
        QCOMPARE(l.zoneColorRgb(Zone::RelegationPlayoff), 0xBBDDFF);
        // The zones left alone keep no name or colour of their own.
        QCOMPARE(l.zoneNames[static_cast<int>(Zone::ConferenceLeague)], QString());
        QCOMPARE(l.zoneRgb[static_cast<int>(Zone::Champion)], -1);
    }

    void tableWindowShowsLegendFormMovementAndReasons()
    {
        Fixture f;
        f.threeLevel(TieOrder::GoalsThenDirect);
        League &l = f.league();
        l.clPlaces = l.ucPlaces = 0;
        l.conferencePlaces = l.playoffPlaces = l.relegationPlaces = 1;
        l.penaltyPoints[4] = 1;
        QStringList legend, form, movement, reasons;
        QString tip4;
        int narrow = 0, wide = 0;
        bool formHidden = false;
        ModalScript script(f.frm->frmTab());
        script.then([&](QWidget *d) {
            for (int z = 1; z <= 6; ++z)
                if (auto *zone = d->findChild<QLabel *>(QStringLiteral("lblZone%1").arg(z)))
                    legend << zone->text();
            narrow = d->width();
            formHidden = !child<QLabel>(d, "lblForm1")->isVisible();
            for (const char *c : {"chkForm", "chkTendenz", "chkGrund"})
                child<QCheckBox>(d, QString::fromLatin1(c))->setChecked(true);
            wide = d->width();
            form = column(d, "lblForm", 4);
            movement = column(d, "lblTend", 4);
            reasons = column(d, "lblWarum", 4);
            tip4 = child<QFrame>(d, "Shape4")->toolTip();
            clickButton(d, "bbOK");
        });
        f.frm->mnuTabClick();
        QCOMPARE(legend, (QStringList{"1 Meister", "2 Conference League", "3 Relegation", "4 Abstieg"}));
        QVERIFY(formHidden);
        QVERIFY(wide > narrow);
        // Table order 3, 2, 1, 4 after matchday 3, as after matchday 2.
        QCOMPARE(form, (QStringList{"SSN", "SNS", "NSS", "NNN"}));
        QCOMPARE(movement, (QStringList{"=", "=", "=", "="}));
        QCOMPARE(reasons, (QStringList{"", "direkter Vergleich: Tore", "direkter Vergleich: Punkte",
                                       "Punkte, Punktabzug: 1"}));
        QCOMPARE(tip4, QStringLiteral("Platz 4 hinter Platz 3 – Punkte, Punktabzug: 1"));
    }

    void aCutNameGivesItsReasonBelowTheName()
    {
        Fixture f;
        f.threeLevel(TieOrder::GoalsThenDirect);
        const QString longName = QStringLiteral("Turn- und Sportgemeinschaft Zweite Mannschaft von 1907 e. V.");
        f.league().teamNames[2] = longName;
        QString tip;
        bool takesMouse = false;
        ModalScript script(f.frm->frmTab());
        script.then([&](QWidget *d) {
            auto *name = child<QLabel>(d, "lblTeam2");
            tip = name->toolTip();
            takesMouse = !name->testAttribute(Qt::WA_TransparentForMouseEvents);
            clickButton(d, "bbOK");
        });
        f.frm->mnuTabClick();
        QCOMPARE(tip, longName + QStringLiteral("\nPlatz 2 hinter Platz 1 – direkter Vergleich: Tore"));
        QVERIFY(takesMouse);
    }

    void matchdayChooserStaysWhenTheViewChanges()
    {
        Fixture f;
        f.threeLevel(TieOrder::GoalsThenDirect);
        int shownFirst = 0, minimum = 0, maximum = 0, shownHome = 0;
        QStringList names, games, points, homeNames, homeGames;
        QString reason, status;
        ModalScript script(f.frm->frmTab());
        script.then([&](QWidget *d) {
            auto *st = child<QSpinBox>(d, "seST");
            shownFirst = st->value();
            minimum = st->minimum();
            maximum = st->maximum();
            st->setValue(1);
            names = column(d, "lblTeam", 4);
            games = column(d, "lblSp", 4);
            points = column(d, "lblPkt", 4);
            reason = child<QFrame>(d, "Shape2")->toolTip();
            status = child<QLabel>(d, "lblGrund")->text();
            clickButton(d, "bb1");
        });
        script.then([&](QWidget *d) {
            shownHome = child<QSpinBox>(d, "seST")->value();
            homeNames = column(d, "lblTeam", 4);
            homeGames = column(d, "lblSp", 4);
            clickButton(d, "bbOK");
        });
        f.frm->mnuTabClick();
        QCOMPARE(script.shown(), 2);
        // The last matchday with a result, of the four the league has.
        QCOMPARE(shownFirst, 3);
        QCOMPARE(minimum, 1);
        QCOMPARE(maximum, 4);
        // After matchday 1: slots 2 and 3 won 1:0 and have not met, slots 1
        // and 4 lost 0:1 and have not met; slot order within both pairs.
        QCOMPARE(names, (QStringList{"Verein 2", "Verein 3", "Verein 1", "Verein 4"}));
        QCOMPARE(games, (QStringList{"1", "1", "1", "1"}));
        QCOMPARE(points, (QStringList{"3", "3", "0", "0"}));
        QCOMPARE(reason, QStringLiteral("Platz 2 hinter Platz 1 – Reihenfolge der Mannschaften"));
        QCOMPARE(status, QStringLiteral("Stand nach dem 1. Spieltag"));
        // The home table after matchday 1: slots 2 and 3 won at home, 1 and
        // 4 have no home game yet (after matchday 3 each has two but slot 4).
        QCOMPARE(shownHome, 1);
        QCOMPARE(homeNames, (QStringList{"Verein 2", "Verein 3", "Verein 1", "Verein 4"}));
        QCOMPARE(homeGames, (QStringList{"1", "1", "0", "0"}));
    }

    void printedTablesTakeTheChosenMatchday()
    {
        Fixture f;
        f.threeLevel(TieOrder::Goals);
        TfrmDruckDlg *dlg = f.frm->frmDruckDlg();
        dlg->resetChoices();
        auto *st = child<QSpinBox>(dlg, "seTabST");
        QCOMPARE(st->value(), 3);
        QCOMPARE(st->maximum(), 4);
        QCOMPARE(dlg->selection().tablesRound, 3);
        st->setValue(2);
        QCOMPARE(dlg->selection().tablesRound, 2);
        child<QCheckBox>(dlg, "CheckBox35")->setChecked(false);
        QVERIFY(!st->isEnabled());
        child<QCheckBox>(dlg, "CheckBox35")->setChecked(true);
        QVERIFY(st->isEnabled());
        // Each print command starts again from the last matchday with a result.
        dlg->resetChoices();
        QCOMPARE(st->value(), 3);
    }
};

QTEST_MAIN(TestRankingWindows)
#include "tst_rankingwindows.moc"
