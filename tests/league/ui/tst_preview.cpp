#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include "league/model/League.h"
#include "league/print/TPageWriter.h"
#include "league/standings/RowBands.h"
#include "league/ui/PrinterSeam.h"
#include "league/ui/ScriptedPlatform.h"
#include "league/ui/TfrmDruck.h"
#include "league/ui/TfrmDruckDlg.h"

namespace {

int pdfPages(const QByteArray &pdf)
{
    return int(QString::fromLatin1(pdf).count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))));
}

void writePages(TPageWriter &w, int count)
{
    w.BeginDoc();
    for (int p = 1; p <= count; ++p) {
        if (p > 1)
            w.NewPage();
        w.WriteLine(QStringLiteral("Seite %1").arg(p));
    }
    w.EndDoc();
}

void typeZoom(TfrmDruck &f, const QString &text)
{
    f.ZoomList->lineEdit()->clear();
    QTest::keyClicks(f.ZoomList->lineEdit(), text);
    QTest::keyClick(f.ZoomList->lineEdit(), Qt::Key_Return);
}

// Runs `step` as soon as `widget` is shown by a modal exec.
void whenShown(QWidget *widget, std::function<void()> step)
{
    auto *timer = new QTimer(widget);
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, widget, [widget, timer, step] {
        if (!widget->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        step();
    });
    timer->start();
}

} // namespace

class TestPreview : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void layoutAndCaptions();
    void pagingThroughThreePages();
    void fixedZoomEntries_data();
    void fixedZoomEntries();
    void fitModesAndZoomText_data();
    void fitModesAndZoomText();
    void typedZoom_data();
    void typedZoom();
    void copiesPrintEveryPageInOneJob();
    void emptyStoreSendsNothing();
    void noDefaultPrinterIsReported();
    void savesPdfAndRemembersName();
    void pdfWriteFailureLeavesNoFile();
    void helpContext();

    void dialogDefaults();
    void dialogSpeedButtons();
    void printCommandOpensPreview();
    void cancelledDialogPrintsNothing();

private:
    std::unique_ptr<TPageWriter> m_prn;
    std::unique_ptr<ScriptedPlatform> m_platform;
    std::unique_ptr<ScriptedPrinter> m_printer;
    std::unique_ptr<TfrmDruck> m_form;
};

void TestPreview::init()
{
    m_prn = std::make_unique<TPageWriter>();
    m_platform = std::make_unique<ScriptedPlatform>();
    m_printer = std::make_unique<ScriptedPrinter>();
    m_form = std::make_unique<TfrmDruck>(*m_prn, *m_printer, m_platform->seams());
}

void TestPreview::cleanup()
{
    m_form.reset();
    m_printer.reset();
    m_platform.reset();
    m_prn.reset();
}

void TestPreview::layoutAndCaptions()
{
    TfrmDruck &f = *m_form;
    QCOMPARE(f.windowTitle(), QStringLiteral("Druckvorschau"));
    QCOMPARE(f.size(), QSize(369, 352));
    QCOMPARE(f.Prn->objectName(), QStringLiteral("Prn"));
    QCOMPARE(f.Prn->geometry(), QRect(4, 4, 233, 317));
    QCOMPARE(f.bbPrint->text(), QStringLiteral("Drucken"));
    QCOMPARE(f.bbOK->text(), QStringLiteral("Schließen"));
    QCOMPARE(f.bbHilfe->text(), QStringLiteral("Hilfe"));
    QCOMPARE(f.bbPdf->text(), QStringLiteral("Als PDF speichern…"));
    QCOMPARE(f.seCopies->minimum(), 1);
    QCOMPARE(f.seCopies->maximum(), 99);
    QCOMPARE(f.seCopies->value(), 1);
    QCOMPARE(f.ZoomList->currentText(), QStringLiteral("25%"));
    QStringList entries;
    for (int i = 0; i < f.ZoomList->count(); ++i)
        entries << f.ZoomList->itemText(i);
    QCOMPARE(entries, (QStringList{QStringLiteral("200%"), QStringLiteral("175%"), QStringLiteral("150%"),
                                   QStringLiteral("125%"), QStringLiteral("100%"), QStringLiteral("75%"),
                                   QStringLiteral("50%"), QStringLiteral("25%"), QStringLiteral("ganze Breite"),
                                   QStringLiteral("ganze Höhe"), QStringLiteral("ganze Seite")}));
    QCOMPARE(f.ZoomTimer->interval(), 50);
    QVERIFY(!f.ZoomTimer->isActive());
    QCOMPARE(f.btnPrevPage->size(), QSize(25, 25));
    QCOMPARE(f.btnNextPage->size(), QSize(25, 25));
    QCOMPARE(f.Prn->zoom(), 25);

    // The labels the window shows beside its fields.
    QStringList labels;
    for (QLabel *l : f.findChildren<QLabel *>())
        labels << l->text();
    for (const char *text : {"Anzahl der", "Kopien", "Zoomfaktor:", "Seite:"})
        QVERIFY2(labels.contains(QString::fromUtf8(text)), text);

    // Every control stays inside the window, right of the page view, and
    // no two controls cover each other.
    QList<QWidget *> controls;
    for (QWidget *w : f.findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if (w->isVisibleTo(&f))
            controls << w;
    QVERIFY(controls.size() >= 10);
    for (QWidget *w : controls) {
        QVERIFY2(f.rect().contains(w->geometry()), qPrintable(w->objectName()));
        if (w != f.Prn)
            QVERIFY2(w->geometry().left() > f.Prn->geometry().right(), qPrintable(w->objectName()));
        for (QWidget *other : controls)
            if (other != w)
                QVERIFY2(!w->geometry().intersects(other->geometry()),
                         qPrintable(w->objectName() + QStringLiteral(" / ") + other->objectName()));
    }
}

void TestPreview::pagingThroughThreePages()
{
    writePages(*m_prn, 3);
    TfrmDruck &f = *m_form;
    f.Prn->pagesChanged();
    f.FormShow();
    QCOMPARE(f.lblPage->text(), QStringLiteral("1 von 3"));
    QTest::mouseClick(f.btnPrevPage, Qt::LeftButton);
    QCOMPARE(f.Prn->currentPage(), 1);
    QCOMPARE(f.lblPage->text(), QStringLiteral("1 von 3"));
    QTest::mouseClick(f.btnNextPage, Qt::LeftButton);
    QCOMPARE(f.lblPage->text(), QStringLiteral("2 von 3"));
    QTest::mouseClick(f.btnNextPage, Qt::LeftButton);
    QTest::mouseClick(f.btnNextPage, Qt::LeftButton);
    QCOMPARE(f.Prn->currentPage(), 3);
    QCOMPARE(f.lblPage->text(), QStringLiteral("3 von 3"));
    QTest::mouseClick(f.btnPrevPage, Qt::LeftButton);
    QCOMPARE(f.lblPage->text(), QStringLiteral("2 von 3"));

    // A new document opens on page 1 again.
    writePages(*m_prn, 2);
    f.Prn->pagesChanged();
    f.FormShow();
    QCOMPARE(f.lblPage->text(), QStringLiteral("1 von 2"));
}

void TestPreview::fixedZoomEntries_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("zoom");
    const int zooms[] = {200, 175, 150, 125, 100, 75, 50, 25};
    for (int i = 0; i < 8; ++i)
        QTest::addRow("entry %d", i) << i << zooms[i];
}

void TestPreview::fixedZoomEntries()
{
    QFETCH(int, index);
    QFETCH(int, zoom);
    writePages(*m_prn, 1);
    TfrmDruck &f = *m_form;
    f.Prn->pagesChanged();
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    f.Prn->setZoom(33);
    f.ZoomListClick(index);
    QCOMPARE(f.Prn->zoom(), zoom);
    // The page grows with the zoom: A4 at the screen's resolution.
    const double dpi = f.Prn->logicalDpiX();
    QVERIFY(qAbs(f.Prn->pageSizePixels().width() - 210 / 25.4 * dpi * zoom / 100) <= 1);
    QTRY_COMPARE(f.ZoomList->currentText(), QStringLiteral("%1%").arg(zoom));
}

void TestPreview::fitModesAndZoomText_data()
{
    QTest::addColumn<int>("index");
    QTest::newRow("ganze Breite") << 8;
    QTest::newRow("ganze Höhe") << 9;
    QTest::newRow("ganze Seite") << 10;
}

void TestPreview::fitModesAndZoomText()
{
    QFETCH(int, index);
    writePages(*m_prn, 1);
    TfrmDruck &f = *m_form;
    f.Prn->pagesChanged();
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    f.ZoomList->setCurrentIndex(index);
    f.ZoomListClick(index);
    QVERIFY(f.ZoomTimer->isActive());
    const int zoom = f.Prn->zoom();

    // The fitted side fills the view (what is left of it beside a scroll
    // bar), and one per cent more would not fit.
    const QSize area = f.Prn->maximumViewportSize();
    const double dpiX = f.Prn->logicalDpiX();
    const double dpiY = f.Prn->logicalDpiY();
    const auto width = [&](int z) { return 210 / 25.4 * dpiX * z / 100; };
    const auto height = [&](int z) { return 297 / 25.4 * dpiY * z / 100; };
    const int bar = 30; // room a scroll bar may take
    if (index == 8) {
        QVERIFY(width(zoom) <= area.width());
        QVERIFY(width(zoom + 1) > area.width() - bar);
    } else if (index == 9) {
        QVERIFY(height(zoom) <= area.height());
        QVERIFY(height(zoom + 1) > area.height() - bar);
    } else {
        QVERIFY(width(zoom) <= area.width() && height(zoom) <= area.height());
        QVERIFY(width(zoom + 1) > area.width() || height(zoom + 1) > area.height());
    }
    // 50 ms later the list shows the resulting percentage.
    QTRY_COMPARE(f.ZoomList->currentText(), QStringLiteral("%1%").arg(zoom));
    QVERIFY(!f.ZoomTimer->isActive());
}

void TestPreview::typedZoom_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("zoom");
    QTest::newRow("80") << "80" << 80;
    QTest::newRow("300") << "300" << 300;
    QTest::newRow("abc") << "abc" << 25;
    QTest::newRow("80 with percent") << "80%" << 25;
    QTest::newRow("zero") << "0" << 25;
    QTest::newRow("negative") << "-50" << 25;
}

void TestPreview::typedZoom()
{
    QFETCH(QString, typed);
    QFETCH(int, zoom);
    writePages(*m_prn, 1);
    TfrmDruck &f = *m_form;
    f.Prn->pagesChanged();
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    f.ZoomList->setFocus();
    const int itemsBefore = f.ZoomList->count();
    typeZoom(f, typed);
    QCOMPARE(f.Prn->zoom(), zoom);
    // Enter is consumed: nothing is added to the list, the window stays.
    QCOMPARE(f.ZoomList->count(), itemsBefore);
    QVERIFY(f.isVisible());
}

void TestPreview::copiesPrintEveryPageInOneJob()
{
    writePages(*m_prn, 2);
    TfrmDruck &f = *m_form;
    f.Prn->pagesChanged();
    f.seCopies->setValue(3);
    QCOMPARE(m_prn->copies(), 3);
    QTest::mouseClick(f.bbPrint, Qt::LeftButton);
    QCOMPARE(m_printer->jobs.size(), 1);
    QCOMPARE(pdfPages(m_printer->jobs.first()), 6);
    QVERIFY(m_platform->messages.shown.isEmpty());

    f.seCopies->setValue(1);
    QTest::mouseClick(f.bbPrint, Qt::LeftButton);
    QCOMPARE(m_printer->jobs.size(), 2);
    QCOMPARE(pdfPages(m_printer->jobs.last()), 2);
}

void TestPreview::emptyStoreSendsNothing()
{
    QTest::mouseClick(m_form->bbPrint, Qt::LeftButton);
    QCOMPARE(m_printer->jobs.size(), 0);
    QCOMPARE(m_platform->messages.shown.size(), 1);
    const ScriptedMessageBox::Shown box = m_platform->messages.shown.first();
    QCOMPARE(box.text, QStringLiteral("Hier gibts nichts zu drucken."));
    QCOMPARE(box.icon, MessageBoxSeam::Information);
    QCOMPARE(box.buttons, QList<MessageBoxSeam::Answer>{MessageBoxSeam::Ok});
}

void TestPreview::noDefaultPrinterIsReported()
{
    writePages(*m_prn, 1);
    m_printer->hasDefaultPrinter = false;
    QTest::mouseClick(m_form->bbPrint, Qt::LeftButton);
    QCOMPARE(m_printer->refused, 1);
    QCOMPARE(m_printer->jobs.size(), 0);
    QCOMPARE(m_platform->messages.shown.size(), 1);
    QCOMPARE(m_platform->messages.shown.first().text, DefaultPrinter::noDefaultPrinterText());
}

void TestPreview::savesPdfAndRemembersName()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    writePages(*m_prn, 2);
    m_form->seCopies->setValue(4);
    m_platform->files.accept(dir.filePath(QStringLiteral("liga")));
    QTest::mouseClick(m_form->bbPdf, Qt::LeftButton);
    QFile file(dir.filePath(QStringLiteral("liga.pdf")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    // A saved document holds every page once, whatever the copies say.
    QCOMPARE(pdfPages(file.readAll()), 2);
    QVERIFY(m_platform->messages.shown.isEmpty());

    m_platform->files.cancel();
    QTest::mouseClick(m_form->bbPdf, Qt::LeftButton);
    QCOMPARE(m_platform->files.asked.size(), 2);
    QCOMPARE(m_platform->files.asked.last().presetName, dir.filePath(QStringLiteral("liga.pdf")));
    QCOMPARE(m_platform->files.asked.last().kind, FileDialogState::Save);
}

void TestPreview::pdfWriteFailureLeavesNoFile()
{
    writePages(*m_prn, 1);
    const QString path = QStringLiteral("/nonexistent-folder/liga.pdf");
    m_platform->files.accept(path);
    QTest::mouseClick(m_form->bbPdf, Qt::LeftButton);
    QCOMPARE(m_platform->messages.shown.size(), 1);
    QCOMPARE(m_platform->messages.shown.first().text, QStringLiteral("Kann nicht nach %1 schreiben").arg(path));
    QVERIFY(!QFile::exists(path));
}

void TestPreview::helpContext()
{
    QTest::mouseClick(m_form->bbHilfe, Qt::LeftButton);
    QCOMPARE(m_platform->help.contexts, QList<int>{8});
}

void TestPreview::dialogDefaults()
{
    League league;
    league.teamNames[1] = QStringLiteral("Werder Bremen");
    league.results[3][2] = Match{1, 2, -1, -1};
    const RowBandColors bands = RowBandColors::defaultLayout();
    TfrmDruckDlg dlg(league, bands, *m_prn, *m_form, m_platform->seams());
    QCOMPARE(dlg.windowTitle(), QStringLiteral("Druckauswahl"));
    QCOMPARE(dlg.size(), QSize(497, 321));
    dlg.CheckBox35->setChecked(false);
    dlg.roundBoxes[7]->setChecked(true);
    dlg.teamBoxes[4]->setChecked(false);
    dlg.resetChoices();
    QVERIFY(dlg.CheckBox35->isChecked());
    QVERIFY(dlg.CheckBox36->isChecked());
    QCOMPARE(dlg.filledRounds, 1);
    for (int j = 1; j <= 34; ++j) {
        QCOMPARE(dlg.roundBoxes[j]->isChecked(), j == 3);
        QCOMPARE(dlg.roundBoxes[j]->text(), QString::number(j));
        QCOMPARE(dlg.roundBoxes[j]->objectName(), QStringLiteral("CheckBox%1").arg(j));
    }
    for (int t = 1; t <= 18; ++t) {
        QVERIFY(dlg.teamBoxes[t]->isChecked());
        QCOMPARE(dlg.teamBoxes[t]->objectName(), QStringLiteral("CheckBox%1").arg(36 + t));
    }
    QCOMPARE(dlg.teamBoxes[1]->toolTip(), QStringLiteral("Werder Bremen"));
    QCOMPARE(dlg.teamBoxes[2]->text(), QStringLiteral("Team"));
    // Three team boxes to a row, in slot order.
    QCOMPARE(dlg.teamBoxes[2]->y(), dlg.teamBoxes[1]->y());
    QVERIFY(dlg.teamBoxes[2]->x() > dlg.teamBoxes[1]->x());
    QVERIFY(dlg.teamBoxes[4]->y() > dlg.teamBoxes[1]->y());
    // Six matchdays to a column.
    QCOMPARE(dlg.roundBoxes[7]->y(), dlg.roundBoxes[1]->y());
    QVERIFY(dlg.roundBoxes[7]->x() > dlg.roundBoxes[6]->x());
    for (QWidget *w : dlg.findChildren<QWidget *>())
        QVERIFY2(w->parentWidget()->rect().contains(w->geometry()), qPrintable(w->objectName()));
}

void TestPreview::dialogSpeedButtons()
{
    League league;
    league.results[5][1] = Match{1, 2, 0, 0};
    const RowBandColors bands = RowBandColors::defaultLayout();
    TfrmDruckDlg dlg(league, bands, *m_prn, *m_form, m_platform->seams());
    dlg.resetChoices();
    QTest::mouseClick(dlg.SpeedButton2, Qt::LeftButton); // invert
    for (int j = 1; j <= 34; ++j)
        QCOMPARE(dlg.roundBoxes[j]->isChecked(), j != 5);
    QTest::mouseClick(dlg.SpeedButton3, Qt::LeftButton); // none
    for (int j = 1; j <= 34; ++j)
        QVERIFY(!dlg.roundBoxes[j]->isChecked());
    QTest::mouseClick(dlg.SpeedButton1, Qt::LeftButton); // all
    for (int j = 1; j <= 34; ++j)
        QVERIFY(dlg.roundBoxes[j]->isChecked());
    QTest::mouseClick(dlg.SpeedButton4, Qt::LeftButton); // no team
    for (int t = 1; t <= 18; ++t)
        QVERIFY(!dlg.teamBoxes[t]->isChecked());
    dlg.teamBoxes[2]->setChecked(true);
    QTest::mouseClick(dlg.SpeedButton6, Qt::LeftButton); // invert teams
    for (int t = 1; t <= 18; ++t)
        QCOMPARE(dlg.teamBoxes[t]->isChecked(), t != 2);
    QTest::mouseClick(dlg.SpeedButton5, Qt::LeftButton); // all teams
    for (int t = 1; t <= 18; ++t)
        QVERIFY(dlg.teamBoxes[t]->isChecked());
    const PrintSelection s = dlg.selection();
    QVERIFY(s.rounds[34] && s.teams[18] && s.tables && s.crossTable);
    QCOMPARE(s.filledRounds, 1);
}

void TestPreview::printCommandOpensPreview()
{
    League league;
    for (int i = 1; i <= 18; ++i)
        league.teamNames[i] = QStringLiteral("Verein %1").arg(i);
    for (int j = 1; j <= 8; ++j)
        for (int k = 1; k <= 9; ++k)
            league.results[j][k] = Match{2 * k - 1, 2 * k, 1, 0};
    const RowBandColors bands = RowBandColors::defaultLayout();
    QProgressBar bar;
    bar.setRange(0, 100);
    bar.setValue(0);
    bar.hide();
    QList<int> progress;
    connect(&bar, &QProgressBar::valueChanged, this, [&](int v) { progress << v; });
    TfrmDruckDlg dlg(league, bands, *m_prn, *m_form, m_platform->seams());
    dlg.setProgressBar(&bar);

    QString pageText;
    whenShown(&dlg, [&] {
        // Only the matchdays: eight of them give two pages.
        dlg.CheckBox35->setChecked(false);
        dlg.CheckBox36->setChecked(false);
        QTest::mouseClick(dlg.SpeedButton4, Qt::LeftButton);
        whenShown(m_form.get(), [&] {
            pageText = m_form->lblPage->text();
            QTest::mouseClick(m_form->bbOK, Qt::LeftButton);
        });
        QTest::mouseClick(dlg.bbOK, Qt::LeftButton);
    });
    QVERIFY(dlg.mnuDruckClick());
    QCOMPARE(pageText, QStringLiteral("1 von 2"));
    QCOMPARE(m_form->result(), 2);
    QCOMPARE(m_prn->pageCount(), 2);
    QCOMPARE(progress, (QList<int>{25, 50, 75, 100, 0}));
    QVERIFY(bar.isHidden());
    QCOMPARE(bar.value(), 0);
    for (int j = 1; j <= 8; ++j)
        QCOMPARE(dlg.printFlags[j], 0); // overwritten by the (empty) team choice
}

void TestPreview::cancelledDialogPrintsNothing()
{
    League league;
    const RowBandColors bands = RowBandColors::defaultLayout();
    writePages(*m_prn, 3);
    TfrmDruckDlg dlg(league, bands, *m_prn, *m_form, m_platform->seams());
    whenShown(&dlg, [&] { QTest::mouseClick(dlg.bbAbbr, Qt::LeftButton); });
    QVERIFY(!dlg.mnuDruckClick());
    QCOMPARE(dlg.result(), 2);
    QCOMPARE(m_prn->pageCount(), 3); // the last document stays
    whenShown(&dlg, [&] { QTest::keyClick(&dlg, Qt::Key_Escape); });
    QVERIFY(!dlg.mnuDruckClick());
    QVERIFY(!m_form->isVisible());
}

QTEST_MAIN(TestPreview)
#include "tst_preview.moc"
