// The yardstick for the programs' start-up: a bare Qt main window with a
// menu bar, a status bar and one label, built with the same compiler and
// flags as the programs. tools/bench starts it the same way as them.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.menuBar()->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("&Quit"), &app,
                                                                   &QCoreApplication::quit);
    window.setCentralWidget(new QLabel(QStringLiteral("Hello")));
    window.statusBar()->showMessage(QStringLiteral("Ready"));
    window.resize(640, 480);
    window.show();
    return app.exec();
}
