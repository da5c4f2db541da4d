#include <algorithm>
#include <istream>
#include <sstream>
#include <string>
#include <vector>

#include "catalogo_cli.h"
#include "compat/cp1252.h"
#include "console.h"
#include "driver/execucao.h"
#include "leitor_linhas.h"
#include "mostra.h"
#include "palavras.h"
#include "quorbal/igual_sem_caixa.h"
#include "sessao_cli.h"
#include "subcomandos.h"
#include "registers/leitura_registrador.h"

namespace tarnel::cli {

namespace {

const char kPrompt[] = "tarnel> ";

using Argumentos = std::vector<std::string>;

// A connected session reading lines. Everything it prints, messages included, goes to one stream so
// that a transcript of the session keeps its order.
class SessaoShell {
 public:
  SessaoShell(SessaoCli& sessao, std::ostream& saida) : interacao_(sessao.interacao), frm_(sessao.frm), saida_(saida) {
    interacao_.DirecionaMensagens(avisos_);
  }
  ~SessaoShell() { interacao_.DirecionaMensagens(saida_); }
  SessaoShell(const SessaoShell&) = delete;
  SessaoShell& operator=(const SessaoShell&) = delete;

  // Handles one line (Windows-1252); false when the session ends.
  bool Trata(const std::string& linha);

  bool Ajuda(const Argumentos& argumentos);
  bool Comandos(const Argumentos& argumentos);
  bool Registrador(const Argumentos& argumentos);
  bool Ultimo(const Argumentos& argumentos);
  bool Limpa(const Argumentos& argumentos);
  bool Sair(const Argumentos& argumentos);

 private:
  bool TrataPalavras(const std::string& linha);
  void Diz(const std::string& texto) { EscreveLinha(saida_, texto); }
  // False, after saying so, when more than maximo arguments were given.
  bool Cabem(const Argumentos& argumentos, std::size_t maximo);
  void ExecutaComando(const std::string& nome, const Argumentos& argumentos);

  InteracaoConsole& interacao_;
  TfrmMain& frm_;
  std::ostream& saida_;
  // What the window would show in message boxes during a line, printed after the line's results.
  std::ostringstream avisos_;
};

// The shell's own words; any other first word is a command for the printer.
struct PalavraShell {
  const char* nome;
  const char* sinonimo;  // nullptr when none
  const char* uso;
  const char* descricao;
  bool (SessaoShell::*acao)(const Argumentos&);
  ArgumentoPalavra argumento;  // what Tab completes after it
};

const PalavraShell kPalavras[] = {
    {"ajuda", "help", "ajuda", "mostra esta lista", &SessaoShell::Ajuda, ArgumentoPalavra::kNenhum},
    {"comandos", nullptr, "comandos [COMANDO]",
     "lista os 68 comandos, ou os parâmetros e retornos de um deles",
     &SessaoShell::Comandos, ArgumentoPalavra::kComando},
    {"registrador", nullptr, "registrador NOME",
     "lê um registrador (COO, TotalDiaValorAliquota[3], ...)",
     &SessaoShell::Registrador, ArgumentoPalavra::kRegistrador},
    {"ultimo", nullptr, "ultimo", "pede de novo a última resposta da impressora (Último Retorno)",
     &SessaoShell::Ultimo, ArgumentoPalavra::kNenhum},
    {"limpa", nullptr, "limpa", "esvazia os campos do último comando usado (Limpa Campos)", &SessaoShell::Limpa,
     ArgumentoPalavra::kNenhum},
    {"sair", "quit", "sair", "encerra a sessão (o fim da entrada também)", &SessaoShell::Sair,
     ArgumentoPalavra::kNenhum},
};

std::vector<PalavraCompletavel> PalavrasCompletaveis() {
  std::vector<PalavraCompletavel> palavras;
  for (const PalavraShell& palavra : kPalavras) {
    palavras.push_back({palavra.nome, palavra.argumento});
    if (palavra.sinonimo) palavras.push_back({palavra.sinonimo, palavra.argumento});
  }
  return palavras;
}

const PalavraShell* ProcuraPalavra(const std::string& nome) {
  for (const PalavraShell& palavra : kPalavras)
    if (quorbal::IgualSemCaixa(nome, palavra.nome) ||
        (palavra.sinonimo && quorbal::IgualSemCaixa(nome, palavra.sinonimo)))
      return &palavra;
  return nullptr;
}

bool SessaoShell::Trata(const std::string& linha) {
  const bool continua = TrataPalavras(linha);
  saida_ << avisos_.str();
  avisos_.str(std::string());
  return continua;
}

bool SessaoShell::TrataPalavras(const std::string& linha) {
  Argumentos palavras;
  std::string erro;
  if (!SeparaPalavras(linha, palavras, erro)) {
    Diz(erro + "; a linha não foi executada.");
    return true;
  }
  if (palavras.empty()) return true;
  const std::string primeira = palavras[0];
  palavras.erase(palavras.begin());
  if (const PalavraShell* palavra = ProcuraPalavra(primeira)) return (this->*palavra->acao)(palavras);
  ExecutaComando(primeira, palavras);
  return true;
}

bool SessaoShell::Cabem(const Argumentos& argumentos, std::size_t maximo) {
  if (argumentos.size() <= maximo) return true;
  Diz("Argumento a mais: " + argumentos[maximo]);
  return false;
}

void SessaoShell::ExecutaComando(const std::string& nome, const Argumentos& argumentos) {
  // A NAME=VALUE first word is a forgotten command name, and an empty name would make the library
  // repeat its last reply: neither goes to the printer.
  if (nome.empty() || nome.find('=') != std::string::npos) {
    Diz("Falta o nome do comando no início da linha.");
    return;
  }
  ParametrosAvulsos parametros;
  for (const std::string& argumento : argumentos) {
    quorbal::Item parametro;
    std::string erro;
    if (!LeParametro(argumento, parametro, erro)) {
      Diz(erro);
      return;
    }
    parametros.push_back(std::move(parametro));
  }
  // The pane holds only this command's lines, which are what gets printed.
  frm_.Terminal.Limpa();
  const int indice = frm_.IndiceComando(nome);
  if (indice < 0) {
    if (ExecutaComandoAvulso(frm_, nome, parametros))
      MostraExecucao(frm_, -1, saida_);
    else
      Diz(MensagemNaoExecutado(nome));
    return;
  }
  std::string erro;
  if (!PreencheParametros(frm_, indice, parametros, erro)) {
    Diz(erro);
    return;
  }
  frm_.SelecionaComando(indice);
  if (ExecutaComandoSelecionado(frm_))
    MostraExecucao(frm_, indice, saida_);
  else
    Diz(MensagemNaoExecutado(frm_.lbComandosItems[indice]));
}

bool SessaoShell::Ajuda(const Argumentos& argumentos) {
  if (!Cabem(argumentos, 0)) return true;
  Diz("Cada linha é um comando para a impressora: COMANDO [NOME=VALOR ...]. Um valor com brancos vai");
  Diz("entre aspas duplas (NomeProduto=\"Arroz 5kg\"); dentro delas \\\" e \\\\ são uma aspa e uma barra.");
  Diz("Como na janela, os campos de cada comando guardam o que foi digitado até serem trocados ou");
  Diz("esvaziados; um campo vazio não é enviado. Comandos fora do catálogo vão como digitados.");
  Diz("Comandos do próprio shell:");
  for (const PalavraShell& palavra : kPalavras) {
    std::string uso = palavra.uso;
    if (palavra.sinonimo) uso += std::string(", ") + palavra.sinonimo;
    uso.resize(std::max<std::size_t>(uso.size() + 2, 24), ' ');
    Diz("  " + uso + palavra.descricao);
  }
  return true;
}

bool SessaoShell::Comandos(const Argumentos& argumentos) {
  if (!Cabem(argumentos, 1)) return true;
  if (argumentos.empty()) {
    MostraNomesComandos(saida_);
    return true;
  }
  const int indice = frm_.IndiceComando(argumentos[0]);
  if (indice < 0)
    Diz("Comando desconhecido: " + argumentos[0]);
  else
    MostraDescricaoComando(indice, saida_);
  return true;
}

bool SessaoShell::Registrador(const Argumentos& argumentos) {
  if (!Cabem(argumentos, 1)) return true;
  if (argumentos.empty()) {
    Diz("Falta o nome do registrador: registrador NOME");
    return true;
  }
  frm_.Terminal.Limpa();
  const std::optional<ValorRegistrador> valor = LeValorRegistrador(frm_, argumentos[0]);
  if (valor)
    MostraLeituraRegistrador(frm_, *valor, saida_);
  else
    Diz(MensagemRegistradorNaoLido(argumentos[0]));
  return true;
}

bool SessaoShell::Ultimo(const Argumentos& argumentos) {
  if (!Cabem(argumentos, 0)) return true;
  frm_.Terminal.Limpa();
  if (ExecutaUltimoRetorno(frm_))
    MostraExecucao(frm_, frm_.lbComandosItemIndex, saida_);
  else
    Diz("A DLL não tem resposta anterior para repetir.");
  return true;
}

bool SessaoShell::Limpa(const Argumentos& argumentos) {
  if (!Cabem(argumentos, 0)) return true;
  frm_.btLimpaParsClick();
  Diz("Campos de " + frm_.lbComandosItems[frm_.lbComandosItemIndex] + " esvaziados.");
  return true;
}

bool SessaoShell::Sair(const Argumentos& argumentos) { return !Cabem(argumentos, 0); }

}  // namespace

int Shell(const Pedido& pedido, std::istream& entrada, bool interativo, std::ostream& saida,
          std::ostream& mensagens) {
  SessaoCli sessao(mensagens);
  if (!sessao.Conecta(pedido)) return kSaidaFalha;
  SessaoShell shell(sessao, saida);
  const std::unique_ptr<LeitorLinhas> leitor =
      CriaLeitorLinhas(entrada, interativo, saida, kPrompt, PalavrasCompletaveis());
  std::string linha;
  while (leitor->Le(linha)) {
    // What the printer cannot be sent as typed is not sent at all: a "?" in place of a character, or
    // a line cut at a zero byte, would be another command.
    std::string texto;
    if (!EntradaCp1252(linha, texto) || texto.find('\0') != std::string::npos) {
      EscreveLinha(saida, texto.find('\0') != std::string::npos ? "Linha com um byte nulo: nada foi enviado."
                          : !compat::is_utf8(linha) ? "Linha que não é UTF-8 (a entrada deve estar em UTF-8): nada foi enviado."
                                               : "Linha com caracteres fora do Windows-1252: nada foi enviado.");
      continue;
    }
    const bool continua = shell.Trata(texto);
    saida.flush();
    if (!continua) break;
  }
  return kSaidaSucesso;
}

}  // namespace tarnel::cli
