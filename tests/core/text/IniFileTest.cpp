#include "core/text/IniFile.h"

#include "core/text/Error.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace tesk {
namespace {

using testing::ReadFileBytes;
using testing::TempDir;
using testing::WriteFileBytes;

// Comments, odd lines, blanks, a duplicate section and a lone CR on purpose.
const std::string kProfile =
    "; profile\n"
    "[NumberOfSections]\r\n"
    "Aliases = 2\n"
    "garbage line\n"
    "aliases=9\n"
    "\n"
    "[Alias1]\r"
    "  DescriptiveName=\"  Fire \"\n"
    "Checked=True\n"
    "\n"
    "\n"
    "[alias1]\n"
    "Checked=true\n";

TEST(IniFile, ReadsNamesWithoutRegardToCaseAndFirstOccurrenceWins)
{
    const IniFile ini = IniFile::Parse(kProfile);
    EXPECT_EQ(ini.ReadString(" numberofsections ", "ALIASES", "0"), "2");
    EXPECT_EQ(ini.ReadInteger("NumberOfSections", "Aliases", 0), 2);
    EXPECT_EQ(ini.ReadString("ALIAS1", "descriptivename", ""), "  Fire ");
    EXPECT_EQ(ini.ReadString("Alias1", "Checked", "false"), "True");
    EXPECT_EQ(ini.ReadString("Alias2", "Checked", "false"), "false");
    EXPECT_FALSE(ini.ValueExists("NumberOfSections", "garbage line"));
    EXPECT_TRUE(ini.SectionExists("alias1"));
    EXPECT_FALSE(ini.SectionExists("Alias2"));
}

TEST(IniFile, ReadIntegerTakesOnlyWholeNumbers)
{
    const IniFile ini = IniFile::Parse("[s]\na= -12 \nb=+7\nc=1.5\nd=\ne=12x\nf=99999999999999999999\n");
    EXPECT_EQ(ini.ReadInteger("s", "a", 5), -12);
    EXPECT_EQ(ini.ReadInteger("s", "b", 5), 7);
    for (const char* key : {"c", "d", "e", "f", "missing"})
        EXPECT_EQ(ini.ReadInteger("s", key, 5), 5) << key;
}

TEST(IniFile, UnchangedFileSerializesLineForLine)
{
    EXPECT_EQ(IniFile::Parse(kProfile).Serialize(),
              "; profile\r\n[NumberOfSections]\r\nAliases = 2\r\ngarbage line\r\naliases=9\r\n\r\n"
              "[Alias1]\r\n  DescriptiveName=\"  Fire \"\r\nChecked=True\r\n\r\n\r\n[alias1]\r\n"
              "Checked=true\r\n");
}

TEST(IniFile, WritesTouchOnlyTheirLine)
{
    IniFile ini = IniFile::Parse(kProfile);
    ini.WriteString("numberofsections", "ALIASES", "3");
    ini.WriteString("alias1", "checked", "false");
    ini.WriteString("Alias1", "AliasName", "+attack");
    ini.WriteString("Bind1", "BindKey", "MOUSE1");
    EXPECT_EQ(ini.Serialize(),
              "; profile\r\n[NumberOfSections]\r\nAliases = 3\r\ngarbage line\r\naliases=9\r\n\r\n"
              "[Alias1]\r\n  DescriptiveName=\"  Fire \"\r\nChecked=false\r\nAliasName=+attack\r\n"
              "\r\n\r\n[alias1]\r\nChecked=true\r\n[Bind1]\r\nBindKey=MOUSE1\r\n");
}

TEST(IniFile, ValuesReadBackAsWritten)
{
    IniFile ini;
    const std::vector<std::string> values = {"",   " lead",     "trail\t", "\"quoted\"",
                                             "\"", "a \"b\" c", "\"open",  std::string(5000, 'v')};
    for (std::size_t i = 0; i < values.size(); ++i)
        ini.WriteString("s", "k" + std::to_string(i), values[i]);
    ini.WriteString("s", "lines", "one\r\ntwo\nthree");
    const IniFile reread = IniFile::Parse(ini.Serialize());
    for (std::size_t i = 0; i < values.size(); ++i)
        EXPECT_EQ(reread.ReadString("s", "k" + std::to_string(i), "?"), values[i]) << i;
    EXPECT_EQ(reread.ReadString("s", "lines", ""), "one  two three");
}

// Lines are views into the bytes read, and a section keeps its own lines
// once one is added; a section of many lines indexes its keys when one is
// first looked up. Changes in any order must read back and serialize as if
// every line were a string of its own, the loaded file gone meanwhile.
TEST(IniFile, ChangesAfterReadingKeepEveryLineInItsPlace)
{
    std::string text = "[Alias1]\nAliasLines=20\n";
    for (int k = 1; k <= 20; ++k)
        text += "Aline" + std::to_string(k) + "=line " + std::to_string(k) + "\n";
    text += "Aline7=not this one\n\n[Alias2]\nDescriptiveName=Duck\n";
    IniFile ini = [&text] { return IniFile::Parse(std::string(text)); }();
    EXPECT_EQ(ini.ReadString("Alias1", "ALINE7", ""), "line 7");
    ini.WriteString("Alias1", "Checked", "true");
    ini.WriteString("Alias1", "Aline20", "last");
    ini.WriteString("Alias2", "DescriptiveName", "Crouch");
    ini.RenameSections({{"Alias2", "Alias1"}, {"Alias1", "Alias2"}});
    IniFile moved = std::move(ini);
    EXPECT_EQ(moved.ReadString("Alias2", "Aline7", ""), "line 7");
    const std::string out = moved.Serialize();
    EXPECT_TRUE(out.starts_with("[Alias2]\r\nAliasLines=20\r\nAline1=line 1\r\n")) << out;
    EXPECT_NE(out.find("Aline20=last\r\nAline7=not this one\r\nChecked=true\r\n\r\n[Alias1]\r\n"
                       "DescriptiveName=Crouch\r\n"),
              std::string::npos)
        << out;
}

TEST(IniFile, EraseSectionRemovesEveryOccurrence)
{
    IniFile ini = IniFile::Parse(kProfile);
    ini.EraseSection("ALIAS1");
    ini.EraseSection("missing");
    EXPECT_FALSE(ini.SectionExists("Alias1"));
    EXPECT_EQ(ini.Serialize(),
              "; profile\r\n[NumberOfSections]\r\nAliases = 2\r\n"
              "garbage line\r\naliases=9\r\n\r\n");
    ini.WriteString("Alias1", "Checked", "true");
    EXPECT_EQ(ini.ReadString("alias1", "checked", ""), "true");
}

// Reading one section of a file gives what reading the whole file gives.
TEST(IniFile, LoadSectionReadsAsLoadDoes)
{
    TempDir dir;
    const std::string path = dir.file("p.tesk");
    WriteFileBytes(path, kProfile);
    for (const char* section : {"NumberOfSections", " alias1 "})
        for (const char* key : {"Aliases", "DescriptiveName", "Checked", "garbage line"})
            EXPECT_EQ(IniFile::LoadSection(path, section).ReadString(section, key, "-"),
                      IniFile::Parse(kProfile).ReadString(section, key, "-"))
                << section << key;
    EXPECT_FALSE(IniFile::LoadSection(path, "NumberOfSections").SectionExists("Alias1"));
    WriteFileBytes(path, "[a]\nx=1\n[b]\nx=2"); // the last line without a line end
    EXPECT_EQ(IniFile::LoadSection(path, "b").ReadString("b", "x", ""), "2");
    EXPECT_FALSE(IniFile::LoadSection(dir.file("missing.tesk"), "a").SectionExists("a"));
}

TEST(IniFile, LoadAndSave)
{
    TempDir dir;
    const std::string path = dir.file("mymod.tesk");
    IniFile ini = IniFile::Load(path);
    EXPECT_FALSE(ini.SectionExists("NumberOfSections"));
    ini.WriteString("NumberOfSections", "aliases", "0");
    ini.Save();
    EXPECT_EQ(ReadFileBytes(path), "[NumberOfSections]\r\naliases=0\r\n");
    EXPECT_EQ(IniFile::Load(path).ReadString("NumberOfSections", "Aliases", ""), "0");
    EXPECT_THROW(IniFile::Load(dir.str()), Error);

    ::chmod(path.c_str(), 0444);
    ini.WriteString("NumberOfSections", "aliases", "1");
    try {
        ini.Save();
        ADD_FAILURE() << "a read-only file was written";
    } catch (const Error& error) {
        EXPECT_EQ(error.what(), "Unable to write to " + path);
    }
    EXPECT_EQ(ReadFileBytes(path), "[NumberOfSections]\r\naliases=0\r\n");

    // A byte-order mark is no part of the first header, and a save keeps it.
    IniFile marked = IniFile::Parse("\xEF\xBB\xBF[ulvex2]\r\npath=/g\r\n");
    EXPECT_EQ(marked.ReadString("ulvex2", "path", ""), "/g");
    marked.WriteString("ulvex2", "path", "/h");
    EXPECT_EQ(marked.Serialize(), "\xEF\xBB\xBF[ulvex2]\r\npath=/h\r\n");
}

} // namespace
} // namespace tesk
