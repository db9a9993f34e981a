#include "apps/tabulon/GuiMain.h"

#include "league/ui/AppSetup.h"
#include "league/ui/QtPlatform.h"
#include "league/ui/TfrmTN.h"

#include <QApplication>
#include <QDir>

int runGui(QApplication &app, const QStringList &args)
{
    AppSetup::prepare();

    QtPlatform platform;
    const QString programDir = QDir(QCoreApplication::applicationDirPath()).absolutePath() + QLatin1Char('/');
    TfrmTN frmTN(platform.seams(), programDir, args, nullptr, TfrmTN::StartMode::ShowFirst);
    QObject::connect(&frmTN, &TfrmTN::exited, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    frmTN.show();
    return app.exec();
}
