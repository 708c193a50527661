#include <gtest/gtest.h>

#include <random>

#include "tests/ini/ini_test_util.hpp"

using namespace std::string_literals;

TEST(IniRobustness, BinaryGarbageLoadsSavesAndLoadsAgain) {
  testsupport::TempDir dir;
  std::mt19937 random(1234);
  std::string bytes(1 << 20, '\0');
  for (char& c : bytes) c = static_cast<char>(random());
  // Sprinkle structure in so that garbage reaches the parameter code too.
  for (std::size_t i = 0; i + 8 < bytes.size(); i += 997) bytes.replace(i, 6, "\n[s]\na=");
  TINIFile doc = LoadText(dir, bytes);
  EXPECT_FALSE(doc.GetSections().empty());
  ASSERT_EQ(doc.Save(1), 1);
  TINIFile again(doc.GetFilename());
  ASSERT_EQ(again.Load(), 1);
  EXPECT_EQ(again.GetSections(), doc.GetSections());
}

namespace {
std::string SaveLoaded(const testsupport::TempDir& dir, const std::string& text) {
  TINIFile doc = LoadText(dir, text);
  EXPECT_EQ(doc.Save(0), 1);
  return testsupport::ReadFile(doc.GetFilename());
}
}  // namespace

// Whatever was loaded, saving it again changes nothing: a file must not grow at every start and
// end of the saver.
TEST(IniRobustness, SavingWhatWasLoadedIsStable) {
  testsupport::TempDir dir;
  const std::string samba =
      "[global]\n   workgroup = WORKGROUP\n;   wins server = w.x.y.z ; or not\n"
      "#   log file = /var/log/samba/log.%m\n;[homes]\n[printers]\t; shared\n"
      ";   path = \"/var/spool\" ; queue\n";
  for (const std::string& text :
       {"[a;b]\n"s, "[a;b]\t;b]\t;c\n"s, samba, "[S]\ng\"h;i=\"x\n"s, "[S]\nk=\"1\" \"2\n;x\"\n"s}) {
    const std::string first = SaveLoaded(dir, text);
    EXPECT_EQ(SaveLoaded(dir, first), first) << text;
  }
  EXPECT_EQ(SaveLoaded(dir, "[a;b]\n"), "[a;b]\r\n\r\n");
}

TEST(IniRobustness, HighBytesAndInvalidUtf8RoundTripByteForByte) {
  testsupport::TempDir dir;
  const std::string name = "\xff\xfe\xc3(";
  const std::string value = "\x80\xbf\xed\xa0\x80 \x7f";
  TINIFile doc = LoadText(dir, "[" + name + "]\n" + name + "=\"" + value + "\"\n");
  EXPECT_EQ(doc.GetStringValue(name, name, ""), value);
  ASSERT_EQ(doc.Save(0), 1);
  EXPECT_EQ(testsupport::ReadFile(doc.GetFilename()),
            "[" + name + "]\r\n" + name + "=\"" + value + "\"\r\n\r\n");
}

TEST(IniRobustness, VeryLongLineAndZeroBytesLoad) {
  testsupport::TempDir dir;
  const std::string long_value(8 << 20, 'v');
  TINIFile doc =
      LoadText(dir, "[S]\nlong=\"" + long_value + "\"\0\0\0after=\"1\"\0[T"s + "\0x=\"2\"\n"s);
  EXPECT_EQ(doc.GetStringValue("S", "long", "").size(), long_value.size());
  EXPECT_EQ(doc.GetStringValue("S", "after", ""), "1");
  EXPECT_EQ(doc.GetSections(), (Strings{"S"}));
}

TEST(IniRobustness, ManyKeysLoadInOnePass) {
  testsupport::TempDir dir;
  std::string text = "[S]\n";
  const int count = 100000;
  for (int i = 0; i < count; ++i)
    text += "key" + std::to_string(i) + "=\"" + std::to_string(i) + "\"\n";
  text += "[S]\nkey7=\"again\"\n";
  TINIFile doc = LoadText(dir, text);
  EXPECT_EQ(doc.GetParameters("S").size(), std::size_t(count));
  EXPECT_EQ(doc.GetStringValue("S", "key7", ""), "again");
  EXPECT_EQ(doc.GetIntValue("S", "key99999", 0), 99999);
}
