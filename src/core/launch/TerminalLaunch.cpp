#include "core/launch/TerminalLaunch.h"

#include "core/app/ProgramSettings.h"
#include "core/launch/GameProcess.h"
#include "core/launch/LaunchPlan.h"
#include "core/settings/ConfigWriter.h"
#include "core/text/Paths.h"

#include <chrono>
#include <filesystem>

namespace tesk {
namespace {

// The window's start-up: the data directory (where relative paths lie) and
// the start options. False after saying why there are none.
bool ReadOptions(const ProgramSettings& settings, SettingsModel& model, std::ostream& errors)
{
    // Relative paths lie there, as in the window; without it the window,
    // too, works where it was started.
    std::error_code ignored;
    std::filesystem::current_path(DataDirectory(), ignored);
    try {
        ReadStartOptions(settings, model);
        return true;
    } catch (const std::exception& error) {
        errors << error.what() << '\n';
        return false;
    }
}

} // namespace

int RunGameFromTerminal(const std::string& settingsPath, std::ostream& errors)
{
    const ProgramSettings settings(settingsPath);
    SettingsModel model;
    if (!ReadOptions(settings, model, errors))
        return 1;
    // Run saves the config file first and stops when it is missing; the
    // terminal saves nothing but stops there too.
    if (model.Checked("cbxSaveFilesonRun")) {
        try {
            CheckConfigFileExists(model.Text("txtConfigFile"), DataDirectory());
        } catch (const std::exception& error) {
            errors << error.what() << '\n';
            return 1;
        }
    }
    const auto started = std::chrono::steady_clock::now();
    const std::string dataDirectory = DataDirectory();
    const LaunchResult result = LaunchGame(
        model, settings, [&] { return UpcomingBatchLine(model, dataDirectory).value_or(std::string()); },
        StartGameProcess, dataDirectory);
    if (!result.process) {
        errors << result.failure << '\n';
        return 1;
    }
    const std::optional<GameExit> exit = WaitForGameExit(*result.process, QuickExitTime());
    if (!exit || !exit->Failed())
        return 0;
    const auto ran = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - started);
    errors << QuickExitReport(*exit, ran, result.plan.logPath) << '\n';
    return 1;
}

int PrintGameCommand(const std::string& settingsPath, std::ostream& out, std::ostream& errors)
{
    const ProgramSettings settings(settingsPath);
    SettingsModel model;
    if (!ReadOptions(settings, model, errors))
        return 1;
    try {
        const std::string dataDirectory = DataDirectory();
        out << CommandText(PlanLaunch(model, settings, UpcomingBatchLine(model, dataDirectory), dataDirectory).start)
            << '\n';
        return 0;
    } catch (const std::exception& error) {
        errors << error.what() << '\n';
        return 1;
    }
}

} // namespace tesk
