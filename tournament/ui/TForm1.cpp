#include "tournament/ui/TForm1.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

#include "tournament/commands/TournamentCommands.h"
#include "tournament/knockout/Bracket.h"
#include "tournament/model/TournamentFiles.h"
#include "tournament/ui/ClassificationsPage.h"
#include "tournament/ui/EditTeamPage.h"
#include "tournament/ui/Look.h"
#include "tournament/ui/NewResultPage.h"
#include "tournament/ui/Platform.h"
#include "tournament/ui/PlayedMatchesPage.h"
#include "tournament/ui/StatisticsPage.h"
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
#include "tournament/ui/WindowPlaces.h"

namespace {

// The key of the window's place in the places file.
const QString kPlaceKey = QStringLiteral("Form1");

} // namespace

TForm1::TForm1(const QString &dir, Platform &platform, QWidget *parent)
    : QWidget(parent), m_folder(dir), m_platform(platform),
      m_ctx{m_tournament,
            m_folder,
            m_platform,
            this,
            [this] { return autoSave(); },
            [this](const FileResult &result) { reportResult(result); },
            [this](const QString &caption, const QStringList &lines) {
                Tconfirmation question(*this, caption, lines);
                return m_platform.ask(&question);
            }}
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Trophex 1.1"));
    Look::applyFont(this);
    // The pages are laid out for the usual size; the window may grow from there.
    setMinimumSize(kUsualSize);
    resize(kUsualSize);
    setEnabled(false);

    TabbedNotebook1 = new ClassicNotebook(m_ctx, kUsualSize, this);
    // The first page is the one shown; the others wait until they are.
    m_welcome = welcomePage();
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(TabbedNotebook1);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    TabbedNotebook1->beforeChange = [this](int page) { return TabbedNotebook1Change(page); };
    connect(Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);
    connect(TabbedNotebook1, &ClassicNotebook::stage2Asked, this, &TForm1::tour2Click);
    connect(TabbedNotebook1, &ClassicNotebook::exitAsked, this, &TForm1::QuitterClick);
    connect(TabbedNotebook1, &ClassicNotebook::picturesAsked, this, &TForm1::ImagesClick);
    connect(TabbedNotebook1, &ClassicNotebook::checked, this, &TForm1::answers);
    connect(TabbedNotebook1, &ClassicNotebook::backAsked, this, [this] {
        hide();
        m_dialogs.Form2()->showMain();
    });

    // Creation: icon, flags, groups; the rest only when the groups could be read.
    Look::loadIcon(this, m_folder, m_platform, m_iconeLue);
    m_tournament.phase2 = m_tournament.modifie = false;
    m_tournament.qualif_a_ecrire = m_tournament.qualif_a_effacer = false;
    // Placed before anything can fail, so that a box shown now stands where
    // the window will: where the user left it, or in the middle of the screen.
    WindowPlaces::restore(this, kPlaceKey, kUsualSize);
    // A save cut short by a crash is finished or undone before anything is
    // read, so that the window never shows a mix of two tournaments; when
    // that cannot be done the program does not start on the folder.
    const FileResult recovered = FolderCommit::recoverFolder(m_folder);
    if (!recovered.ok) {
        reportResult(recovered);
        return;
    }
    QString failure;
    if (!loadGroups(m_tournament, m_folder, &failure)) {
        m_platform.fileError(this, QDir(m_folder).filePath(failure));
        return;
    }
    reportResult(loadMatches(m_tournament, m_folder));
    loadScorers(m_tournament, m_folder);
    Look::loadPicture(m_welcome->mascot, m_folder, QStringLiteral("mascot.bmp"), &m_platform, this);
    QPixmap logo;
    Look::loadPixmap(logo, m_folder, QStringLiteral("sigle.bmp"), &m_platform, this);
    TabbedNotebook1->setLogo(logo);
    // The qualifiers and the played knock-out matches are read at the start
    // as well, not when the bracket is first shown: the pages and the resets
    // work on the whole tournament.
    reportResult(loadQualifiers(m_tournament, m_folder));
    reportResult(loadStage2(m_tournament, m_folder));
    ticks = 0;
    Timer1->start(1000);
}

TForm1::~TForm1()
{
    Timer1->stop();
}

void TForm1::makeDialogs()
{
    m_dialogs.makeAll();
}

void TForm1::reviewEntry()
{
    if (m_tournament.phase2)
        newResultPage()->valider2Click();
    else
        newResultPage()->ValiderClick();
}

bool TForm1::autoSave() const
{
    return m_welcome->sauve_auto->isChecked();
}

bool TForm1::picturesShown() const
{
    return m_welcome->Images->isChecked();
}

ResultEntry TForm1::saisie()
{
    return newResultPage()->saisie();
}

void TForm1::reportResult(const FileResult &result)
{
    if (!result.ok && !result.error.isEmpty())
        m_platform.systemError(this, result.error);
}

void TForm1::showMain()
{
    if (isVisible())
        formShow();
    else
        show();
    raise();
    activateWindow();
}

void TForm1::lockEntry(bool locked)
{
    TabbedNotebook1->setEnabled(!locked);
}

void TForm1::quitProgram()
{
    m_tournament.liste_matchs.clear();
    m_tournament.liste_tour2.clear();
    m_end = true;
    close();
}

void TForm1::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous()) {
        formShow();
        // The frame is known only once the window is up: then the title bar
        // is brought onto the screen as well.
        QTimer::singleShot(0, this, [this] { WindowPlaces::keepInside(this); });
    }
}

void TForm1::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    // Hidden by the program (for the bracket, the exit question, the end),
    // not by the window system's minimising: the place is kept for the next run.
    if (!event->spontaneous())
        WindowPlaces::save(this, kPlaceKey);
}

void TForm1::closeEvent(QCloseEvent *event)
{
    // A knock-out stage in progress keeps the window open ("Back" on the
    // bracket ends it first); unsaved changes ask as "Exit" does.
    if (!m_end && (m_tournament.modifie || m_tournament.phase2)) {
        event->ignore();
        if (!m_tournament.phase2)
            QuitterClick();
        return;
    }
    Timer1->stop();
    event->accept();
    m_end = true;
    // Every other window goes with the main window.
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w != this && w->isVisible())
            w->hide();
    emit closed();
}

void TForm1::formShow()
{
    if (m_tournament.phase2) {
        if (TabbedNotebook1->pageIndex() == NewResult)
            newResultPage()->entreeResultat();
        else
            TabbedNotebook1->setPageIndex(NewResult);
    } else {
        TabbedNotebook1->setPageIndex(Welcome);
    }
}

void TForm1::Timer1Timer()
{
    ++ticks;
    m_dialogs.AboutBox()->show();
    if (ticks >= 7) {
        Timer1->stop();
        setEnabled(true);
        m_dialogs.AboutBox()->hide();
    }
}

bool TForm1::TabbedNotebook1Change(int newPage)
{
    switch (newPage) {
    case Welcome:
        return !m_tournament.phase2;
    case Classifications:
        classificationsPage()->entreeClassement();
        return true;
    case EditTeam:
        editTeamPage()->entreeEquipe();
        return true;
    case PlayedMatchs:
        playedMatchesPage()->efface_info->clear();
        playedMatchesPage()->entreeMatchs();
        return true;
    case NewResult:
        if (!m_tournament.phase2 && int(m_tournament.liste_matchs.size()) >= kGroupMatchCount)
            return false;
        newResultPage()->entreeResultat();
        return true;
    case Statistics:
        statisticsPage()->entreeStatistiques();
        return true;
    default:
        return true;
    }
}

void TForm1::tour2Click()
{
    hide();
    FileResult read;
    const bool tirage = beginStage2(m_tournament, m_folder, &read);
    reportResult(read);
    if (tirage)
        m_dialogs.Form3()->show();
    else
        m_dialogs.Form2()->showMain();
}

QString TForm1::whenWritten() const
{
    return m_ctx.whenWritten();
}

QString TForm1::matchText(const TRencontre &m)
{
    return PageParts::matchText(m);
}

void TForm1::QuitterClick()
{
    if (m_tournament.modifie) {
        m_dialogs.Quitterdlg()->show();
        hide();
    } else {
        quitProgram();
    }
}

void TForm1::ImagesClick()
{
    TabbedNotebook1->showBackgrounds(picturesShown());
}

void TForm1::showDialog(QWidget *dialog)
{
    // The check shows one answer and hides the others.
    QWidget *dialogs[] = {m_dialogs.ifMade<Tvalidation>(), m_dialogs.ifMade<Tcontre_camp>(),
                          m_dialogs.ifMade<Tdeja_lieu>(), m_dialogs.ifMade<Tsaisie_inco>()};
    for (QWidget *d : dialogs)
        if (d && d != dialog)
            d->hide();
    dialog->show();
    dialog->raise();
}

void TForm1::answers(EntryAnswer answer, const ResultEntry &entry, bool stage2)
{
    if (!stage2) {
        switch (answer) {
        case EntryAnswer::Confirm:
            m_dialogs.validation()->fill(entry);
            showDialog(m_dialogs.validation());
            break;
        case EntryAnswer::OwnGoal:
            showDialog(m_dialogs.contre_camp());
            break;
        case EntryAnswer::AlreadyRecorded:
            m_dialogs.deja_lieu()->fill(entry.team1Text, entry.team2Text);
            showDialog(m_dialogs.deja_lieu());
            break;
        case EntryAnswer::WrongEntries:
        case EntryAnswer::Penalties:
            showDialog(m_dialogs.saisie_inco());
            break;
        }
        return;
    }
    // Unlike the group check, the stage-2 check leaves the other dialogs as they are.
    QWidget *dialog = nullptr;
    switch (answer) {
    case EntryAnswer::Confirm:
        m_dialogs.validation()->fill(entry);
        dialog = m_dialogs.validation();
        break;
    case EntryAnswer::OwnGoal:
        dialog = m_dialogs.contre_camp();
        break;
    case EntryAnswer::AlreadyRecorded:
        m_dialogs.deja_lieu()->fill(entry.team1Text, entry.team2Text);
        dialog = m_dialogs.deja_lieu();
        break;
    case EntryAnswer::Penalties:
        dialog = m_dialogs.match_nul();
        break;
    case EntryAnswer::WrongEntries:
        dialog = m_dialogs.saisie_inco();
        break;
    }
    dialog->show();
    dialog->raise();
}

void TForm1::openMatchEntry(const QString &team1, const QString &team2)
{
    newResultPage()->openMatchEntry(team1, team2);
    showMain();
}
