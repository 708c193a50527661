#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "platform/host.hpp"
#include "tests/support/support.hpp"

using testsupport::ScopedEnv;
using testsupport::TempDir;
namespace fs = std::filesystem;

TEST(AllUsersDataFolder, ConfigHomeComesFirst) {
  ScopedEnv home("HOME", "/home/someone");
  {
    ScopedEnv config("XDG_CONFIG_HOME", "/srv/config");
    EXPECT_EQ(AllUsersDataFolder(), "/srv/config/");
  }
  {
    ScopedEnv config("XDG_CONFIG_HOME", "/srv/config/");
    EXPECT_EQ(AllUsersDataFolder(), "/srv/config/");
  }
}

TEST(AllUsersDataFolder, HomeWhenConfigHomeIsUnsetOrInvalid) {
  ScopedEnv home("HOME", "/home/someone");
  {
    ScopedEnv config("XDG_CONFIG_HOME", std::nullopt);
    EXPECT_EQ(AllUsersDataFolder(), "/home/someone/.config/");
  }
  for (const char* invalid : {"", "relative/config"}) {
    ScopedEnv config("XDG_CONFIG_HOME", invalid);
    EXPECT_EQ(AllUsersDataFolder(), "/home/someone/.config/") << invalid;
  }
  ScopedEnv config("XDG_CONFIG_HOME", std::nullopt);
  ScopedEnv root_home("HOME", "/");
  EXPECT_EQ(AllUsersDataFolder(), "/.config/");
}

TEST(AllUsersDataFolder, EmptyWhenNeitherIsKnown) {
  ScopedEnv config("XDG_CONFIG_HOME", std::nullopt);
  {
    ScopedEnv home("HOME", std::nullopt);
    EXPECT_EQ(AllUsersDataFolder(), "");
  }
  ScopedEnv home("HOME", "");
  EXPECT_EQ(AllUsersDataFolder(), "");
}

TEST(GrantFolderToUsers, SucceedsWithoutChangingPermissions) {
  TempDir dir;
  for (fs::perms mode : {fs::perms::owner_all, fs::perms::owner_all | fs::perms::group_read |
                                                   fs::perms::group_exec | fs::perms::others_read |
                                                   fs::perms::others_exec}) {
    fs::permissions(dir.path(), mode);
    EXPECT_EQ(GrantFolderToUsers(dir.str()), 1);
    EXPECT_EQ(GrantFolderToUsers(dir.str() + "/"), 1);
    EXPECT_EQ(fs::status(dir.path()).permissions(), mode);
  }
}

TEST(GrantFolderToUsers, FailsForWhatIsNoFolder) {
  TempDir dir;
  testsupport::WriteFile(dir / "file", "x");
  EXPECT_EQ(GrantFolderToUsers(dir / "missing"), 0);
  EXPECT_EQ(GrantFolderToUsers(dir / "file"), 0);
  EXPECT_EQ(GrantFolderToUsers(""), 0);
}

TEST(KernelName, NamesTheKernelAndItsRelease) {
  std::string name = KernelName();
  ASSERT_GT(name.size(), 6u);
  EXPECT_EQ(name.substr(0, 6), "Linux ");
}
