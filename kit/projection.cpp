#include "kit/projection.hpp"

#include "kit/game_system.hpp"
#include "kit/kit_state.hpp"
#include "kit/render_state.hpp"
#include "kit/truncate.hpp"
#include "platform/graphics.hpp"

namespace {
MGE_ProjectionState& Projection() { return KitState().projection; }
}  // namespace

int ProjectionMatrix::SetScale(int width, int height) {
  if (width <= 0 || height <= 0) return 0;
  Projection() = {width, height, width, height};
  SetProjectionSize(float(width), float(height));
  MGE_KitState& kit = KitState();
  if (GraphicsWidth() > 0 && GraphicsHeight() > 0) {
    kit.mouseScaleX = float(width) / float(GraphicsWidth());
    kit.mouseScaleY = float(height) / float(GraphicsHeight());
  }
  kit.mouseOffsetX = kit.mouseOffsetY = 0.0f;
  MGE_GameSystem::SetScreenRenderOffset(0.0f, 0.0f);
  return 0;
}

int ProjectionMatrix::SetLetterbox(int w, int h) {
  float gw = float(GraphicsWidth()), gh = float(GraphicsHeight());
  if (w <= 0 || h <= 0 || gw <= 0.0f || gh <= 0.0f) return 0;
  // The height the game width needs at the screen's aspect ratio; if that is too little, the
  // game height decides and the bars go left and right instead.
  float ph = gh / (gw / float(w));
  float pw = float(w);
  if (ph < float(h)) {
    ph = float(h);
    pw = gw / (gh / float(h));
  }
  SetScale(TruncToInt(pw), TruncToInt(ph));
  Projection().gameWidth = w;
  Projection().gameHeight = h;
  float ox = CenterX() - float(w / 2), oy = CenterY() - float(h / 2);
  SetDrawOrigin(ox, oy);
  MGE_GameSystem::SetScreenRenderOffset(ox, oy);
  // The pointer is mapped through the projection's own scale and then shifted into the game
  // area, so that the game area's corners read as (0, 0) and (w, h).
  MGE_KitState& kit = KitState();
  kit.mouseOffsetX = ox;
  kit.mouseOffsetY = oy;
  return 0;
}

int ProjectionMatrix::DrawLetterbox() {
  const MGE_ProjectionState& p = Projection();
  // Bars only while this projection is the one in force (a reopened screen maps 1:1 again).
  float current_w = 0.0f, current_h = 0.0f;
  GetProjectionSize(current_w, current_h);
  if (current_w != float(p.width) || current_h != float(p.height)) return 0;
  int bar = p.gameHeight < p.height ? (p.height - p.gameHeight) / 2 : (p.width - p.gameWidth) / 2;
  if (bar <= 0) return 0;
  RenderState::Push();
  SetColor(0, 0, 0);
  SetTransform(0.0f, 1.0f, 1.0f);
  SetAlpha(1.0f);
  SetBlend(SOLIDBLEND);
  float pw = float(p.width), ph = float(p.height), b = float(bar);
  if (p.gameHeight < p.height) {
    DrawRect(0.0f, 0.0f, pw, b);
    DrawRect(0.0f, ph - b, pw, b);
  } else {
    DrawRect(0.0f, 0.0f, b, ph);
    DrawRect(pw - b, 0.0f, b, ph);
  }
  RenderState::Pop();
  return 0;
}

float ProjectionMatrix::Width() { return float(Projection().gameWidth); }
float ProjectionMatrix::Height() { return float(Projection().gameHeight); }
float ProjectionMatrix::CenterX() { return float(Projection().width / 2); }
float ProjectionMatrix::CenterY() { return float(Projection().height / 2); }
