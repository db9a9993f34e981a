// Preloaded into a Qt program (LD_PRELOAD) by tools/bench: as soon as the
// first window has been exposed and painted, the process ends at once, so
// that its run time is the start-up to the first shown window and its peak
// memory is what that start-up needed. Nothing of the program is changed.
#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWindow>

#include <unistd.h>

namespace {

class FirstExpose : public QObject {
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (!m_seen && event->type() == QEvent::Expose && watched->isWindowType()
            && static_cast<QWindow *>(watched)->isExposed()) {
            m_seen = true;
            // The expose is handled (and the window painted) before the
            // event loop runs this; _exit skips every destructor.
            QTimer::singleShot(0, [] { ::_exit(0); });
        }
        return false;
    }

private:
    bool m_seen = false;
};

void installProbe()
{
    QCoreApplication::instance()->installEventFilter(new FirstExpose);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installProbe)
