#pragma once
// The game kit's root object. Its instance owns one handler of each kind; its class functions
// open the screen at a virtual game size, run frames and fixed-rate logic, and provide the kit's
// geometry, chance and blitting.
#include <functional>
#include <memory>

#include "kit/bmfont_handler.hpp"
#include "kit/game_helpers.hpp"
#include "kit/kit_state.hpp"
#include "kit/mouse.hpp"
#include "kit/pack.hpp"
#include "kit/screen_fader.hpp"
#include "kit/texture_handler.hpp"
#include "platform/image.hpp"

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
  static int FPS();
  static int EndScene(int sync);
  static int EndScene2(int sync);
  static int EndScene3(int sync);
  static int SetFixedLogicRate(int rate);
  static int ResetDeltaLogicTime();
  static int DoFixedLogic(const std::function<void()>& logic);
};
