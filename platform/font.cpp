// Image fonts and text.
//
// Metrics text: the first line is "height H"; every further line describes one character:
// "code x y w h xoff yoff advance" (its cell in the picture, the cell's offset from the pen with
// the top of the line at 0, and the pen's advance). Lines that do not parse are skipped.
#include <cmath>
#include <sstream>

#include "platform/graphics.hpp"
#include "platform/graphics_internal.hpp"
#include "platform/renderer.hpp"
#include "platform/resources.hpp"

using vorpel::detail::Context;

FontPtr LoadImageFont(const std::string& picture_source, const std::string& metrics_source) {
  std::vector<std::uint8_t> bytes;
  if (!ReadSource(metrics_source, bytes)) return nullptr;
  ImagePtr image = ImageLoad(picture_source, FILTEREDIMAGE);
  if (!image) return nullptr;
  image->handle_x = image->handle_y = 0;
  auto font = std::make_shared<TImageFont>();
  font->image = image;
  std::vector<std::string> lines = SplitSourceLines(bytes);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    std::istringstream in(lines[i]);
    if (i == 0) {
      std::string word;
      if (!(in >> word >> font->height) || word != "height" || font->height < 0) return nullptr;
      continue;
    }
    int code;
    TImageFont::Glyph g;
    if (!(in >> code >> g.x >> g.y >> g.w >> g.h >> g.xoff >> g.yoff >> g.advance)) continue;
    bool inside = g.x >= 0 && g.y >= 0 && g.w >= 0 && g.h >= 0 && g.x + g.w <= image->width &&
                  g.y + g.h <= image->height;
    if (code < 0 || code > 255 || !inside || !std::isfinite(g.advance)) continue;
    g.present = true;
    font->glyphs[std::size_t(code)] = g;
  }
  return font;
}

FontPtr DefaultFont() {
  static FontPtr font;
  static bool tried = false;
  if (!tried) {
    tried = true;
    font = LoadImageFont("incbin::defaultfont.png", "incbin::defaultfont.txt");
    // Without the resources text measures 0 and draws nothing, but never fails.
    if (!font) font = std::make_shared<TImageFont>();
  }
  return font;
}

int TextMeasureWidth(std::string_view text) {
  FontPtr font = GetDrawFont();
  float width = 0.0f;
  for (unsigned char ch : text) {
    const auto& g = font->glyphs[ch];
    if (g.present) width = std::trunc(width + g.advance);
  }
  return int(width);
}

int TextMeasureHeight() { return GetDrawFont()->height; }

void TextDraw(std::string_view text, float x, float y) {
  FontPtr font = GetDrawFont();
  if (!font->image) return;
  TImageFrame* frame = font->image->Frame(0);
  if (!frame || !frame->HasTexture()) return;
  const auto& s = Context().state;
  float iw = float(font->image->width), ih = float(font->image->height);
  float tx = x + s.origin_x, ty = y + s.origin_y;
  float pen = 0.0f;
  for (unsigned char ch : text) {
    const auto& g = font->glyphs[ch];
    if (!g.present) continue;
    if (g.w > 0 && g.h > 0) {
      float x0 = pen + g.xoff + s.handle_x, y0 = g.yoff + s.handle_y;
      float u0 = g.x / iw, v0 = g.y / ih, u1 = (g.x + g.w) / iw, v1 = (g.y + g.h) / ih;
      const float uv[8] = {u0, v0, u1, v0, u1, v1, u0, v1};
      vorpel::detail::RendererSetTexture(frame->Texture());
      vorpel::detail::EmitQuad(x0, y0, x0 + g.w, y0 + g.h, tx, ty, uv);
    }
    pen += g.advance;
  }
}
