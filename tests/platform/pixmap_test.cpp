#include <gtest/gtest.h>
#include <sys/resource.h>
#include <zlib.h>

#include "platform/pixmap.hpp"
#include "platform/resources.hpp"
#include "tests/support/support.hpp"

using testsupport::TempDir;

namespace {
TPixmap Gradient(int w, int h) {
  TPixmap p(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      p.WritePixel(x, y, (std::uint32_t(x * 8) << 24) | (std::uint32_t(x * 8) << 16) |
                             (std::uint32_t(y * 8) << 8) | 0x40);
  return p;
}
}  // namespace

TEST(Pixmap, PixelsReadBackAsArgbAndIgnoreOutOfRange) {
  TPixmap p(3, 2);
  p.WritePixel(2, 1, 0x80FF2010);
  EXPECT_EQ(p.ReadPixel(2, 1), 0x80FF2010u);
  p.WritePixel(3, 0, 0xFFFFFFFF);
  p.WritePixel(-1, 0, 0xFFFFFFFF);
  EXPECT_EQ(p.ReadPixel(3, 0), 0u);
  EXPECT_EQ(p.ReadPixel(0, -1), 0u);
  TPixmap rgb(1, 1, PF_RGB888);
  rgb.WritePixel(0, 0, 0x12345678);
  EXPECT_EQ(rgb.ReadPixel(0, 0), 0xFF345678u);
}

TEST(Pixmap, PngRoundTripIsExact) {
  TempDir dir;
  TPixmap p = Gradient(31, 17);
  ASSERT_EQ(PixmapSavePNG(p, dir / "a.png", 9), 1);
  PixmapPtr back = LoadPixmap(dir / "a.png");
  ASSERT_TRUE(back);
  ASSERT_EQ(back->width, 31);
  ASSERT_EQ(back->height, 17);
  EXPECT_EQ(back->pixels, p.pixels);
}

TEST(Pixmap, JpegRoundTripIsClose) {
  TempDir dir;
  TPixmap p(32, 32);
  p.Clear(0xFF3080C0);
  ASSERT_EQ(PixmapSaveJPEG(p, dir / "a.jpg", 100), 1);
  PixmapPtr back = LoadPixmap(dir / "a.jpg");
  ASSERT_TRUE(back);
  std::uint32_t c = back->ReadPixel(16, 16);
  EXPECT_EQ(c >> 24, 0xFFu);
  EXPECT_NEAR(int((c >> 16) & 255), 0x30, 3);
  EXPECT_NEAR(int((c >> 8) & 255), 0x80, 3);
  EXPECT_NEAR(int(c & 255), 0xC0, 3);
}

TEST(Pixmap, BrokenPicturesGiveNothing) {
  TempDir dir;
  std::vector<std::uint8_t> png = EncodePNG(Gradient(20, 20), 6);
  std::vector<std::uint8_t> jpg = EncodeJPEG(Gradient(20, 20), 80);
  ASSERT_FALSE(png.empty());
  ASSERT_FALSE(jpg.empty());
  EXPECT_EQ(DecodePicture(png.data(), png.size() / 2), nullptr);
  // libjpeg would make up the missing rest of a JPEG cut short; it is refused like a PNG.
  // (Only the end marker missing loads: see the conformance tests.)
  ASSERT_NE(DecodePicture(jpg.data(), jpg.size()), nullptr);
  for (std::size_t cut : {std::size_t(10), jpg.size() / 2, jpg.size() - 40})
    EXPECT_EQ(DecodePicture(jpg.data(), cut), nullptr) << cut << " of " << jpg.size();
  std::vector<std::uint8_t> damaged = jpg;
  for (std::size_t i = damaged.size() / 2; i < damaged.size() - 2; i += 5) damaged[i] = 0xFF;
  EXPECT_EQ(DecodePicture(damaged.data(), damaged.size()), nullptr);
  std::vector<std::uint8_t> garbage(1000, 0xAB);
  EXPECT_EQ(DecodePicture(garbage.data(), garbage.size()), nullptr);
  EXPECT_EQ(DecodePicture(nullptr, 0), nullptr);
  // Corrupt image data behind a valid header.
  std::vector<std::uint8_t> corrupt = png;
  for (std::size_t i = 60; i < corrupt.size(); i += 7) corrupt[i] ^= 0x5A;
  EXPECT_EQ(DecodePicture(corrupt.data(), corrupt.size()), nullptr);
  EXPECT_EQ(LoadPixmap(dir / "missing.png"), nullptr);
  EXPECT_EQ(LoadPixmap("incbin::missing.png"), nullptr);
}

TEST(Pixmap, HugeDeclaredSizeIsRefusedBeforeAllocating) {
  std::vector<std::uint8_t> png = EncodePNG(Gradient(4, 4), 6);
  // Width and height live at bytes 16-23 of the header chunk; the CRC no longer matches, which
  // libpng reports, but the size check must refuse first either way.
  png[16] = 0x00;
  png[17] = 0x10;
  png[18] = 0x00;
  png[19] = 0x00;  // width 1048576
  EXPECT_EQ(DecodePicture(png.data(), png.size()), nullptr);
}

namespace {
long PeakResidentKb() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

void PutBigEndian(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value, int size) {
  for (int i = 0; i < size; ++i) bytes[at + std::size_t(i)] = std::uint8_t(value >> (8 * (size - 1 - i)));
}
}  // namespace

// 16384 x 4096 is within the size limits, but a few hundred bytes cannot hold it: refused before
// the 256 MiB of pixels are allocated, for PNG (valid header, checksum and all) and JPEG.
TEST(Pixmap, SizesTheDataCannotHoldAreRefusedBeforeAllocating) {
  std::vector<std::uint8_t> png = EncodePNG(Gradient(4, 4), 6);
  PutBigEndian(png, 16, 16384, 4);
  PutBigEndian(png, 20, 4096, 4);
  PutBigEndian(png, 29, std::uint32_t(crc32(0, png.data() + 12, 17)), 4);  // "IHDR" + its data
  std::vector<std::uint8_t> jpg = EncodeJPEG(Gradient(8, 8), 80);
  std::size_t sof = 2;
  while (sof + 9 < jpg.size() && !(jpg[sof] == 0xFF && jpg[sof + 1] == 0xC0)) ++sof;
  ASSERT_LT(sof + 9, jpg.size());
  PutBigEndian(jpg, sof + 5, 4096, 2);   // height
  PutBigEndian(jpg, sof + 7, 16384, 2);  // width
  const long before = PeakResidentKb();
  EXPECT_EQ(DecodePicture(png.data(), png.size()), nullptr);
  EXPECT_EQ(DecodePicture(jpg.data(), jpg.size()), nullptr);
  EXPECT_LT(PeakResidentKb() - before, 64 * 1024);
}

TEST(Pixmap, FailedSaveKeepsThePreviousFile) {
  TempDir dir;
  ASSERT_EQ(PixmapSavePNG(Gradient(4, 4), dir / "keep.png"), 1);
  std::string before = testsupport::ReadFile(dir / "keep.png");
  EXPECT_EQ(PixmapSavePNG(TPixmap(0, 0), dir / "keep.png"), 0);
  EXPECT_EQ(PixmapSavePNG(Gradient(4, 4), dir / "no/such/folder/x.png"), 0);
  EXPECT_EQ(testsupport::ReadFile(dir / "keep.png"), before);
}

TEST(Resources, RegisteredNamesOpenThroughTheIncbinPrefix) {
  static const std::uint8_t bytes[] = {'a', '\r', 'b', '\n', 'c', 0, 'd'};
  RegisterResource("test-lines", bytes, sizeof bytes);
  std::vector<std::uint8_t> out;
  ASSERT_TRUE(ReadSource("incbin::test-lines", out));
  EXPECT_EQ(out.size(), sizeof bytes);
  EXPECT_FALSE(ReadSource("incbin::nothing-here", out));
  EXPECT_TRUE(out.empty());
  EXPECT_FALSE(ReadSource("", out));
  std::vector<std::string> lines = SplitSourceLines(std::vector<std::uint8_t>(bytes, bytes + 7));
  EXPECT_EQ(lines, (std::vector<std::string>{"ab", "c", "d"}));
}
