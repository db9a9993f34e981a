#pragma once

#include <QWidget>

#include "tournament/group/ResultEntry.h"
#include "tournament/model/Tournament.h"
#include "tournament/ui/Apparence.h"
#include "tournament/ui/Fenetres.h"

class Plateforme;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTableWidget;
class QTimer;
class TabbedNotebook;

// The main window: the notebook with the welcome page, the group standings,
// the squads, the played matches, the result entry and the statistics. It owns
// the tournament and every other window; those read its entry controls directly.
class TForm1 : public QWidget
{
    Q_OBJECT
public:
    enum Page { Welcome, Classifications, EditTeam, PlayedMatchs, NewResult, Statistics, AboutTheAuthor };

    // Loads the groups and the group matches from dir. When the groups cannot
    // be read, "File Error !" is shown and chargement_ok stays false.
    TForm1(const QString &dir, Plateforme &plateforme, QWidget *parent = nullptr);
    ~TForm1() override;

    // Creates the other windows in the start order; call once the load succeeded.
    void creeFenetres();

    Tournament &tournoi() { return m_tournoi; }
    const QString &dossier() const { return m_dossier; }
    Plateforme &plateforme() { return m_plateforme; }
    Apparence::IconeLue &iconeLue() { return m_iconeLue; }
    Fenetres &fenetres() { return m_fenetres; }

    bool sauveAuto() const;
    bool imagesAffichees() const;
    // The entry page's values as the result checks read them.
    ResultEntry saisie() const;
    // The line of the questions before a change that says when the files change.
    QString quandEcrit() const;
    // "Team 1 - Team 2  2-1", a recorded match as the questions name it.
    static QString texte_match(const TRencontre &m);
    // Shows the standard error box for a failed read or write.
    void signale(const FileResult &result);
    // Shows the window, or repeats the showing actions when it is already shown.
    void montre();
    // Locks the pages while "Confirm score" is open, so that the entry it
    // shows is the one its OK records.
    void verrouilleSaisie(bool verrou);
    // Ends the program: the window closes whatever the flags say.
    void termine();

    // "Welcome"
    QPushButton *tour2, *initialiser, *initTour2, *sauver, *Quitter;
    QGroupBox *Options;
    QCheckBox *Images, *sauve_auto;
    QLabel *mascot, *Label1;
    // "Classifications"
    QComboBox *lettre_groupe;
    QTableWidget *classement;
    // "Edit Team"
    QComboBox *groupe, *equipe;
    QLabel *Imageq;
    QListWidget *liste_joueurs;
    QLineEdit *nouveau;
    QPushButton *Ajouter, *Enlever;
    QSpinBox *buts_joueur;  // the selected player's goals, to correct them
    QPushButton *Corriger;  // "Set goals"
    // "Played Matchs"
    QTableWidget *matchs_joues;
    QLabel *mjoues;
    QPushButton *efface;  // "Delete": takes the selected match back
    QLabel *efface_info;  // what the last "Delete" did
    // "New Result"
    QComboBox *lettre, *equipe1, *equipe2;
    QSpinBox *score1, *score2;
    QListWidget *listeq1, *listeq2, *buteur1, *buteur2;
    QPushButton *but1, *but2, *enleve1, *enleve2, *Valider, *valider2, *back;
    // "Statistics"
    QComboBox *lettregrp, *nom_equipe;
    QTableWidget *effectif;
    QListWidget *buteurs;
    QLabel *Image;
    QProgressBar *points;
    QLabel *po_pris, *po_poss, *moy_buts;
    QList<QLabel *> etiquettesEquipe; // the team labels, shown and hidden together
    // "About The Author"
    QLabel *sigle;
    // Page backgrounds, loaded only when "Images" is checked.
    QLabel *fond_classement, *fond_equipe, *fond_matchs, *fond_resultat, *fond_stats;

    TabbedNotebook *TabbedNotebook1;
    QTimer *Timer1;
    int ticks = 0;

    // Handlers, public so that tests can drive them as the events would.
    void Timer1Timer();
    bool TabbedNotebook1Change(int newPage);
    void tour2Click();
    void initialiserClick();
    void initTour2Click();
    void sauverClick();
    void QuitterClick();
    void ImagesClick();
    void lettre_groupeChange();
    void groupeChange();
    void equipeChange();
    void nouveauChange();
    void AjouterClick();
    void EnleverClick();
    void liste_joueursChange();
    void CorrigerClick();
    void effaceClick();
    void lettreChange();
    void equipe1Change();
    void equipe2Change();
    void but1Click();
    void but2Click();
    void enleve1Click();
    void enleve2Click();
    void ValiderClick();
    void valider2Click();
    void backClick();
    void lettregrpChange();
    void nom_equipeChange();

signals:
    // The window has closed for good: the program ends.
    void fermee();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void construitAccueil(QWidget *page);
    void construitClassement(QWidget *page);
    void construitEquipe(QWidget *page);
    void construitMatchs(QWidget *page);
    void construitResultat(QWidget *page);
    void construitStatistiques(QWidget *page);
    void construitAuteur(QWidget *page);
    void connecte();

    void formShow();
    void entreeClassement();
    void entreeEquipe();
    void entreeMatchs();
    void entreeResultat();
    void entreeStatistiques();

    void remplitSquad(QListWidget *list, const TEquipe *team);
    void montreClassement(const TGroupe *group);
    void montreChiffres(const TEquipe *team);
    void videChiffres();
    void montreEtiquettesEquipe(bool visible);
    void remplitButeurs();
    void montreDialogue(QWidget *dialog);
    TEquipe *equipeDuGroupe(const QString &groupText, const QString &teamText);

    Tournament m_tournoi;
    QString m_dossier;
    Plateforme &m_plateforme;
    Apparence::IconeLue m_iconeLue;
    Fenetres m_fenetres;
    bool m_fin = false;
};
