#include <gtest/gtest.h>

#include "kit/texture_handler.hpp"
#include "tests/kit/kit_fixture.hpp"

using kittest::KitTest;

namespace {

// A picture whose every pixel tells where it came from: 0xFF00xxyy.
PixmapPtr Numbered(int w, int h) {
  auto pixmap = std::make_shared<TPixmap>(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) pixmap->WritePixel(x, y, 0xFF000000u | (x << 8) | y);
  return pixmap;
}

class TextureCopy : public KitTest {
 protected:
  // Slot 1: a numbered 10 x 10 source; slot 2: a blank 10 x 10 target.
  void SetUp() override {
    KitTest::SetUp();
    MGE_TextureHandler::Init(2);
    ASSERT_EQ(kittest::LoadIntoSlot(1, *Numbered(10, 10)), 1);
    ASSERT_EQ(kittest::LoadIntoSlot(2, *kittest::SolidPixmap(10, 10, 0)), 1);
  }
  static std::uint32_t Target(int x, int y) {
    return MGE_TextureHandler::Get(2)->pixmaps[0]->ReadPixel(x, y);
  }
  static std::uint32_t From(int x, int y) { return 0xFF000000u | (x << 8) | y; }
  static int Written() {
    int n = 0;
    for (int y = 0; y < 10; ++y)
      for (int x = 0; x < 10; ++x) n += Target(x, y) != 0;
    return n;
  }
};

}  // namespace

TEST_F(TextureCopy, RectanglesAreClippedAtTheRightEdge) {
  MGE_TextureHandler::CopyTextureToTexture(1, 6, 0, 10, 1, 2, 0, 0, kCopyPlain, 0);
  EXPECT_EQ(Written(), 4);
  EXPECT_EQ(Target(0, 0), From(6, 0));
  EXPECT_EQ(Target(3, 0), From(9, 0));
}

TEST_F(TextureCopy, ModesMirrorFlipAndTurn) {
  MGE_TextureHandler::CopyTextureToTexture(1, 2, 0, 3, 1, 2, 0, 0, kCopyMirrored, 0);
  EXPECT_EQ(Target(0, 0), From(4, 0)) << "the rightmost column comes first";
  EXPECT_EQ(Target(2, 0), From(2, 0));
  MGE_TextureHandler::CopyTextureToTexture(1, 0, 0, 1, 3, 2, 5, 0, kCopyFlipped, 0);
  EXPECT_EQ(Target(5, 0), From(0, 2));
  MGE_TextureHandler::CopyTextureToTexture(1, 0, 0, 2, 2, 2, 7, 7, kCopyTurned, 0);
  EXPECT_EQ(Target(7, 7), From(1, 1));
  EXPECT_EQ(Target(8, 7), From(0, 1));
  // Clipping comes first: a mirrored strip cut at the edge mirrors what is left.
  MGE_TextureHandler::CopyTextureToTexture(1, 8, 5, 5, 1, 2, 0, 5, kCopyMirrored, 0);
  EXPECT_EQ(Target(0, 5), From(9, 5));
  EXPECT_EQ(Target(1, 5), From(8, 5));
  EXPECT_EQ(Target(2, 5), 0u);
}

TEST_F(TextureCopy, NothingOutsideTheSourceOrForUnknownModes) {
  MGE_TextureHandler::CopyTextureToTexture(1, 10, 0, 3, 3, 2, 0, 0, kCopyPlain, 0);
  MGE_TextureHandler::CopyTextureToTexture(1, 0, 0, 3, 3, 2, 10, 0, kCopyPlain, 0);
  MGE_TextureHandler::CopyTextureToTexture(1, 0, 0, 3, 3, 2, 0, 0, 4, 0);
  MGE_TextureHandler::CopyTextureToTexture(1, 0, 0, 3, 3, 9, 0, 0, kCopyPlain, 0);
  MGE_TextureHandler::CopyTextureToTexture(-1, 0, 0, 3, 3, 2, 0, 0, kCopyPlain, 0);
  MGE_TextureHandler::CopyTextureToTexture(1, 0, 0, -3, 3, 2, 0, 0, kCopyPlain, 0);
  EXPECT_EQ(Written(), 0);
}

TEST_F(TextureCopy, NegativePositionsAreClippedToo) {
  MGE_TextureHandler::CopyTextureToTexture(1, -2, 0, 5, 1, 2, 0, 0, kCopyPlain, 0);
  EXPECT_EQ(Target(1, 0), 0u);
  EXPECT_EQ(Target(2, 0), From(0, 0));
  EXPECT_EQ(Target(4, 0), From(2, 0));
  EXPECT_EQ(Written(), 3);
  MGE_TextureHandler::CopyTextureToTexture(1, 0, 4, 5, 1, 2, -3, 9, kCopyPlain, 0);
  EXPECT_EQ(Target(0, 9), From(3, 4));
  EXPECT_EQ(Target(1, 9), From(4, 4));
  MGE_TextureHandler::CopyTextureToTexture(1, 0, 0, 3, 3, 2, -2000000000, -2000000000, kCopyTurned,
                                           0);
  MGE_TextureHandler::CopyTextureToTexture(1, -2147483647, 0, 2147483647, 2147483647, 2, 0, 0,
                                           kCopyMirrored, 0);
  EXPECT_EQ(Written(), 5) << "nothing of either rectangle overlaps both pictures";
}

TEST_F(TextureCopy, OpaqueOnlySkipsTransparentPixels) {
  MGE_TextureHandler::Get(1)->pixmaps[0]->WritePixel(1, 0, 0x00123456);
  ASSERT_EQ(kittest::LoadIntoSlot(2, *kittest::SolidPixmap(10, 10, 0xFFFFFFFF)), 1);
  MGE_TextureHandler::CopyTextureToTexture(1, 0, 0, 3, 1, 2, 0, 0, kCopyPlain, 1);
  EXPECT_EQ(Target(0, 0), From(0, 0));
  EXPECT_EQ(Target(1, 0), 0xFFFFFFFFu);
  MGE_TextureHandler::CopyTextureToTexture(1, 0, 0, 3, 1, 2, 0, 0, kCopyPlain, 2);
  EXPECT_EQ(Target(1, 0), 0x00123456u) << "any flag but 1 copies every pixel";
}

TEST_F(TextureCopy, ASlotCopiedOntoItselfReadsOnlyItsOriginalPixels) {
  const TPixmap& p = *MGE_TextureHandler::Get(1)->pixmaps[0];
  MGE_TextureHandler::CopyTextureToTexture(1, 0, 0, 10, 1, 1, 0, 0, kCopyMirrored, 0);
  MGE_TextureHandler::CopyTextureToTexture(1, 0, 1, 9, 1, 1, 1, 1, kCopyPlain, 0);
  MGE_TextureHandler::CopyTextureToTexture(1, 0, 2, 10, 8, 1, 0, 2, kCopyTurned, 0);
  for (int x = 0; x < 10; ++x) EXPECT_EQ(p.ReadPixel(x, 0), From(9 - x, 0)) << "mirrored " << x;
  for (int x = 1; x < 10; ++x) EXPECT_EQ(p.ReadPixel(x, 1), From(x - 1, 1)) << "shifted " << x;
  for (int y = 2; y < 10; ++y)
    for (int x = 0; x < 10; ++x)
      EXPECT_EQ(p.ReadPixel(x, y), From(9 - x, 11 - y)) << "turned " << x << "," << y;
}

using Textures = KitTest;

TEST_F(Textures, SlotsLoadReleaseAndUploadAhead) {
  OpenKit(160, 120, 160, 120);
  MGE_TextureHandler::Init(3);
  EXPECT_EQ(MGE_TextureHandler::SlotCount(), 3);
  EXPECT_FALSE(MGE_TextureHandler::Get(3)) << "never loaded";
  EXPECT_FALSE(MGE_TextureHandler::Get(0)) << "never loaded";
  ASSERT_EQ(kittest::LoadIntoSlot(2, *kittest::SolidPixmap(8, 8, 0xFFFFFFFF)), 1);
  const ImagePtr& image = MGE_TextureHandler::Get(2);
  EXPECT_FALSE(image->frames[0]->HasTexture());
  MGE_TextureHandler::PreDrawTextures();
  EXPECT_TRUE(image->frames[0]->HasTexture());

  EXPECT_EQ(MGE_TextureHandler::Load(1, "incbin::missing.png", 0), 0);
  EXPECT_FALSE(MGE_TextureHandler::Get(1));
  EXPECT_EQ(MGE_TextureHandler::Load(4, "incbin::missing.png", 0), 0);
  EXPECT_FALSE(MGE_TextureHandler::Get(-1));

  MGE_TextureHandler::NullATexture(2);
  EXPECT_FALSE(MGE_TextureHandler::Get(2));
  ASSERT_EQ(kittest::LoadIntoSlot(0, *kittest::SolidPixmap(4, 4, 0xFFFFFFFF)), 1);
  ASSERT_EQ(kittest::LoadIntoSlot(3, *kittest::SolidPixmap(4, 4, 0xFFFFFFFF)), 1);
  MGE_TextureHandler::RemoveAllTextures();
  EXPECT_FALSE(MGE_TextureHandler::Get(3));
  EXPECT_TRUE(MGE_TextureHandler::Get(0)) << "slot 0 is not a working slot";
}

TEST_F(Textures, TheBackBufferCanBeCapturedIntoASlot) {
  EXPECT_EQ(MGE_TextureHandler::CopyBufferToTexture(0, 0), 1) << "no screen: slot left empty";
  EXPECT_FALSE(MGE_TextureHandler::Get(0));
  OpenKit(160, 120, 160, 120);
  Clear(0, 200, 0);
  MGE_TextureHandler::Init(1);
  EXPECT_EQ(MGE_TextureHandler::CopyBufferToTexture(1, 0), 0);
  const ImagePtr& capture = MGE_TextureHandler::Get(1);
  ASSERT_TRUE(capture);
  EXPECT_EQ(capture->width, 160);
  EXPECT_TRUE(capture->flags & DYNAMICIMAGE);
  EXPECT_EQ(capture->pixmaps[0]->ReadPixel(80, 60), 0xFF00C800u);
  EXPECT_EQ(MGE_TextureHandler::CopyBufferToTexture(5, 0), 1);
}
