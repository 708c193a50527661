// The kit tour run headless: every screen leaves a picture that shows a scene, runs repeat
// exactly, and bad switches are refused.
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/pixmap.hpp"
#include "tests/support/support.hpp"

extern char** environ;

namespace {

namespace fs = std::filesystem;

// Runs the tour with the given switches; its exit code, or -1 when it did not exit normally.
int RunTour(const std::vector<std::string>& switches) {
  std::vector<std::string> args{KIT_TOUR_PATH};
  args.insert(args.end(), switches.begin(), switches.end());
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  pid_t pid = 0;
  if (posix_spawn(&pid, KIT_TOUR_PATH, nullptr, nullptr, argv.data(), environ) != 0) return -1;
  int status = 0;
  if (waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) return -1;
  return WEXITSTATUS(status);
}

std::vector<std::string> Headless(const testsupport::TempDir& dir, int frames) {
  return {"--headless", "--frames", std::to_string(frames), "--out", dir.str()};
}

struct ColourCount {
  std::size_t distinct = 0;
  double commonest = 0;  // share of the pixels the commonest colour covers
};

ColourCount CountColours(const TPixmap& p) {
  std::unordered_map<std::uint32_t, std::size_t> seen;
  for (int y = 0; y < p.height; ++y)
    for (int x = 0; x < p.width; ++x) ++seen[p.ReadPixel(x, y) & 0xFFFFFFu];
  std::size_t most = 0;
  for (const auto& [colour, count] : seen) most = std::max(most, count);
  return {seen.size(), double(most) / double(std::size_t(p.width) * std::size_t(p.height))};
}

std::vector<std::string> PictureNames(const testsupport::TempDir& dir) {
  std::vector<std::string> names;
  for (const fs::directory_entry& e : fs::directory_iterator(dir.path()))
    if (e.path().extension() == ".png") names.push_back(e.path().stem().string());
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace

TEST(KitTour, EveryScreenLeavesAPictureFullOfColour) {
  testsupport::TempDir dir;
  ASSERT_EQ(RunTour(Headless(dir, 20)), 0);
  std::vector<std::string> names = PictureNames(dir);
  for (const char* screen : {"explosions", "fonts", "gui", "map", "sprites", "tiler"})
    EXPECT_NE(std::find(names.begin(), names.end(), screen), names.end()) << screen;
  for (const std::string& name : names) {
    PixmapPtr picture = LoadPixmap(dir / (name + ".png"));
    ASSERT_TRUE(picture) << name;
    EXPECT_EQ(picture->width, 800) << name;
    EXPECT_EQ(picture->height, 600) << name;
    ColourCount colours = CountColours(*picture);
    EXPECT_GT(colours.distinct, 2000u) << name;
    EXPECT_LT(colours.commonest, 0.25) << name << " is mostly one colour";
  }
}

TEST(KitTour, TheSameRunDrawsTheSamePicture) {
  testsupport::TempDir first, second;
  std::vector<std::string> only{"--screen", "sprites"};
  auto with = [&](const testsupport::TempDir& dir) {
    std::vector<std::string> s = Headless(dir, 12);
    s.insert(s.end(), only.begin(), only.end());
    return s;
  };
  ASSERT_EQ(RunTour(with(first)), 0);
  ASSERT_EQ(RunTour(with(second)), 0);
  EXPECT_EQ(PictureNames(first), std::vector<std::string>{"sprites"});
  std::string a = testsupport::ReadFile(first / "sprites.png");
  EXPECT_FALSE(a.empty());
  EXPECT_TRUE(a == testsupport::ReadFile(second / "sprites.png"))
      << "a fixed step and seed make every run alike";
}

TEST(KitTour, BadSwitchesAreRefused) {
  testsupport::TempDir dir;
  EXPECT_EQ(RunTour({"--headless", "--frames", "0", "--out", dir.str()}), 2);
  EXPECT_EQ(RunTour({"--headless", "--frames", "99999999999999999999", "--out", dir.str()}), 2);
  EXPECT_EQ(RunTour({"--headless", "--frames", "12x", "--out", dir.str()}), 2);
  EXPECT_EQ(RunTour({"--headless", "--colour"}), 2);
  EXPECT_EQ(RunTour({"--headless", "--out"}), 2);
  EXPECT_EQ(RunTour({"--headless", "--screen", "nothing", "--out", dir.str()}), 2);
  EXPECT_TRUE(PictureNames(dir).empty());
}
