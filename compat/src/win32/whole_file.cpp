#include "compat/whole_file.h"

#include <windows.h>

#include <atomic>

#include "compat/atomic_file.h"
#include "compat/registry.h"

namespace compat {
namespace {

std::atomic<bool> writes_fail{false};

}  // namespace

bool read_file(const std::string& path, std::string& bytes, std::string& why) {
  const HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    why = system_error_text(static_cast<long>(GetLastError()));
    return false;
  }
  bytes.clear();
  char piece[65536];
  DWORD read = 0;
  bool ok;
  while ((ok = ReadFile(file, piece, sizeof piece, &read, nullptr) != 0) && read > 0) bytes.append(piece, read);
  if (!ok) why = system_error_text(static_cast<long>(GetLastError()));
  CloseHandle(file);
  return ok;
}

bool replace_file(const std::string& path, std::string_view bytes, std::string& why) {
  SetLastError(0);
  AtomicFile file(path);
  bool ok = file.is_open();
  if (ok && writes_fail) {
    // Half of the bytes reach the temporary file, then the disk is "full".
    file.write(bytes.substr(0, bytes.size() / 2));
    file.discard();
    why = system_error_text(ERROR_DISK_FULL);
    return false;
  }
  ok = ok && file.write(bytes) && file.commit();
  if (ok) return true;
  const DWORD code = GetLastError();
  why = code != 0 ? system_error_text(static_cast<long>(code)) : "the file could not be replaced";
  return false;
}

void replace_file_fail_writes(bool on) { writes_fail = on; }

}  // namespace compat
