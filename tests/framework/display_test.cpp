#include <gtest/gtest.h>

#include <cstdlib>

#include "framework/fps_counter.hpp"
#include "framework/tracking_var.hpp"
#include "tests/support/graphics_fixture.hpp"

namespace {

class CounterDisplayTest : public testsupport::GraphicsTest {
 protected:
  // The whole back buffer as it stands, as 0xAARRGGBB values.
  static std::vector<std::uint32_t> Screen() {
    PixmapPtr shot = GrabPixmap(0, 0, kWidth, kHeight);
    std::vector<std::uint32_t> pixels;
    for (int y = 0; y < kHeight; ++y)
      for (int x = 0; x < kWidth; ++x) pixels.push_back(shot->ReadPixel(x, y));
    return pixels;
  }
  // Whether two screens show the same picture. A software rasteriser may draw the first frame
  // of a context on another path than later ones, rounding colours differently by one.
  static bool Same(const std::vector<std::uint32_t>& a, const std::vector<std::uint32_t>& b) {
    for (std::size_t i = 0; i < a.size(); ++i)
      for (int shift : {0, 8, 16})
        if (std::abs(int((a[i] >> shift) & 255) - int((b[i] >> shift) & 255)) > 2) return false;
    return a.size() == b.size();
  }
  // What TextDraw alone draws for text at (x, y) on a cleared screen.
  static std::vector<std::uint32_t> TextAlone(const std::string& text, int x, int y) {
    Cls();
    TextDraw(text, float(x), float(y));
    return Screen();
  }
};

}  // namespace

TEST_F(CounterDisplayTest, DrawsItsPaddedTextAtThePosition) {
  SetBlend(ALPHABLEND);
  TTrackingVar ticks;
  ticks.Init();
  ticks.Label = "T ";
  ticks.current = 3;
  ticks.maximum = 12;
  ticks.Display(7, 30);
  const auto drawn = Screen();
  EXPECT_TRUE(Same(drawn, TextAlone("T 003/012", 7, 30)));
  EXPECT_FALSE(Same(drawn, TextAlone("T 3/12", 7, 30)));
  EXPECT_FALSE(Same(drawn, TextAlone("T 003/012", 8, 30)));
  EXPECT_FALSE(Same(drawn, TextAlone("", 0, 0)));
}

TEST_F(CounterDisplayTest, FrameCounterShowsOnlyItsCurrentCount) {
  SetBlend(ALPHABLEND);
  TFPSCounter fps;
  fps.Init();
  fps.Label = "FPS ";
  fps.current = 60;
  fps.Display(2, 2);
  EXPECT_TRUE(Same(Screen(), TextAlone("FPS 060", 2, 2)));
}
