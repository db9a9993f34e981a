#include "tournament/ui/TForm1.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QLabel>
#include <QTimer>

#include "tournament/knockout/Bracket.h"
#include "tournament/model/TournamentFiles.h"
#include "tournament/ui/AboutPage.h"
#include "tournament/ui/Apparence.h"
#include "tournament/ui/ClassificationsPage.h"
#include "tournament/ui/EditTeamPage.h"
#include "tournament/ui/NewResultPage.h"
#include "tournament/ui/Plateforme.h"
#include "tournament/ui/PlayedMatchesPage.h"
#include "tournament/ui/StatisticsPage.h"
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
#include "tournament/ui/WelcomePage.h"

TForm1::TForm1(const QString &dir, Plateforme &plateforme, QWidget *parent)
    : QWidget(parent), m_dossier(dir), m_plateforme(plateforme),
      m_ctx{m_tournoi,
            m_dossier,
            m_plateforme,
            this,
            [this] { return sauveAuto(); },
            [this](const FileResult &result) { signale(result); },
            [this](const QString &caption, const QStringList &lines) {
                Tconfirmation question(*this, caption, lines);
                return m_plateforme.demande(&question);
            }}
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
    welcomePage = new WelcomePage(m_ctx);
    classificationsPage = new ClassificationsPage(m_ctx);
    editTeamPage = new EditTeamPage(m_ctx);
    playedMatchesPage = new PlayedMatchesPage(m_ctx);
    newResultPage = new NewResultPage(m_ctx);
    statisticsPage = new StatisticsPage(m_ctx);
    aboutPage = new AboutPage;
    TabbedNotebook1->addPage(welcomePage, QStringLiteral("Welcome"));
    TabbedNotebook1->addPage(classificationsPage, QStringLiteral("Classifications"));
    TabbedNotebook1->addPage(editTeamPage, QStringLiteral("Edit Team"));
    TabbedNotebook1->addPage(playedMatchesPage, QStringLiteral("Played Matchs"));
    TabbedNotebook1->addPage(newResultPage, QStringLiteral("New Result"));
    TabbedNotebook1->addPage(statisticsPage, QStringLiteral("Statistics"));
    TabbedNotebook1->addPage(aboutPage, QStringLiteral("About The Author"));

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    TabbedNotebook1->avantChangement = [this](int page) { return TabbedNotebook1Change(page); };
    connect(Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);
    connect(welcomePage, &WelcomePage::tour2Demande, this, &TForm1::tour2Click);
    connect(welcomePage, &WelcomePage::quitterDemande, this, &TForm1::QuitterClick);
    connect(welcomePage, &WelcomePage::imagesDemande, this, &TForm1::ImagesClick);
    connect(newResultPage, &NewResultPage::verifiee, this, &TForm1::repond);
    connect(newResultPage, &NewResultPage::retourDemande, this, [this] {
        hide();
        m_fenetres.Form2->montre();
    });

    // Creation: icon, flags, groups; the rest only when the groups could be read.
    Apparence::chargeIcone(this, m_dossier, m_plateforme, m_iconeLue);
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
    Apparence::chargeImage(welcomePage->mascot, m_dossier, QStringLiteral("mascot.bmp"), &m_plateforme, this);
    Apparence::chargeImage(aboutPage->sigle, m_dossier, QStringLiteral("sigle.bmp"), &m_plateforme, this);
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
    connect(m_fenetres.Form2.get(), &TForm2::matchOuvert, this, &TForm1::ouvreMatch);
    // "Confirm score" found the entry changed or no longer valid: it is checked anew.
    connect(m_fenetres.validation.get(), &Tvalidation::aRevoir, this, [this] {
        if (m_tournoi.phase2)
            newResultPage->valider2Click();
        else
            newResultPage->ValiderClick();
    });
}

bool TForm1::sauveAuto() const
{
    return welcomePage->sauve_auto->isChecked();
}

bool TForm1::imagesAffichees() const
{
    return welcomePage->Images->isChecked();
}

ResultEntry TForm1::saisie() const
{
    return newResultPage->saisie();
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
            newResultPage->entreeResultat();
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
        classificationsPage->entreeClassement();
        return true;
    case EditTeam:
        editTeamPage->entreeEquipe();
        return true;
    case PlayedMatchs:
        playedMatchesPage->efface_info->clear();
        playedMatchesPage->entreeMatchs();
        return true;
    case NewResult:
        if (!m_tournoi.phase2 && int(m_tournoi.liste_matchs.size()) >= kGroupMatchCount)
            return false;
        newResultPage->entreeResultat();
        return true;
    case Statistics:
        statisticsPage->entreeStatistiques();
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
    return m_ctx.quandEcrit();
}

QString TForm1::texte_match(const TRencontre &m)
{
    return PageParts::texte_match(m);
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
    const Fond fonds[] = {{classificationsPage->fond_classement, "soccer.bmp"},
                          {statisticsPage->fond_stats, "noirs.bmp"},
                          {newResultPage->fond_resultat, "buteur.bmp"},
                          {playedMatchesPage->fond_matchs, "gardien.bmp"},
                          {editTeamPage->fond_equipe, "libero.bmp"}};
    for (const Fond &f : fonds) {
        if (imagesAffichees())
            Apparence::chargeImage(f.label, m_dossier, QString::fromLatin1(f.file), &m_plateforme, this);
        else
            f.label->clear();
    }
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

void TForm1::repond(EntryAnswer answer, const ResultEntry &entry, bool stage2)
{
    if (!stage2) {
        switch (answer) {
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
        return;
    }
    // Unlike the group check, the stage-2 check leaves the other dialogs as they are.
    QWidget *dialog = nullptr;
    switch (answer) {
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

void TForm1::ouvreMatch(const QString &team1, const QString &team2)
{
    newResultPage->ouvreMatch(team1, team2);
    montre();
}
