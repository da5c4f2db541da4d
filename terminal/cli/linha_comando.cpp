#include "linha_comando.h"

#include <CLI/CLI.hpp>

#include <memory>
#include <set>
#include <sstream>

#include "compat/path.h"
#include "textos_ajuda.h"
#include "window/versao.h"

namespace tarnel::cli {

namespace {

const char kPrograma[] = "tarnel-cli";
const char kVejaAjuda[] = " (veja tarnel-cli --help)";
// Where descriptions start in the help's lists of options.
constexpr std::size_t kColunaDescricao = 19;

// What CLI11 fills while it reads; the parameters are checked afterwards.
struct Leitura {
  Invocacao invocacao;
  std::vector<std::string> parametros;
  std::string resposta;  // run --responder
  std::string tipo_leitura, reducao, coo, data;  // leitura
};

// The group of the names that may be left out (the synopsis shows them in brackets); the others
// are required, and their subcommand's check says so when they are missing.
constexpr char kOpcional[] = "opcional";

// The options every subcommand that talks to the printer takes. A missing value is left empty
// (instead of CLI11 taking the next option as the value) so that it is reported by name.
void DeclaraValor(CLI::App& app, const char* opcao, std::string& valor, const char* descricao, const char* tipo) {
  app.add_option(opcao, valor, descricao)
      ->type_name(tipo)
      ->expected(0, 1)
      ->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
}

// An option given without its value.
bool FaltaValor(const CLI::App& app, std::initializer_list<std::pair<const char*, const std::string*>> opcoes,
                std::string& erro) {
  for (const auto& [opcao, valor] : opcoes) {
    if (app.count(opcao) > 0 && valor->empty()) {
      erro = std::string("Falta o valor de ") + opcao;
      return true;
    }
  }
  return false;
}

void DeclaraConexao(CLI::App& app, Leitura& leitura) {
  Pedido& pedido = leitura.invocacao.pedido;
  DeclaraValor(app, "--canal", pedido.canal, ajuda::kCanal, "CANAL");
  DeclaraValor(app, "--log", pedido.log, ajuda::kLog, "ARQUIVO");
}

bool VerificaConexao(const CLI::App& app, Leitura& leitura, std::string& erro) {
  Pedido& pedido = leitura.invocacao.pedido;
  if (FaltaValor(app, {{"--canal", &pedido.canal}, {"--log", &pedido.log}}, erro)) return false;
  pedido.com_log = app.count("--log") > 0;
  return true;
}

void DeclaraExec(CLI::App& app, Leitura& leitura) {
  DeclaraConexao(app, leitura);
  app.add_option("comando", leitura.invocacao.pedido.nome, ajuda::kComando)->type_name("COMANDO");
  app.add_option("parametros", leitura.parametros, ajuda::kParametros)->type_name("NOME=VALOR")->group(kOpcional);
}

bool VerificaExec(const CLI::App& app, Leitura& leitura, std::string& erro) {
  if (!VerificaConexao(app, leitura, erro)) return false;
  Pedido& pedido = leitura.invocacao.pedido;
  if (pedido.nome.empty()) {
    erro = "Falta o nome do comando";
    return false;
  }
  for (const std::string& texto : leitura.parametros) {
    quorbal::Item parametro;
    if (!LeParametro(texto, parametro, erro)) return false;
    pedido.parametros.push_back(std::move(parametro));
  }
  return true;
}

void DeclaraRegistrador(CLI::App& app, Leitura& leitura) {
  DeclaraConexao(app, leitura);
  app.add_option("registrador", leitura.invocacao.pedido.nome, ajuda::kNomeRegistrador)->type_name("REGISTRADOR");
}

bool VerificaRegistrador(const CLI::App& app, Leitura& leitura, std::string& erro) {
  if (!VerificaConexao(app, leitura, erro)) return false;
  if (!leitura.invocacao.pedido.nome.empty()) return true;
  erro = "Falta o nome do registrador";
  return false;
}

void DeclaraBobina(CLI::App& app, Leitura& leitura) {
  app.add_flag("--seguir", leitura.invocacao.seguir, ajuda::kSeguir);
}

void DeclaraRun(CLI::App& app, Leitura& leitura) {
  PedidoRun& run = leitura.invocacao.run;
  DeclaraValor(app, "--canal", run.canal, ajuda::kCanal, "CANAL");
  OpcoesScript& opcoes = run.opcoes;
  app.add_flag("--pausar-erro", opcoes.PausarComErro, ajuda::kPausarErro);
  app.add_flag("--pausar-sucesso", opcoes.PausarSemErro, ajuda::kPausarSucesso);
  app.add_flag("--pausar-diferente", opcoes.PausarDiferente, ajuda::kPausarDiferente);
  app.add_flag("--testar-contexto", opcoes.TestarContexto, ajuda::kTestarContexto);
  DeclaraValor(app, "--responder", leitura.resposta, ajuda::kResponder, "R");
  DeclaraValor(app, "--relatorio", run.relatorio, ajuda::kRelatorio, "ARQ");
  app.add_option("arquivos", run.arquivos, ajuda::kArquivosComandos)->type_name("ARQUIVO");
}

// Without a --pausar-* flag the replies are compared and nothing else pauses; with any, exactly the
// pauses given.
bool VerificaRun(const CLI::App& app, Leitura& leitura, std::string& erro) {
  PedidoRun& run = leitura.invocacao.run;
  if (FaltaValor(app, {{"--canal", &run.canal}, {"--responder", &leitura.resposta}, {"--relatorio", &run.relatorio}},
                 erro))
    return false;
  if (run.arquivos.empty()) {
    erro = "Falta o arquivo de comandos";
    return false;
  }
  const std::string& resposta = leitura.resposta;
  if (resposta == "sim" || resposta == "nao" || resposta == "parar" || resposta.empty()) {
    run.resposta = resposta == "sim" ? PoliticaResposta::Sim
                   : resposta == "parar" ? PoliticaResposta::Parar
                                         : PoliticaResposta::Nao;
  } else {
    erro = "--responder aceita sim, nao ou parar, não " + resposta;
    return false;
  }
  OpcoesScript& opcoes = run.opcoes;
  opcoes.NaoPausar = false;
  if (!opcoes.PausarComErro && !opcoes.PausarSemErro && !opcoes.PausarDiferente) opcoes.PausarDiferente = true;
  return true;
}

void DeclaraLeitura(CLI::App& app, Leitura& leitura) {
  PedidoLeituraCli& pedido = leitura.invocacao.leitura;
  app.add_option("tipo", leitura.tipo_leitura, ajuda::kTipoLeitura)->type_name("mf|mfd|x");
  DeclaraValor(app, "--reducao", leitura.reducao, ajuda::kFaixaReducao, "A-B");
  DeclaraValor(app, "--coo", leitura.coo, ajuda::kFaixaCoo, "A-B");
  DeclaraValor(app, "--data", leitura.data, ajuda::kFaixaData, "D1-D2");
  DeclaraValor(app, "--saida", pedido.saida, ajuda::kSaidaLeitura, "ARQUIVO");
  app.add_flag("--filtrada", pedido.filtrada, ajuda::kFiltrada);
  DeclaraValor(app, "--canal", pedido.canal, ajuda::kCanal, "CANAL");
}

// "A-B" split at its only "-" into two non-empty ends; with numeros, both whole numbers that the
// printer's counters can hold.
bool LeFaixa(const std::string& texto, bool numeros, std::string& inicio, std::string& fim) {
  const std::size_t traco = texto.find('-');
  if (traco == std::string::npos || texto.find('-', traco + 1) != std::string::npos) return false;
  inicio = texto.substr(0, traco);
  fim = texto.substr(traco + 1);
  const auto valido = [numeros](const std::string& parte) {
    return !parte.empty() &&
           (!numeros || (parte.size() <= 9 && parte.find_first_not_of("0123456789") == std::string::npos));
  };
  return valido(inicio) && valido(fim);
}

// One range at most, and only the ones the reading has: reductions for mf, COO for mfd, dates for
// both; none for x.
bool VerificaLeitura(const CLI::App& app, Leitura& leitura, std::string& erro) {
  PedidoLeituraCli& pedido = leitura.invocacao.leitura;
  if (FaltaValor(app, {{"--reducao", &leitura.reducao}, {"--coo", &leitura.coo}, {"--data", &leitura.data},
                       {"--saida", &pedido.saida}, {"--canal", &pedido.canal}},
                 erro))
    return false;
  const std::string& tipo = leitura.tipo_leitura;
  if (tipo.empty()) {
    erro = "Falta o tipo da leitura (mf, mfd ou x)";
    return false;
  }
  if (tipo != "mf" && tipo != "mfd" && tipo != "x") {
    erro = "Tipo de leitura desconhecido: " + tipo + " (use mf, mfd ou x)";
    return false;
  }
  pedido.tipo = tipo == "mf" ? TipoLeitura::MF : tipo == "mfd" ? TipoLeitura::MFD : TipoLeitura::X;
  struct Faixa {
    const char* opcao;
    const std::string* texto;
    FaixaLeitura faixa;
    bool numeros;
    bool admitida;
  };
  const Faixa faixas[] = {
      {"--reducao", &leitura.reducao, FaixaLeitura::Reducao, true, pedido.tipo == TipoLeitura::MF},
      {"--coo", &leitura.coo, FaixaLeitura::Coo, true, pedido.tipo == TipoLeitura::MFD},
      {"--data", &leitura.data, FaixaLeitura::Data, false, pedido.tipo != TipoLeitura::X},
  };
  for (const Faixa& f : faixas) {
    if (app.count(f.opcao) == 0) continue;
    if (pedido.faixa != FaixaLeitura::Padrao) {
      erro = "Use só uma de --reducao, --coo e --data";
      return false;
    }
    if (!f.admitida) {
      erro = std::string(f.opcao) + " não vale para a leitura " + tipo;
      return false;
    }
    if (!LeFaixa(*f.texto, f.numeros, pedido.inicio, pedido.fim)) {
      erro = std::string(f.opcao) + " espera " + (f.numeros ? "A-B com números inteiros" : "D1-D2") + ", não " +
             *f.texto;
      return false;
    }
    pedido.faixa = f.faixa;
  }
  // The readable copy is made from the file the reading wrote; a device or pipe gives nothing back.
  if (pedido.filtrada && !pedido.saida.empty() && compat::is_device(pedido.saida)) {
    erro = "--filtrada lê de volta o arquivo de --saida, e " + pedido.saida + " não é um arquivo";
    return false;
  }
  return true;
}

bool NadaAVerificar(const CLI::App&, Leitura&, std::string&) { return true; }

struct DescricaoSubcomando {
  const char* nome;
  Subcomando subcomando;
  const char* texto;
  bool carrega_biblioteca;  // its help ends with the exit statuses and the library that is loaded
  void (*declara)(CLI::App&, Leitura&);
  // What CLI11 does not check: missing values and names, the form of the parameters.
  bool (*verifica)(const CLI::App&, Leitura&, std::string&);
  // The message for an argument it does not take; nullptr: "Opção desconhecida" for what looks
  // like an option, "Argumento a mais" for anything else.
  const char* inesperado;
};

void DeclaraSoftwareBasico(CLI::App& app, Leitura& leitura) {
  DeclaraValor(app, "--canal", leitura.invocacao.pedido.canal, ajuda::kCanal, "CANAL");
  app.add_option("arquivo", leitura.invocacao.arquivo, ajuda::kArquivoSoftwareBasico)
      ->type_name("ARQUIVO")
      ->group(kOpcional);
}

bool VerificaCanal(const CLI::App& app, Leitura& leitura, std::string& erro) {
  return !FaltaValor(app, {{"--canal", &leitura.invocacao.pedido.canal}}, erro);
}

void DeclaraMfdBinaria(CLI::App& app, Leitura& leitura) {
  DeclaraValor(app, "--canal", leitura.invocacao.pedido.canal, ajuda::kCanal, "CANAL");
}

void DeclaraMfdLer(CLI::App& app, Leitura& leitura) {
  app.add_option("dump", leitura.invocacao.arquivo, ajuda::kArquivoMFD)->type_name("LEITURA.MFD");
  app.add_option("pasta", leitura.invocacao.pasta, ajuda::kPastaSecoes)->type_name("PASTA")->group(kOpcional);
}

bool VerificaMfdLer(const CLI::App&, Leitura& leitura, std::string& erro) {
  if (!leitura.invocacao.arquivo.empty()) return true;
  erro = "Falta o arquivo de MFD";
  return false;
}

void DeclaraPlanilha(CLI::App& app, Leitura& leitura) {
  DeclaraValor(app, "--canal", leitura.invocacao.pedido.canal, ajuda::kCanal, "CANAL");
  app.add_option("operacao", leitura.invocacao.pedido.nome, ajuda::kOperacaoPlanilha)
      ->type_name("conferir|gravar-lx|totalizadores");
}

bool VerificaPlanilha(const CLI::App& app, Leitura& leitura, std::string& erro) {
  if (!VerificaCanal(app, leitura, erro)) return false;
  const std::string& operacao = leitura.invocacao.pedido.nome;
  if (operacao == "conferir" || operacao == "gravar-lx" || operacao == "totalizadores") return true;
  erro = operacao.empty() ? "Falta a operação: conferir, gravar-lx ou totalizadores"
                          : "Operação desconhecida: " + operacao + " (use conferir, gravar-lx ou totalizadores)";
  return false;
}

const DescricaoSubcomando kSubcomandos[] = {
    {"exec", Subcomando::kExec, ajuda::kExec, true, DeclaraExec, VerificaExec, nullptr},
    {"registrador", Subcomando::kRegistrador, ajuda::kRegistrador, true, DeclaraRegistrador, VerificaRegistrador,
     nullptr},
    {"shell", Subcomando::kShell, ajuda::kShell, true, DeclaraConexao, VerificaConexao, nullptr},
    {"bobina", Subcomando::kBobina, ajuda::kBobina, false, DeclaraBobina, NadaAVerificar, "argumento inesperado"},
    {"run", Subcomando::kRun, ajuda::kRun, false, DeclaraRun, VerificaRun, nullptr},
    {"leitura", Subcomando::kLeitura, ajuda::kLeitura, true, DeclaraLeitura, VerificaLeitura, nullptr},
    {"software-basico", Subcomando::kSoftwareBasico, ajuda::kSoftwareBasico, false, DeclaraSoftwareBasico,
     VerificaCanal, nullptr},
    {"mfd-binaria", Subcomando::kMfdBinaria, ajuda::kMfdBinaria, false, DeclaraMfdBinaria, VerificaCanal, nullptr},
    {"mfd-ler", Subcomando::kMfdLer, ajuda::kMfdLer, false, DeclaraMfdLer, VerificaMfdLer, nullptr},
    {"planilha", Subcomando::kPlanilha, ajuda::kPlanilha, false, DeclaraPlanilha, VerificaPlanilha, nullptr},
};

const DescricaoSubcomando* ProcuraSubcomando(const std::string& nome) {
  for (const DescricaoSubcomando& descricao : kSubcomandos)
    if (nome == descricao.nome) return &descricao;
  return nullptr;
}

// --- Help -------------------------------------------------------------------------------------

bool EhAjuda(const CLI::App& app, const CLI::Option* opcao) { return opcao == app.get_help_ptr(); }

// An option as the user writes it: "--canal CANAL", "--seguir", or a name's placeholder "COMANDO".
std::string Escrita(const CLI::Option& opcao) {
  if (opcao.get_positional()) return opcao.get_type_name();
  std::string texto = opcao.get_name(false, true);
  if (!opcao.get_type_name().empty()) texto += " " + opcao.get_type_name();
  return texto;
}

// The subcommand's synopsis, from its options: "[--canal CANAL] [--log ARQUIVO] COMANDO [NOME=VALOR ...]";
// a required name that takes several values: "ARQUIVO [ARQUIVO ...]".
std::string Sinopse(const CLI::App& app) {
  std::string texto;
  for (const CLI::Option* opcao : app.get_options()) {
    if (EhAjuda(app, opcao)) continue;
    std::string parte = Escrita(*opcao);
    const bool varios = opcao->get_positional() && opcao->get_expected_max() > 1;
    if (!opcao->get_positional() || opcao->get_group() == kOpcional)
      parte = "[" + parte + (varios ? " ...]" : "]");
    else if (varios)
      parte += " [" + parte + " ...]";
    texto += (texto.empty() ? "" : " ") + parte;
  }
  return texto;
}

// One line per option, options before names, each description from kColunaDescricao on. Options
// in ja_descritas are left out (and those listed are added to it); the help option comes last, and
// only with_ajuda.
std::string ListaOpcoes(const CLI::App& app, std::set<std::string>& ja_descritas, bool com_ajuda) {
  std::ostringstream texto;
  for (const bool nomes : {false, true}) {
    for (const CLI::Option* opcao : app.get_options()) {
      if (EhAjuda(app, opcao) || opcao->get_positional() != nomes) continue;
      if (!ja_descritas.insert(Escrita(*opcao)).second) continue;
      CLI::detail::format_help(texto, Escrita(*opcao), opcao->get_description(), kColunaDescricao);
    }
  }
  if (com_ajuda && app.get_help_ptr())
    CLI::detail::format_help(texto, Escrita(*app.get_help_ptr()), app.get_help_ptr()->get_description(),
                             kColunaDescricao);
  return texto.str();
}

std::string Fechamento() { return std::string(ajuda::kCodigosSaida) + "\n\n" + ajuda::kBiblioteca + "\n"; }

// Every subcommand's synopsis, what it does and what its options mean (each option once).
std::string AjudaGeral(const CLI::App& programa) {
  std::string texto;
  for (const DescricaoSubcomando& descricao : kSubcomandos)
    texto += std::string(texto.empty() ? "Uso: " : "     ") + kPrograma + " " + descricao.nome + " " +
             Sinopse(*programa.get_subcommand(descricao.nome)) + "\n";
  texto += std::string("     ") + kPrograma + " SUBCOMANDO --help\n";
  texto += std::string("     ") + kPrograma + " --help\n";
  texto += std::string("     ") + kPrograma + " --version\n";
  std::set<std::string> ja_descritas;
  for (const DescricaoSubcomando& descricao : kSubcomandos) {
    texto += std::string("\n") + descricao.texto + "\n";
    const std::string opcoes = ListaOpcoes(*programa.get_subcommand(descricao.nome), ja_descritas, false);
    if (!opcoes.empty()) texto += "\n" + opcoes;
  }
  return texto + "\n" + Fechamento();
}

std::string AjudaSubcomando(const DescricaoSubcomando& descricao, const CLI::App& app, const std::string& nome) {
  std::set<std::string> nenhuma;
  std::string texto = "Uso: " + nome + " " + Sinopse(app) + "\n\n" + descricao.texto + "\n\n" +
                      ListaOpcoes(app, nenhuma, true);
  if (descricao.carrega_biblioteca) texto += "\n" + Fechamento();
  return texto;
}

// CLI11's help layout replaced by ours: the general help for the program, a subcommand's own.
class FormatoAjuda : public CLI::Formatter {
 public:
  std::string make_help(const CLI::App* app, std::string nome, CLI::AppFormatMode) const override {
    const DescricaoSubcomando* descricao = ProcuraSubcomando(app->get_name());
    return descricao ? AjudaSubcomando(*descricao, *app, nome) : AjudaGeral(*app);
  }
};

// --- Errors -----------------------------------------------------------------------------------

std::string ArgumentoInesperado(const DescricaoSubcomando& descricao, const std::string& argumento) {
  if (descricao.inesperado) return std::string(descricao.inesperado) + ": " + argumento;
  return (argumento.size() > 1 && argumento[0] == '-' ? "Opção desconhecida: " : "Argumento a mais: ") + argumento;
}

// What was left over: the subcommand's, then the program's. CLI11 keeps a "--" it consumed.
std::vector<std::string> Sobras(const CLI::App& programa, const CLI::App* app) {
  std::vector<std::string> sobras;
  for (const CLI::App* origem : {app, &programa}) {
    if (!origem) continue;
    for (const std::string& argumento : origem->remaining())
      if (argumento != "--") sobras.push_back(argumento);
  }
  return sobras;
}

// "--x=" names an option of the subcommand and gives it no value. CLI11 would take the next argument
// as the value (a command file as the report to write over): it is reported missing instead, as
// "--x" with nothing after it is. "subcommand: Falta o valor de --x", or empty when all is well.
std::string OpcaoSemValor(const CLI::App& programa, const std::vector<std::string>& argumentos) {
  const CLI::App* app = nullptr;
  for (const std::string& argumento : argumentos) {
    if (!app) {
      for (const DescricaoSubcomando& descricao : kSubcomandos)
        if (argumento == descricao.nome) app = programa.get_subcommand(descricao.nome);
      continue;
    }
    if (argumento == "--") break;
    if (argumento.size() < 4 || argumento.compare(0, 2, "--") != 0 || argumento.back() != '=') continue;
    const std::string opcao = argumento.substr(0, argumento.size() - 1);
    const CLI::Option* declarada = app->get_option_no_throw(opcao);
    if (declarada && declarada->get_expected_max() >= 1) return app->get_name() + ": Falta o valor de " + opcao;
  }
  return "";
}

}  // namespace

Invocacao InterpretaArgumentos(const std::vector<std::string>& argumentos) {
  if (argumentos.size() == 1 && argumentos.front() == "--version") {
    Invocacao versao;
    versao.ajuda = std::string(kPrograma) + " " + TextoVersao();
    return versao;
  }
  Leitura leitura;
  CLI::App programa{"", kPrograma};
  programa.formatter(std::make_shared<FormatoAjuda>());
  programa.set_help_flag("-h,--help", ajuda::kAjuda);
  programa.require_subcommand(0, 1);
  // CLI11 would read "/x" as an option on Windows; there it is a path, as everywhere.
  programa.allow_windows_style_options(false);
  // Leftovers are reported by our messages, not CLI11's.
  programa.allow_extras();
  for (const DescricaoSubcomando& descricao : kSubcomandos)
    descricao.declara(*programa.add_subcommand(descricao.nome, descricao.texto), leitura);

  const std::string sem_valor = OpcaoSemValor(programa, argumentos);
  if (!sem_valor.empty()) {
    leitura.invocacao.erro = std::string(kPrograma) + " " + sem_valor + kVejaAjuda;
    return leitura.invocacao;
  }

  // CLI11 takes the arguments last first.
  std::vector<std::string> invertidos(argumentos.rbegin(), argumentos.rend());
  Invocacao& invocacao = leitura.invocacao;
  const auto prefixo = [&programa] {
    const std::vector<CLI::App*> escolhidos = programa.get_subcommands();
    return std::string(kPrograma) + (escolhidos.empty() ? "" : " " + escolhidos.front()->get_name()) + ": ";
  };
  try {
    programa.parse(invertidos);
  } catch (const CLI::CallForHelp&) {
    invocacao.ajuda = programa.help();
    if (!invocacao.ajuda.empty() && invocacao.ajuda.back() == '\n') invocacao.ajuda.pop_back();
    return invocacao;
  } catch (const CLI::ParseError& e) {
    // What our checks do not word themselves (a value given to a flag: --seguir=x), with CLI11's
    // own account of it.
    invocacao.erro = prefixo() + "Argumentos não entendidos (" + e.what() + ")" + kVejaAjuda;
    return invocacao;
  }

  const std::vector<CLI::App*> escolhidos = programa.get_subcommands();
  const CLI::App* app = escolhidos.empty() ? nullptr : escolhidos.front();
  const std::vector<std::string> sobras = Sobras(programa, app);
  if (!app) {
    invocacao.erro = std::string(kPrograma) + ": " +
                     (sobras.empty() ? "falta o subcomando" : "subcomando desconhecido: " + sobras.front()) + kVejaAjuda;
    return invocacao;
  }
  const DescricaoSubcomando& descricao = *ProcuraSubcomando(app->get_name());
  invocacao.subcomando = descricao.subcomando;
  std::string erro;
  if (!sobras.empty())
    erro = ArgumentoInesperado(descricao, sobras.front());
  else
    descricao.verifica(*app, leitura, erro);
  if (!erro.empty()) invocacao.erro = prefixo() + erro + kVejaAjuda;
  return invocacao;
}

}  // namespace tarnel::cli
