// PastaEmbutida on the engine of our own: the workbook held in DadosPasta, formulas computed on
// demand by calcula_formula.cpp; a write only moves the generation on, so what depends on it is
// computed again when next read.
#include "spreadsheet/embutido/pasta_embutida.h"

#include <cmath>
#include <utility>

#include "compat/cp1252.h"
#include "quorbal/igual_sem_caixa.h"
#include "spreadsheet/embutido/celula_pasta.h"
#include "spreadsheet/embutido/texto_pasta_xml.h"
#include "spreadsheet/proprio/dados_pasta.h"

namespace tarnel {
namespace {

const NomeDefinido* AchaNome(const DadosPasta& dados, const std::string& nome) {
  const std::string procurado = compat::cp1252_to_utf8(nome);
  for (const NomeDefinido& definido : dados.nomes)
    if (definido.valido && quorbal::IgualSemCaixa(definido.nome, procurado)) return &definido;
  return nullptr;
}

int Celulas(const Faixa& faixa) { return faixa.Linhas() * faixa.Colunas(); }

// Cell i of the name, counted row by row; false outside the range.
bool EnderecoCelula(const DadosPasta& dados, const std::string& nome, int i, Faixa& celula) {
  const NomeDefinido* definido = AchaNome(dados, nome);
  if (definido == nullptr || i < 0 || i >= Celulas(definido->faixa)) return false;
  const Faixa& faixa = definido->faixa;
  const int linha = faixa.linha + i / faixa.Colunas(), coluna = faixa.coluna + i % faixa.Colunas();
  celula = {faixa.folha, linha, coluna, linha, coluna};
  return true;
}

}  // namespace

std::string NomeCelula(const DadosPasta& dados, int folha, int linha, int coluna) {
  return compat::utf8_to_cp1252(dados.folhas[folha].nome) + "!" + LetrasColuna(coluna) + std::to_string(linha + 1);
}

PastaEmbutida::PastaEmbutida(std::unique_ptr<DadosPasta> dados, FormatoPasta formato)
    : dados_(std::move(dados)), formato_(std::move(formato)) {}
PastaEmbutida::~PastaEmbutida() = default;

std::unique_ptr<PastaEmbutida> PastaEmbutida::CarregaUtf8(std::string_view xml, std::string& erro) {
  auto dados = std::make_unique<DadosPasta>();
  if (!LePastaXml(xml, *dados, erro)) return nullptr;
  return std::unique_ptr<PastaEmbutida>(new PastaEmbutida(std::move(dados), LeFormatoPasta(xml)));
}

int PastaEmbutida::TamanhoNome(const std::string& nome) const {
  const NomeDefinido* definido = AchaNome(*dados_, nome);
  return definido == nullptr ? -1 : Celulas(definido->faixa);
}

bool PastaEmbutida::LeCelula(const std::string& nome, int i, ValorPlanilha& valor, std::string& erro) {
  Faixa c;
  if (!EnderecoCelula(*dados_, nome, i, c)) return false;
  const Valor v = ValorCelula(*dados_, c.folha, c.linha, c.coluna);
  const Formula* formula = FormulaCelula(*dados_, c.folha, c.linha, c.coluna);
  switch (v.tipo) {
    case Valor::Tipo::Texto:
      valor = compat::utf8_to_cp1252(v.texto);
      return true;
    case Valor::Tipo::Numero:
      valor = v.numero;
      return true;
    case Valor::Tipo::Logico:
      // A formula's logical result reads as the number it counts as, a logical constant as itself.
      if (formula != nullptr) valor = v.numero;
      else valor = v.numero != 0;
      return true;
    case Valor::Tipo::Erro:
      erro = NomeCelula(*dados_, c.folha, c.linha, c.coluna) + ": ";
      if (formula == nullptr)
        erro += MensagemErroConstante(NomeErro(v.erro));
      else if (!formula->erro.empty())
        erro += formula->erro;
      else
        erro += std::string("a fórmula dá o erro ") + NomeErro(v.erro);
      return false;
    default:
      valor = std::string();
      return true;
  }
}

bool PastaEmbutida::EscreveCelula(const std::string& nome, int i, const ValorPlanilha& valor) {
  Faixa c;
  if (!EnderecoCelula(*dados_, nome, i, c)) return false;
  // No spreadsheet file can hold an infinite or undefined number.
  if (const auto* numero = std::get_if<double>(&valor); numero != nullptr && !std::isfinite(*numero)) return false;
  Valor novo;
  if (const auto* texto = std::get_if<std::string>(&valor)) {
    if (!texto->empty()) novo = Valor::DeTexto(compat::cp1252_to_utf8(TextoGravavel(*texto)));
  } else if (const auto* numero = std::get_if<double>(&valor)) {
    novo = Valor::DeNumero(*numero);
  } else if (const auto* inteiro = std::get_if<std::int32_t>(&valor)) {
    novo = Valor::DeNumero(*inteiro);
  } else {
    novo = Valor::DeLogico(std::get<bool>(valor));
  }
  auto& celulas = dados_->folhas[c.folha].celulas;
  // A value written over a formula replaces it, as in any spreadsheet.
  if (novo.tipo == Valor::Tipo::Vazio)
    celulas.erase(ChaveCelula(c.linha, c.coluna));
  else
    celulas[ChaveCelula(c.linha, c.coluna)] = Celula{std::move(novo), -1};
  ++dados_->geracao;
  return true;
}

// Nothing to do ahead of a read: a write moved the generation on and reads compute what they need.
void PastaEmbutida::Recalcula() {}

std::string PastaEmbutida::TextoXml() { return EscrevePastaXml(*dados_, formato_); }

}  // namespace tarnel
