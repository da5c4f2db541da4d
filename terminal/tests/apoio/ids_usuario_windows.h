// Windows has no POSIX user ids. Tests that need a user other than the superuser (a folder it may
// not write into) ask geteuid(); here they take the superuser's path and skip that part, as a
// read-only folder attribute does not stop Windows from creating files in it.
#pragma once
#ifdef _WIN32
inline unsigned geteuid() { return 0; }
#endif
