#pragma once
// The game kit's root object. Its instance owns one handler of each kind; its class functions
// open the screen at a virtual game size, run frames and fixed-rate logic, and provide the kit's
// geometry, chance and blitting.
//
// Set-up order (later steps rely on earlier ones):
//   1. RegisterEmbeddedResources() (assets/assets.hpp): "incbin::" names open nothing before it;
//   2. an MGE_GameSystem instance, then Start() (before the first EndScene);
//   3. Grafix(...) opens the screen; nothing can be loaded or drawn before it;
//   4. Texture->Init(n) makes slots 0..n; it must come before Explosion->Init, which loads its
//      picture into slot 0, and before any Texture->Load, Pack->Load or Font->Load;
//   5. the loads, then Sprite->Init(layers) and Emitter->Init();
//   6. per frame: logic steps, BeginScene, drawing, one of the EndScenes; Finish() at the end.
//
// Timing: every speed, fade and countdown in the kit is per millisecond and is multiplied by
// vorpel::FrameDelta each step. Only EndScene measures frames and sets FrameDelta (and the
// FPS count); with EndScene2, EndScene3 or DoFixedLogic the program sets FrameDelta itself
// before each logic step, or nothing moves.
#include <functional>
#include <memory>

#include "kit/bmfont_handler.hpp"
#include "kit/game_helpers.hpp"
#include "kit/kit_state.hpp"
#include "kit/mouse.hpp"
#include "kit/pack.hpp"
#include "kit/screen_fader.hpp"
#include "kit/texture_handler.hpp"
#include "platform/blend.hpp"
#include "platform/image.hpp"
#include "platform/keys.hpp"

// The sprite layer's handlers are only owned here; a program includes the ones it uses, so that
// editing a sprite header rebuilds only what draws sprites.
class MGE_SpriteHandler;
class MGE_ExplosionHandler;
class MGE_EmitterHandler;
class MGE_MapHandler;

// The game system: its handlers, the screen, frame timing; its stateless helpers come from
// MGE_GameHelpers, which the kit's own parts use without this header.
class MGE_GameSystem : public MGE_GameHelpers {
 public:
  std::unique_ptr<MGE_Pack> Pack;
  std::unique_ptr<MGE_SpriteHandler> Sprite;
  std::unique_ptr<MGE_ExplosionHandler> Explosion;
  std::unique_ptr<MGE_EmitterHandler> Emitter;
  std::unique_ptr<MGE_MapHandler> Map;
  std::unique_ptr<MGE_BMFontHandler> Font;
  std::unique_ptr<MGE_TextureHandler> Texture;
  std::unique_ptr<MGE_MouseType> Mouse;
  std::unique_ptr<MGE_ScreenFaderType> ScreenFader;

  MGE_GameSystem();
  virtual ~MGE_GameSystem();

  static int SleepMs(int ms);
  static int SetOnAppSuspendFunc(MGE_AppFunction f);
  static int SetOnAppResumeFunc(MGE_AppFunction f);
  int Start();
  int Finish();
  static int SetSpriteEventFunction(MGE_SpriteEventFunction f);

  // Blitting rectangles of texture slots. The handle each sets stays in the slot's image.
  static int Blit(int slot, int sx, int sy, int sw, int sh, float x, float y, float alpha,
                  float scale, float rotation, int blend);
  static int BlitR(int slot, int sx, int sy, int sw, int sh, float x, float y, float alpha,
                   float scale, float rotation, int blend, int red, int green, int blue);
  static int BlitS(int slot, int sx, int sy, int sw, int sh, float x, float y, float scaleX,
                   float scaleY);
  static int BlitB(int slot, int sx, int sy, int sw, int sh, float x, float y, float alpha,
                   float scale, float rotation, int blend);
  static int DoAppSuspended();
  // Waits until the key (a VirtualKey) is released.
  static int ClearKey(int key);
  static int ResetRenderStates();
  static int DimScreen(float alpha);
  static int DimScreenArea(float x, float y, float w, float h, float alpha);

  // Opens the screen; 1 on success, 0 when the mode cannot be opened.
  static int Grafix(float gameWidth, float gameHeight, int screenWidth, int screenHeight,
                    int depth, int driver, int hertz, int projectionMode, int stretch,
                    int windowSetup);
  // A screen the program opened or resized itself: the kit takes its size in pixels (none given:
  // the kit's stays), the game area drawn on it and the drawing driver, as Grafix would.
  static int UseScreen(int screenWidth, int screenHeight, float gameWidth, float gameHeight,
                       int driver);
  static int GetScreenWidth();
  static int GetScreenHeight();
  static int GetGameWidth();
  static int GetGameHeight();

  static int BeginScene(int clear);
  static int ScreenFadeOut(int r, int g, int b, float speed);
  static int IsScreenFading();
  static int ScreenFadeIn(int r, int g, int b, float speed);
  static int ScreenFlash(float r, float g, float b, float speed);
  static int SetClearScreenColor(float r, float g, float b);
  // Saves "screenshot<n>.png" (png non-zero) or "screenshot<n>.jpg" in the current folder.
  static int SaveScreenShot(int png);
  static int SetScreenRenderOffset(float x, float y);

  // Frame timing.
  static int SetFixedFPS(int fps);
  static int ResetDeltaArray();
  // Frames counted in the last whole second; only EndScene counts them, so 0 under the others.
  static int FPS();
  // Letterbox, flip, then frame timing: FrameDelta becomes the average frame time of the last
  // 80 frames in milliseconds (a frame counts at most 50), shorter frames sleep up to it; then
  // the SetFixedFPS cap. The one end of frame that moves a scene by itself.
  static int EndScene(int sync);
  // The kit's mouse pointer and screen fader, letterbox, flip and the frame cap; FrameDelta and
  // FPS are left alone.
  static int EndScene2(int sync);
  // Letterbox and flip only.
  static int EndScene3(int sync);
  static int SetFixedLogicRate(int rate);
  static int ResetDeltaLogicTime();
  // Calls logic once for each whole logic step (1000 / rate ms) due since the last call; none
  // when less than a step has passed. It does not set FrameDelta: a logic function that moves
  // things sets it first, for instance to 1000.0f / rate.
  static int DoFixedLogic(const std::function<void()>& logic);
};
