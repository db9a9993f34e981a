#include <QtTest>

#include "league/export/Exporters.h"
#include "league/model/League.h"
#include "league/model/LeagueError.h"
#include "league/standings/FeverCurve.h"

#include <QProcess>
#include <QTemporaryDir>

namespace {

quint32 le32(const QByteArray &b, int at)
{
    return quint8(b[at]) | quint8(b[at + 1]) << 8 | quint8(b[at + 2]) << 16 | quint32(quint8(b[at + 3])) << 24;
}

quint16 le16(const QByteArray &b, int at)
{
    return quint16(quint8(b[at]) | quint8(b[at + 1]) << 8);
}

QImage curveOfSlotTwo()
{
    League l;
    l.teamNames[2] = QStringLiteral("Grün-Weiß");
    l.match(1, 1) = Match{2, 3, 1, 0};
    l.match(2, 1) = Match{4, 2, 2, 0};
    l.match(3, 1) = Match{2, 5, 0, 0};
    CurvePositions pos{};
    QImage img;
    KurveBer(l, 2, pos, &img);
    return img;
}

QString fileOutput(const QString &path)
{
    QProcess p;
    p.start(QStringLiteral("file"), {QStringLiteral("-b"), path});
    if (!p.waitForFinished(10000))
        return {};
    return QString::fromLocal8Bit(p.readAllStandardOutput()).trimmed();
}

} // namespace

class TestPicture : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void bmpHeader();
    void bmpPixelsMatchThePicture();
    void gifStructure();
    void gifPixelsMatchThePicture();
    void fileRecognisesBoth();
    void exportCurveChecksTheSlot();
    void writeReplacesWholeFile();
    void failedWriteMessages_data();
    void failedWriteMessages();
};

void TestPicture::bmpHeader()
{
    const QByteArray bmp = Exp_krv_BMP(curveOfSlotTwo());
    // 465 pixels of 3 bytes = 1395, padded to 1396 per row.
    QCOMPARE(bmp.size(), 14 + 40 + 1396 * 300);
    QCOMPARE(bmp.left(2), QByteArray("BM"));
    QCOMPARE(le32(bmp, 2), quint32(14 + 40 + 1396 * 300));
    QCOMPARE(le32(bmp, 10), quint32(54));
    QCOMPARE(le32(bmp, 14), quint32(40));
    QCOMPARE(le32(bmp, 18), quint32(465));
    QCOMPARE(le32(bmp, 22), quint32(300)); // positive: bottom-up rows
    QCOMPARE(le16(bmp, 26), quint16(1));
    QCOMPARE(le16(bmp, 28), quint16(24));
    QCOMPARE(le32(bmp, 30), quint32(0)); // uncompressed
    QCOMPARE(le32(bmp, 34), quint32(1396 * 300));
    QCOMPARE(le32(bmp, 46), quint32(0)); // no colour table
}

void TestPicture::bmpPixelsMatchThePicture()
{
    const QImage img = curveOfSlotTwo();
    const QByteArray bmp = Exp_krv_BMP(img);
    for (int y = 0; y < 300; ++y) {
        const int rowStart = 54 + (299 - y) * 1396;
        for (int x = 0; x < 465; ++x) {
            const int at = rowStart + 3 * x;
            const QRgb got = qRgb(quint8(bmp[at + 2]), quint8(bmp[at + 1]), quint8(bmp[at]));
            if (got != img.pixel(x, y))
                QFAIL(qPrintable(QStringLiteral("pixel %1,%2 differs").arg(x).arg(y)));
        }
        QCOMPARE(bmp[rowStart + 1395], '\0');
    }
}

void TestPicture::gifStructure()
{
    const QByteArray gif = Exp_krv_GIF(curveOfSlotTwo());
    QCOMPARE(gif.left(6), QByteArray("GIF87a"));
    QCOMPARE(le16(gif, 6), quint16(465));
    QCOMPARE(le16(gif, 8), quint16(300));
    const quint8 packed = quint8(gif[10]);
    QVERIFY(packed & 0x80); // global colour table
    const int tableSize = 2 << (packed & 7);
    QVERIFY(tableSize <= 256);
    // The image descriptor follows the colour table at once: no extension
    // block comes first.
    const int image = 13 + 3 * tableSize;
    QCOMPARE(gif[image], char(0x2c));
    QCOMPARE(le16(gif, image + 1), quint16(0));
    QCOMPARE(le16(gif, image + 3), quint16(0));
    QCOMPARE(le16(gif, image + 5), quint16(465));
    QCOMPARE(le16(gif, image + 7), quint16(300));
    QCOMPARE(quint8(gif[image + 9]), quint8(0)); // no local table, no interlace
    QCOMPARE(gif.right(1), QByteArray("\x3b"));

    // Walk the LZW sub-blocks: exactly one image, then the trailer.
    int at = image + 11;
    while (quint8(gif[at]) != 0)
        at += quint8(gif[at]) + 1;
    QCOMPARE(at + 2, gif.size());
}

void TestPicture::gifPixelsMatchThePicture()
{
    const QImage img = curveOfSlotTwo();
    const QImage back = QImage::fromData(Exp_krv_GIF(img), "GIF").convertToFormat(QImage::Format_RGB32);
    if (back.isNull())
        QSKIP("no GIF reader in this Qt build");
    QCOMPARE(back.size(), img.size());
    for (int y = 0; y < 300; ++y)
        for (int x = 0; x < 465; ++x)
            if (back.pixel(x, y) != img.pixel(x, y))
                QFAIL(qPrintable(QStringLiteral("pixel %1,%2 differs").arg(x).arg(y)));
}

void TestPicture::fileRecognisesBoth()
{
    QTemporaryDir dir;
    const League l;
    const QString gif = dir.filePath(QStringLiteral("kurve.gif"));
    const QString bmp = dir.filePath(QStringLiteral("kurve.bmp"));
    writeExportFile(gif, exportCurve(5, ExportFormat::Gif, l), ExportFormat::Gif);
    writeExportFile(bmp, exportCurve(5, ExportFormat::Bmp, l), ExportFormat::Bmp);
    const QString g = fileOutput(gif);
    if (g.isEmpty())
        QSKIP("the file command is not available");
    QCOMPARE(g, QStringLiteral("GIF image data, version 87a, 465 x 300"));
    QVERIFY2(fileOutput(bmp).startsWith(QStringLiteral("PC bitmap, Windows 3.x format, 465 x 300 x 24")),
             qPrintable(fileOutput(bmp)));
}

void TestPicture::exportCurveChecksTheSlot()
{
    const League l;
    QVERIFY_THROWS_EXCEPTION(LeagueError, exportCurve(0, ExportFormat::Gif, l));
    QVERIFY_THROWS_EXCEPTION(LeagueError, exportCurve(19, ExportFormat::Bmp, l));
}

void TestPicture::writeReplacesWholeFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("tabelle.txt"));
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write(QByteArray(5000, 'x'));
    old.close();
    writeExportFile(path, "neu\r\n", ExportFormat::Text);
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArray("neu\r\n"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("tabelle.txt")});
}

void TestPicture::failedWriteMessages_data()
{
    QTest::addColumn<int>("format");
    QTest::addColumn<QString>("message");
    QTest::newRow("html") << int(ExportFormat::Html) << QStringLiteral("I/O-Fehler 2");
    QTest::newRow("text") << int(ExportFormat::Text) << QStringLiteral("I/O-Fehler 2");
    QTest::newRow("rtf") << int(ExportFormat::Rtf) << QStringLiteral("Kann Datei %1 nicht erstellen");
    QTest::newRow("gif") << int(ExportFormat::Gif) << QStringLiteral("Kann Datei %1 nicht erstellen");
    QTest::newRow("bmp") << int(ExportFormat::Bmp) << QStringLiteral("Kann Datei %1 nicht erstellen");
}

void TestPicture::failedWriteMessages()
{
    QFETCH(int, format);
    QFETCH(QString, message);
    QTemporaryDir dir;
    // A folder that does not exist: the system reports ENOENT (2).
    const QString path = dir.filePath(QStringLiteral("fehlt/datei.out"));
    try {
        writeExportFile(path, "data", ExportFormat(format));
        QFAIL("no error reported");
    } catch (const LeagueError &e) {
        QCOMPARE(e.message(), message.contains(QLatin1String("%1")) ? message.arg(path) : message);
    }
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList{});
}

// Drawing text needs a GUI application (no widgets).
QTEST_MAIN(TestPicture)
#include "tst_picture.moc"
