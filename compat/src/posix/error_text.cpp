// Error codes are Windows system error numbers; the C library describes their nearest equivalent.
#include <errno.h>
#include <string.h>

#include <type_traits>

#include "compat/registry.h"

namespace compat {
namespace {

int errno_for(long code) {
  switch (code) {
    case 0: return 0;
    case 2:    // file not found
    case 3:    // path not found
      return ENOENT;
    case 5: return EACCES;      // access denied
    case 6: return EBADF;       // invalid handle
    case 8: return ENOMEM;      // not enough memory
    case 13: return EINVAL;     // invalid data
    case 234: return EOVERFLOW; // more data is available
    default: return static_cast<int>(code);
  }
}

}  // namespace

std::string system_error_text(long code) {
  char buffer[256] = {};
  // The GNU strerror_r may return a static text instead of filling the buffer.
  auto text_of = [&buffer](auto result) -> const char* {
    if constexpr (std::is_same_v<decltype(result), char*>) {
      return result;
    } else {
      return result == 0 ? buffer : "Unknown error";
    }
  };
  return text_of(strerror_r(errno_for(code), buffer, sizeof buffer));
}

}  // namespace compat
