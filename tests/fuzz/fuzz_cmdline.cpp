// Fuzz target: any bytes as a command line (elements separated by NUL bytes, the first being
// the program). The start-up decision follows the switch rules, and the host handle is the
// third element read as an integer; that reading agrees with an independent one wherever the
// digits fit in 64 bits, and with the 64-bit reading cut to 32 bits everywhere.
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "app/command_line.hpp"
#include "ini/int_conversion.hpp"

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

std::vector<std::string> Elements(const std::uint8_t* data, std::size_t size) {
  std::vector<std::string> elements(1);
  for (std::size_t i = 0; i < size; ++i) {
    if (data[i] == 0) elements.emplace_back();
    else elements.back().push_back(char(data[i]));
  }
  return elements;
}

// The digits after the blanks, sign and base prefix, read by the standard library.
void RequireAgreesWithReference(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && static_cast<unsigned char>(text[i]) <= 32) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  int base = 10;
  if (i < text.size() && (text[i] == '%' || text[i] == '$')) base = text[i++] == '%' ? 2 : 16;
  std::uint64_t magnitude = 0;
  const char* begin = text.data() + i;
  const auto [end, error] = std::from_chars(begin, text.data() + text.size(), magnitude, base);
  if (error == std::errc::result_out_of_range) return;
  if (error != std::errc() || begin == end) magnitude = 0;
  const std::uint64_t expected = negative ? 0 - magnitude : magnitude;
  Require(TextToLong(text) == std::int64_t(expected));
}

void RequireConversionRules(std::string_view text) {
  const std::int32_t value = TextToInt(text);
  Require(value == std::int32_t(std::uint32_t(std::uint64_t(TextToLong(text)))));
  RequireAgreesWithReference(text);
  // Reading stops at the first character that does not fit, and blanks in front are skipped.
  std::string longer = " \t" + std::string(text) + "g";
  Require(TextToInt(longer) == value);
}

void RequireChoice(const std::vector<std::string>& elements) {
  std::vector<const char*> argv;
  for (const std::string& e : elements) argv.push_back(e.c_str());
  const int argc = int(argv.size());
  argv.push_back(nullptr);
  const StartChoice choice = ChooseStart(argc, argv.data());
  const std::string mode = argc >= 2 ? elements[1] : "";
  if (argc < 2 || mode == "/s") Require(choice.mode == StartMode::Saver);
  else if (mode == "/p") Require(choice.mode == StartMode::Preview);
  else Require(choice.mode == StartMode::Configuration);
  Require(choice.hide_pointer == (argc >= 2 && mode == "/s"));
  Require(choice.parent_window == (argc == 3 ? TextToInt(elements[2]) : 0));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::string> elements = Elements(data, size);
  for (const std::string& e : elements) RequireConversionRules(e);
  RequireChoice(elements);
  Require(ChooseStart(0, nullptr).mode == StartMode::Saver);
  return 0;
}
