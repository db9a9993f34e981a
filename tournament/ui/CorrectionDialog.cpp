#include "tournament/ui/CorrectionDialog.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>

#include "tournament/commands/TournamentCommands.h"
#include "tournament/knockout/Bracket.h"
#include "tournament/knockout/Corrections.h"
#include "tournament/ui/Look.h"

using Look::make;

namespace {

QString matchLine(char liste, const TRencontre &m)
{
    const QString where = liste == 'G' ? QStringLiteral("Group %1").arg(QLatin1Char(m.code))
                                       : roundHeading(m.code);
    return QStringLiteral("%1: %2").arg(where, PageParts::matchText(m));
}

void fillPlayers(QComboBox *box, const TEquipe *team)
{
    box->clear();
    for (int i = 0; team && i <= lastPlayerIndex(team); ++i)
        box->addItem(team->squad[size_t(i)].name.text());
    box->addItem(ownGoalName().text());
}

} // namespace

CorrectionDialog::CorrectionDialog(PageContext &ctx, QWidget *parent) : QDialog(parent), m_ctx(ctx)
{
    setObjectName(QStringLiteral("CorrectionDialog"));
    setWindowTitle(QStringLiteral("Correct a result"));
    Look::applyFont(this);
    setFixedSize(560, 380);
    match = make<QComboBox>(this, "match", 10, 10, 540, 28);
    score1 = make<QSpinBox>(this, "score1", 200, 48, 56, 26);
    make<QLabel>(this, "dash", 258, 48, 44, 26, QStringLiteral("-"))->setAlignment(Qt::AlignCenter);
    score2 = make<QSpinBox>(this, "score2", 304, 48, 56, 26);
    m_parts = std::make_unique<KnockoutPartsFields>(score1, score2, KnockoutPartsFields::classic(), this);
    m_parts->placeRow(82, 360, 410);
    m_parts->expose(aet, extra1, extra2, pen, kicks1, kicks2);
    for (QSpinBox *s : {score1, score2})
        s->setRange(0, 100);
    squad1 = make<QComboBox>(this, "squad1", 10, 118, 190, 28);
    add1 = make<QPushButton>(this, "add1", 204, 118, 60, 28, QStringLiteral("->"));
    scorers1 = make<QListWidget>(this, "scorers1", 10, 152, 190, 150);
    remove1 = make<QPushButton>(this, "remove1", 204, 152, 60, 28, QStringLiteral("Out"));
    squad2 = make<QComboBox>(this, "squad2", 360, 118, 190, 28);
    add2 = make<QPushButton>(this, "add2", 296, 118, 60, 28, QStringLiteral("<-"));
    scorers2 = make<QListWidget>(this, "scorers2", 360, 152, 190, 150);
    remove2 = make<QPushButton>(this, "remove2", 296, 152, 60, 28, QStringLiteral("Out"));
    info = make<QLabel>(this, "info", 10, 306, 540, 24);
    Look::plainNameLabel(info);
    correct = make<QPushButton>(this, "correct", 170, 338, 100, 30, QStringLiteral("Correct"));
    cancel = make<QPushButton>(this, "cancel", 290, 338, 100, 30, QStringLiteral("Cancel"));

    connect(match, &QComboBox::activated, this, &CorrectionDialog::matchChanged);
    connect(add1, &QPushButton::clicked, this, [this] { scorers1->addItem(squad1->currentText()); });
    connect(add2, &QPushButton::clicked, this, [this] { scorers2->addItem(squad2->currentText()); });
    connect(remove1, &QPushButton::clicked, this, [this] { delete scorers1->takeItem(scorers1->currentRow()); });
    connect(remove2, &QPushButton::clicked, this, [this] { delete scorers2->takeItem(scorers2->currentRow()); });
    connect(correct, &QPushButton::clicked, this, &CorrectionDialog::correctClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

CorrectionDialog::Chosen CorrectionDialog::chosen() const
{
    const int i = match->currentIndex();
    const int groups = int(m_ctx.tournament.liste_matchs.size());
    if (i < 0)
        return {};
    if (i < groups)
        return {'G', i};
    if (i - groups < int(m_ctx.tournament.liste_tour2.size()))
        return {'K', i - groups};
    return {};
}

void CorrectionDialog::openOn(int index)
{
    const Tournament &t = m_ctx.tournament;
    match->clear();
    for (const TRencontre &m : t.liste_matchs)
        match->addItem(matchLine('G', m));
    for (const TRencontre &m : t.liste_tour2)
        match->addItem(matchLine('K', m));
    match->setCurrentIndex(index >= 0 && index < match->count() ? index : (match->count() ? 0 : -1));
    matchChanged();
}

void CorrectionDialog::matchChanged()
{
    Tournament &t = m_ctx.tournament;
    const Chosen c = chosen();
    info->clear();
    scorers1->clear();
    scorers2->clear();
    const bool knockout = c.liste == 'K';
    m_parts->setShown(knockout);
    m_parts->clear();
    correct->setEnabled(c.index >= 0);
    if (c.index < 0)
        return;
    const TRencontre &m = (knockout ? t.liste_tour2 : t.liste_matchs)[size_t(c.index)];
    m_parts->showResult(knockout ? stage2Parts(t, m) : KnockoutScore{}, m.score1, m.score2);
    fillPlayers(squad1, t.cherche_equipe(m.team1));
    fillPlayers(squad2, t.cherche_equipe(m.team2));
    const auto [lines1, lines2] = creditedScorers(t, c.liste, m);
    scorers1->addItems(lines1);
    scorers2->addItems(lines2);
}

ResultEntry CorrectionDialog::entry() const
{
    ResultEntry e;
    const Chosen c = chosen();
    if (c.index < 0)
        return e;
    const TRencontre &m = (c.liste == 'K' ? m_ctx.tournament.liste_tour2 : m_ctx.tournament.liste_matchs)[size_t(c.index)];
    e.groupText = c.liste == 'G' ? QString(QLatin1Char(m.code)) : QString();
    e.team1Text = m.team1.text();
    e.team2Text = m.team2.text();
    e.score1 = score1->value();
    e.score2 = score2->value();
    for (int i = 0; i < scorers1->count(); ++i)
        e.scorers1 << scorers1->item(i)->text();
    for (int i = 0; i < scorers2->count(); ++i)
        e.scorers2 << scorers2->item(i)->text();
    if (c.liste == 'K') {
        const TypedKnockoutResult typed = m_parts->result();
        e.parts = typed.parts;
        e.score1 = typed.score1;
        e.score2 = typed.score2;
    }
    return e;
}

void CorrectionDialog::correctClick()
{
    Tournament &t = m_ctx.tournament;
    const Chosen c = chosen();
    if (c.index < 0)
        return;
    const ResultEntry e = entry();
    const int goals1 = e.parts.wellFormed() ? e.parts.goals1() : e.score1;
    const int goals2 = e.parts.wellFormed() ? e.parts.goals2() : e.score2;
    // A goal without a scorer line is an own goal or not credited, as on
    // the entry page; more lines than goals is a slip.
    if (e.scorers1.size() > goals1 || e.scorers2.size() > goals2 || (e.parts.touched() && !e.parts.wellFormed())) {
        info->setText(QStringLiteral("Your entries seem to be wrong !"));
        return;
    }
    if (c.liste == 'K' && e.score1 == e.score2) {
        info->setText(QStringLiteral("Please give me the final score after penalty kicks."));
        return;
    }
    const TRencontre before = (c.liste == 'K' ? t.liste_tour2 : t.liste_matchs)[size_t(c.index)];
    const std::vector<TRencontre> reset = c.liste == 'G' ? resetByGroupCorrection(t, c.index, e)
                                                         : resetByStage2Correction(t, before.code, e);
    if (!reset.empty()) {
        QStringList lines{QStringLiteral("Corrected, %1").arg(PageParts::matchText(before)),
                          QStringLiteral("takes back the later matches")};
        for (const TRencontre &m : reset)
            lines << matchLine('K', m);
        lines << m_ctx.whenWritten() << QStringLiteral("Do you want to correct it ?");
        if (!m_ctx.ask(QStringLiteral("Correct ?"), lines))
            return;
    }
    const auto r = c.liste == 'G'
                       ? TournamentCommands::correctGroupMatch(t, c.index, e, m_ctx.autoSave(), m_ctx.folder)
                       : TournamentCommands::correctStage2Match(t, before.code, e, m_ctx.autoSave(), m_ctx.folder);
    if (!r.done) {
        info->setText(QStringLiteral("Your entries seem to be wrong !"));
        return;
    }
    const TRencontre *after = c.liste == 'G' ? &t.liste_matchs[size_t(c.index)] : stage2Match(t, before.code);
    QString what = QStringLiteral("%1 is corrected").arg(after ? PageParts::matchText(*after) : QString());
    if (!r.reset.empty())
        what += QStringLiteral("; %1 later match(es) taken back").arg(r.reset.size());
    if (r.goalsKept)
        what += QStringLiteral(". Its scorers were not kept: correct the players' goals in \"Edit Team\"");
    what += QLatin1Char('.');
    hide();
    emit corrected(what);
    m_ctx.reportResult(r.save);
}
