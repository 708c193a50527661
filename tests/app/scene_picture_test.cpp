// The saver's picture at three scene times against pictures of it kept from before its drawing
// was made faster: a faster path must not change what the user sees. The bottom-right quarter of
// a 1280 x 800 screen is compared, where the tiled backgrounds have drifted furthest from their
// origin. VORPEL_KEEP_PICTURES=1 writes the pictures instead, for a deliberate change of look.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "app/headless_scene.hpp"
#include "app/saver.hpp"
#include "platform/graphics.hpp"
#include "platform/pixmap.hpp"
#include "platform/random.hpp"

namespace {

const std::filesystem::path kPictures = std::filesystem::path(__FILE__).parent_path() / "pictures";

// Peak signal-to-noise ratio over the colour channels, in dB.
double Psnr(const TPixmap& a, const TPixmap& b) {
  double sum = 0;
  for (int y = 0; y < a.height; ++y)
    for (int x = 0; x < a.width; ++x)
      for (int c = 0; c < 3; ++c) {
        const double d = double(a.Row(y)[x * 4 + c]) - double(b.Row(y)[x * 4 + c]);
        sum += d * d;
      }
  const double mse = sum / (double(a.width) * a.height * 3);
  return mse > 0 ? 10 * std::log10(255.0 * 255.0 / mse) : INFINITY;
}

}  // namespace

TEST(ScenePicture, LooksAsItDidAtThreeSceneTimes) {
  SeedRnd(20261208);
  ASSERT_TRUE(HeadlessSceneOpen(1280, 800, 233, 200, 1));
  const bool keep = std::getenv("VORPEL_KEEP_PICTURES") != nullptr;
  int step = 0;
  for (int seconds : {3, 8, 15}) {
    for (; step < seconds * 200; ++step) HeadlessSceneStep(5);
    SaverDrawFrame();
    PixmapPtr shot = GrabPixmap(640, 400, 640, 400);
    Flip(0);
    const std::string file = (kPictures / ("scene_" + std::to_string(seconds) + "s.png")).string();
    if (keep) {
      ASSERT_EQ(PixmapSavePNG(*shot, file, 9), 1);
      continue;
    }
    PixmapPtr kept = LoadPixmap(file);
    ASSERT_TRUE(kept && shot) << file;
    const double psnr = Psnr(*shot->Convert(PF_RGBA8888), *kept->Convert(PF_RGBA8888));
    EXPECT_GE(psnr, 35.0) << "at " << seconds << " s";
    std::printf("%d s: %.1f dB\n", seconds, psnr);
  }
  HeadlessSceneClose();
}
