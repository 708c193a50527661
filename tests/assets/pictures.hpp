#pragma once
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/pixmap.hpp"
#include "platform/resources.hpp"
#include "tests/support/support.hpp"

// Helpers for looking at the embedded pictures.
namespace pictures {

inline std::vector<std::uint8_t> Bytes(const std::string& name) {
  testsupport::RegisterAssetsOnce();
  std::vector<std::uint8_t> out;
  ReadSource("incbin::" + name, out);
  return out;
}

inline PixmapPtr Load(const std::string& name) {
  testsupport::RegisterAssetsOnce();
  return LoadPixmap("incbin::" + name);
}

// The colour type byte of a PNG header: 2 RGB, 6 RGB with alpha; -1 when not a PNG.
inline int PngColourType(const std::vector<std::uint8_t>& png) {
  static const std::uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
  if (png.size() < 33 || !std::equal(kSignature, kSignature + 8, png.begin())) return -1;
  return png[25];
}

inline int Alpha(const TPixmap& p, int x, int y) { return int(p.ReadPixel(x, y) >> 24); }

// Channel c (0 red, 1 green, 2 blue, 3 alpha) of a pixel, colour weighted by its alpha as
// it shows when drawn.
inline float Shown(const TPixmap& p, int x, int y, int c) {
  std::uint32_t v = p.ReadPixel(x, y);
  float a = float(v >> 24) / 255.0f;
  if (c == 3) return a * 255.0f;
  return float((v >> (16 - 8 * c)) & 255) * a;
}

}  // namespace pictures
