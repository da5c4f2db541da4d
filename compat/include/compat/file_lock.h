// A lock file that one process holds at a time, so that two programs never work on the same files
// at once. The system drops the lock when its holder ends, however it ends: a crash never leaves it
// taken.
#pragma once
#include <cstdint>
#include <string>

namespace compat {

class FileLock {
 public:
  enum class Result {
    kHeld,         // this object holds it until destroyed
    kBusy,         // another holder kept it for the whole wait
    kUnavailable,  // the lock file cannot be made or locked here (a read-only folder): not held
    kRefused,      // the lock file is there but cannot be used (another user's it cannot read, a link,
                   // a pipe): not held, and working without it could lose another program's work
  };

  FileLock() = default;
  ~FileLock();
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;

  // Takes the lock on path (created when missing), trying again for up to wait_ms while another
  // holder has it. Another FileLock on the same path, in this process or any other, is a holder.
  Result acquire(const std::string& path, int wait_ms);
  bool held() const { return handle_ != kNone; }

 private:
  static constexpr std::intptr_t kNone = -1;
  std::intptr_t handle_ = kNone;  // file descriptor, or HANDLE on Windows
};

}  // namespace compat
