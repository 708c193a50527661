#pragma once
// The kit tour's own sheets, each drawn from fixed seeds; laid out as
// examples/kit_tour/sheets.hpp says.
#include <string>

#include "tools/art/canvas.hpp"

namespace tour {

// Writes tour_tiles.png, tour_people.png, tour_backdrops.png and tour_gui.png into dir (which
// must exist). Returns false after printing what failed.
bool WriteTourPictures(const std::string& dir);

// The map's tiles (256 x 256).
art::Canvas DrawTileSheet();
// The hero's walking frames and the slime (256 x 256).
art::Canvas DrawPeopleSheet();
// Skies and seamless patterns (512 x 512).
art::Canvas DrawBackdrops();
// Buttons in three tints, a check box, a slider's knob and track, a pointer (512 x 512).
art::Canvas DrawGuiSheet();

// Helpers the drawing files share.
namespace paint {

// Fills a shape given by its signed distance with one colour.
template <class SdfFn>
void Fill(art::Canvas& c, art::Box box, SdfFn sdf, art::Rgb colour, float alpha = 1.0f) {
  art::FillShape(c, box, sdf, [&](float, float) { return art::Paint(colour, alpha); });
}

// The same with a dark outline of the given width around the shape.
template <class SdfFn>
void Outlined(art::Canvas& c, art::Box box, SdfFn sdf, art::Rgb colour, float width = 1.0f) {
  Fill(c, box, [&](float x, float y) { return sdf(x, y) - width; }, art::Hex(0x1c1a26), 0.9f);
  Fill(c, box, sdf, colour);
}

// A box covering the whole canvas.
inline art::Box All(const art::Canvas& c) { return {0, 0, c.width(), c.height()}; }

}  // namespace paint
}  // namespace tour
