// Fault injection for the file-backed registry, for tests (not on Windows, where the registry is the
// system's). While on, every change that would rewrite a hive file fails with kRegistryAccessDenied
// and leaves the file as it was, as a read-only store would; reading and opening existing keys work.
#pragma once

#ifndef _WIN32

namespace compat {

void registry_fail_writes(bool on);

}  // namespace compat

#endif
