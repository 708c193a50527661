// Fills the tour's texture slots: the kit's embedded pictures, and the ones the tour draws.
#include "examples/kit_tour/tour_art.hpp"

#include <cstdint>
#include <deque>
#include <vector>

#include "examples/kit_tour/art_pictures.hpp"
#include "kit/pack.hpp"
#include "kit/texture_handler.hpp"
#include "platform/graphics.hpp"
#include "platform/resources.hpp"

namespace tour {
namespace {

// Registers a drawn picture as an embedded one, so the texture slots load it like any other.
// The bytes stay for the life of the process, as registered resources must.
bool Embed(const std::string& name, const art::Canvas& picture) {
  static std::deque<std::vector<std::uint8_t>> store;
  std::vector<std::uint8_t> png = EncodePNG(art::ToPixmap(picture, PF_RGBA8888, false), 1);
  if (png.empty()) return false;
  store.push_back(std::move(png));
  RegisterResource(name, store.back().data(), store.back().size());
  return true;
}

bool LoadDrawn(int slot, const std::string& name, const art::Canvas& picture, int flags) {
  return Embed(name, picture) &&
         MGE_TextureHandler::Load(slot, std::string(kIncbinPrefix) + name, flags) == 1;
}

}  // namespace

bool LoadArt(MGE_GameSystem& kit) {
  MGE_TextureHandler::Init(kSlotCount);
  MGE_Pack::Reset();
  return MGE_TextureHandler::Load(kSlotAtlas, "incbin::image1.png",
                                  FILTEREDIMAGE | MIPMAPPEDIMAGE) == 1 &&
         MGE_Pack::Read("incbin::image1.pac", kSlotAtlas) == 1 &&
         MGE_TextureHandler::Load(kSlotEffects, "incbin::mgeres1.png", FILTEREDIMAGE) == 1 &&
         MGE_TextureHandler::Load(kSlotFont, kKitFontPicture, FILTEREDIMAGE) == 1 &&
         kit.Font->LoadConfig(kKitFontDefinition, kSlotFont, 0, 0) == 1 &&
         LoadDrawn(kSlotTiles, "tour_tiles.png", DrawTileSheet(), 0) &&
         LoadDrawn(kSlotPeople, "tour_people.png", DrawPeopleSheet(), 0) &&
         LoadDrawn(kSlotBackdrops, "tour_backdrops.png", DrawBackdrops(), FILTEREDIMAGE) &&
         LoadDrawn(kSlotGui, "tour_gui.png", DrawGuiSheet(), FILTEREDIMAGE);
}

}  // namespace tour
