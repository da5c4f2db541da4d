// RegistryKey members that are the same on every platform.
#include "compat/registry.h"

namespace compat {

RegistryKey::~RegistryKey() { close(); }

RegistryKey::RegistryKey(RegistryKey&& other) noexcept : native_(other.native_) { other.native_ = nullptr; }

RegistryKey& RegistryKey::operator=(RegistryKey&& other) noexcept {
  if (this != &other) {
    close();
    native_ = other.native_;
    other.native_ = nullptr;
  }
  return *this;
}

bool RegistryKey::is_open() const { return native_ != nullptr; }

long RegistryKey::read_string(const std::string& name, std::string& value, std::size_t max_bytes) const {
  std::string text;
  const long result = read_string(name, text);
  if (result != kRegistryOk) return result;
  if (text.size() + 1 > max_bytes) return kRegistryMoreData;
  value = text;
  return kRegistryOk;
}

}  // namespace compat
