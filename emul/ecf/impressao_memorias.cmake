# Printed output, readings and memories of the emulated printer: part of the `ecf` library,
# included by this folder's CMakeLists.txt after the target is defined.
target_sources(ecf PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/src/impressao/armazem_impressao.cpp
  ${CMAKE_CURRENT_LIST_DIR}/src/impressao/bobina.cpp
  ${CMAKE_CURRENT_LIST_DIR}/src/impressao/cabecalho.cpp
  ${CMAKE_CURRENT_LIST_DIR}/src/impressao/cupom.cpp
  ${CMAKE_CURRENT_LIST_DIR}/src/impressao/extenso.cpp
  ${CMAKE_CURRENT_LIST_DIR}/src/impressao/folha_solta.cpp
  ${CMAKE_CURRENT_LIST_DIR}/src/impressao/gerencial.cpp
  ${CMAKE_CURRENT_LIST_DIR}/src/impressao/leitura_mf.cpp
  ${CMAKE_CURRENT_LIST_DIR}/src/impressao/leitura_mfd.cpp
  ${CMAKE_CURRENT_LIST_DIR}/src/impressao/leitura_x_z.cpp
  ${CMAKE_CURRENT_LIST_DIR}/src/impressao/resumo_impresso.cpp
  ${CMAKE_CURRENT_LIST_DIR}/src/impressao/saida_impressora.cpp
  ${CMAKE_CURRENT_LIST_DIR}/src/impressao/texto_impresso.cpp
  ${CMAKE_CURRENT_LIST_DIR}/src/memorias/binario.cpp
  ${CMAKE_CURRENT_LIST_DIR}/src/memorias/janela_memoria.cpp
  ${CMAKE_CURRENT_LIST_DIR}/src/memorias/memoria_fiscal.cpp
  ${CMAKE_CURRENT_LIST_DIR}/src/memorias/memoria_fita_detalhe.cpp
  ${CMAKE_CURRENT_LIST_DIR}/src/memorias/memorias.cpp
  ${CMAKE_CURRENT_LIST_DIR}/src/memorias/software_basico.cpp
)

if(BUILD_TESTING AND NOT CMAKE_CROSSCOMPILING)
  tarnel_add_gtest(ecf_impressao_memorias_tests
    ${CMAKE_CURRENT_LIST_DIR}/tests/impressao_texto_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tests/impressao_documentos_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tests/impressao_armazem_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tests/impressao_saida_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tests/saida_estado_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tests/impressao_folha_solta_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tests/memorias_fiscal_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tests/memorias_fita_detalhe_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tests/memorias_janela_test.cpp
  )
  target_include_directories(ecf_impressao_memorias_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR}/src
                                                                  ${CMAKE_CURRENT_LIST_DIR}/tests)
  target_link_libraries(ecf_impressao_memorias_tests PRIVATE ecf test_support)
endif()
