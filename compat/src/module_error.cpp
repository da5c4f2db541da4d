#include "module_error.h"

#include <algorithm>
#include <cstring>

namespace compat::detail {
namespace {

thread_local char last_error[512];

}  // namespace

void remember_module_error(const std::string& text) {
  const std::size_t size = std::min(text.size(), sizeof last_error - 1);
  std::memcpy(last_error, text.data(), size);
  last_error[size] = '\0';
}

std::string module_error() { return last_error; }

}  // namespace compat::detail
