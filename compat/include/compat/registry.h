// A registry of keys with string and integer values. On Windows this is the system registry;
// elsewhere each hive is one file under the per-user configuration folder
// ($XDG_CONFIG_HOME or ~/.config, subfolder kvt-registry), rewritten atomically (temporary file,
// then rename) at every change. Key and value names compare ignoring case, as on Windows; texts are
// stored as the Windows-1252 bytes they are. Each hive has a "Software" key from the start.
// A hive file that cannot be read or understood is reported as access denied and never rewritten.
// Tests can make the stand-in refuse every write (compat/registry_faults.h).
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

namespace compat {

enum class Hive { CurrentUser, LocalMachine };

// Error codes follow the Windows values so that callers can report them the same way everywhere.
enum RegistryError : long {
  kRegistryOk = 0,
  kRegistryNotFound = 2,      // key or value does not exist
  kRegistryAccessDenied = 5,  // backing store cannot be read or written
  kRegistryInvalidHandle = 6, // the key is not open
  kRegistryBadType = 13,      // value exists with another type
  kRegistryMoreData = 234,    // a value does not fit the size the caller allows
};

class RegistryKey {
 public:
  RegistryKey() = default;
  ~RegistryKey();
  RegistryKey(RegistryKey&& other) noexcept;
  RegistryKey& operator=(RegistryKey&& other) noexcept;
  RegistryKey(const RegistryKey&) = delete;
  RegistryKey& operator=(const RegistryKey&) = delete;

  // subkey uses "\\" between levels, e.g. "Software\\KVT\\Program 1.0". Every level is created
  // when missing. created (optional) tells whether the key itself did not exist before.
  long open_or_create(Hive hive, const std::string& subkey, bool* created = nullptr);
  // Opens an existing key only.
  long open(Hive hive, const std::string& subkey);
  // Closes the key; the system's error code when closing failed (the key counts as closed anyway).
  long close();
  bool is_open() const;

  long read_string(const std::string& name, std::string& value) const;
  // As RegQueryValueEx with a buffer of max_bytes: kRegistryMoreData (value untouched) when the
  // text and its terminating NUL need more.
  long read_string(const std::string& name, std::string& value, std::size_t max_bytes) const;
  long read_int(const std::string& name, std::uint32_t& value) const;
  long write_string(const std::string& name, const std::string& value);
  long write_int(const std::string& name, std::uint32_t value);
  long delete_value(const std::string& name);

 private:
  void* native_ = nullptr;  // HKEY on Windows, hive/path record elsewhere
};

// The system's own text for an error code (FormatMessage on Windows, the C library elsewhere).
std::string system_error_text(long code);

}  // namespace compat
