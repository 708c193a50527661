// The bubble scene with its embedded resources broken: the atlas picture unreadable, the atlas
// text announcing more entries than it holds (only set 1's bubble is there), and the background
// pictures of every set but the first missing. The scene runs through its set changes, draws,
// and creates only the bubbles it can name.
#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>

#include "app/app_state.hpp"
#include "app/headless_scene.hpp"
#include "app/saver.hpp"
#include "kit/sprites/sprite_handler.hpp"
#include "platform/random.hpp"
#include "platform/resources.hpp"
#include "tests/support/support.hpp"

namespace {

// Replaces registered resources for the life of the object.
class BrokenResources {
 public:
  void Replace(const std::string& name, const char* text) {
    if (!saved_.count(name)) saved_[name] = FindResource(name);
    RegisterResource(name, reinterpret_cast<const std::uint8_t*>(text), std::strlen(text));
  }
  ~BrokenResources() {
    for (const auto& [name, bytes] : saved_) RegisterResource(name, bytes.data, bytes.size);
  }

 private:
  std::map<std::string, ResourceBytes> saved_;
};

}  // namespace

TEST(BrokenResources, TheSceneRunsWithWhatItCanLoad) {
  testsupport::RegisterAssetsOnce();
  BrokenResources broken;
  broken.Replace("image1.png", "not a picture");
  broken.Replace("image1.pac", "image1.png\n40\n1,1\n802,0,116,115\n");
  for (int set = 2; set <= 10; ++set)
    for (const char* part : {"a.png", "b.png", "c.png", "d.png"})
      broken.Replace(std::to_string(set) + part, "");
  SeedRnd(7);
  ASSERT_TRUE(HeadlessSceneOpen(800, 500, 299, 299, 1));
  Scene.BubbleSet = 9;  // then 10, whose pictures are missing, and 1, whose bubble is named
  SelectBubbleSet(9);
  int changes = 0, last_set = Scene.BubbleSet, set_one_sprites = 0;
  for (int step = 1; step <= 4000; ++step) {
    HeadlessSceneStep();
    if (Scene.BubbleSet != last_set) ++changes;
    last_set = Scene.BubbleSet;
    if (step % 100 == 0) HeadlessSceneDraw();
    for (int layer : {2, 3})
      Kit->Sprite->GetSpriteList(layer)->ForEach([&](MGE_Sprite& s) {
        ASSERT_EQ(s.width, 116);
        ++set_one_sprites;
      });
  }
  HeadlessSceneClose();
  EXPECT_GE(changes, 3);
  EXPECT_GT(set_one_sprites, 0) << "set 1's bubbles are in the atlas text and should show";
}
