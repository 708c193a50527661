// The tile map's set-up, cells, effects, lookups, camera and movers.
#include <cmath>
#include <limits>
#include <vector>

#include "kit/sprites/map_handler.hpp"
#include "platform/input.hpp"
#include "tests/kit/sprites/sprite_fixture.hpp"

using spritetest::SpriteTest;

namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

// A 10 x 8 map of 16-pixel cells in two layers (160 x 128 pixels) on a 160 x 120 game, with
// kinds 1..4 of one cell and kind 5 of 2 x 2 cells. Kind 3 blocks.
class MapTest : public SpriteTest {
 protected:
  void SetUp() override {
    SpriteTest::SetUp();
    KitState().gameWidth = 160.0f;
    KitState().gameHeight = 120.0f;
    map.Init(10, 8, 16, 16, 2);
    map.InitMapTiles(5);
    for (int kind = 1; kind <= 4; ++kind) map.SetTileRect(kind, 1, 0, 0, 1, 1, 0, 0);
    map.SetTileRect(3, 1, 0, 0, 1, 1, 1, 0);
    map.SetTileRect(5, 1, 0, 0, 2, 2, 0, 0);
  }
  // A sprite whose probed box is w x h, centred on (x, y).
  MGE_SpritePtr Walker(float x, float y, float w = 16, float h = 16) {
    MGE_SpritePtr s = handler.GetNewSprite(1, 1, 0, 0, w, h, 1);
    s->SetXY(x, y);
    return s;
  }
  void Wall(int column) {
    for (int row = 0; row <= 8; ++row) map.SetTile(column, row, 3, 1, 1, 1);
  }
  MGE_MapHandler map;
};

}  // namespace

// --- Set-up -------------------------------------------------------------------------------------

TEST_F(MapTest, InitSizesTheMapAndTheViewFromTheGame) {
  EXPECT_EQ(map.GetPixelWidth(), 160);
  EXPECT_EQ(map.GetPixelHeight(), 128);
  EXPECT_EQ(map.maprendertilesacross, 11.0f);
  EXPECT_EQ(map.maprendertilesdown, 8.5f);
  EXPECT_EQ(map.tiles.Layers(), 2);
  EXPECT_EQ(map.GetTile(10, 8, 2), 0) << "columns and rows run up to the width and height";
  EXPECT_EQ(map.GetTile(11, 0, 1), -1);
  EXPECT_EQ(map.GetTile(0, 0, 3), -1);
  EXPECT_EQ(map.GetTile(0, 0, 0), -1);

  map.SetRenderArea(20, 30, 5, 4);
  EXPECT_EQ(map.maponscreenx, 20.0f);
  EXPECT_EQ(map.maprendertilesacross, 4.0f);
  EXPECT_EQ(map.maprendertilesdown, 3.0f);
}

TEST_F(MapTest, ImpossibleSizesLeaveAnEmptyMapThatIgnoresEverything) {
  for (auto init : {+[](MGE_MapHandler& m) { m.Init(1 << 20, 1 << 20, 16, 16, 1); },
                    +[](MGE_MapHandler& m) { m.Init(100, 100, 16, 16, 1 << 30); },
                    +[](MGE_MapHandler& m) { m.Init(-1, 5, 16, 16, 1); },
                    +[](MGE_MapHandler& m) { m.Init(5, 5, 0, 16, 1); },
                    +[](MGE_MapHandler& m) { m.Init(5, 5, 16, kNaN, 1); }}) {
    init(map);
    EXPECT_EQ(map.tiles.Layers(), 0);
    EXPECT_EQ(map.GetPixelWidth(), 0);
    map.SetTile(0, 0, 1, 1, 1, 1);
    EXPECT_EQ(map.GetTile(0, 0, 1), -1);
    EXPECT_EQ(map.GetTileAtXY(0, 0, 1), -1);
    map.Update(1);
    map.Render(1);
    map.SetCameraOnSprite(Walker(50, 50).get(), 0, 0);
    EXPECT_EQ(map.x, 0.0f);
  }
}

TEST_F(MapTest, KindsOutsideTheTableAreIgnoredAndAnswerMinusOne) {
  map.SetTileData(2, 1, 2, 3, 4, 5);
  map.SetTileID1(2, 7);
  map.SetTileID2(2, 8);
  map.SetTileProperties(2, 1, 9);
  EXPECT_EQ(map.GetTileData1(2), 1);
  EXPECT_EQ(map.GetTileData5(2), 5);
  EXPECT_EQ(map.GetTileID1(2), 7);
  EXPECT_EQ(map.GetTileID2(2), 8);
  EXPECT_EQ(map.GetTileBlocked(2), 1);
  EXPECT_EQ(map.GetTileSloped(2), 9);

  map.SetTileRect(6, 1, 0, 0, 1, 1, 1, 0);
  map.SetTileData(-1, 1, 2, 3, 4, 5);
  EXPECT_EQ(map.MapTilesRect.size(), 6u);
  EXPECT_EQ(map.GetTileBlocked(6), -1);
  EXPECT_EQ(map.GetTileData3(-1), -1);
  map.SetTile(1, 1, 6, 1, 1, 1);
  EXPECT_EQ(map.GetTile(1, 1, 1), 0) << "a kind beyond the table is not set";

  map.InitMapTiles(-5);
  EXPECT_EQ(map.MapTilesRect.size(), 1u) << "kind 0 only";
}

// --- Cells --------------------------------------------------------------------------------------

TEST_F(MapTest, ATwoByTwoKindFillsItsBlockAndIsDrawnFromItsFirstCell) {
  map.SetTile(3, 4, 5, 1, 1, 1);
  for (int c = 3; c <= 4; ++c)
    for (int r = 4; r <= 5; ++r) {
      EXPECT_EQ(map.GetTile(c, r, 1), 5);
      EXPECT_EQ(map.tiles.At(1, c, r)->renderflag, c == 3 && r == 4 ? 1 : 0);
    }
  EXPECT_EQ(map.GetTile(5, 4, 1), 0);
  EXPECT_EQ(map.GetTile(3, 6, 1), 0);
  for (float px : {48.0f, 63.5f, 79.9f})
    for (float py : {64.0f, 80.0f, 95.0f}) EXPECT_EQ(map.GetTileAtXY(px, py, 1), 5);
  EXPECT_EQ(map.GetTileAtXY(80, 64, 1), 0);
  EXPECT_EQ(map.GetTile(3, 4, 2), 0) << "other layers are untouched";
}

TEST_F(MapTest, ABlockAtTheEdgeIsClippedToTheMap) {
  map.SetTileRect(5, 1, 0, 0, 1000000, 3, 0, 0);
  map.SetTile(9, 7, 5, 1, 1, 1);
  EXPECT_EQ(map.GetTile(9, 7, 1), 5);
  EXPECT_EQ(map.GetTile(10, 8, 1), 5);
  EXPECT_EQ(map.GetTile(8, 7, 1), 0);
}

TEST_F(MapTest, AKindOfNoSizeStillFillsItsCell) {
  map.SetTileRect(4, 1, 0, 0, 0, -2, 0, 0);
  map.SetTile(2, 2, 4, 1, 1, 1);
  EXPECT_EQ(map.GetTile(2, 2, 1), 4);
  EXPECT_EQ(map.GetTile(3, 2, 1), 0);
}

TEST_F(MapTest, ResetSetsTheLookAndStopsEffectsKindZeroEmpties) {
  map.SetTile(2, 2, 1, 0.5f, 1, 1);
  MGE_MapTile* cell = map.tiles.At(1, 2, 2);
  EXPECT_EQ(cell->alpha, 0.5f);
  EXPECT_EQ(cell->scale, 1.0f);
  map.TileFX(2, 2, 0.1f, 0, 1, kTileFXAlpha, kTileStyleBounce, 0, 1);
  cell->rotate = 45;
  map.SetTile(2, 2, 2, 0.25f, 1, 0);
  EXPECT_EQ(cell->alpha, 0.5f) << "without reset the look stays";
  EXPECT_EQ(cell->alphastyle, kTileStyleBounce);
  EXPECT_EQ(map.GetTile(2, 2, 1), 2);

  map.SetTile(2, 2, 2, 0.25f, 1, 1);
  EXPECT_EQ(cell->alpha, 0.25f);
  EXPECT_EQ(cell->rotate, 0.0f);
  EXPECT_EQ(cell->alphastyle, kTileStyleOff);
  EXPECT_EQ(cell->alphadir, 0.0f);

  map.SetTile(2, 2, 0, 1, 1, 0);
  EXPECT_EQ(map.GetTile(2, 2, 1), 0);
  EXPECT_EQ(cell->renderflag, 0);
}

TEST_F(MapTest, CellsAndLayersOutsideTheMapAreIgnored) {
  map.SetTile(-1, 0, 1, 1, 1, 1);
  map.SetTile(11, 0, 1, 1, 1, 1);
  map.SetTile(0, 9, 1, 1, 1, 1);
  map.SetTile(0, 0, 1, 1, 3, 1);
  map.TileFX(-1, -1, 1, 0, 1, 1, 1, 0, 1);
  map.Clear(7);
  EXPECT_EQ(map.GetTile(0, 0, 1), 0);
  EXPECT_EQ(map.SetTileAtSprite(Walker(-5, 10).get(), 0, 0, 1, 1, 1), -1);
  EXPECT_EQ(map.SetTileAtSprite(nullptr, 0, 0, 1, 1, 1), -1);
}

TEST_F(MapTest, SetTileAtSpriteUsesTheCellUnderThePointAndFullAlpha) {
  MGE_SpritePtr s = Walker(40, 20);
  EXPECT_EQ(map.SetTileAtSprite(s.get(), 10, -10, 2, 1, 1), 0);
  EXPECT_EQ(map.GetTile(3, 0, 1), 2);
  EXPECT_EQ(map.tiles.At(1, 3, 0)->alpha, 1.0f);
}

TEST_F(MapTest, ClearEmptiesOneLayerAndStopsItsEffects) {
  map.SetTile(1, 1, 1, 1, 1, 1);
  map.SetTile(1, 1, 2, 1, 2, 1);
  map.TileFX(1, 1, 0.5f, 1, 4, kTileFXAnimate, kTileStyleWrap, 0, 1);
  map.Clear(1);
  EXPECT_EQ(map.GetTile(1, 1, 1), 0);
  EXPECT_EQ(map.tiles.At(1, 1, 1)->animatestyle, 0);
  EXPECT_EQ(map.GetTile(1, 1, 2), 2);
}

// --- Cell effects -------------------------------------------------------------------------------

TEST_F(MapTest, AlphaStyleFourEmptiesTheCellOnceItsAlphaPassesABound) {
  map.SetTile(2, 2, 1, 0.5f, 1, 1);
  map.TileFX(2, 2, 0.2f, 0, 1, kTileFXAlpha, kTileStyleEmpty, 0, 1);
  map.Update(1);
  map.Update(1);
  EXPECT_EQ(map.GetTile(2, 2, 1), 1) << "0.9 is still inside";
  map.Update(1);
  EXPECT_EQ(map.GetTile(2, 2, 1), 0);

  map.SetTile(2, 2, 1, 0.5f, 1, 1);
  map.TileFX(2, 2, -0.3f, 0, 1, kTileFXAlpha, kTileStyleEmpty, 0, 1);
  map.Update(1);
  EXPECT_EQ(map.GetTile(2, 2, 1), 1);
  map.Update(1);
  EXPECT_EQ(map.GetTile(2, 2, 1), 0) << "below the lower bound too";
}

TEST_F(MapTest, AnimationStepsThroughKindsByTheirWholeNumbers) {
  map.SetTile(1, 1, 1, 1, 1, 1);
  map.TileFX(1, 1, 0.5f, 1, 4, kTileFXAnimate, kTileStyleWrap, 0, 1);
  std::vector<int> shown;
  for (int i = 0; i < 8; ++i) {
    map.Update(1);
    shown.push_back(map.GetTile(1, 1, 1));
  }
  EXPECT_EQ(shown, (std::vector<int>{1, 2, 2, 3, 3, 4, 4, 1}));
}

TEST_F(MapTest, BounceOnceAndTimedStyles) {
  map.SetTile(1, 1, 1, 1, 1, 1);
  MGE_MapTile* cell = map.tiles.At(1, 1, 1);
  map.TileFX(1, 1, 10, 0, 25, kTileFXRotate, kTileStyleBounce, 0, 1);
  map.TileFX(1, 1, 0.5f, 0, 2, kTileFXScale, kTileStyleOnce, 0, 1);
  std::vector<float> rotation, scale;
  for (int i = 0; i < 4; ++i) {
    map.Update(1);
    rotation.push_back(cell->rotate);
    scale.push_back(cell->scale);
  }
  EXPECT_EQ(rotation, (std::vector<float>{10, 20, 25, 15}));
  EXPECT_EQ(scale, (std::vector<float>{1.5f, 2, 2, 2}));
  EXPECT_EQ(cell->scalestyle, kTileStyleOff);

  map.TileFX(1, 1, 0.1f, 0, 2, kTileFXAlpha, kTileStyleTimed, 3, 1);
  map.Update(1);
  map.Update(1);
  map.Update(1);
  EXPECT_EQ(map.GetTile(1, 1, 1), 1) << "a duration of exactly 0 is not yet over";
  map.Update(1);
  EXPECT_EQ(map.GetTile(1, 1, 1), 0);
}

TEST_F(MapTest, AnEmptiedCellIsNotBroughtBackByItsAnimation) {
  map.SetTile(1, 1, 2, 0.9f, 1, 1);
  map.TileFX(1, 1, 0.2f, 0, 1, kTileFXAlpha, kTileStyleEmpty, 0, 1);
  map.TileFX(1, 1, 0.5f, 1, 4, kTileFXAnimate, kTileStyleWrap, 0, 1);
  map.tiles.At(1, 1, 1)->Automate();
  EXPECT_EQ(map.GetTile(1, 1, 1), 0);
  map.UpdateEntireMap(1);
  EXPECT_EQ(map.GetTile(1, 1, 1), 0);
}

TEST_F(MapTest, UpdateVisitsTheDrawnWindowAndUpdateEntireMapEveryCell) {
  map.SetRenderArea(0, 0, 3, 3);
  for (int c : {2, 3}) {
    map.SetTile(c, 0, 1, 0.5f, 1, 1);
    map.TileFX(c, 0, 1, 0, 1, kTileFXAlpha, kTileStyleEmpty, 0, 1);
  }
  map.Update(1);
  EXPECT_EQ(map.GetTile(2, 0, 1), 0);
  EXPECT_EQ(map.GetTile(3, 0, 1), 1) << "column 3 is outside the three drawn";
  map.UpdateEntireMap(1);
  EXPECT_EQ(map.GetTile(3, 0, 1), 0);
}

// --- Lookups ------------------------------------------------------------------------------------

TEST_F(MapTest, LookupsOffTheMapAnswerMinusOne) {
  map.SetTile(0, 0, 1, 1, 1, 1);
  map.SetTile(9, 7, 2, 1, 1, 1);
  EXPECT_EQ(map.GetTileAtXY(0, 0, 1), 1);
  EXPECT_EQ(map.GetTileAtXY(159, 127, 1), 2);
  EXPECT_EQ(map.tileret.x, 9);
  EXPECT_EQ(map.tileret.y, 7);
  EXPECT_EQ(map.GetTileAtXY(-1, 0, 1), -1);
  EXPECT_EQ(map.GetTileAtXY(160, 0, 1), -1);
  EXPECT_EQ(map.GetTileAtXY(0, 128, 1), -1);
  EXPECT_EQ(map.GetTileAtXY(kNaN, 0, 1), -1);
  EXPECT_EQ(map.GetTileAtXY(0, 0, 5), -1);
  EXPECT_EQ(map.GetTileAtSprite(nullptr, 0, 0, 1), -1);

  MGE_SpritePtr s = Walker(150, 120);
  EXPECT_EQ(map.GetTileAtSprite(s.get(), 9, 7, 1), 2);
  EXPECT_EQ(map.GetTileAtSprite(s.get(), 10, 0, 1), -1);
  MGE_XY cell = map.GetTileXYAtSprite(s.get(), 0, 0);
  EXPECT_EQ(cell.x, 9.0f);
  EXPECT_EQ(cell.y, 7.0f);
  MGE_XY corner = map.GetTileXYPixelAtSprite(s.get(), -20, 0);
  EXPECT_EQ(corner.x, 128.0f);
  EXPECT_EQ(corner.y, 112.0f);
  EXPECT_EQ(map.GetTileXPixelAtSprite(s.get(), 9), 144.0f);
  EXPECT_EQ(map.GetTileYPixelAtSprite(s.get(), -121), -1.0f);
  MGE_XY off = map.GetTileXYPixel(160, 0);
  EXPECT_EQ(off.x, -1.0f);
  EXPECT_EQ(off.y, -1.0f);
  off = map.GetTileXYAtSprite(s.get(), 0, 8);
  EXPECT_EQ(off.x, -1.0f);
}

TEST_F(MapTest, ScreenLookupsTakeTheRenderAreaOffsetAndScroll) {
  map.SetTile(0, 0, 1, 1, 1, 1);
  map.SetTile(1, 0, 2, 1, 1, 1);
  map.SetTile(2, 0, 4, 1, 1, 1);
  map.SetRenderArea(20, 10, 5, 4);  // x 20..99, y 10..73 on the screen
  EXPECT_EQ(map.GetTileAtScreenXY(20, 10, 1), 1);
  EXPECT_EQ(map.GetTileAtScreenXY(35, 25, 1), 1);
  EXPECT_EQ(map.GetTileAtScreenXY(36, 10, 1), 2);
  EXPECT_EQ(map.GetTileAtScreenXY(19, 10, 1), -1);
  EXPECT_EQ(map.GetTileAtScreenXY(100, 10, 1), -1);
  EXPECT_EQ(map.GetTileAtScreenXY(20, 74, 1), -1);

  KitState().renderOffsetX = 5;
  EXPECT_EQ(map.GetTileAtScreenXY(20, 10, 1), -1);
  EXPECT_EQ(map.GetTileAtScreenXY(40, 10, 1), 1);
  KitState().renderOffsetX = 0;

  map.x = 16;  // the view shows column 1 first
  EXPECT_EQ(map.GetTileAtScreenXY(20, 10, 1), 2);
  EXPECT_EQ(map.GetTileAtScreenXY(36, 10, 1), 4);
  map.x = 8;
  EXPECT_EQ(map.GetTileAtScreenXY(27, 10, 1), 1);
  EXPECT_EQ(map.GetTileAtScreenXY(28, 10, 1), 2);

  map.x = 0;
  InjectMouseMove(37, 12);
  EXPECT_EQ(map.GetTileAtMouse(1), 2);
  InjectMouseMove(5, 12);
  EXPECT_EQ(map.GetTileAtMouse(1), -1);
}

// --- Camera -------------------------------------------------------------------------------------

TEST_F(MapTest, TheCameraCentresOnTheSpriteWithinTheMap) {
  map.Init(40, 30, 16, 16, 1);      // 640 x 480
  map.SetRenderArea(0, 0, 10, 8);  // a view of 144 x 112
  MGE_SpritePtr s = Walker(300, 200);
  map.SetCameraOnSprite(s.get(), 0, 0);
  EXPECT_EQ(map.x, 228.0f);
  EXPECT_EQ(map.y, 144.0f);

  s->SetXY(10, 10);
  map.SetCameraOnSprite(s.get(), 0, 0);
  EXPECT_EQ(map.x, 0.0f);
  EXPECT_EQ(map.y, 0.0f);

  s->SetXY(600, 470);
  map.SetCameraOnSprite(s.get(), 0, 0);
  EXPECT_EQ(map.x, 495.0f);
  EXPECT_EQ(map.y, 367.0f);
  map.SetCameraOnSprite(s.get(), 16, -8);
  EXPECT_EQ(map.x, 511.0f);
  EXPECT_EQ(map.y, 359.0f);

  map.SetRenderArea(20, 0, 10, 8);
  s->SetXY(300, 200);
  map.SetCameraOnSprite(s.get(), 0, 0);
  EXPECT_EQ(map.x, 238.0f) << "half the area's screen position shifts the view";
}

TEST_F(MapTest, TheCameraNeverScrollsPastTheTopLeftCorner) {
  map.Init(5, 5, 16, 16, 1);  // 80 x 80, smaller than the 176 x 136 view
  MGE_SpritePtr s = Walker(70, 70);
  map.SetCameraOnSprite(s.get(), 0, 0);
  EXPECT_EQ(map.x, 0.0f);
  EXPECT_EQ(map.y, 0.0f);
  s->SetXY(kNaN, -1e30f);
  map.SetCameraOnSprite(s.get(), 0, 0);
  EXPECT_EQ(map.x, 0.0f);
  EXPECT_EQ(map.y, 0.0f);
  map.SetCameraOnSprite(nullptr, 0, 0);
}

// --- Movers -------------------------------------------------------------------------------------

TEST_F(MapTest, MovingRightIntoABlockedColumnSnapsTheRightEdgeToTheTile) {
  Wall(4);  // x 64..79
  MGE_SpritePtr s = Walker(20, 24);
  int stopped = 0, steps = 0;
  while (!stopped && steps++ < 100) stopped = map.MoveSpriteRight(s.get(), 5, 0, 0, 0, 0, 1);
  EXPECT_EQ(stopped, 1);
  EXPECT_EQ(s->x + 8, 64.0f);
  EXPECT_EQ(map.MoveSpriteRight(s.get(), 5, 0, 0, 0, 0, 1), 1) << "still against the wall";
  EXPECT_EQ(s->x, 56.0f);

  s->SetXY(20, 24);
  EXPECT_EQ(map.MoveSpriteRight(s.get(), 40, 0, 0, 0, 0, 1), 1) << "a long step lands inside";
  EXPECT_EQ(s->x, 56.0f);

  s->scale = 2;  // a 32-wide box
  s->SetXY(20, 40);
  EXPECT_EQ(map.MoveSpriteRight(s.get(), 40, 0, 0, 0, 0, 1), 1);
  EXPECT_EQ(s->x, 48.0f);
}

TEST_F(MapTest, TheSecondProbeCatchesABlockAtTheLowerCorner) {
  map.SetTile(4, 2, 3, 1, 1, 1);  // x 64..79, y 32..47
  MGE_SpritePtr s = Walker(20, 24);  // y 16..32: the lower probe lies on row 2
  EXPECT_EQ(map.MoveSpriteRight(s.get(), 40, 0, 0, 0, 0, 1), 1);
  EXPECT_EQ(s->x, 56.0f);
  s->SetXY(20, 24);
  EXPECT_EQ(map.MoveSpriteRight(s.get(), 40, 0, 0, 0, -1, 1), 0) << "lifted one pixel";
  EXPECT_EQ(s->x, 60.0f);
}

TEST_F(MapTest, MovingLeftDownAndUpSnapAgainstTheTile) {
  Wall(1);  // x 16..31
  MGE_SpritePtr s = Walker(60, 24);
  EXPECT_EQ(map.MoveSpriteLeft(s.get(), 25, 0, 0, 0, 0, 1), 1);
  EXPECT_EQ(s->x - 8, 32.0f);

  map.Clear(1);
  for (int c = 0; c < 10; ++c) map.SetTile(c, 6, 3, 1, 1, 1);  // y 96..111
  s->SetXY(60, 80);
  EXPECT_EQ(map.MoveSpriteDown(s.get(), 10, 0, 0, 0, 0, 1), 1);
  EXPECT_EQ(s->y + 8, 96.0f);

  s->SetXY(60, 125);
  EXPECT_EQ(map.MoveSpriteUp(s.get(), 10, 0, 0, 0, 0, 1), 1);
  EXPECT_EQ(s->y - 8, 112.0f);

  s->SetXY(60, 60);
  EXPECT_EQ(map.MoveSpriteUp(s.get(), 10, 0, 0, 0, 0, 1), 0);
  EXPECT_EQ(s->y, 50.0f) << "free cells let it through";
}

TEST_F(MapTest, TheMapEdgesHoldTheSprite) {
  MGE_SpritePtr s = Walker(60, 0.5f);
  EXPECT_EQ(map.MoveSpriteUp(s.get(), 1, 0, 0, 0, 0, 1), 1) << "the top edge stops it";
  EXPECT_EQ(s->y, 0.0f);

  s->SetXY(0.5f, 60);
  EXPECT_EQ(map.MoveSpriteLeft(s.get(), 1, 0, 0, 0, 0, 1), 0) << "the left edge does not report";
  EXPECT_EQ(s->x, 0.0f);

  s->SetXY(150, 60);
  EXPECT_EQ(map.MoveSpriteRight(s.get(), 5, 0, 0, 0, 0, 1), 0);
  EXPECT_EQ(s->x, 150.0f) << "the right edge would reach pixel 163: no move";
  s->SetXY(200, 60);
  EXPECT_EQ(map.MoveSpriteRight(s.get(), 5, 0, 0, 0, 0, 1), 0);
  EXPECT_EQ(s->x, 150.0f) << "beyond the edge it is put back on the map";

  s->SetXY(60, 200);
  EXPECT_EQ(map.MoveSpriteDown(s.get(), 5, 0, 0, 0, 0, 1), 0);
  EXPECT_EQ(s->y, 118.0f);

  s->SetXY(60, 8.5f);
  EXPECT_EQ(map.MoveSpriteUp(s.get(), 2, 0, 0, 0, 0, 1), 0);
  EXPECT_EQ(s->y, 8.5f) << "the top edge would leave the map: no move";

  EXPECT_EQ(map.MoveSpriteDown(nullptr, 5, 0, 0, 0, 0, 1), 0);
}

TEST_F(MapTest, MovesScaleWithTheDeltaAndIgnoreOtherLayers) {
  Wall(4);
  vorpel::FrameDelta = 2;
  MGE_SpritePtr s = Walker(20, 24);
  EXPECT_EQ(map.MoveSpriteRight(s.get(), 5, 0, 0, 0, 0, 2), 0);
  EXPECT_EQ(s->x, 30.0f);
  EXPECT_EQ(map.MoveSpriteRight(s.get(), 20, 0, 0, 0, 0, 2), 0) << "layer 2 has no wall";
  EXPECT_EQ(s->x, 70.0f);
}
