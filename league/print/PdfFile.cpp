#include "league/print/PdfFile.h"

#include "league/print/TPageWriter.h"

#include <QPdfWriter>
#include <QSaveFile>

bool writePdfFile(const TPageWriter &prn, const QString &fileName)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    bool written = false;
    {
        QPdfWriter pdf(&file);
        pdf.setTitle(QString::fromLatin1(TPageWriter::kJobTitle));
        pdf.setCreator(QString::fromLatin1(TPageWriter::kJobTitle));
        pdf.setResolution(TPageWriter::kDpi);
        written = prn.print(pdf, 1);
    }
    // QSaveFile::commit() does not notice when the buffered rest of the file
    // fails to reach the disk, so the buffer is flushed and checked first.
    if (!written || !file.flush()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
