#pragma once
// The immediate-mode 2D drawing layer: one current graphics context with one drawing state.
// Every picture of the system is drawn through these operations.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/blend.hpp"
#include "platform/image.hpp"

struct SDL_Window;

// Drivers a mode may ask for; one OpenGL renderer serves every choice.
enum DrawDriver : int { kDriverD3D7 = 0, kDriverD3D9 = 1, kDriverOpenGL = 2 };

// Graphics flags for GraphicsOpen beyond the design's 0.
enum GraphicsFlags : int {
  kGraphicsHidden = 1,  // create the window unmapped (the preview reparents it first)
};

// The drawing state of the open graphics, all of it persistent between frames.
struct TMax2DGraphics {
  int color_red = 255, color_green = 255, color_blue = 255;
  float color_alpha = 1.0f;
  int clscolor_red = 0, clscolor_green = 0, clscolor_blue = 0;
  float line_width = 1.0f;
  float tform_rot = 0.0f;
  float tform_scale_x = 1.0f, tform_scale_y = 1.0f;
  float tform_ix = 1.0f, tform_iy = 0.0f, tform_jx = 0.0f, tform_jy = 1.0f;
  int viewport_x = 0, viewport_y = 0, viewport_w = 0, viewport_h = 0;
  float origin_x = 0.0f, origin_y = 0.0f;
  float handle_x = 0.0f, handle_y = 0.0f;  // the negated handle
  FontPtr image_font;
  int blend_mode = MASKBLEND;
  int mask_red = 0, mask_green = 0, mask_blue = 0;
};

// --- Graphics and frames -------------------------------------------------------------------

void SetDrawDriver(int driver);
int GetDrawDriver();

// The title new graphics windows get.
void SetAppTitle(std::string_view title);
const std::string& AppTitle();

// Opens a window (depth 0) or a full screen of that depth and refresh rate. 1 on success, 0 when
// the mode cannot be opened. Opening while open closes the old graphics first.
int GraphicsOpen(int width, int height, int depth = 0, int hertz = 60, int flags = 0);
void GraphicsClose();

// Draw into an existing X window of another program (a screen-saver daemon's) instead of a
// window of our own: while a target is set, GraphicsOpen attaches to it at its own size and
// ignores the size, depth and flags it is given. 0 clears the target.
void SetGraphicsTargetWindow(unsigned long xid);
unsigned long GraphicsTargetWindow();
// Follows the target window's size: 1 when it changed (the back buffer and viewport follow),
// 0 when it did not, -1 when the window is gone.
int GraphicsFollowTargetWindow();
bool GraphicsIsOpen();
int GraphicsWidth();
int GraphicsHeight();
int GraphicsDepth();
int GraphicsHertz();
// How often the display the window is on refreshes; 0 when there is no window or it is unknown.
int GraphicsRefreshRate();
SDL_Window* GraphicsWindow();  // none when closed

// Display modes the driver offers for full screen, counted, read one by one and tested.
// Depth 0 and hertz 0 stand for any; a mode whose rate the driver does not tell has every rate.
int CountGraphicsModes();
bool GetGraphicsMode(int index, int& width, int& height, int& depth, int& hertz);
int GraphicsModeExists(int width, int height, int depth = 0, int hertz = 0);

struct GraphicsMode {
  int width = 0, height = 0, depth = 0, hertz = 0;
};
// The position in the list of the mode a full screen of this size and depth opens with: the
// first at this rate, else the one of the nearest rate; -1 when none has the size and depth.
int ChooseGraphicsMode(const std::vector<GraphicsMode>& modes, int width, int height, int depth,
                       int hertz);

void Cls();
void SetClsColor(int r, int g, int b);
void GetClsColor(int& r, int& g, int& b);
// Shows the back buffer; sync 1 waits for the vertical blank, 0 does not.
void Flip(int sync = 1);

// --- State setters and getters -------------------------------------------------------------

const TMax2DGraphics& DrawState();
void SetColor(int r, int g, int b);
void GetColor(int& r, int& g, int& b);
void SetAlpha(float alpha);
float GetAlpha();
void SetBlend(int mode);
int GetBlend();
void SetLineWidth(float width);
float GetLineWidth();
void SetViewport(int x, int y, int w, int h);
void GetViewport(int& x, int& y, int& w, int& h);
void SetDrawOrigin(float x, float y);
void GetDrawOrigin(float& x, float& y);
void SetDrawHandle(float x, float y);
void GetDrawHandle(float& x, float& y);
void SetDrawRotation(float degrees);
float GetDrawRotation();
void SetDrawScale(float sx, float sy);
void GetDrawScale(float& sx, float& sy);
void SetTransform(float degrees = 0.0f, float sx = 1.0f, float sy = 1.0f);
void SetDrawFont(FontPtr font);  // none selects the built-in default font
FontPtr GetDrawFont();
void SetMaskColor(int r, int g, int b);
void GetMaskColor(int& r, int& g, int& b);

// Replaces the projection so that the area (0, 0)-(width, height) fills the back buffer;
// ResetProjection maps back-buffer pixels one to one again.
void SetProjectionSize(float width, float height);
void ResetProjection();
void GetProjectionSize(float& width, float& height);

// --- Shapes and text -------------------------------------------------------------------------

void Plot(float x, float y);
void DrawLine(float x1, float y1, float x2, float y2);
void DrawRect(float x, float y, float w, float h);
void DrawOval(float x, float y, float w, float h);
void DrawPoly(const std::vector<float>& xy);  // x, y pairs; a filled polygon
void TextDraw(std::string_view text, float x, float y);
int TextMeasureWidth(std::string_view text);
int TextMeasureHeight();
FontPtr DefaultFont();

// --- Images -----------------------------------------------------------------------------------

// flags -1 means the default (3: masked and filtered).
ImagePtr ImageLoad(const std::string& source, int flags = -1);
ImagePtr ImageLoadAnim(const std::string& source, int cell_width, int cell_height, int first_cell,
                       int cell_count, int flags = -1);
ImagePtr ImageFromPixmap(const PixmapPtr& pixmap, int flags = -1);
// Always dynamic; none when the frames together would hold more than kMaxPicturePixels.
ImagePtr ImageCreate(int width, int height, int frames = 1, int flags = -1);
int ImageGrab(const ImagePtr& image, int x, int y, int frame = 0);
void ImageSetHandle(const ImagePtr& image, float x, float y);
void ImageMidHandle(const ImagePtr& image);
void SetAutoMidHandle(bool on);
bool GetAutoMidHandle();
void ImageDraw(const ImagePtr& image, float x, float y, int frame = 0);
void ImageDrawRect(const ImagePtr& image, float x, float y, float w, float h, int frame = 0);
void ImageTile(const ImagePtr& image, float x, float y, int frame = 0);
// The background of a tiled scene: back tiled solid and front tiled alpha-blended over it,
// both in the current colour, as ImageTile of each with those blends would draw them (and the
// blend is ALPHABLEND afterwards). In white, two layers of repeating quads go out in one pass.
void ImageTileLayers(const ImagePtr& back, float back_x, float back_y, const ImagePtr& front,
                     float front_x, float front_y);

// --- Pixmaps ----------------------------------------------------------------------------------

// Copies a back-buffer rectangle (window pixels, top-left origin) into a new RGBA pixmap; none
// when the graphics are closed or the rectangle is empty.
PixmapPtr GrabPixmap(int x, int y, int w, int h);
// Draws a pixmap unscaled and untransformed with its top-left corner at (x, y).
void DrawPixmap(const PixmapPtr& pixmap, float x, float y);

// --- Collision layers -------------------------------------------------------------------------

using CollisionId = long long;
void CollisionsReset(unsigned mask = 0);
std::vector<CollisionId> CollideImageQuery(const ImagePtr& image, float x, float y, int frame,
                                           unsigned collide_mask, unsigned write_mask,
                                           CollisionId id);
std::vector<CollisionId> CollideRectQuery(float x, float y, float w, float h, unsigned collide_mask,
                                          unsigned write_mask, CollisionId id);

// --- Counters for tests and benchmarks --------------------------------------------------------

struct RenderStats {
  int draw_calls = 0;
  int state_changes = 0;
  int quads = 0;
};
RenderStats CurrentFrameStats();  // since the last Flip
RenderStats LastFrameStats();     // of the frame the last Flip showed
// Textures made for image frames in the open graphics and not deleted yet.
int LiveTextureCount();
