#include <gtest/gtest.h>

#include <vector>

#include "app/hack_mode.hpp"

namespace {
HackOptions Parse(std::vector<const char*> args, const char* env = nullptr) {
  args.insert(args.begin(), "vorpelsaver");
  return ParseHackOptions(int(args.size()), args.data(), env);
}
}  // namespace

TEST(HackOptions, RootTakesTheDaemonsWindowFromTheEnvironment) {
  HackOptions o = Parse({"--root"}, "0x60000C");
  EXPECT_TRUE(o.active);
  EXPECT_TRUE(o.error.empty());
  EXPECT_EQ(ParseWindowId(o.window_text), 0x60000Cu);
  HackOptions bare = Parse({"-root"});
  EXPECT_TRUE(bare.active);
  EXPECT_TRUE(bare.window_text.empty()) << "no variable: the root window";
}

TEST(HackOptions, WindowIdsInHexOrDecimalWithOneOrTwoDashes) {
  EXPECT_EQ(ParseWindowId(Parse({"--window-id", "0x1a2B"}).window_text), 0x1A2Bu);
  EXPECT_EQ(ParseWindowId(Parse({"-window-id", "6291468"}).window_text), 6291468u);
  EXPECT_FALSE(Parse({"--window-id", "junk"}).error.empty());
  EXPECT_FALSE(Parse({"--window-id"}).error.empty());
  EXPECT_EQ(ParseWindowId("0x"), 0u);
  EXPECT_EQ(ParseWindowId("0x100000000"), 0u);  // beyond 32 bits
  EXPECT_EQ(ParseWindowId("99999999999999999999"), 0u);
  EXPECT_EQ(ParseWindowId("-5"), 0u);
  EXPECT_EQ(ParseWindowId("12a"), 0u);
}

TEST(HackOptions, TheDesignsSwitchesAreLeftToTheDispatch) {
  for (const char* sw : {"/s", "/S", "/c:5678", "/p", "--fps", "root", "--rooted"})
    EXPECT_FALSE(Parse({sw}).active) << sw;
}

TEST(HackOptions, SettingsOverrideOnlyWhenGivenAndInRange) {
  HackOptions o = Parse({"--root", "--how-often", "12", "--change", "299", "--no-background",
                         "--fps"});
  EXPECT_EQ(o.how_often, 12);
  EXPECT_EQ(o.change, 299);
  EXPECT_EQ(o.background, 0);
  EXPECT_TRUE(o.fps);
  EXPECT_FALSE(Parse({"--root"}).how_often.has_value());
  EXPECT_FALSE(Parse({"--root", "--how-often", "300"}).error.empty());
  EXPECT_FALSE(Parse({"--root", "--change", "x"}).error.empty());
}

TEST(HackOptions, TheVirtualScreenFollowsTheWindowsShape) {
  int vw, vh, stretch;
  HackVirtualScreen(1920, 1080, vw, vh, stretch);
  EXPECT_EQ(vh, 500);
  EXPECT_EQ(stretch, 1);
  HackVirtualScreen(725, 407, vw, vh, stretch);  // the settings dialog's preview
  EXPECT_EQ(vh, 500);
  EXPECT_EQ(stretch, 1);
  HackVirtualScreen(1280, 1024, vw, vh, stretch);
  EXPECT_EQ(vh, 600);
  EXPECT_EQ(stretch, 1);
  HackVirtualScreen(1080, 1920, vw, vh, stretch);  // a portrait monitor: bars, not squashed
  EXPECT_EQ(vh, 600);
  EXPECT_EQ(stretch, 0);
  HackVirtualScreen(3840, 1080, vw, vh, stretch);
  EXPECT_EQ(stretch, 0);
  HackVirtualScreen(100, 0, vw, vh, stretch);
  EXPECT_EQ(vw, 800);
}
