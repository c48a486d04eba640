#pragma once

#include "core/app/ProgramKeys.h"
#include "support/TempDir.h"

#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace tesk::testing {

// A temporary world for the main window: a game directory, Tesk's data
// directory for the profiles and lists (XDG_DATA_HOME points above it), its
// state directory for the game's log, and a place for tesk.ini. The process works in the data directory while
// the world lives, as the main window's start-up makes it do.
class TestWorld {
public:
    TestWorld();
    ~TestWorld();
    TestWorld(const TestWorld&) = delete;
    TestWorld& operator=(const TestWorld&) = delete;

    std::string gameDir() const { return (root_.path() / "ulvex2").string(); }
    std::string dataHome() const { return (root_.path() / "data").string(); }
    // HOME points here while the world lives.
    std::string home() const { return (root_.path() / "home").string(); }
    // XDG_STATE_HOME points here: the game's log is tesk/game.log in it.
    std::string stateHome() const { return (root_.path() / "state").string(); }
    std::string gameLog() const { return (root_.path() / "state" / "tesk" / "game.log").string(); }
    std::string workDir() const { return (root_.path() / "data" / "tesk").string(); }
    std::string iniPath() const { return (root_.path() / "config" / "tesk" / "tesk.ini").string(); }
    std::string inGame(const std::string& relative) const { return (root_.path() / "ulvex2" / relative).string(); }
    std::string inWork(const std::string& relative) const
    {
        return (root_.path() / "data" / "tesk" / relative).string();
    }

    // The text tesk.ini holds for the key, "<missing>" without one.
    std::string Stored(const TextKey& key) const { return Stored(key.section, key.key); }
    std::string Stored(const FlagKey& key) const { return Stored(key.section, key.key); }

    // Writes tesk.ini so that start-up finds the game without asking.
    void StoreGameDirectory(const std::string& extraLines = {}) const;
    void Write(const std::string& path, const std::string& bytes) const;
    void MakeDirectory(const std::string& path) const;

private:
    std::string Stored(std::string_view section, std::string_view key) const;

    TempDir root_;
    std::filesystem::path previousDirectory_;
    std::optional<std::string> previousDataHome_;
    std::optional<std::string> previousStateHome_;
    std::vector<std::pair<std::string, std::string>> previous_; // HOME and WINEPREFIX
};

} // namespace tesk::testing
