#include <gtest/gtest.h>

#include <climits>

#include "app/saver_settings.hpp"
#include "ini/ini_file.hpp"
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
