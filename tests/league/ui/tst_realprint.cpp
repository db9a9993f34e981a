#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest>

#include "league/print/TPageWriter.h"
#include "league/ui/PrinterSeam.h"
#include "league/ui/ScriptedPlatform.h"
#include "league/ui/TfrmDruck.h"

// Prints through the preview's "Drucken" to the system's default printer.
// The test run's CUPS hook (tools/test.d/cups.sh) starts a scheduler whose
// default queue is cups-pdf and says where the PDFs land; without it the
// test is skipped with the hook's reason.

namespace {

QString run(const QString &program, const QStringList &args)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(30000))
        return QString();
    return QString::fromLocal8Bit(p.readAllStandardOutput());
}

} // namespace

class TestRealPrint : public QObject {
    Q_OBJECT

private slots:
    void twoPagesThreeCopiesGiveSixPages();
};

void TestRealPrint::twoPagesThreeCopiesGiveSixPages()
{
    if (qEnvironmentVariable("TABULON_CUPS_READY") != QLatin1String("1")) {
        const QString reason = qEnvironmentVariable("TABULON_CUPS_SKIP",
                                                    QStringLiteral("no CUPS server was started for this "
                                                                   "run (run the tests with tools/dev test)"));
        QSKIP(qPrintable(QStringLiteral("no real printer: ") + reason));
    }
    const QDir out(qEnvironmentVariable("TABULON_CUPS_OUT"));
    const QDateTime started = QDateTime::currentDateTime().addSecs(-1);
    const QStringList before = out.entryList({QStringLiteral("*.pdf")}, QDir::Files);

    TPageWriter prn;
    prn.BeginDoc();
    prn.WriteLine(QStringLiteral("Erste Seite"));
    prn.NewPage();
    prn.WriteLine(QStringLiteral("Zweite Seite"));
    prn.EndDoc();

    ScriptedPlatform platform;
    DefaultPrinter printer;
    TfrmDruck preview(prn, printer, platform.seams());
    preview.Prn->pagesChanged();
    preview.seCopies->setValue(3);
    QTest::mouseClick(preview.bbPrint, Qt::LeftButton);
    for (const auto &box : platform.messages.shown)
        qWarning("message box: %s", qPrintable(box.text));
    QVERIFY(platform.messages.shown.isEmpty());

    // The job is done when the queue is empty and its PDF is there.
    QString pdf;
    QDeadlineTimer deadline(90000);
    while (!deadline.hasExpired() && pdf.isEmpty()) {
        QTest::qWait(250);
        if (!run(QStringLiteral("lpstat"), {QStringLiteral("-o")}).trimmed().isEmpty())
            continue;
        for (const QFileInfo &info : out.entryInfoList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Time)) {
            if (!before.contains(info.fileName()) && info.lastModified() >= started) {
                pdf = info.absoluteFilePath();
                break;
            }
        }
    }
    QVERIFY2(!pdf.isEmpty(), qPrintable(QStringLiteral("no new PDF in %1").arg(out.path())));
    // cups-pdf may still be writing the file when it appears.
    QString info;
    QTRY_VERIFY_WITH_TIMEOUT((info = run(QStringLiteral("pdfinfo"), {pdf})).contains(QLatin1String("Pages:")), 10000);
    const QRegularExpression pages(QStringLiteral("^Pages:\\s+(\\d+)"), QRegularExpression::MultilineOption);
    QCOMPARE(pages.match(info).captured(1), QStringLiteral("6"));
    QFile::remove(pdf);
}

QTEST_MAIN(TestRealPrint)
#include "tst_realprint.moc"
