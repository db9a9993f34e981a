#pragma once

#include <QApplication>
#include <QObject>
#include <QQueue>
#include <QTimer>
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

// Runs `step` once a modal widget of type T other than `besides` is up; a
// dialog the step leaves open is rejected, so a test cannot hang on it.
template <typename T> void whenModal(std::function<void(T *)> step, QWidget *besides = nullptr)
{
    auto *timer = new QTimer(qApp);
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, qApp, [timer, step, besides] {
        auto *modal = qobject_cast<T *>(QApplication::activeModalWidget());
        if (!modal || modal == besides || !modal->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        step(modal);
        if (modal->isVisible())
            modal->reject();
    });
    timer->start();
}
