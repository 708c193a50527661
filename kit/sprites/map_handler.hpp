#pragma once
// Scrolls, draws and queries layered tile maps: which tile lies under a point, a sprite or the
// pointer, where a tile's edge is, whether a tile blocks movement; moves sprites so that they
// stop at blocked tiles, and lets the view follow a sprite.
//
// Cells, kinds and layers outside the map and the tables are never touched: setters ignore
// them and lookups answer -1 (or a -1.0 pair). Init must come first.
#include <vector>

#include "kit/sprites/map_tile.hpp"

struct MGE_Sprite;
struct MGE_XY;

class MGE_MapHandler {
 public:
  // InitMapTiles takes a larger count as this many.
  static constexpr int kMaxKinds = 65535;

  std::vector<MGE_MapTileRect> MapTilesRect;  // kinds 0..n
  float tiles_posx = 0, tiles_posy = 0, tiles_across = 0;  // not used
  float tiles_width = 0, tiles_height = 0;  // size of one grid cell in pixels
  float width = 0, height = 0;              // map size in cells
  float x = 0, y = 0;                       // scroll position of the view in map pixels
  MGE_MapTileGrid tiles;
  float maponscreenx = 0, maponscreeny = 0;  // screen position of the view
  float maprendertilesacross = 0, maprendertilesdown = 0;  // columns and rows drawn, minus one
  int pixelwidth = 0, pixelheight = 0;
  MGE_MapTileRetType tileret;  // the last lookup of GetTileAtXY

  virtual ~MGE_MapHandler() = default;

  // --- Set-up ---------------------------------------------------------------------------------

  // Layers 1..layers of empty cells. Sizes that are negative, not finite, or a tile size that is
  // not above zero, or more cells than kMaxMapCells, leave an empty map (no layers, size 0).
  int Init(int mapwidth, int mapheight, float tilewidth, float tileheight, int layers);
  // Kinds 0..n, all zero.
  int InitMapTiles(int n);
  int SetTileRect(int kind, int img, int srcx, int srcy, int widthintiles, int heightintiles,
                  int blocked, int slope);
  int SetTileProperties(int kind, int blocked, int slope);
  int SetTileID1(int kind, int id);
  int SetTileID2(int kind, int id);
  int SetTileData(int kind, int d1, int d2, int d3, int d4, int d5);
  // One field of a kind; -1 for a kind outside the table.
  int GetTileData1(int kind) const;
  int GetTileData2(int kind) const;
  int GetTileData3(int kind) const;
  int GetTileData4(int kind) const;
  int GetTileData5(int kind) const;
  int GetTileSloped(int kind) const;
  int GetTileBlocked(int kind) const;
  int GetTileID1(int kind) const;
  int GetTileID2(int kind) const;
  // The view's screen position and the number of columns and rows drawn.
  int SetRenderArea(float sx, float sy, int columns, int rows);
  int GetPixelWidth() const { return pixelwidth; }
  int GetPixelHeight() const { return pixelheight; }

  // --- Cells ----------------------------------------------------------------------------------

  // Sets a kind at a cell: a kind several cells wide and high fills its whole block (clipped
  // to the map), which all report the kind, and is drawn once from the given cell. Reset 1
  // also gives the cell this alpha, no rotation, scale 1 and no effects. Kind 0 empties it.
  int SetTile(int column, int row, int kind, float alpha, int layer, int reset);
  // The same at the cell under the sprite's position plus the offset; -1 off the map.
  int SetTileAtSprite(const MGE_Sprite* sprite, float ox, float oy, int kind, int layer,
                      int reset);
  // The cell's kind; -1 outside the map.
  int GetTile(int column, int row, int layer) const;
  // Empties every cell of the layer and switches its effects off.
  int Clear(int layer);
  // Starts an effect on a cell: type 1 alpha, 2 scale, 3 rotation, 4 animation.
  int TileFX(int column, int row, float dir, float min, float max, int type, int style,
             float duration, int layer);

  // --- Lookups: -1 off the map --------------------------------------------------------------

  int GetTileAtXY(float px, float py, int layer);
  int GetTileAtSprite(const MGE_Sprite* sprite, float ox, float oy, int layer);
  // A screen point inside the drawn area, and the pointer in game coordinates.
  int GetTileAtScreenXY(float sx, float sy, int layer);
  int GetTileAtMouse(int layer);
  // The column and row under the sprite's position plus the offset.
  MGE_XY GetTileXYAtSprite(const MGE_Sprite* sprite, float ox, float oy) const;
  // The top-left corner, in map pixels, of the cell under a point.
  MGE_XY GetTileXYPixelAtSprite(const MGE_Sprite* sprite, float ox, float oy) const;
  MGE_XY GetTileXYPixel(float px, float py) const;
  float GetTileXPixelAtSprite(const MGE_Sprite* sprite, float ox) const;
  float GetTileYPixelAtSprite(const MGE_Sprite* sprite, float oy) const;

  // --- Frame work -----------------------------------------------------------------------------

  // Centres the view on the sprite, never past the map's top-left corner, and not past its
  // far edges (shifted by ox, oy) where the map is larger than the view.
  int SetCameraOnSprite(const MGE_Sprite* sprite, float ox, float oy);
  // Cell effects of the drawn window, or of the whole layer.
  int Update(int layer);
  int UpdateEntireMap(int layer);
  // Draws the window of cells the view shows; an alpha above 1 adds an additive glow pass.
  int Render(int layer);
  int UpdateAndRender(int layer);
  // Draws the window in one colour and alpha, ignoring the cells' alpha, rotation and scale.
  int RenderFast(float red, float green, float blue, float alpha, int layer);

  // --- Moving sprites against the map: 1 when a blocked tile stopped the sprite ----------------

  int MoveSpriteRight(MGE_Sprite* sprite, float speed, float ox1, float oy1, float ox2, float oy2,
                      int layer);
  int MoveSpriteLeft(MGE_Sprite* sprite, float speed, float ox1, float oy1, float ox2, float oy2,
                     int layer);
  int MoveSpriteDown(MGE_Sprite* sprite, float speed, float ox1, float oy1, float ox2, float oy2,
                     int layer);
  int MoveSpriteUp(MGE_Sprite* sprite, float speed, float ox1, float oy1, float ox2, float oy2,
                   int layer);

 private:
  // The window of cells the view shows, clipped to the grid.
  struct Window {
    int c0, r0;            // first column and row of the view (unclipped)
    int ox, oy;            // screen position of cell (c0, r0)
    int cfirst, clast;     // columns and rows that exist, inclusive; empty when first > last
    int rfirst, rlast;
  };
  Window VisibleWindow() const;
  const MGE_MapTileRect* Kind(int kind) const;
  MGE_MapTileRect* Kind(int kind);
  // Whether a map pixel lies on the map, per axis.
  bool OnMapX(float px) const { return px >= 0.0f && px <= float(pixelwidth) - 1.0f; }
  bool OnMapY(float py) const { return py >= 0.0f && py <= float(pixelheight) - 1.0f; }
  // The first pixel of the cell that holds p, along one axis; no test of the map's bounds.
  static float CellStart(float p, float size);
  // Whether the probe at the sprite's position plus the offset finds a blocking kind.
  bool BlockedAt(const MGE_Sprite& s, float ox, float oy, int layer);
  // Draws one cell's tile kind at screen cell (j, i) of the window.
  void DrawCell(const MGE_MapTile& cell, const Window& w, int j, int i, bool glow) const;
};
