#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QStringList>

#include "apps/tabulon/GuiMain.h"
#include "apps/tabulon/Headless.h"
#include "apps/tabulon/ScriptLeague.h"

#include <sys/stat.h>
#include <unistd.h>

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
        // Without a runtime folder Qt prints a warning on stderr, where a
        // failing command must leave exactly its one message line.
        if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
            const QByteArray dir = QFile::encodeName(QDir::tempPath()) + "/runtime-"
                + QByteArray::number(getuid());
            ::mkdir(dir.constData(), 0700);
            qputenv("XDG_RUNTIME_DIR", dir);
        }
        QGuiApplication app(argc, argv);
        rememberRawArguments(argc, argv);
        QStringList args = QCoreApplication::arguments();
        args.removeFirst();
        return runHeadless(args);
    }
    QApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
    return runGui(app, args);
}
