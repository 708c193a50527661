#include <filesystem>

#include "tests/e2e/e2e.hpp"

using namespace e2e;

namespace {

constexpr const char* kConfigTitle = "Vorpel! Configuration";

class ConfigE2E : public ProgramTest {
 protected:
  int wx = 0, wy = 0;  // the window's top-left corner on the screen

  std::string Settings() const { return testsupport::ReadFile(SettingsPath()); }

  Window OpenScreen(Program&) {
    Window window = window_ = WaitAndFocus(kConfigTitle);
    int w, h;
    if (window) screen.Geometry(window, wx, wy, w, h);
    return window;
  }

  // Clicks once the pointer rests on the point and the hover drawn there has settled, so that a
  // slow program (a loaded machine, the sanitizers) has seen the pointer arrive.
  void ClickAt(int x, int y) {
    Hover(x, y);
    Xdo({"click", "1"});
  }

  // Moves the pointer to the point and waits until the picture around it stops changing; the
  // picture it settled on.
  PixmapPtr Hover(int x, int y) {
    MovePointer(wx + x, wy + y);
    PixmapPtr settled;
    WaitUntil([&] {
      PixmapPtr last = settled;
      SleepMs(300);
      settled = Around(x, y);
      return last && settled && SamePicture(*last, *settled);
    }, 15000);
    return settled;
  }

  // The part of the window around a point.
  PixmapPtr Around(int x, int y) { return screen.Grab(window_, x - 12, y - 12, 24, 24); }

  // Waits until the part around the point shows something other than `before`.
  bool WaitForChangeAround(int x, int y, const PixmapPtr& before) {
    return WaitUntil([&] {
      PixmapPtr now = Around(x, y);
      return before && now && !SamePicture(*now, *before);
    }, 15000);
  }

  // Clicks the check box, then waits for it to flip: two clicks the program sees in one frame
  // count once.
  bool FlipCheckBox() {
    PixmapPtr before = Hover(kCheckX, kCheckY);
    Xdo({"click", "1"});
    return WaitForChangeAround(kCheckX, kCheckY, before);
  }

  static constexpr int kCheckX = 320, kCheckY = 240;
  Window window_ = 0;
};

}  // namespace

TEST_F(ConfigE2E, AnyOtherSwitchOpensTheConfigurationScreen) {
  for (const char* sw : {"/S", "/c:5678", "/c"}) {
    Program config({sw}, dir.str(), env);
    Window window = OpenScreen(config);
    ASSERT_NE(window, 0u) << sw;
    int x, y, w, h;
    ASSERT_TRUE(screen.Geometry(window, x, y, w, h));
    EXPECT_EQ(w, 700) << sw;
    EXPECT_EQ(h, 420) << sw;
    ClickAt(505, 360);  // "exit"
    EXPECT_EQ(config.Wait(10000), 0) << sw;
  }
}

TEST_F(ConfigE2E, DraggingTheFirstKnobToTheRightStoresThreeHundred) {
  Program config({"/c"}, dir.str(), env);
  ASSERT_NE(OpenScreen(config), 0u);
  PixmapPtr track_end = Around(343, 78);
  MovePointer(wx + 277, wy + 78);
  Xdo({"mousedown", "1"});
  // Straight to the last pixel inside the track: on the way, the knob would show near it early.
  MovePointer(wx + 343, wy + 78);
  // The knob follows only while the program sees the button held: release once it is there.
  EXPECT_TRUE(WaitForChangeAround(343, 78, track_end)) << "the knob did not follow";
  Xdo({"mouseup", "1"});
  ClickAt(505, 360);
  EXPECT_EQ(config.Wait(10000), 0);
  EXPECT_NE(Settings().find("HowOften=\"300\""), std::string::npos) << Settings();
}

TEST_F(ConfigE2E, TheCheckBoxFlipsOncePerClick) {
  for (int clicks : {1, 2}) {
    std::filesystem::remove_all(dir.str() + "/config");
    Program config({"/c"}, dir.str(), env);
    ASSERT_NE(OpenScreen(config), 0u);
    for (int i = 0; i < clicks; ++i) ASSERT_TRUE(FlipCheckBox()) << clicks;
    ClickAt(505, 360);
    EXPECT_EQ(config.Wait(10000), 0);
    // Stored plus one: on is 1 + 1, off is 0 + 1.
    const char* expected = clicks == 1 ? "BackgroundOn=\"1\"" : "BackgroundOn=\"2\"";
    EXPECT_NE(Settings().find(expected), std::string::npos) << clicks << "\n" << Settings();
  }
}

TEST_F(ConfigE2E, ClosingTheWindowSavesLikeExit) {
  Program config({"/c"}, dir.str(), env);
  Window window = OpenScreen(config);
  ASSERT_NE(window, 0u);
  screen.RequestClose(window);
  EXPECT_EQ(config.Wait(10000), 0);
  EXPECT_NE(Settings().find("[Vorpels]"), std::string::npos);
}

TEST_F(ConfigE2E, ViewRunsTheSaverWithTheSavedSettingsAndComesBack) {
  Program config({"/c"}, dir.str(), env);
  ASSERT_NE(OpenScreen(config), 0u);
  ASSERT_TRUE(FlipCheckBox());  // background off
  ClickAt(255, 360);             // "view"
  Window saver = screen.WaitForWindow("VorpelScreenSaver", 15000);
  ASSERT_NE(saver, 0u);
  EXPECT_NE(Settings().find("BackgroundOn=\"1\""), std::string::npos) << "saved before the saver";
  int x, y, w, h;
  ASSERT_TRUE(screen.Geometry(saver, x, y, w, h));
  EXPECT_EQ(w, 1280);
  PixmapPtr shot = WaitForScene(screen, saver, 60, 20000);
  ASSERT_TRUE(shot);
  EXPECT_GT(Analyse(*shot).black_fraction, 0.3) << "the saver ignored the background setting";
  Xdo({"windowfocus", std::to_string(saver)});
  Xdo({"key", "Escape"});
  ASSERT_TRUE(screen.WaitForWindowGone(saver, 10000));
  ASSERT_NE(OpenScreen(config), 0u) << "the configuration screen did not come back";
  ClickAt(505, 360);
  EXPECT_EQ(config.Wait(10000), 0);
  EXPECT_NE(Settings().find("BackgroundOn=\"1\""), std::string::npos);
}

TEST_F(ConfigE2E, TheWindowIsCentredOnTheScreenWithItsFrame) {
  WindowManager manager(screen, dir.str());
  ASSERT_TRUE(manager.Running());
  Program config({"/c"}, dir.str(), env);
  Window window = screen.WaitForWindow(kConfigTitle, 15000);
  ASSERT_NE(window, 0u);
  auto centred = [](const XSession::Rect& r) {
    return r.w > 700 && r.x == (1280 - r.w) / 2 && r.y == (800 - r.h) / 2;
  };
  XSession::Rect r = screen.WaitForOuterRect(window, centred, 5000);
  EXPECT_TRUE(centred(r)) << r.w << " x " << r.h << " at " << r.x << ", " << r.y;
  screen.RequestClose(window);
  EXPECT_EQ(config.Wait(10000), 0);
}
