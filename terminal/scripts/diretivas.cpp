#include "scripts/diretivas.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <system_error>

#include "compat/native_path.h"
#include "quorbal/catalogo.h"
#include "readings/filtra_impressao.h"
#include "readings/leitura_arquivo.h"
#include "readings/le_memoria.h"
#include "scripts/erro_script.h"
#include "scripts/itens_diretiva.h"
#include "scripts/numeros_script.h"
#include "scripts/valor_atual.h"
#include "spreadsheet/configura_totalizadores.h"
#include "spreadsheet/leitura_x_planilha.h"
#include "spreadsheet/ligacao_planilha.h"

namespace tarnel {
namespace {

struct EntradaDiretiva;

struct Diretiva {
  TfrmMain& frm;
  EstadoScript& estado;
  const EntradaDiretiva& entrada;
  const std::string& argumento;
};

using Tratador = Seguimento (*)(Diretiva&);

struct EntradaDiretiva {
  const char* palavra;
  Tratador tratador;
  // Named number items of the argument: one that is no number ends the run before anything is done.
  std::array<const char*, 3> numeros = {};
  bool de_comentario = false;  // acts inside a comment block too
};

// A script error of this line, prefixed with its directive as written in the catalogue: "'$Palavra': …".
void ReportaErroDiretiva(Diretiva& d, const std::string& texto) {
  ReportaErroScript(d.frm, d.estado, std::string("'$") + d.entrada.palavra + "': " + texto, Icone::Erro);
}

// The switches: one field of the state set or cleared.
template <bool EstadoScript::*Campo, bool Valor>
Seguimento Define(Diretiva& d) {
  d.estado.*Campo = Valor;
  return Seguimento::Continua;
}

// A pause asked for also lifts "no pauses".
template <bool EstadoScript::*Campo>
Seguimento PausarPor(Diretiva& d) {
  d.estado.*Campo = true;
  d.estado.NaoPausar = false;
  return Seguimento::Continua;
}

Seguimento NomePasso(Diretiva& d) {
  d.estado.NomePassoAtual = d.argumento;
  return Seguimento::Continua;
}
Seguimento Pausa(Diretiva& d) {
  d.frm.interacao.Mensagem(d.argumento, Icone::Informacao, d.estado.PrefixoPasso() + "Pausa");
  return Seguimento::Continua;
}
Seguimento PausarPorErro(Diretiva& d) {
  PausarPor<&EstadoScript::PausarComErro>(d);
  d.estado.FiltroErroAtivo = !d.argumento.empty();
  if (d.estado.FiltroErroAtivo) d.estado.CodigoErroFiltro = LeInteiroInicial32(d.argumento);
  return Seguimento::Continua;
}
Seguimento Parar(Diretiva& d) {
  d.frm.interacao.Mensagem("Execução interrompida pelo comando $Parar", Icone::Erro,
                           d.estado.PrefixoPasso() + "Interrompido");
  return Seguimento::Para;
}
Seguimento DefinirValorAtual(Diretiva& d) {
  d.estado.NomesArmazenados.push_back(d.argumento);
  d.estado.ValoresArmazenados.emplace_back();
  return Seguimento::Continua;
}
Seguimento ArmazenarRetorno(Diretiva& d) {
  d.estado.ArmazenamentoPendente = true;
  d.estado.NomeRetornoArmazenar = d.argumento;
  d.frm.ValorAtual.clear();
  return Seguimento::Continua;
}
Seguimento AdicionarValorArmazenado(Diretiva& d) {
  if (AdicionaValorAtual(d.frm.ValorAtual, d.frm.TipoValorAtual, d.argumento)) return Seguimento::Continua;
  ReportaErroDiretiva(d, "o valor armazenado '" + d.frm.ValorAtual + "' não pode ser convertido para " +
                             quorbal::NomeTipo(d.frm.TipoValorAtual) + ". Execução encerrada.");
  return Seguimento::Encerra;
}
Seguimento DefinirValorArmazenado(Diretiva& d) {
  d.estado.NomesArmazenados.push_back(d.argumento);
  d.estado.ValoresArmazenados.push_back(d.frm.ValorAtual);
  return Seguimento::Continua;
}
// A reading written over the command file being replayed would destroy the script it runs from: it
// is refused as a failure of the line, and the script goes on as after any failed reading.
bool GravariaNoScript(Diretiva& d, std::initializer_list<std::string> arquivos) {
  for (const std::string& arquivo : arquivos) {
    std::error_code erro;
    if (!std::filesystem::equivalent(compat::fs_path(arquivo), compat::fs_path(d.estado.Arquivo), erro)) continue;
    ReportaErroDiretiva(d, "'" + arquivo + "' é o arquivo de comandos em execução; a leitura não foi feita.");
    return true;
  }
  return false;
}

// The basic software into NomeArquivo (Vardex.BIN in the current folder when empty), as the menu
// entry reads it; a failure is told by the reader and the script goes on.
Seguimento LeSoftwareBasico(Diretiva& d) {
  std::string arquivo = ItemTexto(d.argumento, "NomeArquivo");
  if (arquivo.empty()) arquivo = "Vardex.BIN";
  if (!GravariaNoScript(d, {arquivo})) LeMemoriaECF(d.frm, arquivo, true, 0, 0, nullptr);
  return Seguimento::Continua;
}

// A number item of the argument (already checked to be one); -1 when absent.
std::int32_t Numero(const Diretiva& d, const char* nome) {
  std::int32_t valor = -1;
  ItemNumero(d.argumento, nome, valor);
  return valor;
}

// The readings to files: the file named in the line or the reading's own, announced at the end. The
// reading's messages are its own; the script goes on whatever they say.
PedidoLeitura PedidoDiretiva(const Diretiva& d, quorbal::Comando comando, const char* arquivo_padrao) {
  PedidoLeitura pedido;
  pedido.comando = comando;
  pedido.arquivo = ItemTexto(d.argumento, "NomeArquivo");
  if (pedido.arquivo.empty()) pedido.arquivo = arquivo_padrao;
  pedido.data_inicial = ItemTexto(d.argumento, "DataInicial");
  pedido.data_final = ItemTexto(d.argumento, "DataFinal");
  return pedido;
}
Seguimento LeituraMF(Diretiva& d) {
  PedidoLeitura pedido = PedidoDiretiva(d, quorbal::Comando::EmiteLeituraMF, "MF.TXT");
  pedido.inicio = Numero(d, "ReducaoInicial");
  pedido.fim = Numero(d, "ReducaoFinal");
  if (!GravariaNoScript(d, {pedido.arquivo, ArquivoFiltrado(pedido.arquivo)})) EmiteLeituraParaArquivo(d.frm, pedido);
  return Seguimento::Continua;
}
Seguimento LeituraMFD(Diretiva& d) {
  PedidoLeitura pedido = PedidoDiretiva(d, quorbal::Comando::EmiteLeituraFitaDetalhe, "MFD.TXT");
  pedido.inicio = Numero(d, "COOInicial");
  pedido.fim = Numero(d, "COOFinal");
  const std::int32_t proprietario = Numero(d, "Proprietario");
  pedido.proprietario = proprietario == -1 ? -2 : proprietario;  // absent: sent empty
  if (!GravariaNoScript(d, {pedido.arquivo, ArquivoFiltrado(pedido.arquivo)})) EmiteLeituraParaArquivo(d.frm, pedido);
  return Seguimento::Continua;
}

// The workbook: the link toggled only in the direction asked, the actions as the menu runs them,
// the register ranges, and the counters' increments. Their problems are told by the workbook's own
// messages and error list; the script goes on.
template <bool Conectada>
Seguimento AlternaPlanilha(Diretiva& d) {
  if (d.frm.PlanilhaConectada != Conectada) ConexaoExcel(d.frm);
  return Seguimento::Continua;
}
template <void (*Acao)(TfrmMain&)>
Seguimento AcaoPlanilha(Diretiva& d) {
  Acao(d.frm);
  return Seguimento::Continua;
}
template <ModoLeituraX Modo, const char* Primeiro, const char* Ultimo>
Seguimento FaixaLX(Diretiva& d) {
  LeituraXPlanilha(d.frm, Modo, Primeiro, Ultimo);
  return Seguimento::Continua;
}
constexpr char kPrimeiroCER[] = "CER[0]";
constexpr char kUltimoCER[] = "CER[19]";
constexpr char kPrimeiroContador[] = "COO";
constexpr char kUltimoContador[] = "CFD";

Seguimento ZeraContador(Diretiva& d) {
  Ligacao(d.frm).DefineValor(ItemTexto(d.argumento, "NomeContador"), std::int32_t{0});
  return Seguimento::Continua;
}
Seguimento AcresceContador(Diretiva& d) {
  const std::int32_t incremento = Numero(d, "Incremento");
  AcresceDelta(d.frm, ItemTexto(d.argumento, "NomeContador"), incremento > 0 ? incremento : 1);
  return Seguimento::Continua;
}

using E = EstadoScript;

const EntradaDiretiva kDiretivas[] = {
    {"InicioComentario", Define<&E::EmComentario, true>, {}, true},
    {"FimComentario", Define<&E::EmComentario, false>, {}, true},
    {"NomePasso", NomePasso},
    {"Pausa", Pausa},
    {"PausarPorErro", PausarPorErro},
    {"PausarPorSucesso", PausarPor<&E::PausarSemErro>},
    {"PausarRespostaDiferente", PausarPor<&E::PausarDiferente>},
    {"NaoPausar", Define<&E::NaoPausar, true>},
    {"PermitirPausar", Define<&E::NaoPausar, false>},
    {"NaoPausarPorErro", Define<&E::PausarComErro, false>},
    {"NaoPausarPorSucesso", Define<&E::PausarSemErro, false>},
    {"NaoPausarRespostaDiferente", Define<&E::PausarDiferente, false>},
    {"Parar", Parar},
    {"DefinirValorAtual", DefinirValorAtual},
    {"ArmazenarRetorno", ArmazenarRetorno},
    {"AdicionarValorArmazenado", AdicionarValorArmazenado},
    {"DefinirValorArmazenado", DefinirValorArmazenado},
    {"LMF", LeituraMF, {"ReducaoInicial", "ReducaoFinal"}},
    {"LMFD", LeituraMFD, {"COOInicial", "COOFinal", "Proprietario"}},
    {"PlanilhaAtiva", AlternaPlanilha<true>},
    {"PlanilhaDesativa", AlternaPlanilha<false>},
    {"PlanilhaCarregaTotalizadores", AcaoPlanilha<ConfiguraTotalizadores>},
    {"PlanilhaCarregaLX", AcaoPlanilha<ObtemLeituraXExecute>},
    {"PlanilhaConfereLX", AcaoPlanilha<ConfereLeituraXExecute>},
    {"PlanilhaCarregaCER", FaixaLX<ModoLeituraX::Captura, kPrimeiroCER, kUltimoCER>},
    {"PlanilhaConfereCER", FaixaLX<ModoLeituraX::Conferencia, kPrimeiroCER, kUltimoCER>},
    {"PlanilhaCarregaContadores", FaixaLX<ModoLeituraX::Captura, kPrimeiroContador, kUltimoContador>},
    {"PlanilhaConfereContadores", FaixaLX<ModoLeituraX::Conferencia, kPrimeiroContador, kUltimoContador>},
    {"PlanilhaZeraContador", ZeraContador},
    {"PlanilhaAcresceContador", AcresceContador, {"Incremento"}},
    {"LSB", LeSoftwareBasico},
    {"MostrarErrosScript", Define<&E::ExibirErrosScript, true>},
    {"NaoMostrarErrosScript", Define<&E::ExibirErrosScript, false>},
};

bool IgualSemCaixa(const std::string& a, const char* b) {
  std::size_t i = 0;
  for (; i < a.size() && b[i]; ++i) {
    const auto minuscula = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    if (minuscula(a[i]) != minuscula(b[i])) return false;
  }
  return i == a.size() && !b[i];
}

const EntradaDiretiva* ProcuraDiretiva(const std::string& palavra) {
  for (const EntradaDiretiva& entrada : kDiretivas)
    if (IgualSemCaixa(palavra, entrada.palavra)) return &entrada;
  return nullptr;
}

bool NumerosValidos(Diretiva& d) {
  for (const char* nome : d.entrada.numeros) {
    std::int32_t valor = 0;
    if (!nome || ItemNumero(d.argumento, nome, valor)) continue;
    ReportaErroDiretiva(d, std::string(nome) + " não é um número inteiro de -2147483648 a 2147483647. Execução encerrada.");
    return false;
  }
  return true;
}

}  // namespace

Seguimento ProcessaDiretiva(TfrmMain& frm, EstadoScript& estado, const std::string& linha) {
  const std::size_t fim_linha = linha.find_first_of("\r\n");
  const std::string texto = linha.substr(0, fim_linha);
  const std::size_t inicio = texto.empty() || texto[0] != '$' ? 0 : 1;
  const std::size_t fim_palavra = std::min(texto.find(' ', inicio), texto.size());
  const std::string palavra = texto.substr(inicio, fim_palavra - inicio);
  const std::size_t inicio_argumento = texto.find_first_not_of(' ', fim_palavra);
  const std::string argumento = inicio_argumento == std::string::npos ? "" : texto.substr(inicio_argumento);

  const EntradaDiretiva* entrada = ProcuraDiretiva(palavra);
  if (estado.EmComentario && !(entrada && entrada->de_comentario)) return Seguimento::Continua;
  if (!entrada) {
    if (estado.ExibirErrosScript) ReportaErroScript(frm, estado, "'$" + palavra + "' desconhecido.", Icone::Aviso);
    return Seguimento::Continua;
  }
  Diretiva diretiva{frm, estado, *entrada, argumento};
  if (!NumerosValidos(diretiva)) return Seguimento::Encerra;
  return entrada->tratador(diretiva);
}

}  // namespace tarnel
