#include "core/text/FileStamp.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace tesk {
namespace {

using testing::TempDir;
using testing::WriteFileBytes;

// Another program's write is a change until Tesk reads or writes the file
// again, or sets that change aside; a file that is gone, or another path,
// is none.
TEST(StampedFileTest, AChangeIsWhatAnotherProgramWroteSinceTeskLastReadOrWrote)
{
    TempDir dir;
    const std::string path = dir.file("config.cfg");
    StampedFile file;
    EXPECT_FALSE(file.ChangeOf(path)) << "never stamped";
    file.Stamp(path);
    EXPECT_FALSE(file.ChangeOf(path)) << "missing then and now";

    WriteFileBytes(path, "set name \"Ann\"\r\n");
    const auto created = file.ChangeOf(path);
    ASSERT_TRUE(created);
    EXPECT_EQ(*created, StampOfBytes("set name \"Ann\"\r\n"));
    file.Stamp(path);
    EXPECT_FALSE(file.ChangeOf(path));
    // Rewritten with the same bytes: no change; with other bytes of the same
    // length: a change.
    WriteFileBytes(path, "set name \"Ann\"\r\n");
    EXPECT_FALSE(file.ChangeOf(path));
    WriteFileBytes(path, "set name \"Bob\"\r\n");
    ASSERT_TRUE(file.ChangeOf(path));
    EXPECT_FALSE(file.ChangeOf(dir.file("other.cfg")));

    file.SetAside(*file.ChangeOf(path));
    EXPECT_FALSE(file.ChangeOf(path));
    WriteFileBytes(path, "set name \"Cy\"\r\n");
    EXPECT_TRUE(file.ChangeOf(path)) << "a later change counts again";
    std::filesystem::remove(path);
    EXPECT_FALSE(file.ChangeOf(path)) << "nothing left to lose";
}

} // namespace
} // namespace tesk
