// Whole-file reading and crash-safe replacement of small files (profiles, registry hives).
#pragma once
#include <string>
#include <string_view>

namespace compat::detail {

enum class ReadResult { Ok, Missing, Failed };

// Reads every byte of path. Missing means the file does not exist; Failed covers everything else
// (no permission, a folder, an I/O error, more than max_bytes).
ReadResult read_whole_file(const std::string& path, std::string& bytes, std::size_t max_bytes = 64u << 20);

// Replaces path with bytes so that a crash leaves either the old or the new file: the bytes go to a
// temporary file in the same folder, which is flushed to disk and then renamed over path. An
// existing file keeps its permissions. Returns false (and leaves path untouched) on any failure,
// with errno telling why. Only the first `written` bytes are written when that is fewer than all:
// a simulated failure, for the fault injection of the tests.
bool replace_file_atomically(const std::string& path, std::string_view bytes, std::size_t written = std::string_view::npos);

}  // namespace compat::detail
