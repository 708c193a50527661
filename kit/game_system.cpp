#include "kit/game_system.hpp"

#include <string>

#include "kit/projection.hpp"
#include "kit/sprites/emitter_handler.hpp"
#include "kit/sprites/explosion_handler.hpp"
#include "kit/sprites/map_handler.hpp"
#include "kit/sprites/sprite_handler.hpp"
#include "kit/truncate.hpp"
#include "platform/clock.hpp"
#include "platform/graphics.hpp"
#include "platform/host.hpp"
#include "platform/input.hpp"
#include "platform/pixmap.hpp"
#include "platform/system.hpp"

namespace {

void SleepTwentyMs() { SleepMilliseconds(20); }


}  // namespace

MGE_GameSystem::MGE_GameSystem()
    : Pack(std::make_unique<MGE_Pack>()),
      Sprite(std::make_unique<MGE_SpriteHandler>()),
      Explosion(std::make_unique<MGE_ExplosionHandler>()),
      Emitter(std::make_unique<MGE_EmitterHandler>()),
      Map(std::make_unique<MGE_MapHandler>()),
      Font(std::make_unique<MGE_BMFontHandler>()),
      Texture(std::make_unique<MGE_TextureHandler>()),
      Mouse(std::make_unique<MGE_MouseType>()),
      ScreenFader(std::make_unique<MGE_ScreenFaderType>()) {}

MGE_GameSystem::~MGE_GameSystem() = default;

int MGE_GameSystem::SleepMs(int ms) {
  SleepMilliseconds(ms);
  return 0;
}

int MGE_GameSystem::SetOnAppSuspendFunc(MGE_AppFunction f) {
  KitState().suspendFunction = f ? std::move(f) : [] {};
  return 0;
}

int MGE_GameSystem::SetOnAppResumeFunc(MGE_AppFunction f) {
  KitState().resumeFunction = f ? std::move(f) : [] {};
  return 0;
}

int MGE_GameSystem::SetSpriteEventFunction(MGE_SpriteEventFunction f) {
  KitState().spriteEventFunction = f ? std::move(f) : [](MGE_Sprite*, int) { return 0; };
  return 0;
}

int MGE_GameSystem::Start() {
  MGE_KitState& kit = KitState();
  kit.spriteEventFunction = [](MGE_Sprite*, int) { return 0; };
  kit.suspendFunction = SleepTwentyMs;
  kit.resumeFunction = SleepTwentyMs;
  vorpel::kitMapOffsetCells[0] = vorpel::kitMapOffsetCells[1] = 0.0f;
  kit.mapOffsetX = &vorpel::kitMapOffsetCells[0];
  kit.mapOffsetY = &vorpel::kitMapOffsetCells[1];
  kit.deltaArray.fill(0.0f);
  // The last frame time stays as it is: the first frame after start-up enters the ring capped.
  kit.fpsTimer = MillisecondClock();
  kit.mouseScaleX = kit.mouseScaleY = 1.0f;
  kit.mouseOffsetX = kit.mouseOffsetY = 0.0f;
  return 0;
}

int MGE_GameSystem::Finish() {
  MGE_TextureHandler::ReleaseAllSlots();
  Pack.reset();
  Sprite.reset();
  Explosion.reset();
  Emitter.reset();
  Map.reset();
  Font.reset();
  Texture.reset();
  Mouse.reset();
  ScreenFader.reset();
  MGE_KitState& kit = KitState();
  kit.suspendFunction = [] {};
  kit.resumeFunction = [] {};
  GraphicsClose();
  FlushInput();
  SetMouseVisible(true);
  return 0;
}

int MGE_GameHelpers::GameWidth() { return TruncToInt(KitState().gameWidth); }
int MGE_GameHelpers::GameHeight() { return TruncToInt(KitState().gameHeight); }
int MGE_GameSystem::GetGameWidth() { return GameWidth(); }
int MGE_GameSystem::GetGameHeight() { return GameHeight(); }
int MGE_GameSystem::GetScreenWidth() { return KitState().screenWidth; }
int MGE_GameSystem::GetScreenHeight() { return KitState().screenHeight; }

namespace {
void UseDriver(MGE_KitState& kit, int driver) {
  kit.directXInUse = 1;
  kit.directX9InUse = 0;
  if (driver == kDriverD3D7 || driver == kDriverD3D9 || driver == kDriverOpenGL)
    SetDrawDriver(driver);
  if (driver == kDriverD3D9) kit.directX9InUse = 1;
  if (driver == kDriverOpenGL) kit.directXInUse = 0;
}
}  // namespace

int MGE_GameSystem::UseScreen(int screenWidth, int screenHeight, float gameWidth,
                              float gameHeight, int driver) {
  MGE_KitState& kit = KitState();
  if (screenWidth > 0 && screenHeight > 0) {
    kit.screenWidth = screenWidth;
    kit.screenHeight = screenHeight;
  }
  kit.gameWidth = gameWidth;
  kit.gameHeight = gameHeight;
  UseDriver(kit, driver);
  return 1;
}

int MGE_GameSystem::Grafix(float gameWidth, float gameHeight, int screenWidth, int screenHeight,
                           int depth, int driver, int hertz, int projectionMode, int stretch,
                           int windowSetup) {
  MGE_KitState& kit = KitState();
  kit.screenWidth = screenWidth;
  kit.screenHeight = screenHeight;
  kit.screenDepth = depth;
  kit.gameWidth = gameWidth;
  kit.gameHeight = gameHeight;
  kit.projectionMode = projectionMode;
  UseDriver(kit, driver);

  if (!GraphicsOpen(screenWidth, screenHeight, depth, hertz, 0)) return 0;
  // The minimise box needs nothing here: the system's windows have one.
  if (depth == 0 && windowSetup == 1) CentreActiveWindowOnDesktop();

  SetAutoMidHandle(false);
  ResetDeltaArray();
  ResetRenderStates();
  kit.mouseScaleX = kit.mouseScaleY = 1.0f;
  kit.mouseOffsetX = kit.mouseOffsetY = 0.0f;
  if (projectionMode == 1) {
    if (stretch == 1)
      ProjectionMatrix::SetScale(TruncToInt(gameWidth), TruncToInt(gameHeight));
    else
      ProjectionMatrix::SetLetterbox(TruncToInt(gameWidth), TruncToInt(gameHeight));
  }
  if (!kit.screenFader) kit.screenFader = std::make_shared<MGE_ScreenFaderType>();
  kit.gameOutline = {0.0f, 0.0f, gameWidth, 0.0f, gameWidth, gameHeight, 0.0f, gameHeight};
  return 1;
}

int MGE_GameSystem::BeginScene(int clear) {
  MGE_KitState& kit = KitState();
  if (kit.flashActive) {
    float fade = kit.flashSpeed * vorpel::FrameDelta;
    for (float* c : {&kit.clearRed, &kit.clearGreen, &kit.clearBlue}) {
      if (*c > 0.0f) *c -= fade;
      if (*c < 0.0f) *c = 0.0f;
    }
    SetClsColor(TruncToInt(kit.clearRed), TruncToInt(kit.clearGreen), TruncToInt(kit.clearBlue));
    if (kit.clearRed == 0.0f && kit.clearGreen == 0.0f && kit.clearBlue == 0.0f)
      kit.flashActive = 0;
  }
  if (clear) Cls();
  return 0;
}

int MGE_GameSystem::ScreenFadeOut(int r, int g, int b, float speed) {
  if (MGE_ScreenFaderType* fader = KitState().screenFader.get()) {
    fader->alpha = 0.0f;
    fader->active = 1;
    fader->red = r;
    fader->green = g;
    fader->blue = b;
    fader->fadespeed = speed;
  }
  return 0;
}

int MGE_GameSystem::ScreenFadeIn(int r, int g, int b, float speed) {
  if (MGE_ScreenFaderType* fader = KitState().screenFader.get())
    fader->StartFadeIn(r, g, b, speed);
  return 0;
}

int MGE_GameSystem::IsScreenFading() {
  const MGE_ScreenFaderType* fader = KitState().screenFader.get();
  return fader ? fader->IsFading() : 0;
}

int MGE_GameSystem::ScreenFlash(float r, float g, float b, float speed) {
  MGE_KitState& kit = KitState();
  kit.clearRed = r;
  kit.clearGreen = g;
  kit.clearBlue = b;
  kit.flashSpeed = speed;
  kit.flashActive = 1;
  return 0;
}

int MGE_GameSystem::SetClearScreenColor(float r, float g, float b) {
  MGE_KitState& kit = KitState();
  kit.clearRed = r;
  kit.clearGreen = g;
  kit.clearBlue = b;
  SetClsColor(TruncToInt(r), TruncToInt(g), TruncToInt(b));
  return 0;
}

int MGE_GameSystem::SetScreenRenderOffset(float x, float y) {
  MGE_KitState& kit = KitState();
  kit.renderOffsetX = x;
  kit.renderOffsetY = y;
  kit.spriteDrawOffsetX = x + kit.spriteRenderOffsetX;
  kit.spriteDrawOffsetY = y + kit.spriteRenderOffsetY;
  return 0;
}

int MGE_GameSystem::ResetRenderStates() {
  SetColor(255, 255, 255);
  SetBlend(ALPHABLEND);
  SetAlpha(1.0f);
  SetTransform(0.0f, 1.0f, 1.0f);
  return 0;
}

int MGE_GameSystem::DimScreen(float alpha) {
  const MGE_KitState& kit = KitState();
  return DimScreenArea(0.0f, 0.0f, kit.gameWidth, kit.gameHeight, alpha);
}

int MGE_GameSystem::DimScreenArea(float x, float y, float w, float h, float alpha) {
  SetTransform(0.0f, 1.0f, 1.0f);
  SetColor(0, 0, 0);
  SetAlpha(alpha);
  SetBlend(ALPHABLEND);
  DrawRect(x, y, w, h);
  return 0;
}

int MGE_GameSystem::SaveScreenShot(int png) {
  MGE_KitState& kit = KitState();
  PixmapPtr shot = GrabPixmap(0, 0, kit.screenWidth, kit.screenHeight);
  if (!shot) return 0;
  std::string name = "screenshot" + std::to_string(++kit.screenshotCounter);
  if (png)
    PixmapSavePNG(*shot, name + ".png", 0);
  else
    PixmapSaveJPEG(*shot, name + ".jpg", 100);
  return 0;
}

int MGE_GameSystem::ClearKey(int key) {
  while (KeyIsDown(key)) SleepMilliseconds(15);
  return 0;
}
