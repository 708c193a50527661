// The tour's table of screens and the helpers its screens share.
#include "examples/kit_tour/tour.hpp"

#include <algorithm>

#include "kit/pack.hpp"
#include "kit/sprites/sprite_handler.hpp"
#include "platform/graphics.hpp"
#include "platform/random.hpp"

namespace tour {
namespace {

// Filled from the screens' static registrations, before main runs.
std::vector<ScreenInfo>& Table() {
  static std::vector<ScreenInfo> table;
  return table;
}

}  // namespace

bool RegisterScreen(ScreenInfo info) {
  Table().push_back(std::move(info));
  return true;
}

std::vector<ScreenInfo> Screens() {
  std::vector<ScreenInfo> screens = Table();
  std::stable_sort(screens.begin(), screens.end(),
                   [](const ScreenInfo& a, const ScreenInfo& b) { return a.order < b.order; });
  return screens;
}

float RandF(float a, float b) { return float(Rnd(a, b)); }

MGE_SpritePtr NewSprite(MGE_GameSystem& kit, int layer, int slot, Rect r, float x, float y) {
  MGE_SpritePtr s = kit.Sprite->GetNewSprite(layer, slot, float(r.x), float(r.y), float(r.w),
                                             float(r.h), 1);
  if (s) s->SetXY(x, y);
  return s;
}

MGE_SpritePtr NewAtlasSprite(MGE_GameSystem& kit, const std::string& name, int layer, float x,
                             float y) {
  return kit.Sprite->GetNewSpriteFromPack(name, x, y, layer, 1);
}

void Label(MGE_GameSystem& kit, float x, float y, const std::string& text, float scale, int r,
           int g, int b, int centred, float alpha) {
  MGE_BMFontHandler& font = *kit.Font;
  font.Reset();
  font.Scale(scale, scale);
  font.Color(r, g, b);
  font.Alpha(alpha);
  font.Spacing(1.0f);
  font.Render(x, y, text, centred);
}

void Panel(float x, float y, float w, float h, int r, int g, int b, float alpha) {
  SetTransform(0.0f, 1.0f, 1.0f);
  SetBlend(ALPHABLEND);
  SetColor(r, g, b);
  SetAlpha(alpha);
  DrawRect(x, y, w, h);
}

void Frame(float x, float y, float w, float h, int border, int r, int g, int b, float alpha) {
  Panel(x, y, w, h, r, g, b, alpha);
  float e = float(border), edge_alpha = alpha * 0.35f;
  Panel(x - e, y - e, w + 2 * e, e, 255, 255, 255, edge_alpha);
  Panel(x - e, y + h, w + 2 * e, e, 255, 255, 255, edge_alpha);
  Panel(x - e, y, e, h, 255, 255, 255, edge_alpha);
  Panel(x + w, y, e, h, 255, 255, 255, edge_alpha);
}

}  // namespace tour
