#include "core/launch/BatchFile.h"
#include "core/text/Error.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace tesk {
namespace {

using testing::ReadFileBytes;
using testing::TempDir;
using testing::WriteFileBytes;

TEST(WriteBatchFileTest, ReplacesTheFileWithOneCrLfLine)
{
    TempDir dir;
    const std::string batch = dir.file("tesk.bat");
    WriteFileBytes(batch, "old first line\r\nold second line\r\n");
    WriteBatchFile(batch, "/games/ulvex2", " +exec config.cfg");
    EXPECT_EQ(ReadFileBytes(batch), "/games/ulvex2/ulvex2.exe  +exec config.cfg\r\n");
}

TEST(WriteBatchFileTest, FailureNamesThePathAndKeepsTheOldFile)
{
    TempDir dir;
    const auto expectFailure = [](const std::string& path) {
        try {
            WriteBatchFile(path, "/games/ulvex2", " +exec config.cfg");
            ADD_FAILURE() << "no error for " << path;
        } catch (const Error& error) {
            EXPECT_EQ(std::string(error.what()), "Cannot create file " + path);
        }
    };
    expectFailure("");
    expectFailure(dir.file("missing/tesk.bat"));
    expectFailure(dir.str());

    const std::string readOnly = dir.file("kept.bat");
    WriteFileBytes(readOnly, "kept line\r\n");
    ASSERT_EQ(::chmod(readOnly.c_str(), 0444), 0);
    expectFailure(readOnly);
    EXPECT_EQ(ReadFileBytes(readOnly), "kept line\r\n");
}

} // namespace
} // namespace tesk
