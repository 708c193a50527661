// A load that fails says so once on standard error, naming what failed and why; one that works
// says nothing. "incbin::" names asked for before the resources are registered say that.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>

#include "kit/bmfont_handler.hpp"
#include "kit/pack.hpp"
#include "kit/texture_handler.hpp"
#include "tests/kit/kit_fixture.hpp"
#include "tests/support/support.hpp"

namespace {

struct FailedLoad {
  std::function<int()> load;
  std::string source, what, why;
};

}  // namespace

using LoadReports = kittest::KitTest;

TEST_F(LoadReports, EachFailedLoadNamesItsSourceOnceAndWhy) {
  testsupport::RegisterAssetsOnce();
  testsupport::TempDir dir;
  std::string missing = dir / "missing.png", garbage = dir / "garbage.png";
  std::string pack = dir / "short.pac", font_text = dir / "font.txt";
  testsupport::WriteFile(garbage, "not a picture");
  testsupport::WriteFile(pack, "atlas.png\n3\nonly,1\n");
  testsupport::WriteFile(font_text, "20,4\n");
  MGE_TextureHandler::Init(2);
  MGE_BMFontHandler font;
  const FailedLoad cases[] = {
      {[&] { return MGE_TextureHandler::Load(1, missing, 0); }, missing, "picture", "opened"},
      {[&] { return MGE_TextureHandler::Load(1, garbage, 0); }, garbage, "picture", "PNG or JPEG"},
      {[] { return MGE_TextureHandler::Load(1, "incbin::none.png", 0); }, "incbin::none.png",
       "picture", "no embedded resource"},
      {[&] { return MGE_Pack::Read(missing, 1); }, missing, "pack", "opened"},
      {[&] { return MGE_Pack::Read(pack, 1); }, pack, "pack", "malformed"},
      {[&] { return font.LoadConfig(font_text, 1, 0, 0); }, font_text, "font definition",
       "fewer lines"},
  };
  for (const FailedLoad& c : cases) {
    testing::internal::CaptureStderr();
    EXPECT_EQ(c.load(), 0) << c.source;
    std::string said = testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("\"" + c.source + "\""), std::string::npos) << said;
    EXPECT_NE(said.find(c.what), std::string::npos) << said;
    EXPECT_NE(said.find(c.why), std::string::npos) << said;
    EXPECT_EQ(said.find('\n'), said.size() - 1) << "one line: " << said;
  }

  testing::internal::CaptureStderr();
  EXPECT_EQ(MGE_TextureHandler::Load(2, "incbin::bmfont.png", 0), 1);
  EXPECT_EQ(MGE_Pack::Read("incbin::image1.pac", 2), 1);
  EXPECT_EQ(font.LoadConfig("incbin::bmfont.txt", 2, 0, 0), 1);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

TEST(LoadReportsEarly, IncbinNamesBeforeRegistrationSaySo) {
  // A fresh process, so that no other test has registered the resources yet.
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        MGE_Pack::Read("incbin::image1.pac", 1);
        std::exit(0);
      },
      testing::ExitedWithCode(0), "incbin::image1.pac.*RegisterEmbeddedResources\\(\\) first");
}
