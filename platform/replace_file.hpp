#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

// Replaces the file at path with bytes: they go to a new temporary file in the same folder,
// which is flushed to disk and then renamed over path, so a failure or a crash midway leaves
// the previous file whole. A symbolic link is followed and its target replaced; the owner,
// group and permissions of an existing file are kept where the process may set them. A file
// with other hard links, or in a folder that takes no new file while the file itself is
// writable, is overwritten in place and flushed instead (not crash-safe, but it stays the same
// file). False on any error (a full disk included); no temporary file is left behind.
bool ReplaceFile(const std::string& path, std::string_view bytes);
inline bool ReplaceFile(const std::string& path, const std::uint8_t* data, std::size_t size) {
  return ReplaceFile(path, std::string_view(reinterpret_cast<const char*>(data), size));
}

// Test seam: while an object lives, writing the temporary file stops once `fail_at` bytes are
// in it and the next write fails as on a full disk; when all the bytes fit within that offset,
// the flush to disk fails instead. `on_fault` runs at the moment of failure (a test can end the
// process there to stand for a crash).
class ScriptedWriteFault {
 public:
  explicit ScriptedWriteFault(std::size_t fail_at, std::function<void()> on_fault = {});
  ~ScriptedWriteFault();
  ScriptedWriteFault(const ScriptedWriteFault&) = delete;
  ScriptedWriteFault& operator=(const ScriptedWriteFault&) = delete;

  const std::size_t fail_at;
  const std::function<void()> on_fault;
};
