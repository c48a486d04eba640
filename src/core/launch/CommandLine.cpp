#include "core/launch/CommandLine.h"

#include "core/text/Paths.h"

#include <string_view>

namespace tesk {

namespace {

// A drop-down's text counts only while one of its entries is picked: typed
// text, or text read back from a batch file, may name nothing the game has.
void AppendPicked(std::string& line, const SettingsModel& model, std::string_view combo, std::string_view option)
{
    if (model.SelectedIndex(combo) >= 0)
        line.append(option).append(model.SelectedText(combo));
}

std::string ServerOptions(const SettingsModel& model)
{
    std::string line = model.Checked("cbxDedicatedServer") ? "+set Dedicated 1" : "+set Dedicated 0";
    AppendPicked(line, model, "cboServerStartMap", " +map ");
    line += model.Checked("rbDeathMatch") ? " +set deathMatch 1" : " +set coop 1";
    return line;
}

struct ClientChoice {
    std::string_view radio;
    std::string_view combo;
    std::string_view option;
};

constexpr ClientChoice kClientChoices[] = {
    {"rbStartNewGame", "cboClientStartMap", " +map "},
    {"rbLoadSavedGame", "cboSaveGames", " +load "},
    {"rbConnectToServer", "cboServerList", " +connect "},
};

std::string ClientOptions(const SettingsModel& model)
{
    std::string line;
    for (const ClientChoice& choice : kClientChoices)
        if (model.Checked(choice.radio))
            AppendPicked(line, model, choice.combo, choice.option);
    return line;
}

} // namespace

std::string BuildCommandLine(const SettingsModel& model)
{
    std::string line = model.Checked("cbxStartServer") ? ServerOptions(model) : ClientOptions(model);
    if (model.Checked("cbxStartWithGame"))
        line.append(" +set game ").append(model.Text("txtCurrentGame"));
    // Only the name goes, so the game looks the file up in its own
    // directories; without a name there is nothing for the game to execute.
    if (const std::string config = FileNamePart(model.Text("txtConfigFile")); !config.empty())
        line.append(" +exec ").append(config);
    return line;
}

} // namespace tesk
