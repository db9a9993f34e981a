#include "league/ui/DeferredIcon.h"
#include "league/ui/FormUtil.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QProxyStyle>
#include <QStyle>
#include <QTest>

// An icon drawn when first used must look and measure exactly like the icon
// it stands for; buttons and menus cannot tell them apart.
class TestDeferredIcon : public QObject {
    Q_OBJECT

    // A 16 x 16 picture with a shape that shows any shift or scaling.
    static QIcon sample()
    {
        QPixmap pm(16, 16);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.fillRect(1, 2, 9, 5, QColor(30, 80, 200));
        p.fillRect(8, 9, 7, 6, QColor(200, 40, 40));
        p.end();
        return QIcon(pm);
    }

private slots:
    void drawsLikeTheIconItStandsFor_data()
    {
        QTest::addColumn<int>("side");
        QTest::addColumn<int>("mode");
        for (int side : {16, 8, 32, 20})
            for (auto [mode, name] : {std::pair(QIcon::Normal, "normal"), std::pair(QIcon::Disabled, "disabled"),
                                      std::pair(QIcon::Active, "active"), std::pair(QIcon::Selected, "selected")})
                QTest::addRow("%d %s", side, name) << side << int(mode);
    }

    void drawsLikeTheIconItStandsFor()
    {
        QFETCH(int, side);
        QFETCH(int, mode);
        const QIcon direct = sample();
        const QIcon deferred = deferredIcon(&sample);
        const QSize size(side, side);
        const auto m = QIcon::Mode(mode);
        QCOMPARE(deferred.actualSize(size, m), direct.actualSize(size, m));
        QCOMPARE(deferred.pixmap(size, m).toImage(), direct.pixmap(size, m).toImage());

        // Painted into a larger area, centred as the direct icon is.
        auto painted = [&](const QIcon &icon) {
            QImage image(40, 40, QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::white);
            QPainter p(&image);
            icon.paint(&p, QRect(3, 5, side, side + 6), Qt::AlignCenter, m);
            p.end();
            return image;
        };
        QCOMPARE(painted(deferred), painted(direct));
    }

    void madeOnceWhenFirstDrawnAndSharedByCopies()
    {
        int made = 0;
        const QIcon icon = deferredIcon([&made] {
            ++made;
            return sample();
        });
        QIcon copy = icon;
        // Measuring a button asks whether it has an icon, before any paint.
        QVERIFY(!icon.isNull());
        QCOMPARE(made, 0);
        QCOMPARE(copy.pixmap(16, 16).size(), QSize(16, 16));
        QCOMPARE(made, 1);
        QCOMPARE(icon.availableSizes(), sample().availableSizes());
        QCOMPARE(made, 1);
    }

    // The program's style reads the bars' overflow arrows when they are
    // drawn; they are the base style's own arrows.
    void overflowArrowsAreTheStylesOwn()
    {
        FormUtil::installListPopupStyle();
        QStyle *style = QApplication::style();
        QStyle *base = qobject_cast<QProxyStyle *>(style)->baseStyle();
        for (auto which : {QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_ToolBarVerticalExtensionButton,
                           QStyle::SP_ArrowDown}) {
            const QImage expected = base->standardIcon(which).pixmap(16, 16).toImage();
            QCOMPARE(style->standardIcon(which).pixmap(16, 16).toImage(), expected);
        }
    }
};

QTEST_MAIN(TestDeferredIcon)
#include "tst_deferredicon.moc"
