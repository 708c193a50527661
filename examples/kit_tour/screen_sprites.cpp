// Sprites that move and change by themselves: orbits with trails, a pulsing glow, shock rings,
// spline paths, homing flares, sine-wave streams, gravity bounces and twinkling stars.
#include <cmath>
#include <string>
#include <vector>

#include "examples/kit_tour/tour.hpp"
#include "examples/kit_tour/tour_art.hpp"
#include "kit/sprites/sprite_handler.hpp"
#include "kit/tiler_handler.hpp"
#include "platform/graphics.hpp"

namespace tour {
namespace {

// Sprite layers, drawn from 4 (back) to 1 (front).
enum Layer : int { kFront = 1, kMain = 2, kTrails = 3, kBack = 4 };

constexpr float kSunX = 400, kSunY = 305;
// The homing flares hunt a bubble bouncing in the left column; comets loop on the right.
constexpr float kHuntLeft = 50, kHuntTop = 170, kHuntRight = 230, kHuntBottom = 470;

class SpritesScreen : public Screen {
 public:
  explicit SpritesScreen(MGE_GameSystem& kit) : kit_(kit), sprites_(*kit.Sprite) {
    stars_.InitTiler(kSlotBackdrops, kStars.x, kStars.y, kStars.w, kStars.h, 0, 0, int(kWidth),
                     int(kHeight));
    stars_.SetTilerBlend(LIGHTBLEND);
    stars_.SetTilerDirection(-0.006f, 0.002f);
    Twinkles();
    Sun();
    Orbits();
    Comets();
    Hunt();
  }

  void Step() override {
    stars_.Update();
    Every(wave_clock_, 48, [this] { Waves(); });
    Every(ring_clock_, 1100, [this] { ShockRing(); });
    Every(bounce_clock_, 520, [this] { Bouncer(); });
    sprites_.UpdateSprites();
    for (const MGE_SpritePtr& s : sparks_)
      if (!s->rgbflashing) Flash(s.get());
  }

  void Draw() override {
    MGE_GameSystem::BlitS(kSlotBackdrops, kSky.x, kSky.y, kSky.w, kSky.h, 0, 0,
                          kWidth / float(kSky.w), kHeight / float(kSky.h));
    stars_.Render();
    sprites_.RenderSprites();
    Label(kit_, 140, 146, "homing", 0.4f, 255, 190, 120, 1);
    Label(kit_, kSunX, 472, "orbits, trails, pulses, glow", 0.4f, 170, 220, 255, 1);
    Label(kit_, 660, 146, "spline paths", 0.4f, 150, 255, 230, 1);
    Label(kit_, 400, kTop + 6, "sine waves", 0.4f, 255, 230, 160, 1);
    Label(kit_, 400, 505, "gravity bounce", 0.4f, 200, 255, 170, 1);
  }

 private:
  // Runs f each time the clock has gathered period milliseconds.
  template <class F>
  static void Every(float& clock, float period, F f) {
    clock += vorpel::FrameDelta;
    for (; clock >= period; clock -= period) f();
  }

  MGE_SpritePtr Effect(int layer, Rect r, float x, float y, float scale, int red, int green,
                       int blue) {
    MGE_SpritePtr s = NewSprite(kit_, layer, kSlotEffects, r, x, y);
    s->scale = scale;
    s->blend = LIGHTBLEND;
    sprites_.SetSpriteColor(s.get(), float(red), float(green), float(blue));
    return s;
  }

  // A faint copy every few milliseconds that fades and shrinks: a trail of light.
  void Trail(MGE_Sprite* s, float every, float alpha, float fade) {
    sprites_.AutoSpriteTrails(s, every, alpha, fade, -0.0004f, 0, LIGHTBLEND, 0, 0, 0, 0, 0, 1,
                              kTrails, 0, 0);
  }

  void Twinkles() {
    for (int i = 0; i < 46; ++i) {
      MGE_SpritePtr s = Effect(kBack, kFlare, RandF(10, kWidth - 10), RandF(kTop, kBottom),
                               RandF(0.12f, 0.4f), 255, 255, 255);
      sprites_.SetSpriteColorRandom(s.get(), 170);
      sprites_.AutoSpriteAlphaFade(s.get(), 0.05f, 0.9f, RandF(0.0005f, 0.002f), 1, 0);
      s->alpha = RandF(0.1f, 0.9f);
      sprites_.AutoSpriteRotate(s.get(), 0, 360, RandF(-0.02f, 0.02f), 2);
    }
  }

  // A bubble that breathes and glows: its alpha above 1 adds light over it.
  void Sun() {
    MGE_SpritePtr halo = Effect(kMain, kGlow, kSunX, kSunY, 3.4f, 90, 150, 255);
    sprites_.AutoSpriteAlphaFade(halo.get(), 0.35f, 0.8f, 0.0005f, 1, 0);
    sun_ = NewAtlasSprite(kit_, "3", kMain, kSunX, kSunY);
    sun_->scale = 0.95f;
    sprites_.AutoSpriteScale(sun_.get(), 0.88f, 1.02f, 0.00012f, 1);
    sprites_.AutoSpriteAlphaFade(sun_.get(), 1.0f, 1.45f, 0.0006f, 1, 0);
    sprites_.AutoSpriteRotate(sun_.get(), 0, 360, 0.01f, 2);
  }

  void Orbits() {
    const char* bubbles[] = {"5", "6", "7", "8", "9", "10"};
    for (int i = 0; i < 6; ++i) {
      MGE_SpritePtr s = NewAtlasSprite(kit_, bubbles[i], kMain, kSunX, kSunY);
      s->scale = 0.27f;
      sprites_.AutoSpriteOrbitSprite(s.get(), sun_, 98, 0.075f, float(i) * 60.0f, 0);
      sprites_.AutoSpriteTrails(s.get(), 20, 0.35f, 0.0011f, -0.0002f, 0, LIGHTBLEND, kSlotEffects,
                                kGlow.x, kGlow.y, kGlow.w, kGlow.h, 0, kTrails, 0, 0);
    }
    for (int i = 0; i < 10; ++i) {
      MGE_SpritePtr s = Effect(kMain, kGlow, kSunX, kSunY, 0.5f, 255, 255, 255);
      sprites_.AutoSpriteOrbitSprite(s.get(), sun_, 160, -0.05f, float(i) * 36.0f, 0);
      Trail(s.get(), 16, 0.7f, 0.0012f);
      Flash(s.get());
      sparks_.push_back(s);
    }
  }

  // Moves a spark's colour towards another random one.
  void Flash(MGE_Sprite* s) {
    const float hues[][3] = {{255, 90, 200}, {90, 200, 255}, {255, 220, 90}, {120, 255, 150}};
    const float* to = hues[int(RandF(0, 3.999f))];
    sprites_.AutoSpriteRGBFlash(s, s->red, s->green, s->blue, to[0], to[1], to[2], 0.12f);
  }

  void ShockRing() {
    MGE_SpritePtr s = Effect(kTrails, kRing, kSunX, kSunY, 1.2f, 120, 190, 255);
    sprites_.AutoSpriteScale(s.get(), 0, 9, 0.0042f, 4);
    sprites_.AutoSpriteAlphaFadeOff(s.get(), 0.00075f);
  }

  // Two cubic segments that meet end to end: a figure of eight the comets loop on. Segments 3
  // and 4 are the same two the other way round, so half the comets start halfway.
  void Comets() {
    const float down[] = {660, 175, 800, 235, 520, 450, 660, 510};
    const float up[] = {660, 510, 800, 450, 520, 235, 660, 175};
    for (int k = 0; k < 4; ++k) {
      const float* p = k % 3 == 0 ? down : up;
      MGE_SpriteHandler::ConfigureSpline(k + 1, p[0], p[1], p[2], p[3], p[4], p[5], p[6], p[7]);
    }
    for (int i = 0; i < 10; ++i) {
      bool cyan = i % 2 == 0;
      MGE_SpritePtr s = Effect(kMain, kGlow, 0, 0, 0.5f, cyan ? 80 : 255, cyan ? 255 : 110,
                               cyan ? 230 : 220);
      int first = i < 5 ? 1 : 3;
      sprites_.AutoSpriteSpline(s.get(), first, first + 1, 0.00045f, 0, 0, 1, 1, 0, 0, 0);
      s->spline_counter = float(i % 5) * 0.2f;
      Trail(s.get(), 16, 0.55f, 0.0018f);
    }
  }

  void Hunt() {
    MGE_SpritePtr prey = NewAtlasSprite(kit_, "7", kMain, 140, 300);
    prey->scale = 0.4f;
    sprites_.AutoSpritePong(prey.get(), 0.11f, 0.085f, kHuntLeft, kHuntTop, kHuntRight,
                            kHuntBottom);
    for (int i = 0; i < 3; ++i) {
      MGE_SpritePtr s = Effect(kFront, kFlare, 60 + 50.0f * float(i), 450, 0.75f, 255, 170, 70);
      sprites_.AutoSpriteHoming(s.get(), prey, 270 + 40.0f * float(i), 0.2f + 0.03f * float(i),
                                0.11f, 0, 0, -200, -200, 1000, 800);
      sprites_.AutoSpriteRotate(s.get(), 0, 360, 0.25f, 2);
      sprites_.AutoSpriteTrails(s.get(), 14, 0.6f, 0.0017f, -0.0005f, 0, LIGHTBLEND, kSlotEffects,
                                kGlow.x, kGlow.y, kGlow.w, kGlow.h, 0, kTrails, 0, 0);
    }
  }

  // Two streams of small bubbles flowing right on sine waves half a turn apart: a helix. The
  // wave engine swings a bubble about its start less the amplitude times the cosine of its
  // first angle, so each starts there to share one centre line.
  void Waves() {
    constexpr float kSpeed = 0.3f, kSwing = 0.15f, kCentre = 102;
    const float amplitude = kSwing / (kSpeed * 3.14159265f / 180.0f);
    wave_phase_ += 3.0f;
    for (int stream = 0; stream < 2; ++stream) {
      float angle = wave_phase_ + 180.0f * float(stream);
      float y = kCentre - amplitude * std::cos(angle * 3.14159265f / 180.0f);
      MGE_SpritePtr s = NewAtlasSprite(kit_, stream == 0 ? "2" : "9", kMain, -20, y);
      s->scale = 0.1f;
      s->alpha = 0.0f;
      sprites_.SetSpriteColorRandom(s.get(), 150);
      sprites_.AutoSpriteAlphaFade(s.get(), 0, 0.95f, 0.003f, 3, 0);
      sprites_.AutoSpriteMoveRadius(s.get(), 0.24f, 0, 0, 0, 0, 0, 0, angle, kSpeed, kSwing, -40,
                                    0, kWidth + 40, kHeight, 0);
    }
  }

  void Bouncer() {
    bool from_left = RandF(0, 1) < 0.5f;
    MGE_SpritePtr s = NewAtlasSprite(kit_, std::to_string(int(RandF(1, 10.99f))), kMain,
                                     from_left ? -40 : kWidth + 40, RandF(380, 440));
    s->scale = RandF(0.18f, 0.34f);
    float speed = RandF(0.07f, 0.13f) * (from_left ? 1.0f : -1.0f);
    sprites_.AutoSpriteYBounce(s.get(), speed, 0, 0, 0.0011f, 0.86f, -60, 0, kWidth + 60,
                               kBottom - 8 - s->height * s->scale / 2, 0);
    sprites_.AutoSpriteRotate(s.get(), 0, 360, speed * 4.0f, 2);
  }

  MGE_GameSystem& kit_;
  MGE_SpriteHandler& sprites_;
  MGE_TilerHandler stars_;
  MGE_SpritePtr sun_;
  std::vector<MGE_SpritePtr> sparks_;
  float wave_clock_ = 0, ring_clock_ = 0, bounce_clock_ = 0, wave_phase_ = 0;
};

const bool registered = RegisterScreen(
    {10, "sprites", "Sprites: behaviours and movement engines",
     [](MGE_GameSystem& kit) { return std::make_unique<SpritesScreen>(kit); }});

}  // namespace
}  // namespace tour
