#include "league/ui/TfrmEinst.h"

#include "league/model/IniFile.h"
#include "league/ui/Cp1252Validator.h"
#include "league/ui/FormUtil.h"
#include "league/ui/ZoneEditor.h"

#include <QComboBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTimer>

namespace {

// Column left edges and widths of the team table.
constexpr int kNoX = 2, kNoW = 20;
constexpr int kNameX = 26, kNameW = 190;
constexpr int kSpX = 222, kSpW = 34;
constexpr int kSSX = 264, kSUX = 294, kSNX = 324, kSW = 28;
constexpr int kTEX = 362, kTAX = 406, kTW = 40;
constexpr int kStrX = 462, kStrW = 34;
constexpr int kRowH = 24;
// The league's name and the zones stand above the team table.
constexpr int kZoneTop = 52;
constexpr int kTableTop = 190;
constexpr int kShapeTop = 492;

QLabel *label(QWidget *parent, const QString &text, int x, int y, int w, int h,
              Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter, bool bold = false)
{
    return FormUtil::label(parent, text, QRect(x, y, w, h), align, bold);
}

} // namespace

TfrmEinst::TfrmEinst(const UiPlatform &platform, QWidget *parent)
    : BuiltOnUseDialog(parent), m_platform(platform)
{
    setObjectName(QStringLiteral("frmEinst"));
    setWindowTitle(QStringLiteral("Grundeinstellungen der Liga"));
    // The league's shape and its ranking rules sit in two lines below the
    // team table.
    FormUtil::makeFixedDialog(this, 540, kShapeTop + 80);
    setModal(true);
    // The controls, 192 of them in the team table alone, are built on first
    // use or right after the main window's first paint, so that the program's
    // window appears sooner.
}

void TfrmEinst::buildControls()
{
    QLabel *ligaLabel = label(this, QStringLiteral("Liganame"), 10, 8, 60, 22);
    edLiga = new QLineEdit(this);
    edLiga->setObjectName(QStringLiteral("edLiga"));
    edLiga->setGeometry(74, 8, 356, 22);
    edLiga->setMaxLength(IniFile::kMaxValueLength);
    edLiga->setValidator(new Cp1252Validator(this));
    edLiga->setPlaceholderText(QStringLiteral("z. B. Bundesliga 2026/27"));
    ligaLabel->setBuddy(edLiga);

    m_zones = new ZoneEditor(this);
    m_zones->move(0, kZoneTop - 20);

    auto button = [this](QPushButton *&b, const char *name, const QString &text, int y) {
        b = new QPushButton(text, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setGeometry(440, y, 90, 26);
        // Neither Enter nor Escape leaves the dialog.
        b->setAutoDefault(false);
        b->setDefault(false);
    };
    button(bbOK, "bbOK", QStringLiteral("OK"), 8);
    button(bbAbbr, "bbAbbr", QStringLiteral("Abbrechen"), 40);
    button(bbHilfe, "bbHilfe", QStringLiteral("Hilfe"), 72);

    // Column headings over the scrolling team table.
    const int h1 = kTableTop - 34, h2 = kTableTop - 17;
    label(this, QStringLiteral("Namen der Mannschaften"), kNameX + 4, h2, kNameW, 16);
    label(this, QStringLiteral("Startwerte bei begonnener Saison"), kSpX + 4, h1, kTAX + kTW - kSpX, 16,
          Qt::AlignCenter);
    label(this, QStringLiteral("Spiele"), kSpX + 4 - 4, h2, kSpW + 8, 16, Qt::AlignCenter);
    label(this, QStringLiteral("S"), kSSX + 4, h2, kSW, 16, Qt::AlignCenter);
    label(this, QStringLiteral("U"), kSUX + 4, h2, kSW, 16, Qt::AlignCenter);
    label(this, QStringLiteral("N"), kSNX + 4, h2, kSW, 16, Qt::AlignCenter);
    label(this, QStringLiteral("+ Tore -"), kTEX + 4, h2, kTAX + kTW - kTEX, 16, Qt::AlignCenter);
    label(this, QStringLiteral("Strafpunkte"), kStrX - 14, h2, kStrW + 36, 16, Qt::AlignCenter);

    auto *scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("scrTeams"));
    scroll->setGeometry(4, kTableTop, 532, 296);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Created inside the scroll area, so that its fields are laid out in the
    // dialog's font once instead of in the application's font first.
    auto *table = new QWidget(scroll);
    table->setObjectName(QStringLiteral("panTeams"));
    m_table = table;

    auto field = [table](Row &row, const char *name, int k, int x, int w, const QString &mask) {
        auto *e = new QLineEdit(table);
        e->setObjectName(QString::fromLatin1(name) + QString::number(k));
        e->setGeometry(x, 2 + (k - 1) * kRowH, w, 21);
        if (!mask.isEmpty()) {
            e->setInputMask(mask);
            e->setAlignment(Qt::AlignRight);
        }
        row[k] = e;
        return e;
    };
    for (int k = 1; k <= League::kMaxTeams; ++k) {
        label(table, QString::number(k), kNoX, 2 + (k - 1) * kRowH, kNoW, 21,
              Qt::AlignRight | Qt::AlignVCenter, true)
            ->setObjectName(QStringLiteral("lblNr") + QString::number(k));
        field(edTeam, "edTeam", k, kNameX, kNameW, {})->setValidator(new Cp1252Validator(this));
        QLineEdit *sp = field(edSp, "edSp", k, kSpX, kSpW, {});
        sp->setReadOnly(true);
        sp->setFocusPolicy(Qt::NoFocus);
        sp->setAlignment(Qt::AlignRight);
        sp->setText(QStringLiteral("0"));
        field(meSS, "meSS", k, kSSX, kSW, QStringLiteral("00;_"));
        field(meSU, "meSU", k, kSUX, kSW, QStringLiteral("00;_"));
        field(meSN, "meSN", k, kSNX, kSW, QStringLiteral("00;_"));
        field(meTorE, "meTorE", k, kTEX, kTW, QStringLiteral("0000;_"));
        field(meTorA, "meTorA", k, kTAX, kTW, QStringLiteral("0000;_"));
        field(meStrP, "meStrP", k, kStrX, kStrW, QStringLiteral("000;_"));
    }
    scroll->setWidget(table);
    m_scroll = scroll;

    // A label read in full with its field beside it; gives the field's left edge.
    auto labelled = [this](int x, int y, const QString &text) {
        QLabel *l = label(this, text, x, y, 0, 22);
        l->adjustSize();
        l->setFixedHeight(22);
        return l;
    };
    auto shape = [&](QSpinBox *&s, const char *name, int min, int max, int x, const QString &text) {
        QLabel *l = labelled(x, kShapeTop, text);
        s = new QSpinBox(this);
        s->setObjectName(QString::fromLatin1(name));
        s->setRange(min, max);
        s->setGeometry(x + l->width() + 6, kShapeTop, 50, 22);
        l->setBuddy(s);
    };
    shape(seTeams, "seTeams", League::kMinTeams, League::kMaxTeams, 10, QStringLiteral("Mannschaften"));
    shape(seRounds, "seRounds", League::kMinRounds, League::kMaxRounds, 160, QStringLiteral("Spieltage"));
    shape(seSieg, "seSieg", 2, 3, 290, QStringLiteral("Punkte für einen Sieg"));
    seSieg->setValue(3);
    QLabel *orderLabel = labelled(10, kShapeTop + 30, QStringLiteral("Reihenfolge bei Punktgleichheit"));
    cboReihenfolge = new QComboBox(this);
    cboReihenfolge->setObjectName(QStringLiteral("cboReihenfolge"));
    cboReihenfolge->addItems({QStringLiteral("Tordifferenz, Tore"),
                              QStringLiteral("Tordifferenz, Tore, direkter Vergleich"),
                              QStringLiteral("Direkter Vergleich")});
    cboReihenfolge->setGeometry(10 + orderLabel->width() + 6, kShapeTop + 30, 260, 22);
    orderLabel->setBuddy(cboReihenfolge);
    // Says why "OK" is disabled, so that a row out of sight or a count that
    // does not add up is found without guessing.
    lblHinweis = label(this, QString(), 10, kShapeTop + 56, 520, 20);
    lblHinweis->setObjectName(QStringLiteral("lblHinweis"));
    QPalette warn = lblHinweis->palette();
    warn.setColor(QPalette::WindowText, QColor(176, 0, 0));
    lblHinweis->setPalette(warn);
    seTeams->setValue(League::kTeams);
    seRounds->setValue(League::kRounds);
    seTeamsChange(League::kTeams);

    // Keyboard order: all names, then the start values row by row, then the
    // penalty points, then the controls above the table.
    // Rows of slots the league does not have are hidden and so skipped.
    QList<QWidget *> order;
    for (int k = 1; k <= League::kMaxTeams; ++k)
        order << edTeam[k];
    for (int k = 1; k <= League::kMaxTeams; ++k)
        order << meSS[k] << meSU[k] << meSN[k] << meTorE[k] << meTorA[k];
    for (int k = 1; k <= League::kMaxTeams; ++k)
        order << meStrP[k];
    order << bbOK << edLiga << m_zones->tabOrder();
    order << bbAbbr << bbHilfe << seTeams << seRounds << seSieg << cboReihenfolge;
    for (int i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order.at(i - 1), order.at(i));

    for (int k = 1; k <= League::kMaxTeams; ++k) {
        connect(edTeam[k], &QLineEdit::textChanged, this, &TfrmEinst::ChkOK);
        connect(edSp[k], &QLineEdit::textChanged, this, &TfrmEinst::ChkOK);
        for (QLineEdit *e : {meSS[k], meSU[k], meSN[k]})
            connect(e, &QLineEdit::textChanged, this, [this, k] { meSSChange(k); });
    }
    connect(bbOK, &QPushButton::clicked, this, &TfrmEinst::bbOKClick);
    connect(seTeams, &QSpinBox::valueChanged, this, &TfrmEinst::seTeamsChange);
    connect(seRounds, &QSpinBox::valueChanged, this, &TfrmEinst::seRoundsChange);
    connect(bbAbbr, &QPushButton::clicked, this, &QDialog::reject);
    connect(bbHilfe, &QPushButton::clicked, this, &TfrmEinst::bbHilfeClick);

    // FormCreate
    ChkOK();
}

int TfrmEinst::shownTeams() const
{
    return seTeams ? seTeams->value() : League::kTeams;
}

void TfrmEinst::ChkOK()
{
    ensureBuilt();
    const int teams = shownTeams();
    QString why;
    for (int k = teams; k >= 1; --k)
        if (edTeam[k]->text().isEmpty())
            why = QStringLiteral("Mannschaft %1 hat noch keinen Namen.").arg(k);
    if (why.isEmpty()) {
        for (int k = 1; k < teams; ++k) {
            if (edSp[k]->text() != edSp[k + 1]->text()) {
                why = QStringLiteral("Alle Mannschaften brauchen gleich viele Startspiele "
                                     "(Mannschaft %1: %2, Mannschaft %3: %4).")
                          .arg(k)
                          .arg(edSp[k]->text())
                          .arg(k + 1)
                          .arg(edSp[k + 1]->text());
                break;
            }
        }
    }
    // As many start games as matchdays would leave no matchday to enter.
    if (why.isEmpty() && FormUtil::maskedNumber(edSp[1], 0) > seRounds->value() - 1)
        why = QStringLiteral("%1 Startspiele lassen bei %2 Spieltagen keinen Spieltag übrig.")
                  .arg(FormUtil::maskedNumber(edSp[1], 0))
                  .arg(seRounds->value());
    bbOK->setEnabled(why.isEmpty());
    lblHinweis->setText(why);
}

void TfrmEinst::seTeamsChange(int teams)
{
    for (int k = 1; k <= League::kMaxTeams; ++k) {
        const bool shown = k <= teams;
        for (const Row *row : {&edTeam, &edSp, &meSS, &meSU, &meSN, &meTorE, &meTorA, &meStrP})
            (*row)[k]->setVisible(shown);
        m_table->findChild<QLabel *>(QStringLiteral("lblNr") + QString::number(k))->setVisible(shown);
    }
    m_table->setFixedSize(510, teams * kRowH + 4);
    if (!m_roundsChosen && !m_filling) {
        const QSignalBlocker block(seRounds);
        seRounds->setValue(League::defaultRounds(teams));
    }
    // A row added below the visible part of the table is brought into view.
    // Queued, so that the scroll range has taken the table's new height.
    if (!m_filling && m_rowsShown > 0 && teams > m_rowsShown)
        QTimer::singleShot(0, this, [this, teams] {
            if (teams <= shownTeams())
                m_scroll->ensureVisible(0, edTeam[teams]->geometry().center().y(), 0, kRowH / 2 + 4);
        });
    m_rowsShown = teams;
    ChkOK();
}

void TfrmEinst::seRoundsChange()
{
    if (!m_filling)
        m_roundsChosen = true;
    ChkOK();
}

void TfrmEinst::bbOKClick()
{
    // A smaller league must not drop a pairing or a result: the user learns
    // which one stands in the way, and the dialog stays open.
    const QString refusal = m_league ? m_league->reshapeRefusal(seTeams->value(), seRounds->value()) : QString();
    if (!refusal.isEmpty()) {
        if (m_platform.messages)
            m_platform.messages->error(this, refusal);
        return;
    }
    accept();
}

void TfrmEinst::meSSChange(int row)
{
    const int games = FormUtil::maskedNumber(meSS[row], 0) + FormUtil::maskedNumber(meSU[row], 0)
                      + FormUtil::maskedNumber(meSN[row], 0);
    edSp[row]->setText(QString::number(games));
}

void TfrmEinst::bbHilfeClick()
{
    m_platform.help->showContext(this, 2);
}

void TfrmEinst::fillFrom(const League &league)
{
    ensureBuilt();
    m_league = &league;
    m_filling = true;
    seTeams->setValue(league.teamCount);
    seRounds->setValue(league.roundCount);
    seTeamsChange(league.teamCount);
    m_filling = false;
    m_roundsChosen = league.roundCount != League::defaultRounds(league.teamCount);
    m_zones->fillFrom(league);
    edLiga->setText(league.leagueName);
    edLiga->setCursorPosition(0);
    seSieg->setValue(league.winPoints);
    cboReihenfolge->setCurrentIndex(static_cast<int>(league.tieOrder) - 1);
    // Slots beyond the league start empty, should the user add them.
    for (int k = 1; k <= League::kMaxTeams; ++k)
        edTeam[k]->setText(k <= league.teamCount ? league.teamNames[k] : QString());
    auto fill = [&league](const Row &row, const League::TeamInts &values) {
        for (int k = 1; k <= League::kMaxTeams; ++k)
            row[k]->setText(QString::number(k <= league.teamCount ? values[k] : 0));
    };
    fill(meSS, league.startWins);
    fill(meSU, league.startDraws);
    fill(meSN, league.startLosses);
    fill(meTorE, league.startGoalsFor);
    fill(meTorA, league.startGoalsAgainst);
    fill(meStrP, league.penaltyPoints);
    ChkOK();
}

void TfrmEinst::writeTo(League &league) const
{
    const_cast<TfrmEinst *>(this)->ensureBuilt();
    league.reshape(seTeams->value(), seRounds->value());
    m_zones->writeTo(league);
    league.leagueName = edLiga->text().trimmed();
    league.winPoints = seSieg->value();
    league.tieOrder = static_cast<TieOrder>(cboReihenfolge->currentIndex() + 1);
    for (int k = 1; k <= league.teamCount; ++k) {
        league.teamNames[k] = edTeam[k]->text();
        league.startWins[k] = FormUtil::maskedNumber(meSS[k], 0);
        league.startDraws[k] = FormUtil::maskedNumber(meSU[k], 0);
        league.startLosses[k] = FormUtil::maskedNumber(meSN[k], 0);
        league.startGoalsFor[k] = FormUtil::maskedNumber(meTorE[k], 0);
        league.startGoalsAgainst[k] = FormUtil::maskedNumber(meTorA[k], 0);
        league.penaltyPoints[k] = FormUtil::maskedNumber(meStrP[k], 0);
    }
    for (int k = 1; k <= league.teamCount; ++k) {
        if (league.startWins[k] + league.startDraws[k] + league.startLosses[k] == 0) {
            league.startGoalsFor[k] = 0;
            league.startGoalsAgainst[k] = 0;
        }
    }
}

void TfrmEinst::keyPressEvent(QKeyEvent *event)
{
    // Escape does not cancel and Enter does not confirm.
    if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
