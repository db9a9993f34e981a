#include "league/ui/TfrmEinst.h"

#include "league/ui/Cp1252Validator.h"
#include "league/ui/FormUtil.h"

#include <QCheckBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>

namespace {

// Column left edges and widths of the team table.
constexpr int kNoX = 2, kNoW = 20;
constexpr int kNameX = 26, kNameW = 190;
constexpr int kSpX = 222, kSpW = 34;
constexpr int kSSX = 264, kSUX = 294, kSNX = 324, kSW = 28;
constexpr int kTEX = 362, kTAX = 406, kTW = 40;
constexpr int kStrX = 462, kStrW = 34;
constexpr int kRowH = 24;
constexpr int kTableTop = 118;

QLabel *label(QWidget *parent, const QString &text, int x, int y, int w, int h,
              Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter, bool bold = false)
{
    auto *l = new QLabel(text, parent);
    l->setGeometry(x, y, w, h);
    l->setAlignment(align);
    if (bold) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
    }
    return l;
}

} // namespace

TfrmEinst::TfrmEinst(const UiPlatform &platform, QWidget *parent)
    : BuiltOnUseDialog(parent), m_platform(platform)
{
    setObjectName(QStringLiteral("frmEinst"));
    setWindowTitle(QStringLiteral("Grundeinstellungen der Liga"));
    FormUtil::makeFixedDialog(this, 540, 420);
    setModal(true);
    // The controls, 144 of them in the team table alone, are built on first
    // use or right after the main window's first paint, so that the program's
    // window appears sooner.
}

void TfrmEinst::buildControls()
{
    chkCh = new QCheckBox(QStringLiteral("Wird ein Meister ausgespielt?"), this);
    chkCh->setObjectName(QStringLiteral("chkCh"));
    chkCh->setGeometry(10, 8, 300, 20);
    chkCh->setChecked(true);

    auto spin = [this](QSpinBox *&s, const char *name, int max, int value, int y, const QString &text) {
        s = new QSpinBox(this);
        s->setObjectName(QString::fromLatin1(name));
        s->setRange(0, max);
        s->setValue(value);
        s->setGeometry(10, y, 44, 22);
        label(this, text, 60, y, 330, 22);
    };
    spin(seCL, "seCL", 1, 1, 32, QStringLiteral("Champions-League-Qualifikanten (außer dem Meister)"));
    spin(seUC, "seUC", 8, 3, 56, QStringLiteral("reguläre UEFA-Cup-Teilnehmer"));
    spin(seAb, "seAb", 8, 3, 80, QStringLiteral("Absteiger"));

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
    table->setFixedSize(510, League::kTeams * kRowH + 4);

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
    for (int k = 1; k <= League::kTeams; ++k) {
        label(table, QString::number(k), kNoX, 2 + (k - 1) * kRowH, kNoW, 21,
              Qt::AlignRight | Qt::AlignVCenter, true);
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

    // Keyboard order: all names, then the start values row by row, then the
    // penalty points, then the controls above the table.
    QList<QWidget *> order;
    for (int k = 1; k <= League::kTeams; ++k)
        order << edTeam[k];
    for (int k = 1; k <= League::kTeams; ++k)
        order << meSS[k] << meSU[k] << meSN[k] << meTorE[k] << meTorA[k];
    for (int k = 1; k <= League::kTeams; ++k)
        order << meStrP[k];
    order << bbOK << chkCh << seCL << seUC << seAb << bbAbbr << bbHilfe;
    for (int i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order.at(i - 1), order.at(i));

    for (int k = 1; k <= League::kTeams; ++k) {
        connect(edTeam[k], &QLineEdit::textChanged, this, &TfrmEinst::ChkOK);
        connect(edSp[k], &QLineEdit::textChanged, this, &TfrmEinst::ChkOK);
        for (QLineEdit *e : {meSS[k], meSU[k], meSN[k]})
            connect(e, &QLineEdit::textChanged, this, [this, k] { meSSChange(k); });
    }
    connect(bbOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(bbAbbr, &QPushButton::clicked, this, &QDialog::reject);
    connect(bbHilfe, &QPushButton::clicked, this, &TfrmEinst::bbHilfeClick);

    // FormCreate
    ChkOK();
}

void TfrmEinst::ChkOK()
{
    ensureBuilt();
    bool ok = true;
    for (int k = 1; k <= League::kTeams; ++k)
        if (edTeam[k]->text().isEmpty())
            ok = false;
    for (int k = 1; k < League::kTeams; ++k)
        if (edSp[k]->text() != edSp[k + 1]->text())
            ok = false;
    // 34 start games would leave no matchday to enter.
    if (FormUtil::maskedNumber(edSp[1], 0) > League::kRounds - 1)
        ok = false;
    bbOK->setEnabled(ok);
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
    chkCh->setChecked(league.hasChampion);
    seCL->setValue(league.clPlaces);
    seUC->setValue(league.ucPlaces);
    seAb->setValue(league.relegationPlaces);
    for (int k = 1; k <= League::kTeams; ++k)
        edTeam[k]->setText(league.teamNames[k]);
    auto fill = [](const Row &row, const League::TeamInts &values) {
        for (int k = 1; k <= League::kTeams; ++k)
            row[k]->setText(QString::number(values[k]));
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
    league.hasChampion = chkCh->isChecked();
    league.clPlaces = seCL->value();
    league.ucPlaces = seUC->value();
    league.relegationPlaces = seAb->value();
    for (int k = 1; k <= League::kTeams; ++k) {
        league.teamNames[k] = edTeam[k]->text();
        league.startWins[k] = FormUtil::maskedNumber(meSS[k], 0);
        league.startDraws[k] = FormUtil::maskedNumber(meSU[k], 0);
        league.startLosses[k] = FormUtil::maskedNumber(meSN[k], 0);
        league.startGoalsFor[k] = FormUtil::maskedNumber(meTorE[k], 0);
        league.startGoalsAgainst[k] = FormUtil::maskedNumber(meTorA[k], 0);
        league.penaltyPoints[k] = FormUtil::maskedNumber(meStrP[k], 0);
    }
    for (int k = 1; k <= League::kTeams; ++k) {
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
