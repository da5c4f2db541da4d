#include <chrono>
#include <filesystem>
#include <system_error>
#include <thread>

#include "compat/path.h"
#include "compat/file_part.h"
#include "compat/native_path.h"
#include "console.h"
#include "sessao_cli.h"
#include "subcomandos.h"
#include "window/bobina.h"

namespace tarnel::cli {

namespace {

// How often a followed roll is looked at: a line shows up within this, at no noticeable cost.
constexpr std::chrono::milliseconds kIntervaloSeguir{200};

// On a terminal, as the paper shows it: bold through the terminal's attribute, double width by a
// blank after each character, so the line keeps the paper's 48 columns.
void MostraNoTerminal(const LinhaBobina& linha, std::ostream& saida) {
  std::string texto;
  if (linha.expandido) {
    for (const char c : linha.texto) (texto += c) += ' ';
    while (!texto.empty() && texto.back() == ' ') texto.pop_back();
  } else {
    texto = linha.texto;
  }
  if (linha.negrito) texto = "\x1B[1m" + texto + "\x1B[0m";
  EscreveLinha(saida, texto);
}

// Elsewhere (a pipe, a file), with the roll file's own marks.
void MostraComMarcas(const LinhaBobina& linha, std::ostream& saida) {
  const std::string formatada = quorbal::FormataLinhaBobina(linha);
  saida << std::string_view(formatada).substr(0, formatada.size() - 2) << '\n';
}

}  // namespace

int Bobina(bool seguir, bool terminal, std::ostream& saida, std::ostream& mensagens) {
  LeitorBobina leitor(CaminhoBobina("Emul"));
  const auto mostra = terminal ? MostraNoTerminal : MostraComMarcas;
  std::error_code erro;
  if (!seguir && !std::filesystem::exists(compat::fs_path(leitor.Caminho()), erro)) {
    EscreveLinha(mensagens, "tarnel-cli bobina: a impressora emulada desta pasta ainda não imprimiu (não há " +
                                leitor.Caminho() + ")");
    return kSaidaFalha;
  }
  // A roll there that cannot be read (no rights, locked, a folder) would look like an empty one.
  std::string primeiro;
  if (!seguir && (!compat::file_exists(leitor.Caminho()) || !compat::read_file_part(leitor.Caminho(), 0, 1, primeiro))) {
    EscreveLinha(mensagens, "tarnel-cli bobina: não foi possível ler " + leitor.Caminho());
    return kSaidaFalha;
  }
  for (;;) {
    const std::vector<LinhaBobina> linhas = leitor.Novas();
    for (const LinhaBobina& linha : linhas) mostra(linha, saida);
    saida.flush();
    if (!saida) return kSaidaFalha;  // nobody reads any more (a closed pipe, a full disk): no following
    if (!linhas.empty()) continue;  // a long roll comes in parts
    if (!seguir) return kSaidaSucesso;
    std::this_thread::sleep_for(kIntervaloSeguir);
  }
}

}  // namespace tarnel::cli
