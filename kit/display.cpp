#include "kit/display.hpp"

#include "platform/host.hpp"

namespace {

const TDisplay* DisplayWithId(int id) {
  for (const TDisplay& d : Displays())
    if (d.id == id) return &d;
  return nullptr;
}

// Display 1 for a negative index, else the display whose id is index + 1.
const TDisplay* DisplayAt(int index) { return DisplayWithId(index < 0 ? 1 : index + 1); }

}  // namespace

const std::vector<TDisplay>& Displays() {
  static const std::vector<TDisplay> displays = [] {
    std::vector<TDisplay> list;
    for (const DisplayArea& area : ListDisplays())
      list.push_back({area.id, area.id - 1, area.x, area.y, area.width, area.height});
    return list;
  }();
  return displays;
}

int GetMonitorCount() { return MonitorCount(); }

int GetDisplayX(int index) {
  const TDisplay* d = DisplayAt(index);
  return d ? d->x : 0;
}

int GetDisplayY(int index) {
  const TDisplay* d = DisplayAt(index);
  return d ? d->y : 0;
}

int GetDesktopWidth(int index) { return DesktopWidth(index); }
int GetDesktopHeight(int index) { return DesktopHeight(index); }
int GetDesktopDepth(int) { return DesktopDepth(); }
int GetDesktopHertz(int) { return DesktopHertz(); }
int GetCursorX() { return CursorX(); }
int GetCursorY() { return CursorY(); }
PixmapPtr GrabDesktopPixmap(int flip) { return GrabDesktop(flip); }
