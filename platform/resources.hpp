#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Resources compiled into the program are opened as "incbin::" + name by every loader.
inline constexpr std::string_view kIncbinPrefix = "incbin::";

// Registers bytes under a name; the bytes must outlive the process (they are static data).
// A later registration of the same name replaces the earlier one.
void RegisterResource(std::string name, const std::uint8_t* data, std::size_t size);

struct ResourceBytes {
  const std::uint8_t* data = nullptr;
  std::size_t size = 0;
  bool found = false;
};

// The bytes registered under a name (without the prefix); found is false when there are none.
ResourceBytes FindResource(std::string_view name);

// Tells the system the resource's bytes are read for now: the pages they fill are dropped from
// the process's memory (they are read again from the program file when next touched).
void DoneWithResource(const ResourceBytes& bytes);

// The one way every loader opens its source: a file path, or "incbin::" + a registered name.
// Returns false, leaving out empty, when the source cannot be opened or read.
bool ReadSource(std::string_view source, std::vector<std::uint8_t>& out);

// Why a source cannot be read, in a few words ("" when it can): an "incbin::" name asked for
// before any resource is registered, an unknown name, or a file that cannot be opened.
std::string SourceProblem(std::string_view source);

// Lines of a text source: bytes taken one at a time, carriage returns dropped wherever they
// are, a line ends at a line feed or a NUL byte. The last line is kept even without an ending.
std::vector<std::string> SplitSourceLines(const std::vector<std::uint8_t>& bytes);
