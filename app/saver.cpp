#include "app/saver.hpp"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <numeric>
#include <string>

#include "app/app_state.hpp"
#include "app/fixed_rate_pass.hpp"
#include "app/run_stats.hpp"
#include "app/saver_settings.hpp"
#include "app/shared_ops.hpp"
#include "app/smooth_frame_rate.hpp"
#include "kit/display.hpp"
#include "kit/kit_state.hpp"
#include "kit/sprites/sprite_handler.hpp"
#include "kit/truncate.hpp"
#include "platform/graphics.hpp"
#include "platform/host.hpp"
#include "platform/input.hpp"
#include "platform/random.hpp"
#include "platform/system.hpp"

namespace {

constexpr float kSceneFade = 0.0005f;  // a fade takes 2000 ms of scene time
constexpr int kBubbleLayer = 3, kSpeckLayer = 2;
constexpr float kBurstNever = -800;

MGE_SpriteHandler& Sprites() { return *Kit->Sprite; }
float Rnd2(double a, double b) { return float(Rnd(a, b)); }

// The movement bounds of every bubble: 200 units beyond each edge.
struct Bounds {
  float left, top, right, bottom;
};
Bounds MoveBounds() { return {-200, -200, Scene.vw + 200, Scene.vh + 200}; }

MGE_SpritePtr NewBubble(float x, float y, int layer) {
  return Sprites().GetNewSpriteFromPack(Scene.bubble_name, x, y, layer, 1);
}

void Move(MGE_Sprite* b, float xspeed, float yspeed, float xthrust, float ythrust) {
  Bounds r = MoveBounds();
  Sprites().AutoSpriteMove(b, xspeed, yspeed, xthrust, ythrust, r.left, r.top, r.right, r.bottom, 0);
}

// Rising with a sideways sine sway: the path every ordinary bubble takes.
void Rise(MGE_Sprite* b, float yspeed, float ythrust) {
  Bounds r = MoveBounds();
  Sprites().AutoSpriteMoveRadius(b, 0, yspeed, 0, ythrust, Rnd2(0, 359), Rnd2(0.1, 0.3), 0.025f,
                                 0, 0, 0, r.left, r.top, r.right, r.bottom, 0);
}

// What the bubble hook keeps in a bubble's free values.
float& BurstHeight(MGE_Sprite& s) { return s.var1; }  // it bursts once above it (kBurstNever)
float& GrowthRate(MGE_Sprite& s) { return s.var2; }   // scale gained per millisecond (specks)

void Dress(MGE_Sprite* b) {
  b->blend = Scene.bubble_blend;
  b->rot = Scene.bubble_rotation;
}

void CreateOrdinaryBubble() {
  int x = Rand(0, TruncToInt(Scene.vw));
  if (MGE_GameSystem::GetChance(3)) {
    MGE_SpritePtr speck = NewBubble(float(x), Scene.vh + 200, kSpeckLayer);
    if (!speck) return;
    GrowthRate(*speck) = 0.0005f;
    BurstHeight(*speck) = kBurstNever;
    Rise(speck.get(), Rnd2(-0.025, -0.07), -0.00001f);
    speck->scale = 0.05f;
    speck->SetEngineHook(BubbleHook);
    Dress(speck.get());
    return;
  }
  MGE_SpritePtr bubble = NewBubble(float(x), Scene.vh + 200, kBubbleLayer);
  if (!bubble) return;
  BubbleWobble(bubble.get());
  BurstHeight(*bubble) = kBurstNever;
  if (MGE_GameSystem::GetChance(10)) BurstHeight(*bubble) = float(Rand(80, 300));
  Rise(bubble.get(), Rnd2(-0.025, -0.07), 0);
  bubble->scale = Rnd2(0.25, 1);
  if (MGE_GameSystem::GetChance(20)) Rise(bubble.get(), Rnd2(-0.05, -0.3), 0);
  bubble->SetEngineHook(BubbleHook);
  Dress(bubble.get());
}

// Each stream bubble: small, wobbling about its own scale, fading as it goes.
void FinishStreamBubble(MGE_Sprite* b, float scale, float fade) {
  b->scale = scale;
  BubbleWobble(b);
  b->SetEngineHook(BubbleHook);
  BurstHeight(*b) = kBurstNever;
  Sprites().AutoSpriteAlphaFadeOff(b, fade);
  Dress(b);
}

void SideStreams(float dt) {
  if (Scene.side_remaining == 0) {
    Scene.side_countdown -= dt;
    if (Scene.side_countdown < 1) {
      Scene.side_countdown = float(Rand(3, 10) * 1000);
      Scene.side_remaining = 1000;
      Scene.side = Rand(1, 3);
      int vw = TruncToInt(Scene.vw), vh = TruncToInt(Scene.vh);
      if (Scene.side == 1) {
        Scene.side_x = -50;
        Scene.side_y = float(Rand(20, TruncToInt(Scene.vh - 20)));
      } else if (Scene.side == 2) {
        Scene.side_x = float(vw + 50);
        Scene.side_y = float(Rand(20, TruncToInt(Scene.vh - 20)));
      } else {
        Scene.side_x = float(Rand(20, TruncToInt(Scene.vw - 20)));
        Scene.side_y = float(vh + 50);
      }
    }
  }
  if (Scene.side_remaining <= 0) return;
  Scene.side_remaining -= dt;
  if (Scene.side_remaining < 1) Scene.side_remaining = 0;
  for (int i = 0; i < 3; ++i) {
    MGE_SpritePtr b = NewBubble(Scene.side_x, Scene.side_y, kBubbleLayer);
    if (!b) return;
    if (Scene.side == 1) Move(b.get(), Rnd2(0.025, 0.3), -Rnd2(0.025, 0.04), 0, -0.00001f);
    else if (Scene.side == 2) Move(b.get(), -Rnd2(0.025, 0.3), -Rnd2(0.025, 0.04), 0, -0.00001f);
    else Move(b.get(), Rnd2(-0.005, 0.005), -Rnd2(0.025, 0.225), 0, -0.00001f);
    FinishStreamBubble(b.get(), Rnd2(0.1, 0.4), Rnd2(0.00005, 0.0015));
  }
}

void CornerStreams(float dt) {
  if (Scene.corner_remaining == 0) {
    Scene.corner_countdown -= dt;
    if (Scene.corner_countdown < 1) {
      Scene.corner_countdown = float(Rand(3, 10) * 1000);
      Scene.corner_remaining = 3000;
      Scene.corner_toggle = 1 - Scene.corner_toggle;
      Scene.corner_x = Scene.corner_toggle == 1 ? -20 : Scene.vw + 20;
      Scene.corner_y = Scene.vh + 20;
    }
  }
  if (Scene.corner_remaining <= 0) return;
  Scene.corner_remaining -= dt;
  if (Scene.corner_remaining < 1) Scene.corner_remaining = 0;
  MGE_SpritePtr b = NewBubble(Scene.corner_x, Scene.corner_y, kBubbleLayer);
  if (!b) return;
  if (Scene.corner_x == -20) Move(b.get(), Rnd2(0.04, 0.05), -Rnd2(0.04, 0.05), 0, -0.000005f);
  else if (Scene.corner_x == Scene.vw + 20)
    Move(b.get(), -Rnd2(0.04, 0.05), -Rnd2(0.04, 0.05), 0, -0.000005f);
  FinishStreamBubble(b.get(), Rnd2(0.05, 0.2), Rnd2(0.0001, 0.0003));
}

void MouseGuard(float dt) {
  if (Scene.mouse_grace_timer > -1) {
    Scene.mouse_grace_timer += dt;
    if (Scene.mouse_grace_timer > 1000) {
      Scene.mouse_grace_timer = -1;
      Scene.mouse_reference_x = MGE_MouseType::X();
    }
  } else if (std::fabs(MGE_MouseType::X() - Scene.mouse_reference_x) > 25) {
    RunMode = kRunFinished;
  }
}

// An offset period after which both background layers look the same again: the back one is
// drawn at half the offset, so a common multiple of the front's size and twice the back's.
float ScrollPeriod(int front, int back) {
  constexpr int kTile = 256;  // the tiles' size, for a layer not loaded
  return float(std::lcm(front > 0 ? front : kTile, 2 * (back > 0 ? back : kTile)));
}

// The sway phase stays within one turn and the offsets within one period of the tiling, so each
// step keeps its size however long the saver runs: a float growing without bound would round a
// step of 0.1 away after a day and stop the phase after a day and a half.
void Sway(float dt) {
  Scene.sway_phase = std::fmod(Scene.sway_phase + 0.03f * dt, 360.0f);
  Scene.background_x += std::cos(Scene.sway_phase * float(M_PI) / 180.0f) * 0.1f;
  Scene.background_y -= 0.1f;
  const ImagePtr &front = Scene.front_layer, &back = Scene.back_layer;
  Scene.background_x = std::fmod(Scene.background_x, ScrollPeriod(front ? front->width : 0,
                                                                   back ? back->width : 0));
  Scene.background_y = std::fmod(Scene.background_y, ScrollPeriod(front ? front->height : 0,
                                                                   back ? back->height : 0));
}

void SetChange(float dt) {
  MGE_ScreenFaderType& fader = *Kit->ScreenFader;
  if (!fader.IsFading()) Scene.change_timer += dt;
  if (Scene.change_timer > Scene.change_interval) {
    Scene.change_timer = 0;
    Scene.change_pending = 1;
    fader.StartFadeOut(0, 0, 0, kSceneFade);
  }
  if (Scene.change_pending == 1 && !fader.IsFading()) {
    Scene.BubbleSet += 1;
    if (Scene.BubbleSet == 11) Scene.BubbleSet = 1;
    SelectBubbleSet(Scene.BubbleSet);
    fader.StartFadeIn(0, 0, 0, kSceneFade);
    Scene.change_pending = 0;
  }
}

}  // namespace

void ChooseVirtualSize(float aspect, int wideW, int wideH, int stdW, int stdH, int stdStretch,
                       int& width, int& height, int& stretch, bool& wide) {
  wide = aspect > 1.5f;
  width = wide ? wideW : stdW;
  height = wide ? wideH : stdH;
  stretch = wide ? 1 : stdStretch;
}

float CreationInterval(int howOften) { return float(std::int64_t{299} - howOften) * 1.5f; }

float ChangeInterval(int change) {
  return float((std::int64_t{299} - change) / 5 * 1000 + 1000);
}

int SaverGraphics(int wideW, int wideH, int stdW, int stdH, int stdStretch) {
  float desktop_w = float(GetDesktopWidth(0)), desktop_h = float(GetDesktopHeight(0));
  float aspect = desktop_h > 0 ? desktop_w / desktop_h : 0;
  LoadSaverSettings(*SettingsDocument);
  Kit->Start();
  SetMouseVisible(true);

  int vw, vh, stretch;
  bool wide;
  ChooseVirtualSize(aspect, wideW, wideH, stdW, stdH, stdStretch, vw, vh, stretch, wide);
  int mode_w = TruncToInt(desktop_w), mode_h = TruncToInt(desktop_h);
  const ModeSize* begin = wide ? std::begin(WideModes) : std::begin(StandardModes);
  const ModeSize* end = wide ? std::end(WideModes) : std::end(StandardModes);
  for (const ModeSize* m = begin; m != end; ++m)
    if (GraphicsModeExists(m->width, m->height, 32)) {
      mode_w = m->width;
      mode_h = m->height;
      break;
    }
  Scene.vw = float(vw);
  Scene.vh = float(vh);
  int ok = MGE_GameSystem::Grafix(float(vw), float(vh), mode_w, mode_h, 32, kDriverD3D7, 60, 1,
                                  stretch, 1);
  SetActiveWindowIcon();
  if (!ok) {
    Notify("Could not create graphics screen. Please restart the program.", true);
    std::exit(0);
  }
  SetMouseVisible(false);
  MGE_TextureHandler::Init(1);
  Sprites().Init(3);
  SetActiveWindowIcon();
  return ok;
}

void SaverSetUp() {
  if (IsInstanceLocked("SaverModeLock")) std::exit(0);
  // The configuration screen renamed the windows; the saver's own is found by this title.
  SetAppTitle(kApplicationTitle);
  LoadSaverSettings(*SettingsDocument);
  GraphicsOpened = 1;
  Kit->Start();
  SaverGraphics(800, 500, 800, 600, 1);
  SetWindowTopmost(FindWindowByTitle(kApplicationTitle), true);
  FlushAppInput();
  ResetTiming();
  RunMode = kRunSaver;
  OpenBubbleScene();
}

void OpenBubbleScene() {
  MGE_TextureHandler::Init(1);
  Sprites().Init(3);
  SaverSceneStart();
}

void SaverSceneStart() {
  MGE_TextureHandler::Load(1, "incbin::image1.png", FILTEREDIMAGE | MIPMAPPEDIMAGE);
  // Made now, while little else is held: the decoded picture is given up before a frame needs
  // memory of its own.
  MGE_TextureHandler::CacheIntoVram(1);
  MGE_Pack::Read("incbin::image1.pac", 1);
  Kit->ScreenFader->StartFadeIn(0, 0, 0, kSceneFade);
  Scene.side_countdown = float(Rand(100, 1000));
  Scene.corner_countdown = float(Rand(3, 10) * 1000);
  Scene.corner_toggle = Rand(0, 1);
  Scene.mouse_reference_x = MGE_MouseType::X();
  Scene.mouse_grace_timer = 0;
  Scene.creation_interval = CreationInterval(HowOftenValue);
  Scene.change_interval = ChangeInterval(ChangeValue);
  Scene.change_timer = 0;
  Scene.creation_timer = 0;
  Scene.BubbleSet = Rand(1, 10);
  SelectBubbleSet(Scene.BubbleSet);
}

void SaverStep() {
  RunFixedRateSteps(SaverLogic);
  SaverDraw();
  TSmoothFrameRate::Update();
  RunStatsFrame();
  if (KeyHitCount(kKeyEscape)) RunMode = kRunFinished;
  if (KeyHitCount(kKeySpace)) RunMode = kRunFinished;
  if (AppTerminateQuery()) RunMode = kRunFinished;
}

void SaverLogic() {
  float dt = vorpel::FrameDelta;
  if (Scene.watch_mouse) MouseGuard(dt);
  Kit->ScreenFader->Update();
  Sprites().UpdateSprites();

  Sway(dt);

  Scene.creation_timer += dt;
  if (Scene.creation_timer > Scene.creation_interval) {
    Scene.creation_timer = 0;
    CreateOrdinaryBubble();
  }
  SideStreams(dt);
  CornerStreams(dt);
  SetChange(dt);
}

int BubbleHook(MGE_Sprite* s) {
  s->x += std::cos(Scene.sway_phase * float(M_PI) / 180.0f) * 0.2f;
  if (s->y < BurstHeight(*s)) {
    int fragments = Rand(3, 12);
    for (int i = 0; i < fragments; ++i) {
      MGE_SpritePtr f = NewBubble(s->x, s->y, kBubbleLayer);
      if (!f) break;
      Rise(f.get(), Rnd2(-0.025, -0.07), 0);
      f->scale = s->scale * Rnd2(0.4, 0.6);
      BubbleWobble(f.get());
      Move(f.get(), Rnd2(-0.05, 0.05), -Rnd2(0.01, 0.1), 0, 0.0001f);
      Sprites().AutoSpriteAlphaFadeOff(f.get(), Rnd2(0.0005, 0.001));
      Dress(f.get());
    }
    Sprites().AutoSpriteAlphaFadeOff(s, 0.002f);
    s->SetEngineHookOff();
  }
  s->scale += GrowthRate(*s) * vorpel::FrameDelta;
  if (s->scale > 3) {
    Sprites().AutoSpriteAlphaFadeOff(s, 0.002f);
    s->SetEngineHookOff();
  }
  return 0;
}

void BubbleWobble(MGE_Sprite* b) {
  float base = b->scale;
  Sprites().AutoSpriteXScale(b, base, base + 0.13f, Rnd2(0.00005, 0.0003), 1);
  Sprites().AutoSpriteYScale(b, base, base + 0.13f, Rnd2(0.00005, 0.0003), 1);
}

void SaverDraw() {
  SaverDrawFrame();
  if (KeyHitCount(kKeyS)) MGE_GameSystem::SaveScreenShot(1);
  Flip(1);
}

void SaverDrawFrame() {
  if (BackgroundOnValue != 0) {
    SetTransform(0, 1, 1);
    SetAlpha(1);
    SetColor(255, 255, 255);
    ImageTileLayers(Scene.back_layer, Scene.background_x * 0.5f, Scene.background_y * 0.5f,
                    Scene.front_layer, Scene.background_x, Scene.background_y);
  } else {
    Cls();
  }
  Sprites().RenderSprites();
  Kit->ScreenFader->Render();
}

void SelectBubbleSet(int n) {
  std::string number = std::to_string(n);
  bool ab = MGE_GameSystem::GetChance(50);
  std::string front = "incbin::" + number + (ab ? "a.png" : "c.png");
  std::string back = "incbin::" + number + (ab ? "b.png" : "d.png");
  Scene.front_layer.reset();
  Scene.back_layer.reset();
  Scene.front_layer = ImageLoad(front, FILTEREDIMAGE | MIPMAPPEDIMAGE);
  Scene.back_layer = ImageLoad(back, FILTEREDIMAGE | MIPMAPPEDIMAGE);
  Scene.bubble_name = number;
  MGE_Pack::GetImageDef(Scene.bubble_name, PackLookup);
  Scene.bubble_blend = ALPHABLEND;
  Scene.bubble_rotation = 0;
  for (int layer : {kSpeckLayer, kBubbleLayer}) {
    MGE_SpriteListPtr list = Sprites().GetSpriteList(layer);
    if (!list) continue;
    list->ForEach([](MGE_Sprite& s) {
      s.SetTexture(1, PackLookup.srcx, PackLookup.srcy, PackLookup.width, PackLookup.height);
      s.blend = ALPHABLEND;
      s.rot = 0;
    });
  }
}
