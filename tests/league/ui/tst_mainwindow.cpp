#include "league/model/IniFile.h"
#include "league/model/League.h"
#include "league/ui/ScriptedPlatform.h"
#include "league/ui/TfrmAbout.h"
#include "league/ui/TfrmEinst.h"
#include "league/ui/TfrmExport.h"
#include "league/ui/TfrmKreuz.h"
#include "league/ui/TfrmKurve.h"
#include "league/ui/TfrmTab.h"
#include "league/ui/TfrmTN.h"
#include "mainwindow_helper.h"
#include "modal_helper.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QLabel>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QDir>
#include <QSpinBox>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <memory>

// The main window driven as a user would: controls found by name, every
// message box and file dialog answered through the scripted seams.
class TestMainWindow : public QObject {
    Q_OBJECT

private:
    using Fixture = MainWindowFixture;

    // Key events carrying any character, as a keyboard layout would send them.
    static void typeText(QWidget *w, const QString &text)
    {
        for (const QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(w, &press);
            QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(w, &release);
        }
    }

    static void nameTeams(League &l)
    {
        for (int i = 1; i <= League::kTeams; ++i)
            l.teamNames[i] = QStringLiteral("Team %1").arg(i);
    }

private slots:
    void startState()
    {
        Fixture f;
        f.frm->show();
        QCOMPARE(f.panel<QLabel>("lblST")->text(), QStringLiteral("1. Spieltag"));
        QCOMPARE(f.frm->findChild<QLabel *>("sbST")->text(), QStringLiteral("1. Spieltag"));
        QCOMPARE(f.panel<QDateEdit>("edDatum1")->date(), QDate::currentDate());
        QCOMPARE(f.panel<QDateEdit>("edDatum2")->date(), QDate::currentDate());
        QCOMPARE(f.panel<QDateEdit>("edDatum1")->text(), QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")));
        for (int k = 1; k <= 9; ++k) {
            const QString n = QString::number(k);
            for (const char *list : {"cboTeamA", "cboTeamB"}) {
                auto *c = f.panel<QComboBox>(QString::fromLatin1(list) + n);
                QVERIFY(c);
                QCOMPARE(c->count(), 19);
                QCOMPARE(c->currentText(), QStringLiteral("---"));
            }
            for (const char *goal : {"meTorA", "meTorB"})
                QCOMPARE(f.panel<QLineEdit>(QString::fromLatin1(goal) + n)->displayText(), QStringLiteral("___"));
        }
        QVERIFY(f.frm->league().leagueSaved);
        QCOMPARE(f.frm->windowTitle(), QStringLiteral("Tabulon '98"));
        // Only the main window is shown at start.
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w != f.frm.get())
                QVERIFY2(!w->isVisible(), qPrintable(w->objectName()));
    }

    void menuItemsCarryTheirShortcuts_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QKeySequence>("key");
        QTest::newRow("Neu") << "mnuNeu" << "&Neu" << QKeySequence(Qt::CTRL | Qt::Key_N);
        QTest::newRow("Öffnen") << "mnuOeffnen" << "Ö&ffnen" << QKeySequence(Qt::CTRL | Qt::Key_O);
        QTest::newRow("Export") << "mnuExport" << "E&xport" << QKeySequence(Qt::CTRL | Qt::Key_H);
        QTest::newRow("Beenden") << "mnuEnde" << "&Beenden" << QKeySequence(Qt::CTRL | Qt::Key_Q);
        QTest::newRow("zurück") << "mnuR" << "einen Spieltag zu&rück" << QKeySequence(Qt::Key_F3);
        QTest::newRow("vorwärts") << "mnuV" << "einen Spieltag &vorwärts" << QKeySequence(Qt::Key_F4);
        QTest::newRow("Kreuztabelle") << "mnuKreuz" << "&Kreuztabelle" << QKeySequence(Qt::CTRL | Qt::Key_X);
        QTest::newRow("Hilfe") << "mnuHilfe" << "&Hilfe - Hauptübersicht" << QKeySequence(Qt::Key_F1);
        QTest::newRow("Info") << "mnuInfo" << "&Info über..." << QKeySequence(Qt::CTRL | Qt::Key_I);
    }

    void menuItemsCarryTheirShortcuts()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QKeySequence, key);
        Fixture f;
        QAction *a = f.frm->findChild<QAction *>(name);
        QVERIFY(a);
        QCOMPARE(a->text(), caption);
        QCOMPARE(a->shortcut(), key);
    }

    void navigationStopsAtFirstRoundAndLastMatchday()
    {
        Fixture f;
        f.frm->show();
        League &l = f.frm->league();
        l.startWins[1] = 2;
        l.startDraws[1] = 1;
        l.startLosses[1] = 1;
        f.frm->ErsterST();
        f.frm->UpdateST();
        QCOMPARE(l.firstRound, 5);
        QCOMPARE(l.currentRound, 5);
        f.trigger("mnuR");
        QCOMPARE(l.currentRound, 5);
        QCOMPARE(f.panel<QLabel>("lblST")->text(), QStringLiteral("5. Spieltag"));
        f.trigger("mnuV");
        QCOMPARE(l.currentRound, 6);
        f.trigger("mnuR");
        QCOMPARE(l.currentRound, 5);
        for (int i = 0; i < 40; ++i)
            f.trigger("mnuV");
        QCOMPARE(l.currentRound, 34);
        QCOMPARE(f.panel<QLabel>("lblST")->text(), QStringLiteral("34. Spieltag"));
        QCOMPARE(f.frm->findChild<QLabel *>("sbST")->text(), QStringLiteral("34. Spieltag"));
        QVERIFY(f.platform.messages.shown.isEmpty());
    }

    void typedGoalsGoStraightIntoTheLeague()
    {
        Fixture f;
        f.frm->show();
        auto *goal = f.panel<QLineEdit>("meTorA4");
        goal->setFocus();
        goal->setCursorPosition(0);
        QTest::keyClick(goal, Qt::Key_3);
        QCOMPARE(goal->displayText(), QStringLiteral("3__"));
        QCOMPARE(f.frm->league().match(1, 4).goalsA, 3);
        QCOMPARE(f.frm->league().match(1, 4).goalsB, -1);
        QVERIFY(!f.frm->league().leagueSaved);
        QTest::keyClick(goal, Qt::Key_Backspace);
        QCOMPARE(goal->displayText(), QStringLiteral("___"));
        QCOMPARE(f.frm->league().match(1, 4).goalsA, -1);

        // A gap between digits reads as no number at all.
        auto *away = f.panel<QLineEdit>("meTorB2");
        away->clear();
        away->setCursorPosition(0);
        QTest::keyClick(away, Qt::Key_1);
        QCOMPARE(f.frm->league().match(1, 2).goalsB, 1);
        QTest::keyClick(away, Qt::Key_Right);
        QTest::keyClick(away, Qt::Key_2);
        QCOMPARE(away->displayText(), QStringLiteral("1_2"));
        QCOMPARE(f.frm->league().match(1, 2).goalsB, -1);
    }

    void pickedTeamsAndDatesGoIntoTheLeague()
    {
        Fixture f;
        f.frm->show();
        League &l = f.frm->league();
        nameTeams(l);
        f.frm->UpdateCBO();
        auto *home = f.panel<QComboBox>("cboTeamA2");
        home->setCurrentIndex(7);
        QVERIFY2(l.leagueSaved, "a list set by the program stores nothing");
        QCOMPARE(l.match(1, 2).teamA, 0);
        emit home->activated(7);
        QCOMPARE(l.match(1, 2).teamA, 7);
        QVERIFY(!l.leagueSaved);
        home->setCurrentIndex(0);
        emit home->activated(0);
        QCOMPARE(l.match(1, 2).teamA, 0);

        l.leagueSaved = true;
        // The matchday starts first: its last day cannot lie before that.
        f.panel<QDateEdit>("edDatum1")->setDate(QDate(2026, 8, 7));
        f.panel<QDateEdit>("edDatum2")->setDate(QDate(2026, 8, 9));
        QCOMPARE(l.dates(1).dateTo, QStringLiteral("09.08.2026"));
        QVERIFY(!l.leagueSaved);
    }

    void steppingThroughUntouchedMatchdaysChangesNothing()
    {
        Fixture f;
        f.frm->show();
        for (int i = 0; i < 33; ++i)
            f.trigger("mnuV");
        for (int i = 0; i < 33; ++i)
            f.trigger("mnuR");
        const League &l = f.frm->league();
        QCOMPARE(l.currentRound, 1);
        QVERIFY(l.leagueSaved);
        for (int j = 1; j <= 34; ++j) {
            QVERIFY(l.dates(j).dateFrom.isEmpty());
            for (int k = 1; k <= 9; ++k)
                QCOMPARE(l.match(j, k), Match{});
        }
    }

    void steppingKeepsPairingsGoalsAndDates()
    {
        Fixture f;
        f.frm->show();
        League &l = f.frm->league();
        nameTeams(l);
        l.match(2, 3) = Match{4, 9, 2, 0};
        l.dates(2) = RoundDates{QStringLiteral("1.8.2026"), QStringLiteral("02.08.2026")};
        f.frm->UpdateCBO();
        f.trigger("mnuV");
        QCOMPARE(f.panel<QComboBox>("cboTeamA3")->currentText(), QStringLiteral("Team 4"));
        QCOMPARE(f.panel<QComboBox>("cboTeamB3")->currentText(), QStringLiteral("Team 9"));
        QCOMPARE(f.panel<QLineEdit>("meTorA3")->displayText(), QStringLiteral("2__"));
        QCOMPARE(f.panel<QLineEdit>("meTorB3")->displayText(), QStringLiteral("0__"));
        QCOMPARE(f.panel<QDateEdit>("edDatum1")->date(), QDate(2026, 8, 1));
        // Shown dates are written back in the stored form, unsaved state kept.
        QCOMPARE(l.dates(2).dateFrom, QStringLiteral("01.08.2026"));
        QVERIFY(l.leagueSaved);
        f.trigger("mnuR");
        f.trigger("mnuV");
        QCOMPARE(l.match(2, 3), (Match{4, 9, 2, 0}));
    }

    void unreadableDateEndsTheDisplayWithItsMessage()
    {
        Fixture f;
        f.frm->show();
        f.frm->league().dates(2).dateFrom = QStringLiteral("31.02.2026");
        f.trigger("mnuV");
        QCOMPARE(f.platform.messages.shown.size(), 1);
        QCOMPARE(f.platform.messages.shown[0].text, QStringLiteral("'31.02.2026' ist kein gültiges Datum"));
        // The program keeps running and the next matchday shows normally.
        f.trigger("mnuV");
        QCOMPARE(f.panel<QLabel>("lblST")->text(), QStringLiteral("3. Spieltag"));
    }

    void pairingsSurviveRenamingInTheSettingsDialog()
    {
        Fixture f;
        f.frm->show();
        League &l = f.frm->league();
        nameTeams(l);
        l.currentRound = 10;
        l.match(10, 1) = Match{3, 5, 1, 1};
        f.frm->UpdateCBO();
        f.frm->UpdateST();
        ModalScript script(f.frm->frmEinst());
        script.then([](QWidget *dlg) {
            dlg->findChild<QLineEdit *>(QStringLiteral("edTeam3"))->setText(QStringLiteral("Grün-Weiß Süd"));
            clickButton(dlg, "bbOK");
        });
        f.trigger("mnuEinst");
        QCOMPARE(script.shown(), 1);
        QCOMPARE(l.teamNames[3], QStringLiteral("Grün-Weiß Süd"));
        QCOMPARE(f.panel<QComboBox>("cboTeamA1")->currentText(), QStringLiteral("Grün-Weiß Süd"));
        QCOMPARE(f.panel<QComboBox>("cboTeamB1")->currentText(), QStringLiteral("Team 5"));
        QCOMPARE(f.panel<QLineEdit>("meTorA1")->displayText(), QStringLiteral("1__"));
        QCOMPARE(l.match(10, 1), (Match{3, 5, 1, 1}));
        QCOMPARE(l.currentRound, 10);
        QVERIFY(!l.leagueSaved);
    }

    void settingsOpenShowingTheLeaguesValues()
    {
        Fixture f;
        League &l = f.frm->league();
        nameTeams(l);
        l.hasChampion = false;
        l.clPlaces = 0;
        l.ucPlaces = 2;
        l.relegationPlaces = 4;
        l.startWins[2] = 3;
        l.startDraws[2] = 1;
        l.startGoalsFor[2] = 7;
        l.startGoalsAgainst[2] = 2;
        l.penaltyPoints[2] = 1;
        ModalScript script(f.frm->frmEinst());
        QStringList shown;
        bool champion = true, okEnabled = true;
        QList<int> places;
        script.then([&](QWidget *dlg) {
            for (const char *n : {"edTeam1", "edTeam2", "edTeam18", "meSS2", "meSU2", "meSN2", "edSp2", "edSp1",
                                  "meTorE2", "meTorA2", "meStrP2", "meStrP3"})
                shown << dlg->findChild<QLineEdit *>(QString::fromLatin1(n))->displayText();
            champion = dlg->findChild<QCheckBox *>(QStringLiteral("chkCh"))->isChecked();
            for (const char *n : {"seCL", "seUC", "seAb"})
                places << dlg->findChild<QSpinBox *>(QString::fromLatin1(n))->value();
            okEnabled = dlg->findChild<QPushButton *>(QStringLiteral("bbOK"))->isEnabled();
            clickButton(dlg, "bbAbbr");
        });
        f.trigger("mnuEinst");
        QCOMPARE(script.shown(), 1);
        QCOMPARE(shown, (QStringList{"Team 1", "Team 2", "Team 18", "3_", "1_", "0_", "4", "0", "7___", "2___",
                                     "1__", "0__"}));
        QVERIFY(!champion);
        QCOMPARE(places, (QList<int>{0, 2, 4}));
        // Four start games against none for everyone else.
        QVERIFY(!okEnabled);
    }

    // The program itself starts this way: the hidden windows finish their
    // controls once the main window has been shown, before any input.
    void showFirstStartFinishesEveryWindowBeforeInput()
    {
        QTemporaryDir dir;
        ScriptedPlatform platform;
        TfrmTN frm(platform.seams(), dir.path() + QLatin1Char('/'), QStringList(), nullptr,
                   TfrmTN::StartMode::ShowFirst);
        frm.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frm));
        QCoreApplication::processEvents();
        QVERIFY(frm.frmEinst()->findChild<QLineEdit *>(QStringLiteral("edTeam18")));
        QVERIFY(frm.frmEinst()->findChild<QSpinBox *>(QStringLiteral("seAb")));
        QVERIFY(!frm.frmKurve()->picture().isNull());
        for (QWidget *w : {static_cast<QWidget *>(frm.frmTab()), static_cast<QWidget *>(frm.frmKreuz())})
            QVERIFY2(w->findChildren<QWidget *>().size() > 20, qPrintable(w->objectName()));
        // Not filled yet: every name field is empty, so "OK" waits for names.
        QVERIFY(!frm.frmEinst()->findChild<QPushButton *>(QStringLiteral("bbOK"))->isEnabled());
    }

    // Windows made after the first paint go where the settings file puts
    // them, or to the centred default, exactly as when they are made at
    // start; a program ended before it made them writes the same places.
    void lateWindowsTakeTheSamePlaces_data()
    {
        QTest::addColumn<bool>("paintFirst");
        QTest::newRow("made after the first paint") << true;
        QTest::newRow("ended before the first paint") << false;
    }

    void lateWindowsTakeTheSamePlaces()
    {
        QFETCH(bool, paintFirst);
        const TfrmTN::StartMode modes[] = {TfrmTN::StartMode::Complete, TfrmTN::StartMode::ShowFirst};
        QList<QPoint> places[2];
        QByteArray written[2];
        for (int m = 0; m < 2; ++m) {
            QTemporaryDir dir;
            QFile file(dir.filePath(QStringLiteral("TN98.INI")));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("[frmKurve]\r\nTop=77\r\nLeft=66\r\n[frmExport]\r\nTop=12\r\nLeft=-20\r\n");
            file.close();
            ScriptedPlatform platform;
            TfrmTN frm(platform.seams(), dir.path() + QLatin1Char('/'), {}, nullptr, modes[m]);
            frm.show();
            if (paintFirst) {
                QVERIFY(QTest::qWaitForWindowExposed(&frm));
                QCoreApplication::processEvents();
            }
            QVERIFY(frm.close());
            for (QWidget *w : std::initializer_list<QWidget *>{frm.frmAbout(), frm.frmKurve(), frm.frmTab(),
                                                                frm.frmExport(), frm.frmEinst()})
                places[m] << w->pos();
            QVERIFY(file.open(QIODevice::ReadOnly));
            written[m] = file.readAll();
        }
        QCOMPARE(places[1].at(1), QPoint(66, 77));
        QCOMPARE(places[1].at(3), QPoint(-20, 12));
        QCOMPARE(places[1], places[0]);
        QCOMPARE(written[1], written[0]);
    }

    void settingsOkWithoutEditsStillMarksTheLeagueChanged()
    {
        Fixture f;
        League &l = f.frm->league();
        nameTeams(l);
        ModalScript script(f.frm->frmEinst());
        script.then([](QWidget *dlg) { clickButton(dlg, "bbOK"); });
        f.trigger("mnuEinst");
        QVERIFY(!l.leagueSaved);

        l.leagueSaved = true;
        script.then([](QWidget *dlg) {
            dlg->findChild<QLineEdit *>(QStringLiteral("edTeam1"))->setText(QStringLiteral("Anders"));
            clickButton(dlg, "bbAbbr");
        });
        f.trigger("mnuEinst");
        QVERIFY(l.leagueSaved);
        QCOMPARE(l.teamNames[1], QStringLiteral("Team 1"));
    }

    void fiveStartGamesMoveTheFirstMatchday()
    {
        Fixture f;
        f.frm->show();
        League &l = f.frm->league();
        nameTeams(l);
        l.currentRound = 3;
        f.frm->UpdateST();
        ModalScript script(f.frm->frmEinst());
        script.then([](QWidget *dlg) {
            auto *ok = dlg->findChild<QPushButton *>(QStringLiteral("bbOK"));
            for (int k = 1; k <= 18; ++k) {
                const QString n = QString::number(k);
                dlg->findChild<QLineEdit *>(QStringLiteral("meSS") + n)->setText(QStringLiteral("3"));
                dlg->findChild<QLineEdit *>(QStringLiteral("meSU") + n)->setText(QStringLiteral("1"));
                // Rows with unequal games keep OK disabled until the last row agrees.
                QVERIFY(!ok->isEnabled());
                dlg->findChild<QLineEdit *>(QStringLiteral("meSN") + n)->setText(QStringLiteral("1"));
                QCOMPARE(dlg->findChild<QLineEdit *>(QStringLiteral("edSp") + n)->text(), QStringLiteral("5"));
                QCOMPARE(ok->isEnabled(), k == 18);
            }
            clickButton(dlg, "bbOK");
        });
        f.trigger("mnuEinst");
        QCOMPARE(l.firstRound, 6);
        QCOMPARE(l.currentRound, 6);
        QCOMPARE(f.panel<QLabel>("lblST")->text(), QStringLiteral("6. Spieltag"));
        f.trigger("mnuR");
        QCOMPARE(l.currentRound, 6);
    }

    void settingsOkNeedsNamesAndEqualGames()
    {
        Fixture f;
        League &l = f.frm->league();
        nameTeams(l);
        TfrmEinst *dlg = f.frm->frmEinst();
        dlg->fillFrom(l);
        auto *ok = dlg->findChild<QPushButton *>(QStringLiteral("bbOK"));
        auto *name = dlg->findChild<QLineEdit *>(QStringLiteral("edTeam7"));
        QVERIFY(ok->isEnabled());
        name->clear();
        QVERIFY(!ok->isEnabled());
        QTest::keyClick(name, Qt::Key_X);
        QVERIFY(ok->isEnabled());
        name->setText(QStringLiteral(" "));
        QVERIFY2(ok->isEnabled(), "a name of spaces counts as filled");

        dlg->findChild<QLineEdit *>(QStringLiteral("meSS1"))->setText(QStringLiteral("2"));
        dlg->findChild<QLineEdit *>(QStringLiteral("meSU1"))->setText(QStringLiteral("1"));
        QCOMPARE(dlg->findChild<QLineEdit *>(QStringLiteral("edSp1"))->text(), QStringLiteral("3"));
        QVERIFY(!ok->isEnabled());

        // 34 start games for everyone would leave no matchday to enter.
        for (int k = 1; k <= 18; ++k) {
            const QString n = QString::number(k);
            dlg->findChild<QLineEdit *>(QStringLiteral("meSS") + n)->setText(QStringLiteral("30"));
            dlg->findChild<QLineEdit *>(QStringLiteral("meSU") + n)->setText(QStringLiteral("4"));
        }
        QVERIFY(!ok->isEnabled());
        for (int k = 1; k <= 18; ++k)
            dlg->findChild<QLineEdit *>(QStringLiteral("meSU") + QString::number(k))->setText(QStringLiteral("3"));
        QVERIFY(ok->isEnabled());
    }

    void settingsDropStartGoalsOfTeamsWithoutGames()
    {
        Fixture f;
        League &l = f.frm->league();
        nameTeams(l);
        TfrmEinst *dlg = f.frm->frmEinst();
        dlg->fillFrom(l);
        dlg->findChild<QLineEdit *>(QStringLiteral("meTorE4"))->setText(QStringLiteral("12"));
        dlg->findChild<QLineEdit *>(QStringLiteral("meTorA4"))->setText(QStringLiteral("7"));
        dlg->findChild<QLineEdit *>(QStringLiteral("meStrP4"))->setText(QStringLiteral("2"));
        dlg->writeTo(l);
        QCOMPARE(l.startGoalsFor[4], 0);
        QCOMPARE(l.startGoalsAgainst[4], 0);
        QCOMPARE(l.penaltyPoints[4], 2);
    }

    void namesRefuseCharactersTheFileCannotHold()
    {
        Fixture f;
        auto *name = f.frm->frmEinst()->findChild<QLineEdit *>(QStringLiteral("edTeam1"));
        name->clear();
        typeText(name, QStringLiteral("Köln€"));
        QCOMPARE(name->text(), QStringLiteral("Köln€"));
        typeText(name, QStringLiteral("\u0141\u4e2d"));
        QCOMPARE(name->text(), QStringLiteral("Köln€"));
    }

    void savePromptAsksInGerman()
    {
        Fixture f;
        f.frm->league().leagueSaved = false;
        f.platform.messages.answers.enqueue(MessageBoxSeam::Cancel);
        f.trigger("mnuNeu");
        QCOMPARE(f.platform.messages.shown.size(), 1);
        const ScriptedMessageBox::Shown &box = f.platform.messages.shown[0];
        QCOMPARE(box.caption, QStringLiteral("Bestätigen"));
        QCOMPARE(box.text, QStringLiteral("Möchten Sie die Liga \"Unbenannt\" noch speichern?"));
        QCOMPARE(box.icon, MessageBoxSeam::Question);
        QCOMPARE(box.buttons, (QList<MessageBoxSeam::Answer>{MessageBoxSeam::Yes, MessageBoxSeam::No,
                                                            MessageBoxSeam::Cancel}));
        QCOMPARE(box.defaultAnswer, MessageBoxSeam::Yes);
        QCOMPARE(box.escapeAnswer, MessageBoxSeam::Cancel);
        QCOMPARE(MessageBoxSeam::buttonText(MessageBoxSeam::Yes), QStringLiteral("&Ja"));
        QCOMPARE(MessageBoxSeam::buttonText(MessageBoxSeam::No), QStringLiteral("&Nein"));
        QCOMPARE(MessageBoxSeam::buttonText(MessageBoxSeam::Cancel), QStringLiteral("Abbrechen"));
        QVERIFY(!f.frm->league().leagueSaved);
    }

    void yesThenCancelledSaveDialogStillMakesTheNewLeague()
    {
        Fixture f;
        League &l = f.frm->league();
        l.teamNames[1] = QStringLiteral("Alt");
        l.leagueSaved = false;
        f.platform.messages.answers.enqueue(MessageBoxSeam::Yes);
        f.platform.files.cancel();
        f.trigger("mnuNeu");
        QCOMPARE(f.platform.files.asked.size(), 1);
        QCOMPARE(f.platform.files.asked[0].kind, FileDialogState::Save);
        QVERIFY(l.teamNames[1].isEmpty());
        QVERIFY(l.leagueSaved);
        QVERIFY(l.leagueFileName.isEmpty());
        QCOMPARE(QDir(f.dir.path()).entryList(QDir::Files), QStringList());
    }

    void saveAsWritesAndNamesTheCaption()
    {
        Fixture f;
        League &l = f.frm->league();
        l.teamNames[2] = QStringLiteral("Süd");
        l.leagueSaved = false;
        f.platform.files.accept(f.dir.filePath(QStringLiteral("liga")));
        f.trigger("mnuSpeichern");
        QCOMPARE(l.leagueFileName, f.dir.filePath(QStringLiteral("liga.t98")));
        QVERIFY(l.leagueSaved);
        QCOMPARE(f.frm->windowTitle(), QStringLiteral("[liga.t98] - Tabulon '98"));
        QVERIFY(QFile::exists(l.leagueFileName));

        // Open it again through the open dialog's first file type.
        f.platform.files.accept(l.leagueFileName, 1);
        f.trigger("mnuNeu");
        QVERIFY(l.teamNames[2].isEmpty());
        f.trigger("mnuOeffnen");
        QCOMPARE(l.teamNames[2], QStringLiteral("Süd"));
        QCOMPARE(f.panel<QComboBox>("cboTeamA1")->itemText(2), QStringLiteral("Süd"));
        QCOMPARE(f.platform.files.asked.last().typeCaptions,
                 (QStringList{QStringLiteral("Tabulon '98 (*.t98)"), QStringLiteral("Tabulon 3.2.1 (*.tn3)"),
                              QStringLiteral("Football.TXT (*.txt)"), QStringLiteral("Football.JSON (*.json)")}));
    }

    void importThroughTheOpenDialogLeavesTheLeagueUntitled()
    {
        Fixture f;
        League &l = f.frm->league();
        f.platform.files.accept(QStringLiteral(TEST_SOURCE_DIR "/examples/league/Liga1997.tn3"), 2);
        f.trigger("mnuOeffnen");
        QVERIFY(f.platform.messages.shown.isEmpty());
        QCOMPARE(f.frm->windowTitle(), QStringLiteral("Tabulon '98"));
        QVERIFY(l.leagueFileName.isEmpty());
        QVERIFY(!l.leagueSaved);
        QVERIFY(!l.teamNames[1].isEmpty());
        QCOMPARE(f.panel<QComboBox>("cboTeamA1")->itemText(1), l.teamNames[1]);
        f.platform.files.cancel();
        f.trigger("mnuSpeichern");
        QCOMPARE(f.platform.files.asked.size(), 2);
        QCOMPARE(f.platform.files.asked[1].kind, FileDialogState::Save);
    }

    void failedImportKeepsTheOpenLeague()
    {
        Fixture f;
        League &l = f.frm->league();
        l.teamNames[1] = QStringLiteral("Bleibt");
        l.leagueFileName = f.dir.filePath(QStringLiteral("alt.t98"));
        const QString bad = f.dir.filePath(QStringLiteral("kurz.tn3"));
        QFile file(bad);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("Kopf\r\nA\r\n");
        file.close();
        f.platform.files.accept(bad, 2);
        f.trigger("mnuOeffnen");
        QCOMPARE(f.platform.messages.shown.size(), 1);
        QCOMPARE(l.teamNames[1], QStringLiteral("Bleibt"));
        QCOMPARE(l.leagueFileName, f.dir.filePath(QStringLiteral("alt.t98")));
    }

    void failedSaveKeepsTheLeagueUnsavedAndNamed()
    {
        Fixture f;
        League &l = f.frm->league();
        l.leagueSaved = false;
        f.platform.files.accept(f.dir.filePath(QStringLiteral("fehlt/liga.t98")));
        f.trigger("mnuUnter");
        QCOMPARE(f.platform.messages.shown.size(), 1);
        QVERIFY(f.platform.messages.shown[0].text.startsWith(QStringLiteral("Kann nicht nach ")));
        QVERIFY(!l.leagueSaved);
        QVERIFY(l.leagueFileName.isEmpty());
        QCOMPARE(f.frm->windowTitle(), QStringLiteral("Tabulon '98"));
    }

    void cancelAtExitKeepsRunningAndLeavesTheSettingsFile()
    {
        Fixture f;
        f.frm->show();
        f.frm->league().leagueSaved = false;
        f.platform.messages.answers.enqueue(MessageBoxSeam::Cancel);
        QSignalSpy exited(f.frm.get(), &TfrmTN::exited);
        QVERIFY(!f.frm->close());
        QVERIFY(f.frm->isVisible());
        QCOMPARE(exited.count(), 0);
        QVERIFY(!QFile::exists(f.iniPath()));
        QVERIFY(!f.frm->league().leagueSaved);

        f.platform.messages.answers.enqueue(MessageBoxSeam::No);
        QVERIFY(f.frm->close());
        QCOMPARE(exited.count(), 1);
        QVERIFY(QFile::exists(f.iniPath()));
    }

    void unwritableSettingsFileIsReportedAndTheExitGoesAhead()
    {
        Fixture f;
        // A folder in the file's place makes every write fail, also for root.
        QVERIFY(QDir(f.dir.path()).mkdir(QStringLiteral("TN98.INI")));
        f.frm->show();
        QSignalSpy exited(f.frm.get(), &TfrmTN::exited);
        QVERIFY(f.frm->close());
        QCOMPARE(exited.count(), 1);
        QCOMPARE(f.platform.messages.shown.size(), 1);
        QCOMPARE(f.platform.messages.shown[0].text,
                 QStringLiteral("Kann nicht nach %1 schreiben").arg(f.iniPath()));
    }

    void firstRunWritesTheFifteenSections()
    {
        Fixture f;
        f.frm->show();
        QVERIFY(f.frm->close());
        IniFile ini(f.iniPath());
        QVERIFY(ini.wasLoaded());
        QCOMPARE(ini.sections(),
                 (QStringList{"frmTN", "frmAbout", "frmDruck", "frmDruckDlg", "frmEinst", "frmKreuz",
                              "frmKurve", "frmTab", "frmExport", "frmExpBMP", "panStatus", "tbStd", "tbHlp",
                              "tbNav", "tbLga"}));
        QCOMPARE(ini.keys(QStringLiteral("frmEinst")), (QStringList{"Top", "Left"}));
        QCOMPARE(ini.keys(QStringLiteral("tbNav")),
                 (QStringList{"Rev", "Visible", "DockedTo", "DockRow", "DockPos", "FloatLeft", "FloatTop"}));
        for (const char *tb : {"tbStd", "tbHlp", "tbNav", "tbLga"}) {
            QCOMPARE(ini.readString(QString::fromLatin1(tb), QStringLiteral("Rev"), {}), QStringLiteral("2"));
            QCOMPARE(ini.readString(QString::fromLatin1(tb), QStringLiteral("Visible"), {}), QStringLiteral("1"));
            QCOMPARE(ini.readString(QString::fromLatin1(tb), QStringLiteral("DockedTo"), {}), QStringLiteral("TNDock"));
        }
        QCOMPARE(ini.readString(QStringLiteral("panStatus"), QStringLiteral("Visible"), {}), QStringLiteral("1"));
        // Windows never opened are centred on the screen.
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        const QWidget *einst = f.frm->frmEinst();
        const int left = ini.readInteger(QStringLiteral("frmEinst"), QStringLiteral("Left"), -1);
        const int top = ini.readInteger(QStringLiteral("frmEinst"), QStringLiteral("Top"), -1);
        QVERIFY(qAbs(left - (screen.width() - einst->frameGeometry().width()) / 2.0) <= 0.5);
        QVERIFY(qAbs(top - (screen.height() - einst->frameGeometry().height()) / 2.0) <= 0.5);
    }

    void hiddenNavigatorAndStatusLineSurviveARestart()
    {
        QTemporaryDir dir;
        const QString programDir = dir.path() + QLatin1Char('/');
        {
            ScriptedPlatform platform;
            TfrmTN frm(platform.seams(), programDir, {});
            frm.show();
            frm.findChild<QAction *>(QStringLiteral("mnuTBNav"))->trigger();
            frm.findChild<QAction *>(QStringLiteral("mnuAStatus"))->trigger();
            frm.frmTab()->move(40, 30);
            QVERIFY(frm.findChild<QToolBar *>(QStringLiteral("tbNav"))->isHidden());
            QVERIFY(frm.close());
        }
        ScriptedPlatform platform;
        TfrmTN frm(platform.seams(), programDir, {});
        frm.show();
        QVERIFY(frm.findChild<QToolBar *>(QStringLiteral("tbNav"))->isHidden());
        QVERIFY(!frm.findChild<QToolBar *>(QStringLiteral("tbStd"))->isHidden());
        QVERIFY(frm.statusBar()->isHidden());
        QCOMPARE(frm.frmTab()->pos(), QPoint(40, 30));
        // The check marks follow when the menus open.
        emit frm.findChild<QMenu *>(QStringLiteral("mnuSB"))->aboutToShow();
        emit frm.findChild<QMenu *>(QStringLiteral("mnuA"))->aboutToShow();
        QVERIFY(!frm.findChild<QAction *>(QStringLiteral("mnuTBNav"))->isChecked());
        QVERIFY(frm.findChild<QAction *>(QStringLiteral("mnuTBLga"))->isChecked());
        QVERIFY(!frm.findChild<QAction *>(QStringLiteral("mnuAStatus"))->isChecked());
    }

    void toolbarSectionOfAnotherRevisionIsIgnored()
    {
        QTemporaryDir dir;
        QFile file(dir.filePath(QStringLiteral("TN98.INI")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[tbHlp]\r\nRev=1\r\nVisible=0\r\nDockedTo=TNDock\r\n"
                   "[tbLga]\r\nRev=2\r\nVisible=0\r\nDockedTo=TNDock\r\nDockRow=0\r\nDockPos=0\r\n"
                   "[panStatus]\r\nVisible=0\r\n[frmKurve]\r\nTop=77\r\nLeft=66\r\n");
        file.close();
        ScriptedPlatform platform;
        TfrmTN frm(platform.seams(), dir.path() + QLatin1Char('/'), {});
        frm.show();
        QVERIFY(!frm.findChild<QToolBar *>(QStringLiteral("tbHlp"))->isHidden());
        QVERIFY(frm.findChild<QToolBar *>(QStringLiteral("tbLga"))->isHidden());
        QVERIFY(frm.statusBar()->isHidden());
        QCOMPARE(frm.frmKurve()->pos(), QPoint(66, 77));
    }

    void floatingToolbarIsRestoredAndWrittenBack()
    {
        QTemporaryDir dir;
        QFile file(dir.filePath(QStringLiteral("TN98.INI")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[tbHlp]\r\nRev=2\r\nVisible=1\r\nDockedTo=+\r\nDockRow=0\r\nDockPos=140\r\n"
                   "FloatLeft=300\r\nFloatTop=200\r\n");
        file.close();
        const QString programDir = dir.path() + QLatin1Char('/');
        {
            ScriptedPlatform platform;
            TfrmTN frm(platform.seams(), programDir, {});
            frm.show();
            auto *help = frm.findChild<QToolBar *>(QStringLiteral("tbHlp"));
            QVERIFY(help->isFloating());
            QCOMPARE(help->pos(), QPoint(300, 200));
            QVERIFY(!frm.findChild<QToolBar *>(QStringLiteral("tbStd"))->isFloating());
            QVERIFY(frm.close());
        }
        IniFile ini(dir.filePath(QStringLiteral("TN98.INI")));
        QCOMPARE(ini.readString(QStringLiteral("tbHlp"), QStringLiteral("DockedTo"), {}), QStringLiteral("+"));
        QCOMPARE(ini.readInteger(QStringLiteral("tbHlp"), QStringLiteral("FloatLeft"), 0), 300);
        QCOMPARE(ini.readInteger(QStringLiteral("tbHlp"), QStringLiteral("FloatTop"), 0), 200);
        QCOMPARE(ini.readInteger(QStringLiteral("tbHlp"), QStringLiteral("DockPos"), 0), 140);
        QCOMPARE(ini.readString(QStringLiteral("tbStd"), QStringLiteral("DockedTo"), {}), QStringLiteral("TNDock"));
    }

    void menuShortcutsWorkFromTheEntryFields()
    {
        Fixture f;
        f.frm->show();
        f.frm->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.frm.get()));
        auto *goal = f.panel<QLineEdit>("meTorA1");
        goal->setFocus();
        // Ctrl+X would cut and Ctrl+H erase in a line edit; here they run
        // the cross table and the export.
        QTest::keyClick(goal, Qt::Key_F4);
        QCOMPARE(f.frm->league().currentRound, 2);
        QTest::keyClick(goal, Qt::Key_F3);
        QCOMPARE(f.frm->league().currentRound, 1);
        ModalScript cross(f.frm->frmKreuz());
        cross.then([](QWidget *dlg) { clickButton(dlg, "bbOK"); });
        QTest::keyClick(goal, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(cross.shown(), 1);
        QCOMPARE(goal->displayText(), QStringLiteral("___"));
    }

    void printCommandOpensTheSelectionDialog()
    {
        Fixture f;
        QAction *print = f.action("mnuDruck");
        QVERIFY(print->isEnabled());
        QWidget *dlg = f.frm->findChild<QWidget *>(QStringLiteral("frmDruckDlg"));
        QVERIFY(dlg);
        ModalScript script(dlg);
        script.then([](QWidget *d) { clickButton(d, "bbAbbr"); });
        print->trigger();
        QCOMPARE(script.shown(), 1);
    }

    void commandLineLeagueOpensAtStart()
    {
        QTemporaryDir dir;
        QFile file(dir.filePath(QStringLiteral("liga.T98")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[Options]\r\nActual=3\r\n[Teams]\r\n1=Eintracht Nord\r\n[Round3]\r\nTA1=1\r\nTB1=2\r\nGA1=4\r\nGB1=1\r\n");
        file.close();
        ScriptedPlatform platform;
        TfrmTN frm(platform.seams(), dir.path() + QLatin1Char('/'), {QStringLiteral("liga")});
        QCOMPARE(frm.windowTitle(), QStringLiteral("[liga.T98] - Tabulon '98"));
        QCOMPARE(frm.league().currentRound, 3);
        auto *panel = frm.centralWidget();
        QCOMPARE(panel->findChild<QLabel *>(QStringLiteral("lblST"))->text(), QStringLiteral("3. Spieltag"));
        QCOMPARE(panel->findChild<QComboBox *>(QStringLiteral("cboTeamA1"))->currentText(),
                 QStringLiteral("Eintracht Nord"));
        QCOMPARE(panel->findChild<QComboBox *>(QStringLiteral("cboTeamB1"))->currentText(), QStringLiteral("[keine]"));
        QCOMPARE(panel->findChild<QLineEdit *>(QStringLiteral("meTorA1"))->displayText(), QStringLiteral("4__"));
        QVERIFY(frm.league().leagueSaved);
    }

    void helpAndLinkCommandsGoThroughTheDesktop()
    {
        Fixture f;
        f.trigger("mnuHilfe");
        f.trigger("mnuHInx");
        f.trigger("mnuHUse");
        QCOMPARE(f.platform.help.contexts, (QList<int>{0, -1, -2}));
        f.trigger("mnuHP");
        f.trigger("mnuHLP");
        f.trigger("mnuEM");
        QCOMPARE(f.platform.urls.opened.size(), 3);
        QCOMPARE(f.platform.urls.opened[2].scheme(), QStringLiteral("mailto"));
        QVERIFY(f.platform.urls.opened[2].toString(QUrl::FullyDecoded).contains(QStringLiteral("subject=Tabulon '98")));
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
