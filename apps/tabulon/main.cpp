#include <QApplication>
#include <QFont>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tabulon '98"));
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QWidget w;
    w.setWindowTitle(QStringLiteral("Tabulon '98"));
    w.show();
    return app.exec();
}
