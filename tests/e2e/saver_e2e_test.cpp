#include <filesystem>

#include "tests/e2e/e2e.hpp"

using namespace e2e;

namespace {

constexpr const char* kSaverTitle = "VorpelScreenSaver";
const std::string kSortedDefaults =
    "[Vorpels]\r\nBackgroundOn=\"2\"\r\nHowOften=\"234\"\r\nHowOftenToChangeBubbles=\"201\"\r\n\r\n";

// Each test gets its own settings folder and working folder.
class SaverE2E : public ProgramTest {
 protected:
  // Waits until the started saver's full-screen window shows.
  Window StartSaver(Program&) { return WaitAndFocus(kSaverTitle); }
};

}  // namespace

TEST_F(SaverE2E, EscapeOrSpaceEndsTheSaverAndTheSettingsAreSaved) {
  for (const char* key : {"Escape", "space"}) {
    for (bool with_switch : {false, true}) {
      std::vector<std::string> args;
      if (with_switch) args.push_back("/s");
      Program saver(args, dir.str(), env);
      Window window = StartSaver(saver);
      ASSERT_NE(window, 0u) << key;
      int x, y, w, h;
      ASSERT_TRUE(screen.Geometry(window, x, y, w, h));
      EXPECT_EQ(w, 1280);
      EXPECT_EQ(h, 800);
      ASSERT_TRUE(Xdo({"key", key}));
      EXPECT_EQ(saver.Wait(15000), 0) << key << (with_switch ? " /s" : "");
      EXPECT_EQ(testsupport::ReadFile(SettingsPath()), kSortedDefaults);
    }
  }
}

TEST_F(SaverE2E, ASecondSaverEndsAtOnceAndLeavesTheSettingsAlone) {
  Program first({"/s"}, dir.str(), env);
  ASSERT_NE(StartSaver(first), 0u);
  StoreSettings("[Vorpels]\r\nHowOften=\"10\"\r\n");
  Program second({"/s"}, dir.str(), env);
  EXPECT_EQ(second.Wait(10000), 0);
  EXPECT_EQ(testsupport::ReadFile(SettingsPath()), "[Vorpels]\r\nHowOften=\"10\"\r\n");
  EXPECT_TRUE(first.Running());
}

TEST_F(SaverE2E, SidewaysMouseMovementEndsTheSaverOnlyAfterTheFirstSecond) {
  Program saver({}, dir.str(), env);
  // Not StartSaver: waiting for the scene could use up the grace second.
  ASSERT_NE(screen.WaitForWindow(kSaverTitle, 20000), 0u);
  // 30 virtual units: the 800-unit wide scene is stretched over 1280 pixels, 1.6 per unit.
  // The saver's clock starts before its window shows; move at once, within the grace second.
  Xdo({"mousemove_relative", "--", "48", "0"});
  // Nothing to poll for: the saver must still be running once the grace second is over.
  SleepMs(1500);
  EXPECT_TRUE(saver.Running());
  Xdo({"mousemove_relative", "--", "0", "300"});
  SleepMs(500);
  Xdo({"mousemove_relative", "--", "0", "-300"});
  SleepMs(500);
  EXPECT_TRUE(saver.Running()) << "vertical movement must not end the saver";
  // Sideways now: the grace second is counted in scene time, which a loaded machine stretches,
  // so keep moving until the saver is watching.
  std::optional<int> code;
  for (int i = 0; i < 20 && !code; ++i) {
    Xdo({"mousemove_relative", "--", i % 2 ? "-48" : "48", "0"});
    code = saver.Wait(700);
  }
  EXPECT_EQ(code, 0);
}

TEST_F(SaverE2E, BubblesShowOverTheTiledBackgroundOrOverBlack) {
  for (bool background : {true, false}) {
    StoreSettings(background ? "" : "[Vorpels]\r\nBackgroundOn=\"1\"\r\n");
    Program saver({}, dir.str(), env);
    Window window = StartSaver(saver);
    ASSERT_NE(window, 0u);
    PixmapPtr shot = WaitForScene(screen, window, 60, 15000);
    ASSERT_TRUE(shot);
    PictureStats stats = Analyse(*shot);
    Xdo({"key", "Escape"});
    EXPECT_EQ(saver.Wait(15000), 0);
    EXPECT_GT(stats.distinct_colours, 60) << "background " << background;
    if (background) EXPECT_LT(stats.black_fraction, 0.05);
    else EXPECT_GT(stats.black_fraction, 0.3);
  }
}

TEST_F(SaverE2E, TheSKeySavesAScreenshotInTheWorkingFolder) {
  Program saver({}, dir.str(), env);
  ASSERT_NE(StartSaver(saver), 0u);
  Xdo({"key", "s"});
  PixmapPtr shot;
  WaitUntil([&] { return (shot = LoadPixmap(dir.str() + "/screenshot1.png")) != nullptr; }, 20000);
  Xdo({"key", "Escape"});
  EXPECT_EQ(saver.Wait(15000), 0);
  ASSERT_TRUE(shot);
  EXPECT_EQ(shot->width, 1280);
  EXPECT_EQ(shot->height, 800);
}
