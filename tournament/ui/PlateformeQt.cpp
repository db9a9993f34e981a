#include "tournament/ui/PlateformeQt.h"

#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QMessageBox>

namespace {

// A box is centred on its parent window; a window not on the screen yet (the
// main window while it loads the groups) gives it no place, so the box then
// stands on its own in the middle of the screen.
QWidget *placeDe(QWidget *parent)
{
    return parent && parent->window()->isVisible() ? parent : nullptr;
}

} // namespace

void PlateformeQt::erreurFichier(QWidget *parent, const QString &fichier)
{
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Trophex 1.1"), QStringLiteral("File Error !"),
                    QMessageBox::Ok, placeDe(parent));
    box.setInformativeText(QStringLiteral("Could not load %1").arg(QDir::toNativeSeparators(fichier)));
    // A path is one word: broken at its slashes it reads as two names. The
    // box grows to hold it on one line.
    if (auto *detail = box.findChild<QLabel *>(QStringLiteral("qt_msgbox_informativelabel")))
        detail->setWordWrap(false);
    box.exec();
}

void PlateformeQt::erreurSysteme(QWidget *parent, const QString &message)
{
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Error"), message, QMessageBox::Ok, placeDe(parent));
    box.exec();
}

bool PlateformeQt::demande(QDialog *dialog)
{
    return dialog->exec() == QDialog::Accepted;
}
