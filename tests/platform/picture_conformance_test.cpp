// Pictures in every layout a PNG or JPEG file can have, written here with libpng and libjpeg
// from known pixels, must decode to those pixels: exactly for PNG (the stored values, whatever
// gamma or colour profile the file names), within kJpegTolerance for JPEG.
#include <gtest/gtest.h>
#include <jpeglib.h>
#include <png.h>
#include <zlib.h>

#include <csetjmp>
#include <cstdlib>
#include <sstream>

#include "platform/pixmap.hpp"

namespace {

using Bytes = std::vector<std::uint8_t>;

// Odd sizes leave partial bytes at low depths, partial interlace blocks and partial MCUs.
constexpr int kW = 13, kH = 11;

std::uint32_t Sample(int x, int y, int c, int depth) {
  const std::uint32_t v = std::uint32_t(x) * 40961u + std::uint32_t(y) * 90017u +
                          std::uint32_t(c) * 12347u + std::uint32_t(x * y) * 7717u;
  return v & ((1u << depth) - 1);
}

std::uint8_t To8(std::uint32_t v, int depth) {
  if (depth == 16) return std::uint8_t((v * 255 + 32767) / 65535);
  return std::uint8_t(v * 255 / ((1u << depth) - 1));
}

enum class ColourChunk { kNone, kGamma18, kGamma22, kSrgb, kIccp };

struct PngLayout {
  int type;  // PNG_COLOR_TYPE_*
  int depth;
  bool trns;
  bool interlaced;
  ColourChunk colour;

  int Channels() const {
    return type == PNG_COLOR_TYPE_RGB ? 3 : type == PNG_COLOR_TYPE_GA ? 2 : type == PNG_COLOR_TYPE_RGBA ? 4 : 1;
  }
  int PaletteSize() const { return std::min(1 << depth, 200); }
  std::string Name() const {
    std::ostringstream s;
    s << "type " << type << " depth " << depth << (trns ? " tRNS" : "")
      << (interlaced ? " interlaced" : "") << " colour chunk " << int(colour);
    return s.str();
  }
};

png_color PaletteColour(int i) {
  return {png_byte(i * 53), png_byte(i * 101 + 7), png_byte(i * 197 + 3)};
}
png_byte PaletteAlpha(int i) { return png_byte(i * 40 + 1); }
constexpr int kPaletteAlphas = 7;

// What the decoder must give for pixel (x, y).
std::uint32_t ExpectedPixel(const PngLayout& l, int x, int y) {
  int r, g, b, a = 255;
  if (l.type == PNG_COLOR_TYPE_PALETTE) {
    const int i = int(Sample(x, y, 0, l.depth)) % l.PaletteSize();
    const png_color c = PaletteColour(i);
    r = c.red, g = c.green, b = c.blue;
    if (l.trns && i < kPaletteAlphas) a = PaletteAlpha(i);
  } else {
    const bool colour = l.type & PNG_COLOR_MASK_COLOR;
    r = To8(Sample(x, y, 0, l.depth), l.depth);
    g = colour ? To8(Sample(x, y, 1, l.depth), l.depth) : r;
    b = colour ? To8(Sample(x, y, 2, l.depth), l.depth) : r;
    if (l.type & PNG_COLOR_MASK_ALPHA) a = To8(Sample(x, y, colour ? 3 : 1, l.depth), l.depth);
    bool keyed = l.trns;
    for (int c = 0; c < (colour ? 3 : 1); ++c)
      keyed = keyed && Sample(x, y, c, l.depth) == Sample(1, 0, c, l.depth);
    if (keyed) a = 0;
  }
  return std::uint32_t(a) << 24 | std::uint32_t(r) << 16 | std::uint32_t(g) << 8 | std::uint32_t(b);
}

// One row as the file stores it: samples packed high bit first, 16-bit ones big-endian.
Bytes StoredRow(const PngLayout& l, int y) {
  const int per_pixel = l.Channels();
  Bytes row(std::size_t((kW * per_pixel * l.depth + 7) / 8));
  int bit = 0;
  for (int x = 0; x < kW; ++x) {
    for (int c = 0; c < per_pixel; ++c, bit += l.depth) {
      std::uint32_t v = Sample(x, y, c, l.depth);
      if (l.type == PNG_COLOR_TYPE_PALETTE) v %= std::uint32_t(l.PaletteSize());
      if (l.depth == 16) {
        row[std::size_t(bit / 8)] = std::uint8_t(v >> 8);
        row[std::size_t(bit / 8 + 1)] = std::uint8_t(v);
      } else {
        row[std::size_t(bit / 8)] |= std::uint8_t(v << (8 - l.depth - bit % 8));
      }
    }
  }
  return row;
}

// The smallest profile header libpng accepts the look of; its contents must change nothing.
Bytes IccpChunk(bool grey) {
  Bytes profile(132, 0);
  const auto put = [&](std::size_t at, const char* four) { std::copy(four, four + 4, &profile[at]); };
  profile[3] = 132;
  profile[8] = 2, profile[9] = 0x10;
  put(12, "mntr"), put(16, grey ? "GRAY" : "RGB "), put(20, "XYZ "), put(36, "acsp");
  const std::uint8_t d50[12] = {0, 0, 0xF6, 0xD6, 0, 1, 0, 0, 0, 0, 0xD3, 0x2D};
  std::copy(d50, d50 + 12, &profile[68]);
  uLongf packed_size = compressBound(uLong(profile.size()));
  Bytes chunk = {'t', 'e', 's', 't', 0, 0};
  chunk.resize(chunk.size() + packed_size);
  compress(&chunk[6], &packed_size, profile.data(), uLong(profile.size()));
  chunk.resize(6 + packed_size);
  return chunk;
}

void SetChunks(png_structp png, png_infop info, const PngLayout& l, std::vector<png_color>& plte,
               std::vector<png_byte>& alphas) {
  png_set_IHDR(png, info, kW, kH, l.depth, l.type,
               l.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  if (l.colour == ColourChunk::kGamma18) png_set_gAMA_fixed(png, info, 55556);
  if (l.colour == ColourChunk::kGamma22) png_set_gAMA_fixed(png, info, 45455);
  if (l.colour == ColourChunk::kSrgb) png_set_sRGB(png, info, PNG_sRGB_INTENT_PERCEPTUAL);
  if (l.type == PNG_COLOR_TYPE_PALETTE) {
    for (int i = 0; i < l.PaletteSize(); ++i) plte.push_back(PaletteColour(i));
    png_set_PLTE(png, info, plte.data(), int(plte.size()));
  }
  if (!l.trns) return;
  if (l.type == PNG_COLOR_TYPE_PALETTE) {
    for (int i = 0; i < kPaletteAlphas && i < l.PaletteSize(); ++i) alphas.push_back(PaletteAlpha(i));
    png_set_tRNS(png, info, alphas.data(), int(alphas.size()), nullptr);
  } else {
    png_color_16 key{};
    key.gray = key.red = png_uint_16(Sample(1, 0, 0, l.depth));
    key.green = png_uint_16(Sample(1, 0, 1, l.depth));
    key.blue = png_uint_16(Sample(1, 0, 2, l.depth));
    png_set_tRNS(png, info, nullptr, 0, &key);
  }
}

void AppendBytes(png_structp png, png_bytep data, png_size_t n) {
  auto* out = static_cast<Bytes*>(png_get_io_ptr(png));
  out->insert(out->end(), data, data + n);
}

bool WritePngInto(const PngLayout& l, std::vector<Bytes>& rows, std::vector<png_bytep>& pointers,
                  std::vector<png_color>& plte, std::vector<png_byte>& alphas,
                  const Bytes& iccp, Bytes* out) {
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return false;
  }
  png_set_write_fn(png, out, AppendBytes, nullptr);
  SetChunks(png, info, l, plte, alphas);
  png_write_info_before_PLTE(png, info);
  if (l.colour == ColourChunk::kIccp)
    png_write_chunk(png, reinterpret_cast<png_const_bytep>("iCCP"), iccp.data(), iccp.size());
  png_write_info(png, info);
  for (int y = 0; y < kH; ++y) pointers.push_back(rows[std::size_t(y)].data());
  png_write_image(png, pointers.data());
  png_write_end(png, info);
  png_destroy_write_struct(&png, &info);
  return true;
}

Bytes WritePng(const PngLayout& l) {
  std::vector<Bytes> rows;
  for (int y = 0; y < kH; ++y) rows.push_back(StoredRow(l, y));
  std::vector<png_bytep> pointers;
  std::vector<png_color> plte;
  std::vector<png_byte> alphas;
  const Bytes iccp = IccpChunk(!(l.type & PNG_COLOR_MASK_COLOR));
  Bytes out;
  EXPECT_TRUE(WritePngInto(l, rows, pointers, plte, alphas, iccp, &out)) << l.Name();
  return out;
}

// Empty when every pixel is as expected, else the first difference.
std::string FirstDifference(const PngLayout& l, const PixmapPtr& decoded) {
  if (!decoded) return "not decoded";
  if (decoded->width != kW || decoded->height != kH) return "wrong size";
  for (int y = 0; y < kH; ++y)
    for (int x = 0; x < kW; ++x)
      if (decoded->ReadPixel(x, y) != ExpectedPixel(l, x, y)) {
        std::ostringstream s;
        s << std::hex << "at " << x << "," << y << ": " << decoded->ReadPixel(x, y)
          << " instead of " << ExpectedPixel(l, x, y);
        return s.str();
      }
  return {};
}

}  // namespace

TEST(PictureConformance, EveryPngLayoutDecodesToItsStoredValues) {
  const std::vector<std::pair<int, std::vector<int>>> depths = {
      {PNG_COLOR_TYPE_GRAY, {1, 2, 4, 8, 16}}, {PNG_COLOR_TYPE_RGB, {8, 16}},
      {PNG_COLOR_TYPE_PALETTE, {1, 2, 4, 8}},  {PNG_COLOR_TYPE_GA, {8, 16}},
      {PNG_COLOR_TYPE_RGBA, {8, 16}}};
  int checked = 0;
  for (const auto& [type, type_depths] : depths)
    for (int depth : type_depths)
      for (bool trns : {false, true}) {
        if (trns && (type & PNG_COLOR_MASK_ALPHA)) continue;
        for (bool interlaced : {false, true})
          for (ColourChunk colour : {ColourChunk::kNone, ColourChunk::kGamma18,
                                     ColourChunk::kGamma22, ColourChunk::kSrgb, ColourChunk::kIccp}) {
            const PngLayout layout{type, depth, trns, interlaced, colour};
            const Bytes png = WritePng(layout);
            EXPECT_EQ(FirstDifference(layout, DecodePicture(png.data(), png.size())), "")
                << layout.Name();
            ++checked;
          }
      }
  EXPECT_EQ(checked, 260);
}

namespace {

// What the decoder may differ by, per channel, from the pixels a JPEG was made from at quality
// 100; chroma halved in both directions blurs the colour edges a little more.
constexpr int kJpegTolerance = 6;

TPixmap JpegSource() {
  TPixmap p(kW * 3, kH * 3);
  for (int y = 0; y < p.height; ++y)
    for (int x = 0; x < p.width; ++x)
      p.WritePixel(x, y, 0xFF000000u | std::uint32_t(x * 255 / (p.width - 1)) << 16 |
                             std::uint32_t(y * 255 / (p.height - 1)) << 8 |
                             std::uint32_t(128 + (x - y) * 2));
  return p;
}

struct JpegCoding {
  const char* name;
  J_COLOR_SPACE input;   // what the rows hold
  J_COLOR_SPACE stored;  // what the file holds
  bool progressive = false;
  int restart_rows = 0;
  bool halved_chroma = false;
  bool adobe = true;  // for CMYK: inverted inks, as Adobe writes them
};

int Grey(std::uint32_t argb) {
  return int(((argb >> 16 & 255) + (argb >> 8 & 255) + (argb & 255)) / 3);
}

// The source's pixel as the coding's input row holds it. CMYK takes the most black it can
// (inks inverted when Adobe's: 255 is no ink).
void InputPixel(const JpegCoding& coding, std::uint32_t argb, JSAMPLE* out) {
  const int rgb[3] = {int(argb >> 16 & 255), int(argb >> 8 & 255), int(argb & 255)};
  if (coding.input == JCS_GRAYSCALE) {
    out[0] = JSAMPLE(Grey(argb));
  } else if (coding.input == JCS_RGB) {
    for (int c = 0; c < 3; ++c) out[c] = JSAMPLE(rgb[c]);
  } else {
    const int k = std::max({rgb[0], rgb[1], rgb[2], 1});
    for (int c = 0; c < 3; ++c) out[c] = JSAMPLE(rgb[c] * 255 / k);
    out[3] = JSAMPLE(k);
    if (!coding.adobe)
      for (int c = 0; c < 4; ++c) out[c] = JSAMPLE(255 - out[c]);
  }
}

void Configure(jpeg_compress_struct& info, const JpegCoding& coding) {
  info.in_color_space = coding.input;
  info.input_components = coding.input == JCS_GRAYSCALE ? 1 : coding.input == JCS_RGB ? 3 : 4;
  jpeg_set_defaults(&info);
  jpeg_set_colorspace(&info, coding.stored);
  if (!coding.adobe) info.write_Adobe_marker = FALSE;
  jpeg_set_quality(&info, 100, TRUE);
  for (int c = 0; c < info.num_components; ++c)
    info.comp_info[c].h_samp_factor = info.comp_info[c].v_samp_factor =
        c == 0 && coding.halved_chroma ? 2 : 1;
  if (coding.progressive) jpeg_simple_progression(&info);
  info.restart_in_rows = coding.restart_rows;
}

Bytes WriteJpeg(const TPixmap& source, const JpegCoding& coding) {
  jpeg_compress_struct info;
  jpeg_error_mgr err;
  info.err = jpeg_std_error(&err);  // a writer error in a test may end the test program
  jpeg_create_compress(&info);
  unsigned char* buffer = nullptr;
  unsigned long length = 0;
  jpeg_mem_dest(&info, &buffer, &length);
  info.image_width = JDIMENSION(source.width);
  info.image_height = JDIMENSION(source.height);
  Configure(info, coding);
  jpeg_start_compress(&info, TRUE);
  std::vector<JSAMPLE> row(std::size_t(source.width) * 4);
  while (info.next_scanline < info.image_height) {
    for (int x = 0; x < source.width; ++x)
      InputPixel(coding, source.ReadPixel(x, int(info.next_scanline)),
                 &row[std::size_t(x * info.input_components)]);
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&info, rows, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  Bytes out(buffer, buffer + length);
  std::free(buffer);
  return out;
}

int LargestDifference(const TPixmap& want, const TPixmap& got, bool grey) {
  int largest = 0;
  for (int y = 0; y < want.height; ++y)
    for (int x = 0; x < want.width; ++x) {
      const std::uint32_t w = want.ReadPixel(x, y), g = got.ReadPixel(x, y);
      if (g >> 24 != 255) return 255;
      for (int shift : {16, 8, 0}) {
        const int expected = grey ? Grey(w) : int(w >> shift & 255);
        largest = std::max(largest, std::abs(expected - int(g >> shift & 255)));
      }
    }
  return largest;
}

std::size_t Find(const Bytes& bytes, std::uint8_t marker, int nth = 1) {
  for (std::size_t i = 0; i + 1 < bytes.size(); ++i)
    if (bytes[i] == 0xFF && bytes[i + 1] == marker && --nth == 0) return i;
  return bytes.size();
}

Bytes Inserted(Bytes bytes, std::size_t at, const Bytes& what) {
  bytes.insert(bytes.begin() + std::ptrdiff_t(at), what.begin(), what.end());
  return bytes;
}

PixmapPtr Decode(const Bytes& b) { return DecodePicture(b.data(), b.size()); }

}  // namespace

TEST(PictureConformance, EveryJpegCodingDecodesCloseToItsSource) {
  const TPixmap source = JpegSource();
  const std::vector<JpegCoding> codings = {
      {"baseline", JCS_RGB, JCS_YCbCr},
      {"halved chroma", JCS_RGB, JCS_YCbCr, false, 0, true},
      {"progressive", JCS_RGB, JCS_YCbCr, true, 0, true},
      {"restart markers", JCS_RGB, JCS_YCbCr, false, 1, true},
      {"greyscale", JCS_GRAYSCALE, JCS_GRAYSCALE},
      {"greyscale progressive", JCS_GRAYSCALE, JCS_GRAYSCALE, true},
      {"RGB stored as RGB", JCS_RGB, JCS_RGB},
      {"Adobe CMYK", JCS_CMYK, JCS_CMYK},
      {"Adobe YCCK", JCS_CMYK, JCS_YCCK},
      {"CMYK without Adobe marker", JCS_CMYK, JCS_CMYK, false, 0, false, false},
      {"progressive CMYK", JCS_CMYK, JCS_CMYK, true, 2}};
  for (const JpegCoding& coding : codings) {
    const Bytes jpg = WriteJpeg(source, coding);
    const PixmapPtr decoded = Decode(jpg);
    ASSERT_TRUE(decoded) << coding.name;
    ASSERT_EQ(decoded->width, source.width);
    ASSERT_EQ(decoded->height, source.height);
    EXPECT_LE(LargestDifference(source, *decoded, coding.input == JCS_GRAYSCALE), kJpegTolerance)
        << coding.name;
  }
}

// libjpeg warns about these and makes up nothing: they load exactly as the intact file.
TEST(PictureConformance, JpegWarningsThatChangeNoPixelLoadAndDamageIsRefused) {
  const TPixmap source = JpegSource();
  const Bytes baseline = WriteJpeg(source, {"baseline", JCS_RGB, JCS_YCbCr});
  const Bytes progressive = WriteJpeg(source, {"progressive", JCS_RGB, JCS_YCbCr, true});
  const PixmapPtr intact = Decode(baseline);
  ASSERT_TRUE(intact);
  ASSERT_EQ(baseline[6], 'J');  // the JFIF segment comes first; its version at bytes 11 and 12
  Bytes jfif_2_01 = baseline;
  jfif_2_01[11] = 2, jfif_2_01[12] = 1;
  const std::size_t eoi = baseline.size() - 2;
  const std::vector<std::pair<const char*, Bytes>> harmless = {
      {"JFIF 2.01", jfif_2_01},
      {"no end marker", Bytes(baseline.begin(), baseline.begin() + std::ptrdiff_t(eoi))},
      {"zero padding before the end marker", Inserted(baseline, eoi, Bytes(37, 0))},
      {"junk between header segments", Inserted(baseline, Find(baseline, 0xDB), {1, 2, 3})}};
  for (const auto& [name, bytes] : harmless) {
    const PixmapPtr decoded = Decode(bytes);
    ASSERT_TRUE(decoded) << name;
    EXPECT_EQ(decoded->pixels, intact->pixels) << name;
  }
  const PixmapPtr progressive_intact = Decode(progressive);
  ASSERT_TRUE(progressive_intact);
  const PixmapPtr progressive_no_end = Decode(Bytes(progressive.begin(), progressive.end() - 2));
  ASSERT_TRUE(progressive_no_end);
  EXPECT_EQ(progressive_no_end->pixels, progressive_intact->pixels);

  const std::size_t second_scan = Find(progressive, 0xDA, 2);
  ASSERT_LT(second_scan, progressive.size());
  const std::vector<std::pair<const char*, Bytes>> damaged = {
      {"cut in the picture data", Bytes(baseline.begin(), baseline.begin() + 3 * eoi / 4)},
      {"progressive cut after its first scan",
       Bytes(progressive.begin(), progressive.begin() + std::ptrdiff_t(second_scan))},
      {"bytes that may be the rest of damaged data",
       Inserted(baseline, eoi, {0x5A, 0x00, 0x17})}};
  for (const auto& [name, bytes] : damaged) EXPECT_EQ(Decode(bytes), nullptr) << name;
}
