#include <SDL.h>
#include <gtest/gtest.h>

#include "platform/graphics.hpp"
#include "platform/host.hpp"
#include "tests/support/support.hpp"

using testsupport::ScopedEnv;
using testsupport::TempDir;

namespace {

class HostWindows : public ::testing::Test {
 protected:
  void SetUp() override {
    SetAppTitle("VorpelScreenSaver");
    ASSERT_EQ(GraphicsOpen(152, 112, 0, 60, kGraphicsHidden), 1);
  }
  void TearDown() override { GraphicsClose(); }
};

std::string WritePicture(const TempDir& dir, int w, int h) {
  TPixmap picture(w, h);
  picture.Clear(0xFF336699);
  std::string path = dir / "icon.png";
  PixmapSavePNG(picture, path);
  return path;
}

}  // namespace

TEST_F(HostWindows, FindsOurWindowsByExactTitle) {
  EXPECT_EQ(FindWindowByTitle("VorpelScreenSaver"), GraphicsWindow());
  EXPECT_EQ(FindWindowByTitle("VorpelScreenSave"), nullptr);
  EXPECT_EQ(FindWindowByTitle(""), nullptr);

  SDL_Window* other = SDL_CreateWindow("Second", 0, 0, 10, 10, SDL_WINDOW_HIDDEN);
  ASSERT_NE(other, nullptr);
  EXPECT_EQ(FindWindowByTitle("Second"), other);
  SDL_DestroyWindow(other);
  EXPECT_EQ(FindWindowByTitle("Second"), nullptr);

  EXPECT_NE(ActiveWindow(), nullptr);
  GraphicsClose();
  EXPECT_EQ(FindWindowByTitle("VorpelScreenSaver"), nullptr);
  EXPECT_EQ(ActiveWindow(), nullptr);
}

TEST(CentreRectOnDisplay, UsesTheFrameSizeAndTheDisplaysCornerAndTruncates) {
  int x = 0, y = 0;
  CentreRectOnDisplay({0, 0, 1920, 1080}, {100, 50, 806, 496}, x, y);  // 706 x 446
  EXPECT_EQ(x, 607);
  EXPECT_EQ(y, 317);
  CentreRectOnDisplay({0, 0, 1920, 1080}, {0, 0, 2001, 1081}, x, y);  // larger than the display
  EXPECT_EQ(x, -40);
  EXPECT_EQ(y, 0);
  CentreRectOnDisplay({1920, 0, 3840, 1080}, {0, 0, 706, 446}, x, y);  // a monitor to its left
  EXPECT_EQ(x, 1920 + 607);
  EXPECT_EQ(y, 317);
  CentreRectOnDisplay({-1280, -200, 0, 824}, {0, 0, 706, 446}, x, y);  // left of and above it
  EXPECT_EQ(x, -1280 + 287);
  EXPECT_EQ(y, -200 + 289);
}

TEST_F(HostWindows, IconComesFromASmallPicture) {
  TempDir dir;
  std::string path = WritePicture(dir, 16, 16);
  EXPECT_EQ(SetWindowIconFromPicture(GraphicsWindow(), path), 1);
  testsupport::RegisterAssetsOnce();
  EXPECT_EQ(SetWindowIconFromPicture(GraphicsWindow(), "incbin::icon.png"), 1);
  EXPECT_EQ(SetWindowIconFromPicture(nullptr, path), 0);
  EXPECT_EQ(SetWindowIconFromPicture(GraphicsWindow(), dir / "missing.png"), 0);
  testsupport::WriteFile(dir / "broken.png", "\x89PNG\r\n\x1a\nbroken");
  EXPECT_EQ(SetWindowIconFromPicture(GraphicsWindow(), dir / "broken.png"), 0);
  EXPECT_EQ(SetWindowIconFromPicture(GraphicsWindow(), WritePicture(dir, kMaxIconSide + 1, 1)), 0);
}

TEST_F(HostWindows, WithoutX11NothingIsEmbeddedOrVisible) {
  ScopedEnv no_display("DISPLAY", std::nullopt);
  EXPECT_EQ(EmbedWindowInHost(GraphicsWindow(), 1234), 0);
  EXPECT_TRUE(SDL_GetWindowFlags(GraphicsWindow()) & SDL_WINDOW_SHOWN);  // shown all the same
  EXPECT_EQ(IsHostWindowVisible(1234), 0);
  EXPECT_EQ(GrabDesktop(1), nullptr);

  EXPECT_EQ(MoveResizeWindow(GraphicsWindow(), 0, 0, 160, 120), 1);
  int w = 0, h = 0;
  SDL_GetWindowSize(GraphicsWindow(), &w, &h);
  EXPECT_EQ(w, 160);
  EXPECT_EQ(h, 120);
  EXPECT_EQ(MoveResizeWindow(GraphicsWindow(), 0, 0, 0, 120), 0);
  EXPECT_EQ(MoveResizeWindow(GraphicsWindow(), 0, 40000, 160, 120), 0);
  EXPECT_EQ(MoveResizeWindow(nullptr, 0, 0, 160, 120), 0);
}
