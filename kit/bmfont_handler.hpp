#pragma once
// Draws text from a bitmap font: a texture slot whose glyphs are rectangles, one per character
// code 0-255, all of one height. Besides immediate drawing it keeps persistent texts, redrawn
// by RenderText, and animated text effects.
//
// Texts are UTF-8. A byte that does not start a valid sequence stands for itself (Latin-1);
// characters above 255 have no glyph and are skipped, taking no room.
#include <array>
#include <memory>
#include <string>
#include <string_view>

#include "kit/bmfont_fx.hpp"
#include "kit/bmfont_text.hpp"
#include "kit/linked_list.hpp"
#include "platform/image.hpp"

// The embedded font the kit ships: load the picture into a slot, then LoadConfig the definition
// with that slot.
inline constexpr const char* kKitFontPicture = "incbin::bmfont.png";
inline constexpr const char* kKitFontDefinition = "incbin::bmfont.txt";

struct MGE_BMFontCharDef {
  int textureid = 0;
  int srcx = 0, srcy = 0;
  int width = 0, height = 0;
};

class MGE_BMFontHandler {
 public:
  static constexpr int kCodes = 256;

  int fimg = 0;
  std::array<int, kCodes> fsrcx{}, fsrcy{}, fwidth{};
  int fheight = 0;
  float fxscale = 0.0f, fyscale = 0.0f;
  int fred = 0, fgreen = 0, fblue = 0;
  float falpha = 0.0f;
  int fblend = 0;
  float fspacing = 0.0f;  // extra gap after each glyph, in unscaled pixels
  vorpel::TList<MGE_BMFontFX> FXList;
  vorpel::TList<MGE_BMFontText> TextList;

  MGE_BMFontHandler() = default;
  MGE_BMFontHandler(const MGE_BMFontHandler&) = delete;
  MGE_BMFontHandler& operator=(const MGE_BMFontHandler&) = delete;
  virtual ~MGE_BMFontHandler() = default;

  // Reads a definition (a path or an "incbin::" name): a line "height,rows", then per row a
  // line "y,first code,count" and a line of count "x,width" pairs; the offsets are added to
  // every glyph's position. Then takes the slot and resets the drawing settings. 1 on success;
  // 0, with nothing changed, when the source cannot be opened or is malformed (fewer lines or
  // fields than announced, a negative height, row count or glyph count), and a line on standard
  // error names the source. Within a well-formed definition a glyph is skipped when its code
  // lies outside 0-255, its width is negative or its position does not fit an int once offset.
  int LoadConfig(const std::string& source, int slot, int xoffset, int yoffset);
  int ConfigFont(int slot, int height);
  // Note the order: source x, width, then source y. Codes outside 0-255 are ignored.
  int ConfigChar(int code, int srcx, int width, int srcy);
  // Scale (1, 1), alpha 1, alpha blending, white, spacing 2.
  int Reset();

  int Scale(float x, float y);
  int Alpha(float a);
  int Blend(int mode);
  int Color(int r, int g, int b);
  int Spacing(float s);

  // The sum of the glyph advances at the handler's scale and spacing, less the spacing after the
  // last glyph; 0 for a text without glyphs.
  float GetWidthOfString(std::string_view text) const;
  // The glyph of the text's first character; the record is left alone when there is none.
  int GetFontCharDef(std::string_view text, MGE_BMFontCharDef& def) const;

  int Render(float x, float y, std::string_view text, int centred) const;
  int RenderShadowed(float x, float y, std::string_view text, int shadowx, int shadowy,
                     float shadowalpha, int centred) const;

  std::shared_ptr<MGE_BMFontText> Text(const std::string& text, float x, float y, float alpha,
                                       float xscale, float yscale, float spacing, int centred,
                                       float red, float green, float blue, float shadowx,
                                       float shadowy, float shadowalpha, int blend);
  int RenderText() const;

  int FontFX(const std::string& text, float x, float y, float fadeinspeed, float fadeoutspeed,
             float delaybeforefadeout, float xspeed, float yspeed, float xgravity,
             float ygravity, float delaybeforemovement, float scale, float scaledir,
             float spacing, float spacingdir, float red, float green, float blue, int blend);
  int UpdateFontFX();
  int UpdateFontFXAddXYNoDelta(float dx, float dy);
  int RenderFontFX() const;
  int UpdateAndRenderFontFX();
  int RemoveAllFontFX();

 private:
  // How a text item or an effect is drawn; see DrawRun.
  struct RunStyle {
    float scalex, scaley, spacing;
    float red, green, blue, alpha;
    int blend;
    int centred;
    float shadowx, shadowy, shadowalpha;
  };
  struct Shadow {
    int x, y;
    float alpha;
  };

  float Advance(int code, float scale, float spacing) const;
  // The sum of the advances of every glyph of the text.
  float RunWidth(std::string_view text, float scale, float spacing) const;
  void DrawGlyph(const ImagePtr& image, int code, float x, float y) const;
  // Draws a line in the handler's settings: centring leaves the spacing after the last glyph
  // out of the width; with a shadow every glyph is first drawn in black, offset.
  void DrawLine(float x, float y, std::string_view text, int centred, const Shadow* shadow) const;
  // Draws a text item or an effect at (x, y): centring takes the spacing after the last glyph
  // into the width; a non-zero shadow alpha draws every glyph first in black, offset.
  void DrawRun(std::string_view text, float x, float y, const RunStyle& style) const;
  void DrawEffect(const MGE_BMFontFX& fx) const;
};
