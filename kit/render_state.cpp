#include "kit/render_state.hpp"

#include <vector>

#include "platform/graphics.hpp"

namespace {
std::vector<RenderState> g_stack;
}

void RenderState::Push() {
  const TMax2DGraphics& s = DrawState();
  RenderState saved;
  saved.Alpha = s.color_alpha;
  saved.Blend = float(s.blend_mode);
  GetClsColor(saved.ClsColor_R, saved.ClsColor_G, saved.ClsColor_B);
  GetColor(saved.Color_R, saved.Color_G, saved.Color_B);
  GetDrawHandle(saved.Handle_X, saved.Handle_Y);
  // The font as set, so that "none" (the default font) comes back as none.
  saved.ImageFont = s.image_font;
  saved.LineWidth = s.line_width;
  GetMaskColor(saved.MaskColor_R, saved.MaskColor_G, saved.MaskColor_B);
  GetDrawOrigin(saved.Origin_X, saved.Origin_Y);
  SetDrawOrigin(0.0f, 0.0f);
  saved.Rotation = s.tform_rot;
  GetDrawScale(saved.Scale_X, saved.Scale_Y);
  GetViewport(saved.Viewport_X, saved.Viewport_Y, saved.Viewport_Width, saved.Viewport_Height);
  g_stack.push_back(std::move(saved));
}

void RenderState::Pop() {
  if (g_stack.empty()) return;
  RenderState s = std::move(g_stack.back());
  g_stack.pop_back();
  SetAlpha(s.Alpha);
  SetBlend(int(s.Blend));
  SetClsColor(s.ClsColor_R, s.ClsColor_G, s.ClsColor_B);
  SetColor(s.Color_R, s.Color_G, s.Color_B);
  SetDrawHandle(s.Handle_X, s.Handle_Y);
  SetDrawFont(s.ImageFont);
  SetLineWidth(s.LineWidth);
  SetMaskColor(s.MaskColor_R, s.MaskColor_G, s.MaskColor_B);
  SetDrawOrigin(s.Origin_X, s.Origin_Y);
  SetDrawRotation(s.Rotation);
  SetDrawScale(s.Scale_X, s.Scale_Y);
  SetViewport(s.Viewport_X, s.Viewport_Y, s.Viewport_Width, s.Viewport_Height);
}

int RenderState::Depth() { return int(g_stack.size()); }
