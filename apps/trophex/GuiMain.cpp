#include "apps/trophex/GuiMain.h"

#include <QApplication>
#include <QWidget>

int runGui(QApplication &app, const QStringList &args)
{
    Q_UNUSED(args);
    QApplication::setApplicationName(QStringLiteral("Trophex 1.1"));
    QWidget w;
    w.setWindowTitle(QStringLiteral("Trophex 1.1"));
    w.show();
    return app.exec();
}
