#pragma once

// The keys of tesk.ini, each written here once: its section, its key as it is
// written to the file, its default, and who reads and writes it. Every read
// and write of tesk.ini names one of these entries. Section and key names are
// matched without regard to case, so two spellings of one key are one key;
// the spelling shows only when a write creates the key.

#include <string>
#include <string_view>

namespace tesk {

// A key whose value is a text. Its default may depend on the game directory
// (the value of kGameDirectory as start-up read it); none means empty.
struct TextKey {
    std::string_view section;
    std::string_view key;
    std::string (*defaultValue)(const std::string& gameDirectory) = nullptr;
};

// A key whose value is "true" or "false"; only exactly "true" counts as true.
struct FlagKey {
    std::string_view section;
    std::string_view key;
    bool defaultValue = false;
};

// The defaults that are not plain texts.
std::string DefaultBatchFile(const std::string& gameDirectory);
std::string DefaultConfigFile(const std::string& gameDirectory);
std::string DefaultGameDirectoryKey(const std::string& gameDirectory);

// The directory of the profiles and lists at start-up. Written by start-up,
// every time, before anything else; read by start-up (games and map lists).
inline constexpr TextKey kStartupDirectoryKey{"tesk", "path"};
// The batch file (txtBatchFile). Read by start-up; written by start-up, Run
// when the window stays open, Save Batch As and closing.
inline constexpr TextKey kBatchFileKey{"tesk", "batchfile", &DefaultBatchFile};
// The same key as Load Batch spells it when it writes.
inline constexpr TextKey kLoadedBatchFileKey{"tesk", "Batchfile", &DefaultBatchFile};
// The config file (txtConfigFile). Read by start-up; written by start-up,
// Run when the window stays open, Save Config, Save Config As, Load Config
// and closing.
inline constexpr TextKey kConfigFileKey{"tesk", "configfile", &DefaultConfigFile};
// "Save Files on Run", "Close on Exit", "Minimize On Run" and "Start a
// Server". Read by start-up; written by Run when the window stays open and
// by closing.
inline constexpr FlagKey kSaveAllOnRunKey{"tesk", "saveAllOnRun", true};
inline constexpr FlagKey kCloseOnExitKey{"tesk", "CloseOnExit", true};
inline constexpr FlagKey kMinimizeKey{"tesk", "minimize", false};
inline constexpr FlagKey kRunServerKey{"tesk", "RunServer", false};
// The same key as closing spells it when it writes.
inline constexpr FlagKey kMinimizeOnClosingKey{"tesk", "Minimize", false};
// The command Run puts in front of the game (such as wine); empty for none.
// Read by Run, its tooltip, "Show Command Line", "tesk --run" and "tesk
// --print-command"; written by "Game Runner...".
inline constexpr TextKey kRunnerKey{"tesk", "runner"};
// The environment variables of every start, the lines of "Game Runner..." in
// EncodeEnvironment's one-line form. Read by Run, its tooltip, "Show Command
// Line", "tesk --run" and "tesk --print-command"; written by "Game Runner...".
inline constexpr TextKey kEnvironmentKey{"tesk", "environment"};
// The game directory (txtU2Dir). Read by start-up (its first look takes an
// empty default), the game-directory browse and start-up's config file
// read; written by the game-directory browse only.
inline constexpr TextKey kGameDirectoryKey{"ulvex2", "path", &DefaultGameDirectoryKey};

} // namespace tesk
