#pragma once
// Fills a screen rectangle with copies of one rectangle of a texture slot, scrolls the pattern
// with seamless wrap-around, clips the edge tiles exactly, and can fade its tint to a target.

class MGE_TilerHandler {
 public:
  int img = 0;
  int srcx = 0, srcy = 0, srcwidth = 0, srcheight = 0;
  float alpha = 0.0f;  // 0 draws nothing
  float red = 0.0f, green = 0.0f, blue = 0.0f;
  float xspeed = 0.0f, yspeed = 0.0f;
  float scale = 0.0f;  // not used in drawing
  float destx = 0.0f, desty = 0.0f;  // the grid's origin, kept within one tile of the start
  float startx = 0.0f, starty = 0.0f;
  int destwidth = 0, destheight = 0;
  int clipx1 = 0, clipy1 = 0, clipx2 = 0, clipy2 = 0;
  int blend = 0;
  int rgbfading = 0;
  float redtarget = 0.0f, greentarget = 0.0f, bluetarget = 0.0f;
  float rgbfadespeed = 0.0f;

  virtual ~MGE_TilerHandler() = default;

  int InitTiler(int slot, int sx, int sy, int swidth, int sheight, float x, float y, int width,
                int height);
  int SetTilerImage(int slot);
  int SetTilerBlend(int mode);
  int SetTilerAlpha(float a);
  float GetTilerAlpha() const { return alpha; }
  int SetTilerRGB(float r, float g, float b);
  int AutoRGBFade(float r, float g, float b, float speed);
  int SetTilerDirection(float x, float y);
  // Moves the tint toward its target, then scrolls and wraps the grid's origin.
  int Update();
  // A tile of no width or height draws nothing.
  int Render() const;
};
