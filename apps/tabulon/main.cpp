#include <QApplication>
#include <QGuiApplication>
#include <QStringList>

#include "apps/tabulon/GuiMain.h"
#include "apps/tabulon/Headless.h"

int main(int argc, char *argv[])
{
    // Any "--" option is a command for scripts: it needs no display, so the
    // offscreen platform is chosen before the application object exists.
    bool headless = false;
    for (int i = 1; i < argc; ++i)
        if (QByteArray(argv[i]).startsWith("--"))
            headless = true;

    if (headless) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QGuiApplication app(argc, argv);
        QStringList args = QCoreApplication::arguments();
        args.removeFirst();
        return runHeadless(args);
    }
    QApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
    return runGui(app, args);
}
