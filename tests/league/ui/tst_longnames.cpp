#include "league/model/League.h"
#include "league/ui/ScriptedPlatform.h"
#include "league/ui/TfrmTN.h"
#include "league/ui/TfrmTab.h"
#include "mainwindow_helper.h"
#include "modal_helper.h"

#include <QLabel>
#include <functional>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

// Team names longer than the cells that show them.
class TestLongNames : public QObject {
    Q_OBJECT

private:
    struct Fixture : MainWindowFixture {
        Fixture() { nameTeams(); }
    };

    // Runs check on the table window while it is open.
    static void openTable(Fixture &f, const std::function<void(QWidget *)> &check)
    {
        ModalScript script(f.frm->frmTab());
        script.then([&](QWidget *dlg) {
            check(dlg);
            clickButton(dlg, "bbOK");
        });
        f.frm->mnuTabClick();
    }

private slots:
    void theTableCutsALongNameAtItsEnd()
    {
        Fixture f;
        League &l = f.frm->league();
        const QString longName = QStringLiteral("Turn- und Sportverein Blau-Weiß Niederrhein-Süd von 1898 e. V.");
        const QString markup = QStringLiteral("<b>Fett</b> & Co");
        l.teamNames[1] = longName;
        l.teamNames[2] = markup;
        // Slot 1 wins its match and stands first; slot 2 is second on goals.
        l.match(1, 1) = Match{1, 3, 5, 0};
        l.match(1, 2) = Match{2, 4, 4, 0};
        bool checked = false;
        openTable(f, [&](QWidget *dlg) {
            auto *first = dlg->findChild<QLabel *>(QStringLiteral("lblTeam1"));
            const QString shown = first->text();
            QVERIFY2(shown.endsWith(QChar(0x2026)), qPrintable(shown));
            QVERIFY(longName.startsWith(shown.chopped(1)));
            QVERIFY(shown.size() > 10);
            QVERIFY(first->fontMetrics().horizontalAdvance(shown) <= first->width());
            QCOMPARE(first->toolTip(), longName);

            auto *second = dlg->findChild<QLabel *>(QStringLiteral("lblTeam2"));
            QCOMPARE(second->text(), markup);
            QCOMPARE(second->textFormat(), Qt::PlainText);
            QVERIFY2(second->toolTip().isEmpty(), "a name that fits needs no tooltip");
            checked = true;
        });
        QVERIFY(checked);
    }
};

QTEST_MAIN(TestLongNames)
#include "tst_longnames.moc"
