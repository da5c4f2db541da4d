# What both MinGW-w64 cross-builds share; the including file sets CMAKE_SYSTEM_PROCESSOR (i686 or
# x86_64), which names the tools. The -posix compilers give the posix thread model, in which
# std::thread and std::mutex work.
set(CMAKE_SYSTEM_NAME Windows)
set(triplet ${CMAKE_SYSTEM_PROCESSOR}-w64-mingw32)
set(CMAKE_C_COMPILER ${triplet}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triplet}-g++-posix)
set(CMAKE_RC_COMPILER ${triplet}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${triplet})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
unset(triplet)
# zlib goes into the programs and DLLs themselves: Windows has no zlib1.dll of its own.
set(ZLIB_USE_STATIC_LIBS ON)
