#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "platform/host.hpp"
#include "tests/support/support.hpp"

using testsupport::ScopedEnv;
using testsupport::TempDir;
namespace fs = std::filesystem;

namespace {

std::string UniqueName(const std::string& what) {
  return "vorpel-test-" + what + "-" + std::to_string(getpid());
}

// A child process that asks for the lock, reports its answer and then holds on until the parent
// lets it go (closes release_fd) or kills it.
struct LockHolder {
  pid_t pid = -1;
  int answer = -1;
  int release_fd = -1;
};

LockHolder StartHolder(const std::string& name) {
  int to_parent[2], to_child[2];
  if (pipe(to_parent) != 0 || pipe(to_child) != 0) return {};
  pid_t pid = fork();
  if (pid == 0) {
    close(to_parent[0]);
    close(to_child[1]);
    char answer = char(InstanceLockHeldElsewhere(name));
    char ignored;
    if (write(to_parent[1], &answer, 1) == 1) (void)!read(to_child[0], &ignored, 1);
    _exit(0);
  }
  close(to_parent[1]);
  close(to_child[0]);
  char answer = -1;
  if (read(to_parent[0], &answer, 1) != 1) answer = -1;
  close(to_parent[0]);
  return {pid, answer, to_child[1]};
}

void Reap(pid_t pid) {
  int status;
  waitpid(pid, &status, 0);
}

// Whether a separate open of the file can take the lock now (it cannot while anyone holds it,
// this process included).
bool FreeToLock(const std::string& path) {
  int fd = open(path.c_str(), O_RDONLY);
  if (fd < 0) return false;
  bool taken = flock(fd, LOCK_EX | LOCK_NB) == 0;
  close(fd);
  return taken;
}

}  // namespace

class InstanceLock : public ::testing::Test {
 protected:
  TempDir base;
  std::string runtime = base / "run";
  ScopedEnv env{"XDG_RUNTIME_DIR", runtime};
  void SetUp() override { fs::create_directory(runtime); }
};

TEST_F(InstanceLock, AnotherHolderIsSeenUntilItEnds) {
  std::string name = UniqueName("held");
  LockHolder holder = StartHolder(name);
  ASSERT_GT(holder.pid, 0);
  ASSERT_EQ(holder.answer, 0);  // the lock was free, so the child took it
  EXPECT_EQ(InstanceLockHeldElsewhere(name), 1);
  EXPECT_EQ(InstanceLockHeldElsewhere(name), 1);
  EXPECT_EQ(InstanceLockHeldElsewhere(UniqueName("other")), 0);  // names are independent

  close(holder.release_fd);
  Reap(holder.pid);
  EXPECT_EQ(InstanceLockHeldElsewhere(name), 0);  // the repeated test takes it now
  EXPECT_FALSE(FreeToLock(runtime + "/" + name + ".lock"));
}

TEST_F(InstanceLock, KilledHolderReleasesIt) {
  std::string name = UniqueName("killed");
  LockHolder holder = StartHolder(name);
  ASSERT_EQ(holder.answer, 0);
  EXPECT_EQ(InstanceLockHeldElsewhere(name), 1);
  kill(holder.pid, SIGKILL);
  Reap(holder.pid);
  close(holder.release_fd);
  EXPECT_EQ(InstanceLockHeldElsewhere(name), 0);
}

TEST_F(InstanceLock, FileIsPrivateAndHeldByTheFirstCaller) {
  std::string name = UniqueName("file");
  EXPECT_EQ(InstanceLockHeldElsewhere(name), 0);
  EXPECT_EQ(InstanceLockHeldElsewhere(name), 0);  // we hold it; still not "elsewhere"
  std::string path = runtime + "/" + name + ".lock";
  ASSERT_TRUE(fs::exists(path));
  EXPECT_EQ(fs::status(path).permissions(), fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_FALSE(FreeToLock(path));
}

TEST_F(InstanceLock, WithoutRuntimeFolderTheTempFolderNamesTheUser) {
  ScopedEnv relative_runtime("XDG_RUNTIME_DIR", "relative/run");
  ScopedEnv temp("TMPDIR", base.str());
  std::string name = UniqueName("temp");
  EXPECT_EQ(InstanceLockHeldElsewhere(name), 0);
  EXPECT_TRUE(fs::exists(base / (name + "-" + std::to_string(getuid()) + ".lock")));
}

TEST_F(InstanceLock, NamesCannotLeaveTheFolder) {
  EXPECT_EQ(InstanceLockHeldElsewhere("../../escape/x"), 0);
  EXPECT_TRUE(fs::exists(runtime + "/______escape_x.lock"));
  int entries = 0;
  for (const auto& entry : fs::directory_iterator(base.path())) entries += entry.path() != runtime;
  EXPECT_EQ(entries, 0);

  EXPECT_EQ(InstanceLockHeldElsewhere(""), 0);  // an unnamed lock never exists elsewhere
  EXPECT_EQ(std::distance(fs::directory_iterator(runtime), fs::directory_iterator()), 1);
}

TEST_F(InstanceLock, PlantedFilesDoNotDecide) {
  std::string target = base / "target";
  std::string link_name = UniqueName("link");
  fs::create_symlink(target, runtime + "/" + link_name + ".lock");
  EXPECT_EQ(InstanceLockHeldElsewhere(link_name), 0);
  EXPECT_FALSE(fs::exists(target));  // the link was not followed

  if (geteuid() != 0) GTEST_SKIP() << "giving a file to another user needs root";
  std::string foreign_name = UniqueName("foreign");
  std::string foreign = runtime + "/" + foreign_name + ".lock";
  testsupport::WriteFile(foreign, "");
  ASSERT_EQ(chown(foreign.c_str(), 65534, 65534), 0);
  int held = open(foreign.c_str(), O_RDONLY);
  ASSERT_EQ(flock(held, LOCK_EX | LOCK_NB), 0);
  EXPECT_EQ(InstanceLockHeldElsewhere(foreign_name), 0);
  close(held);
}
