#pragma once
// A connection of the test's own to the X server (Xvfb under CTest), standing in for another
// program such as the screen-saver host.
// gtest first: Xlib defines None as a macro.
#include <gtest/gtest.h>
// (keep this order)
#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xlib.h>

#include "platform/graphics.hpp"

class X11Test : public ::testing::Test {
 protected:
  Display* x = nullptr;

  void SetUp() override {
    x = XOpenDisplay(nullptr);
    ASSERT_NE(x, nullptr) << "no X server";
  }
  void TearDown() override {
    GraphicsClose();
    if (x) XCloseDisplay(x);
  }

  Window Root() const { return DefaultRootWindow(x); }

  // A window of the test's program; mapped unless told otherwise.
  Window MakeWindow(Window parent, int left, int top, int w, int h, unsigned long pixel = 0,
                    bool mapped = true) {
    Window window =
        XCreateSimpleWindow(x, parent, left, top, unsigned(w), unsigned(h), 0, 0, pixel);
    if (mapped) XMapWindow(x, window);
    XSync(x, False);
    return window;
  }

  static Window OwnXWindow() {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(GraphicsWindow(), &info) || info.subsystem != SDL_SYSWM_X11) return 0;
    return info.info.x11.window;
  }

  Window ParentOf(Window window) {
    Window root, parent, *children = nullptr;
    unsigned count = 0;
    if (!XQueryTree(x, window, &root, &parent, &children, &count)) return 0;
    if (children) XFree(children);
    return parent;
  }

  // Top-left corner in root coordinates.
  void RootPosition(Window window, int& left, int& top) {
    Window child;
    XTranslateCoordinates(x, window, Root(), 0, 0, &left, &top, &child);
  }
};
