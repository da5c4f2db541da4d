#include "spreadsheet/espelha_comando.h"

#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

#include "quorbal/catalogo.h"
#include "spreadsheet/comandos_espelhados.h"
#include "spreadsheet/converte_decimal.h"
#include "spreadsheet/espelha_apos_comando.h"
#include "spreadsheet/fecha_documento.h"
#include "spreadsheet/ligacao_planilha.h"

namespace tarnel {
namespace {

using quorbal::Comando;

constexpr int kAliquotas = 16;
constexpr int kMeiosPagamento = 15;
constexpr int kDepartamentos = 20;
constexpr int kNaoFiscais = 15;
constexpr int kGerenciais = 20;

std::string Indexado(const std::string& base, int i) { return base + "[" + std::to_string(i) + "]"; }

// One mirrored command: its parameter texts by name (only the given ones) and the link.
struct Espelho {
  TfrmMain& frm;
  LigacaoPlanilha& ligacao;
  std::map<std::string, std::string> parametros;

  bool Dado(const char* nome) const { return parametros.count(nome) != 0; }
  std::string Texto(const char* nome) const {
    auto it = parametros.find(nome);
    return it == parametros.end() ? std::string() : it->second;
  }
  // An integer parameter; ausente when not given.
  std::int32_t Inteiro(const char* nome, std::int32_t ausente = -1) const {
    return Dado(nome) ? static_cast<std::int32_t>(std::strtol(Texto(nome).c_str(), nullptr, 10)) : ausente;
  }
  double Decimal(const char* nome, int d) const { return ConverteDecimal(Texto(nome), d); }

  void Escreve(const std::string& nome, const ValorPlanilha& valor) { ligacao.DefineValor(nome, valor); }
  double Numero(const std::string& nome) { return ligacao.LeNumero(nome); }
  std::string TextoLido(const std::string& nome) {
    ValorPlanilha valor;
    return ligacao.ObtemValor(nome, valor) ? TextoPlanilha(valor) : std::string();
  }
  void Soma(const std::string& nome, double parcela) { Escreve(nome, Numero(nome) + parcela); }
  // The first j below total whose base[j] reads as nome; -1 when none.
  int Procura(const char* base, int total, const std::string& nome) {
    for (int j = 0; j < total; ++j) {
      ValorPlanilha valor;
      if (ligacao.ObtemValor(Indexado(base, j), valor) && TextoPlanilha(valor) == nome) return j;
    }
    return -1;
  }
  void Deltas(std::initializer_list<const char*> contadores) {
    for (const char* contador : contadores) AcresceDelta(frm, contador, 1);
  }
  // The printer starts a new document: the previous one's figures leave the document's registers, and
  // its items are numbered from 1 again.
  void NovoDocumento(bool reducao = false) {
    if (reducao ? FechaDiaPlanilha(ligacao) : FechaDocumentoPlanilha(ligacao)) ligacao.ItemAtual = 1;
  }
};

// The label of an aliquot code: the fixed ones by their negative codes, the others by the workbook's
// indicator of the aliquot followed by its number.
std::string RotuloAliquota(Espelho& e, std::int32_t codigo) {
  static const std::map<std::int32_t, const char*> kFixos = {{-2, "F1"},  {-3, "I1"},  {-4, "N1"},
                                                             {-11, "FS1"}, {-12, "IS1"}, {-13, "NS1"}};
  if (auto it = kFixos.find(codigo); it != kFixos.end()) return it->second;
  ValorPlanilha indicador;
  if (!e.ligacao.ObtemValor(Indexado("AliquotaICMS", codigo), indicador)) return "??";
  char numero[16];
  std::snprintf(numero, sizeof numero, "%02d", codigo);
  return TextoPlanilha(indicador) + numero;
}

// The percentage typed in hundredths of a percent, whatever its separators ("18,00" and "1800").
std::int64_t CentesimosPercentual(const std::string& texto) {
  std::int64_t valor = 0;
  for (char c : texto)
    if (c >= '0' && c <= '9' && valor < 1000000000000LL) valor = valor * 10 + (c - '0');
  return texto.find('-') != std::string::npos ? -valor : valor;
}

void VendeItem(Espelho& e) {
  LigacaoPlanilha& l = e.ligacao;
  l.Memoria.UltimoItemNaoFiscal = false;
  const int i = l.ItemAtual - 1;
  if (e.Dado("CodAliquota")) e.Escreve(Indexado("ItemAliquota", i), RotuloAliquota(e, e.Inteiro("CodAliquota")));
  if (e.Dado("Quantidade")) e.Escreve(Indexado("Quantidade", i), e.Decimal("Quantidade", 3));
  if (e.Dado("PrecoUnitario")) e.Escreve(Indexado("PrecoUnitario", i), e.Decimal("PrecoUnitario", 3));

  // An item sold without a department is in none: an empty name would match a department the printer
  // does not have, whose name the totalizers' configuration left empty.
  std::int32_t departamento = e.Inteiro("CodDepartamento");
  if (!e.Dado("CodDepartamento"))
    departamento = e.Dado("NomeDepartamento") ? e.Procura("NomeDepartamento", kDepartamentos, e.Texto("NomeDepartamento")) : -1;
  e.Escreve(Indexado("ItemDepartamento", i), departamento);

  if (e.Dado("CodAliquota") || !e.Dado("PercentualAliquota") || !e.Dado("AliquotaICMS")) return;
  const std::string indicador = IndicadorVerdadeiro(e.Texto("AliquotaICMS")) ? "T" : "S";
  const std::int64_t percentual = CentesimosPercentual(e.Texto("PercentualAliquota"));
  std::string rotulo = "??";
  for (int j = 0; j < kAliquotas; ++j) {
    const double lido = std::round(e.Numero(Indexado("PercentualAliquota", j)) * 100 * 10000) / 10000;
    if (lido == static_cast<double>(percentual) && e.TextoLido(Indexado("AliquotaICMS", j)) == indicador) {
      char numero[16];
      std::snprintf(numero, sizeof numero, "%02d", j);
      rotulo = indicador + numero;
      break;
    }
  }
  e.Escreve(Indexado("ItemAliquota", i), rotulo);
}

void EmiteItemNaoFiscal(Espelho& e) {
  LigacaoPlanilha& l = e.ligacao;
  l.Memoria.UltimoItemNaoFiscal = true;
  const int i = l.ItemAtual - 1;
  std::int32_t indice = e.Inteiro("CodNaoFiscal");
  if (!e.Dado("CodNaoFiscal")) indice = e.Procura("NomeNaoFiscal", kNaoFiscais, e.Texto("NomeNaoFiscal"));
  e.Escreve(Indexado("Quantidade", i), std::int32_t{1});
  e.Escreve(Indexado("ItemAliquota", i), "NF" + std::to_string(indice));
  e.Escreve(Indexado("PrecoUnitario", i), e.Decimal("Valor", 2));
}

// Sets the sign of the last adjustment from its amount.
void Sinal(LigacaoPlanilha& l, double valor) { l.Memoria.SinalUltimoAcrescimo = valor >= 0 ? 1 : -1; }

void AcresceItem(Espelho& e) {
  LigacaoPlanilha& l = e.ligacao;
  const std::int32_t num_item = e.Inteiro("NumItem");
  if (IndicadorVerdadeiro(e.Texto("Cancelar"))) {
    const int i = (num_item != -1 ? num_item : l.Memoria.UltimoItemAcrescido) - 1;
    if (e.Numero(Indexado("ItemValorDesconto", i)) == 0)
      e.Escreve(Indexado("ItemValorCancelamentoAcrescimo", i), e.Numero(Indexado("ItemValorAcrescimo", i)));
    else
      e.Escreve(Indexado("ItemValorDesconto", i), std::string());
    return;
  }
  const std::int32_t item = num_item != -1 ? num_item : l.ItemAtual - 1;
  const int i = item - 1;
  l.Memoria.UltimoItemAcrescido = item;
  double valor = e.Decimal("ValorAcrescimo", 2);
  if (!e.Dado("ValorAcrescimo"))
    valor = l.NBR5891(e.Numero(Indexado("ItemValorTotal", i)) * e.Decimal("ValorPercentual", 2) * 0.01);
  Sinal(l, valor);
  if (valor >= 0)
    e.Soma(Indexado("ItemValorAcrescimo", i), valor);
  else
    e.Escreve(Indexado("ItemValorDesconto", i), -valor);
}

void CancelaItem(Espelho& e) {
  LigacaoPlanilha& l = e.ligacao;
  const std::int32_t num_item = e.Inteiro("NumItem");
  const int i = (num_item != -1 ? num_item : l.ItemAtual - 1) - 1;
  const double acrescimo = e.Numero(Indexado("ItemValorAcrescimo", i));
  if (e.Numero(Indexado("ItemValorDesconto", i)) == 0 && acrescimo != 0)
    e.Escreve(Indexado("ItemValorCancelamentoAcrescimo", i), acrescimo);
  else
    e.Escreve(Indexado("ItemValorDesconto", i), std::string());
  // After a non-fiscal item the item number alone completes the command: one unit.
  // The quantity keeps its three decimals, as in the sale: the printer cancels 0,125 and not 0,12.
  double quantidade = l.Memoria.UltimoItemNaoFiscal ? 1 : e.Decimal("Quantidade", 3);
  if (!l.Memoria.UltimoItemNaoFiscal && !e.Dado("Quantidade")) quantidade = e.Numero(Indexado("Quantidade", i));
  e.Escreve(Indexado("ItemQuantidadeCancelamento", i), quantidade);
  const double valor = e.Numero(Indexado("PrecoUnitario", i)) * quantidade;
  const bool trunca = e.Numero(Indexado("ItemDepartamento", i)) == 0;
  e.Escreve(Indexado("ItemValorCancelamento", i), trunca ? l.Trunca(valor) : l.NBR5891(valor));
}

void AcresceSubtotal(Espelho& e) {
  LigacaoPlanilha& l = e.ligacao;
  if (IndicadorVerdadeiro(e.Texto("Cancelar"))) {
    if (l.Memoria.SinalUltimoAcrescimo < 1)
      e.Escreve("SubtotalDesconto", std::string());
    else
      e.Escreve("SubtotalCancelamentoAcrescimo", e.Numero("SubtotalAcrescimo"));
    return;
  }
  double valor = e.Decimal("ValorAcrescimo", 2);
  if (!e.Dado("ValorAcrescimo")) {
    const double base = e.Numero(l.Memoria.UltimoItemNaoFiscal ? "SubTotalCupom" : "VendaLiquidaICMS");
    valor = l.NBR5891(base * e.Decimal("ValorPercentual", 2) * 0.01);
  }
  Sinal(l, valor);
  if (valor >= 0)
    e.Soma("SubtotalAcrescimo", valor);
  else
    e.Escreve("SubtotalDesconto", valor);
}

// The total a means of payment adds to: cash, or the means' own; empty when it is unknown.
std::string TotalMeio(Espelho& e, const char* codigo, const char* nome) {
  std::int32_t indice = e.Inteiro(codigo);
  if (!e.Dado(codigo)) {
    if (e.Texto(nome) == "Dinheiro") return "TotalDocDinheiro";
    indice = e.Procura("NomeMeioPagamento", kMeiosPagamento, e.Texto(nome));
  }
  return indice >= 0 ? Indexado("TotalDocMeioPagamento", indice) : std::string();
}

void PagaCupom(Espelho& e) {
  const std::string total = TotalMeio(e, "CodMeioPagamento", "NomeMeioPagamento");
  // A withdrawal (the workbook's "SinalMeios" reads -1) takes what it pays out of the means, as the
  // printer's document totals show it.
  const double sinal = e.Numero("SinalMeios") < 0 ? -1 : 1;
  if (!total.empty()) e.Soma(total, sinal * e.Decimal("Valor", 2));
  if (e.Numero("TotalDocLiquido") == 0) EspelhaCancelamentoCupom(e.frm);
}

void EstornaMeioPagamento(Espelho& e) {
  e.NovoDocumento();
  e.Deltas({"COO", "GNF"});
  const double valor = e.Decimal("Valor", 2);
  const std::string origem = TotalMeio(e, "CodMeioPagamentoOrigem", "NomeMeioPagamentoOrig");
  const std::string destino = TotalMeio(e, "CodMeioPagamentoDestino", "NomeMeioPagamentoDest");
  if (!origem.empty()) e.Soma(origem, -valor);
  if (!destino.empty()) e.Soma(destino, valor);
}

void AbreGerencial(Espelho& e) {
  e.NovoDocumento();
  e.Deltas({"COO", "GNF", "GRG"});
  std::int32_t indice = e.Inteiro("CodGerencial");
  if (!e.Dado("CodGerencial")) indice = e.Procura("NomeGerencial", kGerenciais, e.Texto("NomeGerencial"));
  if (indice >= 0) e.Soma(Indexado("CERCupom", indice), 1);
}

void EmiteLeituraMemoria(Espelho& e) {
  std::string destino = e.Texto("Destino");
  for (char& c : destino) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  if (destino == "S") return;
  e.NovoDocumento();
  e.Deltas({"COO"});
}

void CancelaCupom(Espelho& e) { EspelhaCancelamentoCupom(e.frm); }
void CreditoDebito(Espelho& e) {
  e.NovoDocumento();
  e.Deltas({"COO", "GNF", "CDC"});
}
void AbreCupomFiscal(Espelho& e) {
  e.NovoDocumento();
  e.Deltas({"COO", "CCF"});
  e.Escreve("CupomAberto", std::string("Sim"));
  e.Escreve("TipoDoc", std::string("CF"));
}
void AbreCupomNaoFiscal(Espelho& e) {
  e.NovoDocumento();
  e.Deltas({"COO", "GNF"});
  e.Escreve("CupomAberto", std::string("Sim"));
  e.Escreve("TipoDoc", std::string("CNF"));
}
void EncerraDocumento(Espelho& e) { e.Escreve("CupomAberto", std::string("Nao")); }
void EmiteLeituraX(Espelho& e) {
  e.NovoDocumento();
  e.Deltas({"COO"});
}
void EmiteReducaoZ(Espelho& e) {
  e.NovoDocumento(true);
  e.Deltas({"COO", "CRZ"});
  for (const char* nome : {"CFC", "CDC", "NFC"}) e.Escreve(nome, std::int32_t{0});
}
void DefineProprietario(Espelho& e) {
  for (const char* nome :
       {"COO", "GNF", "GRG", "CCF", "CFD", "deltaCOO", "deltaGNF", "deltaGRG", "deltaCCF", "deltaCFD",
        "TotalDiaVendaBruta", "TotalDiaCancelamentosICMS", "TotalDiaDescontos", "TotalDiaISSQN",
        "TotalDiaCancelamentosISSQN", "TotalDiaVendaLiquida", "TotalDiaAcrescimos", "TotalDiaDescontosNaoFiscais",
        "TotalDiaAcrescimosNaoFiscais", "TotalDiaCancelamentosNaoFiscais", "TotalDiaOperacoesNaoFiscais"})
    e.Escreve(nome, 0.0);
}

struct Regra {
  Comando comando;
  void (*aplica)(Espelho&);
};

const Regra kRegras[] = {
    {Comando::VendeItem, VendeItem},
    {Comando::EmiteItemNaoFiscal, EmiteItemNaoFiscal},
    {Comando::AcresceItemFiscal, AcresceItem},
    {Comando::AcresceItemNaoFiscal, AcresceItem},
    {Comando::CancelaItemFiscal, CancelaItem},
    {Comando::CancelaItemNaoFiscal, CancelaItem},
    {Comando::AcresceSubtotal, AcresceSubtotal},
    {Comando::PagaCupom, PagaCupom},
    {Comando::EstornaMeioPagamento, EstornaMeioPagamento},
    {Comando::AbreGerencial, AbreGerencial},
    {Comando::EmiteLeituraFitaDetalhe, EmiteLeituraMemoria},
    {Comando::EmiteLeituraMF, EmiteLeituraMemoria},
    {Comando::CancelaCupom, CancelaCupom},
    {Comando::AbreCreditoDebito, CreditoDebito},
    {Comando::EstornaCreditoDebito, CreditoDebito},
    {Comando::AbreCupomFiscal, AbreCupomFiscal},
    {Comando::AbreCupomNaoFiscal, AbreCupomNaoFiscal},
    {Comando::EncerraDocumento, EncerraDocumento},
    {Comando::EmiteLeituraX, EmiteLeituraX},
    {Comando::EmiteReducaoZ, EmiteReducaoZ},
    {Comando::DefineProprietario, DefineProprietario},
};

}  // namespace

void EspelhaComando(TfrmMain& frm, int comando, int posicao) {
  LigacaoPlanilha& ligacao = Ligacao(frm);
  if (!ligacao.Conectada() || posicao < 0 || posicao >= kTotalComandosEspelhados) return;
  if (ligacao.ItemAtual > ligacao.LimiteItens) return;
  ligacao.RefazReferencias();

  Espelho espelho{frm, ligacao, {}};
  const quorbal::DescritorComando& descritor = quorbal::kCatalogo[comando];
  const std::vector<std::string>& textos = frm.Campos[comando].parametros;
  for (std::uint32_t k = 0; k < descritor.total_parametros && k < textos.size(); ++k)
    if (!textos[k].empty()) espelho.parametros[descritor.parametros[k].nome] = textos[k];

  const Comando espelhado = kComandosEspelhados[posicao];
  for (const Regra& regra : kRegras)
    if (regra.comando == espelhado) regra.aplica(espelho);
  if (espelhado == Comando::VendeItem || espelhado == Comando::EmiteItemNaoFiscal) ++ligacao.ItemAtual;
}

void EspelhaCancelamentoCupom(TfrmMain& frm) {
  LigacaoPlanilha& l = Ligacao(frm);
  Espelho e{frm, l, {}};
  const std::string tipo = e.TextoLido("TipoDoc");
  const bool ja_fechado = e.TextoLido("CupomAberto") == "Nao";
  if (tipo == "CF") {
    if (ja_fechado) e.Deltas({"COO", "CCF"});
    e.Deltas({"CFC"});
  } else if (tipo == "CNF") {
    if (ja_fechado) e.Deltas({"COO", "GNF"});
    e.Deltas({"NFC"});
  }
  e.Escreve("CupomAberto", std::string("Nao"));
  for (int i = 0; i <= l.ItemAtual - 2; ++i) {
    const double acrescimo = e.Numero(Indexado("ItemValorAcrescimo", i));
    if (acrescimo != 0) e.Escreve(Indexado("ItemValorCancelamentoAcrescimo", i), acrescimo);
    e.Escreve(Indexado("ItemValorDesconto", i), std::string());
    e.Escreve(Indexado("ItemValorCancelamento", i), e.Numero(Indexado("ItemValorTotal", i)));
    e.Escreve(Indexado("ItemQuantidadeCancelamento", i), e.Numero(Indexado("Quantidade", i)));
  }
  e.Escreve("SubtotalCancelamentoAcrescimo", e.Numero("SubtotalAcrescimo"));
  e.Escreve("SubtotalDesconto", std::string());
  e.Escreve("TotalDocDinheiro", std::string());
  for (int j = 0; j < kMeiosPagamento; ++j) e.Escreve(Indexado("TotalDocMeioPagamento", j), std::string());
  // Cancelling a closed coupon issues a document of its own, which sells nothing: the cancelled
  // coupon's figures stay in the day only.
  if (ja_fechado) e.NovoDocumento();
}

void EspelhaComandosExecutados(TfrmMain& frm) {
  EspelhaAposComando(frm, [&frm](int comando, int posicao) { EspelhaComando(frm, comando, posicao); });
}

}  // namespace tarnel
