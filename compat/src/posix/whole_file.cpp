#include "compat/whole_file.h"

#include <errno.h>
#include <string.h>

#include <atomic>

#include "compat/atomic_file.h"
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
  AtomicFile file(path);
  bool ok = file.is_open();
  if (ok && writes_fail) {
    // Half of the bytes reach the temporary file, then the disk is "full".
    file.write(bytes.substr(0, bytes.size() / 2));
    file.discard();
    why = reason(ENOSPC, "");
    return false;
  }
  ok = ok && file.write(bytes) && file.commit();
  if (ok) return true;
  why = reason(errno, "the file could not be replaced");
  return false;
}

void replace_file_fail_writes(bool on) { writes_fail = on; }

}  // namespace compat
