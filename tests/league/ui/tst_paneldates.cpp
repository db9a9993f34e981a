#include "league/model/League.h"
#include "league/ui/ScriptedPlatform.h"
#include "league/ui/TfrmTN.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// The matchday panel's own day per match, its checks of the pairings and
// of the matchday's dates, and the team with a bye.
class TestPanelDates : public QObject {
    Q_OBJECT

private:
    struct Fixture {
        QTemporaryDir dir;
        ScriptedPlatform platform;
        std::unique_ptr<TfrmTN> frm;

        explicit Fixture(int teams = 18)
        {
            frm = std::make_unique<TfrmTN>(platform.seams(), dir.path() + QLatin1Char('/'), QStringList());
            League &l = frm->league();
            if (teams != 18)
                l.reshape(teams, League::defaultRounds(teams));
            for (int i = 1; i <= teams; ++i)
                l.teamNames[i] = QStringLiteral("Elf %1").arg(i);
            l.dates(1) = RoundDates{"07.08.2026", "09.08.2026"};
            frm->UpdateCBO();
            frm->UpdateST();
        }
        template <typename T> T *panel(const QString &name) const
        {
            T *w = frm->centralWidget()->findChild<T *>(name);
            if (!w)
                qFatal("no %s", qPrintable(name));
            return w;
        }
        void type(const QString &field, const QString &text) const
        {
            auto *e = panel<QLineEdit>(field);
            e->setFocus();
            e->selectAll();
            QTest::keyClick(e, Qt::Key_Delete);
            QTest::keyClicks(e, text);
            emit e->editingFinished();
        }
        void pick(const QString &list, int team) const
        {
            auto *c = panel<QComboBox>(list);
            c->setCurrentIndex(team);
            emit c->activated(team);
        }
    };

private Q_SLOTS:
    void ownDayAndKickOffPerRow_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QTime>("time");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("postponed");
        QTest::newRow("within the matchday") << "8.8.2026 15:30" << QDate(2026, 8, 8) << QTime(15, 30)
                                             << "08.08.2026 15:30" << false;
        QTest::newRow("postponed") << "26082026 2030" << QDate(2026, 8, 26) << QTime(20, 30) << "26.08.2026 20:30"
                                   << true;
        QTest::newRow("kick-off only") << "18:30" << QDate() << QTime(18, 30) << "18:30" << false;
    }

    void ownDayAndKickOffPerRow()
    {
        QFETCH(QString, typed);
        QFETCH(QDate, date);
        QFETCH(QTime, time);
        QFETCH(QString, shown);
        QFETCH(bool, postponed);
        Fixture f;
        League &l = f.frm->league();
        // Empty, the field shows the day the match falls back to.
        QCOMPARE(f.panel<QLineEdit>("edTag2")->placeholderText(), QStringLiteral("07.08.2026"));
        l.leagueSaved = true;
        f.type("edTag2", typed);
        QCOMPARE(l.match(1, 2).date, date);
        QCOMPARE(l.match(1, 2).time, time);
        QVERIFY(!l.leagueSaved);
        QCOMPARE(f.panel<QLineEdit>("edTag2")->text(), shown);
        QCOMPARE(f.panel<QLabel>("lblNachhol2")->isVisibleTo(f.frm.get()), postponed);
        QVERIFY(!f.panel<QLabel>("lblNachhol1")->isVisibleTo(f.frm.get()));

        // To the next matchday and back: the row shows what it holds.
        f.frm->findChild<QAction *>(QStringLiteral("mnuV"))->trigger();
        QVERIFY(f.panel<QLineEdit>("edTag2")->text().isEmpty());
        f.frm->findChild<QAction *>(QStringLiteral("mnuR"))->trigger();
        QCOMPARE(f.panel<QLineEdit>("edTag2")->text(), shown);

        // A day that does not exist is refused, the row keeps its day.
        f.type("edTag2", QStringLiteral("31.02.2026"));
        QCOMPARE(l.match(1, 2).date, date);
        QCOMPARE(f.panel<QLineEdit>("edTag2")->text(), shown);
        QCOMPARE(f.platform.messages.shown.size(), 1);
        QCOMPARE(f.platform.messages.shown.at(0).text, QStringLiteral("'31.02.2026' ist kein gültiges Datum"));
        // Emptied, the row stands on its matchday again.
        f.type("edTag2", QString());
        QCOMPARE(l.match(1, 2).date, QDate());
        QCOMPARE(l.match(1, 2).time, QTime());
        QVERIFY(!f.panel<QLabel>("lblNachhol2")->isVisibleTo(f.frm.get()));
    }

    void aTeamTwiceOrAgainstItselfIsMarked()
    {
        Fixture f;
        f.pick("cboTeamA1", 1);
        f.pick("cboTeamB1", 2);
        QVERIFY(f.panel<QLabel>("lblHinweis")->text().isEmpty());
        f.pick("cboTeamA2", 2);
        QCOMPARE(f.panel<QLabel>("lblHinweis")->toolTip(),
                 QStringLiteral("Elf 2 steht am 1. Spieltag 2-mal im Spielplan."));
        QVERIFY(!f.panel<QComboBox>("cboTeamB1")->toolTip().isEmpty());
        QVERIFY(f.panel<QComboBox>("cboTeamA1")->toolTip().isEmpty());
        f.pick("cboTeamA2", 3);
        f.pick("cboTeamB2", 3);
        QCOMPARE(f.panel<QLabel>("lblHinweis")->toolTip(), QStringLiteral("Elf 3 spielt in Zeile 2 gegen sich selbst."));
        f.pick("cboTeamB2", 4);
        QVERIFY(f.panel<QLabel>("lblHinweis")->text().isEmpty());
        QVERIFY(f.panel<QComboBox>("cboTeamB1")->toolTip().isEmpty());
        // Only a hint: the pairings stay as entered.
        QCOMPARE(f.frm->league().match(1, 2), (Match{3, 4}));
        QVERIFY(f.platform.messages.shown.isEmpty());
    }

    void theTeamWithAByeIsNamed()
    {
        Fixture f(5);
        f.pick("cboTeamA1", 1);
        f.pick("cboTeamB1", 2);
        QVERIFY(f.panel<QLabel>("lblHinweis")->text().isEmpty());
        f.pick("cboTeamA2", 5);
        f.pick("cboTeamB2", 3);
        QCOMPARE(f.panel<QLabel>("lblHinweis")->text(), QStringLiteral("spielfrei: Elf 4"));
        // Shown again when the matchday is shown again.
        f.frm->findChild<QAction *>(QStringLiteral("mnuV"))->trigger();
        QVERIFY(f.panel<QLabel>("lblHinweis")->text().isEmpty());
        f.frm->findChild<QAction *>(QStringLiteral("mnuR"))->trigger();
        QCOMPARE(f.panel<QLabel>("lblHinweis")->text(), QStringLiteral("spielfrei: Elf 4"));
    }

    void lastDayNotBeforeFirst()
    {
        Fixture f;
        League &l = f.frm->league();
        auto *from = f.panel<QDateEdit>("edDatum1");
        auto *to = f.panel<QDateEdit>("edDatum2");
        to->setDate(QDate(2026, 8, 6));
        QCOMPARE(l.dates(1).dateTo, QStringLiteral("09.08.2026"));
        QCOMPARE(to->date(), QDate(2026, 8, 9));
        QCOMPARE(f.platform.messages.shown.size(), 1);
        QCOMPARE(f.platform.messages.shown.at(0).text,
                 QStringLiteral("Der Spieltag kann nicht vor dem 07.08.2026 enden, an dem er beginnt."));
        // A later first day takes the last one along.
        from->setDate(QDate(2026, 8, 14));
        QCOMPARE(l.dates(1).dateFrom, QStringLiteral("14.08.2026"));
        QCOMPARE(l.dates(1).dateTo, QStringLiteral("14.08.2026"));
        QCOMPARE(to->date(), QDate(2026, 8, 14));
        // A stored pair the other way round is shown as it is.
        l.dates(2) = RoundDates{"10.08.2026", "03.08.2026"};
        f.frm->findChild<QAction *>(QStringLiteral("mnuV"))->trigger();
        QCOMPARE(l.dates(2).dateTo, QStringLiteral("03.08.2026"));
        QCOMPARE(f.platform.messages.shown.size(), 1);
    }
};

QTEST_MAIN(TestPanelDates)
#include "tst_paneldates.moc"
