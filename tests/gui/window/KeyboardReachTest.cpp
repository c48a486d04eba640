// A player who uses the keyboard alone, or a screen reader, reaches and
// hears every control: Tab walks each page and dialog in reading order, and
// every control says which setting or command it is, under a name of its own.

#include "gui/launch/LaunchDialogs.h"
#include "gui/window/GameInstallsDialog.h"
#include "gui/window/TfrmTeskMain.h"
#include "support/FakeDesktop.h"
#include "support/MainWindow.h"
#include "support/TestWorld.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QDialog>
#include <QGroupBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <map>

namespace tesk {
namespace {

using testing::FakeDesktop;
using testing::Find;
using testing::TestWorld;

QString NameOf(QWidget* widget)
{
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible ? accessible->text(QAccessible::Name).trimmed() : QString();
}

QString Described(QWidget* widget)
{
    return widget->objectName() + " \"" + NameOf(widget) + "\" in "
           + (widget->parentWidget() ? widget->parentWidget()->objectName() : QString());
}

// The controls Tab reaches from `start` inside `within`, in the order it
// reaches them, until it comes round again.
QList<QWidget*> TabChain(QWidget* start, QWidget* within)
{
    QList<QWidget*> chain;
    QWidget* widget = start;
    for (int steps = 0; steps < 2000; ++steps) {
        widget = widget->nextInFocusChain();
        if (widget == start)
            break;
        const bool stop = (widget->focusPolicy() & Qt::TabFocus) && widget->isVisible() && widget->isEnabled()
                          && within->isAncestorOf(widget) && !widget->focusProxy();
        if (stop && !chain.contains(widget))
            chain.append(widget);
    }
    return chain;
}

// The nearest frame around a control: reading order holds inside each.
QWidget* FrameOf(QWidget* widget, QWidget* within)
{
    for (QWidget* parent = widget->parentWidget(); parent && parent != within; parent = parent->parentWidget())
        if (qobject_cast<QGroupBox*>(parent))
            return parent;
    return within;
}

// Problems of one chain: a control without a name, two controls of one
// name, and a step back up and to the left inside one frame.
QStringList ChainProblems(const QList<QWidget*>& chain, QWidget* within)
{
    QStringList problems;
    std::map<QString, QWidget*> names;
    for (int i = 0; i < chain.size(); ++i) {
        QWidget* widget = chain[i];
        const QString name = NameOf(widget);
        auto* frame = qobject_cast<QGroupBox*>(FrameOf(widget, within));
        if (name.isEmpty())
            problems.append("no name: " + Described(widget));
        else if (frame && QString(frame->title()).remove('&') == name && !qobject_cast<QAbstractButton*>(widget))
            problems.append("named after its frame: " + Described(widget));
        else if (const auto [at, added] = names.emplace(name.toLower(), widget); !added)
            problems.append("same name: " + Described(widget) + " and " + Described(at->second));
        if (i == 0 || FrameOf(chain[i - 1], within) != FrameOf(widget, within))
            continue;
        const QRect before(chain[i - 1]->mapTo(within, QPoint()), chain[i - 1]->size());
        const QRect here(widget->mapTo(within, QPoint()), widget->size());
        const bool above = here.bottom() < before.top();
        const bool left = here.right() < before.left();
        if (above && left)
            problems.append("back up and left: " + Described(widget) + " after " + Described(chain[i - 1]));
    }
    return problems;
}

TEST(KeyboardReachTest, EveryPageIsWalkedInReadingOrderAndEveryControlNamed)
{
    TestWorld world;
    world.StoreGameDirectory();
    FakeDesktop desktop;
    auto window = testing::OpenMainWindow(desktop, world);
    QApplication::setActiveWindow(window.get());
    auto* pages = Find<QTabWidget>(*window, "PageControl1");
    QStringList problems;
    for (int index = 0; index < pages->count(); ++index) {
        pages->setCurrentIndex(index);
        QApplication::processEvents();
        const QList<QWidget*> chain = TabChain(pages->tabBar(), window.get());
        for (const QString& problem : ChainProblems(chain, window.get()))
            problems.append(pages->tabText(index) + ": " + problem);
        for (QWidget* widget : pages->currentWidget()->findChildren<QWidget*>())
            if ((widget->focusPolicy() & Qt::TabFocus) && widget->isVisible() && widget->isEnabled()
                && !widget->focusProxy() && !chain.contains(widget))
                problems.append(pages->tabText(index) + ": not reached: " + Described(widget));
    }
    EXPECT_TRUE(problems.isEmpty()) << problems.join("\n").toStdString();
}

// The dialogs, opened as a player opens them, walked the same way.
TEST(KeyboardReachTest, EveryDialogIsWalkedInReadingOrderAndEveryControlNamed)
{
    TestWorld world;
    world.StoreGameDirectory();
    world.Write(world.inGame("baseu2/config.cfg"), "");
    FakeDesktop desktop;
    auto window = testing::OpenMainWindow(desktop, world);
    QApplication::setActiveWindow(window.get());
    QStringList problems;
    QStringList walked;
    desktop.onDialog = [&](QDialog& dialog) {
        dialog.show();
        QApplication::processEvents();
        walked.append(dialog.objectName());
        const QList<QWidget*> chain = TabChain(&dialog, &dialog);
        for (const QString& problem : ChainProblems(chain, &dialog))
            problems.append(dialog.objectName() + ": " + problem);
        // The About box has nothing to do: Escape or a click closes it.
        if (chain.isEmpty() && dialog.objectName() != "frmAbout")
            problems.append(dialog.objectName() + ": Tab reaches nothing");
        dialog.hide();
        return int(QDialog::Rejected);
    };
    for (const char* action : {"ShowCommandLine1", "GameRunner1", "About1"})
        testing::Trigger(*window, action);
    auto* pages = Find<QTabWidget>(*window, "PageControl1");
    for (const char* button :
         {"btnMapList", "btnServerList", "btnAddGame", "btnAddAlias", "btnAddBinding", "btnAddSetting"}) {
        auto* control = Find<QAbstractButton>(*window, button);
        for (QWidget* page = control; page; page = page->parentWidget())
            if (pages->indexOf(page) >= 0)
                pages->setCurrentWidget(page);
        QTest::mouseClick(control, Qt::LeftButton);
    }
    auto* key = Find(*window, "txtToggleMenu");
    pages->setCurrentIndex(pages->indexOf(window->findChild<QWidget*>("TabSheet3")));
    QTest::mouseDClick(key, Qt::LeftButton);
    // Two that need no world: the installs found, and the report of a game
    // that died at once.
    GameInstallsDialog installs(
        {{"/games/ulvex2", "Steam"}, {"/home/ann/.wine/drive_c/Games/Ulvex2", "Wine prefix ~/.wine"}}, window.get());
    desktop.ExecDialog(installs);
    GameReportDialog report(
        GameExit{false, 3}, std::chrono::milliseconds(1200), world.gameLog(), [] {}, window.get());
    desktop.ExecDialog(report);
    EXPECT_EQ(walked.size(), 12) << walked.join(", ").toStdString();
    EXPECT_TRUE(problems.isEmpty()) << problems.join("\n").toStdString();
}

} // namespace
} // namespace tesk
