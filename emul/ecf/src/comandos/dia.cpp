// The day and its readings: X reading, Z reduction, fiscal memory and detail memory readings, the
// print data for the host, and the clock.
#include <string>

#include "comandos/comandos.h"
#include "comandos/documento.h"
#include "fiscal/relogio.h"
#include "fiscal/situacao.h"
#include "memorias/memoria_fiscal.h"
#include "fiscal/totais.h"
#include "protocolo/valores.h"

namespace ecf {

namespace {

constexpr std::int64_t kAjusteMaximoNaZ = 5 * 60;  // seconds the clock may be moved at a Z

// "S" sends the reading to the host instead of paper; "I" (or nothing) prints it.
Falha Destino(const Sessao& s, bool& para_host) {
  const std::string& destino = s.par.Texto("Destino");
  para_host = destino == "S" || destino == "s";
  if (!destino.empty() && !para_host && destino != "I" && destino != "i")
    return Erro("ErroProtParamValorInvalido", "Destino '" + destino + "' inválido: use S (para o computador) ou I (impressora)");
  return Ok();
}

// A range given by two numbers or by two dates. With both the dates choose: the terminal's reading
// to a file sends its default numbers along with the dates typed. With neither, the whole memory.
Falha Intervalo(const Sessao& s, const char* inicial, const char* final_, const char* erro_numeros) {
  if (s.par.Tem("DataInicial") || s.par.Tem("DataFinal")) {
    if (!s.par.Tem("DataInicial") || !s.par.Tem("DataFinal"))
      return Erro("ErroCMDFaltaParametro", "Informe DataInicial e DataFinal");
    if (s.par.Numero("DataInicial") > s.par.Numero("DataFinal"))
      return Erro("ErroCMDDataInvalida", "DataInicial posterior a DataFinal");
    return Ok();
  }
  if (!s.par.Tem(inicial) && !s.par.Tem(final_)) return Ok();
  if (!s.par.Tem(inicial) || !s.par.Tem(final_))
    return Erro("ErroCMDFaltaParametro", std::string("Informe ") + inicial + " e " + final_);
  if (s.par.Numero(inicial) < 1 || s.par.Numero(inicial) > s.par.Numero(final_))
    return Erro(erro_numeros, std::string(inicial) + " deve ser ao menos 1 e não maior que " + final_);
  return Ok();
}

// No document open, a valid destination, and room in the detail memory for a reading on paper.
Falha PodeEmitirLeitura(const Sessao& s, bool& para_host) {
  if (Falha f = ExigeSemDocumento(s)) return f;
  if (Falha f = Destino(s, para_host)) return f;
  return para_host ? Ok() : ExigeEspacoMFD(s);
}

// A reading of the memories over a range of numbers or dates. On paper it is a document (COO);
// to the host it is print data only. confere: the reading's own further checks, or nullptr.
Falha EmiteLeituraDeMemoria(Sessao& s, const char* inicial, const char* final_, const char* erro_numeros,
                            Falha (*confere)(const Sessao&), Impresso impresso, TipoDocumento tipo) {
  bool para_host = false;
  if (Falha f = PodeEmitirLeitura(s, para_host)) return f;
  if (Falha f = Intervalo(s, inicial, final_, erro_numeros)) return f;
  if (confere)
    if (Falha f = confere(s)) return f;
  std::int32_t indice = para_host ? -1 : EmiteDocumentoFechado(s, tipo, false);
  s.Emite(impresso, indice).para_host = para_host;
  return Ok();
}

Falha ConfereProprietario(const Sessao& s) {
  if (s.par.Tem("Proprietario") &&
      (s.par.Numero("Proprietario") < 1 || s.par.Numero("Proprietario") > s.estado.contadores.proprietarios))
    return Erro("ErroCMDValorInvalido", "Proprietario deve ser de 1 a " + std::to_string(s.estado.contadores.proprietarios));
  return Ok();
}

// The clock never goes back before the last document issued.
Falha ExigeDepoisDoUltimoDocumento(const Estado& e, std::int64_t nova, const char* erro, const std::string& motivo) {
  if (e.data_ultimo_doc != 0 && nova < Segundos(e.data_ultimo_doc, e.hora_ultimo_doc))
    return Erro(erro, motivo + " anteriores ao último documento (" + FormataData(e.data_ultimo_doc) + " " +
                          FormataHora(e.hora_ultimo_doc) + ")");
  return Ok();
}

RegistroReducao MontaReducao(const Sessao& s, const Totais& dia) {
  const Estado& e = s.estado;
  RegistroReducao z;
  static_cast<ResumoFiscal&>(z) = dia;
  z.crz = e.contadores.crz + 1;
  z.coo = e.contadores.coo + 1;
  z.cro = e.contadores.cro;
  z.data = s.Hoje();
  z.hora = s.HoraAgora();
  z.movimento = e.data_abertura;
  z.gt = e.gt_inicial + dia.venda_bruta;
  z.operacoes_nao_fiscais = dia.OperacoesNaoFiscais();
  for (std::size_t k = 0; k < kTotalAliquotas; ++k) {
    const Aliquota& a = e.aliquotas[k];
    z.aliquotas[k] = {a.definida, a.definida && a.icms, a.definida ? a.percentual : 0, dia.aliquota[k]};
  }
  return z;
}

}  // namespace

Falha EmiteLeituraX(Sessao& s) {
  bool para_host = false;
  if (Falha f = PodeEmitirLeitura(s, para_host)) return f;
  // The X reading is always a document, also when its text goes to the host.
  std::int32_t indice = EmiteDocumentoFechado(s, TipoDocumento::kLeituraX, false);
  s.Emite(Impresso::kLeituraX, indice).para_host = para_host;
  return Ok();
}

Falha EmiteLeituraMF(Sessao& s) {
  return EmiteLeituraDeMemoria(s, "ReducaoInicial", "ReducaoFinal", "ErroCMDReducaoInvalida", nullptr,
                               Impresso::kLeituraMF, TipoDocumento::kLeituraMF);
}

Falha EmiteLeituraFitaDetalhe(Sessao& s) {
  return EmiteLeituraDeMemoria(s, "COOInicial", "COOFinal", "ErroCMDCOOInvalido", ConfereProprietario,
                               Impresso::kLeituraMFD, TipoDocumento::kLeituraMFD);
}

Falha EmiteReducaoZ(Sessao& s) {
  if (Falha f = ExigeSemDocumento(s)) return f;
  if (DiaFechado(s.estado, s.Hoje()))
    return Erro("ErroDiaFechado", "A redução Z de " + FormataData(s.Hoje()) + " já foi emitida");
  // Its record and its print must both fit: a Z the memories cannot hold would be lost.
  if (Falha f = ExigeEspacoMF(s, memorias::MemoriaFiscal::kTamanhoReducao)) return f;
  // A day with movement closes within the detail memory's reserve; once the reserve is in use, a Z of
  // a day without movement waits for a new detail memory (IniciaFitaDetalhe takes one now).
  if (!DiaAberto(s.estado) && !s.estado.numero_serie_mfd.empty() && s.saida.MFDEsgotada())
    return Erro("ErroMFDEsgotada", "A memória de fita detalhe " + s.estado.numero_serie_mfd +
                                       " está esgotada: inicie outra com IniciaFitaDetalhe antes da redução Z");
  if (s.par.Tem("Hora")) {
    // A small correction of the clock goes with the Z.
    std::int64_t nova = Segundos(s.Hoje(), static_cast<std::int32_t>(s.par.Numero("Hora")));
    std::int64_t diferenca = nova - s.agora;
    if (diferenca > kAjusteMaximoNaZ || diferenca < -kAjusteMaximoNaZ)
      return Erro("ErroCMDAcertoRelogio", "Na redução Z a hora só pode ser acertada em até 5 minutos");
    if (Falha f = ExigeDepoisDoUltimoDocumento(s.estado, nova, "ErroCMDAcertoRelogio",
                                               "A hora " + FormataHora(HoraDe(nova)) + " deixaria a redução Z com data e hora"))
      return f;
    s.estado.desvio_relogio += diferenca;
    s.agora = nova;
  }
  Estado& e = s.estado;
  // The output prints the day the Z closes as it stood before the documents are cleared.
  DiaEncerrado encerrado{CalculaDia(e), e.contadores};
  RegistroReducao z = MontaReducao(s, encerrado.totais);
  encerrado.contadores.coo = z.coo;
  encerrado.contadores.crz = z.crz;
  bool pendente = ReducaoPendente(e, s.Hoje());
  // The Z closes the list of the day's documents, so it is not kept among them.
  e.contadores.coo += 1;
  e.ultimo_tipo = TipoDocumento::kReducaoZ;
  e.ultimo_coo = e.contadores.coo;
  e.data_ultimo_doc = s.Hoje();
  e.hora_ultimo_doc = s.HoraAgora();
  e.contadores.crz += 1;
  e.contadores.cfc = 0;
  e.contadores.cdc = 0;
  e.contadores.nfc = 0;
  e.contadores.reinicios = 0;
  e.gt_inicial = z.gt;
  // A pending Z closes the earlier day; a Z of today's movement closes today.
  e.data_ultima_z = pendente ? e.data_abertura : s.Hoje();
  e.data_abertura = 0;
  e.documentos.clear();
  e.reducoes = {z};
  s.Emite(Impresso::kReducaoZ, -1).dia_encerrado = std::move(encerrado);
  return Ok();
}

Falha LeImpressao(Sessao& s) {
  s.Retorna("TextoImpressao", s.saida.ProximoTrechoImpressao(), quorbal::kString);
  return Ok();
}

Falha ProgramaRelogio(Sessao& s) {
  // With a document or the day open the clock stays as it is, unless it went back: then no document
  // can be issued, nor the open one closed, and setting it forward is the way on.
  if (!RelogioInconsistente(s.estado, s.agora)) {
    if (Falha f = ExigeSemDocumento(s)) return f;
    if (DiaAberto(s.estado))
      return Erro("ErroDiaAberto", "O relógio só pode ser programado com o dia fechado (após a redução Z)");
  }
  if (!s.par.Tem("Data") && !s.par.Tem("Hora")) return Erro("ErroCMDFaltaParametro", "Informe Data e/ou Hora");
  std::int32_t data = static_cast<std::int32_t>(s.par.Numero("Data", s.Hoje()));
  std::int32_t hora = static_cast<std::int32_t>(s.par.Numero("Hora", s.HoraAgora()));
  std::int64_t nova = Segundos(data, hora);
  if (Falha f = ExigeDepoisDoUltimoDocumento(s.estado, nova, "ErroCMDDataInvalida", "Data e hora")) return f;
  s.estado.desvio_relogio += nova - s.agora;
  return Ok();
}

Falha AcertaHorarioVerao(Sessao& s) {
  if (Falha f = ExigeSemDocumento(s)) return f;
  if (DiaAberto(s.estado))
    return Erro("ErroCMDAcertoHVPermitidoAposZ", "O horário de verão só pode ser acertado após a redução Z");
  bool entrar = !s.estado.horario_verao;
  if (s.par.Tem("EntradaHV")) {
    std::int64_t entrada = s.par.Numero("EntradaHV");
    if (entrada != 0 && entrada != 1)
      return Erro("ErroCMDValorInvalido", "EntradaHV: 1 entra no horário de verão, 0 sai dele");
    entrar = entrada == 1;
  }
  if (entrar == s.estado.horario_verao)
    return Erro("ErroCMDHorarioVeraoJaAtualizado", entrar ? "O horário de verão já está em vigor" : "O horário de verão não está em vigor");
  if (s.estado.data_acerto_verao == s.Hoje())
    return Erro("ErroCMDHorarioVeraoJaRealizado", "O horário de verão já foi acertado hoje");
  if (!entrar)
    if (Falha f = ExigeDepoisDoUltimoDocumento(s.estado, s.agora - 3600, "ErroCMDAcertoRelogio",
                                               "Sair do horário de verão agora levaria data e hora a " +
                                                   FormataData(DataDe(s.agora - 3600)) + " " +
                                                   FormataHora(HoraDe(s.agora - 3600)) + ","))
      return f;
  s.estado.horario_verao = entrar;
  s.estado.desvio_relogio += entrar ? 3600 : -3600;
  s.estado.data_acerto_verao = s.Hoje();
  return Ok();
}

}  // namespace ecf
