#pragma once

#include "tournament/ui/Plateforme.h"

// The message boxes of the running program.
class PlateformeQt : public Plateforme
{
public:
    void erreurFichier(QWidget *parent, const QString &fichier) override;
    void erreurSysteme(QWidget *parent, const QString &message) override;
    bool demande(QDialog *dialog) override;
};
