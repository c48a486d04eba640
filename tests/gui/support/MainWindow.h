#pragma once

#include "gui/window/TfrmTeskMain.h"
#include "support/FakeDesktop.h"
#include "support/TestWorld.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QTabWidget>
#include <QTest>
#include <QWidget>

#include <memory>

#include <gtest/gtest.h>

namespace tesk::testing {

// Shows each page of the main window once, as a player clicking through the
// tabs would, then returns to the page that was showing. Pages are built the
// first time they are shown.
inline void ShowEveryPage(QWidget& window)
{
    auto* pages = window.findChild<QTabWidget*>(QStringLiteral("PageControl1"));
    if (!pages)
        return;
    const int current = pages->currentIndex();
    for (int i = 0; i < pages->count(); ++i)
        pages->setCurrentIndex(i);
    pages->setCurrentIndex(current);
}

// The main window of `world` as a player finds it once the splash has gone,
// with every page built.
inline std::unique_ptr<TfrmTeskMain> OpenMainWindow(FakeDesktop& desktop, const TestWorld& world)
{
    auto window = std::make_unique<TfrmTeskMain>(desktop, world.iniPath());
    ShowEveryPage(*window);
    window->show();
    window->Timer1Timer();
    return window;
}

// The same window, active, so that focus moves as for a player.
inline std::unique_ptr<TfrmTeskMain> OpenActiveMainWindow(FakeDesktop& desktop, const TestWorld& world)
{
    auto window = OpenMainWindow(desktop, world);
    QApplication::setActiveWindow(window.get());
    EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    return window;
}

// The child of that object name; a missing one fails the test.
template <typename T = QWidget>
T* Find(QWidget& parent, const char* name)
{
    T* widget = parent.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

// The text of the status bar.
inline QString StatusText(QWidget& window) { return Find<QLabel>(window, "sbrCommonText")->text(); }

// Chooses the menu item of that object name, as a click on it does.
inline void Trigger(QWidget& window, const char* action)
{
    window.findChild<QAction*>(QString::fromLatin1(action))->trigger();
}

// Lets start-up say its problems (a world without a config file has one) and
// forgets them, for tests that are about something else.
inline void DropStartupReport(FakeDesktop& desktop)
{
    QApplication::processEvents();
    desktop.errors.clear();
}

} // namespace tesk::testing
