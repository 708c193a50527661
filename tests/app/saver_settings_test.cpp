#include <gtest/gtest.h>

#include <unistd.h>

#include <climits>
#include <filesystem>

#include "app/app_state.hpp"
#include "app/saver.hpp"
#include "app/saver_settings.hpp"
#include "app/shared_ops.hpp"
#include "framework/globals.hpp"
#include "ini/ini_file.hpp"
#include "platform/replace_file.hpp"
#include "tests/support/support.hpp"

namespace {

// The settings document as start-up binds it, in a fresh folder.
class SaverSettingsTest : public ::testing::Test {
 protected:
  SaverSettingsTest() : path(dir / "config.ini"), settings(path) {
    settings.CreateMissingEntries(1);
    HowOftenValue = ChangeValue = BackgroundOnValue = -99;
  }
  void Store(const std::string& text) { testsupport::WriteFile(path, text); }

  testsupport::TempDir dir;
  std::string path;
  TINIFile settings;
};

const char* const kDefaultFile =
    "[Vorpels]\r\nBackgroundOn=\"2\"\r\nHowOften=\"234\"\r\nHowOftenToChangeBubbles=\"201\"\r\n\r\n";

}  // namespace

TEST_F(SaverSettingsTest, WithoutAFileTheDefaultsAreUsedAndSavedSorted) {
  EXPECT_EQ(LoadSaverSettings(settings), 0);
  EXPECT_EQ(HowOftenValue, 233);
  EXPECT_EQ(ChangeValue, 200);
  EXPECT_EQ(BackgroundOnValue, 1);
  EXPECT_EQ(SaveSaverSettings(settings), 1);
  EXPECT_EQ(testsupport::ReadFile(path), kDefaultFile);
}

TEST_F(SaverSettingsTest, StoredValuesAreReadMinusOneWithoutClamping) {
  Store("[Vorpels]\nHowOften=\"1\"\nHowOftenToChangeBubbles=\"300\"\nBackgroundOn=\"1\"\n");
  EXPECT_EQ(LoadSaverSettings(settings), 1);
  EXPECT_EQ(HowOftenValue, 0);
  EXPECT_EQ(ChangeValue, 299);
  EXPECT_EQ(BackgroundOnValue, 0);

  Store("[Vorpels]\nHowOften=\"1000\"\nHowOftenToChangeBubbles=\"1\"\nBackgroundOn=\"2\"\n");
  LoadSaverSettings(settings);
  EXPECT_EQ(HowOftenValue, 999);
  EXPECT_EQ(ChangeValue, 0);
  EXPECT_EQ(BackgroundOnValue, 1);
}

TEST_F(SaverSettingsTest, StoredZeroOrTextIsMissingAndGetsTheDefaultWrittenBack) {
  Store("[Vorpels]\nHowOften=\"fast\"\nBackgroundOn=\"0\"\n");
  LoadSaverSettings(settings);
  EXPECT_EQ(HowOftenValue, 233);
  EXPECT_EQ(BackgroundOnValue, 1);
  EXPECT_EQ(settings.GetStringValue("Vorpels", "BackgroundOn", ""), "2");
  EXPECT_EQ(settings.GetStringValue("Vorpels", "HowOften", ""), "234");
}

TEST_F(SaverSettingsTest, SaveStoresValuesPlusOneAndKeepsOtherEntries) {
  Store(";mine\n[Other]\nx=\"1\"\n");
  LoadSaverSettings(settings);
  HowOftenValue = 0;
  ChangeValue = 299;
  BackgroundOnValue = 0;
  ASSERT_EQ(SaveSaverSettings(settings), 1);
  EXPECT_EQ(testsupport::ReadFile(path),
            ";mine\r\n[Other]\r\nx=\"1\"\r\n\r\n"
            "[Vorpels]\r\nBackgroundOn=\"1\"\r\nHowOften=\"1\"\r\nHowOftenToChangeBubbles=\"300\"\r\n"
            "\r\n");
}

TEST_F(SaverSettingsTest, ExtremeStoredIntegersRoundTripUnchanged) {
  Store("[Vorpels]\nHowOften=\"-2147483648\"\nHowOftenToChangeBubbles=\"2147483647\"\n");
  LoadSaverSettings(settings);
  EXPECT_EQ(HowOftenValue, INT_MAX);
  EXPECT_EQ(ChangeValue, INT_MAX - 1);
  ASSERT_EQ(SaveSaverSettings(settings), 1);
  TINIFile again(path);
  ASSERT_EQ(again.Load(), 1);
  EXPECT_EQ(again.GetIntValue("Vorpels", "HowOften", 0), INT_MIN);
  EXPECT_EQ(again.GetIntValue("Vorpels", "HowOftenToChangeBubbles", 0), INT_MAX);
}

TEST_F(SaverSettingsTest, UnwritableFileMakesSaveReturnZero) {
  settings.SetFilename(dir / "missing/config.ini");
  LoadSaverSettings(settings);
  EXPECT_EQ(SaveSaverSettings(settings), 0);
}

// However a save of the settings breaks off, the file holds the old settings or the new ones.
TEST_F(SaverSettingsTest, ASaveBrokenOffAtAnyByteLeavesTheOldSettings) {
  Store("[Vorpels]\r\nBackgroundOn=\"1\"\r\nHowOften=\"11\"\r\nHowOftenToChangeBubbles=\"22\"\r\n\r\n");
  const std::string old = testsupport::ReadFile(path);
  LoadSaverSettings(settings);
  HowOftenValue = 299;
  const std::size_t new_size = old.size() + 2;  // "300" in place of "11"
  for (std::size_t at = 0; at <= new_size; ++at) {
    ScriptedWriteFault fault(at);
    ASSERT_EQ(SaveSaverSettings(settings), 0) << at;
    ASSERT_EQ(testsupport::ReadFile(path), old) << at;
    ASSERT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1) << at;
  }
  TINIFile again(path);
  LoadSaverSettings(again);
  EXPECT_EQ(HowOftenValue, 10);
  EXPECT_EQ(ChangeValue, 21);
}

TEST_F(SaverSettingsTest, ACrashDuringTheExitSaveLeavesTheOldFile) {
  Store("[Vorpels]\r\nHowOften=\"11\"\r\n");
  SettingsDocument = std::make_unique<TINIFile>(path);
  EXPECT_EXIT(
      {
        ScriptedWriteFault crash(20, [] { _exit(9); });
        ExitProgram();
      },
      testing::ExitedWithCode(9), "");
  EXPECT_EQ(testsupport::ReadFile(path), "[Vorpels]\r\nHowOften=\"11\"\r\n");
  SettingsDocument.reset();
}

// An unwritable folder or a full disk: the program goes on (and ends normally at its exit),
// the failed save is written to the error log and to standard error.
TEST_F(SaverSettingsTest, AFailedSaveIsLoggedAndTheProgramCarriesOn) {
  DataFolder = dir.str() + "/";
  SettingsDocument = std::make_unique<TINIFile>(dir / "missing/config.ini");
  testing::internal::CaptureStderr();
  EXPECT_FALSE(SaveSettingsOrLog());
  const std::string said = testing::internal::GetCapturedStderr();
  const std::string message = "Cannot save settings file " + dir / "missing/config.ini";
  EXPECT_NE(said.find(message), std::string::npos) << said;
  const std::string log = testsupport::ReadFile(DataFolder + "ErrorLog.txt");
  EXPECT_EQ(log.substr(log.size() - message.size() - 2), message + "\r\n");
  EXPECT_EXIT(ExitProgram(), testing::ExitedWithCode(0), "Cannot save settings file");

  std::filesystem::remove(DataFolder + "ErrorLog.txt");
  SettingsDocument = std::make_unique<TINIFile>(path);
  EXPECT_TRUE(SaveSettingsOrLog());
  EXPECT_FALSE(std::filesystem::exists(DataFolder + "ErrorLog.txt"));
  SettingsDocument.reset();
  DataFolder.clear();
}

TEST(SaverIntervals, AnyStoredValueGivesAFiniteIntervalWithoutOverflow) {
  EXPECT_FLOAT_EQ(CreationInterval(233), 99);
  EXPECT_FLOAT_EQ(CreationInterval(0), 448.5f);
  EXPECT_FLOAT_EQ(CreationInterval(299), 0);
  EXPECT_FLOAT_EQ(ChangeInterval(200), 20000);
  EXPECT_FLOAT_EQ(ChangeInterval(0), 60000);
  EXPECT_FLOAT_EQ(ChangeInterval(299), 1000);
  // Hand-edited extremes: the arithmetic of int would overflow here.
  EXPECT_FLOAT_EQ(CreationInterval(INT_MIN), (299.0f + 2147483648.0f) * 1.5f);
  EXPECT_LT(CreationInterval(INT_MAX), 0);
  EXPECT_FLOAT_EQ(ChangeInterval(INT_MIN), float((299LL + 2147483648LL) / 5 * 1000 + 1000));
  EXPECT_FLOAT_EQ(ChangeInterval(INT_MAX), float((299LL - 2147483647LL) / 5 * 1000 + 1000));
}
