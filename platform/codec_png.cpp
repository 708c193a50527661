// PNG reading and writing through libpng. Errors unwind through libpng's longjmp inside the
// small C-style helpers below, which keep no objects with destructors alive across it.
#include <png.h>

#include <csetjmp>
#include <cstring>

#include "platform/codecs.hpp"

namespace {
bool LooksLikePNG(const std::uint8_t* data, std::size_t size) {
  return size >= 8 && png_sig_cmp(data, 0, 8) == 0;
}

bool SizeAcceptable(std::int64_t w, std::int64_t h) {
  return w > 0 && h > 0 && w <= kMaxPictureSide && h <= kMaxPictureSide &&
         w * h <= kMaxPicturePixels;
}

// Deflate cannot expand a byte into more than 1032, so the filtered rows the header announces
// must fit into 1032 times the whole file, or the picture cannot be all there. Checking this
// before allocating keeps a few bytes from costing hundreds of megabytes. The header chunk is
// always first and libpng has validated it by now: bit depth at byte 24, colour type at 25.
bool DataCanHold(const std::uint8_t* data, std::size_t size, std::int64_t w, std::int64_t h) {
  static constexpr int kChannels[7] = {1, 0, 3, 1, 2, 0, 4};
  const int depth = data[24], colour_type = data[25];
  const int channels = colour_type < 7 ? kChannels[colour_type] : 4;
  const std::int64_t row_bytes = 1 + (w * depth * channels + 7) / 8;
  return h * row_bytes <= std::int64_t(size) * 1032;
}

PixmapPtr DecodePNG(const std::uint8_t* data, std::size_t size) {
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&image, data, size)) return nullptr;
  if (!SizeAcceptable(image.width, image.height) ||
      !DataCanHold(data, size, image.width, image.height)) {
    png_image_free(&image);
    return nullptr;
  }
  image.format = PNG_FORMAT_RGBA;
  auto pixmap = std::make_shared<TPixmap>(int(image.width), int(image.height), PF_RGBA8888);
  if (!png_image_finish_read(&image, nullptr, pixmap->pixels.data(), pixmap->pitch, nullptr)) {
    png_image_free(&image);
    return nullptr;
  }
  return pixmap;
}

void WriteToVector(png_structp png, png_bytep bytes, png_size_t length) {
  auto* out = static_cast<std::vector<std::uint8_t>*>(png_get_io_ptr(png));
  out->insert(out->end(), bytes, bytes + length);
}

void FlushNothing(png_structp) {}

// Returns false when libpng reported an error.
bool WritePNG(const TPixmap& pixmap, int compression, std::vector<std::uint8_t>* out) {
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  if (!png) return false;
  png_infop info = png_create_info_struct(png);
  if (!info || setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return false;
  }
  png_set_write_fn(png, out, WriteToVector, FlushNothing);
  png_set_compression_level(png, compression < 0 ? 0 : compression > 9 ? 9 : compression);
  int type = pixmap.format == PF_RGBA8888 ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB;
  png_set_IHDR(png, info, png_uint_32(pixmap.width), png_uint_32(pixmap.height), 8, type,
               PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  for (int y = 0; y < pixmap.height; ++y)
    png_write_row(png, const_cast<png_bytep>(pixmap.Row(y)));
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return true;
}
}  // namespace

PixmapPtr DecodePNGBytes(const std::uint8_t* data, std::size_t size) {
  return LooksLikePNG(data, size) ? DecodePNG(data, size) : nullptr;
}

std::vector<std::uint8_t> EncodePNG(const TPixmap& pixmap, int compression) {
  std::vector<std::uint8_t> out;
  if (pixmap.width <= 0 || pixmap.height <= 0) return out;
  if (!WritePNG(pixmap, compression, &out)) out.clear();
  return out;
}
