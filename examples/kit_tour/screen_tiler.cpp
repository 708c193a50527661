// The tiler: seamless patterns scrolled in any direction, clipped exactly to their rectangle,
// layered with light blending, and tinted towards changing colours.
#include <array>
#include <string>

#include "examples/kit_tour/tour.hpp"
#include "examples/kit_tour/tour_art.hpp"
#include "kit/tiler_handler.hpp"
#include "platform/graphics.hpp"

namespace tour {
namespace {

struct Window {
  float x, y;
  int w, h;
  const char* caption;
};

// Three windows over a scrolling floor.
constexpr Window kParallax{40, 90, 340, 210, "Parallax: sky, stars and clouds"};
constexpr Window kTint{420, 90, 340, 210, "Tint fades: AutoRGBFade"};
constexpr Window kClip{40, 350, 720, 180, "Exact clipping, any direction"};

class TilerScreen : public Screen {
 public:
  explicit TilerScreen(MGE_GameSystem& kit) : kit_(kit) {
    Init(floor_, kFloor, 0, int(kTop), int(kWidth), int(kBottom - kTop), 0.012f, 0.008f);
    floor_.SetTilerRGB(80, 80, 100);

    Init(sky_, kSky, kParallax.x, kParallax.y, kParallax.w, kParallax.h, -0.01f, 0);
    Init(stars_, kStars, kParallax.x, kParallax.y, kParallax.w, kParallax.h, -0.03f, 0);
    stars_.SetTilerBlend(LIGHTBLEND);
    Init(clouds_, kClouds, kParallax.x, kParallax.y, kParallax.w, kParallax.h, -0.07f, 0.004f);
    clouds_.SetTilerAlpha(0.55f);

    Init(tinted_, kScales, kTint.x, kTint.y, kTint.w, kTint.h, 0.0f, -0.03f);
    NextTint();

    const Rect strips[] = {kWeave, kGrid, kScales, kFloor};
    const float speeds[][2] = {{0.05f, 0}, {-0.04f, 0.03f}, {0, 0.05f}, {-0.06f, -0.02f}};
    for (int i = 0; i < 4; ++i) {
      float x = kClip.x + float(i) * 182.0f;
      Init(strips_[i], strips[i], x, kClip.y, 174, kClip.h, speeds[i][0], speeds[i][1]);
    }
    strips_[1].SetTilerBlend(LIGHTBLEND);
  }

  void Step() override {
    for (MGE_TilerHandler* t : All()) t->Update();
    if (!tinted_.rgbfading) NextTint();
  }

  void Draw() override {
    floor_.Render();
    for (const Window& w : {kParallax, kTint, kClip}) {
      Frame(w.x, w.y, float(w.w), float(w.h), 3, 10, 12, 24, 1.0f);
      Label(kit_, w.x, w.y - 26, w.caption, 0.4f, 255, 255, 255);
    }
    sky_.Render();
    stars_.Render();
    clouds_.Render();
    tinted_.Render();
    for (MGE_TilerHandler& t : strips_) t.Render();
    const char* names[] = {"right", "light blend", "down", "left and up"};
    for (int i = 0; i < 4; ++i)
      Label(kit_, kClip.x + 87 + float(i) * 182.0f, kClip.y + float(kClip.h) + 6, names[i], 0.34f,
            200, 210, 230, 1);
  }

 private:
  static void Init(MGE_TilerHandler& t, Rect r, float x, float y, int w, int h, float xspeed,
                   float yspeed) {
    t.InitTiler(kSlotBackdrops, r.x, r.y, r.w, r.h, x, y, w, h);
    t.SetTilerDirection(xspeed, yspeed);
  }

  void NextTint() {
    static constexpr std::array<std::array<float, 3>, 4> kTints = {
        {{255, 120, 120}, {120, 200, 255}, {150, 255, 140}, {255, 255, 255}}};
    const auto& c = kTints[std::size_t(tint_++ % 4)];
    tinted_.AutoRGBFade(c[0], c[1], c[2], 0.12f);
  }

  std::array<MGE_TilerHandler*, 9> All() {
    return {&floor_, &sky_, &stars_, &clouds_, &tinted_, &strips_[0], &strips_[1], &strips_[2],
            &strips_[3]};
  }

  MGE_GameSystem& kit_;
  MGE_TilerHandler floor_, sky_, stars_, clouds_, tinted_;
  std::array<MGE_TilerHandler, 4> strips_;
  int tint_ = 0;
};

const bool registered = RegisterScreen(
    {30, "tiler", "Tiler: scrolling, clipped patterns",
     [](MGE_GameSystem& kit) { return std::make_unique<TilerScreen>(kit); }});

}  // namespace
}  // namespace tour
