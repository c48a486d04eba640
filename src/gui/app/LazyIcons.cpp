#include "gui/app/LazyIcons.h"

#include <QIconEngine>
#include <QPainter>
#include <QPointer>
#include <QWidget>

#include <memory>
#include <utility>

namespace tesk {

namespace {

// The loaded icon is shared by the copies Qt makes of the engine.
class LazyIconEngine final : public QIconEngine {
public:
    explicit LazyIconEngine(std::function<QIcon()> load)
        : state_(std::make_shared<State>(State{std::move(load), {}, false}))
    {
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        Loaded().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return Loaded().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        return Loaded().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return Loaded().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return Loaded().availableSizes(mode, state);
    }
    QString iconName() override { return Loaded().name(); }
    // Asking does not load: until then the icon counts as there.
    bool isNull() override { return state_->loaded && state_->icon.isNull(); }
    QString key() const override { return QStringLiteral("tesk-lazy"); }
    QIconEngine* clone() const override { return new LazyIconEngine(*this); }

private:
    struct State {
        std::function<QIcon()> load;
        QIcon icon;
        bool loaded;
    };

    const QIcon& Loaded()
    {
        if (!state_->loaded) {
            state_->icon = state_->load();
            state_->loaded = true;
            state_->load = nullptr;
        }
        return state_->icon;
    }

    std::shared_ptr<State> state_;
};

} // namespace

QIcon LazyIcon(std::function<QIcon()> load) { return QIcon(new LazyIconEngine(std::move(load))); }

QIcon LazyIconStyle::standardIcon(StandardPixmap picture, const QStyleOption* option, const QWidget* widget) const
{
    // An option lives only as long as the call; a widget may be gone by the
    // time the icon is drawn.
    if (option)
        return QProxyStyle::standardIcon(picture, option, widget);
    return LazyIcon([base = QPointer<QStyle>(baseStyle()), picture, owner = QPointer<const QWidget>(widget)] {
        return base ? base->standardIcon(picture, nullptr, owner.data()) : QIcon();
    });
}

} // namespace tesk
