# DLL exports by their plain names, for functions that are __stdcall on 32-bit Windows.
#
#   windows_plain_exports(<target> LIBRARY <dll name> EXPORTS <name>:<bytes>... [IMPORT_LIBRARY])
#
# Writes <target>.def into the current binary folder and adds it to the target. On 32-bit each line
# reads "Name = Name@bytes": the DLL exports the plain name for the decorated __stdcall symbol and
# nothing else (those functions carry no __declspec(dllexport), or both spellings would leave the
# DLL). On 64-bit there is no decoration and the lines are the plain names. <bytes> is what the
# arguments take on the 32-bit stack, the n of the decorated name.
#
# IMPORT_LIBRARY, on 32-bit: after the link the target's import library is made again by dlltool
# --kill-at from the decorated names, so that callers compiled with __stdcall declarations (which
# reference Name@bytes) bind to the plain names the DLL exports.
function(windows_plain_exports target)
  cmake_parse_arguments(PARSE_ARGV 1 arg "IMPORT_LIBRARY" "LIBRARY" "EXPORTS")
  if(arg_UNPARSED_ARGUMENTS OR NOT arg_LIBRARY OR NOT arg_EXPORTS)
    message(FATAL_ERROR
      "windows_plain_exports(${target}): expected LIBRARY <dll name> EXPORTS <name>:<bytes>... [IMPORT_LIBRARY]")
  endif()
  set(def_text "LIBRARY ${arg_LIBRARY}\nEXPORTS\n")
  set(import_text "${def_text}")
  foreach(entry IN LISTS arg_EXPORTS)
    if(NOT entry MATCHES "^([A-Za-z_][A-Za-z0-9_]*):([0-9]+)$")
      message(FATAL_ERROR "windows_plain_exports(${target}): '${entry}' is not <name>:<bytes>")
    endif()
    set(name "${CMAKE_MATCH_1}")
    set(bytes "${CMAKE_MATCH_2}")
    if(CMAKE_SIZEOF_VOID_P EQUAL 4)
      string(APPEND def_text "  ${name} = ${name}@${bytes}\n")
    else()
      string(APPEND def_text "  ${name}\n")
    endif()
    string(APPEND import_text "  ${name}@${bytes}\n")
  endforeach()

  # Rewritten only when the text changes, so a new configure does not relink the DLL.
  file(CONFIGURE OUTPUT "${CMAKE_CURRENT_BINARY_DIR}/${target}.def" CONTENT "${def_text}")
  target_sources(${target} PRIVATE "${CMAKE_CURRENT_BINARY_DIR}/${target}.def")

  if(arg_IMPORT_LIBRARY AND CMAKE_SIZEOF_VOID_P EQUAL 4)
    file(CONFIGURE OUTPUT "${CMAKE_CURRENT_BINARY_DIR}/${target}_import.def" CONTENT "${import_text}")
    add_custom_command(TARGET ${target} POST_BUILD
      COMMAND ${CMAKE_DLLTOOL} -d "${CMAKE_CURRENT_BINARY_DIR}/${target}_import.def" -D ${arg_LIBRARY} -k
              -l $<TARGET_LINKER_FILE:${target}>
      COMMENT "Import library of ${arg_LIBRARY} for __stdcall callers")
  endif()
endfunction()
