#include "platform/pixmap.hpp"

#include <cstring>

#include "platform/codecs.hpp"
#include "platform/replace_file.hpp"
#include "platform/resources.hpp"

TPixmap::TPixmap(int w, int h, int fmt)
    : width(w > 0 ? w : 0), height(h > 0 ? h : 0), format(fmt == PF_RGB888 ? PF_RGB888 : PF_RGBA8888) {
  pitch = width * format;
  pixels.assign(std::size_t(pitch) * height, 0);
}

std::uint32_t TPixmap::ReadPixel(int x, int y) const {
  if (!Contains(x, y)) return 0;
  const std::uint8_t* p = Row(y) + std::size_t(x) * format;
  std::uint32_t a = format == PF_RGBA8888 ? p[3] : 255;
  return (a << 24) | (std::uint32_t(p[0]) << 16) | (std::uint32_t(p[1]) << 8) | p[2];
}

void TPixmap::WritePixel(int x, int y, std::uint32_t argb) {
  if (!Contains(x, y)) return;
  std::uint8_t* p = Row(y) + std::size_t(x) * format;
  p[0] = std::uint8_t(argb >> 16);
  p[1] = std::uint8_t(argb >> 8);
  p[2] = std::uint8_t(argb);
  if (format == PF_RGBA8888) p[3] = std::uint8_t(argb >> 24);
}

void TPixmap::Clear(std::uint32_t argb) {
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) WritePixel(x, y, argb);
}

std::shared_ptr<TPixmap> TPixmap::Convert(int fmt) const {
  auto out = std::make_shared<TPixmap>(width, height, fmt);
  if (out->format == format) {
    for (int y = 0; y < height; ++y) std::memcpy(out->Row(y), Row(y), std::size_t(width) * format);
    return out;
  }
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) out->WritePixel(x, y, ReadPixel(x, y));
  return out;
}

PixmapPtr LoadPixmap(const std::string& source) {
  // Embedded pictures are decoded where they lie, without a copy.
  if (source.starts_with(kIncbinPrefix)) {
    ResourceBytes res = FindResource(std::string_view(source).substr(kIncbinPrefix.size()));
    if (!res.found) return nullptr;
    PixmapPtr picture = DecodePicture(res.data, res.size);
    DoneWithResource(res);
    return picture;
  }
  std::vector<std::uint8_t> bytes;
  if (!ReadSource(source, bytes)) return nullptr;
  return DecodePicture(bytes.data(), bytes.size());
}

PixmapPtr DecodePicture(const std::uint8_t* data, std::size_t size) {
  if (!data || size == 0) return nullptr;
  if (PixmapPtr png = DecodePNGBytes(data, size)) return png;
  return DecodeJPEGBytes(data, size);
}

int PixmapSavePNG(const TPixmap& pixmap, const std::string& path, int compression) {
  std::vector<std::uint8_t> bytes = EncodePNG(pixmap, compression);
  return !bytes.empty() && ReplaceFile(path, bytes.data(), bytes.size()) ? 1 : 0;
}

int PixmapSaveJPEG(const TPixmap& pixmap, const std::string& path, int quality) {
  std::vector<std::uint8_t> bytes = EncodeJPEG(pixmap, quality);
  return !bytes.empty() && ReplaceFile(path, bytes.data(), bytes.size()) ? 1 : 0;
}
