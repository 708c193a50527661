#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "app/command_line.hpp"
#include "app/program_info.hpp"
#include "tests/support/support.hpp"

namespace {

InfoRequest Info(std::vector<const char*> args) {
  args.insert(args.begin(), "vorpelsaver");
  return ChooseInfo(int(args.size()), args.data());
}

}  // namespace

TEST(ProgramInfo, HelpAndVersionAreFoundAnywhereAndTheFirstWins) {
  EXPECT_EQ(Info({"--help"}), InfoRequest::Help);
  EXPECT_EQ(Info({"--version"}), InfoRequest::Version);
  EXPECT_EQ(Info({"/p", "--help"}), InfoRequest::Help);
  EXPECT_EQ(Info({"--root", "--how-often", "12", "--version"}), InfoRequest::Version);
  EXPECT_EQ(Info({"--version", "--help"}), InfoRequest::Version);
  EXPECT_EQ(Info({"--help", "--version"}), InfoRequest::Help);
  const char* with_null[] = {"vorpelsaver", nullptr, "--help"};
  EXPECT_EQ(ChooseInfo(3, with_null), InfoRequest::Help);
  EXPECT_EQ(ChooseInfo(0, nullptr), InfoRequest::None);
}

TEST(ProgramInfo, EveryOtherTextIsLeftToTheDispatch) {
  for (const char* other : {"-help", "-h", "--HELP", "--help=1", "--versions", "-version", "/?",
                            "help", "/c", ""}) {
    EXPECT_EQ(Info({other}), InfoRequest::None) << other;
    const char* argv[] = {"vorpelsaver", other, nullptr};
    EXPECT_EQ(ChooseStart(2, argv).mode, StartMode::Configuration) << other;
  }
  EXPECT_EQ(Info({}), InfoRequest::None);
}

TEST(ProgramInfo, TheTextReachesTheOutputOrTheFailureIsSaid) {
  testsupport::TempDir dir;
  for (InfoRequest request : {InfoRequest::Help, InfoRequest::Version}) {
    const std::string path = dir / "out.txt";
    std::FILE* out = std::fopen(path.c_str(), "w");
    ASSERT_NE(out, nullptr);
    EXPECT_TRUE(PrintInfo(request, out));
    std::fclose(out);
    EXPECT_EQ(testsupport::ReadFile(path),
              request == InfoRequest::Help ? HelpText() : VersionText());
  }
  std::FILE* full = std::fopen("/dev/full", "w");
  ASSERT_NE(full, nullptr);
  EXPECT_FALSE(PrintInfo(InfoRequest::Help, full)) << "a full disk is not success";
  std::fclose(full);
}

TEST(ProgramInfo, HelpLinesFitAnEightyColumnTerminal) {
  std::string help = HelpText();
  std::size_t start = 0;
  for (std::size_t end; (end = help.find('\n', start)) != std::string::npos; start = end + 1)
    EXPECT_LE(end - start, 79u) << help.substr(start, end - start);
  EXPECT_EQ(start, help.size()) << "the help ends with a new line";
}
