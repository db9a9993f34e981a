#include "league/model/League.h"
#include "league/ui/DateField.h"
#include "league/ui/ScriptedPlatform.h"
#include "league/ui/TfrmTN.h"
#include "league/ui/TfrmTab.h"
#include "dates_helper.h"
#include "modal_helper.h"

#include <QCheckBox>
#include <QLabel>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// The table window standing on a day ("Stand am") instead of after a
// matchday: a postponed match counts from the day it was played.
class TestStandAm : public QObject {
    Q_OBJECT

private:
    struct Fixture {
        QTemporaryDir dir;
        ScriptedPlatform platform;
        std::unique_ptr<TfrmTN> frm;

        // Matchday 1 on 1 and 2 August, its match 3 – 4 played on 19
        // August; matchday 2 on 8 August.
        Fixture()
        {
            frm = std::make_unique<TfrmTN>(platform.seams(), dir.path() + QLatin1Char('/'), QStringList());
            fillPostponedLeague(frm->league());
            frm->UpdateCBO();
            frm->UpdateST();
        }
    };

    template <typename T> static T *child(QWidget *w, const char *name)
    {
        T *c = w->findChild<T *>(QString::fromLatin1(name));
        if (!c)
            qFatal("no child %s", name);
        return c;
    }

    // "Elf 1 6" for each row, in table order.
    static QStringList rows(QWidget *d)
    {
        QStringList out;
        for (int r = 1; r <= 4; ++r)
            out << child<QLabel>(d, qPrintable(QStringLiteral("lblTeam%1").arg(r)))->text() + QLatin1Char(' ')
                    + child<QLabel>(d, qPrintable(QStringLiteral("lblPkt%1").arg(r)))->text();
        return out;
    }

private Q_SLOTS:
    void postponedMatchCountsFromItsDay()
    {
        Fixture f;
        QStringList byMatchday, before, onTheDay, home, backToMatchdays;
        QString status, statusHome;
        bool chooserOff = false, fieldOffAtFirst = false;
        QDate offered;
        ModalScript script(f.frm->frmTab());
        script.then([&](QWidget *d) {
            auto *tab = static_cast<TfrmTab *>(d);
            byMatchday = rows(d);
            fieldOffAtFirst = !child<DateField>(d, "deStand")->isEnabled();
            offered = child<DateField>(d, "deStand")->date();
            QTest::mouseClick(child<QCheckBox>(d, "cbStand"), Qt::LeftButton, {}, QPoint(5, 10));
            child<DateField>(d, "deStand")->setDate(QDate(2026, 8, 18));
            before = rows(d);
            chooserOff = !child<QSpinBox>(d, "seST")->isEnabled();
            tab->setStandDate(QDate(2026, 8, 19));
            onTheDay = rows(d);
            status = child<QLabel>(d, "lblGrund")->text();
            clickButton(d, "bb1");
        });
        script.then([&](QWidget *d) {
            home = rows(d);
            statusHome = child<QLabel>(d, "lblGrund")->text();
            child<QCheckBox>(d, "cbStand")->setChecked(false);
            backToMatchdays = rows(d);
            clickButton(d, "bbOK");
        });
        f.frm->mnuTabClick();
        QCOMPARE(script.shown(), 2);
        // After matchday 2 every entered result counts, the postponed one too.
        // Slots 2 and 4 have a point each, slot 4 the better goal difference.
        QCOMPARE(byMatchday, (QStringList{"Elf 1 6", "Elf 3 3", "Elf 4 1", "Elf 2 1"}));
        QVERIFY(fieldOffAtFirst);
        QCOMPARE(offered, QDate(2026, 8, 8));
        QVERIFY(chooserOff);
        QCOMPARE(before, (QStringList{"Elf 1 6", "Elf 4 1", "Elf 2 1", "Elf 3 0"}));
        QCOMPARE(onTheDay, byMatchday);
        QCOMPARE(status, QStringLiteral("Stand am 19.08.2026"));
        // The home table keeps the day: slot 3 won at home on 19 August.
        QCOMPARE(home.first(), QStringLiteral("Elf 1 3"));
        QCOMPARE(statusHome, QStringLiteral("Stand am 19.08.2026"));
        QVERIFY(!backToMatchdays.isEmpty());
    }

    void dayControlsClearOfTheOthersAtEverySize_data()
    {
        QTest::addColumn<int>("teams");
        for (int teams : {4, 18, 20, 24})
            QTest::addRow("%d teams", teams) << teams;
    }

    void dayControlsClearOfTheOthersAtEverySize()
    {
        QFETCH(int, teams);
        Fixture f;
        f.frm->league().reshape(teams, League::defaultRounds(teams));
        f.frm->UpdateCBO();
        f.frm->UpdateST();
        QList<QRect> ours, others;
        ModalScript script(f.frm->frmTab());
        script.then([&](QWidget *d) {
            // In the window's own coordinates: the day controls share a
            // panel with the matchday chooser.
            const auto at = [d](const char *name) {
                const QWidget *w = child<QWidget>(d, name);
                return QRect(w->mapTo(d, QPoint(0, 0)), w->size());
            };
            for (const char *name : {"cbStand", "deStand"})
                ours << at(name);
            for (const char *name : {"scrTab", "bb1", "bb2", "bbHilfe", "bbOK", "lblST", "seST", "lblGrund"})
                others << at(name);
            QVERIFY(d->rect().contains(ours.first()) && d->rect().contains(ours.last()));
            clickButton(d, "bbOK");
        });
        f.frm->mnuTabClick();
        QCOMPARE(script.shown(), 1);
        QVERIFY(!ours.first().intersects(ours.last()));
        for (const QRect &mine : ours)
            for (const QRect &other : others)
                QVERIFY2(!mine.intersects(other), qPrintable(QStringLiteral("%1 teams").arg(teams)));
    }
};

QTEST_MAIN(TestStandAm)
#include "tst_standam.moc"
