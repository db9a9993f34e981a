#include "league/ui/AppSetup.h"
#include "league/ui/QtPlatform.h"
#include "league/ui/ScriptedPlatform.h"
#include "league/ui/TfrmTN.h"
#include "modal_helper.h"

#include <QAction>
#include <QApplication>
#include <QCalendarWidget>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>

namespace {

const QStringList kMonths{"Januar", "Februar", "März", "April", "Mai", "Juni", "Juli",
                          "August", "September", "Oktober", "November", "Dezember"};

} // namespace

// tabulon's start-up under a desktop that runs in English (or plain C):
// Qt's own dialogs, the key names in the menus and the calendar speak
// German all the same.
class TestGermanUi : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QCOMPARE(QLocale::system().language(), QLocale::C);
        AppSetup::prepare();
        // A second call changes nothing.
        AppSetup::prepare();
    }

    void standardButtonsAreGerman()
    {
        QVERIFY(AppSetup::germanStandardDialogs());
        QMessageBox box(QMessageBox::Question, QStringLiteral("Bestätigen"), QStringLiteral("?"),
                        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        QCOMPARE(box.button(QMessageBox::Yes)->text(), QStringLiteral("&Ja"));
        QCOMPARE(box.button(QMessageBox::No)->text(), QStringLiteral("&Nein"));
        QCOMPARE(box.button(QMessageBox::Cancel)->text(), QStringLiteral("Abbrechen"));
        QDialogButtonBox buttons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
        QCOMPARE(buttons.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Abbrechen"));
    }

    void menuShortcutsReadStrg_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("shown");
        QTest::newRow("Neu") << "mnuNeu" << "Strg+N";
        QTest::newRow("Öffnen") << "mnuOeffnen" << "Strg+O";
        QTest::newRow("Export") << "mnuExport" << "Strg+H";
        QTest::newRow("Beenden") << "mnuEnde" << "Strg+Q";
        QTest::newRow("Fieberkurven") << "mnuKurve" << "Strg+F";
        QTest::newRow("zurück") << "mnuR" << "F3";
    }

    void menuShortcutsReadStrg()
    {
        QFETCH(QString, action);
        QFETCH(QString, shown);
        QTemporaryDir dir;
        ScriptedPlatform platform;
        TfrmTN frm(platform.seams(), dir.path() + QLatin1Char('/'), {});
        auto *a = frm.findChild<QAction *>(action);
        QVERIFY(a);
        // The text a menu draws beside the item, as the toolbar hints write it.
        QCOMPARE(a->shortcut().toString(QKeySequence::NativeText), shown);
    }

    void calendarNamesMonthsAndDaysInGerman()
    {
        QTemporaryDir dir;
        ScriptedPlatform platform;
        TfrmTN frm(platform.seams(), dir.path() + QLatin1Char('/'), {});
        auto *date = frm.centralWidget()->findChild<QDateEdit *>(QStringLiteral("edDatum1"));
        QVERIFY(date);
        date->setDate(QDate(2024, 3, 14));
        QCalendarWidget *calendar = date->calendarWidget();
        QVERIFY(calendar);
        calendar->setSelectedDate(QDate(2024, 3, 14));
        auto *month = calendar->findChild<QToolButton *>(QStringLiteral("qt_calendar_monthbutton"));
        QVERIFY(month);
        QCOMPARE(month->text(), kMonths.at(2));
        // German weeks start on Monday.
        QCOMPARE(calendar->firstDayOfWeek(), Qt::Monday);
        QCOMPARE(calendar->locale().dayName(1), QStringLiteral("Montag"));
        QCOMPARE(calendar->locale().dayName(7), QStringLiteral("Sonntag"));
        for (int m = 1; m <= 12; ++m)
            QCOMPARE(calendar->locale().monthName(m), kMonths.at(m - 1));
        // The field's own text keeps the league's format.
        QCOMPARE(date->text(), QStringLiteral("14.03.2024"));
    }

    void fileDialogsAreQtsOwnAndGerman()
    {
        QVERIFY(QCoreApplication::testAttribute(Qt::AA_DontUseNativeDialogs));
        QTemporaryDir dir;
        QFile league(dir.filePath(QStringLiteral("liga.t98")));
        QVERIFY(league.open(QIODevice::WriteOnly));
        league.write(QByteArray(1500, 'x'));
        league.close();
        FileDialogState state(FileDialogState::Open, {{QStringLiteral("Tabulon '98 (*.t98)"), QStringLiteral("*.t98")}},
                              QStringLiteral("t98"));
        state.fileName = league.fileName();
        bool seen = false;
        whenModal<QFileDialog>([&](QFileDialog *dlg) {
            seen = true;
            QVERIFY(dlg->testOption(QFileDialog::DontUseNativeDialog));
            auto *buttons = dlg->findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"));
            QVERIFY(buttons);
            QCOMPARE(buttons->button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Abbrechen"));
            auto *lookIn = dlg->findChild<QLabel *>(QStringLiteral("lookInLabel"));
            QVERIFY(lookIn);
            QVERIFY2(lookIn->text() != QStringLiteral("Look in:"), qPrintable(lookIn->text()));
            auto *typeLabel = dlg->findChild<QLabel *>(QStringLiteral("fileTypeLabel"));
            QVERIFY(typeLabel);
            QVERIFY2(typeLabel->text() != QStringLiteral("Files of type:"), qPrintable(typeLabel->text()));

            // The file list writes sizes and dates the German way too.
            auto *details = dlg->findChild<QTreeView *>(QStringLiteral("treeView"));
            QVERIFY(details);
            QAbstractItemModel *model = details->model();
            QTRY_COMPARE(model->rowCount(details->rootIndex()), 1);
            const QModelIndex row = model->index(0, 0, details->rootIndex());
            QCOMPARE(row.data().toString(), QStringLiteral("liga.t98"));
            QCOMPARE(row.siblingAtColumn(1).data().toString(), QStringLiteral("1,46 KiB"));
            const QString changed = row.siblingAtColumn(3).data().toString();
            QVERIFY2(QRegularExpression(QStringLiteral("^\\d\\d\\.\\d\\d\\.\\d\\d \\d\\d:\\d\\d$")).match(changed).hasMatch(),
                     qPrintable(changed));
        });
        QtFileDialog files;
        QVERIFY(!files.exec(nullptr, state));
        QVERIFY(seen);
    }

    void overwriteQuestionIsGerman()
    {
        QTemporaryDir dir;
        const QString existing = dir.filePath(QStringLiteral("liga.t98"));
        QFile file(existing);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        FileDialogState state(FileDialogState::Save, {{QStringLiteral("Tabulon '98 (*.t98)"), QStringLiteral("*.t98")}},
                              QStringLiteral("t98"));
        state.fileName = existing;
        QStringList answers;
        QString question;
        whenModal<QFileDialog>([&](QFileDialog *dlg) {
            whenModal<QMessageBox>(
                [&](QMessageBox *box) {
                    question = box->text();
                    for (QAbstractButton *b : box->buttons())
                        answers << b->text();
                    QTest::mouseClick(box->button(QMessageBox::No), Qt::LeftButton);
                },
                dlg);
            QMetaObject::invokeMethod(dlg, "accept");
            // "Nein" leaves the file dialog open.
            QVERIFY(dlg->isVisible());
        });
        QtFileDialog files;
        QVERIFY(!files.exec(nullptr, state));
        answers.sort();
        QCOMPARE(answers, (QStringList{"&Ja", "&Nein"}));
        QVERIFY2(question.contains(QStringLiteral("liga.t98")), qPrintable(question));
        QVERIFY2(!question.contains(QStringLiteral("already exists")), qPrintable(question));
    }
};

int main(int argc, char *argv[])
{
    // The desktop of a plain shell or a container: no language at all.
    qputenv("LANG", "C.UTF-8");
    qputenv("LC_ALL", "C.UTF-8");
    qunsetenv("LANGUAGE");
    QApplication app(argc, argv);
    TestGermanUi test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_germanui.moc"
