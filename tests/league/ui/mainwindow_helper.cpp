#include "mainwindow_helper.h"

#include <QTest>

MainWindowFixture::MainWindowFixture()
{
    frm = std::make_unique<TfrmTN>(platform.seams(), dir.path() + QLatin1Char('/'), QStringList());
}

MainWindowFixture::~MainWindowFixture() = default;

void MainWindowFixture::showOnScreen(bool activate)
{
    frm->show();
    QVERIFY(QTest::qWaitForWindowExposed(frm.get()));
    if (activate)
        frm->activateWindow();
}

void MainWindowFixture::trigger(const char *name) const
{
    QAction *a = action(name);
    QVERIFY2(a, name);
    a->trigger();
}

void MainWindowFixture::nameTeams(const QString &pattern)
{
    for (int i = 1; i <= league().teamCount; ++i)
        league().teamNames[i] = pattern.arg(i);
}

void MainWindowFixture::pair(int rounds)
{
    League &l = league();
    for (int j = 1; j <= rounds; ++j)
        for (int k = 1; k <= l.rowCount(); ++k)
            l.match(j, k) = Match{2 * k - 1, 2 * k, -1, -1};
    redisplay();
}

void MainWindowFixture::redisplay()
{
    frm->UpdateCBO();
    frm->UpdateST();
}
