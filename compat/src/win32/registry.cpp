// The registry over the Windows registry API.
#include <windows.h>

#include <vector>

#include "compat/registry.h"

namespace compat {
namespace {

HKEY root_of(Hive hive) { return hive == Hive::CurrentUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE; }

HKEY handle_of(void* native) { return static_cast<HKEY>(native); }

// Reads a value's type and bytes, growing the buffer if it changes between the two queries.
long query(HKEY key, const std::string& name, DWORD& type, std::vector<BYTE>& data) {
  for (;;) {
    DWORD size = 0;
    LONG result = RegQueryValueExA(key, name.c_str(), nullptr, &type, nullptr, &size);
    if (result != ERROR_SUCCESS) return result;
    data.assign(size + 1, 0);
    result = RegQueryValueExA(key, name.c_str(), nullptr, &type, data.data(), &size);
    if (result == ERROR_MORE_DATA) continue;
    if (result != ERROR_SUCCESS) return result;
    data.resize(size);
    return ERROR_SUCCESS;
  }
}

}  // namespace

long RegistryKey::open_or_create(Hive hive, const std::string& subkey, bool* created) {
  close();
  HKEY key = nullptr;
  DWORD disposition = 0;
  LONG result = RegCreateKeyExA(root_of(hive), subkey.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                KEY_READ | KEY_WRITE, nullptr, &key, &disposition);
  if (result == ERROR_ACCESS_DENIED &&
      RegOpenKeyExA(root_of(hive), subkey.c_str(), 0, KEY_READ, &key) == ERROR_SUCCESS) {
    // A key that exists but may not be changed can still be read. One that is not there stays
    // the refusal to create it, not "not found".
    result = ERROR_SUCCESS;
    disposition = REG_OPENED_EXISTING_KEY;
  }
  if (result != ERROR_SUCCESS) return result;
  if (created != nullptr) *created = disposition == REG_CREATED_NEW_KEY;
  native_ = key;
  return kRegistryOk;
}

long RegistryKey::open(Hive hive, const std::string& subkey) {
  close();
  HKEY key = nullptr;
  LONG result = RegOpenKeyExA(root_of(hive), subkey.c_str(), 0, KEY_READ | KEY_WRITE, &key);
  if (result == ERROR_ACCESS_DENIED) result = RegOpenKeyExA(root_of(hive), subkey.c_str(), 0, KEY_READ, &key);
  if (result != ERROR_SUCCESS) return result;
  native_ = key;
  return kRegistryOk;
}

long RegistryKey::close() {
  const long erro = native_ != nullptr ? RegCloseKey(handle_of(native_)) : kRegistryOk;
  native_ = nullptr;
  return erro;
}

long RegistryKey::read_string(const std::string& name, std::string& value) const {
  if (native_ == nullptr) return kRegistryInvalidHandle;
  DWORD type = 0;
  std::vector<BYTE> data;
  const long result = query(handle_of(native_), name, type, data);
  if (result != ERROR_SUCCESS) return result;
  if (type != REG_SZ && type != REG_EXPAND_SZ) return kRegistryBadType;
  std::string text(data.begin(), data.end());
  if (!text.empty() && text.back() == '\0') text.pop_back();  // the stored terminator
  value = text;
  return kRegistryOk;
}

long RegistryKey::read_int(const std::string& name, std::uint32_t& value) const {
  if (native_ == nullptr) return kRegistryInvalidHandle;
  DWORD type = 0;
  std::vector<BYTE> data;
  const long result = query(handle_of(native_), name, type, data);
  if (result != ERROR_SUCCESS) return result;
  if (type != REG_DWORD || data.size() != sizeof(DWORD)) return kRegistryBadType;
  DWORD number = 0;
  CopyMemory(&number, data.data(), sizeof number);
  value = number;
  return kRegistryOk;
}

long RegistryKey::write_string(const std::string& name, const std::string& value) {
  if (native_ == nullptr) return kRegistryInvalidHandle;
  // Stored with its terminating NUL, as Windows programs expect.
  return RegSetValueExA(handle_of(native_), name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                        static_cast<DWORD>(value.size() + 1));
}

long RegistryKey::write_int(const std::string& name, std::uint32_t value) {
  if (native_ == nullptr) return kRegistryInvalidHandle;
  const DWORD number = value;
  return RegSetValueExA(handle_of(native_), name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number),
                        sizeof number);
}

long RegistryKey::delete_value(const std::string& name) {
  if (native_ == nullptr) return kRegistryInvalidHandle;
  return RegDeleteValueA(handle_of(native_), name.c_str());
}

}  // namespace compat
