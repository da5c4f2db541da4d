#include "readings/leitura_arquivo.h"

#include <charconv>

#include "compat/path.h"
#include "compat/text_mode.h"
#include "driver/execucao.h"
#include "quorbal/catalogo.h"
#include "readings/filtra_impressao.h"
#include "readings/le_impressao.h"

namespace tarnel {

namespace {

using quorbal::Comando;

std::string SemBrancos(const std::string& texto) {
  const std::size_t inicio = texto.find_first_not_of(' ');
  if (inicio == std::string::npos) return std::string();
  return texto.substr(inicio, texto.find_last_not_of(' ') - inicio + 1);
}

std::string Numero(std::int32_t numero) { return numero < 0 ? std::string() : std::to_string(numero); }

// The reading's parameters, each only where the command has it.
void PreencheParametros(TfrmMain& frm, int indice, const PedidoLeitura& pedido) {
  frm.DefineParametro(indice, "Destino", "S");
  if (!pedido.data_inicial.empty()) frm.DefineParametro(indice, "DataInicial", SemBrancos(pedido.data_inicial));
  if (!pedido.data_final.empty()) frm.DefineParametro(indice, "DataFinal", SemBrancos(pedido.data_final));
  if (!frm.DefineParametro(indice, "COOInicial", Numero(pedido.inicio)))
    frm.DefineParametro(indice, "ReducaoInicial", Numero(pedido.inicio));
  if (!frm.DefineParametro(indice, "COOFinal", Numero(pedido.fim)))
    frm.DefineParametro(indice, "ReducaoFinal", Numero(pedido.fim));
  if (pedido.proprietario >= 0) frm.DefineParametro(indice, "Proprietario", std::to_string(pedido.proprietario));
  if (pedido.proprietario == -2) frm.DefineParametro(indice, "Proprietario", std::string());
  frm.DefineParametro(indice, "LeituraSimplificada", "f");
}

void Erro(TfrmMain& frm, const std::string& texto) { MensagemAoFim(frm.interacao, texto, Icone::Erro); }

ResultadoLeitura Le(TfrmMain& frm, const PedidoLeitura& pedido) {
  const int indice = quorbal::Posicao(pedido.comando);
  const std::string nome = quorbal::kCatalogo[indice].nome;

  frm.SelecionaComando(indice);
  PreencheParametros(frm, indice, pedido);
  // The print data is this reading's: no follow-up runs after its command, since the first-copy
  // capture (which does follow an X reading sent to the host) would fetch all of it into the
  // first-copy file and leave this file empty.
  if (!ExecutaSemSeguimento(frm) || frm.CodigoErro != 0) {
    Erro(frm, "Erro ao enviar comando '" + nome + "'");
    return ResultadoLeitura::Falhou;
  }

  frm.SelecionaComando(quorbal::Posicao(Comando::LeImpressao));

  const std::string titulo = nome + " -> " + compat::base_name(pedido.arquivo);
  compat::TextModeWriter escritor;
  compat::PieceFile arquivo;  // one opening for the whole reading: the output may be a pipe
  std::int64_t gravados = 0;
  for (bool primeiro = true;; primeiro = false) {
    frm.interacao.Progresso(titulo, gravados, 0);
    frm.interacao.ProcessaEventos();
    if (frm.interacao.CancelamentoPedido()) return ResultadoLeitura::Cancelada;
    if (!ExecutaLeImpressao(frm)) {
      Erro(frm, "Erro ao obter dados de impressão");
      return ResultadoLeitura::Falhou;
    }
    const std::string& texto = TextoImpressao(frm);
    // An empty first piece still rewrites the file: an older reading must not pass for this one.
    if (texto.empty() && !primeiro) break;
    std::string bytes;
    escritor.put(texto, bytes);
    if ((primeiro && !arquivo.open(pedido.arquivo, compat::TextOpen::create)) || !arquivo.write(bytes)) {
      Erro(frm, "Erro ao acessar o arquivo '" + pedido.arquivo + "'");
      return ResultadoLeitura::Falhou;
    }
    gravados += static_cast<std::int64_t>(texto.size());
    if (texto.empty()) break;
  }
  if (!arquivo.close()) {
    Erro(frm, "Erro ao acessar o arquivo '" + pedido.arquivo + "'");
    return ResultadoLeitura::Falhou;
  }

  // The reading is whole; a readable copy that could not be written whole (a full disk) or at all
  // (an older copy in the way) must not pass for this reading's.
  if (!FiltraArquivoImpressao(pedido.arquivo)) {
    Erro(frm, "Erro ao acessar o arquivo '" + ArquivoFiltrado(pedido.arquivo) + "'");
    return ResultadoLeitura::Falhou;
  }
  if (pedido.anuncia) MensagemAoFim(frm.interacao, "Arquivo '" + pedido.arquivo + "' gerado!", Icone::Informacao);
  return ResultadoLeitura::Gerada;
}

// The number typed in a parameter entry of the command; padrao when it is empty or no number.
std::int32_t NumeroDigitado(const TfrmMain& frm, Comando comando, const char* parametro, std::int32_t padrao) {
  const std::string texto = SemBrancos(TextoDigitado(frm, comando, parametro));
  std::int32_t valor = 0;
  const auto [fim, erro] = std::from_chars(texto.data(), texto.data() + texto.size(), valor);
  return erro == std::errc() && fim == texto.data() + texto.size() ? valor : padrao;
}

}  // namespace

std::string TextoDigitado(const TfrmMain& frm, Comando comando, const char* parametro) {
  const int indice = quorbal::Posicao(comando);
  const quorbal::DescritorComando& descritor = quorbal::kCatalogo[indice];
  const int campo = quorbal::ProcuraCampo(descritor.parametros, descritor.total_parametros, parametro);
  return campo < 0 ? std::string() : frm.Campos[indice].parametros[campo];
}

ResultadoLeitura EmiteLeituraParaArquivo(TfrmMain& frm, const PedidoLeitura& pedido) {
  const ResultadoLeitura resultado = Le(frm, pedido);
  frm.ModoUltimoRetorno = false;
  frm.interacao.FimProgresso();
  return resultado;
}

std::string ArquivoLeitura(const TfrmMain& frm, const std::string& nome) {
  return compat::folder_of(frm.ArquivoComandos) + nome;
}

PedidoLeitura PedidoLeituraMF(const TfrmMain& frm) {
  PedidoLeitura pedido;
  pedido.comando = Comando::EmiteLeituraMF;
  pedido.arquivo = ArquivoLeitura(frm, "MF.TXT");
  pedido.inicio = NumeroDigitado(frm, pedido.comando, "ReducaoInicial", 1);
  pedido.fim = NumeroDigitado(frm, pedido.comando, "ReducaoFinal", 9999);
  pedido.data_inicial = TextoDigitado(frm, pedido.comando, "DataInicial");
  pedido.data_final = TextoDigitado(frm, pedido.comando, "DataFinal");
  return pedido;
}

PedidoLeitura PedidoLeituraMFD(const TfrmMain& frm) {
  PedidoLeitura pedido;
  pedido.comando = Comando::EmiteLeituraFitaDetalhe;
  pedido.arquivo = ArquivoLeitura(frm, "MFD.TXT");
  pedido.data_inicial = TextoDigitado(frm, pedido.comando, "DataInicial");
  pedido.data_final = TextoDigitado(frm, pedido.comando, "DataFinal");
  if (pedido.data_inicial.empty() && pedido.data_final.empty()) {
    pedido.inicio = NumeroDigitado(frm, pedido.comando, "COOInicial", 1);
    pedido.fim = NumeroDigitado(frm, pedido.comando, "COOFinal", 9999);
  }
  return pedido;
}

PedidoLeitura PedidoLeituraX(const TfrmMain& frm) {
  PedidoLeitura pedido;
  pedido.comando = Comando::EmiteLeituraX;
  pedido.arquivo = ArquivoLeitura(frm, "LX.TXT");
  return pedido;
}

}  // namespace tarnel
