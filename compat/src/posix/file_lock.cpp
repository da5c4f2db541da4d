#include "compat/file_lock.h"

#include <errno.h>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "compat/native_path.h"

namespace compat {

FileLock::~FileLock() {
  if (handle_ != kNone) ::close(static_cast<int>(handle_));  // releases the lock
}

FileLock::Result FileLock::acquire(const std::string& path, int wait_ms) {
  if (held()) return Result::kHeld;
  // Each open is its own holder for flock, so two FileLocks of one process exclude each other too.
  // Read-only: flock needs no more, and a lock file another user made (which this one cannot write)
  // must lock all the same; a failed open would go on without the lock.
  const int fd = ::open(native_path(path).c_str(), O_RDONLY | O_CREAT | O_CLOEXEC, 0666);
  if (fd < 0) return Result::kUnavailable;
  const auto limite = std::chrono::steady_clock::now() + std::chrono::milliseconds(wait_ms);
  for (;;) {
    if (flock(fd, LOCK_EX | LOCK_NB) == 0) {
      handle_ = fd;
      return Result::kHeld;
    }
    const int erro = errno;
    if ((erro != EWOULDBLOCK && erro != EINTR) || std::chrono::steady_clock::now() >= limite) {
      ::close(fd);
      return erro == EWOULDBLOCK || erro == EINTR ? Result::kBusy : Result::kUnavailable;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
}

}  // namespace compat
