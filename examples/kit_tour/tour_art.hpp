#pragma once
// The tour's pictures: the kit's embedded atlas, effects and font, and the tour's own sheets
// (examples/kit_tour/pictures, drawn by the asset generator), embedded in the program.
#include "examples/kit_tour/sheets.hpp"
#include "examples/kit_tour/tour.hpp"

// Registers the tour's own sheets as "incbin::" resources (generated at build time).
void RegisterTourPictures();

namespace tour {

// Fills every slot of the tour; false when an embedded picture is missing.
bool LoadArt(MGE_GameSystem& kit);

}  // namespace tour
