#include "compat/whole_file.h"

#include <errno.h>
#include <string.h>

#include <atomic>

#include "posix/file_io.h"

namespace compat {
namespace {

std::atomic<bool> writes_fail{false};

std::string reason(int code, const char* fallback) { return code != 0 ? strerror(code) : fallback; }

}  // namespace

bool read_file(const std::string& path, std::string& bytes, std::string& why) {
  errno = 0;
  const detail::ReadResult result = detail::read_whole_file(path, bytes);
  if (result == detail::ReadResult::Ok) return true;
  why = result == detail::ReadResult::Missing ? strerror(ENOENT) : reason(errno, "not a readable file");
  return false;
}

bool replace_file(const std::string& path, std::string_view bytes, std::string& why) {
  errno = 0;
  if (detail::replace_file_atomically(path, bytes, writes_fail ? bytes.size() / 2 : bytes.size())) return true;
  why = reason(writes_fail ? ENOSPC : errno, "the file could not be replaced");
  return false;
}

void replace_file_fail_writes(bool on) { writes_fail = on; }

}  // namespace compat
