// The page "Games & Aliases" in a world whose profiles hold 500 entries of
// each kind against one whose profiles hold 10,000: the page's first show
// (the page and the global profile's lists), and switching to a game's
// profile, each until the lists' next frame is painted. Offscreen, in one
// run, so that the ratios hold on a busy machine.
//
//   tesk_games_bench              11 interleaved rounds of both worlds, each in
//                                 a new main window: medians and ratios
//   tesk_games_bench <entries>    one round in a world of that many entries;
//                                 under valgrind --tool=callgrind
//                                 --collect-atstart=no
//                                 --toggle-collect='*ShowGamesPage*' (or
//                                 '*ChooseGame*') it counts one step

#include "BenchSupport.h"
#include "SilentDesktop.h"
#include "core/text/Paths.h"
#include "core/text/TextFile.h"
#include "gui/window/TfrmTeskMain.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QListWidget>
#include <QTabWidget>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using tesk::JoinPath;

constexpr int kSmallEntries = 500;
constexpr int kBigEntries = 10'000;
constexpr int kRounds = 11;

// A game directory and a data directory holding the global profile and one
// game's, both of `entries` entries of each kind.
std::string BuildWorld(const std::string& root, int entries)
{
    const std::string game = JoinPath(root, "ulvex2");
    const std::string work = JoinPath(root, "data/tesk");
    std::filesystem::create_directories(JoinPath(game, "baseu2"));
    std::filesystem::create_directories(work);
    const std::vector<std::string> profile = tesk::bench::ProfileLines(entries);
    tesk::WriteTextLines(JoinPath(work, "Global Aliases.tesk"), profile);
    tesk::WriteTextLines(JoinPath(work, "Mod.tesk"), profile);
    const std::string ini = JoinPath(root, "tesk.ini");
    tesk::WriteTextLines(ini, {"[ulvex2]", "path=" + game});
    return ini;
}

// Notes each frame painted in the lists.
class FrameWatch final : public QObject {
public:
    bool painted = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        painted = painted || event->type() == QEvent::Paint;
        return QObject::eventFilter(watched, event);
    }
};

void WaitForFrame(FrameWatch& watch)
{
    watch.painted = false;
    while (!watch.painted)
        QApplication::processEvents(QEventLoop::AllEvents);
}

void WatchLists(QWidget& window, FrameWatch& watch)
{
    for (const char* name : {"clsAliases", "clsBindings", "clsSettings"})
        window.findChild<QAbstractItemView*>(QString::fromLatin1(name))->viewport()->installEventFilter(&watch);
}

using Clock = std::chrono::steady_clock;

double Since(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

// The two measured steps, each a function of its own for callgrind's
// --toggle-collect.
[[gnu::noinline]] double ShowGamesPage(QWidget& window, FrameWatch& watch)
{
    const auto start = Clock::now();
    auto* pages = window.findChild<QTabWidget*>(QStringLiteral("PageControl1"));
    pages->setCurrentIndex(pages->count() - 1);
    WatchLists(window, watch);
    WaitForFrame(watch);
    return Since(start);
}

[[gnu::noinline]] double ChooseGame(QWidget& window, FrameWatch& watch)
{
    const auto start = Clock::now();
    window.findChild<QListWidget*>(QStringLiteral("lbxGames"))->setCurrentRow(0);
    WaitForFrame(watch);
    return Since(start);
}

struct Times {
    double show = 0;
    double change = 0;
};

// A main window in the world as a player finds it after the splash; then
// its page "Games & Aliases" shown, then the game's profile chosen.
Times Round(const std::string& root)
{
    setenv("XDG_DATA_HOME", JoinPath(root, "data").c_str(), 1);
    tesk::bench::SilentDesktop desktop;
    tesk::TfrmTeskMain window(desktop, JoinPath(root, "tesk.ini"));
    window.show();
    window.Timer1Timer();
    for (int i = 0; i < 3; ++i)
        QApplication::processEvents();
    FrameWatch watch;
    Times times;
    times.show = ShowGamesPage(window, watch);
    times.change = ChooseGame(window, watch);
    return times;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

bool Target(const char* what, const std::vector<double>& big, const std::vector<double>& small)
{
    const double ratio = Median(big) / Median(small);
    std::printf("%s: %.1f ms with %d entries, %.1f ms with %d; ratio %.2f (at most 5) %s\n", what, Median(big) * 1000,
                kBigEntries, Median(small) * 1000, kSmallEntries, ratio, ratio <= 5 ? "met" : "MISSED");
    return ratio <= 5;
}

int Measure()
{
    const tesk::bench::ScratchDir root;
    const std::string small = JoinPath(root.path(), "small");
    const std::string big = JoinPath(root.path(), "big");
    BuildWorld(small, kSmallEntries);
    BuildWorld(big, kBigEntries);
    std::vector<double> show[2];
    std::vector<double> change[2];
    for (int round = 0; round < kRounds; ++round)
        for (int world = 0; world < 2; ++world) {
            const Times times = Round(world == 0 ? small : big);
            show[world].push_back(times.show);
            change[world].push_back(times.change);
        }
    bool met = Target("first show of the page", show[1], show[0]);
    met &= Target("switching to a game's profile", change[1], change[0]);
    return met ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    if (argc >= 2) {
        const tesk::bench::ScratchDir root;
        BuildWorld(root.path(), std::atoi(argv[1]));
        const Times times = Round(root.path());
        std::printf("first show %.1f ms, switch %.1f ms\n", times.show * 1000, times.change * 1000);
        return 0;
    }
    return Measure();
}
