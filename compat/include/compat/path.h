// Path helpers. Both "/" and "\\" separate folders on Windows (and a drive's ":" ends the folder
// part); "/" elsewhere.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

namespace compat {

char path_separator();

// Folder part with its trailing separator ("" when the path has no folder).
std::string folder_of(const std::string& path);
// Name after the last separator.
std::string base_name(const std::string& path);
// Base name without its extension (the extension runs from the last "." of the base name).
std::string base_name_without_extension(const std::string& path);
// Extension including the dot, or "".
std::string extension_of(const std::string& path);
// Replaces (or appends) the extension; new_extension includes its dot.
std::string change_extension(const std::string& path, const std::string& new_extension);
// a + separator + b, without doubling a separator already at the end of a.
std::string join_path(const std::string& a, const std::string& b);

// True for an existing file that is not a folder.
bool file_exists(const std::string& path);
// True for a device or a pipe (/dev/stdout, a named pipe; NUL or COM1 on Windows): written to as it
// is, never replaced, and what was written there cannot be read back.
bool is_device(const std::string& path);
// File size in bytes, -1 when it does not exist or is a folder.
std::int64_t file_size(const std::string& path);
// The working folder, without a trailing separator (as getcwd gives it).
std::string current_folder();
// Creates every missing level; true when path is a folder afterwards.
bool make_folders(const std::string& path);

// Per-user folders, without a trailing separator. Off Windows: $XDG_CONFIG_HOME or ~/.config,
// $XDG_STATE_HOME or ~/.local/state (an XDG variable counts only when it holds an absolute path).
// On Windows: %APPDATA% and %LOCALAPPDATA%.
std::string user_config_folder();
std::string user_state_folder();

#ifndef _WIN32
// The per-user state folder into a caller's buffer, for code that must not allocate (only the
// password database's lookup may, when HOME is unset). False when it does not fit or when no home
// is known: never a folder other users can write into, where the string form above falls back to
// /tmp.
bool user_state_folder(char* buffer, std::size_t size);
#endif

}  // namespace compat
