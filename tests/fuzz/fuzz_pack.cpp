// Fuzz target: any bytes as an atlas pack text, read through the "incbin::" path every loader
// uses. A read appends at most one definition per two lines after the header, each with a
// non-empty name of one line and no comma, and the slot it was read for; it never changes the
// definitions already there; reading the same text again appends the same entries again, and
// lookups by name find the first of them.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "kit/pack.hpp"
#include "platform/resources.hpp"

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

constexpr int kSlot = 7;

std::size_t LineCount(const std::uint8_t* data, std::size_t size) {
  return SplitSourceLines(std::vector<std::uint8_t>(data, data + size)).size();
}

void RequireWellFormed(const MGE_PackDefinitionType& def) {
  Require(!def.name.empty());
  Require(def.name.find_first_of(std::string(",\n\r\0", 4)) == std::string::npos);
  Require(def.textureid == kSlot);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  RegisterResource("fuzz_pack.pac", data, size);
  MGE_Pack::Reset();
  MGE_Pack::Read("incbin::image1.pac", 1);  // not registered here: changes nothing
  Require(MGE_Pack::Definitions().empty());

  const int read = MGE_Pack::Read("incbin::fuzz_pack.pac", kSlot);
  Require(read == 0 || read == 1);
  const std::vector<MGE_PackDefinitionType> first = MGE_Pack::Definitions();
  const std::size_t lines = LineCount(data, size);
  Require(first.size() <= (lines > 2 ? (lines - 2) / 2 : 0));
  for (const MGE_PackDefinitionType& def : first) RequireWellFormed(def);

  Require(MGE_Pack::Read("incbin::fuzz_pack.pac", kSlot) == read);
  const std::vector<MGE_PackDefinitionType>& both = MGE_Pack::Definitions();
  Require(both.size() == 2 * first.size());
  for (std::size_t i = 0; i < first.size(); ++i) {
    const MGE_PackDefinitionType& a = first[i];
    const MGE_PackDefinitionType& b = both[i + first.size()];
    Require(a.name == b.name && a.srcx == b.srcx && a.srcy == b.srcy && a.width == b.width &&
            a.height == b.height);
    const MGE_PackDefinitionType* earliest = MGE_Pack::Find(a.name);
    Require(earliest && earliest <= &both[i] && earliest->name == a.name);
    MGE_PackDefinitionType found;
    MGE_Pack::GetImageDef(a.name, found);
    Require(found.srcx == earliest->srcx && found.width == earliest->width);
  }
  MGE_Pack::Reset();
  return 0;
}
