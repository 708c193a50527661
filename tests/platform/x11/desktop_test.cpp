#include "tests/platform/x11/x11_fixture.hpp"
// (after the fixture, which includes gtest before Xlib)
#include <X11/Xatom.h>

#include "platform/host.hpp"
#include "tests/support/support.hpp"

// Xvfb runs with one 1280 x 800 screen of 24-bit colour.
using DesktopQueries = X11Test;

TEST_F(DesktopQueries, OneMonitorCoversTheScreen) {
  EXPECT_EQ(MonitorCount(), 1);
  std::vector<DisplayArea> displays = ListDisplays();
  ASSERT_EQ(displays.size(), 1u);
  EXPECT_EQ(displays[0].id, 1);
  EXPECT_EQ(displays[0].x, 0);
  EXPECT_EQ(displays[0].y, 0);
  EXPECT_EQ(displays[0].width, 1280);
  EXPECT_EQ(displays[0].height, 800);
  for (int index : {0, -1}) {
    EXPECT_EQ(DesktopWidth(index), 1280) << index;
    EXPECT_EQ(DesktopHeight(index), 800) << index;
  }
  EXPECT_EQ(DesktopWidth(1), 0);
  EXPECT_EQ(DesktopHeight(-2), 0);
  EXPECT_EQ(DesktopDepth(), 32);
  WindowRect desktop;
  ASSERT_EQ(GetDesktopRect(desktop), 1);
  EXPECT_EQ(desktop.right, 1280);
  EXPECT_EQ(desktop.bottom, 800);
}

TEST_F(DesktopQueries, CursorFollowsThePointer) {
  for (auto [px, py] : {std::pair{100, 200}, std::pair{1000, 700}}) {
    XWarpPointer(x, None, Root(), 0, 0, 0, 0, px, py);
    XSync(x, False);
    EXPECT_EQ(CursorX(), px);
    EXPECT_EQ(CursorY(), py);
  }
}

TEST_F(DesktopQueries, GrabCopiesTheDesktopTopRowFirstWhenFlipped) {
  MakeWindow(Root(), 0, 0, 1280, 10, 0xFF0000);   // red band along the top
  MakeWindow(Root(), 0, 790, 1280, 10, 0x0000FF);  // blue band along the bottom
  PixmapPtr top_first = GrabDesktop(1);
  ASSERT_NE(top_first, nullptr);
  EXPECT_EQ(top_first->width, 1280);
  EXPECT_EQ(top_first->height, 800);
  EXPECT_EQ(top_first->format, PF_RGB888);
  EXPECT_EQ(top_first->ReadPixel(5, 0), 0xFFFF0000u);
  EXPECT_EQ(top_first->ReadPixel(1279, 799), 0xFF0000FFu);

  PixmapPtr bottom_first = GrabDesktop(0);
  ASSERT_NE(bottom_first, nullptr);
  EXPECT_EQ(bottom_first->ReadPixel(5, 0), 0xFF0000FFu);
  EXPECT_EQ(bottom_first->ReadPixel(1279, 799), 0xFFFF0000u);
}

TEST_F(DesktopQueries, WindowIsCentredByItsFrame) {
  ASSERT_EQ(GraphicsOpen(200, 100), 1);
  WindowRect desktop, frame;
  ASSERT_EQ(GetDesktopRect(desktop), 1);
  ASSERT_EQ(GetWindowFrameRect(GraphicsWindow(), frame), 1);
  EXPECT_EQ(frame.Width(), 200);  // no window manager, no frame
  int left = 0, top = 0;
  CentreRectOnDisplay(desktop, frame, left, top);
  ASSERT_EQ(MoveWindowFrameTo(GraphicsWindow(), left, top), 1);
  int real_left = -1, real_top = -1;
  RootPosition(OwnXWindow(), real_left, real_top);
  EXPECT_EQ(real_left, 540);
  EXPECT_EQ(real_top, 350);
}

TEST_F(DesktopQueries, IconReachesTheWindowSystem) {
  testsupport::TempDir dir;
  TPixmap picture(16, 8);
  picture.Clear(0xFF336699);
  picture.WritePixel(0, 0, 0x80FF0000);
  ASSERT_EQ(PixmapSavePNG(picture, dir / "icon.png"), 1);
  ASSERT_EQ(GraphicsOpen(200, 100), 1);
  ASSERT_EQ(SetWindowIconFromPicture(GraphicsWindow(), dir / "icon.png"), 1);

  Atom icon = XInternAtom(x, "_NET_WM_ICON", False);
  Atom type;
  int format;
  unsigned long count, after;
  unsigned char* data = nullptr;
  ASSERT_EQ(XGetWindowProperty(x, OwnXWindow(), icon, 0, 1 << 16, False, XA_CARDINAL, &type,
                               &format, &count, &after, &data),
            Success);
  ASSERT_NE(data, nullptr);
  const long* values = reinterpret_cast<const long*>(data);  // format 32 comes as longs
  ASSERT_EQ(count, 2u + 16u * 8u);
  EXPECT_EQ(values[0], 16);
  EXPECT_EQ(values[1], 8);
  EXPECT_EQ(static_cast<unsigned long>(values[2]) & 0xFFFFFFFFUL, 0x80FF0000UL);
  EXPECT_EQ(static_cast<unsigned long>(values[3]) & 0xFFFFFFFFUL, 0xFF336699UL);
  XFree(data);
}
