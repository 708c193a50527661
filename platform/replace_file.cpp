#include "platform/replace_file.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <utility>
#include <vector>

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

// The file a path names once symbolic links are followed, which need not exist yet (a link
// may point at a file still to be made); empty for a loop of links.
std::string FollowLinks(std::string path) {
  for (int hops = 0; hops < 40; ++hops) {
    struct stat st;
    if (lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
    std::vector<char> target(std::size_t(st.st_size > 0 ? st.st_size : 255) + 1);
    const ssize_t n = readlink(path.c_str(), target.data(), target.size());
    if (n <= 0 || std::size_t(n) >= target.size()) return {};
    std::string next(target.data(), std::size_t(n));
    path = next[0] == '/' ? next : FolderOf(path) + "/" + next;
  }
  return {};
}

// A new file in the folder of path that no one else is writing, created exclusively. The name
// is short so that a file whose own name is near the length limit can still be replaced.
int CreateTemporary(const std::string& path, std::string& name) {
  static unsigned counter = 0;
  const std::string prefix = FolderOf(path) + "/." + std::to_string(getpid()) + "-";
  for (int attempt = 0; attempt < 100; ++attempt) {
    name = prefix + std::to_string(++counter) + ".tmp";
    const int fd = open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

// The replacement takes the owner, group and permissions of the file it replaces as far as the
// process may give them; the owner comes first because changing it clears set-id bits.
void TakeIdentity(int fd, const struct stat& old) {
  struct stat now;
  if (fstat(fd, &now) == 0 && (now.st_uid != old.st_uid || now.st_gid != old.st_gid)) {
    if (fchown(fd, old.st_uid, old.st_gid) != 0 && fchown(fd, uid_t(-1), old.st_gid) != 0) {
      // Not ours to give: the replacement stays the process's own.
    }
  }
  fchmod(fd, old.st_mode & 07777);
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

enum class Outcome { kDone, kFailed, kFolderRefused };

// The crash-safe way: a temporary file renamed over the target. kFolderRefused when the
// folder takes no new file or no rename, which writing in place may get around.
Outcome ReplaceByRename(const std::string& target, const struct stat* old, std::string_view bytes) {
  std::string temporary;
  const int fd = CreateTemporary(target, temporary);
  if (fd < 0) return Outcome::kFolderRefused;
  if (old) TakeIdentity(fd, *old);
  bool ok = WriteAll(fd, bytes) && Flush(fd);
  if (close(fd) != 0) ok = false;
  if (!ok) {
    unlink(temporary.c_str());
    return Outcome::kFailed;
  }
  if (rename(temporary.c_str(), target.c_str()) != 0) {
    unlink(temporary.c_str());
    return Outcome::kFolderRefused;
  }
  SyncFolder(target);
  return Outcome::kDone;
}

// Overwrites the file itself, for a file whose identity a rename would lose (other hard links)
// or whose folder refuses a new file. Not crash-safe, so the space is reserved first: a full
// disk then fails before the old contents are touched.
bool WriteInPlace(const std::string& target, std::string_view bytes) {
  const int fd = open(target.c_str(), O_WRONLY | O_CLOEXEC);
  if (fd < 0) return false;
  bool ok = true;
  if (!bytes.empty() && fallocate(fd, 0, 0, off_t(bytes.size())) != 0)
    ok = errno == EOPNOTSUPP || errno == ENOSYS;
  ok = ok && WriteAll(fd, bytes) && ftruncate(fd, off_t(bytes.size())) == 0 && Flush(fd);
  if (close(fd) != 0) ok = false;
  return ok;
}

}  // namespace

bool ReplaceFile(const std::string& path, std::string_view bytes) {
  if (path.empty()) return false;
  const std::string target = FollowLinks(path);
  if (target.empty()) return false;
  struct stat old;
  const bool exists = stat(target.c_str(), &old) == 0;
  if (exists && !S_ISREG(old.st_mode)) return false;
  if (exists && old.st_nlink > 1) return WriteInPlace(target, bytes);
  switch (ReplaceByRename(target, exists ? &old : nullptr, bytes)) {
    case Outcome::kDone: return true;
    case Outcome::kFailed: return false;
    case Outcome::kFolderRefused: return exists && WriteInPlace(target, bytes);
  }
  return false;
}

ScriptedWriteFault::ScriptedWriteFault(std::size_t fail_at_byte, std::function<void()> fault)
    : fail_at(fail_at_byte), on_fault(std::move(fault)) {
  g_fault = this;
}

ScriptedWriteFault::~ScriptedWriteFault() {
  if (g_fault == this) g_fault = nullptr;
}
