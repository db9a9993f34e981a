#include "tournament/ui/FormatCorrectionDialog.h"

#include <algorithm>

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "tournament/format/FormatCorrections.h"
#include "tournament/format/FormatFiles.h"
#include "tournament/ui/FormatMatchesPage.h"
#include "tournament/ui/FormatSession.h"
#include "tournament/ui/Platform.h"

namespace {

const QString kCredit = QStringLiteral("+ ");
const QString kTakeBack = QStringLiteral("- ");

QSpinBox *scoreBox(const char *name)
{
    auto *box = new QSpinBox;
    box->setObjectName(QLatin1String(name));
    box->setRange(0, FormatFiles::MaxScore);
    box->setFixedWidth(64);
    return box;
}

const FormatKnockoutMatch *knockoutMatch(const FormatTournament &t, int number)
{
    for (const FormatKnockoutMatch &k : t.knockout)
        if (k.number == number)
            return &k;
    return nullptr;
}

// The two teams of a recorded match, or {-1, -1}.
std::pair<int, int> teamsOf(const FormatTournament &t, const FormatMatchRef &ref)
{
    if (ref.knockout) {
        const FormatKnockoutMatch *k = knockoutMatch(t, ref.key);
        return k ? std::pair{k->team1, k->team2} : std::pair{-1, -1};
    }
    if (ref.key < 0 || ref.key >= int(t.groupMatches.size()))
        return {-1, -1};
    const FormatGroupMatch &m = t.groupMatches[size_t(ref.key)];
    return {m.team1, m.team2};
}

} // namespace

FormatQuestion::FormatQuestion(const QString &caption, const QString &message, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormatQuestion"));
    setWindowTitle(caption);
    text = new QLabel(message);
    text->setObjectName(QStringLiteral("text"));
    text->setTextFormat(Qt::PlainText);
    text->setWordWrap(true);
    text->setMinimumWidth(420);
    auto *yes = new QPushButton(QStringLiteral("&Yes"));
    yes->setObjectName(QStringLiteral("Yes"));
    auto *no = new QPushButton(QStringLiteral("&No"));
    no->setObjectName(QStringLiteral("No"));
    // No is the default: Enter keeps everything as it was.
    no->setDefault(true);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(yes);
    buttons->addWidget(no);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addLayout(buttons);
    connect(yes, &QPushButton::clicked, this, &QDialog::accept);
    connect(no, &QPushButton::clicked, this, &QDialog::reject);
}

QString formatMatchLine(const FormatTournament &t, const FormatMatchRef &ref)
{
    if (ref.knockout) {
        const FormatKnockoutMatch *k = knockoutMatch(t, ref.key);
        const int i = t.format.indexOf(ref.key);
        if (!k || i < 0)
            return QString();
        return QStringLiteral("%1, match %2: %3 %4 %5")
            .arg(t.format.roundName(t.format.matches[size_t(i)]))
            .arg(k->number)
            .arg(t.teamName(k->team1), FormatMatchesPage::scoreText(*k), t.teamName(k->team2));
    }
    if (ref.key < 0 || ref.key >= int(t.groupMatches.size()))
        return QString();
    const FormatGroupMatch &m = t.groupMatches[size_t(ref.key)];
    return QStringLiteral("Group %1: %2 %3-%4 %5")
        .arg(QChar('A' + m.team1 / 4))
        .arg(t.teamName(m.team1))
        .arg(m.score1)
        .arg(m.score2)
        .arg(t.teamName(m.team2));
}

std::vector<FormatMatchRef> formatPlayedMatches(const FormatTournament &t, const FormatStandings &s)
{
    std::vector<FormatMatchRef> refs;
    for (size_t i = 0; i < t.groupMatches.size(); ++i)
        refs.push_back({false, int(i)});
    for (size_t i = 0; i < s.bracket.size() && i < t.format.matches.size(); ++i)
        if (s.bracket[i].result)
            refs.push_back({true, t.format.matches[i].number});
    return refs;
}

FormatCorrectionDialog::FormatCorrectionDialog(FormatSession &session, Platform &platform, QWidget *parent)
    : QDialog(parent), m_session(session), m_platform(platform)
{
    setObjectName(QStringLiteral("FormatCorrectionDialog"));
    setWindowTitle(QStringLiteral("Correct a result"));
    match = new QComboBox;
    match->setObjectName(QStringLiteral("match"));
    match->setMinimumContentsLength(50);
    match->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    score1 = scoreBox("score1");
    score2 = scoreBox("score2");
    m_parts = std::make_unique<KnockoutPartsFields>(score1, score2,
                                                    KnockoutPartsFields::format(FormatFiles::MaxScore));
    m_parts->expose(extraLabel, extra1, extra2, kicksLabel, kicks1, kicks2);
    const auto button = [](const char *name, const QString &text) {
        auto *b = new QPushButton(text);
        b->setObjectName(QLatin1String(name));
        return b;
    };
    squad1 = new QComboBox;
    squad1->setObjectName(QStringLiteral("squad1"));
    squad2 = new QComboBox;
    squad2->setObjectName(QStringLiteral("squad2"));
    add1 = button("add1", QStringLiteral("+ goal"));
    add2 = button("add2", QStringLiteral("+ goal"));
    take1 = button("take1", QStringLiteral("- goal"));
    take2 = button("take2", QStringLiteral("- goal"));
    undo1 = button("undo1", QStringLiteral("Undo line"));
    undo2 = button("undo2", QStringLiteral("Undo line"));
    changes1 = new QListWidget;
    changes1->setObjectName(QStringLiteral("changes1"));
    changes2 = new QListWidget;
    changes2->setObjectName(QStringLiteral("changes2"));
    info = new QLabel;
    info->setObjectName(QStringLiteral("info"));
    info->setTextFormat(Qt::PlainText);
    info->setWordWrap(true);
    correctButton = button("correctButton", QStringLiteral("Correct"));
    cancelButton = button("cancelButton", QStringLiteral("Cancel"));

    auto *grid = new QGridLayout;
    scoreLabel = new QLabel;
    grid->addWidget(scoreLabel, 0, 0, Qt::AlignRight);
    grid->addWidget(score1, 0, 1);
    grid->addWidget(score2, 0, 2);
    grid->addWidget(extraLabel, 1, 0, Qt::AlignRight);
    grid->addWidget(extra1, 1, 1);
    grid->addWidget(extra2, 1, 2);
    grid->addWidget(kicksLabel, 2, 0, Qt::AlignRight);
    grid->addWidget(kicks1, 2, 1);
    grid->addWidget(kicks2, 2, 2);
    grid->setColumnStretch(3, 1);
    const auto side = [](QComboBox *squad, QPushButton *add, QPushButton *take, QPushButton *undo, QListWidget *list) {
        auto *v = new QVBoxLayout;
        v->addWidget(squad);
        auto *h = new QHBoxLayout;
        h->addWidget(add);
        h->addWidget(take);
        h->addWidget(undo);
        v->addLayout(h);
        v->addWidget(list, 1);
        return v;
    };
    auto *scorers = new QHBoxLayout;
    scorers->addLayout(side(squad1, add1, take1, undo1, changes1), 1);
    scorers->addLayout(side(squad2, add2, take2, undo2, changes2), 1);
    auto *note = new QLabel(QStringLiteral("The goals of a match are not kept by scorer: credit a goal to a player "
                                           "or take one back."));
    note->setWordWrap(true);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(correctButton);
    buttons->addWidget(cancelButton);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(match);
    layout->addLayout(grid);
    layout->addWidget(note);
    layout->addLayout(scorers, 1);
    layout->addWidget(info);
    layout->addLayout(buttons);
    resize(620, 460);

    connect(match, &QComboBox::currentIndexChanged, this, &FormatCorrectionDialog::matchChanged);
    const std::pair<QComboBox *, QListWidget *> sides[] = {{squad1, changes1}, {squad2, changes2}};
    const QPushButton *adds[] = {add1, add2};
    const QPushButton *takes[] = {take1, take2};
    const QPushButton *undos[] = {undo1, undo2};
    for (int k = 0; k < 2; ++k) {
        QComboBox *squad = sides[k].first;
        QListWidget *list = sides[k].second;
        connect(adds[k], &QPushButton::clicked, this, [squad, list] {
            if (squad->currentIndex() >= 0)
                list->addItem(kCredit + squad->currentText());
        });
        connect(takes[k], &QPushButton::clicked, this, [squad, list] {
            if (squad->currentIndex() >= 0)
                list->addItem(kTakeBack + squad->currentText());
        });
        connect(undos[k], &QPushButton::clicked, this, [list] {
            delete list->takeItem(list->currentRow() >= 0 ? list->currentRow() : list->count() - 1);
        });
    }
    connect(correctButton, &QPushButton::clicked, this, &FormatCorrectionDialog::correctClick);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

FormatMatchRef FormatCorrectionDialog::chosen() const
{
    const int i = match->currentIndex();
    return i >= 0 && i < int(m_refs.size()) ? m_refs[size_t(i)] : FormatMatchRef{};
}

void FormatCorrectionDialog::openOn(int row)
{
    const FormatTournament &t = m_session.tournament();
    m_refs = formatPlayedMatches(t, m_session.standings());
    const QSignalBlocker blocker(match);
    match->clear();
    for (const FormatMatchRef &ref : m_refs)
        match->addItem(formatMatchLine(t, ref));
    match->setCurrentIndex(row >= 0 && row < match->count() ? row : (match->count() ? 0 : -1));
    matchChanged();
}

void FormatCorrectionDialog::matchChanged()
{
    const FormatTournament &t = m_session.tournament();
    const FormatMatchRef ref = chosen();
    info->clear();
    changes1->clear();
    changes2->clear();
    m_parts->setShown(ref.knockout);
    m_parts->clear();
    scoreLabel->setText(ref.knockout ? QStringLiteral("After 90 minutes") : QStringLiteral("Score"));
    correctButton->setEnabled(ref.key >= 0);
    const auto [a, b] = teamsOf(t, ref);
    const std::pair<QComboBox *, int> squads[] = {{squad1, a}, {squad2, b}};
    for (const auto &[box, team] : squads) {
        box->clear();
        if (team >= 0 && team < t.teamCount())
            box->addItems(t.team(team).players);
    }
    if (ref.key < 0)
        return;
    if (!ref.knockout) {
        const FormatGroupMatch &m = t.groupMatches[size_t(ref.key)];
        score1->setValue(m.score1);
        score2->setValue(m.score2);
        return;
    }
    const FormatKnockoutMatch *k = knockoutMatch(t, ref.key);
    if (!k)
        return;
    // An older record without parts shows the stored score alone.
    m_parts->showResult(k->parts, k->score1, k->score2);
}

QString FormatCorrectionDialog::apply(FormatTournament &t, std::vector<int> *dropped) const
{
    const FormatMatchRef ref = chosen();
    const auto [team1, team2] = teamsOf(t, ref);
    if (team1 < 0 || team2 < 0)
        return QStringLiteral("No match to correct.");
    int goals1 = score1->value();
    int goals2 = score2->value();
    if (!ref.knockout) {
        if (!FormatCorrections::correctGroupMatch(t, size_t(ref.key), goals1, goals2, dropped))
            return QStringLiteral("A side can have at most %1 goals.").arg(FormatFiles::MaxScore);
    } else {
        const TypedKnockoutResult typed = m_parts->result();
        if (typed.malformed())
            return QStringLiteral("Extra time follows a level 90 minutes and never has fewer goals; a shoot-out "
                                  "follows a level match: blank what was not played.");
        if (typed.score1 == typed.score2)
            return QStringLiteral("A knock-out match cannot end level: give the penalty shoot-out.");
        goals1 = typed.goals1;
        goals2 = typed.goals2;
        if (typed.score1 > FormatFiles::MaxScore || typed.score2 > FormatFiles::MaxScore)
            return QStringLiteral("A side can have at most %1 goals and kicks.").arg(FormatFiles::MaxScore);
        if (!FormatCorrections::correctKnockoutMatch(t, ref.key, typed.score1, typed.score2, typed.parts, dropped))
            return QStringLiteral("This result cannot be recorded.");
    }
    // The scorers: a goal credited or taken back, never more credited
    // than the side scored and never below none.
    const std::tuple<int, const QListWidget *, int> sides[] = {{team1, changes1, goals1}, {team2, changes2, goals2}};
    for (const auto &[team, list, goals] : sides) {
        FormatTeam &e = t.team(team);
        while (e.goals.size() < e.players.size())
            e.goals << 0;
        int credited = 0;
        for (int i = 0; i < list->count(); ++i) {
            const QString line = list->item(i)->text();
            const bool credit = line.startsWith(kCredit);
            const qsizetype k = e.players.indexOf(line.mid(kCredit.size()));
            if (k < 0)
                continue;
            if (credit) {
                if (++credited > goals)
                    return QStringLiteral("%1 scored %2 goals in this match: more cannot be credited.")
                        .arg(e.name)
                        .arg(goals);
                e.goals[k] = std::min(e.goals[k] + 1, FormatFiles::MaxGoals);
            } else {
                if (e.goals[k] <= 0)
                    return QStringLiteral("%1 has no goal to take back.").arg(e.players[k]);
                --e.goals[k];
            }
        }
    }
    return QString();
}

bool FormatCorrectionDialog::correctClick()
{
    const FormatTournament &now = m_session.tournament();
    const FormatMatchRef ref = chosen();
    FormatTournament fixed = now;
    std::vector<int> dropped;
    const QString why = apply(fixed, &dropped);
    info->setText(why);
    if (!why.isEmpty())
        return false;
    const QString before = formatMatchLine(now, ref);
    const QString takenBack = FormatCorrections::describe(now, dropped);
    if (!dropped.empty()) {
        FormatQuestion question(QStringLiteral("Correct ?"),
                                QStringLiteral("Correcting %1 takes back these later knock-out matches, which "
                                               "no longer fit the bracket: %2. The goals their scorers were credited "
                                               "stay.\n\nDo you want to correct it?")
                                    .arg(before, takenBack),
                                this);
        if (!m_platform.ask(&question))
            return false;
    }
    const QString error = m_session.change([&](FormatTournament &t) { t = std::move(fixed); });
    if (!error.isEmpty())
        m_platform.systemError(this, error);
    QString what = QStringLiteral("Corrected: %1").arg(formatMatchLine(m_session.tournament(), ref));
    if (!dropped.empty())
        what += QStringLiteral("; taken back: %1").arg(takenBack);
    what += QLatin1Char('.');
    hide();
    emit corrected(what);
    return true;
}
