#include "tournament/ui/Tvalidation.h"

#include <QLabel>
#include <QPushButton>

#include "tournament/commands/TournamentCommands.h"
#include "tournament/knockout/Bracket.h"
#include "tournament/ui/Look.h"
#include "tournament/ui/DialogSet.h"
#include "tournament/ui/TForm1.h"
#include "tournament/ui/TForm2.h"
#include "tournament/ui/Tbilans.h"
#include "tournament/ui/Tchampion_du_monde.h"

using Look::make;

Tvalidation::Tvalidation(TForm1 &main) : m_main(main)
{
    Look::prepareDialog(this, main, "validation", QStringLiteral("Confirm score"), 440, 210);
    Look::mascot(this, main, 12, 20);
    Label1 = make<QLabel>(this, "Label1", 90, 14, 90, 24, QStringLiteral("In group"));
    groupe = make<QLabel>(this, "groupe", 184, 14, 40, 24);
    details = make<QLabel>(this, "details", 184, 14, 246, 24);
    equipe1 = make<QLabel>(this, "equipe1", 90, 48, 160, 24);
    equipe1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    make<QLabel>(this, "Label2", 250, 48, 20, 24, QStringLiteral("-"))->setAlignment(Qt::AlignCenter);
    equipe2 = make<QLabel>(this, "equipe2", 270, 48, 160, 24);
    score1 = make<QLabel>(this, "score1", 90, 78, 160, 24);
    score1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    make<QLabel>(this, "Label3", 250, 78, 20, 24, QStringLiteral("-"))->setAlignment(Qt::AlignCenter);
    score2 = make<QLabel>(this, "score2", 270, 78, 160, 24);
    for (QLabel *typed : {groupe, equipe1, equipe2})
        Look::plainNameLabel(typed);
    Label4 = make<QLabel>(this, "Label4", 90, 116, 300, 24, QStringLiteral("Do you agree ?"));
    OKBtn = make<QPushButton>(this, "OKBtn", 120, 164, 90, 30, QStringLiteral("OK"));
    CancelBtn = make<QPushButton>(this, "CancelBtn", 230, 164, 90, 30, QStringLiteral("Cancel"));

    connect(OKBtn, &QPushButton::clicked, this, &Tvalidation::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &Tvalidation::CancelBtnClick);
}

void Tvalidation::fill(const ResultEntry &entry)
{
    Label1->setText(m_main.tournament().phase2 ? QStringLiteral("Stage 2") : QStringLiteral("In group"));
    groupe->setText(entry.groupText);
    equipe1->setText(entry.team1Text);
    equipe2->setText(entry.team2Text);
    // A match beyond 90 minutes shows its goals, and how it was decided
    // beside "Stage 2"; the kicks are no goals.
    const bool parted = entry.parts.fits(entry.score1, entry.score2);
    score1->setText(QString::number(parted ? entry.parts.goals1() : entry.score1));
    score2->setText(QString::number(parted ? entry.parts.goals2() : entry.score2));
    details->setText(parted ? entry.parts.text() : QString());
    m_shown = entry;
    m_code = m_main.tournament().code_match;
}

void Tvalidation::showEvent(QShowEvent *event)
{
    m_main.lockEntry(true);
    QDialog::showEvent(event);
}

void Tvalidation::hideEvent(QHideEvent *event)
{
    m_main.lockEntry(false);
    QDialog::hideEvent(event);
}

void Tvalidation::OKBtnClick()
{
    Tournament &t = m_main.tournament();
    const ResultEntry entry = m_main.saisie();
    // Only what the user agreed to is recorded. A page that no longer holds
    // the shown entry (another match opened on the bracket, a page change)
    // goes through the check again and is shown anew; so does one that would
    // no longer pass it (a pair recorded meanwhile, a level knock-out score).
    const bool other = entry != m_shown || (t.phase2 && t.code_match != m_code);
    const EntryAnswer answer = t.phase2 ? checkStage2Entry(t, entry) : checkGroupEntry(t, entry);
    if (other || (answer != EntryAnswer::Confirm && answer != EntryAnswer::OwnGoal)) {
        hide();
        emit toReview();
        return;
    }
    if (!t.phase2) {
        const FileResult saved = TournamentCommands::storeGroupMatch(t, entry, m_main.autoSave(), m_main.folder());
        hide();
        m_main.reportResult(saved);
        m_main.raise();
        m_main.activateWindow();
        return;
    }
    const auto after = TournamentCommands::storeStage2Match(t, entry, m_main.autoSave(), m_main.folder());
    hide();
    m_main.hide();
    DialogSet &f = m_main.dialogs();
    if (after.showChampion)
        f.champion_du_monde()->show();
    else
        f.Form2()->showMain();
    if (after.showRankings)
        f.bilans()->show();
    m_main.reportResult(after.save);
}

void Tvalidation::CancelBtnClick()
{
    hide();
}
