#include "tournament/ui/PlayedMatchesPage.h"

#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

#include "tournament/group/Statistics.h"
#include "tournament/knockout/Corrections.h"
#include "tournament/model/Tournament.h"
#include "tournament/model/TournamentFiles.h"
#include "tournament/ui/Apparence.h"

using Apparence::cree;

PlayedMatchesPage::PlayedMatchesPage(PageContext &ctx, QWidget *parent) : QWidget(parent), m_ctx(ctx)
{
    setObjectName(QStringLiteral("PlayedMatchs"));
    fond_matchs = PageParts::fond(this, "fond_matchs");
    matchs_joues = Apparence::grille(this, "matchs_joues", 2, {56, 136, 129, 61, 58}, 24);
    matchs_joues->setGeometry(90, 12, 440 + 2 * matchs_joues->frameWidth() + 18, 250);
    matchs_joues->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    const QStringList header = {"Group", "Team 1", "Team 2", "Goals 1", "Goals 2"};
    for (int c = 0; c < 5; ++c)
        Apparence::cellule(matchs_joues, 0, c, header[c]);
    mjoues = cree<QLabel>(this, "mjoues", 10, 274, 625, 26);
    mjoues->setAlignment(Qt::AlignCenter);
    // Taking back a match entered by mistake, with a word on what happened.
    efface = cree<QPushButton>(this, "efface", 560, 12, 80, 30, QStringLiteral("Delete"));
    efface_info = cree<QLabel>(this, "efface_info", 558, 50, 86, 212);
    efface_info->setWordWrap(true);
    Apparence::texteNom(efface_info);
    efface_info->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont small = efface_info->font();
    small.setPixelSize(11);
    efface_info->setFont(small);

    connect(efface, &QPushButton::clicked, this, &PlayedMatchesPage::effaceClick);
}

void PlayedMatchesPage::effaceClick()
{
    Tournament &t = m_ctx.tournoi;
    const int row = matchs_joues->currentRow();
    if (row < 1 || row > int(t.liste_matchs.size())) {
        efface_info->setText(QStringLiteral("Select the match to delete."));
        return;
    }
    if (!groupe_modifiable(t)) {
        efface_info->setText(QStringLiteral("Stage 2 has begun: the matches of the first stage stay."));
        return;
    }
    // Deleting cannot be undone: the question names the match first.
    const TRencontre &m = t.liste_matchs[size_t(row - 1)];
    if (!m_ctx.demande(QStringLiteral("Delete ?"),
                       {QStringLiteral("The match of group %1").arg(QLatin1Char(m.code)),
                        PageParts::texte_match(m),
                        QStringLiteral("will be deleted, and its goals taken back."), m_ctx.quandEcrit(),
                        QStringLiteral("Do you want to delete it ?")})) {
        efface_info->clear();
        return;
    }
    const ResultatEffacement r = efface_match_groupe(t, row - 1, m_ctx.sauveAuto(), m_ctx.dossier);
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
    m_ctx.signale(r.save);
}

void PlayedMatchesPage::entreeMatchs()
{
    const int n = int(m_ctx.tournoi.liste_matchs.size());
    Apparence::lignes(matchs_joues, 1 + qMax(1, n));
    for (int c = 0; c < 5; ++c)
        Apparence::cellule(matchs_joues, 1, c, QString());
    for (int i = 0; i < n; ++i) {
        const TRencontre &m = m_ctx.tournoi.liste_matchs[i];
        const QStringList cells = {QString(QLatin1Char(m.code)), m.team1.text(), m.team2.text(),
                                   QString::number(m.score1), QString::number(m.score2)};
        for (int c = 0; c < 5; ++c)
            Apparence::cellule(matchs_joues, i + 1, c, cells[c]);
    }
    mjoues->setText(texte_mjoues(n));
    matchs_joues->setCurrentCell(-1, -1);
}
