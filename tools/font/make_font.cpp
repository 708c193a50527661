// Renders the drawing layer's default font from DejaVu Sans into a glyph picture and its
// metrics text (the format LoadImageFont reads).
//   make_font <font.ttf> <pixel size> <out.png> <out.txt>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <cmath>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "platform/pixmap.hpp"

namespace {
struct Placed {
  int code, x, y, w, h;
  float xoff, yoff, advance;
};

bool Wanted(int code) { return (code >= 32 && code <= 126) || (code >= 160 && code <= 255); }
}  // namespace

int main(int argc, char** argv) {
  if (argc != 5) {
    std::fprintf(stderr, "usage: make_font <font.ttf> <pixel size> <out.png> <out.txt>\n");
    return 2;
  }
  FT_Library lib;
  FT_Face face;
  if (FT_Init_FreeType(&lib) || FT_New_Face(lib, argv[1], 0, &face)) {
    std::fprintf(stderr, "cannot open %s\n", argv[1]);
    return 1;
  }
  int size = std::atoi(argv[2]);
  FT_Set_Pixel_Sizes(face, 0, FT_UInt(size));
  int ascent = int(std::ceil(face->size->metrics.ascender / 64.0));
  int line = int(std::ceil(face->size->metrics.height / 64.0));

  const int width = 256;
  TPixmap sheet(width, 256, PF_RGBA8888);
  std::vector<Placed> placed;
  int pen_x = 1, pen_y = 1, row_h = 0;
  for (int code = 0; code < 256; ++code) {
    if (!Wanted(code)) continue;
    if (FT_Load_Char(face, FT_ULong(code), FT_LOAD_RENDER | FT_LOAD_TARGET_LIGHT)) continue;
    FT_GlyphSlot g = face->glyph;
    int w = int(g->bitmap.width), h = int(g->bitmap.rows);
    if (pen_x + w + 1 > width) {
      pen_x = 1;
      pen_y += row_h + 1;
      row_h = 0;
    }
    if (pen_y + h + 1 > sheet.height) {
      std::fprintf(stderr, "glyph picture too small\n");
      return 1;
    }
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        std::uint32_t a = g->bitmap.buffer[y * g->bitmap.pitch + x];
        sheet.WritePixel(pen_x + x, pen_y + y, (a << 24) | 0xFFFFFF);
      }
    float advance = float(g->linearHoriAdvance) / 65536.0f;
    placed.push_back({code, pen_x, pen_y, w, h, float(g->bitmap_left), float(ascent - g->bitmap_top),
                      advance});
    pen_x += w + 1;
    row_h = std::max(row_h, h);
  }
  // Glyph pixels are white; only alpha carries the shape, so text takes the drawing colour.
  for (int y = 0; y < sheet.height; ++y)
    for (int x = 0; x < sheet.width; ++x)
      if ((sheet.ReadPixel(x, y) >> 24) == 0) sheet.WritePixel(x, y, 0x00FFFFFF);
  if (!PixmapSavePNG(sheet, argv[3], 9)) return 1;
  std::ofstream out(argv[4], std::ios::binary);
  out << "height " << line << "\n";
  for (const Placed& p : placed) {
    char buf[160];
    std::snprintf(buf, sizeof buf, "%d %d %d %d %d %g %g %.4f\n", p.code, p.x, p.y, p.w, p.h, p.xoff,
                  p.yoff, p.advance);
    out << buf;
  }
  FT_Done_Face(face);
  FT_Done_FreeType(lib);
  return out ? 0 : 1;
}
