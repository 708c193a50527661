#include <gtest/gtest.h>

#include <cstdint>

#include "tests/ini/ini_test_util.hpp"

namespace {

std::string Stored(const TINIFile& doc, const std::string& name) {
  auto section = doc.FindSection("S");
  return section ? section->GetStringValue(name) : "<no section>";
}

}  // namespace

TEST(IniValues, StoredZeroCountsAsMissingAndIsOverwrittenOnlyWhenCreating) {
  testsupport::TempDir dir;
  TINIFile doc = LoadText(dir, "[S]\nzero=\"0\"\ntext=\"abc\"\nnum=\"7\"\n");
  EXPECT_EQ(doc.GetIntValue("S", "zero", 5), 5);
  EXPECT_EQ(Stored(doc, "zero"), "0");
  EXPECT_EQ(doc.GetIntValue("S", "num", 5), 7);
  doc.CreateMissingEntries(1);
  EXPECT_EQ(doc.GetIntValue("S", "zero", 5), 5);
  EXPECT_EQ(Stored(doc, "zero"), "5");
  EXPECT_EQ(doc.GetIntValue("S", "text", -3), -3);
  EXPECT_EQ(Stored(doc, "text"), "-3");
  EXPECT_EQ(doc.GetIntValue("S", "nothing", 0), 0);  // a zero default creates nothing
  EXPECT_EQ(doc.ParameterExists("S", "nothing"), 0);
}

TEST(IniValues, BytesAndShortsKeepTheLowBitsAndZeroBitsCountAsMissing) {
  testsupport::TempDir dir;
  TINIFile doc = LoadText(dir, "[S]\nb=\"300\"\nz=\"256\"\nm=\"-1\"\ns=\"70000\"\n");
  EXPECT_EQ(doc.GetByteValue("S", "b", 9), 44);
  EXPECT_EQ(doc.GetByteValue("S", "z", 9), 9);
  EXPECT_EQ(doc.GetByteValue("S", "m", 9), 255);
  EXPECT_EQ(doc.GetShortValue("S", "s", 9), 4464);
  EXPECT_EQ(doc.GetShortValue("S", "z", 9), 256);
  EXPECT_EQ(doc.GetByteValues("S", "b", {}), (std::vector<std::uint8_t>{44}));
}

TEST(IniValues, NumbersAreWrittenInTheirTextForms) {
  TINIFile doc;
  doc.CreateMissingEntries(1);
  doc.SetByteValue("S", "byte", 200);
  doc.SetShortValue("S", "short", 65535);
  doc.SetIntValue("S", "int", -2147483647 - 1);
  doc.SetLongValue("S", "long", -9000000000LL);
  doc.SetFloatValue("S", "float", 1.5f);
  doc.SetDoubleValue("S", "double", 0.1);
  doc.SetFloatValues("S", "floats", {2.0f, -0.25f});
  EXPECT_EQ(Stored(doc, "byte"), "200");
  EXPECT_EQ(Stored(doc, "short"), "65535");
  EXPECT_EQ(Stored(doc, "int"), "-2147483648");
  EXPECT_EQ(Stored(doc, "long"), "-9000000000");
  EXPECT_EQ(Stored(doc, "float"), "1.50000000");
  EXPECT_EQ(Stored(doc, "double"), "0.10000000000000001");
  EXPECT_EQ(doc.GetStringValues("S", "floats", {}), (Strings{"2.00000000", "-0.250000000"}));
  EXPECT_EQ(doc.GetLongValue("S", "long", 1), -9000000000LL);
  EXPECT_EQ(doc.GetFloatValue("S", "float", 1), 1.5f);
  EXPECT_EQ(doc.GetDoubleValue("S", "double", 1), 0.1);
}

TEST(IniValues, BooleansAreCaseInsensitiveAndCapitalisedDefaultsAreStoredLowerCase) {
  testsupport::TempDir dir;
  TINIFile doc = LoadText(dir, "[S]\nf=\"False\"\ny=\"yes\"\n");
  doc.CreateMissingEntries(1);
  EXPECT_EQ(doc.GetBoolValue("S", "missing", "TRUE"), 1);
  EXPECT_EQ(Stored(doc, "missing"), "true");
  EXPECT_EQ(doc.GetBoolValue("S", "f", "true"), 0);
  EXPECT_EQ(doc.GetBoolValue("S", "y", "True"), 1);  // unreadable text gives the default...
  EXPECT_EQ(Stored(doc, "y"), "yes");                 // ...but is not empty, so stays
  EXPECT_EQ(doc.GetBoolValue("S", "other", "maybe"), 0);
  EXPECT_EQ(doc.ParameterExists("S", "other"), 0);
}

TEST(IniValues, BooleanSettersAcceptOnlyTrueAndFalse) {
  TINIFile doc;
  doc.CreateMissingEntries(1);
  doc.SetBoolValue("S", "b", "TRUE");
  EXPECT_EQ(Stored(doc, "b"), "true");
  doc.SetBoolValue("S", "b", "yes");
  EXPECT_EQ(Stored(doc, "b"), "true");
  doc.SetBoolValues("S", "list", {"False", "x", "tRuE"});
  EXPECT_EQ(doc.GetStringValues("S", "list", {}), (Strings{"false", "", "true"}));
  EXPECT_EQ(doc.GetBoolValues("S", "list", {}), (std::vector<int>{0, 0, 1}));
  EXPECT_EQ(doc.GetBoolValues("S", "new", {"TRUE", "no"}), (std::vector<int>{1, 0}));
  EXPECT_EQ(doc.GetStringValues("S", "new", {}), (Strings{"true", ""}));
}

TEST(IniValues, ListGettersConvertEveryValueAndCreateMissingListsFromTheDefault) {
  testsupport::TempDir dir;
  TINIFile doc = LoadText(dir, "[S]\nints=\"1\", \"0\", \"$10\"\nnone=\n");
  EXPECT_EQ(doc.GetIntValues("S", "ints", {7}), (std::vector<int>{1, 0, 16}));
  EXPECT_EQ(doc.GetIntValues("S", "none", {7, 8}), (std::vector<int>{7, 8}));
  EXPECT_TRUE(doc.GetStringValues("S", "none", {}).empty());
  doc.CreateMissingEntries(1);
  EXPECT_EQ(doc.GetLongValues("S", "none", {7, 8, 9}), (std::vector<std::int64_t>{7, 8, 9}));
  EXPECT_EQ(doc.GetStringValues("S", "none", {}), (Strings{"7", "8", "9"}));
  EXPECT_TRUE(doc.GetDoubleValues("T", "empty", {}).empty());
  EXPECT_EQ(doc.SectionExists("T"), 0);
}

TEST(IniValues, StringGetterTreatsAnEmptyFirstValueAsMissing) {
  testsupport::TempDir dir;
  TINIFile doc = LoadText(dir, "[S]\ne=\"\", \"second\"\n");
  EXPECT_EQ(doc.GetStringValue("S", "e", "def"), "def");
  doc.CreateMissingEntries(1);
  EXPECT_EQ(doc.GetStringValue("S", "e", "def"), "def");
  EXPECT_EQ(doc.GetStringValues("S", "e", {}), (Strings{"def"}));
  EXPECT_EQ(doc.GetStringValue("S", "x", ""), "");
  EXPECT_EQ(doc.ParameterExists("S", "x"), 0);
}

TEST(IniValues, SettersOnlyCreateEntriesWhenAsked) {
  TINIFile doc;
  doc.SetIntValue("S", "a", 1);
  EXPECT_EQ(doc.SectionExists("S"), 0);
  doc.AddSection("S", "");
  doc.SetStringValues("S", "a", {"1"});
  EXPECT_EQ(doc.ParameterExists("S", "a"), 0);
  doc.AddParameter("S", "a");
  doc.SetIntValue("S", "a", 1);
  EXPECT_EQ(Stored(doc, "a"), "1");
  auto section = doc.FindSection("S");
  section->SetStringValue("b", "x");
  EXPECT_EQ(section->ParameterExists("b"), 0);
  EXPECT_EQ(section->GetStringValue("b"), "");
}

TEST(IniStructure, NamesAreUniqueAndCaseSensitive) {
  TINIFile doc;
  EXPECT_EQ(doc.AddSection("A", "one"), 1);
  EXPECT_EQ(doc.AddSection("A", "two"), 0);
  EXPECT_EQ(doc.AddSection("a", ""), 1);
  EXPECT_EQ(doc.GetSectionComment("A"), "one");
  EXPECT_EQ(doc.AddParameter("A", "k"), 1);
  EXPECT_EQ(doc.AddParameter("A", "k"), 0);
  EXPECT_EQ(doc.AddParameter("A", "K"), 1);
  EXPECT_EQ(doc.AddParameter("B", "k"), 0);
  EXPECT_EQ(doc.ParameterExists("a", "k"), 0);
  EXPECT_EQ(doc.GetParameters("A"), (Strings{"k", "K"}));
  EXPECT_TRUE(doc.GetParameters("B").empty());
}

TEST(IniStructure, DeletingAndCommentingMissingEntriesChangesNothing) {
  TINIFile doc;
  doc.AddSection("A", "");
  doc.AddParameter("A", "k");
  EXPECT_EQ(doc.SetSectionComment("B", "x"), 0);
  EXPECT_EQ(doc.SetSectionComment("A", "x"), 1);
  doc.SetParameterComment("A", "missing", "y");
  doc.SetParameterComment("A", "k", "y");
  EXPECT_EQ(doc.GetParameterComment("A", "k"), "y");
  EXPECT_EQ(doc.GetParameterComment("B", "k"), "");
  EXPECT_EQ(doc.DeleteParameter("B", "k"), 0);
  EXPECT_EQ(doc.DeleteParameter("A", "missing"), 0);
  EXPECT_EQ(doc.DeleteParameter("A", "k"), 1);
  EXPECT_EQ(doc.DeleteSection("B"), 0);
  EXPECT_EQ(doc.DeleteSection("A"), 1);
  EXPECT_TRUE(doc.GetSections().empty());
}
