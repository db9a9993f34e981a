#include "league/print/PdfFile.h"

#include "league/print/TPageWriter.h"

#include "common/AtomicFile.h"

#include <QBuffer>
#include <QPdfWriter>

bool writePdfFile(const TPageWriter &prn, const QString &fileName)
{
    // The document is made in memory and written whole, so a failed write
    // (or a FIFO or device at the name) leaves the old file as it was.
    QByteArray bytes;
    bool written = false;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&buffer);
        pdf.setTitle(QString::fromLatin1(TPageWriter::kJobTitle));
        pdf.setCreator(QString::fromLatin1(TPageWriter::kJobTitle));
        pdf.setResolution(TPageWriter::kDpi);
        written = prn.print(pdf, 1);
    }
    return written && AtomicFile::write(fileName, bytes).ok();
}
