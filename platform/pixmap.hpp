#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// Pixel formats of a pixmap: bytes per pixel, in memory order.
enum PixelFormat : int { PF_RGB888 = 3, PF_RGBA8888 = 4 };

// An image in system memory. Rows are `pitch` bytes apart, top row first.
struct TPixmap {
  std::vector<std::uint8_t> pixels;
  int width = 0;
  int height = 0;
  int pitch = 0;
  int format = PF_RGBA8888;

  TPixmap() = default;
  TPixmap(int w, int h, int fmt = PF_RGBA8888);

  int BytesPerPixel() const { return format; }
  bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
  std::uint8_t* Row(int y) { return pixels.data() + std::size_t(y) * pitch; }
  const std::uint8_t* Row(int y) const { return pixels.data() + std::size_t(y) * pitch; }

  // Pixel as 0xAARRGGBB; 0 outside the pixmap. RGB pixmaps read as opaque.
  std::uint32_t ReadPixel(int x, int y) const;
  // Stores 0xAARRGGBB; nothing happens outside the pixmap.
  void WritePixel(int x, int y, std::uint32_t argb);
  // Fills every pixel with one 0xAARRGGBB value.
  void Clear(std::uint32_t argb);
  // A copy converted to another format (alpha 255 when it gains one).
  std::shared_ptr<TPixmap> Convert(int fmt) const;
};

using PixmapPtr = std::shared_ptr<TPixmap>;

// The largest picture a decoder accepts, checked against the header before allocating.
inline constexpr int kMaxPictureSide = 16384;
inline constexpr std::int64_t kMaxPicturePixels = 64LL * 1024 * 1024;

// Decodes PNG or JPEG bytes (told apart by their signatures) into an RGBA pixmap; none on any
// error, including corrupt, truncated or oversized data.
PixmapPtr DecodePicture(const std::uint8_t* data, std::size_t size);

// Loads a picture from a path or "incbin::" name; none on failure.
PixmapPtr LoadPixmap(const std::string& source);

// Encoders. Empty result on failure.
std::vector<std::uint8_t> EncodePNG(const TPixmap& pixmap, int compression);
std::vector<std::uint8_t> EncodeJPEG(const TPixmap& pixmap, int quality);

// Writes a pixmap to a file; 1 on success, 0 on failure. The file is written under a temporary
// name and renamed into place, so a failed write never leaves a broken picture behind.
int PixmapSavePNG(const TPixmap& pixmap, const std::string& path, int compression = 6);
int PixmapSaveJPEG(const TPixmap& pixmap, const std::string& path, int quality = 75);
