#include "league/ui/TfrmSpielplan.h"

#include "league/model/League.h"
#include "league/model/LeagueDate.h"
#include "league/schedule/FixtureGenerator.h"
#include "league/schedule/FixtureRedraw.h"
#include "league/schedule/LeagueFixtures.h"
#include "league/ui/FormUtil.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSpinBox>

namespace {

QLabel *label(QWidget *parent, const QString &text, const QRect &geometry)
{
    auto *l = new QLabel(text, parent);
    l->setGeometry(geometry);
    return l;
}

} // namespace

TfrmSpielplan::TfrmSpielplan(const UiPlatform &platform, QWidget *parent)
    : QDialog(parent), m_platform(platform)
{
    setObjectName(QStringLiteral("frmSpielplan"));
    setWindowTitle(QStringLiteral("Spielplan erstellen"));
    FormUtil::makeFixedDialog(this, 440, 172);
    setModal(true);

    lblLiga = label(this, QString(), QRect(10, 8, 300, 16));
    lblLiga->setObjectName(QStringLiteral("lblLiga"));
    QFont bold = lblLiga->font();
    bold.setBold(true);
    lblLiga->setFont(bold);

    label(this, QStringLiteral("Startwert der Auslosung:"), QRect(10, 36, 130, 21));
    edtSeed = new QLineEdit(this);
    edtSeed->setObjectName(QStringLiteral("edtSeed"));
    edtSeed->setGeometry(144, 36, 80, 21);
    edtSeed->setAlignment(Qt::AlignRight);
    // Nine digits at most, so every seed fits and reads back the same.
    edtSeed->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{1,9}")), edtSeed));
    edtSeed->setStatusTip(QStringLiteral("Derselbe Startwert ergibt denselben Spielplan"));
    btnLos = new QPushButton(QStringLiteral("Neu auslosen"), this);
    btnLos->setObjectName(QStringLiteral("btnLos"));
    btnLos->setGeometry(230, 35, 80, 23);
    btnLos->setAutoDefault(false);
    label(this, QStringLiteral("0 = Reihenfolge der Grundeinstellungen"), QRect(144, 60, 194, 16))
        ->setObjectName(QStringLiteral("lblNull"));

    chkTermine = new QCheckBox(QStringLiteral("Termine der Spieltage eintragen"), this);
    chkTermine->setObjectName(QStringLiteral("chkTermine"));
    chkTermine->setGeometry(10, 88, 250, 20);
    label(this, QStringLiteral("erster Spieltag am"), QRect(28, 114, 112, 21));
    edtStart = new QDateEdit(QDate::currentDate(), this);
    edtStart->setObjectName(QStringLiteral("edtStart"));
    edtStart->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    edtStart->setCalendarPopup(true);
    edtStart->setGeometry(144, 114, 85, 21);
    label(this, QStringLiteral("Tage zwischen den Spieltagen"), QRect(28, 140, 150, 21));
    spnDays = new QSpinBox(this);
    spnDays->setObjectName(QStringLiteral("spnDays"));
    spnDays->setRange(FixtureGenerator::kMinDaysBetween, FixtureGenerator::kMaxDaysBetween);
    spnDays->setValue(7);
    spnDays->setGeometry(184, 140, 45, 21);

    auto button = [this](QPushButton *&b, const char *name, const QString &text, int y) {
        b = new QPushButton(text, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setGeometry(344, y, 88, 26);
        b->setAutoDefault(false);
    };
    button(btnOK, "btnOK", QStringLiteral("OK"), 8);
    button(btnAbbr, "btnAbbr", QStringLiteral("Abbrechen"), 40);
    button(btnHilfe, "btnHilfe", QStringLiteral("Hilfe"), 72);
    btnOK->setDefault(true);

    setTabOrder(edtSeed, btnLos);
    setTabOrder(btnLos, chkTermine);
    setTabOrder(chkTermine, edtStart);
    setTabOrder(edtStart, spnDays);
    setTabOrder(spnDays, btnOK);
    setTabOrder(btnOK, btnAbbr);
    setTabOrder(btnAbbr, btnHilfe);

    connect(edtSeed, &QLineEdit::textChanged, this, &TfrmSpielplan::ChkOK);
    connect(btnLos, &QPushButton::clicked, this, &TfrmSpielplan::btnLosClick);
    connect(chkTermine, &QCheckBox::toggled, this, &TfrmSpielplan::chkTermineClick);
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnAbbr, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnHilfe, &QPushButton::clicked, this,
            [this] { m_platform.help->showContext(this, kHelpContext); });

    chkTermineClick();
}

std::uint32_t TfrmSpielplan::seed() const
{
    return edtSeed->text().toUInt();
}

void TfrmSpielplan::ChkOK()
{
    btnOK->setEnabled(edtSeed->hasAcceptableInput());
}

void TfrmSpielplan::btnLosClick()
{
    edtSeed->setText(QString::number(LeagueFixtures::randomSeed()));
}

void TfrmSpielplan::chkTermineClick()
{
    edtStart->setEnabled(chkTermine->isChecked());
    spnDays->setEnabled(chkTermine->isChecked());
}

void TfrmSpielplan::fillFrom(const League &league)
{
    lblLiga->setText(QStringLiteral("Spielplan für %1 Mannschaften und %2 Spieltage")
                         .arg(league.teamCount)
                         .arg(league.roundCount));
    // The first use draws; later uses offer the last seed again.
    if (!m_seedDrawn) {
        m_seedDrawn = true;
        btnLosClick();
    }
    // A season that already has its first date starts from it.
    const QDate first = LeagueDate::parse(league.roundDates[1].dateFrom);
    if (first.isValid())
        edtStart->setDate(first);
    ChkOK();
}

bool TfrmSpielplan::run(League &league)
{
    fillFrom(league);
    if (exec() != QDialog::Accepted)
        return false;

    const QDate start = chkTermine->isChecked() ? edtStart->date() : QDate();
    const FixtureOptions options = LeagueFixtures::optionsFor(league, seed(), start, spnDays->value());
    const FixtureConflicts conflicts = LeagueFixtures::conflicts(league);
    // Played matchdays stay, and the new list is built around their
    // pairings; when that cannot be done nothing changes and the user
    // learns why before being asked anything.
    std::vector<FixtureMatchday> list;
    if (conflicts.played.isEmpty()) {
        list = FixtureGenerator::generate(options);
    } else {
        FixtureRedraw redraw = FixtureRedraw::make(league, options);
        if (!redraw.refusal.isEmpty()) {
            m_platform.messages->error(this, redraw.refusal);
            return false;
        }
        list = std::move(redraw.list);
    }
    if (!conflicts.isEmpty()) {
        const MessageBoxSeam::Answer answer = m_platform.messages->show(
            this, MessageBoxSeam::Question, QStringLiteral("Bestätigen"),
            LeagueFixtures::confirmationText(conflicts), {MessageBoxSeam::Yes, MessageBoxSeam::No},
            MessageBoxSeam::No, MessageBoxSeam::No);
        if (answer != MessageBoxSeam::Yes)
            return false;
    }
    const QString dates = LeagueFixtures::datesRefusal(league, start, spnDays->value());
    if (!dates.isEmpty()) {
        m_platform.messages->error(this, dates);
        return false;
    }
    return !LeagueFixtures::apply(league, list).isEmpty();
}
