#include "tournament/ui/QtPlatform.h"

#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>

namespace {

// A box is centred on its parent window; a window not on the screen yet (the
// main window while it loads the groups) gives it no place, so the box then
// stands on its own in the middle of the screen.
QWidget *parentFor(QWidget *parent)
{
    return parent && parent->window()->isVisible() ? parent : nullptr;
}

} // namespace

void QtPlatform::fileError(QWidget *parent, const QString &file)
{
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Trophex 1.1"), QStringLiteral("File Error !"),
                    QMessageBox::Ok, parentFor(parent));
    box.setInformativeText(QStringLiteral("Could not load %1").arg(QDir::toNativeSeparators(file)));
    // A path is one word: broken at its slashes it reads as two names. The
    // box grows to hold it on one line.
    if (auto *detail = box.findChild<QLabel *>(QStringLiteral("qt_msgbox_informativelabel")))
        detail->setWordWrap(false);
    box.exec();
}

void QtPlatform::systemError(QWidget *parent, const QString &message)
{
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Error"), message, QMessageBox::Ok, parentFor(parent));
    box.exec();
}

bool QtPlatform::ask(QDialog *dialog)
{
    return dialog->exec() == QDialog::Accepted;
}

QString QtPlatform::chooseFile(QWidget *parent, const QString &caption, const QString &filter)
{
    return QFileDialog::getOpenFileName(parentFor(parent), caption, QString(), filter);
}

QString QtPlatform::chooseFolder(QWidget *parent, const QString &caption)
{
    return QFileDialog::getExistingDirectory(parentFor(parent), caption);
}
