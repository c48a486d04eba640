#include "core/app/GameDirectoryLists.h"
#include "core/app/ProgramSettings.h"
#include "core/launch/BatchReader.h"
#include "core/settings/ConfigReader.h"
#include "core/text/Error.h"
#include "core/text/IniFile.h"
#include "core/text/TextFile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <functional>

namespace tesk {
namespace {

using testing::ReadFileBytes;
using testing::TempDir;
using testing::WriteFileBytes;

std::string ErrorOf(const std::function<void()>& read)
{
    try {
        read();
    } catch (const Error& error) {
        return error.what();
    }
    return "no error";
}

// Opening a FIFO for reading waits for a writer: every reader must refuse it
// at once, naming it, or start-up would never end.
TEST(StartupFiles, FifosAreRefusedAndAByteOrderMarkIsSkipped)
{
    TempDir dir;
    const std::string fifo = dir.file("maps.lst");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    const std::string refused = "Cannot open file " + fifo + ": it is not a regular file";
    SettingsModel model;
    model.SetText("txtPlayer", "Ann");
    TokenList tokens{"kept"};
    EXPECT_EQ(ErrorOf([&] { ReadMapNames(fifo); }), refused);
    EXPECT_EQ(ErrorOf([&] { ReadListLines(fifo); }), refused);
    EXPECT_EQ(ErrorOf([&] { IniFile::Load(fifo); }), refused);
    EXPECT_EQ(ErrorOf([&] { ReadConfigFile(model, tokens, dir.str(), "maps.lst"); }), refused);
    EXPECT_EQ(ErrorOf([&] { ReadBatchFile(model, tokens, dir.str(), "maps.lst"); }), refused);
    EXPECT_EQ(ProgramSettings(fifo).ReadString("tesk", "path", "default"), "default");
    EXPECT_EQ(model.Text("txtPlayer"), "Ann");
    EXPECT_EQ(tokens, TokenList{"kept"});
    EXPECT_EQ(ErrorOf([&] { ReadTextLines(dir.str()); }), "Cannot open file " + dir.str());

    // A byte-order mark before the first header is no part of it; a save keeps
    // it and adds no second section.
    const std::string ini = dir.file("tesk.ini");
    WriteFileBytes(ini, "\xEF\xBB\xBF[ulvex2]\r\npath=/games/u2\r\n");
    ProgramSettings settings(ini);
    EXPECT_EQ(settings.ReadString("ulvex2", "path", ""), "/games/u2");
    settings.WriteString("ulvex2", "path", "/games/other");
    EXPECT_EQ(ReadFileBytes(ini), "\xEF\xBB\xBF[ulvex2]\r\npath=/games/other\r\n");
    EXPECT_EQ(IniFile::Parse("\xEF\xBB\xBFkey=1\r\n[a]\r\nkey=2\r\n").ReadString("a", "key", ""), "2");
}

} // namespace
} // namespace tesk
