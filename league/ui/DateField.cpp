#include "league/ui/DateField.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpression>

namespace {

// The shape of a date while it is typed: day, month, year, each part
// possibly still incomplete, or the eight digits of a date typed without
// its dots ("21082026").
bool isDatePrefix(const QString &text)
{
    static const QRegularExpression prefix(
        QStringLiteral(R"(^(\d{0,8}|\d{0,2}(\.(\d{0,2}(\.\d{0,4})?)?)?)$)"));
    return prefix.match(text).hasMatch();
}

QDate typedDate(const QString &typed)
{
    static const QRegularExpression digits(QStringLiteral(R"(^\d{8}$)"));
    if (digits.match(typed).hasMatch())
        return QDate::fromString(typed, QStringLiteral("ddMMyyyy"));
    return QDate::fromString(typed, QStringLiteral("d.M.yyyy"));
}

} // namespace

DateField::DateField(const QDate &date, QWidget *parent)
    : QDateEdit(date, parent)
{
}

QValidator::State DateField::validate(QString &input, int &pos) const
{
    // While a date is typed the line holds the typed characters as they
    // are; only commit() reads them.
    if (m_typing)
        return QValidator::Intermediate;
    return QDateEdit::validate(input, pos);
}

void DateField::type(const QString &text)
{
    m_typed = text;
    lineEdit()->setText(m_typed);
    lineEdit()->setCursorPosition(int(m_typed.size()));
}

bool DateField::commit()
{
    if (!m_typing)
        return true;
    const QString typed = m_typed;
    m_typing = false;
    m_typed.clear();
    const QDate date = typedDate(typed);
    if (date.isValid() && date >= minimumDate() && date <= maximumDate()) {
        setDate(date);
        // setDate leaves the text alone when the date did not change.
        lineEdit()->setText(textFromDateTime(dateTime()));
        return true;
    }
    setDate(m_before);
    lineEdit()->setText(textFromDateTime(dateTime()));
    if (m_invalid)
        m_invalid(typed);
    return false;
}

void DateField::keyPressEvent(QKeyEvent *event)
{
    const QString text = event->text();
    const bool dateChar = text.size() == 1 && (text.at(0).isDigit() || text.at(0) == QLatin1Char('.'))
                          && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    if (!m_typing && dateChar && lineEdit()->selectedText() == lineEdit()->text()
        && text.at(0).isDigit()) {
        m_typing = true;
        m_before = date();
        type(text);
        event->accept();
        return;
    }
    if (m_typing) {
        switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            commit();
            event->accept();
            return;
        case Qt::Key_Escape:
            m_typing = false;
            m_typed.clear();
            setDate(m_before);
            lineEdit()->setText(textFromDateTime(dateTime()));
            event->accept();
            return;
        case Qt::Key_Backspace:
            type(m_typed.left(m_typed.size() - 1));
            event->accept();
            return;
        default:
            break;
        }
        if (dateChar) {
            if (isDatePrefix(m_typed + text))
                type(m_typed + text);
            // A four-digit year completes the date, with its dots or without.
            static const QRegularExpression whole(QStringLiteral(R"(^(\d{1,2}\.\d{1,2}\.\d{4}|\d{8})$)"));
            if (whole.match(m_typed).hasMatch())
                commit();
            event->accept();
            return;
        }
        // Any other key (Tab, arrows) ends the typing first.
        commit();
    }
    QDateEdit::keyPressEvent(event);
}

void DateField::focusOutEvent(QFocusEvent *event)
{
    commit();
    QDateEdit::focusOutEvent(event);
}
