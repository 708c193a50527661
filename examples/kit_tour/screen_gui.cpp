// GUI sprites driving emitters: three buttons choose what the fountain emits, the check box
// turns a wind on, the slider sets how often it bursts, and a circling bubble carries an
// emitter of its own. Until the real pointer moves, a scripted pointer works the controls.
#include <array>
#include <cmath>

#include "examples/kit_tour/tour.hpp"
#include "examples/kit_tour/tour_art.hpp"
#include "kit/mouse.hpp"
#include "kit/sprites/emitter_handler.hpp"
#include "kit/sprites/sprite_handler.hpp"
#include "platform/graphics.hpp"
#include "platform/input.hpp"
#include "platform/system.hpp"

namespace tour {
namespace {

constexpr int kControlLayer = 1, kStageLayer = 2;
constexpr float kButtonX = 84, kCheckY = 455;
constexpr float kButtonY[3] = {138, 232, 326};
constexpr const char* kButtonNames[3] = {"Fire", "Smoke", "Stars"};
constexpr float kStageX = 272, kStageW = 504, kFountainX = kStageX + kStageW / 2;
constexpr float kTrackLeft = 360, kTrackTop = 502, kTrackWidth = 316;

// The scripted pointer: where it is at each moment (milliseconds) and whether it is pressed.
// Between two cues it glides; the script then starts again.
struct Cue {
  float t, x, y;
  bool down;
};
constexpr float kKnobY = kTrackTop + 18;
constexpr Cue kScript[] = {
    {0, 420, 300, false},        {700, 84, 326, false},       {900, 84, 326, true},
    {1050, 84, 326, false},      {1800, 84, kCheckY, false},  {2000, 84, kCheckY, true},
    {2150, 84, kCheckY, false},  {2900, 480, kKnobY, false},  {3100, 480, kKnobY, true},
    {4100, 640, kKnobY, true},   {4300, 640, kKnobY, false},  {5100, 84, 138, false},
    {5300, 84, 138, true},       {5450, 84, 138, false},      {6200, 84, kCheckY, false},
    {6400, 84, kCheckY, true},   {6550, 84, kCheckY, false},  {7300, 84, 232, false},
    {7500, 84, 232, true},       {7650, 84, 232, false},      {8400, 640, kKnobY, false},
    {8600, 640, kKnobY, true},   {9400, 480, kKnobY, true},   {9600, 480, kKnobY, false},
    {10400, 420, 300, false}};

// What the fountain emits for each button, before wind and rate.
MGE_EmitterConfig Preset(int which) {
  MGE_EmitterConfig c;
  c.img = kSlotEffects;
  c.frames = 1;
  c.xscale = c.yscale = 1;
  c.x = kFountainX;
  c.y = 430;
  c.style = 0;
  c.velocityangle = 270;  // up
  c.startrot = 0;
  switch (which) {
    case 0:  // fire: glowing blobs that rise and shrink
      c.srcx = kGlow.x, c.srcy = kGlow.y, c.srcwidth = kGlow.w, c.srcheight = kGlow.h;
      c.scale = 0.6f, c.scaledir = -0.0005f, c.alphafadespeed = 0.0011f;
      c.blend = LIGHTBLEND, c.red = 255, c.green = 110, c.blue = 40;
      c.xrandom = 22, c.yrandom = 4, c.velocitymin = 0.06f, c.velocitymax = 0.14f;
      c.rotatedir = 0.05f, c.spawns = 3, c.frequencyspeed = 30;
      break;
    case 1:  // smoke: grey puffs that swell and drift
      c.srcx = kPuff.x, c.srcy = kPuff.y, c.srcwidth = kPuff.w, c.srcheight = kPuff.h;
      c.scale = 0.6f, c.scaledir = 0.0009f, c.alphafadespeed = 0.0005f;
      c.blend = ALPHABLEND, c.red = 190, c.green = 192, c.blue = 210;
      c.xrandom = 14, c.velocitymin = 0.03f, c.velocitymax = 0.08f;
      c.rotatedir = 0.03f, c.spawns = 2, c.frequencyspeed = 60;
      break;
    default:  // stars of every colour, thrown every way, falling back
      c.srcx = kFlare.x, c.srcy = kFlare.y, c.srcwidth = kFlare.w, c.srcheight = kFlare.h;
      c.scale = 0.9f, c.scaledir = -0.0005f, c.alphafadespeed = 0.0008f;
      c.blend = LIGHTBLEND, c.red = c.green = c.blue = -1;
      c.style = 1, c.velocitymin = 0.06f, c.velocitymax = 0.2f, c.ygravity = 0.00012f;
      c.rotatedir = 0.2f, c.spawns = 4, c.frequencyspeed = 60;
      break;
  }
  return c;
}

class GuiScreen : public Screen {
 public:
  explicit GuiScreen(MGE_GameSystem& kit)
      : kit_(kit), sprites_(*kit.Sprite), emitters_(*kit.Emitter) {
    emitters_.Init(1);
    for (int i = 0; i < 3; ++i) {
      buttons_[std::size_t(i)] =
          NewSprite(kit_, kControlLayer, kSlotGui, kButtonStrip[i], kButtonX, kButtonY[i]);
      sprites_.AutoSpriteButton(buttons_[std::size_t(i)].get());
    }
    check_ = NewSprite(kit_, kControlLayer, kSlotGui, kCheckStrip, kButtonX, kCheckY);
    sprites_.AutoSpriteCheckBox(check_.get(), 0);
    knob_ = NewSprite(kit_, kControlLayer, kSlotGui, kKnob, 0, kKnobY);
    knob_->scale = 0.8f;
    sprites_.AutoSpriteSlider(knob_.get(), kTrackLeft, kTrackTop, kTrackWidth, 36, 120);
    fountain_ = emitters_.GetNewEmitter(1, Preset(0));
    Rider();
    MGE_GameSystem::SetSpriteEventFunction([this](MGE_Sprite* s, int code) {
      OnEvent(s, code);
      return 0;
    });
    MGE_MouseType::SetImage(kSlotGui, kPointer.x, kPointer.y, kPointer.w, kPointer.h, -3, -2);
    SetMouseVisible(false);
    Apply();
  }

  ~GuiScreen() override {
    // A scripted press must not outlive the screen.
    if (autopilot_ && MouseIsDown(1)) InjectMouseButton(1, false);
    MGE_GameSystem::SetSpriteEventFunction(nullptr);
    MGE_MouseType::Hide();
    SetMouseVisible(true);
  }

  void Step() override {
    Autopilot();
    sprites_.UpdateSprites();
    emitters_.UpdateEmitters();
  }

  void Draw() override {
    MGE_GameSystem::BlitS(kSlotBackdrops, kSky.x, kSky.y, kSky.w, kSky.h, 0, 0,
                          kWidth / float(kSky.w), kHeight / float(kSky.h));
    Frame(24, 60, 230, 496, 1, 12, 14, 34, 0.75f);
    Frame(kStageX, 60, kStageW, 496, 1, 6, 8, 20, 0.8f);
    Label(kit_, 36, 68, "Buttons", 0.36f, 130, 170, 255);
    Label(kit_, 36, 386, "Check box", 0.36f, 130, 170, 255);
    Label(kit_, kStageX + 12, 68, "Emitters", 0.36f, 130, 170, 255);
    for (int i = 0; i < 3; ++i)
      Label(kit_, 138, kButtonY[i] - 12, kButtonNames[i], 0.6f, i == preset_ ? 255 : 190,
            i == preset_ ? 230 : 200, i == preset_ ? 140 : 220);
    Label(kit_, 138, kCheckY - 12, wind_ ? "Wind on" : "Wind off", 0.6f, 190, 200, 220);
    MGE_GameSystem::BlitR(kSlotGui, kTrack.x, kTrack.y, kTrack.w, kTrack.h, kTrackLeft - 12,
                          kTrackTop, 1, 1, 0, ALPHABLEND, 255, 255, 255);
    Label(kit_, kTrackLeft - 76, kTrackTop + 8, "Rate", 0.42f, 190, 200, 220);
    emitters_.RenderEmitters();
    sprites_.RenderSprites();
  }

 private:
  // A bubble circling the fountain, trailing glows from an emitter of its own.
  void Rider() {
    constexpr float kScale = 0.3f;
    MGE_SpritePtr hub = NewSprite(kit_, kStageLayer, kSlotEffects, kSpark, kFountainX, 250);
    hub->alpha = 0;
    MGE_SpritePtr bubble = NewAtlasSprite(kit_, "4", kStageLayer, kFountainX, 250);
    bubble->scale = kScale;
    sprites_.AutoSpriteOrbitSprite(bubble.get(), hub, 150, 0.06f, 0, 0);
    // A sprite's emitter works at the sprite's scale: the emitter takes it once, and every
    // particle's size, growth, speed and scatter once more. These are the values wanted on
    // screen divided accordingly.
    MGE_EmitterConfig c;
    c.img = kSlotEffects;
    c.srcx = kGlow.x, c.srcy = kGlow.y, c.srcwidth = kGlow.w, c.srcheight = kGlow.h;
    c.frames = 1;
    c.scale = 0.45f / (kScale * kScale), c.scaledir = -0.0005f / kScale;
    c.xscale = c.yscale = 1;
    c.alphafadespeed = 0.0013f, c.blend = LIGHTBLEND;
    c.red = 90, c.green = 210, c.blue = 255;
    c.style = 1, c.velocitymin = 0.01f / kScale, c.velocitymax = 0.04f / kScale;
    c.xrandom = c.yrandom = 6 / kScale, c.spawns = 1, c.frequencyspeed = 20, c.onsprite = 1;
    c.startrot = 9;
    sprites_.GetNewSpriteEmitter(bubble.get(), c);
    sprites_.SetSpriteEmitterOnBottom(bubble.get());
  }

  void OnEvent(MGE_Sprite* s, int code) {
    if (code == 8) {
      for (int i = 0; i < 3; ++i)
        if (s == buttons_[std::size_t(i)].get()) preset_ = i;
    } else if (code == 9 || code == 10) {
      wind_ = code == 10;
    } else if (code != 12) {
      return;
    }
    Apply();
  }

  // The fountain takes the chosen preset, the wind and the slider's rate.
  void Apply() {
    MGE_EmitterConfig c = Preset(preset_);
    if (wind_) c.xgravity += 0.00025f;
    float rate = knob_->gui_value / (kTrackWidth - 1.0f);
    c.frequencyspeed *= 1.8f - 1.5f * rate;
    static_cast<MGE_EmitterConfig&>(*fountain_) = c;
  }

  // Plays the script through injected pointer input until the real pointer moves.
  void Autopilot() {
    if (!autopilot_) return;
    if (time_ > 0 && (MousePosX() != last_x_ || MousePosY() != last_y_)) {
      autopilot_ = false;
      return;
    }
    constexpr std::size_t kCues = sizeof(kScript) / sizeof(kScript[0]);
    float t = std::fmod(time_, kScript[kCues - 1].t);
    std::size_t i = 0;
    while (i + 2 < kCues && kScript[i + 1].t <= t) ++i;
    const Cue& a = kScript[i];
    const Cue& b = kScript[i + 1];
    float k = (t - a.t) / (b.t - a.t);
    last_x_ = int(a.x + (b.x - a.x) * k);
    last_y_ = int(a.y + (b.y - a.y) * k);
    InjectMouseMove(last_x_, last_y_);
    if (a.down != MouseIsDown(1)) InjectMouseButton(1, a.down);
    time_ += vorpel::FrameDelta;
  }

  MGE_GameSystem& kit_;
  MGE_SpriteHandler& sprites_;
  MGE_EmitterHandler& emitters_;
  std::array<MGE_SpritePtr, 3> buttons_;
  MGE_SpritePtr check_, knob_;
  MGE_EmitterPtr fountain_;
  int preset_ = 0;
  bool wind_ = false;
  bool autopilot_ = true;
  float time_ = 0;
  int last_x_ = 0, last_y_ = 0;
};

const bool registered =
    RegisterScreen({50, "gui", "GUI sprites driving emitters",
                    [](MGE_GameSystem& kit) { return std::make_unique<GuiScreen>(kit); }});

}  // namespace
}  // namespace tour
