#include "tests/support/graphics_fixture.hpp"

#include "tests/support/support.hpp"

namespace testsupport {

void GraphicsTest::SetUp() {
  RegisterAssetsOnce();
  ASSERT_EQ(GraphicsOpen(kWidth, kHeight, 0, 60, 0), 1) << "no GL context";
  SetClsColor(0, 0, 0);
  Cls();
}

void GraphicsTest::TearDown() { GraphicsClose(); }

std::uint32_t GraphicsTest::Pixel(int x, int y) {
  PixmapPtr p = GrabPixmap(x, y, 1, 1);
  return p ? p->ReadPixel(0, 0) : 0;
}

}  // namespace testsupport
