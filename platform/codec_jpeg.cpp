// JPEG reading and writing through libjpeg. Its fatal errors longjmp back into the helpers
// below instead of ending the process. libjpeg only warns about damaged or missing data and
// makes up the rest of the picture, so a decode refuses every warning except the few that
// cannot change a pixel (see Harmless and NothingMissing).
#include <algorithm>
#include <csetjmp>
#include <cstddef>
#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>
#include <jerror.h>  // after jpeglib.h, which it needs

#include "platform/codecs.hpp"

namespace {
struct ErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf jump;
  const std::uint8_t* data = nullptr;  // the bytes being decoded
  std::size_t size = 0;
  bool in_scans = false;  // past the header, into the picture data
  bool data_ran_out = false;
};

ErrorManager& Manager(j_common_ptr info) { return *reinterpret_cast<ErrorManager*>(info->err); }

// Huffman-coded scans spend at least one bit on every 8 x 8 block, so a whole picture brings
// at least a byte per 512 pixels. Refusing denser claims before libjpeg allocates for them keeps
// a few bytes from costing hundreds of megabytes. (Arithmetic coding could be denser; such
// pictures are refused too.)
constexpr std::int64_t kMaxPixelsPerByte = 512;

void OnFatal(j_common_ptr info) { std::longjmp(Manager(info).jump, 1); }
void OnMessage(j_common_ptr) {}

// The bytes libjpeg skipped to find a marker lie just before its read position, which has not
// yet moved past the marker. Only zeros count as padding: anything else after a scan may be
// the rest of corrupt picture data that ended early.
bool SkippedOnlyZeros(j_decompress_ptr info, const ErrorManager& err) {
  const auto skipped = std::size_t(err.base.msg_parm.i[0]);
  const auto at = reinterpret_cast<std::uintptr_t>(info->src->next_input_byte);
  const auto begin = reinterpret_cast<std::uintptr_t>(err.data);
  if (err.data_ran_out || at < begin || at - begin > err.size || at - begin < skipped) return false;
  const std::uint8_t* end = err.data + (at - begin);
  return std::all_of(end - skipped, end, [](std::uint8_t b) { return b == 0; });
}

// Warnings that leave every pixel as the encoder meant it: a JFIF version other than 1.x (the
// version changes nothing in how the data decode), bytes outside any segment in the header
// where no picture data can be, and zero padding after picture data. The end of the data
// (which the end marker would follow) is judged in NothingMissing.
bool Harmless(j_decompress_ptr info, ErrorManager& err) {
  switch (err.base.msg_code) {
    case JWRN_JFIF_MAJOR: return true;
    case JWRN_EXTRANEOUS_DATA: return !err.in_scans || SkippedOnlyZeros(info, err);
    case JWRN_JPEG_EOF: err.data_ran_out = true; return true;
    default: return false;
  }
}

// Level -1 is a warning about corrupt or missing data; higher levels are traces.
void OnEmitWhileDecoding(j_common_ptr info, int level) {
  if (level < 0 && !Harmless(reinterpret_cast<j_decompress_ptr>(info), Manager(info)))
    OnFatal(info);
}

// A file whose data ran out lost only its end marker when libjpeg never had to make up a bit
// (it warns of that as a corrupt segment, refused above) and nothing is missing that a later
// scan would have brought: every coefficient of a progressive picture at full precision. Of a
// picture in several sequential scans, whole scans may be missing unnoticed: refused. A picture
// in several scans is read whole before its first row comes out, so this can be judged then.
bool NothingMissing(j_decompress_ptr info, const ErrorManager& err) {
  if (!err.data_ran_out || !jpeg_has_multiple_scans(info)) return true;
  if (!info->progressive_mode || !info->coef_bits) return false;
  for (int c = 0; c < info->num_components; ++c)
    for (int k = 0; k < DCTSIZE2; ++k)
      if (info->coef_bits[c][k] != 0) return false;
  return true;
}

// Print software writes CMYK or YCCK, which libjpeg hands over as CMYK; Adobe's files store
// the inks inverted (255 is no ink). Converted in place: both layouts take four bytes a pixel.
void CmykToRgba(std::uint8_t* row, int width, bool inverted) {
  for (int x = 0; x < width; ++x, row += 4) {
    const int k = inverted ? row[3] : 255 - row[3];
    for (int c = 0; c < 3; ++c) {
      const int ink = inverted ? row[c] : 255 - row[c];
      row[c] = std::uint8_t((ink * k + 127) / 255);
    }
    row[3] = 255;
  }
}

bool SizeAcceptable(std::int64_t w, std::int64_t h, std::size_t size) {
  return w > 0 && h > 0 && w <= kMaxPictureSide && h <= kMaxPictureSide &&
         w * h <= kMaxPicturePixels && w * h <= std::int64_t(size) * kMaxPixelsPerByte;
}

bool DecodeInto(const std::uint8_t* data, std::size_t size, PixmapPtr* result) {
  jpeg_decompress_struct info;
  ErrorManager err;
  err.data = data;
  err.size = size;
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
  const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
  info.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_RGBA;
  err.in_scans = true;
  jpeg_start_decompress(&info);
  if (!NothingMissing(&info, err)) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  *result = std::make_shared<TPixmap>(int(info.output_width), int(info.output_height), PF_RGBA8888);
  TPixmap& pixmap = **result;
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = pixmap.Row(int(info.output_scanline));
    jpeg_read_scanlines(&info, &row, 1);
    if (cmyk) CmykToRgba(row, pixmap.width, info.saw_Adobe_marker);
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
