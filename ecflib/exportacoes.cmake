# The 55 exports with the number of 4-byte arguments each takes on 32-bit Windows, from which the
# .def file is generated ("Name = Name@bytes" for __stdcall there, plain names on 64-bit).
set(PLENVO_EXPORTACOES
  ecf_InicializaDLL:1 ecf_FinalizaDLL:0 ecf_VersaoDLL:1 ecf_LogSerial:1 ecf_ProximoTimeout:1
  ecf_EstadoImpressora:0 ecf_AbreGaveta:0 ecf_LeSensor:1 ecf_AvancaLinhas:1 ecf_LeRegistrador:2
  ecf_VendaItem:7 ecf_CancelaVenda:1 ecf_CancelaCupom:1 ecf_Relatorio_XZ:1 ecf_FechaCupom:1
  ecf_Pagamento:3 ecf_ImprimeCabecalho:0 ecf_Propaganda:1 ecf_CargaCliche:6 ecf_IdComprador:5
  ecf_CargaAliquota:2 ecf_LeECF:5 ecf_CancelaItem:1 ecf_AcrescimoSubtotal:2 ecf_DescontoSubtotal:2
  ecf_DescontoItem:3 ecf_ProgramaRelogio:3 ecf_FormaPagamento:2 ecf_CargaNaoVinculado:3
  ecf_DefineAliquota:3 ecf_EspacamentoLinhas:1 ecf_VinculadoTEF:6 ecf_Autentica:1 ecf_CupomStub:1
  ecf_ImprimeCheque:9 ecf_NovoEstabelecimento:3 ecf_VinculadoCartao:7 ecf_Mecanismo:1
  ecf_EmiteNaoVinculado:3 ecf_VinculadoNSeq:3 ecf_FinalizaRelatorio:0 ecf_CortaPapel:0
  ecf_CMC7ToECF:0 ecf_LinhasLivres:2 ecf_EjetarCheque:0 ecf_Vinculado:8 ecf_Rascunho:1
  ecf_ContrasteTermico:1 ecf_LeCMC7:1 ecf_CruzarCheque:4 ecf_CodigoBarras:2 ecf_PropagandaEx:1
  ecf_ImprimeCheque2:16 ecf_ChancelarCheque:3 ecf_Quorbal:2)

# Writes the .def file that names the exports: "Name = Name@bytes" for the __stdcall functions on
# 32-bit Windows (the DLL exports the plain name), plain names on 64-bit.
function(plenvo_gera_def arquivo)
  set(texto "LIBRARY Plenvo.dll\nEXPORTS\n")
  foreach(entrada IN LISTS PLENVO_EXPORTACOES)
    string(REPLACE ":" ";" partes "${entrada}")
    list(GET partes 0 nome)
    list(GET partes 1 argumentos)
    if(CMAKE_SIZEOF_VOID_P EQUAL 4)
      math(EXPR bytes "${argumentos} * 4")
      string(APPEND texto "  ${nome} = ${nome}@${bytes}\n")
    else()
      string(APPEND texto "  ${nome}\n")
    endif()
  endforeach()
  file(WRITE "${arquivo}" "${texto}")
endfunction()

# The .def for the 32-bit import library: callers compiled with __stdcall reference Name@bytes,
# which dlltool --kill-at binds to the plain name the DLL exports.
function(plenvo_gera_def_importacao arquivo)
  set(texto "LIBRARY Plenvo.dll\nEXPORTS\n")
  foreach(entrada IN LISTS PLENVO_EXPORTACOES)
    string(REPLACE ":" ";" partes "${entrada}")
    list(GET partes 0 nome)
    list(GET partes 1 argumentos)
    math(EXPR bytes "${argumentos} * 4")
    string(APPEND texto "  ${nome}@${bytes}\n")
  endforeach()
  file(WRITE "${arquivo}" "${texto}")
endfunction()
