# What the packages hold (make package): on Linux a Debian package with the window, tarnel-cli, the
# libraries, Plenvo's header and pkg-config file, the examples and LEIAME.txt; on Windows a zip per
# architecture with tarnel-cli.exe, the DLLs, Plenvo's header and import library, the examples and
# LEIAME.txt. scripts/check-packages.sh compares their contents with packaging/*.txt.
set(examples ${PROJECT_SOURCE_DIR}/examples)
set(example_files ${examples}/venda.c ${examples}/cheque.c ${examples}/CHEQUES.INI ${examples}/leiaute_cheque.ini
                  ${examples}/dia_de_vendas.RMT ${examples}/dia_planilha.RMT ${PLANILHA_ECF})

if(WIN32)
  # Everything beside tarnel-cli.exe, where Windows looks for DLLs first.
  install(TARGETS tarnel-cli drovik sulvanir RUNTIME DESTINATION .)
  install(TARGETS plenvo RUNTIME DESTINATION . ARCHIVE DESTINATION lib)
  install(FILES ecflib/include/plenvo.h DESTINATION include)
  install(FILES ${example_files} DESTINATION exemplos)
  install(FILES packaging/LEIAME.txt DESTINATION .)
  set(CPACK_GENERATOR ZIP)
  if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    set(CPACK_SYSTEM_NAME windows-i686)
  else()
    set(CPACK_SYSTEM_NAME windows-x86_64)
  endif()
else()
  set(programs tarnel-cli serialsim)
  if(TARGET tarnel)
    list(PREPEND programs tarnel)
  endif()
  install(TARGETS ${programs} RUNTIME DESTINATION bin)
  install(TARGETS plenvo drovik sulvanir LIBRARY DESTINATION lib)
  install(FILES ecflib/include/plenvo.h DESTINATION include)
  # Written when installing: its prefix is where it is installed to (/usr in the package).
  install(CODE "set(PROJECT_VERSION \"${PROJECT_VERSION}\")
    configure_file(\"${PROJECT_SOURCE_DIR}/ecflib/plenvo.pc.in\" \"${CMAKE_BINARY_DIR}/plenvo.pc\" @ONLY)")
  install(FILES ${CMAKE_BINARY_DIR}/plenvo.pc DESTINATION lib/pkgconfig)
  install(FILES ${example_files} DESTINATION share/doc/tarnel/exemplos)
  # One text says what the package is: the package's description, and the head of its LEIAME.
  set(CPACK_PACKAGE_DESCRIPTION_FILE ${PROJECT_SOURCE_DIR}/packaging/descricao-deb.txt)
  file(READ ${CPACK_PACKAGE_DESCRIPTION_FILE} DESCRICAO_DEB)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CPACK_PACKAGE_DESCRIPTION_FILE})
  string(STRIP "${DESCRICAO_DEB}" DESCRICAO_DEB)
  configure_file(${PROJECT_SOURCE_DIR}/packaging/LEIAME-deb.txt.in ${CMAKE_BINARY_DIR}/LEIAME.txt @ONLY)
  unset(DESCRICAO_DEB)
  install(FILES ${CMAKE_BINARY_DIR}/LEIAME.txt DESTINATION share/doc/tarnel)
  set(CPACK_GENERATOR DEB)
  set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_SECTION utils)
  # The libraries the programs link (Qt, zlib, the C++ runtime) become the package's dependencies.
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  # The stand-in libraries are found by dpkg-shlibdeps in the package itself.
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${CMAKE_LIBRARY_OUTPUT_DIRECTORY})
  # The window's tool-bar pictures are SVG, drawn by Qt's SVG icon plug-in: no library the programs
  # link names it, so the scan above cannot find it.
  if(TARGET tarnel)
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6")
  endif()
endif()

set(CPACK_PACKAGE_NAME tarnel)
set(CPACK_PACKAGE_VENDOR "KVT")
set(CPACK_PACKAGE_CONTACT "KVT <suporte@kvt.invalid>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${TARNEL_DESCRICAO}, com a biblioteca Plenvo")
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/pacotes)
set(CPACK_STRIP_FILES ON)
include(CPack)
unset(examples)
unset(example_files)
