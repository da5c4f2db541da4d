#include "compat/atomic_file.h"

#include <errno.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <utility>

#include "compat/native_path.h"
#include "compat/path.h"
#include "posix/file_io.h"

namespace compat {
namespace {

bool write_all(int fd, const char* bytes, std::size_t size) {
  while (size > 0) {
    const ssize_t written = ::write(fd, bytes, size);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    bytes += written;
    size -= static_cast<std::size_t>(written);
  }
  return true;
}

// Makes a rename (or a new file's name) itself durable.
void sync_folder(const std::string& folder) {
  const int fd = open(folder.empty() ? "." : native_path(folder).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  fsync(fd);
  close(fd);
}

// path with its links followed, each relative one from its own folder; path itself when it is no
// link. A dangling link gives where it points, which the writer then creates, as the shell does.
std::string resolved_link(std::string path) {
  for (int depth = 0; depth < 40; ++depth) {
    struct stat info{};
    if (lstat(native_path(path).c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
    std::string target(static_cast<std::size_t>(info.st_size > 0 ? info.st_size : 4095) + 1, '\0');
    const ssize_t size = readlink(native_path(path).c_str(), target.data(), target.size());
    if (size <= 0 || static_cast<std::size_t>(size) >= target.size()) return path;
    target.resize(static_cast<std::size_t>(size));
    // A target whose name has no Windows-1252 spelling is left alone: the link itself is replaced.
    std::string text;
    if (!text_path_exact(target, text)) return path;
    path = text.front() == '/' ? text : join_path(folder_of(path), text);
  }
  return path;
}

}  // namespace

AtomicFile::AtomicFile(std::string path, std::string temporary)
    : path_(std::move(path)), temporary_(std::move(temporary)) {
  static std::atomic<unsigned> counter{0};
  // This process's own stream (/dev/stdout): written where it goes, as the shell does. Opened anew it
  // would be a new open file, and a redirection to a file would be replaced, its earlier lines lost.
  if (const int stream = detail::own_stream(path_); stream >= 0) {
    const int fd = fcntl(stream, F_DUPFD_CLOEXEC, 3);
    write_in_place(fd < 0 ? kNone : fd);
    return;
  }
  // A link is followed: its target is the file replaced, beside which the temporary goes, so that a
  // workbook linked from a shared folder stays the one updated.
  const std::string real = resolved_link(path_);
  if (real != path_) {
    path_ = real;
    temporary_.clear();
  }
  struct stat target{};
  const bool exists = stat(native_path(path_).c_str(), &target) == 0;
  if (exists && S_ISDIR(target.st_mode)) {
    failed_ = true;
    errno = EISDIR;
    return;
  }
  // A device or a pipe (/dev/null, /dev/stdout) cannot be replaced, only written to, as the shell's
  // redirection does; a rename would put a file in its place.
  if (exists && !S_ISREG(target.st_mode)) {
    const int fd = open(native_path(path_).c_str(), O_WRONLY | O_CLOEXEC);
    write_in_place(fd < 0 ? kNone : fd);
    return;
  }
  // Read-only for everyone, or for this user: not replaced, though the folder would let a rename
  // through.
  if (exists && ((target.st_mode & 0222) == 0 || faccessat(AT_FDCWD, native_path(path_).c_str(), W_OK, AT_EACCESS) != 0)) {
    failed_ = true;
    errno = EACCES;  // the reason callers show
    return;
  }
  // open() rather than mkstemp() so that a new file gets the usual permissions (0666 less the
  // umask); an existing file's mode is copied over below. Never through a link another user left at
  // the temporary's name: a fixed name is removed first and made afresh.
  if (!temporary_.empty()) {
    unlink(native_path(temporary_).c_str());
    const int fd = open(native_path(temporary_).c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd >= 0) handle_ = fd;
  } else {
    for (int attempt = 0; attempt < 100; ++attempt) {
      temporary_ = path_ + ".tmp-" + std::to_string(getpid()) + "-" + std::to_string(counter++);
      const int fd = open(native_path(temporary_).c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
      if (fd >= 0) handle_ = fd;
      if (fd >= 0 || errno != EEXIST) break;
    }
  }
  if (handle_ == kNone) {
    failed_ = true;
    return;
  }
  if (!exists) return;
  // The owner and group stay where the system lets them (root may give the file back to its owner;
  // a member of its group keeps the group), then the mode, which a change of owner may have cut.
  const int fd = static_cast<int>(handle_);
  if (fchown(fd, target.st_uid, target.st_gid) != 0 && fchown(fd, static_cast<uid_t>(-1), target.st_gid) != 0) {
    // Kept as this user's: the best the system allows.
  }
  if (fchmod(fd, target.st_mode & 07777) != 0) failed_ = true;
}

bool AtomicFile::write(const void* bytes, std::size_t size) {
  if (failed_) return false;
  if (!write_all(static_cast<int>(handle_), static_cast<const char*>(bytes), size)) failed_ = true;
  return !failed_;
}

bool AtomicFile::commit() {
  if (handle_ == kNone) return false;
  const int fd = static_cast<int>(handle_);
  handle_ = kNone;
  if (in_place_) {
    // A device or pipe may not flush; what it took is all there is to know.
    return close(fd) == 0 && !failed_;
  }
  const bool flushed = !failed_ && fsync(fd) == 0;
  if (close(fd) != 0 || !flushed || rename(native_path(temporary_).c_str(), native_path(path_).c_str()) != 0) {
    unlink(native_path(temporary_).c_str());
    failed_ = true;
    return false;
  }
  sync_folder(folder_of(path_));
  return true;
}

void AtomicFile::discard() {
  if (handle_ == kNone) return;
  close(static_cast<int>(handle_));
  handle_ = kNone;
  if (!in_place_) unlink(native_path(temporary_).c_str());
  failed_ = true;
}

bool append_whole(const std::string& path, std::string_view bytes, bool owner_only) {
  if (const int stream = detail::own_stream(path); stream >= 0) return write_all(stream, bytes.data(), bytes.size());
  const std::string native = native_path(path);
  const bool existed = access(native.c_str(), F_OK) == 0;
  const int fd = open(native.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, owner_only ? 0600 : 0666);
  if (fd < 0) return false;
  struct stat before{};
  if (fstat(fd, &before) != 0) {
    close(fd);
    return false;
  }
  bool ok = write_all(fd, bytes.data(), bytes.size());
  // A failing cut leaves the torn tail: nothing more can be done on such a disk.
  if (!ok && ftruncate(fd, before.st_size) != 0) ok = false;
  if (close(fd) != 0) ok = false;
  if (!ok && !existed) unlink(native.c_str());
  return ok;
}

}  // namespace compat
