#pragma once
// The game kit's root object. Its instance owns one handler of each kind; its class functions
// open the screen at a virtual game size, run frames and fixed-rate logic, and provide the kit's
// geometry, chance and blitting.
#include <functional>
#include <memory>

#include "kit/bmfont_handler.hpp"
#include "kit/kit_state.hpp"
#include "kit/mouse.hpp"
#include "kit/pack.hpp"
#include "kit/screen_fader.hpp"
#include "kit/sprites/emitter_handler.hpp"
#include "kit/sprites/explosion_handler.hpp"
#include "kit/sprites/map_handler.hpp"
#include "kit/sprites/sprite_handler.hpp"
#include "kit/texture_handler.hpp"
#include "platform/image.hpp"

struct MGE_XY {
  float x = 0.0f;
  float y = 0.0f;
};

class MGE_GameSystem {
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
  static int GameWidth();
  static int GameHeight();

  // Geometry and chance. Angles are degrees, 0 along +x, 90 down the screen.
  static int GetDistance(float x1, float y1, float x2, float y2);
  static MGE_XY GetDirection(float angle, float speed);
  static float GetDirectionX(float angle, float speed);
  static float GetDirectionY(float angle, float speed);
  static float GetAngle(float x1, float y1, float x2, float y2);  // [0, 360)
  static float RotateDirToDir(float current, float target);      // signed shortest turn
  static int IsPointInRect(float px, float py, float rx, float ry, float w, float h);
  static int GetCollideCircleToCircle(float x1, float y1, float r1, float x2, float y2, float r2);
  static int GetCollideBoxToBox(float x1, float y1, float w1, float h1, float x2, float y2,
                                float w2, float h2);
  static int GetCollideBoxToCircle(float bx, float by, float bw, float bh, float cx, float cy,
                                   float r);
  static int GetRndSign();
  static int VarAddPong(float& value, float& speed, float minimum, float maximum, int useDelta);

  // Blitting rectangles of texture slots. The handle each sets stays in the slot's image.
  static int Blit(int slot, int sx, int sy, int sw, int sh, float x, float y, float alpha,
                  float scale, float rotation, int blend);
  static int BlitR(int slot, int sx, int sy, int sw, int sh, float x, float y, float alpha,
                   float scale, float rotation, int blend, int red, int green, int blue);
  static int BlitS(int slot, int sx, int sy, int sw, int sh, float x, float y, float scaleX,
                   float scaleY);
  static int BlitB(int slot, int sx, int sy, int sw, int sh, float x, float y, float alpha,
                   float scale, float rotation, int blend);
  // The texel rectangle (sx, sy, sw, sh) of the image's first frame around (x, y): pivoting on
  // the image's handle (DrawUV) or on its top-left corner (DrawUVR). The drawing origin is not
  // added.
  static int DrawUV(const ImagePtr& image, float x, float y, float sx, float sy, float sw,
                    float sh);
  static int DrawUVR(const ImagePtr& image, float x, float y, float sx, float sy, float sw,
                     float sh);

  static int DoAppSuspended();
  static int GetChance(int percent);
  static float GetPercent(float value, float total, float scale);
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
