#include "tournament/ui/PlayedMatchesPage.h"

#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

#include "tournament/commands/TournamentCommands.h"
#include "tournament/group/Statistics.h"
#include "tournament/knockout/Corrections.h"
#include "tournament/model/Tournament.h"
#include "tournament/model/TournamentFiles.h"
#include "tournament/ui/CorrectionDialog.h"
#include "tournament/ui/Anchors.h"
#include "tournament/ui/Look.h"

using Look::make;

PlayedMatchesPage::PlayedMatchesPage(PageContext &ctx, QWidget *parent) : QWidget(parent), m_ctx(ctx)
{
    setObjectName(QStringLiteral("PlayedMatchs"));
    fond_matchs = PageParts::fond(this, "fond_matchs");
    matchs_joues = Look::makeGrid(this, "matchs_joues", 2, {56, 136, 129, 61, 58}, 24);
    matchs_joues->setGeometry(90, 12, 440 + 2 * matchs_joues->frameWidth() + 18, 250);
    matchs_joues->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    const QStringList header = {"Group", "Team 1", "Team 2", "Goals 1", "Goals 2"};
    for (int c = 0; c < 5; ++c)
        Look::setCell(matchs_joues, 0, c, header[c]);
    mjoues = make<QLabel>(this, "mjoues", 10, 274, 625, 26);
    mjoues->setAlignment(Qt::AlignCenter);
    // Taking back a match entered by mistake, with a word on what happened.
    efface = make<QPushButton>(this, "efface", 560, 12, 80, 30, QStringLiteral("Delete"));
    corrige = make<QPushButton>(this, "corrige", 560, 46, 80, 30, QStringLiteral("Correct"));
    efface_info = make<QLabel>(this, "efface_info", 558, 84, 86, 178);
    efface_info->setWordWrap(true);
    Look::plainNameLabel(efface_info);
    efface_info->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont small = efface_info->font();
    small.setPixelSize(11);
    efface_info->setFont(small);

    connect(efface, &QPushButton::clicked, this, &PlayedMatchesPage::effaceClick);
    // A result typed wrong is corrected in place, also once stage 2 has begun.
    correction = new CorrectionDialog(ctx, this);
    correction->setWindowFlag(Qt::Window);
    connect(corrige, &QPushButton::clicked, this, &PlayedMatchesPage::corrigeClick);
    connect(correction, &CorrectionDialog::corrected, this, [this](const QString &what) {
        entreeMatchs();
        efface_info->setText(what);
    });
}

void PlayedMatchesPage::followSize(QSize design)
{
    // The grid shows as many matches as the height allows; the count stays
    // under it and the word on a deletion beside it.
    auto *anchors = new Anchors(this, design, Anchors::Centre, Anchors::Stay);
    anchors->tie(fond_matchs, Anchors::Stretch, Anchors::Stretch);
    anchors->tie(matchs_joues, Anchors::Centre, Anchors::Stretch);
    anchors->tie(efface_info, Anchors::Centre, Anchors::Stretch);
    anchors->tie(mjoues, Anchors::Stretch, Anchors::Follow);
}

void PlayedMatchesPage::effaceClick()
{
    Tournament &t = m_ctx.tournament;
    const int row = matchs_joues->currentRow();
    if (row < 1 || row > int(t.liste_matchs.size())) {
        efface_info->setText(QStringLiteral("Select the match to delete."));
        return;
    }
    if (!groupMatchesEditable(t)) {
        efface_info->setText(QStringLiteral("Stage 2 has begun: the matches of the first stage stay."));
        return;
    }
    // Deleting cannot be undone: the question names the match first.
    const TRencontre &m = t.liste_matchs[size_t(row - 1)];
    if (!m_ctx.ask(QStringLiteral("Delete ?"),
                       {QStringLiteral("The match of group %1").arg(QLatin1Char(m.code)),
                        PageParts::matchText(m),
                        QStringLiteral("will be deleted, and its goals taken back."), m_ctx.whenWritten(),
                        QStringLiteral("Do you want to delete it ?")})) {
        efface_info->clear();
        return;
    }
    const auto r = TournamentCommands::deleteGroupMatch(t, row - 1, m_ctx.autoSave(), m_ctx.folder);
    const QString pair = QStringLiteral("%1 - %2").arg(r.match.team1.text(), r.match.team2.text());
    switch (r.state) {
    case Deletion::Tour2:
        efface_info->setText(QStringLiteral("Stage 2 has begun: the matches of the first stage stay."));
        return;
    case Deletion::None:
        efface_info->setText(QStringLiteral("This match cannot be deleted."));
        return;
    case Deletion::Deleted:
        efface_info->setText(QStringLiteral("%1 is deleted, with its goals.").arg(pair));
        break;
    case Deletion::DeletedGoalsKept:
        efface_info->setText(QStringLiteral("%1 is deleted. Its scorers were not kept: the players' goals stay. "
                                            "Correct them in \"Edit Team\".")
                                 .arg(pair));
        break;
    }
    entreeMatchs();
    m_ctx.reportResult(r.save);
}

void PlayedMatchesPage::entreeMatchs()
{
    const int n = int(m_ctx.tournament.liste_matchs.size());
    Look::setGridRows(matchs_joues, 1 + qMax(1, n));
    for (int c = 0; c < 5; ++c)
        Look::setCell(matchs_joues, 1, c, QString());
    for (int i = 0; i < n; ++i) {
        const TRencontre &m = m_ctx.tournament.liste_matchs[i];
        const QStringList cells = {QString(QLatin1Char(m.code)), m.team1.text(), m.team2.text(),
                                   QString::number(m.score1), QString::number(m.score2)};
        for (int c = 0; c < 5; ++c)
            Look::setCell(matchs_joues, i + 1, c, cells[c]);
    }
    mjoues->setText(playedMatchesLabel(n));
    matchs_joues->setCurrentCell(-1, -1);
}

void PlayedMatchesPage::corrigeClick()
{
    const Tournament &t = m_ctx.tournament;
    if (t.liste_matchs.empty() && t.liste_tour2.empty()) {
        efface_info->setText(QStringLiteral("No match to correct."));
        return;
    }
    const int row = matchs_joues->currentRow();
    efface_info->clear();
    correction->openOn(row >= 1 ? row - 1 : 0);
    correction->show();
    correction->raise();
}
