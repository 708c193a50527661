// Fills the tour's texture slots: the kit's embedded pictures, and the tour's own sheets.
#include "examples/kit_tour/tour_art.hpp"

#include "kit/pack.hpp"
#include "kit/texture_handler.hpp"

namespace tour {

bool LoadArt(MGE_GameSystem& kit) {
  MGE_TextureHandler::Init(kSlotCount);
  MGE_Pack::Reset();
  return MGE_TextureHandler::Load(kSlotAtlas, "incbin::image1.png",
                                  FILTEREDIMAGE | MIPMAPPEDIMAGE) == 1 &&
         MGE_Pack::Read("incbin::image1.pac", kSlotAtlas) == 1 &&
         MGE_TextureHandler::Load(kSlotEffects, "incbin::mgeres1.png", FILTEREDIMAGE) == 1 &&
         MGE_TextureHandler::Load(kSlotFont, kKitFontPicture, FILTEREDIMAGE) == 1 &&
         kit.Font->LoadConfig(kKitFontDefinition, kSlotFont, 0, 0) == 1 &&
         MGE_TextureHandler::Load(kSlotTiles, "incbin::tour_tiles.png", 0) == 1 &&
         MGE_TextureHandler::Load(kSlotPeople, "incbin::tour_people.png", 0) == 1 &&
         MGE_TextureHandler::Load(kSlotBackdrops, "incbin::tour_backdrops.png",
                                  FILTEREDIMAGE) == 1 &&
         MGE_TextureHandler::Load(kSlotGui, "incbin::tour_gui.png", FILTEREDIMAGE) == 1;
}

}  // namespace tour
