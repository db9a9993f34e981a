#include "apps/trophex/GuiMain.h"

#include <QApplication>
#include <QDir>

#include "tournament/ui/QtPlatform.h"
#include "tournament/ui/TForm1.h"

int runGui(QApplication &app, const QStringList &args)
{
    // The application title. A display name is deliberately not set: the
    // window system would append it to every window's caption.
    QApplication::setApplicationName(QStringLiteral("Trophex 1.1"));
    // The main window ends the program itself; hiding it while the knock-out
    // window or the exit dialog is up must not.
    app.setQuitOnLastWindowClosed(false);

    // The data folder is the working folder, or the folder named first on the command line.
    const QString dir = args.isEmpty() ? QDir::currentPath() : QDir(args.first()).absolutePath();

    QtPlatform platform;
    TForm1 form1(dir, platform);
    if (!form1.tournament().chargement_ok)
        return 1;
    form1.makeDialogs();
    QObject::connect(&form1, &TForm1::closed, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    form1.show();
    return app.exec();
}
