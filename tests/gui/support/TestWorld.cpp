#include "support/TestWorld.h"

namespace tesk::testing {

TestWorld::TestWorld() : previousDirectory_(std::filesystem::current_path())
{
    std::filesystem::create_directories(gameDir() + "/baseu2");
    std::filesystem::create_directories(workDir());
    std::filesystem::current_path(workDir());
}

TestWorld::~TestWorld()
{
    std::error_code ignored;
    std::filesystem::current_path(previousDirectory_, ignored);
}

void TestWorld::StoreGameDirectory(const std::string& extraLines) const
{
    Write(iniPath(), "[ulvex2]\r\npath=" + gameDir() + "\r\n" + extraLines);
}

void TestWorld::Write(const std::string& path, const std::string& bytes) const { WriteFileBytes(path, bytes); }

void TestWorld::MakeDirectory(const std::string& path) const { std::filesystem::create_directories(path); }

} // namespace tesk::testing
