#pragma once

#include <QSet>
#include <QString>

class QDialog;
class QWidget;

// What the windows ask of the desktop beyond drawing themselves: the message
// boxes. Forms never call QMessageBox themselves, so that tests can run every
// path with a scripted implementation that records what would have been shown.
class Platform
{
public:
    virtual ~Platform() = default;

    // The fixed box "File Error !" for a data file or picture that cannot be
    // read; the box names the file.
    virtual void fileError(QWidget *parent, const QString &file) = 0;
    // The standard error box carrying the system's message for a failed read or write.
    virtual void systemError(QWidget *parent, const QString &message) = 0;
    // Shows one of the program's question dialogs and waits for the answer:
    // true when it was accepted ("Yes").
    virtual bool ask(QDialog *dialog) = 0;
    // A file to open, chosen by the user; empty when none was chosen.
    virtual QString chooseFile(QWidget *parent, const QString &caption, const QString &filter) = 0;
    // A folder, chosen by the user; empty when none was chosen.
    virtual QString chooseFolder(QWidget *parent, const QString &caption) = 0;

    // "File Error !" for a picture: once per file and run, however many
    // windows show it or however often they are shown.
    void pictureError(QWidget *parent, const QString &file)
    {
        if (m_reportedPictures.contains(file))
            return;
        m_reportedPictures.insert(file);
        fileError(parent, file);
    }

private:
    QSet<QString> m_reportedPictures;
};
