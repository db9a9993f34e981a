#include "tournament/ui/FormatLotsDialog.h"

#include <algorithm>

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "tournament/ui/FormatSession.h"

namespace {

// "first" to "fourth" in a group; "9th" among twelve thirds.
QString placeName(int place, bool inGroup)
{
    static const char *const words[] = {"first", "second", "third", "fourth"};
    if (inGroup && place >= 0 && place < 4)
        return QString::fromLatin1(words[place]);
    const int n = place + 1;
    const char *suffix = (n % 100 >= 11 && n % 100 <= 13) ? "th"
                         : n % 10 == 1                    ? "st"
                         : n % 10 == 2                    ? "nd"
                         : n % 10 == 3                    ? "rd"
                                                          : "th";
    return QString::number(n) + QLatin1String(suffix);
}

QString signedNumber(int n)
{
    return n > 0 ? QStringLiteral("+%1").arg(n) : QString::number(n);
}

} // namespace

FormatLotsDialog::FormatLotsDialog(FormatSession &session, std::function<void(const QString &)> report,
                                   QWidget *parent)
    : QDialog(parent), m_session(session), m_report(std::move(report))
{
    setObjectName(QStringLiteral("lotsDialog"));
    setWindowTitle(QStringLiteral("Drawing Lots"));
    whereLabel = new QLabel;
    whereLabel->setObjectName(QStringLiteral("whereLabel"));
    whereLabel->setTextFormat(Qt::PlainText);
    QFont bold = whereLabel->font();
    bold.setBold(true);
    whereLabel->setFont(bold);
    placeLabel = new QLabel;
    placeLabel->setObjectName(QStringLiteral("placeLabel"));
    placeLabel->setTextFormat(Qt::PlainText);
    placeLabel->setWordWrap(true);
    levelLabel = new QLabel;
    levelLabel->setObjectName(QStringLiteral("levelLabel"));
    levelLabel->setTextFormat(Qt::PlainText);
    levelLabel->setWordWrap(true);
    auto *prompt = new QLabel(QStringLiteral("Please select the chosen team"));
    teamList = new QListWidget;
    teamList->setObjectName(QStringLiteral("teamList"));
    teamList->setSelectionMode(QAbstractItemView::SingleSelection);
    teamList->setMinimumSize(320, 110);
    okButton = new QPushButton(QStringLiteral("OK"));
    okButton->setObjectName(QStringLiteral("okButton"));
    okButton->setDefault(true);
    cancelButton = new QPushButton(QStringLiteral("Cancel"));
    cancelButton->setObjectName(QStringLiteral("cancelButton"));

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(whereLabel);
    layout->addWidget(placeLabel);
    layout->addWidget(levelLabel);
    layout->addSpacing(6);
    layout->addWidget(prompt);
    layout->addWidget(teamList, 1);
    layout->addLayout(buttons);
    setMinimumWidth(420);

    // Ties that were open when the folder was opened are not pressed on the
    // user at once; the classification page offers them.
    for (const OpenTie &tie : session.standings().open)
        m_offered.insert(key(tie));

    connect(okButton, &QPushButton::clicked, this, &FormatLotsDialog::okClick);
    connect(cancelButton, &QPushButton::clicked, this, &FormatLotsDialog::cancelClick);
    connect(teamList, &QListWidget::itemDoubleClicked, this, &FormatLotsDialog::okClick);
    connect(&session, &FormatSession::changed, this, &FormatLotsDialog::sessionChanged);
}

std::vector<int> FormatLotsDialog::key(const OpenTie &tie)
{
    std::vector<int> k = tie.teams;
    std::sort(k.begin(), k.end());
    return k;
}

bool FormatLotsDialog::offer()
{
    const std::vector<OpenTie> &open = m_session.standings().open;
    if (open.empty())
        return false;
    // A tie not shown before comes first: it is the one a result just made
    // decidable.
    const auto fresh = std::find_if(open.begin(), open.end(), [&](const OpenTie &t) { return !m_offered.count(key(t)); });
    m_tie = fresh != open.end() ? *fresh : open.front();
    m_offered.insert(key(m_tie));
    m_chosen.clear();
    listCandidates();
    show();
    raise();
    activateWindow();
    return true;
}

void FormatLotsDialog::listCandidates()
{
    const FormatTournament &t = m_session.tournament();
    const FormatStandings &s = m_session.standings();
    const bool inGroup = m_tie.group >= 0;
    const int place = m_tie.first + int(m_chosen.size());
    if (inGroup) {
        whereLabel->setText(QStringLiteral("In the group %1").arg(QChar('A' + m_tie.group)));
        placeLabel->setText(QStringLiteral("The %1 place will be known by drawing lots.").arg(placeName(place, true)));
    } else {
        whereLabel->setText(QStringLiteral("Among the third-placed teams"));
        placeLabel->setText(place == t.format.thirds - 1
                                ? QStringLiteral("The %1 place, the last to go on, will be known by drawing lots.")
                                      .arg(placeName(place, false))
                                : QStringLiteral("The %1 place will be known by drawing lots.")
                                      .arg(placeName(place, false)));
    }
    // What they are level on, from the line the first of them stands on.
    const FormatTableLine *line = nullptr;
    if (inGroup) {
        for (const FormatTableLine &l : s.groups[size_t(m_tie.group)].lines)
            if (l.team == m_tie.teams.front())
                line = &l;
    } else {
        for (const FormatStandings::Third &x : s.thirds)
            if (x.line.team == m_tie.teams.front())
                line = &x.line;
    }
    const bool direct = t.format.order == TournamentFormat::Order::Direct;
    levelLabel->setText(line ? QStringLiteral("Level on %1 points, goal difference %2, %3 goals scored%4")
                                   .arg(line->points)
                                   .arg(signedNumber(line->goalDifference()))
                                   .arg(line->goalsFor)
                                   .arg(inGroup && direct ? QStringLiteral(", and so in the matches between them.")
                                                          : QStringLiteral("."))
                             : QString());
    teamList->clear();
    for (int team : m_tie.teams) {
        if (std::find(m_chosen.begin(), m_chosen.end(), team) != m_chosen.end())
            continue;
        auto *item = new QListWidgetItem(t.teamName(team), teamList);
        item->setData(Qt::UserRole, team);
    }
}

void FormatLotsDialog::okClick()
{
    const QList<QListWidgetItem *> selected = teamList->selectedItems();
    if (selected.size() != 1)
        return;
    m_chosen.push_back(selected.front()->data(Qt::UserRole).toInt());
    if (int(m_chosen.size()) < m_tie.toChoose && teamList->count() > 2) {
        listCandidates();
        return;
    }
    const TieDecision decision = m_tie.decision(m_chosen);
    m_chosen.clear();
    // The change ranks again and tells sessionChanged, which moves on to the
    // next open tie or closes the dialog.
    m_report(m_session.change([&](FormatTournament &t) { t.decisions.push_back(decision); }));
}

void FormatLotsDialog::cancelClick()
{
    m_chosen.clear();
    hide();
}

// Escape and the title bar both end here: the tie stays open.
void FormatLotsDialog::reject()
{
    cancelClick();
}

void FormatLotsDialog::sessionChanged()
{
    const std::vector<OpenTie> &open = m_session.standings().open;
    const auto isOpen = [&](const OpenTie &tie) {
        return std::any_of(open.begin(), open.end(), [&](const OpenTie &o) { return key(o) == key(tie); });
    };
    // A tie no longer open is forgotten, so that a later result that opens
    // it again offers it again.
    std::erase_if(m_offered, [&](const std::vector<int> &k) {
        return std::none_of(open.begin(), open.end(), [&](const OpenTie &o) { return key(o) == k; });
    });
    if (isVisible()) {
        // The tie shown was decided, or a result changed it under the dialog.
        if (!isOpen(m_tie) && !offer())
            hide();
        return;
    }
    for (const OpenTie &tie : open)
        if (!m_offered.count(key(tie))) {
            offer();
            return;
        }
}
