#include "posix/file_io.h"

#include <errno.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "compat/atomic_file.h"
#include "compat/native_path.h"

namespace compat::detail {

int own_stream(const std::string& path) {
  if (path == "/dev/stdin") return 0;
  if (path == "/dev/stdout") return 1;
  if (path == "/dev/stderr") return 2;
  for (const char* prefix : {"/dev/fd/", "/proc/self/fd/"}) {
    const std::string p = prefix;
    if (path.size() <= p.size() || path.size() > p.size() + 9 || path.compare(0, p.size(), p) != 0) continue;
    int fd = 0;
    for (std::size_t i = p.size(); i < path.size(); ++i) {
      if (path[i] < '0' || path[i] > '9') return -1;
      fd = fd * 10 + (path[i] - '0');
    }
    return fd;
  }
  return -1;
}

ReadResult read_whole_file(const std::string& path, std::string& bytes, std::size_t max_bytes) {
  bytes.clear();
  // Not waiting at a pipe's open for a writer that may never come: only a plain file is read.
  const int fd = open(native_path(path).c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
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

bool replace_file_atomically(const std::string& path, std::string_view bytes) {
  return replace_file(path, bytes);
}

}  // namespace compat::detail
