#include "apps/tabulon/GuiMain.h"

#include "league/ui/QtPlatform.h"
#include "league/ui/TfrmTN.h"
#include "league/ui/ToolGlyphs.h"

#include <QApplication>
#include <QDir>

int runGui(QApplication &app, const QStringList &args)
{
    QApplication::setApplicationName(QStringLiteral("Tabulon '98"));
    QApplication::setApplicationDisplayName(QString());
    installFontSubstitutions();

    QtPlatform platform;
    const QString programDir = QDir(QCoreApplication::applicationDirPath()).absolutePath() + QLatin1Char('/');
    TfrmTN frmTN(platform.seams(), programDir, args, nullptr, TfrmTN::StartMode::ShowFirst);
    QObject::connect(&frmTN, &TfrmTN::exited, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    frmTN.show();
    return app.exec();
}
