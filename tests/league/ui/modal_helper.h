#pragma once

#include <QObject>
#include <QQueue>
#include <QWidget>
#include <functional>

// Answers a modal dialog from a test: each time the dialog is shown, the
// next scripted step runs once the dialog's event loop is up. A dialog
// shown with no step left is rejected, so a wrong test fails instead of
// hanging.
class ModalScript : public QObject {
public:
    explicit ModalScript(QWidget *dialog);
    ~ModalScript() override;

    void then(std::function<void(QWidget *)> step) { m_steps.enqueue(std::move(step)); }
    int shown() const { return m_shown; }
    int unexpected() const { return m_unexpected; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_dialog;
    QQueue<std::function<void(QWidget *)>> m_steps;
    int m_shown = 0;
    int m_unexpected = 0;
};

// Clicks the push button of `dialog` with the given objectName.
void clickButton(QWidget *dialog, const char *name);
