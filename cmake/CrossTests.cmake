# Tests of a cross-build, run through CMAKE_CROSSCOMPILING_EMULATOR (Wine for the MinGW presets).
#
# GoogleTest is built from Debian's sources with the cross compiler. Each test program is one ctest
# entry: starting a Windows program under Wine costs far more than on Linux, so the tests are not
# listed one by one. The tests a Windows build cannot run are excluded in WindowsTestExclusions.cmake,
# with the reason beside each.
set(TARNEL_GTEST_SOURCES /usr/src/googletest/googletest CACHE PATH "GoogleTest's sources for cross-builds")
if(NOT EXISTS ${TARNEL_GTEST_SOURCES}/CMakeLists.txt)
  message(FATAL_ERROR "No GoogleTest sources in ${TARNEL_GTEST_SOURCES}: scripts/install-deps.sh installs them")
endif()
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
# It names its targets GTest::gtest and GTest::gtest_main itself.
add_subdirectory(${TARNEL_GTEST_SOURCES} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)

include(${CMAKE_CURRENT_LIST_DIR}/WindowsTestExclusions.cmake)

# The Wine that runs this build's programs, for the tests that start it themselves (those that map
# COM ports to the native printer simulator, TARNEL_NATIVE_SERIALSIM).
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  set(TARNEL_WINE_ARCH i686)
else()
  set(TARNEL_WINE_ARCH x86_64)
endif()

# cross_add_gtest(<target> <environment>...): the program as one test, less its exclusions.
function(cross_add_gtest target)
  set(arguments)
  if(WIN32 AND windows_excluded_${target})
    list(JOIN windows_excluded_${target} ":" patterns)
    set(arguments "--gtest_filter=-${patterns}")
  endif()
  add_test(NAME ${target} COMMAND ${target} ${arguments})
  set_tests_properties(${target} PROPERTIES ENVIRONMENT "${ARGN}")
endfunction()
