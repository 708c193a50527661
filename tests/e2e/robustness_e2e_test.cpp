// The real program against crashes, full disks, unwritable folders and hostile command lines.
#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <filesystem>

#include "tests/e2e/e2e.hpp"

using namespace e2e;
using testsupport::TempDir;

namespace {

namespace fs = std::filesystem;

constexpr const char* kSaverTitle = "VorpelScreenSaver";
constexpr const char* kConfigTitle = "Vorpel! Configuration";

class RobustnessE2E : public ProgramTest {
 protected:
  // Runs the saver until its window shows, then ends it with Escape; the exit code.
  std::optional<int> RunSaverOnce(Program& saver) {
    if (!WaitAndFocus(kSaverTitle)) return std::nullopt;
    Xdo({"key", "Escape"});
    return saver.Wait(15000);
  }

  std::vector<std::string> LeftoverTemporaries() const {
    std::vector<std::string> found;
    for (const auto& entry : fs::directory_iterator(ProfilesFolder()))
      if (entry.path().extension() == ".tmp") found.push_back(entry.path().filename());
    return found;
  }
};

double SecondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

// The instance locks die with their process, so a saver or preview killed outright does not
// keep the next one from starting.
TEST_F(RobustnessE2E, AKilledSaverOrPreviewDoesNotBlockTheNextStart) {
  {
    Program killed({"/s"}, dir.str(), env);
    ASSERT_NE(WaitAndFocus(kSaverTitle), 0u);
    killed.Signal(SIGKILL);
    ASSERT_EQ(killed.Wait(5000), -SIGKILL);
  }
  Program saver({"/s"}, dir.str(), env);
  EXPECT_EQ(RunSaverOnce(saver), 0);
  EXPECT_TRUE(fs::exists(SettingsPath()));

  {
    Program killed({"/p"}, dir.str(), env);
    ASSERT_NE(screen.WaitForWindow(kSaverTitle, 15000), 0u);
    killed.Signal(SIGKILL);
    ASSERT_EQ(killed.Wait(5000), -SIGKILL);
  }
  auto start = std::chrono::steady_clock::now();
  Program preview({"/p"}, dir.str(), env);
  EXPECT_EQ(preview.Wait(20000), 0);
  EXPECT_GT(SecondsSince(start), 2.0) << "the preview ended at once: its lock was still held";
}

TEST_F(RobustnessE2E, AFullDiskKeepsTheOldSettingsAndReportsTheFailedSave) {
  const std::string old = "[Vorpels]\r\nHowOften=\"10\"\r\n";
  StoreSettings(old);
  Program saver({}, dir.str(), env, {.capture_stderr = true, .disk_full = true});
  EXPECT_EQ(RunSaverOnce(saver), 0);
  EXPECT_EQ(testsupport::ReadFile(SettingsPath()), old);
  EXPECT_TRUE(LeftoverTemporaries().empty());
  const std::string said = saver.Stderr();
  EXPECT_NE(said.find("VorpelScreenSaver: Cannot save settings file " + SettingsPath()),
            std::string::npos)
      << said;
}

// A settings file nobody may read in a folder nobody may write: the saver runs with the default
// settings (backgrounds on, though the file turns them off), leaves the file alone and writes
// the failed save into the error log next to the folder.
TEST_F(RobustnessE2E, AnUnwritableSettingsFolderIsSurvivedAndLogged) {
  StoreSettings("[Vorpels]\r\nBackgroundOn=\"1\"\r\n");
  chmod(SettingsPath().c_str(), 0);
  chmod(ProfilesFolder().c_str(), 0555);
  Program saver({}, dir.str(), env, {.ordinary_user = true});
  Window window = WaitAndFocus(kSaverTitle);
  ASSERT_NE(window, 0u);
  PixmapPtr shot = WaitForScene(screen, window, 60, 15000);
  Xdo({"key", "Escape"});
  EXPECT_EQ(saver.Wait(15000), 0);
  chmod(ProfilesFolder().c_str(), 0755);
  chmod(SettingsPath().c_str(), 0644);
  ASSERT_TRUE(shot);
  EXPECT_LT(Analyse(*shot).black_fraction, 0.05) << "the default settings draw the backgrounds";
  EXPECT_EQ(testsupport::ReadFile(SettingsPath()), "[Vorpels]\r\nBackgroundOn=\"1\"\r\n");
  const std::string log = testsupport::ReadFile(DataFolder() + "ErrorLog.txt");
  EXPECT_NE(log.find("\r\nCannot save settings file " + SettingsPath() + "\r\n"),
            std::string::npos)
      << log;
}

// Values no slider produces, at the ends of int: both modes run and end normally, and the values
// are written back as they were.
TEST_F(RobustnessE2E, HandEditedExtremeSettingsRunInBothModes) {
  const std::string extremes =
      "[Vorpels]\r\nBackgroundOn=\"-2147483648\"\r\nHowOften=\"-2147483647\"\r\n"
      "HowOftenToChangeBubbles=\"2147483647\"\r\n\r\n";
  StoreSettings(extremes);
  Program saver({"/s"}, dir.str(), env);
  EXPECT_EQ(RunSaverOnce(saver), 0);
  EXPECT_EQ(testsupport::ReadFile(SettingsPath()), extremes);

  Program config({"/c"}, dir.str(), env);
  Window window = WaitAndFocus(kConfigTitle);
  ASSERT_NE(window, 0u);
  screen.RequestClose(window);
  EXPECT_EQ(config.Wait(15000), 0);
  EXPECT_EQ(testsupport::ReadFile(SettingsPath()), extremes);
}

// Host handles that name no usable window: each preview shows itself without a host and ends
// after its two seconds, as with no handle at all. They run side by side, each with its own lock.
TEST_F(RobustnessE2E, PreviewsWithUnusableHostHandlesEndAfterTwoSeconds) {
  Window gone = screen.MakeHostWindow(0, 0, 10, 10);
  screen.Destroy(gone);
  const std::vector<std::string> handles = {
      "0", "-5", "$FFFFFFFF", "99999999999999999999", "4294967297", "window",
      std::to_string(gone), std::string(65536, '9')};
  std::vector<std::unique_ptr<Program>> previews;
  std::vector<TempDir> runtime(handles.size());
  auto start = std::chrono::steady_clock::now();
  for (std::size_t i = 0; i < handles.size(); ++i) {
    auto own_env = env;
    own_env["XDG_RUNTIME_DIR"] = runtime[i].str();
    previews.push_back(std::make_unique<Program>(std::vector<std::string>{"/p", handles[i]},
                                                 dir.str(), own_env));
  }
  std::vector<double> ended(handles.size(), 0);
  WaitUntil([&] {
    for (std::size_t i = 0; i < handles.size(); ++i)
      if (ended[i] == 0 && !previews[i]->Running()) ended[i] = SecondsSince(start);
    return std::count(ended.begin(), ended.end(), 0.0) == 0;
  }, 60000);
  for (std::size_t i = 0; i < handles.size(); ++i) {
    const std::string shown = handles[i].substr(0, 24);
    EXPECT_EQ(previews[i]->Wait(0), 0) << shown;
    EXPECT_GT(ended[i], 2.0) << shown;
  }
  EXPECT_FALSE(fs::exists(SettingsPath()));
}

TEST_F(RobustnessE2E, ThePreviewEndsWhenItsHostIsDestroyedUnderIt) {
  Window host = screen.MakeHostWindow(50, 50, 320, 240);
  Program preview({"/p", std::to_string(host)}, dir.str(), env);
  SleepMs(3000);  // past the two seconds a preview without a host lasts
  ASSERT_TRUE(preview.Running()) << "the preview ended while its host was there";
  screen.Destroy(host);
  EXPECT_EQ(preview.Wait(10000), 0);
}

TEST_F(RobustnessE2E, UnknownSwitchesAndHugeArgumentsOpenTheConfigurationScreen) {
  const std::vector<std::vector<std::string>> lines = {
      {"-help", "-x", "/p"}, {std::string(65536, 'A')}, {"", "/s"}};
  for (const auto& args : lines) {
    Program config(args, dir.str(), env);
    Window window = WaitAndFocus(kConfigTitle);
    ASSERT_NE(window, 0u) << args[0].substr(0, 10);
    screen.RequestClose(window);
    EXPECT_EQ(config.Wait(15000), 0) << args[0].substr(0, 10);
  }
}
