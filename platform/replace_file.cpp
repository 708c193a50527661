#include "platform/replace_file.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <utility>

namespace {

ScriptedWriteFault* g_fault = nullptr;

bool Fault() {
  if (g_fault->on_fault) g_fault->on_fault();
  errno = ENOSPC;
  return false;
}

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// A new file next to path that no one else is writing: created exclusively, with the
// permissions of the file it replaces or, for a new file, the usual ones less the umask.
int CreateTemporary(const std::string& path, std::string& name) {
  static unsigned counter = 0;
  struct stat existing;
  const bool replaces = stat(path.c_str(), &existing) == 0 && S_ISREG(existing.st_mode);
  for (int attempt = 0; attempt < 100; ++attempt) {
    name = path + "." + std::to_string(getpid()) + "-" + std::to_string(++counter) + ".tmp";
    const int fd = open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0) {
      if (replaces) fchmod(fd, existing.st_mode & 07777);
      return fd;
    }
    if (errno != EEXIST) return -1;
  }
  return -1;
}

bool WriteAll(int fd, std::string_view bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    std::size_t chunk = bytes.size() - done;
    if (g_fault) {
      if (done >= g_fault->fail_at) return Fault();
      chunk = std::min(chunk, g_fault->fail_at - done);
    }
    const ssize_t n = write(fd, bytes.data() + done, chunk);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

bool Flush(int fd) {
  if (g_fault) return Fault();
  return fsync(fd) == 0;
}

// Makes the rename itself durable; a folder that cannot be synced changes nothing.
void SyncFolder(const std::string& path) {
  const int fd = open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  fsync(fd);
  close(fd);
}

}  // namespace

bool ReplaceFile(const std::string& path, std::string_view bytes) {
  if (path.empty()) return false;
  std::string temporary;
  const int fd = CreateTemporary(path, temporary);
  if (fd < 0) return false;
  bool ok = WriteAll(fd, bytes) && Flush(fd);
  if (close(fd) != 0) ok = false;
  if (ok && rename(temporary.c_str(), path.c_str()) != 0) ok = false;
  if (!ok) {
    unlink(temporary.c_str());
    return false;
  }
  SyncFolder(path);
  return true;
}

ScriptedWriteFault::ScriptedWriteFault(std::size_t fail_at_byte, std::function<void()> fault)
    : fail_at(fail_at_byte), on_fault(std::move(fault)) {
  g_fault = this;
}

ScriptedWriteFault::~ScriptedWriteFault() {
  if (g_fault == this) g_fault = nullptr;
}
