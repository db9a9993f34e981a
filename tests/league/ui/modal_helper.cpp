#include "modal_helper.h"

#include <QDialog>
#include <QEvent>
#include <QPushButton>
#include <QTest>
#include <QTimer>

ModalScript::ModalScript(QWidget *dialog) : m_dialog(dialog)
{
    dialog->installEventFilter(this);
}

ModalScript::~ModalScript()
{
    if (m_dialog)
        m_dialog->removeEventFilter(this);
}

bool ModalScript::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_dialog && event->type() == QEvent::Show) {
        ++m_shown;
        QWidget *dialog = m_dialog;
        if (m_steps.isEmpty()) {
            ++m_unexpected;
            QTimer::singleShot(0, dialog, [dialog] {
                if (auto *d = qobject_cast<QDialog *>(dialog))
                    d->reject();
            });
        } else {
            auto step = m_steps.dequeue();
            QTimer::singleShot(0, dialog, [dialog, step] {
                step(dialog);
                // A step that failed half-way must not leave the test hanging.
                if (dialog->isVisible())
                    if (auto *d = qobject_cast<QDialog *>(dialog))
                        d->reject();
            });
        }
    }
    return false;
}

void clickButton(QWidget *dialog, const char *name)
{
    auto *b = dialog->findChild<QPushButton *>(QString::fromLatin1(name));
    QVERIFY2(b, name);
    QVERIFY2(b->isEnabled(), name);
    QTest::mouseClick(b, Qt::LeftButton);
}
