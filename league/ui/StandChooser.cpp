#include "league/ui/StandChooser.h"

#include "league/model/League.h"
#include "league/ui/DateField.h"

#include <QCheckBox>
#include <QLabel>
#include <QSignalBlocker>
#include <QSpinBox>

StandChooser::StandChooser(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("panStand"));
    setFixedSize(158, 40);
    auto *lblST = new QLabel(QStringLiteral("nach dem Spieltag"), this);
    lblST->setObjectName(QStringLiteral("lblST"));
    lblST->setGeometry(0, 0, 94, 20);
    lblST->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    seST = new QSpinBox(this);
    seST->setObjectName(QStringLiteral("seST"));
    seST->setGeometry(98, 0, 56, 20);
    seST->setRange(1, League::kRounds);
    lblST->setBuddy(seST);
    cbStand = new QCheckBox(QStringLiteral("Stand am"), this);
    cbStand->setObjectName(QStringLiteral("cbStand"));
    cbStand->setGeometry(0, 20, 72, 20);
    deStand = new DateField(QDate::currentDate(), this);
    deStand->setObjectName(QStringLiteral("deStand"));
    deStand->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    deStand->setGeometry(72, 20, 86, 20);
    deStand->setEnabled(false);
    deStand->setInvalidHandler([this](const QString &typed) { emit invalidDate(typed); });

    connect(seST, &QSpinBox::valueChanged, this, &StandChooser::roundChosen);
    connect(cbStand, &QCheckBox::toggled, this, [this] {
        enableChoice();
        emit standChanged();
    });
    connect(deStand, &QDateEdit::dateChanged, this, &StandChooser::standChanged);
}

int StandChooser::round() const
{
    return seST->value();
}

void StandChooser::showRound(int first, int last, int round)
{
    const QSignalBlocker block(seST);
    seST->setRange(first, last);
    seST->setValue(round);
}

bool StandChooser::byDay() const
{
    return cbStand->isChecked();
}

QDate StandChooser::day() const
{
    return byDay() ? deStand->date() : QDate();
}

void StandChooser::setDay(const QDate &day)
{
    {
        const QSignalBlocker blockBox(cbStand);
        const QSignalBlocker blockDate(deStand);
        cbStand->setChecked(day.isValid());
        if (day.isValid())
            deStand->setDate(day);
    }
    enableChoice();
}

void StandChooser::offerDay(const QDate &day)
{
    const QSignalBlocker block(deStand);
    if (day.isValid())
        deStand->setDate(day);
}

void StandChooser::enableChoice()
{
    const bool byDay = cbStand->isChecked();
    deStand->setEnabled(byDay);
    seST->setEnabled(!byDay);
}
