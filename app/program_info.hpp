#pragma once
// --help and --version: the first things a Linux user types. They are read before the saver's
// own dispatch, which would take any other text for the configuration screen.
#include <cstdio>
#include <string>

enum class InfoRequest { None, Help, Version };

// The first "--help" or "--version" on the command line, wherever it stands; none otherwise.
InfoRequest ChooseInfo(int argc, const char* const* argv);

// One line per switch the program reads, the saver's and the hack mode's.
std::string HelpText();
// The program's name and version, then the system it runs on.
std::string VersionText();

// Writes the text asked for; false when it could not be written (a closed or full output),
// so the caller does not end with success for output that never arrived.
bool PrintInfo(InfoRequest request, std::FILE* out);
