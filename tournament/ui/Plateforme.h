#pragma once

#include <QString>

class QWidget;

// What the windows ask of the desktop beyond drawing themselves: the message
// boxes. Forms never call QMessageBox themselves, so that tests can run every
// path with a scripted implementation that records what would have been shown.
class Plateforme
{
public:
    virtual ~Plateforme() = default;

    // The fixed box "File Error !" for a data file or picture that cannot be read.
    virtual void erreurFichier(QWidget *parent) = 0;
    // The standard error box carrying the system's message for a failed read or write.
    virtual void erreurSysteme(QWidget *parent, const QString &message) = 0;
};
