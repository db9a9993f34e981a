#pragma once

#include <QWidget>

#include "tournament/ui/PageContext.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;

// "Edit Team": a team's squad, with players added, taken out and their goals corrected.
class EditTeamPage : public QWidget
{
    Q_OBJECT
public:
    explicit EditTeamPage(PageContext &ctx, QWidget *parent = nullptr);
    // Ties the controls to the page's size; design is the page's size in the
    // window's usual size, where every control stays where it was put.
    void followSize(QSize design);

    QLabel *fond_equipe;
    QComboBox *groupe, *equipe;
    QLabel *Imageq;
    QListWidget *liste_joueurs;
    QLineEdit *nouveau;
    QPushButton *Ajouter, *Enlever;
    QSpinBox *buts_joueur;  // the selected player's goals, to correct them
    QPushButton *Corriger;  // "Set goals"

    // Entering the page: nothing chosen.
    void entreeEquipe();
    void groupeChange();
    void equipeChange();
    void nouveauChange();
    void AjouterClick();
    void EnleverClick();
    void liste_joueursChange();
    void CorrigerClick();

private:
    TEquipe *chosenTeam();
    // A changed squad is written at once or marked to be saved.
    void modifie();

    PageContext &m_ctx;
};
