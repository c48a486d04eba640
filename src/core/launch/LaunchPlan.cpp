#include "core/launch/LaunchPlan.h"

#include "core/app/ProgramSettings.h"
#include "core/launch/BatchFile.h"
#include "core/launch/BatchReader.h"
#include "core/launch/CommandLine.h"
#include "core/launch/GameProcess.h"
#include "core/text/Error.h"
#include "core/text/Paths.h"
#include "core/text/TokenList.h"

namespace tesk {

std::string StoredEnvironmentLines(const ProgramSettings& settings)
{
    return DecodeEnvironment(settings.Read(kEnvironmentKey));
}

std::optional<std::string> UpcomingBatchLine(const SettingsModel& model, const std::string& dataDirectory)
{
    if (!model.Checked("cbxSaveFilesonRun"))
        return std::nullopt;
    return BatchLine(BatchDirectory(model.Text("txtBatchFile"), dataDirectory), BuildCommandLine(model));
}

LaunchPlan PlanLaunch(const SettingsModel& model, const ProgramSettings& settings,
                      const std::optional<std::string>& batchLine, const std::string& dataDirectory)
{
    LaunchPlan plan;
    plan.runBatchFile = batchLine.has_value();
    plan.batchLine = batchLine;
    plan.start = PlanGameStart(model, batchLine, settings.Read(kRunnerKey), dataDirectory);
    plan.start.environment = ParseEnvironment(StoredEnvironmentLines(settings));
    plan.logPath = GameLogPath();
    return plan;
}

LaunchResult LaunchGame(const SettingsModel& model, const ProgramSettings& settings,
                        const std::function<std::string()>& batchLine, const GameStarter& starter,
                        const std::string& dataDirectory)
{
    LaunchResult result;
    const bool runBatchFile = model.Checked("cbxSaveFilesonRun");
    result.plan.runBatchFile = runBatchFile;
    std::optional<std::string> problem;
    try {
        result.plan =
            PlanLaunch(model, settings, runBatchFile ? std::optional(batchLine()) : std::nullopt, dataDirectory);
        problem = StartProblem(result.plan.start);
        if (!problem)
            result.process = starter(result.plan.start, result.plan.logPath);
    } catch (const std::exception& error) {
        problem = error.what();
    }
    if (!problem)
        return result;
    const ProgramStart& start = result.plan.start;
    result.failure = FailureText(model, runBatchFile) + "\n" + *problem;
    // A game the system cannot execute is most likely the Windows program
    // itself, started without a compatibility tool.
    if (!start.game.empty() && start.program == start.game && FileExists(start.game))
        result.failure += "\nA runner such as wine can be set with \"Game Runner...\" in the file menu.";
    return result;
}

void ReadLowerAreaSettings(const ProgramSettings& settings, const std::string& gameDirectory, SettingsModel& model)
{
    model.SetText("txtBatchFile", settings.Read(kBatchFileKey, gameDirectory));
    model.SetText("txtConfigFile", settings.Read(kConfigFileKey, gameDirectory));
    model.SetChecked("cbxSaveFilesonRun", settings.Read(kSaveAllOnRunKey));
    model.SetChecked("cbxCloseOnRun", settings.Read(kCloseOnExitKey));
    model.SetChecked("cbxMinimize", settings.Read(kMinimizeKey));
    model.SetChecked("cbxStartServer", settings.Read(kRunServerKey));
}

void ReadStartOptions(const ProgramSettings& settings, SettingsModel& model)
{
    const std::string gameDirectory = settings.ReadOr(kGameDirectoryKey, "");
    if (gameDirectory.empty())
        throw Error("No game directory is set in " + settings.path() + ". Start Tesk once to choose the game.");
    model.SetText("txtU2Dir", gameDirectory);
    ReadLowerAreaSettings(settings, gameDirectory, model);
    // Start-up creates a missing batch file holding only the game's
    // executable, which sets no option: skipping it gives the same options.
    const std::string& batchFile = model.Text("txtBatchFile");
    if (!batchFile.empty() && FileExists(batchFile)) {
        TokenList tokens;
        ReadBatchFile(model, tokens, DirectoryPart(batchFile), FileNamePart(batchFile));
    }
}

} // namespace tesk
