#include "league/ui/MatchdayPanel.h"

#include "league/model/LeagueDate.h"
#include "league/model/LeagueError.h"
#include "league/ui/DateField.h"
#include "league/ui/FormUtil.h"
#include "league/ui/MatchRow.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QSignalBlocker>
#include <array>

namespace {

// Display routines set the controls, whose change handlers write what is
// shown back into the league; the saved state must not change by that.
class KeepSaved {
public:
    explicit KeepSaved(League &l) : m_league(l), m_saved(l.leagueSaved) {}
    ~KeepSaved() { m_league.leagueSaved = m_saved; }

private:
    League &m_league;
    bool m_saved;
};

// How long after leaving a goal field a digit is still taken as a slip of
// the goal entry rather than a search in a team list.
constexpr qint64 kGoalDigitGraceMs = 1000;
// The classic rows end at 509 pixels; the compact day field and the mark
// of a postponed match follow them.
constexpr int kWidth = 637;
// The height of the nine rows of 18 teams; each further or missing row
// adds or takes a row's 24 pixels.
constexpr int kHeight = 250;

QLabel *fixedLabel(QWidget *parent, const QString &text, const QRect &geometry, bool bold = false)
{
    return FormUtil::label(parent, text, geometry, Qt::AlignLeft | Qt::AlignVCenter, bold);
}

} // namespace

MatchdayPanel::MatchdayPanel(League &league, QWidget *parent) : QWidget(parent), m_league(league)
{
    setObjectName(QStringLiteral("panST"));
    setFixedSize(kWidth, kHeight);
    buildRows();
    connectAll();
}

MatchdayPanel::~MatchdayPanel() = default;

MatchRow &MatchdayPanel::row(int k)
{
    return m_rows[k - 1];
}

void MatchdayPanel::buildRows()
{
    lblST = fixedLabel(this, QStringLiteral("1. Spieltag"), QRect(54, 9, 75, 14), true);
    lblST->setObjectName(QStringLiteral("lblST"));
    lblST->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblST->setStatusTip(QStringLiteral("aktueller Spieltag"));
    lblST->setContextMenuPolicy(Qt::CustomContextMenu);

    fixedLabel(this, QStringLiteral("vom"), QRect(137, 9, 28, 14))->setObjectName(QStringLiteral("lblVom"));
    fixedLabel(this, QStringLiteral("bis"), QRect(258, 9, 20, 14))->setObjectName(QStringLiteral("lblBis"));

    auto makeDate = [this](const QString &name, int x) {
        auto *d = new DateField(QDate::currentDate(), this);
        d->setInvalidHandler([this](const QString &typed) { emit failed(LeagueError::notADate(typed)); });
        d->setObjectName(name);
        d->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
        d->setCalendarPopup(true);
        d->setGeometry(x, 6, 85, 21);
        return d;
    };
    edDatum1 = makeDate(QStringLiteral("edDatum1"), 168);
    edDatum2 = makeDate(QStringLiteral("edDatum2"), 280);
    lblHinweis = fixedLabel(this, QString(), QRect(372, 9, 259, 14));
    lblHinweis->setObjectName(QStringLiteral("lblHinweis"));
    lblHinweis->setTextFormat(Qt::PlainText);

    // Rows for the largest league; syncShape() shows the league's.
    m_rows.reserve(League::kMaxRows);
    for (int k = 1; k <= League::kMaxRows; ++k)
        m_rows.emplace_back(this, k);

    // Keyboard order: the two dates, then each row's lists before its goals.
    QWidget *prev = edDatum1;
    auto chain = [&prev](QWidget *next) {
        QWidget::setTabOrder(prev, next);
        prev = next;
    };
    chain(edDatum2);
    for (const MatchRow &r : m_rows) {
        chain(r.cboTeamA);
        chain(r.cboTeamB);
        chain(r.meTorA);
        chain(r.meTorB);
    }
    // The days come after all rows, so that Tab from a row's goals still
    // leads to the next row's teams as results are typed.
    for (const MatchRow &r : m_rows)
        chain(r.edTag);
}

void MatchdayPanel::connectAll()
{
    connect(lblST, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &pos) { emit captionMenuRequested(lblST->mapToGlobal(pos)); });

    // Lists report only what the user picks; goal and date fields report
    // every change, also the ones the display routines make.
    for (int k = 1; k <= League::kMaxRows; ++k) {
        const MatchRow &r = row(k);
        connect(r.cboTeamA, &QComboBox::activated, this, [this, k](int i) { cboTeamAChange(k, i); });
        connect(r.cboTeamB, &QComboBox::activated, this, [this, k](int i) { cboTeamBChange(k, i); });
        connect(r.meTorA, &QLineEdit::textChanged, this, [this, k] { meTorAChange(k); });
        connect(r.meTorB, &QLineEdit::textChanged, this, [this, k] { meTorBChange(k); });
        connect(r.edTag, &QLineEdit::editingFinished, this, [this, k] { edTagChange(k); });
        // Enter walks the goal fields: home, away, the next row's home, and
        // from the last row back to the first, so a matchday's results are
        // typed as digits and Enter alone.
        connect(r.meTorA, &QLineEdit::returnPressed, this, [this, k] { focusGoal(row(k).meTorB); });
        connect(r.meTorB, &QLineEdit::returnPressed, this,
                [this, k] { focusGoal(row(k < m_league.rowCount() ? k + 1 : 1).meTorA); });
        for (QWidget *w : {static_cast<QWidget *>(r.cboTeamA), static_cast<QWidget *>(r.cboTeamB),
                           static_cast<QWidget *>(r.meTorA), static_cast<QWidget *>(r.meTorB)})
            w->installEventFilter(this);
    }
    connect(edDatum1, &QDateEdit::dateChanged, this, &MatchdayPanel::edDatum1Change);
    connect(edDatum2, &QDateEdit::dateChanged, this, &MatchdayPanel::edDatum2Change);
}

void MatchdayPanel::focusGoal(QLineEdit *field)
{
    field->setFocus(Qt::TabFocusReason);
    field->selectAll();
}

bool MatchdayPanel::isGoalField(const QObject *o) const
{
    for (const MatchRow &r : m_rows)
        if (r.isGoalField(o))
            return true;
    return false;
}

bool MatchdayPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusOut && isGoalField(watched))
        m_leftGoalField.start();
    if (event->type() == QEvent::KeyPress && qobject_cast<QComboBox *>(watched)
        && m_leftGoalField.isValid() && m_leftGoalField.elapsed() < kGoalDigitGraceMs) {
        // Typed on after Tab from the goals: the digit was meant for a goal
        // field, and a team list would take it as the start of a name.
        const QString text = static_cast<QKeyEvent *>(event)->text();
        if (text.size() == 1 && text.at(0).isDigit())
            return true;
    }
    return QWidget::eventFilter(watched, event);
}

void MatchdayPanel::UpdateST()
{
    KeepSaved keep(m_league);
    const QScopedValueRollback<bool> showing(m_showing, true);
    syncShape();
    const int round = m_league.currentRound;
    const QString caption = QString::number(round) + QStringLiteral(". Spieltag");
    emit captionChanged(caption);
    lblST->setText(caption);

    auto showDate = [](QDateEdit *edit, const QString &stored) {
        QDate date = QDate::currentDate();
        if (!stored.isEmpty()) {
            date = LeagueDate::parse(stored);
            if (!date.isValid())
                throw LeagueError(LeagueError::notADate(stored));
        }
        edit->setDate(date);
    };
    showDate(edDatum1, m_league.dates(round).dateFrom);
    showDate(edDatum2, m_league.dates(round).dateTo);

    for (int k = 1; k <= m_league.rowCount(); ++k) {
        row(k).showMatch(m_league.match(round, k));
        row(k).markHalfEntered();
        showMatchDay(k);
    }
    showPairings();
    // A masked field leaves its cursor behind the text it was given, where
    // the next digit finds no blank to fill and is dropped; the field kept
    // focused through F3 or F4 is ready to be typed over instead.
    QWidget *focused = QApplication::focusWidget();
    if (isGoalField(focused))
        static_cast<QLineEdit *>(focused)->selectAll();
}

void MatchdayPanel::syncShape()
{
    const int rows = m_league.rowCount();
    if (rows == m_shownRows)
        return;
    m_shownRows = rows;
    for (int k = 1; k <= League::kMaxRows; ++k)
        row(k).setShown(k <= rows);
    // The panel, and with it the window, grows or shrinks by a row's 24
    // pixels from the nine rows of 18 teams.
    setFixedSize(kWidth, kHeight + 24 * (rows - League::kRows));
}

void MatchdayPanel::UpdateCBO()
{
    KeepSaved keep(m_league);
    syncShape();
    for (MatchRow &r : m_rows)
        r.fillTeams(m_league);
}

void MatchdayPanel::selectNoTeams()
{
    for (MatchRow &r : m_rows)
        r.selectNoTeams();
}

void MatchdayPanel::guarded(const std::function<void()> &edit)
{
    try {
        edit();
    } catch (const LeagueError &e) {
        emit failed(e.message());
    }
}

void MatchdayPanel::cboTeamAChange(int k, int index)
{
    guarded([&] {
        m_league.match(m_league.currentRound, k).teamA = index;
        m_league.leagueSaved = false;
        showPairings();
    });
}

void MatchdayPanel::cboTeamBChange(int k, int index)
{
    guarded([&] {
        m_league.match(m_league.currentRound, k).teamB = index;
        m_league.leagueSaved = false;
        showPairings();
    });
}

void MatchdayPanel::meTorAChange(int k)
{
    guarded([&] {
        m_league.match(m_league.currentRound, k).goalsA = row(k).goalsA();
        m_league.leagueSaved = false;
        row(k).markHalfEntered();
    });
}

void MatchdayPanel::meTorBChange(int k)
{
    guarded([&] {
        m_league.match(m_league.currentRound, k).goalsB = row(k).goalsB();
        m_league.leagueSaved = false;
        row(k).markHalfEntered();
    });
}

void MatchdayPanel::edDatum1Change()
{
    guarded([&] {
        RoundDates &dates = m_league.dates(m_league.currentRound);
        dates.dateFrom = LeagueDate::format(edDatum1->date());
        m_league.leagueSaved = false;
        // A first day after the last one takes the last one along.
        if (!m_showing && edDatum2->date() < edDatum1->date()) {
            const QSignalBlocker block(edDatum2);
            edDatum2->setDate(edDatum1->date());
            dates.dateTo = dates.dateFrom;
        }
        for (int k = 1; k <= m_league.rowCount(); ++k)
            showMatchDay(k);
    });
}

void MatchdayPanel::edDatum2Change()
{
    guarded([&] {
        RoundDates &dates = m_league.dates(m_league.currentRound);
        // A matchday cannot end before it starts: "bis" before "vom" is
        // refused and the field shows the stored day again. What a file
        // brings is shown as it is.
        if (!m_showing && edDatum2->date() < edDatum1->date()) {
            const QDate stored = LeagueDate::parse(dates.dateTo);
            {
                const QSignalBlocker block(edDatum2);
                edDatum2->setDate(stored.isValid() ? stored : edDatum1->date());
            }
            if (!stored.isValid())
                dates.dateTo = LeagueDate::format(edDatum2->date());
            emit failed(QStringLiteral("Der Spieltag kann nicht vor dem %1 enden, an dem er beginnt.")
                            .arg(LeagueDate::format(edDatum1->date())));
            return;
        }
        dates.dateTo = LeagueDate::format(edDatum2->date());
        m_league.leagueSaved = false;
        for (int k = 1; k <= m_league.rowCount(); ++k)
            showMatchDay(k);
    });
}

void MatchdayPanel::edTagChange(int k)
{
    guarded([&] {
        Match &m = m_league.match(m_league.currentRound, k);
        QDate date;
        QTime time;
        const QString typed = row(k).edTag->text();
        if (!LeagueDate::parseMatchDay(typed, &date, &time)) {
            showMatchDay(k);
            emit failed(LeagueError::notADate(typed.trimmed()));
            return;
        }
        if (date == m.date && time == m.time)
            return showMatchDay(k);
        // A kick-off typed here is the desktop's time; the zone a file
        // named belongs to the time it gave.
        if (time != m.time)
            m.timeZone.clear();
        m.date = date;
        m.time = time;
        m_league.leagueSaved = false;
        showMatchDay(k);
    });
}

void MatchdayPanel::showMatchDay(int k)
{
    const int round = m_league.currentRound;
    const Match &m = m_league.match(round, k);
    // Empty, the field shows greyed the day the match falls back to.
    row(k).showDay(LeagueDate::matchDayText(m.date, m.time), m_league.dates(round).dateFrom,
                   m_league.isPostponed(round, k));
}

void MatchdayPanel::showPairings()
{
    const int round = m_league.currentRound;
    const QStringList warnings = m_league.pairingWarnings(round);
    std::array<int, League::kMaxTeams + 1> named{};
    for (int k = 1; k <= m_league.rowCount(); ++k) {
        const Match &m = m_league.match(round, k);
        for (int team : {m.teamA, m.teamB})
            if (team >= 1 && team <= m_league.teamCount)
                ++named[team];
    }
    const QString warning = warnings.join(QLatin1Char('\n'));
    auto twice = [&](int team) { return team >= 1 && team <= m_league.teamCount && named[team] > 1; };
    for (int k = 1; k <= m_league.rowCount(); ++k) {
        const Match &m = m_league.match(round, k);
        const bool self = m.teamA >= 1 && m.teamA == m.teamB;
        row(k).markPairing(self || twice(m.teamA), self || twice(m.teamB), warning);
    }
    QPalette hint;
    if (!warnings.isEmpty()) {
        hint.setColor(QPalette::WindowText, QColor(192, 0, 0));
        lblHinweis->setText(lblHinweis->fontMetrics().elidedText(warnings.first(), Qt::ElideRight, lblHinweis->width()));
        lblHinweis->setToolTip(warning);
    } else if (const int resting = m_league.restingTeam(round)) {
        lblHinweis->setText(lblHinweis->fontMetrics().elidedText(
            QStringLiteral("spielfrei: ") + m_league.teamNames[resting], Qt::ElideRight, lblHinweis->width()));
        lblHinweis->setToolTip(QStringLiteral("spielfrei: ") + m_league.teamNames[resting]);
    } else {
        lblHinweis->clear();
        lblHinweis->setToolTip(QString());
    }
    lblHinweis->setPalette(hint);
}
