#include "compat/atomic_file.h"

#include <windows.h>

#include <atomic>
#include <utility>

#include "compat/path.h"

namespace compat {
namespace {

HANDLE handle_of(std::intptr_t handle) { return reinterpret_cast<HANDLE>(handle); }

bool write_all(HANDLE file, const char* bytes, std::size_t size) {
  while (size > 0) {
    const DWORD piece = size > 0x40000000u ? 0x40000000u : static_cast<DWORD>(size);
    DWORD written = 0;
    if (!WriteFile(file, bytes, piece, &written, nullptr) || written == 0) return false;
    bytes += written;
    size -= written;
  }
  return true;
}

}  // namespace

AtomicFile::AtomicFile(std::string path, std::string temporary)
    : path_(std::move(path)), temporary_(std::move(temporary)) {
  static std::atomic<unsigned> counter{0};
  // A device (NUL, COM1) cannot be replaced, only written to, as the console's redirection does;
  // a temporary beside it would be that same device.
  if (is_device(path_)) {
    const HANDLE file = CreateFileA(path_.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    write_in_place(file == INVALID_HANDLE_VALUE ? kNone : reinterpret_cast<std::intptr_t>(file));
    return;
  }
  const DWORD attributes = GetFileAttributesA(path_.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0 &&
      (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
    failed_ = true;
    SetLastError(ERROR_ACCESS_DENIED);  // the reason callers show
    return;
  }
  const auto create = [this](DWORD how) {
    const HANDLE file = CreateFileA(temporary_.c_str(), GENERIC_WRITE, 0, nullptr, how, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) handle_ = reinterpret_cast<std::intptr_t>(file);
  };
  if (!temporary_.empty()) {
    create(CREATE_ALWAYS);
  } else {
    for (int attempt = 0; attempt < 100; ++attempt) {
      temporary_ = path_ + ".tmp-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(counter++);
      create(CREATE_NEW);
      if (handle_ != kNone || GetLastError() != ERROR_FILE_EXISTS) break;
    }
  }
  if (handle_ == kNone) failed_ = true;
}

bool AtomicFile::write(const void* bytes, std::size_t size) {
  if (failed_) return false;
  if (!write_all(handle_of(handle_), static_cast<const char*>(bytes), size)) failed_ = true;
  return !failed_;
}

bool AtomicFile::commit() {
  if (handle_ == kNone) return false;
  const HANDLE file = handle_of(handle_);
  handle_ = kNone;
  if (in_place_) return CloseHandle(file) != 0 && !failed_;
  const bool flushed = !failed_ && FlushFileBuffers(file);
  const bool closed = CloseHandle(file) != 0;
  if (!flushed || !closed ||
      !MoveFileExA(temporary_.c_str(), path_.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    DeleteFileA(temporary_.c_str());
    failed_ = true;
    return false;
  }
  return true;
}

void AtomicFile::discard() {
  if (handle_ == kNone) return;
  CloseHandle(handle_of(handle_));
  handle_ = kNone;
  if (!in_place_) DeleteFileA(temporary_.c_str());
  failed_ = true;
}

bool append_whole(const std::string& path, std::string_view bytes, bool /*owner_only: a profile's files are its own*/) {
  const bool existed = GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
  const bool device = is_device(path);  // no size to cut back to, nothing to remove
  const HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | (device ? FILE_SHARE_WRITE : 0),
                                  nullptr, device ? OPEN_EXISTING : OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  if (device) {
    const bool ok = write_all(file, bytes.data(), bytes.size());
    return CloseHandle(file) != 0 && ok;
  }
  LARGE_INTEGER before{};
  bool ok = GetFileSizeEx(file, &before) && SetFilePointerEx(file, before, nullptr, FILE_BEGIN);
  ok = ok && write_all(file, bytes.data(), bytes.size());
  if (!ok && SetFilePointerEx(file, before, nullptr, FILE_BEGIN)) SetEndOfFile(file);
  if (!CloseHandle(file)) ok = false;
  if (!ok && !existed) DeleteFileA(path.c_str());
  return ok;
}

}  // namespace compat
