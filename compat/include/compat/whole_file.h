// Whole files for programs that keep a document in memory: read it all, and replace it so that a
// crash or a failure leaves either the old or the new file, never a mix (a temporary file in the same
// folder, flushed, then renamed over the old one).
#pragma once

#include <string>
#include <string_view>

namespace compat {

// False when the file cannot be read; why then holds the system's reason.
bool read_file(const std::string& path, std::string& bytes, std::string& why);
// False when the file could not be replaced (path untouched); why then holds the system's reason.
bool replace_file(const std::string& path, std::string_view bytes, std::string& why);

// Fault injection for tests: while on, replace_file writes half of the bytes to its temporary file
// and then fails as a full disk would.
void replace_file_fail_writes(bool on);

}  // namespace compat
