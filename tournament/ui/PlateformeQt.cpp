#include "tournament/ui/PlateformeQt.h"

#include <QMessageBox>

void PlateformeQt::erreurFichier(QWidget *parent)
{
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Trophex 1.1"), QStringLiteral("File Error !"),
                    QMessageBox::Ok, parent);
    box.exec();
}

void PlateformeQt::erreurSysteme(QWidget *parent, const QString &message)
{
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Error"), message, QMessageBox::Ok, parent);
    box.exec();
}
