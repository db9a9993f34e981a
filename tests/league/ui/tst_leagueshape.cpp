#include "league/model/League.h"
#include "league/ui/ScriptedPlatform.h"
#include "league/ui/TfrmEinst.h"
#include "league/ui/TfrmTN.h"
#include "modal_helper.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

// Leagues of other sizes than 18 teams and 34 matchdays as the windows show
// and change them.
class TestLeagueShapeUi : public QObject {
    Q_OBJECT

private:
    struct Fixture {
        QTemporaryDir dir;
        ScriptedPlatform platform;
        std::unique_ptr<TfrmTN> frm;

        Fixture() { frm = std::make_unique<TfrmTN>(platform.seams(), dir.path() + QLatin1Char('/'), QStringList()); }
        League &league() { return frm->league(); }
        void nameTeams()
        {
            for (int i = 1; i <= league().teamCount; ++i)
                league().teamNames[i] = QStringLiteral("Team %1").arg(i);
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
