// The 55 exports: each passes its arguments to the operation (operacoes.h) or to the table row.
#include "plenvo.h"

#include "cheque/cheque.h"
#include "operacoes.h"

using plenvo::Comando;
using plenvo::ExecutaComando;

extern "C" {

PLENVO_API int PLENVO_CALL ecf_InicializaDLL(const char* dispositivo) { return plenvo::InicializaDLL(dispositivo); }
PLENVO_API int PLENVO_CALL ecf_FinalizaDLL(void) { return plenvo::FinalizaDLL(); }
PLENVO_API int PLENVO_CALL ecf_VersaoDLL(char* texto) { return plenvo::VersaoDLL(texto); }
PLENVO_API void PLENVO_CALL ecf_LogSerial(const char* ativo) { plenvo::LogSerial(ativo); }
PLENVO_API int PLENVO_CALL ecf_ProximoTimeout(const char* segundos) { return plenvo::ProximoTimeout(segundos); }

PLENVO_API int PLENVO_CALL ecf_EstadoImpressora(void) { return ExecutaComando(Comando::kEstadoImpressora, {}); }
PLENVO_API int PLENVO_CALL ecf_AbreGaveta(void) { return ExecutaComando(Comando::kAbreGaveta, {}); }
PLENVO_API int PLENVO_CALL ecf_LeSensor(const char* a1) { return ExecutaComando(Comando::kLeSensor, {a1}); }
PLENVO_API int PLENVO_CALL ecf_AvancaLinhas(const char* a1) { return ExecutaComando(Comando::kAvancaLinhas, {a1}); }
PLENVO_API int PLENVO_CALL ecf_LeRegistrador(const char* registrador, char* valor) {
  return plenvo::LeRegistrador(registrador, valor);
}
PLENVO_API int PLENVO_CALL ecf_VendaItem(const char* a1, const char* a2, const char* a3, const char* a4,
                                         const char* a5, const char* a6, const char* a7) {
  return ExecutaComando(Comando::kVendaItem, {a1, a2, a3, a4, a5, a6, a7});
}
PLENVO_API int PLENVO_CALL ecf_CancelaVenda(const char* a1) { return ExecutaComando(Comando::kCancelaVenda, {a1}); }
PLENVO_API int PLENVO_CALL ecf_CancelaCupom(const char* a1) { return ExecutaComando(Comando::kCancelaCupom, {a1}); }
PLENVO_API int PLENVO_CALL ecf_Relatorio_XZ(const char* modo) { return plenvo::RelatorioXZ(modo); }
PLENVO_API int PLENVO_CALL ecf_FechaCupom(const char* a1) { return ExecutaComando(Comando::kFechaCupom, {a1}); }
PLENVO_API int PLENVO_CALL ecf_Pagamento(const char* a1, const char* a2, const char* a3) {
  return ExecutaComando(Comando::kPagamento, {a1, a2, a3});
}
PLENVO_API int PLENVO_CALL ecf_ImprimeCabecalho(void) { return ExecutaComando(Comando::kImprimeCabecalho, {}); }
PLENVO_API int PLENVO_CALL ecf_Propaganda(const char* a1) { return ExecutaComando(Comando::kPropaganda, {a1}); }
PLENVO_API int PLENVO_CALL ecf_CargaCliche(const char* a1, const char* a2, const char* a3, const char* a4,
                                           const char* a5, const char* a6) {
  return ExecutaComando(Comando::kCargaCliche, {a1, a2, a3, a4, a5, a6});
}
PLENVO_API int PLENVO_CALL ecf_IdComprador(const char* a1, const char* a2, const char* a3, const char* a4,
                                           const char* a5) {
  return ExecutaComando(Comando::kIdComprador, {a1, a2, a3, a4, a5});
}
PLENVO_API int PLENVO_CALL ecf_CargaAliquota(const char* a1, const char* a2) {
  return ExecutaComando(Comando::kCargaAliquota, {a1, a2});
}
PLENVO_API int PLENVO_CALL ecf_LeECF(const char* modo, const char* inicio, const char* fim, const char* tipo,
                                     const char* arquivo) {
  return plenvo::LeECF(modo, inicio, fim, tipo, arquivo);
}
PLENVO_API int PLENVO_CALL ecf_CancelaItem(const char* a1) { return ExecutaComando(Comando::kCancelaItem, {a1}); }
PLENVO_API int PLENVO_CALL ecf_AcrescimoSubtotal(const char* a1, const char* a2) {
  return ExecutaComando(Comando::kAcrescimoSubtotal, {a1, a2});
}
PLENVO_API int PLENVO_CALL ecf_DescontoSubtotal(const char* a1, const char* a2) {
  return ExecutaComando(Comando::kDescontoSubtotal, {a1, a2});
}
PLENVO_API int PLENVO_CALL ecf_DescontoItem(const char* a1, const char* a2, const char* a3) {
  return ExecutaComando(Comando::kDescontoItem, {a1, a2, a3});
}
PLENVO_API int PLENVO_CALL ecf_ProgramaRelogio(const char* modo, const char* data, const char* hora) {
  return plenvo::ProgramaRelogio(modo, data, hora);
}
PLENVO_API int PLENVO_CALL ecf_FormaPagamento(const char* a1, const char* a2) {
  return ExecutaComando(Comando::kFormaPagamento, {a1, a2});
}
PLENVO_API int PLENVO_CALL ecf_CargaNaoVinculado(const char* a1, const char* a2, const char* a3) {
  return ExecutaComando(Comando::kCargaNaoVinculado, {a1, a2, a3});
}
PLENVO_API int PLENVO_CALL ecf_DefineAliquota(const char* a1, const char* a2, const char* a3) {
  return ExecutaComando(Comando::kDefineAliquota, {a1, a2, a3});
}
PLENVO_API int PLENVO_CALL ecf_EspacamentoLinhas(const char* a1) {
  return ExecutaComando(Comando::kEspacamentoLinhas, {a1});
}
PLENVO_API int PLENVO_CALL ecf_VinculadoTEF(const char* a1, const char* a2, const char* a3, const char* a4,
                                            const char* a5, const char* a6) {
  return ExecutaComando(Comando::kVinculadoTEF, {a1, a2, a3, a4, a5, a6});
}
PLENVO_API int PLENVO_CALL ecf_Autentica(const char* a1) { return ExecutaComando(Comando::kAutentica, {a1}); }
PLENVO_API int PLENVO_CALL ecf_CupomStub(long numero) { return plenvo::CupomStub(numero); }
PLENVO_API int PLENVO_CALL ecf_ImprimeCheque(const char* a1, const char* a2, const char* a3, const char* a4,
                                             const char* a5, const char* a6, const char* a7, const char* secao,
                                             const char* arquivo_layout) {
  return plenvo::ImprimeCheque({a1, a2, a3, a4, a5, a6, a7}, secao, arquivo_layout);
}
PLENVO_API int PLENVO_CALL ecf_NovoEstabelecimento(const char* a1, const char* a2, const char* a3) {
  return ExecutaComando(Comando::kNovoEstabelecimento, {a1, a2, a3});
}
PLENVO_API int PLENVO_CALL ecf_VinculadoCartao(const char* a1, const char* a2, const char* a3, const char* a4,
                                               const char* a5, const char* a6, const char* a7) {
  return ExecutaComando(Comando::kVinculadoCartao, {a1, a2, a3, a4, a5, a6, a7});
}
PLENVO_API int PLENVO_CALL ecf_Mecanismo(const char* a1) { return ExecutaComando(Comando::kMecanismo, {a1}); }
PLENVO_API int PLENVO_CALL ecf_EmiteNaoVinculado(const char* a1, const char* a2, const char* a3) {
  return ExecutaComando(Comando::kEmiteNaoVinculado, {a1, a2, a3});
}
PLENVO_API int PLENVO_CALL ecf_VinculadoNSeq(const char* a1, const char* a2, const char* a3) {
  return ExecutaComando(Comando::kVinculadoNSeq, {a1, a2, a3});
}
PLENVO_API int PLENVO_CALL ecf_FinalizaRelatorio(void) { return ExecutaComando(Comando::kFinalizaRelatorio, {}); }
PLENVO_API int PLENVO_CALL ecf_CortaPapel(void) { return ExecutaComando(Comando::kCortaPapel, {}); }
PLENVO_API int PLENVO_CALL ecf_CMC7ToECF(void) { return ExecutaComando(Comando::kCMC7ToECF, {}); }
PLENVO_API int PLENVO_CALL ecf_LinhasLivres(const char* quantidade, const char* texto) {
  return plenvo::LinhasLivres(quantidade, texto);
}
PLENVO_API int PLENVO_CALL ecf_EjetarCheque(void) { return ExecutaComando(Comando::kEjetarCheque, {}); }
PLENVO_API int PLENVO_CALL ecf_Vinculado(const char* a1, const char* a2, const char* a3, const char* a4,
                                         const char* a5, const char* a6, const char* a7, const char* a8) {
  return ExecutaComando(Comando::kVinculado, {a1, a2, a3, a4, a5, a6, a7, a8});
}
PLENVO_API int PLENVO_CALL ecf_Rascunho(const char* a1) { return ExecutaComando(Comando::kRascunho, {a1}); }
PLENVO_API int PLENVO_CALL ecf_ContrasteTermico(const char* a1) {
  return ExecutaComando(Comando::kContrasteTermico, {a1});
}
PLENVO_API int PLENVO_CALL ecf_LeCMC7(const char* arquivo) { return plenvo::LeCMC7(arquivo); }
PLENVO_API int PLENVO_CALL ecf_CruzarCheque(const char* a1, const char* a2, const char* a3, const char* a4) {
  return ExecutaComando(Comando::kCruzarCheque, {a1, a2, a3, a4});
}
PLENVO_API int PLENVO_CALL ecf_CodigoBarras(const char* a1, const char* a2) {
  return ExecutaComando(Comando::kCodigoBarras, {a1, a2});
}
PLENVO_API int PLENVO_CALL ecf_PropagandaEx(const char* a1) { return ExecutaComando(Comando::kPropagandaEx, {a1}); }
PLENVO_API int PLENVO_CALL ecf_ImprimeCheque2(const char* a1, const char* a2, const char* a3, const char* a4,
                                              const char* a5, const char* a6, const char* a7, const char* a8,
                                              const char* a9, const char* secao, const char* a11, const char* a12,
                                              const char* a13, const char* a14, const char* a15,
                                              const char* arquivo_layout) {
  return plenvo::ImprimeCheque2({a1, a2, a3, a4, a5, a6, a7, a8, a9, secao, a11, a12, a13, a14, a15}, arquivo_layout);
}
PLENVO_API int PLENVO_CALL ecf_ChancelarCheque(const char* a1, const char* a2, const char* a3) {
  return ExecutaComando(Comando::kChancelarCheque, {a1, a2, a3});
}
PLENVO_API int PLENVO_CALL ecf_Quorbal(const char* comando, const char* arquivo) {
  return plenvo::Quorbal(comando, arquivo);
}

}  // extern "C"
