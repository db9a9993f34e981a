#include "tournament/ui/TForm1.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QTableWidget>
#include <QTimer>

#include "tournament/group/Ranking.h"
#include "tournament/group/Statistics.h"
#include "tournament/knockout/Bracket.h"
#include "tournament/knockout/Corrections.h"
#include "tournament/model/Ansi.h"
#include "tournament/model/NameChecks.h"
#include "tournament/model/Resets.h"
#include "tournament/model/TournamentFiles.h"
#include "tournament/ui/Apparence.h"
#include "tournament/ui/Plateforme.h"
#include "tournament/ui/TabbedNotebook.h"
#include "tournament/ui/TAboutBox.h"
#include "tournament/ui/TForm2.h"
#include "tournament/ui/TForm3.h"
#include "tournament/ui/TQuitterdlg.h"
#include "tournament/ui/Tconfirmation.h"
#include "tournament/ui/Tbilans.h"
#include "tournament/ui/Tchampion_du_monde.h"
#include "tournament/ui/Tcontre_camp.h"
#include "tournament/ui/Tdeja_lieu.h"
#include "tournament/ui/Tmatch_nul.h"
#include "tournament/ui/Tsaisie_inco.h"
#include "tournament/ui/Tvalidation.h"

using Apparence::cree;

namespace {

const QStringList kLettres = {"A", "B", "C", "D", "E", "F", "G", "H"};

// Only characters the files can hold may be typed into a name, and no
// control character (a pasted TAB or line end) gets into one.
class ValidateurAnsi : public QValidator
{
public:
    using QValidator::QValidator;
    State validate(QString &input, int &) const override
    {
        return Ansi::canEncode(input) && !NameChecks::hasControl(input) ? Acceptable : Invalid;
    }
};

enum Completion { AvecCompletion, SansCompletion };

QComboBox *liste(QWidget *parent, const char *name, int x, int y, int w, const QStringList &items = {},
                 Completion completion = AvecCompletion)
{
    // The lists are drop-downs with a text of their own, as the handlers empty
    // the text and the items separately.
    auto *box = cree<QComboBox>(parent, name, x, y, w, 26);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->addItems(items);
    box->setCurrentIndex(-1);
    box->setEditText(QString());
    // A group letter is one key: completing it would only bring back "A"
    // after a letter that names no group was typed and emptied (the
    // completion ignores case), and Enter would then load group A.
    if (completion == SansCompletion)
        box->setCompleter(nullptr);
    return box;
}

QLabel *fond(QWidget *page, const char *name)
{
    auto *label = cree<QLabel>(page, name, 0, 0, 645, 317);
    label->setScaledContents(true);
    label->lower();
    return label;
}

} // namespace

TForm1::TForm1(const QString &dir, Plateforme &plateforme, QWidget *parent)
    : QWidget(parent), m_dossier(dir), m_plateforme(plateforme)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Trophex 1.1"));
    Apparence::appliquePolice(this);
    setFixedSize(651, 367);
    setEnabled(false);

    TabbedNotebook1 = new TabbedNotebook(this);
    TabbedNotebook1->setObjectName(QStringLiteral("TabbedNotebook1"));
    TabbedNotebook1->setGeometry(0, 0, 651, 367);
    TabbedNotebook1->setTabsPerRow(6);
    const char *captions[] = {"Welcome", "Classifications", "Edit Team", "Played Matchs",
                              "New Result", "Statistics", "About The Author"};
    for (const char *caption : captions) {
        auto *page = new QWidget;
        page->setObjectName(QString::fromLatin1(caption).remove(QLatin1Char(' ')));
        TabbedNotebook1->addPage(page, QString::fromLatin1(caption));
    }
    construitAccueil(TabbedNotebook1->page(Welcome));
    construitClassement(TabbedNotebook1->page(Classifications));
    construitEquipe(TabbedNotebook1->page(EditTeam));
    construitMatchs(TabbedNotebook1->page(PlayedMatchs));
    construitResultat(TabbedNotebook1->page(NewResult));
    construitStatistiques(TabbedNotebook1->page(Statistics));
    construitAuteur(TabbedNotebook1->page(AboutTheAuthor));

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    connecte();

    // Creation: icon, flags, groups; the rest only when the groups could be read.
    Apparence::chargeIcone(this, m_dossier, m_plateforme, m_iconeLue);
    valider2->hide();
    m_tournoi.phase2 = m_tournoi.modifie = false;
    m_tournoi.qualif_a_ecrire = m_tournoi.qualif_a_effacer = false;
    // Centred before anything can fail, so that a box shown now stands in the
    // middle of the screen like the window.
    Apparence::centre(this);
    // A save cut short by a crash is finished or undone before anything is
    // read, so that the window never shows a mix of two tournaments; when
    // that cannot be done the program does not start on the folder.
    const FileResult repris = FolderCommit::recoverFolder(m_dossier);
    if (!repris.ok) {
        signale(repris);
        return;
    }
    QString echec;
    if (!charge_groupes(m_tournoi, m_dossier, &echec)) {
        m_plateforme.erreurFichier(this, QDir(m_dossier).filePath(echec));
        return;
    }
    signale(charge_matchs(m_tournoi, m_dossier));
    charge_buteurs(m_tournoi, m_dossier);
    Apparence::chargeImage(mascot, m_dossier, QStringLiteral("mascot.bmp"), &m_plateforme, this);
    Apparence::chargeImage(sigle, m_dossier, QStringLiteral("sigle.bmp"), &m_plateforme, this);
    ticks = 0;
    Timer1->start(1000);
}

TForm1::~TForm1()
{
    Timer1->stop();
}

void TForm1::creeFenetres()
{
    m_fenetres.AboutBox = std::make_unique<TAboutBox>(*this);
    m_fenetres.bilans = std::make_unique<Tbilans>(*this);
    m_fenetres.contre_camp = std::make_unique<Tcontre_camp>(*this);
    m_fenetres.deja_lieu = std::make_unique<Tdeja_lieu>(*this);
    m_fenetres.saisie_inco = std::make_unique<Tsaisie_inco>(*this);
    m_fenetres.Quitterdlg = std::make_unique<TQuitterdlg>(*this);
    m_fenetres.match_nul = std::make_unique<Tmatch_nul>(*this);
    m_fenetres.Form2 = std::make_unique<TForm2>(*this);
    m_fenetres.champion_du_monde = std::make_unique<Tchampion_du_monde>(*this);
    m_fenetres.validation = std::make_unique<Tvalidation>(*this);
    m_fenetres.Form3 = std::make_unique<TForm3>(*this);
}

// Layout of the pages ------------------------------------------------------

void TForm1::construitAccueil(QWidget *page)
{
    tour2 = cree<QPushButton>(page, "tour2", 16, 16, 160, 30, QStringLiteral("Start Stage 2"));
    initialiser = cree<QPushButton>(page, "initialiser", 16, 70, 160, 30, QStringLiteral("Reset All"));
    initTour2 = cree<QPushButton>(page, "initTour2", 16, 110, 160, 30, QStringLiteral("Reset Stage 2"));
    sauver = cree<QPushButton>(page, "sauver", 16, 164, 160, 30, QStringLiteral("Save"));
    Quitter = cree<QPushButton>(page, "Quitter", 16, 218, 160, 30, QStringLiteral("Exit"));

    Options = cree<QGroupBox>(page, "Options", 200, 12, 430, 92, QStringLiteral("Options"));
    Images = cree<QCheckBox>(Options, "Images", 12, 26, 410, 24,
                             QStringLiteral("Show background pictures (non available)"));
    Images->setEnabled(false);
    sauve_auto = cree<QCheckBox>(Options, "sauve_auto", 12, 56, 410, 24,
                                 QStringLiteral("Automatic save when changes are done."));

    mascot = cree<QLabel>(page, "mascot", 220, 140, 64, 64);
    Label1 = cree<QLabel>(page, "Label1", 300, 150, 330, 44,
                          QStringLiteral("\"I'll guide you through the tournament\""));
    Label1->setWordWrap(true);
}

void TForm1::construitClassement(QWidget *page)
{
    fond_classement = fond(page, "fond_classement");
    cree<QLabel>(page, "Label2", 16, 16, 50, 26, QStringLiteral("Group"));
    lettre_groupe = liste(page, "lettre_groupe", 70, 16, 60, kLettres, SansCompletion);
    classement = Apparence::grille(page, "classement", 5, {126, 77, 75, 75, 75}, 30);
    classement->move(100, 64);
    const QStringList header = {"Team", "Played", "Points", "For", "Against"};
    for (int c = 0; c < 5; ++c)
        Apparence::cellule(classement, 0, c, header[c]);
}

void TForm1::construitEquipe(QWidget *page)
{
    fond_equipe = fond(page, "fond_equipe");
    cree<QLabel>(page, "Label3", 16, 16, 50, 26, QStringLiteral("Group"));
    groupe = liste(page, "groupe", 70, 16, 60, kLettres, SansCompletion);
    equipe = liste(page, "equipe", 16, 60, 190);
    Imageq = cree<QLabel>(page, "Imageq", 16, 104, 78, 53);
    liste_joueurs = cree<QListWidget>(page, "liste_joueurs", 224, 16, 200, 284);
    liste_joueurs->setSelectionMode(QAbstractItemView::ExtendedSelection);
    cree<QLabel>(page, "Label4", 440, 16, 190, 24, QStringLiteral("Player's name :"));
    nouveau = cree<QLineEdit>(page, "nouveau", 440, 44, 190, 28);
    nouveau->setMaxLength(ShortName::MaxLength);
    nouveau->setValidator(new ValidateurAnsi(nouveau));
    Ajouter = cree<QPushButton>(page, "Ajouter", 440, 84, 100, 30, QStringLiteral("Add"));
    Ajouter->setEnabled(false);
    Enlever = cree<QPushButton>(page, "Enlever", 440, 150, 100, 30, QStringLiteral("Out !"));
    Enlever->setEnabled(false);
    // A player's goals can be corrected by hand, for matches whose scorers
    // were recorded before the program kept them.
    cree<QLabel>(page, "Label_buts", 440, 200, 60, 26, QStringLiteral("Goals :"));
    buts_joueur = cree<QSpinBox>(page, "buts_joueur", 504, 198, 70, 28);
    buts_joueur->setRange(0, 999);
    buts_joueur->setEnabled(false);
    Corriger = cree<QPushButton>(page, "Corriger", 440, 236, 134, 30, QStringLiteral("Set goals"));
    Corriger->setEnabled(false);
}

void TForm1::construitMatchs(QWidget *page)
{
    fond_matchs = fond(page, "fond_matchs");
    matchs_joues = Apparence::grille(page, "matchs_joues", 2, {56, 136, 129, 61, 58}, 24);
    matchs_joues->setGeometry(90, 12, 440 + 2 * matchs_joues->frameWidth() + 18, 250);
    matchs_joues->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    const QStringList header = {"Group", "Team 1", "Team 2", "Goals 1", "Goals 2"};
    for (int c = 0; c < 5; ++c)
        Apparence::cellule(matchs_joues, 0, c, header[c]);
    mjoues = cree<QLabel>(page, "mjoues", 10, 274, 625, 26);
    mjoues->setAlignment(Qt::AlignCenter);
    // Taking back a match entered by mistake, with a word on what happened.
    efface = cree<QPushButton>(page, "efface", 560, 12, 80, 30, QStringLiteral("Delete"));
    efface_info = cree<QLabel>(page, "efface_info", 558, 50, 86, 212);
    efface_info->setWordWrap(true);
    Apparence::texteNom(efface_info);
    efface_info->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont small = efface_info->font();
    small.setPixelSize(11);
    efface_info->setFont(small);
}

void TForm1::construitResultat(QWidget *page)
{
    fond_resultat = fond(page, "fond_resultat");
    cree<QLabel>(page, "Label5", 250, 8, 54, 26, QStringLiteral("Group"));
    lettre = liste(page, "lettre", 306, 8, 60, kLettres, SansCompletion);
    equipe1 = liste(page, "equipe1", 10, 42, 196);
    score1 = cree<QSpinBox>(page, "score1", 250, 42, 56, 26);
    score2 = cree<QSpinBox>(page, "score2", 340, 42, 56, 26);
    equipe2 = liste(page, "equipe2", 440, 42, 196);
    for (QSpinBox *s : {score1, score2}) {
        s->setRange(0, 100);
        s->setValue(0);
    }
    cree<QLabel>(page, "Label6", 312, 42, 22, 26, QStringLiteral("-"))->setAlignment(Qt::AlignCenter);

    listeq1 = cree<QListWidget>(page, "listeq1", 10, 76, 150, 196);
    but1 = cree<QPushButton>(page, "but1", 164, 130, 38, 28, QStringLiteral("->"));
    enleve1 = cree<QPushButton>(page, "enleve1", 164, 170, 38, 28, QStringLiteral("<-"));
    cree<QLabel>(page, "Label7", 206, 76, 116, 22, QStringLiteral("Goal(s) from"));
    buteur1 = cree<QListWidget>(page, "buteur1", 206, 98, 116, 174);
    cree<QLabel>(page, "Label8", 326, 76, 116, 22, QStringLiteral("Goal(s) from"));
    buteur2 = cree<QListWidget>(page, "buteur2", 326, 98, 116, 174);
    but2 = cree<QPushButton>(page, "but2", 446, 130, 38, 28, QStringLiteral("<-"));
    enleve2 = cree<QPushButton>(page, "enleve2", 446, 170, 38, 28, QStringLiteral("->"));
    listeq2 = cree<QListWidget>(page, "listeq2", 488, 76, 150, 196);

    Valider = cree<QPushButton>(page, "Valider", 266, 280, 110, 30, QStringLiteral("Valider"));
    Valider->setEnabled(false);
    valider2 = cree<QPushButton>(page, "valider2", 206, 280, 110, 30, QStringLiteral("Valider"));
    back = cree<QPushButton>(page, "back", 326, 280, 110, 30, QStringLiteral("Retour"));
    back->hide();
}

void TForm1::construitStatistiques(QWidget *page)
{
    fond_stats = fond(page, "fond_stats");
    cree<QLabel>(page, "Label9", 10, 8, 50, 26, QStringLiteral("Group"));
    lettregrp = liste(page, "lettregrp", 64, 8, 60, kLettres, SansCompletion);
    nom_equipe = liste(page, "nom_equipe", 10, 40, 180);
    Image = cree<QLabel>(page, "Image", 10, 76, 78, 53);
    points = cree<QProgressBar>(page, "points", 10, 142, 180, 20);
    points->setRange(0, 100);
    points->setValue(0);

    effectif = Apparence::grille(page, "effectif", 24, {126, 34}, 20);
    effectif->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    effectif->setGeometry(200, 8, 126 + 34 + 2 * effectif->frameWidth() + 18, 226);
    Apparence::cellule(effectif, 0, 0, QStringLiteral("Name"));
    Apparence::cellule(effectif, 0, 1, QStringLiteral("Goals"));
    // The goals column is narrow; its header uses a smaller print to fit.
    QFont small = effectif->font();
    small.setPixelSize(10);
    effectif->item(0, 1)->setFont(small);

    cree<QLabel>(page, "Label10", 392, 8, 240, 22, QStringLiteral("Best Scorer(s)"));
    buteurs = cree<QListWidget>(page, "buteurs", 392, 30, 243, 204);

    // Value labels keep room for three digits; the caption labels take their text's width.
    po_pris = cree<QLabel>(page, "po_pris", 0, 244, 24, 24);
    po_pris->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto *gained = cree<QLabel>(page, "Label11", 0, 244, 0, 24, QStringLiteral("points gained"));
    auto *pour = cree<QLabel>(page, "Label12", 0, 244, 0, 24, QStringLiteral("for"));
    po_poss = cree<QLabel>(page, "po_poss", 0, 244, 24, 24);
    po_poss->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto *possibly = cree<QLabel>(page, "Label13", 0, 244, 0, 24, QStringLiteral("possibly"));
    auto *stage1 = cree<QLabel>(page, "Label14", 0, 244, 0, 24, QStringLiteral("in stage 1"));
    auto *scored = cree<QLabel>(page, "Label15", 0, 272, 0, 24, QStringLiteral("The team's scored"));
    moy_buts = cree<QLabel>(page, "moy_buts", 0, 272, 32, 24);
    moy_buts->setAlignment(Qt::AlignCenter);
    auto *perMatch = cree<QLabel>(page, "Label16", 0, 272, 0, 24, QStringLiteral("goal per match"));
    auto *stages = cree<QLabel>(page, "Label17", 0, 272, 0, 24, QStringLiteral("(stage 1 and 2)."));
    Apparence::enLigne({po_pris, gained, pour, po_poss, possibly, stage1}, 10);
    Apparence::enLigne({scored, moy_buts, perMatch, stages}, 10);
    etiquettesEquipe << po_pris << gained << pour << po_poss << possibly << stage1 << scored << moy_buts
                     << perMatch << stages;
}

void TForm1::construitAuteur(QWidget *page)
{
    auto *titre = cree<QLabel>(page, "Label18", 0, 16, 645, 34, QStringLiteral("Trophex 1.1"));
    Apparence::policeGrasse(titre, 24);
    titre->setAlignment(Qt::AlignCenter);
    sigle = cree<QLabel>(page, "sigle", 202, 60, 240, 90);
    auto *texte = cree<QLabel>(page, "Label19", 20, 164, 605, 130,
                               QStringLiteral("Written to follow a world tournament by hand: thirty-two teams,\n"
                                              "eight groups, the bracket and the best scorers.\n"
                                              "Free to use and to pass on.\n"
                                              "Remarks and ideas are welcome through the project's issue list."));
    texte->setAlignment(Qt::AlignCenter);
}

void TForm1::connecte()
{
    TabbedNotebook1->avantChangement = [this](int page) { return TabbedNotebook1Change(page); };
    connect(Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);

    connect(tour2, &QPushButton::clicked, this, &TForm1::tour2Click);
    connect(initialiser, &QPushButton::clicked, this, &TForm1::initialiserClick);
    connect(initTour2, &QPushButton::clicked, this, &TForm1::initTour2Click);
    connect(sauver, &QPushButton::clicked, this, &TForm1::sauverClick);
    connect(Quitter, &QPushButton::clicked, this, &TForm1::QuitterClick);
    connect(Images, &QCheckBox::clicked, this, &TForm1::ImagesClick);

    // A drop-down "changes" when the user picks an item or types, never when
    // the program sets its text.
    const auto onChange = [this](QComboBox *box, void (TForm1::*handler)()) {
        connect(box, &QComboBox::textActivated, this, handler);
        connect(box->lineEdit(), &QLineEdit::textEdited, this, handler);
    };
    onChange(lettre_groupe, &TForm1::lettre_groupeChange);
    onChange(groupe, &TForm1::groupeChange);
    onChange(equipe, &TForm1::equipeChange);
    onChange(lettre, &TForm1::lettreChange);
    onChange(equipe1, &TForm1::equipe1Change);
    onChange(equipe2, &TForm1::equipe2Change);
    onChange(lettregrp, &TForm1::lettregrpChange);
    onChange(nom_equipe, &TForm1::nom_equipeChange);

    connect(nouveau, &QLineEdit::textChanged, this, &TForm1::nouveauChange);
    connect(Ajouter, &QPushButton::clicked, this, &TForm1::AjouterClick);
    connect(Enlever, &QPushButton::clicked, this, &TForm1::EnleverClick);
    connect(liste_joueurs, &QListWidget::itemSelectionChanged, this, &TForm1::liste_joueursChange);
    connect(Corriger, &QPushButton::clicked, this, &TForm1::CorrigerClick);
    connect(efface, &QPushButton::clicked, this, &TForm1::effaceClick);

    connect(but1, &QPushButton::clicked, this, &TForm1::but1Click);
    connect(but2, &QPushButton::clicked, this, &TForm1::but2Click);
    connect(enleve1, &QPushButton::clicked, this, &TForm1::enleve1Click);
    connect(enleve2, &QPushButton::clicked, this, &TForm1::enleve2Click);
    connect(Valider, &QPushButton::clicked, this, &TForm1::ValiderClick);
    connect(valider2, &QPushButton::clicked, this, &TForm1::valider2Click);
    connect(back, &QPushButton::clicked, this, &TForm1::backClick);
}

// Shell -----------------------------------------------------------------------

bool TForm1::sauveAuto() const
{
    return sauve_auto->isChecked();
}

bool TForm1::imagesAffichees() const
{
    return Images->isChecked();
}

ResultEntry TForm1::saisie() const
{
    ResultEntry e;
    e.groupText = lettre->currentText();
    e.team1Text = equipe1->currentText();
    e.team2Text = equipe2->currentText();
    e.score1 = score1->value();
    e.score2 = score2->value();
    for (int i = 0; i < buteur1->count(); ++i)
        e.scorers1 << buteur1->item(i)->text();
    for (int i = 0; i < buteur2->count(); ++i)
        e.scorers2 << buteur2->item(i)->text();
    return e;
}

void TForm1::signale(const FileResult &result)
{
    if (!result.ok && !result.error.isEmpty())
        m_plateforme.erreurSysteme(this, result.error);
}

void TForm1::montre()
{
    if (isVisible())
        formShow();
    else
        show();
    raise();
    activateWindow();
}

void TForm1::verrouilleSaisie(bool verrou)
{
    TabbedNotebook1->setEnabled(!verrou);
}

void TForm1::termine()
{
    m_tournoi.liste_matchs.clear();
    m_tournoi.liste_tour2.clear();
    m_fin = true;
    close();
}

void TForm1::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        formShow();
}

void TForm1::closeEvent(QCloseEvent *event)
{
    // A knock-out stage in progress keeps the window open ("Back" on the
    // bracket ends it first); unsaved changes ask as "Exit" does.
    if (!m_fin && (m_tournoi.modifie || m_tournoi.phase2)) {
        event->ignore();
        if (!m_tournoi.phase2)
            QuitterClick();
        return;
    }
    Timer1->stop();
    event->accept();
    m_fin = true;
    // Every other window goes with the main window.
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w != this && w->isVisible())
            w->hide();
    emit fermee();
}

void TForm1::formShow()
{
    if (m_tournoi.phase2) {
        if (TabbedNotebook1->pageIndex() == NewResult)
            entreeResultat();
        else
            TabbedNotebook1->setPageIndex(NewResult);
    } else {
        TabbedNotebook1->setPageIndex(Welcome);
    }
}

void TForm1::Timer1Timer()
{
    ++ticks;
    if (m_fenetres.AboutBox)
        m_fenetres.AboutBox->show();
    if (ticks >= 7) {
        Timer1->stop();
        setEnabled(true);
        if (m_fenetres.AboutBox)
            m_fenetres.AboutBox->hide();
    }
}

bool TForm1::TabbedNotebook1Change(int newPage)
{
    switch (newPage) {
    case Welcome:
        return !m_tournoi.phase2;
    case Classifications:
        entreeClassement();
        return true;
    case EditTeam:
        entreeEquipe();
        return true;
    case PlayedMatchs:
        efface_info->clear();
        entreeMatchs();
        return true;
    case NewResult:
        if (!m_tournoi.phase2 && int(m_tournoi.liste_matchs.size()) >= kGroupMatchCount)
            return false;
        entreeResultat();
        return true;
    case Statistics:
        entreeStatistiques();
        return true;
    default:
        return true;
    }
}

void TForm1::tour2Click()
{
    hide();
    FileResult read;
    const bool tirage = demarre_tour2(m_tournoi, m_dossier, &read);
    signale(read);
    if (tirage)
        m_fenetres.Form3->show();
    else
        m_fenetres.Form2->montre();
}

QString TForm1::quandEcrit() const
{
    return sauveAuto() ? QStringLiteral("The files will be changed at once.")
                       : QStringLiteral("The files change only when you save.");
}

QString TForm1::texte_match(const TRencontre &m)
{
    return QStringLiteral("%1 - %2  %3-%4").arg(m.team1.text(), m.team2.text(), QString::number(m.score1), QString::number(m.score2));
}

void TForm1::initialiserClick()
{
    Tconfirmation question(*this, QStringLiteral("Reset All ?"),
                           {QStringLiteral("All the results of both stages will be lost:"),
                            QStringLiteral("the matches, the standings, the players' goals"),
                            QStringLiteral("and the qualifiers."), quandEcrit(),
                            QStringLiteral("Do you want to reset all ?")});
    if (!m_plateforme.demande(&question))
        return;
    signale(reinitialise_tout(m_tournoi, sauveAuto(), m_dossier));
}

void TForm1::initTour2Click()
{
    QStringList lines = {QStringLiteral("All the results of stage 2 will be lost:"),
                         QStringLiteral("the knock-out matches, their goals and the qualifiers.")};
    // Goals of matches recorded before their scorers were kept cannot be
    // told from group goals; the user learns it before saying yes.
    if (const int n = tour2_sans_buteurs(m_tournoi))
        lines << (n == 1 ? QStringLiteral("The goals of 1 match stay with the players:")
                         : QStringLiteral("The goals of %1 matches stay with the players:").arg(n))
              << (n == 1 ? QStringLiteral("its scorers were not kept. Correct them in \"Edit Team\".")
                         : QStringLiteral("their scorers were not kept. Correct them in \"Edit Team\"."));
    lines << quandEcrit() << QStringLiteral("Do you want to reset stage 2 ?");
    Tconfirmation question(*this, QStringLiteral("Reset Stage 2 ?"), lines);
    if (!m_plateforme.demande(&question))
        return;
    signale(reinitialise_tour2(m_tournoi, sauveAuto(), m_dossier));
}

void TForm1::sauverClick()
{
    signale(sauve_tout(m_tournoi, m_dossier));
}

void TForm1::QuitterClick()
{
    if (m_tournoi.modifie) {
        m_fenetres.Quitterdlg->show();
        hide();
    } else {
        termine();
    }
}

void TForm1::ImagesClick()
{
    struct Fond { QLabel *label; const char *file; };
    const Fond fonds[] = {{fond_classement, "soccer.bmp"}, {fond_stats, "noirs.bmp"},
                          {fond_resultat, "buteur.bmp"}, {fond_matchs, "gardien.bmp"},
                          {fond_equipe, "libero.bmp"}};
    for (const Fond &f : fonds) {
        if (Images->isChecked())
            Apparence::chargeImage(f.label, m_dossier, QString::fromLatin1(f.file), &m_plateforme, this);
        else
            f.label->clear();
    }
}

// "Classifications" -------------------------------------------------------------

void TForm1::entreeClassement()
{
    lettre_groupe->setEditText(QString());
    montreClassement(nullptr);
}

void TForm1::montreClassement(const TGroupe *group)
{
    for (int r = 1; r <= 4; ++r) {
        const TEquipe *team = group && r - 1 < int(group->teams.size()) ? group->teams[r - 1].get() : nullptr;
        const QStringList cells = team ? QStringList{team->name.text(), QString::number(team->played),
                                                     QString::number(team->points),
                                                     QString::number(team->goals_for),
                                                     QString::number(team->goals_against)}
                                       : QStringList{{}, {}, {}, {}, {}};
        for (int c = 0; c < 5; ++c)
            Apparence::cellule(classement, r, c, cells[c]);
    }
}

void TForm1::lettre_groupeChange()
{
    const TGroupe *group = m_tournoi.cherche_groupe(lettre_groupe->currentText());
    montreClassement(group);
    if (!group)
        lettre_groupe->setEditText(QString());
}

// "Edit Team" -----------------------------------------------------------------

void TForm1::entreeEquipe()
{
    liste_joueurs->clear();
    buts_joueur->setValue(0);
    equipe->clear();
    equipe->setEditText(QString());
    groupe->setEditText(QString());
    nouveau->clear();
}

void TForm1::remplitSquad(QListWidget *list, const TEquipe *team)
{
    list->clear();
    if (!team)
        return;
    for (const TJoueur &p : team->squad) {
        if (p.name.isEmpty())
            break;
        list->addItem(p.name.text());
    }
}

TEquipe *TForm1::equipeDuGroupe(const QString &groupText, const QString &teamText)
{
    return cherche_equipe_groupe(m_tournoi.cherche_groupe(groupText), ShortName::fromText(teamText));
}

void TForm1::groupeChange()
{
    equipe->clear();
    liste_joueurs->clear();
    TGroupe *group = m_tournoi.cherche_groupe(groupe->currentText());
    if (!group)
        return;
    Enlever->setEnabled(true);
    for (const auto &team : group->teams)
        equipe->addItem(team->name.text());
    const TEquipe *first = group->teams.empty() ? nullptr : group->teams.front().get();
    equipe->setCurrentIndex(first ? 0 : -1);
    if (first) {
        Apparence::chargeImage(Imageq, m_dossier, first->flagFile(), &m_plateforme, this);
        remplitSquad(liste_joueurs, first);
    }
}

void TForm1::equipeChange()
{
    liste_joueurs->clear();
    if (const TEquipe *team = equipeDuGroupe(groupe->currentText(), equipe->currentText())) {
        Apparence::chargeImage(Imageq, m_dossier, team->flagFile(), &m_plateforme, this);
        remplitSquad(liste_joueurs, team);
    }
}

void TForm1::nouveauChange()
{
    Ajouter->setEnabled(!nouveau->text().isEmpty());
}

void TForm1::AjouterClick()
{
    TEquipe *team = equipeDuGroupe(groupe->currentText(), equipe->currentText());
    if (!team || !ajoute_joueur(team, ShortName::stored(nouveau->text())))
        return;
    if (sauveAuto())
        signale(sauve_groupes(m_tournoi, m_dossier));
    else
        m_tournoi.modifie = true;
    remplitSquad(liste_joueurs, team);
}

void TForm1::EnleverClick()
{
    const QList<QListWidgetItem *> selected = liste_joueurs->selectedItems();
    if (selected.size() != 1)
        return;
    TEquipe *team = equipeDuGroupe(groupe->currentText(), equipe->currentText());
    if (!team || !enleve_joueur(team, ShortName::fromText(selected.front()->text())))
        return;
    if (sauveAuto())
        signale(sauve_groupes(m_tournoi, m_dossier));
    else
        m_tournoi.modifie = true;
    remplitSquad(liste_joueurs, team);
}

void TForm1::liste_joueursChange()
{
    const QList<QListWidgetItem *> selected = liste_joueurs->selectedItems();
    const TEquipe *team = equipeDuGroupe(groupe->currentText(), equipe->currentText());
    const int index = selected.size() == 1 && team ? cherche_joueur(team, ShortName::fromText(selected.front()->text())) : -1;
    buts_joueur->setEnabled(index >= 0);
    Corriger->setEnabled(index >= 0);
    buts_joueur->setValue(index >= 0 ? team->squad[size_t(index)].goals : 0);
}

void TForm1::CorrigerClick()
{
    const QList<QListWidgetItem *> selected = liste_joueurs->selectedItems();
    if (selected.size() != 1)
        return;
    TEquipe *team = equipeDuGroupe(groupe->currentText(), equipe->currentText());
    const int index = team ? cherche_joueur(team, ShortName::fromText(selected.front()->text())) : -1;
    if (index < 0)
        return;
    team->squad[size_t(index)].goals = buts_joueur->value();
    if (sauveAuto())
        signale(sauve_groupes(m_tournoi, m_dossier));
    else
        m_tournoi.modifie = true;
}

// "Played Matchs" -----------------------------------------------------------------

void TForm1::effaceClick()
{
    const int row = matchs_joues->currentRow();
    if (row < 1 || row > int(m_tournoi.liste_matchs.size())) {
        efface_info->setText(QStringLiteral("Select the match to delete."));
        return;
    }
    if (!groupe_modifiable(m_tournoi)) {
        efface_info->setText(QStringLiteral("Stage 2 has begun: the matches of the first stage stay."));
        return;
    }
    // Deleting cannot be undone: the question names the match first.
    const TRencontre &m = m_tournoi.liste_matchs[size_t(row - 1)];
    Tconfirmation question(*this, QStringLiteral("Delete ?"),
                           {QStringLiteral("The match of group %1").arg(QLatin1Char(m.code)),
                            texte_match(m),
                            QStringLiteral("will be deleted, and its goals taken back."), quandEcrit(),
                            QStringLiteral("Do you want to delete it ?")});
    if (!m_plateforme.demande(&question)) {
        efface_info->clear();
        return;
    }
    const ResultatEffacement r = efface_match_groupe(m_tournoi, row - 1, sauveAuto(), m_dossier);
    const QString pair = QStringLiteral("%1 - %2").arg(r.match.team1.text(), r.match.team2.text());
    switch (r.etat) {
    case Effacement::Tour2:
        efface_info->setText(QStringLiteral("Stage 2 has begun: the matches of the first stage stay."));
        return;
    case Effacement::Aucun:
        efface_info->setText(QStringLiteral("This match cannot be deleted."));
        return;
    case Effacement::Efface:
        efface_info->setText(QStringLiteral("%1 is deleted, with its goals.").arg(pair));
        break;
    case Effacement::EffaceButs:
        efface_info->setText(QStringLiteral("%1 is deleted. Its scorers were not kept: the players' goals stay. "
                                            "Correct them in \"Edit Team\".")
                                 .arg(pair));
        break;
    }
    entreeMatchs();
    signale(r.save);
}

void TForm1::entreeMatchs()
{
    const int n = int(m_tournoi.liste_matchs.size());
    Apparence::lignes(matchs_joues, 1 + qMax(1, n));
    for (int c = 0; c < 5; ++c)
        Apparence::cellule(matchs_joues, 1, c, QString());
    for (int i = 0; i < n; ++i) {
        const TRencontre &m = m_tournoi.liste_matchs[i];
        const QStringList cells = {QString(QLatin1Char(m.code)), m.team1.text(), m.team2.text(),
                                   QString::number(m.score1), QString::number(m.score2)};
        for (int c = 0; c < 5; ++c)
            Apparence::cellule(matchs_joues, i + 1, c, cells[c]);
    }
    mjoues->setText(texte_mjoues(n));
    matchs_joues->setCurrentCell(-1, -1);
}

// "New Result" --------------------------------------------------------------------

void TForm1::entreeResultat()
{
    lettre->setEditText(QString());
    listeq1->clear();
    listeq2->clear();
    buteur1->clear();
    buteur2->clear();
    // Emptying the items of a drop-down also empties its text, so the team
    // texts that stage 2 keeps are put back.
    const QString texte1 = equipe1->currentText();
    const QString texte2 = equipe2->currentText();
    equipe1->clear();
    equipe2->clear();
    score1->setValue(0);
    score2->setValue(0);
    Valider->setEnabled(false);
    if (!m_tournoi.phase2) {
        Valider->show();
        valider2->hide();
        back->hide();
        for (QComboBox *box : {lettre, equipe1, equipe2})
            box->setEnabled(true);
        equipe1->setEditText(QString());
        equipe2->setEditText(QString());
        return;
    }
    equipe1->setEditText(texte1);
    equipe2->setEditText(texte2);
    valider2->show();
    back->show();
    Valider->hide();
    for (QComboBox *box : {lettre, equipe1, equipe2})
        box->setEnabled(false);
    remplitSquad(listeq1, m_tournoi.cherche_equipe(texte1));
    remplitSquad(listeq2, m_tournoi.cherche_equipe(texte2));
}

void TForm1::lettreChange()
{
    equipe1->clear();
    equipe2->clear();
    listeq1->clear();
    listeq2->clear();
    buteur1->clear();
    buteur2->clear();
    score1->setValue(0);
    score2->setValue(0);
    equipe1->setEditText(QString());
    equipe2->setEditText(QString());
    const TGroupe *group = m_tournoi.cherche_groupe(lettre->currentText());
    if (!group) {
        lettre->setEditText(QString());
        return;
    }
    Valider->setEnabled(true);
    for (const auto &team : group->teams) {
        equipe1->addItem(team->name.text());
        equipe2->addItem(team->name.text());
    }
    equipe1->setCurrentIndex(group->teams.size() > 0 ? 0 : -1);
    equipe2->setCurrentIndex(group->teams.size() > 1 ? 1 : -1);
    remplitSquad(listeq1, group->teams.size() > 0 ? group->teams[0].get() : nullptr);
    remplitSquad(listeq2, group->teams.size() > 1 ? group->teams[1].get() : nullptr);
}

void TForm1::equipe1Change()
{
    listeq1->clear();
    buteur1->clear();
    buteur2->clear();
    score1->setValue(0);
    score2->setValue(0);
    remplitSquad(listeq1, equipeDuGroupe(lettre->currentText(), equipe1->currentText()));
}

void TForm1::equipe2Change()
{
    listeq2->clear();
    buteur1->clear();
    buteur2->clear();
    score1->setValue(0);
    score2->setValue(0);
    remplitSquad(listeq2, equipeDuGroupe(lettre->currentText(), equipe2->currentText()));
}

void TForm1::but1Click()
{
    const QList<QListWidgetItem *> selected = listeq1->selectedItems();
    if (selected.size() == 1)
        buteur1->addItem(selected.front()->text());
}

void TForm1::but2Click()
{
    const QList<QListWidgetItem *> selected = listeq2->selectedItems();
    if (selected.size() == 1)
        buteur2->addItem(selected.front()->text());
}

void TForm1::enleve1Click()
{
    const QList<QListWidgetItem *> selected = buteur1->selectedItems();
    if (selected.size() == 1)
        delete buteur1->takeItem(buteur1->row(selected.front()));
}

void TForm1::enleve2Click()
{
    const QList<QListWidgetItem *> selected = buteur2->selectedItems();
    if (selected.size() == 1)
        delete buteur2->takeItem(buteur2->row(selected.front()));
}

void TForm1::montreDialogue(QWidget *dialog)
{
    // The check shows one answer and hides the others.
    QWidget *dialogs[] = {m_fenetres.validation.get(), m_fenetres.contre_camp.get(),
                          m_fenetres.deja_lieu.get(), m_fenetres.saisie_inco.get()};
    for (QWidget *d : dialogs)
        if (d != dialog)
            d->hide();
    dialog->show();
    dialog->raise();
}

void TForm1::ValiderClick()
{
    const ResultEntry entry = saisie();
    switch (verifie_groupe(m_tournoi, entry)) {
    case EntryAnswer::Confirm:
        m_fenetres.validation->remplit(entry);
        montreDialogue(m_fenetres.validation.get());
        break;
    case EntryAnswer::OwnGoal:
        montreDialogue(m_fenetres.contre_camp.get());
        break;
    case EntryAnswer::AlreadyRecorded:
        m_fenetres.deja_lieu->remplit(entry.team1Text, entry.team2Text);
        montreDialogue(m_fenetres.deja_lieu.get());
        break;
    case EntryAnswer::WrongEntries:
    case EntryAnswer::Penalties:
        montreDialogue(m_fenetres.saisie_inco.get());
        break;
    }
}

void TForm1::valider2Click()
{
    // Unlike the group check, the stage-2 check leaves the other dialogs as they are.
    const ResultEntry entry = saisie();
    QWidget *dialog = nullptr;
    switch (verifie_tour2(m_tournoi, entry)) {
    case EntryAnswer::Confirm:
        m_fenetres.validation->remplit(entry);
        dialog = m_fenetres.validation.get();
        break;
    case EntryAnswer::OwnGoal:
        dialog = m_fenetres.contre_camp.get();
        break;
    case EntryAnswer::AlreadyRecorded:
        m_fenetres.deja_lieu->remplit(entry.team1Text, entry.team2Text);
        dialog = m_fenetres.deja_lieu.get();
        break;
    case EntryAnswer::Penalties:
        dialog = m_fenetres.match_nul.get();
        break;
    case EntryAnswer::WrongEntries:
        dialog = m_fenetres.saisie_inco.get();
        break;
    }
    dialog->show();
    dialog->raise();
}

void TForm1::backClick()
{
    hide();
    m_fenetres.Form2->montre();
}

// "Statistics" ---------------------------------------------------------------------

void TForm1::entreeStatistiques()
{
    nom_equipe->clear();
    for (int r = 1; r < effectif->rowCount(); ++r) {
        Apparence::cellule(effectif, r, 0, QString());
        Apparence::cellule(effectif, r, 1, QString());
    }
    lettregrp->setEditText(QString());
    nom_equipe->setEditText(QString());
    buteurs->clear();
    montreEtiquettesEquipe(false);
    Apparence::chargeImage(Image, m_dossier, QStringLiteral("defaut.bmp"), &m_plateforme, this);
    points->setValue(0);
    remplitButeurs();
}

void TForm1::remplitButeurs()
{
    for (const TButeur &b : meilleurs_buteurs(m_tournoi))
        buteurs->addItem(ligne_buteur(b));
}

void TForm1::montreEtiquettesEquipe(bool visible)
{
    for (QLabel *label : std::as_const(etiquettesEquipe))
        label->setVisible(visible);
}

void TForm1::montreChiffres(const TEquipe *team)
{
    montreEtiquettesEquipe(true);
    const int players = team->playerCount();
    Apparence::lignes(effectif, 1 + players);
    for (int i = 0; i < players; ++i) {
        Apparence::cellule(effectif, i + 1, 0, team->squad[i].name.text());
        Apparence::cellule(effectif, i + 1, 1, QString::number(team->squad[i].goals));
    }
    points->setValue(part_points(team));
    po_pris->setText(QString::number(team->points));
    po_poss->setText(QString::number(3 * team->played));
    moy_buts->setText(::moy_buts(team, m_tournoi.liste_tour2));
    Apparence::chargeImage(Image, m_dossier, team->flagFile(), &m_plateforme, this);
}

void TForm1::videChiffres()
{
    montreEtiquettesEquipe(false);
    for (int r = 1; r < effectif->rowCount(); ++r) {
        Apparence::cellule(effectif, r, 0, QString());
        Apparence::cellule(effectif, r, 1, QString());
    }
    po_pris->clear();
    po_poss->clear();
    moy_buts->clear();
    Apparence::chargeImage(Image, m_dossier, QStringLiteral("defaut.bmp"), &m_plateforme, this);
    points->setValue(0);
}

void TForm1::lettregrpChange()
{
    nom_equipe->clear();
    const TGroupe *group = m_tournoi.cherche_groupe(lettregrp->currentText());
    if (!group || group->teams.empty()) {
        videChiffres();
        lettregrp->setEditText(QString());
        nom_equipe->setEditText(QString());
        return;
    }
    for (const auto &team : group->teams)
        nom_equipe->addItem(team->name.text());
    nom_equipe->setCurrentIndex(0);
    montreChiffres(group->teams.front().get());
}

void TForm1::nom_equipeChange()
{
    if (const TEquipe *team = equipeDuGroupe(lettregrp->currentText(), nom_equipe->currentText()))
        montreChiffres(team);
    else
        videChiffres();
}
