#include "league/model/League.h"
#include "league/ui/ScriptedPlatform.h"
#include "league/ui/TfrmTN.h"
#include "mainwindow_helper.h"

#include "league/model/IniFile.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

// A matchday entered from the keyboard alone.
class TestKeyboardEntry : public QObject {
    Q_OBJECT

private:
    struct Fixture : MainWindowFixture {
        Fixture() { showOnScreen(false); }
        QDateEdit *date(const char *name) const { return panel<QDateEdit>(QString::fromLatin1(name)); }
        // Nine pairings on matchday 1, teams 2k-1 against 2k.
        void pairMatchdayOne()
        {
            nameTeams(QStringLiteral("%1. Verein"));
            pair(1);
        }
    };

    static void keys(const QString &text)
    {
        for (const QChar c : text) {
            QWidget *w = QApplication::focusWidget();
            QVERIFY(w);
            if (c == QLatin1Char('\n'))
                QTest::keyClick(w, Qt::Key_Return);
            else if (c == QLatin1Char('\r'))
                QTest::keyClick(w, Qt::Key_Enter, Qt::KeypadModifier);
            else
                QTest::keyClick(w, Qt::Key(Qt::Key_0 + c.digitValue()));
        }
    }

    // Selects the field's whole text, as a click into it or Tab does, and
    // types over it.
    static void typeOver(QDateEdit *field, const QString &text)
    {
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, text);
    }

private slots:
    void nineResultsByDigitsAndEnter()
    {
        Fixture f;
        f.pairMatchdayOne();
        // Tab into the first goal field selects its text.
        f.row<QLineEdit>("meTorA", 1)->setFocus(Qt::TabFocusReason);
        // Row k ends k % 4 : k % 3; the keypad's Enter works as well.
        QString typed;
        for (int k = 1; k <= League::kRows; ++k)
            typed += QString::number(k % 4) + (k % 2 ? QStringLiteral("\n") : QStringLiteral("\r"))
                     + QString::number(k % 3) + QStringLiteral("\n");
        keys(typed);
        // From the last away field Enter goes back to the first row's home.
        QCOMPARE(QApplication::focusWidget(), f.row<QLineEdit>("meTorA", 1));
        const League &l = f.frm->league();
        for (int k = 1; k <= League::kRows; ++k)
            QCOMPARE(l.match(1, k), (Match{2 * k - 1, 2 * k, k % 4, k % 3}));

        f.platform.files.accept(f.dir.filePath(QStringLiteral("tastatur")));
        f.frm->findChild<QAction *>(QStringLiteral("mnuSpeichern"))->trigger();
        IniFile file(f.dir.filePath(QStringLiteral("tastatur.t98")));
        for (int k = 1; k <= League::kRows; ++k) {
            QCOMPARE(file.readInteger(QStringLiteral("Round1"), QStringLiteral("GA%1").arg(k), -9), k % 4);
            QCOMPARE(file.readInteger(QStringLiteral("Round1"), QStringLiteral("GB%1").arg(k), -9), k % 3);
        }
    }

    void aDigitRightAfterTheGoalsPicksNoTeam()
    {
        Fixture f;
        f.pairMatchdayOne();
        f.row<QLineEdit>("meTorB", 1)->setFocus(Qt::TabFocusReason);
        keys(QStringLiteral("2"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), f.row<QComboBox>("cboTeamA", 2));
        // "1" would pick "1. Verein" in the list; typed on at once it does not.
        keys(QStringLiteral("1"));
        QCOMPARE(f.row<QComboBox>("cboTeamA", 2)->currentIndex(), 3);
        QCOMPARE(f.frm->league().match(1, 2).teamA, 3);
        QCOMPARE(f.frm->league().match(1, 1).goalsB, 2);
    }

    void aTypedDateIsTakenAsTyped_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QDate>("expected");
        QTest::newRow("two-digit parts") << QStringLiteral("24.12.2026") << QDate(2026, 12, 24);
        QTest::newRow("one-digit parts") << QStringLiteral("1.3.2027") << QDate(2027, 3, 1);
        QTest::newRow("leap day") << QStringLiteral("29.02.2028") << QDate(2028, 2, 29);
        QTest::newRow("digits without dots") << QStringLiteral("21082026") << QDate(2026, 8, 21);
    }

    void aTypedDateIsTakenAsTyped()
    {
        QFETCH(QString, typed);
        QFETCH(QDate, expected);
        Fixture f;
        QDateEdit *from = f.date("edDatum1");
        typeOver(from, typed);
        QCOMPARE(from->date(), expected);
        QCOMPARE(from->findChild<QLineEdit *>()->text(), expected.toString(QStringLiteral("dd.MM.yyyy")));
        QCOMPARE(f.frm->league().dates(1).dateFrom, expected.toString(QStringLiteral("dd.MM.yyyy")));
        QVERIFY(f.platform.messages.shown.isEmpty());

        // The second field the same way, after Tab from the first.
        QDateEdit *to = f.date("edDatum2");
        typeOver(to, typed);
        QCOMPARE(f.frm->league().dates(1).dateTo, expected.toString(QStringLiteral("dd.MM.yyyy")));
    }

    void anImpossibleDateIsRefusedAndTheOldKept_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("endKey");
        QTest::newRow("no 31 February") << QStringLiteral("31.02.2026") << 0;
        QTest::newRow("no month 13") << QStringLiteral("12.13.2026") << 0;
        QTest::newRow("no 29 February in 2027") << QStringLiteral("29.2.2027") << 0;
        QTest::newRow("no 31 February without dots") << QStringLiteral("31022026") << 0;
        QTest::newRow("six digits, ended by Enter") << QStringLiteral("210826") << int(Qt::Key_Return);
        QTest::newRow("no year, ended by Enter") << QStringLiteral("24.12") << int(Qt::Key_Return);
    }

    void anImpossibleDateIsRefusedAndTheOldKept()
    {
        QFETCH(QString, typed);
        QFETCH(int, endKey);
        Fixture f;
        QDateEdit *from = f.date("edDatum1");
        from->setDate(QDate(2026, 8, 7));
        f.frm->league().leagueSaved = true;
        typeOver(from, typed);
        if (endKey)
            QTest::keyClick(from, Qt::Key(endKey));
        QCOMPARE(from->date(), QDate(2026, 8, 7));
        QCOMPARE(from->findChild<QLineEdit *>()->text(), QStringLiteral("07.08.2026"));
        QCOMPARE(f.platform.messages.shown.size(), 1);
        QCOMPARE(f.platform.messages.shown.at(0).text, QStringLiteral("'%1' ist kein gültiges Datum").arg(typed));
        QCOMPARE(f.frm->league().dates(1).dateFrom, QStringLiteral("07.08.2026"));
    }

    void escapeGivesBackTheOldDate()
    {
        Fixture f;
        QDateEdit *from = f.date("edDatum1");
        from->setDate(QDate(2026, 8, 7));
        typeOver(from, QStringLiteral("24.1"));
        QTest::keyClick(from, Qt::Key_Escape);
        QCOMPARE(from->date(), QDate(2026, 8, 7));
        QVERIFY(f.platform.messages.shown.isEmpty());
        // Without the whole text selected, a digit edits its section as before.
        from->findChild<QLineEdit *>()->setCursorPosition(0);
        from->findChild<QLineEdit *>()->deselect();
        QTest::keyClick(from, Qt::Key_Up);
        QCOMPARE(from->date(), QDate(2026, 8, 8));
    }
};

QTEST_MAIN(TestKeyboardEntry)
#include "tst_keyboardentry.moc"
