#pragma once

#include <QDateEdit>
#include <functional>

// A date field that takes a whole date typed over its selected text
// ("24.12.2026", also "1.3.2027" and "24122026"), as people type dates, instead of editing
// day, month and year one section at a time. Typing into a field whose text
// is not all selected edits the sections as before. A typed date that does
// not exist is refused: the field keeps its old date and reports the text.
class DateField : public QDateEdit {
    Q_OBJECT

public:
    explicit DateField(const QDate &date, QWidget *parent = nullptr);

    // Called with the typed text when it is not a date.
    void setInvalidHandler(std::function<void(const QString &)> handler) { m_invalid = std::move(handler); }

    // Whether a typed date is being collected.
    bool isTyping() const { return m_typing; }

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    QValidator::State validate(QString &input, int &pos) const override;

private:
    void type(const QString &text);
    // Ends the typing: takes the date when it is one, otherwise restores the
    // old date and reports the text. Returns whether a date was taken.
    bool commit();

    std::function<void(const QString &)> m_invalid;
    bool m_typing = false;
    QString m_typed;
    QDate m_before;
};
