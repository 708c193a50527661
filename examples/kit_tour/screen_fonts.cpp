// Bitmap fonts: plain, tinted, shadowed, spaced and glowing text drawn every frame, texts the
// handler keeps and redraws, and text effects that fade, drift, grow and fall.
#include <algorithm>
#include <cmath>
#include <string>

#include "examples/kit_tour/tour.hpp"
#include "examples/kit_tour/tour_art.hpp"
#include "platform/graphics.hpp"

namespace tour {
namespace {

constexpr float kLeft = 24, kPanelTop = 58, kPanelW = 372, kPanelH = 500;
constexpr float kRight = 412, kRightW = 364;

// A colour around the hue circle, 0..1.
void Hue(float h, int& r, int& g, int& b) {
  auto channel = [h](float offset) {
    return int(127.5f + 127.5f * std::cos(6.2831853f * (h - offset)));
  };
  r = channel(0.0f);
  g = channel(1.0f / 3.0f);
  b = channel(2.0f / 3.0f);
}

class FontsScreen : public Screen {
 public:
  explicit FontsScreen(MGE_GameSystem& kit) : kit_(kit), font_(*kit.Font) {
    font_.Text("SCORE  012450", kLeft + 18, 452, 1, 0.6f, 0.6f, 2, 0, 255, 230, 140, 3, 3, 0.6f,
               ALPHABLEND);
    font_.Text("LIVES  3", kLeft + 18, 486, 1, 0.6f, 0.6f, 2, 0, 140, 255, 160, 3, 3, 0.6f,
               ALPHABLEND);
    font_.Text("Ready?", kLeft + 280, 470, 1, 0.7f, 0.7f, 2, 1, 255, 255, 255, 0, 0, 0, ALPHABLEND);
  }

  void Step() override {
    time_ += vorpel::FrameDelta;
    spawn_clock_ += vorpel::FrameDelta;
    for (; spawn_clock_ >= 150.0f; spawn_clock_ -= 150.0f) Spawn();
    font_.UpdateFontFX();
  }

  void Draw() override {
    MGE_GameSystem::BlitS(kSlotBackdrops, kSky.x, kSky.y, kSky.w, kSky.h, 0, 0,
                          kWidth / float(kSky.w), kHeight / float(kSky.h));
    Frame(kLeft, kPanelTop, kPanelW, kPanelH, 1, 12, 14, 34, 0.72f);
    Frame(kRight, kPanelTop, kRightW, kPanelH, 1, 12, 14, 34, 0.72f);
    Caption(kLeft, kPanelTop + 8, "Render: scale and colour");
    Label(kit_, kLeft + 16, 84, "Plain text", 0.8f, 255, 255, 255);
    Rainbow(kLeft + 16, 128, "Every letter its own hue", 0.52f);
    Caption(kLeft, 170, "RenderShadowed");
    Shadowed(kLeft + 16, 188, "Drop shadows");
    Caption(kLeft, 244, "Spacing, and letters on a wave");
    Spread(kLeft + kPanelW / 2, 262);
    Wavy(kLeft + 16, 312, "Waves of letters");
    Caption(kLeft, 360, "Light blend");
    Glow(kLeft + kPanelW / 2, 376);
    Caption(kLeft, 434, "Kept texts: RenderText");
    font_.RenderText();
    Caption(kRight, kPanelTop + 8, "Effects: FontFX");
    font_.RenderFontFX();
  }

 private:
  void Caption(float x, float y, const std::string& text) {
    Label(kit_, x + 12, y, text, 0.34f, 130, 170, 255);
  }

  // Where the pen stands before the character at i.
  float PenAt(const std::string& text, std::size_t i) {
    if (i == 0) return 0.0f;
    return font_.GetWidthOfString(text.substr(0, i)) + font_.fspacing * font_.fxscale;
  }

  void Rainbow(float x, float y, const std::string& text, float scale) {
    Label(kit_, 0, 0, "", scale, 255, 255, 255);  // sets the scale for PenAt
    for (std::size_t i = 0; i < text.size(); ++i) {
      int r, g, b;
      Hue(float(i) * 0.045f - time_ * 0.0004f, r, g, b);
      float pen = PenAt(text, i);
      Label(kit_, x + pen, y, text.substr(i, 1), scale, r, g, b);
    }
  }

  void Shadowed(float x, float y, const std::string& text) {
    font_.Reset();
    font_.Scale(0.85f, 0.85f);
    font_.Color(255, 214, 90);
    font_.RenderShadowed(x, y, text, 5, 5, 0.6f, 0);
  }

  void Spread(float x, float y) {
    font_.Reset();
    font_.Scale(0.62f, 0.62f);
    font_.Color(255, 150, 210);
    font_.Spacing(5.0f + 9.0f * std::sin(time_ * 0.002f));
    font_.Render(x, y, "SPREAD", 1);
  }

  void Wavy(float x, float y, const std::string& text) {
    Label(kit_, 0, 0, "", 0.62f, 255, 255, 255);
    for (std::size_t i = 0; i < text.size(); ++i) {
      float lift = 7.0f * std::sin(time_ * 0.006f - float(i) * 0.55f);
      Label(kit_, x + PenAt(text, i), y + lift, text.substr(i, 1), 0.62f, 120, 230, 255);
    }
  }

  void Glow(float x, float y) {
    float pulse = 0.55f + 0.45f * std::sin(time_ * 0.004f);
    font_.Reset();
    font_.Scale(1.25f, 1.25f);
    font_.Blend(LIGHTBLEND);
    font_.Color(255, 120, 40);
    font_.Alpha(pulse);
    for (int dx : {-3, 3}) font_.Render(x + float(dx), y, "GLOW", 1);
    font_.Alpha(1.0f);
    font_.Color(255, 200, 120);
    font_.Render(x, y, "GLOW", 1);
  }

  // One of five kinds of effect at a random place in the right panel.
  void Spawn() {
    float x = RandF(kRight + 70, kRight + kRightW - 70), y = RandF(150, 500);
    int r, g, b;
    Hue(RandF(0, 1), r, g, b);
    float red = float(std::max(r, 90)), green = float(std::max(g, 90)),
          blue = float(std::max(b, 90));
    switch (kind_++ % 5) {
      case 0:  // a score that rises and fades
        font_.FontFX("+" + std::to_string(50 * int(RandF(1, 20))), x, y, 0.006f, 0.0009f, 350, 0,
                     -0.045f, 0, 0, 0, 0.7f, 0.0001f, 2, 0, red, green, blue, ALPHABLEND);
        break;
      case 1:  // coins thrown up that fall back
        for (int k = 0; k < 3; ++k)
          font_.FontFX("$", x, std::min(y + 40, 440.0f), 0.01f, 0.0012f, 500, RandF(-0.09f, 0.09f),
                       -0.28f, 0, 0.0005f, 0, 0.6f, 0, 2, 0, 255, 215, 80, ALPHABLEND);
        break;
      case 2:  // a word that grows as it fades
        font_.FontFX("ZOOM", std::clamp(x, kRight + 110, kRight + kRightW - 110), y, 0.01f, 0.001f,
                     150, 0, 0, 0, 0, 0, 0.3f, 0.0011f, 2, 0, red, green, blue, ALPHABLEND);
        break;
      case 3:  // letters that draw apart
        font_.FontFX("APART", x, y, 0.006f, 0.0009f, 250, 0, 0.02f, 0, 0, 0, 0.55f, 0, 0, 0.02f,
                     red, green, blue, ALPHABLEND);
        break;
      default:  // praise that waits, then drifts off sideways
        font_.FontFX(kPraise[int(RandF(0, 2.99f))], x, y, 0.005f, 0.001f, 450, 0.06f, -0.01f, 0, 0,
                     300, 0.75f, 0, 2, 0, 255, 255, 255, ALPHABLEND);
        break;
    }
  }

  static constexpr const char* kPraise[] = {"Great!", "Perfect!", "COMBO x3"};
  MGE_GameSystem& kit_;
  MGE_BMFontHandler& font_;
  float time_ = 0, spawn_clock_ = 0;
  int kind_ = 0;
};

const bool registered =
    RegisterScreen({20, "fonts", "Bitmap fonts: texts and effects",
                    [](MGE_GameSystem& kit) { return std::make_unique<FontsScreen>(kit); }});

}  // namespace
}  // namespace tour
