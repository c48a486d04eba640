// The main window on one screen of the size and scale given on the command
// line (tesk_screen_fit_tests <width> <height> <scale> fits|scrolls), each
// screen in a process of its own: the window never leaves the screen, every
// control can be reached, and where the window fits nothing scrolls.

#include "gui/window/TfrmTeskMain.h"
#include "support/FakeDesktop.h"
#include "support/MainWindow.h"
#include "support/TempDir.h"
#include "support/TestWorld.h"

#include <QApplication>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

namespace tesk {
namespace {

bool windowFits = true; // from the command line

TEST(ScreenFitTest, TheWindowStaysOnTheScreenAndEveryControlCanBeReached)
{
    testing::TestWorld world;
    world.StoreGameDirectory();
    testing::FakeDesktop desktop;
    auto window = testing::OpenMainWindow(desktop, world);
    testing::DropStartupReport(desktop);
    const QRect available = window->screen()->availableGeometry();
    EXPECT_TRUE(available.contains(window->frameGeometry()))
        << "window " << window->frameGeometry().width() << "x" << window->frameGeometry().height();

    auto* run = window->findChild<QPushButton*>("btnRun");
    EXPECT_TRUE(window->rect().contains(QRect(run->mapTo(window.get(), QPoint(0, 0)), run->size())));
    auto* area = window->findChild<QScrollArea*>("scrPages");
    auto* pages = window->findChild<QTabWidget*>("PageControl1");
    int scrolled = 0;
    for (int i = 0; i < pages->count(); ++i) {
        pages->setCurrentIndex(i);
        QApplication::processEvents();
        // The page has the room it needs; what the window cannot show scrolls.
        EXPECT_GE(pages->height(), pages->minimumSizeHint().height()) << i;
        EXPECT_GE(pages->width(), pages->minimumSizeHint().width()) << i;
        EXPECT_EQ(area->verticalScrollBar()->maximum(), std::max(0, pages->height() - area->viewport()->height()));
        EXPECT_EQ(area->horizontalScrollBar()->maximum(), std::max(0, pages->width() - area->viewport()->width()));
        scrolled += area->verticalScrollBar()->maximum() + area->horizontalScrollBar()->maximum();
    }
    if (windowFits) {
        EXPECT_EQ(scrolled, 0);
    } else {
        EXPECT_GT(scrolled, 0);
        EXPECT_TRUE(window->frameGeometry().height() == available.height()
                    || window->frameGeometry().width() == available.width())
            << "the window does not take the available size";
    }
    window->hide();
}

} // namespace
} // namespace tesk

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (argc != 5) {
        std::fprintf(stderr, "usage: %s <width> <height> <scale> fits|scrolls\n", argv[0]);
        return 2;
    }
    tesk::windowFits = std::string(argv[4]) == "fits";
    const tesk::testing::TempDir directory;
    const std::string config = directory.file("screens.json");
    std::ofstream(config) << R"({"windowFrameMargins": true, "screens": [{"name": "screen", "x": 0, "y": 0, "width": )"
                          << argv[1] << R"(, "height": )" << argv[2]
                          << R"(, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})";
    setenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config).c_str(), 1);
    setenv("QT_SCALE_FACTOR", argv[3], 1);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
