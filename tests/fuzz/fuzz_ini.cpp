// Fuzz target: loading any bytes as a settings document, reading every value through the typed
// getters, and checking that what a save writes loads back to the same structure and saves
// again to the same bytes (a file that changes at every load and save grows without end).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "ini/ini_file.hpp"

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

void ReadEveryValue(TINIFile& doc) {
  for (const std::string& section : doc.GetSections()) {
    for (const std::string& name : doc.GetParameters(section)) {
      doc.GetStringValue(section, name, "default");
      doc.GetBoolValue(section, name, "TRUE");
      doc.GetByteValue(section, name, 7);
      doc.GetShortValue(section, name, 7);
      doc.GetIntValue(section, name, -7);
      doc.GetLongValue(section, name, -7);
      doc.GetFloatValue(section, name, 0.5f);
      doc.GetDoubleValue(section, name, 0.5);
      doc.GetBoolValues(section, name, {"false"});
      doc.GetIntValues(section, name, {1, 2});
      doc.GetLongValues(section, name, {3});
      doc.GetDoubleValues(section, name, {0.25});
    }
  }
}

// Section names, parameter names and values (comments aside) survive a save and a load.
void RequireSameContent(const TINIFile& a, const TINIFile& b) {
  Require(a.GetComment() == b.GetComment());
  Require(a.GetSections() == b.GetSections());
  for (const std::string& section : a.GetSections()) {
    Require(a.GetParameters(section) == b.GetParameters(section));
    auto sa = a.FindSection(section);
    auto sb = b.FindSection(section);
    for (const std::string& name : a.GetParameters(section))
      Require(sa->GetStringValues(name) == sb->GetStringValues(name));
  }
}

std::string Saved(const TINIFile& doc) {
  std::ostringstream text;
  doc.SaveToStream(text);
  return text.str();
}

void RequireRoundTrip(const TINIFile& doc) {
  const std::string first = Saved(doc);
  std::istringstream in(first);
  TINIFile again;
  again.LoadFromStream(in);
  RequireSameContent(doc, again);
  Require(Saved(again) == first);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  TINIFile doc;
  doc.LoadFromStream(in);
  RequireRoundTrip(doc);
  ReadEveryValue(doc);
  doc.Sort();
  RequireRoundTrip(doc);
  doc.CreateMissingEntries(1);
  ReadEveryValue(doc);
  RequireRoundTrip(doc);
  return 0;
}
