#include "compat/file_lock.h"

#include <windows.h>

#include <chrono>
#include <thread>

namespace compat {

FileLock::~FileLock() {
  if (handle_ != kNone) CloseHandle(reinterpret_cast<HANDLE>(handle_));  // releases the lock
}

FileLock::Result FileLock::acquire(const std::string& path, int wait_ms) {
  if (held()) return Result::kHeld;
  const auto limite = std::chrono::steady_clock::now() + std::chrono::milliseconds(wait_ms);
  for (;;) {
    // Opened without sharing: any other open of the file, here or in another process, is refused
    // until this handle is closed. Reading is all it asks, so a file another user made locks too.
    const HANDLE arquivo = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_ALWAYS,
                                       FILE_ATTRIBUTE_HIDDEN, nullptr);
    if (arquivo != INVALID_HANDLE_VALUE) {
      handle_ = reinterpret_cast<std::intptr_t>(arquivo);
      return Result::kHeld;
    }
    const DWORD erro = GetLastError();
    if (erro != ERROR_SHARING_VIOLATION && erro != ERROR_LOCK_VIOLATION) return Result::kUnavailable;
    if (std::chrono::steady_clock::now() >= limite) return Result::kBusy;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
}

}  // namespace compat
