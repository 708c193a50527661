#include "kit/bmfont_handler.hpp"

#include <gtest/gtest.h>

#include <climits>

#include "kit/game_system.hpp"
#include "tests/kit/kit_fixture.hpp"
#include "tests/support/graphics_fixture.hpp"
#include "tests/support/support.hpp"

namespace {

// A font of glyph height 8 in slot 1: "A" 10 wide at x 0, "B" 12 wide at x 12, code 233 ("é")
// 6 wide at x 26.
void ConfigTestFont(MGE_BMFontHandler& font) {
  font.ConfigFont(1, 8);
  font.ConfigChar('A', 0, 10, 0);
  font.ConfigChar('B', 12, 12, 0);
  font.ConfigChar(233, 26, 6, 0);
}

// Everything a definition may change.
struct Snapshot {
  std::array<int, 256> x, y, w;
  int height, slot;
  float spacing;
  explicit Snapshot(const MGE_BMFontHandler& f)
      : x(f.fsrcx), y(f.fsrcy), w(f.fwidth), height(f.fheight), slot(f.fimg), spacing(f.fspacing) {}
  bool operator==(const Snapshot&) const = default;
};

}  // namespace

TEST(BMFontMeasure, AdvancesAddTheScaledSpacingLessTheLastOne) {
  MGE_BMFontHandler font;
  ConfigTestFont(font);
  EXPECT_EQ(font.GetWidthOfString("AB"), 24.0f);
  font.Scale(2, 1);
  EXPECT_EQ(font.GetWidthOfString("AB"), 48.0f);
  EXPECT_EQ(font.GetWidthOfString(""), 0.0f) << "no glyph, no trailing spacing to take off";
}

TEST(BMFontMeasure, TextsAreUtf8AndCharactersAbove255AreSkipped) {
  MGE_BMFontHandler font;
  ConfigTestFont(font);
  EXPECT_EQ(font.GetWidthOfString("A\u20ACB"), 24.0f) << "the euro sign takes no room";
  EXPECT_EQ(font.GetWidthOfString("\u20AC"), 0.0f);
  EXPECT_EQ(font.GetWidthOfString("\u00E9"), 6.0f);
  EXPECT_EQ(font.GetWidthOfString("\xE9"), 6.0f) << "a stray byte stands for itself";
  MGE_BMFontCharDef def;
  font.GetFontCharDef("\u00E9B", def);
  EXPECT_EQ(def.textureid, 1);
  EXPECT_EQ(def.srcx, 26);
  EXPECT_EQ(def.width, 6);
  EXPECT_EQ(def.height, 8);
  MGE_BMFontCharDef untouched;
  font.GetFontCharDef("", untouched);
  font.GetFontCharDef("\u20AC", untouched);
  EXPECT_EQ(untouched.textureid, 0);
  EXPECT_EQ(untouched.height, 0);
}

namespace {

class BMFontDefinition : public ::testing::Test {
 protected:
  std::string Write(const std::string& text) {
    std::string path = dir / ("font" + std::to_string(++files) + ".txt");
    testsupport::WriteFile(path, text);
    return path;
  }
  testsupport::TempDir dir;
  int files = 0;
  MGE_BMFontHandler font;
};

}  // namespace

TEST_F(BMFontDefinition, ARowCoversConsecutiveCodesAtTheOffsets) {
  font.ConfigChar('Z', 1, 2, 3);
  font.Scale(3, 3);
  font.Spacing(7);
  ASSERT_EQ(font.LoadConfig(Write("9,2\r\n0,65,3\r\n0,10,12,9,23,11\r\n 12,$61,1\r\n%11,7"), 4,
                            100, 50),
            1);
  EXPECT_EQ(font.fimg, 4);
  EXPECT_EQ(font.fheight, 9);
  EXPECT_EQ(font.fsrcx['A'], 100);
  EXPECT_EQ(font.fwidth['A'], 10);
  EXPECT_EQ(font.fsrcx['B'], 112);
  EXPECT_EQ(font.fwidth['B'], 9);
  EXPECT_EQ(font.fsrcx['C'], 123);
  EXPECT_EQ(font.fwidth['C'], 11);
  for (int c : {'A', 'B', 'C'}) EXPECT_EQ(font.fsrcy[c], 50);
  EXPECT_EQ(font.fsrcx['a'], 103) << "hexadecimal code, binary x";
  EXPECT_EQ(font.fsrcy['a'], 62);
  EXPECT_EQ(font.fwidth['a'], 7);
  EXPECT_EQ(font.fwidth['Z'], 2) << "codes not described keep their glyphs";
  EXPECT_EQ(font.fxscale, 1.0f);
  EXPECT_EQ(font.fspacing, 2.0f);
}

TEST_F(BMFontDefinition, AnUnopenableOrMalformedDefinitionChangesNothing) {
  font.ConfigFont(2, 7);
  font.ConfigChar('A', 1, 2, 3);
  font.Spacing(5);
  const Snapshot before(font);
  EXPECT_EQ(font.LoadConfig(dir / "missing.txt", 1, 0, 0), 0);
  const char* bad[] = {
      "",                                  // no header
      "9",                                 // no row count
      "9,1",                               // the row is missing
      "9,1\n0,65,3",                       // its glyph line is missing
      "9,1\n0,65\n0,10",                   // the row lacks its count
      "9,1\n0,65,3\n0,10,12,9,23",         // one width short
      "-9,1\n0,65,1\n0,10",                // negative height
      "9,-1",                              // negative row count
      "9,1\n0,65,-1\n",                    // negative glyph count
      "9,2147483647\n0,65,1\n0,10\n",      // far more rows announced than given
      "9,1\n0,0,2147483647\n0,10,12,9\n",  // far more glyphs announced than given
  };
  for (const char* text : bad) {
    SCOPED_TRACE(text);
    EXPECT_EQ(font.LoadConfig(Write(text), 1, 0, 0), 0);
    EXPECT_TRUE(Snapshot(font) == before);
  }
}

TEST_F(BMFontDefinition, GlyphsWithoutAPlaceAreSkipped) {
  ASSERT_EQ(font.LoadConfig(Write("8,5\n"
                                  "0,254,4\n0,1,2,3,4,5,6,7\n"         // 256 and 257 have no glyph
                                  "0,-2,2\n0,9,0,9\n"                  // nor do negative codes
                                  "0,70,2\nx,-1,0,4\n"                 // negative width
                                  "2147483647,72,1\n0,5\n"             // y beyond int once offset
                                  "0,80,1\nabc,7x\n"),                 // digits as far as they go
                            1, 0, 1),
            1);
  EXPECT_EQ(font.fsrcx[254], 0);
  EXPECT_EQ(font.fwidth[254], 1);
  EXPECT_EQ(font.fsrcx[255], 2);
  EXPECT_EQ(font.fwidth[255], 3);
  EXPECT_EQ(font.fsrcy[0], 0);
  EXPECT_EQ(font.fwidth[0], 0);
  EXPECT_EQ(font.fheight, 8);
  EXPECT_EQ(font.fwidth[70], 0);
  EXPECT_EQ(font.fwidth[71], 4);
  EXPECT_EQ(font.fsrcy[71], 1);
  EXPECT_EQ(font.fwidth[72], 0);
  EXPECT_EQ(font.fsrcx[80], 0);
  EXPECT_EQ(font.fwidth[80], 7);
  // A code outside the table is ignored by ConfigChar too.
  font.ConfigChar(256, 1, 2, 3);
  font.ConfigChar(-1, 1, 2, 3);
  EXPECT_EQ(font.fsrcy[0], 0);
  EXPECT_EQ(font.fsrcx[255], 2);
}

namespace {

class BMFontFX : public ::testing::Test {
 protected:
  void SetUp() override { vorpel::FrameDelta = 1.0f; }
  void TearDown() override { vorpel::FrameDelta = 0.0f; }
  // An effect of "A" at (x, y) with the given fades and movement, scale 1, spacing 2, white.
  std::shared_ptr<MGE_BMFontFX> Add(float fadein, float fadeout, float hold, float xspeed,
                                    float yspeed, float ygravity, float movedelay) {
    font.FontFX("A", 10, 20, fadein, fadeout, hold, xspeed, yspeed, 0, ygravity, movedelay, 1,
                0, 2, 0, 255, 255, 255, ALPHABLEND);
    return font.FXList.ValueAt(font.FXList.Count() - 1);
  }
  MGE_BMFontHandler font;
};

}  // namespace

TEST_F(BMFontFX, AFadedInEffectHoldsFullAlphaForItsDelay) {
  auto fx = Add(0.6f, 0.25f, 30, 0, 0, 0, 0);
  EXPECT_EQ(fx->fadingin, 1);
  EXPECT_EQ(fx->alpha, 0.0f);
  font.UpdateFontFX();
  EXPECT_FLOAT_EQ(fx->alpha, 0.6f);
  font.UpdateFontFX();
  EXPECT_EQ(fx->alpha, 1.0f);
  EXPECT_EQ(fx->fadingin, 0);
  for (int i = 0; i < 30; ++i) {
    font.UpdateFontFX();
    ASSERT_EQ(fx->alpha, 1.0f) << "update " << i;
  }
  font.UpdateFontFX();
  EXPECT_EQ(fx->alpha, 0.75f);
}

TEST_F(BMFontFX, EffectsDriftWhileFadingAndLeaveTheListWhenTheirAlphaGoesNegative) {
  auto fx = Add(2, 0.4f, 0, 3, -1, 0.5f, 0);
  Add(2, 0.4f, 0, 0, 0, 0, 0);
  font.UpdateFontFX();  // faded in, moved once
  EXPECT_EQ(fx->x, 13.0f);
  EXPECT_EQ(fx->y, 19.0f) << "moved at the speed from before gravity";
  EXPECT_EQ(fx->ydir, -0.5f);
  font.UpdateFontFX();
  font.UpdateFontFX();
  EXPECT_FLOAT_EQ(fx->alpha, 0.2f);
  EXPECT_EQ(font.FXList.Count(), 2u);
  font.UpdateFontFX();
  EXPECT_EQ(font.FXList.Count(), 0u) << "both removed themselves in the same walk";
  EXPECT_EQ(fx->x, 22.0f) << "still moved in the update that removed it";
  EXPECT_EQ(fx->y, 19.0f);
}

TEST_F(BMFontFX, MovementWaitsForItsDelayAndTheNoDeltaStepAddsUnscaled) {
  vorpel::FrameDelta = 2.0f;
  auto fx = Add(1, 0, 100, 1, 0, 0, 3);
  font.UpdateFontFX();
  EXPECT_EQ(fx->delaybeforemovement, 1.0f);
  font.UpdateFontFX();
  EXPECT_EQ(fx->delaybeforemovement, 0.0f) << "below 1 counts as over";
  EXPECT_EQ(fx->x, 10.0f);
  font.UpdateFontFXAddXYNoDelta(5, 7);
  EXPECT_EQ(fx->x, 17.0f);
  EXPECT_EQ(fx->y, 27.0f);
  font.RemoveAllFontFX();
  EXPECT_TRUE(font.FXList.Empty());
}

namespace {

// The test font's picture in slot 1: "A" red, "B" green, the rest clear.
class BMFontDrawing : public testsupport::GraphicsTest {
 protected:
  static constexpr std::uint32_t kRed = 0xFF0000, kGreen = 0x00FF00, kBlack = 0, kGrey = 0x646464;
  void SetUp() override {
    GraphicsTest::SetUp();
    kittest::ResetKit();
    MGE_TextureHandler::Init(2);
    TPixmap sheet(64, 64);
    sheet.Clear(0);
    for (int y = 0; y < 8; ++y) {
      for (int x = 0; x < 10; ++x) sheet.WritePixel(x, y, 0xFFFF0000);
      for (int x = 12; x < 24; ++x) sheet.WritePixel(x, y, 0xFF00FF00);
    }
    ASSERT_EQ(kittest::LoadIntoSlot(1, sheet), 1);
    ConfigTestFont(font);
  }
  static std::uint32_t At(int x, int y) { return Pixel(x, y) & 0xFFFFFF; }
  static void Fill(int grey) {
    SetClsColor(grey, grey, grey);
    Cls();
  }
  MGE_BMFontHandler font;
};

}  // namespace

TEST_F(BMFontDrawing, GlyphsHangFromTheTruncatedPen) {
  font.Render(10.7f, 20.9f, "AB", 0);
  EXPECT_EQ(At(9, 20), kBlack);
  EXPECT_EQ(At(10, 20), kRed);
  EXPECT_EQ(At(19, 27), kRed);
  EXPECT_EQ(At(19, 28), kBlack);
  EXPECT_EQ(At(21, 20), kBlack);
  EXPECT_EQ(At(22, 20), kGreen) << "pen 22.7 after 10 + 2";
  EXPECT_EQ(At(33, 20), kGreen);
  EXPECT_EQ(At(34, 20), kBlack);
  font.Render(50, 40, "AB", 1);  // 24 wide
  EXPECT_EQ(At(37, 40), kBlack);
  EXPECT_EQ(At(38, 40), kRed);
  EXPECT_EQ(At(50, 40), kGreen);
}

TEST_F(BMFontDrawing, ShadowsAreBlackAtTheShadowAlphaAndKeepThePenFraction) {
  Fill(100);
  font.RenderShadowed(10.7f, 60, "A", 3, 2, 1.0f, 0);
  EXPECT_EQ(At(10, 60), kRed);
  EXPECT_EQ(At(19, 67), kRed) << "the glyph lies over its shadow";
  EXPECT_EQ(At(13, 68), kGrey) << "the shadow starts at 13.7";
  EXPECT_EQ(At(14, 68), kBlack);
  EXPECT_EQ(At(23, 69), kBlack);
  EXPECT_EQ(At(24, 68), kGrey);
  EXPECT_EQ(At(20, 61), kGrey);
  font.RenderShadowed(80, 60, "A", 3, 2, 0.5f, 0);
  EXPECT_EQ(At(92, 68), 0x323232u) << "half the grey";
}

TEST_F(BMFontDrawing, CentredTextsAndEffectsCountTheLastSpacing) {
  font.Render(50, 10, "A", 1);
  EXPECT_EQ(At(44, 10), kBlack);
  EXPECT_EQ(At(45, 10), kRed);
  font.Text("A", 50, 30, 1, 1, 1, 2, 1, 255, 255, 255, 0, 0, 0, ALPHABLEND);
  font.RenderText();
  EXPECT_EQ(At(43, 30), kBlack);
  EXPECT_EQ(At(44, 30), kRed);
  EXPECT_EQ(At(53, 30), kRed);
  EXPECT_EQ(At(54, 30), kBlack);
  vorpel::FrameDelta = 1.0f;
  font.FontFX("A", 50, 50, 1, 0.1f, 10, 0, 0, 0, 0, 0, 1, 0, 2, 0, 255, 255, 255, ALPHABLEND);
  font.UpdateFontFX();
  font.RenderFontFX();
  EXPECT_EQ(At(43, 50), kBlack);
  EXPECT_EQ(At(44, 50), kRed);
}

TEST_F(BMFontDrawing, OnlyActiveTextsAreDrawnWithTheirShadowsAtTheRenderOffset) {
  Fill(100);
  MGE_GameSystem::SetScreenRenderOffset(5, 5);
  auto shown = font.Text("B", 20, 20, 1, 1, 1, 2, 0, 255, 255, 255, 2, 2, 1, ALPHABLEND);
  auto hidden = font.Text("A", 60, 20, 1, 1, 1, 2, 0, 255, 255, 255, 0, 0, 0, ALPHABLEND);
  hidden->active = 0;
  font.RenderText();
  EXPECT_EQ(At(24, 25), kGrey);
  EXPECT_EQ(At(25, 25), kGreen);
  EXPECT_EQ(At(37, 33), kBlack) << "the shadow, 2 down and right";
  EXPECT_EQ(At(65, 25), kGrey);
  shown->Remove();
  EXPECT_EQ(font.TextList.Count(), 1u);
  shown->Remove();
  EXPECT_EQ(font.TextList.Count(), 1u);
}

TEST_F(BMFontDrawing, TheShippedFontLoadsAndDraws) {
  ASSERT_EQ(MGE_TextureHandler::Load(2, kKitFontPicture, FILTEREDIMAGE), 1);
  const TImage& sheet = *MGE_TextureHandler::Get(2);
  EXPECT_EQ(sheet.width, sheet.height) << "v is measured in widths";
  ASSERT_EQ(font.LoadConfig(kKitFontDefinition, 2, 0, 0), 1);
  EXPECT_GT(font.fheight, 16);
  for (int code = 32; code < 256; ++code) {
    if (code > 126 && code < 160) continue;
    SCOPED_TRACE(code);
    EXPECT_GT(font.fwidth[code], 0);
    EXPECT_GE(font.fsrcx[code], 0);
    EXPECT_GE(font.fsrcy[code], 0);
    EXPECT_LE(font.fsrcx[code] + font.fwidth[code], sheet.width);
    EXPECT_LE(font.fsrcy[code] + font.fheight, sheet.height);
  }
  float width = font.GetWidthOfString("Hello");
  EXPECT_GT(width, 40.0f);
  font.Render(5, 5, "Hello", 0);
  int lit = 0;
  for (int y = 5; y < 5 + font.fheight; ++y)
    for (int x = 5; x < 5 + int(width); ++x) lit += Red(Pixel(x, y)) > 200;
  EXPECT_GT(lit, 100);
  EXPECT_EQ(Red(Pixel(5 + int(width) + 4, 10)), 0);
}
