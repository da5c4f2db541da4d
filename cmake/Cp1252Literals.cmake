# Narrow literals as Windows-1252 bytes for a compiler without -fexec-charset=CP1252 (clang).
#
# cp1252_literals_tool() defines the converter (call it before adding sanitizer or coverage flags);
# cp1252_literals_apply() then makes every target of the build compile a copy of the source tree under
# ${CMAKE_BINARY_DIR}/cp1252 in which each accented character of a narrow literal is an octal escape:
# the targets' sources and include folders point into the copy, and each copied file is remade when its
# original changes. The program gets the same bytes as a gcc build of the original files.

set(CP1252_LITERALS_DIR ${CMAKE_CURRENT_LIST_DIR}/cp1252_literals)

function(cp1252_literals_tool)
  add_library(cp1252_literals_copy STATIC ${CP1252_LITERALS_DIR}/copy_literals.cpp ${PROJECT_SOURCE_DIR}/compat/src/cp1252.cpp)
  target_include_directories(cp1252_literals_copy PUBLIC ${CP1252_LITERALS_DIR} ${PROJECT_SOURCE_DIR}/compat/include)
  add_executable(cp1252_literals ${CP1252_LITERALS_DIR}/main.cpp)
  target_link_libraries(cp1252_literals PRIVATE cp1252_literals_copy)
endfunction()

# Its tests belong to the gcc builds' suite, which the fuzz build does not have.
function(cp1252_literals_tests)
  add_library(cp1252_literals_copy STATIC ${CP1252_LITERALS_DIR}/copy_literals.cpp)
  target_include_directories(cp1252_literals_copy PUBLIC ${CP1252_LITERALS_DIR})
  target_link_libraries(cp1252_literals_copy PUBLIC compat)
  tarnel_add_gtest(cp1252_literals_tests ${CP1252_LITERALS_DIR}/copy_literals_test.cpp)
  target_link_libraries(cp1252_literals_tests PRIVATE cp1252_literals_copy)
endfunction()

# The copy of one source file; its path in the copy goes to out_var.
function(_cp1252_copy original out_var)
  file(RELATIVE_PATH relative ${PROJECT_SOURCE_DIR} ${original})
  set(copy ${CMAKE_BINARY_DIR}/cp1252/${relative})
  get_property(known GLOBAL PROPERTY CP1252_COPIES)
  if(NOT copy IN_LIST known)
    get_filename_component(folder ${copy} DIRECTORY)
    add_custom_command(OUTPUT ${copy}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
      COMMAND cp1252_literals ${original} ${copy}
      DEPENDS ${original} cp1252_literals
      COMMENT "Windows-1252 literals: ${relative}"
      VERBATIM)
    set_property(GLOBAL APPEND PROPERTY CP1252_COPIES ${copy})
  endif()
  set(${out_var} ${copy} PARENT_SCOPE)
endfunction()

# A path of the source tree (not of the build folder inside it) becomes its place in the copy.
function(_cp1252_in_copy item out_var)
  string(FIND "${item}" "${CMAKE_BINARY_DIR}" in_build)
  if(in_build EQUAL -1)
    string(REPLACE "${PROJECT_SOURCE_DIR}/" "${CMAKE_BINARY_DIR}/cp1252/" item "${item}")
  endif()
  set(${out_var} "${item}" PARENT_SCOPE)
endfunction()

function(_cp1252_targets folder out_var)
  get_property(targets DIRECTORY ${folder} PROPERTY BUILDSYSTEM_TARGETS)
  get_property(subfolders DIRECTORY ${folder} PROPERTY SUBDIRECTORIES)
  foreach(subfolder IN LISTS subfolders)
    _cp1252_targets(${subfolder} more)
    list(APPEND targets ${more})
  endforeach()
  set(${out_var} ${targets} PARENT_SCOPE)
endfunction()

function(cp1252_literals_apply)
  # Every header of the tree is copied before anything compiles: the compiler finds them in the copy
  # through the include folders and through its own relative includes.
  file(GLOB_RECURSE headers CONFIGURE_DEPENDS LIST_DIRECTORIES false
    ${PROJECT_SOURCE_DIR}/compat/*.h ${PROJECT_SOURCE_DIR}/quorbal/*.h ${PROJECT_SOURCE_DIR}/interfaces/*.h
    ${PROJECT_SOURCE_DIR}/emul/*.h ${PROJECT_SOURCE_DIR}/ecflib/*.h ${PROJECT_SOURCE_DIR}/terminal/*.h
    ${PROJECT_SOURCE_DIR}/testing/*.h ${PROJECT_SOURCE_DIR}/fuzz/*.h)
  foreach(header IN LISTS headers)
    _cp1252_copy(${header} ignored)
  endforeach()

  _cp1252_targets(${PROJECT_SOURCE_DIR} targets)
  list(REMOVE_ITEM targets cp1252_literals cp1252_literals_copy)
  foreach(target IN LISTS targets)
    get_target_property(type ${target} TYPE)
    foreach(property INCLUDE_DIRECTORIES INTERFACE_INCLUDE_DIRECTORIES)
      get_target_property(folders ${target} ${property})
      if(folders)
        set(moved)
        foreach(item IN LISTS folders)
          _cp1252_in_copy("${item}" item)
          list(APPEND moved "${item}")
        endforeach()
        set_property(TARGET ${target} PROPERTY ${property} "${moved}")
      endif()
    endforeach()
    if(type STREQUAL "INTERFACE_LIBRARY" OR type STREQUAL "UTILITY")
      continue()
    endif()
    get_target_property(sources ${target} SOURCES)
    get_target_property(source_dir ${target} SOURCE_DIR)
    set(moved)
    foreach(source IN LISTS sources)
      if(NOT source MATCHES "^\\$<")
        get_filename_component(source ${source} ABSOLUTE BASE_DIR ${source_dir})
        string(FIND "${source}" "${CMAKE_BINARY_DIR}" in_build)
        if(in_build EQUAL -1 AND source MATCHES "^${PROJECT_SOURCE_DIR}/.*\\.(c|cc|cpp|h)$")
          _cp1252_copy(${source} source)
        endif()
      endif()
      list(APPEND moved "${source}")
    endforeach()
    set_property(TARGET ${target} PROPERTY SOURCES "${moved}")
    add_dependencies(${target} cp1252_copies)
  endforeach()

  get_property(copies GLOBAL PROPERTY CP1252_COPIES)
  add_custom_target(cp1252_copies DEPENDS ${copies})
endfunction()
