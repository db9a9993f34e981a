#pragma once

#include <QSet>
#include <QString>

class QDialog;
class QWidget;

// What the windows ask of the desktop beyond drawing themselves: the message
// boxes. Forms never call QMessageBox themselves, so that tests can run every
// path with a scripted implementation that records what would have been shown.
class Plateforme
{
public:
    virtual ~Plateforme() = default;

    // The fixed box "File Error !" for a data file or picture that cannot be
    // read; the box names the file.
    virtual void erreurFichier(QWidget *parent, const QString &fichier) = 0;
    // The standard error box carrying the system's message for a failed read or write.
    virtual void erreurSysteme(QWidget *parent, const QString &message) = 0;
    // Shows one of the program's question dialogs and waits for the answer:
    // true when it was accepted ("Yes").
    virtual bool demande(QDialog *dialog) = 0;

    // "File Error !" for a picture: once per file and run, however many
    // windows show it or however often they are shown.
    void erreurImage(QWidget *parent, const QString &fichier)
    {
        if (m_imagesSignalees.contains(fichier))
            return;
        m_imagesSignalees.insert(fichier);
        erreurFichier(parent, fichier);
    }

private:
    QSet<QString> m_imagesSignalees;
};
