#pragma once
// A stack of saved drawing states.
#include "platform/image.hpp"

class RenderState {
 public:
  float Alpha = 1.0f;
  float Blend = 0.0f;
  int ClsColor_R = 0, ClsColor_G = 0, ClsColor_B = 0;
  int Color_R = 0, Color_G = 0, Color_B = 0;
  float Handle_X = 0.0f, Handle_Y = 0.0f;
  FontPtr ImageFont;
  float LineWidth = 1.0f;
  int MaskColor_R = 0, MaskColor_G = 0, MaskColor_B = 0;
  float Origin_X = 0.0f, Origin_Y = 0.0f;
  float Rotation = 0.0f;
  float Scale_X = 1.0f, Scale_Y = 1.0f;
  int Viewport_X = 0, Viewport_Y = 0, Viewport_Width = 0, Viewport_Height = 0;

  virtual ~RenderState() = default;

  // Saves the whole drawing state, then sets the drawing origin to (0, 0).
  static void Push();
  // Restores the most recently pushed state; nothing when none is left.
  static void Pop();
  static int Depth();
};
