#pragma once

#include <QDate>
#include <QWidget>

class DateField;
class QCheckBox;
class QSpinBox;

// The table window's choice of when the tables stand: after a matchday
// ("nach dem Spieltag") or, with "Stand am" ticked, on a day, where a
// postponed match counts from the day it was played, not from its matchday.
// Only the user's choices are signalled; what the window sets is silent.
class StandChooser : public QWidget {
    Q_OBJECT

public:
    explicit StandChooser(QWidget *parent = nullptr);

    int round() const;
    // The matchdays on offer and the one shown.
    void showRound(int first, int last, int round);
    // Whether "Stand am" is ticked.
    bool byDay() const;
    // The day the tables stand on, invalid while they stand after a matchday.
    QDate day() const;
    // A valid day ticks "Stand am" and shows it; an invalid one unticks it.
    void setDay(const QDate &day);
    // The day shown, for when "Stand am" is ticked, leaving the tick alone.
    void offerDay(const QDate &day);

signals:
    void roundChosen(int round);
    // "Stand am" was ticked or unticked, or another day chosen.
    void standChanged();
    // The text typed into the date field is not a date.
    void invalidDate(const QString &typed);

private:
    // Only the control that counts can be changed.
    void enableChoice();

    QSpinBox *seST = nullptr;
    QCheckBox *cbStand = nullptr;
    DateField *deStand = nullptr;
};
