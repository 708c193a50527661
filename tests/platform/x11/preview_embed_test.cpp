#include "tests/platform/x11/x11_fixture.hpp"
// (after the fixture, which includes gtest before Xlib)
#include "platform/host.hpp"
#include "platform/input.hpp"

namespace {

class PreviewEmbed : public X11Test {
 protected:
  Window host = 0;
  void SetUp() override {
    X11Test::SetUp();
    host = MakeWindow(Root(), 20, 30, 400, 300);
    SetAppTitle("VorpelScreenSaver");
    ASSERT_EQ(GraphicsOpen(152, 112, 0, 60, kGraphicsHidden), 1);
  }
};

}  // namespace

TEST_F(PreviewEmbed, OurWindowBecomesTheHostsChildAtItsCorner) {
  ASSERT_EQ(EmbedWindowInHost(GraphicsWindow(), host), 1);
  Window own = OwnXWindow();
  EXPECT_EQ(ParentOf(own), host);
  XWindowAttributes a;
  ASSERT_TRUE(XGetWindowAttributes(x, own, &a));
  EXPECT_EQ(a.x, 0);
  EXPECT_EQ(a.y, 0);
  EXPECT_EQ(a.map_state, IsViewable);

  ASSERT_EQ(MoveResizeWindow(GraphicsWindow(), 5, 6, 150, 110), 1);
  ASSERT_TRUE(XGetWindowAttributes(x, own, &a));
  EXPECT_EQ(a.x, 5);
  EXPECT_EQ(a.y, 6);
  EXPECT_EQ(a.width, 150);
  EXPECT_EQ(a.height, 110);
}

TEST_F(PreviewEmbed, HostIsVisibleOnlyWhileItAndItsAncestorsAreMapped) {
  EXPECT_EQ(IsHostWindowVisible(host), 1);
  XUnmapWindow(x, host);
  XSync(x, False);
  EXPECT_EQ(IsHostWindowVisible(host), 0);
  XMapWindow(x, host);
  XSync(x, False);
  EXPECT_EQ(IsHostWindowVisible(host), 1);

  Window hidden_parent = MakeWindow(Root(), 0, 0, 50, 50, 0, false);
  Window inner = MakeWindow(hidden_parent, 0, 0, 10, 10);
  EXPECT_EQ(IsHostWindowVisible(inner), 0);
}

TEST_F(PreviewEmbed, BadHostIdsAreNotVisibleWithOrWithoutOurWindow) {
  Window gone = MakeWindow(Root(), 0, 0, 10, 10);
  XDestroyWindow(x, gone);
  XSync(x, False);
  for (int pass = 0; pass < 2; ++pass) {  // SDL's connection, then a private one
    EXPECT_EQ(IsHostWindowVisible(gone), 0);
    EXPECT_EQ(IsHostWindowVisible(0x1FFFFFF0UL), 0);
    EXPECT_EQ(IsHostWindowVisible(0), 0);
    EXPECT_EQ(IsHostWindowVisible(0x100000000UL | host), 0);  // beyond 32 bits: not an alias
    EXPECT_EQ(IsHostWindowVisible(host), 1);
    GraphicsClose();
  }
}

TEST_F(PreviewEmbed, BadHostLeavesOurWindowShownOnTheDesktop) {
  Window gone = MakeWindow(Root(), 0, 0, 10, 10);
  XDestroyWindow(x, gone);
  XSync(x, False);
  EXPECT_EQ(EmbedWindowInHost(GraphicsWindow(), gone), 0);
  EXPECT_EQ(EmbedWindowInHost(GraphicsWindow(), 0), 0);
  Window own = OwnXWindow();
  EXPECT_EQ(ParentOf(own), Root());
  XWindowAttributes a;
  ASSERT_TRUE(XGetWindowAttributes(x, own, &a));
  EXPECT_EQ(a.map_state, IsViewable);
}

// The host going away takes our window with it. The preview then ends the program at once,
// and the frames it draws before it notices must not end it first with an X error.
namespace {

[[noreturn]] void PreviewUntilTheHostGoes() {
  Display* host_program = XOpenDisplay(nullptr);
  if (!host_program) std::exit(2);
  Window host = XCreateSimpleWindow(host_program, DefaultRootWindow(host_program), 0, 0, 300,
                                    200, 0, 0, 0);
  XMapWindow(host_program, host);
  XSync(host_program, False);
  if (GraphicsOpen(152, 112, 0, 60, kGraphicsHidden) != 1) std::exit(3);
  if (EmbedWindowInHost(GraphicsWindow(), host) != 1) std::exit(4);
  Flip(0);
  XDestroyWindow(host_program, host);
  XSync(host_program, False);
  for (int frame = 0; frame < 3; ++frame) {
    Cls();
    Flip(0);
    PollEvents();
  }
  std::exit(IsHostWindowVisible(host) == 0 ? 0 : 5);
}

}  // namespace

TEST(PreviewHostGone, ProgramEndsCleanlyAfterTheHostTookOurWindow) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");  // a fresh process with its own connections
  EXPECT_EXIT(PreviewUntilTheHostGoes(), ::testing::ExitedWithCode(0), "");
}
