// Faults a week of everyday use found in the league window, each driven
// the way it was met: by keys and clicks.
#include "league/schedule/FixtureGenerator.h"
#include "league/schedule/LeagueFixtures.h"
#include "league/model/League.h"
#include "league/standings/Standings.h"
#include "league/ui/ScriptedPlatform.h"
#include "league/ui/TfrmExpBMP.h"
#include "league/ui/TfrmExport.h"
#include "league/ui/TfrmHilfe.h"
#include "league/ui/TfrmKreuz.h"
#include "league/ui/TfrmTab.h"
#include "league/ui/TfrmEinst.h"
#include "league/ui/TfrmSpielplan.h"
#include "league/ui/TfrmTN.h"
#include "mainwindow_helper.h"
#include "modal_helper.h"


#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QLabel>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

class TestUseFaults : public QObject {
    Q_OBJECT

private:
    struct Fixture : MainWindowFixture {
        Fixture() { showOnScreen(); }
        // Teams 2k-1 and 2k in row k of the first matchdays.
        void pair(int rounds)
        {
            nameTeams(QStringLiteral("%1. Verein"));
            MainWindowFixture::pair(rounds);
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

    static QByteArray readFile(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }

private slots:
    void openedFileIsReadInItsOwnFormat_data()
    {
        // The file type left in the dialog from an earlier use says nothing
        // about the file chosen now.
        QTest::addColumn<int>("staleType");
        QTest::newRow("league type") << 1;
        QTest::newRow("previous version type") << 2;
        QTest::newRow("JSON type") << 4;
    }

    void openedFileIsReadInItsOwnFormat()
    {
        QFETCH(int, staleType);
        Fixture f;
        const QString season = f.dir.filePath(QStringLiteral("bundesliga.txt"));
        QVERIFY(QFile::copy(QStringLiteral(TEST_SOURCE_DIR "/tests/data/open-football/league/de-2023-24-bundesliga.txt"),
                            season));
        const QByteArray original = readFile(season);
        f.platform.files.accept(season, staleType);
        QTest::keyClick(f.frm.get(), Qt::Key_O, Qt::ControlModifier);
        const League &l = f.frm->league();
        QCOMPARE(l.teamNames[1], QStringLiteral("SV Werder Bremen"));
        QCOMPARE(f.row<QComboBox>("cboTeamA", 1)->itemText(2), QStringLiteral("FC Bayern München"));
        QVERIFY(l.leagueFileName.isEmpty());
        QVERIFY(!l.leagueSaved);

        // "Speichern" asks for a league file name; the season stays as it was.
        const QString saved = f.dir.filePath(QStringLiteral("Deutsche Bundesliga 2023-24.T98"));
        f.platform.files.accept(saved, 1);
        QTest::keyClick(f.frm.get(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(f.platform.files.asked.last().kind, FileDialogState::Save);
        QCOMPARE(f.platform.files.asked.last().presetName, saved);
        QCOMPARE(readFile(season), original);
        QVERIFY(readFile(saved).startsWith("[Options]"));
        QCOMPARE(l.leagueFileName, saved);

        // The saved league opens again with the Football.TXT type left over.
        f.trigger("mnuNeu");
        f.platform.files.accept(saved, 3);
        QTest::keyClick(f.frm.get(), Qt::Key_O, Qt::ControlModifier);
        QVERIFY2(f.platform.messages.shown.isEmpty(), qPrintable(f.platform.messages.shown.value(0).text));
        QCOMPARE(l.leagueFileName, saved);
        QVERIFY(l.leagueSaved);
        QCOMPARE(l.teamNames[1], QStringLiteral("SV Werder Bremen"));
    }

    void saveNeverWritesTheLeagueIntoAForeignFile()
    {
        Fixture f;
        // The league's file was replaced by a season's text meanwhile.
        const QString path = f.dir.filePath(QStringLiteral("liga.T98"));
        const QByteArray season = "= Liga 2024/25\nMatchday 1\n  A  1-0  B\n";
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(season);
        }
        f.frm->league().leagueFileName = path;
        f.frm->league().leagueSaved = false;
        f.platform.files.cancel();
        QTest::keyClick(f.frm.get(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(f.platform.files.asked.size(), 1);
        QCOMPARE(f.platform.files.asked.last().presetIndex, 1);
        QCOMPARE(readFile(path), season);
        QVERIFY(!f.frm->league().leagueSaved);
    }

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

    void redrawKeepsThePlayedPairings()
    {
        Fixture f;
        League &l = f.frm->league();
        LeagueFixtures::apply(l, FixtureGenerator::generate(LeagueFixtures::optionsFor(l, 20261208)));
        LeagueFixtures::nameSlots(l, 1);
        for (int j = 1; j <= 3; ++j)
            for (int k = 1; k <= l.rowCount(); ++k)
                l.match(j, k).goalsA = l.match(j, k).goalsB = 1;
        const League before = l;

        ModalScript script(f.frm->frmSpielplan());
        QString seedBefore;
        script.then([&](QWidget *dlg) {
            auto *seed = dlg->findChild<QLineEdit *>(QStringLiteral("edtSeed"));
            seedBefore = seed->text();
            auto *los = dlg->findChild<QPushButton *>(QStringLiteral("btnLos"));
            QTest::mouseClick(los, Qt::LeftButton);
            QVERIFY(seed->text() != seedBefore);
            QTest::mouseClick(dlg->findChild<QPushButton *>(QStringLiteral("btnOK")), Qt::LeftButton);
        });
        f.platform.messages.answers.enqueue(MessageBoxSeam::Yes);
        f.trigger("mnuSpielplan");
        QCOMPARE(script.shown(), 1);
        // The question says what happens to the played matchdays' games.
        QCOMPARE(f.platform.messages.shown.size(), 1);
        QVERIFY2(f.platform.messages.shown[0].text.contains(QStringLiteral("sodass sich jedes Paar einmal je Halbserie trifft")),
                 qPrintable(f.platform.messages.shown[0].text));
        for (int j = 1; j <= 3; ++j)
            for (int k = 1; k <= l.rowCount(); ++k)
                QCOMPARE(l.match(j, k), before.match(j, k));
        for (int first : {1, 18}) {
            QMap<QPair<int, int>, int> met;
            for (int j = first; j < first + 17; ++j)
                for (int k = 1; k <= l.rowCount(); ++k) {
                    const Match &m = l.match(j, k);
                    ++met[qMakePair(std::min(m.teamA, m.teamB), std::max(m.teamA, m.teamB))];
                }
            QCOMPARE(met.size(), 153);
            for (int times : met)
                QCOMPARE(times, 1);
        }
    }

    void redrawThatCannotPlaceThePairingsChangesNothing()
    {
        Fixture f;
        League &l = f.frm->league();
        LeagueFixtures::nameSlots(l, 1);
        l.match(1, 1) = Match{7, 8, 2, 2};
        l.match(2, 1) = Match{1, 2, 0, 0};
        l.leagueSaved = true;
        const League before = l;
        ModalScript script(f.frm->frmSpielplan());
        script.then([](QWidget *dlg) { QTest::mouseClick(dlg->findChild<QPushButton *>(QStringLiteral("btnOK")), Qt::LeftButton); });
        f.trigger("mnuSpielplan");
        QCOMPARE(f.platform.messages.shown.size(), 1);
        QCOMPARE(f.platform.messages.shown[0].icon, MessageBoxSeam::Error);
        QVERIFY2(f.platform.messages.shown[0].text.contains(QStringLiteral("freie Spieltage")),
                 qPrintable(f.platform.messages.shown[0].text));
        QVERIFY(l.sameContents(before));
        QVERIFY(l.leagueSaved);
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

    void tableNumbersAreDrawnWhole()
    {
        Fixture f;
        League &l = f.frm->league();
        // Start values give the widest numbers a long season brings to
        // each column: 88 games, 34 losses, 122 points, 100 goals.
        for (int i = 1; i <= l.teamCount; ++i) {
            l.teamNames[i] = QStringLiteral("Verein %1").arg(i);
            l.startWins[i] = 34;
            l.startDraws[i] = 20;
            l.startLosses[i] = 34;
            l.startGoalsFor[i] = 100;
            l.startGoalsAgainst[i] = 100 + i;
        }
        l.ErsterST();
        TfrmTab *tab = f.frm->frmTab();
        // The dialog font as a screen of 96 dots per inch draws it (8 points,
        // 11 pixels); the offscreen platform would draw it smaller.
        QFont screenFont = tab->font();
        screenFont.setPixelSize(11);
        tab->setFont(screenFont);
        ModalScript script(tab);
        script.then([](QWidget *w) {
            QList<QRect> rules;
            for (QFrame *frame : w->findChildren<QFrame *>())
                if (frame->property("ruleX").isValid())
                    rules << frame->geometry();
            QCOMPARE(rules.size(), 4);
            int checked = 0;
            for (QLabel *label : w->findChildren<QLabel *>()) {
                static const QRegularExpression numbers(QStringLiteral("^lbl(Sp|Ss|Su|Sn|Pkt|Te|Ta|Td)[0-9]+$"));
                if (!numbers.match(label->objectName()).hasMatch() || !label->isVisible())
                    continue;
                // Centred text: where it is drawn, in the table's pixels.
                const int width = label->fontMetrics().horizontalAdvance(label->text());
                const QRect g = label->geometry();
                const QRect drawn(g.center().x() - width / 2, g.y(), width, g.height());
                QVERIFY2(g.contains(drawn), qPrintable(label->objectName() + QLatin1Char(' ') + label->text()));
                for (const QRect &rule : rules)
                    QVERIFY2(!drawn.intersects(rule), qPrintable(label->objectName() + QLatin1Char(' ') + label->text()));
                ++checked;
            }
            QCOMPARE(checked, 18 * 8);
            QCOMPARE(w->findChild<QLabel *>(QStringLiteral("lblSn1"))->text(), QStringLiteral("34"));
        });
        f.trigger("mnuTab");
        QCOMPARE(script.shown(), 1);
    }

    void longNamesInTheCrossTableShowTheirStart()
    {
        Fixture f;
        League &l = f.frm->league();
        const QString name = QStringLiteral("Wolverhampton Wanderers Football Club");
        l.teamNames[3] = name;
        l.teamNames[4] = QStringLiteral("Wolves");
        ModalScript script(f.frm->frmKreuz());
        script.then([&](QWidget *w) {
            QTableWidget *names = nullptr;
            for (QTableWidget *t : w->findChildren<QTableWidget *>())
                if (t->columnCount() == 2)
                    names = t;
            QVERIFY(names);
            QTableWidgetItem *item = names->item(3, 1);
            QVERIFY(item->text().startsWith(QStringLiteral("Wolverhampton")));
            QVERIFY(item->text().size() < name.size());
            QVERIFY(names->fontMetrics().horizontalAdvance(item->text()) <= names->columnWidth(1) - 2);
            QCOMPARE(item->toolTip(), name);
            QCOMPARE(names->item(4, 1)->text(), QStringLiteral("Wolves"));
            QVERIFY(names->item(4, 1)->toolTip().isEmpty());
        });
        QTest::keyClick(f.frm.get(), Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(script.shown(), 1);
        // The grid the print and the exports read keeps the whole name.
        QCOMPARE(f.frm->frmKreuz()->asgKreuz().cell(1, 3), name);
    }

    void newTeamRowComesIntoViewAndDisabledOkSaysWhy()
    {
        Fixture f;
        f.pair(1);
        ModalScript script(f.frm->frmEinst());
        script.then([](QWidget *w) {
            auto *teams = w->findChild<QSpinBox *>(QStringLiteral("seTeams"));
            auto *ok = w->findChild<QPushButton *>(QStringLiteral("bbOK"));
            auto *hint = w->findChild<QLabel *>(QStringLiteral("lblHinweis"));
            auto *scroll = w->findChild<QScrollArea *>(QStringLiteral("scrTeams"));
            QVERIFY(teams && ok && hint && scroll);
            QVERIFY(ok->isEnabled());
            QVERIFY(hint->text().isEmpty());
            teams->setFocus();
            QTest::keyClick(teams, Qt::Key_Up);
            QCOMPARE(teams->value(), 19);
            // Row 19 has no name yet: it is in sight, and the hint names it.
            auto *row19 = w->findChild<QLineEdit *>(QStringLiteral("edTeam19"));
            auto inView = [&] { return QRect(row19->mapTo(scroll->viewport(), QPoint(0, 0)), row19->size()); };
            QTRY_VERIFY2(scroll->viewport()->rect().contains(inView()), qPrintable(QStringLiteral("row at %1, view %2, bar %3/%4").arg(inView().y()).arg(scroll->viewport()->height()).arg(scroll->verticalScrollBar()->value()).arg(scroll->verticalScrollBar()->maximum())));
            QVERIFY(!ok->isEnabled());
            QVERIFY(hint->isVisible());
            QCOMPARE(hint->text(), QStringLiteral("Mannschaft 19 hat noch keinen Namen."));
            QTest::mouseClick(row19, Qt::LeftButton);
            QTest::keyClicks(row19, QStringLiteral("Neu"));
            QVERIFY2(ok->isEnabled(), qPrintable(hint->text() + QLatin1Char('|') + row19->text()));
            QVERIFY(hint->text().isEmpty());
            // Start games that differ are named with their rows.
            auto *wins = w->findChild<QLineEdit *>(QStringLiteral("meSS2"));
            wins->setFocus(Qt::TabFocusReason);
            wins->setCursorPosition(0);
            QTest::keyClicks(wins, QStringLiteral("2"));
            QVERIFY(!ok->isEnabled());
            QVERIFY2(hint->text().contains(QStringLiteral("Mannschaft 1: 0, Mannschaft 2: 2")), qPrintable(hint->text()));
            clickButton(w, "bbAbbr");
        });
        QTest::keyClick(f.frm.get(), Qt::Key_G, Qt::ControlModifier);
        QCOMPARE(script.shown(), 1);
        QCOMPARE(f.frm->league().teamCount, 18);
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
