// PNG reading and writing through libpng. Errors unwind through libpng's longjmp inside the
// small C-style helpers below, which keep no objects with destructors alive across it.
#include <png.h>

#include <csetjmp>
#include <cstring>
#include <vector>

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
// before allocating keeps a few bytes from costing hundreds of megabytes.
bool DataCanHold(std::size_t size, std::int64_t w, std::int64_t h, int depth, int channels) {
  const std::int64_t row_bytes = 1 + (w * depth * channels + 7) / 8;
  return h * row_bytes <= std::int64_t(size) * 1032;
}

struct Source {
  const std::uint8_t* data;
  std::size_t size;
  std::size_t at;
};

void ReadFromSource(png_structp png, png_bytep out, png_size_t length) {
  auto* source = static_cast<Source*>(png_get_io_ptr(png));
  if (length > source->size - source->at) png_error(png, "cut short");
  std::memcpy(out, source->data + source->at, length);
  source->at += length;
}

[[noreturn]] void OnError(png_structp png, png_const_charp) { png_longjmp(png, 1); }
void OnWarning(png_structp, png_const_charp) {}

// Every colour type and depth becomes 8-bit RGBA holding the stored values: no gamma, colour
// profile or chromaticity is applied, because a kit's colour keys and palettes need the numbers
// the artist stored. 16-bit samples are rounded to the nearest 8-bit value.
void AskForRgba8(png_structp png, png_infop info) {
  png_set_expand(png);  // palette, low depths and tRNS
  png_set_scale_16(png);
  const int type = png_get_color_type(png, info);
  if (!(type & PNG_COLOR_MASK_COLOR)) png_set_gray_to_rgb(png);
  png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);  // a no-op once there is alpha
  png_set_interlace_handling(png);
  png_read_update_info(png, info);
}

// Reads the whole picture into *out; false on any error or an unacceptable size. No object
// with a destructor lives in this frame across libpng's longjmp.
bool ReadInto(png_structp png, png_infop info, Source* source, PixmapPtr* out,
              std::vector<png_bytep>* rows) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_set_read_fn(png, source, ReadFromSource);
  png_read_info(png, info);
  const png_uint_32 w = png_get_image_width(png, info), h = png_get_image_height(png, info);
  if (!SizeAcceptable(w, h) || !DataCanHold(source->size, w, h, png_get_bit_depth(png, info),
                                            png_get_channels(png, info)))
    return false;
  AskForRgba8(png, info);
  if (png_get_rowbytes(png, info) != std::size_t(w) * 4) return false;
  *out = std::make_shared<TPixmap>(int(w), int(h), PF_RGBA8888);
  rows->resize(h);
  for (png_uint_32 y = 0; y < h; ++y) (*rows)[y] = (*out)->Row(int(y));
  png_read_image(png, rows->data());
  png_read_end(png, nullptr);
  return true;
}

PixmapPtr DecodePNG(const std::uint8_t* data, std::size_t size) {
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, OnError, OnWarning);
  if (!png) return nullptr;
  png_infop info = png_create_info_struct(png);
  Source source{data, size, 0};
  PixmapPtr pixmap;
  std::vector<png_bytep> rows;
  const bool ok = info && ReadInto(png, info, &source, &pixmap, &rows);
  png_destroy_read_struct(&png, &info, nullptr);
  return ok ? pixmap : nullptr;
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
