#include "core/text/IniFile.h"
#include "gui/app/TfrmTeskMain.h"
#include "support/FakeDesktop.h"
#include "support/TestWorld.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

namespace tesk {
namespace {

using testing::FakeDesktop;
using testing::ReadFileBytes;
using testing::TestWorld;

TEST(StartupFilesTest, OddProgramFilesNeitherBlockNorMisleadStartUp)
{
    {
        // A tesk.ini saved with a byte-order mark, and lists and a config
        // file that are FIFOs: start-up ends, names each, asks for no game.
        TestWorld world;
        world.Write(world.iniPath(), "\xEF\xBB\xBF[ulvex2]\r\npath=" + world.gameDir() + "\r\n");
        for (const std::string& fifo :
             {world.inWork("maps.lst"), world.inWork("servers.txt"), world.inGame("baseu2/config.cfg")})
            ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0) << fifo;
        FakeDesktop desktop;
        TfrmTeskMain window(desktop, world.iniPath());
        EXPECT_TRUE(desktop.openRequests.empty());
        EXPECT_EQ(window.model().Text("txtU2Dir"), world.gameDir());
        const QString problems = window.startupProblems().join("\n");
        for (const char* name : {"maps.lst", "servers.txt", "config.cfg"})
            EXPECT_TRUE(problems.contains(QString::fromLatin1(name) + ": it is not a regular file"))
                << problems.toStdString();
        const std::string ini = ReadFileBytes(world.iniPath());
        EXPECT_EQ(ini.substr(0, 13), "\xEF\xBB\xBF[ulvex2]\r\n");
        EXPECT_EQ(ini.find("[ulvex2]", 4), std::string::npos) << "no second section";
    }
    {
        // A first start whose tesk.ini cannot be written works on in the
        // game directory just picked.
        TestWorld world;
        world.Write(world.iniPath(), "[tesk]\r\n");
        ASSERT_EQ(::chmod(world.iniPath().c_str(), 0444), 0);
        world.MakeDirectory(world.inGame("baseu2/save/save0"));
        FakeDesktop desktop;
        desktop.openAnswers.emplace_back(QString::fromStdString(world.inGame("ulvex2.exe")));
        TfrmTeskMain window(desktop, world.iniPath());
        const SettingsModel& model = window.model();
        EXPECT_EQ(model.Text("txtU2Dir"), world.gameDir());
        EXPECT_EQ(model.Text("txtBatchFile"), world.inGame("tesk.bat"));
        EXPECT_EQ(model.Text("txtConfigFile"), world.inGame("baseu2/config.cfg"));
        EXPECT_TRUE(std::filesystem::exists(world.inGame("tesk.bat")));
        EXPECT_FALSE(std::filesystem::exists(world.inWork("tesk.bat")));
        EXPECT_EQ(model.Items("cboSaveGames"), std::vector<std::string>{"save0"});
        EXPECT_TRUE(window.startupProblems().join("\n").contains("Unable to write to"));
        EXPECT_EQ(ReadFileBytes(world.iniPath()), "[tesk]\r\n");
    }
}

} // namespace
} // namespace tesk
