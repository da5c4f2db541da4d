// The registry stand-in: one hive file per hive under <config>/kvt-registry/. Every operation reads
// the file afresh under a lock on the folder, so several keys and processes see one another's
// changes; every change rewrites the file atomically.
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <atomic>

#include "compat/native_path.h"
#include "compat/path.h"
#include "compat/registry.h"
#include "compat/registry_faults.h"
#include "posix/file_io.h"
#include "posix/registry_hive.h"

namespace compat {
namespace {

struct OpenKey {
  Hive hive;
  std::vector<std::string> levels;
};

std::string registry_folder() { return join_path(user_config_folder(), "kvt-registry"); }

std::string hive_file(Hive hive) {
  return join_path(registry_folder(),
                   hive == Hive::CurrentUser ? "HKEY_CURRENT_USER.reg" : "HKEY_LOCAL_MACHINE.reg");
}

// Holds a lock on the registry folder: shared for reading, exclusive for read-modify-write.
class FolderLock {
 public:
  FolderLock(bool exclusive) {
    if (exclusive) make_folders(registry_folder());
    fd_ = ::open(native_path(registry_folder()).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd_ >= 0) flock(fd_, exclusive ? LOCK_EX : LOCK_SH);
  }
  ~FolderLock() {
    if (fd_ >= 0) ::close(fd_);  // releases the lock
  }
  FolderLock(const FolderLock&) = delete;
  FolderLock& operator=(const FolderLock&) = delete;
  bool locked() const { return fd_ >= 0; }

 private:
  int fd_ = -1;
};

long load(Hive hive, detail::HiveData& data) {
  std::string bytes;
  switch (detail::read_whole_file(hive_file(hive), bytes)) {
    case detail::ReadResult::Missing: return kRegistryOk;
    case detail::ReadResult::Failed: return kRegistryAccessDenied;
    case detail::ReadResult::Ok: break;
  }
  return data.parse(bytes) ? kRegistryOk : kRegistryAccessDenied;
}

std::atomic<bool> writes_fail{false};

long save(Hive hive, const detail::HiveData& data) {
  if (writes_fail) return kRegistryAccessDenied;
  return detail::replace_file_atomically(hive_file(hive), data.format()) ? kRegistryOk : kRegistryAccessDenied;
}

const OpenKey* key_of(void* native) { return static_cast<const OpenKey*>(native); }

// Runs change(key) on the open key under the exclusive lock and saves when it reports success.
template <typename Change>
long modify(void* native, Change change) {
  const OpenKey* open_key = key_of(native);
  if (open_key == nullptr) return kRegistryInvalidHandle;
  FolderLock lock(true);
  if (!lock.locked()) return kRegistryAccessDenied;
  detail::HiveData data;
  long result = load(open_key->hive, data);
  if (result != kRegistryOk) return result;  // never rewrite a file that could not be read
  detail::HiveKey* key = data.find(open_key->levels);
  if (key == nullptr) return kRegistryNotFound;
  result = change(*key);
  return result == kRegistryOk ? save(open_key->hive, data) : result;
}

// Runs read(value) on the named value of the open key under a shared lock.
template <typename Read>
long inspect(void* native, const std::string& name, Read read) {
  const OpenKey* open_key = key_of(native);
  if (open_key == nullptr) return kRegistryInvalidHandle;
  FolderLock lock(false);
  detail::HiveData data;
  const long result = load(open_key->hive, data);
  if (result != kRegistryOk) return result;
  detail::HiveKey* key = data.find(open_key->levels);
  if (key == nullptr) return kRegistryNotFound;
  const detail::HiveValue* value = detail::HiveData::find_value(*key, name);
  return value == nullptr ? kRegistryNotFound : read(*value);
}

}  // namespace

void registry_fail_writes(bool on) { writes_fail = on; }

long RegistryKey::open_or_create(Hive hive, const std::string& subkey, bool* created) {
  close();
  std::vector<std::string> levels;
  if (!detail::HiveData::split_path(subkey, levels)) return kRegistryNotFound;
  FolderLock lock(true);
  if (!lock.locked()) return kRegistryAccessDenied;
  detail::HiveData data;
  long result = load(hive, data);
  if (result != kRegistryOk) return result;
  bool is_new = false;
  data.create(levels, is_new);
  if (is_new) {
    result = save(hive, data);
    if (result != kRegistryOk) return result;
  }
  if (created != nullptr) *created = is_new;
  native_ = new OpenKey{hive, levels};
  return kRegistryOk;
}

long RegistryKey::open(Hive hive, const std::string& subkey) {
  close();
  std::vector<std::string> levels;
  if (!detail::HiveData::split_path(subkey, levels)) return kRegistryNotFound;
  FolderLock lock(false);
  detail::HiveData data;
  const long result = load(hive, data);
  if (result != kRegistryOk) return result;
  if (data.find(levels) == nullptr) return kRegistryNotFound;
  native_ = new OpenKey{hive, levels};
  return kRegistryOk;
}

long RegistryKey::close() {
  delete static_cast<OpenKey*>(native_);
  native_ = nullptr;
  return kRegistryOk;  // nothing is held open between operations, so closing cannot fail
}

long RegistryKey::read_string(const std::string& name, std::string& value) const {
  return inspect(native_, name, [&value](const detail::HiveValue& found) {
    if (found.is_dword) return static_cast<long>(kRegistryBadType);
    value = found.text;
    return static_cast<long>(kRegistryOk);
  });
}

long RegistryKey::read_int(const std::string& name, std::uint32_t& value) const {
  return inspect(native_, name, [&value](const detail::HiveValue& found) {
    if (!found.is_dword) return static_cast<long>(kRegistryBadType);
    value = found.number;
    return static_cast<long>(kRegistryOk);
  });
}

long RegistryKey::write_string(const std::string& name, const std::string& value) {
  return modify(native_, [&](detail::HiveKey& key) {
    detail::HiveValue* existing = detail::HiveData::find_value(key, name);
    if (existing == nullptr) existing = &key.values.emplace_back(detail::HiveValue{name, false, {}, 0});
    existing->is_dword = false;
    existing->text = value;
    existing->number = 0;
    return static_cast<long>(kRegistryOk);
  });
}

long RegistryKey::write_int(const std::string& name, std::uint32_t value) {
  return modify(native_, [&](detail::HiveKey& key) {
    detail::HiveValue* existing = detail::HiveData::find_value(key, name);
    if (existing == nullptr) existing = &key.values.emplace_back(detail::HiveValue{name, true, {}, 0});
    existing->is_dword = true;
    existing->text.clear();
    existing->number = value;
    return static_cast<long>(kRegistryOk);
  });
}

long RegistryKey::delete_value(const std::string& name) {
  return modify(native_, [&](detail::HiveKey& key) {
    const detail::HiveValue* found = detail::HiveData::find_value(key, name);
    if (found == nullptr) return static_cast<long>(kRegistryNotFound);
    key.values.erase(key.values.begin() + (found - key.values.data()));
    return static_cast<long>(kRegistryOk);
  });
}

}  // namespace compat
