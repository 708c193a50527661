#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "platform/replace_file.hpp"
#include "tests/ini/ini_test_util.hpp"

namespace {

std::vector<std::string> FilesIn(const testsupport::TempDir& dir) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace

TEST(IniSave, MissingSettingsCreatedByGettersSaveAsFourSortedLines) {
  testsupport::TempDir dir;
  TINIFile doc(dir / "config.ini");
  doc.CreateMissingEntries(1);
  EXPECT_EQ(doc.Load(), 0);
  EXPECT_EQ(doc.GetIntValue("Vorpels", "HowOften", 234), 234);
  EXPECT_EQ(doc.GetIntValue("Vorpels", "HowOftenToChangeBubbles", 201), 201);
  EXPECT_EQ(doc.GetIntValue("Vorpels", "BackgroundOn", 2), 2);
  ASSERT_EQ(doc.Save(1), 1);
  EXPECT_EQ(testsupport::ReadFile(dir / "config.ini"),
            "[Vorpels]\r\nBackgroundOn=\"2\"\r\nHowOften=\"234\"\r\n"
            "HowOftenToChangeBubbles=\"201\"\r\n\r\n");
  EXPECT_EQ(doc.GetParameters("Vorpels"),
            (Strings{"BackgroundOn", "HowOften", "HowOftenToChangeBubbles"}));
}

TEST(IniSave, WritesCommentsTabsValueSeparatorsAndAnEmptyLineAfterEachSection) {
  testsupport::TempDir dir;
  TINIFile doc(dir / "f.ini");
  doc.CreateMissingEntries(1);
  doc.SetComment("file");
  doc.SetStringValues("S", "list", {"1", "two", ""});
  doc.SetParameterComment("S", "list", "note");
  doc.AddParameter("S", "empty");
  doc.AddSection("T", "about T");
  ASSERT_EQ(doc.Save(0), 1);
  EXPECT_EQ(testsupport::ReadFile(dir / "f.ini"),
            ";file\r\n"
            "[S]\r\nlist=\"1\", \"two\", \"\"\t;note\r\nempty=\r\n\r\n"
            "[T]\t;about T\r\n\r\n");
}

TEST(IniSave, SortsByByteValueOnlyWhenAsked) {
  testsupport::TempDir dir;
  TINIFile doc(dir / "s.ini");
  for (const char* name : {"b", "\xe9", "ab", "B", "a", "Z"}) doc.AddSection(name, "");
  for (const char* name : {"y", "X", "x"}) doc.AddParameter("b", name);
  ASSERT_EQ(doc.Save(0), 1);
  EXPECT_EQ(doc.GetSections(), (Strings{"b", "\xe9", "ab", "B", "a", "Z"}));
  ASSERT_EQ(doc.Save(1), 1);
  EXPECT_EQ(doc.GetSections(), (Strings{"B", "Z", "a", "ab", "b", "\xe9"}));
  EXPECT_EQ(doc.GetParameters("b"), (Strings{"X", "x", "y"}));
  EXPECT_EQ(testsupport::ReadFile(dir / "s.ini"),
            "[B]\r\n\r\n[Z]\r\n\r\n[a]\r\n\r\n[ab]\r\n\r\n[b]\r\nX=\r\nx=\r\ny=\r\n\r\n"
            "[\xe9]\r\n\r\n");
}

TEST(IniSave, ValueHoldingAQuoteIsWrittenUnchangedAndReadsBackCut) {
  testsupport::TempDir dir;
  TINIFile doc(dir / "q.ini");
  doc.CreateMissingEntries(1);
  doc.SetStringValue("S", "k", "say \"hi\" now");
  ASSERT_EQ(doc.Save(0), 1);
  EXPECT_EQ(testsupport::ReadFile(dir / "q.ini"), "[S]\r\nk=\"say \"hi\" now\"\r\n\r\n");
  TINIFile again(dir / "q.ini");
  ASSERT_EQ(again.Load(), 1);
  EXPECT_EQ(again.GetStringValue("S", "k", ""), "say ");
}

TEST(IniSave, ReturnsZeroWithoutAFileNameOrAPlaceToWrite) {
  testsupport::TempDir dir;
  TINIFile doc("");
  doc.AddSection("A", "");
  EXPECT_EQ(doc.Save(0), 0);
  doc.SetFilename(dir / "no/such/folder/f.ini");
  EXPECT_EQ(doc.Save(0), 0);
  std::filesystem::create_directory(dir / "taken");
  doc.SetFilename(dir / "taken");
  EXPECT_EQ(doc.Save(0), 0);
  EXPECT_TRUE(std::filesystem::is_directory(dir / "taken"));
  EXPECT_EQ(FilesIn(dir), (Strings{"taken"}));
}

TEST(IniSave, KeepsThePermissionsOfTheFileItReplaces) {
  testsupport::TempDir dir;
  const std::string path = dir / "p.ini";
  testsupport::WriteFile(path, "old");
  ASSERT_EQ(chmod(path.c_str(), 0640), 0);
  TINIFile doc(path);
  ASSERT_EQ(doc.Save(0), 1);
  struct stat st;
  ASSERT_EQ(stat(path.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
}

// The old file must survive a write that fails at any byte, and no temporary file may remain.
TEST(IniSave, FailedWriteAtEveryOffsetLeavesTheOldFileIntact) {
  testsupport::TempDir dir;
  const std::string path = dir / "c.ini";
  const std::string old = "[Old]\r\nkeep=\"me\"\r\n\r\n";
  testsupport::WriteFile(path, old);
  TINIFile doc(path);
  doc.CreateMissingEntries(1);
  doc.SetStringValues("New", "values", {"a", "b", "c"});
  std::ostringstream expected;
  doc.SaveToStream(expected);
  const std::size_t size = expected.str().size();
  for (std::size_t offset = 0; offset <= size; ++offset) {
    ScriptedWriteFault fault(offset);
    ASSERT_EQ(doc.Save(0), 0) << "offset " << offset;
    ASSERT_EQ(testsupport::ReadFile(path), old) << "offset " << offset;
    ASSERT_EQ(FilesIn(dir), (Strings{"c.ini"})) << "offset " << offset;
  }
  ASSERT_EQ(doc.Save(0), 1);
  EXPECT_EQ(testsupport::ReadFile(path), expected.str());
}

TEST(IniSaveDeathTest, CrashMidWriteLeavesTheOldFileAndTheNextSaveWorks) {
  testsupport::TempDir dir;
  const std::string path = dir / "c.ini";
  testsupport::WriteFile(path, "[Old]\r\n\r\n");
  TINIFile doc(path);
  doc.AddSection("New", "");
  EXPECT_EXIT(
      {
        ScriptedWriteFault crash(4, [] { _exit(3); });
        doc.Save(0);
      },
      testing::ExitedWithCode(3), "");
  EXPECT_EQ(testsupport::ReadFile(path), "[Old]\r\n\r\n");
  EXPECT_EQ(FilesIn(dir).size(), 2u);  // the crashed write's temporary file
  ASSERT_EQ(doc.Save(0), 1);
  EXPECT_EQ(testsupport::ReadFile(path), "[New]\r\n\r\n");
}
