#include "support/TestWorld.h"

#include "core/text/IniFile.h"

#include <cstdlib>

namespace tesk::testing {

TestWorld::TestWorld() : previousDirectory_(std::filesystem::current_path())
{
    if (const char* dataHome = std::getenv("XDG_DATA_HOME"))
        previousDataHome_ = dataHome;
    setenv("XDG_DATA_HOME", dataHome().c_str(), 1);
    if (const char* stateHome = std::getenv("XDG_STATE_HOME"))
        previousStateHome_ = stateHome;
    setenv("XDG_STATE_HOME", stateHome().c_str(), 1);
    // The first start looks for the game in the home directory and the Wine
    // prefix: the world's own, empty unless a test fills them.
    for (const char* name : {"HOME", "WINEPREFIX"})
        if (const char* value = std::getenv(name))
            previous_.emplace_back(name, value);
    setenv("HOME", home().c_str(), 1);
    unsetenv("WINEPREFIX");
    std::filesystem::create_directories(home());
    std::filesystem::create_directories(gameDir() + "/baseu2");
    std::filesystem::create_directories(workDir());
    std::filesystem::current_path(workDir());
}

TestWorld::~TestWorld()
{
    std::error_code ignored;
    std::filesystem::current_path(previousDirectory_, ignored);
    if (previousDataHome_)
        setenv("XDG_DATA_HOME", previousDataHome_->c_str(), 1);
    else
        unsetenv("XDG_DATA_HOME");
    if (previousStateHome_)
        setenv("XDG_STATE_HOME", previousStateHome_->c_str(), 1);
    else
        unsetenv("XDG_STATE_HOME");
    unsetenv("WINEPREFIX");
    unsetenv("HOME");
    for (const auto& [name, value] : previous_)
        setenv(name.c_str(), value.c_str(), 1);
}

void TestWorld::StoreGameDirectory(const std::string& extraLines) const
{
    Write(iniPath(), "[ulvex2]\r\npath=" + gameDir() + "\r\n" + extraLines);
}

std::string TestWorld::Stored(std::string_view section, std::string_view key) const
{
    return IniFile::Load(iniPath()).ReadString(section, key, "<missing>");
}

void TestWorld::Write(const std::string& path, const std::string& bytes) const { WriteFileBytes(path, bytes); }

void TestWorld::MakeDirectory(const std::string& path) const { std::filesystem::create_directories(path); }

} // namespace tesk::testing
