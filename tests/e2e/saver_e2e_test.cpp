#include "tests/e2e/e2e.hpp"

using namespace e2e;
using testsupport::TempDir;

namespace {
// Each test gets its own settings folder and working folder.
class SaverE2E : public ::testing::Test {
 protected:
  TempDir dir;
  std::map<std::string, std::string> env{{"XDG_CONFIG_HOME", dir.str() + "/config"}};
  XSession screen;

  void SetUp() override { ASSERT_NE(screen.display(), nullptr) << "no X server"; }
};
}  // namespace

TEST_F(SaverE2E, EscapeEndsTheSaverWithExitCodeZero) {
  Program saver({}, dir.str(), env);
  Window window = screen.WaitForWindow("VorpelScreenSaver", 10000);
  ASSERT_NE(window, 0u);
  SleepMs(500);
  ASSERT_TRUE(Xdo({"windowfocus", "--sync", std::to_string(window)}));
  ASSERT_TRUE(Xdo({"key", "Escape"}));
  EXPECT_EQ(saver.Wait(10000), 0);
}
