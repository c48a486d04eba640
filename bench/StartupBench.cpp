// Start-up against a window that shows one label: wall time, peak memory
// and (where valgrind is installed) instructions, each a ratio measured in
// one run. Every kind of start ends the process as soon as its window's
// first frame is painted, so that no reference pays for anything after it
// (a QApplication's destructor alone sets up the font configuration).
//
//   tesk_startup_bench            builds a realistic world and a big one (10,000
//                                 entries of each kind in the global profile),
//                                 then starts itself in turn as "bare", "text",
//                                 "full" and "full" in the big world, 41 times
//                                 each, and prints the medians and ratios
//   tesk_startup_bench bare       a QMainWindow with an empty QTabWidget
//   tesk_startup_bench text       the same with one page showing one label: the
//                                 floor of any window that shows text (the
//                                 font database), the reference of the targets
//   tesk_startup_bench full <ini> the main window's whole start-up
//   tesk_startup_bench world <dir> [entries]
//                                 builds the world in <dir> (with that many
//                                 entries of each kind in the global profile,
//                                 50 unless told) and keeps it, for profiling
//                                 "full" (run it with XDG_DATA_HOME=<dir>/data)

#include "BenchSupport.h"
#include "SilentDesktop.h"
#include "core/settings/ConfigWriter.h"
#include "core/text/Paths.h"
#include "core/text/TextFile.h"
#include "gui/base/Resources.h"
#include "gui/window/TfrmTeskMain.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QTabWidget>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

// Entries of each kind in the global profile of the big world; the realistic
// world has 50.
constexpr int kBigWorldEntries = 10'000;

using tesk::JoinPath;
using tesk::WriteTextLines;

// Ends the process once the window's first frame is painted and flushed.
class EndAtFirstFrame final : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            QTimer::singleShot(0, [] { _exit(0); });
        return QObject::eventFilter(watched, event);
    }
};

int ShowUntilFirstFrame(QApplication& app, QWidget& window)
{
    EndAtFirstFrame end;
    window.installEventFilter(&end);
    window.show();
    return app.exec();
}

int RunBare(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setCentralWidget(new QTabWidget);
    return ShowUntilFirstFrame(app, window);
}

int RunOneLabel(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    auto* tabs = new QTabWidget;
    tabs->addTab(new QLabel(QStringLiteral("Player")), QStringLiteral("General"));
    window.setCentralWidget(tabs);
    return ShowUntilFirstFrame(app, window);
}

int RunFull(int argc, char** argv, const std::string& settingsPath)
{
    QApplication app(argc, argv);
    tesk::SetUpApplication();
    tesk::bench::SilentDesktop desktop;
    tesk::TfrmTeskMain window(desktop, settingsPath);
    return ShowUntilFirstFrame(app, window);
}

std::vector<std::string> Numbered(const std::string& prefix, int count, const std::string& suffix = {})
{
    std::vector<std::string> lines;
    for (int i = 1; i <= count; ++i)
        lines.push_back(prefix + std::to_string(i) + suffix);
    return lines;
}

// A game directory with 10 player models of 20 skins, a 300-line config
// file, a batch file, 50 saved games; a working directory with a global
// profile of `entries` entries of each kind, 100 maps and 20 servers.
std::string BuildWorld(const std::string& root, int entries)
{
    namespace fs = std::filesystem;
    const std::string game = JoinPath(root, "ulvex2");
    const std::string work = JoinPath(root, "data/tesk");
    for (int m = 1; m <= 10; ++m)
        for (int s = 1; s <= 20; ++s) {
            const std::string model = JoinPath(game, "baseu2/players/model" + std::to_string(m));
            fs::create_directories(model);
            WriteTextLines(JoinPath(model, "skin" + std::to_string(s) + ".pcx"), {});
        }
    for (int s = 1; s <= 50; ++s)
        fs::create_directories(JoinPath(game, "baseu2/save/save" + std::to_string(s)));
    tesk::SettingsModel model;
    std::vector<std::string> config = tesk::BuildConfigLines(model, root);
    const std::vector<std::string> extra = Numbered("bind KP_", static_cast<int>(300 - config.size()), " \"wait\"");
    config.insert(config.end(), extra.begin(), extra.end());
    WriteTextLines(JoinPath(game, "baseu2/config.cfg"), config);
    WriteTextLines(JoinPath(game, "tesk.bat"), {game + "/ulvex2.exe  +map map1 +exec config.cfg"});
    fs::create_directories(work);
    WriteTextLines(JoinPath(work, "Global Aliases.tesk"), tesk::bench::ProfileLines(entries));
    WriteTextLines(JoinPath(work, "maps.lst"), Numbered("map", 100, " A map"));
    WriteTextLines(JoinPath(work, "servers.txt"), Numbered("192.0.2.", 20, ":27910"));
    const std::string ini = JoinPath(root, "tesk.ini");
    WriteTextLines(ini, {"[ulvex2]", "path=" + game});
    return ini;
}

struct Measurement {
    double seconds = 0;
    long peakKilobytes = 0;
};

// Tesk works in its data directory, here the world's.
std::string DataHome(const std::string& world) { return JoinPath(world, "data"); }
std::string WorkDirectory(const std::string& world) { return JoinPath(world, "data/tesk"); }

Measurement RunChild(const std::vector<std::string>& arguments, const std::string& world)
{
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        if (setenv("XDG_DATA_HOME", DataHome(world).c_str(), 1) != 0 || chdir(WorkDirectory(world).c_str()) != 0)
            _exit(127);
        std::vector<char*> argv;
        for (const std::string& argument : arguments)
            argv.push_back(const_cast<char*>(argument.c_str()));
        argv.push_back(nullptr);
        execv("/proc/self/exe", argv.data());
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        std::fprintf(stderr, "a start failed\n");
    return {elapsed.count(), usage.ru_maxrss};
}

template <typename T>
T Median(std::vector<T> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Instructions of one start under callgrind, which counts the same on a busy
// machine; none without valgrind.
std::optional<double> Instructions(const std::vector<std::string>& arguments, const std::string& world)
{
    std::string command = "cd '" + WorkDirectory(world) + "' && XDG_DATA_HOME='" + DataHome(world)
                          + "' valgrind --tool=callgrind --callgrind-out-file=/dev/null";
    for (const std::string& argument : arguments)
        command += " '" + argument + "'";
    command += " 2>&1";
    FILE* output = popen(command.c_str(), "r");
    if (!output)
        return std::nullopt;
    std::optional<double> collected;
    char line[512];
    while (std::fgets(line, sizeof line, output))
        if (const char* found = std::strstr(line, "Collected : "))
            collected = std::strtod(found + std::strlen("Collected : "), nullptr);
    pclose(output);
    return collected;
}

struct Kind {
    const char* name;
    std::vector<std::string> arguments;
    std::string world;
    std::vector<double> seconds;
    std::vector<long> kilobytes;
    std::optional<double> instructions;
};

bool Target(const char* what, double ratio, double limit)
{
    std::printf("%s ratio %.2f (at most %.1f) %s\n", what, ratio, limit, ratio <= limit ? "met" : "MISSED");
    return ratio <= limit;
}

int Measure()
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const std::string self = std::filesystem::read_symlink("/proc/self/exe").string();
    const tesk::bench::ScratchDir root;
    const std::string small = JoinPath(root.path(), "small");
    const std::string big = JoinPath(root.path(), "big");
    const std::string ini = BuildWorld(small, 50);
    const std::string bigIni = BuildWorld(big, kBigWorldEntries);
    Kind kinds[] = {{"bare window", {self, "bare"}, small, {}, {}, {}},
                    {"one label (reference)", {self, "text"}, small, {}, {}, {}},
                    {"Tesk start-up", {self, "full", ini}, small, {}, {}, {}},
                    {"Tesk start-up, big world", {self, "full", bigIni}, big, {}, {}, {}}};
    constexpr int kRounds = 41;
    for (int round = 0; round < kRounds; ++round) {
        for (Kind& kind : kinds) {
            // Each start follows one of its own kind, so that none pays for
            // the one before it (files, caches, the kernel tidying up).
            RunChild(kind.arguments, kind.world);
            const Measurement measured = RunChild(kind.arguments, kind.world);
            kind.seconds.push_back(measured.seconds);
            kind.kilobytes.push_back(measured.peakKilobytes);
        }
    }
    for (Kind& kind : kinds) {
        kind.instructions = Instructions(kind.arguments, kind.world);
        std::printf("%s: %.1f ms, %ld KiB peak", kind.name, Median(kind.seconds) * 1000, Median(kind.kilobytes));
        if (kind.instructions)
            std::printf(", %.1f M instructions", *kind.instructions / 1e6);
        std::printf("\n");
    }
    const Kind& label = kinds[1];
    const Kind& full = kinds[2];
    bool met = Target("wall time", Median(full.seconds) / Median(label.seconds), 1.6);
    met &= Target("peak memory",
                  static_cast<double>(Median(full.kilobytes)) / static_cast<double>(Median(label.kilobytes)), 1.3);
    if (full.instructions && label.instructions)
        met &= Target("instructions", *full.instructions / *label.instructions, 1.6);
    else
        std::printf("instructions: valgrind is not installed\n");
    const Kind& bigWorld = kinds[3];
    met &= Target("big world, wall time", Median(bigWorld.seconds) / Median(full.seconds), 1.2);
    if (bigWorld.instructions && full.instructions)
        met &= Target("big world, instructions", *bigWorld.instructions / *full.instructions, 1.2);
    return met ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc >= 2 && std::strcmp(argv[1], "bare") == 0)
        return RunBare(argc, argv);
    if (argc >= 2 && std::strcmp(argv[1], "text") == 0)
        return RunOneLabel(argc, argv);
    if (argc >= 3 && std::strcmp(argv[1], "full") == 0)
        return RunFull(argc, argv, argv[2]);
    if (argc >= 3 && std::strcmp(argv[1], "world") == 0) {
        std::printf("%s\n", BuildWorld(argv[2], argc >= 4 ? std::atoi(argv[3]) : 50).c_str());
        return 0;
    }
    return Measure();
}
