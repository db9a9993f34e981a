#include <QElapsedTimer>
#include <QImage>
#include <QLabel>
#include <QtTest>

#include "tournament/ui/Look.h"

#include <sys/stat.h>
#include <unistd.h>

// Flags and backgrounds are read from the tournament folder by name; what
// stands there under such a name need not be a picture file at all.
class TestPictures : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { ::alarm(60); } // a picture read that blocks ends the test
    void onlyRegularFilesAreRead();
};

void TestPictures::onlyRegularFilesAreRead()
{
    QTemporaryDir dir;
    QImage flag(30, 20, QImage::Format_RGB32);
    flag.fill(Qt::red);
    QVERIFY(flag.save(dir.filePath("bresil.bmp"), "BMP"));
    QVERIFY(::mkfifo(QFile::encodeName(dir.filePath("fifo.bmp")).constData(), 0600) == 0);
    QVERIFY(::symlink("/dev/zero", QFile::encodeName(dir.filePath("zero.bmp")).constData()) == 0);

    QElapsedTimer clock;
    clock.start();
    QLabel label;
    QVERIFY(Look::loadPicture(&label, dir.path(), "bresil.bmp", nullptr, nullptr));
    QCOMPARE(label.pixmap().size(), QSize(30, 20));
    QVERIFY(!Look::loadPicture(&label, dir.path(), "fifo.bmp", nullptr, nullptr));
    QVERIFY(label.pixmap().isNull());
    QVERIFY(!Look::loadPicture(&label, dir.path(), "zero.bmp", nullptr, nullptr));
    QPixmap pixmap;
    QVERIFY(!Look::readPicture(pixmap, dir.filePath("fifo.bmp")));
    QVERIFY(Look::readPicture(pixmap, dir.filePath("bresil.bmp")));
    QVERIFY(clock.elapsed() < 5000);
}

QTEST_MAIN(TestPictures)
#include "tst_pictures.moc"
