#pragma once
// The game system's stateless helpers: angles and distances, overlaps, chance, the game area and
// drawing a part of a picture. A header of their own, so that sprites and handlers use them
// without the game system and every handler it holds.
#include "platform/image.hpp"

struct MGE_XY {
  float x = 0.0f;
  float y = 0.0f;
};

struct MGE_GameHelpers {
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

  static int GetChance(int percent);
  static float GetPercent(float value, float total, float scale);

  // The texel rectangle (sx, sy, sw, sh) of the image's first frame around (x, y): pivoting on
  // the image's handle (DrawUV) or on its top-left corner (DrawUVR). The drawing origin is not
  // added.
  static int DrawUV(const ImagePtr& image, float x, float y, float sx, float sy, float sw,
                    float sh);
  static int DrawUVR(const ImagePtr& image, float x, float y, float sx, float sy, float sw,
                     float sh);

};
