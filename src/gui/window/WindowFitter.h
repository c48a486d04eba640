#pragma once

// Fixes the main window's size to what its pages need, never shrinking it,
// and never beyond the screen: the page area scrolls then, so that every
// control can be reached and the lower area stays in sight.

#include <QSize>

#include <functional>

class QMainWindow;
class QScrollArea;
class QTabWidget;

namespace tesk {

class WindowFitter {
public:
    // Puts `pages` into a scroll area, the page area, for the window to lay
    // out; `resized` runs after every change of the window's size.
    WindowFitter(QMainWindow& window, QTabWidget& pages, std::function<void()> resized);

    QScrollArea* pageArea() const { return pageArea_; }

    // The pages built at start-up at the room they would like, and never
    // smaller than the window was designed.
    void FitToPages();
    // A page built later only needs room for its controls.
    void FitToBuiltPage();
    // Once the window is shown its frame is known: it is fitted again and
    // centred, frame and all, on the screen.
    void FitShownWindow();

private:
    void FitTo(QSize client);
    QSize ClientNeeded(bool wanted) const;
    QSize AvailableWindowSize() const;

    QMainWindow& window_;
    QTabWidget& pages_;
    QScrollArea* pageArea_ = nullptr;
    std::function<void()> resized_;
    QSize fittedClient_;
};

} // namespace tesk
