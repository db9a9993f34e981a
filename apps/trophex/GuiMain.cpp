#include "apps/trophex/GuiMain.h"

#include <QApplication>
#include <QDir>

#include "tournament/format/FormatFiles.h"
#include "tournament/model/FolderCommit.h"
#include "tournament/ui/FormatWindow.h"
#include "tournament/ui/NewTournamentDialog.h"
#include "tournament/ui/QtPlatform.h"
#include "tournament/ui/TForm1.h"

namespace {

// The window of a tournament of any format but the classic one. "New
// Tournament..." ends it and opens the window again on the new folder.
int runFormatWindow(QApplication &app, QString dir, Platform &platform)
{
    for (;;) {
        const FileResult recovered = FolderCommit::recoverFolder(dir);
        if (!recovered.ok) {
            platform.systemError(nullptr, recovered.error);
            return 1;
        }
        FormatTournament t;
        const FormatFiles::Load loaded = FormatFiles::load(t, dir);
        if (!loaded.ok) {
            platform.systemError(nullptr, loaded.error);
            return 1;
        }
        FormatWindow window(std::move(t), dir, platform);
        QString next;
        QObject::connect(&window, &FormatWindow::newTournamentRequested, &window, [&] {
            NewTournamentDialog dialog(platform, QString(), &window);
            if (dialog.exec() == QDialog::Accepted) {
                next = dialog.createdFolder();
                window.close();
            }
        });
        QObject::connect(&window, &FormatWindow::closed, &app, &QCoreApplication::quit, Qt::QueuedConnection);
        window.show();
        app.exec();
        if (next.isEmpty())
            return 0;
        dir = next;
    }
}

} // namespace

int runGui(QApplication &app, const QStringList &arguments)
{
    // The application title. A display name is deliberately not set: the
    // window system would append it to every window's caption.
    QApplication::setApplicationName(QStringLiteral("Trophex 1.1"));
    // The main window ends the program itself; hiding it while the knock-out
    // window or the exit dialog is up must not.
    app.setQuitOnLastWindowClosed(false);

    QStringList args = arguments;
    const bool fresh = args.removeAll(QStringLiteral("--new")) > 0;
    // The data folder is the working folder, or the folder named first on the command line.
    QString dir = args.isEmpty() ? QDir::currentPath() : QDir(args.first()).absolutePath();

    QtPlatform platform;
    if (fresh) {
        NewTournamentDialog dialog(platform, dir);
        if (dialog.exec() != QDialog::Accepted)
            return 0;
        dir = dialog.createdFolder();
    }
    // A folder with a format of its own opens in the window that follows its
    // format; any other folder is the classic tournament, as always.
    if (FormatFiles::holdsFormat(dir))
        return runFormatWindow(app, dir, platform);

    TForm1 form1(dir, platform);
    if (!form1.tournament().chargement_ok)
        return 1;
    // The other windows are made when first needed (the welcome box a second
    // after the start): the main window is up without waiting for them.
    QObject::connect(&form1, &TForm1::closed, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    form1.show();
    return app.exec();
}
