#include "compat/file_lock.h"

#include <errno.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
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
  // Read-only: flock needs no more. A lock file this one makes is readable by all whatever the
  // umask, so that another user's program can lock it too; one that is there but cannot be opened,
  // or is no plain file (a link, a pipe), is refused rather than gone on without.
  const std::string native = native_path(path);
  int fd = ::open(native.c_str(), O_RDONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0644);
  if (fd >= 0) {
    fchmod(fd, 0644);
  } else if (errno == EEXIST) {
    fd = ::open(native.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return Result::kRefused;
  } else {
    return Result::kUnavailable;
  }
  struct stat info{};
  if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    ::close(fd);
    return Result::kRefused;
  }
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
