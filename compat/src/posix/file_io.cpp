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
