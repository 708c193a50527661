// A GL context on an X window of another program, made with GLX directly: the window keeps the
// visual its owner chose (a screen-saver daemon may use a 32-bit one), and the context's frame
// buffer configuration must match that visual exactly, which SDL's choice does not guarantee.
#include <epoxy/glx.h>

#include "platform/graphics_internal.hpp"
#include "platform/x11_glue.hpp"

namespace vorpel::detail {
namespace {

struct ForeignContext {
  Display* display = nullptr;
  Window window = 0;
  GLXContext context = nullptr;
} g_foreign;

// The double-buffered RGBA configuration whose visual is the window's own; none when the GL
// driver offers no such configuration.
bool ConfigForVisual(Display* display, VisualID visual, GLXFBConfig& out) {
  const int wanted[] = {GLX_DRAWABLE_TYPE, GLX_WINDOW_BIT, GLX_RENDER_TYPE, GLX_RGBA_BIT,
                        GLX_DOUBLEBUFFER, True, None};
  int count = 0;
  GLXFBConfig* configs = glXChooseFBConfig(display, DefaultScreen(display), wanted, &count);
  bool found = false;
  for (int i = 0; i < count && !found; ++i) {
    int id = 0;
    if (glXGetFBConfigAttrib(display, configs[i], GLX_VISUAL_ID, &id) == Success &&
        VisualID(id) == visual) {
      out = configs[i];
      found = true;
    }
  }
  if (configs) XFree(configs);
  return found;
}

}  // namespace

bool ForeignGlxAttach(unsigned long xid) {
  ForeignGlxRelease();
  XWindowAttributes attrs;
  if (!ForeignWindowAttributes(xid, attrs)) return false;
  Display* display = X11QueryDisplay();
  GLXFBConfig config;
  if (!ConfigForVisual(display, XVisualIDFromVisual(attrs.visual), config)) return false;
  const int context_attributes[] = {GLX_CONTEXT_MAJOR_VERSION_ARB, 3,
                                    GLX_CONTEXT_MINOR_VERSION_ARB, 3,
                                    GLX_CONTEXT_PROFILE_MASK_ARB,  GLX_CONTEXT_CORE_PROFILE_BIT_ARB,
                                    None};
  X11ErrorTrap trap(display);
  GLXContext context = glXCreateContextAttribsARB(display, config, nullptr, True, context_attributes);
  if (trap.Failed() || !context) return false;
  if (!glXMakeCurrent(display, Window(xid), context) || trap.Failed()) {
    glXDestroyContext(display, context);
    return false;
  }
  g_foreign = {display, Window(xid), context};
  // The window's owner may destroy it at any moment; a request on it must not end us.
  TolerateX11Errors();
  return true;
}

void ForeignGlxSwap() {
  if (!g_foreign.context) return;
  // Other code (the GL driver, SDL) may have put its own handler back since the attach.
  TolerateX11Errors();
  glXSwapBuffers(g_foreign.display, g_foreign.window);
}

void ForeignGlxRelease() {
  if (!g_foreign.context) return;
  TolerateX11Errors();
  glXMakeCurrent(g_foreign.display, None, nullptr);
  glXDestroyContext(g_foreign.display, g_foreign.context);
  g_foreign = {};
}

}  // namespace vorpel::detail
