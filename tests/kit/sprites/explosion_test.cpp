// Explosions: how many pieces a call throws, how size and speed scale them, launch delays, spin,
// colours, and the built-in types against the effects picture they draw from.
#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "kit/sprites/explosion_handler.hpp"
#include "platform/random.hpp"
#include "tests/kit/sprites/sprite_fixture.hpp"

using spritetest::SpriteTest;

namespace {

// A fresh explosion handler with two layers and the built-in types.
class ExplosionTest : public SpriteTest {
 protected:
  void SetUp() override {
    SpriteTest::SetUp();
    testsupport::RegisterAssetsOnce();
    boom.Init(2);
  }
  // Throws a type at (100, 50), white in light blend.
  void Throw(int type, float size = 1, float speed = 1, int count = 0, float delay = 0) {
    boom.Explosion(1, type, 100, 50, size, speed, 0, 0, 4, 255, 255, 255, delay, count);
  }
  std::vector<MGE_ExplosionSprite*> Pieces(int layer = 1) {
    std::vector<MGE_ExplosionSprite*> out;
    if (const auto& list = boom.GetExplosionList(layer))
      list->ForEach([&](MGE_ExplosionSprite& p) { out.push_back(&p); });
    return out;
  }
  void Steps(int n) {
    for (int i = 0; i < n; ++i) boom.UpdateExplosions();
  }

  MGE_ExplosionHandler boom;
};

}  // namespace

// --- Pieces ----------------------------------------------------------------------------------

using ExplosionPieces = ExplosionTest;

TEST_F(ExplosionPieces, ACountBelowOneThrowsTheTypesOwnNumberOfPieces) {
  Throw(15);
  Throw(15, 1, 1, 5);
  EXPECT_EQ(boom.GetExplosionSpriteCount(1), 8 + 5);
  for (int layer : {0, 3}) boom.Explosion(layer, 15, 0, 0, 1, 1, 0, 0, 3, 1, 1, 1, 0, 0);
  for (int type : {0, 201}) boom.Explosion(1, type, 0, 0, 1, 1, 0, 0, 3, 1, 1, 1, 0, 0);
  EXPECT_EQ(boom.GetExplosionSpriteCount(1), 13) << "layers and types outside make nothing";
  EXPECT_EQ(boom.GetExplosionSpriteCount(2), 0);
  Throw(15, 1, 1, INT_MAX);
  EXPECT_EQ(boom.GetExplosionSpriteCount(1), 13 + kMaxExplosionPieces) << "capped";
  boom.RemoveAllExplosions();
  EXPECT_EQ(boom.GetExplosionSpriteCount(1), 0);
}

TEST_F(ExplosionPieces, SpeedScalesEveryRateAndSizeScalesThePieces) {
  // Every rate non-zero, six pieces in random directions.
  MGE_ExplosionHandler::ConfigureExplosion(100, 0, 0, 0, 64, 64, 1.0f, 0.01f, 0.002f, 0, 0.5f,
                                           0.001f, 0.002f, 0, 0, 0.1f, 0.2f, 6, 0, 2, 1, 1.0f,
                                           0.003f, 2.0f, 0.004f);
  const float sizes[] = {1, 1, 2}, speeds[] = {1, 2, 1};
  std::vector<MGE_ExplosionSprite*> pieces[3];
  for (int i = 0; i < 3; ++i) {
    SeedRnd(5);
    boom.Explosion(1, 100, 0, 0, sizes[i], speeds[i], 0.5f, 0, 3, 9, 9, 9, 0, 0);
    pieces[i] = Pieces();
    pieces[i].erase(pieces[i].begin(), pieces[i].begin() + 6 * i);
  }
  for (std::size_t i = 0; i < 6; ++i) {
    const MGE_ExplosionSprite &b = *pieces[0][i], &f = *pieces[1][i], &g = *pieces[2][i];
    EXPECT_EQ(f.rot, b.rot);
    EXPECT_FLOAT_EQ(f.alphafadedir, 2 * b.alphafadedir);
    EXPECT_FLOAT_EQ(f.rotatingdir, 2 * b.rotatingdir);
    EXPECT_FLOAT_EQ(f.xspeed, 2 * b.xspeed);
    EXPECT_FLOAT_EQ(b.xthrust, 0.501f) << "the call's gravity adds to the type's";
    EXPECT_FLOAT_EQ(f.ythrust, 2 * b.ythrust);
    EXPECT_FLOAT_EQ(g.scale, 2 * b.scale);
    EXPECT_FLOAT_EQ(g.yscale, 4.0f);
    EXPECT_FLOAT_EQ(g.scalingdir, 2 * b.scalingdir);
  }
  // Twice as fast: after ten steps it has faded and grown as far as the other after twenty.
  for (int i = 0; i < 20; ++i) pieces[0][0]->Automate();
  for (int i = 0; i < 10; ++i) pieces[1][0]->Automate();
  EXPECT_NEAR(pieces[1][0]->alpha, pieces[0][0]->alpha, 1e-5f);
  EXPECT_NEAR(pieces[1][0]->scale, pieces[0][0]->scale, 1e-5f);
}

TEST_F(ExplosionPieces, Type15ShowsOnePieceAtOnceAndAnotherEvery15Units) {
  Throw(15);
  std::vector<MGE_ExplosionSprite*> p = Pieces();
  ASSERT_EQ(p.size(), 8u);
  auto shown = [&] {
    return std::count_if(p.begin(), p.end(), [](auto* q) { return q->pausing == 0.0f; });
  };
  EXPECT_EQ(shown(), 1);
  Steps(14);
  EXPECT_EQ(shown(), 1);
  Steps(1);
  EXPECT_EQ(shown(), 2);
  Steps(15);
  EXPECT_EQ(shown(), 3);
  EXPECT_EQ(p[7]->x, 100.0f) << "a waiting piece neither moves";
  EXPECT_EQ(p[7]->alpha, 1.0f) << "nor fades";

  boom.RemoveAllExplosions();
  Throw(15, 1, 1, 0, 7.5f);
  EXPECT_EQ(Pieces()[2]->pausing, 37.5f) << "the call's delay comes on top";
}

TEST_F(ExplosionPieces, APieceMovesSpinsWrappingAt359AndEndsBelowAlphaZero) {
  MGE_ExplosionHandler::ConfigureExplosion(102, 0, 214, 0, 8, 8, 1, -0.5f, 0.25f, -2.0f, 1.0f,
                                           0.5f, 0, 1, 0, 0, 0, 1, 0, 1, 1, 1, 0, 1, 0);
  Throw(102);
  MGE_ExplosionSprite* p = Pieces().at(0);
  EXPECT_EQ(p->rot, 0.0f);
  EXPECT_GE(p->rotatingdir, 1.05f);
  EXPECT_LE(p->rotatingdir, 1.8f);
  p->rot = 358.5f;
  Steps(1);
  EXPECT_EQ(p->rot, 0.0f) << "above 359 it starts again at 0";
  p->rotatingdir = -1;
  p->rot = 0.5f;
  Steps(1);
  EXPECT_EQ(p->rot, 359.0f);
  EXPECT_FLOAT_EQ(p->x, 102.5f) << "moved, then sped up by its gravity";
  EXPECT_FLOAT_EQ(p->scale, 0.0f);
  Steps(2);
  EXPECT_EQ(boom.GetExplosionSpriteCount(1), 1) << "alpha 0 and a negative scale stay";
  Steps(1);
  EXPECT_EQ(boom.GetExplosionSpriteCount(1), 0);
}

TEST_F(ExplosionPieces, StylesLaunchAlongTheAngleOrScatterAroundThePoint) {
  Throw(23, 1, 1, 100);
  for (MGE_ExplosionSprite* p : Pieces()) {
    float v = std::hypot(p->xspeed, p->yspeed);
    ASSERT_NEAR(p->xspeed, v * std::cos(p->rot * float(M_PI) / 180), 1e-5f);
    ASSERT_NEAR(p->yspeed, v * std::sin(p->rot * float(M_PI) / 180), 1e-5f);
  }
  boom.RemoveAllExplosions();
  boom.Explosion(1, 32, 100, 50, 0.5f, 1, 0, 0, 3, -1, 20, 255, 0, 300);  // a 32 x 32 flake
  float spread = 0;
  std::set<float> reds;
  for (MGE_ExplosionSprite* p : Pieces()) {
    ASSERT_LE(std::abs(p->x - 100), 16.0f);
    ASSERT_LE(std::abs(p->y - 50), 16.0f);
    ASSERT_EQ(p->x * 2, std::floor(p->x * 2)) << "whole steps of the size";
    spread = std::max(spread, std::abs(p->x - 100));
    ASSERT_GE(p->red, 30.0f);
    ASSERT_LE(p->red, 255.0f);
    reds.insert(p->red);
  }
  EXPECT_GE(spread, 14.0f);
  EXPECT_GT(reds.size(), 100u) << "a red of -1 gives each piece its own";
}

TEST_F(ExplosionPieces, ConfigureExplosionFillsEveryFieldInArgumentOrder) {
  MGE_ExplosionHandler::ConfigureExplosion(200, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15,
                                           16, 17, 18, 19, 20, 21, 22, 23, 24);
  const MGE_ExplosionType& t = vorpel::explosionTypes[200];
  std::vector<float> fields{float(t.img), float(t.srcx), float(t.srcy), float(t.srcwidth),
                            float(t.srcheight), t.scale, t.scaledir, t.alphafadespeed,
                            t.startrot, t.rotatedir, t.xgravity, t.ygravity, t.xdir, t.ydir,
                            t.velocitymin, t.velocitymax, float(t.spawns),
                            float(t.spawnlaunchdelay), float(t.style), float(t.frames),
                            t.xscale, t.xscaledir, t.yscale, t.yscaledir};
  for (std::size_t i = 0; i < fields.size(); ++i) EXPECT_EQ(fields[i], float(i + 1)) << i;
}

// --- Built-in types --------------------------------------------------------------------------

TEST_F(ExplosionPieces, EveryBuiltInTypeDrawsFilledCellsInsideTheEffectsPicture) {
  const ImagePtr& slot = MGE_TextureHandler::Get(0);
  ASSERT_TRUE(slot) << "Init loads the picture into slot 0";
  EXPECT_EQ(slot->flags, FILTEREDIMAGE | MIPMAPPEDIMAGE);
  PixmapPtr picture = LoadPixmap(kExplosionPicture);
  ASSERT_TRUE(picture);
  for (int type = 1; type <= kBuiltInExplosionTypes; ++type) {
    const MGE_ExplosionType& t = vorpel::explosionTypes[std::size_t(type)];
    SCOPED_TRACE(type);
    EXPECT_EQ(t.img, kExplosionSlot);
    EXPECT_GT(t.alphafadespeed, 0.0f) << "every piece fades out";
    EXPECT_GE(t.spawns, 1);
    ASSERT_GE(t.frames, 1);
    ASSERT_GT(t.srcwidth, 0);
    ASSERT_GT(t.srcheight, 0);
    ASSERT_GE(t.srcy, 0);
    ASSERT_LE(t.srcy + t.srcheight, picture->height);
    for (int frame = 0; frame < t.frames; ++frame) {
      int x0 = t.srcx + frame * t.srcwidth;
      ASSERT_GE(x0, 0);
      ASSERT_LE(x0 + t.srcwidth, picture->width);
      int opaque = 0;
      for (int y = t.srcy; y < t.srcy + t.srcheight; ++y)
        for (int x = x0; x < x0 + t.srcwidth; ++x) opaque += picture->ReadPixel(x, y) >> 24 > 64;
      EXPECT_GE(opaque, std::max(3, t.srcwidth * t.srcheight / 40)) << "frame " << frame;
    }
  }
  EXPECT_EQ(vorpel::explosionTypes[kBuiltInExplosionTypes + 1].srcwidth, 0) << "the rest are empty";
}

// --- Drawing ---------------------------------------------------------------------------------

namespace {

constexpr int kCell = 200;
constexpr int kSheetColumns = 8;
constexpr int kBackground = 0x101420;

// How each family is shown: fire in light blend, smoke grey in alpha blend, frost pale blue.
void DemoColour(int type, int& blend, int& r, int& g, int& b) {
  blend = 4, r = 255, g = 160, b = 70;
  switch (type) {
    case 7: case 8: case 12: case 14: case 34: case 41:
      blend = 3, r = g = 150, b = 160;
      break;
    case 22: case 32:
      r = 150, g = 200, b = 255;
      break;
    case 3: case 4: case 10: case 20: case 37: case 39:
      r = 140, g = 220, b = 255;
      break;
    default:
      break;
  }
}

class ExplosionDraw : public ExplosionTest {
 protected:
  void SetUp() override {
    ExplosionTest::SetUp();
    OpenKit(kCell, kCell, kCell, kCell);
  }
  // The window after drawing the type `ms` milliseconds of scene time after it was thrown at
  // the centre, stepped as the saver steps (5 delta units a step).
  PixmapPtr Snapshot(int type, int ms) {
    boom.RemoveAllExplosions();
    SeedRnd(type);
    int blend, r, g, b;
    DemoColour(type, blend, r, g, b);
    boom.Explosion(1, type, kCell / 2, kCell / 2, 1, 1, 0, 0, blend, r, g, b, 0, 0);
    vorpel::FrameDelta = 5;
    for (int t = 0; t < ms; t += 5) boom.UpdateExplosions();
    Clear(kBackground >> 16, kBackground >> 8 & 255, kBackground & 255);
    boom.RenderExplosions();
    return GrabPixmap(0, 0, kCell, kCell);
  }
  static int LitPixels(const TPixmap& p) {
    int lit = 0;
    for (int y = 0; y < p.height; ++y)
      for (int x = 0; x < p.width; ++x)
        if (int(p.ReadPixel(x, y) >> 8 & 255) > (kBackground >> 8 & 255) + 24) ++lit;
    return lit;
  }
};

}  // namespace

// With VORPEL_EXPLOSION_SHEET naming a folder, the snapshots are also saved there as contact
// sheets, one per moment, the types in rows of eight, for looking at the built-in types.
TEST_F(ExplosionDraw, EveryBuiltInTypeShowsSoonAfterItIsThrown) {
  const char* folder = std::getenv("VORPEL_EXPLOSION_SHEET");
  const int moments[] = {100, 300, 600, 1000};
  int rows = (kBuiltInExplosionTypes + kSheetColumns - 1) / kSheetColumns;
  for (int ms : moments) {
    if (!folder && ms != moments[0]) break;
    TPixmap sheet(kSheetColumns * kCell, rows * kCell);
    sheet.Clear(0xFF000000);
    for (int type = 1; type <= kBuiltInExplosionTypes; ++type) {
      PixmapPtr shot = Snapshot(type, ms);
      ASSERT_TRUE(shot);
      if (ms == moments[0]) {
        EXPECT_GT(LitPixels(*shot), 12) << "type " << type;
      }
      int ox = (type - 1) % kSheetColumns * kCell, oy = (type - 1) / kSheetColumns * kCell;
      for (int y = 0; y < kCell - 1; ++y)
        for (int x = 0; x < kCell - 1; ++x) sheet.WritePixel(ox + x, oy + y, shot->ReadPixel(x, y));
    }
    if (folder)
      PixmapSavePNG(sheet, std::string(folder) + "/explosions_" + std::to_string(ms) + "ms.png");
  }
}
