// The last module-loading failure's text, per thread. Kept in a fixed buffer: a thread_local with a
// destructor makes the system keep the library that holds it loaded until the thread ends, so a
// program that unloads Plenvo and loads it again would find the old instance's state.
#pragma once
#include <string>

namespace compat::detail {

void remember_module_error(const std::string& text);
std::string module_error();

}  // namespace compat::detail
