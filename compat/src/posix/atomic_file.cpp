#include "compat/atomic_file.h"

#include <errno.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <utility>

#include "compat/native_path.h"
#include "compat/path.h"

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

}  // namespace

AtomicFile::AtomicFile(std::string path, std::string temporary)
    : path_(std::move(path)), temporary_(std::move(temporary)) {
  // open() rather than mkstemp() so that a new file gets the usual permissions (0666 less the
  // umask); an existing file's mode is copied over below.
  static std::atomic<unsigned> counter{0};
  struct stat target{};
  const bool exists = stat(native_path(path_).c_str(), &target) == 0;
  if (exists && S_ISREG(target.st_mode) && (target.st_mode & 0222) == 0) {
    failed_ = true;
    errno = EACCES;  // the reason callers show
    return;
  }
  if (!temporary_.empty()) {
    const int fd = open(native_path(temporary_).c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd >= 0) handle_ = fd;
  } else {
    for (int attempt = 0; attempt < 100; ++attempt) {
      temporary_ = path_ + ".tmp-" + std::to_string(getpid()) + "-" + std::to_string(counter++);
      const int fd = open(native_path(temporary_).c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
      if (fd >= 0) handle_ = fd;
      if (fd >= 0 || errno != EEXIST) break;
    }
  }
  if (handle_ == kNone) {
    failed_ = true;
    return;
  }
  if (exists && fchmod(static_cast<int>(handle_), target.st_mode & 07777) != 0) failed_ = true;
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
  unlink(native_path(temporary_).c_str());
  failed_ = true;
}

bool append_whole(const std::string& path, std::string_view bytes) {
  const std::string native = native_path(path);
  const bool existed = access(native.c_str(), F_OK) == 0;
  const int fd = open(native.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
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
