#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Trophex 1.1"));
    QWidget w;
    w.setWindowTitle(QStringLiteral("Trophex 1.1"));
    w.show();
    return app.exec();
}
