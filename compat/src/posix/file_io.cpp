#include "posix/file_io.h"

#include <errno.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <string>
#include <vector>

#include "compat/path.h"

namespace compat::detail {
namespace {

bool write_all(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

// Makes the rename itself durable.
void sync_folder(const std::string& folder) {
  const int fd = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  fsync(fd);
  close(fd);
}

}  // namespace

ReadResult read_whole_file(const std::string& path, std::string& bytes, std::size_t max_bytes) {
  bytes.clear();
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return errno == ENOENT ? ReadResult::Missing : ReadResult::Failed;
  struct stat info{};
  if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    close(fd);
    return ReadResult::Failed;
  }
  std::vector<char> chunk(65536);
  for (;;) {
    const ssize_t got = read(fd, chunk.data(), chunk.size());
    if (got < 0 && errno == EINTR) continue;
    if (got < 0 || bytes.size() + static_cast<std::size_t>(got) > max_bytes) {
      close(fd);
      bytes.clear();
      return ReadResult::Failed;
    }
    if (got == 0) break;
    bytes.append(chunk.data(), static_cast<std::size_t>(got));
  }
  close(fd);
  return ReadResult::Ok;
}

bool replace_file_atomically(const std::string& path, std::string_view bytes, std::size_t written) {
  // The temporary file is created with open() rather than mkstemp() so that a new file gets the
  // usual permissions (0666 less the umask); an existing file's mode is copied over.
  static std::atomic<unsigned> counter{0};
  std::string temporary;
  int fd = -1;
  for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
    temporary = path + ".tmp-" + std::to_string(getpid()) + "-" + std::to_string(counter++);
    fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 && errno != EEXIST) return false;
  }
  if (fd < 0) return false;
  struct stat existing{};
  bool ok = true;
  if (stat(path.c_str(), &existing) == 0) ok = fchmod(fd, existing.st_mode & 07777) == 0;
  const bool cut = written < bytes.size();
  ok = ok && write_all(fd, bytes.substr(0, written)) && !cut && fsync(fd) == 0;
  int error = cut ? ENOSPC : errno;
  if (close(fd) != 0 && ok) {
    ok = false;
    error = errno;
  }
  if (ok && rename(temporary.c_str(), path.c_str()) != 0) {
    ok = false;
    error = errno;
  }
  if (!ok) {
    unlink(temporary.c_str());
    errno = error;
    return false;
  }
  sync_folder(folder_of(path));
  return true;
}

}  // namespace compat::detail
