#include "readings/le_memoria.h"

#include <charconv>
#include <algorithm>
#include <cstdio>
#include <optional>

#include "compat/native_path.h"
#include "compat/path.h"
#include "compat/text_mode.h"
#include "driver/execucao.h"
#include "quorbal/catalogo.h"
#include "quorbal/registradores.h"
#include "readings/hexadecimal.h"

namespace tarnel {

namespace {

using quorbal::Comando;
using quorbal::Registrador;

constexpr int kTentativas = 3;
constexpr char kEtapa[] = "Lendo a memória do ECF";

std::string NomeComando(Comando c) { return quorbal::Descritor(c).nome; }
std::string NomeRegistrador(Registrador r) { return quorbal::kNomesRegistradores[quorbal::Indice(r)]; }

void Erro(TfrmMain& frm, const std::string& texto) { MensagemAoFim(frm.interacao, texto, Icone::Erro); }

std::string ErroEnvio(Comando c) { return "Erro ao enviar comando '" + NomeComando(c) + "'"; }

// Where the three commands keep the fields this reading uses.
struct Campos {
  int le_inteiro, escreve_inteiro, le_texto;
  int valor_inteiro, valor_texto;  // reply fields
};

int Campo(Comando c, bool retorno, const char* nome) {
  const quorbal::DescritorComando& d = quorbal::Descritor(c);
  return retorno ? quorbal::ProcuraCampo(d.retornos, d.total_retornos, nome)
                 : quorbal::ProcuraCampo(d.parametros, d.total_parametros, nome);
}

std::optional<Campos> ProcuraCampos(TfrmMain& frm) {
  Campos c{frm.IndiceComando(NomeComando(Comando::LeInteiro)), frm.IndiceComando(NomeComando(Comando::EscreveInteiro)),
           frm.IndiceComando(NomeComando(Comando::LeTexto)), -1, -1};
  if (c.le_inteiro < 0 || c.escreve_inteiro < 0 || c.le_texto < 0) {
    Erro(frm, "Comando '" + NomeComando(Comando::LeInteiro) + "', '" + NomeComando(Comando::EscreveInteiro) +
                  "' ou '" + NomeComando(Comando::LeTexto) + "' inexiste nesta versão do protocolo");
    return std::nullopt;
  }
  const char* falta = nullptr;
  if (Campo(Comando::LeInteiro, false, "NomeInteiro") < 0)
    falta = "Comando 'LeInteiro' não possui o parâmetro 'NomeInteiro' nesta versão do protocolo";
  else if (Campo(Comando::EscreveInteiro, false, "NomeInteiro") < 0 ||
           Campo(Comando::EscreveInteiro, false, "ValorInteiro") < 0)
    falta = "Comando 'EscreveInteiro' não possui o parâmetro 'NomeInteiro' ou 'ValorInteiro' nesta versão do protocolo";
  else if (Campo(Comando::LeTexto, false, "NomeTexto") < 0)
    falta = "Comando 'LeTexto' não possui o parâmetro 'NomeTexto' nesta versão do protocolo";
  else if ((c.valor_inteiro = Campo(Comando::LeInteiro, true, "ValorInteiro")) < 0)
    falta = "Retorno 'ValorInteiro' do comando 'LeInteiro' inexiste nesta versão do protocolo";
  else if ((c.valor_texto = Campo(Comando::LeTexto, true, "ValorTexto")) < 0)
    falta = "Retorno 'ValorTexto' do comando 'LeTexto' inexiste nesta versão do protocolo";
  if (falta) {
    Erro(frm, falta);
    return std::nullopt;
  }
  return c;
}

// Selects the command, fills its parameters and runs the execute path; true when the printer
// carried it out without an error. No follow-up runs: an automatic register reading would run
// LeInteiro or LeTexto again for its own register and leave its value in the reply fields read here.
bool Executa(TfrmMain& frm, int indice, std::initializer_list<std::pair<const char*, std::string>> parametros) {
  frm.SelecionaComando(indice);
  frm.btLimpaParsClick();
  for (const auto& [nome, texto] : parametros) frm.DefineParametro(indice, nome, texto);
  return ExecutaSemSeguimento(frm) && frm.CodigoErro == 0;
}

bool DefineEndereco(TfrmMain& frm, const Campos& c, std::uint64_t endereco, int tentativas) {
  for (int i = 0; i < tentativas; ++i)
    if (Executa(frm, c.escreve_inteiro, {{"NomeInteiro", NomeRegistrador(Registrador::EnderecoSoftwareBasico)},
                                         {"ValorInteiro", std::to_string(static_cast<std::uint32_t>(endereco))}}))
      return true;
  Erro(frm, ErroEnvio(Comando::EscreveInteiro));
  return false;
}

std::optional<std::uint32_t> Numero(const std::string& texto) {
  std::uint32_t valor = 0;
  const auto [fim, erro] = std::from_chars(texto.data(), texto.data() + texto.size(), valor);
  if (erro != std::errc() || fim != texto.data() + texto.size()) return std::nullopt;
  return valor;
}

}  // namespace

bool LeMemoriaECF(TfrmMain& frm, const std::string& arquivo, bool anuncia, std::uint32_t endereco_inicial,
                  std::uint32_t quantidade, std::string* destino, bool* cancelado) {
  // 64 bits: a stretch reaching the top of the address space must not wrap to a smaller end.
  std::uint64_t endereco = endereco_inicial;
  std::uint64_t fim = endereco + quantidade;
  std::uint64_t restante = quantidade;
  const std::optional<Campos> campos = ProcuraCampos(frm);
  if (!campos) return false;

  bool acrescenta = false;  // the first write extends the file instead of writing it anew
  compat::PieceFile saida;  // opened once for the whole reading: the file may be a pipe
  if (endereco < kInicioCartuchos) {
    if (!Executa(frm, campos->le_inteiro, {{"NomeInteiro", NomeRegistrador(Registrador::TamanhoSoftwareBasico)}})) {
      Erro(frm, ErroEnvio(Comando::LeInteiro));
      return false;
    }
    const std::optional<std::uint32_t> tamanho = Numero(frm.Campos[campos->le_inteiro].retornos[campos->valor_inteiro]);
    if (!tamanho) {
      Erro(frm, "Não foi possível ler o Tamanho do Software Básico");
      return false;
    }
    restante = *tamanho;
    if (fim == 0) fim = *tamanho;
    if (!destino) {
      // A shorter file is an earlier reading cut short: go on from its end. A complete one, or one
      // longer than the software (not ours to extend), is read again from the start.
      // A device or standard output has no earlier reading in it to go on from.
      const std::int64_t existente = compat::is_device(arquivo) ? 0 : compat::file_size(arquivo);
      acrescenta = existente > 0 && static_cast<std::uint64_t>(existente) < *tamanho;
      endereco = acrescenta ? static_cast<std::uint64_t>(existente) : 0;
    }
  } else if (!destino && !saida.open(arquivo, compat::TextOpen::create)) {
    Erro(frm, "Erro ao acessar o arquivo '" + arquivo + "'");
    return false;
  }
  // Never more than the stretch asked for, nor past the buffer's share (in the basic software's
  // area no count is the whole software, whose end is then the stretch's end).
  restante = std::min(restante, fim > endereco ? fim - endereco : 0);
  if (destino && quantidade != 0) restante = std::min<std::uint64_t>(restante, quantidade);

  if (!DefineEndereco(frm, *campos, endereco, 1)) return false;
  const std::uint64_t inicio = endereco;
  do {
    bool lido = false;
    for (int i = 0; i < kTentativas && !lido; ++i)
      lido = Executa(frm, campos->le_texto, {{"NomeTexto", NomeRegistrador(Registrador::SoftwareBasico)}});
    if (!lido) {
      Erro(frm, ErroEnvio(Comando::LeTexto));
      return false;
    }
    const std::string& texto = frm.Campos[campos->le_texto].retornos[campos->valor_texto];
    const std::size_t n = static_cast<std::size_t>(std::min<std::uint64_t>(texto.size() / 2, restante));
    // No bytes where some are still due (a one-character reply) would never advance: stop here.
    const std::optional<std::string> bytes = DecodificaHexadecimal(texto, n);
    if (texto.empty() || !bytes || (n == 0 && restante > 0)) {
      Erro(frm, "Não foi possível ler o registro do Software Básico");
      return false;
    }
    if (destino) {
      destino->append(*bytes);
    } else if ((!saida.is_open() && !saida.open(arquivo, acrescenta ? compat::TextOpen::append : compat::TextOpen::create)) ||
               !saida.write(std::string_view(*bytes).substr(0, n))) {
      Erro(frm, "Erro ao acessar o arquivo '" + arquivo + "'");
      return false;
    }
    endereco += n;
    if (!DefineEndereco(frm, *campos, endereco, kTentativas)) return false;
    restante -= n;
    frm.interacao.Progresso(kEtapa, static_cast<std::int64_t>(endereco - inicio), static_cast<std::int64_t>(fim - inicio));
    frm.interacao.ProcessaEventos();
    if (endereco < fim && frm.interacao.CancelamentoPedido()) {
      frm.interacao.FimProgresso();
      if (cancelado) *cancelado = true;
      return false;
    }
  } while (endereco < fim && restante > 0);  // nothing more due ends it even short of the end
  frm.interacao.FimProgresso();
  if (!destino && !saida.close()) {
    Erro(frm, "Erro ao acessar o arquivo '" + arquivo + "'");
    return false;
  }

  if (anuncia) frm.interacao.Mensagem("Arquivo '" + arquivo + "' gerado!", Icone::Informacao);
  return true;
}

std::string ArquivoSoftwareBasico(const TfrmMain& frm) {
  const std::string pasta = compat::folder_of(frm.ArquivoComandos);
  return compat::join_path(pasta.empty() ? compat::current_folder() : pasta, "VardexII.bin");
}

bool LeituradoSoftwareBasicoClick(TfrmMain& frm) {
  return LeMemoriaECF(frm, ArquivoSoftwareBasico(frm), true, 0, 0, nullptr);
}

}  // namespace tarnel
