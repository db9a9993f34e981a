#pragma once

#include "tournament/ui/Plateforme.h"

// The message boxes of the running program.
class PlateformeQt : public Plateforme
{
public:
    void erreurFichier(QWidget *parent) override;
    void erreurSysteme(QWidget *parent, const QString &message) override;
};
