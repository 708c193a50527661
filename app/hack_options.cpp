#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "app/hack_mode.hpp"
#include "app/saver.hpp"

unsigned long ParseWindowId(const std::string& text) {
  bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
  std::size_t start = hex ? 2 : 0;
  if (start >= text.size() || text.size() - start > 10) return 0;
  std::uint64_t value = 0;
  for (std::size_t i = start; i < text.size(); ++i) {
    char c = text[i];
    int digit = c >= '0' && c <= '9'                  ? c - '0'
                : hex && c >= 'a' && c <= 'f'         ? c - 'a' + 10
                : hex && c >= 'A' && c <= 'F'         ? c - 'A' + 10
                                                      : -1;
    if (digit < 0) return 0;
    value = value * (hex ? 16 : 10) + std::uint64_t(digit);
  }
  return value <= 0xFFFFFFFFull ? static_cast<unsigned long>(value) : 0;
}

namespace {
// A switch written with two dashes (as named) or one.
bool Is(const char* arg, const char* name) {
  return std::strcmp(arg, name) == 0 || std::strcmp(arg, name + 1) == 0;
}

std::optional<int> Setting(const char* text, int low, int high) {
  char* end = nullptr;
  long value = std::strtol(text, &end, 10);
  if (!*text || *end || value < low || value > high) return std::nullopt;
  return int(value);
}
}  // namespace

HackOptions ParseHackOptions(int argc, const char* const* argv, const char* env_window) {
  HackOptions o;
  for (int i = 1; i < argc; ++i) {
    const char* a = argv[i];
    bool has_value = i + 1 < argc;
    if (Is(a, "--root")) {
      o.active = o.root = true;
    } else if (Is(a, "--window-id")) {
      o.active = true;
      if (!has_value) o.error = "--window-id needs a window id";
      else o.window_text = argv[++i];
    } else if (Is(a, "--fps")) {
      o.fps = true;
    } else if (Is(a, "--how-often") || Is(a, "--change")) {
      bool how = Is(a, "--how-often");
      std::optional<int> v = has_value ? Setting(argv[++i], 0, 299) : std::nullopt;
      if (!v) o.error = std::string(a) + " needs a number from 0 to 299";
      (how ? o.how_often : o.change) = v;
    } else if (Is(a, "--no-background")) {
      o.background = 0;
    } else if (Is(a, "--background")) {
      o.background = 1;
    }
  }
  if (o.root && o.window_text.empty() && env_window) o.window_text = env_window;
  if (!o.window_text.empty() && ParseWindowId(o.window_text) == 0)
    o.error = "not a window id: " + o.window_text;
  return o;
}

void HackVirtualScreen(int width, int height, int& vw, int& vh, int& stretch) {
  float aspect = height > 0 ? float(width) / float(height) : 1.6f;
  bool wide;
  ChooseVirtualSize(aspect, 800, 500, 800, 600, 1, vw, vh, stretch, wide);
  // Stretching by up to a fifth either way keeps bubbles round enough; beyond that, bars.
  float ratio = aspect / (float(vw) / float(vh));
  stretch = ratio > 0.8f && ratio < 1.25f ? 1 : 0;
}
