// The text form of one registry hive off Windows, and its keys and values in memory.
//
// File layout (Windows-1252 bytes; "%HH" stands for the byte with hexadecimal value HH):
//   KVT registry hive 1
//   [Software\KVT\Program 1.0]
//   sz:Channel=Emul
//   dword:Timeout=5
// The first line names the format. Each key has a "[path]" line, levels joined by "\"; its values
// follow as "sz:name=text" or "dword:name=decimal". "%", control bytes and DEL are always escaped,
// "=" in value names, "\" in key levels and a blank at the end of a field too, so every byte survives
// and no editor that trims lines can change a value. A key line is split at its "\" before the levels
// are unescaped. Blank lines and lines starting with ";" are ignored.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace compat::detail {

struct HiveValue {
  std::string name;
  bool is_dword = false;
  std::string text;          // when !is_dword
  std::uint32_t number = 0;  // when is_dword
};

struct HiveKey {
  std::vector<std::string> levels;  // as first spelled
  std::vector<HiveValue> values;
};

class HiveData {
 public:
  HiveData();  // holds the root and "Software"

  // As deep as a Windows registry tree goes. It also bounds the file a hive writes: every level of a
  // key has its own line, which spells the whole path.
  static constexpr std::size_t kMaxLevels = 512;

  // Levels of a path written with "\" between them; false when a level is empty or there are more
  // than kMaxLevels.
  static bool split_path(std::string_view path, std::vector<std::string>& levels);

  HiveKey* find(const std::vector<std::string>& levels);
  // Adds every missing level; returns the key and whether it is new.
  HiveKey& create(const std::vector<std::string>& levels, bool& created);

  static HiveValue* find_value(HiveKey& key, std::string_view name);

  // Reads a hive file's bytes; false (data unchanged) when they are not a valid hive. An empty file
  // is an empty hive.
  bool parse(std::string_view bytes);
  std::string format() const;

 private:
  // The key whose levels are the first `count` of `levels`.
  HiveKey* find_first(const std::vector<std::string>& levels, std::size_t count);

  std::vector<HiveKey> keys_;
};

}  // namespace compat::detail
