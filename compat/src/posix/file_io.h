// Whole-file reading and crash-safe replacement of small files (profiles, registry hives).
#pragma once
#include <string>
#include <string_view>

namespace compat::detail {

enum class ReadResult { Ok, Missing, Failed };

// The descriptor a path names in this process (/dev/stdin, /dev/stdout, /dev/stderr, /dev/fd/N,
// /proc/self/fd/N), -1 for any other path. Opened anew, such a path would be a new open file: a
// redirection to a file would be truncated, or written over from its start. The shell writes to the
// descriptor itself, and so do the file functions here.
int own_stream(const std::string& path);

// Reads every byte of path. Missing means the file does not exist; Failed covers everything else
// (no permission, a folder, an I/O error, more than max_bytes).
ReadResult read_whole_file(const std::string& path, std::string& bytes, std::size_t max_bytes = 64u << 20);

// Replaces path with bytes so that a crash leaves either the old or the new file: the bytes go to a
// temporary file in the same folder, which is flushed to disk and then renamed over path. An
// existing file keeps its permissions. Returns false (and leaves path untouched) on any failure.
bool replace_file_atomically(const std::string& path, std::string_view bytes);

}  // namespace compat::detail
