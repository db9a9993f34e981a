#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

class TPageWriter;

// The printer as the preview sees it: one call sends the stored pages, each
// copies() times, to the system's default printer as one job. There is no
// printer-choice dialog.
class PrinterSeam {
public:
    virtual ~PrinterSeam() = default;
    // Returns false with the German message to show when nothing was printed.
    virtual bool printPages(const TPageWriter &pages, QString &error) = 0;
};

// The system's default printer (CUPS on this platform).
class DefaultPrinter : public PrinterSeam {
public:
    bool printPages(const TPageWriter &pages, QString &error) override;

    static QString noDefaultPrinterText();
    static QString printFailedText(const QString &printer);
};

// For tests: renders every job into an in-memory PDF and keeps its bytes,
// or fails like a machine without a default printer.
class ScriptedPrinter : public PrinterSeam {
public:
    bool hasDefaultPrinter = true;
    QList<QByteArray> jobs; // one PDF per job that was sent
    int refused = 0;        // jobs refused for want of a printer

    bool printPages(const TPageWriter &pages, QString &error) override;
};
