#include "league/ui/PrinterSeam.h"

#include "league/print/TPageWriter.h"

#include <QBuffer>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>

QString DefaultPrinter::noDefaultPrinterText()
{
    return QStringLiteral("Es ist kein Standarddrucker eingerichtet. Es wurde nichts gedruckt.");
}

QString DefaultPrinter::printFailedText(const QString &printer)
{
    return QStringLiteral("Der Drucker %1 hat den Auftrag nicht angenommen.").arg(printer);
}

bool DefaultPrinter::printPages(const TPageWriter &pages, QString &error)
{
    // Without a default printer a default QPrinter cannot begin a page, so
    // the case is told apart before anything is sent.
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull() || info.printerName().isEmpty()) {
        error = noDefaultPrinterText();
        return false;
    }
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setDocName(QString::fromLatin1(TPageWriter::kJobTitle));
    printer.setCreator(QString::fromLatin1(TPageWriter::kJobTitle));
    printer.setFullPage(true);
    // The copies are drawn page by page into the job itself, so the printer
    // is asked for one copy of it.
    printer.setCopyCount(1);
    if (!pages.print(printer)) {
        error = printFailedText(info.printerName());
        return false;
    }
    return true;
}

bool ScriptedPrinter::printPages(const TPageWriter &pages, QString &error)
{
    if (!hasDefaultPrinter) {
        ++refused;
        error = DefaultPrinter::noDefaultPrinterText();
        return false;
    }
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&buffer);
        if (!pages.print(pdf)) {
            error = DefaultPrinter::printFailedText(QStringLiteral("Test"));
            return false;
        }
    }
    jobs.append(bytes);
    return true;
}
