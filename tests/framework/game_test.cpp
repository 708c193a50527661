#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "framework/game.hpp"
#include "framework/globals.hpp"
#include "tests/support/support.hpp"

namespace fs = std::filesystem;
using testsupport::ScopedEnv;
using testsupport::TempDir;

namespace {
// A game object against a temporary all-users folder and working folder.
class GameTest : public ::testing::Test {
 protected:
  TempDir dir;
  ScopedEnv config{"XDG_CONFIG_HOME", dir.str() + "/config"};
  ScopedEnv no_display{"DISPLAY", std::nullopt};
  std::string all_users = dir.str() + "/config/";
  fs::path old_cwd = fs::current_path();

  void SetUp() override {
    fs::create_directory(dir.path() / "config");
    fs::create_directory(dir.path() / "work");
    fs::current_path(dir.path() / "work");
  }
  void TearDown() override { fs::current_path(old_cwd); }
};
}  // namespace

TEST_F(GameTest, SubPathLiesUnderTheAllUsersFolder) {
  TGame game;
  game.SetSubPathWrapper("Trevane/VorpelScreenSaver");
  EXPECT_EQ(game.SubPath, all_users + "Trevane/VorpelScreenSaver/");
  EXPECT_EQ(game.ProfilePath, all_users + "Trevane/VorpelScreenSaver/profiles/");
  EXPECT_EQ(DataFolder, game.SubPath);
  EXPECT_EQ(game.ImagePath, "Data/graphics/");

  TGame empty;
  empty.SetSubPathWrapper("");
  EXPECT_EQ(empty.SubPath, all_users);
  EXPECT_EQ(empty.ProfilePath, all_users + "profiles/");
}

TEST_F(GameTest, WithoutTheCorrectPathEverythingStaysRelative) {
  TGame game;
  game.UseCorrectPath = 0;
  game.SetSubPathWrapper("Trevane/VorpelScreenSaver");
  EXPECT_EQ(game.SubPath, "Trevane/VorpelScreenSaver/");
  EXPECT_EQ(game.ProfilePath, "Data/profiles/");
}

TEST_F(GameTest, FirstStartCreatesTheFoldersAndLaterStartsChangeNothing) {
  TGame first;
  first.SetSubPathWrapper("Trevane/VorpelScreenSaver");
  first.Init(0);
  EXPECT_TRUE(fs::is_directory(first.SubPath));
  EXPECT_TRUE(fs::is_directory(first.ProfilePath));
  EXPECT_EQ(first.OSVersion.substr(0, 5), "Linux");
  EXPECT_EQ(first.FixedRateLogic->Label, "Ticks   ");
  EXPECT_EQ(int(first.FixedRateLogic->History.size()), first.FixedRateLogic->HistorySizeMax);
  EXPECT_EQ(fs::status(first.SubPath).permissions() & fs::perms::others_write, fs::perms::none);

  testsupport::WriteFile(first.ProfilePath + "config.ini", "keep");
  TGame second;
  second.SetSubPathWrapper("Trevane/VorpelScreenSaver");
  second.Init(0);
  EXPECT_EQ(testsupport::ReadFile(second.ProfilePath + "config.ini"), "keep");
  EXPECT_EQ(second.Ini->GetFilename(), second.SubPath + fs::path(ProgramFileName()).stem().string() + ".ini");
}

TEST_F(GameTest, DefaultSettingsAreCopiedOnlyWhenMissing) {
  fs::create_directory("data");
  testsupport::WriteFile("data/Default.ini", "[Video]\r\nWidth=\"640\"\r\n");
  TGame game;
  game.SetSubPathWrapper("Trevane/VorpelScreenSaver");
  game.Init(0);
  EXPECT_EQ(game.Ini->GetIntValue("Video", "Width", 0), 640);
  std::string settings = game.Ini->GetFilename();
  testsupport::WriteFile(settings, "[Video]\r\nWidth=\"800\"\r\n");
  TGame again;
  again.SetSubPathWrapper("Trevane/VorpelScreenSaver");
  again.Init(0);
  EXPECT_EQ(again.Ini->GetIntValue("Video", "Width", 0), 800);
}

TEST_F(GameTest, FlipSyncFollowsVSync) {
  TGame game;
  game.VSync = 0;
  game.SetFlipSync();
  EXPECT_EQ(FlipSync, 0);
  game.VSync = 7;
  game.SetFlipSync();
  EXPECT_EQ(FlipSync, 1);
}

TEST_F(GameTest, AProfilesFolderThatCannotBeMadeEndsTheProgramWithAReport) {
  fs::create_directories(all_users + "Trevane/VorpelScreenSaver");
  testsupport::WriteFile(all_users + "Trevane/VorpelScreenSaver/profiles", "a file in the way");
  TGame game;
  game.SetSubPathWrapper("Trevane/VorpelScreenSaver");
  EXPECT_EXIT(game.Init(0), ::testing::ExitedWithCode(1), "Cannot create shared profiles folder");
  EXPECT_NE(testsupport::ReadFile(all_users + "Trevane/VorpelScreenSaver/ErrorLog.txt")
                .find("Cannot create shared profiles folder " + game.ProfilePath),
            std::string::npos);
}

TEST(ProgramFile, DebugBuildsCountAsTheReleaseName) {
  EXPECT_EQ(ProgramFileNameFrom("C:/Games/saver.debug.exe"), "C:/Games/saver.exe");
  EXPECT_EQ(ProgramFileNameFrom("/usr/bin/vorpelsaver"), "/usr/bin/vorpelsaver");
  EXPECT_EQ(ProgramFileNameFrom("debug"), "debug");
  EXPECT_EQ(EnsureTrailingSlash(""), "/");
  EXPECT_EQ(EnsureTrailingSlash("a\\"), "a\\");
  EXPECT_EQ(EnsureTrailingSlash("a"), "a/");
}
