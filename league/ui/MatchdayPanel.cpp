#include "league/ui/MatchdayPanel.h"

#include "league/model/LeagueDate.h"
#include "league/model/LeagueError.h"
#include "league/ui/DateField.h"
#include "league/ui/FormUtil.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QSignalBlocker>

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

const QString kGoalHint = QStringLiteral("Tragen Sie hier die entsprechend erzielten Tore ein");
const QString kTeamHint = QStringLiteral("Wählen Sie die entsprechende Mannschaft aus");
const QString kHalfEnteredHint = QStringLiteral("Nur ein Tor eingetragen: das Spiel zählt nicht");
const QColor kHalfEnteredColor(255, 187, 187);
// How long after leaving a goal field a digit is still taken as a slip of
// the goal entry rather than a search in a team list.
constexpr qint64 kGoalDigitGraceMs = 1000;
// The classic rows end at 509 pixels; the compact day field and the mark
// of a postponed match follow them.
constexpr int kWidth = 637;
const QString kDayHint = QStringLiteral("Tag und Anstoß dieses Spiels (TT.MM.JJJJ hh:mm); "
                                        "leer: das Spiel steht auf den Tagen des Spieltags");
const QString kPostponedHint = QStringLiteral("Nachholspiel: nach dem letzten Tag des Spieltags");
const QColor kPairingColor(255, 187, 187);
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
    for (int k = 1; k <= League::kMaxRows; ++k) {
        const int y = 32 + 24 * (k - 1);
        auto makeCombo = [&](const QString &name, int x) {
            auto *c = new QComboBox(this);
            c->setObjectName(name + QString::number(k));
            c->setEditable(false);
            FormUtil::dropDownList(c, 10);
            c->setGeometry(x, y, 205, 21);
            c->setStatusTip(kTeamHint);
            c->addItem(QStringLiteral("---"));
            for (int i = 1; i <= League::kTeams; ++i)
                c->addItem(QString());
            c->setCurrentIndex(0);
            return c;
        };
        auto makeGoal = [&](const QString &name, int x) {
            auto *e = new QLineEdit(this);
            e->setObjectName(name + QString::number(k));
            e->setInputMask(QStringLiteral("000;_"));
            e->setMaxLength(3);
            e->setGeometry(x, y, 28, 21);
            e->setStatusTip(kGoalHint);
            return e;
        };
        cboTeamA[k] = makeCombo(QStringLiteral("cboTeamA"), 6);
        lblStrich[k] = fixedLabel(this, QStringLiteral("-"), QRect(211, y + 3, 10, 14), true);
        lblStrich[k]->setAlignment(Qt::AlignCenter);
        lblStrich[k]->setObjectName(QStringLiteral("lblStrich") + QString::number(k));
        cboTeamB[k] = makeCombo(QStringLiteral("cboTeamB"), 223);
        meTorA[k] = makeGoal(QStringLiteral("meTorA"), 437);
        lblDoppelpunkt[k] = fixedLabel(this, QStringLiteral(":"), QRect(466, y + 3, 8, 14), true);
        lblDoppelpunkt[k]->setAlignment(Qt::AlignCenter);
        lblDoppelpunkt[k]->setObjectName(QStringLiteral("lblDoppelpunkt") + QString::number(k));
        meTorB[k] = makeGoal(QStringLiteral("meTorB"), 475);
        edTag[k] = new QLineEdit(this);
        edTag[k]->setObjectName(QStringLiteral("edTag") + QString::number(k));
        edTag[k]->setGeometry(512, y, 108, 21);
        edTag[k]->setMaxLength(24);
        edTag[k]->setStatusTip(kDayHint);
        lblNachhol[k] = fixedLabel(this, QStringLiteral("N"), QRect(622, y + 3, 12, 14), true);
        lblNachhol[k]->setObjectName(QStringLiteral("lblNachhol") + QString::number(k));
        lblNachhol[k]->setAlignment(Qt::AlignCenter);
        lblNachhol[k]->setToolTip(kPostponedHint);
        lblNachhol[k]->setStatusTip(kPostponedHint);
        QPalette red = lblNachhol[k]->palette();
        red.setColor(QPalette::WindowText, QColor(192, 0, 0));
        lblNachhol[k]->setPalette(red);
        lblNachhol[k]->setVisible(false);
    }

    // Keyboard order: the two dates, then each row's lists before its goals.
    QWidget *prev = edDatum1;
    auto chain = [&prev](QWidget *next) {
        QWidget::setTabOrder(prev, next);
        prev = next;
    };
    chain(edDatum2);
    for (int k = 1; k <= League::kMaxRows; ++k) {
        chain(cboTeamA[k]);
        chain(cboTeamB[k]);
        chain(meTorA[k]);
        chain(meTorB[k]);
    }
    // The days come after all rows, so that Tab from a row's goals still
    // leads to the next row's teams as results are typed.
    for (int k = 1; k <= League::kMaxRows; ++k)
        chain(edTag[k]);
}

void MatchdayPanel::connectAll()
{
    connect(lblST, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &pos) { emit captionMenuRequested(lblST->mapToGlobal(pos)); });

    // Lists report only what the user picks; goal and date fields report
    // every change, also the ones the display routines make.
    for (int k = 1; k <= League::kMaxRows; ++k) {
        connect(cboTeamA[k], &QComboBox::activated, this, [this, k](int i) { cboTeamAChange(k, i); });
        connect(cboTeamB[k], &QComboBox::activated, this, [this, k](int i) { cboTeamBChange(k, i); });
        connect(meTorA[k], &QLineEdit::textChanged, this, [this, k] { meTorAChange(k); });
        connect(meTorB[k], &QLineEdit::textChanged, this, [this, k] { meTorBChange(k); });
        connect(edTag[k], &QLineEdit::editingFinished, this, [this, k] { edTagChange(k); });
        // Enter walks the goal fields: home, away, the next row's home, and
        // from the last row back to the first, so a matchday's results are
        // typed as digits and Enter alone.
        connect(meTorA[k], &QLineEdit::returnPressed, this, [this, k] { focusGoal(meTorB[k]); });
        connect(meTorB[k], &QLineEdit::returnPressed, this,
                [this, k] { focusGoal(meTorA[k < m_league.rowCount() ? k + 1 : 1]); });
        for (QWidget *w : {static_cast<QWidget *>(cboTeamA[k]), static_cast<QWidget *>(cboTeamB[k]),
                           static_cast<QWidget *>(meTorA[k]), static_cast<QWidget *>(meTorB[k])})
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
    for (int k = 1; k <= League::kMaxRows; ++k)
        if (o == meTorA[k] || o == meTorB[k])
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
        const Match m = m_league.match(round, k);
        cboTeamA[k]->setCurrentIndex(m.teamA);
        cboTeamB[k]->setCurrentIndex(m.teamB);
        meTorA[k]->setText(m.goalsA == -1 ? QString() : QString::number(m.goalsA));
        meTorB[k]->setText(m.goalsB == -1 ? QString() : QString::number(m.goalsB));
        markHalfEntered(k);
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

void MatchdayPanel::markHalfEntered(int row)
{
    // A result with one goal field empty is not counted anywhere; the row
    // says so, so that it cannot pass unnoticed.
    const bool half = (FormUtil::maskedNumber(meTorA[row], -1) < 0) != (FormUtil::maskedNumber(meTorB[row], -1) < 0);
    for (QLineEdit *field : {meTorA[row], meTorB[row]}) {
        if (half) {
            QPalette p = field->palette();
            p.setColor(QPalette::Base, kHalfEnteredColor);
            field->setPalette(p);
            field->setToolTip(kHalfEnteredHint);
        } else {
            field->setPalette(QPalette());
            field->setToolTip(QString());
        }
    }
}

void MatchdayPanel::syncShape()
{
    const int rows = m_league.rowCount();
    if (rows == m_shownRows)
        return;
    m_shownRows = rows;
    for (int k = 1; k <= League::kMaxRows; ++k) {
        const bool shown = k <= rows;
        for (QWidget *w : {static_cast<QWidget *>(cboTeamA[k]), static_cast<QWidget *>(cboTeamB[k]),
                           static_cast<QWidget *>(meTorA[k]), static_cast<QWidget *>(meTorB[k]),
                           static_cast<QWidget *>(lblStrich[k]), static_cast<QWidget *>(lblDoppelpunkt[k]),
                           static_cast<QWidget *>(edTag[k])})
            w->setVisible(shown);
        if (!shown)
            lblNachhol[k]->setVisible(false);
    }
    // The panel, and with it the window, grows or shrinks by a row's 24
    // pixels from the nine rows of 18 teams.
    setFixedSize(kWidth, kHeight + 24 * (rows - League::kRows));
}

void MatchdayPanel::UpdateCBO()
{
    KeepSaved keep(m_league);
    syncShape();
    for (int k = 1; k <= League::kMaxRows; ++k) {
        for (QComboBox *c : {cboTeamA[k], cboTeamB[k]}) {
            c->clear();
            c->addItem(QStringLiteral("---"));
            for (int i = 1; i <= m_league.teamCount; ++i)
                c->addItem(m_league.teamNames[i]);
            c->setCurrentIndex(0);
        }
    }
}

void MatchdayPanel::selectNoTeams()
{
    for (int k = 1; k <= League::kMaxRows; ++k) {
        cboTeamA[k]->setCurrentIndex(0);
        cboTeamB[k]->setCurrentIndex(0);
    }
}

void MatchdayPanel::guarded(const std::function<void()> &edit)
{
    try {
        edit();
    } catch (const LeagueError &e) {
        emit failed(e.message());
    }
}

void MatchdayPanel::cboTeamAChange(int row, int index)
{
    guarded([&] {
        m_league.match(m_league.currentRound, row).teamA = index;
        m_league.leagueSaved = false;
        showPairings();
    });
}

void MatchdayPanel::cboTeamBChange(int row, int index)
{
    guarded([&] {
        m_league.match(m_league.currentRound, row).teamB = index;
        m_league.leagueSaved = false;
        showPairings();
    });
}

void MatchdayPanel::meTorAChange(int row)
{
    guarded([&] {
        m_league.match(m_league.currentRound, row).goalsA = FormUtil::maskedNumber(meTorA[row], -1);
        m_league.leagueSaved = false;
        markHalfEntered(row);
    });
}

void MatchdayPanel::meTorBChange(int row)
{
    guarded([&] {
        m_league.match(m_league.currentRound, row).goalsB = FormUtil::maskedNumber(meTorB[row], -1);
        m_league.leagueSaved = false;
        markHalfEntered(row);
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

void MatchdayPanel::edTagChange(int row)
{
    guarded([&] {
        Match &m = m_league.match(m_league.currentRound, row);
        QDate date;
        QTime time;
        const QString typed = edTag[row]->text();
        if (!LeagueDate::parseMatchDay(typed, &date, &time)) {
            showMatchDay(row);
            emit failed(LeagueError::notADate(typed.trimmed()));
            return;
        }
        if (date == m.date && time == m.time)
            return showMatchDay(row);
        // A kick-off typed here is the desktop's time; the zone a file
        // named belongs to the time it gave.
        if (time != m.time)
            m.timeZone.clear();
        m.date = date;
        m.time = time;
        m_league.leagueSaved = false;
        showMatchDay(row);
    });
}

void MatchdayPanel::showMatchDay(int row)
{
    const int round = m_league.currentRound;
    const Match &m = m_league.match(round, row);
    edTag[row]->setText(LeagueDate::matchDayText(m.date, m.time));
    // Empty, the field shows greyed the day the match falls back to.
    edTag[row]->setPlaceholderText(m_league.dates(round).dateFrom);
    edTag[row]->setCursorPosition(0);
    const bool postponed = m_league.isPostponed(round, row);
    lblNachhol[row]->setVisible(postponed);
    edTag[row]->setToolTip(postponed ? kPostponedHint : QString());
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
    for (int k = 1; k <= m_league.rowCount(); ++k) {
        const Match &m = m_league.match(round, k);
        const bool self = m.teamA >= 1 && m.teamA == m.teamB;
        for (QComboBox *c : {cboTeamA[k], cboTeamB[k]}) {
            const int team = c == cboTeamA[k] ? m.teamA : m.teamB;
            const bool wrong = self || (team >= 1 && team <= m_league.teamCount && named[team] > 1);
            QPalette p;
            if (wrong)
                p.setColor(QPalette::Button, kPairingColor);
            c->setPalette(p);
            c->setToolTip(wrong ? warnings.join(QLatin1Char('\n')) : QString());
        }
    }
    QPalette hint;
    if (!warnings.isEmpty()) {
        hint.setColor(QPalette::WindowText, QColor(192, 0, 0));
        lblHinweis->setText(lblHinweis->fontMetrics().elidedText(warnings.first(), Qt::ElideRight, lblHinweis->width()));
        lblHinweis->setToolTip(warnings.join(QLatin1Char('\n')));
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
