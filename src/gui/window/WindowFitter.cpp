#include "gui/window/WindowFitter.h"

#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>

#include <algorithm>
#include <utility>

namespace tesk {
namespace {

// The page area asks for the room its pages would like, as the pages would
// without it; on a screen too small for that it scrolls.
class PageArea final : public QScrollArea {
public:
    QSize sizeHint() const override { return widget() ? widget()->sizeHint() : QScrollArea::sizeHint(); }
};
constexpr QSize kDesignClientSize(511, 446);

} // namespace

WindowFitter::WindowFitter(QMainWindow& window, QTabWidget& pages, std::function<void()> resized)
    : window_(window), pages_(pages), resized_(std::move(resized))
{
    pageArea_ = new PageArea;
    pageArea_->setObjectName(QStringLiteral("scrPages"));
    // Only a frame: Tab goes through it to the page's controls, and it
    // scrolls each into sight as it comes.
    pageArea_->setFocusPolicy(Qt::NoFocus);
    pageArea_->setFrameShape(QFrame::NoFrame);
    pageArea_->setWidgetResizable(true);
    pageArea_->setWidget(&pages_);
}

void WindowFitter::FitToPages() { FitTo(ClientNeeded(true).expandedTo(kDesignClientSize)); }

void WindowFitter::FitToBuiltPage() { FitTo(ClientNeeded(false)); }

void WindowFitter::FitShownWindow()
{
    FitTo(fittedClient_);
    if (const QScreen* screen = window_.screen()) {
        const QRect area = screen->availableGeometry();
        const QSize frame = window_.frameGeometry().size();
        window_.move(QPoint(area.x() + std::max(0, (area.width() - frame.width()) / 2),
                            area.y() + std::max(0, (area.height() - frame.height()) / 2)));
    }
}

// The client area the window needs with the pages at the room they would
// like (or, `wanted` false, the room they need), whatever the screen allows.
QSize WindowFitter::ClientNeeded(bool wanted) const
{
    if (wanted)
        return window_.centralWidget()->sizeHint();
    // The page area may shrink below its pages; what they need is asked of them.
    pageArea_->setMinimumSize(pages_.minimumSizeHint());
    const QSize client = window_.centralWidget()->minimumSizeHint();
    pageArea_->setMinimumSize(0, 0);
    return client;
}

// The largest size the window may take: the screen's available area less
// the frame the window manager puts around it (known once shown).
QSize WindowFitter::AvailableWindowSize() const
{
    const QScreen* screen = window_.screen();
    if (!screen)
        return QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    return screen->availableGeometry().size() - (window_.frameGeometry().size() - window_.geometry().size());
}

// Never smaller than before: a page built later that would not fit (with a
// large font) widens the window when it is first shown.
void WindowFitter::FitTo(QSize client)
{
    fittedClient_ = client.expandedTo(fittedClient_);
    const int top = window_.menuBar()->sizeHint().height();
    QSize wanted(fittedClient_.width(), fittedClient_.height() + top + window_.statusBar()->sizeHint().height());
    const QSize available = AvailableWindowSize();
    // A scroll bar in one direction takes room from the other.
    const int scrollBar = window_.style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    if (wanted.height() > available.height())
        wanted.rwidth() += scrollBar;
    if (wanted.width() > available.width())
        wanted.rheight() += scrollBar;
    window_.setFixedSize(wanted.boundedTo(available));
    if (resized_)
        resized_();
}

} // namespace tesk
