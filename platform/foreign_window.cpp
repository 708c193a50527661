// Questions about X windows of other programs that the drawing layer attaches to.
#include "platform/graphics_internal.hpp"
#include "platform/host.hpp"
#include "platform/x11_glue.hpp"

namespace vorpel::detail {

bool ForeignWindowSize(unsigned long xid, int& width, int& height) {
  XWindowAttributes attrs;
  if (!ForeignWindowAttributes(xid, attrs)) return false;
  width = attrs.width;
  height = attrs.height;
  return width > 0 && height > 0;
}

}  // namespace vorpel::detail

unsigned long RootWindowId() {
  Display* display = vorpel::detail::X11QueryDisplay();
  return display ? static_cast<unsigned long>(DefaultRootWindow(display)) : 0;
}
