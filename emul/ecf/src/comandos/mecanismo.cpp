// Commands that move the mechanism: drawer, paper, cheques, authentication.
#include <string>

#include "comandos/comandos.h"
#include "comandos/documento.h"
#include "fiscal/situacao.h"

namespace ecf {

Falha AbreGaveta(Sessao& s) {
  std::int64_t tempo = s.par.Numero("TempoAcionamentoGaveta", s.estado.tempo_gaveta);
  if (tempo <= 0)
    return Erro("ErroCMDValorInvalido", "TempoAcionamentoGaveta deve ser maior que zero (milissegundos)");
  s.Emite(Impresso::kGaveta).quantidade = tempo;
  return Ok();
}

namespace {

constexpr std::int32_t kMaximoAutenticacoes = 2;

bool EmBranco(const std::string& texto) { return texto.find_first_not_of(" \t") == std::string::npos; }

}  // namespace

Falha AvancaPapel(Sessao& s) {
  std::int64_t linhas = s.par.Numero("Avanco");
  if (linhas < 1 || linhas > 255) return Erro("ErroCMDValorInvalido", "Avanco deve ser de 1 a 255 linhas");
  s.Emite(Impresso::kAvancoPapel).quantidade = linhas;
  return Ok();
}

Falha CortaPapel(Sessao& s) {
  std::int64_t tipo = s.par.Numero("TipoCorte");
  if (tipo > 1) return Erro("ErroCMDValorInvalido", "TipoCorte: 0 corte total, 1 corte parcial");
  s.Emite(Impresso::kCortePapel).quantidade = tipo;
  return Ok();
}

Falha ExpulsaDocumento(Sessao& s) {
  s.Emite(Impresso::kExpulsaDocumento);
  return Ok();
}

Falha ImprimeAutenticacao(Sessao& s) {
  if (Falha f = ExigeSemDocumento(s)) return f;
  const Documento* ultimo = DocumentoCorrente(s.estado);
  if (ultimo == nullptr || ultimo->coo != s.estado.ultimo_coo ||
      (ultimo->tipo != TipoDocumento::kCupomFiscal && ultimo->tipo != TipoDocumento::kNaoFiscal &&
       ultimo->tipo != TipoDocumento::kCreditoDebito))
    return Erro("ErroCMDForaDeSequencia", "Autenticação só logo após um cupom, comprovante não fiscal ou vinculado");
  if (s.estado.autenticacoes >= kMaximoAutenticacoes)
    return Erro("ErroProtNumEmissoesExcedido", "O documento já foi autenticado " + std::to_string(kMaximoAutenticacoes) + " vezes");
  s.estado.autenticacoes += 1;
  s.Emite(Impresso::kAutenticacao, static_cast<std::int32_t>(s.estado.documentos.size() - 1)).texto =
      s.par.Texto("TextoAutenticacao");
  return Ok();
}

Falha ImprimeCheque(Sessao& s) {
  if (s.par.Numero("Valor") <= 0) return Erro("ErroCMDValorInvalido", "Valor do cheque deve ser maior que zero");
  if (EmBranco(s.par.Texto("Favorecido"))) return Erro("ErroCMDFaltaParametro", "Favorecido não pode ficar em branco");
  if (EmBranco(s.par.Texto("Cidade"))) return Erro("ErroCMDFaltaParametro", "Cidade não pode ficar em branco");
  s.Emite(Impresso::kCheque);
  return Ok();
}

Falha ChancelaCheque(Sessao& s) {
  if (EmBranco(s.par.Texto("TextoChancela"))) return Erro("ErroCMDFaltaParametro", "TextoChancela não pode ficar em branco");
  s.Emite(Impresso::kChancelaCheque).texto = s.par.Texto("TextoChancela");
  return Ok();
}

Falha CruzaCheque(Sessao& s) {
  if (s.par.Numero("TipoCruzamento") > 2)
    return Erro("ErroCMDValorInvalido", "TipoCruzamento: 0 sem texto, 1 com uma linha, 2 com três linhas");
  s.Emite(Impresso::kCruzaCheque);
  return Ok();
}

Falha ImprimeCupomAdicional(Sessao& s) {
  if (!s.estado.cupom_adicional)
    return Erro("ErroPrintCapacidadeInexistente", "Cupom adicional desabilitado (registrador HabilitaCupomAdicional)");
  if (Falha f = ExigeSemDocumento(s)) return f;
  const Documento* ultimo = DocumentoCorrente(s.estado);
  if (ultimo == nullptr || ultimo->tipo != TipoDocumento::kCupomFiscal || ultimo->coo != s.estado.ultimo_coo)
    return Erro("ErroCMDForaDeSequencia", "O último documento emitido não é um cupom fiscal");
  s.Emite(Impresso::kCupomAdicional, static_cast<std::int32_t>(s.estado.documentos.size() - 1));
  return Ok();
}

Falha ImprimeDadosDepartamento(Sessao& s) {
  if (Falha f = ExigeSemDocumento(s)) return f;
  s.Emite(Impresso::kDadosDepartamento);
  return Ok();
}

Falha ReinicializaEquipamento(Sessao& s) {
  // The state lives in non-volatile memory: a restart keeps even an open document.
  s.estado.contadores.reinicios += 1;
  s.Emite(Impresso::kReinicio);
  return Ok();
}

}  // namespace ecf
