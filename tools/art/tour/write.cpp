#include <cstdio>

#include "platform/pixmap.hpp"
#include "tools/art/tour/tour_pictures.hpp"

namespace tour {

bool WriteTourPictures(const std::string& dir) {
  const struct {
    const char* name;
    art::Canvas (*draw)();
  } sheets[] = {{"tour_tiles.png", DrawTileSheet},
                {"tour_people.png", DrawPeopleSheet},
                {"tour_backdrops.png", DrawBackdrops},
                {"tour_gui.png", DrawGuiSheet}};
  for (const auto& sheet : sheets) {
    const std::string path = dir + "/" + sheet.name;
    if (PixmapSavePNG(art::ToPixmap(sheet.draw(), PF_RGBA8888, false), path, 6) != 1) {
      std::fprintf(stderr, "make_assets: cannot write %s\n", path.c_str());
      return false;
    }
  }
  return true;
}

}  // namespace tour
