#include <chrono>
#include <filesystem>

#include "tests/e2e/e2e.hpp"

using namespace e2e;

namespace {
class PreviewE2E : public ProgramTest {
 protected:
  bool SettingsWritten() const { return std::filesystem::exists(SettingsPath()); }
};

double SecondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}
}  // namespace

TEST_F(PreviewE2E, WithoutAHostItShowsItsPictureAndEndsAfterTwoSeconds) {
  auto start = std::chrono::steady_clock::now();
  Program preview({"/p"}, dir.str(), env);
  Window window = screen.WaitForWindow("VorpelScreenSaver", 10000);
  ASSERT_NE(window, 0u);
  int x, y, w, h;
  ASSERT_TRUE(screen.Geometry(window, x, y, w, h));
  EXPECT_EQ(w, 152);
  EXPECT_EQ(h, 112);
  PixmapPtr shot = WaitForScene(screen, window, 20, 10000);
  ASSERT_TRUE(shot) << "the window went before it showed its picture";
  EXPECT_GT(Analyse(*shot).distinct_colours, 20);
  EXPECT_EQ(preview.Wait(15000), 0);
  EXPECT_GT(SecondsSince(start), 2.0);
  EXPECT_FALSE(SettingsWritten());
}

TEST_F(PreviewE2E, WithAHostItRunsUntilTheHostIsHidden) {
  Window host = screen.MakeHostWindow(100, 100, 320, 240);
  Program preview({"/p", std::to_string(host)}, dir.str(), env);
  // Past the two seconds a preview without a host lasts.
  SleepMs(3500);
  EXPECT_TRUE(preview.Running()) << "the preview ended while its host was visible";
  PixmapPtr shot = WaitForScene(screen, host, 20, 15000);
  ASSERT_TRUE(shot);
  EXPECT_GT(Analyse(*shot).distinct_colours, 20) << "the host shows no preview";
  screen.Map(host, false);
  EXPECT_EQ(preview.Wait(5000), 0);
  EXPECT_FALSE(SettingsWritten());
}

TEST_F(PreviewE2E, WithoutAUsableHostItIsBorderlessAtTheTopLeftCorner) {
  WindowManager manager(screen, dir.str());
  ASSERT_TRUE(manager.Running());
  Window gone = screen.MakeHostWindow(100, 100, 320, 240);
  screen.Destroy(gone);
  for (const std::string& host : {std::string(), std::to_string(gone)}) {
    std::vector<std::string> args{"/p"};
    if (!host.empty()) args.push_back(host);
    Program preview(args, dir.str(), env);
    Window window = screen.WaitForWindow("VorpelScreenSaver", 10000);
    ASSERT_NE(window, 0u) << host;
    auto at_corner = [](const XSession::Rect& r) {
      return r.x == 0 && r.y == 0 && r.w == 152 && r.h == 112;
    };
    XSession::Rect r = screen.WaitForOuterRect(window, at_corner, 5000);
    EXPECT_TRUE(at_corner(r)) << "host " << host << ": " << r.w << " x " << r.h << " at " << r.x
                              << ", " << r.y;
    EXPECT_EQ(preview.Wait(15000), 0) << host;
  }
}
