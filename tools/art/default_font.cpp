// The drawing layer's default font: DejaVu Sans rendered into a glyph picture and its metrics
// text (the format LoadImageFont reads). Glyph pixels are white; only alpha carries the shape,
// so text takes the drawing colour.
#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "platform/pixmap.hpp"
#include "tools/art/assets.hpp"

namespace art {
namespace {

constexpr const char* kFontFile = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
constexpr int kPixelSize = 15;

struct Placed {
  int code, x, y, w, h;
  float xoff, yoff, advance;
};

bool Wanted(int code) { return (code >= 32 && code <= 126) || (code >= 160 && code <= 255); }

bool RenderGlyphs(FT_Face face, TPixmap& sheet, std::vector<Placed>& placed) {
  int ascent = int(std::ceil(face->size->metrics.ascender / 64.0));
  int pen_x = 1, pen_y = 1, row_h = 0;
  for (int code = 0; code < 256; ++code) {
    if (!Wanted(code)) continue;
    if (FT_Load_Char(face, FT_ULong(code), FT_LOAD_RENDER | FT_LOAD_TARGET_LIGHT)) continue;
    FT_GlyphSlot g = face->glyph;
    int w = int(g->bitmap.width), h = int(g->bitmap.rows);
    if (pen_x + w + 1 > sheet.width) {
      pen_x = 1;
      pen_y += row_h + 1;
      row_h = 0;
    }
    if (pen_y + h + 1 > sheet.height) return false;
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        std::uint32_t a = g->bitmap.buffer[y * g->bitmap.pitch + x];
        sheet.WritePixel(pen_x + x, pen_y + y, (a << 24) | 0xFFFFFF);
      }
    placed.push_back({code, pen_x, pen_y, w, h, float(g->bitmap_left),
                      float(ascent - g->bitmap_top), float(g->linearHoriAdvance) / 65536.0f});
    pen_x += w + 1;
    row_h = std::max(row_h, h);
  }
  return true;
}

}  // namespace

bool WriteDefaultFont(const std::string& dir) {
  FT_Library lib;
  FT_Face face;
  if (FT_Init_FreeType(&lib)) return false;
  if (FT_New_Face(lib, kFontFile, 0, &face)) {
    FT_Done_FreeType(lib);
    std::fprintf(stderr, "cannot open %s\n", kFontFile);
    return false;
  }
  FT_Set_Pixel_Sizes(face, 0, FT_UInt(kPixelSize));
  int line = int(std::ceil(face->size->metrics.height / 64.0));
  TPixmap sheet(256, 256, PF_RGBA8888);
  sheet.Clear(0x00FFFFFF);
  std::vector<Placed> placed;
  bool ok = RenderGlyphs(face, sheet, placed);
  FT_Done_Face(face);
  FT_Done_FreeType(lib);
  if (!ok || !PixmapSavePNG(sheet, dir + "/defaultfont.png", 9)) return false;
  std::ofstream out(dir + "/defaultfont.txt", std::ios::binary);
  out << "height " << line << "\n";
  for (const Placed& p : placed) {
    char buf[160];
    std::snprintf(buf, sizeof buf, "%d %d %d %d %d %g %g %.4f\n", p.code, p.x, p.y, p.w, p.h,
                  p.xoff, p.yoff, p.advance);
    out << buf;
  }
  return bool(out);
}

}  // namespace art
