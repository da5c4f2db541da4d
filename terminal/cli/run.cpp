#include "run.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "compat/native_path.h"
#include "compat/path.h"
#include "compat/whole_file.h"
#include "console.h"
#include "relatorio_junit.h"
#include "scripts/erro_script.h"
#include "scripts/processa_arquivo.h"
#include "sessao_cli.h"

namespace tarnel::cli {

namespace {

// The non-blank lines of a message box's text, indented below cabeca; the first one on cabeca's line
// unless cabeca ends in a line break.
std::string Bloco(std::string cabeca, const std::string& texto) {
  bool primeira = cabeca.empty() || cabeca.back() != '\n';
  if (!primeira) cabeca.pop_back();
  std::string resultado = cabeca;
  std::size_t inicio = 0;
  while (inicio <= texto.size()) {
    std::size_t fim = texto.find('\n', inicio);
    if (fim == std::string::npos) fim = texto.size();
    const std::string linha = texto.substr(inicio, fim - inicio);
    const std::size_t texto_linha = linha.find_first_not_of(" \t");
    if (texto_linha != std::string::npos) {
      resultado += (primeira ? "" : "\n  ") + linha.substr(texto_linha);
      primeira = false;
    }
    inicio = fim + 1;
  }
  return resultado;
}

// A command file's bytes shown as text: a control character (an ESC recorded in print data, a CR)
// would act on the terminal that shows it, so it is written as ^ and its letter, as cat -v does.
// So are the five bytes Windows-1252 leaves unassigned, which reach the terminal as the control
// characters U+0081 to U+009D (0x9D is OSC): as M-^A and the like.
std::string Visivel(const std::string& texto) {
  std::string visivel;
  visivel.reserve(texto.size());
  for (const char c : texto) {
    const auto byte = static_cast<unsigned char>(c);
    const bool c0 = (byte < 0x20 && c != '\n' && c != '\t') || byte == 0x7F;
    const bool c1 = byte == 0x81 || byte == 0x8D || byte == 0x8F || byte == 0x90 || byte == 0x9D;
    if (c1) visivel += "M-";
    if (c0 || c1) {
      visivel += '^';
      visivel += static_cast<char>((byte & 0x7F) ^ 0x40);
    } else {
      visivel += c;
    }
  }
  return visivel;
}

std::string Resposta(const ComandoReproduzido& c, bool gravada) {
  if (gravada) return c.com_resposta ? c.codigo_gravado + " " + c.retorno_gravado : "(sem linha de resposta)";
  return std::to_string(c.codigo_recebido) + " " + c.retorno_recebido;
}

// The person of an unattended run and the replay's listener in one: it answers the questions by the
// policy, prints what happens, and gathers the report.
class AcompanhamentoRun : public Interacao, public AcompanhamentoScript {
 public:
  AcompanhamentoRun(PoliticaResposta politica, bool terminal, std::ostream& saida, std::ostream& mensagens)
      : politica_(politica), saida_(saida), destino_(&mensagens), progresso_(saida, terminal) {}

  // From here on the messages belong to the replay and go to saida, in order with the rest.
  void IniciaReproducao() { destino_ = &saida_; }

  bool Parar() const { return parar_; }
  bool Sucesso() const { return sucesso_; }
  const std::vector<SuiteJUnit>& Suites() const { return suites_; }
  void TerminaProgresso() { progresso_.Encerra(); }

  // Interacao.
  void Mensagem(const std::string& texto, Icone icone, const std::string& titulo) override {
    Escreve(Bloco(Onde() + (titulo.empty() ? "" : titulo + ": "), texto));
    // An error box during the replay is work the script asked for and did not get (a workbook that
    // does not open, a reading that could not be written): the run fails. Script errors are
    // counted where the player reports them.
    if (icone == Icone::Erro && destino_ == &saida_ && titulo != kTituloErroScript)
      Falha(CasoJUnit::Resultado::Erro, "mensagem de erro", texto);
  }
  // The error list of a workbook capture or check: every line is an error or a difference.
  void MostraErros(const TfrmErros& erros) override {
    Interacao::MostraErros(erros);
    if (destino_ != &saida_) return;
    std::string texto;
    for (const std::string& linha : erros.lbErros) texto += (texto.empty() ? "" : "\n") + linha;
    Falha(CasoJUnit::Resultado::Falhou, "conferência da planilha", texto);
  }
  tarnel::Resposta Pergunta(const std::string& texto, Icone, bool, tarnel::Resposta, const std::string& titulo) override {
    const bool sim = politica_ == PoliticaResposta::Sim;
    if (politica_ == PoliticaResposta::Parar) parar_ = true;
    const std::string pergunta = Bloco(titulo + ":\n", texto) + (sim ? " Sim" : " Não");
    Escreve(Onde() + pergunta);
    perguntas_ += pergunta + "\n";
    recusada_ = recusada_ || !sim;
    return sim ? tarnel::Resposta::Sim : tarnel::Resposta::Nao;
  }
  bool EscolheArquivos(const PedidoArquivo&, std::vector<std::string>&) override { return false; }
  void ProcessaEventos() override {}

  // AcompanhamentoScript.
  void ArquivoIniciado(const std::string& arquivo) override {
    arquivo_ = arquivo;
    linha_ = 0;
    comandos_ = diferencas_ = 0;
    suites_.push_back({arquivo, {}});
  }
  void LinhaLida(long linha) override { linha_ = linha; }
  void Comando(const ComandoReproduzido& c) override {
    ++comandos_;
    const bool diferente = c.comparado && c.Diferente();
    CasoJUnit caso;
    caso.nome = "linha " + std::to_string(c.linha) + (c.passo.empty() ? "" : " [" + c.passo + "]") + " " + c.nome;
    const std::string respostas = c.executado ? "gravado:  " + Resposta(c, true) + "\nrecebido: " + Resposta(c, false)
                                              : std::string("recebido: (não executado)");
    if (diferente || !c.executado || !perguntas_.empty())
      Escreve(Bloco(Onde() + (c.passo.empty() ? "" : "passo " + c.passo + ", ") + "comando " + c.nome + "\n", respostas));
    // A failure of the report is what makes the run fail: a difference, a command the library did
    // not carry out, a problem of the context check (also when the run went on past it), or a pause
    // that stopped.
    const bool contexto = !c.problema_contexto.empty();
    if (diferente || !c.executado || contexto || recusada_) {
      caso.resultado = CasoJUnit::Resultado::Falhou;
      caso.mensagem = diferente      ? std::string("Resposta diferente da gravada")
                      : !c.executado ? std::string("Comando não executado pela biblioteca")
                      : contexto     ? c.problema_contexto
                                     : std::string("Pausa sem continuação");
      caso.texto = perguntas_ + respostas;
      diferencas_ += diferente;
      sucesso_ = false;
    }
    perguntas_.clear();
    recusada_ = false;
    suites_.back().casos.push_back(std::move(caso));
    Progresso();
  }
  void ErroScript(long linha, const std::string& mensagem) override {
    sucesso_ = false;
    CasoJUnit caso;
    caso.nome = "linha " + std::to_string(linha) + " erro de script";
    caso.resultado = CasoJUnit::Resultado::Erro;
    caso.mensagem = mensagem;
    if (suites_.empty()) suites_.push_back({arquivo_, {}});
    suites_.back().casos.push_back(std::move(caso));
  }
  void ArquivoTerminado(const std::string& arquivo, FimArquivo fim) override {
    if (fim != FimArquivo::Fim) sucesso_ = false;
    const std::string na_linha = " na linha " + std::to_string(linha_);
    const char* como = fim == FimArquivo::Fim         ? "executado até o fim"
                       : fim == FimArquivo::Parado    ? "parado"
                       : fim == FimArquivo::Cancelado ? "cancelado"
                       : fim == FimArquivo::Encerrado ? "execução encerrada"
                                                      : "não foi aberto";
    Escreve(arquivo + ": " + como + (fim == FimArquivo::Parado || fim == FimArquivo::Encerrado ? na_linha : "") + ", " +
            std::to_string(comandos_) + " comandos, " + std::to_string(diferencas_) + " diferenças" + OutrasFalhas());
  }

 private:
  // A failure that belongs to no command line: a test case of its own, named after the line.
  void Falha(CasoJUnit::Resultado resultado, const std::string& oque, const std::string& texto) {
    sucesso_ = false;
    CasoJUnit caso;
    caso.nome = "linha " + std::to_string(linha_) + " " + oque;
    caso.resultado = resultado;
    const std::size_t fim = texto.find('\n');
    caso.mensagem = texto.substr(0, fim);
    if (fim != std::string::npos) caso.texto = texto;
    if (suites_.empty()) suites_.push_back({arquivo_, {}});
    suites_.back().casos.push_back(std::move(caso));
  }
  // The file's failures that were no difference (a command not carried out, a pause that stopped,
  // a script error, an error message, the workbook's), so that a failed run never reads as clean.
  std::string OutrasFalhas() const {
    long falhas = 0;
    if (!suites_.empty())
      for (const CasoJUnit& caso : suites_.back().casos) falhas += caso.resultado != CasoJUnit::Resultado::Passou;
    const long outras = falhas - diferencas_;
    if (outras <= 0) return {};
    return ", " + std::to_string(outras) + (outras == 1 ? " outra falha" : " outras falhas");
  }
  std::string Onde() const {
    return destino_ == &saida_ ? arquivo_ + ":" + std::to_string(linha_) + ": " : std::string();
  }
  void Escreve(const std::string& texto) {
    progresso_.Apaga();
    EscreveLinha(*destino_, Visivel(texto));
  }
  void Progresso() {
    progresso_.Mostra(arquivo_ + ": linha " + std::to_string(linha_) + ", " + std::to_string(comandos_) + " comandos");
  }

  PoliticaResposta politica_;
  std::ostream& saida_;
  std::ostream* destino_;
  LinhaProgresso progresso_;
  std::string arquivo_;
  long linha_ = 0;
  long comandos_ = 0;
  long diferencas_ = 0;
  std::string perguntas_;  // the questions asked about the command being replayed, with their answers
  bool recusada_ = false;  // one of them was answered No
  bool parar_ = false;
  bool sucesso_ = true;
  std::vector<SuiteJUnit> suites_;
};

}  // namespace

int Run(const PedidoRun& pedido, bool terminal, std::ostream& saida, std::ostream& mensagens) {
  // The report written over one of the files it reports on would destroy that recording.
  for (const std::string& arquivo : pedido.arquivos) {
    std::error_code erro;
    if (!pedido.relatorio.empty() && std::filesystem::equivalent(compat::fs_path(pedido.relatorio), compat::fs_path(arquivo), erro)) {
      EscreveLinha(mensagens, "O relatório " + pedido.relatorio + " é o arquivo de comandos " + arquivo +
                                  "; nada foi executado.");
      return kSaidaFalha;
    }
  }
  // A report that cannot be written (a folder, a folder that is not there, no rights) is said before
  // the printer is touched, not after the whole run. Opened to append, a file there keeps its bytes;
  // one the probe made goes again, so that a run that fails leaves no empty report. A device or a
  // pipe is not probed: opening one may wait for a reader, or give it its end; nor a link to nothing.
  if (!pedido.relatorio.empty()) {
    std::error_code erro;
    const auto tipo = std::filesystem::status(compat::fs_path(pedido.relatorio), erro).type();
    const bool existia = std::filesystem::symlink_status(compat::fs_path(pedido.relatorio), erro).type() !=
                         std::filesystem::file_type::not_found;
    if (!compat::is_device(pedido.relatorio) &&
        (!existia || tipo == std::filesystem::file_type::regular || tipo == std::filesystem::file_type::directory)) {
      std::FILE* sonda = compat::open_file(pedido.relatorio, "ab");
      if (!sonda) {
        EscreveLinha(mensagens, "O relatório " + pedido.relatorio + " não pode ser gravado; nada foi executado.");
        return kSaidaFalha;
      }
      std::fclose(sonda);
      if (!existia) compat::remove_file(pedido.relatorio);
    }
  }
  AcompanhamentoRun acompanhamento(pedido.resposta, terminal, saida, mensagens);
  SessaoCli sessao(acompanhamento);
  Pedido conexao;
  conexao.canal = pedido.canal;
  if (!sessao.Conecta(conexao)) return kSaidaFalha;
  acompanhamento.IniciaReproducao();

  bool cancelamento = false;
  std::size_t executados = 0;
  for (const std::string& arquivo : pedido.arquivos) {
    const FimArquivo fim = ProcessaArquivoComandos(sessao.frm, arquivo, pedido.opcoes, cancelamento, &acompanhamento);
    ++executados;
    if (fim == FimArquivo::Cancelado || fim == FimArquivo::Encerrado || acompanhamento.Parar()) break;
  }
  acompanhamento.TerminaProgresso();
  bool sucesso = acompanhamento.Sucesso() && executados == pedido.arquivos.size();
  if (executados < pedido.arquivos.size())
    EscreveLinha(saida, std::to_string(pedido.arquivos.size() - executados) + " arquivo(s) não executado(s).");

  if (!pedido.relatorio.empty()) {
    // Replaced whole: a full disk or a crash leaves the previous report, never a cut one.
    std::string motivo;
    if (!compat::replace_file(pedido.relatorio, ComporRelatorioJUnit(acompanhamento.Suites()), motivo)) {
      EscreveLinha(mensagens, "O relatório " + pedido.relatorio + " não pode ser gravado.");
      return kSaidaFalha;
    }
  }
  return sucesso ? kSaidaSucesso : kSaidaErroImpressora;
}

}  // namespace tarnel::cli
