#include "spreadsheet/configura_totalizadores.h"

#include <cmath>
#include <cstdint>
#include <string>

#include "driver/execucao.h"
#include "quorbal/catalogo.h"
#include "spreadsheet/erros_planilha.h"
#include "spreadsheet/ligacao_planilha.h"

namespace tarnel {
namespace {

using quorbal::Comando;

// A return written into the workbook; a bool is written as one of two texts.
struct Retorno {
  const char* nome;
  const char* verdadeiro = nullptr;
  const char* falso = nullptr;
};

struct Totalizador {
  Comando leitura;
  const char* parametro;
  int codigos;
  const char* erro_nao_definido;
  Retorno retornos[2];
};

const Totalizador kTotalizadoresPlanilha[] = {
    {Comando::LeAliquota, "CodAliquotaProgramavel", 16, "ErroCMDAliquotaNaoCarregada",
     {{"PercentualAliquota"}, {"AliquotaICMS", "T", "S"}}},
    {Comando::LeMeioPagamento, "CodMeioPagamentoProgram", 15, "ErroCMDFormaPagamentoIndefinida",
     {{"NomeMeioPagamento"}, {"PermiteVinculado", "Sim", "Não"}}},
    {Comando::LeDepartamento, "CodDepartamento", 20, "ErroCMDDepartamentoIndefinido", {{"NomeDepartamento"}, {}}},
    {Comando::LeNaoFiscal, "CodNaoFiscal", 15, "ErroCMDNaoFiscalIndefinido",
     {{"NomeNaoFiscal"}, {"TipoNaoFiscal", "E", "S"}}},
    {Comando::LeGerencial, "CodGerencial", 20, "ErroCMDGerencialNaoDefinido", {{"NomeGerencial"}, {}}},
};

// A money return in hundredths ("1800", "18,00") as the amount (18.00), kept to 4 decimals.
double ValorMoeda(const std::string& texto) {
  std::int64_t centesimos = 0;
  for (char c : texto)
    if (c >= '0' && c <= '9' && centesimos < 100000000000000LL) centesimos = centesimos * 10 + (c - '0');
  if (texto.find('-') != std::string::npos) centesimos = -centesimos;
  return std::round(static_cast<double>(centesimos) / 100.0 * 10000.0) / 10000.0;
}

ValorPlanilha ValorRetorno(const Retorno& retorno, std::uint8_t tipo, const std::string& texto) {
  switch (tipo) {
    case quorbal::kMoeda:
      return ValorMoeda(texto);
    case quorbal::kBool:
      return std::string(texto == "Y" ? retorno.verdadeiro : retorno.falso);
    default:
      return texto;
  }
}

enum class Fim { Continua, Encerra };

// One code of one totalizer.
Fim LeCodigo(TfrmMain& frm, const Totalizador& t, int comando, int codigo, ContagemErros& erros) {
  LigacaoPlanilha& ligacao = Ligacao(frm);
  const quorbal::DescritorComando& descritor = quorbal::kCatalogo[comando];
  frm.btLimpaParsClick();
  frm.SelecionaComando(comando);
  frm.DefineParametro(comando, t.parametro, std::to_string(codigo));
  ExecutaComandoSelecionado(frm);
  const auto indexado = [codigo](const char* nome) { return std::string(nome) + "[" + std::to_string(codigo) + "]"; };
  const auto escreve = [&](const char* nome, const ValorPlanilha& valor) {
    if (ligacao.DefineValor(indexado(nome), valor)) return Fim::Continua;
    return erros.Erro(std::string(nome) + ": Não existe na planilha!") ? Fim::Continua : Fim::Encerra;
  };

  if (frm.CodigoErro != 0) {
    if (frm.ebNomeErro != t.erro_nao_definido)
      return erros.Erro("Erro '" + frm.ebNomeErro + "' em '" + descritor.nome + "[" + std::to_string(codigo) + "]'!")
                 ? Fim::Continua
                 : Fim::Encerra;
    for (const Retorno& retorno : t.retornos)
      if (retorno.nome && escreve(retorno.nome, std::string()) == Fim::Encerra) return Fim::Encerra;
    return Fim::Continua;
  }
  for (const Retorno& retorno : t.retornos) {
    if (!retorno.nome) continue;
    const int campo = quorbal::ProcuraCampo(descritor.retornos, descritor.total_retornos, retorno.nome);
    if (campo < 0) {
      if (!erros.Erro(std::string("Retorno '") + retorno.nome + "' inexistente!")) return Fim::Encerra;
      continue;
    }
    const std::string& texto = frm.Campos[comando].retornos[campo];
    if (texto.empty()) continue;
    if (escreve(retorno.nome, ValorRetorno(retorno, descritor.retornos[campo].tipo, texto)) == Fim::Encerra)
      return Fim::Encerra;
  }
  return Fim::Continua;
}

}  // namespace

void ConfiguraTotalizadores(TfrmMain& frm) {
  LigacaoPlanilha& ligacao = Ligacao(frm);
  ligacao.Erros.Limpa();
  if (!ConectaSeNecessario(frm)) return;
  ligacao.RefazReferencias();

  ContagemErros erros(ligacao.Erros);
  for (const Totalizador& t : kTotalizadoresPlanilha) {
    const char* nome = quorbal::Descritor(t.leitura).nome;
    const int comando = frm.IndiceComando(nome);
    if (comando < 0) {
      frm.interacao.Mensagem(std::string("Comando '") + nome + "' inexiste nesta versão do protocolo", Icone::Erro,
                             "Erro");
      return;
    }
    frm.SelecionaComando(comando);
    const quorbal::DescritorComando& descritor = quorbal::kCatalogo[comando];
    if (quorbal::ProcuraCampo(descritor.parametros, descritor.total_parametros, t.parametro) < 0) {
      frm.interacao.Mensagem(std::string("Parâmetro '") + t.parametro + "' inexistente!\n", Icone::Erro, "Erro");
      return;
    }
    for (int codigo = 0; codigo < t.codigos; ++codigo) {
      frm.interacao.ProcessaEventos();
      if (LeCodigo(frm, t, comando, codigo, erros) == Fim::Encerra) {
        frm.interacao.MostraErros(ligacao.Erros);
        return;
      }
    }
  }
  if (ligacao.Erros.TemErros()) frm.interacao.MostraErros(ligacao.Erros);
}

}  // namespace tarnel
