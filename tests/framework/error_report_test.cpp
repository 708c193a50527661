#include <gtest/gtest.h>

#include "framework/error_report.hpp"
#include "framework/globals.hpp"
#include "framework/text_lines.hpp"
#include "platform/graphics.hpp"
#include "platform/input.hpp"
#include "tests/support/support.hpp"

using testsupport::TempDir;

TEST(TextLines, SplitAtLineFeedsDroppingTheCarriageReturnBefore) {
  EXPECT_EQ(SplitLines("one\r\ntwo"), (std::vector<std::string>{"one", "two"}));
  EXPECT_EQ(SplitLines("one\ntwo\n"), (std::vector<std::string>{"one", "two"}));
  EXPECT_EQ(SplitLines("a\r\rb\n\nc"), (std::vector<std::string>{"a\r\rb", "", "c"}));
  EXPECT_TRUE(SplitLines("").empty());
  EXPECT_EQ(SplitLines("\n"), (std::vector<std::string>{""}));
}

TEST(TextLines, WrapKeepsEveryLineWithinTheWidth) {
  testsupport::RegisterAssetsOnce();
  std::string message;
  while (message.size() < 200) message += "wrap this ";
  message.pop_back();
  std::vector<std::string> lines = WordWrap({message}, 580, 1.0f);
  EXPECT_GT(lines.size(), 1u);
  std::string joined;
  for (const std::string& line : lines) {
    EXPECT_LE(TextMeasureWidth(line), 580) << line;
    joined += (joined.empty() ? "" : " ") + line;
  }
  EXPECT_EQ(joined, message);
  // A word wider than the width stays whole; empty lines stay; pairs of spaces become one.
  std::string longword(400, 'W');
  EXPECT_EQ(WordWrap({"a " + longword + " b"}, 100, 1.0f),
            (std::vector<std::string>{"a", longword, "b"}));
  EXPECT_EQ(WordWrap({"", "x  y"}, 500, 1.0f), (std::vector<std::string>{"", "x y"}));
  EXPECT_EQ(WordWrap({"x  y"}, 500, 100.0f), (std::vector<std::string>{"x", "y"}));
}

TEST(ErrorLog, HoldsOnlyTheLastReportInThreeLines) {
  TempDir dir;
  std::string folder = dir.str() + "/";
  ASSERT_TRUE(WriteErrorLog(folder, "first", 0));
  ASSERT_TRUE(WriteErrorLog(folder, "second problem", 1786000000));  // 6 Aug 2026
  std::string log = testsupport::ReadFile(folder + "ErrorLog.txt");
  EXPECT_EQ(log.find("first"), std::string::npos);
  EXPECT_NE(log.find(" Aug 2026\r\nTime: "), std::string::npos) << log;
  EXPECT_EQ(log.substr(0, 6), "Date: ");
  EXPECT_EQ(log.substr(log.size() - 16), "second problem\r\n");
  EXPECT_FALSE(WriteErrorLog(folder + "missing/", "x", 0));
}

TEST(ErrorLog, ReportWithoutGraphicsWritesTheLogAndReturns) {
  TempDir dir;
  DataFolder = dir.str() + "/";
  testsupport::ScopedEnv no_display("DISPLAY", std::nullopt);
  ReportError("Cannot create shared data folder /x/", 0);
  EXPECT_NE(testsupport::ReadFile(DataFolder + "ErrorLog.txt").find("Cannot create shared data"),
            std::string::npos);
  DataFolder.clear();
}

TEST(ErrorBoxTest, DrawsTheBoxAndWaitsForAFreshKey) {
  testsupport::RegisterAssetsOnce();
  ASSERT_EQ(GraphicsOpen(800, 600, 0, 60, 0), 1);
  SetClsColor(0, 0, 0);
  Cls();
  InjectKey(65, true);  // pressed before the box: flushed, so it does not close it
  InjectKey(65, false);
  int frames = 0;
  std::uint32_t inside = 0, shadow = 0;
  ErrorBoxFrameHook = [&] {
    if (++frames == 3) {
      PixmapPtr p = GrabPixmap(0, 0, 800, 600);
      inside = p->ReadPixel(110, 300);
      shadow = p->ReadPixel(702, 352);
      InjectKey(32, true);
    }
  };
  ErrorBox("Something went wrong\r\nSecond line", 600, 100);
  ErrorBoxFrameHook = nullptr;
  EXPECT_EQ(frames, 3);
  EXPECT_EQ(inside, 0xFF969696u);  // the grey box at (100, 250)
  EXPECT_EQ(shadow, 0xFF000000u);
  InjectKey(32, false);
  GraphicsClose();
}
