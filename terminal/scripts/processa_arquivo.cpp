// ProcessaArquivoComandos: one command file replayed line by line, with automatic register reading off
// while it runs and the run dialog's cancellation confirmed between lines.
#include "scripts/processa_arquivo.h"

#include <cstdio>

#include "compat/native_path.h"
#include "compat/path.h"
#include "registers/le_registrador.h"
#include "scripts/classifica_linha.h"
#include "scripts/diretivas.h"
#include "scripts/leitor_linhas.h"

namespace tarnel {

namespace {

// One line read from the file; the command line's look-ahead for its reply is done here.
Seguimento ProcessaLinha(TfrmMain& frm, EstadoScript& estado, LeitorLinhas& leitor, const std::string& linha) {
  const TipoLinha tipo = ClassificaLinha(linha);
  if (tipo == TipoLinha::Diretiva) return ProcessaDiretiva(frm, estado, linha);
  if (tipo != TipoLinha::Comando) return Seguimento::Continua;

  std::string seguinte;
  const bool com_resposta =
      leitor.LeLinha(seguinte) == Leitura::Linha && ClassificaLinha(seguinte) == TipoLinha::Resposta;
  if (!com_resposta) leitor.Devolve();
  const std::string resposta = com_resposta ? RegistroDaLinha(seguinte) : std::string();
  return ProcessaLinhaComando(frm, estado, RegistroDaLinha(linha), com_resposta ? &resposta : nullptr);
}

// Confirmation of a cancellation asked for by the run dialog: true when confirmed.
bool CancelamentoConfirmado(TfrmMain& frm, bool& CancelamentoPedido) {
  if (!CancelamentoPedido) return false;
  if (frm.interacao.Pergunta("Confirma cancelamento?", Icone::Pergunta, false, Resposta::Nao, "Cancelar") ==
      Resposta::Sim)
    return true;
  CancelamentoPedido = false;
  return false;
}

FimArquivo Reproduz(TfrmMain& frm, EstadoScript& estado, std::FILE* arquivo, bool& CancelamentoPedido) {
  FonteArquivo fonte(arquivo);
  LeitorLinhas leitor(fonte);
  std::string linha;
  for (;;) {
    const Leitura lida = leitor.LeLinha(linha);
    if (lida == Leitura::Fim) return FimArquivo::Fim;
    if (lida == Leitura::Linha) {
      estado.LinhaAtual = leitor.NumeroLinha();
      if (estado.acompanhamento) estado.acompanhamento->LinhaLida(estado.LinhaAtual);
      if (estado.EmComentario && ClassificaLinha(linha) != TipoLinha::Diretiva) continue;
      const Seguimento seguimento = ProcessaLinha(frm, estado, leitor, linha);
      if (seguimento == Seguimento::Para) return FimArquivo::Parado;
      if (seguimento == Seguimento::Encerra) return FimArquivo::Encerrado;
    }
    frm.interacao.ProcessaEventos();
    if (CancelamentoConfirmado(frm, CancelamentoPedido)) return FimArquivo::Cancelado;
  }
}

}  // namespace

FimArquivo ProcessaArquivoComandos(TfrmMain& frm, const std::string& arquivo, const OpcoesScript& opcoes,
                                   bool& CancelamentoPedido, AcompanhamentoScript* acompanhamento) {
  EstadoScript estado(opcoes);
  estado.Arquivo = arquivo;
  estado.acompanhamento = acompanhamento;
  if (acompanhamento) acompanhamento->ArquivoIniciado(arquivo);

  // A folder opens on some systems but reads as nothing: it would pass for an empty file run to its end.
  std::FILE* entrada = compat::file_exists(arquivo) ? compat::open_file(arquivo, "rb") : nullptr;
  if (!entrada) {
    const std::string mensagem = "O arquivo " + arquivo + " não pode ser aberto para leitura.";
    frm.interacao.Mensagem(mensagem);
    if (acompanhamento) {
      acompanhamento->ErroScript(0, mensagem);
      acompanhamento->ArquivoTerminado(arquivo, FimArquivo::NaoAberto);
    }
    return FimArquivo::NaoAberto;
  }

  const bool leitura_desligada = frm.LeRegistrador.Checked;
  if (leitura_desligada) btLeRegistradorAutomaticoClick(frm);

  const FimArquivo fim = Reproduz(frm, estado, entrada, CancelamentoPedido);

  std::fclose(entrada);
  if (leitura_desligada) btLeRegistradorAutomaticoClick(frm);
  if (acompanhamento) acompanhamento->ArquivoTerminado(arquivo, fim);
  return fim;
}

}  // namespace tarnel
