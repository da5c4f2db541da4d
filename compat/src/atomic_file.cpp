#include "compat/atomic_file.h"

#include <utility>

namespace compat {

bool replace_file(const std::string& path, std::string_view bytes) {
  AtomicFile file(path);
  return file.write(bytes) && file.commit();
}

AtomicFile::~AtomicFile() { discard(); }

void AtomicFile::write_in_place(std::intptr_t handle) {
  handle_ = handle;
  in_place_ = handle != kNone;
  failed_ = handle == kNone;
}

}  // namespace compat
