#include "league/ui/MatchRow.h"

#include "league/ui/FormUtil.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace {

const QString kGoalHint = QStringLiteral("Tragen Sie hier die entsprechend erzielten Tore ein");
const QString kTeamHint = QStringLiteral("Wählen Sie die entsprechende Mannschaft aus");
const QString kHalfEnteredHint = QStringLiteral("Nur ein Tor eingetragen: das Spiel zählt nicht");
const QColor kHalfEnteredColor(255, 187, 187);
const QString kDayHint = QStringLiteral("Tag und Anstoß dieses Spiels (TT.MM.JJJJ hh:mm); "
                                        "leer: das Spiel steht auf den Tagen des Spieltags");
const QString kPostponedHint = QStringLiteral("Nachholspiel: nach dem letzten Tag des Spieltags");
const QColor kPairingColor(255, 187, 187);

QLabel *mark(QWidget *panel, const QString &text, const QString &name, const QRect &geometry)
{
    QLabel *l = FormUtil::label(panel, text, geometry, Qt::AlignCenter, true);
    l->setObjectName(name);
    return l;
}

} // namespace

MatchRow::MatchRow(QWidget *panel, int row)
{
    const QString n = QString::number(row);
    const int y = 32 + 24 * (row - 1);
    auto makeCombo = [&](const QString &name, int x) {
        auto *c = new QComboBox(panel);
        c->setObjectName(name + n);
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
        auto *e = new QLineEdit(panel);
        e->setObjectName(name + n);
        e->setInputMask(QStringLiteral("000;_"));
        e->setMaxLength(3);
        e->setGeometry(x, y, 28, 21);
        e->setStatusTip(kGoalHint);
        return e;
    };
    cboTeamA = makeCombo(QStringLiteral("cboTeamA"), 6);
    lblStrich = mark(panel, QStringLiteral("-"), QStringLiteral("lblStrich") + n, QRect(211, y + 3, 10, 14));
    cboTeamB = makeCombo(QStringLiteral("cboTeamB"), 223);
    meTorA = makeGoal(QStringLiteral("meTorA"), 437);
    lblDoppelpunkt = mark(panel, QStringLiteral(":"), QStringLiteral("lblDoppelpunkt") + n, QRect(466, y + 3, 8, 14));
    meTorB = makeGoal(QStringLiteral("meTorB"), 475);
    edTag = new QLineEdit(panel);
    edTag->setObjectName(QStringLiteral("edTag") + n);
    edTag->setGeometry(512, y, 108, 21);
    edTag->setMaxLength(24);
    edTag->setStatusTip(kDayHint);
    lblNachhol = mark(panel, QStringLiteral("N"), QStringLiteral("lblNachhol") + n, QRect(622, y + 3, 12, 14));
    lblNachhol->setToolTip(kPostponedHint);
    lblNachhol->setStatusTip(kPostponedHint);
    QPalette red = lblNachhol->palette();
    red.setColor(QPalette::WindowText, QColor(192, 0, 0));
    lblNachhol->setPalette(red);
    lblNachhol->setVisible(false);
}

void MatchRow::setShown(bool shown)
{
    for (QWidget *w : {static_cast<QWidget *>(cboTeamA), static_cast<QWidget *>(cboTeamB),
                       static_cast<QWidget *>(meTorA), static_cast<QWidget *>(meTorB),
                       static_cast<QWidget *>(lblStrich), static_cast<QWidget *>(lblDoppelpunkt),
                       static_cast<QWidget *>(edTag)})
        w->setVisible(shown);
    if (!shown)
        lblNachhol->setVisible(false);
}

void MatchRow::fillTeams(const League &league)
{
    for (QComboBox *c : {cboTeamA, cboTeamB}) {
        c->clear();
        c->addItem(QStringLiteral("---"));
        for (int i = 1; i <= league.teamCount; ++i)
            c->addItem(league.teamNames[i]);
        c->setCurrentIndex(0);
    }
}

void MatchRow::selectNoTeams()
{
    cboTeamA->setCurrentIndex(0);
    cboTeamB->setCurrentIndex(0);
}

void MatchRow::showMatch(const Match &match)
{
    cboTeamA->setCurrentIndex(match.teamA);
    cboTeamB->setCurrentIndex(match.teamB);
    meTorA->setText(match.goalsA == -1 ? QString() : QString::number(match.goalsA));
    meTorB->setText(match.goalsB == -1 ? QString() : QString::number(match.goalsB));
}

int MatchRow::goalsA() const
{
    return FormUtil::maskedNumber(meTorA, -1);
}

int MatchRow::goalsB() const
{
    return FormUtil::maskedNumber(meTorB, -1);
}

void MatchRow::markHalfEntered()
{
    const bool half = (goalsA() < 0) != (goalsB() < 0);
    for (QLineEdit *field : {meTorA, meTorB}) {
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

void MatchRow::showDay(const QString &dayText, const QString &fallbackDay, bool postponed)
{
    edTag->setText(dayText);
    edTag->setPlaceholderText(fallbackDay);
    edTag->setCursorPosition(0);
    lblNachhol->setVisible(postponed);
    edTag->setToolTip(postponed ? kPostponedHint : QString());
}

void MatchRow::markPairing(bool wrongA, bool wrongB, const QString &warning)
{
    for (auto [c, wrong] : {std::pair(cboTeamA, wrongA), std::pair(cboTeamB, wrongB)}) {
        QPalette p;
        if (wrong)
            p.setColor(QPalette::Button, kPairingColor);
        c->setPalette(p);
        c->setToolTip(wrong ? warning : QString());
    }
}

bool MatchRow::isGoalField(const QObject *o) const
{
    return o == meTorA || o == meTorB;
}
