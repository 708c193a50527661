// Reading bitmap-font definitions.
#include <cstdint>
#include <vector>

#include "ini/int_conversion.hpp"
#include "kit/bmfont_handler.hpp"
#include "kit/load_report.hpp"
#include "platform/resources.hpp"

namespace {

// The integers of a line split at every ",".
std::vector<std::int64_t> LineInts(std::string_view line) {
  std::vector<std::int64_t> values;
  for (;;) {
    std::size_t comma = line.find(',');
    values.push_back(TextToInt(line.substr(0, comma)));
    if (comma == std::string_view::npos) return values;
    line.remove_prefix(comma + 1);
  }
}

bool FitsInt(std::int64_t v) { return v >= INT32_MIN && v <= INT32_MAX; }

struct Glyphs {
  std::array<int, MGE_BMFontHandler::kCodes> x, y, width;
  int height = 0;
};

void SetGlyph(Glyphs& g, std::int64_t code, std::int64_t x, std::int64_t width, std::int64_t y) {
  if (code < 0 || code >= MGE_BMFontHandler::kCodes || width < 0 || !FitsInt(x) || !FitsInt(y))
    return;
  auto c = std::size_t(code);
  g.x[c] = int(x);
  g.width[c] = int(width);
  g.y[c] = int(y);
}

// Fills g from the lines; false when they are fewer, or shorter, than the counts announce.
bool ReadGlyphs(const std::vector<std::string>& lines, int xoffset, int yoffset, Glyphs& g) {
  if (lines.empty()) return false;
  std::vector<std::int64_t> header = LineInts(lines[0]);
  if (header.size() < 2 || header[0] < 0 || header[1] < 0) return false;
  g.height = int(header[0]);
  std::size_t next = 1;
  for (std::int64_t row = 0; row < header[1]; ++row, next += 2) {
    if (next + 1 >= lines.size()) return false;
    std::vector<std::int64_t> head = LineInts(lines[next]);
    std::vector<std::int64_t> pairs = LineInts(lines[next + 1]);
    if (head.size() < 3 || head[2] < 0 || std::int64_t(pairs.size() / 2) < head[2]) return false;
    for (std::size_t k = 0; k < std::size_t(head[2]); ++k)
      SetGlyph(g, head[1] + std::int64_t(k), pairs[2 * k] + xoffset, pairs[2 * k + 1],
               head[0] + yoffset);
  }
  return true;
}

}  // namespace

int MGE_BMFontHandler::LoadConfig(const std::string& source, int slot, int xoffset,
                                  int yoffset) {
  std::vector<std::uint8_t> bytes;
  Glyphs g{fsrcx, fsrcy, fwidth, fheight};
  if (!ReadSource(source, bytes) || !ReadGlyphs(SplitSourceLines(bytes), xoffset, yoffset, g)) {
    vorpel::detail::ReportLoadFailure("font definition", source,
                                      "fewer lines or glyphs than it announces");
    return 0;
  }
  fsrcx = g.x;
  fsrcy = g.y;
  fwidth = g.width;
  fheight = g.height;
  fimg = slot;
  Reset();
  return 1;
}
