// JPEG reading and writing through libjpeg. Its fatal errors longjmp back into the helpers
// below instead of ending the process. libjpeg only warns about damaged or missing data and
// makes up the rest of the picture; a decode takes any warning as a failure.
#include <csetjmp>
#include <cstddef>
#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

#include "platform/codecs.hpp"

namespace {
struct ErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf jump;
};

// Huffman-coded scans spend at least one bit on every 8 x 8 block, so a whole picture brings
// at least a byte per 512 pixels. Refusing denser claims before libjpeg allocates for them keeps
// a few bytes from costing hundreds of megabytes. (Arithmetic coding could be denser; such
// pictures are refused too.)
constexpr std::int64_t kMaxPixelsPerByte = 512;

void OnFatal(j_common_ptr info) {
  std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1);
}
void OnMessage(j_common_ptr) {}
// Level -1 is a warning about corrupt or missing data; higher levels are traces.
void OnEmitWhileDecoding(j_common_ptr info, int level) {
  if (level < 0) OnFatal(info);
}

bool SizeAcceptable(std::int64_t w, std::int64_t h, std::size_t size) {
  return w > 0 && h > 0 && w <= kMaxPictureSide && h <= kMaxPictureSide &&
         w * h <= kMaxPicturePixels && w * h <= std::int64_t(size) * kMaxPixelsPerByte;
}

bool DecodeInto(const std::uint8_t* data, std::size_t size, PixmapPtr* result) {
  jpeg_decompress_struct info;
  ErrorManager err;
  info.err = jpeg_std_error(&err.base);
  err.base.error_exit = OnFatal;
  err.base.output_message = OnMessage;
  err.base.emit_message = OnEmitWhileDecoding;
  if (setjmp(err.jump)) {
    jpeg_destroy_decompress(&info);
    result->reset();
    return false;
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, data, static_cast<unsigned long>(size));
  jpeg_read_header(&info, TRUE);
  if (!SizeAcceptable(info.image_width, info.image_height, size)) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  info.out_color_space = JCS_EXT_RGBA;
  jpeg_start_decompress(&info);
  *result = std::make_shared<TPixmap>(int(info.output_width), int(info.output_height), PF_RGBA8888);
  TPixmap& pixmap = **result;
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = pixmap.Row(int(info.output_scanline));
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return true;
}

bool EncodeInto(const TPixmap& rgb, int quality, unsigned char** buffer, unsigned long* length) {
  jpeg_compress_struct info;
  ErrorManager err;
  info.err = jpeg_std_error(&err.base);
  err.base.error_exit = OnFatal;
  err.base.output_message = OnMessage;
  if (setjmp(err.jump)) {
    jpeg_destroy_compress(&info);
    return false;
  }
  jpeg_create_compress(&info);
  jpeg_mem_dest(&info, buffer, length);
  info.image_width = JDIMENSION(rgb.width);
  info.image_height = JDIMENSION(rgb.height);
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, quality < 0 ? 0 : quality > 100 ? 100 : quality, TRUE);
  jpeg_start_compress(&info, TRUE);
  while (info.next_scanline < info.image_height) {
    JSAMPROW row = const_cast<JSAMPROW>(rgb.Row(int(info.next_scanline)));
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  return true;
}
}  // namespace

PixmapPtr DecodeJPEGBytes(const std::uint8_t* data, std::size_t size) {
  if (size < 3 || data[0] != 0xFF || data[1] != 0xD8 || data[2] != 0xFF) return nullptr;
  PixmapPtr result;
  if (!DecodeInto(data, size, &result)) return nullptr;
  return result;
}

std::vector<std::uint8_t> EncodeJPEG(const TPixmap& pixmap, int quality) {
  std::vector<std::uint8_t> out;
  if (pixmap.width <= 0 || pixmap.height <= 0) return out;
  PixmapPtr rgb = pixmap.Convert(PF_RGB888);
  unsigned char* buffer = nullptr;
  unsigned long length = 0;
  if (EncodeInto(*rgb, quality, &buffer, &length) && buffer) out.assign(buffer, buffer + length);
  std::free(buffer);
  return out;
}
