// Fuzz target: any bytes as a picture, decoded directly and through an "incbin::" name as the
// image loaders open them. A decoded picture is RGBA, within the size limits, with exactly its
// rows of pixels; both paths agree; cutting an animation strip out of it stays in range.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "platform/graphics.hpp"
#include "platform/image.hpp"
#include "platform/pixmap.hpp"
#include "platform/resources.hpp"

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

void RequireSound(const TPixmap& p) {
  Require(p.width > 0 && p.height > 0);
  Require(p.width <= kMaxPictureSide && p.height <= kMaxPictureSide);
  Require(std::int64_t(p.width) * p.height <= kMaxPicturePixels);
  Require(p.format == PF_RGBA8888 && p.pitch == p.width * 4);
  Require(p.pixels.size() == std::size_t(p.pitch) * std::size_t(p.height));
}

void RequireSame(const TPixmap& a, const TPixmap& b) {
  Require(a.width == b.width && a.height == b.height && a.pixels == b.pixels);
}

void CutCells(const TPixmap& picture, const std::uint8_t* data, std::size_t size) {
  const int cell_w = 1 + data[0] % 64, cell_h = 1 + data[size - 1] % 64;
  const int cells = (picture.width / cell_w) * (picture.height / cell_h);
  ImagePtr strip = ImageLoadAnim("incbin::fuzz_picture", cell_w, cell_h, 0, cells, -1);
  Require(strip == nullptr ? cells == 0 : strip->FrameCount() == cells);
  if (strip) Require(strip->pixmaps.back()->width == cell_w);
  Require(!ImageLoadAnim("incbin::fuzz_picture", cell_w, cell_h, cells, 1, -1));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  RegisterResource("fuzz_picture", data, size);
  PixmapPtr direct = DecodePicture(data, size);
  PixmapPtr loaded = LoadPixmap("incbin::fuzz_picture");
  Require((direct == nullptr) == (loaded == nullptr));
  ImagePtr image = ImageLoad("incbin::fuzz_picture", -1);
  Require((direct == nullptr) == (image == nullptr));
  if (!direct) return 0;
  RequireSound(*direct);
  RequireSame(*direct, *loaded);
  Require(image->width == direct->width && image->height == direct->height);
  RequireSame(*image->pixmaps[0], *direct);
  CutCells(*direct, data, size);
  return 0;
}
