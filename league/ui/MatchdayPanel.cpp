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
constexpr int kWidth = 509;
// The height of the nine rows of 18 teams; each further or missing row
// adds or takes a row's 24 pixels.
constexpr int kHeight = 250;

QLabel *fixedLabel(QWidget *parent, const QString &text, const QRect &geometry, bool bold = false)
{
    auto *l = new QLabel(text, parent);
    l->setGeometry(geometry);
    if (bold) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
    }
    return l;
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
    }
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
                           static_cast<QWidget *>(lblStrich[k]), static_cast<QWidget *>(lblDoppelpunkt[k])})
            w->setVisible(shown);
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
    });
}

void MatchdayPanel::cboTeamBChange(int row, int index)
{
    guarded([&] {
        m_league.match(m_league.currentRound, row).teamB = index;
        m_league.leagueSaved = false;
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
        m_league.dates(m_league.currentRound).dateFrom = LeagueDate::format(edDatum1->date());
        m_league.leagueSaved = false;
    });
}

void MatchdayPanel::edDatum2Change()
{
    guarded([&] {
        m_league.dates(m_league.currentRound).dateTo = LeagueDate::format(edDatum2->date());
        m_league.leagueSaved = false;
    });
}
