#include <QtTest>

#include "league/export/Exporters.h"
#include "league/model/League.h"
#include "league/model/LeagueError.h"
#include "league/standings/FeverCurve.h"

#include <QImage>

namespace {

// Four teams over six matchdays: slot 1 wins every match, slot 4 loses
// every one, so slot 1 stands first and slot 4 last after each matchday.
League fourTeams()
{
    League l;
    l.reshape(4, 6);
    for (int i = 1; i <= 4; ++i)
        l.teamNames[i] = QStringLiteral("Elf %1").arg(i);
    const int pairs[3][2][2] = {{{1, 4}, {2, 3}}, {{1, 3}, {4, 2}}, {{1, 2}, {3, 4}}};
    for (int j = 1; j <= 6; ++j)
        for (int k = 0; k < 2; ++k) {
            const int a = pairs[(j - 1) % 3][k][0];
            const int b = pairs[(j - 1) % 3][k][1];
            // The lower slot wins: slot order is the table's order.
            l.match(j, k + 1) = a < b ? Match{a, b, 2, 0} : Match{a, b, 0, 2};
        }
    return l;
}

QColor at(const QImage &img, int j, int position)
{
    return img.pixelColor(FeverCurve::cellX(j), FeverCurve::cellY(position));
}

} // namespace

// The curve picture as PNG and with a second team's curve.
class TestCurvePictures : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void pngHoldsThePicture();
    void secondTeamInRed();
};

void TestCurvePictures::pngHoldsThePicture()
{
    const League l = fourTeams();
    const QByteArray png = exportCurve(1, ExportFormat::Png, l);
    QVERIFY(png.startsWith("\x89PNG\r\n\x1a\n"));
    const QImage fromPng = QImage::fromData(png, "PNG").convertToFormat(QImage::Format_RGB32);
    const QImage fromBmp = QImage::fromData(exportCurve(1, ExportFormat::Bmp, l), "BMP").convertToFormat(QImage::Format_RGB32);
    QCOMPARE(fromPng.size(), QSize(FeverCurve::width(6), FeverCurve::height(4)));
    QCOMPARE(fromPng, fromBmp);
    QCOMPARE(at(fromPng, 3, 1), QColor(0, 0, 255));
}

void TestCurvePictures::secondTeamInRed()
{
    const League l = fourTeams();
    const QImage both = QImage::fromData(exportCurve(1, ExportFormat::Png, l, 4), "PNG");
    const QImage one = QImage::fromData(exportCurve(1, ExportFormat::Png, l), "PNG");
    for (int j = 2; j <= 5; ++j) {
        QCOMPARE(at(both, j, 1), QColor(0, 0, 255));
        QCOMPARE(at(both, j, 4), QColor(255, 0, 0));
        QCOMPARE(at(one, j, 4), QColor(Qt::white));
    }
    // The red name stands right of the blue one on the top line.
    bool red = false;
    for (int x = 40; x < 200 && !red; ++x)
        for (int y = 0; y < 14 && !red; ++y)
            red = both.pixelColor(x, y) == QColor(255, 0, 0);
    QVERIFY(red);
    // The same team twice is the picture of one team.
    QCOMPARE(exportCurve(1, ExportFormat::Png, l, 1), exportCurve(1, ExportFormat::Png, l));
    QVERIFY_THROWS_EXCEPTION(LeagueError, exportCurve(1, ExportFormat::Png, l, 5));
    QVERIFY_THROWS_EXCEPTION(LeagueError, exportCurve(1, ExportFormat::Png, l, -1));
}

// Drawing text needs a GUI application (no widgets).
QTEST_MAIN(TestCurvePictures)
#include "tst_curvepictures.moc"
