#include "app/command_line.hpp"

#include <string_view>

#include "ini/int_conversion.hpp"

StartChoice ChooseStart(int argc, const char* const* argv) {
  StartChoice choice;
  if (!argv || argc < 2 || !argv[1]) return choice;
  if (argc == 3 && argv[2]) choice.parent_window = TextToInt(argv[2]);
  const std::string_view mode = argv[1];
  if (mode == "/s") choice.hide_pointer = true;
  else if (mode == "/p") choice.mode = StartMode::Preview;
  else choice.mode = StartMode::Configuration;
  return choice;
}
