#include "platform/pixmap.hpp"
#include "tools/art/assets.hpp"
#include "tools/art/tour/tour_pictures.hpp"

namespace tour {

bool WriteTourPictures(const std::string& dir) {
  return art::SavePNG(DrawTileSheet(), PF_RGBA8888, false, dir + "/tour_tiles.png") &&
         art::SavePNG(DrawPeopleSheet(), PF_RGBA8888, false, dir + "/tour_people.png") &&
         art::SavePNG(DrawBackdrops(), PF_RGBA8888, false, dir + "/tour_backdrops.png") &&
         art::SavePNG(DrawGuiSheet(), PF_RGBA8888, false, dir + "/tour_gui.png");
}

}  // namespace tour
