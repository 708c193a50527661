// The kit's bitmap font: DejaVu Sans Bold filled with a light top-to-bottom gradient inside a
// soft dark outline, every glyph in a cell of one height on a square sheet (the kit measures
// texture v in widths), and its definition text: "height,rows", then per row of consecutive
// codes a line "y,first code,count" and a line of the cells' "x,width" pairs. Glyphs are nearly
// white so the kit's colour tints them; the outline stays dark under any tint.
#include "tools/art/bitmap_font.hpp"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/replace_file.hpp"
#include "tools/art/canvas.hpp"

namespace art {
namespace {

constexpr const char* kFontFile = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";
constexpr int kPixelSize = 32;
constexpr int kSheetSize = 512;
constexpr int kPad = 2;  // room for the outline round the ink
constexpr int kGap = 2;  // clear pixels between cells so filtered sampling never bleeds
constexpr float kOutlineRadius = 1.5f;

bool Wanted(int code) { return (code >= 32 && code <= 126) || (code >= 160 && code <= 255); }

// One glyph as FreeType renders it: coverage, where it sits against the pen and baseline.
struct Glyph {
  int code = 0;
  int width = 0, rows = 0, left = 0, top = 0;
  float advance = 0;
  std::vector<float> cover;
};

std::vector<Glyph> RenderGlyphs() {
  FT_Library lib;
  FT_Face face;
  if (FT_Init_FreeType(&lib)) throw std::runtime_error("FreeType did not start");
  if (FT_New_Face(lib, kFontFile, 0, &face)) {
    FT_Done_FreeType(lib);
    throw std::runtime_error(std::string("cannot read font ") + kFontFile);
  }
  FT_Set_Pixel_Sizes(face, 0, FT_UInt(kPixelSize));
  std::vector<Glyph> glyphs;
  for (int code = 0; code < 256; ++code) {
    if (!Wanted(code) || FT_Load_Char(face, FT_ULong(code), FT_LOAD_RENDER)) continue;
    const FT_GlyphSlot g = face->glyph;
    Glyph out{code, int(g->bitmap.width), int(g->bitmap.rows), g->bitmap_left, g->bitmap_top,
              float(g->advance.x) / 64.0f, {}};
    for (int y = 0; y < out.rows; ++y)
      for (int x = 0; x < out.width; ++x)
        out.cover.push_back(float(g->bitmap.buffer[y * g->bitmap.pitch + x]) / 255.0f);
    glyphs.push_back(std::move(out));
  }
  FT_Done_Face(face);
  FT_Done_FreeType(lib);
  return glyphs;
}

// The line every cell shares: the highest ink above and the lowest below the baseline.
struct Line {
  int ascent = 0, descent = 0;
  int Height() const { return ascent + descent + 2 * kPad; }
};

Line LineOf(const std::vector<Glyph>& glyphs) {
  Line line;
  for (const Glyph& g : glyphs) {
    if (g.rows == 0) continue;
    line.ascent = std::max(line.ascent, g.top);
    line.descent = std::max(line.descent, g.rows - g.top);
  }
  return line;
}

// The ink of a glyph grown by the outline radius, edges antialiased.
std::vector<float> Dilated(const std::vector<float>& mask, int w, int h) {
  std::vector<float> out(mask.size(), 0.0f);
  const int reach = int(std::ceil(kOutlineRadius + 0.5f));
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      float best = 0;
      for (int dy = -reach; dy <= reach; ++dy)
        for (int dx = -reach; dx <= reach; ++dx) {
          int sx = x + dx, sy = y + dy;
          if (sx < 0 || sy < 0 || sx >= w || sy >= h) continue;
          float weight = Clamp01(kOutlineRadius + 0.5f - std::hypot(float(dx), float(dy)));
          best = std::max(best, mask[std::size_t(sy) * w + sx] * weight);
        }
      out[std::size_t(y) * w + x] = best;
    }
  return out;
}

// The glyph's cell: its ink box widened by the padding (a blank glyph is most of its advance).
Canvas DrawCell(const Glyph& g, const Line& line) {
  const int h = line.Height();
  const int w = g.width > 0 ? g.width + 2 * kPad : int(std::lround(g.advance * 0.75f));
  std::vector<float> mask(std::size_t(w) * h, 0.0f);
  const int y0 = kPad + line.ascent - g.top;
  for (int y = 0; y < g.rows; ++y)
    for (int x = 0; x < g.width; ++x)
      mask[std::size_t(y0 + y) * w + kPad + x] = g.cover[std::size_t(y) * g.width + x];
  std::vector<float> grown = Dilated(mask, w, h);
  static const Rgb kFill[] = {Hex(0xffffff), Hex(0xf3f6fb), Hex(0xaebbd0)};
  const Rgb outline = Hex(0x0a0f1e);
  Canvas cell(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) cell.at(x, y) = Paint(outline, grown[std::size_t(y) * w + x]);
  Blur(cell, 0.6f, false);
  Fade(cell, 0.9f);
  for (int y = 0; y < h; ++y) {
    Rgb fill = Ramp(kFill, (float(y) + 0.5f - kPad) / float(line.ascent + line.descent));
    for (int x = 0; x < w; ++x) Over(cell.at(x, y), Paint(fill, mask[std::size_t(y) * w + x]));
  }
  return cell;
}

struct Cell {
  int code, x, width;
};

struct Row {
  int y;
  std::vector<Cell> cells;
};

// Rows of consecutive codes, left to right, top to bottom.
std::vector<Row> Layout(const std::vector<Glyph>& glyphs, const std::vector<Canvas>& cells,
                        int height) {
  std::vector<Row> rows;
  int x = kSheetSize, y = -height;  // forces a first row
  for (std::size_t i = 0; i < glyphs.size(); ++i) {
    int w = cells[i].width();
    bool follows = !rows.empty() && rows.back().cells.back().code + 1 == glyphs[i].code;
    if (!follows || x + w + kGap > kSheetSize) {
      x = kGap;
      y += height + kGap;
      if (y + height + kGap > kSheetSize) throw std::runtime_error("bitmap font sheet too small");
      rows.push_back({y, {}});
    }
    rows.back().cells.push_back({glyphs[i].code, x, w});
    x += w + kGap;
  }
  return rows;
}

std::string DefinitionText(const std::vector<Row>& rows, int height) {
  std::string text = std::to_string(height) + "," + std::to_string(rows.size()) + "\n";
  for (const Row& row : rows) {
    text += std::to_string(row.y) + "," + std::to_string(row.cells.front().code) + "," +
            std::to_string(row.cells.size()) + "\n";
    std::string pairs;
    for (const Cell& c : row.cells)
      pairs += (pairs.empty() ? "" : ",") + std::to_string(c.x) + "," + std::to_string(c.width);
    text += pairs + "\n";
  }
  return text;
}

}  // namespace

bool WriteBitmapFont(const std::string& dir) {
  std::vector<Glyph> glyphs = RenderGlyphs();
  Line line = LineOf(glyphs);
  std::vector<Canvas> cells;
  for (const Glyph& g : glyphs) cells.push_back(DrawCell(g, line));
  std::vector<Row> rows = Layout(glyphs, cells, line.Height());
  Canvas sheet(kSheetSize, kSheetSize);
  std::size_t next = 0;
  for (const Row& row : rows)
    for (const Cell& c : row.cells) Place(sheet, cells[next++], c.x, row.y);
  std::string text = DefinitionText(rows, line.Height());
  std::string picture = dir + "/" + kBitmapFontPicture, definition = dir + "/" + kBitmapFontText;
  bool ok = PixmapSavePNG(ToPixmap(sheet, PF_RGBA8888, false), picture, 9) == 1;
  if (!ok) std::fprintf(stderr, "make_assets: cannot write %s\n", picture.c_str());
  if (ok && !ReplaceFile(definition, text)) {
    std::fprintf(stderr, "make_assets: cannot write %s\n", definition.c_str());
    ok = false;
  }
  return ok;
}

}  // namespace art
