#pragma once
// The records of a tile map: tile kinds (rectangles of a texture slot, possibly several grid
// cells wide and high), grid cells with their small effects, and the grid of cells itself.
#include <cstdint>
#include <vector>

// One tile kind.
struct MGE_MapTileRect {
  int img = 0;                       // texture slot
  int srcx = 0, srcy = 0;            // corner in the image
  int widthintiles = 0, heightintiles = 0;  // size in grid cells
  int blocked = 0;                   // non-zero blocks movement
  int slope = 0;
  int id1 = 0, id2 = 0;
  int data1 = 0, data2 = 0, data3 = 0, data4 = 0, data5 = 0;
};

// Effect modes of a cell, shared by its alpha, rotation, scale and animation.
enum MapTileStyle : int {
  kTileStyleOff = 0,
  kTileStyleBounce = 1,
  kTileStyleWrap = 2,
  kTileStyleOnce = 3,      // clamp at the bound and stop
  kTileStyleEmpty = 4,     // beyond either bound the cell is emptied
  kTileStyleTimed = 5,     // bounce for the duration, then the cell is emptied
};

// Effect types of MGE_MapHandler::TileFX.
enum MapTileEffect : int { kTileFXAlpha = 1, kTileFXScale = 2, kTileFXRotate = 3,
                           kTileFXAnimate = 4 };

// One grid cell.
struct MGE_MapTile {
  float tile = 0;  // tile kind; 0 empty
  float alpha = 0, alphadir = 0, alphamin = 0, alphamax = 0, alphaduration = 0;
  int alphastyle = 0;
  float rotate = 0, rotatedir = 0, rotatemin = 0, rotatemax = 0, rotateduration = 0;
  int rotatestyle = 0;
  float scale = 0, scaledir = 0, scalemin = 0, scalemax = 0, scaleduration = 0;
  int scalestyle = 0;
  float animatedir = 0, animatemin = 0, animatemax = 0, animateduration = 0;
  int animatestyle = 0;
  int renderflag = 0;  // 1 on the cell that draws a tile kind (its top-left cell)

  // One step of the cell's effects, in the order alpha, rotation, scale, animation.
  int Automate();
};

// The handler's scratch record of the last tile lookup.
struct MGE_MapTileRetType {
  int x = 0, y = 0;
  int tile = 0;
};

// The most cells a grid holds over all its layers.
inline constexpr std::int64_t kMaxMapCells = std::int64_t(1) << 22;

// The cells of every layer, indexed [layer, column, row]: layers 1..layers, columns and rows
// from 0 up to and including the map's width and height. Layer 0 holds no cells.
class MGE_MapTileGrid {
 public:
  // Replaces every cell with a fresh one. A negative size, or more than kMaxMapCells cells,
  // leaves the grid empty: false.
  bool Reset(int layers, int width, int height);
  void Clear() { Reset(0, 0, 0); }
  // The cell, or none outside the grid.
  MGE_MapTile* At(int layer, int column, int row);
  const MGE_MapTile* At(int layer, int column, int row) const;
  int Layers() const { return layers_; }
  int Columns() const { return columns_; }  // width + 1
  int Rows() const { return rows_; }        // height + 1

 private:
  int layers_ = 0, columns_ = 0, rows_ = 0;
  std::vector<MGE_MapTile> cells_;
};
