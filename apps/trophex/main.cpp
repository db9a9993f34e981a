#include <QApplication>
#include <QCoreApplication>
#include <QStringList>

#include "apps/trophex/GuiMain.h"
#include "apps/trophex/Headless.h"

int main(int argc, char *argv[])
{
    // "--" options are commands for scripts and need no display, but for
    // --new, which opens the window on a new tournament.
    bool headless = false;
    for (int i = 1; i < argc; ++i)
        if (QByteArray(argv[i]).startsWith("--") && QByteArray(argv[i]) != "--new")
            headless = true;

    if (headless) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QCoreApplication app(argc, argv);
        QStringList args = QCoreApplication::arguments();
        args.removeFirst();
        return runHeadless(args);
    }
    QApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
    return runGui(app, args);
}
