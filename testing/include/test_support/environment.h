// setenv and unsetenv for the tests on Windows, where the C runtime has _putenv_s instead: the
// tests change variables the programs under test read with getenv. Windows keeps no empty
// variables: setting one to "" removes it.
#pragma once
#include <stdlib.h>

#ifdef _WIN32
inline int setenv(const char* name, const char* value, int overwrite) {
  if (!overwrite && getenv(name) != nullptr) return 0;
  return _putenv_s(name, value) == 0 ? 0 : -1;
}
inline int unsetenv(const char* name) { return _putenv_s(name, "") == 0 ? 0 : -1; }
#endif
