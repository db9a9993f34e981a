#include "league/ui/DeferredIcon.h"

#include <QGuiApplication>
#include <QIconEngine>
#include <QPainter>
#include <memory>

namespace {

class DeferredIconEngine : public QIconEngine {
public:
    struct Source {
        std::function<QIcon()> make;
        QIcon icon;
        bool made = false;
    };

    explicit DeferredIconEngine(std::shared_ptr<Source> source) : m_source(std::move(source)) {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        // The outer icon has placed the rect already, at the size the made
        // icon reports; centring it again leaves it where it is.
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, 1.0, mode, state);
    }

    // Asked for device pixels on a high-density screen; the made icon is
    // asked for the same pixels at the same ratio.
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        if (scale <= 1.0)
            return pixmap(size, mode, state);
        return icon().pixmap(size / scale, scale, mode, state);
    }

    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        // On a high-density screen the outer icon asks in device pixels and
        // the made icon scales what it is given once more.
        const qreal ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
        if (ratio > 1.0)
            return icon().actualSize(size / ratio, mode, state) * ratio;
        return icon().actualSize(size, mode, state);
    }

    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icon().availableSizes(mode, state);
    }

    // Buttons ask this when they measure themselves, before anything is
    // painted; the icons made this way always have a picture.
    bool isNull() override { return false; }
    QString iconName() override { return icon().name(); }
    QString key() const override { return QStringLiteral("DeferredIconEngine"); }
    QIconEngine *clone() const override { return new DeferredIconEngine(m_source); }

private:
    const QIcon &icon()
    {
        if (!m_source->made) {
            m_source->made = true;
            m_source->icon = m_source->make();
            m_source->make = nullptr;
        }
        return m_source->icon;
    }

    std::shared_ptr<Source> m_source;
};

} // namespace

QIcon deferredIcon(std::function<QIcon()> make)
{
    auto source = std::make_shared<DeferredIconEngine::Source>();
    source->make = std::move(make);
    return QIcon(new DeferredIconEngine(std::move(source)));
}
