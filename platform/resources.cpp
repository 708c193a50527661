#include "platform/resources.hpp"

#include <sys/mman.h>
#include <unistd.h>

#include <fstream>
#include <map>

namespace {
std::map<std::string, ResourceBytes, std::less<>>& Registry() {
  static std::map<std::string, ResourceBytes, std::less<>> registry;
  return registry;
}
}  // namespace

void RegisterResource(std::string name, const std::uint8_t* data, std::size_t size) {
  Registry()[std::move(name)] = ResourceBytes{data, size, true};
}

ResourceBytes FindResource(std::string_view name) {
  auto& registry = Registry();
  auto it = registry.find(name);
  return it == registry.end() ? ResourceBytes{} : it->second;
}

void DoneWithResource(const ResourceBytes& bytes) {
  // Only whole pages inside the bytes; reclaiming keeps the contents whatever memory they lie in.
  const auto page = std::uintptr_t(sysconf(_SC_PAGESIZE));
  const auto start = std::uintptr_t(bytes.data);
  const std::uintptr_t first = (start + page - 1) / page * page;
  const std::uintptr_t end = (start + bytes.size) / page * page;
  if (bytes.found && end > first) madvise(reinterpret_cast<void*>(first), end - first, MADV_PAGEOUT);
}

bool ReadSource(std::string_view source, std::vector<std::uint8_t>& out) {
  out.clear();
  if (source.starts_with(kIncbinPrefix)) {
    ResourceBytes res = FindResource(source.substr(kIncbinPrefix.size()));
    if (!res.found) return false;
    out.assign(res.data, res.data + res.size);
    DoneWithResource(res);
    return true;
  }
  if (source.empty()) return false;
  std::ifstream in(std::string(source), std::ios::binary);
  if (!in) return false;
  in.seekg(0, std::ios::end);
  std::streamoff size = in.tellg();
  if (size < 0) {
    // Not seekable (a pipe or a device): read it as a stream.
    in.clear();
    in.seekg(0);
    out.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
  }
  in.seekg(0);
  out.resize(static_cast<std::size_t>(size));
  if (size > 0 && !in.read(reinterpret_cast<char*>(out.data()), size)) {
    out.clear();
    return false;
  }
  return true;
}

std::string SourceProblem(std::string_view source) {
  if (source.starts_with(kIncbinPrefix)) {
    if (Registry().empty())
      return "asked for before the embedded resources were registered "
             "(call RegisterEmbeddedResources() first)";
    bool found = FindResource(source.substr(kIncbinPrefix.size())).found;
    return found ? "" : "no embedded resource has that name";
  }
  if (source.empty()) return "no name given";
  std::ifstream in{std::string(source), std::ios::binary};
  return in ? "" : "the file cannot be opened";
}

std::vector<std::string> SplitSourceLines(const std::vector<std::uint8_t>& bytes) {
  std::vector<std::string> lines;
  std::string line;
  bool pending = false;
  for (std::uint8_t b : bytes) {
    if (b == '\r') continue;
    if (b == '\n' || b == 0) {
      lines.push_back(std::move(line));
      line.clear();
      pending = false;
      continue;
    }
    line.push_back(static_cast<char>(b));
    pending = true;
  }
  if (pending) lines.push_back(std::move(line));
  return lines;
}
