#pragma once
#include <string>

#include "tools/art/canvas.hpp"

// The configuration screen's sprites. Each visible control is smaller than its cell: cells
// overlap on screen and controls grow by 8 % under the pointer.
namespace art {

// A round glass button with a label, 137 x 140.
Canvas MakeButton(const std::string& label, Rgb tint);
// The maker's name as a logo, 204 x 65; the window cuts off the bottom of the cell.
Canvas MakeLogo();
// The background check box, 98 x 100, with or without its tick.
Canvas MakeCheckBox(bool ticked);
// A slider knob, 79 x 82.
Canvas MakeKnob();

// A glossy glass sphere of radius r centred at (cx, cy), tinted; shared by the controls.
void DrawOrb(Canvas& c, float cx, float cy, float r, Rgb tint);
// A soft shadow of a circle, as if lit from above.
void DrawDropShadow(Canvas& c, float cx, float cy, float r, float drop, float blur, float alpha);

}  // namespace art
