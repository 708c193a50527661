#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/command_line.hpp"

namespace {

StartChoice Choose(std::vector<std::string> args) {
  args.insert(args.begin(), "/usr/bin/vorpelsaver");
  std::vector<const char*> argv;
  for (const std::string& a : args) argv.push_back(a.c_str());
  argv.push_back(nullptr);
  return ChooseStart(int(args.size()), argv.data());
}

}  // namespace

TEST(CommandLine, SwitchesChooseTheModeExactlyAndCaseSensitively) {
  EXPECT_EQ(Choose({}).mode, StartMode::Saver);
  EXPECT_FALSE(Choose({}).hide_pointer);
  EXPECT_EQ(Choose({"/s"}).mode, StartMode::Saver);
  EXPECT_TRUE(Choose({"/s"}).hide_pointer);
  EXPECT_EQ(Choose({"/p"}).mode, StartMode::Preview);
  for (const char* other : {"/c", "/S", "/P", "/c:5678", "/p:1234", "", "--help", " /s", "/s "})
    EXPECT_EQ(Choose({other}).mode, StartMode::Configuration) << '"' << other << '"';
  EXPECT_EQ(Choose({std::string(100000, 'x')}).mode, StartMode::Configuration);
  EXPECT_EQ(ChooseStart(0, nullptr).mode, StartMode::Saver);
  const char* null_mode[] = {"vorpelsaver", nullptr};
  EXPECT_EQ(ChooseStart(2, null_mode).mode, StartMode::Saver);
}

TEST(CommandLine, TheHostHandleIsTheThirdOfExactlyThreeElements) {
  EXPECT_EQ(Choose({"/p", "1234"}).parent_window, 1234);
  EXPECT_EQ(Choose({"/p"}).parent_window, 0);
  EXPECT_EQ(Choose({"/p", "1234", "extra"}).parent_window, 0);
  EXPECT_EQ(Choose({"/c", "77"}).parent_window, 77);  // read whatever the mode
  EXPECT_EQ(Choose({"/c", "77"}).mode, StartMode::Configuration);
}

TEST(CommandLine, HostHandlesReadLikeSettingsIntegers) {
  struct Case {
    const char* text;
    long long handle;
  } cases[] = {
      {"  -42", -42},
      {"+7", 7},
      {"$1F00003", 0x1F00003},
      {"$ffff", 0xFFFF},
      {"%101", 5},
      {"0x10", 0},  // the "x" ends the number
      {"12abc", 12},
      {"window", 0},
      {"", 0},
      {"-", 0},
      {"$", 0},
      {"2147483647", 2147483647},
      {"2147483648", -2147483648LL},  // 32-bit wrap-around
      {"4294967297", 1},
      {"$FFFFFFFF", -1},
      {"99999999999999999999999999999999", -1},
      {"-2147483649", 2147483647},
  };
  for (const Case& c : cases) EXPECT_EQ(Choose({"/p", c.text}).parent_window, c.handle) << c.text;
  EXPECT_EQ(Choose({"/p", std::string(100000, '0') + "5"}).parent_window, 5);
}
