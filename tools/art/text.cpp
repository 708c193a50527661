#include "tools/art/text.hpp"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <cmath>
#include <stdexcept>

namespace art {
namespace {

const char* FontFile(FontFace face) {
  switch (face) {
    case FontFace::kSans:
      return "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
    case FontFace::kSansBold:
      return "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";
    case FontFace::kSerif:
      return "/usr/share/fonts/truetype/dejavu/DejaVuSerif.ttf";
    case FontFace::kSerifBold:
      return "/usr/share/fonts/truetype/dejavu/DejaVuSerif-Bold.ttf";
  }
  return "";
}

// The library and face, released however the rendering ends.
struct Face {
  FT_Library lib = nullptr;
  FT_Face face = nullptr;
  Face(FontFace which, int pixelSize) {
    if (FT_Init_FreeType(&lib) != 0) throw std::runtime_error("FreeType did not start");
    if (FT_New_Face(lib, FontFile(which), 0, &face) != 0)
      throw std::runtime_error(std::string("cannot read font ") + FontFile(which));
    FT_Set_Pixel_Sizes(face, 0, FT_UInt(pixelSize));
  }
  ~Face() {
    if (face) FT_Done_Face(face);
    if (lib) FT_Done_FreeType(lib);
  }
  Face(const Face&) = delete;
  Face& operator=(const Face&) = delete;
};

// Pen positions (in pixels) of each character, and the advance of the whole line.
std::vector<float> Layout(FT_Face face, const std::string& text, float tracking, float* total) {
  std::vector<float> pen;
  float x = 0;
  FT_UInt previous = 0;
  for (unsigned char ch : text) {
    FT_UInt glyph = FT_Get_Char_Index(face, ch);
    if (previous && glyph) {
      FT_Vector kern;
      if (FT_Get_Kerning(face, previous, glyph, FT_KERNING_DEFAULT, &kern) == 0)
        x += float(kern.x) / 64.0f;
    }
    pen.push_back(x);
    FT_Load_Glyph(face, glyph, FT_LOAD_DEFAULT);
    x += float(face->glyph->advance.x) / 64.0f + tracking;
    previous = glyph;
  }
  *total = x - (text.empty() ? 0 : tracking);
  return pen;
}

}  // namespace

TextMask RenderText(FontFace which, const std::string& text, int pixelSize, float tracking) {
  Face f(which, pixelSize);
  float total = 0;
  std::vector<float> pen = Layout(f.face, text, tracking, &total);
  int ascent = int(std::ceil(float(f.face->size->metrics.ascender) / 64.0f));
  int descent = int(std::ceil(float(-f.face->size->metrics.descender) / 64.0f));
  const int margin = pixelSize / 4 + 2;  // room for glyphs that reach past their advance
  TextMask m;
  m.width = int(std::ceil(total)) + 2 * margin;
  m.height = ascent + descent;
  m.ascent = ascent;
  m.cover.assign(std::size_t(m.width) * m.height, 0.0f);
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (FT_Load_Char(f.face, (unsigned char)text[i], FT_LOAD_RENDER) != 0) continue;
    const FT_Bitmap& bmp = f.face->glyph->bitmap;
    int left = margin + int(std::lround(pen[i])) + f.face->glyph->bitmap_left;
    int top = ascent - f.face->glyph->bitmap_top;
    for (unsigned row = 0; row < bmp.rows; ++row)
      for (unsigned col = 0; col < bmp.width; ++col) {
        int x = left + int(col), y = top + int(row);
        if (x < 0 || y < 0 || x >= m.width || y >= m.height) continue;
        float& dst = m.cover[std::size_t(y) * m.width + x];
        dst = std::min(1.0f, dst + float(bmp.buffer[row * unsigned(bmp.pitch) + col]) / 255.0f);
      }
  }
  // Trim the margins so the mask starts at the first inked column.
  int first = m.width, last = -1;
  for (int x = 0; x < m.width; ++x)
    for (int y = 0; y < m.height; ++y)
      if (m.At(x, y) > 0) first = std::min(first, x), last = std::max(last, x);
  if (last < first) return m;
  TextMask out{last - first + 1, m.height, m.ascent, {}};
  out.cover.resize(std::size_t(out.width) * out.height);
  for (int y = 0; y < out.height; ++y)
    for (int x = 0; x < out.width; ++x)
      out.cover[std::size_t(y) * out.width + x] = m.At(x + first, y);
  return out;
}

void DrawText(Canvas& c, const std::string& text, float x, float baseline, const TextStyle& s) {
  TextMask m = RenderText(s.face, text, s.size, s.tracking);
  const int pad = int(std::ceil(s.shadowBlur * 3)) + 2;
  float left = s.centred ? x - float(m.width) * 0.5f : s.rightAligned ? x - float(m.width) : x;
  int px = int(std::lround(left)) - pad, py = int(std::lround(baseline)) - m.ascent - pad;
  if (s.shadowAlpha > 0) {
    Canvas shadow = Softened(TextPicture(m, pad, Flat(s.shadow)), s.shadowBlur, s.shadowAlpha);
    Place(c, shadow, px + int(std::lround(s.shadowDx)), py + int(std::lround(s.shadowDy)));
  }
  Place(c, TextPicture(m, pad, Flat(s.colour)), px, py);
}

}  // namespace art
