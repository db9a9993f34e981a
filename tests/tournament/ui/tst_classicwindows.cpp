#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMargins>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include "fixture_helper.h"
#include "tournament/ui/TForm2.h"
#include "tournament/ui/TabbedNotebook.h"
#include "tournament/ui/WindowPlaces.h"

Q_DECLARE_METATYPE(QMargins)

// The notebook window and the bracket can be resized and maximised, come
// back where they were left, and never open beyond the screen's free area.
class TstClassicWindows : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void shownGeometry_data();
    void shownGeometry();
    void largerWindowShowsMoreMatches();
    void controlsStayOnTheirPage();
    void placesComeBackAfterARestart();
    void bracketFitsTheScreenAndScrolls();

private:
    QString m_dir;   // all 48 group matches played
    QString m_fresh; // nothing played: every page can be entered
    QTemporaryDir m_root;
};

namespace {

// Data rows of the grid wholly in sight, the header row not counted.
int rowsInSight(const QTableWidget *grid)
{
    int n = 0;
    for (int r = 1; r < grid->rowCount(); ++r)
        if (grid->viewport()->rect().contains(grid->visualRect(grid->model()->index(r, 0))))
            ++n;
    return n;
}

// Lets the window system and the layouts catch up with a resize.
void settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    QCoreApplication::processEvents();
}

} // namespace

void TstClassicWindows::initTestCase()
{
    QVERIFY(m_root.isValid());
    // The places file of this run only.
    qputenv("XDG_CONFIG_HOME", QDir(m_root.path()).filePath(QStringLiteral("config")).toUtf8());
    m_dir = QDir(m_root.path()).filePath(QStringLiteral("data"));
    m_fresh = QDir(m_root.path()).filePath(QStringLiteral("fresh"));
    QVERIFY(QDir().mkpath(m_dir) && QDir().mkpath(m_fresh));
    Fixture::prepare(m_dir);
    Fixture::prepare(m_fresh);
    // All 48 group matches: every pair of each group once.
    const int pairs[6][2] = {{0, 1}, {2, 3}, {0, 2}, {1, 3}, {0, 3}, {1, 2}};
    QByteArray matches;
    for (char g = 'A'; g <= 'H'; ++g)
        for (const auto &p : pairs)
            matches += Bytes::match(g, Fixture::teamName(g, p[0]), Fixture::teamName(g, p[1]), 1, 0);
    QFile f(QDir(m_dir).filePath(QStringLiteral("matchs.dat")));
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(matches), qint64(48 * 56));
}

void TstClassicWindows::init()
{
    // Every case starts as a first run: nothing remembered.
    QFile::remove(QDir(m_root.path()).filePath(QStringLiteral("config/trophex/windows.ini")));
}

void TstClassicWindows::shownGeometry_data()
{
    QTest::addColumn<QRect>("saved"); // an invalid rectangle: nothing remembered
    QTest::addColumn<QSize>("usual");
    QTest::addColumn<QRect>("area");
    QTest::addColumn<QMargins>("frame");
    QTest::addColumn<QRect>("shown");

    const QRect none;
    const QSize main(651, 367), bracket(1200, 770);
    const QRect laptop(0, 0, 1366, 738);        // 1366 x 768, a panel of 30 at the bottom
    const QRect laptopTop(0, 27, 1366, 741);    // the same screen, the panel at the top
    const QRect tall(0, 0, 1280, 1024);
    const QRect small(0, 0, 1024, 728);         // 1024 x 768, a panel of 40
    const QRect second(1366, 0, 1920, 1050);    // a second screen right of the first
    const QMargins noFrame, titleBar(4, 30, 4, 4);

    // First runs: the usual size in the middle of the free area, cut to it.
    QTest::newRow("main, 1366x768") << none << main << laptop << noFrame << QRect(357, 185, 651, 367);
    QTest::newRow("main, 1280x1024") << none << main << tall << noFrame << QRect(314, 328, 651, 367);
    QTest::newRow("bracket, 1366x768") << none << bracket << laptop << noFrame << QRect(83, 0, 1200, 738);
    QTest::newRow("bracket, panel on top") << none << bracket << laptopTop << noFrame << QRect(83, 27, 1200, 741);
    QTest::newRow("bracket, 1280x1024") << none << bracket << tall << noFrame << QRect(40, 127, 1200, 770);
    QTest::newRow("bracket, 1024x768") << none << bracket << small << noFrame << QRect(0, 0, 1024, 728);
    // With a known frame, the title bar stays on the screen as well.
    QTest::newRow("main, framed") << none << main << laptop << titleBar << QRect(357, 198, 651, 367);
    QTest::newRow("bracket, framed") << none << bracket << laptop << titleBar << QRect(83, 30, 1200, 704);

    // Remembered places: kept when they fit, else moved and cut into the area.
    QTest::newRow("kept") << QRect(100, 50, 800, 600) << main << laptop << noFrame << QRect(100, 50, 800, 600);
    QTest::newRow("maximised on a larger screen") << QRect(0, 0, 1920, 1050) << main << laptop << noFrame
                                                  << QRect(0, 0, 1366, 738);
    QTest::newRow("off to the right") << QRect(900, 300, 651, 367) << main << laptop << noFrame
                                      << QRect(715, 300, 651, 367);
    QTest::newRow("above the top") << QRect(-50, -80, 651, 367) << main << laptopTop << noFrame
                                   << QRect(0, 27, 651, 367);
    QTest::newRow("title bar above the top") << QRect(100, 0, 800, 600) << main << laptop << titleBar
                                             << QRect(100, 30, 800, 600);
    QTest::newRow("old bracket on a small screen") << QRect(83, 0, 1200, 770) << bracket << small << noFrame
                                                   << QRect(0, 0, 1024, 728);
    QTest::newRow("on the second screen") << QRect(1500, 100, 1200, 770) << bracket << second << noFrame
                                          << QRect(1500, 100, 1200, 770);
}

void TstClassicWindows::shownGeometry()
{
    QFETCH(QRect, saved);
    QFETCH(QSize, usual);
    QFETCH(QRect, area);
    QFETCH(QMargins, frame);
    QFETCH(QRect, shown);
    QCOMPARE(WindowPlaces::placement(saved, usual, area, frame), shown);
}

void TstClassicWindows::largerWindowShowsMoreMatches()
{
    Fixture::Session s(m_dir);
    TForm1 &f = s.form;
    QCOMPARE(f.size(), QSize(651, 367));
    QVERIFY(f.TabbedNotebook1->setPageIndex(TForm1::PlayedMatchs));
    QTableWidget *grid = f.playedMatchesPage()->matchs_joues;
    settle();
    QCOMPARE(grid->rowCount(), 49);
    // The usual size: 9 of the 48 matches, 24 pixels a row.
    QCOMPARE(rowsInSight(grid), 9);

    // 240 pixels more: ten more rows, the count still under the grid.
    f.resize(651, 367 + 240);
    QTRY_COMPARE(rowsInSight(grid), 19);
    QLabel *count = f.playedMatchesPage()->mjoues;
    QVERIFY(count->geometry().top() >= grid->geometry().bottom());
    QVERIFY(f.playedMatchesPage()->rect().contains(count->geometry()));

    // Maximised, the grid takes the whole height the screen allows.
    f.showMaximized();
    QTRY_VERIFY(f.isMaximized());
    QTRY_VERIFY(rowsInSight(grid) > 9);
    QTRY_COMPARE(f.frameGeometry(), f.screen()->availableGeometry());

    // Back at the usual size it is as it always was.
    f.showNormal();
    f.resize(651, 367);
    QTRY_COMPARE(rowsInSight(grid), 9);
}

void TstClassicWindows::controlsStayOnTheirPage()
{
    Fixture::Session s(m_fresh);
    TForm1 &f = s.form;
    // No window may be smaller than what its pages were laid out for.
    f.resize(300, 200);
    QCOMPARE(f.size(), QSize(651, 367));
    for (const QSize size : {QSize(651, 367), QSize(800, 600), QSize(1366, 738)}) {
        f.resize(size);
        for (int p = 0; p < f.TabbedNotebook1->count(); ++p) {
            QWidget *page = f.TabbedNotebook1->page(p);
            QVERIFY(f.TabbedNotebook1->setPageIndex(p));
            settle();
            const QSize room = f.TabbedNotebook1->pageSize();
            QTRY_COMPARE(page->size(), room);
            for (QWidget *control : page->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
                if (control->isWindow() || control->isHidden())
                    continue;
                const QString where = QStringLiteral("%1x%2 %3").arg(size.width()).arg(size.height()).arg(control->objectName());
                QVERIFY2(page->rect().contains(control->geometry()), qPrintable(where));
                QVERIFY2(!control->geometry().isEmpty(), qPrintable(where));
            }
        }
    }
}

void TstClassicWindows::placesComeBackAfterARestart()
{
    const QRect moved(40, 30, 700, 500);
    {
        Fixture::Session s(m_dir);
        s.form.setGeometry(moved);
        settle();
        s.form.welcomePage()->Quitter->click();
        QVERIFY(!s.form.isVisible());
    }
    {
        Fixture::Session s(m_dir);
        QCOMPARE(s.form.geometry(), moved);
        QVERIFY(!s.form.isMaximized());
        // Left maximised: it comes back maximised, and unmaximises to where it was.
        s.form.showMaximized();
        QTRY_VERIFY(s.form.isMaximized());
        s.form.welcomePage()->Quitter->click();
    }
    {
        Fixture::Session s(m_dir);
        QTRY_VERIFY(s.form.isMaximized());
        s.form.showNormal();
        QTRY_COMPARE(s.form.geometry(), moved);
    }

    // The bracket keeps its own place, apart from the main window's.
    const QRect bracketPlace(10, 20, 700, 450);
    {
        Fixture::Session s(m_dir);
        s.form.welcomePage()->tour2->click();
        TForm2 &bracket = *s.form.dialogs().Form2();
        QVERIFY(bracket.isVisible());
        bracket.setGeometry(bracketPlace);
        settle();
        bracket.Retour->click();
        QVERIFY(!bracket.isVisible());
    }
    Fixture::Session s(m_dir);
    QCOMPARE(s.form.dialogs().Form2()->geometry(), bracketPlace);
    QTRY_COMPARE(s.form.geometry(), moved);
}

void TstClassicWindows::bracketFitsTheScreenAndScrolls()
{
    Fixture::Session s(m_dir);
    s.form.welcomePage()->tour2->click();
    TForm2 &bracket = *s.form.dialogs().Form2();
    QVERIFY(bracket.isVisible());
    settle();
    // The usual 1200 x 770, cut so that the frame too stays in the free area.
    const QRect area = bracket.screen()->availableGeometry();
    const QSize frame = bracket.frameGeometry().size() - bracket.size();
    QTRY_COMPARE(bracket.size(), QSize(1200, 770).boundedTo(area.size() - frame));
    QVERIFY(area.contains(bracket.frameGeometry()));
    // The buttons under the drawing stay in sight; the drawing scrolls.
    for (QWidget *button : {static_cast<QWidget *>(bracket.Retour), static_cast<QWidget *>(bracket.efface_tour2)})
        QVERIFY2(bracket.rect().contains(QRect(button->mapTo(&bracket, QPoint()), button->size())),
                 qPrintable(button->objectName()));
    QScrollArea *scroll = bracket.defilement;
    QWidget *drawing = scroll->widget();
    const bool cut = drawing->width() > scroll->viewport()->width() || drawing->height() > scroll->viewport()->height();
    QCOMPARE(scroll->verticalScrollBar()->maximum() + scroll->horizontalScrollBar()->maximum() > 0, cut);
    // Every match button can be scrolled into sight, and clicked there.
    for (QPushButton *button : bracket.buttons) {
        QVERIFY(drawing->rect().contains(button->geometry()));
        scroll->ensureWidgetVisible(button, 0, 0);
        const QRect seen(button->mapTo(scroll->viewport(), QPoint()), button->size());
        QVERIFY2(scroll->viewport()->rect().contains(seen), qPrintable(button->objectName()));
    }

    // Larger than usual: the drawing stays whole in the middle, nothing scrolls.
    bracket.showMaximized();
    QTRY_VERIFY(bracket.isMaximized());
    settle();
    bracket.resize(1600, 1000);
    QTRY_COMPARE(bracket.size(), QSize(1600, 1000));
    QTRY_COMPARE(scroll->verticalScrollBar()->maximum(), 0);
    QCOMPARE(scroll->horizontalScrollBar()->maximum(), 0);
    const QRect flags = drawing->childrenRect();
    QVERIFY(qAbs(flags.left() - (drawing->width() - flags.right() - 1)) <= 2);
    bracket.RetourClick();
}

QTEST_MAIN(TstClassicWindows)
#include "tst_classicwindows.moc"
