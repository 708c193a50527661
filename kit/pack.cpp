#include "kit/pack.hpp"

#include <cstdint>
#include <string_view>

#include "ini/int_conversion.hpp"
#include "kit/load_report.hpp"
#include "platform/resources.hpp"

namespace {

std::vector<MGE_PackDefinitionType> g_definitions;

// The fields of a line split at every ",", untrimmed.
std::vector<std::string_view> Fields(std::string_view line) {
  std::vector<std::string_view> fields;
  for (;;) {
    std::size_t comma = line.find(',');
    fields.push_back(line.substr(0, comma));
    if (comma == std::string_view::npos) return fields;
    line.remove_prefix(comma + 1);
  }
}

int ReadEntries(const std::string& source, int textureSlot) {
  std::vector<std::uint8_t> bytes;
  if (!ReadSource(source, bytes)) return 0;
  std::vector<std::string> lines = SplitSourceLines(bytes);
  // Line 1 names the atlas picture and is not needed; line 2 holds the entry count.
  if (lines.size() < 2) return 0;
  int count = TextToInt(Fields(lines[1])[0]);
  std::size_t next = 2;
  for (int k = 0; k < count; ++k, next += 2) {
    if (next + 1 >= lines.size()) return 0;
    std::string_view name = Fields(lines[next])[0];
    std::vector<std::string_view> rect = Fields(lines[next + 1]);
    if (name.empty() || rect.size() < 4) return 0;
    g_definitions.push_back({std::string(name), textureSlot, TextToInt(rect[0]),
                             TextToInt(rect[1]), TextToInt(rect[2]), TextToInt(rect[3])});
  }
  return 1;
}

}  // namespace

int MGE_Pack::Read(const std::string& source, int textureSlot) {
  if (ReadEntries(source, textureSlot)) return 1;
  vorpel::detail::ReportLoadFailure("pack", source, "a malformed entry or a missing line");
  return 0;
}

int MGE_Pack::GetImageDef(const std::string& name, MGE_PackDefinitionType& def) {
  if (const MGE_PackDefinitionType* found = Find(name)) def = *found;
  return 0;
}

int MGE_Pack::Reset() {
  g_definitions.clear();
  return 0;
}

const MGE_PackDefinitionType* MGE_Pack::Find(const std::string& name) {
  for (const MGE_PackDefinitionType& def : g_definitions)
    if (def.name == name) return &def;
  return nullptr;
}

const std::vector<MGE_PackDefinitionType>& MGE_Pack::Definitions() { return g_definitions; }
