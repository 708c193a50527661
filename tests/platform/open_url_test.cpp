#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>

#include "platform/system.hpp"
#include "tests/support/support.hpp"

using testsupport::ReadFile;
using testsupport::ScopedEnv;
using testsupport::TempDir;
namespace fs = std::filesystem;

namespace {

// A stand-in "xdg-open" first in PATH: it records its argument, where its output goes and its
// session, then writes "done".
class FakeOpener : public ::testing::Test {
 protected:
  TempDir dir;
  std::string log = dir / "log";
  std::string done = dir / "done";
  ScopedEnv path{"PATH", dir.str() + ":" + std::getenv("PATH")};

  void SetUp() override {
    std::string script = dir / "xdg-open";
    testsupport::WriteFile(script,
                           "#!/bin/sh\n"
                           "printf '%s\\n' \"$1\" >> '" + log + "'\n"
                           "out=$(readlink /proc/$$/fd/1); echo \"$out\" >> '" + log + "'\n"
                           "read -r _ _ _ _ _ sid _ < /proc/$$/stat\n"
                           "echo \"$sid\" >> '" + log + "'\n"
                           "echo noise; echo noise >&2\n"
                           "touch '" + done + "'\n");
    fs::permissions(script, fs::perms::owner_all);
  }

  // The opener runs detached, so its traces are awaited (generously; nothing is timed).
  bool AwaitOpener() {
    for (int i = 0; i < 600 && !fs::exists(done); ++i)
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    return fs::exists(done);
  }
};

}  // namespace

TEST_F(FakeOpener, StartsTheOpenerWithTheAddressAsOneArgument) {
  // Anything a shell would act on must reach the opener untouched.
  std::string url = "https://example.com/a b?q='x'&r=\"y\";touch " + (dir / "pwned") +
                    " $(touch " + (dir / "pwned") + ") `touch " + (dir / "pwned") + "`";
  ASSERT_EQ(OpenURL(url), 1);
  ASSERT_TRUE(AwaitOpener());
  std::string expected = url + "\n/dev/null\n";
  std::string logged = ReadFile(log);
  ASSERT_EQ(logged.substr(0, expected.size()), expected);
  // Its own session: it does not die with our terminal.
  EXPECT_NE(std::atoi(logged.substr(expected.size()).c_str()), int(getsid(0)));
  EXPECT_FALSE(fs::exists(dir / "pwned"));
}

TEST_F(FakeOpener, LeavesNoChildBehind) {
  ASSERT_EQ(OpenURL("https://example.com/"), 1);
  errno = 0;
  EXPECT_EQ(waitpid(-1, nullptr, WNOHANG), -1);
  EXPECT_EQ(errno, ECHILD);
  EXPECT_TRUE(AwaitOpener());
}

TEST_F(FakeOpener, RefusesWhatCouldBeReadAsSomethingElse) {
  for (const std::string& bad : {std::string(""), std::string("-h"), std::string("--help"),
                                 std::string("http://a\nb"), std::string("http://a\rb"),
                                 std::string("http://a\x7f"), std::string("http://a\0b", 10)})
    EXPECT_EQ(OpenURL(bad), 0) << bad;
  ASSERT_EQ(OpenURL("http://example.com/-ok"), 1);
  ASSERT_TRUE(AwaitOpener());
  std::string logged = ReadFile(log);
  EXPECT_EQ(logged.substr(0, logged.find('\n')), "http://example.com/-ok");
}

TEST(OpenURL, ReportsAMissingOpener) {
  TempDir empty;
  ScopedEnv path("PATH", empty.str());
  EXPECT_EQ(OpenURL("https://example.com/"), 0);
}
