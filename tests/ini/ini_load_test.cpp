#include <gtest/gtest.h>

#include "tests/ini/ini_test_util.hpp"

using namespace std::string_literals;

TEST(IniLoad, DropsCarriageReturnsEndsLinesAtZeroBytesAndTrimsControlCharacters) {
  testsupport::TempDir dir;
  TINIFile doc = LoadText(dir, "\r[S]\r\n  a\r=\"x\ry\"  \r\n\0b=\"2\"\n\t c=\"3\"\x01"s);
  EXPECT_EQ(doc.GetParameters("S"), (Strings{"a", "b", "c"}));
  EXPECT_EQ(doc.GetStringValue("S", "a", ""), "xy");
  EXPECT_EQ(doc.GetStringValue("S", "b", ""), "2");
  EXPECT_EQ(doc.GetStringValue("S", "c", ""), "3");
}

TEST(IniLoad, CommentsBeforeTheFirstSectionTheLastOneWins) {
  testsupport::TempDir dir;
  TINIFile doc = LoadText(dir, ";first\n; second \nstray=\"1\"\n[A] ;about A\n;dropped\n");
  EXPECT_EQ(doc.GetComment(), " second");
  EXPECT_EQ(doc.GetSections(), (Strings{"A"}));
  EXPECT_EQ(doc.GetSectionComment("A"), "about A");
  EXPECT_TRUE(doc.GetParameters("A").empty());
}

TEST(IniLoad, HeaderNameIsTheUntrimmedTextUpToTheFirstBracket) {
  testsupport::TempDir dir;
  TINIFile doc = LoadText(dir, "[ A ]x]\n[]\nk=\"v\"\n[a;b]\n[c;d]x;e;f\n");
  EXPECT_EQ(doc.GetSections(), (Strings{" A ", "", "a;b", "c;d"}));
  EXPECT_EQ(doc.GetStringValue("", "k", ""), "v");
  // The comment is looked for behind the name only.
  EXPECT_EQ(doc.GetSectionComment("a;b"), "");
  EXPECT_EQ(doc.GetSectionComment("c;d"), "e;f");
}

TEST(IniLoad, HeaderWithoutClosingBracketIgnoresLinesUntilTheNextHeader) {
  testsupport::TempDir dir;
  TINIFile doc = LoadText(dir, "[A]\nx=\"1\"\n[broken\ny=\"2\"\n;late comment\n[B]\nz=\"3\"\n");
  EXPECT_EQ(doc.GetSections(), (Strings{"A", "B"}));
  EXPECT_EQ(doc.GetParameters("A"), (Strings{"x"}));
  EXPECT_EQ(doc.GetParameters("B"), (Strings{"z"}));
  EXPECT_EQ(doc.GetComment(), "late comment");  // no section was open
}

TEST(IniLoad, BlankBeforeEqualsBelongsToTheName) {
  testsupport::TempDir dir;
  TINIFile doc = LoadText(dir, "[S]\na =\"1\"\n");
  EXPECT_EQ(doc.ParameterExists("S", "a "), 1);
  EXPECT_EQ(doc.ParameterExists("S", "a"), 0);
  EXPECT_EQ(doc.GetStringValue("S", "a", "def"), "def");
}

TEST(IniLoad, UnquotedValueGivesNoValuesAndTheDefaultReplacesIt) {
  testsupport::TempDir dir;
  TINIFile doc = LoadText(dir, "[S]\nu=hello\n");
  EXPECT_EQ(doc.ParameterExists("S", "u"), 1);
  EXPECT_TRUE(doc.GetStringValues("S", "u", {}).empty());
  EXPECT_EQ(doc.GetStringValue("S", "u", "def"), "def");
  EXPECT_TRUE(doc.GetStringValues("S", "u", {}).empty());
  doc.CreateMissingEntries(1);
  EXPECT_EQ(doc.GetStringValue("S", "u", "def"), "def");
  EXPECT_EQ(doc.GetStringValues("S", "u", {}), (Strings{"def"}));
}

TEST(IniLoad, ValuesComeFromQuotePairsCountedOverTheWholeLine) {
  testsupport::TempDir dir;
  TINIFile doc = LoadText(dir,
                          "[S]\n"
                          "three=\"a\" , \"\",\"c d\"\n"
                          "unmatched=\"a\", \"b\n"
                          "quoted=\"v\" ;say \"hi\" ;end\n"
                          "n\"a\"me=\"x\"\n");
  EXPECT_EQ(doc.GetStringValues("S", "three", {}), (Strings{"a", "", "c d"}));
  EXPECT_EQ(doc.GetStringValues("S", "unmatched", {}), (Strings{"a"}));
  EXPECT_EQ(doc.GetStringValues("S", "quoted", {}), (Strings{"v", "hi"}));
  EXPECT_EQ(doc.GetParameterComment("S", "quoted"), "end");
  // Quotes in the name count, but only pairs after the "=" can be taken.
  EXPECT_EQ(doc.GetStringValues("S", "n\"a\"me", {}), (Strings{"x"}));
}

TEST(IniLoad, ParameterCommentIsTheTextAfterTheFirstSemicolonBehindTheLastQuote) {
  testsupport::TempDir dir;
  TINIFile doc = LoadText(dir, "[S]\na=\"x;y\"\t; one;two\nb=;bare\nc;d=\"1\"\n");
  EXPECT_EQ(doc.GetStringValue("S", "a", ""), "x;y");
  EXPECT_EQ(doc.GetParameterComment("S", "a"), " one;two");
  EXPECT_EQ(doc.GetParameterComment("S", "b"), "bare");
  EXPECT_EQ(doc.GetParameterComment("S", "c;d"), "");
}

// Names holding ";" or a quote: the comment is what follows the "=" and the last quote, never
// a piece of the name, or each save would write that piece once more.
TEST(IniLoad, ParameterCommentNeverStartsInsideTheName) {
  testsupport::TempDir dir;
  TINIFile doc = LoadText(dir, "[S]\n;k = v\ne;f=x;note\ng\"h;i=\n");
  EXPECT_EQ(doc.GetParameters("S"), (Strings{";k ", "e;f", "g\"h;i"}));
  EXPECT_EQ(doc.GetParameterComment("S", ";k "), "");
  EXPECT_EQ(doc.GetParameterComment("S", "e;f"), "note");
  EXPECT_EQ(doc.GetParameterComment("S", "g\"h;i"), "");
}

TEST(IniLoad, LeadingByteOrderMarkIsSkipped) {
  testsupport::TempDir dir;
  TINIFile doc = LoadText(dir, "\xEF\xBB\xBF[Vorpels]\r\nHowOften=\"12\"\r\n");
  EXPECT_EQ(doc.GetSections(), (Strings{"Vorpels"}));
  EXPECT_EQ(doc.GetIntValue("Vorpels", "HowOften", 234), 12);
  TINIFile blank = LoadText(dir, "\xEF\xBB\xBF \t;top\n[A]\n");
  EXPECT_EQ(blank.GetComment(), "top");
  // Only at the very start: elsewhere the bytes belong to a name.
  TINIFile later = LoadText(dir, "[A]\n\xEF\xBB\xBFk=\"1\"\n");
  EXPECT_EQ(later.GetParameters("A"), (Strings{"\xEF\xBB\xBFk"}));
}

TEST(IniLoad, SemicolonLinesInsideASectionAreDroppedUnlessTheyHoldEquals) {
  testsupport::TempDir dir;
  TINIFile doc = LoadText(dir, "[S]\n;just a note\n;x=\"1\"\n");
  EXPECT_EQ(doc.GetParameters("S"), (Strings{";x"}));
  EXPECT_EQ(doc.GetComment(), "");
}

TEST(IniLoad, RepeatedHeadersMergeAndTheLastLineOfAKeyWins) {
  testsupport::TempDir dir;
  TINIFile doc = LoadText(dir, "[A]\nx=\"1\" ;old\ny=\"2\"\n[B]\n[A]\nx=\"3\", \"4\"\n");
  EXPECT_EQ(doc.GetSections(), (Strings{"A", "B"}));
  EXPECT_EQ(doc.GetParameters("A"), (Strings{"x", "y"}));
  EXPECT_EQ(doc.GetStringValues("A", "x", {}), (Strings{"3", "4"}));
  EXPECT_EQ(doc.GetParameterComment("A", "x"), "old");  // a line without comment keeps it
}

TEST(IniLoad, MergesIntoTheDocumentWithoutClearingIt) {
  testsupport::TempDir dir;
  const std::string path = dir / "m.ini";
  TINIFile doc(path);
  doc.AddSection("Mine", "");
  doc.AddSection("A", "kept");
  doc.AddParameter("A", "old");
  testsupport::WriteFile(path, "[A]\nnew=\"1\"\n[Z]\n");
  ASSERT_EQ(doc.Load(), 1);
  ASSERT_EQ(doc.Load(), 1);
  EXPECT_EQ(doc.GetSections(), (Strings{"Mine", "A", "Z"}));
  EXPECT_EQ(doc.GetParameters("A"), (Strings{"old", "new"}));
  EXPECT_EQ(doc.GetSectionComment("A"), "kept");
}

TEST(IniLoad, UnreadableFileReturnsZeroAndLeavesTheDocumentAlone) {
  testsupport::TempDir dir;
  TINIFile missing(dir / "missing.ini");
  missing.AddSection("A", "");
  EXPECT_EQ(missing.Load(), 0);
  EXPECT_EQ(missing.GetSections(), (Strings{"A"}));
  EXPECT_EQ(TINIFile(dir.str()).Load(), 0);  // a folder
  EXPECT_EQ(TINIFile("").Load(), 0);
}
