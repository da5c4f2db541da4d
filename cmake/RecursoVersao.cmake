# The program's version information as a Windows resource.
#
#   tarnel_recurso_versao(<target> <original file name>)
#
# On Windows adds to the target a VERSIONINFO resource generated from the project's version and
# TARNEL_DESCRICAO (file and product version, file description, original file name); elsewhere it
# does nothing. The texts are Windows-1252, as the resource compiler is told.
if(WIN32)
  enable_language(RC)
endif()

set(TARNEL_RECURSO_VERSAO_MODELO ${CMAKE_CURRENT_LIST_DIR}/versao.rc.in)

function(tarnel_recurso_versao target original)
  if(NOT WIN32)
    return()
  endif()
  set(TARNEL_ARQUIVO_ORIGINAL "${original}")
  set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}_versao.rc)
  configure_file(${TARNEL_RECURSO_VERSAO_MODELO} ${rc} @ONLY)
  target_sources(${target} PRIVATE ${rc})
endfunction()
