#include "core/launch/BatchReader.h"

#include "core/launch/BatchFile.h"
#include "core/text/Paths.h"
#include "core/text/TextFile.h"

#include <string_view>

namespace tesk {

namespace {

// One start option as the command line carries it: the key of its "+" piece,
// what a value found sets, and what its absence sets (nullptr: nothing).
struct BatchRow {
    std::string_view key;
    void (*found)(SettingsModel& model, const std::string& value);
    void (*missing)(SettingsModel& model);
};

void Choose(SettingsModel& model, std::string_view radio, std::string_view combo, const std::string& value)
{
    model.SetChecked(radio, true);
    model.SetText(combo, value);
}

// Looked up in this order; a later row wins within a radio group.
constexpr BatchRow kBatchRows[] = {
    {"set game",
     [](SettingsModel& m, const std::string& v) {
         m.SetChecked("cbxStartWithGame", true);
         m.SetText("txtCurrentGame", v);
     },
     [](SettingsModel& m) { m.SetChecked("cbxStartWithGame", false); }},
    {"set dedicated", [](SettingsModel& m, const std::string& v) { m.SetChecked("cbxDedicatedServer", v == "1"); },
     nullptr},
    // The map belongs to whichever side "Start a Server" currently chooses.
    {"map",
     [](SettingsModel& m, const std::string& v) {
         if (m.Checked("cbxStartServer"))
             m.SetText("cboServerStartMap", v);
         else
             Choose(m, "rbStartNewGame", "cboClientStartMap", v);
     },
     nullptr},
    {"set deathMatch", [](SettingsModel& m, const std::string&) { m.SetChecked("rbDeathMatch", true); }, nullptr},
    {"set coop", [](SettingsModel& m, const std::string&) { m.SetChecked("rbCooperative", true); }, nullptr},
    {"Load", [](SettingsModel& m, const std::string& v) { Choose(m, "rbLoadSavedGame", "cboSaveGames", v); }, nullptr},
    {"connect", [](SettingsModel& m, const std::string& v) { Choose(m, "rbConnectToServer", "cboServerList", v); },
     nullptr},
};

} // namespace

void ReadBatchFile(SettingsModel& model, TokenList& tokens, const std::string& directory, const std::string& fileName)
{
    const std::string path = JoinPath(directory, fileName);
    const auto text = ReadFileIfExists(path);
    if (!text) {
        WriteTextLines(path, {GameExecutablePath(model.Text("txtU2Dir"))});
        return;
    }
    // An empty file reads as one empty line, so the lookups always have a token.
    const auto lines = SplitLines(*text);
    tokens = SplitByDelimiter(lines.empty() ? std::string_view() : std::string_view(lines.front()), '+');
    for (const BatchRow& row : kBatchRows) {
        if (const auto value = FindPrefixedValue(tokens, row.key))
            row.found(model, *value);
        else if (row.missing)
            row.missing(model);
    }
}

} // namespace tesk
