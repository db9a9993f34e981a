#include "tournament/ui/TForm2.h"

#include <QCloseEvent>
#include <QFont>
#include <QComboBox>
#include <QListWidget>
#include <QSpinBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QTimer>
#include <QVBoxLayout>
#include <QHBoxLayout>

#include "tournament/commands/TournamentCommands.h"
#include "tournament/group/Ranking.h"
#include "tournament/knockout/Bracket.h"
#include "tournament/knockout/Corrections.h"
#include "tournament/model/TournamentFiles.h"
#include "tournament/ui/Anchors.h"
#include "tournament/ui/Look.h"
#include "tournament/ui/Platform.h"
#include "tournament/ui/TForm1.h"
#include "tournament/ui/Tconfirmation.h"
#include "tournament/ui/Tbilans.h"
#include "tournament/ui/WindowPlaces.h"

using Look::make;

namespace {

constexpr int kBarHeight = 44; // the row of buttons under the bracket
constexpr int kWidth = ClassicBracket::kSize.width(); // the window's usual size
constexpr int kHeight = ClassicBracket::kSize.height() + kBarHeight;
// The key of the window's place in the places file.
const QString kPlaceKey = QStringLiteral("Form2");

} // namespace

TForm2::TForm2(TForm1 &main)
    : tableau(new ClassicBracket(main.folder(), main.platform(), this)), qualifies(tableau->qualifies),
      quarts(tableau->quarts), demis(tableau->demis), finalistes(tableau->finalistes),
      petite_finale(tableau->petite_finale), buttons(tableau->buttons), scores(tableau->scores),
      imChampion(tableau->imChampion), championName(tableau->championName), m_main(main)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Trophex 1.1  Stage 2"));
    Look::applyFont(this);
    resize(kWidth, kHeight);
    // The bracket is drawn on a panel of its own, which scrolls when the
    // window is smaller than the drawing and keeps it in the middle when larger.
    defilement = new QScrollArea(this);
    defilement->setObjectName(QStringLiteral("defilement"));
    defilement->setFrameShape(QFrame::NoFrame);
    defilement->setWidgetResizable(true);
    defilement->setWidget(tableau);

    // Under the bracket: the warning on the left, the buttons on the right,
    // each button at its place whether or not the others are shown.
    avert = new QLabel(QStringLiteral("There are still games to be played in the first stage."));
    avert->setObjectName(QStringLiteral("avert"));
    avert->setStyleSheet(QStringLiteral("color: #c00000;"));
    avert->setWordWrap(true);
    // Takes back the last knock-out match that no later round rests on.
    efface_tour2 = new QPushButton(QStringLiteral("Delete last match"));
    efface_tour2->setObjectName(QStringLiteral("efface_tour2"));
    efface_tour2->setFixedSize(186, 30);
    bouton_bilan = new QPushButton(QStringLiteral("Rankings"));
    bouton_bilan->setObjectName(QStringLiteral("bouton_bilan"));
    bouton_bilan->setFixedSize(110, 30);
    Retour = new QPushButton(QStringLiteral("Back"));
    Retour->setObjectName(QStringLiteral("Retour"));
    Retour->setFixedSize(110, 30);
    for (QWidget *w : {static_cast<QWidget *>(avert), static_cast<QWidget *>(bouton_bilan)}) {
        QSizePolicy policy = w->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        w->setSizePolicy(policy);
    }
    auto *bar = new QHBoxLayout;
    bar->setContentsMargins(10, 0, 16, kBarHeight - 30);
    bar->setSpacing(14);
    bar->addWidget(avert, 1);
    bar->addWidget(efface_tour2);
    bar->addWidget(bouton_bilan);
    bar->addWidget(Retour);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(defilement, 1);
    layout->addLayout(bar);

    for (int i = 0; i < kStage2MatchCount; ++i) {
        const char code = kStage2Codes[i];
        connect(buttons[i], &QPushButton::clicked, this, [this, code] { openMatchEntry(code); });
    }
    connect(bouton_bilan, &QPushButton::clicked, this, &TForm2::bouton_bilanClick);
    connect(Retour, &QPushButton::clicked, this, &TForm2::RetourClick);
    connect(efface_tour2, &QPushButton::clicked, this, &TForm2::efface_tour2Click);

    // Where the user left it, or at its usual size in the middle of the
    // screen, always inside the screen's free area.
    WindowPlaces::restore(this, kPlaceKey, QSize(kWidth, kHeight));
    Look::loadIcon(this, main.folder(), main.platform(), main.loadedIcon());
}

void TForm2::showMain()
{
    if (isVisible())
        formShow();
    else
        show();
    raise();
    activateWindow();
}

void TForm2::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous()) {
        formShow();
        // The frame is known only once the window is up: then the title bar
        // is brought onto the screen as well.
        QTimer::singleShot(0, this, [this] { WindowPlaces::keepInside(this); });
    }
}

void TForm2::formShow()
{
    Tournament &t = m_main.tournament();
    deriveBracket(t);
    const ButtonStates state = buttonStates(t);
    avert->setVisible(state.avert);
    for (int i = 0; i < kStage2MatchCount; ++i)
        buttons[i]->setEnabled(state.enabled[i]);
    bouton_bilan->setVisible(state.bilan);
    const int last = lastStage2Match(t);
    efface_tour2->setEnabled(last >= 0);
    Look::plainToolTip(efface_tour2, last < 0 ? QString()
                                                : QStringLiteral("%1 - %2").arg(t.liste_tour2[size_t(last)].team1.text(),
                                                                                t.liste_tour2[size_t(last)].team2.text()));

    tableau->showTournament(t);
}

void TForm2::openMatchEntry(char code)
{
    Tournament &t = m_main.tournament();
    const auto [team1, team2] = teamsOfMatch(t, code);
    if (!team1 || !team2)
        return;
    t.code_match = code;
    hide();
    emit openMatch(team1->name.text(), team2->name.text());
}

void TForm2::efface_tour2Click()
{
    Tournament &t = m_main.tournament();
    const int last = lastStage2Match(t);
    if (last < 0)
        return;
    // Deleting cannot be undone: the question names the match first.
    const TRencontre &m = t.liste_tour2[size_t(last)];
    Tconfirmation question(m_main, QStringLiteral("Delete last match ?"),
                           {QStringLiteral("The match of stage 2"), TForm1::matchText(m),
                            QStringLiteral("will be deleted, and its goals taken back."), m_main.whenWritten(),
                            QStringLiteral("Do you want to delete it ?")});
    if (!m_main.platform().ask(&question))
        return;
    const auto r = TournamentCommands::deleteStage2Match(t, m_main.autoSave(), m_main.folder());
    if (!r.done())
        return;
    if (Tbilans *rankings = m_main.dialogs().ifMade<Tbilans>())
        rankings->hide();
    formShow();
    m_main.reportResult(r.save);
}

void TForm2::bouton_bilanClick()
{
    m_main.dialogs().bilans()->show();
}

void TForm2::RetourClick()
{
    hide();
    m_main.tournament().phase2 = false;
    m_main.showMain();
}

void TForm2::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    // Hidden by the program ("Back", a match opened, the end), not minimised:
    // the place is kept for the next run.
    if (!event->spontaneous())
        WindowPlaces::save(this, kPlaceKey);
}

void TForm2::closeEvent(QCloseEvent *event)
{
    // The title bar does what "Back" does.
    QWidget::closeEvent(event);
    m_main.tournament().phase2 = false;
    m_main.showMain();
}
