#include "app/program_info.hpp"

#include <cstring>

#include "framework/system_info.hpp"

#ifndef VORPELSAVER_VERSION
#error "the build sets VORPELSAVER_VERSION from the project's version"
#endif

InfoRequest ChooseInfo(int argc, const char* const* argv) {
  for (int i = 1; argv && i < argc; ++i) {
    if (!argv[i]) continue;
    if (std::strcmp(argv[i], "--help") == 0) return InfoRequest::Help;
    if (std::strcmp(argv[i], "--version") == 0) return InfoRequest::Version;
  }
  return InfoRequest::None;
}

std::string HelpText() {
  return "Usage: vorpelsaver [/s | /p WINDOW | /c]\n"
         "       vorpelsaver --root | --window-id ID [--how-often N] [--change N]\n"
         "                   [--no-background | --background] [--fps]\n"
         "Translucent soap bubbles rise over drifting background pictures.\n"
         "\n"
         "  /s               the saver, full screen (so does no switch at all)\n"
         "  /p WINDOW        a small preview inside the X window WINDOW\n"
         "  /c               the configuration screen (so does any other text)\n"
         "  --root           inside the window in $XSCREENSAVER_WINDOW, else the root\n"
         "  --window-id ID   inside the X window ID (decimal, or hexadecimal after 0x)\n"
         "  --how-often N    with --root or --window-id: how often bubbles appear, 0-299\n"
         "  --change N       with --root or --window-id: how often the set changes, 0-299\n"
         "  --no-background  with --root or --window-id: no background pictures\n"
         "  --background     with --root or --window-id: background pictures\n"
         "  --fps            with --root or --window-id: the frame rate in a corner\n"
         "  --help           this help\n"
         "  --version        the version and the system it runs on\n"
         "\n"
         "Settings are kept in Trevane/VorpelScreenSaver/profiles/config.ini under\n"
         "$XDG_CONFIG_HOME (~/.config when it is not set). See vorpelsaver(6).\n";
}

std::string VersionText() {
  std::string system = OSName();
  return std::string("vorpelsaver ") + VORPELSAVER_VERSION + "\n" +
         "running on " + (system.empty() ? "an unknown system" : system) + "\n";
}

bool PrintInfo(InfoRequest request, std::FILE* out) {
  std::string text = request == InfoRequest::Help ? HelpText() : VersionText();
  bool written = std::fwrite(text.data(), 1, text.size(), out) == text.size();
  return std::fflush(out) == 0 && written && !std::ferror(out);
}
