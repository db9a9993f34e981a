#include "apps/tabulon/GuiMain.h"

#include <QApplication>
#include <QFont>
#include <QWidget>

int runGui(QApplication &app, const QStringList &args)
{
    Q_UNUSED(args);
    QApplication::setApplicationName(QStringLiteral("Tabulon '98"));
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QWidget w;
    w.setWindowTitle(QStringLiteral("Tabulon '98"));
    w.show();
    return app.exec();
}
