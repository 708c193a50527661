#include <gtest/gtest.h>

#include "kit/pack.hpp"
#include "tests/support/support.hpp"

namespace {

class Pack : public ::testing::Test {
 protected:
  void SetUp() override { MGE_Pack::Reset(); }
  void TearDown() override { MGE_Pack::Reset(); }
  std::string Write(const std::string& text) {
    std::string path = dir / ("pack" + std::to_string(++files) + ".txt");
    testsupport::WriteFile(path, text);
    return path;
  }
  testsupport::TempDir dir;
  int files = 0;
};

const char kAtlas[] =
    "image1.png\r\n3\r\nbackground,1\r\n0,332,700,420\r\nslider,1\r\n920,204,79,82\r\n"
    "on,1\r\n920,102,98,100\r\n";

}  // namespace

TEST_F(Pack, EntriesKeepFileOrderAndTheirSlot) {
  ASSERT_EQ(MGE_Pack::Read(Write(kAtlas), 4), 1);
  const auto& defs = MGE_Pack::Definitions();
  ASSERT_EQ(defs.size(), 3u);
  EXPECT_EQ(defs[0].name, "background");
  EXPECT_EQ(defs[1].name, "slider") << "the count after the comma is not part of the name";
  MGE_PackDefinitionType def;
  MGE_Pack::GetImageDef("on", def);
  EXPECT_EQ(def.textureid, 4);
  EXPECT_EQ(def.srcx, 920);
  EXPECT_EQ(def.srcy, 102);
  EXPECT_EQ(def.width, 98);
  EXPECT_EQ(def.height, 100);
}

TEST_F(Pack, ReadingTwiceDoublesTheListAndTheFirstCopyWins) {
  std::string path = Write(kAtlas);
  ASSERT_EQ(MGE_Pack::Read(path, 1), 1);
  ASSERT_EQ(MGE_Pack::Read(path, 2), 1);
  EXPECT_EQ(MGE_Pack::Definitions().size(), 6u);
  MGE_PackDefinitionType def;
  MGE_Pack::GetImageDef("slider", def);
  EXPECT_EQ(def.textureid, 1);
}

TEST_F(Pack, AMissingNameLeavesTheRecordAlone) {
  ASSERT_EQ(MGE_Pack::Read(Write(kAtlas), 1), 1);
  MGE_PackDefinitionType def;
  MGE_Pack::GetImageDef("Slider", def);
  EXPECT_EQ(def.name, "");
  EXPECT_EQ(def.width, 0);
  EXPECT_EQ(def.textureid, 0);
  EXPECT_EQ(MGE_Pack::Find("Slider"), nullptr);
}

TEST_F(Pack, NumbersReadLikeSettings) {
  ASSERT_EQ(MGE_Pack::Read(Write("a.png\n $2 entries\nx,1\n$10,%101,-3, +7z\ny\n1,2,3,4,5"), 1),
            1);
  const auto& defs = MGE_Pack::Definitions();
  ASSERT_EQ(defs.size(), 2u);
  EXPECT_EQ(defs[0].srcx, 16);
  EXPECT_EQ(defs[0].srcy, 5);
  EXPECT_EQ(defs[0].width, -3);
  EXPECT_EQ(defs[0].height, 7);
  EXPECT_EQ(defs[1].height, 4) << "a last line without an ending still counts";
}

TEST_F(Pack, TheProgramsAtlasIsReadFromItsEmbeddedText) {
  testsupport::RegisterAssetsOnce();
  ASSERT_EQ(MGE_Pack::Read("incbin::image1.pac", 1), 1);
  EXPECT_EQ(MGE_Pack::Definitions().size(), 18u);
  const MGE_PackDefinitionType* slider = MGE_Pack::Find("slider");
  ASSERT_NE(slider, nullptr);
  EXPECT_EQ(slider->srcx, 920);
  EXPECT_EQ(slider->srcy, 204);
  EXPECT_EQ(slider->width, 79);
  EXPECT_EQ(slider->height, 82);
  ASSERT_NE(MGE_Pack::Find("10"), nullptr);
}

TEST_F(Pack, MalformedPacksStopAtTheFirstBadEntry) {
  struct Case {
    const char* text;
    std::size_t kept;
  } cases[] = {
      {"a.png\n3\none,1\n1,2,3,4\ntwo,1\n5,6,7,8\n", 2},  // shorter than announced
      {"a.png\n2\none,1\n1,2,3,4\ntwo,1\n", 1},           // name without a rectangle
      {"a.png\n2\none,1\n1,2,3,4\n\n5,6,7,8\n", 1},        // empty name line
      {"a.png\n2\n,1\n1,2,3,4\n", 0},                       // empty name
      {"a.png\n2\none,1\n1,2,3\n", 0},                      // three numbers
      {"a.png\n", 0},                                       // no count
      {"", 0},
  };
  for (const Case& c : cases) {
    MGE_Pack::Reset();
    EXPECT_EQ(MGE_Pack::Read(Write(c.text), 1), 0) << c.text;
    EXPECT_EQ(MGE_Pack::Definitions().size(), c.kept) << c.text;
  }
}

TEST_F(Pack, AnUnopenableSourceChangesNothing) {
  ASSERT_EQ(MGE_Pack::Read(Write(kAtlas), 1), 1);
  EXPECT_EQ(MGE_Pack::Read(dir / "missing.txt", 1), 0);
  EXPECT_EQ(MGE_Pack::Read("incbin::no-such-pack", 1), 0);
  EXPECT_EQ(MGE_Pack::Definitions().size(), 3u);
  EXPECT_EQ(MGE_Pack::Read(Write("a.png\n-5\n"), 1), 1) << "no entries is a valid pack";
}
