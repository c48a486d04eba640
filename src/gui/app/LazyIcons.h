#pragma once

#include <QIcon>
#include <QProxyStyle>

#include <functional>

namespace tesk {

// An icon whose pictures are made the first time it is drawn or measured.
// Building a widget with such an icon decodes no picture file; a widget
// that is never seen never pays for it.
QIcon LazyIcon(std::function<QIcon()> load);

// The platform's style, except that its standard icons are lazy icons. The
// menu bar, for one, asks for its extension button's icon in every size as
// it is made, although that button only shows when the menus do not fit.
class LazyIconStyle final : public QProxyStyle {
public:
    // Without a base style, the platform's (or the one the command line names).
    explicit LazyIconStyle(QStyle* base = nullptr)
        : QProxyStyle(base)
    {
    }

    QIcon standardIcon(StandardPixmap picture, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};

} // namespace tesk
