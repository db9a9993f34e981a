#include "tournament/ui/Tvalidation.h"

#include <QLabel>
#include <QPushButton>

#include "tournament/knockout/Bracket.h"
#include "tournament/ui/Apparence.h"
#include "tournament/ui/Fenetres.h"
#include "tournament/ui/TForm1.h"
#include "tournament/ui/TForm2.h"
#include "tournament/ui/Tbilans.h"
#include "tournament/ui/Tchampion_du_monde.h"

using Apparence::cree;

Tvalidation::Tvalidation(TForm1 &main) : m_main(main)
{
    Apparence::prepareDialogue(this, main, "validation", QStringLiteral("Confirm score"), 440, 210);
    Apparence::mascotte(this, main, 12, 20);
    Label1 = cree<QLabel>(this, "Label1", 90, 14, 90, 24, QStringLiteral("In group"));
    groupe = cree<QLabel>(this, "groupe", 184, 14, 40, 24);
    equipe1 = cree<QLabel>(this, "equipe1", 90, 48, 160, 24);
    equipe1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    cree<QLabel>(this, "Label2", 250, 48, 20, 24, QStringLiteral("-"))->setAlignment(Qt::AlignCenter);
    equipe2 = cree<QLabel>(this, "equipe2", 270, 48, 160, 24);
    score1 = cree<QLabel>(this, "score1", 90, 78, 160, 24);
    score1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    cree<QLabel>(this, "Label3", 250, 78, 20, 24, QStringLiteral("-"))->setAlignment(Qt::AlignCenter);
    score2 = cree<QLabel>(this, "score2", 270, 78, 160, 24);
    for (QLabel *typed : {groupe, equipe1, equipe2})
        Apparence::texteNom(typed);
    Label4 = cree<QLabel>(this, "Label4", 90, 116, 300, 24, QStringLiteral("Do you agree ?"));
    OKBtn = cree<QPushButton>(this, "OKBtn", 120, 164, 90, 30, QStringLiteral("OK"));
    CancelBtn = cree<QPushButton>(this, "CancelBtn", 230, 164, 90, 30, QStringLiteral("Cancel"));

    connect(OKBtn, &QPushButton::clicked, this, &Tvalidation::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &Tvalidation::CancelBtnClick);
}

void Tvalidation::remplit(const ResultEntry &entry)
{
    Label1->setText(m_main.tournoi().phase2 ? QStringLiteral("Stage 2") : QStringLiteral("In group"));
    groupe->setText(entry.groupText);
    equipe1->setText(entry.team1Text);
    equipe2->setText(entry.team2Text);
    score1->setText(QString::number(entry.score1));
    score2->setText(QString::number(entry.score2));
    m_montre = entry;
    m_code = m_main.tournoi().code_match;
}

void Tvalidation::showEvent(QShowEvent *event)
{
    m_main.verrouilleSaisie(true);
    QDialog::showEvent(event);
}

void Tvalidation::hideEvent(QHideEvent *event)
{
    m_main.verrouilleSaisie(false);
    QDialog::hideEvent(event);
}

void Tvalidation::OKBtnClick()
{
    Tournament &t = m_main.tournoi();
    const ResultEntry entry = m_main.saisie();
    // Only what the user agreed to is recorded. A page that no longer holds
    // the shown entry (another match opened on the bracket, a page change)
    // goes through the check again and is shown anew; so does one that would
    // no longer pass it (a pair recorded meanwhile, a level knock-out score).
    const bool autre = entry != m_montre || (t.phase2 && t.code_match != m_code);
    const EntryAnswer answer = t.phase2 ? verifie_tour2(t, entry) : verifie_groupe(t, entry);
    if (autre || (answer != EntryAnswer::Confirm && answer != EntryAnswer::OwnGoal)) {
        hide();
        emit aRevoir();
        return;
    }
    if (!t.phase2) {
        const FileResult saved = enregistre_match_groupe(t, entry, m_main.sauveAuto(), m_main.dossier());
        hide();
        m_main.signale(saved);
        m_main.raise();
        m_main.activateWindow();
        return;
    }
    const ApresTour2 after = enregistre_match_tour2(t, entry, m_main.sauveAuto(), m_main.dossier());
    hide();
    m_main.hide();
    Fenetres &f = m_main.fenetres();
    if (after.showChampion)
        f.champion_du_monde->show();
    else
        f.Form2->montre();
    if (after.showRankings)
        f.bilans->show();
    m_main.signale(after.save);
}

void Tvalidation::CancelBtnClick()
{
    hide();
}
