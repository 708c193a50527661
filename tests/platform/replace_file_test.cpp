#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "platform/replace_file.hpp"
#include "tests/support/support.hpp"

namespace fs = std::filesystem;
using testsupport::ReadFile;
using testsupport::TempDir;
using testsupport::WriteFile;

namespace {

std::vector<std::string> FilesIn(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

struct stat Stat(const std::string& path) {
  struct stat st {};
  EXPECT_EQ(lstat(path.c_str(), &st), 0) << path;
  return st;
}

constexpr uid_t kNobody = 65534;

}  // namespace

// Settings kept in a dotfiles repository: the link stays, its target gets the new bytes.
TEST(ReplaceFile, FollowsSymbolicLinksAndReplacesTheirTarget) {
  TempDir dir;
  fs::create_directory(dir / "repo");
  WriteFile(dir / "repo/config.ini", "old");
  fs::create_symlink("repo/config.ini", dir / "hop");
  fs::create_symlink(dir / "hop", dir / "config.ini");  // absolute, then relative
  ASSERT_TRUE(ReplaceFile(dir / "config.ini", "new"));
  EXPECT_TRUE(fs::is_symlink(dir / "config.ini"));
  EXPECT_TRUE(fs::is_symlink(dir / "hop"));
  EXPECT_EQ(ReadFile(dir / "repo/config.ini"), "new");
  EXPECT_EQ(FilesIn(dir / "repo"), (std::vector<std::string>{"config.ini"}));

  fs::create_symlink("repo/later.ini", dir / "dangling");
  ASSERT_TRUE(ReplaceFile(dir / "dangling", "made"));
  EXPECT_TRUE(fs::is_symlink(dir / "dangling"));
  EXPECT_EQ(ReadFile(dir / "repo/later.ini"), "made");

  fs::create_symlink("loop", dir / "loop");
  EXPECT_FALSE(ReplaceFile(dir / "loop", "x"));
  EXPECT_TRUE(fs::is_symlink(dir / "loop"));
}

TEST(ReplaceFile, FileWithOtherHardLinksIsWrittenInPlace) {
  TempDir dir;
  WriteFile(dir / "a.ini", "a much longer old content");
  fs::create_hard_link(dir / "a.ini", dir / "b.ini");
  const ino_t inode = Stat(dir / "a.ini").st_ino;
  ASSERT_TRUE(ReplaceFile(dir / "a.ini", "short"));
  EXPECT_EQ(ReadFile(dir / "b.ini"), "short");
  EXPECT_EQ(Stat(dir / "a.ini").st_ino, inode);
  EXPECT_EQ(Stat(dir / "a.ini").st_nlink, 2u);
  EXPECT_EQ(FilesIn(dir.str()), (std::vector<std::string>{"a.ini", "b.ini"}));
  {
    ScriptedWriteFault fault(2);
    EXPECT_FALSE(ReplaceFile(dir / "a.ini", "longer than two"));
  }
}

// A name near the 255-byte limit leaves no room for a suffix; the temporary name is short.
TEST(ReplaceFile, NameAtTheLengthLimitCanBeReplaced) {
  TempDir dir;
  const std::string path = dir / (std::string(251, 'n') + ".ini");
  ASSERT_TRUE(ReplaceFile(path, "one"));
  ASSERT_TRUE(ReplaceFile(path, "two"));
  EXPECT_EQ(ReadFile(path), "two");
  EXPECT_EQ(FilesIn(dir.str()).size(), 1u);
}

TEST(ReplaceFile, RefusesFoldersAndOtherSpecialFiles) {
  TempDir dir;
  fs::create_directory(dir / "taken");
  ASSERT_EQ(mkfifo((dir / "pipe").c_str(), 0600), 0);
  EXPECT_FALSE(ReplaceFile(dir / "taken", "x"));
  EXPECT_FALSE(ReplaceFile(dir / "pipe", "x"));
  EXPECT_TRUE(fs::is_directory(dir / "taken"));
  EXPECT_TRUE(fs::is_fifo(dir / "pipe"));
  EXPECT_EQ(FilesIn(dir.str()), (std::vector<std::string>{"pipe", "taken"}));
}

// Root saving a user's settings must leave them the user's.
TEST(ReplaceFile, KeepsOwnerGroupAndModeWhereThisProcessMaySetThem) {
  if (geteuid() != 0) GTEST_SKIP() << "giving a file to another owner needs root";
  TempDir dir;
  const std::string path = dir / "user.ini";
  WriteFile(path, "old");
  ASSERT_EQ(chown(path.c_str(), kNobody, kNobody), 0);
  ASSERT_EQ(chmod(path.c_str(), 02640), 0);
  ASSERT_TRUE(ReplaceFile(path, "new"));
  const struct stat st = Stat(path);
  EXPECT_EQ(st.st_uid, kNobody);
  EXPECT_EQ(st.st_gid, kNobody);
  EXPECT_EQ(st.st_mode & 07777, 02640u);
  EXPECT_EQ(ReadFile(path), "new");
}

// The folder takes no new file but the file is writable: written in place rather than refused.
// Root may write into any folder, so as root the save runs as another user in a child process.
TEST(ReplaceFileDeathTest, FolderThatTakesNoNewFileGetsTheFileWrittenInPlace) {
  TempDir dir;
  const std::string folder = dir / "locked";
  const std::string path = folder + "/config.ini";
  fs::create_directory(folder);
  WriteFile(path, "old settings");
  const bool root = geteuid() == 0;
  if (root) {
    ASSERT_EQ(chmod(dir.str().c_str(), 0755), 0);
    ASSERT_EQ(chown(path.c_str(), kNobody, kNobody), 0);
  }
  ASSERT_EQ(chmod(folder.c_str(), 0555), 0);
  EXPECT_EXIT(
      {
        if (root && (setgid(kNobody) != 0 || setuid(kNobody) != 0)) _exit(2);
        _exit(ReplaceFile(path, "new") ? 0 : 1);
      },
      testing::ExitedWithCode(0), "");
  EXPECT_EQ(ReadFile(path), "new");
  EXPECT_EQ(FilesIn(folder), (std::vector<std::string>{"config.ini"}));
  chmod(folder.c_str(), 0755);
}

// In a shared sticky folder a temporary file can be made, but not renamed over another user's
// file; the file, writable by all, is then written in place.
TEST(ReplaceFileDeathTest, RenameRefusedInAStickyFolderFallsBackToWritingInPlace) {
  if (geteuid() != 0) GTEST_SKIP() << "needs root to act as two users";
  TempDir dir;
  ASSERT_EQ(chmod(dir.str().c_str(), 01777), 0);
  const std::string path = dir / "shared.ini";
  WriteFile(path, "old settings");
  ASSERT_EQ(chmod(path.c_str(), 0666), 0);
  EXPECT_EXIT(
      {
        if (setgid(kNobody) != 0 || setuid(kNobody) != 0) _exit(2);
        _exit(ReplaceFile(path, "new") ? 0 : 1);
      },
      testing::ExitedWithCode(0), "");
  EXPECT_EQ(ReadFile(path), "new");
  EXPECT_EQ(Stat(path).st_uid, 0u);
  EXPECT_EQ(FilesIn(dir.str()), (std::vector<std::string>{"shared.ini"}));
}
