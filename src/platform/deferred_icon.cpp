// The engine behind DeferredIcon: holds the factory until the icon is first used, then
// hands every request to the icon the factory made.
#include "platform/deferred_icon.h"

#include <memory>

#include <QIconEngine>
#include <QPainter>

namespace {

// Shared by an engine and its clones, so that copies of one icon read it once.
struct DeferredSource {
    std::function<QIcon()> factory;
    QIcon icon;

    bool Pending() const { return static_cast<bool>(factory); }
    const QIcon& Get() {
        if (factory) {
            icon = factory();
            factory = nullptr;
        }
        return icon;
    }
};

class CDeferredIconEngine : public QIconEngine {
public:
    explicit CDeferredIconEngine(std::shared_ptr<DeferredSource> source)
        : m_pSource(std::move(source)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        m_pSource->Get().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return m_pSource->Get().actualSize(size, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return m_pSource->Get().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        return m_pSource->Get().pixmap(size, scale, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return m_pSource->Get().availableSizes(mode, state);
    }
    // Asked as soon as the icon is set on a window; answered without reading it.
    bool isNull() override { return m_pSource->Pending() ? false : m_pSource->icon.isNull(); }
    QString key() const override { return QStringLiteral("tintora.deferred"); }
    QIconEngine* clone() const override { return new CDeferredIconEngine(m_pSource); }

private:
    std::shared_ptr<DeferredSource> m_pSource;
};

} // namespace

QIcon DeferredIcon(std::function<QIcon()> factory) {
    auto source = std::make_shared<DeferredSource>();
    source->factory = std::move(factory);
    return QIcon(new CDeferredIconEngine(std::move(source)));
}
