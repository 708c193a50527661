#include "kit/bmfont_handler.hpp"

#include "kit/bmfont_codes.hpp"
#include "kit/game_system.hpp"
#include "kit/kit_state.hpp"
#include "kit/texture_handler.hpp"
#include "kit/truncate.hpp"
#include "platform/graphics.hpp"

namespace {

// The glyph sheet, its handle at the top-left corner so glyphs hang from the pen.
const ImagePtr& GlyphSheet(int slot) {
  const ImagePtr& image = MGE_TextureHandler::Get(slot);
  ImageSetHandle(image, 0.0f, 0.0f);
  return image;
}

}  // namespace

int MGE_BMFontHandler::ConfigFont(int slot, int height) {
  fimg = slot;
  fheight = height;
  return Reset();
}

int MGE_BMFontHandler::ConfigChar(int code, int srcx, int width, int srcy) {
  if (code < 0 || code >= kCodes) return 0;
  fsrcx[std::size_t(code)] = srcx;
  fwidth[std::size_t(code)] = width;
  fsrcy[std::size_t(code)] = srcy;
  return 0;
}

int MGE_BMFontHandler::Reset() {
  fxscale = fyscale = 1.0f;
  falpha = 1.0f;
  fblend = ALPHABLEND;
  fred = fgreen = fblue = 255;
  fspacing = 2.0f;
  return 0;
}

int MGE_BMFontHandler::Scale(float x, float y) {
  fxscale = x;
  fyscale = y;
  return 0;
}

int MGE_BMFontHandler::Alpha(float a) {
  falpha = a;
  return 0;
}

int MGE_BMFontHandler::Blend(int mode) {
  fblend = mode;
  return 0;
}

int MGE_BMFontHandler::Color(int r, int g, int b) {
  fred = r;
  fgreen = g;
  fblue = b;
  return 0;
}

int MGE_BMFontHandler::Spacing(float s) {
  fspacing = s;
  return 0;
}

float MGE_BMFontHandler::Advance(int code, float scale, float spacing) const {
  return float(fwidth[std::size_t(code)]) * scale + scale * spacing;
}

float MGE_BMFontHandler::RunWidth(std::string_view text, float scale, float spacing) const {
  float width = 0.0f;
  vorpel::detail::ForEachFontCode(text, [&](int code) { width += Advance(code, scale, spacing); });
  return width;
}

float MGE_BMFontHandler::GetWidthOfString(std::string_view text) const {
  bool any = false;
  vorpel::detail::ForEachFontCode(text, [&](int) { any = true; });
  return any ? RunWidth(text, fxscale, fspacing) - fspacing * fxscale : 0.0f;
}

int MGE_BMFontHandler::GetFontCharDef(std::string_view text, MGE_BMFontCharDef& def) const {
  bool first = true;
  vorpel::detail::ForEachFontCode(text, [&](int code) {
    if (!first) return;
    first = false;
    def = {fimg, fsrcx[std::size_t(code)], fsrcy[std::size_t(code)], fwidth[std::size_t(code)],
           fheight};
  });
  return 0;
}

void MGE_BMFontHandler::DrawGlyph(const ImagePtr& image, int code, float x, float y) const {
  auto c = std::size_t(code);
  MGE_GameSystem::DrawUV(image, x, y, float(fsrcx[c]), float(fsrcy[c]), float(fwidth[c]),
                         float(fheight));
}

int MGE_BMFontHandler::Render(float x, float y, std::string_view text, int centred) const {
  DrawLine(x, y, text, centred, nullptr);
  return 0;
}

int MGE_BMFontHandler::RenderShadowed(float x, float y, std::string_view text, int shadowx,
                                      int shadowy, float shadowalpha, int centred) const {
  Shadow shadow{shadowx, shadowy, shadowalpha};
  DrawLine(x, y, text, centred, &shadow);
  return 0;
}

void MGE_BMFontHandler::DrawLine(float x, float y, std::string_view text, int centred,
                                 const Shadow* shadow) const {
  const MGE_KitState& kit = KitState();
  const ImagePtr& image = GlyphSheet(fimg);
  SetColor(fred, fgreen, fblue);
  SetAlpha(falpha);
  SetBlend(fblend);
  SetTransform(0.0f, fxscale, fyscale);
  float pen = centred ? x - GetWidthOfString(text) / 2.0f : x;
  float glyph_y = float(TruncToInt(y + kit.renderOffsetY));
  vorpel::detail::ForEachFontCode(text, [&](int code) {
    if (shadow) {
      // The shadow alone keeps the pen's fraction.
      SetColor(0, 0, 0);
      SetAlpha(shadow->alpha);
      DrawGlyph(image, code, pen + float(shadow->x) + kit.renderOffsetX,
                float(TruncToInt(y + kit.renderOffsetY + float(shadow->y))));
      SetColor(fred, fgreen, fblue);
      SetAlpha(falpha);
    }
    DrawGlyph(image, code, float(TruncToInt(pen)) + kit.renderOffsetX, glyph_y);
    pen += Advance(code, fxscale, fspacing);
  });
}

void MGE_BMFontHandler::DrawRun(std::string_view text, float x, float y,
                                const RunStyle& style) const {
  const MGE_KitState& kit = KitState();
  const ImagePtr& image = GlyphSheet(fimg);
  int red = TruncToInt(style.red), green = TruncToInt(style.green), blue = TruncToInt(style.blue);
  SetColor(red, green, blue);
  SetAlpha(style.alpha);
  SetBlend(style.blend);
  SetTransform(0.0f, style.scalex, style.scaley);
  float pen = style.centred ? x - RunWidth(text, style.scalex, style.spacing) / 2.0f : x;
  float glyph_y = float(TruncToInt(y)) + kit.renderOffsetY;
  vorpel::detail::ForEachFontCode(text, [&](int code) {
    float glyph_x = float(TruncToInt(pen)) + kit.renderOffsetX;
    if (style.shadowalpha != 0.0f) {
      SetColor(0, 0, 0);
      SetAlpha(style.shadowalpha);
      DrawGlyph(image, code, glyph_x + style.shadowx, glyph_y + style.shadowy);
      SetColor(red, green, blue);
      SetAlpha(style.alpha);
    }
    DrawGlyph(image, code, glyph_x, glyph_y);
    pen += Advance(code, style.scalex, style.spacing);
  });
}
